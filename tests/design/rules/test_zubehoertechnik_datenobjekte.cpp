#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "data/Tabellenaufbau.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/rules/Zubehoertechnik.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "base/Programmzustand.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

const QStringList Arten = {QStringLiteral("He"), QStringLiteral("Kü"), QStringLiteral("So"), QStringLiteral("Tr"),
                           QStringLiteral("Dr")};

std::unique_ptr<GlobDaten> Datenobjekt(const QString& projektart)
{
    if (projektart == QStringLiteral("He"))
        return std::make_unique<GlobDatenHeizung>();
    if (projektart == QStringLiteral("Kü"))
        return std::make_unique<GlobDatenKälte>();
    if (projektart == QStringLiteral("So"))
        return std::make_unique<GlobDatenSolar>();
    if (projektart == QStringLiteral("Tr"))
        return std::make_unique<GlobDatenTrinkw>();
    return std::make_unique<GlobDatenDruck>();
}

// The parameter tables of the program's schema and the demo article database, set as the
// program's; the current project is "Z-1".
class ZubehoertechnikDatenobjekte : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
        zustand().aktProjektnummer = QStringLiteral("Z-1");
    }

    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
};

}  // namespace

TEST_F(ZubehoertechnikDatenobjekte, JederMembernameLoestSichAufJederDatenklasseAuf)
{
    for (const QString& art : Arten) {
        const std::unique_ptr<GlobDaten> objekt = Datenobjekt(art);
        const MemberRegister& reg = objekt->Member();
        const QStringList namen = Zubehörtechnik::Membernamen(art);
        EXPECT_FALSE(namen.isEmpty());
        for (const QString& name : namen) {
            SCOPED_TRACE((art + QLatin1Char('.') + name).toStdString());
            ASSERT_TRUE(reg.hat(name));
            const MemberRegister::Art erwartet = name == QStringLiteral("Sum_Waermeleistung")
                ? MemberRegister::Art::Methode
                : name.endsWith(QStringLiteral("_m_value")) ? MemberRegister::Art::Indiziert : MemberRegister::Art::Wert;
            EXPECT_EQ(reg.art(name), erwartet);
        }
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

// The designer on the real data objects: what it chooses reaches the project's row.
TEST_F(ZubehoertechnikDatenobjekte, AuslegungLandetInDerProjektzeile)
{
    using Eingaben = QList<QPair<QString, VbVariant>>;
    using Spalten = QList<QPair<QString, QVariant>>;
    const struct {
        const char* art;
        Eingaben eingaben;
        std::function<void(Zubehörtechnik&)> auslegen;
        Spalten spalten;
    } fälle[] = {
        {"He",
         {{QStringLiteral("m_GefaessGruppe"), 9.0}, {QStringLiteral("m_SteuerbehAnzahl"), 1.0},
          {QStringLiteral("m_GefaessAnzahl"), 3.0}, {QStringLiteral("m_GefaessArtNr"), QStringLiteral("40904")},
          {QStringLiteral("m_ArtDruckhaltung"), 1}, {QStringLiteral("m_Sicherung"), 0},
          {QStringLiteral("m_Leist_1"), 300.0}, {QStringLiteral("m_Leist_2"), 500.0},
          {QStringLiteral("m_Leist_ges"), 800.0}, {QStringLiteral("m_Zub_Nachspeisung"), VbVariant::integer(3)},
          {QStringLiteral("m_Zub_Systemtrenner"), VbVariant::integer(1)}, {QStringLiteral("m_r_pVordruck"), 1.2},
          {QStringLiteral("m_r_pend"), 2.5}, {QStringLiteral("m_VolAnlage"), 5000.0},
          {QStringLiteral("m_Temp_R"), 75.0}, {QStringLiteral("m_Temp_V"), 110.0},
          {QStringLiteral("m_r_vaus"), 1000.0}, {QStringLiteral("m_EinbringBreite"), 1000.0},
          {QStringLiteral("m_EinbringHoehe"), 2000.0}, {QStringLiteral("m_p_SV"), 3.0}},
         [](Zubehörtechnik& z) {
             z.Ermittel_EinzelkesselOderMehrkessel();
             z.AuslegungZubehörHeizung();
         },
         {{QStringLiteral("KappenventilBehAnz"), 4}, {QStringLiteral("KappenventilBehArtNr"), QStringLiteral("24125")},
          {QStringLiteral("KappenventilErzArtNr1"), QStringLiteral("24020")},
          {QStringLiteral("KappenventilErzArtNr2"), QStringLiteral("24025")},
          {QStringLiteral("KappenventilErzArtNr3"), QStringLiteral(" ")}, {QStringLiteral("SammelleitungDN"), 25},
          {QStringLiteral("NachspeiseArtNr"), QStringLiteral("23801")}, {QStringLiteral("NachspeiseAnz"), 3},
          {QStringLiteral("Nachspeisung"), 3}, {QStringLiteral("VorlagebehArtNr"), QStringLiteral("44008")},
          {QStringLiteral("VorlagebehEinzArtNr1"), QStringLiteral(" ")}}},
        {"Kü",
         {{QStringLiteral("m_GefaessGruppe"), 9.0}, {QStringLiteral("m_SteuerbehAnzahl"), 1.0},
          {QStringLiteral("m_GefaessAnzahl"), 2.0}, {QStringLiteral("m_GefaessArtNr"), QStringLiteral("40904")},
          {QStringLiteral("m_ArtDruckhaltung"), 1}, {QStringLiteral("m_SteuerModulKomp"), VbVariant::integer(0)},
          {QStringLiteral("m_Zub_Nachspeisung"), VbVariant::integer(3)},
          {QStringLiteral("m_Zub_Systemtrenner"), VbVariant::integer(1)}, {QStringLiteral("m_r_pVordruck"), 0.5},
          {QStringLiteral("m_r_pend"), 2.5}, {QStringLiteral("m_VolAnlage"), 1000.0}},
         [](Zubehörtechnik& z) {
             z.AuslegungZubehörKälte();  // no automat for 0.8 bar: the page offers option 1
             z.ErmittelNachspeiseeinrichtung(1);
         },
         {{QStringLiteral("KappenventilBehAnz"), 3}, {QStringLiteral("KappenventilBehArtNr"), QStringLiteral("24125")},
          {QStringLiteral("NachspeiseArtNr"), QStringLiteral("23751")}, {QStringLiteral("NachspeiseAnz"), 1},
          {QStringLiteral("Nachspeisung"), 0}, {QStringLiteral("Systemtrenner"), 0}}},
        {"So",
         {{QStringLiteral("m_GefaessGruppe"), 21.0}, {QStringLiteral("m_GefaessAnzahl"), 2.0},
          {QStringLiteral("m_GefaessArtNr"), QStringLiteral("42101")}},
         [](Zubehörtechnik& z) { z.AuslegungZubehörSolaranlage(); },
         {{QStringLiteral("KappenventilBehAnz"), 2}, {QStringLiteral("KappenventilBehArtNr"), QStringLiteral("24120")}}},
        {"Tr",
         {{QStringLiteral("m_GefaessGruppe"), 17.0}, {QStringLiteral("m_GefaessAnzahl"), 1.0},
          {QStringLiteral("m_GefaessArtNr"), QStringLiteral("41701")}},
         [](Zubehörtechnik& z) { z.AuslegungZubehörTrinkwasser(); },
         {{QStringLiteral("KappenventilBehAnz"), 1}, {QStringLiteral("KappenventilBehArtNr"), QStringLiteral("24120")}}},
        {"Dr",
         {{QStringLiteral("m_GefaessGruppe"), 16.0}, {QStringLiteral("m_GefaessAnzahl"), 2.0},
          {QStringLiteral("m_GefaessArtNr"), QStringLiteral("41601")}},
         [](Zubehörtechnik& z) { z.AuslegungZubehörDruckerhöhung(); },
         {{QStringLiteral("KappenventilBehAnz"), 0}, {QStringLiteral("KappenventilBehArtNr"), QStringLiteral(" ")}}},
    };
    for (const auto& f : fälle) {
        const QString art = QString::fromUtf8(f.art);
        SCOPED_TRACE(f.art);
        rec.leeren();
        {
            const std::unique_ptr<GlobDaten> objekt = Datenobjekt(art);
            ASSERT_EQ(objekt->Init(), 0);
            for (const auto& [name, wert] : f.eingaben)
                objekt->schreibe(name, wert);
            Zubehörtechnik z;
            z.Init(*objekt);
            f.auslegen(z);
        }
        const QString tabelle = Tabellenaufbau::Parametertabelle(art);
        for (const auto& [spalte, wert] : f.spalten)
            EXPECT_EQ(db.feld(tabelle, spalte, QStringLiteral("Z-1")).toString(), wert.toString()) << spalte.toStdString();
        const QStringList erwartet = art == QStringLiteral("Kü") ? QStringList{QStringLiteral("Auslegungsfehler")}
                                                                    : QStringList{};
        QStringList titel;
        for (const MeldungsBox& b : rec.boxen)
            titel << b.titel;
        EXPECT_EQ(titel, erwartet);
    }
}
