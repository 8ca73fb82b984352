#include "design/cooling/GlobDatenKaelte.h"

#include "base/Zahlen.h"
#include "data/Feldtabelle.h"

// The bindings of the members to the fields of Kälteparameter, with the values of a new project.
struct KälteFelder : Feldtabelle<GlobDatenKälte> {
    using G = GlobDatenKälte;

    // Chiller i (1..6); nullptr outside 1..6.
    template <class Self>
    static auto leistung(Self& g, int16_t i) -> decltype(&g.m_Leist_1)
    {
        const std::array l = {&g.m_Leist_1, &g.m_Leist_2, &g.m_Leist_3, &g.m_Leist_4, &g.m_Leist_5, &g.m_Leist_6};
        return i >= 1 && i <= 6 ? l[i - 1] : nullptr;
    }
    // The venting items of a family: articles or counts; nullptr for another family.
    template <class Self>
    static auto entlüftung(Self& g, int16_t familie, bool artNr) -> decltype(&g.m_Zub_AbsAbsch_ArtNr)
    {
        switch (familie) {
        case 0: return artNr ? &g.m_Zub_AbsAbsch_ArtNr : &g.m_Zub_AbsAbsch_Anz;
        case 1: return artNr ? &g.m_Zub_ZentrAbsch_ArtNr : &g.m_Zub_ZentrAbsch_Anz;
        case 2: return artNr ? &g.m_Zub_Lufttopf_ArtNr : &g.m_Zub_Lufttopf_Anz;
        default: return nullptr;
        }
    }

    static const Option optionen[];
    static const Zahl zahlen[];
    static const Flag flags[];
    static const Wert werte[];
    static const Liste listen[];
};

using G = GlobDatenKälte;
using Vorgabe = KälteFelder::Vorgabe;

const KälteFelder::Option KälteFelder::optionen[] = {
    {&G::m_AnordnungMAG, "m_AnordnungMAG", "AnordnungMAG Zulaufseitig Pumpe", "AnordnungMAG Druckseitig Pumpe"},
    {&G::m_ArtMembran, "m_ArtMembran", "FesteMembran", "AustauschMembran"},
    {&G::m_ArtDruckhaltung, "m_ArtDruckhaltung", "KonstGaspolster", "DruckHalteAutom"},
};

const KälteFelder::Zahl KälteFelder::zahlen[] = {
    {&G::m_Leist_ges, "m_Leist_ges", "GesamtwärmeleistungQ", 3, -1},
    {&G::m_VolAnlage, "m_VolAnlage", "AnlagenvolumenSumme", 0, -1},
    {&G::m_Temp_Vorl, "m_Temp_Vorl", "Vorlauftemperatur", 0, -1},
    {&G::m_Temp_Rückl, "m_Temp_Rückl", "Rücklauftemperatur", 0, -1},
    {&G::m_Temp_Umgeb, "m_Temp_Umgeb", "Umgebungstemperatur", 0, -1},
    {&G::m_FrostZusatz, "m_FrostZusatz", "Frostschutzzusatz", 0, -1},
    {&G::m_p_stat, "m_p_stat", "p statisch", 0.5, 1},
    {&G::m_p_dyn, "m_p_dyn", "p dynamisch", 0, 1},
    {&G::m_p_SV, "m_p_SV", "p Sicherheitsventil", 2.0, 1},
    {&G::m_p_soll, "m_p_soll", "p Soll", 1.2, 1},
    // The column default is 0; a new project starts with 3 litres.
    {&G::m_Wasservorlage, "m_Wasservorlage", "Wasservorlage", 3, -1},
    {&G::m_Leist_1, "m_Leist_1", "Wärmeerzeuger1", 0, -1},
    {&G::m_Leist_2, "m_Leist_2", "Wärmeerzeuger2", 0, -1},
    {&G::m_Leist_3, "m_Leist_3", "Wärmeerzeuger3", 0, -1},
    {&G::m_Leist_4, "m_Leist_4", "Wärmeerzeuger4", 0, -1},
    {&G::m_Leist_5, "m_Leist_5", "Wärmeerzeuger5", 0, -1},
    {&G::m_Leist_6, "m_Leist_6", "Wärmeerzeuger6", 0, -1},
    {&G::m_LaengeDN20, "m_LaengeDN20", "FernleitungDN20", 0, -1},
    {&G::m_LaengeDN25, "m_LaengeDN25", "FernleitungDN25", 0, -1},
    {&G::m_LaengeDN32, "m_LaengeDN32", "FernleitungDN32", 0, -1},
    {&G::m_LaengeDN40, "m_LaengeDN40", "FernleitungDN40", 0, -1},
    {&G::m_LaengeDN50, "m_LaengeDN50", "FernleitungDN50", 0, -1},
    {&G::m_LaengeDN65, "m_LaengeDN65", "FernleitungDN65", 0, -1},
    {&G::m_LaengeDN80, "m_LaengeDN80", "FernleitungDN80", 0, -1},
    {&G::m_LaengeDN100, "m_LaengeDN100", "FernleitungDN100", 0, -1},
    {&G::m_LaengeDN125, "m_LaengeDN125", "FernleitungDN125", 0, -1},
    {&G::m_LaengeDN150, "m_LaengeDN150", "FernleitungDN150", 0, -1},
    {&G::m_LaengeDN200, "m_LaengeDN200", "FernleitungDN200", 0, -1},
    {&G::m_LaengeDN250, "m_LaengeDN250", "FernleitungDN250", 0, -1},
    {&G::m_LaengeDN300, "m_LaengeDN300", "FernleitungDN300", 0, -1},
    {&G::m_LaengeDN350, "m_LaengeDN350", "FernleitungDN350", 0, -1},
    {&G::m_LaengeDN400, "m_LaengeDN400", "FernleitungDN400", 0, -1},
    {&G::m_V_Sonstiges, "m_V_Sonstiges", "SonstigesLiter", 0, -1},
    {&G::m_r_af, "m_r_af", "Ausdehnungsfaktor", 0, 2},
    {&G::m_r_pVordruck, "m_r_pVordruck", "Anfangsdruck", 0, 1},
    {&G::m_r_pend, "m_r_pend", "Enddruck", 0, 1},
    {&G::m_r_vaus, "m_r_vaus", "Ausdehnungsvolumen", 0, -1},
    {&G::m_r_vauf, "m_r_vauf", "Aufnahmevolumen MAG", 0, -1},
    {&G::m_r_pfak, "m_r_pfak", "Druckfaktor", 0, 2},
    {&G::m_r_vges, "m_r_vges", "Behälter-Gesamtvolumen", 0, -1},
    {&G::m_EinbringBreite, "m_EinbringBreite", "Türbreite", 1000, -1},
    {&G::m_EinbringHoehe, "m_EinbringHoehe", "Raumhöhe", 2000, -1},
    {&G::m_GefaessGruppe, "m_GefaessGruppe", "Behältergruppe", 0, -1},
    {&G::m_GefaessAnzahl, "m_GefaessAnzahl", "Behälteranzahl", 1, -1},
    {&G::m_SteuerbehAnzahl, "m_SteuerbehAnzahl", "SteuerbehAnzahl", 1, -1},
};

const KälteFelder::Flag KälteFelder::flags[] = {
    {&G::m_ZusKomprPumpe, "m_ZusKomprPumpe", "ZusKomprPumpe"},
    {&G::m_Wechselstörschalt, "m_Wechselstörschalt", "Wechselstörschalt"},
};

const KälteFelder::Wert KälteFelder::werte[] = {
    {&G::m_GefaessInhalt, "m_GefaessInhalt", "Behälterinhalt", Vorgabe::Integer, 0},
    {&G::m_GefaessArtNr, "m_GefaessArtNr", "GefäßArtNr", Vorgabe::Leer, 0},
    {&G::m_BeistellArtNr, "m_BeistellArtNr", "BeistellArtNr", Vorgabe::Leer, 0},
    {&G::m_KomprPumpeArtNr, "m_KomprPumpeArtNr", "KomprPumpeArtNr", Vorgabe::Leer, 0},
    {&G::m_ZusKomprPumpeArtNr, "m_ZusKomprPumpeArtNr", "ZusKomprPumpeArtNr", Vorgabe::Leer, 0},
    {&G::m_SteuerModulKomp, "m_SteuerModulKomp", "SteuerModulKomp", Vorgabe::Integer, 0},
    {&G::m_ZubehörSteuerung, "m_ZubehörSteuerung", "ZubehoerSteuerung", Vorgabe::Integer, 0},
    {&G::m_Zub_SichVentil_ArtNr, "m_Zub_SichVentil_ArtNr", "SichventilArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_SichVentil_Anz, "m_Zub_SichVentil_Anz", "SichventAnz", Vorgabe::Integer, 0},
    {&G::m_Zub_KappV_Beh_Anz, "m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", Vorgabe::Integer, 0},
    {&G::m_Zub_KappV_Beh_ArtNr, "m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_Nachspeisung, "m_Zub_Nachspeisung", "Nachspeisung", Vorgabe::Integer, 0},
    {&G::m_Zub_Nachspeise_Anz, "m_Zub_Nachspeise_Anz", "NachspeiseAnz", Vorgabe::Integer, 0},
    {&G::m_Zub_Nachspeise_ArtNr, "m_Zub_Nachspeise_ArtNr", "NachspeiseArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_Systemtrenner, "m_Zub_Systemtrenner", "Systemtrenner", Vorgabe::Integer, 1},
    {&G::m_Zub_Systemtrenner_ArtNr, "m_Zub_Systemtrenner_ArtNr", "SystemtrennerArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_Schlamm_Anordnung, "m_Zub_Schlamm_Anordnung", "SchlammAnordnung", Vorgabe::Integer, 0},
    {&G::m_Zub_SchlammIso, "m_Zub_SchlammIso", "SchlammabschIso", Vorgabe::Integer, 1},
};

const KälteFelder::Liste KälteFelder::listen[] = {
    {&G::m_Zub_Schlamm_ArtNr, "m_Zub_Schlamm_ArtNr_m_value", "SchlammabArtNr%1", true},
    {&G::m_Zub_SchlammIso_ArtNr, "m_Zub_SchlammIso_ArtNr_m_value", "SchlammabIsoArtNr%1", true},
    {&G::m_Zub_AbsAbsch_ArtNr, "m_Zub_AbsAbsch_ArtNr_m_value", "AbsorpAbschArtNr%1", true},
    {&G::m_Zub_AbsAbsch_Anz, "m_Zub_AbsAbsch_Anz_m_value", "AbsorpAbschAnz%1", false},
    {&G::m_Zub_ZentrAbsch_ArtNr, "m_Zub_ZentrAbsch_ArtNr_m_value", "ZentrifAbschArtNr%1", true},
    {&G::m_Zub_ZentrAbsch_Anz, "m_Zub_ZentrAbsch_Anz_m_value", "ZentrifAbschAnz%1", false},
    {&G::m_Zub_Lufttopf_ArtNr, "m_Zub_Lufttopf_ArtNr_m_value", "LufttöpfeArtNr%1", true},
    {&G::m_Zub_Lufttopf_Anz, "m_Zub_Lufttopf_Anz_m_value", "LufttöpfeAnz%1", false},
};

GlobDatenKälte::GlobDatenKälte() : GlobDaten(QStringLiteral("GlobDatenKälte"), QStringLiteral("Kälteparameter"))
{
    if (Oeffnungscode() == 0)
        m_Int_Tab = std::make_unique<TabellenConst>();
    bindeTabelle<KälteFelder>(*this);
    registriereMember();
}

GlobDatenKälte::~GlobDatenKälte()
{
    Freigeben();
}

// --- Indexed members ---

int32_t GlobDatenKälte::m_Leist_m_value(int16_t Index) const
{
    const conTextBoxAdodb* l = KälteFelder::leistung(*this, Index);
    return l ? Zahlen::CLng(l->m_Value) : 0;
}

void GlobDatenKälte::m_Leist_m_value(int16_t Index, int32_t wert)
{
    if (conTextBoxAdodb* l = KälteFelder::leistung(*this, Index))
        l->m_Value = wert;
}

// The item lists, read and written as their names are (Index outside 1..6: MemberFehler).
#define KELVOR_POSITIONEN_ZAHL(name, liste)                                                           \
    int16_t GlobDatenKälte::name(int16_t Index) const                                                 \
    {                                                                                                 \
        return itemLesen(liste, QStringLiteral(#name), Index, VbVariant::Typ::Integer).toInteger();   \
    }                                                                                                 \
    void GlobDatenKälte::name(int16_t Index, int16_t wert)                                            \
    {                                                                                                 \
        itemSchreiben(liste, QStringLiteral(#name), Index, VbVariant::Typ::Integer, VbVariant::integer(wert)); \
    }
#define KELVOR_POSITIONEN_TEXT(name, liste)                                                           \
    QString GlobDatenKälte::name(int16_t Index) const                                                 \
    {                                                                                                 \
        return itemLesen(liste, QStringLiteral(#name), Index, VbVariant::Typ::String).toString();     \
    }                                                                                                 \
    void GlobDatenKälte::name(int16_t Index, const QString& wert)                                     \
    {                                                                                                 \
        itemSchreiben(liste, QStringLiteral(#name), Index, VbVariant::Typ::String, VbVariant(wert));  \
    }

KELVOR_POSITIONEN_TEXT(m_Zub_Schlamm_ArtNr_m_value, m_Zub_Schlamm_ArtNr)
KELVOR_POSITIONEN_TEXT(m_Zub_SchlammIso_ArtNr_m_value, m_Zub_SchlammIso_ArtNr)
KELVOR_POSITIONEN_TEXT(m_Zub_AbsAbsch_ArtNr_m_value, m_Zub_AbsAbsch_ArtNr)
KELVOR_POSITIONEN_ZAHL(m_Zub_AbsAbsch_Anz_m_value, m_Zub_AbsAbsch_Anz)
KELVOR_POSITIONEN_TEXT(m_Zub_ZentrAbsch_ArtNr_m_value, m_Zub_ZentrAbsch_ArtNr)
KELVOR_POSITIONEN_ZAHL(m_Zub_ZentrAbsch_Anz_m_value, m_Zub_ZentrAbsch_Anz)
KELVOR_POSITIONEN_TEXT(m_Zub_Lufttopf_ArtNr_m_value, m_Zub_Lufttopf_ArtNr)
KELVOR_POSITIONEN_ZAHL(m_Zub_Lufttopf_Anz_m_value, m_Zub_Lufttopf_Anz)

#undef KELVOR_POSITIONEN_ZAHL
#undef KELVOR_POSITIONEN_TEXT

namespace {

const QString entlüftungArtNr = QStringLiteral("m_Zub_Entlüftung_ArtNr_m_value");
const QString entlüftungAnz = QStringLiteral("m_Zub_Entlüftung_Anz_m_value");

}  // namespace

QString GlobDatenKälte::m_Zub_Entlüftung_ArtNr_m_value(int16_t Entlüfterfamilie, int16_t Index) const
{
    const Positionen* p = KälteFelder::entlüftung(*this, Entlüfterfamilie, true);
    return p ? itemLesen(*p, entlüftungArtNr, Index, VbVariant::Typ::String).toString() : QString();
}

void GlobDatenKälte::m_Zub_Entlüftung_ArtNr_m_value(int16_t Entlüfterfamilie, int16_t Index, const QString& wert)
{
    if (Positionen* p = KälteFelder::entlüftung(*this, Entlüfterfamilie, true))
        itemSchreiben(*p, entlüftungArtNr, Index, VbVariant::Typ::String, VbVariant(wert));
}

int16_t GlobDatenKälte::m_Zub_Entlüftung_Anz_m_value(int16_t Entlüfterfamilie, int16_t Index) const
{
    const Positionen* p = KälteFelder::entlüftung(*this, Entlüfterfamilie, false);
    return p ? itemLesen(*p, entlüftungAnz, Index, VbVariant::Typ::Integer).toInteger() : int16_t(0);
}

void GlobDatenKälte::m_Zub_Entlüftung_Anz_m_value(int16_t Entlüfterfamilie, int16_t Index, int16_t wert)
{
    if (Positionen* p = KälteFelder::entlüftung(*this, Entlüfterfamilie, false))
        itemSchreiben(*p, entlüftungAnz, Index, VbVariant::Typ::Integer, VbVariant::integer(wert));
}

// --- Access by name (bound members and item lists are registered with their binding) ---

namespace {

int16_t indexArgument(const QList<VbVariant>& index, int i, const QString& name)
{
    return MemberWandlung::ausVariant<int16_t>(index.at(i), name);
}

}  // namespace

void GlobDatenKälte::registriereMember()
{
    MemberRegister& r = m_member;
    r.objekt<TabellenConst>(QStringLiteral("m_Int_Tab"), [this] { return m_Int_Tab.get(); });

    const QString leist = QStringLiteral("m_Leist_m_value");
    r.indiziert(
        leist, 1,
        [this, leist](const QList<VbVariant>& i) { return VbVariant::lng(m_Leist_m_value(indexArgument(i, 0, leist))); },
        [this, leist](const QList<VbVariant>& i, const VbVariant& w) {
            m_Leist_m_value(indexArgument(i, 0, leist), MemberWandlung::ausVariant<int32_t>(w, leist));
        });
    r.indiziert(
        entlüftungArtNr, 2,
        [this](const QList<VbVariant>& i) {
            return VbVariant(m_Zub_Entlüftung_ArtNr_m_value(indexArgument(i, 0, entlüftungArtNr),
                                                            indexArgument(i, 1, entlüftungArtNr)));
        },
        [this](const QList<VbVariant>& i, const VbVariant& w) {
            m_Zub_Entlüftung_ArtNr_m_value(indexArgument(i, 0, entlüftungArtNr), indexArgument(i, 1, entlüftungArtNr),
                                           MemberWandlung::ausVariant<QString>(w, entlüftungArtNr));
        });
    r.indiziert(
        entlüftungAnz, 2,
        [this](const QList<VbVariant>& i) {
            return VbVariant::integer(m_Zub_Entlüftung_Anz_m_value(indexArgument(i, 0, entlüftungAnz),
                                                                   indexArgument(i, 1, entlüftungAnz)));
        },
        [this](const QList<VbVariant>& i, const VbVariant& w) {
            m_Zub_Entlüftung_Anz_m_value(indexArgument(i, 0, entlüftungAnz), indexArgument(i, 1, entlüftungAnz),
                                         MemberWandlung::ausVariant<int16_t>(w, entlüftungAnz));
        });

    // The calculation.
    const auto funktion = [&r](const QString& name, std::function<VbVariant()> f) {
        r.methode(name, 0, 0, [f](const QList<VbVariant>&) { return f(); });
    };
    funktion(QStringLiteral("Sum_Waermeleistung"), [this] { return VbVariant(Sum_Waermeleistung()); });
    funktion(QStringLiteral("Sum_V_Anlage"), [this] { return VbVariant(Sum_V_Anlage()); });
    const QString druckSV = QStringLiteral("BerechneDruckSicherheitsventil");
    r.methode(druckSV, 1, 1, [this, druckSV](const QList<VbVariant>& a) {
        BerechneDruckSicherheitsventil(MemberWandlung::ausVariant<bool>(a.at(0), druckSV));
        return VbVariant();
    });
    funktion(QStringLiteral("BerechneEnddruck"), [this] { return VbVariant(BerechneEnddruck()); });
    funktion(QStringLiteral("Rechnen_Kälteanlage"), [this] { return VbVariant(Rechnen_Kälteanlage()); });
}
