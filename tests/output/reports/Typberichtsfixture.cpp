#include "Typberichtsfixture.h"

#include <QFile>

#include "base/Programmzustand.h"
#include "output/reports/Drucken.h"

// --- Data object ---

Namensdatenobjekt::Namensdatenobjekt(const QStringList& namen, const QList<Feldwert>& werte)
    : GlobDaten(QStringLiteral("Namensdatenobjekt"), QStringLiteral("Testparameter"))
{
    m_TerminateMitUpdate = false;
    for (const Feldwert& w : werte) {
        const QString name = QString::fromUtf8(w.name);
        m_werte.insert(w.index > 0 ? name + QStringLiteral("#%1").arg(w.index) : name, w.wert);
    }
    for (const QString& n : namen) {
        if (m_member.hat(n))
            continue;  // the base class's own
        if (n.endsWith(QStringLiteral("_m_value")))
            m_member.indiziert(n, 1, [this, n](const QList<VbVariant>& i) {
                return m_werte.value(n + QStringLiteral("#%1").arg(i.at(0).toInteger()));
            });
        else if (n.startsWith(QStringLiteral("Sum_")))
            m_member.methode(n, 0, 0, [this, n](const QList<VbVariant>&) { return m_werte.value(n); });
        else
            m_member.wert(n, [this, n] { return m_werte.value(n); });
    }
}

Namensdatenobjekt::~Namensdatenobjekt()
{
    Freigeben();
}

// --- Seams ---

namespace {

class Recorderauftrag : public Druckauftrag {
public:
    Recorderauftrag(QStringList& ziel, double höhe) : m_ziel(ziel), m_fläche(höhe), m_höhe(höhe) {}
    ~Recorderauftrag() override { m_ziel << m_fläche.aufrufe; }
    Zeichenflaeche& fläche() override { return m_fläche; }
    QSizeF seitengröße() const override { return {12240, m_höhe}; }
    QSizeF druckerOffset() const override { return {360, 360}; }
    bool neueSeite() override
    {
        m_fläche.aufrufe << QStringLiteral("seite");
        return true;
    }
    bool beenden() override { return true; }
    void abbrechen() override {}

private:
    QStringList& m_ziel;
    Zeichenrecorder m_fläche;
    double m_höhe;
};

} // namespace

std::unique_ptr<Druckauftrag> Druckerrecorder::drucken(const Druckanfrage& anfrage)
{
    dokumente << anfrage.dokumentname;
    return std::make_unique<Recorderauftrag>(aufrufe, seitenhöhe);
}

bool Ausschreibungsrecorder::WriteKopf(const QDate&, const QString& bezeichnung, const QString&)
{
    m_zeilen << QStringLiteral("kopf ") + bezeichnung;
    return true;
}

bool Ausschreibungsrecorder::WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& k1,
                                                 const QString&)
{
    m_zeilen << QStringLiteral("pos %1 %2 %3 %4").arg(posNr).arg(bedarfsPos ? 1 : 0).arg(menge).arg(k1);
    return true;
}

bool Ausschreibungsrecorder::WriteLangtext(const QString& zeile)
{
    m_zeilen << QStringLiteral("lang ") + zeile;
    return true;
}

bool Ausschreibungsrecorder::WriteEinleitungHinweistext()
{
    m_zeilen << QStringLiteral("hinweis");
    return true;
}

bool Ausschreibungsrecorder::WriteEnde()
{
    m_zeilen << QStringLiteral("ende");
    return true;
}

bool Ausschreibungsrecorder::SaveAndClose()
{
    m_zeilen << QStringLiteral("gespeichert");
    return true;
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
    zustandZuruecksetzen();
    dbs = std::make_unique<Datenobjektdatenbanken>(QStringList{
        QStringLiteral("CREATE TABLE DatenbankInfo (Nutzerinfo_1 TEXT(80), Nutzerinfo_2 TEXT(80), "
                       "Nutzerinfo_3 TEXT(80), Nutzerinfo_4 TEXT(80))"),
        QStringLiteral("INSERT INTO DatenbankInfo VALUES ('Ingenieurbüro Kälte & Wasser', 'Am Kühlturm 7', "
                       "'54321 Beispielstadt', 'Tel. 0987 6543')"),
        QStringLiteral("CREATE TABLE Testparameter ([Projekt Nr] TEXT(20), IstBerechnet BIT, IstAusgelegt BIT)"),
        QStringLiteral("INSERT INTO Testparameter VALUES ('T-1', 1, 1)")});
    artikel = std::make_unique<ArtikelFixture>(QString::fromUtf8(ArtikelSql));
    ASSERT_TRUE(artikel->ok());
    Programmzustand& z = zustand();
    z.aktProjektnummer = QStringLiteral("T-1");
    z.Mehrwertsteuersatz = 19;
    z.Währungskürzel = QStringLiteral("EUR");
    projekt = {{QStringLiteral("Projekt Nr"), VbVariant(QStringLiteral("T-1"))},
               {QStringLiteral("Datum"), VbVariant::datum(QDateTime(QDate(2026, 5, 20), QTime(0, 0)))},
               {QStringLiteral("Projektbezeichnung"), VbVariant(QStringLiteral("Rechenzentrum Nord"))},
               {QStringLiteral("Bauherr"), VbVariant(QStringLiteral("Datenhafen GmbH"))},
               {QStringLiteral("Straße"), VbVariant(QStringLiteral("Kabelweg 4"))},
               {QStringLiteral("PLZ"), VbVariant(QStringLiteral("54321"))},
               {QStringLiteral("Ort"), VbVariant(QStringLiteral("Beispielstadt"))},
               {QStringLiteral("Bemerkungen"), VbVariant(QStringLiteral("Kältezentrale Bauteil B"))}};
    Drucken::SetzeProjektfeldquelle([this](const QString& feld) { return projekt.value(feld); });
    Drucken::SetzeErzeuger([this](const QString&) -> std::shared_ptr<GlobDaten> {
        return std::make_shared<Namensdatenobjekt>(namen, werte);
    });
    setzeZwischenablage(&ablage);
    setzeDrucker(&drucker);
    setzeAusschreibungsfabrik([this] { return std::make_unique<Ausschreibungsrecorder>(gaeb); });
}

void Typberichtsfixture::TearDown()
{
    Drucken::SetzeProjektfeldquelle({});
    Drucken::SetzeErzeuger({});
    setzeZwischenablage(nullptr);
    setzeDrucker(nullptr);
    setzeAusschreibungsfabrik({});
    artikel.reset();
    dbs.reset();
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

QString Typberichtsfixture::golden(const QString& name)
{
    QFile f(QStringLiteral(KELVOR_SOURCE_DIR "/tests/output/reports/daten/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<fehlt: %1>").arg(name);
    return QString::fromUtf8(f.readAll());
}

void Typberichtsfixture::vergleiche(const QString& name, const QString& text)
{
    const QString pfad = QStringLiteral(KELVOR_SOURCE_DIR "/tests/output/reports/daten/") + name;
    if (qEnvironmentVariableIsSet("KELVOR_GOLDEN_SCHREIBEN")) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        return;
    }
    const QString crlf = QStringLiteral("\r\n");
    const QStringList soll = golden(name).split(crlf);
    const QStringList ist = text.split(crlf);
    for (qsizetype i = 0; i < qMin(soll.size(), ist.size()); ++i)
        ASSERT_EQ(ist.at(i).toStdString(), soll.at(i).toStdString()) << name.toStdString() << " line " << i;
    EXPECT_EQ(ist.size(), soll.size()) << name.toStdString();
    EXPECT_EQ(text.toUtf8(), golden(name).toUtf8()) << name.toStdString();
}
