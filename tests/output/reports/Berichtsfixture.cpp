#include "Berichtsfixture.h"

#include "base/Programmzustand.h"
#include "design/heating/GlobDatenHeizung.h"
#include "output/reports/Drucken.h"

// --- Private access ---

void DruckenTestzugriff::geometrie(Drucken& d)
{
    d.Standardgeometrie();
    d.Ränder();
}

void DruckenTestzugriff::vorbereiten(Drucken& d, int modus, bool mitPreisen)
{
    d.Projektart = QStringLiteral("He");
    d.Modus = modus;
    d.MitPreisen = mitPreisen;
    geometrie(d);
}

int32_t DruckenTestzugriff::ausgabe(Drucken& d, int modus, bool mitPreisen, int ziel, Zeichenflaeche* f,
                                    Druckauftrag* auftrag)
{
    vorbereiten(d, modus, mitPreisen);
    if (!d.Daten) {
        d.Daten = std::make_shared<GlobDatenHeizung>();
        if (d.Daten->Init() != 0)
            return -1;
    }
    return d.GDIAusgabe(ziel, f, auftrag);
}

int16_t DruckenTestzugriff::zeilenProSeite(const Drucken& d) { return d.ZeilenProSeite; }
std::array<int32_t, 3> DruckenTestzugriff::ränder(const Drucken& d) { return {d.RandLinks, d.RandOben, d.RandUnten}; }
int32_t DruckenTestzugriff::zeichenbreite(const Drucken& d) { return d.Zeichenbreite; }
int32_t DruckenTestzugriff::zeilenhöhe(const Drucken& d) { return d.Zeilenhöhe; }
int32_t DruckenTestzugriff::randLinks(const Drucken& d) { return d.RandLinksAkt; }
int32_t DruckenTestzugriff::randOben(const Drucken& d) { return d.RandObenAkt; }
int32_t DruckenTestzugriff::bildhöhe(const Drucken& d) { return d.BildhöheMon; }
int32_t DruckenTestzugriff::seitenabstandMon(const Drucken& d) { return d.SeitenabstandMon; }
int16_t DruckenTestzugriff::seite(const Drucken& d) { return d.Seite; }
double DruckenTestzugriff::summe(const Drucken& d) { return d.Summe; }

QString DruckenTestzugriff::titelzeile(const QString& text, int spalte)
{
    Drucken d;
    d.Ziel = 2;
    d.AusgabeTitelzeile(text, spalte, true);
    return d.Text();
}

QString DruckenTestzugriff::linie(int länge, int art)
{
    Drucken d;
    d.Ziel = 2;
    d.AusgabeLinie(länge, art, 2, true);
    return d.Text();
}

QString DruckenTestzugriff::textblock(const QString& text, bool eingerückt)
{
    Drucken d;
    d.Ziel = 2;
    d.AusgabeTextblock(text, eingerückt);
    return d.Text();
}

QString DruckenTestzugriff::neueSeite()
{
    Drucken d;
    d.Ziel = 2;
    d.AusgabeNormal(QStringLiteral("a"));
    d.NeueSeite();
    d.AusgabeNormal(QStringLiteral("b"));
    return d.Text() + QStringLiteral("|%1|%2").arg(d.Seite).arg(d.Zeile);
}

QStringList DruckenTestzugriff::zerlege(const QString& text)
{
    Drucken d;
    d.ZerlegeInZeilen(text);
    QStringList r;
    for (int i = 0; i < d.ZeilenAnzahl(); ++i)
        r << d.GetZeile(i);
    return r;
}

// --- Fixture ---

namespace {

// Our own articles: short text, price, long text, insertion mask and values.
const char* const ArtikelSql = R"SQL(
CREATE TABLE ARTIKEL (arArtikelnr TEXT(15), arKurztext1 TEXT(50), arKurztext2 TEXT(50), arPreis DOUBLE, ltLangtextnr LONG);
CREATE TABLE Artikel_Zusatz (artikelnr TEXT(15), dxfText TEXT(50));
CREATE TABLE LANGTEXTE (ltLangtextnr LONG, ltText MEMO);
CREATE TABLE DIMENSIONSTEXTE (arArtikelnr TEXT(15), ltLangtextnr LONG, diTextzeile TEXT(255));
CREATE TABLE EINFUEGETEXTE (etEinfuegetextnr LONG, etText TEXT(255));
CREATE TABLE [Wärmedämmung Kelvormat] (Inhalt INTEGER, [Art Nr] TEXT(15));
CREATE TABLE [PumpenKomprSteuerung] (Artikelnr TEXT(15), ArtNrKappV TEXT(15));
INSERT INTO [Wärmedämmung Kelvormat] VALUES (200, 'WD-200');
INSERT INTO [PumpenKomprSteuerung] VALUES ('P-14', 'KV-M');
INSERT INTO ARTIKEL VALUES ('GB-200', 'Grundbehälter 200 l', '', 1234.5, 1);
INSERT INTO ARTIKEL VALUES ('K-01', 'Kompressoreinheit K-01', '', 2450, 2);
INSERT INTO ARTIKEL VALUES ('BB-200', 'Beistellbehälter 200 l', '', 980, 1);
INSERT INTO ARTIKEL VALUES ('22380', 'Anschluss-Set Beistellbehälter', '', 64.9, NULL);
INSERT INTO ARTIKEL VALUES ('17791', 'Membranbruchsensor Kompressorautomat', '', 210, NULL);
INSERT INTO ARTIKEL VALUES ('22386', 'Membranbruchsensor', '', 195, NULL);
INSERT INTO ARTIKEL VALUES ('17739', 'Impulswasserzähler', '', 156, NULL);
INSERT INTO ARTIKEL VALUES ('WD-200', 'Wärmedämmung Grundbehälter 200 l', '', 158, NULL);
INSERT INTO ARTIKEL VALUES ('V-50', 'Ausdehnungsgefäß 50 l', '', 89.9, 3);
INSERT INTO ARTIKEL VALUES ('V-80', 'Ausdehnungsgefäß 80 l', '', 119, 3);
INSERT INTO ARTIKEL VALUES ('SV-3', 'Sicherheitsventil 3 bar', '', 42.5, NULL);
INSERT INTO ARTIKEL VALUES ('ET-25', 'Entspannungstopf DN 25', '', 265, NULL);
INSERT INTO ARTIKEL VALUES ('00000', 'Alternative zum Entspannungstopf:', '', NULL, 4);
INSERT INTO ARTIKEL VALUES ('27458', 'Maximaldruckbegrenzer', '', 118, NULL);
INSERT INTO ARTIKEL VALUES ('27455', 'Wassermangelsicherung schwimmergesteuert', '', 199, NULL);
INSERT INTO ARTIKEL VALUES ('27450', 'Wassermangelsicherung elektronisch', '', 310, NULL);
INSERT INTO ARTIKEL VALUES ('27459', 'Minimaldruckbegrenzer', '', 118, NULL);
INSERT INTO ARTIKEL VALUES ('KV-1', 'Kappenventil R 1', '', 21.4, NULL);
INSERT INTO ARTIKEL VALUES ('KV-M', 'Kappenventil Steuermodul', '', 30, NULL);
INSERT INTO ARTIKEL VALUES ('KE-25', 'Kappenventil DN 25 für Wärmeerzeuger', '', 33.5, NULL);
INSERT INTO ARTIKEL VALUES ('ENA-1', 'Entgasungs- und Nachspeiseautomat', '', 2680, NULL);
INSERT INTO ARTIKEL VALUES ('ST-1', 'Systemtrenner BA', '', 345, NULL);
INSERT INTO ARTIKEL VALUES ('SA-1', 'Schlammabscheider DN 50', '', 410, NULL);
INSERT INTO ARTIKEL VALUES ('SI-1', 'Dämmschale Schlammabscheider', '', 75, NULL);
INSERT INTO ARTIKEL VALUES ('MB-1', 'Mikroblasenabscheider DN 50', '', 520, NULL);
INSERT INTO ARTIKEL VALUES ('O''1', 'Artikel mit Apostroph', '', 10, NULL);
INSERT INTO Artikel_Zusatz SELECT arArtikelnr, '' FROM ARTIKEL;
INSERT INTO LANGTEXTE VALUES (1, 'Grundbehälter aus Stahl mit auswechselbarer Butylmembran, für geschlossene Heizungsanlagen nach DIN EN 12828.');
INSERT INTO LANGTEXTE VALUES (2, 'Kompressoreinheit mit Steuerung, Magnetventil und Druckaufnehmer.');
INSERT INTO LANGTEXTE VALUES (3, 'Membran-Ausdehnungsgefäß.');
INSERT INTO EINFUEGETEXTE VALUES (1, 'Durchmesser $$$$ mm, Höhe $$$$ mm');
INSERT INTO DIMENSIONSTEXTE VALUES ('GB-200', 1, '650$1180$');
INSERT INTO DIMENSIONSTEXTE VALUES ('ET-25', 1, '300$');
)SQL";

}  // namespace

void Berichtsfixture::SetUp()
{
    zustandZuruecksetzen();
    dbs = std::make_unique<Datenobjektdatenbanken>(QStringList{
        QStringLiteral("CREATE TABLE DatenbankInfo (Nutzerinfo_1 TEXT(80), Nutzerinfo_2 TEXT(80), "
                       "Nutzerinfo_3 TEXT(80), Nutzerinfo_4 TEXT(80))"),
        QStringLiteral("INSERT INTO DatenbankInfo VALUES ('Planungsbüro Wärme & Co', 'Am Kessel 3', "
                       "'12345 Musterstadt', 'Tel. 0123 4567')")});
    artikel = std::make_unique<ArtikelFixture>(QString::fromUtf8(ArtikelSql));
    ASSERT_TRUE(artikel->ok());
    Programmzustand& z = zustand();
    z.aktProjektnummer = QStringLiteral("H-1");
    z.Projektart = QStringLiteral("He");
    z.Mehrwertsteuersatz = 19;
    z.Währungskürzel = QStringLiteral("EUR");
    projekt = {{QStringLiteral("Projekt Nr"), VbVariant(QStringLiteral("H-1"))},
               {QStringLiteral("Datum"), VbVariant::datum(QDateTime(QDate(2026, 3, 14), QTime(0, 0)))},
               {QStringLiteral("Projektbezeichnung"), VbVariant(QStringLiteral("Schule am Park, Heizzentrale"))},
               {QStringLiteral("Bauherr"), VbVariant(QStringLiteral("Stadt Musterstadt"))},
               {QStringLiteral("Straße"), VbVariant(QStringLiteral("Parkweg 1"))},
               {QStringLiteral("PLZ"), VbVariant(QStringLiteral("12345"))},
               {QStringLiteral("Ort"), VbVariant(QStringLiteral("Musterstadt"))},
               {QStringLiteral("Bemerkungen"), VbVariant(QStringLiteral("Bauabschnitt 2\r\nAngebot bis Ende April"))}};
    Drucken::SetzeProjektfeldquelle([this](const QString& feld) { return projekt.value(feld); });
    setzeZwischenablage(&ablage);
}

void Berichtsfixture::TearDown()
{
    Drucken::SetzeProjektfeldquelle({});
    Drucken::SetzeErzeuger({});
    setzeZwischenablage(nullptr);
    setzeDrucker(nullptr);
    zustand().g_heizdat.reset();
    artikel.reset();
    dbs.reset();
}

const QList<Wert>& Berichtsfixture::Automat()
{
    static const QList<Wert> w{
        {"m_Beheiz", 1}, {"m_Anlage", 1}, {"m_Sicherung", 1}, {"m_AnordnungMAG", 0},
        {"m_Leist_m_value", 250, 1}, {"m_Leist_m_value", 350, 2}, {"m_Leist_ges", 600.0},
        {"m_EinbringBreite", 800.0}, {"m_EinbringHoehe", 2500.0},
        {"m_V_Summe", 1500.0}, {"m_P_Radiatoren", 300.0}, {"m_V_Radiatoren", 1000.0}, {"m_P_FBHeiz", 300.0},
        {"m_V_FBHeiz", 500.0}, {"m_V_Fernleit", 64.0}, {"m_LaengeDN25", 100.0}, {"m_VolAnlage", 1664.0},
        {"m_KesselVol_m_value", 40, 1}, {"m_KesselVol_m_value", 60, 2},
        {"m_Primärtemp", 110.0}, {"m_Temp_V", 90.0}, {"m_Temp_R", 70.0}, {"m_FrostZusatz", 0.0},
        {"m_GebäudeHöhe", 25.5}, {"m_p_stat", 2.5}, {"m_p_dyn", 0.3}, {"m_p_SV", 6.0}, {"m_ArtDruckhaltung", 1},
        {"m_p_soll", 3.0}, {"m_IstBerechnet", true}, {"m_r_psatt", 0.0}, {"m_r_af", 3.59}, {"m_r_pVordruck", 2.8},
        {"m_r_pend", 5.5}, {"m_r_vaus", 60.0}, {"m_Wasservorlage", 20.0}, {"m_r_vauf", 80.0}, {"m_r_pfak", 0.45},
        {"m_r_vges", 600.0}, {"m_IstAusgelegt", true},
        {"m_GefaessGruppe", 9}, {"m_GefaessAnzahl", 3}, {"m_SteuerbehAnzahl", 1}, {"m_GefaessArtNr", "GB-200"},
        {"m_KomprPumpeArtNr", "K-01"}, {"m_BeistellArtNr", "BB-200"}, {"m_GefaessInhalt", 200},
        {"m_SteuerModulKomp", 0}, {"m_ZubehörSteuerung", 19},
        {"m_Einzel_GefässArtNr_m_value", "V-50", 1}, {"m_Einzel_GefässArtNr_m_value", "V-50", 2},
        {"m_Zub_SichVentil_ArtNr_m_value", "SV-3", 1}, {"m_Zub_SichVentil_Anz_m_value", 1, 1},
        {"m_Zub_SichVentil_ArtNr_m_value", "SV-3", 2}, {"m_Zub_SichVentil_Anz_m_value", 1, 2},
        {"m_Zub_EntspGefäß_ArtNr_m_value", "ET-25", 2},
        {"m_Zub_WMangelSichArt", 3}, {"m_Zub_WMangelSich_Anz", 1}, {"m_Zub_AltMinDruBegr_Anz", 2},
        {"m_Zub_MaxDruBegr_Anz", 1}, {"m_Zub_KappV_Beh_ArtNr", "KV-1"}, {"m_Zub_KappV_Beh_Anz", 1},
        {"m_Zub_Sammelleit_DN", 50}, {"m_Zub_KappV_Erz_ArtNr_m_value", "KE-25", 1},
        {"m_Zub_KappV_Erz_ArtNr_m_value", "KE-25", 2}, {"m_Zub_Nachspeisung", 3},
        {"m_Zub_Nachspeise_ArtNr", "ENA-1"}, {"m_Zub_Nachspeise_Anz", 1}, {"m_Zub_Systemtrenner_ArtNr", "ST-1"},
        {"m_Zub_Schlamm_Anordnung", 1}, {"m_Zub_Schlamm_ArtNr_m_value", "SA-1", 1}, {"m_Zub_SchlammIso", 1},
        {"m_Zub_SchlammIso_ArtNr_m_value", "SI-1", 1}, {"m_Zub_AbsAbsch_ArtNr_m_value", "MB-1", 1},
        {"m_Zub_AbsAbsch_Anz_m_value", 1, 1}};
    return w;
}

const QList<Wert>& Berichtsfixture::Gefäße()
{
    static const QList<Wert> w{
        {"m_Beheiz", 0}, {"m_Anlage", 0}, {"m_Sicherung", 0}, {"m_AnordnungMAG", 1}, {"m_Leist_ges", 350.0},
        {"m_EinbringBreite", 700.0}, {"m_EinbringHoehe", 2200.0}, {"m_VolAnlage", 3000.0},
        {"m_Temp_V", 105.0}, {"m_Temp_R", 80.0}, {"m_FrostZusatz", 0.0}, {"m_p_stat", 1.5}, {"m_p_dyn", 0.2},
        {"m_p_SV", 3.0}, {"m_ArtDruckhaltung", 0}, {"m_IstBerechnet", true}, {"m_r_psatt", 0.2}, {"m_r_af", 4.75},
        {"m_r_pVordruck", 1.7}, {"m_r_pend", 2.5}, {"m_r_vaus", 143.0}, {"m_Wasservorlage", 20.0},
        {"m_r_vauf", 163.0}, {"m_r_pfak", 0.51}, {"m_r_vges", 160.0}, {"m_IstAusgelegt", true},
        {"m_GefaessGruppe", 1}, {"m_GefaessAnzahl", 2}, {"m_SteuerbehAnzahl", 0}, {"m_GefaessArtNr", "V-80"},
        {"m_GefaessInhalt", 80}, {"m_Zub_SichVentil_ArtNr_m_value", "SV-3", 1},
        {"m_Zub_SichVentil_Anz_m_value", 1, 1}, {"m_Zub_WMangelSichArt", 2}, {"m_Zub_WMangelSich_Anz", 1},
        {"m_Zub_KappV_Beh_ArtNr", "KV-1"}, {"m_Zub_KappV_Beh_Anz", 2}, {"m_Zub_Nachspeisung", 0}};
    return w;
}

void Berichtsfixture::Anlage(const QList<Wert>& basis, const QList<Wert>& werte)
{
    GlobDatenHeizung d;
    ASSERT_EQ(d.Init(), 0);
    for (const Wert& w : basis + werte) {
        const QString name = QString::fromUtf8(w.name);
        if (w.index > 0)
            d.schreibe(name, {VbVariant::integer(static_cast<int16_t>(w.index))}, w.wert);
        else
            d.schreibe(name, w.wert);
    }
}

void Berichtsfixture::AnlageAutomat(const QList<Wert>& werte)
{
    Anlage(Automat(), werte);
}

void Berichtsfixture::AnlageGefäße(const QList<Wert>& werte)
{
    Anlage(Gefäße(), werte);
}

void Berichtsfixture::Bericht(int modus, int preise)
{
    Drucken b;
    b.Preisauswahl = [this, preise] {
        ++preisfragen;
        return preise;
    };
    b.Vorschau = [this](Drucken&, bool) {
        ++vorschauen;
        return false;
    };
    b.DruckenModus(modus);
}
