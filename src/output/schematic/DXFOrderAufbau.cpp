#include "output/schematic/DXFOrderAufbau.h"

#include <array>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "design/heating/GlobDatenHeizung.h"
#include "output/Datenobjekte.h"
#include "output/schematic/Orderdatei.h"
#include "projects/Projektseite.h"

namespace {

constexpr int TextStck = 93;
constexpr int TextSpeicherNichtVerfügbar = 2205;
constexpr int TextNichtAusgelegt = 2206;
constexpr int TextOrderdateiNichtGeschrieben = 2241;
constexpr int TextSchaltschemaNichtErstellt = 2242;
constexpr int Meldungsart_Information = 1;
constexpr int Meldungsart_Fehler = 3;
constexpr int ErsterDruckhaltungsblock = 100;
constexpr int MaxErzeuger = 6;
// Above this output a generator gets low-water protection instead of a minimum pressure
// limiter, and a maximum pressure limiter.
constexpr double GrenzleistungKW = 300.0;

DXFOrderAufbau::Erzeuger& erzeuger()
{
    static DXFOrderAufbau::Erzeuger e;
    return e;
}

std::shared_ptr<GlobDaten> Erzeuge(const QString& art)
{
    return erzeuger() ? erzeuger()(art) : NeuesDatenobjekt(art);
}

bool Gewählt(const QString& artNr) { return !artNr.isEmpty() && artNr != QStringLiteral(" "); }
bool GewähltGetrimmt(const QString& artNr) { return !artNr.trimmed().isEmpty(); }

// German number text of a member value (a Single as a Single).
QString Zahltext(const VbVariant& v)
{
    return Zahlen::CStr(v.toDouble(), v.typ() == VbVariant::Typ::Single);
}

// One run of a type builder: the data object's members, the lines, the block counters.
class Lauf {
public:
    Lauf(const MemberRegister& m, const DXFOrderAufbau::DxfText& dxf) : m_m(m), m_dxf(dxf) {}

    QStringList Heizung();
    QStringList Kälte();
    QStringList Trinkwasser();
    QStringList Druckerhöhung();
    QStringList Solar();

private:
    VbVariant wert(const char* n) const { return m_m.lese(QString::fromUtf8(n)); }
    VbVariant wert(const char* n, int i) const { return m_m.lese(QString::fromUtf8(n), {VbVariant(i)}); }
    int ganz(const char* n) const { return Zahlen::CLng(wert(n).toDouble()); }
    int ganz(const char* n, int i) const { return Zahlen::CLng(wert(n, i).toDouble()); }
    QString text(const char* n) const { return wert(n).toString(); }
    QString text(const char* n, int i) const { return wert(n, i).toString(); }
    QString dxfText(const QString& artNr) const { return Gewählt(artNr) && m_dxf ? m_dxf(artNr) : QString(); }

    void ArtikelZuListe(const QString& anzahl, const QString& artNr)
    {
        if (!m_liste.isEmpty())
            m_liste += QStringLiteral(", ");
        m_liste += anzahl + u' ' + LadeText(TextStck) + u' ' + dxfText(artNr);
    }
    void Kopf()
    {
        m_zeilen << QStringLiteral("5=") + Orderdatei::Einzeilig(m_liste) << QString::fromLatin1(Orderdatei::MarkeObjekt);
    }
    void schreibe(int block, const QString& symbol, const QStringList& texte = {})
    {
        m_zeilen << Symbolzeile{block, symbol, texte}.Zeile();
    }

    // The summary of the pressure-maintenance articles shared by heating and cooling.
    void Druckhaltungsartikel();
    // Generator blocks (1..6, 0 for none); true in per-generator mode.
    void Erzeugerblöcke(bool einzeln);
    void Kappenventile(bool einzeln, bool ena);
    void Hauptkreis(bool ena);
    void Druckhaltung(bool sonderfallErlaubt);
    void Nachspeisung();

    const MemberRegister& m_m;
    const DXFOrderAufbau::DxfText& m_dxf;
    QStringList m_zeilen;
    QString m_liste;
    int m_kreisnummer = 1;
    int m_blocknummer = ErsterDruckhaltungsblock;
    int m_druckhaltungsblock = ErsterDruckhaltungsblock;
    std::array<int, MaxErzeuger + 1> m_block{};
};

void Lauf::Druckhaltungsartikel()
{
    const int g = ganz("m_GefaessGruppe");
    if (DXFOrderAufbau::IstAutomatGruppe(g)) {
        const QString steuer = text("m_SteuerbehAnzahl");
        if (Gewählt(text("m_GefaessArtNr")))
            ArtikelZuListe(steuer, text("m_GefaessArtNr"));
        if (GewähltGetrimmt(text("m_KomprPumpeArtNr")))
            ArtikelZuListe(steuer, text("m_KomprPumpeArtNr"));
        if (g == 9 && GewähltGetrimmt(text("m_ZusKomprPumpeArtNr")))
            ArtikelZuListe(QStringLiteral("1"), text("m_ZusKomprPumpeArtNr"));
        if (Gewählt(text("m_BeistellArtNr")))
            ArtikelZuListe(QString::number(ganz("m_GefaessAnzahl") - ganz("m_SteuerbehAnzahl")), text("m_BeistellArtNr"));
    } else if (Gewählt(text("m_GefaessArtNr"))) {
        ArtikelZuListe(text("m_GefaessAnzahl"), text("m_GefaessArtNr"));
    }
}

void Lauf::Erzeugerblöcke(bool einzeln)
{
    m_block.fill(0);
    if (einzeln) {
        for (int i = 1; i <= MaxErzeuger; ++i)
            if (ganz("m_Leist_m_value", i) > 0)
                m_block[i] = m_kreisnummer++;
    } else {
        m_block[1] = 1;
        m_kreisnummer = 2;
    }
}

void Lauf::Kappenventile(bool einzeln, bool ena)
{
    const int g = ganz("m_GefaessGruppe");
    const int bis = einzeln ? MaxErzeuger : 1;
    QString symbol;
    if (g == 14 || g == 60 || g == 61 || ena) {
        symbol = QStringLiteral("Kappenv2.dxf");
    } else {
        int mitLeistung = 0;
        for (int i = 1; i <= bis; ++i)
            if (ganz("m_Leist_m_value", i) > 0)
                ++mitLeistung;
        symbol = mitLeistung > 1 ? QStringLiteral("Kappenv.dxf") : QStringLiteral("NoKappv.dxf");
    }
    for (int i = 1; i <= bis; ++i)
        if (m_block[i] != 0)
            schreibe(m_block[i], symbol);
}

void Lauf::Hauptkreis(bool ena)
{
    const int m = m_kreisnummer;
    bool entlüftung = false;
    for (int i = 1; i <= MaxErzeuger; ++i)
        entlüftung = entlüftung || ganz("m_Zub_AbsAbsch_Anz_m_value", i) > 0
                     || ganz("m_Zub_ZentrAbsch_Anz_m_value", i) > 0 || ganz("m_Zub_Lufttopf_Anz_m_value", i) > 0;
    schreibe(m, entlüftung ? QStringLiteral("Entlueft.dxf") : QStringLiteral("Entlueft_NO.dxf"));
    if (!ena)
        schreibe(m, QStringLiteral("AnbindOhneENA.dxf"));
    const int anordnung = ganz("m_Zub_Schlamm_Anordnung");
    if (anordnung != 0) {
        const QString artNr = text("m_Zub_Schlamm_ArtNr_m_value", 1);
        schreibe(m, QStringLiteral("As.dxf"),
                 {anordnung == 1 && GewähltGetrimmt(artNr) ? dxfText(artNr) : QString()});
    } else {
        schreibe(m, QStringLiteral("As_NO.dxf"));
    }
    m_druckhaltungsblock = m_blocknummer;
}

void Lauf::Druckhaltung(bool sonderfallErlaubt)
{
    const int g = ganz("m_GefaessGruppe");
    if (DXFOrderAufbau::IstAutomatGruppe(g)) {
        int j = ganz("m_SteuerbehAnzahl");
        int k = ganz("m_GefaessAnzahl") - j;
        const QString automat = DXFOrderAufbau::AutomatSymbol(g, ganz("m_SteuerModulKomp"));
        if (g == 60 || g == 61) {
            schreibe(m_blocknummer++, automat);
            if (k >= 1)
                schreibe(m_blocknummer++, DXFOrderAufbau::BeistellSymbol(g, true));
            if (k >= 2)
                schreibe(m_blocknummer++, DXFOrderAufbau::BeistellSymbol(g, false));
            return;
        }
        const bool systemtrenner = g == 14 && ganz("m_Zub_Systemtrenner") == 1;
        for (int runde = 0; runde < 3; ++runde) {
            if (k > 0) {
                schreibe(m_blocknummer++, DXFOrderAufbau::BeistellSymbol(g, true));
                --k;
            }
            if (j > 0) {
                schreibe(m_blocknummer, automat);
                if (systemtrenner)
                    schreibe(m_blocknummer, QStringLiteral("Systemtr.dxf"));
                ++m_blocknummer;
                --j;
            }
            if (k > 0 && j < k) {
                schreibe(m_blocknummer++, DXFOrderAufbau::BeistellSymbol(g, false));
                --k;
            }
        }
        return;
    }
    int n = ganz("m_GefaessAnzahl");
    int gruppe = g;
    if (n < 1 && sonderfallErlaubt && m_m.rufe(QStringLiteral("TyvoSonderfallKeinMAGerlaubt")).toBool()) {
        gruppe = 25;
        n = 1;
    }
    const QString symbol = DXFOrderAufbau::GefäßSymbol(gruppe, ganz("m_GefaessInhalt"));
    for (int i = 0; i < n; ++i)
        schreibe(m_blocknummer++, symbol);
}

void Lauf::Nachspeisung()
{
    const int art = ganz("m_Zub_Nachspeisung");
    const int druckhaltung = ganz("m_ArtDruckhaltung");
    QString symbol;
    if (art == 1)
        symbol = druckhaltung == 0 ? QStringLiteral("Stm.dxf")
                 : ganz("m_GefaessGruppe") == 11 ? QStringLiteral("Stamp.dxf") : QStringLiteral("Sta.dxf");
    else if (art == 2)
        symbol = druckhaltung == 0 ? QStringLiteral("Pm.dxf") : QStringLiteral("Pa.dxf");
    else
        return;
    // With add-on vessels the automat's first block holds one of them.
    const bool beistell = druckhaltung == 1 && ganz("m_GefaessAnzahl") - ganz("m_SteuerbehAnzahl") > 0;
    schreibe(m_druckhaltungsblock + (beistell ? 1 : 0), symbol);
}

QStringList Lauf::Heizung()
{
    const bool einzeln = m_m.rufe(QStringLiteral("Sum_Waermeleistung")).toDouble() != 0;
    const int nachspeisung = ganz("m_Zub_Nachspeisung");
    const bool ena = nachspeisung == 3;
    const bool vorlage = GewähltGetrimmt(text("m_Zub_Vorlagebeh_ArtNr"));

    if (nachspeisung != 0 && !ena && ganz("m_Zub_Nachspeise_Anz") > 0)
        ArtikelZuListe(text("m_Zub_Nachspeise_Anz"), text("m_Zub_Nachspeise_ArtNr"));
    Druckhaltungsartikel();
    if (vorlage)
        ArtikelZuListe(QStringLiteral("1"), text("m_Zub_Vorlagebeh_ArtNr"));
    if (ena && ganz("m_Zub_Nachspeise_Anz") > 0)
        ArtikelZuListe(text("m_Zub_Nachspeise_Anz"), text("m_Zub_Nachspeise_ArtNr"));
    Kopf();

    Erzeugerblöcke(einzeln);
    const bool direkt = ganz("m_Beheiz") == 0;
    const QString erzeuger = direkt ? QStringLiteral("Kessel.dxf") : QStringLiteral("Waermeta.dxf");
    auto leistung = [&](int i) { return einzeln ? wert("m_Leist_m_value", i) : wert("m_Leist_ges"); };
    for (int i = 1; i <= MaxErzeuger; ++i)
        if (m_block[i] != 0)
            schreibe(m_block[i], erzeuger, {Zahltext(leistung(i)) + QStringLiteral(" kW")});

    for (int i = 1; i <= MaxErzeuger; ++i)
        if (m_block[i] != 0 && Gewählt(text("m_Zub_EntspGefäß_ArtNr_m_value", i)))
            schreibe(m_block[i], QStringLiteral("Entspato.dxf"));

    std::array<bool, MaxErzeuger + 1> wms{}, mindr{}, maxdr{};
    const int sicherungsart = ganz("m_Zub_WMangelSichArt");
    for (int i = 1; i <= MaxErzeuger; ++i) {
        if (m_block[i] == 0)
            continue;
        const double kw = leistung(i).toDouble();
        if (direkt || ganz("m_Anlage") == 1) {
            if (sicherungsart == 1 || sicherungsart == 2)
                wms[i] = true;
            else if (sicherungsart == 3)
                (kw > GrenzleistungKW ? wms[i] : mindr[i]) = true;
        }
        if (direkt && kw > GrenzleistungKW)
            maxdr[i] = true;
    }
    for (int i = 1; i <= MaxErzeuger; ++i) {
        if (wms[i])
            schreibe(m_block[i], QStringLiteral("Wasmansi.dxf"));
        if (mindr[i])
            schreibe(m_block[i], QStringLiteral("Mindrube.dxf"));
        if (maxdr[i])
            schreibe(m_block[i], QStringLiteral("Maxdrube.dxf"));
    }

    if (ganz("m_Sicherung") == 1) {
        for (int i = 1; i <= MaxErzeuger; ++i) {
            if (m_block[i] == 0)
                continue;
            QString a, b;
            const QString gefäß = text("m_Einzel_GefässArtNr_m_value", i);
            const QString zwischen = text("m_Zub_VorlBehEinz_ArtNr_m_value", i);
            if (Gewählt(gefäß))
                a = dxfText(gefäß);
            if (Gewählt(zwischen)) {
                b = a;
                a = dxfText(zwischen);
            }
            schreibe(m_block[i], QStringLiteral("Kseinabs.dxf"), {a, b});
        }
    }

    Kappenventile(einzeln, ena);
    Hauptkreis(ena);
    Druckhaltung(true);
    if (vorlage)
        schreibe(m_blocknummer++, ena ? QStringLiteral("VB_mitENA.dxf") : QStringLiteral("VB_ohneENA.dxf"));
    if (ena)
        schreibe(m_blocknummer++, vorlage ? QStringLiteral("ENA_fuerVB.dxf") : QStringLiteral("ENA_ohneVB.dxf"));
    Nachspeisung();
    return m_zeilen;
}

QStringList Lauf::Kälte()
{
    const bool einzeln = m_m.rufe(QStringLiteral("Sum_Waermeleistung")).toDouble() != 0;
    const int nachspeisung = ganz("m_Zub_Nachspeisung");
    const bool ena = nachspeisung == 3;

    if (nachspeisung != 0 && !ena && ganz("m_Zub_Nachspeise_Anz") > 0)
        ArtikelZuListe(text("m_Zub_Nachspeise_Anz"), text("m_Zub_Nachspeise_ArtNr"));
    Druckhaltungsartikel();
    if (ena && ganz("m_Zub_Nachspeise_Anz") > 0)
        ArtikelZuListe(text("m_Zub_Nachspeise_Anz"), text("m_Zub_Nachspeise_ArtNr"));
    Kopf();

    Erzeugerblöcke(einzeln);
    for (int i = 1; i <= MaxErzeuger; ++i)
        if (m_block[i] != 0)
            schreibe(m_block[i], QStringLiteral("Kaeltema.dxf"),
                     {Zahltext(einzeln ? wert("m_Leist_m_value", i) : wert("m_Leist_ges")) + QStringLiteral(" kW")});
    Kappenventile(einzeln, ena);
    Hauptkreis(ena);
    Druckhaltung(false);
    if (ena)
        schreibe(m_blocknummer++, QStringLiteral("ENA_ohneVB.dxf"));
    Nachspeisung();
    return m_zeilen;
}

QStringList Lauf::Trinkwasser()
{
    if (Gewählt(text("m_GefaessArtNr")))
        ArtikelZuListe(text("m_GefaessAnzahl"), text("m_GefaessArtNr"));
    Kopf();
    schreibe(1, QStringLiteral("Speicher.dxf"),
             {Zahltext(wert("m_VolAnlage")) + QStringLiteral(" Liter, "), Zahltext(wert("m_Temp_Betr")) + QStringLiteral(" °C")});
    schreibe(1, DXFOrderAufbau::GefäßSymbol(ganz("m_GefaessGruppe"), ganz("m_GefaessInhalt")));
    return m_zeilen;
}

QStringList Lauf::Druckerhöhung()
{
    if (Gewählt(text("m_GefaessArtNr")))
        ArtikelZuListe(text("m_GefaessAnzahl"), text("m_GefaessArtNr"));
    Kopf();
    const VbVariant strom = wert("m_MaxVolStrom");
    const double gerundet = Zahlen::RundenGerade(strom.toDouble(), 1);
    schreibe(1, QStringLiteral("Druckerh.dxf"),
             {Zahlen::CStr(gerundet, strom.typ() == VbVariant::Typ::Single) + QStringLiteral(" m³/h")});
    schreibe(1, DXFOrderAufbau::GefäßSymbol(ganz("m_GefaessGruppe"), ganz("m_GefaessInhalt")));
    return m_zeilen;
}

QStringList Lauf::Solar()
{
    if (Gewählt(text("m_GefaessArtNr")))
        ArtikelZuListe(text("m_GefaessAnzahl"), text("m_GefaessArtNr"));
    if (ganz("m_Zub_MitVorlagebehälter") == 1)
        ArtikelZuListe(QStringLiteral("1"), text("m_Zub_Vorlagebeh_ArtNr"));
    Kopf();
    schreibe(ErsterDruckhaltungsblock, QStringLiteral("Solaranlage_DE.dxf"));
    return m_zeilen;
}

}  // namespace

DXFOrderAufbau::DXFOrderAufbau()
    : m_orderPfad(zustand().Datenpfad + u'/' + QString::fromLatin1(Orderdatei::Dateiname)),
      m_dxfPfad(zustand().Installationspfad + QStringLiteral("/DXF/"))
{
}

void DXFOrderAufbau::SetzeErzeuger(Erzeuger e) { erzeuger() = std::move(e); }

bool DXFOrderAufbau::IstAutomatGruppe(int gruppe)
{
    return gruppe == 9 || gruppe == 11 || gruppe == 14 || gruppe == 60 || gruppe == 61;
}

QString DXFOrderAufbau::GefäßSymbol(int gruppe, int gefäßInhalt)
{
    switch (gruppe) {
    case 1: case 3: case 25: case 27: case 70: case 72: case 74: case 75: case 76:
        return QStringLiteral("Pravon.dxf");
    case 2:
        return QStringLiteral("Sirtova.dxf");
    case 4: case 26:
        return QStringLiteral("Mabrine.dxf");
    case 5:
        return QStringLiteral("Bgefaess.dxf");
    case 7:
        return gefäßInhalt == 80 ? QStringLiteral("M80.dxf") : QStringLiteral("Mgefaess.dxf");
    case 8:
        return QStringLiteral("Mlieg.dxf");
    case 15:
        return QStringLiteral("Quendod.dxf");
    case 17: case 20:
        return QStringLiteral("Quendoa.dxf");
    case 18: case 19:
        return QStringLiteral("Quendode.dxf");
    default:
        return QString();
    }
}

QString DXFOrderAufbau::AutomatSymbol(int gruppe, int steuerModulKomp)
{
    switch (gruppe) {
    case 9:
        return QStringLiteral("Mk.dxf");
    case 11:
        return steuerModulKomp == 2 ? QStringLiteral("Mp2.dxf") : QStringLiteral("Mp.dxf");
    case 14:
        return steuerModulKomp == 1 ? QStringLiteral("Kelmat2.dxf") : QStringLiteral("Kelmat.dxf");
    case 60: case 61:
        return QStringLiteral("Pumbrix.dxf");
    default:
        return QString();
    }
}

QString DXFOrderAufbau::BeistellSymbol(int gruppe, bool links)
{
    switch (gruppe) {
    case 9:
        return links ? QStringLiteral("Mkbeil.dxf") : QStringLiteral("Mkbeir.dxf");
    case 11:
        return links ? QStringLiteral("Mpbeistl.dxf") : QStringLiteral("Mpbeistr.dxf");
    case 14:
        return links ? QStringLiteral("Kelmatbl.dxf") : QStringLiteral("Kelmatbr.dxf");
    case 60: case 61:
        return links ? QStringLiteral("PumBei1.dxf") : QStringLiteral("PumBei2.dxf");
    default:
        return QString();
    }
}

QStringList DXFOrderAufbau::Objekte(const QString& art, const MemberRegister& daten, const DxfText& dxfText)
{
    Lauf lauf(daten, dxfText);
    if (art == QStringLiteral("He"))
        return lauf.Heizung();
    if (art == QStringLiteral("Kü"))
        return lauf.Kälte();
    if (art == QStringLiteral("Tr"))
        return lauf.Trinkwasser();
    if (art == QStringLiteral("Dr"))
        return lauf.Druckerhöhung();
    if (art == QStringLiteral("So"))
        return lauf.Solar();
    return {};
}

QStringList DXFOrderAufbau::Membernamen(const QString& art)
{
    const QStringList druckhaltung{
        "Sum_Waermeleistung()", "m_Leist_m_value(i)", "m_Leist_ges", "m_Zub_Nachspeisung", "m_Zub_Nachspeise_Anz",
        "m_Zub_Nachspeise_ArtNr", "m_GefaessGruppe", "m_GefaessArtNr", "m_GefaessAnzahl", "m_GefaessInhalt",
        "m_SteuerbehAnzahl", "m_KomprPumpeArtNr", "m_ZusKomprPumpeArtNr", "m_BeistellArtNr", "m_SteuerModulKomp",
        "m_ArtDruckhaltung", "m_Zub_AbsAbsch_Anz_m_value(i)", "m_Zub_ZentrAbsch_Anz_m_value(i)",
        "m_Zub_Lufttopf_Anz_m_value(i)", "m_Zub_Schlamm_Anordnung", "m_Zub_Schlamm_ArtNr_m_value(i)",
        "m_Zub_Systemtrenner"};
    if (art == QStringLiteral("He"))
        return druckhaltung
               + QStringList{"m_Beheiz", "m_Anlage", "m_Sicherung", "m_Zub_Vorlagebeh_ArtNr", "m_Zub_EntspGefäß_ArtNr_m_value(i)",
                             "m_Zub_WMangelSichArt", "m_Einzel_GefässArtNr_m_value(i)", "m_Zub_VorlBehEinz_ArtNr_m_value(i)",
                             "TyvoSonderfallKeinMAGerlaubt()"};
    if (art == QStringLiteral("Kü"))
        return druckhaltung;
    if (art == QStringLiteral("Tr"))
        return {"m_GefaessGruppe", "m_GefaessArtNr", "m_GefaessAnzahl", "m_GefaessInhalt", "m_VolAnlage", "m_Temp_Betr"};
    if (art == QStringLiteral("Dr"))
        return {"m_GefaessGruppe", "m_GefaessArtNr", "m_GefaessAnzahl", "m_GefaessInhalt", "m_MaxVolStrom"};
    if (art == QStringLiteral("So"))
        return {"m_GefaessArtNr", "m_GefaessAnzahl", "m_Zub_MitVorlagebehälter", "m_Zub_Vorlagebeh_ArtNr"};
    return {};
}

bool DXFOrderAufbau::AufbauOrderdatei()
{
    const QString art = zustand().Projektart;
    if (art == QStringLiteral("Sp")) {
        Meldung(Meldungsart_Information, LadeText(TextSpeicherNichtVerfügbar));
        return false;
    }
    std::shared_ptr<GlobDaten> daten;
    if (art == QStringLiteral("He") && zustand().TyvoModus != 0) {
        // Host mode: the main window's heating object, as it stands.
        daten = std::static_pointer_cast<GlobDaten>(zustand().g_heizdat);
    } else {
        if (Membernamen(art).isEmpty())
            return false;
        daten = Erzeuge(art);
        if (daten && daten->Init() != 0)
            return false;
    }
    if (!daten)
        return false;
    try {
        return Schreibe(art, *daten);
    } catch (const MemberFehler& e) {
        // A data class without a member the builder reads: no file rather than a wrong one.
        Meldung(Meldungsart_Fehler, LadeText(TextSchaltschemaNichtErstellt), e.text());
        return false;
    }
}

bool DXFOrderAufbau::Schreibe(const QString& art, GlobDaten& daten)
{
    if (!daten.lese(QStringLiteral("m_IstBerechnet")).toBool() || !daten.lese(QStringLiteral("m_IstAusgelegt")).toBool()) {
        Meldung(Meldungsart_Information, LadeText(TextNichtAusgelegt));
        return false;
    }

    QStringList zeilen{QString::fromLatin1(Orderdatei::MarkeOrder)};
    Projektseite* seite = Projektseite::Instanz();
    auto feld = [&](const char* name) {
        return seite ? Orderdatei::Einzeilig(seite->projektDB.GetFeld(QString::fromUtf8(name)).toString()) : QString();
    };
    zeilen << QStringLiteral("1=") + feld("Projekt Nr") << QStringLiteral("2=") + feld("Projektbezeichnung")
           << QStringLiteral("3=") + feld("Datum") << QStringLiteral("4=") + Orderdatei::Einzeilig(m_dxfPfad);
    datenbank* artikel = daten.DBTabArtikel.get();
    const DxfText dxf = [artikel](const QString& artNr) {
        return artikel ? artikel->GetValFromStrgFeld(artNr, QStringLiteral("arArtikelnr"), QStringLiteral("dxfText")).toString()
                       : QString();
    };
    zeilen << Objekte(art, daten.Member(), dxf) << QString::fromLatin1(Orderdatei::MarkeEnde);

    QString fehler;
    if (!Orderdatei::Schreibe(m_orderPfad, zeilen, &fehler)) {
        Meldung(Meldungsart_Fehler, LadeText(TextOrderdateiNichtGeschrieben), m_orderPfad, fehler);
        return false;
    }
    return true;
}
