// What one exchange file may cost as a whole: its size, its elements and attributes; what is
// refused is told in German from the text table.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Austauschdatei.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "exchange/XML_Tools.h"

namespace {

class AustauschdateiGrenzen : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    QString Datei(const QByteArray& inhalt)
    {
        const QString pfad = dir.filePath(QStringLiteral("tyvo.xml"));
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(inhalt);
        return pfad;
    }
    QTemporaryDir dir;
    MeldungsRecorder meldungen;
};

// A root element holding n empty elements, each with the attribute text given.
QByteArray Elemente(qint64 n, const QByteArray& attribute = {})
{
    QByteArray kind = "<e" + attribute + "/>";
    QByteArray r = "<R>";
    r.reserve(r.size() + n * kind.size() + 4);
    for (qint64 i = 0; i < n; ++i)
        r += kind;
    return r + "</R>";
}

QString Vorlagenanfang(int id)
{
    const QString t = LadeText(id);
    return t.left(t.indexOf(QLatin1Char('%')));
}

}  // namespace

TEST_F(AustauschdateiGrenzen, ElementeUndAttributeWerdenGezählt)
{
    const QString zuViele = FormatText(LadeText(3175), {XML_Tools::MaxMarken, XML_Tools::MaxZuweisungen});
    struct Fall {
        const char* name;
        QByteArray inhalt;
        bool gelesen;
    };
    // The root's own tags are two markups.
    const Fall fälle[] = {
        {"Elemente an der Grenze", Elemente(XML_Tools::MaxMarken - 2), true},
        {"ein Element zu viel", Elemente(XML_Tools::MaxMarken - 1), false},
        {"Attribute an der Grenze", Elemente(XML_Tools::MaxZuweisungen / 4, " a='' b='' c='' d=''"), true},
        {"ein Attribut zu viel", Elemente(XML_Tools::MaxZuweisungen / 4, " a='' b='' c='' d=''").replace("<R>", "<R x=''>"),
         false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        XML_Tools x;
        if (f.gelesen) {
            EXPECT_EQ(x.LoadXMLDocument(Datei(f.inhalt)), 0) << x.Error_Description().toStdString();
            continue;
        }
        EXPECT_EQ(x.LoadXMLDocument(Datei(f.inhalt)), 2);
        EXPECT_EQ(x.Error_Description(), zuViele + QStringLiteral("\r\n"));
        EXPECT_EQ(x.ErrorLine(), 1);
        EXPECT_FALSE(x.GetSingleNodeByXpath(QStringLiteral("/R"), false));
    }
}

TEST_F(AustauschdateiGrenzen, GrößeUndLesefehlerInDeutsch)
{
    // One byte over the limit: refused by its size alone, with the limit in MB.
    const QString pfad = Datei("<R/>");
    ASSERT_TRUE(QFile::resize(pfad, XML_Tools::MaxDateigroesse + 1));  // sparse: costs no space
    XML_Tools x;
    EXPECT_EQ(x.LoadXMLDocument(pfad), 2);
    const QString größe = FormatText(LadeText(2967), {XML_Tools::MaxDateigroesse >> 20});
    EXPECT_EQ(x.Error_Description(), FormatText(LadeText(3171), {größe, pfad}) + QStringLiteral("\r\n"));
    EXPECT_TRUE(größe.endsWith(QStringLiteral("64 MB."))) << größe.toStdString();

    struct Fall {
        const char* name;
        QByteArray inhalt;
        int text;
    };
    const Fall fälle[] = {
        {"Nullzeichen", QByteArray("<R>\0</R>", 8), 3172},
        {"unbekannte Kodierung", "<?xml version='1.0' encoding='EBCDIC'?><R/>", 3176},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        XML_Tools y;
        EXPECT_EQ(y.LoadXMLDocument(Datei(f.inhalt)), 2);
        EXPECT_TRUE(y.Error_Description().startsWith(Vorlagenanfang(f.text))) << y.Error_Description().toStdString();
    }
    // A folder is no regular file.
    XML_Tools z;
    EXPECT_EQ(z.LoadXMLDocument(dir.path()), 2);
    EXPECT_EQ(z.Error_Description(), FormatText(LadeText(3171), {LadeText(2966), dir.path()}) + QStringLiteral("\r\n"));
}
