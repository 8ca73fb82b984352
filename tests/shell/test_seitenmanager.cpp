#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "MDIForm1Testzugriff.h"
#include "data/GlobDaten.h"
#include "data/forms/KelvorForm1.h"
#include "design/cooling/forms/Form200.h"
#include "design/cooling/forms/Form201.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Form100.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/heating/forms/Form101.h"
#include "design/heating_accessories/forms/Form105.h"
#include "design/selection/forms/Form102.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form601.h"
#include "design/solar/forms/Form602.h"
#include "design/solar/forms/Form603.h"
#include "design/storage_heater/forms/Form500.h"
#include "design/storage_heater/forms/Form501.h"
#include "design/storage_heater/forms/Form502.h"
#include "design/water_pressure/forms/Form300.h"
#include "design/water_pressure/forms/Form301.h"
#include "design/water_pressure/forms/Form400.h"
#include "projects/forms/KelvorForm3.h"
#include "base/AllgFunktionen.h"
#include "shell/Datenobjekte.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "shell/forms/KelvorForm2.h"
#include "base/forms/Platzhalterseite.h"
#include "base/forms/Steuerelemente.h"
#include "support/Programmordner.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

namespace {

class TyvoAttrappe : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int, QString& projektId, QString&) override
    {
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
    QStringList aufrufe;
};

// Runs the event loop until nothing is left to do (queued activations, deferred deletions).
void Ereignisse()
{
    for (int i = 0; i < 40; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

template <class T>
bool ist(Seitenform* s)
{
    return dynamic_cast<T*>(s) != nullptr;
}

struct Seite {
    int status;
    std::function<bool(Seitenform*)> klasse;
};

struct Typ {
    int knopf;  // index of the button on the system-type choice page
    const char* projektart;
    const char* tabelle;
    std::vector<Seite> seiten;
};

// The walk chooses no vessel, so the result pages of heating and solar (tested on their own)
// stand in.
class Ergebnisplatzhalter : public Platzhalterseite {
public:
    Ergebnisplatzhalter() : Platzhalterseite(QStringLiteral("Ergebnis"), Automatiklauf | Entwurfsseite) {}
};

// The vessel page of the walk: chooses nothing; in host mode 2 the user goes on by hand from it.
class Form102Platzhalter : public Platzhalterseite {
public:
    Form102Platzhalter()
        : Platzhalterseite(QStringLiteral("Auswahl von Ausdehnungsgefäß und Druckhalteautomat"), Automatiklauf | Entwurfsseite)
    {
    }

protected:
    void FormLoad() override
    {
        Platzhalterseite::FormLoad();
        // In host mode 2 the user goes on by hand from the vessel page on.
        if (zustand().TyvoModus == 2)
            zustand().Automatiklauf = false;
    }
};

const std::vector<Typ>& Typen()
{
    static const std::vector<Typ> t = {
        {0, "He", "Heizungsparameter",
         {{100, ist<Form100>}, {101, ist<Form101>}, {102, ist<Form102Platzhalter>}, {103, ist<Ergebnisplatzhalter>},
          {104, ist<Ergebnisplatzhalter>}, {105, ist<Ergebnisplatzhalter>}}},
        {1, "Kü", "Kälteparameter",
         {{200, ist<Form200>}, {201, ist<Form102Platzhalter>}, {202, ist<Ergebnisplatzhalter>}, {203, ist<Ergebnisplatzhalter>}}},
        {3, "Tr", "Trinkwasserparameter", {{300, ist<Platzhalterseite>}, {301, ist<Platzhalterseite>}, {302, ist<Ergebnisplatzhalter>}}},
        {2, "Dr", "Druckerhöhungparameter", {{400, ist<Platzhalterseite>}, {401, ist<Platzhalterseite>}, {402, ist<Ergebnisplatzhalter>}}},
        {4, "Sp", "SpeicherWasserwärmerparameter", {{500, ist<Form500>}, {501, ist<Form501>}, {502, ist<Form502>}}},
        {5, "So", "Solarparameter", {{600, ist<Form600>}, {601, ist<Platzhalterseite>}, {602, ist<Ergebnisplatzhalter>}, {603, ist<Ergebnisplatzhalter>}}},
    };
    return t;
}

// The walk is about the page manager: pages that are built stand in by placeholders there.
QList<QPair<int, Seitenmanager::Fabrik>> Platzhalter()
{
    const auto platzhalter = [](int status) {
        return QPair<int, Seitenmanager::Fabrik>(status, [status] {
            return new Platzhalterseite(QString::number(status), Platzhalterseite::Entwurfsseite);
        });
    };
    return {
        platzhalter(300),
        platzhalter(400),
    };
}

// A page that cannot be shown.
class Fehlerseite : public Seitenform {
protected:
    void FormLoad() override { Ladefehler(); }
};

// A page that shows a message while it loads.
class Meldeseite : public Seitenform {
protected:
    void FormLoad() override { Meldung(Meldungsart::Information, QStringLiteral("Hinweis beim Laden")); }
};

// A page of the automatic run that notes its width when it is activated.
class Messseite : public Platzhalterseite {
public:
    explicit Messseite(int* breite) : Platzhalterseite(QStringLiteral("Messseite"), Automatiklauf), m_breite(breite) {}

protected:
    void FormActivate() override
    {
        *m_breite = width();
        Platzhalterseite::FormActivate();
    }

private:
    int* m_breite;
};

// A page with inputs: two text boxes (a control array), an option group, a button and a single
// box. Enter walks them; leaving a box checks it.
class Eingabeseite : public Seitenform {
public:
    Eingabeseite()
    {
        for (int i = 0; i < 2; ++i) {
            text[i] = new QLineEdit(this);
            text[i]->setObjectName(QStringLiteral("Text1"));
            Steuerelemente::setzeIndex(text[i], i);
        }
        for (int i = 0; i < 2; ++i) {
            option[i] = new QRadioButton(this);
            option[i]->setObjectName(QStringLiteral("Opt"));
        }
        option[1]->setChecked(true);
        knopf = new QPushButton(this);
        einzeln = new QLineEdit(this);
        einzeln->setObjectName(QStringLiteral("Einzeln"));
        int y = 0;
        for (QWidget* w : {static_cast<QWidget*>(text[0]), static_cast<QWidget*>(text[1]),
                           static_cast<QWidget*>(option[0]), static_cast<QWidget*>(option[1]),
                           static_cast<QWidget*>(knopf), static_cast<QWidget*>(einzeln)})
            w->move(0, y += 30);
    }
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override
    {
        geprüft << QStringLiteral("%1(%2)").arg(name, Index.isNull() ? QStringLiteral("-") : Index.toString());
        Cancel = abweisen;
    }
    std::array<QLineEdit*, 2> text{};
    std::array<QRadioButton*, 2> option{};
    QPushButton* knopf = nullptr;
    QLineEdit* einzeln = nullptr;
    QStringList geprüft;
    QStringList verlassen;
    bool abweisen = false;

protected:
    void FormLoad() override { MoveFocusEinrichten(true); }
    void Validate(QWidget* w, bool& Cancel) override
    {
        verlassen << w->objectName();
        Cancel = abweisen;
    }
};

// Answers message boxes through a function.
class Rückruf : public MessagePresenter {
public:
    explicit Rückruf(std::function<int(const MeldungsBox&)> f) : m_f(std::move(f)), m_vorher(&messagePresenter())
    {
        setzeMessagePresenter(this);
    }
    ~Rückruf() override { setzeMessagePresenter(m_vorher); }
    int zeige(const MeldungsBox& b) override { return m_f(b); }

private:
    std::function<int(const MeldungsBox&)> m_f;
    MessagePresenter* m_vorher;
};

class Seitenweg : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        setzeTyvoAnbindung(&tyvo);
    }
    void TearDown() override
    {
        fenster.reset();
        Ereignisse();
        setzeTyvoAnbindung(nullptr);
    }
    // The main window on the fixture databases; fabriken replace page forms before the start.
    MDIForm1& Start(int tyvoModus = 0, const QList<QPair<int, Seitenmanager::Fabrik>>& fabriken = {})
    {
        zustand().TyvoModus = tyvoModus;
        fenster = std::make_unique<MDIForm1>(dir.path());
        db = std::make_unique<Datenobjektdatenbanken>();
        for (int status : {103, 104, 105, 202, 203, 302, 402, 602, 603})
            MDIForm1Testzugriff::Seiten(*fenster).SetzeFabrik(status, [] { return new Ergebnisplatzhalter; });
        // The solar page fits the valve pressure to the valves offered when it loads.
        db->artikel().ausfuehren({QStringLiteral("CREATE TABLE SiVSolaranlagen (Druck REAL, Kollektorfläche INTEGER, "
                                                 "[Art Nr] TEXT)"),
                                  QStringLiteral("INSERT INTO SiVSolaranlagen VALUES (3, 1000, '25030'), "
                                                 "(6, 1000, '25060'), (10, 1000, '25100')")});
        // The vessel page chooses from the demo article database: the walk runs over its stand-in.
        for (int status : {102, 201})
            MDIForm1Testzugriff::Seiten(*fenster).SetzeFabrik(status, [] { return new Form102Platzhalter; });
        for (int status : {301, 401, 601})
            MDIForm1Testzugriff::Seiten(*fenster).SetzeFabrik(status, [status] {
                return new Platzhalterseite(QString::number(status), Platzhalterseite::Entwurfsseite);
            });
        for (const auto& f : fabriken)
            MDIForm1Testzugriff::Seiten(*fenster).SetzeFabrik(f.first, f.second);
        fenster->show();
        Ereignisse();
        return *fenster;
    }
    QString Buttons() const
    {
        const MDIForm1& f = *fenster;
        auto an = [&f](QToolButton* b) { return b->isVisibleTo(f.LeisteuntenPicture) ? '1' : '0'; };
        return QString() + an(f.ExitCommand) + an(f.ZurückCommand) + an(f.WeiterCommand);
    }
    QString Panel() const { return fenster->StatusPanelText(4); }
    Seitenform* Aktuell() const { return fenster->fenster(zustand().Status); }
    // Loaded pages (holders that are not empty) among the statuses of the walk.
    QList<int> Geladen() const
    {
        QList<int> l;
        for (int s : {1, 2, 3, 100, 101, 102, 103, 104, 105, 200, 201, 202, 203, 300, 301, 302, 400, 401, 402, 500,
                      501, 502, 600, 601, 602, 603})
            if (fenster->fenster(s))
                l << s;
        return l;
    }
    void Weiter()
    {
        fenster->WeiterCommand->click();
        Ereignisse();
    }
    void Zurück()
    {
        fenster->ZurückCommand->click();
        Ereignisse();
    }
    // From the start page through the choice of the type to its project page with number nr.
    void ZurProjektseite(const Typ& t, const QString& nr)
    {
        if (zustand().Status == 1)
            Weiter();
        ASSERT_EQ(zustand().Status, 2);
        auto* wahl = dynamic_cast<KelvorForm2*>(Aktuell());
        ASSERT_NE(wahl, nullptr);
        wahl->HauptwahlCommand[t.knopf]->click();
        Ereignisse();
        ASSERT_EQ(zustand().Status, 3);
        EXPECT_EQ(zustand().ProjektartNeuanlage, QString::fromUtf8(t.projektart));
        auto* seite = dynamic_cast<KelvorForm3*>(Aktuell());
        ASSERT_NE(seite, nullptr);
        if (nr.isEmpty())
            return;
        // A new project with the number nr: Anlegen unless the page proposes the first project.
        QLineEdit* nummer = seite->ProjektText[0];
        if (!nummer->isEnabled())
            fenster->Manlegen->trigger();
        ASSERT_TRUE(nummer->isEnabled());
        nummer->clear();
        QTest::keyClicks(nummer, nr);
        QTest::keyClick(nummer, Qt::Key_Return);
        EXPECT_EQ(zustand().aktProjektnummer, nr);
        EXPECT_EQ(zustand().Projektart, QString::fromUtf8(t.projektart));
    }
    QVariant Feld(const Typ& t, const QString& spalte, const QString& nr)
    {
        return db->projekt().wert(QStringLiteral("SELECT [%1] FROM [%2] WHERE [Projekt Nr] = '%3'")
                                      .arg(spalte, QString::fromUtf8(t.tabelle), nr));
    }
    bool AusgabemenüOffen() const
    {
        return fenster->menuBar()->activeAction() == fenster->MAusgabe->menuAction();
    }

    QTemporaryDir dir;
    MeldungsRecorder recorder;
    TyvoAttrappe tyvo;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};

}  // namespace

TEST_F(Seitenweg, EveryTypeForwardToTheProjectPageAndBackWithTheSaveQuestion)
{
    Start(0, Platzhalter());
    EXPECT_EQ(zustand().Status, 1);
    EXPECT_TRUE(ist<KelvorForm1>(Aktuell()));
    EXPECT_EQ(Buttons(), QStringLiteral("101"));
    int nummer = 0;
    for (const Typ& t : Typen()) {
        SCOPED_TRACE(t.projektart);
        // The tank page reads its groups and tanks from the demo article database.
        zustand().Artikel_Data_Source = QString::fromUtf8(t.projektart) == QStringLiteral("Sp")
                                            ? QStringLiteral(KELVOR_ARTIKEL_DB)
                                            : db->artikel().pfad();
        const QString nr = QString::number(++nummer);
        ZurProjektseite(t, nr);
        EXPECT_EQ(Geladen(), QList<int>{3});
        EXPECT_EQ(Buttons(), QStringLiteral("111"));
        EXPECT_EQ(Panel(), QStringLiteral("3"));
        recorder.leeren();

        // Forward through every page of the type.
        int vorher = 3;
        for (const Seite& s : t.seiten) {
            if (s.status == 501) {
                Aktuell()->findChild<QPushButton*>(QStringLiteral("WohnbautenButton"))->click();
            } else {
                if (auto* kälte = dynamic_cast<Form200*>(Aktuell()))
                    kälte->Command3_Click();  // Weiter comes with the calculation
                Weiter();
            }
            Ereignisse();
            ASSERT_EQ(zustand().Status, s.status);
            EXPECT_EQ(zustand().vorStatus, vorher);
            EXPECT_EQ(Panel(), QString::number(s.status));
            // Page 500 has no Weiter; the built input pages show it only once they are calculated.
            // The tank page, too, until a tank is chosen.
            EXPECT_EQ(Buttons(), s.status == 500 || s.status == 501 || s.status == 502 || s.status == 101
                                         || s.status == 200 || s.status == 600
                                     ? QStringLiteral("110")
                                     : QStringLiteral("111"));
            EXPECT_TRUE(s.klasse(Aktuell())) << s.status;
            EXPECT_EQ(Geladen(), QList<int>{s.status});
            const std::shared_ptr<GlobDaten> d = Datenobjekt(zustand().Projektart);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d.use_count(), 3);  // the holder, the page and this test
            if (auto* platzhalter = dynamic_cast<Platzhalterseite*>(Aktuell())) {
                EXPECT_TRUE(platzhalter->Projektzeile().contains(nr));
            }
            if (s.status == t.seiten.front().status) {
                EXPECT_TRUE(zustand().NeuAuslegungErforderlich);
                EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the hourglass is gone
            }
            vorher = s.status;
        }
        Datenobjekt(zustand().Projektart)->m_IstBerechnet.m_Value = true;

        // Weiter on the last page: the project page, the data object written back, no question,
        // and the output menu drops open.
        Weiter();
        EXPECT_EQ(zustand().Status, 3);
        EXPECT_EQ(Panel(), QStringLiteral("3"));
        EXPECT_EQ(Buttons(), QStringLiteral("111"));
        EXPECT_EQ(Geladen(), QList<int>{3});
        EXPECT_EQ(Datenobjekt(zustand().Projektart), nullptr);
        EXPECT_EQ(Feld(t, QStringLiteral("IstBerechnet"), nr).toInt(), -1);
        EXPECT_TRUE(recorder.boxen.isEmpty());
        EXPECT_TRUE(AusgabemenüOffen());
        fenster->MAusgabe->close();
        fenster->menuBar()->setActiveAction(nullptr);

        // Into the type again, one page on, and back: Zurück on the first page asks after the
        // project page is shown; No keeps the row as it was.
        Weiter();
        const int erste = t.seiten.front().status;
        ASSERT_EQ(zustand().Status, erste);
        if (erste == 500)
            Aktuell()->findChild<QPushButton*>(QStringLiteral("WohnbautenButton"))->click();
        else
            Weiter();
        EXPECT_EQ(zustand().Status, erste + 1);
        Datenobjekt(zustand().Projektart)->m_IstBerechnet.m_Value = false;
        Zurück();
        EXPECT_EQ(zustand().Status, erste);
        EXPECT_EQ(Geladen(), QList<int>{erste});
        recorder.antworten.push_back(MsgAntwort::Nein);
        int seitenBeiFrage = -1;
        Rückruf beobachter([&](const MeldungsBox& b) {
            seitenBeiFrage = fenster->fenster(3) ? 3 : 0;
            return recorder.zeige(b);
        });
        Zurück();
        EXPECT_EQ(zustand().Status, 3);
        EXPECT_EQ(seitenBeiFrage, 3);  // the project page stood before the question
        ASSERT_EQ(recorder.boxen.size(), 1);
        EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("Sollen die aktuellen Daten in der Datenbank gespeichert werden ?"));
        EXPECT_EQ(Datenobjekt(zustand().Projektart), nullptr);
        EXPECT_EQ(Feld(t, QStringLiteral("IstBerechnet"), nr).toInt(), -1);
        EXPECT_FALSE(AusgabemenüOffen());

        // Back to the system-type choice for the next type.
        Zurück();
        EXPECT_EQ(zustand().Status, 2);
        EXPECT_EQ(Buttons(), QStringLiteral("100"));
        EXPECT_EQ(Geladen(), QList<int>{2});
    }
    Zurück();
    EXPECT_EQ(zustand().Status, 1);
    EXPECT_EQ(Geladen(), QList<int>{1});
}

TEST_F(Seitenweg, StorageHeaterDesignedThroughItsPages)
{
    Start();
    zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    const Typ& sp = Typen()[4];
    ZurProjektseite(sp, QStringLiteral("4711"));
    Weiter();
    ASSERT_EQ(zustand().Status, 500);
    Aktuell()->findChild<QPushButton*>(QStringLiteral("WohnbautenButton"))->click();
    Ereignisse();
    ASSERT_EQ(zustand().Status, 501);
    auto* gruppen = dynamic_cast<Form501*>(Aktuell());
    ASSERT_NE(gruppen, nullptr);
    gruppen->Command3_Click();  // one dwelling with a bath: N = 0.6
    Ereignisse();
    ASSERT_EQ(Buttons(), QStringLiteral("111"));
    Weiter();
    ASSERT_EQ(zustand().Status, 502);
    auto* tanks = dynamic_cast<Form502*>(Aktuell());
    ASSERT_NE(tanks, nullptr);
    EXPECT_EQ(fenster->fenster(502), tanks);
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    tanks->Command1[0]->click();
    Ereignisse();
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    // Weiter: back on the project page with the project designed; the output menu is offered.
    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(Feld(sp, QStringLiteral("GefäßArtNr"), QStringLiteral("4711")).toString(), QStringLiteral("35001"));
    EXPECT_EQ(Feld(sp, QStringLiteral("IstAusgelegt"), QStringLiteral("4711")).toInt(), -1);
    EXPECT_EQ(Feld(sp, QStringLiteral("IstBerechnet"), QStringLiteral("4711")).toInt(), -1);
    EXPECT_TRUE(fenster->MAusgabe->menuAction()->isEnabled());
    EXPECT_TRUE(fenster->Mlangtextdrucken->isEnabled());
    EXPECT_TRUE(AusgabemenüOffen());
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(Seitenweg, HeatingSwitchesBeforeItReleasesTheOthersReleaseFirst)
{
    // Notes whether the data object was still open when the project page was made.
    QStringList offen;
    Start(0, {{3, [&offen] {
                   offen << (Datenobjekt(zustand().Projektart) ? QStringLiteral("offen") : QStringLiteral("frei"));
                   return new KelvorForm3;
               }}});
    for (const Typ& t : {Typen()[0], Typen()[1]}) {
        ZurProjektseite(t, QString::fromUtf8(t.projektart) == QLatin1String("He") ? QStringLiteral("8") : QStringLiteral("9"));
        // A page that refuses to open would keep the walk from its end: a few steps at most.
        for (size_t schritt = 0; schritt <= t.seiten.size() && zustand().Status != t.seiten.back().status; ++schritt)
            Weiter();
        ASSERT_EQ(zustand().Status, t.seiten.back().status);
        Weiter();
        ASSERT_EQ(zustand().Status, 3);
        Zurück();
    }
    EXPECT_EQ(offen, (QStringList{QStringLiteral("frei"), QStringLiteral("offen"), QStringLiteral("frei"),
                                  QStringLiteral("frei")}));
}

// The walks above put stand-ins in the place of the design pages; the program creates these.
TEST_F(Seitenweg, TheProgramCreatesTheRealDesignPages)
{
    zustand().TyvoModus = 0;
    fenster = std::make_unique<MDIForm1>(dir.path());
    Seitenmanager& seiten = MDIForm1Testzugriff::Seiten(*fenster);
    const std::vector<Seite> erwartet = {{201, ist<Form102>}, {202, ist<Form201>}, {203, ist<Form105>},
                                         {301, ist<Form301>}, {302, ist<Form201>}, {401, ist<Form301>},
                                         {402, ist<Form201>}, {502, ist<Form502>}, {601, ist<Form601>},
                                         {602, ist<Form602>}, {603, ist<Form603>}};
    for (const Seite& s : erwartet) {
        Seitenform* seite = seiten.ErzeugeSeite(s.status);
        EXPECT_TRUE(s.klasse(seite)) << s.status;
        EXPECT_FALSE(ist<Platzhalterseite>(seite)) << s.status;
        seiten.EntladeSeite(s.status);
    }
    Ereignisse();
}

TEST_F(Seitenweg, ProjectPageWithoutProjectOnlyRefreshes)
{
    Start();
    // The empty project table: the page proposes the first project, no project is current.
    ZurProjektseite(Typen().front(), QString());
    EXPECT_EQ(zustand().Projektart, QStringLiteral(" "));
    EXPECT_EQ(Buttons(), QStringLiteral("100"));
    Seitenform* seite = Aktuell();
    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(Aktuell(), seite);
    EXPECT_EQ(zustand().g_heizdat, nullptr);
    EXPECT_EQ(Buttons(), QStringLiteral("100"));
}

TEST_F(Seitenweg, PageThatFailsToLoadGoesOneStepBack)
{
    Start(0, {{103, [] { return new Fehlerseite; }}, {200, [] { return new Fehlerseite; }}});
    ZurProjektseite(Typen()[0], QStringLiteral("1"));
    Weiter();
    Weiter();
    Weiter();
    ASSERT_EQ(zustand().Status, 102);
    recorder.leeren();
    Weiter();
    EXPECT_EQ(zustand().Status, 102);
    EXPECT_EQ(Panel(), QStringLiteral("102"));
    EXPECT_TRUE(ist<Form102Platzhalter>(Aktuell()));
    EXPECT_EQ(Geladen(), QList<int>{102});
    EXPECT_NE(zustand().g_heizdat, nullptr);
    EXPECT_TRUE(recorder.boxen.isEmpty());

    // A failing first page leads back to the project page and asks the save question.
    Zurück();
    Zurück();
    Zurück();
    recorder.antworten.push_back(MsgAntwort::Ja);
    Zurück();
    ZurProjektseite(Typen()[1], QStringLiteral("2"));
    recorder.leeren();
    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(Panel(), QStringLiteral("3"));
    EXPECT_EQ(Geladen(), QList<int>{3});
    EXPECT_EQ(zustand().g_kühldat, nullptr);
    EXPECT_EQ(recorder.boxen.size(), 1);
}

TEST_F(Seitenweg, KeysOnAPage)
{
    Eingabeseite* seite = nullptr;
    Start(0, {{101, [&seite] { return seite = new Eingabeseite; }}});
    ZurProjektseite(Typen()[0], QStringLiteral("1"));
    Weiter();
    Weiter();
    ASSERT_EQ(zustand().Status, 101);
    ASSERT_EQ(Aktuell(), seite);
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));

    // Enter: validated text input, then the next input; the selected option only.
    seite->text[0]->setFocus();
    QTest::keyClick(seite->text[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), seite->text[1]);
    QTest::keyClick(seite->text[1], Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), seite->option[1]);
    QTest::keyClick(seite->option[1], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), seite->einzeln);
    QTest::keyClick(seite->einzeln, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), seite->text[0]);
    EXPECT_EQ(seite->geprüft, (QStringList{QStringLiteral("Text1(0)"), QStringLiteral("Text1(1)"),
                                           QStringLiteral("Einzeln(-)")}));
    EXPECT_EQ(seite->text[0]->text(), QString());  // Enter typed nothing

    // The page refuses: Enter keeps the focus, and so does leaving the box.
    seite->abweisen = true;
    QTest::keyClick(seite->text[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), seite->text[0]);
    seite->verlassen.clear();
    seite->einzeln->setFocus();
    EXPECT_EQ(seite->verlassen, QStringList{QStringLiteral("Text1")});
    EXPECT_EQ(QApplication::focusWidget(), seite->text[0]);
    seite->abweisen = false;
    seite->einzeln->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), seite->einzeln);

    // Alt+Right and Alt+Left step exactly once; Ctrl+Alt+Right does nothing.
    QTest::keyClick(seite->einzeln, Qt::Key_Right, Qt::AltModifier | Qt::ControlModifier);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 101);
    QTest::keyClick(seite->einzeln, Qt::Key_Right, Qt::AltModifier);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 102);
    QTest::keyClick(Aktuell(), Qt::Key_Left, Qt::AltModifier);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 101);
}

TEST_F(Seitenweg, SystemTypeChoicePage)
{
    Start();
    Weiter();
    auto* wahl = dynamic_cast<KelvorForm2*>(Aktuell());
    ASSERT_NE(wahl, nullptr);
    // Captions in the order they stand, which is also the tab order: He, So, Kü, Dr, Tr, Sp.
    const int reihe[] = {0, 5, 1, 2, 3, 4};
    const char* texte[] = {"Heizungsanlagen", "Solaranlagen", "Kühl- und Kälteanlagen", "Druckerhöhungsanlagen",
                           "Trinkwassererwärmungsanlagen", "Speicher-Wassererwärmer"};
    const QList<QWidget*> tabfolge = Steuerelemente::liste(wahl);
    ASSERT_EQ(tabfolge.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QPushButton* k = wahl->HauptwahlCommand[reihe[i]];
        EXPECT_EQ(k->text(), QString::fromUtf8(texte[i]));
        EXPECT_EQ(tabfolge[i], k);
        if (i > 0) {
            EXPECT_GT(k->y(), wahl->HauptwahlCommand[reihe[i - 1]]->y());
        }
    }
    EXPECT_FALSE(wahl->Image6->pixmap().isNull());
    EXPECT_FALSE(wahl->Image4->pixmap().isNull());
    EXPECT_EQ(wahl->Image4->width(), 167);  // 2500 twips

    // Alt+Right does nothing here: the page shows no Weiter.
    QTest::keyClick(wahl->HauptwahlCommand[0], Qt::Key_Right, Qt::AltModifier);
    Ereignisse();
    EXPECT_EQ(zustand().Status, 2);

    zustand().aktProjektnummer = QStringLiteral("9");
    zustand().Projektart = QStringLiteral("He");
    wahl->HauptwahlCommand[3]->click();
    Ereignisse();
    EXPECT_EQ(zustand().ProjektartNeuanlage, QStringLiteral("Tr"));
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral(" "));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("He"));  // the current project's type stays
    EXPECT_EQ(zustand().Status, 3);
}

TEST_F(Seitenweg, HostModeOneRunsByItselfUntilAMessageAndEndsAfterTheLastHeatingPage)
{
    int breite101 = -1;
    Start(1, {{101, [&breite101] { return new Messseite(&breite101); }}, {102, [] { return new Meldeseite; }}});
    EXPECT_EQ(breite101, 0);  // hidden while the run passes it
    // Start page, system choice (heating chosen by itself), project page, 100 and 101 pass alone.
    EXPECT_EQ(zustand().Status, 102);
    EXPECT_EQ(zustand().Projektart, QStringLiteral("He"));
    EXPECT_EQ(zustand().ProjektartNeuanlage, QStringLiteral("He"));
    // The host's project is unknown: the project page made project 1 for the run, not stored.
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("1"));
    EXPECT_EQ(db->zeilen(QStringLiteral("ProjekteTabelle"), QStringLiteral("1")), 0);
    EXPECT_TRUE(zustand().Meldungsflag);
    ASSERT_EQ(recorder.boxen.size(), 1);
    EXPECT_TRUE(fenster->isVisible());
    ASSERT_NE(zustand().g_heizdat, nullptr);
    const std::shared_ptr<GlobDatenHeizung> heiz = zustand().g_heizdat;

    // Weiter by hand: the run goes on to page 105, and Weiter there ends the program without a
    // question and with the success answer; no heating row is stored in mode 1.
    Weiter();
    EXPECT_EQ(zustand().Status, 106);
    EXPECT_TRUE(MDIForm1Testzugriff::HeizungAbgeschlossen(*fenster));
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(tyvo.aufrufe, QStringList{QStringLiteral("erfolgreich 1")});
    EXPECT_EQ(recorder.boxen.size(), 1);
    EXPECT_EQ(zustand().g_heizdat, nullptr);
    EXPECT_EQ(db->zeilen(QStringLiteral("Heizungsparameter"), QStringLiteral("1")), 0);
}

TEST_F(Seitenweg, HostModeTwoKeepsTheHeatingDataAndShowsTheHostButton)
{
    Start(2);
    // The vessel page ends the automatic run in mode 2.
    EXPECT_EQ(zustand().Status, 102);
    EXPECT_FALSE(zustand().Automatiklauf);
    EXPECT_TRUE(recorder.boxen.isEmpty());
    EXPECT_GT(Aktuell()->width(), 0);  // the page where the run stopped is seen
    const std::shared_ptr<GlobDatenHeizung> heiz = zustand().g_heizdat;
    ASSERT_NE(heiz, nullptr);
    Zurück();
    Zurück();
    EXPECT_EQ(zustand().Status, 100);
    EXPECT_EQ(Buttons(), QStringLiteral("101"));  // no way back to the project page
    for (int i = 0; i < 6; ++i)
        Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_TRUE(fenster->TyvoButton->isVisibleTo(fenster->LeisteuntenPicture));
    EXPECT_FALSE(fenster->ExitCommand->isVisibleTo(fenster->LeisteuntenPicture));
    EXPECT_EQ(zustand().g_heizdat, heiz);
    EXPECT_FALSE(AusgabemenüOffen());
    Weiter();
    EXPECT_EQ(zustand().Status, 100);
    EXPECT_EQ(zustand().g_heizdat, heiz);  // no second open
    EXPECT_TRUE(fenster->ExitCommand->isVisibleTo(fenster->LeisteuntenPicture));
    EXPECT_FALSE(fenster->TyvoButton->isVisibleTo(fenster->LeisteuntenPicture));
}

TEST_F(Seitenweg, ClosingOnATypePageAsksTheSaveQuestionAfterTheClosingQuestion)
{
    Start();
    zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    ZurProjektseite(Typen()[4], QStringLiteral("5"));
    Weiter();
    Aktuell()->findChild<QPushButton*>(QStringLiteral("WohnbautenButton"))->click();
    Weiter();
    ASSERT_EQ(zustand().Status, 502);
    zustand().g_speichdat->m_IstBerechnet.m_Value = true;
    recorder.leeren();
    recorder.antworten = {MsgAntwort::Ja, MsgAntwort::Nein};
    fenster->Entladen();
    ASSERT_EQ(recorder.boxen.size(), 2);
    EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("Soll das Projekt wirklich beendet werden ?"));
    EXPECT_EQ(recorder.boxen[1].text, QStringLiteral("Sollen die aktuellen Daten in der Datenbank gespeichert werden ?"));
    EXPECT_EQ(zustand().g_speichdat, nullptr);
    fenster.reset();
    Ereignisse();
    EXPECT_EQ(Feld(Typen()[4], QStringLiteral("IstBerechnet"), QStringLiteral("5")).toInt(), 0);
}
