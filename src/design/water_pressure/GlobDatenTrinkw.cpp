#include "design/water_pressure/GlobDatenTrinkw.h"

#include "data/Feldtabelle.h"
#include "design/rules/TabelleSiVTrinkw.h"

// The bindings of the members to the fields of Trinkwasserparameter, with the defaults of a new
// row, in member order.
struct TrinkwasserFelder : Feldtabelle<GlobDatenTrinkw> {
    static const Zahl zahlen[];
    static const Wert werte[];
};

namespace {
using G = GlobDatenTrinkw;
}

const TrinkwasserFelder::Zahl TrinkwasserFelder::zahlen[] = {
    {&G::m_VolAnlage, "m_VolAnlage", "AnlagenvolumenSumme", 50, -1},
    {&G::m_Temp_Betr, "m_Temp_Betr", "Betriebstemperatur", 60, -1},
    {&G::m_p_anf, "m_p_anf", "Anfangsdruck", 4, 1},
    {&G::m_p_SV, "m_p_SV", "p Sicherheitsventil", 10, 1},
    {&G::m_r_af, "m_r_af", "Ausdehnungsfaktor", 0, 2},
    {&G::m_r_p_vor, "m_r_p_vor", "Vordruck", 0, 1},
    {&G::m_r_pend, "m_r_pend", "Enddruck", 0, 1},
    {&G::m_r_vaus, "m_r_vaus", "Ausdehnungsvolumen", 0, -1},
    {&G::m_r_pfak, "m_r_pfak", "Druckfaktor", 0, 2},
    {&G::m_r_vges, "m_r_vges", "Behälter-Gesamtvolumen", 0, -1},
    {&G::m_EinbringBreite, "m_EinbringBreite", "Türbreite", 1000, -1},
    {&G::m_EinbringHoehe, "m_EinbringHoehe", "Raumhöhe", 2000, -1},
    {&G::m_GefaessGruppe, "m_GefaessGruppe", "Behältergruppe", 0, -1},
    {&G::m_GefaessAnzahl, "m_GefaessAnzahl", "Behälteranzahl", 1, -1},
};

const TrinkwasserFelder::Wert TrinkwasserFelder::werte[] = {
    {&G::m_GefaessInhalt, "m_GefaessInhalt", "Behälterinhalt", Vorgabe::Integer, 0},
    {&G::m_GefaessArtNr, "m_GefaessArtNr", "GefäßArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_SichVentil_ArtNr, "m_Zub_SichVentil_ArtNr", "SichventilArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_KappV_Beh_ArtNr, "m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", Vorgabe::Leer, 0},
    {&G::m_Zub_KappV_Beh_Anz, "m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", Vorgabe::Integer, 0},
};

GlobDatenTrinkw::GlobDatenTrinkw() : GlobDaten(QStringLiteral("GlobDatenTrinkw"), QStringLiteral("Trinkwasserparameter"))
{
    if (Oeffnungscode() == 0) {
        m_Int_Tab = std::make_unique<TabellenConst>();
        m_SiVTabelle = std::make_unique<TabelleSiVTrinkw>();
    }
    bindeTabelle<TrinkwasserFelder>(*this);
    registriereMember();
}

GlobDatenTrinkw::~GlobDatenTrinkw()
{
    Freigeben();
}

void GlobDatenTrinkw::registriereMember()
{
    MemberRegister& r = m_member;
    r.objekt<TabellenConst>(QStringLiteral("m_Int_Tab"), [this] { return m_Int_Tab.get(); });
    r.objekt<datenbank>(QStringLiteral("trinkwDB"), [this] { return Parameterdatenbank(); });
    r.methode(QStringLiteral("AufbauAktuelleDruckstufungSiVentil"), 0, 0, [this](const QList<VbVariant>&) {
        AufbauAktuelleDruckstufungSiVentil();
        return VbVariant();
    });
    const QString druckSV = QStringLiteral("BerechneDruckSicherheitsventil");
    r.methode(druckSV, 1, 1, [this, druckSV](const QList<VbVariant>& a) {
        BerechneDruckSicherheitsventil(MemberWandlung::ausVariant<bool>(a.at(0), druckSV));
        return VbVariant();
    });
    r.methode(QStringLiteral("Rechnen_Trinkwasser"), 0, 0,
              [this](const QList<VbVariant>&) { return VbVariant(Rechnen_Trinkwasser()); });
}
