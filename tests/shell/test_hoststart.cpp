#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "exchange/TYVO_XML_Schnittstelle.h"
#include "shell/forms/MDIForm1.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

namespace {

// The main window's start in host mode with the real exchange.
class Hoststart : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MeldungsRecorder meldungen;
    TYVO_XML_Schnittstelle austausch;
    std::unique_ptr<MDIForm1> fenster;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        setzeTyvoAnbindung(&austausch);
    }
    void TearDown() override
    {
        fenster.reset();
        setzeTyvoAnbindung(nullptr);
        zustandZuruecksetzen();
    }
    QByteArray Starten(int modus, const QByteArray& inhalt)
    {
        Programmzustand& z = zustand();
        z.TyvoModus = modus;
        z.TyvoDatei = dir.filePath(QStringLiteral("host.xml"));
        QFile f(z.TyvoDatei);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        fenster = std::make_unique<MDIForm1>(dir.path());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
};

QByteArray Vorlage()
{
    QFile f(QStringLiteral(KELVOR_SOURCE_DIR "/tests/exchange/daten/gueltig.xml"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

TEST_F(Hoststart, ValidFileMakesTheHostProjectCurrent)
{
    const QByteArray inhalt = Vorlage();
    EXPECT_EQ(Starten(2, inhalt), inhalt);
    const Programmzustand& z = zustand();
    EXPECT_EQ(z.AbbruchCode, 0);
    EXPECT_TRUE(z.TyvoVorgabenPrüfen);
    EXPECT_EQ(z.aktProjektnummer, QStringLiteral("P-2026-014"));
    EXPECT_EQ(z.TyvoDaten.Anlageninhalt, 1850);
    EXPECT_EQ(z.TyvoLetzterWE, 2);
}

TEST_F(Hoststart, IncompleteFileEndsWithTheReasonAndIsAnswered)
{
    QByteArray inhalt = Vorlage();
    inhalt.replace("<TRL>50</TRL>", "");
    const QByteArray danach = Starten(1, inhalt);
    const Programmzustand& z = zustand();
    EXPECT_EQ(z.AbbruchCode, 3);
    EXPECT_EQ(z.AbbruchText, QStringLiteral("Invalid Location Path\r\nTYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/"
                                            "MAG_Vorgaben_Allg_Daten/TRL"));
    EXPECT_TRUE(danach.contains("<FehlerCode>-2</FehlerCode>"));
    EXPECT_FALSE(z.TyvoVorgabenPrüfen);
}
}  // namespace
