#include <gtest/gtest.h>

#include "data/Tabellenaufbau.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/TabellenConst.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "base/Programmzustand.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "SicherheitFixture.h"

namespace {

struct Datenklasse {
    const char* projektart;
    const QString& tabelle;
    std::shared_ptr<GlobDaten> (*erzeugen)();
};

template <class T>
std::shared_ptr<GlobDaten> Erzeuge()
{
    return std::make_shared<T>();
}

const Datenklasse Datenklassen[] = {
    {"He", Tabelle::Heizungsparameter, &Erzeuge<GlobDatenHeizung>},
    {"Kü", Tabelle::Kälteparameter, &Erzeuge<GlobDatenKälte>},
    {"So", Tabelle::Solarparameter, &Erzeuge<GlobDatenSolar>},
    {"Tr", Tabelle::Trinkwasserparameter, &Erzeuge<GlobDatenTrinkw>},
    {"Dr", Tabelle::Druckerhöhungparameter, &Erzeuge<GlobDatenDruck>},
};

const Datenklasse& Klasse(const char* projektart)
{
    for (const Datenklasse& k : Datenklassen)
        if (qstrcmp(k.projektart, projektart) == 0)
            return k;
    throw std::logic_error("unknown system type");
}

// The article tables of the designer and the article view of the data objects.
QString ArtikelSQL()
{
    return SicherheitArtikelSQL()
        + QStringLiteral(";CREATE TABLE ARTIKEL (arArtikelnr TEXT(15), arKurztext1 TEXT(50), arKurztext2 TEXT(50), "
                         "arPreis DOUBLE, ltLangtextnr LONG);"
                         "CREATE TABLE Artikel_Zusatz (artikelnr TEXT(15), dxfText TEXT(50))");
}

}  // namespace

// Every member the designer uses exists on the data class of its system type with the kind of
// access the designer needs, and the members it writes take its writes.
TEST(SicherheitstechnikVertrag, JederMembernameLoestSichAufJederDatenklasseAuf)
{
    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    ArtikelFixture artikel(ArtikelSQL());
    for (const Datenklasse& k : Datenklassen) {
        const QString art = QString::fromUtf8(k.projektart);
        const std::shared_ptr<GlobDaten> objekt = k.erzeugen();
        ASSERT_EQ(objekt->Init(), 0);
        MemberRegister& reg = objekt->Member();
        for (const Sicherheitstechnik::Vertragsmember& m : Sicherheitstechnik::Vertrag(art)) {
            SCOPED_TRACE((art + QLatin1Char('.') + m.name).toStdString());
            ASSERT_TRUE(reg.hat(m.name));
            EXPECT_EQ(reg.art(m.name), m.art);
            const QList<VbVariant> eins = {VbVariant::integer(1)};
            switch (m.art) {
            case MemberRegister::Art::Wert:
                if (m.geschrieben) {
                    EXPECT_NO_THROW(reg.schreibe(m.name, reg.lese(m.name)));
                }
                break;
            case MemberRegister::Art::Indiziert:
                if (m.geschrieben) {
                    EXPECT_NO_THROW(reg.schreibe(m.name, eins, reg.lese(m.name, eins)));
                }
                break;
            case MemberRegister::Art::Methode:
                EXPECT_NO_THROW(reg.rufe(m.name));
                break;
            case MemberRegister::Art::Objekt:
                EXPECT_NE(reg.objekt<TabellenConst>(m.name), nullptr);
                break;
            }
        }
    }
    EXPECT_EQ(Sicherheitstechnik::Vertrag(QStringLiteral("Dr")).size(), 0);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

// The designer on the real data objects: the inputs are read by name and the choice reaches the
// project's row when the object is released.
TEST(SicherheitstechnikVertrag, AuslegungLandetInDerProjektzeile)
{
    struct Eingabe {
        const char* member;
        int index;  // 0: a plain member
        VbVariant wert;
    };
    struct Fall {
        const char* projektart;
        QList<Eingabe> eingaben;
        std::function<int32_t(Sicherheitstechnik&)> auslegen;
        QList<QPair<const char*, const char*>> spalten;  // column, stored value as text
        QStringList meldungen;
    };
    const auto I = [](int v) { return VbVariant::integer(static_cast<int16_t>(v)); };
    const Fall fälle[] = {
        {"He",
         {{"m_Leist_m_value", 1, VbVariant::lng(150)}, {"m_Leist_m_value", 2, VbVariant::lng(1900)},
          {"m_p_SV", 0, 2.5}, {"m_AusfuehrSV", 0, I(0)}, {"m_Beheiz", 0, I(0)}, {"m_Anlage", 0, I(0)},
          {"m_Zub_WMangelSichArt", 0, I(1)}},
         [](Sicherheitstechnik& st) {
             st.Ermittel_EinzelkesselOderMehrkessel();
             return st.AuslegungSicherheitstechnikHeizung(false);
         },
         {{"Membran-SV", "0"}, {"Vollhub-SV", "-1"}, {"SichventilArtNr1", "30020"}, {"SichventAnz1", "1"},
          {"SichventilArtNr2", "30065"}, {"SichventAnz2", "1"}, {"SichventAnz3", "0"},
          {"EntspannGefäßArtNr1", " "}, {"EntspannGefäßArtNr2", "27065"}, {"MangelsicherungAnz", "2"},
          {"AlterMinDruckBegrAnz", "0"}, {"MaxDruckBegrAnz", "1"}},
         {QStringLiteral("1:2200")}},
        {"He",
         {{"m_Leist_ges", 0, 5000.0}, {"m_p_SV", 0, 3.0}, {"m_AusfuehrSV", 0, I(1)}, {"m_Beheiz", 0, I(1)},
          {"m_Primärtemp", 0, 110.0}, {"m_Anlage", 0, I(1)}, {"m_Zub_WMangelSichArt", 0, I(3)}},
         [](Sicherheitstechnik& st) {
             st.Ermittel_EinzelkesselOderMehrkessel();
             return st.AuslegungSicherheitstechnikHeizung(false);
         },
         {{"SichventilArtNr1", "30025"}, {"SichventAnz1", "1"}, {"EntspannGefäßArtNr1", "27025"},
          {"MangelsicherungAnz", "1"}, {"AlterMinDruckBegrAnz", "0"}, {"MaxDruckBegrAnz", "0"}},
         {}},
        {"Kü", {}, [](Sicherheitstechnik& st) { return st.AuslegungSicherheitstechnikKälte(); },
         {{"SichventilArtNr", "29495"}, {"SichventAnz", "1"}}, {}},
        {"So", {{"m_Absorberflaeche", 0, 120.0}, {"m_p_SV", 0, 6.0}},
         [](Sicherheitstechnik& st) { return st.AuslegungSicherheitstechnikSolaranlagen(); },
         {{"SichventilArtNr", "25063"}}, {}},
        {"Tr", {{"m_VolAnlage", 0, 6000.0}, {"m_p_SV", 0, 7.0}},
         [](Sicherheitstechnik& st) { return st.AuslegungSicherheitstechnikTrinkwasser(); },
         {{"SichventilArtNr", " "}}, {QStringLiteral("4:2364")}},
        {"Tr", {{"m_VolAnlage", 0, 300.0}, {"m_p_SV", 0, 7.0}},
         [](Sicherheitstechnik& st) { return st.AuslegungSicherheitstechnikTrinkwasser(); },
         {{"SichventilArtNr", "28082"}}, {}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.projektart);
        const Datenklasse& k = Klasse(f.projektart);
        MeldungsRecorder rec;
        Datenobjektdatenbanken db;
        ArtikelFixture artikel(ArtikelSQL());
        zustand().aktProjektnummer = QStringLiteral("S-7");
        {
            const std::shared_ptr<GlobDaten> objekt = k.erzeugen();
            ASSERT_EQ(objekt->Init(), 0);
            objekt->schreibe(QStringLiteral("m_GefaessArtNr"), QStringLiteral("40905"));
            for (const Eingabe& e : f.eingaben) {
                const QString name = QString::fromUtf8(e.member);
                if (e.index == 0)
                    objekt->schreibe(name, e.wert);
                else
                    objekt->schreibe(name, {VbVariant::integer(static_cast<int16_t>(e.index))}, e.wert);
            }
            Sicherheitstechnik st;
            st.Init(objekt);
            EXPECT_EQ(f.auslegen(st), 0);
        }
        for (const auto& [spalte, wert] : f.spalten)
            EXPECT_EQ(db.feld(k.tabelle, QString::fromUtf8(spalte), QStringLiteral("S-7")).toString(),
                      QString::fromUtf8(wert))
                << spalte;
        EXPECT_EQ(Meldungsprotokoll(rec), f.meldungen);
    }
}
