#include <gtest/gtest.h>

#include "design/rules/Sicherheitstechnik.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "SicherheitFixture.h"

namespace {

const QString Leist = QStringLiteral("m_Leist_m_value");
const QString SiVAnz = QStringLiteral("m_Zub_SichVentil_Anz_m_value");
const QString SiVArtNr = QStringLiteral("m_Zub_SichVentil_ArtNr_m_value");
const QString Entsp = QStringLiteral("m_Zub_EntspGefäß_ArtNr_m_value");

struct Anlage {
    std::array<int, 6> leistung{};  // per generator; all 0: only the total output is known
    double gesamt = 0;
    int ausführung = 0;              // 0 diaphragm, 1 full-lift
    double pSV = 2.5;
    int beheizung = 0;               // 0 direct, 1 indirect
    double primärtemperatur = 90;
    int aufstellung = 0;             // 0 low-lying, 1 roof-top plant room
    int wassermangel = 0;            // kind of low-water protection
};

void Setze(Vertragsobjekt& o, const Anlage& a)
{
    o[QStringLiteral("m_GefaessArtNr")] = QStringLiteral("40210");
    for (int i = 1; i <= 6; ++i)
        o(Leist, i) = VbVariant::lng(a.leistung[i - 1]);
    o[QStringLiteral("m_Leist_ges")] = a.gesamt;
    o[QStringLiteral("m_AusfuehrSV")] = VbVariant::integer(static_cast<int16_t>(a.ausführung));
    o[QStringLiteral("m_p_SV")] = a.pSV;
    o[QStringLiteral("m_Beheiz")] = VbVariant::integer(static_cast<int16_t>(a.beheizung));
    o[QStringLiteral("m_Primärtemp")] = a.primärtemperatur;
    o[QStringLiteral("m_Anlage")] = VbVariant::integer(static_cast<int16_t>(a.aufstellung));
    o[QStringLiteral("m_Zub_WMangelSichArt")] = VbVariant::integer(static_cast<int16_t>(a.wassermangel));
}

// Valves per generator as "article*count/DN", traps as "article/inlet/outlet".
QString Ventile(Vertragsobjekt& o, const Sicherheitstechnik& st)
{
    QStringList t;
    for (int i = 1; i <= 6; ++i)
        t << QStringLiteral("%1*%2/%3").arg(o(SiVArtNr, i).toString().trimmed(), o(SiVAnz, i).toString())
                 .arg(st.NennDN_SiV_Heizung(static_cast<int16_t>(i)));
    return t.join(QLatin1Char(' '));
}

QString Fallen(Vertragsobjekt& o, const Sicherheitstechnik& st)
{
    QStringList t;
    for (int i = 1; i <= 6; ++i) {
        const auto n = static_cast<int16_t>(i);
        t << QStringLiteral("%1/%2/%3").arg(o(Entsp, i).toString().trimmed())
                 .arg(st.EntspannGefaessDN_Eingang(n)).arg(st.EntspannGefaessDN_Ausgang(n));
    }
    return t.join(QLatin1Char(' '));
}

// Every count is written as an Integer, every article number as text.
void PrüfeTypen(Vertragsobjekt& o)
{
    for (const char* n : {"m_Zub_WMangelSich_Anz", "m_Zub_AltMinDruBegr_Anz", "m_Zub_MaxDruBegr_Anz"})
        EXPECT_EQ(o[QString::fromUtf8(n)].typ(), VbVariant::Typ::Integer) << n;
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(o(SiVAnz, i).typ(), VbVariant::Typ::Integer);
        EXPECT_EQ(o(SiVArtNr, i).typ(), VbVariant::Typ::String);
        EXPECT_EQ(o(Entsp, i).typ(), VbVariant::Typ::String);
    }
}

// A designer on the object, with the per-generator flag taken from it.
struct Heizungsdesigner : Sicherheitstechnik {
    explicit Heizungsdesigner(Vertragsobjekt& o)
    {
        Init(o.reg);
        Ermittel_EinzelkesselOderMehrkessel();
    }
};

const QString Keine = QStringLiteral("*0/0 *0/0 *0/0 *0/0 *0/0 *0/0");
const QString KeineFallen = QStringLiteral("/0/0 /0/0 /0/0 /0/0 /0/0 /0/0");

struct Heizfall {
    const char* name;
    Anlage anlage;
    QString ventile;
    QString fallen;
    int ausführungNachher;
    int wms, minDruck, maxDruck;
    bool alleMangelsicherung;
    QStringList meldungen;
};

}  // namespace

TEST(SicherheitstechnikHeizung, VentileFallenBegrenzerUndWassermangelsicherung)
{
    ArtikelFixture db(SicherheitArtikelSQL());
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;

    const Heizfall fälle[] = {
        {"per generator, roof-top, direct, minimum pressure limiter",
         {{0, 150, 500, 0, 0, 0}, 650, 0, 2.5, 0, 90, 1, 3},
         "*0/0 26025*1/25 26040*1/40 *0/0 *0/0 *0/0", "/0/0 /0/0 27040/50/100 /0/0 /0/0 /0/0", 0, 1, 1, 1, true, {}},
        {"the same plant indirect and low-lying",
         {{0, 150, 500, 0, 0, 0}, 650, 0, 2.5, 1, 90, 0, 3},
         "*0/0 26025*1/25 26040*1/40 *0/0 *0/0 *0/0", "/0/0 /0/0 27040/50/100 /0/0 /0/0 /0/0", 0, 0, 0, 0, false, {}},
        {"two diaphragm valves share one generator",
         {{700, 0, 0, 0, 0, 0}, 700, 0, 2.5, 0, 90, 0, 2},
         "26032*2/32 *0/0 *0/0 *0/0 *0/0 *0/0", "27032/40/80 /0/0 /0/0 /0/0 /0/0 /0/0", 0, 1, 0, 1, true, {}},
        {"generator 2 too large for diaphragm valves: the whole plant on full-lift valves",
         {{150, 1900, 0, 0, 0, 0}, 2050, 0, 2.5, 0, 90, 0, 1},
         "30020*1/20 30065*1/65 *0/0 *0/0 *0/0 *0/0", "/0/0 27065/80/150 /0/0 /0/0 /0/0 /0/0", 1, 2, 0, 1, false,
         {QStringLiteral("1:2200")}},
        {"no diaphragm valve at the set pressure",
         {{150, 0, 0, 0, 0, 0}, 150, 0, 4.0, 0, 90, 0, 0},
         "30020*1/20 *0/0 *0/0 *0/0 *0/0 *0/0", KeineFallen, 1, 0, 0, 0, false,
         {QStringLiteral("1:2200")}},
        {"total output 300 kW",
         {{}, 300, 0, 2.5, 0, 90, 0, 3},
         "26032*1/32 *0/0 *0/0 *0/0 *0/0 *0/0", KeineFallen, 0, 0, 1, 0, false, {}},
        {"total output 300.4 kW: valve and trap by 300, limiters by 300.4",
         {{}, 300.4, 0, 2.5, 0, 90, 0, 3},
         "26032*1/32 *0/0 *0/0 *0/0 *0/0 *0/0", KeineFallen, 0, 1, 0, 1, true, {}},
        {"indirect, primary side below the set pressure: one DN 25 whatever the output",
         {{}, 5000, 1, 3.0, 1, 110, 0, 2},
         "30025*1/25 *0/0 *0/0 *0/0 *0/0 *0/0", "27025/32/65 /0/0 /0/0 /0/0 /0/0 /0/0", 1, 0, 0, 0, true, {}},
        {"indirect, primary vapour pressure above the set pressure: by capacity",
         {{}, 5000, 1, 3.0, 1, 150, 0, 2},
         "30100*1/100 *0/0 *0/0 *0/0 *0/0 *0/0", "27100/125/250 /0/0 /0/0 /0/0 /0/0 /0/0", 1, 0, 0, 0, true, {}},
        {"full-lift at exactly 5 bar: trap column up to 5 bar",
         {{}, 1000, 1, 5.0, 0, 90, 0, 0},
         "30040*1/40 *0/0 *0/0 *0/0 *0/0 *0/0", "27040/50/100 /0/0 /0/0 /0/0 /0/0 /0/0", 1, 0, 0, 1, true, {}},
        {"full-lift at 5.01 bar: trap column above 5 bar",
         {{}, 1000, 1, 5.01, 0, 90, 0, 0},
         "30040*1/40 *0/0 *0/0 *0/0 *0/0 *0/0", "27050/65/125 /0/0 /0/0 /0/0 /0/0 /0/0", 1, 0, 0, 1, true, {}},
        {"no full-lift valve for the output: no trap either",
         {{}, 50000, 1, 2.5, 0, 90, 0, 0},
         Keine, KeineFallen, 1, 0, 0, 1, true,
         {QStringLiteral("4:2350(1)")}},
        {"per generator without any valve found",
         {{37000, 0, 50000, 0, 0, 0}, 87000, 1, 2.5, 0, 90, 0, 1},
         "30150*3/150 *0/0 *0/0 *0/0 *0/0 *0/0", "27150/200/300 /0/0 /0/0 /0/0 /0/0 /0/0", 1, 2, 0, 2, true,
         {QStringLiteral("4:2350(3)")}},
    };
    for (const Heizfall& f : fälle) {
        SCOPED_TRACE(f.name);
        rec.leeren();
        Vertragsobjekt o(QStringLiteral("He"));
        Setze(o, f.anlage);
        Heizungsdesigner st(o);
        EXPECT_EQ(st.AuslegungSicherheitstechnikHeizung(false), 0);
        EXPECT_EQ(Ventile(o, st), f.ventile);
        EXPECT_EQ(Fallen(o, st), f.fallen);
        EXPECT_EQ(o[QStringLiteral("m_AusfuehrSV")].toLong(), f.ausführungNachher);
        EXPECT_EQ(o[QStringLiteral("m_Zub_WMangelSich_Anz")].toLong(), f.wms);
        EXPECT_EQ(o[QStringLiteral("m_Zub_AltMinDruBegr_Anz")].toLong(), f.minDruck);
        EXPECT_EQ(o[QStringLiteral("m_Zub_MaxDruBegr_Anz")].toLong(), f.maxDruck);
        EXPECT_EQ(st.AlleKesselMangelsicherung_erforderlich(), f.alleMangelsicherung);
        EXPECT_EQ(Meldungsprotokoll(rec), f.meldungen);
        PrüfeTypen(o);
    }
}

TEST(SicherheitstechnikHeizung, OhneGefaessWirdNichtsAusgelegt)
{
    ArtikelFixture db(SicherheitArtikelSQL());
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    for (const QString& gefäß : {QStringLiteral(" "), QString()}) {
        Vertragsobjekt o(QStringLiteral("He"));
        Setze(o, {{0, 150, 500, 0, 0, 0}, 650, 0, 2.5, 0, 90, 1, 3});
        o[QStringLiteral("m_GefaessArtNr")] = gefäß;
        const QString vorher = o.abbild();
        Heizungsdesigner st(o);
        EXPECT_EQ(st.AuslegungSicherheitstechnikHeizung(false), 1);
        EXPECT_EQ(o.abbild(), vorher);
        EXPECT_EQ(st.NennDN_SiV_Heizung(3), 0);

        // The host's special case designs without a vessel.
        EXPECT_EQ(st.AuslegungSicherheitstechnikHeizung(true), 0);
        EXPECT_EQ(Ventile(o, st), QStringLiteral("*0/0 26025*1/25 26040*1/40 *0/0 *0/0 *0/0"));
        EXPECT_EQ(o[QStringLiteral("m_Zub_MaxDruBegr_Anz")].toLong(), 1);
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(SicherheitstechnikHeizung, HoechstensZweiDurchgaengeAuchWennDieUmstellungNichtHaelt)
{
    ArtikelFixture db(SicherheitArtikelSQL());
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    Vertragsobjekt o(QStringLiteral("He"));
    Setze(o, {{150, 1900, 0, 0, 0, 0}, 2050, 0, 2.5, 0, 90, 0, 1});
    o.festgehalten << QStringLiteral("m_AusfuehrSV");
    Heizungsdesigner st(o);
    EXPECT_EQ(st.AuslegungSicherheitstechnikHeizung(false), 0);
    // The plant is still marked diaphragm, so the trap of generator 2 is looked up for one.
    EXPECT_EQ(Meldungsprotokoll(rec), QStringList({QStringLiteral("1:2200"), QStringLiteral("1:2200"),
                                                   QStringLiteral("4:2351(2)")}));
    EXPECT_EQ(Ventile(o, st), QStringLiteral("26025*1/25 30065*1/65 *0/0 *0/0 *0/0 *0/0"));
}

TEST(SicherheitstechnikHeizung, NeueAuslegungLoeschtDieNennweitenWeggefallenerErzeuger)
{
    ArtikelFixture db(SicherheitArtikelSQL());
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    Vertragsobjekt o(QStringLiteral("He"));
    Setze(o, {{700, 500, 0, 0, 0, 0}, 1200, 0, 2.5, 0, 90, 0, 0});
    Heizungsdesigner st(o);
    ASSERT_EQ(st.AuslegungSicherheitstechnikHeizung(false), 0);
    EXPECT_EQ(Fallen(o, st), QStringLiteral("27032/40/80 27040/50/100 /0/0 /0/0 /0/0 /0/0"));

    o(Leist, 2) = VbVariant::lng(0);
    st.Ermittel_EinzelkesselOderMehrkessel();
    ASSERT_EQ(st.AuslegungSicherheitstechnikHeizung(false), 0);
    EXPECT_EQ(Ventile(o, st), QStringLiteral("26032*2/32 *0/0 *0/0 *0/0 *0/0 *0/0"));
    EXPECT_EQ(Fallen(o, st), QStringLiteral("27032/40/80 /0/0 /0/0 /0/0 /0/0 /0/0"));

    // Indexes outside 1..6 answer 0.
    for (const int16_t i : {int16_t(0), int16_t(7), int16_t(-1)}) {
        EXPECT_EQ(st.NennDN_SiV_Heizung(i), 0);
        EXPECT_EQ(st.EntspannGefaessDN_Eingang(i), 0);
        EXPECT_EQ(st.EntspannGefaessDN_Ausgang(i), 0);
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(SicherheitstechnikHeizung, FehlerfaelleDerArtikeldatenbank)
{
    struct Fall {
        const char* name;
        const char* änderung;  // applied to the fixture
        Anlage anlage;
        QString ventile;
        QString fallen;
        QStringList meldungen;
    };
    const Fall fälle[] = {
        {"a missing row of the full-lift matrix: every capacity search fails",
         "DELETE FROM [Abblaseleistung VollhubSV] WHERE [Nenndurchmesser DN] = 125 AND Druck = 7.5",
         {{150, 500, 0, 0, 0, 0}, 650, 1, 2.5, 0, 90, 0, 0},
         Keine, KeineFallen,
         {QStringLiteral("5:2413"), QStringLiteral("4:2350(1)"), QStringLiteral("4:2350(2)")}},
        {"a missing row of the full-lift matrix: the search by size still works",
         "DELETE FROM [Abblaseleistung VollhubSV] WHERE [Nenndurchmesser DN] = 125 AND Druck = 7.5",
         {{150, 500, 0, 0, 0, 0}, 650, 1, 2.5, 1, 110, 0, 0},
         "30025*1/25 30025*1/25 *0/0 *0/0 *0/0 *0/0", "/0/0 27025/32/65 /0/0 /0/0 /0/0 /0/0",
         {QStringLiteral("5:2413")}},
        {"no trap for the valve size",
         "DELETE FROM [Entspannungsgefäße] WHERE [Art Nr] = '27040'",
         {{0, 0, 500, 0, 0, 0}, 500, 0, 2.5, 0, 90, 0, 0},
         "*0/0 *0/0 26040*1/40 *0/0 *0/0 *0/0", KeineFallen, {QStringLiteral("4:2351(3)")}},
        {"no diaphragm valves at all: full-lift",
         "DELETE FROM [Leistung MembranSV]",
         {{}, 800, 0, 2.5, 0, 90, 0, 0},
         "30040*1/40 *0/0 *0/0 *0/0 *0/0 *0/0", "27040/50/100 /0/0 /0/0 /0/0 /0/0 /0/0", {QStringLiteral("1:2200")}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        ArtikelFixture db(SicherheitArtikelSQL());
        ASSERT_TRUE(db.ausführen(QString::fromUtf8(f.änderung)));
        MeldungsRecorder rec;
        Vertragsobjekt o(QStringLiteral("He"));
        Setze(o, f.anlage);
        Heizungsdesigner st(o);
        EXPECT_EQ(st.AuslegungSicherheitstechnikHeizung(false), 0);
        EXPECT_EQ(Ventile(o, st), f.ventile);
        EXPECT_EQ(Fallen(o, st), f.fallen);
        EXPECT_EQ(Meldungsprotokoll(rec), f.meldungen);
    }
}

TEST(SicherheitstechnikHeizung, OhneFallentabelleGehtDieAuslegungWeiter)
{
    ArtikelFixture db(SicherheitArtikelSQL());
    ASSERT_TRUE(db.ausführen(QStringLiteral("DROP TABLE [Entspannungsgefäße]")));
    MeldungsRecorder rec;
    Vertragsobjekt o(QStringLiteral("He"));
    Setze(o, {{0, 0, 500, 0, 0, 0}, 500, 0, 2.5, 0, 90, 0, 1});
    Heizungsdesigner st(o);
    EXPECT_EQ(st.AuslegungSicherheitstechnikHeizung(false), 0);
    EXPECT_EQ(Fallen(o, st), KeineFallen);
    EXPECT_EQ(o[QStringLiteral("m_Zub_WMangelSich_Anz")].toLong(), 1);
    EXPECT_EQ(o[QStringLiteral("m_Zub_MaxDruBegr_Anz")].toLong(), 1);
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen.first().art, Meldungsart::Datenbankfehler);
}

TEST(SicherheitstechnikHeizung, WassermangelsicherungNachArtUndAufstellung)
{
    struct Fall {
        std::array<int, 6> leistung;
        double gesamt;
        int aufstellung, beheizung, art;
        int wms, minDruck;
        bool alle;
    };
    const Fall fälle[] = {
        // per generator
        {{0, 150, 500, 0, 0, 0}, 0, 0, 0, 1, 2, 0, false},
        {{0, 150, 500, 0, 0, 0}, 0, 0, 0, 2, 2, 0, false},
        {{0, 150, 500, 0, 0, 0}, 0, 0, 0, 3, 1, 1, false},
        {{0, 150, 500, 0, 0, 0}, 0, 0, 0, 0, 0, 0, false},
        {{0, 150, 500, 0, 0, 0}, 0, 0, 0, 4, 0, 0, false},
        {{0, 150, 500, 0, 0, 0}, 0, 1, 1, 3, 1, 1, true},   // roof-top, indirect
        {{0, 150, 500, 0, 0, 0}, 0, 0, 1, 3, 0, 0, false},  // low-lying, indirect: none
        {{301, 300, 1, 0, 0, 0}, 0, 0, 0, 3, 1, 2, false},
        {{301, 500, 0, 0, 0, 0}, 0, 0, 0, 3, 2, 0, true},
        // total output (as stored, not rounded)
        {{}, 300, 0, 0, 3, 0, 1, false},
        {{}, 300.4, 0, 0, 3, 1, 0, true},
        {{}, 120, 0, 0, 1, 1, 0, false},
        {{}, 120, 1, 0, 2, 1, 0, true},
        {{}, 120, 0, 1, 2, 0, 0, false},
        {{}, 120, 0, 0, 0, 0, 0, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.leistung[0] << "/" << f.leistung[1] << "/" << f.leistung[2] << " total "
                                        << f.gesamt << ", room " << f.aufstellung << ", heating " << f.beheizung
                                        << ", kind " << f.art);
        Vertragsobjekt o(QStringLiteral("He"));
        Anlage a;
        a.leistung = f.leistung;
        a.gesamt = f.gesamt;
        a.aufstellung = f.aufstellung;
        a.beheizung = f.beheizung;
        a.wassermangel = f.art;
        Setze(o, a);
        Heizungsdesigner st(o);
        st.AuslegungWassermangelsicherung();
        EXPECT_EQ(o[QStringLiteral("m_Zub_WMangelSich_Anz")].toLong(), f.wms);
        EXPECT_EQ(o[QStringLiteral("m_Zub_AltMinDruBegr_Anz")].toLong(), f.minDruck);
        EXPECT_EQ(st.AlleKesselMangelsicherung_erforderlich(), f.alle);
    }
}
