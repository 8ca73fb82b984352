#include <gtest/gtest.h>

#include "PumpenArtikelDB.h"
#include "design/rules/TabelleKompPumpe.h"
#include "design/rules/TabellePumpenKM.h"
#include "base/AllgFunktionen.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

// Design and database messages as (kind, template, parameters); a missing text adds boxes of
// its own while the string table is incomplete, they are left out.
struct Nachricht {
    int art;
    QString vorlage;
    QStringList werte;
    bool operator==(const Nachricht&) const = default;
};

QList<Nachricht> nachrichten(const MeldungsRecorder& r)
{
    QList<Nachricht> aus;
    for (const MeldungsBox& b : r.boxen)
        if (b.art == Meldungsart::Auslegungsfehler || b.art == Meldungsart::Datenbankfehler)
            aus << Nachricht{b.art, b.art == Meldungsart::Auslegungsfehler ? b.vorlage : QString(),
                             b.art == Meldungsart::Auslegungsfehler ? b.werte : QStringList()};
    return aus;
}

Nachricht fehlt(int textId, const char* parameter)
{
    return {Meldungsart::Auslegungsfehler, LadeText(textId) + LadeText(3020), {QString::fromUtf8(parameter)}};
}

const Nachricht kDatenbankfehler{Meldungsart::Datenbankfehler, QString(), {}};

struct Fall {
    const char* a;
    const char* b;
    const char* nr;
    int textId;  // expected design message, 0 none
    const char* parameter;
};

class PumpenArtikelnummern : public ::testing::Test {
protected:
    PumpenArtikelDB fixture;
    MeldungsRecorder rec;

    template <typename F>
    void pruefe(const Fall* faelle, std::size_t n, F abfrage)
    {
        for (std::size_t i = 0; i < n; ++i) {
            const Fall& f = faelle[i];
            rec.leeren();
            EXPECT_EQ(abfrage(QString::fromUtf8(f.a), QString::fromUtf8(f.b)), QString::fromUtf8(f.nr))
                << f.a << " / " << f.b;
            const QList<Nachricht> erwartet =
                f.textId ? QList<Nachricht>{fehlt(f.textId, f.parameter)} : QList<Nachricht>{};
            EXPECT_EQ(nachrichten(rec), erwartet) << f.a << " / " << f.b;
        }
    }
};

}  // namespace

TEST_F(PumpenArtikelnummern, TypMitSteuerung)
{
    const Fall faelle[] = {
        {"R-01", "E", "21011", 0, ""},
        {"R-04", "F", "21042", 0, ""},
        {"Q-2.0", "", "21121", 0, ""},
        {"Q-3.0", "D", "21133", 0, ""},
        {"C", "", "21203", 0, ""},
        {"R-04", "ZK", " ", 2363, "R-04"},   // no row: the message names the type, not the module
        {"Q-1.0", "X", " ", 2363, "Q-1.0"},
        {"B3", "D", " ", 2363, "B3"},        // row with an empty number
        {"R'01", "E", " ", 2363, "R'01"},    // an apostrophe is a plain character of the code
    };
    TabelleKompPumpe t;
    t.Init_Tabelle(QStringLiteral("He"));
    pruefe(faelle, std::size(faelle), [&t](const QString& typ, const QString& modul) {
        return t.GetArtikelNrKomprPumpe(typ, modul);
    });
}

TEST_F(PumpenArtikelnummern, Steuermodul)
{
    const Fall faelle[] = {
        {"U01", "", "21301", 0, ""}, {"U0", "", "21300", 0, ""}, {"U3", "", "21330", 0, ""},
        {"B2", "", "21420", 0, ""},  {"B3", "", " ", 2363, "B3"}, {"X9", "", " ", 2363, "X9"},
        {"", "", " ", 2363, ""},
    };
    const TabellePumpenKM t;  // the look-ups need no Init_Tabelle
    pruefe(faelle, std::size(faelle), [&t](const QString& code, const QString&) {
        return t.GetArtikelNrSteuermodulKM(code);
    });
}

TEST_F(PumpenArtikelnummern, Anschlussgruppe)
{
    const Fall faelle[] = {
        {"U2", "41401", "24225", 0, ""},      // one pump: "Art Nr Kappenventil"
        {"U0", "41401", "24225", 0, ""},
        {"U01", "40201", "24120", 0, ""},
        {"U3", "41401", "24240", 0, ""},      // U3 and the twin modules: "ArtNr2Kappenventil"
        {"B0", "41401", "24240", 0, ""},
        {"B3", "41401", "24240", 0, ""},
        {"U2", "41410", "24225", 0, ""},
        {"U3", "41410", " ", 2374, "U3"},     // empty column
        {"B1", "40201", " ", 2374, "B1"},     // Null column
        {"U1", " ", " ", 2374, "U1"},         // no vessel chosen
        {"U1", "", " ", 2374, "U1"},
        {"U1", "49999", " ", 2374, "U1"},
        {"U1", "4140'1", " ", 2374, "U1"},
    };
    const TabellePumpenKM t;
    pruefe(faelle, std::size(faelle), [&t](const QString& code, const QString& gefäß) {
        return t.GetArtikelNrAnschlussgruppeKM(code, gefäß);
    });
}

TEST_F(PumpenArtikelnummern, KappenventilOhneMeldung)
{
    const Fall faelle[] = {
        {"21301", "", "24125", 0, ""}, {"21330", "", "24132", 0, ""}, {"21420", "", "24132", 0, ""},
        {"21300", "", " ", 0, ""},     // U0: no cap valve
        {"99999", "", " ", 0, ""},     {" ", "", " ", 0, ""}, {"", "", " ", 0, ""},
    };
    const TabellePumpenKM t;
    pruefe(faelle, std::size(faelle), [&t](const QString& nr, const QString&) {
        return t.GetArtikelNrKappenventilVonSteuermodul(nr);
    });
}

// Without the article database every look-up gives " " after the table-access object's own
// database message, and no design message.
TEST_F(PumpenArtikelnummern, DatenbankFehlt)
{
    zustand().Artikel_Data_Source = fixture.db().ordner() + QStringLiteral("/fehlt.db");
    const TabelleKompPumpe kp;
    const TabellePumpenKM km;
    const std::function<QString()> abfragen[] = {
        [&] { return kp.GetArtikelNrKomprPumpe(QStringLiteral("R-04"), QStringLiteral("ZK")); },
        [&] { return km.GetArtikelNrSteuermodulKM(QStringLiteral("B3")); },
        [&] { return km.GetArtikelNrAnschlussgruppeKM(QStringLiteral("U3"), QStringLiteral(" ")); },
        [&] { return km.GetArtikelNrKappenventilVonSteuermodul(QStringLiteral("21301")); },
    };
    for (const auto& abfrage : abfragen) {
        rec.leeren();
        EXPECT_EQ(abfrage(), QStringLiteral(" "));
        EXPECT_EQ(nachrichten(rec), QList<Nachricht>{kDatenbankfehler});
    }
}

// Muted messages: the look-up still answers " ".
TEST_F(PumpenArtikelnummern, StummGeschaltet)
{
    zustand().ErrorCancel = true;
    const TabellePumpenKM t;
    EXPECT_EQ(t.GetArtikelNrSteuermodulKM(QStringLiteral("B3")), QStringLiteral(" "));
    EXPECT_TRUE(nachrichten(rec).isEmpty());
    zustand().ErrorCancel = false;
}
