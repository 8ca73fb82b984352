#include <gtest/gtest.h>

#include "design/rules/Sicherheitstechnik.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "SicherheitFixture.h"

namespace {

const QString GefäßArtNr = QStringLiteral("m_GefaessArtNr");
const QString SiVArtNr = QStringLiteral("m_Zub_SichVentil_ArtNr");

struct Ventilfall {
    double pSV;
    double größe;  // collector area in m² or water content in litres
    const char* artNr;
    QStringList meldungen;
};

// Solar and drinking water differ in the size member, the design member and the message.
struct Solar {
    static QString art() { return QStringLiteral("So"); }
    static QString größe() { return QStringLiteral("m_Absorberflaeche"); }
    static int32_t auslegen(Sicherheitstechnik& st) { return st.AuslegungSicherheitstechnikSolaranlagen(); }
    static std::vector<Ventilfall> fälle()
    {
        return {
            {6.0, 120, "25063", {}},
            {6.0, 50.5, "25061", {}},  // the area is rounded half to even
            {6.0, 51.5, "25062", {}},
            {3.0, 150, "25063", {}},   // no 3- or 4-bar valve that large: the 6-bar stage
            {6.0, 250, " ", {QStringLiteral("4:2373")}},
            {10.5, 10, " ", {QStringLiteral("4:2373")}},
        };
    }
};
struct Trinkwasser {
    static QString art() { return QStringLiteral("Tr"); }
    static QString größe() { return QStringLiteral("m_VolAnlage"); }
    static int32_t auslegen(Sicherheitstechnik& st) { return st.AuslegungSicherheitstechnikTrinkwasser(); }
    static std::vector<Ventilfall> fälle()
    {
        return {
            {6.0, 1000.5, "28062", {}},  // the content is rounded half to even
            {6.0, 1001.5, "28063", {}},
            {7.0, 300, "28082", {}},
            {6.0, 6000, " ", {QStringLiteral("4:2364")}},
        };
    }
};

template <typename T>
class SicherheitsventilNachGroesse : public testing::Test {};
using Arten = testing::Types<Solar, Trinkwasser>;
TYPED_TEST_SUITE(SicherheitsventilNachGroesse, Arten);

}  // namespace

TYPED_TEST(SicherheitsventilNachGroesse, WaehltVentilOderMeldetAuslegungsfehler)
{
    ArtikelFixture db(SicherheitArtikelSQL());
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    for (const Ventilfall& f : TypeParam::fälle()) {
        SCOPED_TRACE(testing::Message() << f.pSV << " bar, size " << f.größe);
        rec.leeren();
        Vertragsobjekt o(TypeParam::art());
        o[GefäßArtNr] = QStringLiteral("42101");
        o[QStringLiteral("m_p_SV")] = f.pSV;
        o[TypeParam::größe()] = f.größe;
        o[SiVArtNr] = QStringLiteral("alt");
        Sicherheitstechnik st;
        st.Init(o.reg);
        EXPECT_EQ(TypeParam::auslegen(st), 0);
        EXPECT_EQ(o[SiVArtNr].typ(), VbVariant::Typ::String);
        EXPECT_EQ(o[SiVArtNr].toString(), QString::fromLatin1(f.artNr));
        EXPECT_EQ(Meldungsprotokoll(rec), f.meldungen);
    }
}

TYPED_TEST(SicherheitsventilNachGroesse, OhneTabelleMeldetDatenbankUndAuslegung)
{
    ArtikelFixture db;
    ASSERT_TRUE(db.ok());
    MeldungsRecorder rec;
    Vertragsobjekt o(TypeParam::art());
    o[GefäßArtNr] = QStringLiteral("42101");
    o[QStringLiteral("m_p_SV")] = 6.0;
    o[TypeParam::größe()] = 10;
    Sicherheitstechnik st;
    st.Init(o.reg);
    EXPECT_EQ(TypeParam::auslegen(st), 0);
    EXPECT_EQ(o[SiVArtNr].toString(), QStringLiteral(" "));
    const QStringList protokoll = Meldungsprotokoll(rec);
    ASSERT_EQ(protokoll.size(), 2);
    EXPECT_TRUE(protokoll.first().startsWith(QStringLiteral("5:")));
    EXPECT_EQ(protokoll.last(), Solar::art() == TypeParam::art() ? QStringLiteral("4:2373") : QStringLiteral("4:2364"));
}

TEST(SicherheitstechnikKaelte, FestesVentilMitAnzahlEins)
{
    ArtikelFixture db;  // no table is read
    MeldungsRecorder rec;
    Vertragsobjekt o(QStringLiteral("Kü"));
    o[GefäßArtNr] = QStringLiteral("40207");
    Sicherheitstechnik st;
    st.Init(o.reg);
    EXPECT_EQ(st.AuslegungSicherheitstechnikKälte(), 0);
    EXPECT_EQ(o[SiVArtNr].typ(), VbVariant::Typ::String);
    EXPECT_EQ(o[SiVArtNr].toString(), QStringLiteral("29495"));
    EXPECT_EQ(o[QStringLiteral("m_Zub_SichVentil_Anz")].typ(), VbVariant::Typ::Integer);
    EXPECT_EQ(o[QStringLiteral("m_Zub_SichVentil_Anz")].toLong(), 1);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(Sicherheitstechnik, OhneGefaessBleibtDasDatenobjektUnveraendert)
{
    ArtikelFixture db(SicherheitArtikelSQL());
    MeldungsRecorder rec;
    struct Art {
        const char* projektart;
        int32_t (Sicherheitstechnik::*auslegen)();
    };
    const Art arten[] = {
        {"Kü", &Sicherheitstechnik::AuslegungSicherheitstechnikKälte},
        {"So", &Sicherheitstechnik::AuslegungSicherheitstechnikSolaranlagen},
        {"Tr", &Sicherheitstechnik::AuslegungSicherheitstechnikTrinkwasser},
    };
    for (const Art& a : arten) {
        for (const QString& gefäß : {QStringLiteral(" "), QString()}) {
            SCOPED_TRACE(testing::Message() << a.projektart << " vessel '" << gefäß.toStdString() << "'");
            Vertragsobjekt o(QString::fromUtf8(a.projektart));
            o[GefäßArtNr] = gefäß;
            o[SiVArtNr] = QStringLiteral("alt");
            const QString vorher = o.abbild();
            Sicherheitstechnik st;
            st.Init(o.reg);
            EXPECT_EQ((st.*a.auslegen)(), 1);
            EXPECT_EQ(o.abbild(), vorher);
        }
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}
