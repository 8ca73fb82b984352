#include <QComboBox>
#include <QRadioButton>
#include <QToolButton>

#include "Heizseitenfixture.h"
#include "Testobjekte.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "design/heating_accessories/Schlammabscheider.h"
#include "design/heating_accessories/forms/Form105.h"
#include "support/QStringAusgabe.h"

namespace {

// Records the dialogs the page opens and what the bottom buttons showed meanwhile.
struct DialogRecorder : Form105::Dialoge {
    DialogRecorder(QStringList& p, TestHauptfenster& h, std::function<void()> wahl = {})
        : protokoll(p), haupt(h), beiWahl(std::move(wahl)) {}
    void Schlammabscheiderwahl(int16_t index) override
    {
        notiere(QStringLiteral("wahl %1").arg(index));
        if (beiWahl)
            beiWahl();
    }
    void SchlammabscheiderJeErzeuger() override { notiere(QStringLiteral("je Erzeuger")); }
    void Entlüftung(int16_t familie) override { notiere(QStringLiteral("entlüftung %1").arg(familie)); }
    void notiere(const QString& was)
    {
        protokoll << QStringLiteral("%1 [%2%3%4]").arg(was).arg(haupt.knöpfe[0]).arg(haupt.knöpfe[1]).arg(haupt.knöpfe[2]);
    }
    QStringList& protokoll;
    TestHauptfenster& haupt;
    std::function<void()> beiWahl;
};

class Form105Test : public Heizseitenfixture {
protected:
    Form105& zeige105()
    {
        auto& s = zeige<Form105>();
        s.SetzeDialoge(std::make_unique<DialogRecorder>(dialoge, haupt, beiWahl));
        return s;
    }
    Schlammabscheiderauslegung schlamm() { return Schlammabscheiderauslegung(*d); }
    QStringList dialoge;
    std::function<void()> beiWahl;
};

// The demo catalogue with an insulation shell that lost its short text.
class Form105LeererKurztext : public Form105Test {
protected:
    Form105LeererKurztext() { artikelSql = QStringLiteral("UPDATE ARTIKEL SET arKurztext1 = '' WHERE arArtikelnr = '34003'"); }
};

bool Sichtbar(const QWidget* w)
{
    return !w->isHidden();
}

TEST_F(Form105Test, OhneAbscheiderNurDieAuswahl)
{
    auto& s = zeige105();
    EXPECT_TRUE(s.Option1[0]->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{s.Label2[1], s.Label2[2], s.Command3, s.Command1, s.SchlammLabel1, s.SchlammIsoCombo})
        EXPECT_FALSE(Sichtbar(w)) << w->objectName().toStdString();
    EXPECT_EQ(s.Label5->text(), QStringLiteral("kein Vorlagebehälter benötigt"));
    EXPECT_EQ(s.Label1[3]->text(), QStringLiteral("- MAG Heizungsanlage -"));
    EXPECT_EQ(s.Label3->text(), QString());
    EXPECT_TRUE(s.Option1[2]->isEnabled());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Form105LeererKurztext, LadenLegtDenFehlendenZentralenAbscheiderAus)
{
    d->m_Leist_ges.m_Value = 250.0;
    d->m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(1);
    d->m_Zub_SchlammIso.m_Value = VbVariant::integer(2);
    d->m_Zub_Vorlagebeh_ArtNr.m_Value = QStringLiteral("44001");
    zustand().TyvoModus = 2;
    auto& s = zeige105();
    EXPECT_EQ(schlamm().Artikel(1), QStringLiteral("32003"));
    EXPECT_EQ(schlamm().IsoArtikel(1), QStringLiteral("34003"));
    EXPECT_EQ(d->m_Zub_SchlammIso.m_Value.toLong(), 1) << "insulation 2 becomes 80 mm";
    EXPECT_TRUE(Sichtbar(s.SchlammLabel1));
    EXPECT_FALSE(s.SchlammLabel1->text().trimmed().isEmpty());
    EXPECT_FALSE(s.Label5->text().trimmed().isEmpty());
    EXPECT_EQ(s.SchlammIsoCombo->currentIndex(), 1);
    // The insulation shell has no short text: the page says so also for the host.
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("4:2361(34003)")});
    EXPECT_EQ(s.SchlammIsoCombo->itemText(1), QStringLiteral("80 mm"));
}

TEST_F(Form105Test, ZentralZuGrossWirdBeimKlickJeErzeugerAusgelegt)
{
    Erzeuger({2000, 2000, 2000});
    d->m_Leist_ges.m_Value = 6000.0;
    auto& s = zeige105();
    s.Option1[1]->click();
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("4:2370(6000,3)")});
    EXPECT_TRUE(s.Option1[2]->isChecked());
    EXPECT_EQ(schlamm().Anordnung(), 2);
    for (int16_t i = 1; i <= 3; ++i)
        EXPECT_EQ(schlamm().Artikel(i), QStringLiteral("32009")) << i;
    EXPECT_TRUE(Sichtbar(s.Command1));
    EXPECT_FALSE(Sichtbar(s.SchlammLabel1));
}

TEST_F(Form105Test, ZentralZuGrossBeimLadenBleibtLeer)
{
    Erzeuger({2000, 2000, 2000});
    d->m_Leist_ges.m_Value = 6000.0;
    d->m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(1);
    auto& s = zeige105();
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("4:2370(6000,3)")});
    EXPECT_TRUE(s.Option1[2]->isChecked());
    EXPECT_EQ(schlamm().Anordnung(), 2);
    EXPECT_EQ(schlamm().Artikel(1), QStringLiteral(" "));
}

TEST_F(Form105Test, JeErzeugerLaedtNurFehlendeNach)
{
    Erzeuger({100, 200});
    d->m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(2);
    d->m_Zub_Schlamm_ArtNr_m_value(1, QStringLiteral("32010"));
    zeige105();
    EXPECT_EQ(schlamm().Artikel(1), QStringLiteral("32010"));
    EXPECT_EQ(schlamm().Artikel(2), QStringLiteral("32003"));
}

TEST_F(Form105Test, KeinAbscheiderLeertOhneMeldung)
{
    d->m_Leist_ges.m_Value = 250.0;
    d->m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(1);
    d->m_Zub_Schlamm_ArtNr_m_value(1, QStringLiteral("32003"));
    d->m_Zub_SchlammIso_ArtNr_m_value(1, QStringLiteral("34003"));
    d->m_p_SV.m_Value = 20.0;
    auto& s = zeige105();
    meldungen.leeren();
    s.Option1[0]->click();
    EXPECT_EQ(schlamm().Artikel(1), QStringLiteral(" "));
    EXPECT_EQ(schlamm().IsoArtikel(1), QStringLiteral(" "));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_FALSE(Sichtbar(s.Command1));
}

TEST_F(Form105Test, IsolierungKeineUndWieder80mm)
{
    d->m_Leist_ges.m_Value = 500.0;
    d->m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(1);
    d->m_Zub_Schlamm_ArtNr_m_value(1, QStringLiteral("32007"));
    d->m_Zub_SchlammIso_ArtNr_m_value(1, QStringLiteral("34007"));
    auto& s = zeige105();
    s.SchlammIsoCombo->setCurrentIndex(0);
    s.SchlammIsoCombo_Click();
    EXPECT_EQ(d->m_Zub_SchlammIso.m_Value.toLong(), 0);
    EXPECT_EQ(schlamm().IsoArtikel(1), QStringLiteral(" "));
    s.SchlammIsoCombo->setCurrentIndex(1);
    s.SchlammIsoCombo_Click();
    EXPECT_EQ(d->m_Zub_SchlammIso.m_Value.toLong(), 1);
    EXPECT_EQ(schlamm().IsoArtikel(1), QStringLiteral("34007"));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
}

TEST_F(Form105Test, SperrenOhneErzeugerUndFuerHostprojekte)
{
    Erzeuger({});
    {
        auto& s = zeige105();
        EXPECT_FALSE(s.Option1[2]->isEnabled());
        EXPECT_TRUE(s.Option1[1]->isEnabled());
        entlade();
    }
    zustand().AktProjektArtErstellung = 1;
    Erzeuger({100});
    auto& s = zeige105();
    for (QRadioButton* r : s.Option1)
        EXPECT_FALSE(r->isEnabled());
    EXPECT_FALSE(s.Command3->isEnabled());
    EXPECT_TRUE(s.Command2[0]->isEnabled());
}

TEST_F(Form105Test, DialogeZwischenVersteckenKnoepfen)
{
    Erzeuger({100, 200});
    d->m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(1);
    d->m_Leist_ges.m_Value = 300.0;
    beiWahl = [this] { d->m_Zub_Schlamm_ArtNr_m_value(1, QStringLiteral("32007")); };
    auto& s = zeige105();
    s.Command1->click();
    EXPECT_EQ(schlamm().Artikel(1), QStringLiteral("32007"));
    EXPECT_EQ(schlamm().IsoArtikel(1), QStringLiteral("34007"));
    EXPECT_TRUE(Sichtbar(s.SchlammIsoCombo));
    s.Command2[2]->click();
    EXPECT_EQ(s.ArtEntlüfter, 2);
    s.Option1[2]->click();
    s.Command1->click();
    EXPECT_EQ(dialoge, (QStringList{QStringLiteral("wahl 1 [000]"), QStringLiteral("entlüftung 2 [000]"),
                                    QStringLiteral("je Erzeuger [000]")}));
    EXPECT_EQ(haupt.knöpfe, (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(haupt.gespeichert, 3);
    EXPECT_EQ(haupt.geladen, 3);
}

TEST_F(Form105Test, JedesEntladenMarktAlsAusgelegt)
{
    d->m_IstAusgelegt.m_Value = false;
    auto& s = zeige105();
    EXPECT_EQ(s.ArtEntlüfter, 0);
    entlade();
    EXPECT_TRUE(d->m_IstAusgelegt.m_Value.toBool());
}

TEST_F(Form105Test, KaelteZeigtTitelUndHinweisOhneVorlagebehaelter)
{
    auto kälte = std::make_shared<KälteTestobjekt>();
    ASSERT_EQ(kälte->Init(), 0);
    kälte->m_TerminateMitUpdate = false;
    kälte->m_p_SV.m_Value = 3.0;
    kälte->m_Leist_ges.m_Value = 250.0;
    kälte->leistung[1] = 250;
    kälte->m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(1);
    haupt.anderes = kälte;
    zustand().Projektart = QStringLiteral("Kü");
    auto& s = zeige105();
    EXPECT_EQ(s.Label1[3]->text(), QStringLiteral("- Kälteanlage -"));
    EXPECT_EQ(s.Label3->text(), LadeText(639));
    EXPECT_FALSE(Sichtbar(s.Label5));
    EXPECT_FALSE(Sichtbar(s.Label2[0]));
    EXPECT_TRUE(s.Option1[2]->isEnabled());
    EXPECT_EQ(kälte->lese(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant::integer(1)}).toString(), QStringLiteral("32003"));
    entlade();
    EXPECT_TRUE(kälte->m_IstAusgelegt.m_Value.toBool());
}

}  // namespace
