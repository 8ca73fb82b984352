#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Auswahlgitter.h"
#include "design/selection/forms/Form102a.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form601.h"
#include "shell/Datenobjekte.h"
#include "shell/MDIForm1Testzugriff.h"
#include "shell/forms/MDIForm1.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/ModalSchliesser.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

namespace {

void Ereignisse()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Project S-1: 10 m² at 0.6 l/m², 40 l of pipes, 20 l of exchangers, valve 6 bar.
const QString projekt = QStringLiteral(
    "INSERT INTO Solarparameter ([Projekt Nr], [AnordnungMAG Zulaufseitig Pumpe], [AnordnungMAG Druckseitig Pumpe], "
    "Frostschutzzusatz, [p statisch], [p dynamisch], [p Sicherheitsventil], Wasservorlage, Kollektorvolumen, "
    "VolRohreUeberWTGesamt, IstBerechnet, IstAusgelegt, Absorberflaeche, VolRohreGesamt, VolWTSolarGesamt, "
    "AnlagenvolumenSumme, Türbreite, Raumhöhe, Behältergruppe, Behälterinhalt, Behälteranzahl, GefäßArtNr) "
    "VALUES ('S-1', 1, 0, 40, 1.5, 0, 6, 3, 0.6, 1.5, 0, 0, 10, 40, 20, 66, 1000, 2000, 0, 0, 1, ' ')");

class Seite601 : public testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir)); }
    void TearDown() override
    {
        zustand().g_solardat.reset();
        fenster.reset();
        Ereignisse();
    }
    // Page 600 of project S-1 calculated, then Weiter to the vessel page.
    Form601* Öffnen()
    {
        fenster = std::make_unique<MDIForm1>(dir.path());
        db = std::make_unique<Datenobjektdatenbanken>(QStringList{projekt});
        // The demo article database of the program folder.
        zustand().Artikel_Data_Source = dir.filePath(QStringLiteral("Daten/Artikeld.db"));
        fenster->show();
        Ereignisse();
        fenster->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        zustand().Projektart = QStringLiteral("So");
        zustand().aktProjektnummer = QStringLiteral("S-1");
        zustand().Status = 600;
        EXPECT_EQ(SolardatenÖffnen(), 0);
        MDIForm1Testzugriff::Seiten(*fenster).Seitenwechsel(1, 600);
        Ereignisse();
        auto* eingabe = dynamic_cast<Form600*>(fenster->fenster(600));
        if (!eingabe)
            return nullptr;
        eingabe->Command3->click();
        Ereignisse();
        fenster->WeiterCommand->click();
        Ereignisse();
        return dynamic_cast<Form601*>(fenster->fenster(zustand().Status));
    }
    GlobDatenSolar& d() const { return *zustand().g_solardat; }
    QString Buttons() const
    {
        auto an = [this](QToolButton* b) { return b->isVisibleTo(fenster->LeisteuntenPicture) ? '1' : '0'; };
        return QString() + an(fenster->ExitCommand) + an(fenster->ZurückCommand) + an(fenster->WeiterCommand);
    }
    QPushButton* Gruppe(const Form601& s, const QString& nr) const
    {
        for (QPushButton* b : s.Command1)
            if (b->isVisibleTo(&s) && b->text() == nr)
                return b;
        return nullptr;
    }

    QTemporaryDir dir;
    MeldungsRecorder rec;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};

}  // namespace

TEST_F(Seite601, AutomatischVonHandUndTippen)
{
    Form601* s = Öffnen();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(zustand().Status, 601);
    EXPECT_EQ(Form102a::Rufer(), static_cast<Artikelauswahlrufer*>(s));
    EXPECT_EQ(s->Label1[3]->text(), QStringLiteral("- MAG Solaranlage -"));
    EXPECT_EQ(s->Label2[0]->text(), QStringLiteral("Aufnahmevolumen MAG:"));
    EXPECT_EQ(s->Label4[2]->text(), d().m_r_vges.Text());
    EXPECT_EQ(s->Label4[2]->frameShape(), QFrame::Box);
    EXPECT_FALSE(s->Label7->isVisibleTo(s));
    // Valve 6 bar: eight of the nine solar groups, the designation with its line break.
    QStringList gruppen;
    for (QPushButton* b : s->Command1)
        if (b->isVisibleTo(s))
            gruppen << b->text();
    EXPECT_EQ(gruppen, (QStringList{"3", "5", "21", "22", "23", "24", "25", "26"}));
    EXPECT_EQ(s->Label3[2]->text(), QStringLiteral("Solar-MAG 10 bar\r\nfür Kollektoren"));
    EXPECT_EQ(s->GetBehältergruppenbezeichnung(22), QStringLiteral("Solar-MAG 6 bar"));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_EQ(s->Text1[0]->text(), QStringLiteral("1000"));
    const int32_t gesamt = Zahlen::CLng(d().m_r_vges.m_Value);
    ASSERT_GT(gesamt, 0);

    // Group 23 never fits: message with the designation, count 10, no Weiter.
    rec.leeren();
    Gruppe(*s, QStringLiteral("23"))->click();
    Ereignisse();
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].textIds, (QList<int>{2357, 3020}));
    EXPECT_EQ(rec.boxen[0].werte, QStringList{QStringLiteral("Solar-MAG Großbehälter 10 bar")});
    EXPECT_EQ(s->Text1[3]->text(), QStringLiteral("10"));
    EXPECT_EQ(d().m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));

    // Group 21 automatically.
    d().m_GefaessAnzahl.m_Value = 1;
    rec.leeren();
    Gruppe(*s, QStringLiteral("21"))->click();
    Ereignisse();
    EXPECT_EQ(d().m_GefaessGruppe.m_Value, 21);
    EXPECT_NE(d().m_GefaessArtNr.m_Value.toString().trimmed(), QString());
    EXPECT_EQ(s->Label6[3]->text(), QStringLiteral("21"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    // By hand: the first row of group 22's list.
    int geöffnet = 0;
    QString ersteZeile;
    {
        ModalSchliesser schliesser([&](QWidget* w) {
            if (auto* a = dynamic_cast<Form102a*>(w)) {
                ++geöffnet;
                EXPECT_EQ(Buttons(), QStringLiteral("000"));
                QTimer::singleShot(0, a, [a, &ersteZeile] {
                    a->logik().ZeigerBewegt(0);
                    ersteZeile = a->logik().gewählteArtNr();
                    emit a->DataGrid1->Doppelklick();
                });
            }
        });
        s->Command2[3]->click();  // group 22
        Ereignisse();
    }
    EXPECT_EQ(geöffnet, 1);
    EXPECT_EQ(d().m_GefaessArtNr.m_Value.toString(), ersteZeile);
    EXPECT_EQ(d().m_GefaessGruppe.m_Value, 22);
    const int32_t inhalt = d().m_GefaessInhalt.m_Value.toLong();
    ASSERT_GT(inhalt, 0);
    EXPECT_EQ(d().m_GefaessAnzahl.m_Value, (gesamt + inhalt - 1) / inhalt);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    // The close box of the dialog writes nothing.
    const QString gewählt = d().m_GefaessArtNr.m_Value.toString();
    {
        ModalSchliesser schliesser;
        s->Command2[0]->click();
        Ereignisse();
        EXPECT_EQ(schliesser.geöffnet, QStringList{QStringLiteral("Form102a")});
    }
    EXPECT_EQ(d().m_GefaessArtNr.m_Value.toString(), gewählt);
    EXPECT_EQ(d().m_GefaessGruppe.m_Value, 22);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    // Typing in the room box clears the choice and resets the count.
    s->Text1[1]->setFocus();
    QTest::keyClicks(s->Text1[1], QStringLiteral("1"));
    Ereignisse();
    EXPECT_EQ(d().m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_EQ(d().m_GefaessAnzahl.m_Value, 1);
    EXPECT_EQ(s->Label6[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_FALSE(d().m_IstAusgelegt.m_Value.toBool());
}
