#include <QGroupBox>
#include <QRadioButton>

#include "Heizseitenfixture.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "data/datenbank.h"
#include "design/heating_accessories/forms/Form103.h"
#include "support/QStringAusgabe.h"

namespace {

using Form103Test = Heizseitenfixture;

QString Kurztext(GlobDatenHeizung& d, const QString& artNr)
{
    return d.DBTabArtikel->GetValFromStrgFeld(artNr, QStringLiteral("arArtikelnr"), QStringLiteral("arKurztext1")).toString();
}

TEST_F(Form103Test, OhneGefaessWeistDieSeiteAbUndSchreibtNichts)
{
    for (int modus : {0, 2}) {
        SCOPED_TRACE(modus);
        zustand().TyvoModus = modus;
        zustand().FormLoadError = false;
        meldungen.leeren();
        d->m_GefaessArtNr.m_Value = QStringLiteral(" ");
        d->m_Zub_WMangelSichArt.m_Value = VbVariant::integer(7);
        zeige<Form103>();
        EXPECT_EQ(protokoll(), QStringList{QStringLiteral("3:2302")});
        EXPECT_TRUE(zustand().FormLoadError);
        EXPECT_EQ(d->m_Zub_WMangelSichArt.m_Value.toLong(), 7) << "the page stops before its corrections";
        EXPECT_EQ(haupt.beendet, 0);
        EXPECT_TRUE(tyvo.antworten.isEmpty());
        entlade();
    }
}

TEST_F(Form103Test, OhneGefaessImHostmodus1AntwortetDemHostUndEndetBeimAktivieren)
{
    zustand().TyvoModus = 1;
    d->m_GefaessArtNr.m_Value = QStringLiteral(" ");
    zeige<Form103>();
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_FALSE(zustand().FormLoadError);
    EXPECT_EQ(zustand().AbbruchCode, 3);
    EXPECT_EQ(tyvo.antworten, QStringList{QStringLiteral("1:Es wurde kein Ausdehnungsgefäß ausgelegt.\r\n"
                                                         "Starten Sie das Programm bitte im minimierten Modus.")});
    EXPECT_EQ(haupt.beendet, 1);
    EXPECT_EQ(haupt.bilderwechsel, 0);
}

TEST_F(Form103Test, HostSonderfallOeffnetOhneGefaess)
{
    zustand().AktProjektArtErstellung = 1;
    d->m_GefaessArtNr.m_Value = QStringLiteral(" ");
    d->m_Einzel_BehGesVol_m_value(1, 50);
    d->m_r_vges.m_Value = 40.0;
    auto& f = zeige<Form103>();
    EXPECT_FALSE(zustand().FormLoadError);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(f.Label4[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(haupt.bilderwechsel, 1);
}

// Stored kind, plant and heating -> stored kind, checked option, frame shown, option 3 enabled.
TEST_F(Form103Test, GespeicherteWassermangelartWirdOhneMeldungKorrigiert)
{
    struct Fall {
        int gespeichert, anlage, beheiz;
        int erwartet;
        bool rahmen, option3;
    };
    const Fall fälle[] = {
        {0, 0, 0, 1, true, true},   {7, 0, 0, 1, true, true},  {2, 0, 0, 2, true, true},
        {3, 0, 0, 3, true, true},   {3, 1, 0, 1, true, false}, {-1, 0, 1, 1, false, true},
        {3, 0, 1, 3, false, true},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("art %1 anlage %2 beheiz %3").arg(f.gespeichert).arg(f.anlage).arg(f.beheiz).toStdString());
        meldungen.leeren();
        d->m_Anlage.m_Value = f.anlage;
        d->m_Beheiz.m_Value = f.beheiz;
        Erzeuger({200});
        d->m_Zub_WMangelSichArt.m_Value = VbVariant::integer(static_cast<int16_t>(f.gespeichert));
        auto& s = zeige<Form103>();
        EXPECT_EQ(d->m_Zub_WMangelSichArt.m_Value.toLong(), f.erwartet);
        EXPECT_TRUE(s.WassermangelOpt[static_cast<size_t>(f.erwartet)]->isChecked());
        EXPECT_TRUE(s.WassermangelOpt[0]->isHidden());
        EXPECT_EQ(!s.Frame1->isHidden(), f.rahmen);
        if (f.rahmen) {
            EXPECT_EQ(s.WassermangelOpt[3]->isEnabled(), f.option3);
        }
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
        // The counts follow the corrected kind: one 200 kW generator with kind 3 has a limiter.
        const bool mitSicherung = f.beheiz == 0 || f.anlage == 1;
        EXPECT_EQ(d->m_Zub_AltMinDruBegr_Anz.m_Value.toLong(), mitSicherung && f.erwartet == 3 ? 1 : 0);
        EXPECT_EQ(d->m_Zub_WMangelSich_Anz.m_Value.toLong(), mitSicherung && f.erwartet != 3 ? 1 : 0);
        entlade();
    }
}

TEST_F(Form103Test, OptionenLegenNurDieWassermangelsicherungNeuAus)
{
    Erzeuger({200, 400, 0});
    d->m_Zub_WMangelSichArt.m_Value = VbVariant::integer(1);
    auto& s = zeige<Form103>();
    ASSERT_TRUE(s.WassermangelOpt[3]->isEnabled());
    EXPECT_EQ(s.Label4[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(s.Label4[3]->text(), QStringLiteral(" ")) << "a generator without valves shows its title only";
    EXPECT_EQ(s.Label5[3]->text(), QStringLiteral(" "));
    EXPECT_EQ(Text(s.Label2[3]), QStringLiteral("Wärmeerzeuger 3:"));
    EXPECT_EQ(s.Label6[1]->text(), QStringLiteral(" ")) << "no trap up to 300 kW";
    EXPECT_NE(s.Label6[2]->text().trimmed(), QString()) << "a trap above 300 kW";
    EXPECT_EQ(s.Label5[2]->text(), Kurztext(*d, d->m_Zub_SichVentil_ArtNr_m_value(2)));
    EXPECT_EQ(s.Label6[2]->text(), Kurztext(*d, d->m_Zub_EntspGefäß_ArtNr_m_value(2)));
    EXPECT_EQ(s.Label7[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(s.Label8[0]->text(), Kurztext(*d, QStringLiteral("27458")));
    EXPECT_EQ(s.Label7[1]->text(), QStringLiteral(" "));
    const QString ventil = d->m_Zub_SichVentil_ArtNr_m_value(1);

    d->m_Zub_SichVentil_ArtNr_m_value(1, QStringLiteral("unverändert"));
    s.WassermangelOpt[3]->click();
    EXPECT_EQ(d->m_Zub_WMangelSichArt.m_Value.toLong(), 3);
    EXPECT_EQ(s.Label7[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(s.Label8[1]->text(), Kurztext(*d, QStringLiteral("27459")));
    EXPECT_EQ(d->m_Zub_WMangelSich_Anz.m_Value.toLong(), 1);
    EXPECT_EQ(d->m_Zub_SichVentil_ArtNr_m_value(1), QStringLiteral("unverändert")) << "valves are not designed again";

    s.WassermangelOpt[1]->click();
    EXPECT_EQ(s.Label7[1]->text(), QStringLiteral(" "));
    EXPECT_EQ(s.Label8[1]->text(), QStringLiteral(" "));
    EXPECT_EQ(d->m_Zub_WMangelSich_Anz.m_Value.toLong(), 2);
    EXPECT_FALSE(s.Label1[7]->isHidden()) << "the 400 kW generator keeps its maximum pressure limiter";

    // The chosen option again runs the design again.
    d->m_Zub_WMangelSich_Anz.m_Value = VbVariant::integer(9);
    s.WassermangelOpt[1]->click();
    EXPECT_EQ(d->m_Zub_WMangelSich_Anz.m_Value.toLong(), 2);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
    (void)ventil;
}

TEST_F(Form103Test, DruckbegrenzerUeberschriftNurMitBegrenzern)
{
    Erzeuger({200});
    d->m_Zub_WMangelSichArt.m_Value = VbVariant::integer(1);
    auto& s = zeige<Form103>();
    EXPECT_TRUE(s.Label1[7]->isHidden());
    EXPECT_EQ(s.Label7[0]->text(), QStringLiteral(" "));
    s.WassermangelOpt[3]->click();
    EXPECT_FALSE(s.Label1[7]->isHidden());
}

TEST_F(Form103Test, NurGrosseErzeugerSperrenDenMinimaldruckbegrenzer)
{
    Erzeuger({400, 500});
    auto& s = zeige<Form103>();
    EXPECT_FALSE(s.WassermangelOpt[3]->isEnabled());
}

TEST_F(Form103Test, HostmodusSchreibtDieErzeugerergebnisseOhneArtikelmeldung)
{
    zustand().TyvoModus = 2;
    Erzeuger({200, 400, 150});
    d->m_AusfuehrSV.m_Value = 1;
    d->m_p_SV.m_Value = 3.0;
    TyvoWEErgebnis alt;
    alt.SiV_Anzahl = 9;
    zustand().TyvoDaten.WE_Daten_geaendert[4] = alt;
    zeige<Form103>();
    const auto& we = zustand().TyvoDaten.WE_Daten_geaendert;
    for (int16_t i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(we[static_cast<size_t>(i)].SiV_Anzahl, d->m_Zub_SichVentil_Anz_m_value(i));
        EXPECT_GT(we[static_cast<size_t>(i)].SiV_Anzahl, 0);
        EXPECT_EQ(we[static_cast<size_t>(i)].SiV_Art, d->m_AusfuehrSV.m_Value);
        EXPECT_GT(we[static_cast<size_t>(i)].SiV_Nennweite, 0);
    }
    EXPECT_EQ(we[1].EntspannGef_DN_Eingang, 0);
    EXPECT_GT(we[2].EntspannGef_DN_Eingang, 0);
    EXPECT_GT(we[2].EntspannGef_DN_Ausgang, we[2].EntspannGef_DN_Eingang);
    EXPECT_EQ(we[4].SiV_Anzahl, 9);
    EXPECT_EQ(we[5].SiV_Anzahl, 0);
}

TEST_F(Form103Test, KopfzeilenUndAutomatischerLauf)
{
    haupt.unsichtbar = true;
    auto& s = zeige<Form103>();
    EXPECT_EQ(s.Label1[0]->text(), QStringLiteral("Projektnummer:     H-1"));
    EXPECT_EQ(s.Label1[2]->text(), QStringLiteral("Schule Nord"));
    EXPECT_EQ(s.Frame1->title(), QStringLiteral("Wassermangelsicherung"));
    EXPECT_EQ(s.height(), 0) << "hidden while the automatic run is on";
    EXPECT_EQ(haupt.bilderwechsel, 1);
}

}  // namespace
