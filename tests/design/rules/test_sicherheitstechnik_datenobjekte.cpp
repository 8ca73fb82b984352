#include <gtest/gtest.h>

#include "design/cooling/GlobDatenKaelte.h"
#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/TabellenConst.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektbindungen.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "SicherheitFixture.h"

namespace {

std::shared_ptr<GlobDaten> Datenobjekt(const QString& projektart)
{
    if (projektart == QStringLiteral("Kü"))
        return std::make_shared<GlobDatenKälte>();
    if (projektart == QStringLiteral("So"))
        return std::make_shared<GlobDatenSolar>();
    if (projektart == QStringLiteral("Tr"))
        return std::make_shared<GlobDatenTrinkw>();
    if (projektart == QStringLiteral("Dr"))
        return std::make_shared<GlobDatenDruck>();
    return {};
}

}  // namespace

// Every member the designer uses exists on the data class of its system type with the kind of
// access the designer needs, and the members it writes take its writes.
TEST(SicherheitstechnikVertrag, JederMembernameLoestSichAufJederDatenklasseAuf)
{
    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    for (const QString& art : {QStringLiteral("Kü"), QStringLiteral("So"), QStringLiteral("Tr"), QStringLiteral("Dr")}) {
        const std::shared_ptr<GlobDaten> objekt = Datenobjekt(art);
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

// The designer on the real data objects: the chosen valve reaches the project's row.
TEST(SicherheitstechnikVertrag, VentilwahlLandetInDerProjektzeile)
{
    struct Fall {
        const char* art;
        const char* tabelle;
        const QList<Memberbindung>* bindungen;
        QList<QPair<QString, VbVariant>> eingaben;
        int32_t (Sicherheitstechnik::*auslegen)();
        QList<QPair<QString, QString>> spalten;  // column, stored value
    };
    const Fall fälle[] = {
        {"Kü", "Kälteparameter", &Datenobjektbindungen::Kälte(), {},
         &Sicherheitstechnik::AuslegungSicherheitstechnikKälte,
         {{QStringLiteral("SichventilArtNr"), QStringLiteral("29495")}, {QStringLiteral("SichventAnz"), QStringLiteral("1")}}},
        {"So", "Solarparameter", &Datenobjektbindungen::Solar(),
         {{QStringLiteral("m_Absorberflaeche"), VbVariant(120.0)}, {QStringLiteral("m_p_SV"), VbVariant(6.0)}},
         &Sicherheitstechnik::AuslegungSicherheitstechnikSolaranlagen,
         {{QStringLiteral("SichventilArtNr"), QStringLiteral("25063")}}},
        {"Tr", "Trinkwasserparameter", &Datenobjektbindungen::Trinkwasser(),
         {{QStringLiteral("m_VolAnlage"), VbVariant(300.0)}, {QStringLiteral("m_p_SV"), VbVariant(7.0)}},
         &Sicherheitstechnik::AuslegungSicherheitstechnikTrinkwasser,
         {{QStringLiteral("SichventilArtNr"), QStringLiteral("28082")}}},
    };
    for (const Fall& f : fälle) {
        const QString art = QString::fromUtf8(f.art);
        const QString tabelle = QString::fromUtf8(f.tabelle);
        SCOPED_TRACE(f.art);
        MeldungsRecorder rec;
        Datenobjektdatenbanken db(Datenobjektbindungen::Spalten(tabelle, *f.bindungen));
        ASSERT_TRUE(db.artikel().ausfuehren(ArtikelFixture::anweisungen(SicherheitArtikelSQL())));
        zustand().aktProjektnummer = QStringLiteral("S-7");
        {
            const std::shared_ptr<GlobDaten> objekt = Datenobjekt(art);
            ASSERT_EQ(objekt->Init(), 0);
            objekt->schreibe(QStringLiteral("m_GefaessArtNr"), QStringLiteral("40905"));
            for (const auto& [name, wert] : f.eingaben)
                objekt->schreibe(name, wert);
            Sicherheitstechnik st;
            st.Init(objekt);
            EXPECT_EQ((st.*f.auslegen)(), 0);
        }
        for (const auto& [spalte, wert] : f.spalten)
            EXPECT_EQ(db.projekt()
                          .wert(QStringLiteral("SELECT [%1] FROM [%2] WHERE [Projekt Nr] = 'S-7'").arg(spalte, tabelle))
                          .toString(),
                      wert)
                << spalte.toStdString();
        EXPECT_TRUE(rec.boxen.isEmpty());
    }
}
