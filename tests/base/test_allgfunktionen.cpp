#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QWindow>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Texttabelle.h"
#include "support/MeldungsRecorder.h"

namespace {
const QString crlf = QStringLiteral("\r\n");

// A small string table of four language blocks in place of the program's table.
class MitTexttabelle : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        QHash<int, QString> texte;
        ASSERT_TRUE(Texttabelle::lese("1\tDer Text Nummer %s existiert nicht!\n"
                                      "354\tGefäß\n"
                                      "1600\tInformation\n1601\tEingabefehler\n1602\tAnwendungsfehler\n"
                                      "1603\tAuslegungsfehler\n1604\tDatenbankfehler\n1605\tInterner Fehler\n"
                                      "1606\tFehler\n"
                                      "2350\tKein Ventil für Erzeuger %s.\n"
                                      "2351\tKein Ventil für Erzeuger %s.\n"
                                      "3020\tHotline\n"
                                      "5001\tThe text number %s does not exist!\n"
                                      "6604\tDatabase error\n"
                                      "8120\tHotline UK\n",
                                      texte));
        m_alt = Texttabelle::instanz().ersetze(texte);
    }
    void TearDown() override { Texttabelle::instanz().ersetze(m_alt); }

    MeldungsRecorder recorder;

private:
    QHash<int, QString> m_alt;
};

class FormSichtbarZaehler : public FormSichtbarkeit {
public:
    void FormSichtbar() override { ++aufrufe; }
    int aufrufe = 0;
};
}  // namespace

TEST_F(MitTexttabelle, LadeTextFallbackAndWarning)
{
    struct Fall { int id; QString erwartet; QString warnung; };
    const Fall faelle[] = {
        {1604, QStringLiteral("Datenbankfehler"), {}},
        {6604, QStringLiteral("Database error"), {}},
        {5354, QStringLiteral("Gefäß"), {}},  // English block lacks it: German, no warning
        {8120, QStringLiteral("Hotline UK"), {}},
        {9000, QStringLiteral(" "), QStringLiteral("Der Text Nummer 9000 existiert nicht!")},
        {3120, QStringLiteral(" "), QStringLiteral("Der Text Nummer 3120 existiert nicht!")},
        {-5, QStringLiteral(" "), QStringLiteral("Der Text Nummer -5 existiert nicht!")},
    };
    for (const Fall& f : faelle) {
        recorder.leeren();
        zustand().Meldungsflag = false;
        EXPECT_EQ(LadeText(f.id), f.erwartet) << f.id;
        if (f.warnung.isEmpty()) {
            EXPECT_TRUE(recorder.boxen.isEmpty()) << f.id;
            EXPECT_FALSE(zustand().Meldungsflag) << f.id;
        } else {
            ASSERT_EQ(recorder.boxen.size(), 1) << f.id;
            EXPECT_EQ(recorder.boxen[0].text, f.warnung);
            EXPECT_EQ(recorder.boxen[0].titel, QStringLiteral("Error"));
            EXPECT_EQ(recorder.boxen[0].stil, 48);
            EXPECT_TRUE(zustand().Meldungsflag);
        }
    }
}

TEST_F(MitTexttabelle, LadeTextWarningIsNotMutedAndShowsNoPage)
{
    FormSichtbarZaehler seite;
    zustand().AktFormFunktionen = &seite;
    zustand().ErrorCancel = true;
    EXPECT_EQ(LadeText(4999), QStringLiteral(" "));
    EXPECT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(seite.aufrufe, 0);
}

TEST_F(MitTexttabelle, MeldungTitlesAndStyles)
{
    struct Fall { int art; QString titel; int stil; };
    const Fall faelle[] = {
        {1, QStringLiteral("Information"), 64},     {2, QStringLiteral("Eingabefehler"), 48},
        {3, QStringLiteral("Anwendungsfehler"), 48}, {4, QStringLiteral("Auslegungsfehler"), 48},
        {5, QStringLiteral("Datenbankfehler"), 17},  {6, QStringLiteral("Interner Fehler"), 16},
        {7, QStringLiteral("Fehler"), 0},            {0, QStringLiteral("Fehler"), 0},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(GetMeldungsTitel(f.art), f.titel) << f.art;
        recorder.leeren();
        Meldung(f.art, QStringLiteral("x"));
        ASSERT_EQ(recorder.boxen.size(), 1);
        EXPECT_EQ(recorder.boxen[0].titel, f.titel) << f.art;
        EXPECT_EQ(recorder.boxen[0].stil, f.stil) << f.art;
        EXPECT_EQ(recorder.boxen[0].art, f.art);
    }
}

TEST_F(MitTexttabelle, MeldungPlaceholders)
{
    struct Fall { QString text; QList<VbVariant> werte; QString erwartet; };
    const Fall faelle[] = {
        {QStringLiteral("a %s b %s"), {VbVariant("x")}, QStringLiteral("a x b ")},
        {QStringLiteral("a %s b"), {}, QStringLiteral("a  b")},
        {QStringLiteral("100%"), {VbVariant(1)}, QStringLiteral("100%")},
        {QStringLiteral("%5s|%v|%S|%%s"), {VbVariant("q")}, QStringLiteral("%5s|%v|%S|%q")},
        {QStringLiteral("%s%s"), {VbVariant("%s"), VbVariant("y")}, QStringLiteral("%sy")},
        {QStringLiteral("%s und %s"), {VbVariant(12.5), VbVariant(true), VbVariant(3)},
         QStringLiteral("12,5 und Wahr")},
        {QStringLiteral("Zeile 1\\nZeile 2"), {}, QStringLiteral("Zeile 1") + crlf + QStringLiteral("Zeile 2")},
        {QStringLiteral("<%s>"), {VbVariant("x\\ny")}, QStringLiteral("<x") + crlf + QStringLiteral("y>")},
    };
    for (const Fall& f : faelle) {
        recorder.leeren();
        Meldung(Meldungsart::Information, f.text, f.werte);
        ASSERT_EQ(recorder.boxen.size(), 1);
        EXPECT_EQ(recorder.boxen[0].text, f.erwartet) << qPrintable(f.text);
        EXPECT_EQ(recorder.boxen[0].vorlage, f.text);
    }
    recorder.leeren();
    Meldung(Meldungsart::Auslegungsfehler, QStringLiteral("%s kW, %s bar"), 20, 2.5);
    EXPECT_EQ(recorder.boxen[0].werte, (QStringList{QStringLiteral("20"), QStringLiteral("2,5")}));
    EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("20 kW, 2,5 bar"));
}

TEST_F(MitTexttabelle, MeldungNenntDieTextnummern)
{
    struct Fall {
        QString text;
        QList<int> ids;
    };
    // 2351 has the same text as 2350: the id the caller loaded counts.
    const QString t2351 = LadeText(2351);
    const Fall fälle[] = {
        {LadeText(354), {354}},
        {t2351 + LadeText(3020), {2351, 3020}},
        {LadeText(6604), {6604}},
        {LadeText(5354), {354}},  // the German text in place of a missing English one
        {LadeText(354) + QStringLiteral(" frei"), {}},
        {QStringLiteral("frei"), {}},
    };
    for (const Fall& f : fälle) {
        recorder.leeren();
        Meldung(Meldungsart::Auslegungsfehler, f.text, 3);
        ASSERT_EQ(recorder.boxen.size(), 1);
        EXPECT_EQ(recorder.boxen[0].textIds, f.ids) << qPrintable(f.text);
        EXPECT_EQ(recorder.boxen[0].werte, QStringList{QStringLiteral("3")});
    }
}

TEST_F(MitTexttabelle, CancelledDatabaseMessageMutesUntilReset)
{
    FormSichtbarZaehler seite;
    zustand().AktFormFunktionen = &seite;
    recorder.antworten = {MsgAntwort::Abbrechen};
    Meldung(Meldungsart::Datenbankfehler, QStringLiteral("db"));
    EXPECT_TRUE(zustand().ErrorCancel);
    zustand().Meldungsflag = false;
    Meldung(Meldungsart::Information, QStringLiteral("still"));
    Meldung(Meldungsart::Datenbankfehler, QStringLiteral("still"));
    EXPECT_EQ(recorder.boxen.size(), 1);
    EXPECT_TRUE(zustand().Meldungsflag);
    EXPECT_EQ(seite.aufrufe, 3);  // the page is made visible for every call

    zustand().ErrorCancel = false;  // the next page loads
    Meldung(Meldungsart::Information, QStringLiteral("wieder"));
    EXPECT_EQ(recorder.boxen.size(), 2);
    EXPECT_FALSE(zustand().ErrorCancel);  // OK does not mute
}

TEST_F(MitTexttabelle, MeldungSurvivesFailingPage)
{
    class Kaputt : public FormSichtbarkeit {
    public:
        void FormSichtbar() override { throw std::runtime_error("weg"); }
    } kaputt;
    zustand().AktFormFunktionen = &kaputt;
    Meldung(Meldungsart::Information, QStringLiteral("trotzdem"));
    EXPECT_EQ(recorder.boxen.size(), 1);
    EXPECT_TRUE(zustand().Meldungsflag);
}

TEST(GetKommandozeile, QuotedParts)
{
    const QString zwei = QStringLiteral("\"C:\\a b\\x.xml\" \"1\"");
    struct Fall { QString zeile; int max; QStringList erwartet; };
    const Fall faelle[] = {
        {zwei, 10, {QStringLiteral("2"), QStringLiteral("C:\\a b\\x.xml"), QStringLiteral("1")}},
        {zwei, 1, {QStringLiteral("1"), QStringLiteral("C:\\a b\\x.xml")}},
        {zwei, 0, {QStringLiteral("0")}},
        {QStringLiteral("ohne Anführung"), 10, {QStringLiteral("0")}},
        {QStringLiteral("x \"ab"), 10, {QStringLiteral("1"), QStringLiteral("ab")}},
        {QStringLiteral("\"\" zwischen\"b\""), 10, {QStringLiteral("2"), QString(), QStringLiteral("b")}},
        {QString(), 10, {QStringLiteral("0")}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(GetKommandozeile(f.zeile, f.max), f.erwartet) << qPrintable(f.zeile) << " " << f.max;
}

TEST(GetKommandozeile, RebuiltFromArguments)
{
    const char* argv[] = {"/opt/kelvor/kelvor", "TYVO_File=/tmp/a b.xml", "TYVO_Mode=0", "x\"y"};
    const QString zeile = KommandozeileAusArgumenten(4, argv);
    EXPECT_EQ(zeile, QStringLiteral("\"TYVO_File=/tmp/a b.xml\" \"TYVO_Mode=0\" \"xy\""));
    EXPECT_EQ(GetKommandozeile(zeile, 2),
              (QStringList{QStringLiteral("2"), QStringLiteral("TYVO_File=/tmp/a b.xml"),
                           QStringLiteral("TYVO_Mode=0")}));
    EXPECT_EQ(KommandozeileAusArgumenten(1, argv), QString());
}

TEST(Texte, ErsetzeZeilenumbruch)
{
    EXPECT_EQ(ErsetzeZeilenumbruch(QStringLiteral("a\\nb\\nc")), QStringLiteral("a") + crlf + "b" + crlf + "c");
    EXPECT_EQ(ErsetzeZeilenumbruch(QStringLiteral("a\\\\n")), QStringLiteral("a\\") + crlf);
    EXPECT_EQ(ErsetzeZeilenumbruch(QStringLiteral("a\\tb\\")), QStringLiteral("a\\tb\\"));
}

TEST(Texte, FormatText)
{
    struct Fall { QString vorlage; QList<VbVariant> werte; QString erwartet; };
    const Fall faelle[] = {
        {QStringLiteral("%5v|"), {VbVariant(42)}, QStringLiteral("   42|")},
        {QStringLiteral("%5s|"), {VbVariant(42)}, QStringLiteral("42   |")},
        {QStringLiteral("%3v"), {VbVariant("abcdef")}, QStringLiteral("abc")},
        {QStringLiteral("%3s"), {VbVariant("abcdef")}, QStringLiteral("abc")},
        {QStringLiteral("x %s y %s"), {VbVariant("A")}, QStringLiteral("x A y ")},
        {QStringLiteral("%-5s|"), {VbVariant("ab")}, QStringLiteral("ab|")},
        {QStringLiteral("%x %"), {VbVariant("A")}, QStringLiteral("%x %")},
        {QStringLiteral("%123s"), {VbVariant("A")}, QStringLiteral("%123s")},
        {QStringLiteral("%s|%s"), {VbVariant("%s"), VbVariant("B")}, QStringLiteral("%s|B")},
        {QStringLiteral("%%s"), {VbVariant("A")}, QStringLiteral("%A")},
        {QStringLiteral("%S %V"), {VbVariant("A")}, QStringLiteral("%S %V")},
        {QStringLiteral("[%12v][%10s]"), {VbVariant(1234.5), VbVariant("Gefäß")},
         QStringLiteral("[      1234,5][Gefäß     ]")},
        {QStringLiteral("%0v|%ab"), {VbVariant("lang")}, QStringLiteral("lang|%ab")},
        {QStringLiteral("%1v%v"), {VbVariant("xy"), VbVariant::null()}, QStringLiteral("x")},
        {QStringLiteral("ende %"), {}, QStringLiteral("ende %")},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FormatText(f.vorlage, f.werte), f.erwartet) << qPrintable(f.vorlage);
    EXPECT_EQ(FormatText(QStringLiteral("Der Text Nummer %s existiert nicht!"), 9000),
              QStringLiteral("Der Text Nummer 9000 existiert nicht!"));
}

TEST(Texte, FuelleMaske)
{
    const QString maske = QStringLiteral("DN $$$ / PN $$");
    struct Fall { QString werte; QString erwartet; };
    const Fall faelle[] = {
        {QStringLiteral("50$16$"), QStringLiteral("DN  50 / PN 16")},
        {QStringLiteral("50$"), QStringLiteral("DN  50 / PN ..")},
        {QStringLiteral("1234$"), QStringLiteral("DN 1234 / PN ..")},
        {QStringLiteral("50$16"), QStringLiteral("DN  50 / PN   ")},
        {QString(), QStringLiteral("DN ... / PN ..")},
        {QStringLiteral("$$"), QStringLiteral("DN     / PN   ")},
        {QStringLiteral("1$2$3$"), QStringLiteral("DN   1 / PN  2")},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FülleMaske(maske, f.werte), f.erwartet) << qPrintable(f.werte);
    EXPECT_EQ(FülleMaske(QStringLiteral("ohne"), QStringLiteral("1$")), QStringLiteral("ohne"));
}

TEST(Texte, UmbrechenText)
{
    const auto zeilen = [](const QString& t) { return t.split(crlf); };
    EXPECT_EQ(zeilen(UmbrechenText(10, QStringLiteral("Das ist ein langer Text"))),
              (QStringList{"Das ist", "ein langer", "Text"}));
    EXPECT_EQ(zeilen(UmbrechenText(10, QStringLiteral("Donaudampfschifffahrt"))),
              (QStringList{"Donaudampf", "schifffahr", "t"}));
    EXPECT_EQ(UmbrechenText(10, QStringLiteral("genau zehn")), QStringLiteral("genau zehn"));
    EXPECT_EQ(zeilen(UmbrechenText(10, QStringLiteral("kurz") + crlf + QStringLiteral("danach mehr Text"))),
              (QStringList{"kurz", "danach", "mehr Text"}));
    // A hard cut that ends before a blank: the blank does not start the next line.
    EXPECT_EQ(zeilen(UmbrechenText(4, QStringLiteral("abcd efgh"))), (QStringList{"abcd", "efgh"}));
    EXPECT_EQ(zeilen(UmbrechenText(3, QStringLiteral("abcd efgh"))), (QStringList{"abc", "d", "efg", "h"}));
    EXPECT_EQ(UmbrechenText(40, QString()), QString());
    EXPECT_EQ(UmbrechenText(0, QStringLiteral("bleibt so")), QStringLiteral("bleibt so"));
    // Every line of a long text stays within 40 characters.
    QString lang;
    for (int i = 0; i < 60; ++i)
        lang += QStringLiteral("Wort%1 ").arg(i * 7919 % 1000);
    for (const QString& z : zeilen(UmbrechenText(40, lang)))
        EXPECT_LE(z.size(), 40);
}

TEST(Texte, NullHelpersAndKeys)
{
    EXPECT_EQ(NullZuText(VbVariant(12.5)), QStringLiteral("12,5"));
    EXPECT_EQ(NullZuText(VbVariant::null()), QString());
    EXPECT_EQ(NullZuText(VbVariant()), QString());
    EXPECT_EQ(NullZuNull(VbVariant::null()).typ(), VbVariant::Typ::Integer);
    EXPECT_EQ(NullZuNull(VbVariant::null()).toLong(), 0);
    EXPECT_TRUE(NullZuNull(VbVariant()).isEmpty());
    EXPECT_EQ(NullZuNull(VbVariant("a")).toString(), QStringLiteral("a"));

    for (int taste = 0; taste < 256; ++taste) {
        const bool ziffer = taste >= '0' && taste <= '9';
        const bool steuer = taste == 13 || taste == 9 || taste == 8 || taste == 27;
        const bool trenner = taste == '.' || taste == ',';
        EXPECT_EQ(IstZulässigeTaste(taste, false), ziffer || steuer) << taste;
        EXPECT_EQ(IstZulässigeTaste(taste, true), ziffer || steuer || trenner) << taste;
    }
}

TEST(Texte, GrossOhneSZ)
{
    EXPECT_EQ(GrossOhneSZ(QStringLiteral("Straße größer äöü")), QStringLiteral("STRAßE GRÖßER ÄÖÜ"));
    EXPECT_EQ(GrossOhneSZ(QString()), QString());
}

TEST(Mauszeiger, MovesToClientPoint)
{
    QWindow fenster;
    fenster.setGeometry(100, 50, 500, 300);
    fenster.show();
    SetzeMauszeiger(&fenster, QPointF(400.5, 20.5));  // halves to even: 400, 20
    EXPECT_EQ(QCursor::pos(fenster.screen()), fenster.mapToGlobal(QPoint(400, 20)));
    SetzeMauszeiger(nullptr, QPointF(1, 1));  // no window: nothing happens
}
