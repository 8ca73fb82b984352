#include "Seitenfixture.h"

#include <QTimer>

#include "base/forms/Auswahlgitter.h"
#include "design/selection/forms/Form102a.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "design/water_pressure/forms/Form300.h"
#include "design/water_pressure/forms/Form301.h"
#include "design/water_pressure/forms/Form400.h"
#include "support/ModalSchliesser.h"

namespace {

class Seite301 : public Seitenfixture {
public:
    // Two pressure-boosting groups: the demo catalogue offers 15 only.
    Seite301() { artikelSql = QStringLiteral("UPDATE [Gruppen MAG] SET Druckerhöhung = -1 WHERE Gruppe = 16"); }

protected:
    // A new project of the type (choice button 3 "Tr", 2 "Dr"), calculated on its input page,
    // and its vessel page.
    Form301* Gefäßseite(int knopf, const QString& nr)
    {
        WasserEingabeseite* eingabe = knopf == 3 ? static_cast<WasserEingabeseite*>(ZurSeite<Form300>(knopf, nr))
                                                 : static_cast<WasserEingabeseite*>(ZurSeite<Form400>(knopf, nr));
        if (!eingabe)
            return nullptr;
        eingabe->Command3->click();
        Ereignisse();
        Weiter();
        return dynamic_cast<Form301*>(Aktuell());
    }
    QStringList Gruppen(const Form301& s) const
    {
        QStringList g;
        for (QPushButton* b : s.Command1)
            if (b->isVisibleTo(&s))
                g << b->text();
        return g;
    }
    // Takes a row of the article dialog when it comes up (the first row of the list).
    static void NimmErsteZeile(QWidget* w, int& geöffnet)
    {
        if (auto* a = dynamic_cast<Form102a*>(w)) {
            ++geöffnet;
            QTimer::singleShot(0, a, [a] {
                a->logik().ZeigerBewegt(0);
                emit a->DataGrid1->Doppelklick();
            });
        }
    }
};

}  // namespace

TEST_F(Seite301, TrinkwasserAutomatischVonHandUndTippen)
{
    Form301* s = Gefäßseite(3, QStringLiteral("T1"));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(zustand().Status, 301);
    EXPECT_EQ(fenster->fenster(301), s);
    GlobDatenTrinkw& d = *zustand().g_trinkdat;
    EXPECT_EQ(s->Label1[11]->text(), QStringLiteral("- MAG für Trinkwassererwärmungsanlage -"));
    EXPECT_EQ(s->Label1[0]->text(), QStringLiteral("Projektnummer:     T1"));
    EXPECT_EQ(s->Label4[2]->text(), QStringLiteral("3"));
    EXPECT_EQ(Gruppen(*s), (QStringList{"17", "18"}));
    EXPECT_EQ(s->Command1[0]->toolTip(), LadeText(2120));
    EXPECT_EQ(s->Command2[0]->toolTip(), LadeText(2121));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_EQ(s->Text1[3]->text(), QStringLiteral("1"));

    s->Command1[0]->click();  // group 17
    Ereignisse();
    EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral("41701"));
    EXPECT_EQ(s->Label6[0]->text(), QStringLiteral("8"));
    EXPECT_EQ(s->Label6[1]->text(), QStringLiteral("206 mm / 300 mm"));
    EXPECT_EQ(s->Label6[3]->text(), QStringLiteral("17"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    // By hand: the dialog finds the page through the main window, the bottom buttons hidden.
    int geöffnet = 0;
    QString knöpfeImDialog;
    {
        ModalSchliesser schliesser([&](QWidget* w) {
            knöpfeImDialog = Buttons();
            EXPECT_EQ(Form102a::Rufer(), static_cast<Artikelauswahlrufer*>(s));
            NimmErsteZeile(w, geöffnet);
        });
        recorder.leeren();
        s->Command2[1]->click();  // group 18: 2204 first
        Ereignisse();
    }
    EXPECT_EQ(geöffnet, 1);
    EXPECT_EQ(knöpfeImDialog, QStringLiteral("000"));
    EXPECT_EQ(Meldungen({2204}).value(0).first, 2204);
    EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral("41801"));
    EXPECT_EQ(d.m_GefaessGruppe.m_Value, 18);
    EXPECT_EQ(d.m_GefaessAnzahl.m_Value, 1);
    EXPECT_EQ(s->Label6[2]->text(), QStringLiteral("Trinkwasser-MAG 300 l / 10 bar, Vordruck 4,0 bar"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    // Typing in the door box clears the vessel and resets the count; Weiter goes.
    d.m_GefaessAnzahl.m_Value = 2;
    d.m_GefaessAnzahl.GlobDatenInTextBox();
    s->Text1[0]->setFocus();
    QTest::keyClicks(s->Text1[0], QStringLiteral("0"));
    Ereignisse();
    EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_EQ(d.m_GefaessAnzahl.m_Value, 1);
    EXPECT_EQ(s->Label6[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(s->Text1[3]->text(), QStringLiteral("1"));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    EXPECT_FALSE(d.m_IstAusgelegt.m_Value.toBool());
}

TEST_F(Seite301, DruckerhöhungAutomatischVonHandUndAnzahlTippen)
{
    Form301* s = Gefäßseite(2, QStringLiteral("D1"));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(zustand().Status, 401);
    EXPECT_EQ(fenster->fenster(401), s);
    GlobDatenDruck& d = *zustand().g_druckdat;
    EXPECT_EQ(s->Label1[10]->text(), QStringLiteral("- Druckerhöhungsanlage -"));
    EXPECT_EQ(s->Label1[11]->text(), QStringLiteral("MAG auf der Enddruckseite"));
    EXPECT_EQ(Gruppen(*s), (QStringList{"15", "16"}));

    s->Command1[1]->click();  // group 16, 17 l
    Ereignisse();
    EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral("41601"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_TRUE(s->Label7->text().isEmpty());

    int geöffnet = 0;
    {
        ModalSchliesser schliesser([&](QWidget* w) { NimmErsteZeile(w, geöffnet); });
        s->Command2[0]->click();  // group 15
        Ereignisse();
    }
    EXPECT_EQ(geöffnet, 1);
    EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral("41501"));
    EXPECT_EQ(d.m_GefaessGruppe.m_Value, 15);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));

    // Typing in the count box clears the vessel but keeps the typed count.
    s->Text1[3]->setFocus();
    s->Text1[3]->selectAll();
    QTest::keyClicks(s->Text1[3], QStringLiteral("2"));
    Ereignisse();
    EXPECT_EQ(d.m_GefaessArtNr.m_Value.toString(), QStringLiteral(" "));
    EXPECT_EQ(s->Text1[3]->text(), QStringLiteral("2"));
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    QTest::keyClick(s->Text1[3], Qt::Key_Return);
    Ereignisse();
    EXPECT_EQ(d.m_GefaessAnzahl.m_Value, 2);

    // Back and forth: the page shows the stored vessel again and offers Weiter on activation.
    s->Command1[0]->click();
    Ereignisse();
    Zurück();
    Weiter();
    auto* wieder = dynamic_cast<Form301*>(Aktuell());
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(wieder->Label6[0]->text(), QStringLiteral("100"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
}
