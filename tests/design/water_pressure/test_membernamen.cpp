#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include "Wasserdatenbanken.h"
#include "data/datenbank.h"
#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/Zubehoertechnik.h"
#include "design/selection/Gefaessauswahl.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"

namespace {

using Art = MemberRegister::Art;

// The names a caller uses on the object of a system type.
struct Aufrufer {
    const char* wer;
    const char* projektart;
    QStringList namen;
};

QStringList Namen(std::initializer_list<const char*> l)
{
    QStringList n;
    for (const char* s : l)
        n << QString::fromUtf8(s);
    return n;
}

QStringList Vertragsnamen(const QString& projektart)
{
    QStringList n;
    for (const Sicherheitstechnik::Vertragsmember& m : Sicherheitstechnik::Vertrag(projektart))
        n << m.name;
    return n;
}

const QList<Aufrufer>& Aufrufe()
{
    static const QList<Aufrufer> a = {
        {"Trinkwasser: das Objekt selbst", "Tr",
         Namen({"m_TerminateMitUpdate", "m_Int_Tab", "DBTabArtikel", "trinkwDB", "m_VolAnlage", "m_Temp_Betr", "m_p_anf",
                "m_p_SV", "m_r_af", "m_r_p_vor", "m_r_pend", "m_r_vaus", "m_r_pfak", "m_r_vges", "m_IstBerechnet",
                "m_EinbringBreite", "m_EinbringHoehe", "m_GefaessGruppe", "m_GefaessInhalt", "m_GefaessAnzahl",
                "m_GefaessArtNr", "m_IstAusgelegt", "m_Zub_SichVentil_ArtNr", "m_Zub_KappV_Beh_ArtNr",
                "m_Zub_KappV_Beh_Anz", "Init", "AufbauAktuelleDruckstufungSiVentil",
                "BerechneDruckSicherheitsventil", "Rechnen_Trinkwasser"})},
        {"Trinkwasser: Berichte", "Tr",
         Namen({"Init", "m_VolAnlage", "m_Temp_Betr", "m_p_SV", "m_p_anf", "m_IstBerechnet", "m_IstAusgelegt", "m_r_af",
                "m_r_p_vor", "m_r_pend", "m_r_pfak", "m_r_vaus", "m_r_vges", "m_EinbringBreite", "m_EinbringHoehe",
                "DBTabArtikel", "m_GefaessArtNr", "m_GefaessAnzahl", "m_Zub_SichVentil_ArtNr",
                "m_Zub_KappV_Beh_ArtNr", "m_Zub_KappV_Beh_Anz"})},
        {"Trinkwasser: Gefäßseite", "Tr",
         Namen({"m_r_vges", "m_p_SV", "m_EinbringBreite", "m_EinbringHoehe", "m_GefaessGruppe", "m_GefaessInhalt",
                "m_GefaessAnzahl", "m_GefaessArtNr", "m_IstAusgelegt"})},
        {"Trinkwasser: Sicherheitsseite", "Tr",
         Namen({"m_GefaessGruppe", "m_IstAusgelegt", "m_Zub_SichVentil_ArtNr", "m_Zub_KappV_Beh_ArtNr",
                "m_Zub_KappV_Beh_Anz", "DBTabArtikel"})},
        {"Trinkwasser: Schema", "Tr",
         Namen({"m_VolAnlage", "m_Temp_Betr", "m_GefaessGruppe", "m_GefaessAnzahl", "m_GefaessArtNr"})},
        {"Trinkwasser: Sicherheitstechnik", "Tr", Vertragsnamen(QStringLiteral("Tr"))},
        {"Trinkwasser: Zubehörtechnik", "Tr", Zubehörtechnik::Membernamen(QStringLiteral("Tr"))},

        {"Druckerhöhung: das Objekt selbst", "Dr",
         Namen({"m_TerminateMitUpdate", "DBTabArtikel", "druckerhDB", "m_MaxVolStrom", "m_Schalthäufigkeit", "m_p_Einschalt",
                "m_p_SV", "m_r_VolNutz", "m_r_pfak", "m_r_vges", "m_r_p_vor", "m_IstBerechnet", "m_EinbringBreite",
                "m_EinbringHoehe", "m_GefaessGruppe", "m_GefaessInhalt", "m_GefaessAnzahl", "m_GefaessArtNr",
                "m_IstAusgelegt", "m_Zub_KappV_Beh_ArtNr", "m_Zub_KappV_Beh_Anz", "Init", "Rechnen_Druckerhöhung"})},
        {"Druckerhöhung: Berichte", "Dr",
         Namen({"Init", "m_MaxVolStrom", "m_Schalthäufigkeit", "m_p_Einschalt", "m_p_SV", "m_IstBerechnet",
                "m_IstAusgelegt", "m_r_pfak", "m_r_p_vor", "m_r_VolNutz", "m_r_vges", "m_EinbringBreite",
                "m_EinbringHoehe", "DBTabArtikel", "m_GefaessArtNr", "m_GefaessAnzahl", "m_Zub_KappV_Beh_ArtNr",
                "m_Zub_KappV_Beh_Anz"})},
        {"Druckerhöhung: Gefäßseite", "Dr",
         Namen({"m_r_vges", "m_p_SV", "m_EinbringBreite", "m_EinbringHoehe", "m_GefaessGruppe", "m_GefaessInhalt",
                "m_GefaessAnzahl", "m_GefaessArtNr", "m_IstAusgelegt"})},
        {"Druckerhöhung: Zubehörseite", "Dr",
         Namen({"m_GefaessArtNr", "m_GefaessGruppe", "m_IstAusgelegt", "m_Zub_KappV_Beh_ArtNr", "m_Zub_KappV_Beh_Anz",
                "DBTabArtikel"})},
        {"Druckerhöhung: Schema", "Dr",
         Namen({"m_MaxVolStrom", "m_GefaessGruppe", "m_GefaessAnzahl", "m_GefaessArtNr"})},
        {"Druckerhöhung: Zubehörtechnik", "Dr", Zubehörtechnik::Membernamen(QStringLiteral("Dr"))},
        {"Trinkwasser: Gefäßauswahl", "Tr", Gefäßauswahl::Membernamen(QStringLiteral("Tr"))},
        {"Druckerhöhung: Gefäßauswahl", "Dr", Gefäßauswahl::Membernamen(QStringLiteral("Dr"))},
    };
    return a;
}

const QSet<QString> Methoden = {QStringLiteral("Init"), QStringLiteral("AufbauAktuelleDruckstufungSiVentil"),
                                QStringLiteral("BerechneDruckSicherheitsventil"), QStringLiteral("Rechnen_Trinkwasser"),
                                QStringLiteral("Rechnen_Druckerhöhung")};
const QSet<QString> Objekte = {QStringLiteral("DBTabArtikel"), QStringLiteral("m_Int_Tab"),
                               QStringLiteral("trinkwDB"), QStringLiteral("druckerhDB")};

class Membernamen : public Wasserdatenbanken {};

}  // namespace

// Every name a caller uses resolves on the real class with the kind of access it needs; values
// read without error and the sub-objects exist once the object is bound.
TEST_F(Membernamen, JederGenutzteNameLoestSichAuf)
{
    GlobDatenTrinkw trinkw;
    ASSERT_EQ(trinkw.Init(), 0);
    GlobDatenDruck druck;
    ASSERT_EQ(druck.Init(), 0);
    for (const Aufrufer& a : Aufrufe()) {
        const bool tr = qstrcmp(a.projektart, "Tr") == 0;
        const MemberRegister& reg = tr ? trinkw.Member() : druck.Member();
        EXPECT_FALSE(a.namen.isEmpty()) << a.wer;
        for (const QString& n : a.namen) {
            SCOPED_TRACE((QString::fromUtf8(a.wer) + QStringLiteral(": ") + n).toStdString());
            ASSERT_TRUE(reg.hat(n));
            const Art art = Methoden.contains(n) ? Art::Methode : Objekte.contains(n) ? Art::Objekt : Art::Wert;
            EXPECT_EQ(reg.art(n), art);
            if (art == Art::Wert) {
                EXPECT_NO_THROW(reg.lese(n));
            }
        }
    }
    EXPECT_NE(trinkw.Member().objekt<datenbank>(QStringLiteral("DBTabArtikel")), nullptr);
    EXPECT_NE(trinkw.Member().objekt<TabellenConst>(QStringLiteral("m_Int_Tab")), nullptr);
    EXPECT_NE(druck.Member().objekt<datenbank>(QStringLiteral("DBTabArtikel")), nullptr);
    EXPECT_NE(trinkw.Member().objekt<datenbank>(QStringLiteral("trinkwDB")), nullptr);
    EXPECT_NE(druck.Member().objekt<datenbank>(QStringLiteral("druckerhDB")), nullptr);
}

// The procedures called by name do what the typed calls do.
TEST_F(Membernamen, ProzedurenPerName)
{
    ASSERT_NO_FATAL_FAILURE(Ventile({6, 8, 10}));
    GlobDatenTrinkw trinkw;
    ASSERT_EQ(trinkw.Init(), 0);
    trinkw.schreibe(QStringLiteral("m_p_SV"), VbVariant(7.0));
    trinkw.rufe(QStringLiteral("AufbauAktuelleDruckstufungSiVentil"));
    trinkw.rufe(QStringLiteral("BerechneDruckSicherheitsventil"), {VbVariant(true)});
    EXPECT_EQ(trinkw.lese(QStringLiteral("m_p_SV")).toDouble(), 8);
    EXPECT_TRUE(trinkw.rufe(QStringLiteral("Rechnen_Trinkwasser")).toBool());
    EXPECT_EQ(trinkw.lese(QStringLiteral("m_r_vges")).toDouble(), 4);

    GlobDatenDruck druck;
    ASSERT_EQ(druck.Init(), 0);
    EXPECT_TRUE(druck.rufe(QStringLiteral("Rechnen_Druckerhöhung")).toBool());
    EXPECT_EQ(druck.lese(QStringLiteral("m_r_VolNutz")).toDouble(), 6);
    EXPECT_FALSE(druck.rufe(QStringLiteral("Rechnen_Druckerhöhung")).toBool());
}
