#include <gtest/gtest.h>

#include <array>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "support/MeldungsRecorder.h"

namespace {

// A bound value as the data classes hold them: callers go through m_Value.
struct Gebunden {
    double m_Value = 0;
};

struct Besitzer {
    bool m_TerminateMitUpdate = true;
    int16_t anzahl = 0;
    QString text = QStringLiteral(" ");
    Gebunden m_p_SV;
    std::array<double, 6> leistung{};
    std::array<QString, 6> artikel;
    int aufrufe = 0;
    MemberRegister reg{QStringLiteral("Besitzer")};

    Besitzer()
    {
        reg.variable(QStringLiteral("m_TerminateMitUpdate"), m_TerminateMitUpdate);
        reg.variable(QStringLiteral("anzahl"), anzahl);
        reg.variable(QStringLiteral("text"), text);
        reg.gebunden(QStringLiteral("m_p_SV"), m_p_SV);
        reg.wert(QStringLiteral("nurLesen"), [] { return VbVariant(42); });
        // Outside 1..6: write ignored, read 0.
        reg.indiziert(
            QStringLiteral("m_Leist_m_value"), 1,
            [this](const QList<VbVariant>& i) {
                const int n = i.at(0).toInteger();
                return n >= 1 && n <= 6 ? VbVariant::lng(VbVariant(leistung[n - 1]).toLong()) : VbVariant::lng(0);
            },
            [this](const QList<VbVariant>& i, const VbVariant& w) {
                const int n = i.at(0).toInteger();
                if (n >= 1 && n <= 6)
                    leistung[n - 1] = w.toLong();
            });
        // Outside 1..6: error.
        reg.indiziert(
            QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), 1,
            [this](const QList<VbVariant>& i) {
                const int n = i.at(0).toInteger();
                if (n < 1 || n > 6)
                    throw MemberFehler::index(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), i.at(0));
                return VbVariant(artikel[n - 1]);
            },
            [this](const QList<VbVariant>& i, const VbVariant& w) {
                const int n = i.at(0).toInteger();
                if (n < 1 || n > 6)
                    throw MemberFehler::index(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), i.at(0));
                artikel[n - 1] = w.toString();
            });
        reg.methode(QStringLiteral("Summe"), 0, 2, [this](const QList<VbVariant>& a) {
            ++aufrufe;
            double s = 0;
            for (const VbVariant& v : a)
                s += v.toDouble();
            return VbVariant(s);
        });
        reg.objekt<Gebunden>(QStringLiteral("Objekt"), [this] { return &m_p_SV; });
    }
};

MemberFehler::Grund grundVon(const std::function<void()>& f)
{
    try {
        f();
    } catch (const MemberFehler& e) {
        return e.grund();
    }
    ADD_FAILURE() << "no MemberFehler";
    return MemberFehler::Grund::Unbekannt;
}

}  // namespace

TEST(MemberRegister, ReadsAndWritesEveryKindByName)
{
    Besitzer b;
    b.reg.schreibe(QStringLiteral("m_p_SV"), VbVariant(2.5));
    EXPECT_DOUBLE_EQ(b.m_p_SV.m_Value, 2.5);
    b.m_p_SV.m_Value = 3.0;
    EXPECT_DOUBLE_EQ(b.reg.lese(QStringLiteral("m_p_SV")).toDouble(), 3.0);

    b.reg.schreibe(QStringLiteral("m_TerminateMitUpdate"), VbVariant(false));
    EXPECT_FALSE(b.m_TerminateMitUpdate);
    EXPECT_EQ(b.reg.lese(QStringLiteral("m_TerminateMitUpdate")).typ(), VbVariant::Typ::Boolean);

    b.reg.schreibe(QStringLiteral("anzahl"), VbVariant(2.5));  // half to even
    EXPECT_EQ(b.anzahl, 2);
    EXPECT_EQ(b.reg.lese(QStringLiteral("anzahl")).typ(), VbVariant::Typ::Integer);

    b.reg.schreibe(QStringLiteral("m_Leist_m_value"), {VbVariant(2)}, VbVariant(40));
    EXPECT_DOUBLE_EQ(b.leistung[1], 40.0);
    b.leistung[1] = 12.5;
    EXPECT_EQ(b.reg.lese(QStringLiteral("m_Leist_m_value"), {VbVariant(2)}).toLong(), 12);
    EXPECT_EQ(b.reg.lese(QStringLiteral("m_Leist_m_value"), {VbVariant(0)}).toLong(), 0);

    EXPECT_EQ(b.reg.rufe(QStringLiteral("Summe"), {VbVariant(1), VbVariant(2.5)}).toDouble(), 3.5);
    EXPECT_EQ(b.reg.lese(QStringLiteral("Summe")).toDouble(), 0.0);  // a method read without arguments
    EXPECT_EQ(b.aufrufe, 2);
    EXPECT_EQ(b.reg.objekt<Gebunden>(QStringLiteral("Objekt")), &b.m_p_SV);
}

TEST(MemberRegister, NamesAreFoundWithoutRegardToCase)
{
    Besitzer b;
    b.reg.schreibe(QStringLiteral("M_P_SV"), VbVariant(1.5));
    EXPECT_DOUBLE_EQ(b.reg.lese(QStringLiteral("m_p_sv")).toDouble(), 1.5);
    EXPECT_TRUE(b.reg.hat(QStringLiteral("M_LEIST_M_VALUE")));
    EXPECT_EQ(b.reg.namen().first(), QStringLiteral("m_TerminateMitUpdate"));
    EXPECT_EQ(b.reg.art(QStringLiteral("summe")), MemberRegister::Art::Methode);
}

TEST(MemberRegister, FailsClearlyOnWrongAccess)
{
    using G = MemberFehler::Grund;
    Besitzer b;
    struct Fall { const char* was; G grund; std::function<void()> f; };
    const Fall fälle[] = {
        {"unknown name", G::Unbekannt, [&] { b.reg.lese(QStringLiteral("m_gibtsNicht")); }},
        {"unknown write", G::Unbekannt, [&] { b.reg.schreibe(QStringLiteral("m_gibtsNicht"), VbVariant(1)); }},
        {"unknown call", G::Unbekannt, [&] { b.reg.rufe(QStringLiteral("Rechnen")); }},
        {"read-only", G::FalscheArt, [&] { b.reg.schreibe(QStringLiteral("nurLesen"), VbVariant(1)); }},
        {"value indexed", G::FalscheArt, [&] { b.reg.lese(QStringLiteral("m_p_SV"), {VbVariant(1)}); }},
        {"indexed as value", G::FalscheArt, [&] { b.reg.lese(QStringLiteral("m_Leist_m_value")); }},
        {"two indexes", G::Argumente, [&] { b.reg.lese(QStringLiteral("m_Leist_m_value"), {VbVariant(1), VbVariant(2)}); }},
        {"too many arguments", G::Argumente, [&] { b.reg.rufe(QStringLiteral("Summe"), {1, 2, 3}); }},
        {"index 0 of an item list", G::Index, [&] { b.reg.lese(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant(0)}); }},
        {"index 7 written", G::Index, [&] { b.reg.schreibe(QStringLiteral("m_Zub_Schlamm_ArtNr_m_value"), {VbVariant(7)}, VbVariant("X")); }},
        {"text into a number", G::Typ, [&] { b.reg.schreibe(QStringLiteral("m_p_SV"), VbVariant("abc")); }},
        {"overflow of an Integer", G::Typ, [&] { b.reg.schreibe(QStringLiteral("anzahl"), VbVariant(40000)); }},
        {"text into a flag", G::Typ, [&] { b.reg.schreibe(QStringLiteral("m_TerminateMitUpdate"), VbVariant("ja")); }},
        {"object of another type", G::Typ, [&] { b.reg.objekt<QString>(QStringLiteral("Objekt")); }},
    };
    for (const Fall& f : fälle)
        EXPECT_EQ(grundVon(f.f), f.grund) << f.was;

    try {
        b.reg.lese(QStringLiteral("m_gibtsNicht"));
    } catch (const MemberFehler& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Besitzer"))) << e.what();
        EXPECT_TRUE(e.text().contains(QStringLiteral("m_gibtsNicht"))) << e.what();
    }
    EXPECT_EQ(b.artikel[5], QString());  // nothing written by the failed write
    EXPECT_THROW(b.reg.variable(QStringLiteral("M_p_sv"), b.anzahl), std::logic_error);
}

TEST(MemberRegister, FehlerImSchrittWirdGemeldetStattGeworfen)
{
    zustandZuruecksetzen();
    MeldungsRecorder rec;
    MemberRegister reg(QStringLiteral("Objekt"));
    int32_t wert = 7;
    reg.variable(QStringLiteral("m_Wert"), wert);
    // A step that works gives its result and shows nothing.
    EXPECT_EQ(MitMemberFehlerMeldung(-1, [&] { return reg.lese(QStringLiteral("m_Wert")).toLong(); }), 7);
    EXPECT_TRUE(MitMemberFehlerMeldung([&] { reg.schreibe(QStringLiteral("m_Wert"), VbVariant(8)); }));
    EXPECT_TRUE(rec.boxen.isEmpty());
    // An unknown name: the failure result and one internal-error message naming the member.
    EXPECT_EQ(MitMemberFehlerMeldung(-1, [&] { return reg.lese(QStringLiteral("m_Fehlt")).toLong(); }), -1);
    EXPECT_FALSE(MitMemberFehlerMeldung([&] { reg.schreibe(QStringLiteral("m_Wert"), VbVariant("abc")); }));
    ASSERT_EQ(rec.boxen.size(), 2);
    EXPECT_EQ(rec.boxen[0].art, Meldungsart::InternerFehler);
    EXPECT_TRUE(rec.boxen[0].werte.value(0).contains(QStringLiteral("m_Fehlt")));
    EXPECT_EQ(wert, 8);
}
