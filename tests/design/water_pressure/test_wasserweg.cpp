#include "Seitenfixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "base/forms/Auswahlgitter.h"
#include "design/cooling/forms/Form201.h"
#include "design/selection/forms/Form102a.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "design/water_pressure/forms/Form300.h"
#include "design/water_pressure/forms/Form301.h"
#include "design/water_pressure/forms/Form400.h"
#include "support/ModalSchliesser.h"

// Drinking water and pressure boosting through every real page of the type, from a new project on
// the project page back to it, on the demo article database.
namespace {

class Wasserweg : public Seitenfixture {
public:
    // Two pressure-boosting groups: the demo catalogue offers 15 only.
    Wasserweg() { artikelSql = QStringLiteral("UPDATE [Gruppen MAG] SET Druckerhöhung = -1 WHERE Gruppe = 16"); }

protected:
    QPushButton* Gruppe(const Form301& s, const QString& nr) const
    {
        for (QPushButton* b : s.Command1)
            if (b->isVisibleTo(&s) && b->text() == nr)
                return b;
        return nullptr;
    }
    // The button of the article dialog of a group.
    QToolButton* Handwahl(const Form301& s, const QString& nr) const
    {
        for (size_t i = 0; i < s.Command1.size(); ++i)
            if (s.Command1[i]->isVisibleTo(&s) && s.Command1[i]->text() == nr)
                return s.Command2[i];
        return nullptr;
    }
    QVariant Feld(const QString& tabelle, const QString& spalte, const QString& nr) const
    {
        return db->feld(tabelle, spalte, nr);
    }
    // Presses the article-dialog button; the dialog, opened through its seam, takes the first row
    // of its list with a double click. The number of dialogs opened.
    int VonHand(QToolButton* knopf)
    {
        int geöffnet = 0;
        ModalSchliesser schliesser([&](QWidget* w) {
            if (auto* a = dynamic_cast<Form102a*>(w)) {
                ++geöffnet;
                QTimer::singleShot(0, a, [a] {
                    a->logik().ZeigerBewegt(0);
                    emit a->DataGrid1->Doppelklick();
                });
            }
        });
        knopf->click();
        Ereignisse();
        return geöffnet;
    }
    bool AusgabeOffen() const
    {
        return fenster->MAusgabe->menuAction()->isEnabled()
               && fenster->menuBar()->activeAction() == fenster->MAusgabe->menuAction();
    }
    QString Unerwartet() const
    {
        return recorder.boxen.isEmpty() ? QString() : recorder.boxen[0].text;
    }
};

}  // namespace

// Drinking water: 300 calculated, 301 group 17 automatically, 302 designed, Weiter to the projects.
TEST_F(Wasserweg, TrinkwasserVon300Bis302UndZurProjektseite)
{
    Form300* s300 = ZurSeite<Form300>(3, QStringLiteral("TW1"));
    ASSERT_NE(s300, nullptr);
    s300->Command3->click();
    Ereignisse();
    ASSERT_EQ(Buttons(), QStringLiteral("111"));
    const GlobDatenTrinkw& d = *zustand().g_trinkdat;

    Weiter();
    ASSERT_EQ(zustand().Status, 301);
    auto* s301 = dynamic_cast<Form301*>(Aktuell());
    ASSERT_NE(s301, nullptr);
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
    QPushButton* g17 = Gruppe(*s301, QStringLiteral("17"));
    ASSERT_NE(g17, nullptr);
    g17->click();
    Ereignisse();
    const QString gefäß = d.m_GefaessArtNr.m_Value.toString();
    EXPECT_EQ(gefäß, QStringLiteral("41701"));
    ASSERT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_FALSE(d.m_IstAusgelegt.m_Value.toBool());
    // The vessel's short text is shown whole, above the hint.
    const QLabel* kurz = s301->Label6[2];
    const QRect nötig = kurz->fontMetrics().boundingRect(QRect(0, 0, kurz->width(), 1000), Qt::TextWordWrap, kurz->text());
    EXPECT_LE(nötig.width(), kurz->width());
    EXPECT_LE(nötig.height(), kurz->height());
    EXPECT_LT(kurz->geometry().bottom(), s301->Label7->geometry().top());

    Weiter();
    ASSERT_EQ(zustand().Status, 302);
    auto* s302 = dynamic_cast<Form201*>(Aktuell());
    ASSERT_NE(s302, nullptr);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_FALSE(d.m_Zub_SichVentil_ArtNr.m_Value.toString().trimmed().isEmpty());
    EXPECT_FALSE(s302->Label5[0]->text().trimmed().isEmpty());

    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_NE(dynamic_cast<KelvorForm3*>(Aktuell()), nullptr);
    EXPECT_EQ(zustand().g_trinkdat, nullptr);
    const QString tabelle = QStringLiteral("Trinkwasserparameter");
    EXPECT_EQ(Feld(tabelle, QStringLiteral("IstAusgelegt"), QStringLiteral("TW1")).toInt(), -1);
    EXPECT_EQ(Feld(tabelle, QStringLiteral("IstBerechnet"), QStringLiteral("TW1")).toInt(), -1);
    EXPECT_EQ(Feld(tabelle, QStringLiteral("GefäßArtNr"), QStringLiteral("TW1")).toString(), gefäß);
    EXPECT_TRUE(AusgabeOffen());
    EXPECT_TRUE(recorder.boxen.isEmpty()) << Unerwartet().toStdString();
}

// Pressure boosting: 400 calculated, 401 chosen by hand in the article dialog, 402, projects.
TEST_F(Wasserweg, DruckerhoehungMitHandwahlVon400Bis402UndZurProjektseite)
{
    Form400* s400 = ZurSeite<Form400>(2, QStringLiteral("DR1"));
    ASSERT_NE(s400, nullptr);
    s400->Command3->click();
    Ereignisse();
    ASSERT_EQ(Buttons(), QStringLiteral("111"));
    const GlobDatenDruck& d = *zustand().g_druckdat;

    Weiter();
    ASSERT_EQ(zustand().Status, 401);
    auto* s401 = dynamic_cast<Form301*>(Aktuell());
    ASSERT_NE(s401, nullptr);
    QToolButton* hand = Handwahl(*s401, QStringLiteral("16"));
    ASSERT_NE(hand, nullptr);
    ASSERT_EQ(VonHand(hand), 1);
    const QString gefäß = d.m_GefaessArtNr.m_Value.toString();
    EXPECT_EQ(gefäß, QStringLiteral("41601"));
    EXPECT_EQ(d.m_GefaessGruppe.m_Value, 16);
    ASSERT_EQ(Buttons(), QStringLiteral("111"));
    recorder.leeren();  // the dialog's note on the choice

    Weiter();
    ASSERT_EQ(zustand().Status, 402);
    auto* s402 = dynamic_cast<Form201*>(Aktuell());
    ASSERT_NE(s402, nullptr);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_FALSE(d.m_IstAusgelegt.m_Value.toBool());

    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_EQ(zustand().g_druckdat, nullptr);
    const QString tabelle = QStringLiteral("Druckerhöhungparameter");
    EXPECT_EQ(Feld(tabelle, QStringLiteral("IstAusgelegt"), QStringLiteral("DR1")).toInt(), -1);
    EXPECT_EQ(Feld(tabelle, QStringLiteral("GefäßArtNr"), QStringLiteral("DR1")).toString(), gefäß);
    EXPECT_TRUE(AusgabeOffen());
    EXPECT_TRUE(recorder.boxen.isEmpty()) << Unerwartet().toStdString();
}

// A designed drinking-water project entered again: every page shows Weiter with the stored choice,
// and it stays designed; a changed calculation asks for the vessel again.
TEST_F(Wasserweg, TrinkwasserZweiterBesuch)
{
    Form300* s300 = ZurSeite<Form300>(3, QStringLiteral("TW2"));
    ASSERT_NE(s300, nullptr);
    s300->Command3->click();
    Ereignisse();
    Weiter();
    auto* s301 = dynamic_cast<Form301*>(Aktuell());
    ASSERT_NE(s301, nullptr);
    Gruppe(*s301, QStringLiteral("17"))->click();
    Ereignisse();
    Weiter();
    Weiter();
    ASSERT_EQ(zustand().Status, 3);
    const QString tabelle = QStringLiteral("Trinkwasserparameter");
    ASSERT_EQ(Feld(tabelle, QStringLiteral("IstAusgelegt"), QStringLiteral("TW2")).toInt(), -1);

    // Again, unchanged.
    Weiter();
    ASSERT_EQ(zustand().Status, 300);
    EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    Weiter();
    ASSERT_EQ(zustand().Status, 301);
    EXPECT_EQ(zustand().g_trinkdat->m_GefaessArtNr.m_Value.toString(), QStringLiteral("41701"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    Weiter();
    ASSERT_EQ(zustand().Status, 302);
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    // Back to the vessel page and on again.
    Zurück();
    ASSERT_EQ(zustand().Status, 301);
    EXPECT_EQ(zustand().g_trinkdat->m_GefaessArtNr.m_Value.toString(), QStringLiteral("41701"));
    EXPECT_EQ(Buttons(), QStringLiteral("111"));
    Weiter();
    ASSERT_EQ(zustand().Status, 302);
    Weiter();
    ASSERT_EQ(zustand().Status, 3);
    EXPECT_EQ(Feld(tabelle, QStringLiteral("IstAusgelegt"), QStringLiteral("TW2")).toInt(), -1);
    EXPECT_TRUE(recorder.boxen.isEmpty()) << Unerwartet().toStdString();

    // Again, a larger volume calculated: the vessel is chosen anew before Weiter shows.
    Weiter();
    s300 = dynamic_cast<Form300*>(Aktuell());
    ASSERT_NE(s300, nullptr);
    s300->Command3->click();  // change
    Ereignisse();
    Eingeben(s300->Text1[0], QStringLiteral("1500"));
    s300->Command3->click();
    Ereignisse();
    ASSERT_EQ(Buttons(), QStringLiteral("111"));
    EXPECT_TRUE(zustand().NeuAuslegungErforderlich);
    EXPECT_FALSE(zustand().g_trinkdat->m_IstAusgelegt.m_Value.toBool());
    Weiter();
    ASSERT_EQ(zustand().Status, 301);
    EXPECT_EQ(Buttons(), QStringLiteral("110"));
}

// One session: a drinking-water project, then a pressure-boosting one through the same page
// classes, each vessel taken in the article dialog; nothing of the first carries over.
TEST_F(Wasserweg, TrinkwasserUndDanachDruckerhoehungInEinerSitzung)
{
    for (const auto& [knopf, nr, gruppe, art] : {std::tuple{3, "TW3", "18", "41801"}, {2, "DR3", "15", "41501"}}) {
        SCOPED_TRACE(nr);
        WasserEingabeseite* eingabe = knopf == 3 ? static_cast<WasserEingabeseite*>(ZurSeite<Form300>(knopf, QString::fromLatin1(nr)))
                                                 : static_cast<WasserEingabeseite*>(ZurSeite<Form400>(knopf, QString::fromLatin1(nr)));
        ASSERT_NE(eingabe, nullptr);
        eingabe->Command3->click();
        Ereignisse();
        Weiter();
        auto* s = dynamic_cast<Form301*>(Aktuell());
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(Form102a::Rufer(), static_cast<Artikelauswahlrufer*>(s));
        QToolButton* hand = Handwahl(*s, QString::fromLatin1(gruppe));
        ASSERT_NE(hand, nullptr);
        ASSERT_EQ(VonHand(hand), 1);
        ASSERT_EQ(Buttons(), QStringLiteral("111"));
        Weiter();
        ASSERT_NE(dynamic_cast<Form201*>(Aktuell()), nullptr);
        Weiter();
        ASSERT_EQ(zustand().Status, 3);
        const QString tabelle = knopf == 3 ? QStringLiteral("Trinkwasserparameter") : QStringLiteral("Druckerhöhungparameter");
        EXPECT_EQ(Feld(tabelle, QStringLiteral("GefäßArtNr"), QString::fromLatin1(nr)).toString(), QString::fromLatin1(art));
        EXPECT_EQ(Feld(tabelle, QStringLiteral("IstAusgelegt"), QString::fromLatin1(nr)).toInt(), -1);
        EXPECT_TRUE(AusgabeOffen());
        recorder.leeren();
    }
}
