#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iterator>
#include <memory>

#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "exchange/TYVO_XML_Schnittstelle.h"
#include "exchange/XML_Tools.h"
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

namespace {
void Ereignisse()
{
    for (int i = 0; i < 60; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
// Host data the heating pages design without a message: no dirt separation.
QByteArray Auslegbar()
{
    QByteArray t = Vorlage();
    return t.replace("<Pst>2500</Pst>", "<Pst>1500</Pst>")
        .replace("<Entschlammung_Anlage>1</Entschlammung_Anlage>", "<Entschlammung_Anlage>0</Entschlammung_Anlage>");
}

QString Wert(const QString& pfad)
{
    XML_Tools x;
    if (x.LoadXMLDocument(zustand().TyvoDatei) != 0 || x.GetElementText(pfad) != 0)
        return QStringLiteral("<fehlt>");
    return x.ElementeText();
}

QStringList Körbe()
{
    XML_Tools x;
    QStringList titel;
    if (x.LoadXMLDocument(zustand().TyvoDatei) == 0)
        for (pugi::xml_node k : x.Kontextknoten().child("TYVO_Austauschdaten").children("Warenkorb"))
            titel << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(k.child_value("Warenkorb_Bezug")))
                         .arg(std::distance(k.children("Warenkorbzeile").begin(), k.children("Warenkorbzeile").end()));
    return titel;
}

int Projekte()
{
    datenbank db;
    if (db.OpenTab(zustand().Projekt_Data_Source, QStringLiteral("Select * From ProjekteTabelle"), 3,
                   Kennwort::Projektdatenbank, false)
        != 0)
        return -1;
    int n = 0;
    for (db.MoveFirst(); !db.EmptyTab() && !db.EofTab(); db.MoveNext())
        ++n;
    return n;
}

void Schemagerecht()
{
    QProcess p;
    p.start(QStringLiteral(KELVOR_XMLLINT),
            {QStringLiteral("--noout"), QStringLiteral("--nonet"), QStringLiteral("--schema"),
             QStringLiteral(KELVOR_SOURCE_DIR "/resources/exchange/TyvoAustauschdaten.xsd"), zustand().TyvoDatei});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

}  // namespace

TEST_F(Hoststart, RunThroughTheHeatingPagesEndsWithSuccessResultsAndBaskets)
{
    Starten(1, Auslegbar());
    fenster->show();
    Ereignisse();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/FehlerCode")), QStringLiteral("1"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), QStringLiteral("1"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Programm")), QStringLiteral("Kelvor"));
    // Individual protection: each heat generator has its vessel and safety valve.
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Ergebnisse/WE_Daten_geaendert[2]/SiV_Anzahl")),
              QStringLiteral("1"));
    EXPECT_EQ(Körbe(), (QStringList{QStringLiteral("WE 1 (3)"), QStringLiteral("WE 2 (3)"), QStringLiteral("Verteilung (2)")}));
    Schemagerecht();
    EXPECT_EQ(Projekte(), 0);  // mode 1 keeps nothing
}

TEST_F(Hoststart, PageWithoutSolutionAnswersWithItsReasonAndDeletesTheProjectItMade)
{
    // Mode 2: the project page makes the host's project, page 101 finds the valve too low.
    Starten(2, Vorlage());
    fenster->show();
    Ereignisse();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_TRUE(zustand().TyvoProjektAngelegt);
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), QStringLiteral("-1"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Hinweis")),
              QStringLiteral("Der Ansprechdruck des Sicherheitsventils ist zu gering."));
    EXPECT_EQ(Körbe(), QStringList());
    Schemagerecht();
    fenster.reset();
    EXPECT_EQ(Projekte(), 0);
}

TEST_F(Hoststart, ClosingBeforeTheEndAnswersWithTheAbort)
{
    // Mode 2 stops at the vessel page; the user closes the program there.
    Starten(2, Auslegbar());
    fenster->show();
    Ereignisse();
    ASSERT_TRUE(fenster->isVisible());
    EXPECT_EQ(zustand().Status, 102);
    meldungen.antworten = {MsgAntwort::Ja, MsgAntwort::Ja};
    fenster->close();
    Ereignisse();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), QStringLiteral("-1"));
    EXPECT_TRUE(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Hinweis"))
                    .startsWith(QStringLiteral("Abbruch des Kelvor Programms durch den Nutzer.")));
    EXPECT_EQ(Körbe(), QStringList());
    Schemagerecht();
    fenster.reset();
    EXPECT_EQ(Projekte(), 1);  // the aborted project stays stored in mode 2
}
