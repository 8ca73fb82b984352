#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "data/RecordsetModell.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/solar/forms/Form600a.h"
#include "design/solar/forms/Form600b.h"
#include "design/solar/forms/Form600c.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"

namespace {

const QStringList speicher = {
    QStringLiteral("CREATE TABLE Solarwärmetauscher (Bezeichnung TEXT, Nenninhalt REAL, Sortierung INTEGER)"),
    QStringLiteral("INSERT INTO Solarwärmetauscher VALUES ('Kombipuffer 800', 14.5, 3), ('Solarspeicher 300', 8.5, 1), "
                   "('Solarspeicher 400', 10.5, 2)"),
};

// The content dialogs on the solar data object of project S-1, without a main window.
class Inhaltsdialoge : public testing::Test {
protected:
    Inhaltsdialoge()
    {
        zustand().aktProjektnummer = QStringLiteral("S-1");
        db.artikel().ausfuehren(speicher);
        zustand().g_solardat = std::make_shared<GlobDatenSolar>();
        EXPECT_EQ(zustand().g_solardat->Init(), 0);
    }
    ~Inhaltsdialoge() override { zustand().g_solardat.reset(); }
    GlobDatenSolar& d() const { return *zustand().g_solardat; }

    QStringList Protokoll() const
    {
        QStringList p;
        for (const MeldungsBox& b : rec.boxen) {
            int id = 0;
            for (int t : {2250, 2253, 2254, 2255, 2208, 2263})
                if (b.vorlage.startsWith(LadeText(t)))
                    id = t;
            p << QStringLiteral("%1:%2:%3").arg(b.art).arg(id).arg(b.werte.join(QLatin1Char('|')));
        }
        return p;
    }
    // Types into the box as a user does (keys) and presses Enter through the dialog's check.
    static bool Eingeben(Inhaltsdialog& dialog, QLineEdit* box, const QString& text, bool tippen = true)
    {
        if (tippen) {
            box->selectAll();
            QTest::keyClicks(box, text);
        } else {
            box->setText(text);
        }
        bool Cancel = false;
        dialog.FormValidateControlElement(box->objectName(), Steuerelemente::index(box), Cancel);
        return Cancel;
    }

    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
};

}  // namespace


TEST_F(Inhaltsdialoge, KollektorinhaltUndWaermetauscherWarnen)
{
    struct Fall {
        bool kollektor;
        const char* text;
        bool tippen;
        double gespeichert;
        QStringList protokoll;
    };
    const Fall fälle[] = {
        {true, "0,3", true, 0.3, {"1:2208:0.5|1.0"}},
        {true, "0,5", true, 0.5, {}},
        {true, "1", true, 1.0, {}},
        {true, "1,2", true, 1.2, {"1:2208:0.5|1.0"}},
        {true, "2", true, 1.5, {"2:2255:0,1|1,5", "1:2208:0.5|1.0"}},
        {true, "0,2", false, 0.2, {}},  // not typed: no warning
        {false, "5", true, 5, {"1:2263:"}},
        {false, "6", true, 6, {}},
        {false, "0", true, 0, {"1:2263:"}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.text);
        rec.leeren();
        Form600a a;
        QLineEdit* box = f.kollektor ? a.Kollektorinhalt : a.InhaltSolarwärmetauscher;
        Eingeben(a, box, QString::fromUtf8(f.text), f.tippen);
        const double wert = f.kollektor ? d().m_spezVolKollektoren.m_Value : d().m_VolSolarWTGes.m_Value;
        EXPECT_DOUBLE_EQ(wert, f.gespeichert);
        EXPECT_EQ(Protokoll(), f.protokoll);
        // Checked once more without typing: no second warning.
        rec.leeren();
        Eingeben(a, box, box->text(), false);
        EXPECT_TRUE(rec.boxen.isEmpty());
    }
}

TEST_F(Inhaltsdialoge, InhaltsboxenGesperrtSolangeDieTeildialogeInhaltGeben)
{
    {
        Form600a a;
        EXPECT_TRUE(a.Rohrleitungsinhalt->isEnabled());
        EXPECT_TRUE(a.InhaltSolarwärmetauscher->isEnabled());
    }
    d().m_LaengeGes_12x1.m_Value = 1;  // 0.08 l: rounded up to 1 l
    d().m_AnzSolarWT_2.m_Value = 1;
    d().m_VolSolarWT_2.m_Value = 0;    // a count without content gives nothing
    {
        Form600a a;
        EXPECT_FALSE(a.Rohrleitungsinhalt->isEnabled());
        EXPECT_TRUE(a.InhaltSolarwärmetauscher->isEnabled());
    }
}

TEST_F(Inhaltsdialoge, AltRechtsSchliesst)
{
    Form600a a;
    a.show();
    QApplication::processEvents();
    // Tab moves on in the tab order (the key is not swallowed).
    a.Kollektorinhalt->setFocus();
    QTest::keyClick(a.Kollektorinhalt, Qt::Key_Tab);
    EXPECT_TRUE(a.Rohrleitungsinhalt->hasFocus());
    QTest::keyClick(a.focusWidget(), Qt::Key_Left, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_TRUE(a.isVisible());
    QTest::keyClick(a.focusWidget(), Qt::Key_Right, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_FALSE(a.isVisible());
    EXPECT_TRUE(a.istEntladen());
    // Unbound: the box no longer follows the member.
    d().m_spezVolKollektoren.m_Value = 0.9;
    d().m_spezVolKollektoren.GlobDatenInTextBox();
    EXPECT_EQ(a.Kollektorinhalt->text(), QStringLiteral("0,6"));
}

TEST_F(Inhaltsdialoge, AltRechtsPrueftDieOffeneEingabe)
{
    Form600a a;
    a.show();
    QApplication::processEvents();
    a.Rohrleitungsinhalt->setFocus();
    QTest::keyClicks(a.Rohrleitungsinhalt, QStringLiteral("50000"));
    QTest::keyClick(a.Rohrleitungsinhalt, Qt::Key_Right, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(Protokoll(), QStringList{"2:2255:0|40000"});
    EXPECT_EQ(d().m_VolRohre.m_Value, 40000);
    QTest::keyClick(a.Rohrleitungsinhalt, Qt::Key_Right, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_FALSE(a.isVisible());
}

TEST_F(Inhaltsdialoge, RohrleitungenNachLaengen)
{
    Form600b b;
    EXPECT_EQ(b.SummeRohrleitungUeberKollektor->text(), QStringLiteral("1,5"));
    // Above the collector more than in total: takes the total, no message.
    Eingeben(b, b.Text1[0], QStringLiteral("10"));
    Eingeben(b, b.Text2[0], QStringLiteral("12"));
    EXPECT_EQ(b.Text2[0]->text(), QStringLiteral("10"));
    EXPECT_EQ(d().m_LaengeUebKol_12x1.m_Value, 10);
    EXPECT_TRUE(rec.boxen.isEmpty());
    EXPECT_EQ(d().m_VolRohre.m_Value, 1);  // 0.8 l
    EXPECT_EQ(b.SummeRohrleitung->text(), QStringLiteral("1"));

    // Lowering a total below its above-collector length lowers that first.
    Eingeben(b, b.Text1[1], QStringLiteral("20"));
    Eingeben(b, b.Text2[1], QStringLiteral("8"));
    Eingeben(b, b.Text1[1], QStringLiteral("5"));
    EXPECT_EQ(b.Text2[1]->text(), QStringLiteral("5"));
    EXPECT_EQ(d().m_LaengeUebKol_15x1.m_Value, 5);
    EXPECT_EQ(d().m_LaengeGes_15x1.m_Value, 5);
    EXPECT_DOUBLE_EQ(d().m_VolRohreUeberKol.m_Value, 1.5);  // 0.8 + 0.65 = 1.45 l
    EXPECT_EQ(d().m_VolRohre.m_Value, 2);                   // 0.8 + 0.65 = 1.45 l
    EXPECT_EQ(b.SummeRohrleitungUeberKollektor->text(), QStringLiteral("1,5"));

    // Whole numbers compared: 10,4 and 10,6 (shown 11) are 10 and 11; the total's text goes over.
    Eingeben(b, b.Text1[2], QStringLiteral("20"));
    Eingeben(b, b.Text2[2], QStringLiteral("10,6"));
    EXPECT_EQ(b.Text2[2]->text(), QStringLiteral("11"));
    Eingeben(b, b.Text1[2], QStringLiteral("10,4"));
    EXPECT_DOUBLE_EQ(d().m_LaengeUebKol_18x1.m_Value, 10.4);
    EXPECT_EQ(b.Text2[2]->text(), QStringLiteral("10"));

    // A total that is no number: its own message, no cap; a negative length: the range.
    rec.leeren();
    EXPECT_TRUE(Eingeben(b, b.Text1[3], QStringLiteral("x")));
    EXPECT_TRUE(Eingeben(b, b.Text2[3], QStringLiteral("-5")));
    EXPECT_EQ(Protokoll(), (QStringList{"2:2250:", "2:2255:0|10000"}));
    EXPECT_EQ(d().m_LaengeUebKol_22x1.m_Value, 0);
}

TEST_F(Inhaltsdialoge, RohrleitungsdialogZeigtGespeicherteSummen)
{
    d().m_VolRohre.m_Value = 75;  // typed in the content dialog
    Form600b b;
    EXPECT_EQ(b.SummeRohrleitung->text(), QStringLiteral("75"));
    Eingeben(b, b.Text1[6], QStringLiteral("2"));
    EXPECT_EQ(b.SummeRohrleitung->text(), QStringLiteral("3"));  // 2.39 l
}

TEST_F(Inhaltsdialoge, WaermetauscherNachArt)
{
    d().m_VolSolarWTGes.m_Value = 9;
    Form600c c;
    EXPECT_EQ(c.SummeWärmetauscher->text(), QStringLiteral("9"));
    Eingeben(c, c.Text0[0], QStringLiteral("2"));
    Eingeben(c, c.Text1[0], QStringLiteral("12,5"));
    Eingeben(c, c.Text0[2], QStringLiteral("1"));
    Eingeben(c, c.Text1[2], QStringLiteral("8"));
    EXPECT_EQ(d().m_VolSolarWTGes.m_Value, 33);
    EXPECT_EQ(c.SummeWärmetauscher->text(), QStringLiteral("33"));
    // Count 0: the content becomes 0 first.
    Eingeben(c, c.Text0[2], QStringLiteral("0"));
    EXPECT_EQ(c.Text1[2]->text(), QStringLiteral("0,0"));
    EXPECT_EQ(d().m_VolSolarWT_3.m_Value, 0);
    EXPECT_EQ(d().m_VolSolarWTGes.m_Value, 25);
    // A content without units is kept but counts nothing.
    Eingeben(c, c.Text1[3], QStringLiteral("20"));
    EXPECT_EQ(d().m_VolSolarWT_4.m_Value, 20);
    EXPECT_EQ(d().m_VolSolarWTGes.m_Value, 25);
    Eingeben(c, c.Text0[0], QStringLiteral("3"));
    Eingeben(c, c.Text1[0], QStringLiteral("12,3"));
    EXPECT_EQ(d().m_VolSolarWTGes.m_Value, 37);
    rec.leeren();
    EXPECT_TRUE(Eingeben(c, c.Text0[1], QStringLiteral("11")));
    EXPECT_TRUE(Eingeben(c, c.Text1[1], QStringLiteral("100")));
    EXPECT_EQ(Protokoll(), (QStringList{"2:2255:0|10", "2:2255:0|99,9"}));
    EXPECT_EQ(d().m_AnzSolarWT_2.m_Value, 10);
    EXPECT_DOUBLE_EQ(d().m_VolSolarWT_2.m_Value, 99.9);
}

TEST_F(Inhaltsdialoge, InformationslisteEinUndAus)
{
    Form600c c;
    const int klein = c.height();
    EXPECT_FALSE(c.infoAngezeigt());
    c.InfoSolarspeicherButton_Click();
    EXPECT_TRUE(c.infoOffen());
    EXPECT_FALSE(c.DataGrid1->isHidden());
    EXPECT_EQ(c.height(), Twips::zuPixel(5490));
    RecordsetModell* m = c.Infomodell();
    ASSERT_EQ(m->rowCount(), 3);
    EXPECT_EQ(m->text(0, 0), QStringLiteral("Solarspeicher 300"));
    EXPECT_EQ(m->text(2, 0), QStringLiteral("Kombipuffer 800"));
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), LadeText(1157));
    EXPECT_FALSE(m->flags(m->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(c.DataGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    c.InfoSolarspeicherButton_Click();
    EXPECT_FALSE(c.infoOffen());
    EXPECT_TRUE(c.DataGrid1->isHidden());
    EXPECT_EQ(c.height(), klein);
    EXPECT_EQ(klein, Twips::zuPixel(3950));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Inhaltsdialoge, InformationslisteOhneTabelle)
{
    db.artikel().ausfuehren({QStringLiteral("DROP TABLE Solarwärmetauscher")});
    Form600c c;
    c.InfoSolarspeicherButton_Click();
    EXPECT_TRUE(c.DataGrid1->isHidden());
    EXPECT_EQ(c.height(), Twips::zuPixel(5490));
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].art, Meldungsart::Datenbankfehler);
    c.InfoSolarspeicherButton_Click();
    EXPECT_EQ(c.height(), Twips::zuPixel(3950));
}
