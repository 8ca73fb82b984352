#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/ImKind.h"
#include "exchange/XML_Tools.h"
#include "base/AllgFunktionen.h"
#include "support/QStringAusgabe.h"

namespace {

class XmlToolsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString Datei(const QByteArray& inhalt, const QString& name = QStringLiteral("a.xml"))
    {
        const QString pfad = dir.filePath(name);
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        return pfad;
    }

    static QByteArray Lesen(const QString& pfad)
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The text of R/element as a new load of the file reads it.
    static QString Neugeladen(const QString& pfad, const QString& element)
    {
        XML_Tools y;
        EXPECT_EQ(y.LoadXMLDocument(pfad), 0);
        EXPECT_EQ(y.SetNewKontextNode(QStringLiteral("R"), false), 0);
        EXPECT_EQ(y.GetElementText(element), 0);
        return y.ElementeText();
    }
};

const QByteArray Beispiel = "<?xml version=\"1.0\"?>\n"
                            "<R>\n"
                            "  <A x=\"1\">eins<B>zwei<C>drei</C></B></A>\n"
                            "  <L>1</L><L>2</L>\n"
                            "</R>\n";

TEST_F(XmlToolsTest, MissingFileGivesLoadErrorWithPathAndNoSaveTarget)
{
    XML_Tools x;
    const QString pfad = dir.filePath(QStringLiteral("fehlt.xml"));
    EXPECT_EQ(x.LoadXMLDocument(pfad), 2);
    EXPECT_EQ(x.ErrorLine(), 0);
    EXPECT_TRUE(x.Error_Description().endsWith(pfad + QStringLiteral("\r\n")));
    EXPECT_EQ(x.SaveXMLDocument(), 4);
    EXPECT_FALSE(QFile::exists(pfad));
    // After a failed load relative lookups have no start node; from the document nothing is found.
    EXPECT_EQ(x.SetNewKontextNode(QStringLiteral("R"), true), 1);
    EXPECT_EQ(x.Error_Description(), QStringLiteral("No opened document or partial document"));
    EXPECT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 3);
}

TEST_F(XmlToolsTest, SaveWithEmptyPathUsesTheLastSuccessfulLoad)
{
    XML_Tools x;
    const QString pfad = Datei(Beispiel);
    ASSERT_EQ(x.LoadXMLDocument(pfad), 0);
    EXPECT_EQ(x.LoadXMLDocument(dir.filePath(QStringLiteral("fehlt.xml"))), 2);
    EXPECT_EQ(x.SaveXMLDocument(), 0);
    EXPECT_TRUE(Lesen(pfad).isEmpty() == false);
}

TEST_F(XmlToolsTest, ParseErrorCarriesItsLine)
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<R>\n";
    for (int i = 3; i < 12; ++i)
        text += "  <E>" + QByteArray::number(i) + "</E>\n";
    text += "  <E>kaputt</F>\n</R>\n";  // line 12
    XML_Tools x;
    EXPECT_EQ(x.LoadXMLDocument(Datei(text)), 2);
    EXPECT_EQ(x.ErrorLine(), 12);
    EXPECT_FALSE(x.Error_Description().isEmpty());
    EXPECT_FALSE(x.Kontextknoten());
}

TEST_F(XmlToolsTest, ElementTextIsAllDescendantTextAndSettingReplacesChildren)
{
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(Datei(Beispiel)), 0);
    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
    EXPECT_EQ(x.GetElementText(QStringLiteral("A")), 0);
    EXPECT_EQ(x.ElementeText(), QStringLiteral("einszweidrei"));
    EXPECT_EQ(x.SetElementText(QStringLiteral("neu"), QStringLiteral("A")), 0);
    EXPECT_EQ(x.GetElementText(QStringLiteral("A")), 0);
    EXPECT_EQ(x.ElementeText(), QStringLiteral("neu"));
    EXPECT_EQ(x.GetElementText(QStringLiteral("A/B")), 3);  // B went with the children
    EXPECT_EQ(x.ElementeText(), QString());
}

TEST_F(XmlToolsTest, LookupFailuresAndTheirCodes)
{
    struct Fall {
        const char* name;
        QString xpath;
        int code;
        bool ungueltigerPfad;  // the description is "Invalid Location Path"
    };
    const Fall fälle[] = {
        {"missing element", QStringLiteral("Fehlt"), 3, true},
        {"attribute", QStringLiteral("A/@x"), 3, false},
        {"text node", QStringLiteral("A/text()"), 3, false},
        {"invalid XPath", QStringLiteral("A[["), 3, false},
        {"number instead of nodes", QStringLiteral("count(L)"), 3, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        XML_Tools x;
        ASSERT_EQ(x.LoadXMLDocument(Datei(Beispiel)), 0);
        ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
        EXPECT_EQ(x.GetElementText(f.xpath), f.code);
        EXPECT_EQ(x.ElementeText(), QString());
        EXPECT_EQ(x.Error_Description() == QStringLiteral("Invalid Location Path"), f.ungueltigerPfad)
            << x.Error_Description().toStdString();
        EXPECT_FALSE(x.Error_Description().isEmpty());
        EXPECT_EQ(x.SetElementText(QStringLiteral("x"), f.xpath), f.code);
    }
}

TEST_F(XmlToolsTest, SetElementTextNeverCreatesAnElement)
{
    const QString pfad = Datei(Beispiel);
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(pfad), 0);
    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
    EXPECT_EQ(x.SetElementText(QStringLiteral("neu"), QStringLiteral("Fehlt")), 3);
    ASSERT_EQ(x.SaveXMLDocument(), 0);
    EXPECT_EQ(Lesen(pfad), Beispiel);
}

TEST_F(XmlToolsTest, ContextPathAndErrorPath)
{
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(Datei(Beispiel)), 0);
    // From the document: an empty base path gives a leading "/".
    EXPECT_EQ(x.SetNewKontextNode(QStringLiteral("R/Fehlt"), false), 3);
    EXPECT_EQ(x.ErrorMerkXPath(), QStringLiteral("/R/Fehlt"));
    // A failed context change keeps the old context.
    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
    EXPECT_EQ(x.SetNewKontextNode(QStringLiteral("Fehlt"), true), 3);
    EXPECT_EQ(x.GetElementText(QStringLiteral("L")), 0);
    EXPECT_EQ(x.ElementeText(), QStringLiteral("1"));
    EXPECT_EQ(x.GetElementText(QStringLiteral("X")), 3);
    EXPECT_EQ(x.ErrorMerkXPath(), QStringLiteral("R/X"));
    // The context path grows by the relative path without a separator.
    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("A"), true), 0);
    EXPECT_EQ(x.GetElementText(QStringLiteral("Y")), 3);
    EXPECT_EQ(x.ErrorMerkXPath(), QStringLiteral("RA/Y"));
    // The combined lookup moves the context and records the new base.
    XML_Tools y;
    ASSERT_EQ(y.LoadXMLDocument(Datei(Beispiel, QStringLiteral("b.xml"))), 0);
    EXPECT_TRUE(y.GetSingleNodeByXpathAndSetNewKontextNode(QStringLiteral("R/A/"), false) == pugi::xml_node());
    ASSERT_TRUE(y.GetSingleNodeByXpathAndSetNewKontextNode(QStringLiteral("R/A"), false));
    EXPECT_EQ(y.GetElementText(QStringLiteral("B/C")), 0);
    EXPECT_EQ(y.ElementeText(), QStringLiteral("drei"));
    EXPECT_TRUE(y.GetSingleNodeByXpath(QStringLiteral("Z"), true) == pugi::xml_node());
    EXPECT_EQ(y.ErrorMerkXPath(), QStringLiteral("R/A/Z"));
}

TEST_F(XmlToolsTest, ListsAndRemoval)
{
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(Datei(Beispiel)), 0);
    EXPECT_EQ(x.GetListNodesByXpath(QStringLiteral("R/Nichts"), false), nullptr);
    EXPECT_EQ(x.ErrorCode(), 3);
    EXPECT_EQ(x.Error_Description(), QStringLiteral("Invalid Location Path"));
    const pugi::xpath_node_set* l = x.GetListNodesByXpath(QStringLiteral("R/L"), false);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->size(), 2u);
    const pugi::xpath_node_set* c = x.GetListElementsByName(QStringLiteral("C"), false);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->size(), 1u);

    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
    EXPECT_EQ(x.GetElementText(QStringLiteral("Fehlt")), 3);
    // Removal reports through its result only and keeps the error state.
    EXPECT_FALSE(x.RemoveChildNode(QStringLiteral("Nichts")));
    EXPECT_FALSE(x.RemoveChildNode(QStringLiteral("A/B")));  // not a direct child
    EXPECT_EQ(x.ErrorCode(), 3);
    EXPECT_TRUE(x.RemoveChildNode(QStringLiteral("L")));
    EXPECT_TRUE(x.RemoveChildNode(QStringLiteral("L")));
    EXPECT_FALSE(x.RemoveChildNode(QStringLiteral("L")));
    EXPECT_EQ(x.ErrorCode(), 3);
}

TEST_F(XmlToolsTest, FragmentChildrenMoveOnAppend)
{
    const QString pfad = Datei(Beispiel);
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(pfad), 0);
    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
    XmlFragment f = x.CreateDocumentFragment();
    EXPECT_FALSE(f.HatKinder());
    x.CreateAppendChildTextElementNode(f.Knoten(), QStringLiteral("T1"), QStringLiteral("a&b"));
    x.CreateAppendChildTextElementNode(f.Knoten(), QStringLiteral("T2"), QString());
    ASSERT_TRUE(f.HatKinder());
    EXPECT_FALSE(x.AppendDocumentFragment(pugi::xml_node(), f));
    const pugi::xml_node neu = x.CreateNodeAndAppendDocumentFragment(x.Kontextknoten(), QStringLiteral("N"), f);
    ASSERT_TRUE(neu);
    EXPECT_FALSE(f.HatKinder());
    EXPECT_THROW(x.CreateAppendChildElementNode(neu, QStringLiteral("1 kein Name")), std::invalid_argument);
    ASSERT_EQ(x.SaveXMLDocument(), 0);

    XML_Tools y;
    ASSERT_EQ(y.LoadXMLDocument(pfad), 0);
    ASSERT_EQ(y.SetNewKontextNode(QStringLiteral("R/N"), false), 0);
    EXPECT_EQ(y.GetElementText(QStringLiteral("T1")), 0);
    EXPECT_EQ(y.ElementeText(), QStringLiteral("a&b"));
    EXPECT_EQ(y.GetElementText(QStringLiteral("T2")), 0);
    EXPECT_EQ(y.ElementeText(), QString());
    EXPECT_TRUE(Lesen(pfad).contains("<N><T1>a&amp;b</T1><T2></T2></N>"));
}

TEST_F(XmlToolsTest, EncodingsSurviveLoadAndSave)
{
    struct Fall {
        const char* name;
        QByteArray datei;       // declaration and an untouched umlaut text in the file's encoding
        QByteArray unberührt;  // the untouched text's bytes
    };
    const QByteArray rumpf = "<R>\r\n  <U>%1</U>\r\n  <W>alt</W>\r\n</R>\r\n";
    auto mit = [&](const QByteArray& kopf, const QByteArray& text) {
        QByteArray r = rumpf;
        return kopf + r.replace("%1", text);
    };
    const Fall fälle[] = {
        {"UTF-8 with BOM", mit("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", "Gr\xC3\xB6\xC3\x9F" "e"),
         "Gr\xC3\xB6\xC3\x9F" "e"},
        {"UTF-8 without declaration", mit("", "\xC3\xA4\xE2\x82\xAC"), "\xC3\xA4\xE2\x82\xAC"},
        {"ISO-8859-1", mit("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n", "Gr\xF6\xDF" "e"), "Gr\xF6\xDF" "e"},
        {"ISO-8859-15", mit("<?xml version='1.0' encoding='ISO-8859-15'?>\r\n", "\xA4 \xF6"), "\xA4 \xF6"},
        {"code page 1252", mit("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n", "\x80 \x84\xFC\x93"),
         "\x80 \x84\xFC\x93"},
    };
    const QString erwartet[] = {QStringLiteral("Größe"), QStringLiteral("ä€"), QStringLiteral("Größe"),
                                QStringLiteral("€ ö"), QStringLiteral("€ „ü“")};
    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        const QString pfad = Datei(f.datei, QStringLiteral("k%1.xml").arg(n));
        XML_Tools x;
        ASSERT_EQ(x.LoadXMLDocument(pfad), 0) << x.Error_Description().toStdString();
        ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
        EXPECT_EQ(x.GetElementText(QStringLiteral("U")), 0);
        EXPECT_EQ(x.ElementeText(), erwartet[n]);
        // Unchanged, the file is written back byte for byte.
        ASSERT_EQ(x.SaveXMLDocument(), 0);
        EXPECT_EQ(Lesen(pfad), f.datei);
        // A changed text with umlauts reads back; declaration and untouched text stay.
        ASSERT_EQ(x.SetElementText(QStringLiteral("Überdruck € ä"), QStringLiteral("W")), 0);
        ASSERT_EQ(x.SaveXMLDocument(), 0);
        const QByteArray neu = Lesen(pfad);
        const qsizetype rumpfAnfang = f.datei.indexOf("<R>");
        EXPECT_EQ(neu.left(rumpfAnfang), f.datei.left(rumpfAnfang));
        EXPECT_TRUE(neu.contains("<U>" + f.unberührt + "</U>"));
        EXPECT_EQ(Neugeladen(pfad, QStringLiteral("W")), QStringLiteral("Überdruck € ä"));
        ++n;
    }
}

TEST_F(XmlToolsTest, Utf16WithBomSurvivesLoadAndSave)
{
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<R><U>Größe</U><W/></R>\r\n");
    QByteArray datei("\xFF\xFE", 2);
    for (QChar c : text) {
        datei.append(static_cast<char>(c.unicode() & 0xFF));
        datei.append(static_cast<char>(c.unicode() >> 8));
    }
    const QString pfad = Datei(datei);
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(pfad), 0) << x.Error_Description().toStdString();
    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
    EXPECT_EQ(x.GetElementText(QStringLiteral("U")), 0);
    EXPECT_EQ(x.ElementeText(), QStringLiteral("Größe"));
    ASSERT_EQ(x.SaveXMLDocument(), 0);
    EXPECT_EQ(Lesen(pfad), datei);
    ASSERT_EQ(x.SetElementText(QStringLiteral("€"), QStringLiteral("W")), 0);
    ASSERT_EQ(x.SaveXMLDocument(), 0);
    EXPECT_EQ(Neugeladen(pfad, QStringLiteral("W")), QStringLiteral("€"));
}

TEST_F(XmlToolsTest, UnknownEncodingIsALoadError)
{
    XML_Tools x;
    EXPECT_EQ(x.LoadXMLDocument(Datei("<?xml version=\"1.0\" encoding=\"EBCDIC-XYZ\"?><R/>")), 2);
    EXPECT_FALSE(x.Error_Description().isEmpty());
}

TEST_F(XmlToolsTest, ExternalEntityIsNeverFetched)
{
    const QString geheim = Datei("GEHEIMNIS", QStringLiteral("geheim.txt"));
    const QByteArray text = "<?xml version=\"1.0\"?>\n<!DOCTYPE R [<!ENTITY e SYSTEM \"file://" + geheim.toUtf8()
        + "\">]>\n<R><A>&e;</A></R>\n";
    const QString pfad = Datei(text);
    XML_Tools x;
    const int code = x.LoadXMLDocument(pfad);
    if (code == 0) {
        ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
        EXPECT_EQ(x.GetElementText(QStringLiteral("A")), 0);
        EXPECT_FALSE(x.ElementeText().contains(QStringLiteral("GEHEIMNIS")));
        ASSERT_EQ(x.SaveXMLDocument(), 0);
        EXPECT_FALSE(Lesen(pfad).contains("GEHEIMNIS"));
    } else {
        EXPECT_EQ(code, 2);
    }
}

TEST_F(XmlToolsTest, FailedSaveIsReportedAndLeavesTheFile)
{
    const QString pfad = Datei(Beispiel);
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(pfad), 0);
    EXPECT_EQ(x.SaveXMLDocument(dir.filePath(QStringLiteral("fehlt/ordner/x.xml"))), 4);
    EXPECT_FALSE(x.Error_Description().isEmpty());
    // A folder in the way of the file: the write fails, nothing is replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.xml")));
    EXPECT_EQ(x.SaveXMLDocument(dir.filePath(QStringLiteral("ordner.xml"))), 4);
    EXPECT_EQ(Lesen(pfad), Beispiel);
}

// Elements nested n deep, each with a piece of text, on the line after the root's.
QByteArray Verschachtelt(int n)
{
    const QByteArray r = "<?xml version=\"1.0\"?>\n<R>\n" + QByteArray("<t>x").repeated(n) + QByteArray("</t>").repeated(n);
    return r + "\n</R>\n";
}

// Nesting is walked without recursion; beyond the allowed depth the file is a load error.
TEST_F(XmlToolsTest, DeepNestingIsWalkedOrRefused)
{
    struct Fall {
        int tiefe;
        int code;
    };
    const Fall fälle[] = {{XML_Tools::MaxTiefe - 1, 0}, {XML_Tools::MaxTiefe + 1, 2}, {100000, 2}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.tiefe);
        XML_Tools x;
        ASSERT_EQ(x.LoadXMLDocument(Datei(Verschachtelt(f.tiefe))), f.code);
        if (f.code != 0) {
            EXPECT_EQ(x.ErrorLine(), 3);
            EXPECT_EQ(x.Error_Description(), FormatText(LadeText(3173), {XML_Tools::MaxTiefe}) + QStringLiteral("\r\n"))
                << x.Error_Description().toStdString();
            EXPECT_FALSE(x.Kontextknoten());
            continue;
        }
        ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
        EXPECT_EQ(x.GetElementText(QStringLiteral("t")), 0);
        EXPECT_EQ(x.ElementeText(), QString(f.tiefe, u'x'));
        const pugi::xpath_node_set* liste = x.GetListElementsByName(QStringLiteral("t"), true);
        ASSERT_TRUE(liste);
        EXPECT_EQ(static_cast<int>(liste->size()), f.tiefe);
        EXPECT_EQ((*liste)[0].node().parent().name(), std::string("R"));
    }
    // The text of a tree the parser accepts at any depth.
    pugi::xml_document d;
    const QByteArray tief = Verschachtelt(100000);
    ASSERT_TRUE(d.load_buffer(tief.constData(), static_cast<size_t>(tief.size())));
    EXPECT_EQ(XML_Tools::KnotenText(d.child("R")).count(u'x'), 100000);
}

// A text the program does not change goes back as the file wrote it, references included, and
// reads as the host meant it; a text the program sets is escaped.
TEST_F(XmlToolsTest, UntouchedContentKeepsItsMeaning)
{
    struct Fall {
        const char* name;
        QByteArray u;  // the untouched element as the file writes it
        const char* gelesen;
        QByteArray zurück = {};  // as a save writes it back; empty: as it was
    };
    const Fall fälle[] = {
        {"internal entity", "<U>&ort;</U>", "Hamburg"},
        {"entity in an entity", "<U>&adresse;</U>", "Am Hafen 1, Hamburg"},
        {"escaped ampersand", "<U>a &amp;ort; b</U>", "a &ort; b"},
        {"references", "<U>&lt;&#228;&#x20AC;&gt;&quot;&apos;</U>", "<ä€>\"'"},
        {"undeclared entity", "<U>&fremd; &#xD800;</U>", "&fremd; &#xD800;"},
        {"external entity", "<U>&extern;</U>", "&extern;"},
        {"attribute", "<U ort=\"&ort;\" x=\"&amp;'\">&ort;</U>", "Hamburg"},
        {"attribute in single quotes", "<U a='sagt \"hi\"'>x</U>", "x", "<U a=\"sagt &quot;hi&quot;\">x</U>"},
        {"CDATA", "<U><![CDATA[&ort;]]></U>", "&ort;"},
    };
    const QByteArray kopf = "<?xml version=\"1.0\"?>\r\n<!DOCTYPE R [\r\n  <!ENTITY ort \"Hamburg\">\r\n"
                            "  <!ENTITY adresse 'Am Hafen 1, &ort;'>\r\n  <!ENTITY ort \"Bremen\">\r\n"
                            "  <!ENTITY extern SYSTEM \"extern.txt\">\r\n]>\r\n";
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        const QByteArray datei = kopf + "<R>" + f.u + "<W>alt</W></R>\r\n";
        const QString pfad = Datei(datei);
        XML_Tools x;
        ASSERT_EQ(x.LoadXMLDocument(pfad), 0) << x.Error_Description().toStdString();
        ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
        EXPECT_EQ(x.GetElementText(QStringLiteral("U")), 0);
        EXPECT_EQ(x.ElementeText(), QString::fromUtf8(f.gelesen));
        ASSERT_EQ(x.SetElementText(QStringLiteral("a & b <c> &ort;"), QStringLiteral("W")), 0);
        ASSERT_EQ(x.SaveXMLDocument(), 0);
        const QByteArray u = f.zurück.isEmpty() ? f.u : f.zurück;
        EXPECT_EQ(Lesen(pfad), kopf + "<R>" + u + "<W>a &amp; b &lt;c&gt; &amp;ort;</W></R>\r\n");
        EXPECT_EQ(Neugeladen(pfad, QStringLiteral("W")), QStringLiteral("a & b <c> &ort;"));
    }
}

// A chain of entities e0 to e<stufen>, each referring to the one below so many times; e0 holds
// the given text.
QByteArray Kette(int stufen, int verweise, const QByteArray& blatt)
{
    QByteArray dtd = "<!ENTITY e0 \"" + blatt + "\">";
    for (int i = 1; i <= stufen; ++i) {
        dtd += "<!ENTITY e" + QByteArray::number(i) + " \"";
        for (int j = 0; j < verweise; ++j)
            dtd += "&e" + QByteArray::number(i - 1) + ';';
        dtd += "\">";
    }
    return dtd;
}

// Entities that multiply each other cost work whether they produce text or not: a document that
// needs too many resolutions is refused when it is loaded, at once.
TEST_F(XmlToolsTest, EntityWorkIsCountedPerDocumentAndBounded)
{
    struct Fall {
        const char* name;
        QByteArray dtd;
        QByteArray inhalt;
        int code;
        QString text;  // of U, when loaded
    };
    const QByteArray vieleVerweise = "&a;" + QByteArray("&a;").repeated(int(XML_Tools::MaxAufloesungen));
    const Fall fälle[] = {
        {"eight entities, ten references each, empty leaf", Kette(7, 10, ""), "<U>&e7;</U>", 2, {}},
        {"eight entities, twenty references each, empty leaf", Kette(7, 20, ""), "<U>&e7;</U>", 2, {}},
        {"billion laughs", Kette(9, 10, "lol"), "<U>&e9;</U>", 2, {}},
        {"harmless entity in too many places", "<!ENTITY a \"\">", "<U>" + vieleVerweise + "</U>", 2, {}},
        {"chain within the bound", Kette(2, 10, "0123456789"), "<U>&e2;</U><V>&e2;</V>", 0,
         QStringLiteral("0123456789").repeated(100)},
        // A reference to itself is resolved eight deep and then stays as it stands.
        {"self reference", "<!ENTITY s \"x&s;\">", "<U>&s;</U>", 0, QStringLiteral("xxxxxxxx&s;")},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        const QString pfad = Datei("<?xml version=\"1.0\"?>\n<!DOCTYPE R [" + f.dtd + "]>\n<R>\n" + f.inhalt + "</R>");
        const XmlArbeit vorher = XmlArbeitBisher();
        XML_Tools x;
        ASSERT_EQ(x.LoadXMLDocument(pfad), f.code) << x.Error_Description().toStdString();
        if (f.code == 0) {
            ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
            EXPECT_EQ(x.GetElementText(QStringLiteral("U")), 0);
            EXPECT_EQ(x.ElementeText(), f.text);
        } else {
            EXPECT_TRUE(x.Error_Description().startsWith(QStringLiteral("Die Verweise auf Entitäten verlangen mehr als 100000 Auflösungen")))
                << x.Error_Description().toStdString();
            EXPECT_EQ(x.ErrorLine(), 4);
            EXPECT_FALSE(x.Kontextknoten());
        }
        // Counting the cost reads each value at most once per nesting depth (eight), however
        // often the entities multiply each other.
        EXPECT_LE(XmlArbeitBisher().wertzeichen - vorher.wertzeichen, 8 * f.dtd.size());
    }
}

// The declarations are read once per document, and only real ones: markup inside a comment, a
// processing instruction or a quoted text declares nothing.
TEST_F(XmlToolsTest, OnlyRealEntityDeclarationsCountAndAreReadOnce)
{
    const QByteArray dtd = "<!-- <!ENTITY k \"boom\"> -->\n"
                           "<?pi <!ENTITY p \"boom\"> ?>\n"
                           "<!ENTITY % pe \"<!ENTITY w 'boom'>\">\n"
                           "<!ATTLIST R a CDATA \"<!ENTITY q 'boom'>\">\n"
                           "<!ENTITY echt \"gut\">\n"
                           "<!ENTITY % echt \"Parameter\">\n";
    XML_Tools x;
    ASSERT_EQ(x.LoadXMLDocument(Datei("<!DOCTYPE R [\n" + dtd + "]><R><U>&k;&p;&w;&q;&pe;&echt;</U></R>")), 0)
        << x.Error_Description().toStdString();
    ASSERT_EQ(x.SetNewKontextNode(QStringLiteral("R"), false), 0);
    EXPECT_EQ(x.GetElementText(QStringLiteral("U")), 0);
    EXPECT_EQ(x.ElementeText(), QStringLiteral("&k;&p;&w;&q;&pe;gut"));

    // Many declarations and many texts with references: each text is read without going over
    // the declarations again.
    QByteArray viele;
    for (int i = 0; i < 20000; ++i)
        viele += "<!ENTITY d" + QByteArray::number(i) + " \"" + QByteArray::number(i) + "\">\n";
    QByteArray elemente;
    for (int i = 0; i < 300; ++i)
        elemente += "<E>&d" + QByteArray::number(i * 7) + ";</E>";
    const QString pfad = Datei("<!DOCTYPE R [\n" + viele + "]>\n<R>" + elemente + "</R>");
    const XmlArbeit vorher = XmlArbeitBisher();
    XML_Tools y;
    ASSERT_EQ(y.LoadXMLDocument(pfad), 0);
    const pugi::xpath_node_set* liste = y.GetListElementsByName(QStringLiteral("E"), false);
    ASSERT_TRUE(liste);
    ASSERT_EQ(liste->size(), 300u);
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(y.SetNewKontextNode(QStringLiteral("R"), false), 0);
        ASSERT_EQ(y.GetElementText(QStringLiteral("E[%1]").arg(i + 1)), 0);
        EXPECT_EQ(y.ElementeText(), QString::number(i * 7));
    }
    const qint64 gelesen = XmlArbeitBisher().deklarationszeichen - vorher.deklarationszeichen;
    EXPECT_GE(gelesen, viele.size());
    EXPECT_LT(gelesen, 2 * viele.size());
}

// Loads the file in a child process, so that a load that blocks or reads without end fails the
// test instead of holding it up: the code and description, or "-1" when the child was stopped
// (more than frist milliseconds, or more than 1 GiB held).
std::pair<int, QString> LadenImKind(const QString& pfad, int frist = 20000)
{
    const Kindlauf lauf = ImKindLauf(
        [&] {
            XML_Tools x;
            const int code = x.LoadXMLDocument(pfad);
            return QByteArray::number(code) + ' ' + x.Error_Description().toUtf8();
        },
        {frist, 1024 * 1024});
    if (lauf.gestoppt)
        return {-1, lauf.zuGroß ? QStringLiteral("read without end") : QStringLiteral("blocked")};
    if (!lauf.beendet || lauf.antwort.isEmpty())
        return {-1, QStringLiteral("the child died")};
    const qsizetype blank = lauf.antwort.indexOf(' ');
    return {lauf.antwort.left(blank).toInt(), QString::fromUtf8(lauf.antwort.mid(blank + 1))};
}

// Only a regular file is read, and only up to the limit: a FIFO, a device, a folder and a file
// above the limit are load errors at once, with the reason and the path.
TEST_F(XmlToolsTest, OnlyRegularFilesUpToTheLimitAreRead)
{
    const QString fifo = dir.filePath(QStringLiteral("fifo.xml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString null = dir.filePath(QStringLiteral("null.xml"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), null));
    const QString ordner = dir.filePath(QStringLiteral("ordner.xml"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.xml")));
    const QString groß = Datei("<R/>", QStringLiteral("gross.xml"));
    ASSERT_TRUE(QFile::resize(groß, XML_Tools::MaxDateigroesse + 1));  // sparse: costs no space
    struct Fall {
        QString pfad;
        QString grund;
    };
    const Fall fälle[] = {
        {fifo, LadeText(2966)},
        {null, LadeText(2966)},
        {ordner, LadeText(2966)},
        {groß, FormatText(LadeText(2967), {XML_Tools::MaxDateigroesse >> 20})},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.pfad.toStdString());
        const auto [code, beschreibung] = LadenImKind(f.pfad);
        EXPECT_EQ(code, 2) << beschreibung.toStdString();
        EXPECT_EQ(beschreibung, FormatText(LadeText(3171), {f.grund, f.pfad}) + QStringLiteral("\r\n"));
    }
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(QFile::symLinkTarget(null), QStringLiteral("/dev/zero"));
}

// Nothing beside the root element is passed over: a NUL, a second element or text outside it
// make the file a load error with the line; white space, comments and processing instructions
// there are kept as they stand.
TEST_F(XmlToolsTest, OnlyAWellFormedDocumentLoads)
{
    struct Fall {
        const char* name;
        QByteArray inhalt;
        int zeile;  // 0: loads
        const char* grund;
    };
    const QByteArray kopf = "<?xml version=\"1.0\"?>\n<R>\n  <A>1</A>\n</R>\n";
    const Fall fälle[] = {
        {"NUL and an element after the root", kopf + QByteArray("\0<B/>\n", 6), 5, "Die Datei enthält ein unzulässiges Zeichen (Nullzeichen)."},
        {"NUL inside a text", QByteArray("<R><A>1\0 2</A></R>", 18), 1, "Die Datei enthält ein unzulässiges Zeichen (Nullzeichen)."},
        {"second element", kopf + "<B/>\n", 5, "Content after the root element"},
        {"text after the root", kopf + "Rest", 4, "Text outside the root element"},
        {"text before the root", "Vorsatz\n<R/>\n", 1, "Text outside the root element"},
        {"CDATA after the root", kopf + "<![CDATA[x]]>", 5, "Text outside the root element"},
        {"no element", "<?xml version=\"1.0\"?>\n<!-- nur -->\n", 1, "No document element found"},
        {"comment and instruction after the root", kopf + "<!-- Ende -->\n<?pi x?>\n\n", 0, ""},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        const QString pfad = Datei(f.inhalt);
        XML_Tools x;
        if (f.zeile == 0) {
            ASSERT_EQ(x.LoadXMLDocument(pfad), 0) << x.Error_Description().toStdString();
            ASSERT_EQ(x.SaveXMLDocument(), 0);
            EXPECT_EQ(Lesen(pfad), f.inhalt);
            continue;
        }
        EXPECT_EQ(x.LoadXMLDocument(pfad), 2);
        EXPECT_EQ(x.Error_Description(), QString::fromUtf8(f.grund) + QStringLiteral("\r\n"));
        EXPECT_EQ(x.ErrorLine(), f.zeile);
        EXPECT_FALSE(x.Kontextknoten());
        EXPECT_EQ(Lesen(pfad), f.inhalt);
    }
}

// Every character of a single-byte encoding goes back to its byte, and one it lacks becomes a
// character reference. (What encoding costs against UTF-16: bench_kodierung.)
TEST(XmlKodierungTest, SingleByteEncodingsAreExact)
{
    for (const QByteArray name : {"ISO-8859-1", "ISO-8859-15", "WINDOWS-1252"}) {
        SCOPED_TRACE(name.constData());
        const QByteArray deklaration = "<?xml version=\"1.0\" encoding=\"" + name + "\"?>";
        QByteArray alle = deklaration;
        for (int b = 1; b < 256; ++b)
            alle.append(char(b));
        QByteArray utf8;
        QByteArray kodierung;
        bool bom = false;
        QString fehler;
        ASSERT_TRUE(XmlKodierung::NachUtf8(alle, utf8, kodierung, bom, fehler));
        const QByteArray zurück = XmlKodierung::AusUtf8(utf8, kodierung, bom);
        // The bytes 0x80..0x9F that code page 1252 leaves unassigned, and every other byte.
        EXPECT_EQ(zurück, alle);
        const QByteArray fremd = XmlKodierung::AusUtf8(QStringLiteral("Ω¤Š€").toUtf8(), kodierung, bom);
        if (name == "ISO-8859-1")
            EXPECT_EQ(fremd, "&#937;\xA4&#352;&#8364;");
        else if (name == "ISO-8859-15")
            EXPECT_EQ(fremd, "&#937;&#164;\xA6\xA4");
        else
            EXPECT_EQ(fremd, "&#937;\xA4\x8A\x80");
    }
}

}  // namespace
