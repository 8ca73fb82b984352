#include <gtest/gtest.h>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/Zubehoertechnik.h"
#include "support/MeldungsRecorder.h"

// A data object that lacks members the designers need: each design step reports the failed
// access as an internal error and ends; nothing is thrown to the caller (a Qt slot).
TEST(MemberfehlerImDesigner, WirdGemeldetUndBeendetDenSchritt)
{
    zustandZuruecksetzen();
    MeldungsRecorder rec;
    MemberRegister objekt(QStringLiteral("Unvollständig"));
    QString gefäß = QStringLiteral("4711");
    objekt.variable(QStringLiteral("m_GefaessArtNr"), gefäß);

    Sicherheitstechnik sicherheit;
    sicherheit.Init(objekt);
    Zubehörtechnik zubehör;
    zubehör.Init(objekt);

    struct Fall {
        const char* name;
        std::function<void()> schritt;
    };
    const Fall fälle[] = {
        {"Heizung", [&] { EXPECT_EQ(sicherheit.AuslegungSicherheitstechnikHeizung(false), Sicherheitstechnik::AuslegungFehlgeschlagen); }},
        {"Solar", [&] { EXPECT_EQ(sicherheit.AuslegungSicherheitstechnikSolaranlagen(), Sicherheitstechnik::AuslegungFehlgeschlagen); }},
        {"Einzelkessel", [&] { sicherheit.Ermittel_EinzelkesselOderMehrkessel(); }},
        {"Zubehör Heizung", [&] { zubehör.AuslegungZubehörHeizung(); }},
        {"Nachspeisung", [&] { EXPECT_FALSE(zubehör.ErmittelNachspeiseeinrichtung(1)); }},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        rec.leeren();
        EXPECT_NO_THROW(f.schritt());
        QList<MeldungsBox> intern;
        for (const MeldungsBox& b : rec.boxen)
            if (b.art == Meldungsart::InternerFehler)
                intern << b;
        ASSERT_EQ(intern.size(), 1);
        EXPECT_EQ(intern[0].textIds, QList<int>{2917});
        EXPECT_TRUE(intern[0].text.contains(QStringLiteral("Unvollständig"))) << intern[0].text.toStdString();
    }
}
