#include <QGroupBox>
#include <QRadioButton>

#include "Heizseitenfixture.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "data/datenbank.h"
#include "design/heating_accessories/forms/Form104.h"
#include "support/QStringAusgabe.h"

namespace {

class Form104Test : public Heizseitenfixture {
protected:
    void Automat(int gruppe, const QString& artNr, int modul = 0)
    {
        d->m_ArtDruckhaltung.m_Value = 1;
        d->m_GefaessGruppe.m_Value = gruppe;
        d->m_GefaessArtNr.m_Value = artNr;
        d->m_SteuerModulKomp.m_Value = VbVariant::integer(static_cast<int16_t>(modul));
        d->m_SteuerbehAnzahl.m_Value = 1;
        d->m_GefaessAnzahl.m_Value = 1;
    }
    void Nachspeisung(int code, int trenner = 0)
    {
        d->m_Zub_Nachspeisung.m_Value = VbVariant::integer(static_cast<int16_t>(code));
        d->m_Zub_Systemtrenner.m_Value = VbVariant::integer(static_cast<int16_t>(trenner));
    }
    QString artikel() const { return d->m_Zub_Nachspeise_ArtNr.m_Value.toString(); }
    int anzahl() const { return d->m_Zub_Nachspeise_Anz.m_Value.toLong(); }
    QString trennerArtikel() const { return d->m_Zub_Systemtrenner_ArtNr.m_Value.toString(); }
    int trenner() const { return d->m_Zub_Systemtrenner.m_Value.toLong(); }
};

int px(int twips)
{
    return Twips::zuPixel(twips);
}

TEST_F(Form104Test, BeschriftungUndLageDerNachspeiseoptionen)
{
    struct Fall {
        int gruppe;
        const char* gefäß;
        int modul;
        const char* option1;
        const char* option2;
        bool kompakt;
        int obenOption0, obenOption3;
    };
    const Fall fälle[] = {
        {2, "40201", 0, "Kelvor - Nurel &STM (Systemtrenner)", "Kelvor - Nurel &PM (Pumpenversion)", true, 300, 1500},
        {9, "40901", 0, "Kelvor - Nurel &ST-KDX", "Kelvor - Nurel &PA (Pumpenversion)", false, 360, 1440},
        {9, "40901", 1, "Kelvor - Nurel &STA (Systemtrenner)", "Kelvor - Nurel &PA (Pumpenversion)", false, 360, 1440},
        {11, "41101", 0, "Kelvor - Nurel &STA (Systemtrenner)", "Kelvor - Nurel &PA (Pumpenversion)", false, 360, 1440},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("gruppe %1 modul %2").arg(f.gruppe).arg(f.modul).toStdString());
        if (f.gruppe != 2)
            Automat(f.gruppe, QString::fromUtf8(f.gefäß), f.modul);
        Nachspeisung(1);
        auto& s = zeige<Form104>();
        EXPECT_EQ(s.NachspeiseOpt[0]->text(), QStringLiteral("&keine Nachspeiseeinrichtung"));
        EXPECT_EQ(s.NachspeiseOpt[1]->text(), QString::fromUtf8(f.option1));
        EXPECT_EQ(s.NachspeiseOpt[2]->text(), QString::fromUtf8(f.option2));
        EXPECT_EQ(s.NachspeiseOpt[3]->text(), QStringLiteral("&ENA - Automat"));
        EXPECT_EQ(!s.NachspeiseOpt[4]->isHidden(), f.kompakt);
        if (f.kompakt) {
            EXPECT_EQ(s.NachspeiseOpt[4]->text(), QStringLiteral("Kelvor - Nurel &Compact"));
        }
        EXPECT_EQ(s.NachspeiseOpt[0]->y(), px(f.obenOption0));
        EXPECT_EQ(s.NachspeiseOpt[3]->y(), px(f.obenOption3));
        EXPECT_TRUE(s.NachspeiseOpt[1]->isChecked());
        EXPECT_TRUE(s.Frame1[1]->isHidden());
        EXPECT_TRUE(s.Label3->isHidden());
        EXPECT_TRUE(s.Label6->isHidden());
        EXPECT_EQ(haupt.infoLabel, LadeText(2146));
        entlade();
    }
}

// Stored make-up code and separator -> what the load stores and selects, without a message.
TEST_F(Form104Test, GespeicherteCodesWerdenVorDerAuslegungKorrigiert)
{
    struct Fall {
        bool automat;
        int code, trennerGespeichert;
        int codeDanach;
        const char* artikel;
        int trennerDanach;
        const char* trennerArtikel;
        const char* hinweis;
    };
    const Fall fälle[] = {
        // An automat cannot have the compact unit: it keeps neither its article nor its count.
        {true, 4, 1, 0, " ", 0, " ", ""},
        {false, 7, 0, 0, " ", 0, " ", ""},
        {false, -2, 0, 0, " ", 0, " ", ""},
        {false, 4, 1, 4, "23752", 0, " ", "Nachspeisearmatur mit Systemtrenner für kleine Anlagen mit MAG."},
        {false, 3, 5, 3, "23801", 0, "17096", ""},
        {true, 3, 1, 3, "23801", 1, "17095", ""},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("automat %1 code %2 trenner %3").arg(f.automat).arg(f.code).arg(f.trennerGespeichert).toStdString());
        meldungen.leeren();
        if (f.automat) {
            Automat(11, QStringLiteral("41101"));
        } else {
            d->m_ArtDruckhaltung.m_Value = 0;
            d->m_GefaessGruppe.m_Value = 2;
            d->m_GefaessArtNr.m_Value = QStringLiteral("40201");
        }
        Nachspeisung(f.code, f.trennerGespeichert);
        auto& s = zeige<Form104>();
        EXPECT_EQ(d->m_Zub_Nachspeisung.m_Value.toLong(), f.codeDanach);
        EXPECT_TRUE(s.NachspeiseOpt[static_cast<size_t>(f.codeDanach)]->isChecked());
        EXPECT_EQ(artikel(), QString::fromUtf8(f.artikel));
        EXPECT_EQ(anzahl(), f.codeDanach == 0 ? 0 : 1);
        EXPECT_EQ(trenner(), f.trennerDanach);
        EXPECT_EQ(trennerArtikel(), QString::fromUtf8(f.trennerArtikel));
        EXPECT_EQ(!s.Frame1[1]->isHidden(), f.codeDanach == 3);
        EXPECT_EQ(haupt.infoLabel, QString::fromUtf8(f.hinweis));
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
        entlade();
    }
}

TEST_F(Form104Test, Gruppe14OhneNachspeisungMitTrennerwahl)
{
    Automat(14, QStringLiteral("41401"));
    d->m_SteuerbehAnzahl.m_Value = 2;
    d->m_GefaessAnzahl.m_Value = 2;
    Nachspeisung(2, 1);
    d->m_Zub_Nachspeise_ArtNr.m_Value = QStringLiteral("23765");
    auto& s = zeige<Form104>();
    EXPECT_TRUE(s.Frame1[2]->isHidden());
    EXPECT_EQ(d->m_Zub_Nachspeisung.m_Value.toLong(), 0);
    EXPECT_EQ(artikel(), QStringLiteral(" "));
    EXPECT_FALSE(s.Frame1[1]->isHidden());
    EXPECT_FALSE(s.Label3->isHidden());
    EXPECT_TRUE(s.Systemtrenner[1]->isChecked());
    EXPECT_EQ(trennerArtikel(), QStringLiteral("17736"));
    EXPECT_EQ(anzahl(), 2) << "one separator per control vessel";

    s.Systemtrenner[0]->click();
    EXPECT_EQ(trenner(), 0);
    EXPECT_EQ(trennerArtikel(), QStringLiteral(" "));
    EXPECT_EQ(anzahl(), 0);
    s.Systemtrenner[1]->click();
    EXPECT_EQ(trennerArtikel(), QStringLiteral("17736"));
}

TEST_F(Form104Test, Nachspeiseautomaten60und61OhneNachspeisungUndTrenner)
{
    for (int gruppe : {60, 61}) {
        SCOPED_TRACE(gruppe);
        d->m_ArtDruckhaltung.m_Value = 0;
        d->m_GefaessGruppe.m_Value = gruppe;
        d->m_GefaessArtNr.m_Value = gruppe == 60 ? QStringLiteral("46001") : QStringLiteral("46101");
        Nachspeisung(3, 1);
        d->m_Zub_Systemtrenner_ArtNr.m_Value = QStringLiteral("17095");
        auto& s = zeige<Form104>();
        EXPECT_TRUE(s.Frame1[2]->isHidden());
        EXPECT_TRUE(s.Frame1[1]->isHidden());
        EXPECT_TRUE(s.Label3->isHidden());
        EXPECT_EQ(d->m_Zub_Nachspeisung.m_Value.toLong(), 0);
        EXPECT_EQ(artikel(), QStringLiteral(" "));
        EXPECT_EQ(trenner(), 0);
        EXPECT_EQ(trennerArtikel(), QStringLiteral(" "));
        entlade();
    }
}

TEST_F(Form104Test, NachspeiseautomatBietetDenTrennerAn)
{
    auto& s = zeige<Form104>();
    s.NachspeiseOpt[3]->click();
    EXPECT_EQ(d->m_Zub_Nachspeisung.m_Value.toLong(), 3);
    EXPECT_EQ(artikel(), QStringLiteral("23801"));
    EXPECT_TRUE(s.Systemtrenner[1]->isChecked());
    EXPECT_EQ(trennerArtikel(), QStringLiteral("17095"));
    EXPECT_FALSE(s.Frame1[1]->isHidden());
    EXPECT_EQ(haupt.infoLabel, QString());

    s.Systemtrenner[0]->click();
    EXPECT_EQ(trenner(), 0);
    EXPECT_EQ(trennerArtikel(), QStringLiteral("17096"));

    s.NachspeiseOpt[2]->click();
    EXPECT_EQ(artikel(), QStringLiteral("23770"));
    EXPECT_EQ(trenner(), 0);
    EXPECT_EQ(trennerArtikel(), QStringLiteral(" "));
    EXPECT_TRUE(s.Frame1[1]->isHidden());
    EXPECT_TRUE(s.Label3->isHidden());

    s.NachspeiseOpt[1]->click();
    EXPECT_EQ(artikel(), QStringLiteral("23760"));
    EXPECT_EQ(haupt.infoLabel, LadeText(2146));
    s.NachspeiseOpt[4]->click();
    EXPECT_EQ(artikel(), QStringLiteral("23752"));
    EXPECT_EQ(haupt.infoLabel, LadeText(2149));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
}

TEST_F(Form104Test, KeinPassenderNachspeiseautomatFaelltAufKeineZurueck)
{
    d->m_r_pVordruck.m_Value = 0.5;
    Nachspeisung(1);
    auto& s = zeige<Form104>();
    s.NachspeiseOpt[3]->click();
    EXPECT_EQ(protokoll(), QStringList{QStringLiteral("4:2371()")});
    EXPECT_TRUE(s.NachspeiseOpt[0]->isChecked());
    EXPECT_EQ(d->m_Zub_Nachspeisung.m_Value.toLong(), 0);
    EXPECT_EQ(artikel(), QStringLiteral(" "));
    EXPECT_EQ(anzahl(), 0);
    EXPECT_EQ(trenner(), 0);
    EXPECT_EQ(trennerArtikel(), QStringLiteral(" "));
    EXPECT_TRUE(s.Frame1[1]->isHidden());
    EXPECT_EQ(haupt.infoLabel, QString());
}

TEST_F(Form104Test, KappenventileJeErzeugerUndSammelleitung)
{
    // Total protection, one generator: no generator rows, no collecting line.
    {
        auto& s = zeige<Form104>();
        EXPECT_EQ(s.Label4[0]->text(), QStringLiteral("1"));
        EXPECT_EQ(Text(s.Label2[0]), QStringLiteral("Behälter Anlage:"));
        EXPECT_FALSE(s.Label5[0]->text().trimmed().isEmpty());
        for (size_t i = 1; i <= 6; ++i)
            EXPECT_EQ(s.Label4[i]->text(), QStringLiteral(" ")) << i;
        EXPECT_TRUE(s.Label1[6]->isHidden());
        EXPECT_TRUE(s.Label1[7]->isHidden());
        entlade();
    }
    // Two generators: a cap valve each and the collecting line.
    {
        Erzeuger({200, 300});
        auto& s = zeige<Form104>();
        EXPECT_EQ(s.Label4[1]->text(), QStringLiteral("1"));
        EXPECT_EQ(s.Label4[2]->text(), QStringLiteral("1"));
        EXPECT_EQ(s.Label4[3]->text(), QStringLiteral(" "));
        EXPECT_FALSE(s.Label5[2]->text().trimmed().isEmpty());
        EXPECT_EQ(Text(s.Label1[7]), QStringLiteral("Nennweite DN 25"));
        EXPECT_EQ(Text(s.Label1[6]), QStringLiteral("Ausdehnungssammelleitung:"));
        entlade();
    }
    // Single protection: generators with water content have the cap valve of their own vessel.
    {
        Erzeuger({200, 0, 300});
        d->m_Sicherung.m_Value = 1;
        d->m_KesselVol_m_value(1, 500);
        d->m_KesselVol_m_value(3, 300);
        d->m_Einzel_GefässArtNr_m_value(1, QStringLiteral("40206"));
        d->m_Einzel_GefässArtNr_m_value(3, QStringLiteral("40201"));
        auto& s = zeige<Form104>();
        EXPECT_EQ(s.Label4[1]->text(), QStringLiteral("1"));
        EXPECT_EQ(s.Label4[2]->text(), QStringLiteral(" "));
        EXPECT_EQ(s.Label4[3]->text(), QStringLiteral("1"));
        EXPECT_EQ(d->m_Zub_KappV_Erz_ArtNr_m_value(1), QStringLiteral("24125"));
        EXPECT_EQ(d->m_Zub_KappV_Erz_ArtNr_m_value(3), QStringLiteral("24120"));
        EXPECT_NE(s.Label5[1]->text(), s.Label5[3]->text());
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << protokoll().join(QLatin1Char(' ')).toStdString();
    }
}

// The demo catalogue with the 80 l vessel of group 19 naming a cap valve it does not hold.
class Form104FehlendesKappenventil : public Form104Test {
protected:
    Form104FehlendesKappenventil()
    {
        artikelSql = QStringLiteral("UPDATE [Grunddaten Gefäße] SET [Art Nr Kappenventil] = '24199' WHERE [Art Nr] = '41906'");
    }
};

TEST_F(Form104FehlendesKappenventil, FehlenderArtikelGibtLeereZelleUndMeldungNurOhneHost)
{
    for (int modus : {0, 1, 2}) {
        SCOPED_TRACE(modus);
        zustand().TyvoModus = modus;
        meldungen.leeren();
        d->m_GefaessGruppe.m_Value = 19;
        d->m_GefaessArtNr.m_Value = QStringLiteral("41906");
        auto& s = zeige<Form104>();
        EXPECT_EQ(d->m_Zub_KappV_Beh_ArtNr.m_Value.toString(), QStringLiteral("24199"));
        EXPECT_EQ(s.Label4[0]->text(), QStringLiteral("1"));
        EXPECT_TRUE(s.Label5[0]->text().trimmed().isEmpty());
        EXPECT_EQ(protokoll(), modus == 0 ? QStringList{QStringLiteral("4:2361(24199)")} : QStringList{});
        entlade();
    }
}

}  // namespace
