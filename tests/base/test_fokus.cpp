#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "base/forms/MoveFocus.h"
#include "base/forms/Tastenvorschau.h"
#include "base/forms/Steuerelemente.h"
#include "base/forms/behandlungTabStop.h"

namespace {

// A form with text boxes (one control array), a button, an option group, a check box, a hidden
// and a disabled box, a label and a combo box, in this tab order.
class Eingabeform : public QWidget, public FormValidierung {
public:
    QLineEdit* text0 = neu<QLineEdit>("Text1", 0);
    QLineEdit* text1 = neu<QLineEdit>("Text1", 1);
    QPushButton* knopf = neu<QPushButton>("Command1");
    QRadioButton* opt0 = neu<QRadioButton>("Opt", 0);
    QRadioButton* opt1 = neu<QRadioButton>("Opt", 1);
    QRadioButton* opt2 = neu<QRadioButton>("Opt", 2);
    QCheckBox* haken = neu<QCheckBox>("Check1");
    QLabel* beschriftung = neu<QLabel>("Label1");
    QLineEdit* versteckt = neu<QLineEdit>("Versteckt");
    QLineEdit* gesperrt = neu<QLineEdit>("Gesperrt");
    QComboBox* auswahl = neu<QComboBox>("Combo1");
    QLineEdit* einzeln = neu<QLineEdit>("Einzeln");

    struct Aufruf { QString name; VbVariant index; };
    QList<Aufruf> aufrufe;
    QString abweisen;  // name whose check sets Cancel

    Eingabeform()
    {
        opt1->setChecked(true);
        versteckt->hide();
        gesperrt->setEnabled(false);
        resize(300, 400);
    }

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override
    {
        aufrufe.append({name, Index});
        if (name == abweisen)
            Cancel = true;
    }

private:
    template <class W>
    W* neu(const char* name, int index = -1)
    {
        auto* w = new W(this);
        w->setObjectName(QString::fromLatin1(name));
        w->move(0, 30 * children().size());
        if (index >= 0)
            Steuerelemente::setzeIndex(w, index);
        return w;
    }
};

class Fokus : public ::testing::Test {
protected:
    Eingabeform form;
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QWidget* fokus() const { return form.focusWidget(); }
};

}  // namespace

TEST_F(Fokus, TabIndexesFollowTheFocusChainAndSkipLabels)
{
    const QList<QWidget*> l = Steuerelemente::liste(&form);
    ASSERT_EQ(l.size(), 11);
    EXPECT_EQ(l.first(), form.text0);
    EXPECT_EQ(l.last(), form.einzeln);
    EXPECT_FALSE(l.contains(form.beschriftung));
    EXPECT_TRUE(Steuerelemente::index(form.einzeln).isNull());
    EXPECT_EQ(Steuerelemente::index(form.opt2).toInteger(), 2);
}

TEST_F(Fokus, EnterWalksTheInputsAndValidatesTextInputsOnly)
{
    MoveFocus mf;
    mf.Init(&form, true);
    struct Schritt { QWidget* von; QWidget* nach; const char* geprüft; int index; };
    const Schritt schritte[] = {
        {form.text0, form.text1, "Text1", 0},
        {form.text1, form.opt1, "Text1", 1},      // button and unset option skipped
        {form.opt1, form.haken, nullptr, 0},      // option: no check
        {form.haken, form.auswahl, nullptr, 0},   // hidden and disabled boxes skipped
        {form.auswahl, form.einzeln, "Combo1", -1},
        {form.einzeln, form.text0, "Einzeln", -1},  // wraps to tab index 0
    };
    for (const Schritt& s : schritte) {
        s.von->setFocus();
        form.aufrufe.clear();
        int taste = 13;
        mf.NextTabStop(taste);
        EXPECT_EQ(fokus(), s.nach) << qPrintable(s.von->objectName());
        EXPECT_EQ(taste, 0);
        if (!s.geprüft) {
            EXPECT_TRUE(form.aufrufe.isEmpty()) << qPrintable(s.von->objectName());
            continue;
        }
        ASSERT_EQ(form.aufrufe.size(), 1) << s.geprüft;
        EXPECT_EQ(form.aufrufe[0].name, QString::fromLatin1(s.geprüft));
        if (s.index < 0)
            EXPECT_TRUE(form.aufrufe[0].index.isNull());
        else
            EXPECT_EQ(form.aufrufe[0].index.toInteger(), s.index);
    }
}

TEST_F(Fokus, CancelKeepsTheFocusAndTheKey)
{
    MoveFocus mf;
    mf.Init(&form, true);
    form.abweisen = QStringLiteral("Text1");
    form.text1->setFocus();
    int taste = 13;
    mf.NextTabStop(taste);
    EXPECT_EQ(fokus(), form.text1);
    EXPECT_EQ(taste, 13);

    // Other keys are left alone; without DeleteKeyAscii Enter stays in KeyAscii.
    form.abweisen.clear();
    taste = 65;
    mf.NextTabStop(taste);
    EXPECT_EQ(fokus(), form.text1);
    MoveFocus behalten;
    behalten.Init(&form, false);
    taste = 13;
    behalten.NextTabStop(taste);
    EXPECT_EQ(fokus(), form.opt1);
    EXPECT_EQ(taste, 13);
}

TEST_F(Fokus, ClearedTabStopsAreSkippedAndOutOfRangeIgnored)
{
    MoveFocus mf;
    mf.Init(&form, true);
    mf.ClearTabStop(mf.TabIndexVon(form.text1));
    mf.ClearTabStop(-1);
    mf.ClearTabStop(99);
    form.text0->setFocus();
    int taste = 13;
    mf.NextTabStop(taste);
    EXPECT_EQ(fokus(), form.opt1);

    // A cleared active box is not validated either.
    form.text1->setFocus();
    form.aufrufe.clear();
    taste = 13;
    mf.NextTabStop(taste);
    EXPECT_TRUE(form.aufrufe.isEmpty());
    EXPECT_EQ(fokus(), form.opt1);

    EXPECT_EQ(mf.GetTabIndex(), 4);
    mf.SetTabIndex(0);
    EXPECT_EQ(fokus(), form.text0);
    mf.SetTabIndex(mf.TabIndexVon(form.text1));  // cleared: nothing
    EXPECT_EQ(fokus(), form.text0);
    QString name;
    VbVariant index;
    mf.GetAktObject(name, index);
    EXPECT_EQ(name, QStringLiteral("Text1"));
    EXPECT_EQ(index.toInteger(), 0);
}

TEST_F(Fokus, NoQualifyingControlEndsAfterOneRound)
{
    MoveFocus mf;
    mf.Init(&form, true);
    for (QWidget* w : {static_cast<QWidget*>(form.text0), static_cast<QWidget*>(form.text1),
                       static_cast<QWidget*>(form.opt1), static_cast<QWidget*>(form.haken),
                       static_cast<QWidget*>(form.auswahl), static_cast<QWidget*>(form.einzeln)})
        w->setEnabled(false);
    form.knopf->setFocus();
    int taste = 13;
    mf.NextTabStop(taste);
    EXPECT_EQ(fokus(), form.knopf);
    EXPECT_EQ(taste, 13);

    QWidget leer;
    MoveFocus ohne;
    ohne.Init(&leer, true);
    taste = 13;
    ohne.NextTabStop(taste);
    EXPECT_EQ(taste, 13);
}

TEST_F(Fokus, TabWalksTheProgramsOrderUpToTheHighestIndex)
{
    behandlungTabStop tab;
    tab.Initialisierung(&form, 4);
    EXPECT_FALSE(form.knopf->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(form.knopf->autoDefault());
    struct Fall { QWidget* von; int shift; QWidget* nach; };
    const Fall fälle[] = {
        {form.opt1, 0, form.text0},     // tab index 4 is the highest: back to 0
        {form.text0, 1, form.opt1},     // Shift+Tab from 0 to MaxIndex
        {form.text0, 0, form.text1},
        {form.text1, 0, form.knopf},
        {form.text1, 3, form.knopf},    // Ctrl+Shift+Tab steps forward
        {form.knopf, 1, form.text1},
    };
    for (const Fall& f : fälle) {
        f.von->setFocus();
        tab.ShiftTastenStatus(f.shift);
        int taste = 9;
        tab.keyPress(taste);
        EXPECT_EQ(fokus(), f.nach) << qPrintable(f.von->objectName()) << " shift " << f.shift;
        EXPECT_EQ(taste, 0);
    }

    // Without a highest index the walk covers every control; hidden ones are passed over.
    behandlungTabStop alle;
    alle.Initialisierung(&form, 0);
    form.haken->setFocus();
    alle.ShiftTastenStatus(0);
    int taste = 9;
    alle.keyPress(taste);
    EXPECT_EQ(fokus(), form.auswahl);
    alle.ShiftTastenStatus(1);
    form.text0->setFocus();
    alle.keyPress(taste = 9);
    EXPECT_EQ(fokus(), form.einzeln);

    // No control takes the focus: it stays, and Tab is still swallowed.
    for (QWidget* w : Steuerelemente::liste(&form))
        if (w != form.text0)
            w->setEnabled(false);
    form.text0->setFocus();
    alle.ShiftTastenStatus(0);
    alle.keyPress(taste = 9);
    EXPECT_EQ(fokus(), form.text0);
    EXPECT_EQ(taste, 0);
    alle.keyPress(taste = 13);
    EXPECT_EQ(taste, 13);
}

TEST_F(Fokus, KeyPreviewHandsTabAndEnterToTheForm)
{
    behandlungTabStop tab;
    tab.Initialisierung(&form, 0);
    MoveFocus mf;
    mf.Init(&form, true);
    QList<int> gedrückt;
    Tastenvorschau vorschau(
        &form, [&](int& KeyCode, int Shift) {
            gedrückt << KeyCode;
            tab.ShiftTastenStatus(Shift);
        },
        [&](int& KeyAscii) {
            tab.keyPress(KeyAscii);
            mf.NextTabStop(KeyAscii);
        });
    form.text0->setFocus();
    QTest::keyClick(form.text0, Qt::Key_Tab);
    EXPECT_EQ(fokus(), form.text1);
    QTest::keyClick(form.text1, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(fokus(), form.text0);
    QTest::keyClick(form.text0, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(fokus(), form.einzeln);
    QTest::keyClick(form.einzeln, Qt::Key_Return);
    EXPECT_EQ(fokus(), form.text0);
    EXPECT_EQ(form.einzeln->text(), QString());
    QTest::keyClicks(form.text0, QStringLiteral("a1"));
    EXPECT_EQ(form.text0->text(), QStringLiteral("a1"));  // other keys reach the control
    EXPECT_EQ(gedrückt, (QList<int>{9, 16, 9, 16, 9, 13, 65, 49}));  // Shift goes down before its Tab
}

// Enter on a focused push button presses it and goes no further; Enter elsewhere reaches the form.
TEST_F(Fokus, EnterDruecktDenKnopfMitDemFokus)
{
    MoveFocus mf;
    mf.Init(&form, true);
    QList<int> gedrückt;
    Tastenvorschau vorschau(
        &form, [&](int& KeyCode, int) { gedrückt << KeyCode; }, [&](int& KeyAscii) { mf.NextTabStop(KeyAscii); });
    int klicks = 0;
    QObject::connect(form.knopf, &QPushButton::clicked, [&] { ++klicks; });
    form.knopf->setFocus();
    QTest::keyClick(form.knopf, Qt::Key_Return);
    QTest::keyClick(form.knopf, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(klicks, 2);
    EXPECT_EQ(fokus(), form.knopf);
    EXPECT_TRUE(gedrückt.isEmpty());
    // Enter in a text box still moves on, past the button.
    form.text1->setFocus();
    QTest::keyClick(form.text1, Qt::Key_Return);
    EXPECT_EQ(fokus(), form.opt1);
    EXPECT_EQ(klicks, 2);
}
