#include <gtest/gtest.h>

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "ZubehoerTestobjekt.h"

// The article tables' SQL goes to the table access as the designers write it: bracketed names
// with blanks, commas and degree signs, sums in the WHERE clause, Jet keywords.
namespace {

const QString Gefäße = QStringLiteral(
    "CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT COLLATE NOCASE, [Art Gr Berechn Prg] INTEGER, "
    "[Inhalt in ltr] INTEGER, [Max, Betriebsdruck in bar] REAL, [Max, Betriebstemperatur in °C] INTEGER, "
    "Vordruck REAL, [Durchmesser in mm] INTEGER, [Höhe in mm] INTEGER, [MinderBreite in mm] INTEGER, "
    "[MinderHöhe in mm] INTEGER, Kälteanlage BOOLEAN, Solaranlage BOOLEAN, Umschreibung TEXT, "
    "[Art Nr Kappenventil] TEXT, ArtNr2Kappenventil TEXT);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('40205', 2, 100, 6, 120, 1.5, 480, 670, 0, 0, -1, 0, 'MAG 100 l / 6 bar', '24125', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44001', 40, 35, 10, 120, 0, 354, 460, 0, 0, 0, -1, 'Vorlage 35 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44005', 40, 100, 10, 150, 0, 480, 670, 0, 0, 0, 0, 'Vorlage 100 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44006', 40, 150, 6, 120, 0, 480, 930, 0, 0, 0, 0, 'Vorlage 150 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44007', 40, 150, 10, 150, 0, 480, 930, 0, 0, 0, 0, 'Vorlage 150 l', '', NULL);"
    "INSERT INTO [Grunddaten Gefäße] VALUES ('44008', 40, 200, 6, 150, 0, 634, 760, 20, 50, 0, 0, 'Vorlage 200 l', '', NULL);");

}  // namespace

TEST(ArtikelSQL, SummenUndNamenMitKommaUndGradzeichenLaufenUnveraendert)
{
    ArtikelFixture db(Gefäße);
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;

    // The accessory designer's intermediate-vessel query, run by the heating accessory design:
    // sums in the WHERE clause, names with commas and degree signs. The minimum content is the
    // expansion volume times 0.2 (flow 90..120 °C) or 0.3 (121..140 °C), rounded up.
    const struct {
        int breite, höhe;
        double pSV;
        int vorlauf, ausdehnung;
        const char* artikel;  // " ": none
    } fälle[] = {
        {700, 2000, 8.0, 140, 300, "44005"},  // 90 l: 44005 and 44007, the smaller first
        {700, 2000, 3.0, 125, 400, "44007"},  // 120 l: 44006 holds only 120 °C
        {480, 2000, 2.5, 90, 180, "44005"},   // 480 + 0 is exactly the door
        {653, 2000, 2.5, 90, 900, " "},       // 180 l: 634 + 20 is too wide
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.artikel);
        rec.leeren();
        ZubehörTestobjekt o(QStringLiteral("He"));
        o.setze({{"m_Sicherung", VbVariant::lng(0)}, {"m_Zub_Nachspeisung", VbVariant::integer(0)},
                 {"m_Temp_R", 80.0}, {"m_Temp_V", double(f.vorlauf)}, {"m_r_vaus", double(f.ausdehnung)},
                 {"m_EinbringBreite", f.breite}, {"m_EinbringHoehe", f.höhe}, {"m_p_SV", f.pSV}});
        Zubehörtechnik z;
        z.Init(o.reg());
        z.AuslegungZubehörHeizung();
        EXPECT_EQ(o["m_Zub_Vorlagebeh_ArtNr"].toString(), QString::fromUtf8(f.artikel));
        // The other steps of the design find no tables of theirs here; the vessel query runs.
        for (const MeldungsBox& b : rec.boxen)
            EXPECT_FALSE(b.art == Meldungsart::Datenbankfehler && b.werte.join(QLatin1Char(' ')).contains(QStringLiteral("Grunddaten")))
                << b.text.toStdString();
    }

    // Jet keywords and names with blanks in conditions of the table access.
    rec.leeren();
    const struct {
        QString bedingung;
        QStringList artikel;
    } jet[] = {
        {QStringLiteral("[Solaranlage] = True"), {QStringLiteral("44001")}},
        {QStringLiteral("Solaranlage = False AND [Inhalt in ltr] < 150 AND [Art Gr Berechn Prg] = 40"),
         {QStringLiteral("44005")}},
    };
    for (const auto& f : jet) {
        SCOPED_TRACE(f.bedingung.toStdString());
        datenbank t;
        ASSERT_EQ(t.OpenTab(zustand().Artikel_Data_Source,
                            QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE ") + f.bedingung, 3,
                            Kennwort::Artikeldatenbank, true),
                  0);
        QStringList gelesen;
        for (t.MoveFirst(); !t.EofTab(); t.MoveNext())
            gelesen << t.GetFeld(QStringLiteral("Art Nr")).toString();
        EXPECT_EQ(gelesen, f.artikel);
    }

    datenbank t;
    ASSERT_EQ(t.OpenTab(zustand().Artikel_Data_Source,
                        QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Art Nr] = '44005'"), 3,
                        Kennwort::Artikeldatenbank, true),
              0);
    EXPECT_EQ(t.GetFeld(QStringLiteral("Max, Betriebstemperatur in °C")).toLong(), 150);
    EXPECT_DOUBLE_EQ(t.GetFeld(QStringLiteral("Max, Betriebsdruck in bar")).toDouble(), 10.0);
    EXPECT_TRUE(t.Find(QStringLiteral("[Max, Betriebstemperatur in °C] >= ") + Zahlen::Str(150)));
    EXPECT_TRUE(rec.boxen.isEmpty());
}
