#include <gtest/gtest.h>

#include "MDIForm1Testzugriff.h"
#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "design/heating/GlobDatenHeizung.h"
#include "projects/forms/KelvorForm3.h"
#include "base/forms/Seitenform.h"
#include "support/Programmordner.h"
#include "support/MeldungsRecorder.h"
#include "support/ModalSchliesser.h"
#include "support/FalscherDialog.h"
#include "base/DruckerSeam.h"
#include "output/schematic/forms/DXFMaker.h"
#include "support/TransferProtokoll.h"
#include "base/DruckerSeam.h"
#include "output/reports/forms/DruckausgabeArt.h"
#include "output/reports/forms/Seitenvorschau.h"
#include <QTimer>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// The host exchange as the tests want it; records every call.
class TyvoAttrappe : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int modus, QString& projektId, QString& fehler) override
    {
        aufrufe << QStringLiteral("lesen %1").arg(modus);
        if (!lesenOk) {
            fehler = fehlertext;
            return false;
        }
        projektId = QStringLiteral("4711");
        // A plausible heating plant, so that the heating pages pass the host's data.
        Programmzustand& z = zustand();
        z.TyvoDaten.Anlageninhalt = 1000;
        z.TyvoDaten.WE_Daten[1].Leistung = 100;
        z.TyvoDaten.WE_Daten[1].Wasserinhalt = 50;
        z.TyvoDaten.TVL = 70;
        z.TyvoDaten.TRL = 50;
        z.TyvoDaten.Pst = 1.5f;
        z.TyvoDaten.Psv = 3.0f;
        z.TyvoDaten.Max_Durchmesser = 600;
        z.TyvoDaten.Max_Hoehe = 1500;
        z.TyvoLetzterWE = 1;
        z.TyvoAnzahlWE = 1;
        return true;
    }
    void RückgabeInXML_AuswahlErfolgreich(int modus) override { aufrufe << QStringLiteral("erfolgreich %1").arg(modus); }
    void RückgabeInXML_AuswahlNutzerabbruch(int modus) override { aufrufe << QStringLiteral("abbruch %1").arg(modus); }

    bool lesenOk = true;
    QString fehlertext;
    QStringList aufrufe;
};

// Answers message boxes and notes the shown state of the bottom buttons at that moment.
class ButtonBeobachter : public MessagePresenter {
public:
    explicit ButtonBeobachter(MDIForm1& f) : m_f(f) { setzeMessagePresenter(this); }
    ~ButtonBeobachter() override { setzeMessagePresenter(nullptr); }
    int zeige(const MeldungsBox& box) override
    {
        boxen << box;
        sichtbar << QStringLiteral("%1%2%3").arg(m_f.istExitSichtbar()).arg(m_f.istZurückSichtbar())
                        .arg(m_f.istWeiterSichtbar());
        return MsgAntwort::OK;
    }
    QList<MeldungsBox> boxen;
    QStringList sichtbar;

private:
    MDIForm1& m_f;
};

void Ereignisse()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

const QString Schliessfrage = QStringLiteral("Soll das Projekt wirklich beendet werden ?");
const QString HostFrage = QStringLiteral("Soll das Programm abgebrochen werden?\r\n\r\n"
                                         "Die Auslegung des Ausdehnungsgefäßes ist noch nicht abgeschlossen");
const int FrageStil = MsgStil::JaNein | MsgStil::Frage | MsgStil::ZweiteTasteStandard;

class HauptfensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        setzeTyvoAnbindung(&tyvo);
    }
    void TearDown() override
    {
        fenster.reset();
        setzeTyvoAnbindung(nullptr);
    }
    MDIForm1& Laden(int tyvoModus = 0)
    {
        zustand().TyvoModus = tyvoModus;
        fenster = std::make_unique<MDIForm1>(dir.path());
        return *fenster;
    }
    // Loaded, shown, and the start page has finished its check.
    MDIForm1& Bereit(int tyvoModus = 0)
    {
        MDIForm1& f = Laden(tyvoModus);
        f.show();
        Ereignisse();
        recorder.leeren();
        return f;
    }
    // A heating project in the project database that the start page made.
    static void EinProjekt()
    {
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mdi_projekt"));
            d.setDatabaseName(zustand().Projekt_Data_Source);
            ASSERT_TRUE(d.open());
            QSqlQuery q(d);
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO ProjekteTabelle ([Projekt Nr], Projektart, Projektbezeichnung) "
                                              "VALUES ('1', 'He', 'Schule')")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("mdi_projekt"));
    }
    static QString Buttons(const MDIForm1& f)
    {
        auto an = [&f](QToolButton* b) { return b->isVisibleTo(f.LeisteuntenPicture) ? '1' : '0'; };
        return QString() + an(f.ExitCommand) + an(f.ZurückCommand) + an(f.WeiterCommand);
    }
    static QStringList SichtbareMenues(const MDIForm1& f)
    {
        QStringList aus;
        for (QAction* a : f.menuBar()->actions())
            if (a->isVisible())
                aus << a->text();
        return aus;
    }

    QTemporaryDir dir;
    MeldungsRecorder recorder;
    TyvoAttrappe tyvo;
    std::unique_ptr<MDIForm1> fenster;
};

}  // namespace

TEST_F(HauptfensterTest, StateAfterLoad)
{
    QDir(dir.path()).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(dir.path()));
    MDIForm1& f = Laden();
    const Programmzustand& z = zustand();

    EXPECT_EQ(MDIForm1::Instanz(), &f);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Kelvor Berechnungsprogramm"));
    EXPECT_EQ(z.Datenpfad, dir.path());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Daten"))).isDir());  // created when missing
    EXPECT_EQ(z.Artikel_Data_Source, dir.filePath(QStringLiteral("Daten/Artikeld.db")));
    EXPECT_EQ(z.Projekt_Data_Source, dir.filePath(QStringLiteral("Daten/Projektverwaltung.db")));
    EXPECT_EQ(z.Status, 1);
    EXPECT_EQ(z.vorStatus, 0);
    EXPECT_EQ(f.StatusPanelText(4), QStringLiteral("1"));
    EXPECT_EQ(Buttons(f), QStringLiteral("100"));
    EXPECT_FALSE(f.TyvoButton->isVisibleTo(f.LeisteuntenPicture));
    for (QMenu* m : {f.Mprojekte, f.Mberechnungen, f.MAusgabe, f.MOptionen, f.MInformationen, f.MFragezeichen})
        EXPECT_FALSE(m->menuAction()->isEnabled()) << m->objectName().toStdString();
    EXPECT_FALSE(f.MSprache->menuAction()->isVisible());
    EXPECT_FALSE(f.MLänderversion->menuAction()->isVisible());
    EXPECT_EQ(z.aktProjektnummer, QStringLiteral(" "));
    EXPECT_EQ(z.Projektart, QStringLiteral(" "));
    EXPECT_EQ(z.ProjektartNeuanlage, QStringLiteral("He"));
    EXPECT_EQ(z.aktSortierung, QStringLiteral("1 - Projektnummer"));
    EXPECT_EQ(z.sortierungProjektDatum, QStringLiteral("5 - Datum"));
    EXPECT_TRUE(z.BeendenAbfragen);
    EXPECT_FALSE(z.Automatiklauf);
    EXPECT_FALSE(z.ProjektNichtSpeichern);
    EXPECT_EQ(f.minimumSize(), QSize(160, 170));
    EXPECT_EQ(f.maximumSize(), QSize(747, 580));
    EXPECT_EQ(f.size(), QSize(747, 580));
    // No article database in the new folder: one database message, the fallbacks stay.
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].art, Meldungsart::Datenbankfehler);
    EXPECT_EQ(z.Währungskürzel, QStringLiteral(" "));
    EXPECT_EQ(z.Mehrwertsteuersatz, 0.0);

    // The start page enables the menus and Weiter once it has been shown.
    f.show();
    Ereignisse();
    EXPECT_EQ(Buttons(f), QStringLiteral("101"));
    for (QMenu* m : {f.Mprojekte, f.Mberechnungen, f.MAusgabe, f.MOptionen, f.MInformationen, f.MFragezeichen})
        EXPECT_TRUE(m->menuAction()->isEnabled()) << m->objectName().toStdString();
    fenster.reset();
    EXPECT_EQ(MDIForm1::Instanz(), nullptr);
}

TEST_F(HauptfensterTest, CurrencyFromArticleDatabase)
{
    Laden();
    EXPECT_EQ(zustand().Währungskürzel, QStringLiteral("EUR"));
    EXPECT_EQ(zustand().Mehrwertsteuersatz, 19.0);
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(HauptfensterTest, ShownWindowRendersCaptionMenusStatusBarAndButtons)
{
    MDIForm1& f = Bereit();
    const QImage bild = f.grab().toImage();
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size() / bild.devicePixelRatio(), f.size());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Kelvor Berechnungsprogramm"));

    EXPECT_EQ(SichtbareMenues(f), (QStringList{QStringLiteral("&Projekte"), QStringLiteral("Be&rechnungen"),
                                               QStringLiteral("&Ausgabe"), QStringLiteral("&Optionen"),
                                               QStringLiteral("&Informationen"), QStringLiteral("&?")}));
    EXPECT_TRUE(f.menuBar()->isVisible());
    // The menu bar strip is drawn with its texts: more than one colour in it.
    const QImage leiste = bild.copy(f.menuBar()->geometry().topLeft().x() * bild.devicePixelRatio(),
                                    f.menuBar()->geometry().top() * bild.devicePixelRatio(),
                                    f.menuBar()->width() * bild.devicePixelRatio(),
                                    f.menuBar()->height() * bild.devicePixelRatio());
    const QRgb erste = leiste.pixel(0, 0);
    bool mehrfarbig = false;
    for (int y = 0; y < leiste.height() && !mehrfarbig; ++y)
        for (int x = 0; x < leiste.width() && !mehrfarbig; ++x)
            mehrfarbig = leiste.pixel(x, y) != erste;
    EXPECT_TRUE(mehrfarbig);

    EXPECT_TRUE(f.StatusBar1->isVisible());
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(f.StatusPanel(i)->isVisible()) << i;
    EXPECT_EQ(f.StatusPanelText(4), QStringLiteral("1"));
    EXPECT_TRUE(f.ExitCommand->isVisible());
    EXPECT_TRUE(f.WeiterCommand->isVisible());
    EXPECT_FALSE(f.ZurückCommand->isVisible());
    EXPECT_EQ(f.ExitCommand->toolTip(), QStringLiteral("Programm beenden"));
    EXPECT_EQ(f.ZurückCommand->toolTip(), QStringLiteral("...zurück"));
    EXPECT_EQ(f.WeiterCommand->toolTip(), QStringLiteral("weiter..."));
    EXPECT_EQ(f.TyvoButton->toolTip(), QStringLiteral("Rücksprung zum Programm Tyvo"));
    // Weiter keeps a margin of 120 twips to the right end of the bar.
    EXPECT_EQ(f.WeiterCommand->geometry().right() + 1, f.LeisteuntenPicture->width() - 8);
}

TEST_F(HauptfensterTest, MenuCaptions)
{
    MDIForm1& f = Laden();
    const std::pair<QAction*, const char*> punkte[] = {
        {f.MListe, "&Liste"}, {f.Manlegen, "&Anlegen"}, {f.Mkopieren, "&Kopieren"}, {f.Mverändern, "&Verändern"},
        {f.Msichern, "&Sichern"}, {f.Meinlesen, "&Einlesen"}, {f.Mlöschen, "&Löschen"},
        {f.MDatenpflege->menuAction(), "&Datenpflege"}, {f.MLesenArtDaten, "Neue &Stammdaten einlesen"},
        {f.MRepairProjektDatenbank, "Datenbank &komprimieren und reparieren"}, {f.Mbeenden, "Programm &Beenden"},
        {f.Mheizungsanlagen, "&Heizungsanlagen"}, {f.Msolaranlagen, "&Solaranlagen"},
        {f.Mkühlundkälte, "&Kühl-, und Kälteanlagen"}, {f.Mdruckerhöhungsanlagen, "&Druckerhöhungsanlagen"},
        {f.Mtrinkwassererwärmung, "&Trinkwassererwärmung"}, {f.Mspeicherwassererwärmer, "Speicher-&Wassererwärmer"},
        {f.Mergebnissezeigen, "&Ergebnisse zeigen"}, {f.Mkurztextdrucken, "&Kurztext drucken"},
        {f.Mlangtextdrucken, "&Langtext drucken"},
        {f.MausschreibungstexteinZwischenablage, "Ausschreibungstexte in &Zwischenablage"},
        {f.MAusgabeGEAEB1990, "Ausgabe &GEAB 1990"}, {f.Mschaltschemazeigen, "&Schaltschema zeigen"},
        {f.Mschaltschemadrucken, "Schaltschema &drucken"}, {f.MinDXF, "Schaltschema in D&XF-Datei"},
        {f.MandereProjektnummer, "Andere Projekt-&Nummer"}, {f.Mkundenanschrift, "&Kundenanschrift"},
        {f.MDruckereinstellungen, "&Druckereinstellungen"}, {f.Mwirüberuns, "&Wir über uns"},
        {f.Mprodukte, "&Produkte"}, {f.MVertreter, "&Außendienstmitarbeiter"}, {f.MServicepartner, "&Servicepartner"},
        {f.MSprache->menuAction(), "Sprache"}, {f.MSpracheDeutsch, "Deutsch"}, {f.MSpracheEnglisch, "Englisch"},
        {f.MSpracheFranzösisch, "Französisch"}, {f.MSpracheNiederländisch, "Niederländisch"},
        {f.MAnsprechpartner, "&Ansprechpartner"}, {f.MHilfeassistent, "&Hilfe-Assistent..."}, {f.MInfo, "Inf&o..."},
        {f.MLänderversion->menuAction(), "Länderversion"}, {f.MVersionExport, "Export"},
    };
    for (const auto& [aktion, text] : punkte)
        EXPECT_EQ(aktion->text(), QString::fromUtf8(text)) << aktion->objectName().toStdString();
    // Order of the project menu, separators included.
    QStringList namen;
    for (QAction* a : f.Mprojekte->actions())
        namen << (a->menu() ? a->menu()->objectName() : a->objectName());
    EXPECT_EQ(namen.join(QLatin1Char(' ')),
              QStringLiteral("MListe Manlegen Mkopieren Mveraendern Msichern Meinlesen Mloeschen MstrichE "
                             "MDatenpflege MstrichZ Mbeenden"));
}

TEST_F(HauptfensterTest, MenuItemsByStatus)
{
    MDIForm1& f = Bereit();
    // Items whose state depends on the status: enabled at 1, 2, 3, 100.
    struct Zeile { QAction* a; const char* erwartet; };
    const Zeile zeilen[] = {
        {f.MListe, "1110"}, {f.Manlegen, "1110"}, {f.Mverändern, "1110"}, {f.Msichern, "1110"},
        {f.Mlöschen, "1110"}, {f.Meinlesen, "1100"}, {f.MDatenpflege->menuAction(), "1100"},
        {f.Mkopieren, "0010"}, {f.Mheizungsanlagen, "1110"}, {f.Mspeicherwassererwärmer, "1110"},
        {f.Mergebnissezeigen, "0010"}, {f.MinDXF, "0010"}, {f.MandereProjektnummer, "0000"},
        {f.Mbeenden, "1111"}, {f.Mkundenanschrift, "1111"}, {f.MDruckereinstellungen, "1111"},
        {f.Mwirüberuns, "1111"}, {f.MVertreter, "1111"}, {f.MServicepartner, "1111"}, {f.MInfo, "1111"},
        {f.Mprodukte, "0000"},
    };
    const int statusse[] = {1, 2, 3, 100};
    for (int i = 0; i < 4; ++i) {
        MDIForm1Testzugriff::MenuepunkteNachStatus(f, statusse[i]);
        for (const Zeile& z : zeilen)
            EXPECT_EQ(z.a->isEnabled(), z.erwartet[i] == '1')
                << z.a->objectName().toStdString() << " @ " << statusse[i];
        EXPECT_FALSE(f.Mprodukte->isVisible());
        EXPECT_FALSE(f.MHilfeassistent->isVisible());
        EXPECT_TRUE(f.MRepairProjektDatenbank->isVisible());
        EXPECT_TRUE(f.MVertreter->isVisible());
    }
}

TEST_F(HauptfensterTest, HostModesHideMenusAndStartTheAutomaticRun)
{
    struct Fall { int modus; QStringList menues; bool nichtSpeichern; };
    const Fall faelle[] = {
        {1, {QStringLiteral("&?")}, true},
        {2, {QStringLiteral("&Ausgabe"), QStringLiteral("&Optionen"), QStringLiteral("&Informationen"),
             QStringLiteral("&?")}, false},
    };
    for (const Fall& fall : faelle) {
        zustandZuruecksetzen();
        tyvo.aufrufe.clear();
        MDIForm1& f = Laden(fall.modus);
        EXPECT_EQ(SichtbareMenues(f), fall.menues) << fall.modus;
        EXPECT_EQ(tyvo.aufrufe, QStringList{QStringLiteral("lesen %1").arg(fall.modus)});
        EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("4711"));
        EXPECT_TRUE(zustand().TyvoVorgabenPrüfen);
        EXPECT_TRUE(zustand().Automatiklauf);
        EXPECT_EQ(zustand().ProjektNichtSpeichern, fall.nichtSpeichern);
        EXPECT_FALSE(zustand().Meldungsflag);
        EXPECT_TRUE(MDIForm1Testzugriff::TyvoErsterAufruf(f));
        // Nothing shows the menus again.
        MDIForm1Testzugriff::MenuepunkteNachStatus(f, 3);
        f.FreigebenMenue();
        EXPECT_EQ(SichtbareMenues(f), fall.menues) << fall.modus;
    }
}

TEST_F(HauptfensterTest, UnreadableExchangeFileEndsWithItsMessage)
{
    tyvo.lesenOk = false;
    tyvo.fehlertext = QStringLiteral("Austauschdatei nicht lesbar");
    MDIForm1& f = Laden(1);
    EXPECT_EQ(zustand().AbbruchCode, 3);
    EXPECT_EQ(f.StatusPanelText(4), QString());  // no status was set up
    recorder.leeren();
    f.show();
    Ereignisse();
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("Austauschdatei nicht lesbar"));
    EXPECT_EQ(recorder.boxen[0].titel, QStringLiteral("Achtung!"));
    EXPECT_EQ(recorder.boxen[0].stil, MsgStil::OK | MsgStil::Stop);
    EXPECT_EQ(tyvo.aufrufe, QStringList{QStringLiteral("lesen 1")});  // no further answer
}

TEST_F(HauptfensterTest, ForcedEndWithoutTextShowsNothing)
{
    MDIForm1& f = Bereit();
    zustand().AbbruchCode = 1;
    f.Entladen();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(HauptfensterTest, ExitAsksAndEndsOnYes)
{
    MDIForm1& f = Bereit();
    recorder.antworten = {MsgAntwort::Nein};
    f.ExitCommand->click();
    EXPECT_TRUE(f.isVisible());
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, Schliessfrage);
    EXPECT_EQ(recorder.boxen[0].titel, QStringLiteral("Achtung!"));
    EXPECT_EQ(recorder.boxen[0].stil, FrageStil);
    EXPECT_EQ(zustand().Status, 1);

    recorder.leeren();
    recorder.antworten = {MsgAntwort::Ja};
    f.Mbeenden->trigger();
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, Schliessfrage);
    EXPECT_TRUE(tyvo.aufrufe.isEmpty());
}

TEST_F(HauptfensterTest, ClosingInHostMode)
{
    // Weg: 0 Exit button, 1 menu item, 2 close box.
    struct Fall { int modus; bool abgeschlossen; int weg; bool fragt; const char* antwort; };
    const Fall faelle[] = {
        {2, false, 0, true, "abbruch 2"},
        {1, false, 2, true, "abbruch 1"},
        {2, true, 0, false, "erfolgreich 2"},
        {2, true, 2, false, "erfolgreich 2"},
        {2, true, 1, true, "erfolgreich 2"},  // the menu item skips the host check
    };
    for (const Fall& fall : faelle) {
        zustandZuruecksetzen();
        MDIForm1& f = Bereit(fall.modus);
        tyvo.aufrufe.clear();
        zustand().Status = 3;
        MDIForm1Testzugriff::SetzeHeizungAbgeschlossen(f, fall.abgeschlossen);
        if (fall.weg == 0)
            f.ExitCommand->click();
        else if (fall.weg == 1)
            f.Mbeenden->trigger();
        else
            f.close();
        EXPECT_FALSE(f.isVisible());
        ASSERT_EQ(recorder.boxen.size(), fall.fragt ? 1 : 0) << fall.modus << fall.weg;
        if (fall.fragt) {
            EXPECT_EQ(recorder.boxen[0].text, HostFrage);
            EXPECT_EQ(recorder.boxen[0].stil, FrageStil);
        }
        EXPECT_EQ(tyvo.aufrufe, QStringList{QString::fromUtf8(fall.antwort)}) << fall.modus << fall.weg;
    }
    // No in host mode: nothing is answered.
    zustandZuruecksetzen();
    MDIForm1& f = Bereit(2);
    tyvo.aufrufe.clear();
    recorder.antworten = {MsgAntwort::Nein};
    f.ExitCommand->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(tyvo.aufrufe.isEmpty());
}

TEST_F(HauptfensterTest, AltShortcutsFollowTheShownButtons)
{
    MDIForm1& f = Bereit();
    QTest::keyClick(&f, Qt::Key_Left, Qt::AltModifier);  // Zurück hidden on the start page
    EXPECT_EQ(zustand().Status, 1);
    QTest::keyClick(&f, Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(&f, Qt::Key_Right, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(&f, Qt::Key_Right);
    EXPECT_EQ(zustand().Status, 1);
    QTest::keyClick(&f, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(zustand().Status, 2);
    EXPECT_EQ(f.StatusPanelText(4), QStringLiteral("2"));
    QTest::keyClick(&f, Qt::Key_Right, Qt::AltModifier);  // system-type choice shows no Weiter
    EXPECT_EQ(zustand().Status, 2);

    // From a text box of a page: the key reaches the main window.
    auto* seite = new QWidget;
    auto* eingabe = new QLineEdit(seite);
    f.ZeigeSeite(seite);
    f.Kommando(1, 1, 0);
    QTest::keyClick(eingabe, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(zustand().Status, 1);

    f.Kommando(0, 0, 0);
    QTest::keyClick(&f, Qt::Key_F10, Qt::AltModifier);
    EXPECT_TRUE(recorder.boxen.isEmpty());
    f.Kommando(1, 0, 0);
    recorder.antworten = {MsgAntwort::Nein};
    QTest::keyClick(&f, Qt::Key_F10, Qt::AltModifier);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, Schliessfrage);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(HauptfensterTest, CommandButtonsSaveAndRestore)
{
    MDIForm1& f = Bereit();
    f.Kommando(1, 2, 0);
    EXPECT_EQ(Buttons(f), QStringLiteral("100"));
    EXPECT_TRUE(f.istExitSichtbar());
    EXPECT_FALSE(f.istZurückSichtbar());

    f.Kommando(1, 1, 1);
    f.ResetVisibleKommandoButtons(0, 1, 0);
    EXPECT_EQ(Buttons(f), QStringLiteral("101"));
    EXPECT_FALSE(f.istZurückSichtbar());
    EXPECT_TRUE(f.istWeiterSichtbar());

    QString imDialog;
    bool flagsImDialog = true;
    f.ZeigeModal([&] {
        imDialog = Buttons(f);
        flagsImDialog = f.istExitSichtbar() || f.istZurückSichtbar() || f.istWeiterSichtbar();
    });
    EXPECT_EQ(imDialog, QStringLiteral("000"));
    EXPECT_FALSE(flagsImDialog);
    EXPECT_EQ(Buttons(f), QStringLiteral("101"));
    EXPECT_TRUE(f.istExitSichtbar());
    EXPECT_TRUE(f.istWeiterSichtbar());

    // One saved copy only: a second save overwrites the first.
    f.SaveKommandoButtons();
    f.Kommando(0, 0, 0);
    f.SaveKommandoButtons();
    f.Kommando(1, 1, 1);
    f.LoadKommandoButtons();
    EXPECT_EQ(Buttons(f), QStringLiteral("000"));
}

TEST_F(HauptfensterTest, DialogItemsRunInTheModalFrame)
{
    BaueProjektdatenbank(dir.filePath(QStringLiteral("Daten/Projektverwaltung.db")));
    MDIForm1& f = Bereit();
    ButtonBeobachter beobachter(f);
    ModalSchliesser schliesser([&](QWidget*) { beobachter.sichtbar << Buttons(f); });
    f.Mkundenanschrift->trigger();
    f.MInfo->trigger();
    f.MServicepartner->trigger();
    f.MVertreter->trigger();
    f.Mwirüberuns->trigger();  // shown without the frame
    EXPECT_EQ(schliesser.geöffnet,
              (QStringList{QStringLiteral("NutzerStammdaten"), QStringLiteral("frmAbout"), QStringLiteral("Servicepart"),
                           QStringLiteral("Vertreter"), QStringLiteral("UeberUnsSchau")}));
    EXPECT_EQ(beobachter.sichtbar, (QStringList{QStringLiteral("000"), QStringLiteral("000"), QStringLiteral("000"),
                                                QStringLiteral("000"), QStringLiteral("101")}));
    EXPECT_EQ(Buttons(f), QStringLiteral("101"));
    EXPECT_TRUE(beobachter.boxen.isEmpty());
}

TEST_F(HauptfensterTest, EveryOfferedItemDoesSomething)
{
    BaueProjektdatenbank(dir.filePath(QStringLiteral("Daten/Projektverwaltung.db")));
    MDIForm1& f = Bereit();
    ModalSchliesser schliesser;
    EinProjekt();
    f.Mheizungsanlagen->trigger();  // project page: every item is enabled somewhere from here
    ASSERT_EQ(zustand().Status, 3);
    Ereignisse();
    auto* seite = dynamic_cast<KelvorForm3*>(f.fenster(3));
    ASSERT_NE(seite, nullptr);
    // These work on the project page without a message.
    using Z = Projektseite::Eingabezustand;
    const QList<QPair<QAction*, Z>> aufDerSeite{
        {f.Manlegen, Z::Nummerneingabe}, {f.Mkopieren, Z::Nummerneingabe}, {f.Mverändern, Z::Verändern}};
    QList<QAction*> punkte;
    for (QMenu* m : f.findChildren<QMenu*>())
        for (QAction* a : m->actions())
            if (!a->isSeparator() && !a->menu() && a->isVisible() && m->menuAction()->isVisible())
                punkte << a;
    // The printer set-up goes through the printer seam.
    PdfDrucker einrichtung(dir.filePath(QStringLiteral("einrichtung.pdf")));
    setzeDrucker(&einrichtung);
    int geprueft = 0;
    for (QAction* a : punkte) {
        if (a == f.Mbeenden || f.Mberechnungen->actions().contains(a))
            continue;
        MDIForm1Testzugriff::MenuepunkteNachStatus(f, a == f.Meinlesen || a->parent() == f.MDatenpflege ? 1 : 3);
        if (!a->isEnabled())
            continue;
        recorder.leeren();
        schliesser.geöffnet.clear();
        a->trigger();
        const auto seitenpunkt = std::find_if(aufDerSeite.begin(), aufDerSeite.end(),
                                              [a](const auto& p) { return p.first == a; });
        if (seitenpunkt != aufDerSeite.end()) {
            EXPECT_EQ(seite->logik().zustandDerEingaben(), seitenpunkt->second) << a->objectName().toStdString();
            EXPECT_TRUE(recorder.boxen.isEmpty() && schliesser.geöffnet.isEmpty()) << a->objectName().toStdString();
        } else if (a == f.MDruckereinstellungen) {
            EXPECT_EQ(einrichtung.einrichtungen, 1);
        } else {
            // A message, or a dialog (which the closer ends).
            EXPECT_EQ(recorder.boxen.size() + schliesser.geöffnet.size(), 1) << a->objectName().toStdString();
        }
        ++geprueft;
    }
    setzeDrucker(nullptr);
    EXPECT_EQ(geprueft, 23);
}

TEST_F(HauptfensterTest, WalkOverTheFirstPagesAndCalculationItems)
{
    MDIForm1& f = Bereit();
    EinProjekt();
    f.WeiterCommand->click();
    EXPECT_EQ(zustand().Status, 2);
    EXPECT_EQ(Buttons(f), QStringLiteral("100"));
    EXPECT_TRUE(f.Meinlesen->isEnabled());
    // The system-type choice leads on by its own button.
    QPushButton* wahl = f.Clientbereich()->findChild<QPushButton*>();
    ASSERT_NE(wahl, nullptr);
    wahl->click();
    Ereignisse();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(zustand().vorStatus, 2);
    EXPECT_EQ(Buttons(f), QStringLiteral("111"));
    EXPECT_FALSE(f.Meinlesen->isEnabled());
    EXPECT_TRUE(f.Mkopieren->isEnabled());
    EXPECT_EQ(f.StatusPanelText(4), QStringLiteral("3"));
    f.InfoLabel->setText(QStringLiteral("Hinweis"));
    f.ZurückCommand->click();
    EXPECT_EQ(zustand().Status, 2);
    EXPECT_EQ(f.InfoLabel->text(), QString());  // every page switch clears the hint
    f.seitenmanager(2);
    f.seitenmanager(2);
    EXPECT_EQ(zustand().Status, 0);
    EXPECT_EQ(f.StatusPanelText(4), QStringLiteral("0"));
    EXPECT_EQ(Buttons(f), QStringLiteral("100"));
    Ereignisse();
    EXPECT_TRUE(f.Clientbereich()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());

    // A calculation item from the start page: the project page for a new project of that type.
    zustandZuruecksetzen();
    MDIForm1& g = Bereit();
    g.Mkühlundkälte->trigger();
    EXPECT_EQ(zustand().ProjektartNeuanlage, QStringLiteral("Kü"));
    // No cooling project: the first project of the list is current.
    EXPECT_EQ(zustand().Projektart, QStringLiteral("He"));
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("1"));
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(zustand().vorStatus, 0);  // outside the page walk
    EXPECT_EQ(g.StatusPanelText(4), QStringLiteral("3"));
    EXPECT_EQ(Buttons(g), QStringLiteral("111"));
    Ereignisse();
    const auto seiten = g.Clientbereich()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(seiten.size(), 1);
    EXPECT_EQ(seiten[0], g.fenster(3));
    EXPECT_EQ(seiten[0]->pos(), QPoint(0, 0));
}

TEST_F(HauptfensterTest, StatusBarWidthsAndAutomaticRun)
{
    MDIForm1& f = Bereit();
    auto breiten = [&f] {
        QList<int> b;
        for (int i = 1; i <= 4; ++i)
            b << f.StatusPanel(i)->maximumWidth();
        return b;
    };
    const QList<int> normal{431, 96, 96, 96};
    const QList<int> zu{0, 0, 0, 0};
    EXPECT_EQ(breiten(), normal);
    f.StatusBarAktiv(1);
    EXPECT_EQ(breiten(), zu);
    f.StatusBarAktiv(-1);
    f.StatusBarAktiv(0);
    EXPECT_EQ(breiten(), zu);
    f.StatusBarAktiv(-1);
    EXPECT_EQ(breiten(), normal);

    // Normal mode: the switches only restore the status bar.
    f.StatusBarAktiv(0);
    EXPECT_FALSE(f.FormUnsichtbarErforderlichUndMöglich());
    EXPECT_EQ(breiten(), normal);
    f.AutomatischerBilderwechselWennErforderlich();
    EXPECT_EQ(zustand().Status, 1);

    // Automatic run: hides and steps until a message was shown.
    zustand().Automatiklauf = true;
    EXPECT_TRUE(f.FormUnsichtbarErforderlichUndMöglich());
    f.AutomatischerBilderwechselWennErforderlich();
    EXPECT_EQ(zustand().Status, 2);
    EXPECT_EQ(breiten(), zu);
    Meldung(Meldungsart::Information, QStringLiteral("Hinweis"));
    EXPECT_FALSE(f.FormUnsichtbarErforderlichUndMöglich());
    EXPECT_EQ(breiten(), normal);
    f.AutomatischerBilderwechselWennErforderlich();
    EXPECT_EQ(zustand().Status, 2);
    // Weiter clears the message flag: the run goes on.
    f.seitenmanager(1);
    EXPECT_FALSE(zustand().Meldungsflag);
    EXPECT_TRUE(f.FormUnsichtbarErforderlichUndMöglich());
}

TEST_F(HauptfensterTest, SortChoiceKeepsItsPlaceWhenTextsAreSetAgain)
{
    MDIForm1& f = Laden();
    zustand().aktSortierung = zustand().sortierungProjektart;
    MDIForm1Testzugriff::SpracheEinstellen(f);
    EXPECT_EQ(zustand().aktSortierung, QStringLiteral("2 - Projektart"));
    zustand().aktSortierung = QStringLiteral("7 - unbekannt");
    MDIForm1Testzugriff::SpracheEinstellen(f);
    EXPECT_EQ(zustand().aktSortierung, QStringLiteral("1 - Projektnummer"));
    EXPECT_EQ(zustand().Sprachoffset, 0);
    EXPECT_EQ(zustand().Länderoffset, 0);
}

TEST_F(HauptfensterTest, PageRefusingToCloseKeepsTheProgramOpen)
{
    class BeschaeftigteSeite : public QWidget {
    protected:
        void closeEvent(QCloseEvent* e) override { e->ignore(); }
    };
    MDIForm1& f = Bereit();
    f.ZeigeSeite(new BeschaeftigteSeite);
    f.Entladen();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(recorder.boxen.size(), 1);
}

TEST_F(HauptfensterTest, SchematicItemsBuildTheOrderFileFirst)
{
    MDIForm1& f = Bereit();
    EinProjekt();
    f.Mheizungsanlagen->trigger();
    ASSERT_EQ(zustand().Projektart, QStringLiteral("He"));
    ASSERT_EQ(zustand().aktProjektnummer, QStringLiteral("1"));
    const QString order = dir.filePath(QStringLiteral("DxfOrder.tmp"));

    recorder.leeren();
    f.Mschaltschemazeigen->trigger();  // not designed yet: its message only
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(recorder.boxen[0].text, LadeText(2206));
    EXPECT_FALSE(QFile::exists(order));

    {
        GlobDatenHeizung h;
        ASSERT_EQ(h.Init(), 0);
        h.schreibe(QStringLiteral("m_Leist_ges"), 90.0);
        h.schreibe(QStringLiteral("m_GefaessGruppe"), 1);
        h.schreibe(QStringLiteral("m_GefaessAnzahl"), 2);
        h.schreibe(QStringLiteral("m_IstBerechnet"), true);
        h.schreibe(QStringLiteral("m_IstAusgelegt"), true);
    }
    // The schematic window comes up over the main window; a user closes it after the run.
    QDir().mkpath(dir.filePath(QStringLiteral("DXF")));
    const QDir symbole(QStringLiteral(KELVOR_SOURCE_DIR "/resources/dxf"));
    for (const QString& n : symbole.entryList({QStringLiteral("*.dxf")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(symbole.filePath(n), dir.filePath(QStringLiteral("DXF/") + n)));
    FalscherDialog speichern;
    speichern.antwort = dir.filePath(QStringLiteral("Kopie.dxf"));
    PdfDrucker pdf(dir.filePath(QStringLiteral("druck.pdf")));
    setzeDrucker(&pdf);
    QList<DXFMaker*> fenster;
    QStringList waehrendDesLaufs;
    ModalSchliesser schliesser([&](QWidget* w) {
        auto* m = qobject_cast<DXFMaker*>(w);
        if (!m)
            return;
        fenster << m;
        // Posted twice, so that it comes while the run lets the events through.
        QTimer::singleShot(0, m, [&, m] {
            QTimer::singleShot(0, m, [&, m] {
                QStringList z{m->Beschäftigt() ? "beschäftigt" : "frei"};
                m->close();
                z << (m->isVisible() ? "bleibt offen" : "geschlossen");
                f.Mschaltschemazeigen->trigger();
                z << QString::number(fenster.size());
                waehrendDesLaufs << z.join(u' ');
            });
        });
    });

    recorder.leeren();
    f.Mschaltschemazeigen->trigger();
    EXPECT_TRUE(recorder.boxen.isEmpty()) << recorder.boxen.value(0).text.toStdString();
    ASSERT_EQ(fenster.size(), 1);
    EXPECT_EQ(waehrendDesLaufs, QStringList{"beschäftigt bleibt offen 1"});
    QFile datei(order);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    EXPECT_TRUE(inhalt.startsWith("[ORDER]\r\n1=1\r\n2=Schule\r\n3="));
    EXPECT_TRUE(inhalt.contains("\r\n1\tKessel.dxf\t90 kW\t\r\n"));
    EXPECT_TRUE(inhalt.endsWith("[ENDE]\r\n"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("DXFtemp0.tmp"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("DXFneu.dxf"))));
    EXPECT_EQ(pdf.aufträge, 0);

    f.Mschaltschemadrucken->trigger();
    EXPECT_TRUE(recorder.boxen.isEmpty()) << recorder.boxen.value(0).text.toStdString();
    EXPECT_EQ(pdf.aufträge, 1);
    QFile gedruckt(dir.filePath(QStringLiteral("druck.pdf")));
    ASSERT_TRUE(gedruckt.open(QIODevice::ReadOnly));
    const QByteArray seiten = gedruckt.readAll();
    EXPECT_EQ(seiten.count("/Type /Page\n"), 1);
    EXPECT_TRUE(seiten.contains("/MediaBox [0 0 842.000000 595.000000]"));
    setzeDrucker(nullptr);

    f.MinDXF->trigger();
    EXPECT_TRUE(recorder.boxen.isEmpty()) << recorder.boxen.value(0).text.toStdString();
    ASSERT_EQ(speichern.anfragen.size(), 1);
    EXPECT_EQ(speichern.anfragen[0].dateiname, QStringLiteral("Projekt1"));
    QFile neu(dir.filePath(QStringLiteral("DXFneu.dxf")));
    QFile kopie(dir.filePath(QStringLiteral("Kopie.dxf")));
    ASSERT_TRUE(neu.open(QIODevice::ReadOnly));
    ASSERT_TRUE(kopie.open(QIODevice::ReadOnly));
    EXPECT_EQ(kopie.readAll(), neu.readAll());

    EXPECT_EQ(fenster.size(), 3);
    EXPECT_EQ(waehrendDesLaufs.size(), 3);
    EXPECT_EQ(waehrendDesLaufs.filter(QStringLiteral("beschäftigt bleibt offen")).size(), 3);
}

// Answers the report's dialogs as a user would: the price choice with one button, the preview
// with its right button.
class Berichtsdialoge : public QObject {
public:
    explicit Berichtsdialoge(int preisknopf) : m_knopf(preisknopf) { qApp->installEventFilter(this); }
    ~Berichtsdialoge() override { qApp->removeEventFilter(this); }
    QStringList geöffnet;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show)
            return false;
        if (auto* d = qobject_cast<DruckausgabeArt*>(o)) {
            geöffnet << d->objectName();
            QTimer::singleShot(0, d, [d, k = m_knopf] { d->Preisanzeige[static_cast<size_t>(k)]->click(); });
        } else if (auto* v = qobject_cast<Seitenvorschau*>(o)) {
            geöffnet << v->objectName() + QLatin1Char(':') + v->Command2->text();
            QTimer::singleShot(0, v, [v] { v->Command2->click(); });
        }
        return false;
    }

private:
    int m_knopf;
};

class Ablage : public Zwischenablage {
public:
    void leeren() override { text.clear(); }
    void setzeText(const QString& t) override { text = t; ++gesetzt; }
    QString text;
    int gesetzt = 0;
};

// A project of a type that has no report: the five report items do nothing and say nothing.
TEST_F(HauptfensterTest, ReportItemsStopSilentlyForATypeWithoutReport)
{
    MDIForm1& f = Bereit();
    EinProjekt();
    f.Mheizungsanlagen->trigger();
    Ablage ablage;
    setzeZwischenablage(&ablage);
    for (QAction* a : {f.Mergebnissezeigen, f.Mkurztextdrucken, f.Mlangtextdrucken,
                       f.MausschreibungstexteinZwischenablage, f.MAusgabeGEAEB1990}) {
        SCOPED_TRACE(a->text().toStdString());
        ASSERT_TRUE(a->isEnabled());
        zustand().Projektart = QStringLiteral("Xy");
        recorder.leeren();
        Berichtsdialoge dialoge(1);
        a->trigger();
        Ereignisse();
        EXPECT_TRUE(recorder.boxen.isEmpty()) << recorder.boxen.value(0).text.toStdString();
        EXPECT_TRUE(dialoge.geöffnet.isEmpty());
        EXPECT_EQ(ablage.gesetzt, 0);
        EXPECT_TRUE(f.MAusgabe->isEnabled());
    }
    setzeZwischenablage(nullptr);
}

TEST_F(HauptfensterTest, ReportItemsRunTheHeatingReport)
{
    MDIForm1& f = Bereit();
    EinProjekt();
    f.Mheizungsanlagen->trigger();
    ASSERT_EQ(zustand().Projektart, QStringLiteral("He"));
    Ablage ablage;
    setzeZwischenablage(&ablage);
    QTemporaryDir pdfOrdner;
    PdfDrucker pdf(pdfOrdner.filePath(QStringLiteral("bericht.pdf")));

    {
        // Not designed: 2206 before any question.
        Berichtsdialoge dialoge(1);
        recorder.leeren();
        f.MausschreibungstexteinZwischenablage->trigger();
        ASSERT_EQ(recorder.boxen.size(), 1);
        EXPECT_EQ(recorder.boxen[0].text, LadeText(2206));
        EXPECT_TRUE(dialoge.geöffnet.isEmpty());
        EXPECT_EQ(ablage.gesetzt, 0);
    }
    {
        GlobDatenHeizung h;
        ASSERT_EQ(h.Init(), 0);
        h.schreibe(QStringLiteral("m_Leist_ges"), 90.0);
        h.schreibe(QStringLiteral("m_Temp_V"), 70.0);
        h.schreibe(QStringLiteral("m_GefaessAnzahl"), 1);
        h.schreibe(QStringLiteral("m_GefaessArtNr"), QStringLiteral("40102"));
        h.schreibe(QStringLiteral("m_IstBerechnet"), true);
        h.schreibe(QStringLiteral("m_IstAusgelegt"), true);
    }
    recorder.leeren();
    {
        Berichtsdialoge dialoge(2);
        f.MausschreibungstexteinZwischenablage->trigger();
        EXPECT_EQ(dialoge.geöffnet, QStringList{"DruckausgabeArt"});
        EXPECT_EQ(ablage.gesetzt, 1);
        EXPECT_TRUE(ablage.text.startsWith(QStringLiteral("Projektnummer:      1  "))) << ablage.text.left(200).toStdString();
        EXPECT_TRUE(ablage.text.contains(QStringLiteral("Projektbezeichnung: Schule"))) << ablage.text.toStdString();
        EXPECT_TRUE(ablage.text.contains(QStringLiteral("  1   Stück  Druckausdehnungsgefäß 12 l"))) << ablage.text.toStdString();
        EXPECT_TRUE(ablage.text.contains(QStringLiteral(".........")));
    }
    {
        Berichtsdialoge dialoge(1);
        f.Mergebnissezeigen->trigger();
        EXPECT_EQ(dialoge.geöffnet, (QStringList{"DruckausgabeArt", "Seitenvorschau:OK"}));
    }
    {
        // The price question cancelled: nothing.
        Berichtsdialoge dialoge(0);
        f.MausschreibungstexteinZwischenablage->trigger();
        EXPECT_EQ(ablage.gesetzt, 1);
    }
    {
        // No printer chosen (the print dialog cancelled): nothing printed, nothing said.
        Berichtsdialoge dialoge(1);
        f.Mkurztextdrucken->trigger();
        EXPECT_EQ(pdf.aufträge, 0);
        setzeDrucker(&pdf);
        f.Mkurztextdrucken->trigger();
        f.Mlangtextdrucken->trigger();
        setzeDrucker(nullptr);
        EXPECT_EQ(pdf.aufträge, 2);
        EXPECT_GT(QFileInfo(pdfOrdner.filePath(QStringLiteral("bericht.pdf"))).size(), 1000);
    }
    EXPECT_TRUE(recorder.boxen.size() <= 1);
    EXPECT_TRUE(f.MAusgabe->isEnabled());
    setzeZwischenablage(nullptr);
}
