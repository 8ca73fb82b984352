#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "data/RecordsetModell.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/storage_heater/Wohnungsgruppen.h"
#include "design/storage_heater/forms/Form501.h"
#include "design/storage_heater/forms/Form501a.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/ModalSchliesser.h"
#include "support/Testhauptfenster.h"

namespace {

const QString Nr = QStringLiteral("P-1");

class Gruppenseite501 : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        zustand().aktProjektnummer = Nr;
        zustand().Projektart = QStringLiteral("Sp");
        daten = std::make_shared<GlobDatenSpeicher>();
        ASSERT_EQ(daten->Init(), 0);
        haupt.datenobjekt = daten;
        haupt.seitenbereich.show();
        seite = new Form501;
        haupt.SeiteAufnehmen(seite);
        seite->Show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        seite->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        daten.reset();
        QLocale::setDefault(QLocale::c());
    }
    QVariant Wert(const char* feld, int gruppe)
    {
        return db.projekt().wert(QStringLiteral("SELECT [%1] FROM SpeicherBedarfsKz WHERE [Projekt Nr] = '%2' AND "
                                                "WohnungsgruppenNr = %3")
                                     .arg(QLatin1String(feld), Nr)
                                     .arg(gruppe));
    }
    RecordsetModell* Modell() { return static_cast<RecordsetModell*>(seite->DataGrid1->model()); }

    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    Testhauptfenster haupt;
    std::shared_ptr<GlobDatenSpeicher> daten;
    Form501* seite = nullptr;
};

}  // namespace

TEST_F(Gruppenseite501, ErsteZeileRechnenUndVerändern)
{
    // A project without rows has its first row; N of it is 0.6.
    ASSERT_EQ(Modell()->rowCount(), 1);
    EXPECT_EQ(Modell()->text(0, 5), QStringLiteral("Normal"));
    EXPECT_EQ(Modell()->text(0, 3), QStringLiteral("2,0"));
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("110"));
    EXPECT_EQ(seite->Command3->text(), QStringLiteral("Berechnen (F8)"));

    // Insert with F3, type an occupancy out of range: held to 5.6.
    QTest::keyClick(seite->DataGrid1, Qt::Key_F3);
    ASSERT_EQ(Modell()->rowCount(), 2);
    EXPECT_EQ(Wert("WohnungsgruppenNr", 2).toInt(), 2);
    Modell()->setData(Modell()->index(1, 3), QStringLiteral("6"));
    EXPECT_FLOAT_EQ(Wert("Belegungszahl", 2).toFloat(), 5.6f);

    // F8 calculates and locks; Weiter is shown.
    QTest::keyClick(seite->DataGrid1, Qt::Key_F8);
    EXPECT_TRUE(daten->m_IstBerechnet.m_Value.toBool());
    EXPECT_FALSE(seite->DataGrid1->isEnabled());
    EXPECT_FALSE(seite->Command2->isVisible());
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));
    EXPECT_EQ(seite->Command3->text(), QStringLiteral("Verändern (F8)"));
    // 0.6 for the first row plus 5.6 x 5820 / 20370 for the second.
    EXPECT_DOUBLE_EQ(daten->m_BedarfsKennz.m_Value.toDouble(), 2.2);

    // F8 again unlocks and clears the tank choice.
    daten->m_IstAusgelegt.m_Value = true;
    seite->Command3_Click();
    EXPECT_FALSE(daten->m_IstBerechnet.m_Value.toBool());
    EXPECT_FALSE(daten->m_IstAusgelegt.m_Value.toBool());
    EXPECT_TRUE(seite->DataGrid1->isEnabled());
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("110"));

    // F4 deletes the current row, the last one too.
    seite->DataGrid1->setCurrentIndex(Modell()->index(1, 0));
    seite->Command1_Click();
    seite->Command1_Click();
    EXPECT_EQ(Modell()->rowCount(), 0);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Gruppenseite501, ListenSchreibenUndÖffnenDenDialog)
{
    // Room list: the occupancy follows the room number.
    seite->DataGrid1->setCurrentIndex(Modell()->index(0, 2));
    seite->Combo1[1]->setCurrentText(QStringLiteral("4 1/2"));
    seite->Combo1[1]->show();
    seite->ListeGeschlossen(2);
    EXPECT_EQ(Wert("Raumzahl", 1).toString(), QStringLiteral("4 1/2"));
    EXPECT_FLOAT_EQ(Wert("Belegungszahl", 1).toFloat(), 3.9f);
    EXPECT_EQ(seite->DataGrid1->currentIndex().column(), 3);

    // Equipment list: closing it opens the dialog of the kind shown, between the bottom-button
    // calls; a calculation asked for meanwhile runs once, afterwards.
    QStringList geöffnet;
    QString knöpfeImDialog;
    ModalSchliesser schliesser([&](QWidget* w) {
        geöffnet << w->objectName();
        knöpfeImDialog = haupt.knöpfe;
        seite->Command3_Click();  // F8 while the list is closing
        EXPECT_FALSE(daten->m_IstBerechnet.m_Value.toBool());
    });
    seite->DataGrid1->setCurrentIndex(Modell()->index(0, 5));
    seite->Combo1[2]->setCurrentText(QStringLiteral("Komfort"));
    seite->Combo1[2]->show();
    seite->ListeGeschlossen(5);
    EXPECT_EQ(geöffnet, QStringList{QStringLiteral("Form501b")});
    EXPECT_EQ(knöpfeImDialog, QStringLiteral("000"));
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));
    EXPECT_EQ(Wert("ArtAusstatt", 1).toString(), QStringLiteral("K"));
    EXPECT_TRUE(daten->m_IstBerechnet.m_Value.toBool());
    EXPECT_TRUE(rec.boxen.isEmpty());
}

namespace {

class Zeile : public Zeilenzugriff {
public:
    void SetFeldAdodc(const QString& feld, const VbVariant& wert) override { werte[feld] = wert; }
    VbVariant GetFeldAdodc(const QString& feld) override { return werte.value(feld); }
    QMap<QString, VbVariant> werte;
};

}  // namespace

TEST(Zapfstellendialog, EnterRundUndAltRechtsÜbernimmt)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MeldungsRecorder rec;
    Zeile z;
    Form501c dialog;
    dialog.Laden(z);
    EXPECT_TRUE(z.werte.isEmpty());  // the individual dialog writes nothing on opening
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zapfstellen, individuelle Eingabe"));
    EXPECT_EQ(dialog.Text1.value(0)->text(), QStringLiteral("0"));  // an empty bath tub shows 0
    EXPECT_EQ(dialog.Text1.value(4)->text(), QString());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QCoreApplication::processEvents();

    // Enter on the last box checks it and wraps to the first.
    dialog.Text1.value(13)->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClick(dialog.Text1.value(13), Qt::Key_2);
    QTest::keyClick(dialog.Text1.value(13), Qt::Key_3);
    EXPECT_EQ(dialog.Text1.value(13)->text(), QStringLiteral("3"));  // each digit replaces the text
    QTest::keyClick(dialog.Text1.value(13), Qt::Key_Return);
    EXPECT_EQ(z.werte.value(QStringLiteral("SP")).toInteger(), 3);
    EXPECT_EQ(QApplication::focusWidget(), dialog.Text1.value(0));

    // A refused bath tub keeps the focus and writes nothing.
    dialog.Text1.value(0)->setText(QStringLiteral("0,5"));
    QTest::keyClick(dialog.Text1.value(0), Qt::Key_Return);
    EXPECT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), dialog.Text1.value(0));
    // (Its 0 was written when the focus first left it.)
    EXPECT_EQ(z.werte.value(QStringLiteral("NB1")).toDouble(), 0.0);

    // Alt+Right takes over the box being typed in, then closes.
    dialog.Text1.value(0)->setText(QStringLiteral("1,5"));
    QTest::keyClick(dialog.Text1.value(0), Qt::Key_Right, Qt::AltModifier);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(z.werte.value(QStringLiteral("NB1")).toDouble(), 1.5);
    EXPECT_EQ(rec.boxen.size(), 1);
    QLocale::setDefault(QLocale::c());
}
