#include "Typberichtsfixture.h"

#include "base/Programmzustand.h"
#include "output/reports/Drucken.h"

// --- Fixture ---

namespace {

// Our own articles: short text, price, long text, insertion mask and values.
const char* const ArtikelSql = R"SQL(
CREATE TABLE ARTIKEL (arArtikelnr TEXT(15), arKurztext1 TEXT(50), arKurztext2 TEXT(50), arPreis DOUBLE, ltLangtextnr LONG);
CREATE TABLE Artikel_Zusatz (artikelnr TEXT(15), dxfText TEXT(50));
CREATE TABLE LANGTEXTE (ltLangtextnr LONG, ltText MEMO);
CREATE TABLE DIMENSIONSTEXTE (arArtikelnr TEXT(15), ltLangtextnr LONG, diTextzeile TEXT(255));
CREATE TABLE EINFUEGETEXTE (etEinfuegetextnr LONG, etText TEXT(255));
CREATE TABLE [PumpenKomprSteuerung] (Artikelnr TEXT(15), ArtNrKappV TEXT(15));
INSERT INTO [PumpenKomprSteuerung] VALUES ('P-14', 'KV-M');
INSERT INTO ARTIKEL VALUES ('GB-300', 'Grundbehälter 300 l', '', 1490, 1);
INSERT INTO ARTIKEL VALUES ('K-02', 'Kompressoreinheit K-02', '', 2890, 2);
INSERT INTO ARTIKEL VALUES ('P-14', 'Pumpeneinheit P-14', '', 3150, 2);
INSERT INTO ARTIKEL VALUES ('BB-300', 'Beistellbehälter 300 l', '', 1120, 1);
INSERT INTO ARTIKEL VALUES ('22380', 'Anschluss-Set Beistellbehälter', '', 64.9, NULL);
INSERT INTO ARTIKEL VALUES ('KZ-1', 'Zusatzkompressor', '', 1340, NULL);
INSERT INTO ARTIKEL VALUES ('17791', 'Membranbruchsensor Kompressorautomat', '', 210, NULL);
INSERT INTO ARTIKEL VALUES ('22386', 'Membranbruchsensor', '', 195, NULL);
INSERT INTO ARTIKEL VALUES ('17739', 'Impulswasserzähler', '', 156, NULL);
INSERT INTO ARTIKEL VALUES ('17790', 'Betriebsstundenzähler', '', 88, NULL);
INSERT INTO ARTIKEL VALUES ('17792', 'Analogausgang 4-20 mA', '', 120, NULL);
INSERT INTO ARTIKEL VALUES ('17797', 'Fernanzeige', '', 240, NULL);
INSERT INTO ARTIKEL VALUES ('17795', 'Buskoppler LonWorks', '', 610, NULL);
INSERT INTO ARTIKEL VALUES ('17798', 'Modemkoppler analog', '', 455, NULL);
INSERT INTO ARTIKEL VALUES ('MAG-140', 'Ausdehnungsgefäß 140 l', '', 189, 3);
INSERT INTO ARTIKEL VALUES ('SV-6', 'Sicherheitsventil 6 bar', '', 48.5, NULL);
INSERT INTO ARTIKEL VALUES ('KV-1', 'Kappenventil R 1', '', 21.4, NULL);
INSERT INTO ARTIKEL VALUES ('KV-M', 'Kappenventil Steuermodul', '', 30, NULL);
INSERT INTO ARTIKEL VALUES ('NS-1', 'Nachspeisemodul', '', 890, NULL);
INSERT INTO ARTIKEL VALUES ('ENA-1', 'Entgasungs- und Nachspeiseautomat', '', 2680, NULL);
INSERT INTO ARTIKEL VALUES ('ST-1', 'Systemtrenner BA', '', 345, NULL);
INSERT INTO ARTIKEL VALUES ('SA-65', 'Schlammabscheider DN 65', '', 520, 4);
INSERT INTO ARTIKEL VALUES ('SA-80', 'Schlammabscheider DN 80', '', 640, 4);
INSERT INTO ARTIKEL VALUES ('SI-65', 'Dämmschale Schlammabscheider DN 65', '', 95, NULL);
INSERT INTO ARTIKEL VALUES ('MB-50', 'Mikroblasenabscheider DN 50', '', 530, NULL);
INSERT INTO ARTIKEL VALUES ('ZA-50', 'Zentrifugalabscheider DN 50', '', 410, NULL);
INSERT INTO ARTIKEL VALUES ('LT-1', 'Lufttopf', '', 36, NULL);
INSERT INTO ARTIKEL VALUES ('TW-25', 'Trinkwasser-Ausdehnungsgefäß 25 l', '', 142, 5);
INSERT INTO ARTIKEL VALUES ('SVT-10', 'Trinkwasser-Sicherheitsventil 10 bar', '', 39.9, NULL);
INSERT INTO ARTIKEL VALUES ('KV-T', 'Kappenventil Rp 3/4', '', 18.7, NULL);
INSERT INTO ARTIKEL VALUES ('DE-300', 'Druckausdehnungsgefäß 300 l', '', 610, 6);
INSERT INTO ARTIKEL VALUES ('KV-D', 'Kappenventil Rp 1 1/4', '', 27.3, NULL);
INSERT INTO Artikel_Zusatz SELECT arArtikelnr, '' FROM ARTIKEL;
INSERT INTO LANGTEXTE VALUES (1, 'Grundbehälter aus Stahl mit auswechselbarer Butylmembran, für geschlossene Kühlkreisläufe.');
INSERT INTO LANGTEXTE VALUES (2, 'Einheit mit Steuerung, Magnetventil und Druckaufnehmer.');
INSERT INTO LANGTEXTE VALUES (3, 'Membran-Ausdehnungsgefäß für Kaltwassersätze.');
INSERT INTO LANGTEXTE VALUES (4, 'Schlammabscheider mit Magnetstab und Entleerung.');
INSERT INTO LANGTEXTE VALUES (5, 'Durchströmtes Ausdehnungsgefäß für Trinkwasser nach DIN 4807-5.');
INSERT INTO LANGTEXTE VALUES (6, 'Druckausdehnungsgefäß mit Butylblase für Druckerhöhungsanlagen.');
INSERT INTO EINFUEGETEXTE VALUES (1, 'Durchmesser $$$$ mm, Höhe $$$$ mm');
INSERT INTO DIMENSIONSTEXTE VALUES ('GB-300', 1, '750$1290$');
INSERT INTO DIMENSIONSTEXTE VALUES ('TW-25', 1, '280$490$');
)SQL";

} // namespace

void Typberichtsfixture::SetUp()
{
    Einrichten({QStringLiteral("Ingenieurbüro Kälte & Wasser"), QStringLiteral("Am Kühlturm 7"),
                QStringLiteral("54321 Beispielstadt"), QStringLiteral("Tel. 0987 6543")},
               {QStringLiteral("CREATE TABLE Testparameter ([Projekt Nr] TEXT(20), IstBerechnet BIT, IstAusgelegt BIT)"),
                QStringLiteral("INSERT INTO Testparameter VALUES ('T-1', 1, 1)")},
               ArtikelSql,
               {{QStringLiteral("Projekt Nr"), VbVariant(QStringLiteral("T-1"))},
                {QStringLiteral("Datum"), VbVariant::datum(QDateTime(QDate(2026, 5, 20), QTime(0, 0)))},
                {QStringLiteral("Projektbezeichnung"), VbVariant(QStringLiteral("Rechenzentrum Nord"))},
                {QStringLiteral("Bauherr"), VbVariant(QStringLiteral("Datenhafen GmbH"))},
                {QStringLiteral("Straße"), VbVariant(QStringLiteral("Kabelweg 4"))},
                {QStringLiteral("PLZ"), VbVariant(QStringLiteral("54321"))},
                {QStringLiteral("Ort"), VbVariant(QStringLiteral("Beispielstadt"))},
                {QStringLiteral("Bemerkungen"), VbVariant(QStringLiteral("Kältezentrale Bauteil B"))}});
}

void Typberichtsfixture::Anlage(const QString& projektart, const QStringList& n, const QList<Feldwert>& w)
{
    zustand().Projektart = projektart;
    namen = n;
    werte = w;
}

void Typberichtsfixture::Stand(bool berechnet, bool ausgelegt)
{
    ASSERT_TRUE(dbs->projekt().ausfuehren({QStringLiteral("UPDATE Testparameter SET IstBerechnet = %1, IstAusgelegt = %2")
                                               .arg(berechnet ? 1 : 0)
                                               .arg(ausgelegt ? 1 : 0)}));
}

void Typberichtsfixture::Bericht(int modus, int preise)
{
    Drucken b;
    b.Preisauswahl = [preise] { return preise; };
    b.Vorschau = [this](Drucken&, bool) {
        ++vorschauen;
        return false;
    };
    b.DruckenModus(modus);
}

QStringList Typberichtsfixture::Vorschau(int preise)
{
    QStringList aufrufe;
    Drucken b;
    b.Preisauswahl = [preise] { return preise; };
    b.Vorschau = [this, &aufrufe](Drucken& bericht, bool) {
        ++vorschauen;
        Zeichenrecorder bild(20000);
        int32_t breite = 0, höhe = 0;
        bericht.BlattGrößeSeitenvorschau(bild, breite, höhe);
        bild.aufrufe.clear();
        bericht.GDIAusgabe(1, &bild);
        aufrufe = bild.aufrufe;
        return false;
    };
    b.DruckenModus(1);
    return aufrufe;
}
