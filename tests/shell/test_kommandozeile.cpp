#include <gtest/gtest.h>

#include "base/AllgFunktionen.h"
#include "shell/FormMinMaxSize.h"
#include "shell/MainProgramm.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"

#include <vector>

namespace {

// The parts as GetKommandozeile returns them: count first.
QStringList Teile(const QStringList& teile)
{
    return QStringList{QString::number(teile.size())} + teile;
}

}  // namespace

TEST(GetParameterWert, FindsKeyWithoutRegardToCase)
{
    struct Fall { const char* argument; const char* schluessel; const char* wert; };
    const Fall faelle[] = {
        {"TYVO_File=C:\\a b\\x.xml", "TYVO_File", "C:\\a b\\x.xml"},
        {"tyvo_file = C:\\x.xml", "TYVO_File", " C:\\x.xml"},  // blank before "=" skipped, value as it is
        {"ABC=1=2", "abc", "1=2"},                             // everything after the first "="
        {"KEY", "KEY", ""},                                    // no "="
        {"KEY=", "KEY", ""},
        {"andere=1", "TYVO_Mode", ""},                          // key missing
        {"XTYVO_MODEX = Wert ", "tyvo_mode", " Wert "},          // inside a longer word; blanks kept
        {"=1 TYVO_Mode", "TYVO_Mode", ""},                      // "=" only before the key
        {"ßTYVO_File=abc", "TYVO_File", "abc"},                 // positions stay when "ß" is upper-cased
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(GetParameterWert(QString::fromUtf8(f.argument), QString::fromUtf8(f.schluessel)),
                  QString::fromUtf8(f.wert))
            << f.argument;
}

TEST(AuswertenKommandozeile, HostModesAndFallBackToStandAlone)
{
    struct Fall { QStringList teile; int modus; const char* datei; };
    const Fall faelle[] = {
        {{"TYVO_File=C:\\a b\\x.xml", "TYVO_Mode=0"}, 1, "C:\\a b\\x.xml"},
        {{"TYVO_File=C:\\a b\\x.xml", "TYVO_Mode=1"}, 2, "C:\\a b\\x.xml"},
        {{"tyvo_file = C:\\x.xml", "Tyvo_Mode= 1"}, 2, "C:\\x.xml"},
        {{"TYVO_File=", "TYVO_Mode=0"}, 1, ""},                  // empty path stays empty
        {{"TYVO_File=C:\\x.xml", "TYVO_Mode=2"}, 0, ""},
        {{"TYVO_File=C:\\x.xml", "TYVO_Mode=0 "}, 0, ""},
        {{"TYVO_File=C:\\x.xml", "TYVO_Mode="}, 0, ""},
        {{"TYVO_Mode=0", "TYVO_File=C:\\x.xml"}, 0, ""},        // swapped
        {{"TYVO_File=C:\\x.xml"}, 0, ""},                       // only the file part
        {{}, 0, ""},
        {{"TYVO_File=C:\\x.xml", "TYVO_Mode=1", "TYVO_Mode=0"}, 2, "C:\\x.xml"},  // third part not read
    };
    for (const Fall& f : faelle) {
        zustand().TyvoModus = 2;
        zustand().TyvoDatei = QStringLiteral("alt.xml");
        AuswertenKommandozeile(Teile(f.teile));
        EXPECT_EQ(zustand().TyvoModus, f.modus) << f.teile.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(zustand().TyvoDatei, QString::fromUtf8(f.datei)) << f.teile.join(QLatin1Char('|')).toStdString();
    }
    zustand().TyvoModus = 1;
    AuswertenKommandozeile(QStringList());
    EXPECT_EQ(zustand().TyvoModus, 0);
}

TEST(AuswertenKommandozeile, FromTheProgramArguments)
{
    struct Fall { std::vector<const char*> argv; int modus; const char* datei; };
    const Fall faelle[] = {
        {{"kelvor", "TYVO_File=/tmp/a b/x.xml", "TYVO_Mode=1"}, 2, "/tmp/a b/x.xml"},
        {{"kelvor", "TYVO_File=/tmp/x.xml", "TYVO_Mode=0", "TYVO_Mode=1"}, 1, "/tmp/x.xml"},
        {{"kelvor", "TYVO_File=/tmp/x.xml"}, 0, ""},
        {{"kelvor"}, 0, ""},
    };
    for (const Fall& f : faelle) {
        AuswertenKommandozeile(GetKommandozeile(
            KommandozeileAusArgumenten(static_cast<int>(f.argv.size()), f.argv.data()), 2));
        EXPECT_EQ(zustand().TyvoModus, f.modus) << f.argv.size();
        EXPECT_EQ(zustand().TyvoDatei, QString::fromUtf8(f.datei)) << f.argv.size();
    }
}

TEST(Fenstergrenzen, StartSizeIsLargestSize)
{
    EXPECT_EQ(FormMinMaxSize::Minimum(), QSize(160, 170));
    // 11200 / 15 = 746.67 and 8700 / 15 = 580.
    EXPECT_EQ(FormMinMaxSize::Maximum(), QSize(747, 580));
    EXPECT_EQ(FormMinMaxSize::Maximum(12, 12), QSize(933, 725));
    // Halves go to the even neighbour.
    EXPECT_EQ(Twips::zuPixel(22.5), 2);
    EXPECT_EQ(Twips::zuPixel(37.5), 2);
    EXPECT_EQ(Twips::zuPixel(52.5), 4);
    EXPECT_EQ(Twips::zuPixel(1), 0);
    EXPECT_EQ(Twips::zuPixel(6470), 431);
    EXPECT_EQ(Twips::ausPixel(96), 1440);
}
