#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/forms/Auswahlgitter.h"
#include "base/Programmzustand.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/selection/forms/Form102.h"
#include "design/selection/forms/Form102a.h"
#include "shell/forms/MDIForm1.h"
#include "shell/forms/Seitenmanager.h"
#include "shell/MDIForm1Testzugriff.h"
#include "support/ModalSchliesser.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

namespace {

void Ereignisse()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Page 102 in the real main window on a calculated heating data object of the test.
class Seite102 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        fenster = std::make_unique<MDIForm1>(dir.path());
        db = std::make_unique<Datenobjektdatenbanken>();
        zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
        zustand().Projektart = QStringLiteral("He");
        zustand().aktProjektnummer = QStringLiteral("H-1");
        h = std::make_shared<GlobDatenHeizung>();
        ASSERT_EQ(h->Init(), 0);
        h->m_r_vauf.m_Value = 450;
        h->m_r_vges.m_Value = 1000;
        h->m_p_SV.m_Value = 3;
        h->m_r_pfak.m_Value = 0.5;
        h->m_r_pVordruck.m_Value = 1.5;
        h->m_EinbringBreite.m_Value = 1000;
        h->m_EinbringHoehe.m_Value = 2000;
        h->m_GefaessAnzahl.m_Value = 1;
        h->m_GefaessArtNr.m_Value = VbVariant(QStringLiteral(" "));
        zustand().g_heizdat = h;
        fenster->show();
        fenster->activateWindow();
    }
    void TearDown() override
    {
        if (seite)
            MDIForm1Testzugriff::Seiten(*fenster).EntladeSeite(102);
        Ereignisse();
        zustand().g_heizdat.reset();
        h.reset();
        fenster.reset();
        Ereignisse();
    }
    void zeigen()
    {
        seite = dynamic_cast<Form102*>(MDIForm1Testzugriff::Seiten(*fenster).ErzeugeSeite(102));
        ASSERT_NE(seite, nullptr);
        seite->Show();
        Ereignisse();
    }
    QString knöpfe() const
    {
        auto an = [this](QToolButton* b) { return b->isVisibleTo(fenster->LeisteuntenPicture) ? '1' : '0'; };
        return QString() + an(fenster->ExitCommand) + an(fenster->ZurückCommand) + an(fenster->WeiterCommand);
    }
    QPushButton* gruppe(const QString& nr) const
    {
        for (QPushButton* b : seite->Command1)
            if (b->isVisibleTo(seite) && b->text() == nr)
                return b;
        return nullptr;
    }

    QTemporaryDir dir;
    MeldungsRecorder rec;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
    std::shared_ptr<GlobDatenHeizung> h;
    Form102* seite = nullptr;
};

TEST_F(Seite102, GruppenAutomatikUndWeiter)
{
    zeigen();
    ASSERT_NE(seite->logik(), nullptr);
    EXPECT_EQ(seite->Label1[3]->text(), LadeText(440));
    EXPECT_EQ(seite->Text1[0]->text(), QStringLiteral("1000"));
    EXPECT_TRUE(seite->Membrane[0]->isChecked());
    QPushButton* zwei = gruppe(QStringLiteral("2"));
    ASSERT_NE(zwei, nullptr);
    EXPECT_EQ(zwei->toolTip(), LadeText(2120));
    zwei->click();
    Ereignisse();
    EXPECT_EQ(h->m_GefaessArtNr.m_Value.toString(), QStringLiteral("40216"));
    EXPECT_EQ(seite->Label6[0]->text(), QStringLiteral("1000"));
    EXPECT_EQ(seite->Label6[1]->text(), QStringLiteral("980 mm / 1850 mm"));
    EXPECT_EQ(seite->Label6[3]->text(), QStringLiteral("2"));
    EXPECT_EQ(knöpfe(), QStringLiteral("111"));

    // The automat option lists only the three automat groups and their count rows.
    seite->Druckhaltung[1]->click();
    Ereignisse();
    EXPECT_TRUE(seite->Membrane[1]->isChecked());
    EXPECT_NE(gruppe(QStringLiteral("9")), nullptr);
    EXPECT_EQ(gruppe(QStringLiteral("2")), nullptr);
    EXPECT_FALSE(seite->Label6[4]->isHidden());
    EXPECT_EQ(knöpfe(), QStringLiteral("110"));
}

TEST_F(Seite102, GetippteAnzahlBleibtFalscheEingabeBehältFokus)
{
    zeigen();
    gruppe(QStringLiteral("2"))->click();
    Ereignisse();
    QLineEdit* anzahl = seite->Text1[3];
    anzahl->setFocus();
    Ereignisse();
    QTest::keyClick(anzahl, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(anzahl, QStringLiteral("4"));
    Ereignisse();
    EXPECT_EQ(anzahl->text(), QStringLiteral("4"));
    EXPECT_EQ(h->m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_EQ(knöpfe(), QStringLiteral("110"));
    QTest::keyClick(anzahl, Qt::Key_Return);
    Ereignisse();
    EXPECT_EQ(h->m_GefaessAnzahl.m_Value, 4);

    // A door width below its bound: the bound value's message and correction, the focus stays.
    QLineEdit* tür = seite->Text1[0];
    tür->setFocus();
    Ereignisse();
    QTest::keyClick(tür, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(tür, QStringLiteral("200"));
    rec.leeren();
    QTest::keyClick(tür, Qt::Key_Return);
    Ereignisse();
    EXPECT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(h->m_EinbringBreite.m_Value, 300);
    QTest::keyClick(tür, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(tür, QStringLiteral("x"));
    bool cancel = false;
    seite->FormValidateControlElement(QStringLiteral("Text1"), VbVariant::integer(0), cancel);
    EXPECT_TRUE(cancel);  // Enter leaves the focus in the box
}

TEST_F(Seite102, DruckfaktorSperrtUndMeldetBeimAktivieren)
{
    h->m_r_pfak.m_Value = 0.61;
    zeigen();
    EXPECT_FALSE(seite->Druckhaltung[0]->isEnabled());
    EXPECT_FALSE(seite->Membrane[0]->isEnabled());
    EXPECT_TRUE(seite->Druckhaltung[1]->isChecked());
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].vorlage, LadeText(2207));
}

TEST_F(Seite102, HandauswahlÜberDenArtikeldialogDesHauptfensters)
{
    zeigen();
    int rückrufe = 0;
    ModalSchliesser schliesser([&](QWidget* w) {
        if (auto* a = dynamic_cast<Form102a*>(w)) {
            EXPECT_EQ(Form102a::Rufer(), static_cast<Artikelauswahlrufer*>(seite));
            EXPECT_EQ(knöpfe(), QStringLiteral("000"));
            ++rückrufe;
            // No vessel stored: the list stands past its end; the user takes the first row.
            QTimer::singleShot(0, a, [a] {
                a->logik().ZeigerBewegt(0);
                emit a->DataGrid1->Doppelklick();
            });
        }
    });
    QToolButton* manuell = seite->Command2[1];  // group 2
    ASSERT_EQ(seite->Command1[1]->text(), QStringLiteral("2"));
    EXPECT_EQ(manuell->toolTip(), LadeText(2121));
    manuell->click();
    Ereignisse();
    EXPECT_EQ(rückrufe, 1);
    EXPECT_EQ(h->m_GefaessArtNr.m_Value.toString(), QStringLiteral("40202"));  // the list starts at 50 l
    EXPECT_EQ(h->m_GefaessAnzahl.m_Value, 20);
    EXPECT_EQ(seite->Label6[0]->text(), QStringLiteral("50"));
    EXPECT_EQ(knöpfe(), QStringLiteral("111"));
}

}  // namespace
