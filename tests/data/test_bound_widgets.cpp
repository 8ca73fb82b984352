#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>

#include "data/DatenTestHilfen.h"
#include "data/conCheckBoxAdodb.h"
#include "data/conOptButtAdodb.h"
#include "data/conTextBoxAdodb.h"
#include "data/datenbank.h"
#include "base/forms/BoundWidgets.h"
#include "base/Programmzustand.h"
#include "support/TestDatenbank.h"

namespace {

class BoundWidgets : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From Kälteparameter"), 2, Kennwort::Projektdatenbank,
                             true), 0);
    }
    MeldungsRecorder rec;
    TestDatenbank f{{QStringLiteral("CREATE TABLE Kälteparameter (Leistung SINGLE, Dach BOOLEAN, Keller BOOLEAN, "
                                    "Sonst BOOLEAN, Flag BOOLEAN)"),
                     QStringLiteral("INSERT INTO Kälteparameter VALUES (12.5, 0, -1, 0, 0)")}};
    datenbank db;
};

}  // namespace

TEST_F(BoundWidgets, TextfeldUndBeschriftung)
{
    QWidget seite;
    auto* text = new QLineEdit(&seite);
    auto* label = new QLabel(&seite);
    QSignalSpy bearbeitet(text, &QLineEdit::textEdited);
    conTextBoxAdodb w;
    w.BindDatenbank(db.GetADODB_Recordset(), QStringLiteral("Leistung"));
    w.DatenBankInGlobDaten();
    w.BindTextBox(Steuerelement(text), QStringLiteral("#0.0"), VbVariant(0.5), VbVariant(100));
    w.GlobDatenInTextBox();
    EXPECT_EQ(text->text(), QStringLiteral("12,5"));
    auto l = Steuerelement(label);
    w.GlobDatenInLabel_N(*l);
    EXPECT_EQ(label->text(), QStringLiteral("12,5"));
    EXPECT_EQ(bearbeitet.count(), 0);

    text->setText(QStringLiteral("0,25"));
    EXPECT_TRUE(w.TextBoxInGlobDaten());
    EXPECT_EQ(text->text(), QStringLiteral("0,5"));
    auto b = boxenDerArt(rec, Meldungsart::Eingabefehler);
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].werte, (QStringList{"0,5", "100"}));
    text->setText(QStringLiteral("zwölf"));
    EXPECT_TRUE(w.TextBoxInGlobDaten());
    EXPECT_EQ(text->text(), QStringLiteral("0"));
    EXPECT_EQ(w.m_Value, 0.5);
    text->setText(QStringLiteral("7"));
    EXPECT_FALSE(w.TextBoxInGlobDaten());
    EXPECT_EQ(text->text(), QStringLiteral("7,0"));

    auto t = Steuerelement(text);
    t->setEnabled(false);
    EXPECT_FALSE(text->isEnabled());
    EXPECT_FALSE(t->isEnabled());
    // A widget that is gone: the adapter does nothing.
    delete text;
    w.GlobDatenInTextBox();
    EXPECT_EQ(t->text(), QString());
    EXPECT_FALSE(w.TextBoxInGlobDaten());
}

TEST_F(BoundWidgets, OptionenUndKontrollkaestchen)
{
    QWidget seite;
    QList<QRadioButton*> knoepfe;
    for (int i = 0; i < 3; ++i)
        knoepfe << new QRadioButton(&seite);
    QSignalSpy geklickt(knoepfe[0], &QRadioButton::clicked);
    conOptButtAdodb o;
    o.BindDatenbank(db.GetADODB_Recordset(), {QStringLiteral("Dach"), QStringLiteral("Keller"), QStringLiteral("Sonst")});
    o.DatenBankInGlobDaten();
    EXPECT_EQ(o.m_Value, 1);
    auto gruppe = Optionsgruppe(knoepfe);
    o.BindOptionButton(gruppe);
    o.GlobDatenInButton();
    EXPECT_TRUE(knoepfe[1]->isChecked());
    o.ButtonInGlobDaten(0);
    o.GlobDatenInButton();
    EXPECT_TRUE(knoepfe[0]->isChecked());
    EXPECT_FALSE(knoepfe[1]->isChecked());
    EXPECT_EQ(gruppe->wert(), 0);
    EXPECT_EQ(geklickt.count(), 0);

    // Buttons in different parents are cleared as well.
    QWidget a, b;
    QList<QRadioButton*> getrennt{new QRadioButton(&a), new QRadioButton(&b)};
    auto g2 = Optionsgruppe(getrennt);
    g2->setWert(0);
    g2->setWert(1);
    EXPECT_FALSE(getrennt[0]->isChecked());
    EXPECT_EQ(g2->wert(), 1);
    g2->setWert(5);
    EXPECT_EQ(g2->wert(), 1);

    auto* box = new QCheckBox(&seite);
    conCheckBoxAdodb k;
    k.BindDatenbank(db.GetADODB_Recordset(), QStringLiteral("Flag"));
    k.BindCheckBox(Steuerelement(box));
    k.m_Value = true;
    k.GlobDatenInCheckBox();
    EXPECT_EQ(box->checkState(), Qt::Checked);
    box->setCheckState(Qt::PartiallyChecked);
    k.m_Value = false;
    k.CheckBoxInGlobDaten();
    EXPECT_TRUE(k.m_Value);
    box->setCheckState(Qt::Unchecked);
    k.CheckBoxInGlobDaten();
    EXPECT_FALSE(k.m_Value);
    EXPECT_TRUE(rec.boxen.isEmpty());
}
