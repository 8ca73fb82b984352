#include <QBuffer>
#include <gtest/gtest.h>

#include <cmath>

#include "ProjektDbFixture.h"
#include "data/ManipDBField.h"
#include "data/Sicherungsdatei.h"

namespace {

TEST(Transferwert, TexteNachFeldtyp)
{
    struct Fall {
        long typ;
        VbVariant wert;
        const char* text;
    };
    const Fall fälle[] = {
        {Feldtyp::Boolean, VbVariant(true), "-1"},
        {Feldtyp::Boolean, VbVariant(false), "0"},
        {Feldtyp::Boolean, VbVariant(), "0"},
        {Feldtyp::Byte, VbVariant::byte(10), "10"},
        {Feldtyp::Integer, VbVariant::integer(-5), "-5"},
        {Feldtyp::Long, VbVariant::lng(2147483647), "2147483647"},
        {Feldtyp::Long, VbVariant(), ""},
        {Feldtyp::Integer, VbVariant::null(), ""},
        {Feldtyp::Single, VbVariant::single(2.5f), " 2.5"},
        {Feldtyp::Single, VbVariant::single(0.5f), " .5"},
        {Feldtyp::Single, VbVariant::single(-0.5f), "-.5"},
        {Feldtyp::Single, VbVariant::single(1.0f / 3.0f), " .3333333"},
        {Feldtyp::Single, VbVariant::single(1.7f), " 1.7"},
        {Feldtyp::Single, VbVariant::single(3.0f), " 3"},
        {Feldtyp::Single, VbVariant::single(1e7f), " 1E+07"},
        {Feldtyp::Single, VbVariant::single(1.5e-5f), " 1.5E-05"},
        {Feldtyp::Single, VbVariant::single(123456789.0f), " 1.234568E+08"},
        {Feldtyp::Single, VbVariant(), " 0"},
        {Feldtyp::Date, VbVariant::datum(45306.0), " 45306"},
        {Feldtyp::Date, VbVariant::datum(45306.75), " 45306.75"},
        {Feldtyp::Date, VbVariant(), " 0"},
        {Feldtyp::Text, VbVariant("Lindenweg 4"), "Lindenweg 4"},
        {Feldtyp::Text, VbVariant(" "), " "},
        {Feldtyp::Text, VbVariant(), ""},
        {Feldtyp::Memo, VbVariant("Keller\r\nPumpenraum"), "Keller\r\nPumpenraum"},
    };
    for (const Fall& f : fälle) {
        QString text;
        ASSERT_TRUE(Transferwert::Text(f.typ, f.wert, text)) << f.typ;
        EXPECT_EQ(text, QString::fromUtf8(f.text)) << "type " << f.typ << " " << f.text;
    }
    QString text;
    EXPECT_FALSE(Transferwert::Text(7, VbVariant(1.0), text));  // Double: no line
}

TEST(Transferwert, LesenNachFeldtyp)
{
    struct Fall {
        long typ;
        const char* text;
        bool ok;
        double zahl;  // expected number (Booleans: -1/0); text types compare the text
    };
    const Fall fälle[] = {
        {Feldtyp::Boolean, "-1", true, -1},
        {Feldtyp::Boolean, "0", true, 0},
        {Feldtyp::Boolean, "1", true, -1},
        {Feldtyp::Boolean, "True", true, -1},
        {Feldtyp::Boolean, "false", true, 0},
        {Feldtyp::Boolean, "ja", false, 0},
        {Feldtyp::Boolean, "", false, 0},
        {Feldtyp::Byte, "255", true, 255},
        {Feldtyp::Byte, "256", false, 0},
        {Feldtyp::Byte, "-1", false, 0},
        {Feldtyp::Integer, "-32768", true, -32768},
        {Feldtyp::Integer, "32768", false, 0},
        {Feldtyp::Integer, "2,5", true, 2},
        {Feldtyp::Integer, "3,5", true, 4},
        {Feldtyp::Long, "", false, 0},
        {Feldtyp::Long, "12abc", false, 0},
        {Feldtyp::Long, " 120", true, 120},
        {Feldtyp::Single, " .3333333", true, double(0.3333333f)},
        {Feldtyp::Single, " 1.5E-05", true, double(1.5e-5f)},
        {Feldtyp::Single, "3.5 bar", true, 3.5},
        {Feldtyp::Single, "", true, 0},
        {Feldtyp::Single, "abc", true, 0},
        {Feldtyp::Single, "1E+40", false, 0},
        {Feldtyp::Date, " 45306", true, 45306},
        {Feldtyp::Date, "", true, 0},
    };
    for (const Fall& f : fälle) {
        VbVariant w;
        const bool ok = Transferwert::Lesen(f.typ, QString::fromUtf8(f.text), w);
        EXPECT_EQ(ok, f.ok) << "type " << f.typ << " '" << f.text << "'";
        if (!ok || !f.ok)
            continue;
        if (f.typ == Feldtyp::Single) {
            EXPECT_EQ(w.typ(), VbVariant::Typ::Single);
        }
        if (f.typ == Feldtyp::Date) {
            EXPECT_TRUE(w.isDate());
        }
        const double wert = f.typ == Feldtyp::Boolean ? (w.toBool() ? -1.0 : 0.0)
                            : f.typ == Feldtyp::Date   ? w.oleDatum()
                                                       : w.toDouble();
        EXPECT_EQ(wert, f.zahl) << "type " << f.typ << " '" << f.text << "'";
    }
    VbVariant w;
    ASSERT_TRUE(Transferwert::Lesen(Feldtyp::Text, QStringLiteral(" "), w));
    EXPECT_EQ(w.toString(), QStringLiteral(" "));
    ASSERT_TRUE(Transferwert::Lesen(Feldtyp::Date, QStringLiteral(" 0"), w));
    EXPECT_EQ(w.toDateTime().date(), QDate(1899, 12, 30));
}

TEST(Sicherungsdatei, Cp1252HinUndZurück)
{
    const QString text = QStringLiteral("Straße Größe Ä Ü ö € – „x“ ©");
    const QByteArray bytes = Sicherungsdatei::NachCp1252(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(Sicherungsdatei::AusCp1252(bytes), text);
    EXPECT_EQ(Sicherungsdatei::NachCp1252(QStringLiteral("ä€")), QByteArray("\xE4\x80"));
    // Characters outside the code page become one question mark each.
    EXPECT_EQ(Sicherungsdatei::NachCp1252(QStringLiteral("a漢😀b")), QByteArray("a??b"));
}

TEST(Sicherungsdatei, ZeilenSchreibenUndLesen)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Sicherungsdatei aus(&puffer);
    EXPECT_TRUE(aus.SchreibeZeile(QStringLiteral("Straße"), QStringLiteral("Lindenweg 4")));
    EXPECT_TRUE(aus.SchreibeZeile(QStringLiteral("Bemerkungen"), QStringLiteral("a\r\nb")));
    EXPECT_EQ(puffer.data(), QByteArray("Stra\xDF" "e\tLindenweg 4\t\r\nBemerkungen\ta\r\nb\t\r\n"));

    QBuffer ein;
    ein.setData(QByteArray("eins\r\nzwei\n\r\nletzte"));
    ein.open(QIODevice::ReadOnly);
    Sicherungsdatei rein(&ein);
    QStringList zeilen;
    QString z;
    while (!rein.AtEndOfStream() && rein.LiesZeile(z))
        zeilen << z;
    EXPECT_EQ(zeilen, (QStringList{"eins", "zwei", "", "letzte"}));
}

// A device that takes nothing.
class VolleDatei : public QIODevice {
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST(Sicherungsdatei, SchreibfehlerWirdGemeldet)
{
    VolleDatei voll;
    voll.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    Sicherungsdatei aus(&voll);
    EXPECT_FALSE(aus.SchreibeZeile(QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_TRUE(aus.schreibfehler());
}

}  // namespace
