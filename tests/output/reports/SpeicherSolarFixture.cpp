#include "SpeicherSolarFixture.h"

#include <QFile>

#include "base/Programmzustand.h"
#include "output/reports/Drucken.h"
#include "output/reports/Berichtsnamen.h"

// --- Data object ---

Namenobjekt::Namenobjekt(const QString& tabelle, const QStringList& namen, const QList<Memberwert>& werte)
    : GlobDaten(QStringLiteral("Namenobjekt"), tabelle)
{
    m_TerminateMitUpdate = false;
    for (const Memberwert& w : werte) {
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
        else
            m_member.wert(n, [this, n] { return m_werte.value(n); });
    }
}

Namenobjekt::~Namenobjekt()
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

}  // namespace

std::unique_ptr<Druckauftrag> Seitenrecorder::drucken(const Druckanfrage& anfrage)
{
    dokumente << anfrage.dokumentname;
    return std::make_unique<Recorderauftrag>(aufrufe, seitenhöhe);
}

bool Positionsrecorder::WriteKopf(const QDate&, const QString& bezeichnung, const QString&)
{
    m_zeilen << QStringLiteral("kopf ") + bezeichnung;
    return true;
}

bool Positionsrecorder::WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& k1,
                                            const QString&)
{
    m_zeilen << QStringLiteral("pos %1 %2 %3 %4").arg(posNr).arg(bedarfsPos ? 1 : 0).arg(menge).arg(k1);
    return true;
}

bool Positionsrecorder::WriteLangtext(const QString& zeile)
{
    m_zeilen << QStringLiteral("lang ") + zeile;
    return true;
}

bool Positionsrecorder::WriteEinleitungHinweistext()
{
    m_zeilen << QStringLiteral("hinweis");
    return true;
}

bool Positionsrecorder::WriteEnde()
{
    m_zeilen << QStringLiteral("ende");
    return true;
}

bool Positionsrecorder::SaveAndClose()
{
    m_zeilen << QStringLiteral("gespeichert");
    return true;
}

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
    zustandZuruecksetzen();
    dbs = std::make_unique<Datenobjektdatenbanken>(QStringList{
        QStringLiteral("CREATE TABLE DatenbankInfo (Nutzerinfo_1 TEXT(80), Nutzerinfo_2 TEXT(80), "
                       "Nutzerinfo_3 TEXT(80), Nutzerinfo_4 TEXT(80))"),
        QStringLiteral("INSERT INTO DatenbankInfo VALUES ('Haustechnik Sonnenschein', 'Lichtweg 7', "
                       "'54321 Sonnenfeld', 'Tel. 0543 2100')")});
    artikel = std::make_unique<ArtikelFixture>(QString::fromUtf8(ArtikelSql));
    ASSERT_TRUE(artikel->ok());
    Programmzustand& z = zustand();
    z.aktProjektnummer = QStringLiteral("S-1");
    z.Mehrwertsteuersatz = 19;
    z.Währungskürzel = QStringLiteral("EUR");
    projekt = {{QStringLiteral("Projekt Nr"), VbVariant(QStringLiteral("S-1"))},
               {QStringLiteral("Datum"), VbVariant::datum(QDateTime(QDate(2026, 5, 4), QTime(0, 0)))},
               {QStringLiteral("Projektbezeichnung"), VbVariant(QStringLiteral("Wohnanlage Lindenhof"))},
               {QStringLiteral("Bauherr"), VbVariant(QStringLiteral("Wohnbau Lindenhof eG"))},
               {QStringLiteral("Straße"), VbVariant(QStringLiteral("Lindenallee 12"))},
               {QStringLiteral("PLZ"), VbVariant(QStringLiteral("54321"))},
               {QStringLiteral("Ort"), VbVariant(QStringLiteral("Sonnenfeld"))},
               {QStringLiteral("Bemerkungen"), VbVariant(QStringLiteral("Haus B"))}};
    Drucken::SetzeProjektfeldquelle([this](const QString& feld) { return projekt.value(feld); });
    Drucken::SetzeErzeuger([this](const QString& art) -> std::shared_ptr<GlobDaten> {
        auto d = std::make_shared<Namenobjekt>(Tabelle(art), namen, werte);
        datenobjekt = d;
        return d;
    });
    setzeZwischenablage(&ablage);
    setzeDrucker(&drucker);
    setzeAusschreibungsfabrik([this] { return std::make_unique<Positionsrecorder>(gaeb); });
}

void SpeicherSolarFixture::TearDown()
{
    setzeAusschreibungsfabrik({});
    Drucken::SetzeProjektfeldquelle({});
    Drucken::SetzeErzeuger({});
    setzeZwischenablage(nullptr);
    setzeDrucker(nullptr);
    artikel.reset();
    dbs.reset();
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

QString SpeicherSolarFixture::golden(const QString& name)
{
    QFile f(QStringLiteral(KELVOR_SOURCE_DIR "/tests/output/reports/daten/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<fehlt: %1>").arg(name);
    return QString::fromUtf8(f.readAll());
}

void SpeicherSolarFixture::vergleiche(const QString& name, const QString& text)
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
