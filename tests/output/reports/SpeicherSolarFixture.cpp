#include "SpeicherSolarFixture.h"

#include "base/Programmzustand.h"
#include "output/reports/Drucken.h"
#include "output/reports/Berichtsnamen.h"

// --- Fixture ---

namespace {

// Our own tanks, solar vessels, valves and vents.
const char* const ArtikelSql = R"SQL(
CREATE TABLE ARTIKEL (arArtikelnr TEXT(15), arKurztext1 TEXT(50), arKurztext2 TEXT(50), arPreis DOUBLE, ltLangtextnr LONG);
CREATE TABLE Artikel_Zusatz (artikelnr TEXT(15), dxfText TEXT(50));
CREATE TABLE LANGTEXTE (ltLangtextnr LONG, ltText MEMO);
CREATE TABLE DIMENSIONSTEXTE (arArtikelnr TEXT(15), ltLangtextnr LONG, diTextzeile TEXT(255));
CREATE TABLE EINFUEGETEXTE (etEinfuegetextnr LONG, etText TEXT(255));
INSERT INTO ARTIKEL VALUES ('SP-400', 'Speicher-Wasserwärmer 400 l', '', 1875.4, 11);
INSERT INTO ARTIKEL VALUES ('SG-25', 'Solar-Ausdehnungsgefäß 25 l', '', 96.5, 12);
INSERT INTO ARTIKEL VALUES ('SVS-6', 'Solar-Sicherheitsventil 6 bar', '', 31.2, NULL);
INSERT INTO ARTIKEL VALUES ('KVS-3', 'Kappenventil Rp 3/4 solar', '', 19.9, NULL);
INSERT INTO ARTIKEL VALUES ('VG-12', 'Vorschaltgefäß 12 l', '', 74, 13);
INSERT INTO ARTIKEL VALUES ('LS-22', 'Luftabscheider solar 22 mm', '', 58.3, NULL);
INSERT INTO ARTIKEL VALUES ('SE-38', 'Schnellentlüfter solar 3/8', '', 17.6, NULL);
INSERT INTO Artikel_Zusatz SELECT arArtikelnr, '' FROM ARTIKEL;
INSERT INTO LANGTEXTE VALUES (11, 'Stehender Speicher-Wasserwärmer aus Stahl, innen emailliert, mit zwei Glattrohr-Wärmetauschern.');
INSERT INTO LANGTEXTE VALUES (12, 'Membran-Ausdehnungsgefäß für Solaranlagen bis 120 °C.');
INSERT INTO LANGTEXTE VALUES (13, 'Vorschaltgefäß zum Schutz der Membran vor Temperaturspitzen.');
INSERT INTO EINFUEGETEXTE VALUES (21, 'Durchmesser $$$ mm, Höhe $$$$ mm');
INSERT INTO DIMENSIONSTEXTE VALUES ('SP-400', 21, '650$1590$');
)SQL";

QString Tabelle(const QString& projektart)
{
    return projektart == QStringLiteral("Sp") ? QStringLiteral("SpeicherWasserwärmerparameter")
                                               : QStringLiteral("Solarparameter");
}

}  // namespace

void SpeicherSolarFixture::SetUp()
{
    Einrichten({QStringLiteral("Haustechnik Sonnenschein"), QStringLiteral("Lichtweg 7"),
                QStringLiteral("54321 Sonnenfeld"), QStringLiteral("Tel. 0543 2100")},
               {}, ArtikelSql,
               {{QStringLiteral("Projekt Nr"), VbVariant(QStringLiteral("S-1"))},
                {QStringLiteral("Datum"), VbVariant::datum(QDateTime(QDate(2026, 5, 4), QTime(0, 0)))},
                {QStringLiteral("Projektbezeichnung"), VbVariant(QStringLiteral("Wohnanlage Lindenhof"))},
                {QStringLiteral("Bauherr"), VbVariant(QStringLiteral("Wohnbau Lindenhof eG"))},
                {QStringLiteral("Straße"), VbVariant(QStringLiteral("Lindenallee 12"))},
                {QStringLiteral("PLZ"), VbVariant(QStringLiteral("54321"))},
                {QStringLiteral("Ort"), VbVariant(QStringLiteral("Sonnenfeld"))},
                {QStringLiteral("Bemerkungen"), VbVariant(QStringLiteral("Haus B"))}});
}

QString SpeicherSolarFixture::Parametertabelle(const QString& projektart) const
{
    return Tabelle(projektart);
}

void SpeicherSolarFixture::Anlage(const QString& projektart, const QList<Memberwert>& w, bool berechnet,
                                  bool ausgelegt)
{
    Anlage(projektart,
           projektart == QStringLiteral("Sp") ? Berichtsnamen::Speicher() : Berichtsnamen::Solar(), w, berechnet,
           ausgelegt);
}

void SpeicherSolarFixture::Anlage(const QString& projektart, const QStringList& n, const QList<Memberwert>& w,
                                  bool berechnet, bool ausgelegt)
{
    zustand().Projektart = projektart;
    namen = n;
    werte = w;
    const QString t = Tabelle(projektart);
    ASSERT_TRUE(dbs->projekt().ausfuehren(
        {QStringLiteral("DELETE FROM [%1]").arg(t),
         QStringLiteral("INSERT INTO [%1] ([Projekt Nr], IstBerechnet, IstAusgelegt) VALUES ('S-1', %2, %3)")
             .arg(t)
             .arg(berechnet ? -1 : 0)
             .arg(ausgelegt ? -1 : 0)}));
}

void SpeicherSolarFixture::Bericht(int modus, int preise)
{
    Drucken b;
    b.Preisauswahl = [this, preise] {
        if (nachPreiswahl)
            if (auto d = datenobjekt.lock())
                nachPreiswahl(*d);
        return preise;
    };
    b.Vorschau = [this](Drucken& bericht, bool) {
        ++vorschauen;
        int32_t breite = 0, höhe = 0;
        bericht.BlattGrößeSeitenvorschau(vorschau, breite, höhe);
        bericht.GDIAusgabe(1, &vorschau);
        return false;
    };
    b.DruckenModus(modus);
}

const QList<Memberwert>& SpeicherSolarFixture::Speicher()
{
    // N = 12 (a whole number), two tanks of one article.
    static const QList<Memberwert> w{
        {"m_BedarfsKennz", 12.0},     {"m_SpeicherTemp", VbVariant::integer(60)},
        {"m_VorlaufTemp", VbVariant::integer(80)}, {"m_EinbringBreite", 850.0},
        {"m_EinbringHoehe", 2400.0},  {"m_LeiszungsKennz", 13.75},
        {"m_Wärmeleistung", 46.25},   {"m_HeizVolStrom", VbVariant::integer(2000)},
        {"m_GefaessAnzahl", 2.0},     {"m_GefaessArtNr", QStringLiteral("SP-400")}};
    return w;
}

const QList<Memberwert>& SpeicherSolarFixture::Solar()
{
    // 10 m² at 0.6 l/m² with 1.5 l above the collectors; a reserve below 1 l; cap valves, an
    // intermediate vessel and air separators in rows 1 and 3 (row 2 has no article, row 4 no
    // count).
    static const QList<Memberwert> w{
        {"m_AnordnungMAG", VbVariant::integer(1)},
        {"m_Absorberflaeche", 10.0},
        {"m_spezVolKollektoren", 0.6},
        {"m_EinbringBreite", 800.0},
        {"m_EinbringHoehe", 2300.0},
        {"m_VolRohre", 14.0},
        {"m_VolRohreUeberKol", 1.5},
        {"m_VolSolarWTGes", 12.0},
        {"m_VolAnlage", 32.0},
        {"m_FrostZusatz", 40.0},
        {"m_p_stat", 1.5},
        {"m_p_dyn", 0.2},
        {"m_p_SV", 6.0},
        {"m_r_af", 8.37},
        {"m_r_pVordruck", 1.7},
        {"m_r_pend", 5.5},
        {"m_r_vaus", 2.68},
        {"m_Wasservorlage", 0.5},
        {"m_r_vauf", 10.68},
        {"m_r_pfak", 0.62},
        {"m_r_vges", 17.0},
        {"m_GefaessAnzahl", 1.0},
        {"m_GefaessArtNr", QStringLiteral("SG-25")},
        {"m_Zub_SichVentil_ArtNr", QStringLiteral("SVS-6")},
        {"m_Zub_KappV_Beh_ArtNr", QStringLiteral("KVS-3")},
        {"m_Zub_KappV_Beh_Anz", VbVariant::integer(2)},
        {"m_Zub_Vorlagebeh_ArtNr", QStringLiteral("VG-12")},
        {"m_Zub_Entlüfter_ArtNr_m_value", QStringLiteral("LS-22"), 1},
        {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(1), 1},
        {"m_Zub_Entlüfter_ArtNr_m_value", QStringLiteral(" "), 2},
        {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(3), 2},
        {"m_Zub_Entlüfter_ArtNr_m_value", QStringLiteral("SE-38"), 3},
        {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(4), 3},
        {"m_Zub_Entlüfter_ArtNr_m_value", QStringLiteral("LS-22"), 4},
        {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(0), 4},
        {"m_Zub_Entlüfter_ArtNr_m_value", QStringLiteral(" "), 5},
        {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(0), 5},
        {"m_Zub_Entlüfter_ArtNr_m_value", QStringLiteral(" "), 6},
        {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(0), 6}};
    return w;
}
