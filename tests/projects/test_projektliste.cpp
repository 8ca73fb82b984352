#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Projektfixture.h"
#include "data/Recordset.h"
#include "projects/Projektliste.h"
#include "projects/forms/MDIListe.h"
#include "projects/forms/Projektgitter.h"
#include "base/Programmzustand.h"
#include "support/QStringAusgabe.h"

namespace {

// Five projects; the page stands on the third one ("3") in the order of the numbers.
class ProjektlisteTest : public Projektfixture {
protected:
    void SetUp() override
    {
        Projektfixture::SetUp();
        projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Echo"), QStringLiteral("2004-01-01 00:00:00"));
        projekt(QStringLiteral("2"), QStringLiteral("Kü"), QStringLiteral("Delta"), QStringLiteral("2005-01-01 00:00:00"));
        projekt(QStringLiteral("3"), QStringLiteral("Sp"), QStringLiteral("Charlie"), QStringLiteral("2003-01-01 00:00:00"));
        projekt(QStringLiteral("4"), QStringLiteral("So"), QStringLiteral("Bravo"), QStringLiteral("2007-01-01 00:00:00"));
        projekt(QStringLiteral("5"), QStringLiteral("Xy"), QStringLiteral("Alpha"), QStringLiteral("2006-01-01 00:00:00"));
        zustand().aktProjektnummer = QStringLiteral("3");
        öffne();
        ASSERT_EQ(aktuell(), QStringLiteral("3"));
    }
    // The row of a project in the page's table.
    int zeile(const QString& nr) { return static_cast<int>(reihenfolge().indexOf(nr)); }
};

TEST_F(ProjektlisteTest, OeffnetAufDemErstenProjektUndAbbruchKehrtZurueck)
{
    Projektliste liste(*seite);
    liste.Laden();
    EXPECT_EQ(liste.StartProjektNr(), QStringLiteral("3"));
    EXPECT_EQ(liste.Sortiertext(), sortierung(1));
    EXPECT_EQ(liste.AuswahlProjektNr, QStringLiteral("1"));
    EXPECT_EQ(liste.markierteZeile(), 0);
    EXPECT_EQ(aktuell(), QStringLiteral("1"));

    liste.recordset()->GeheZu(zeile(QStringLiteral("4")));
    EXPECT_EQ(liste.AuswahlProjektNr, QStringLiteral("4"));
    liste.Abbrechen();
    EXPECT_EQ(liste.AuswahlProjektNr, QStringLiteral("3"));
    liste.Schliessen();
    EXPECT_EQ(aktuell(), QStringLiteral("3"));
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("3"));
}

TEST_F(ProjektlisteTest, SucheVonEinemText)
{
    struct Fall {
        int sortierung;
        const char* text;
        const char* auswahl;  // "" when the search ran past the last project
    };
    const Fall fälle[] = {
        {1, "2", "2"},
        {1, "25", "3"},
        {1, "", "1"},
        {1, "9", ""},
        {3, "B", "4"},      // Bravo: the first designation not below "B"
        {3, "bravo", "4"},  // compared without regard to case
        {3, "Z", ""},
        {5, "01.01.2005", "2"},
        {5, "x", "3"},      // no date: the list stays on the first project of the order (2003)
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.text);
        zustand().aktSortierung = sortierung(f.sortierung);
        Projektliste liste(*seite);
        liste.Laden();
        liste.Suchen(QString::fromUtf8(f.text));
        EXPECT_EQ(liste.AuswahlProjektNr, QString::fromUtf8(f.auswahl));
        EXPECT_EQ(liste.markierteZeile(), *f.auswahl ? zeile(QString::fromUtf8(f.auswahl)) : -1);
        liste.Schliessen();
    }
}

TEST_F(ProjektlisteTest, NichtsGefundenWaehltDasErsteProjektDerNeuanlageart)
{
    zustand().ProjektartNeuanlage = QStringLiteral("So");
    Projektliste liste(*seite);
    liste.Laden();
    liste.Suchen(QStringLiteral("9"));
    ASSERT_EQ(liste.AuswahlProjektNr, QString());
    liste.Schliessen();
    EXPECT_EQ(aktuell(), QStringLiteral("4"));
}

TEST_F(ProjektlisteTest, ZeigerMarkiertOhneDenDatensatzZuBewegen)
{
    Projektliste liste(*seite);
    liste.Laden();
    liste.ZeigerÜberZeile(3);
    EXPECT_EQ(liste.markierteZeile(), 3);
    EXPECT_EQ(liste.AuswahlProjektNr, QStringLiteral("4"));
    EXPECT_EQ(aktuell(), QStringLiteral("1"));
    // Below the last project: nothing changes.
    liste.ZeigerÜberZeile(5);
    liste.ZeigerÜberZeile(-1);
    EXPECT_EQ(liste.markierteZeile(), 3);
    EXPECT_EQ(liste.AuswahlProjektNr, QStringLiteral("4"));
    liste.Schliessen();
    EXPECT_EQ(aktuell(), QStringLiteral("4"));
}

TEST_F(ProjektlisteTest, NeueSortierungBleibtUndAbbruchFindetDasStartprojekt)
{
    Projektliste liste(*seite);
    liste.Laden();
    liste.recordset()->GeheZu(zeile(QStringLiteral("2")));
    liste.Neusortieren(sortierung(3));
    EXPECT_EQ(reihenfolge(), QStringList({"5", "4", "3", "2", "1"}));
    EXPECT_EQ(liste.AuswahlProjektNr, QStringLiteral("2"));
    EXPECT_EQ(liste.markierteZeile(), 3);
    // A text that is no entry of the box becomes the first entry.
    liste.Neusortieren(QStringLiteral("6 - Unbekannt"));
    EXPECT_EQ(liste.Sortiertext(), sortierung(1));
    liste.Neusortieren(sortierung(3));

    // Cancel goes back to the saved position (the third row); in this order "3" stands there.
    liste.Abbrechen();
    liste.Schliessen();
    EXPECT_EQ(zustand().aktSortierung, sortierung(3));
    EXPECT_EQ(seite->SortierString1, QStringLiteral("Projektbezeichnung"));
    EXPECT_EQ(reihenfolge(), QStringList({"5", "4", "3", "2", "1"}));
    EXPECT_EQ(aktuell(), QStringLiteral("3"));
}

TEST_F(ProjektlisteTest, AbbruchNachNeuerSortierungNimmtDieGemerkteStelle)
{
    // By date the third row holds project "2": Cancel goes to the place, not to the number.
    Projektliste liste(*seite);
    liste.Laden();
    liste.Neusortieren(sortierung(5));
    ASSERT_EQ(reihenfolge(), QStringList({"3", "1", "2", "5", "4"}));
    liste.recordset()->GeheZu(zeile(QStringLiteral("4")));
    liste.Abbrechen();
    EXPECT_EQ(liste.AuswahlProjektNr, QStringLiteral("2"));
    liste.Schliessen();
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
}

TEST(ProjektlisteZeile, SichtbareZeileUnterDemZeiger)
{
    struct Fall {
        double y, oben, höhe;
        int zeile;
    };
    const Fall fälle[] = {
        {1000, 1000, 250, 0},  {1249, 1000, 250, 0},  {1250, 1000, 250, 1},
        {1249.5, 1000, 250, 1},  // 249.5 rounds to 250 (half to even)
        {1248.5, 1000, 250, 0},  // 248.5 rounds to 248
        {800, 1000, 250, 0},     // over the captions, less than a row above: line 0
        {750, 1000, 250, -1},
        {1000, 1000, 0, -1},
    };
    for (const Fall& f : fälle)
        EXPECT_EQ(Projektauswahl::SichtbareZeile(f.y, f.oben, f.höhe), f.zeile) << f.y << " " << f.höhe;
}

// --- The dialog itself (never shown) ---

class MDIListeTest : public ProjektlisteTest {
protected:
    void SetUp() override
    {
        ProjektlisteTest::SetUp();
        dialog = std::make_unique<MDIListe>(*seite);
    }
    void TearDown() override
    {
        dialog.reset();
        ProjektlisteTest::TearDown();
    }
    RecordsetModell& modell() { return *dialog->DataGrid1->modell(); }
    bool markiert(int z) { return dialog->DataGrid1->selectionModel()->isRowSelected(z, QModelIndex()); }
    std::unique_ptr<MDIListe> dialog;
};

TEST_F(MDIListeTest, GitterZeigtFuenfSpaltenUndDieNamenDerArten)
{
    ASSERT_EQ(modell().columnCount(), 5);
    EXPECT_EQ(modell().headerData(0, Qt::Horizontal).toString(), QStringLiteral("Projekt Nr."));
    EXPECT_EQ(modell().headerData(4, Qt::Horizontal).toString(), QStringLiteral("Datum"));
    const QStringList arten = {"Heizungsanlagen", "Kühl- und Kälteanlagen", "Speicher-Wasserwärmer", "Solaranlagen", " "};
    for (int z = 0; z < 5; ++z)
        EXPECT_EQ(modell().text(z, 1), arten.at(z));
    EXPECT_EQ(modell().text(0, 4), QStringLiteral("01.01.2004   "));
    EXPECT_EQ(modell().data(modell().index(0, 4), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_FALSE(modell().flags(modell().index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("1"));
    EXPECT_TRUE(markiert(0));
}

TEST_F(MDIListeTest, WaehlenPerKlickEnterUndSuche)
{
    // A click on the fourth row, then Wählen.
    dialog->DataGrid1->setCurrentIndex(modell().index(3, 0));
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("4"));
    EXPECT_TRUE(markiert(3));
    EXPECT_FALSE(markiert(0));
    dialog->Wählen->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(aktuell(), QStringLiteral("4"));

    // The pointer over the second row and Enter: that row is chosen, not the current one.
    dialog = std::make_unique<MDIListe>(*seite);
    emit dialog->DataGrid1->ZeigerUeberZeile(1);
    EXPECT_EQ(aktuell(), QStringLiteral("1"));
    EXPECT_TRUE(markiert(1));
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(aktuell(), QStringLiteral("2"));

    // Typing into the search box searches at once.
    dialog = std::make_unique<MDIListe>(*seite);
    QTest::keyClicks(dialog->SuchBox, QStringLiteral("3"));
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("3"));
    EXPECT_TRUE(markiert(2));
    dialog->SuchBox->setText(QStringLiteral("9"));
    EXPECT_EQ(dialog->Text1->text(), QString());
    EXPECT_FALSE(dialog->DataGrid1->selectionModel()->hasSelection());
    dialog->SuchBox->setText(QStringLiteral("5"));
    emit dialog->DataGrid1->Doppelklick();
    EXPECT_EQ(aktuell(), QStringLiteral("5"));
}

TEST_F(MDIListeTest, AbbruchUndEscapeKehrenZumStartprojektZurueck)
{
    dialog->DataGrid1->setCurrentIndex(modell().index(4, 0));
    dialog->Cancel->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(aktuell(), QStringLiteral("3"));

    dialog = std::make_unique<MDIListe>(*seite);
    dialog->DataGrid1->setCurrentIndex(modell().index(4, 0));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(aktuell(), QStringLiteral("3"));

    // The close box chooses the highlighted project.
    dialog = std::make_unique<MDIListe>(*seite);
    dialog->DataGrid1->setCurrentIndex(modell().index(1, 0));
    dialog->close();
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
}

TEST_F(MDIListeTest, TastenImGitterUndInDerSortierbox)
{
    // Page Down moves one row, not one page.
    QTest::keyClick(dialog->DataGrid1, Qt::Key_PageDown);
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("2"));
    QTest::keyClick(dialog->DataGrid1, Qt::Key_PageDown);
    QTest::keyClick(dialog->DataGrid1, Qt::Key_PageUp);
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("2"));

    // Typing into the sort box changes nothing; Down takes the next order at once.
    QTest::keyClicks(dialog->SortierCombo2, QStringLiteral("5"));
    EXPECT_EQ(dialog->SortierCombo2->currentText(), sortierung(1));
    QTest::keyClick(dialog->SortierCombo2, Qt::Key_Down);
    EXPECT_EQ(dialog->SortierCombo2->currentText(), sortierung(2));
    EXPECT_EQ(zustand().aktSortierung, sortierung(2));
    EXPECT_EQ(reihenfolge(), QStringList({"1", "2", "4", "3", "5"}));
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
}

}  // namespace
