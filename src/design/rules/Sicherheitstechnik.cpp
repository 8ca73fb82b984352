#include "design/rules/Sicherheitstechnik.h"

#include <cmath>

#include "data/GlobDaten.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/rules/ArtikelAbfrage.h"
#include "design/rules/TabelleMembranSV.h"
#include "design/rules/TabelleMembranSVSolar.h"
#include "design/rules/TabelleSiVTrinkw.h"
#include "design/rules/TabelleVollhubSV.h"
#include "design/rules/TabellenConst.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

namespace {

// Member names of the data objects.
namespace M {
const QString GefaessArtNr = QStringLiteral("m_GefaessArtNr");
const QString SumWaermeleistung = QStringLiteral("Sum_Waermeleistung");
const QString Leist = QStringLiteral("m_Leist_m_value");
const QString LeistGes = QStringLiteral("m_Leist_ges");
const QString AusfuehrSV = QStringLiteral("m_AusfuehrSV");
const QString pSV = QStringLiteral("m_p_SV");
const QString Beheiz = QStringLiteral("m_Beheiz");
const QString Primärtemp = QStringLiteral("m_Primärtemp");
const QString IntTab = QStringLiteral("m_Int_Tab");
const QString Anlage = QStringLiteral("m_Anlage");
const QString WMangelSichArt = QStringLiteral("m_Zub_WMangelSichArt");
const QString SichVentilAnzI = QStringLiteral("m_Zub_SichVentil_Anz_m_value");
const QString SichVentilArtNrI = QStringLiteral("m_Zub_SichVentil_ArtNr_m_value");
const QString EntspGefäßArtNrI = QStringLiteral("m_Zub_EntspGefäß_ArtNr_m_value");
const QString WMangelSichAnz = QStringLiteral("m_Zub_WMangelSich_Anz");
const QString AltMinDruBegrAnz = QStringLiteral("m_Zub_AltMinDruBegr_Anz");
const QString MaxDruBegrAnz = QStringLiteral("m_Zub_MaxDruBegr_Anz");
const QString SichVentilArtNr = QStringLiteral("m_Zub_SichVentil_ArtNr");
const QString SichVentilAnz = QStringLiteral("m_Zub_SichVentil_Anz");
const QString Absorberflaeche = QStringLiteral("m_Absorberflaeche");
const QString VolAnlage = QStringLiteral("m_VolAnlage");
}  // namespace M

constexpr int kAnzahlErzeuger = 6;
constexpr int32_t kGrenzleistung = 300;  // kW: above it a generator needs its own trap and limiter
constexpr int32_t kClientCursor = 3;
const QString kKälteSicherheitsventil = QStringLiteral("29495");

// Kinds of low-water protection (option index of the heating safety page).
enum Wassermangelsicherungsart : int16_t { Keine = 0, Schwimmer = 1, Elektronisch = 2, MinDruckbegrenzer = 3 };

bool KeinArtikel(const QString& artNr)
{
    return artNr.isEmpty() || artNr == ArtikelAbfrage::KeinArtikel;
}

VbVariant Index(int i)
{
    return VbVariant::integer(static_cast<int16_t>(i));
}

VbVariant Ganzzahl(int32_t v)
{
    return VbVariant::integer(Zahlen::CInt(v));
}

}  // namespace

QList<Sicherheitstechnik::Vertragsmember> Sicherheitstechnik::Vertrag(const QString& projektart)
{
    using A = MemberRegister::Art;
    if (projektart == QStringLiteral("He"))
        return {{M::GefaessArtNr, A::Wert, false},     {M::SumWaermeleistung, A::Methode, false},
                {M::Leist, A::Indiziert, false},       {M::LeistGes, A::Wert, false},
                {M::AusfuehrSV, A::Wert, true},        {M::pSV, A::Wert, false},
                {M::Beheiz, A::Wert, false},           {M::Primärtemp, A::Wert, false},
                {M::IntTab, A::Objekt, false},         {M::Anlage, A::Wert, false},
                {M::WMangelSichArt, A::Wert, false},   {M::SichVentilAnzI, A::Indiziert, true},
                {M::SichVentilArtNrI, A::Indiziert, true}, {M::EntspGefäßArtNrI, A::Indiziert, true},
                {M::WMangelSichAnz, A::Wert, true},    {M::AltMinDruBegrAnz, A::Wert, true},
                {M::MaxDruBegrAnz, A::Wert, true}};
    if (projektart == QStringLiteral("Kü"))
        return {{M::GefaessArtNr, A::Wert, false}, {M::SichVentilArtNr, A::Wert, true},
                {M::SichVentilAnz, A::Wert, true}};
    if (projektart == QStringLiteral("So"))
        return {{M::GefaessArtNr, A::Wert, false}, {M::Absorberflaeche, A::Wert, false},
                {M::pSV, A::Wert, false}, {M::SichVentilArtNr, A::Wert, true}};
    if (projektart == QStringLiteral("Tr"))
        return {{M::GefaessArtNr, A::Wert, false}, {M::VolAnlage, A::Wert, false},
                {M::pSV, A::Wert, false}, {M::SichVentilArtNr, A::Wert, true}};
    return {};
}

Sicherheitstechnik::Sicherheitstechnik() : m_ArtikelDataSource(zustand().Artikel_Data_Source) {}

Sicherheitstechnik::~Sicherheitstechnik() = default;

void Sicherheitstechnik::Init(const std::shared_ptr<GlobDaten>& objekt)
{
    Init(objekt->Member(), objekt);
}

void Sicherheitstechnik::Init(MemberRegister& objekt, std::shared_ptr<void> halter)
{
    m_objekt = &objekt;
    m_halter = std::move(halter);
}

// --- Reading the data object ---

bool Sicherheitstechnik::GefäßGewählt() const
{
    return !KeinArtikel(m_objekt->lese(M::GefaessArtNr).toString());
}

int32_t Sicherheitstechnik::Zahl(const QString& name) const
{
    return m_objekt->lese(name).toLong();
}

int32_t Sicherheitstechnik::Leistung(int nr) const
{
    return m_objekt->lese(M::Leist, {Index(nr)}).toLong();
}

double Sicherheitstechnik::Gesamtleistung() const
{
    return m_objekt->lese(M::LeistGes).toDouble();
}

int32_t Sicherheitstechnik::GesamtleistungGerundet() const
{
    return Zahlen::CLng(Gesamtleistung());
}

int32_t Sicherheitstechnik::Wert(const DNListe& liste, int16_t Index)
{
    return Index >= 1 && Index <= kAnzahlErzeuger ? liste[Index] : 0;
}

int32_t Sicherheitstechnik::NennDN_SiV_Heizung(int16_t Index) const
{
    return Wert(m_NennDN, Index);
}

int32_t Sicherheitstechnik::EntspannGefaessDN_Eingang(int16_t Index) const
{
    return Wert(m_EntspDNEingang, Index);
}

int32_t Sicherheitstechnik::EntspannGefaessDN_Ausgang(int16_t Index) const
{
    return Wert(m_EntspDNAusgang, Index);
}

// --- Heating ---

void Sicherheitstechnik::Ermittel_EinzelkesselOderMehrkessel()
try {
    m_Einzelkessel = std::floor(m_objekt->rufe(M::SumWaermeleistung).toDouble()) != 0.0;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

int32_t Sicherheitstechnik::AuslegungSicherheitstechnikHeizung(bool erlaubenOhneGefaess)
try {
    if (!erlaubenOhneGefaess && !GefäßGewählt())
        return 1;

    m_Vollhub = std::make_unique<TabelleVollhubSV>();
    m_Membran = std::make_unique<TabelleMembranSV>();

    for (int i = 1; i <= kAnzahlErzeuger; ++i) {
        m_objekt->schreibe(M::SichVentilAnzI, {Index(i)}, Ganzzahl(0));
        m_objekt->schreibe(M::SichVentilArtNrI, {Index(i)}, ArtikelAbfrage::KeinArtikel);
        m_NennDN[i] = m_EntspDNEingang[i] = m_EntspDNAusgang[i] = 0;
    }

    if (m_Einzelkessel) {
        // A switch to full-lift valves during a pass redesigns the generators before it; the
        // second pass is on full-lift valves and cannot switch again (the bound keeps a data
        // object that does not hold the switch from looping).
        for (int durchgang = 1; durchgang <= 2; ++durchgang) {
            m_Wiederholen = false;
            for (int i = 1; i <= kAnzahlErzeuger; ++i)
                AuslegungSiVWärmeerzeuger(static_cast<int16_t>(i), Leistung(i));
            if (!m_Wiederholen)
                break;
        }
    } else {
        AuslegungSiVWärmeerzeuger(1, GesamtleistungGerundet());
    }

    m_Vollhub.reset();
    m_Membran.reset();

    AuslegungEntspannungsgefäße();
    AuslegungWassermangelsicherung();
    AuslegungMaxDruckbegrenzer();
    return 0;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
    return AuslegungFehlgeschlagen;
}

QString Sicherheitstechnik::AuslegungSiVWärmeerzeuger(int16_t nr, int32_t leistung)
{
    const VbVariant index = Index(nr);
    if (leistung < 1) {
        m_objekt->schreibe(M::SichVentilAnzI, {index}, Ganzzahl(0));
        m_objekt->schreibe(M::SichVentilArtNrI, {index}, ArtikelAbfrage::KeinArtikel);
        m_NennDN[nr] = 0;
        return ArtikelAbfrage::KeinArtikel;
    }

    const double ansprechdruck = m_objekt->lese(M::pSV).toDouble();
    QString artNr;
    int32_t anzahl = 0;
    int32_t nennDN = 0;
    bool vollhub = Zahl(M::AusfuehrSV) != 0;

    if (!vollhub) {
        if (m_Membran->ErmittelMembranSV(ansprechdruck, leistung)) {
            artNr = m_Membran->GetArtNrMemranSV();
            anzahl = m_Membran->GetAnzMembranSV();
            nennDN = m_Membran->GetNennDN();
        } else {
            Meldung(Meldungsart::Information, LadeText(2200 + zustand().Sprachoffset));
            m_Wiederholen = true;
            m_objekt->schreibe(M::AusfuehrSV, Ganzzahl(1));
            vollhub = true;
        }
    }

    if (vollhub) {
        // Indirect heating whose primary side cannot raise the vapour pressure to the set
        // pressure needs only the smallest full-lift valve.
        const bool indirekt = Zahl(M::Beheiz) == 1;
        double dampfdruck = 0.0;
        if (indirekt) {
            if (const TabellenConst* tab = m_objekt->objekt<TabellenConst>(M::IntTab))
                dampfdruck = tab->GetDampfdruck(m_objekt->lese(M::Primärtemp).toDouble());
        }
        if (indirekt && dampfdruck < Zahlen::RundenGerade(ansprechdruck, 3))
            m_Vollhub->SucheVollhubSV(25);
        else
            m_Vollhub->ErmittelVollhubSV(ansprechdruck, leistung);
        artNr = m_Vollhub->GetArtNrVollhubSV();
        anzahl = Zahlen::CInt(m_Vollhub->GetAnzVollhubSV());
        nennDN = m_Vollhub->GetNennDN();
    }

    m_objekt->schreibe(M::SichVentilAnzI, {index}, Ganzzahl(anzahl));
    m_objekt->schreibe(M::SichVentilArtNrI, {index}, artNr);
    m_NennDN[nr] = nennDN;

    if (KeinArtikel(artNr))
        ArtikelAbfrage::Auslegungsfehler(2350, QString::number(nr));
    return artNr;
}

void Sicherheitstechnik::AuslegungEntspannungsgefäße()
{
    for (int i = 1; i <= kAnzahlErzeuger; ++i)
        m_objekt->schreibe(M::EntspGefäßArtNrI, {Index(i)}, ArtikelAbfrage::KeinArtikel);

    datenbank db;
    if (db.OpenTab(m_ArtikelDataSource, QStringLiteral("SELECT * FROM [Entspannungsgefäße]"), kClientCursor,
                   Kennwort::Artikeldatenbank, true) != 0)
        return;

    const int anzahl = m_Einzelkessel ? kAnzahlErzeuger : 1;
    for (int i = 1; i <= anzahl; ++i) {
        const int32_t leistung = m_Einzelkessel ? Leistung(i) : GesamtleistungGerundet();
        if (leistung <= 0)
            continue;
        QString artNr = ArtikelAbfrage::KeinArtikel;
        if (leistung > kGrenzleistung && m_NennDN[i] != 0) {
            QString spalte;
            if (Zahl(M::AusfuehrSV) == 0)
                spalte = QStringLiteral("DN MSV");
            else if (m_objekt->lese(M::pSV).toDouble() > 5.0)
                spalte = QStringLiteral("DN bei > 5 bar");
            else
                spalte = QStringLiteral("DN bei <= 5 bar");
            const VbVariant dn = VbVariant::lng(m_NennDN[i]);
            artNr = db.GetValFromFeld(dn, spalte, QStringLiteral("Art Nr")).toString();
            if (artNr.isEmpty())
                artNr = ArtikelAbfrage::KeinArtikel;
            m_EntspDNEingang[i] = db.GetValFromFeld(dn, spalte, QStringLiteral("DN_Eingang")).toLong();
            m_EntspDNAusgang[i] = db.GetValFromFeld(dn, spalte, QStringLiteral("DN_Ausgang")).toLong();
            if (artNr == ArtikelAbfrage::KeinArtikel)
                ArtikelAbfrage::Auslegungsfehler(2351, QString::number(i));
        }
        m_objekt->schreibe(M::EntspGefäßArtNrI, {Index(i)}, artNr);
    }
}

void Sicherheitstechnik::AuslegungWassermangelsicherung()
try {
    int32_t wms = 0;
    int32_t minDruck = 0;
    if (Zahl(M::Anlage) == 1 || Zahl(M::Beheiz) == 0) {
        const int16_t art = m_objekt->lese(M::WMangelSichArt).toInteger();
        const bool sicherung = art == Schwimmer || art == Elektronisch;
        if (m_Einzelkessel) {
            for (int i = 1; i <= kAnzahlErzeuger; ++i) {
                const int32_t leistung = Leistung(i);
                if (sicherung && leistung > 0)
                    ++wms;
                else if (art == MinDruckbegrenzer && leistung > kGrenzleistung)
                    ++wms;
                else if (art == MinDruckbegrenzer && leistung > 0)
                    ++minDruck;
            }
        } else if (sicherung) {
            wms = 1;
        } else if (art == MinDruckbegrenzer) {
            (Gesamtleistung() <= kGrenzleistung ? minDruck : wms) = 1;
        }
    }
    m_objekt->schreibe(M::WMangelSichAnz, Ganzzahl(wms));
    m_objekt->schreibe(M::AltMinDruBegrAnz, Ganzzahl(minDruck));
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
}

void Sicherheitstechnik::AuslegungMaxDruckbegrenzer()
{
    int32_t anzahl = 0;
    if (Zahl(M::Beheiz) == 0) {
        if (m_Einzelkessel) {
            for (int i = 1; i <= kAnzahlErzeuger; ++i)
                anzahl += Leistung(i) > kGrenzleistung ? 1 : 0;
        } else {
            anzahl = Gesamtleistung() > kGrenzleistung ? 1 : 0;
        }
    }
    m_objekt->schreibe(M::MaxDruBegrAnz, Ganzzahl(anzahl));
}

bool Sicherheitstechnik::AlleKesselMangelsicherung_erforderlich() const
try {
    if (Zahl(M::Anlage) == 1)
        return true;
    if (!m_Einzelkessel)
        return Gesamtleistung() > kGrenzleistung;
    for (int i = 1; i <= kAnzahlErzeuger; ++i) {
        const int32_t leistung = Leistung(i);
        if (leistung > 0 && leistung <= kGrenzleistung)
            return false;
    }
    return true;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
    return true;
}

// --- Cooling, solar, drinking water ---

int32_t Sicherheitstechnik::AuslegungSicherheitstechnikKälte()
try {
    if (!GefäßGewählt())
        return 1;
    m_objekt->schreibe(M::SichVentilArtNr, kKälteSicherheitsventil);
    m_objekt->schreibe(M::SichVentilAnz, Ganzzahl(1));
    return 0;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
    return AuslegungFehlgeschlagen;
}

int32_t Sicherheitstechnik::AuslegungSicherheitstechnikSolaranlagen()
try {
    if (!GefäßGewählt())
        return 1;
    const QString artNr = ErmittelSiVSolar(Zahlen::CLng(m_objekt->lese(M::Absorberflaeche).toDouble()));
    m_objekt->schreibe(M::SichVentilArtNr, artNr);
    return 0;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
    return AuslegungFehlgeschlagen;
}

QString Sicherheitstechnik::ErmittelSiVSolar(int32_t kollektorfläche)
{
    TabelleMembranSVSolar tabelle;
    tabelle.ErmittelMembranSV(m_objekt->lese(M::pSV).toDouble(), kollektorfläche);
    const QString artNr = tabelle.GetArtNrMemranSV();
    m_objekt->schreibe(M::SichVentilArtNr, artNr);
    if (KeinArtikel(artNr))
        ArtikelAbfrage::Auslegungsfehler(2373);
    return artNr;
}

int32_t Sicherheitstechnik::AuslegungSicherheitstechnikTrinkwasser()
try {
    if (!GefäßGewählt())
        return 1;
    const QString artNr = ErmittelSiVTrinkwasser(Zahlen::CLng(m_objekt->lese(M::VolAnlage).toDouble()));
    m_objekt->schreibe(M::SichVentilArtNr, artNr);
    return 0;
} catch (const MemberFehler& f) {
    MeldeMemberFehler(f);
    return AuslegungFehlgeschlagen;
}

QString Sicherheitstechnik::ErmittelSiVTrinkwasser(int32_t wasserinhalt)
{
    TabelleSiVTrinkw tabelle;
    tabelle.ErmittelSiV(m_objekt->lese(M::pSV).toDouble(), wasserinhalt);
    const QString artNr = tabelle.GetArtNrMemranSV();
    m_objekt->schreibe(M::SichVentilArtNr, artNr);
    if (KeinArtikel(artNr))
        ArtikelAbfrage::Auslegungsfehler(2364);
    return artNr;
}
