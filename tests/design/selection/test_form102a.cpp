#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "Auswahlfixture.h"
#include "base/forms/Auswahlgitter.h"
#include "data/Recordset.h"
#include "design/selection/forms/Form102a.h"
#include "design/selection/forms/Form102c.h"
#include "base/Twips.h"
#include "support/QStringAusgabe.h"

namespace {

// The article dialog over the page's manual list of group 2 (16 vessels: the grid scrolls).
class Artikeldialog : public Auswahltest {
protected:
    void SetUp() override
    {
        Auswahltest::SetUp();
        anlage();
        laden();
        l->m_gruppeNr = 2;
        l->LadeBehälterlisteManuell(2, 1.5f, 0);
        ASSERT_EQ(l->Artikelliste()->Anzahl(), 16);
    }
    void öffnen(int zeile = 0)
    {
        l->Artikelliste()->GeheZu(zeile);
        dlg = std::make_unique<Form102a>(*l);
        dlg->show();
        QApplication::processEvents();
    }
    QWidget* fläche() const { return dlg->DataGrid1->viewport(); }
    int zeileY(int sichtbareZeile) const
    {
        const int h = dlg->DataGrid1->verticalHeader()->defaultSectionSize();
        return sichtbareZeile * h + h / 2;
    }
    void zeigerAuf(int sichtbareZeile)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(20, zeileY(sichtbareZeile)), fläche()->mapToGlobal(QPointF(20, zeileY(sichtbareZeile))),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(fläche(), &e);
    }
    int aktuell() const { return l->Artikelliste()->Position(); }
    QString gespeichert() { return d->text("m_GefaessArtNr"); }

    std::unique_ptr<Form102a> dlg;
};

TEST_F(Artikeldialog, ÖffnetAufDerAktuellenZeileMitLangtext)
{
    öffnen(4);
    EXPECT_EQ(dlg->Text1->text(), QStringLiteral("40205"));
    EXPECT_TRUE(dlg->TextLangtext->toPlainText().contains(QStringLiteral("Durchmesser")));
    EXPECT_TRUE(dlg->DataGrid1->selectionModel()->isRowSelected(4, QModelIndex()));
    EXPECT_EQ(dlg->windowTitle(), LadeText(480));
    // Two columns removed, four hidden: nine left, seven shown.
    EXPECT_EQ(dlg->DataGrid1->model()->columnCount(), 11);
    int gezeigt = 0;
    for (int i = 0; i < 11; ++i)
        gezeigt += dlg->DataGrid1->isColumnHidden(i) ? 0 : 1;
    EXPECT_EQ(gezeigt, 7);
    EXPECT_TRUE(dlg->DataGrid1->model()->index(0, 5).data().toString().endsWith(QStringLiteral("    ")));
}

TEST_F(Artikeldialog, ZeigerMarkiertOhneAktuelleZeileZuÄndernDoppelklickNimmtSie)
{
    öffnen(0);
    const QString langtext = dlg->TextLangtext->toPlainText();
    zeigerAuf(3);
    EXPECT_EQ(dlg->Text1->text(), QStringLiteral("40204"));
    EXPECT_EQ(dlg->TextLangtext->toPlainText(), langtext);
    EXPECT_EQ(aktuell(), 0);
    EXPECT_TRUE(dlg->DataGrid1->selectionModel()->isRowSelected(3, QModelIndex()));
    EXPECT_FALSE(dlg->DataGrid1->selectionModel()->isRowSelected(0, QModelIndex()));
    emit dlg->DataGrid1->Doppelklick();
    EXPECT_EQ(gespeichert(), QStringLiteral("40204"));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(Artikeldialog, BildTastenEineZeileUndScrollregel)
{
    öffnen(0);
    dlg->DataGrid1->setFocus();
    QTest::keyClick(dlg->DataGrid1, Qt::Key_PageDown);
    EXPECT_EQ(aktuell(), 1);
    EXPECT_EQ(dlg->Text1->text(), QStringLiteral("40202"));
    const int sichtbar = dlg->DataGrid1->sichtbareZeilen();
    ASSERT_GE(sichtbar, 4);
    // Down to the row that is one of the two lowest visible lines: the grid scrolls by one.
    while (aktuell() < sichtbar - 2)
        QTest::keyClick(dlg->DataGrid1, Qt::Key_Down);
    EXPECT_EQ(dlg->DataGrid1->verticalScrollBar()->value(), 1);
    QTest::keyClick(dlg->DataGrid1, Qt::Key_PageUp);
    EXPECT_EQ(aktuell(), sichtbar - 3);
    EXPECT_EQ(gespeichert(), QStringLiteral(" "));  // moving calls nothing back
}

TEST_F(Artikeldialog, EnterRuftEinmalZurückUndSchließt)
{
    öffnen(6);
    int rückrufe = 0;
    dlg->DataGrid1->setFocus();
    QObject::connect(dlg.get(), &QDialog::accepted, [&] { ++rückrufe; });
    QTest::keyClick(dlg->DataGrid1, Qt::Key_Return);
    EXPECT_EQ(gespeichert(), QStringLiteral("40207"));
    EXPECT_EQ(rückrufe, 1);
    EXPECT_EQ(aktuell(), 6);  // the key did not move the grid
}

TEST_F(Artikeldialog, WeiterNimmtAktuelleZeileAmEndeNichts)
{
    öffnen(2);
    zeigerAuf(5);  // Weiter ignores the row under the pointer
    dlg->WeiterCommand->click();
    EXPECT_EQ(gespeichert(), QStringLiteral("40203"));

    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40216"));
    öffnen(16);  // EOF
    dlg->WeiterCommand->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(gespeichert(), QStringLiteral("40216"));
}

TEST_F(Artikeldialog, SchließfeldSchreibtNichts)
{
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40216"));
    öffnen(3);
    zeigerAuf(1);
    dlg->close();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(gespeichert(), QStringLiteral("40216"));
}

TEST_F(Artikeldialog, ZeigerÜberLeererListeSchließtOhneRückruf)
{
    l->LadeBehälterlisteManuell(2, 1.5f, 99999);
    dlg = std::make_unique<Form102a>(*l);
    dlg->show();
    QApplication::processEvents();
    EXPECT_TRUE(dlg->Text1->text().isEmpty());
    zeigerAuf(0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(gespeichert(), QStringLiteral(" "));
}

TEST_F(Artikeldialog, LängeAlsÜberschriftBeiGruppe8)
{
    l->m_gruppeNr = 8;
    öffnen(0);
    EXPECT_TRUE(dlg->Label1[3]->text().startsWith(LadeText(484) + QStringLiteral("\n")));
    EXPECT_TRUE(dlg->Label1[5]->text().endsWith(QStringLiteral(" ") + zustand().Währungskürzel));
}

TEST_F(Auswahltest, ÜbersichtsdialogHöheUndZeilen)
{
    anlage();
    (*d)["m_Sicherung"] = VbVariant::lng(1);
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40213"));
    (*d)["m_GefaessAnzahl"] = VbVariant(2.0);
    d->item("m_Einzel_GefässArtNr_m_value", 2) = VbVariant(QStringLiteral("40201"));
    laden();
    Form102c dlg(*l);
    EXPECT_EQ(dlg.height(), Twips::zuPixel(5050));
    EXPECT_EQ(dlg.Label1[0]->text(), LadeText(532));
    EXPECT_EQ(dlg.Label3[0]->text(), QStringLiteral("2"));
    EXPECT_TRUE(dlg.Label4[1]->isHidden());
    EXPECT_TRUE(dlg.Label6[1]->isHidden());
    EXPECT_FALSE(dlg.Label6[2]->isHidden());
    EXPECT_EQ(dlg.Label5[2]->text(), QStringLiteral("1"));
}

}  // namespace
