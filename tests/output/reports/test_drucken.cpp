#include <gtest/gtest.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "Berichtsfixture.h"
#include "Golddateien.h"
#include "base/DateiDialogSeam.h"
#include "base/Programmzustand.h"
#include "base/Zeichenflaeche.h"
#include "design/heating/GlobDatenHeizung.h"
#include "output/reports/Ausschreibungsschreiber.h"
#include "output/reports/Drucken.h"
#include "support/QStringAusgabe.h"
#include "base/AllgFunktionen.h"
#include "support/Schreibfehler.h"

// Texts in failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& s)
{
    return os << s.toStdString();
}

namespace {

const QString CrLf = QStringLiteral("\r\n");

// --- Building blocks without a project ---

TEST(Drucken, StandardgeometrieHat62ZeilenUndDieRänder)
{
    Drucken d;
    DruckenTestzugriff::geometrie(d);
    EXPECT_EQ(DruckenTestzugriff::zeilenProSeite(d), 62);
    EXPECT_EQ(DruckenTestzugriff::ränder(d), (std::array<int32_t, 3>{774, 207, 1058}));
}

TEST(Drucken, ZerlegeInZeilen)
{
    struct Fall {
        QString text;
        QStringList zeilen;
    };
    const QList<Fall> fälle{{QString(), {}},
                            {QStringLiteral("\r\n"), {QString()}},
                            {QStringLiteral("eins\r\nzwei"), {"eins", "zwei"}},
                            {QStringLiteral("eins\r\nzwei\r\n"), {"eins", "zwei"}},
                            {QStringLiteral("a\r\n\r\nb"), {"a", "", "b"}},
                            {QStringLiteral("nur\neine"), {"nur\neine"}}};
    for (const Fall& f : fälle)
        EXPECT_EQ(DruckenTestzugriff::zerlege(f.text), f.zeilen) << f.text;
}

TEST(Drucken, ArtikellisteSummiertUndSortiertNachZeichencode)
{
    Drucken d;
    d.InitArtikelliste();
    d.AddArtikelliste(QStringLiteral("99"), 1);
    d.AddArtikelliste(QStringLiteral("100"), 2);
    d.AddArtikelliste(QStringLiteral("100"), 1);
    d.AddArtikelliste(QStringLiteral(" "), 4);
    d.AddArtikelliste(QString(), 4);
    d.AddArtikelliste(QStringLiteral("5"), 0);
    d.AddArtikelliste(QStringLiteral("Z-1"), 1);
    d.AddArtikelliste(QStringLiteral("A-1"), 1);
    ASSERT_EQ(d.ArtikellisteAnzahl(), 4);
    QStringList r;
    for (int i = 1; i <= d.ArtikellisteAnzahl(); ++i)
        r << QStringLiteral("%1x%2").arg(d.GetArtikellisteEintrag(i).artNr).arg(d.GetArtikellisteEintrag(i).anzahl);
    EXPECT_EQ(r, (QStringList{"100x3", "99x1", "A-1x1", "Z-1x1"}));
    d.InitArtikelliste();
    EXPECT_EQ(d.ArtikellisteAnzahl(), 0);
}

TEST(Drucken, BerichtspufferSchreibtLinienTitelUndSeitenwechsel)
{
    EXPECT_EQ(Drucken::Titelrand(QStringLiteral("0123456789"), 0), 33);
    EXPECT_EQ(DruckenTestzugriff::titelzeile(QStringLiteral("0123456789"), 0),
              QString(33, u'-') + QStringLiteral("  0123456789  ") + QString(33, u'-') + CrLf);
    // Odd remainder: half to even (80 - 20 - 4 - 11) / 2 = 22.5 -> 22.
    EXPECT_EQ(Drucken::Titelrand(QStringLiteral("Technische"), 10) , 23);
    EXPECT_EQ(Drucken::Titelrand(QStringLiteral("Technische D"), 10), 22);
    EXPECT_EQ(Drucken::Titelrand(QString(90, u'x'), 0), 0);
    EXPECT_EQ(DruckenTestzugriff::linie(3, 1), QStringLiteral("  ¯¯¯") + CrLf);
    EXPECT_EQ(DruckenTestzugriff::linie(3, 0), QStringLiteral("  ---") + CrLf);
    // The separator between blank lines; no page header and no counter moves.
    EXPECT_EQ(DruckenTestzugriff::neueSeite(),
              QStringLiteral("a\r\n\r\n\r\n      -------------------------  Seitenwechsel  -------------------------"
                             "\r\n\r\n\r\nb\r\n|1|0"));
}

TEST(Drucken, TextblockEingerücktOderNicht)
{
    EXPECT_EQ(DruckenTestzugriff::textblock(QStringLiteral("eins\\nzwei"), false),
              QStringLiteral("             eins") + QString(36, u' ') + CrLf + QStringLiteral("             zwei") +
                  QString(36, u' ') + CrLf);
    EXPECT_EQ(DruckenTestzugriff::textblock(QStringLiteral("eins"), true),
              QStringLiteral("               eins") + QString(36, u' ') + CrLf + CrLf + CrLf);
    // An empty text still prints its one template line.
    EXPECT_EQ(DruckenTestzugriff::textblock(QString(), false), QString(53, u' ') + CrLf);
}

// --- Heating project ---

using HeizungsberichtTest = Berichtsfixture;

TEST_F(HeizungsberichtTest, AutomatMitPreisenInDieZwischenablage)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    Bericht(4, 1);
    EXPECT_EQ(preisfragen, 1);
    EXPECT_EQ(ablage.geleert, 1);
    EXPECT_EQ(ablage.gesetzt, 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text;
    vergleiche(QStringLiteral("automat_preise.txt"), ablage.text);
}

TEST_F(HeizungsberichtTest, GefäßeOhnePreiseMitUngültigenFüllzeilen)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße());
    Bericht(4, 2);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text;
    vergleiche(QStringLiteral("gefaesse_ohne_preise.txt"), ablage.text);
}

TEST_F(HeizungsberichtTest, FüllvolumenOhneGültigenWertZeigtStriche)
{
    // The water reserve alone exceeds the vessels' nominal volume: no row has a usable value.
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat({{"m_Wasservorlage", 900.0}}));
    Bericht(4, 2);
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("                        10           |        -  =    - %\r\n")))
        << ablage.text;
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("                        90           |        -  =    - %\r\n")));
}

TEST_F(HeizungsberichtTest, TemperaturtabelleBisZurAufgerundetenVorlauftemperatur)
{
    struct Fall {
        double vorlauf;
        int zeilen;
    };
    for (const Fall& f : {Fall{90, 9}, Fall{95, 10}, Fall{105, 11}, Fall{90.5, 9}, Fall{91.5, 10}}) {
        ASSERT_NO_FATAL_FAILURE(AnlageAutomat({{"m_Temp_V", f.vorlauf}}));
        Bericht(4, 2);
        const qsizetype zeilen = ablage.text.count(QRegularExpression(QStringLiteral("\\n {23,24}\\d+ {11}\\|")));
        EXPECT_EQ(zeilen, f.zeilen) << f.vorlauf;
    }
}

TEST_F(HeizungsberichtTest, BedingteArtikelUndÜberschriften)
{
    struct Fall {
        const char* name;
        QList<Wert> werte;
        QStringList enthalten;
        QStringList fehlt;
    };
    const QList<Fall> fälle{
        {"Falle bei 100 Grad mit Alternative", {{"m_Temp_V", 100.0}}, {"Bestell-Nr: 00000"}, {}},
        {"Falle bei 101 Grad ohne", {{"m_Temp_V", 101.0}}, {"Bestell-Nr: ET-25"}, {"Bestell-Nr: 00000"}},
        {"Erzeuger von 300 und 301 kW", {{"m_Leist_m_value", 300, 1}, {"m_Leist_m_value", 301, 2}, {"m_Zub_MaxDruBegr_Anz", 0}},
         {"  1   Stück  Maximaldruckbegrenzer"}, {}},
        {"Nachspeisung 1 mit Systemtrenner in Gruppe 11",
         {{"m_GefaessGruppe", 11}, {"m_Zub_Nachspeisung", 1}, {"m_Zub_Systemtrenner", 1}},
         {"Bestell-Nr: ENA-1"}, {"Systemtrenner BA"}},
        {"Einzelabsicherung ohne Kappenventile der Erzeuger",
         {{"m_Zub_KappV_Erz_ArtNr_m_value", " ", 1}, {"m_Zub_KappV_Erz_ArtNr_m_value", " ", 2}},
         {}, {"Einzelabsicherung:", "für Wärmeerzeuger:"}},
        {"Gesamtabsicherung mit Kappenventilen", {{"m_Sicherung", 0}},
         {"Kappenventile, Anschlußgruppen für Wärmeerzeuger:"}, {"Einzelabsicherung:", "Es sind darin enthalten:"}},
        {"Ohne Automat und Nachspeiseautomat kein Hinweis",
         {{"m_GefaessGruppe", 1}, {"m_SteuerbehAnzahl", 0}, {"m_Zub_Nachspeisung", 1}, {"m_ZubehörSteuerung", 0}},
         {}, {"Inbetriebnahme", "Anschluss-Set"}},
    };
    for (const Fall& f : fälle) {
        ASSERT_NO_FATAL_FAILURE(AnlageAutomat(f.werte));
        Bericht(4, 1);
        for (const QString& t : f.enthalten)
            EXPECT_TRUE(ablage.text.contains(t)) << f.name << ": " << t;
        for (const QString& t : f.fehlt)
            EXPECT_FALSE(ablage.text.contains(t)) << f.name << ": " << t;
    }
}

TEST_F(HeizungsberichtTest, NichtBerechnetEndetMitDemHinweis)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße({{"m_IstBerechnet", false}}));
    Bericht(4, 1);
    vergleiche(QStringLiteral("nicht_berechnet.txt"), ablage.text);
}

TEST_F(HeizungsberichtTest, NichtAusgelegtMeldet2206UndGibtNichtsAus)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße({{"m_IstAusgelegt", false}}));
    for (int modus = 1; modus <= 5; ++modus) {
        meldungen.leeren();
        Bericht(modus, 1);
        ASSERT_EQ(meldungen.boxen.size(), 1) << modus;
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2206});
        EXPECT_EQ(meldungen.boxen[0].art, 1);
    }
    EXPECT_EQ(preisfragen, 0);
    EXPECT_EQ(ablage.gesetzt, 0);
    EXPECT_EQ(vorschauen, 0);
}

TEST_F(HeizungsberichtTest, AbbruchDerPreiswahlGibtNichtsAus)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße());
    for (int antwort : {0, 3}) {
        Bericht(4, antwort);
        Bericht(1, antwort);
    }
    EXPECT_EQ(preisfragen, 4);
    EXPECT_EQ(ablage.gesetzt, 0);
    EXPECT_EQ(vorschauen, 0);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(HeizungsberichtTest, VorschauUndAbgebrochenerDruckdialog)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße());
    Bericht(1, 1);
    EXPECT_EQ(vorschauen, 1);
    // Without a printer (or a cancelled dialog) nothing is printed and nothing is said.
    Bericht(2, 1);
    Bericht(3, 2);
    EXPECT_EQ(ablage.gesetzt, 0);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(HeizungsberichtTest, FehlenderArtikelEinmalGemeldetUndMitLeerzeichenGedruckt)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße({{"m_Zub_KappV_Beh_ArtNr", "FEHLT-1"},
                                          {"m_Zub_SichVentil_ArtNr_m_value", "FEHLT-1", 1}}));
    Bericht(4, 1);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, (QList<int>{2361, 3020}));
    EXPECT_EQ(meldungen.boxen[0].werte, QStringList{"FEHLT-1"});
    EXPECT_EQ(meldungen.boxen[0].art, 4);
    // The short line keeps its place with a blank text and no price; the long text leaves it out.
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("  2   Stück  ") + QString(40, u' ') + QStringLiteral("         0,00          0,00")))
        << ablage.text;
    EXPECT_FALSE(ablage.text.contains(QStringLiteral("Stck \r\n")));
}

TEST_F(HeizungsberichtTest, ArtikelnummerMitApostrophWirdGefunden)
{
    ASSERT_NO_FATAL_FAILURE(AnlageGefäße({{"m_Zub_KappV_Beh_ArtNr", "O'1"}}));
    Bericht(4, 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text;
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("Artikel mit Apostroph"))) << ablage.text;
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("Bestell-Nr: O'1"))) << ablage.text;
}

TEST_F(HeizungsberichtTest, PumpenautomatMitKappenventilDesSteuermoduls)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat({{"m_GefaessGruppe", 14}, {"m_KomprPumpeArtNr", "P-14"},
                                           {"m_ZubehörSteuerung", 1}, {"m_Zub_Nachspeisung", 1},
                                           {"m_Zub_Systemtrenner", 1}}));
    Bericht(4, 2);
    const QString& t = ablage.text;
    EXPECT_TRUE(t.contains(QStringLiteral("  2   Stück  Kappenventil Steuermodul"))) << t;
    // Group 14 with a separator chosen: the separator follows the make-up unit.
    EXPECT_TRUE(t.contains(QStringLiteral("  1   Stück  Systemtrenner BA"))) << t;
    // Membrane-rupture sensor of a pump automat, for all three vessels; no 22380 outside group 9.
    EXPECT_TRUE(t.contains(QStringLiteral("  3   Stück  Membranbruchsensor     "))) << t;
    EXPECT_FALSE(t.contains(QStringLiteral("Anschluss-Set"))) << t;
    // In the long texts the vessel cap valve and the module's cap valve are one list.
    EXPECT_TRUE(t.contains(QStringLiteral("Stck Kappenventil R 1"))) << t;
    EXPECT_TRUE(t.contains(QStringLiteral("  2  Stck Kappenventil Steuermodul"))) << t;
}

// A tender writer that notes its calls.
class Schreiber : public Ausschreibungsschreiber {
public:
    explicit Schreiber(QStringList& protokoll) : m_p(protokoll) {}
    bool WriteKopf(const QDate& d, const QString& b, const QString& r) override
    {
        m_p << QStringLiteral("Kopf %1 %2 %3").arg(d.toString(Qt::ISODate), b, QString(r).replace(CrLf, "|"));
        return true;
    }
    bool WritePosAndKurztext(int pos, bool bedarf, double menge, const QString& k1, const QString& k2) override
    {
        m_p << QStringLiteral("Pos %1 %2 %3 %4|%5").arg(pos).arg(bedarf ? "E" : "N").arg(menge).arg(k1, k2);
        return true;
    }
    bool WriteLangtext(const QString& z) override
    {
        m_p << QStringLiteral("LT %1").arg(z);
        return true;
    }
    bool WriteEinleitungHinweistext() override
    {
        m_p << QStringLiteral("Hinweis");
        return true;
    }
    bool WriteEnde() override
    {
        m_p << QStringLiteral("Ende");
        return true;
    }
    bool SaveAndClose() override
    {
        m_p << QStringLiteral("Speichern");
        return true;
    }

private:
    QStringList& m_p;
};

TEST_F(HeizungsberichtTest, AusschreibungsdateiSchreibtPositionenUndHinweis)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    QStringList p;
    setzeAusschreibungsfabrik([&p] { return std::make_unique<Schreiber>(p); });
    Bericht(5, 1);
    setzeAusschreibungsfabrik({});
    EXPECT_EQ(preisfragen, 0);
    ASSERT_GE(p.size(), 4);
    EXPECT_EQ(p.first(), QStringLiteral("Kopf 2026-03-14 Schule am Park, Heizzentrale Bauabschnitt 2|Angebot bis Ende April"));
    EXPECT_EQ(p.at(1), QStringLiteral("Pos 1 N 1 Grundbehälter 200 l|"));
    EXPECT_EQ(p.at(2), QStringLiteral("LT Grundbehälter aus Stahl mit"));
    EXPECT_TRUE(p.contains(QStringLiteral("LT Durchmesser  650 mm, Höhe 1180 mm")));
    // Two generators' equal safety valves are one position; the alternatives are "E".
    EXPECT_TRUE(p.contains(QStringLiteral("Pos 9 N 2 Sicherheitsventil 3 bar|"))) << p.join('\n').toStdString();
    EXPECT_TRUE(p.contains(QStringLiteral("Pos 11 E 1 Alternative zum Entspannungstopf:|"))) << p.join('\n').toStdString();
    // An article without any text line gives one blank long-text line.
    const qsizetype sv = p.indexOf(QStringLiteral("Pos 9 N 2 Sicherheitsventil 3 bar|"));
    EXPECT_EQ(p.value(sv + 1), QStringLiteral("LT  "));
    const qsizetype hinweis = p.indexOf(QStringLiteral("Hinweis"));
    ASSERT_GT(hinweis, 0);
    EXPECT_EQ(p.mid(hinweis + 1), (QStringList{"LT Inbetriebnahme durch den Kelvor-", "LT Kundendienst beträgt innerhalb der",
                                               "LT Bundesrepublik Deutschland", "LT 260,- EUR Netto als Pauschalpreis.",
                                               "Ende", "Speichern"}));
}

TEST_F(HeizungsberichtTest, OhneAusschreibungsschreiberEndetDieAusgabeStill)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    // The factory could not make a writer (it has told the user why).
    setzeAusschreibungsfabrik([] { return std::unique_ptr<Ausschreibungsschreiber>(); });
    Drucken b;
    b.DruckenModus(5);
    setzeAusschreibungsfabrik({});
    EXPECT_TRUE(b.OhneAusschreibungsschreiber());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

// Answers the save dialog with one file name.
class Speicherziel : public DateiDialogSeam {
public:
    explicit Speicherziel(QString datei) : m_datei(std::move(datei)) { setzeDateiDialog(this); }
    ~Speicherziel() override { setzeDateiDialog(nullptr); }
    QString zeige(const DateiDialogAnfrage&) override
    {
        ++anfragen;
        return m_datei;
    }
    int anfragen = 0;

private:
    QString m_datei;
};

TEST_F(HeizungsberichtTest, AusschreibungsdateiMitDemGaebSchreiber)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    QTemporaryDir ziel;
    const QString datei = ziel.filePath(QStringLiteral("LV.d81"));
    Speicherziel dialog(datei);
    Bericht(5, 1);
    EXPECT_EQ(dialog.anfragen, 1);
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.contains("Kompressoreinheit K-01")) << inhalt.left(400).toStdString();
    EXPECT_TRUE(inhalt.contains("260,- EUR Netto als Pauschalpreis."));
    EXPECT_TRUE(inhalt.contains("Schule am Park, Heizzentrale"));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text;
}

TEST_F(HeizungsberichtTest, SchreiberfehlerBeendetDieAusschreibung)
{
    // A writer that fails at the third long-text line: nothing more is written, no end, no save.
    class Fehlschreiber : public Schreiber {
    public:
        using Schreiber::Schreiber;
        bool WriteLangtext(const QString& z) override { return ++zeilen < 3 && Schreiber::WriteLangtext(z); }
        int zeilen = 0;
    };
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    QStringList p;
    setzeAusschreibungsfabrik([&p] { return std::make_unique<Fehlschreiber>(p); });
    Bericht(5, 1);
    setzeAusschreibungsfabrik({});
    EXPECT_EQ(p, (QStringList{"Kopf 2026-03-14 Schule am Park, Heizzentrale Bauabschnitt 2|Angebot bis Ende April",
                              "Pos 1 N 1 Grundbehälter 200 l|", "LT Grundbehälter aus Stahl mit",
                              "LT auswechselbarer Butylmembran, für"}));
}

TEST_F(HeizungsberichtTest, HostmodusNimmtDasOffeneDatenobjekt)
{
    auto d = std::make_shared<GlobDatenHeizung>();
    ASSERT_EQ(d->Init(), 0);
    d->schreibe(QStringLiteral("m_IstAusgelegt"), VbVariant(true));
    d->schreibe(QStringLiteral("m_IstBerechnet"), VbVariant(false));
    zustand().g_heizdat = d;
    zustand().TyvoModus = 1;
    // Nothing was written to the row: a fresh object would refuse with 2206.
    Bericht(4, 2);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("Behälter wurde noch nicht berechnet !")));
    d->m_TerminateMitUpdate = false;
}

// --- Drawing surfaces ---

// Texts of a recorder run as (x, y, text).
struct Aufruf {
    double x, y;
    QString text;
};
QList<Aufruf> texte(const Zeichenrecorder& r)
{
    QList<Aufruf> a;
    static const QRegularExpression muster(QStringLiteral("^text (\\S+) (\\S+) (.*) #000000$"));
    for (const QString& z : r.aufrufe) {
        const auto m = muster.match(z);
        if (m.hasMatch())
            a.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return a;
}

TEST_F(HeizungsberichtTest, DruckerflächeSeitenKopfzeilenMwStUndSpalten)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    Drucken d;
    Zeichenrecorder r(15120);
    DruckenTestzugriff::ausgabe(d, 3, true, 0, &r);
    const int zh = DruckenTestzugriff::zeilenhöhe(d), zb = DruckenTestzugriff::zeichenbreite(d);
    const int links = DruckenTestzugriff::randLinks(d), oben = DruckenTestzugriff::randOben(d);
    const int zeilen = DruckenTestzugriff::zeilenProSeite(d);
    ASSERT_EQ(zh, 220);
    ASSERT_EQ(zb, 121);
    const QList<Aufruf> a = texte(r);
    ASSERT_FALSE(a.isEmpty());
    // Every text lies on the page's line grid and within the lines of a page.
    for (const Aufruf& t : a) {
        const double zeile = (t.y - oben) / zh;
        EXPECT_EQ(zeile, std::floor(zeile)) << t.text.toStdString();
        EXPECT_LT(zeile, zeilen) << t.text.toStdString();
        EXPECT_GE(t.x, links);
    }
    // Each page after the first starts with its header in lines 0 to 4: project line, rule,
    // column header, rule, empty line.
    const int seiten = DruckenTestzugriff::seite(d);
    EXPECT_GE(seiten, 3);
    QStringList köpfe;
    for (qsizetype i = 1; i < a.size(); ++i)
        if (a[i].text.startsWith(QStringLiteral("Projektnummer:")) && a[i].y == oben)
            köpfe << a[i].text.right(3).trimmed() + QLatin1Char(':') + a[i + 1].text.left(4);
    EXPECT_EQ(köpfe.size(), seiten - 1) << köpfe.join(' ');
    EXPECT_EQ(köpfe.value(0), QStringLiteral("2:Proj"));
    EXPECT_EQ(köpfe.value(seiten - 2), QStringLiteral("%1:Pos ").arg(seiten));
    for (qsizetype i = 1; i < a.size(); ++i) {
        if (a[i].text.startsWith(QStringLiteral("Menge  ME")) || a[i].text.startsWith(QStringLiteral("Pos Menge"))) {
            EXPECT_EQ(a[i].y, oben + 2 * zh);
        }
    }
    // The VAT block takes the last eight lines: header at line Z-6, the totals in bold at Z-4 and Z-2.
    int mwst = 0;
    for (const Aufruf& t : a)
        if (t.text.startsWith(QStringLiteral("MwSt-Satz"))) {
            ++mwst;
            EXPECT_EQ(t.y, oben + (zeilen - 6) * zh);
        }
    EXPECT_EQ(mwst, 2);
    // Columns: the gross total after a run of text starts at the column the line reached; the
    // final total at column 41 + 24 + 5.
    bool endsumme = false;
    for (const Aufruf& t : a)
        if (t.text.startsWith(QStringLiteral("            Endsumme EUR"))) {
            endsumme = true;
            EXPECT_EQ(t.x, links + 41 * zb);
            EXPECT_EQ(t.y, oben + (zeilen - 2) * zh);
        }
    EXPECT_TRUE(endsumme);
    EXPECT_TRUE(r.aufrufe.contains(QStringLiteral("schrift Courier New %1 fett").arg(r.aufrufe.filter("fett").value(0).split(' ').value(3))));
}

TEST_F(HeizungsberichtTest, VorschauWächstSeiteFürSeite)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    Drucken d;
    DruckenTestzugriff::vorbereiten(d, 1, true);
    Zeichenrecorder mess(0, 0.6, 1.0);
    int32_t breite = 0, höhe = 0;
    d.BlattGrößeSeitenvorschau(mess, breite, höhe);
    // Recorder font: 0.6 x 1.0 of its size, measured at a 15-unit cell: 9 x 15.
    EXPECT_EQ(d.GetCharWidthMon_X(), 9);
    EXPECT_EQ(d.GetCharWidthMon_Y(), 15);
    EXPECT_EQ(breite, 884);        // (12240 - 360) / 121 * 9
    EXPECT_EQ(höhe, 1080 + 10);    // 15840 / 220 * 15, plus the gap
    QList<int32_t> höhen;
    d.BildhöheGeändert = [&höhen](int32_t h) { höhen << h; };
    Zeichenrecorder r(100000, 0.6, 1.0);
    DruckenTestzugriff::ausgabe(d, 3, true, 1, &r);
    const int seiten = DruckenTestzugriff::seite(d);
    ASSERT_GE(seiten, 3);
    QList<int32_t> soll;
    for (int s = 2; s <= seiten; ++s)
        soll << s * 1090;
    EXPECT_EQ(höhen, soll);
    EXPECT_EQ(DruckenTestzugriff::bildhöhe(d), seiten * 1090);
    // The separators lie 5 pixels below each page, redrawn at every break.
    EXPECT_TRUE(r.aufrufe.contains(QStringLiteral("linie 0 1085 884 1085 #808080 10 art=0")));
    EXPECT_TRUE(r.aufrufe.contains(QStringLiteral("linie 0 %1 884 %1 #808080 10 art=0").arg((seiten - 1) * 1090 + 1085)));
    // A second rendering does not shrink the picture.
    höhen.clear();
    DruckenTestzugriff::ausgabe(d, 3, true, 1, &r);
    EXPECT_TRUE(höhen.isEmpty());
}

// Pages of a PDF file.
int pdfSeiten(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST_F(HeizungsberichtTest, KurzUndLangtextAlsPdf)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bericht.pdf"));
    PdfDrucker pdf(pfad);
    setzeDrucker(&pdf);
    Bericht(2, 1);
    EXPECT_EQ(pdf.aufträge, 1);
    // A4: cover and data sheet on two pages, the article list on two.
    EXPECT_EQ(pdfSeiten(pfad), 4);
    Bericht(3, 1);
    EXPECT_EQ(pdfSeiten(pfad), 6);
    if (qEnvironmentVariableIsSet("KELVOR_BILDER")) {
        QFile::remove(QStringLiteral("/tmp/bericht.pdf"));
        QFile::copy(pfad, QStringLiteral("/tmp/bericht.pdf"));
    }
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

// A report into a PDF file: a job that fails at any step keeps the earlier file and names it;
// a file that cannot be opened is a failure with the message, not a silent cancel.
TEST_F(HeizungsberichtTest, PdfFehlerLassenDieFruehereDateiUndNennenSie)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bericht.pdf"));
    PdfDrucker pdf(pfad);
    setzeDrucker(&pdf);
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        SCOPED_TRACE(Schreibfehler::Name(schritt));
        {
            QFile alt(pfad);
            ASSERT_TRUE(alt.open(QIODevice::WriteOnly | QIODevice::Truncate));
            alt.write("alt");
        }
        meldungen.leeren();
        {
            Schreibfehler fehler(schritt, ENOSPC);
            Bericht(2, 1);
        }
        // Only the folder sync failed: the report is in place, with a note.
        const bool nurOrdner = schritt == Schreibfehler::Schritt::Ordnersync;
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{nurOrdner ? 2962 : 2241});
        EXPECT_TRUE(meldungen.boxen[0].text.contains(QDir::toNativeSeparators(pfad)));
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().startsWith("%PDF"), nurOrdner);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bericht.pdf"});
    }
    setzeDrucker(nullptr);
}

// A PDF the user protected is not replaced: it stays as it was and the message says why.
TEST_F(HeizungsberichtTest, SchreibgeschuetztePdfBleibtUnberuehrt)
{
    ASSERT_NO_FATAL_FAILURE(AnlageAutomat());
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bericht.pdf"));
    PdfDrucker pdf(pfad);
    setzeDrucker(&pdf);
    SchreibgeschuetzteDatei(pfad, "alt");
    meldungen.leeren();
    Bericht(2, 1);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2241});
    EXPECT_EQ(meldungen.boxen[0].werte, (QStringList{QDir::toNativeSeparators(pfad), LadeText(2963)}));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "alt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bericht.pdf"});
    setzeDrucker(nullptr);
}

}  // namespace
