#include <gtest/gtest.h>

#include "Projektfixture.h"
#include "base/Programmzustand.h"
#include "support/QStringAusgabe.h"

namespace {

using S = Projektseite;

QStringList liste(std::initializer_list<const char*> l)
{
    QStringList r;
    for (const char* s : l)
        r << QString::fromUtf8(s);
    return r;
}

// Six projects whose numbers, types, designations, offer numbers and dates each sort differently.
class Projektsuche : public Projektfixture {
protected:
    void SetUp() override
    {
        Projektfixture::SetUp();
        projekt(QStringLiteral("09"), QStringLiteral("So"), QStringLiteral("delta"), QStringLiteral("2005-01-10 00:00:00"),
                QStringLiteral("B-2"));
        projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Bravo"), QStringLiteral("2004-12-31 00:00:00"),
                QStringLiteral("a-9"));
        projekt(QStringLiteral("10"), QStringLiteral("Kü"), QStringLiteral("alpha"), QStringLiteral("2003-03-03 00:00:00"),
                QStringLiteral("C-1"));
        projekt(QStringLiteral("100"), QStringLiteral("He"), QStringLiteral("Echo"), QStringLiteral("2004-12-30 00:00:00"),
                QStringLiteral("A-1"));
        projekt(QStringLiteral("9"), QStringLiteral("Sp"), QStringLiteral("charlie"), QStringLiteral("2006-06-06 00:00:00"),
                QStringLiteral("b-1"));
        projekt(QStringLiteral("A1"), QStringLiteral("Dr"), QStringLiteral("Foxtrot"), QStringLiteral("2004-12-31 00:00:00"),
                QStringLiteral("D'1"));
        zustand().aktProjektnummer = QStringLiteral("10");
        öffne();
    }
    void sortiere(int wahl)
    {
        seite->SetSortierstrings(sortierung(wahl));
        ASSERT_EQ(seite->ReOpenProjektTabelle(zustand().aktProjektnummer, seite->SortierString1, seite->SortierString2),
                  0);
    }
};

TEST_F(Projektsuche, FuenfSortierungen)
{
    struct Fall {
        int wahl;
        const char* erster;
        const char* zweiter;
        QStringList reihenfolge;
    };
    const Fall fälle[] = {
        {1, "Projekt Nr", "", liste({"09", "1", "10", "100", "9", "A1"})},
        {2, "Projektart", "Projekt Nr", liste({"A1", "1", "100", "10", "09", "9"})},
        {3, "Projektbezeichnung", "", liste({"10", "1", "9", "09", "100", "A1"})},
        {4, "Angebotsnummer", "", liste({"100", "1", "9", "09", "10", "A1"})},
        {5, "Datum", "Projekt Nr", liste({"10", "100", "1", "A1", "09", "9"})},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.wahl);
        sortiere(f.wahl);
        EXPECT_EQ(zustand().aktSortierung, sortierung(f.wahl));
        EXPECT_EQ(seite->SortierString1, QString::fromUtf8(f.erster));
        EXPECT_EQ(seite->SortierString2, QString::fromUtf8(f.zweiter));
        EXPECT_EQ(reihenfolge(), f.reihenfolge);
        // The current project stays current and is shown at its new place.
        EXPECT_EQ(aktuell(), QStringLiteral("10"));
        EXPECT_EQ(seite->Adodc1Caption, S::Datensatztext(static_cast<int>(f.reihenfolge.indexOf(QStringLiteral("10"))) + 1));
        EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("10"));
    }
    // The chosen order holds for the next visit of the page.
    öffne();
    EXPECT_EQ(reihenfolge(), fälle[4].reihenfolge);
}

TEST_F(Projektsuche, AbfrageUndUnbekannteSortierung)
{
    EXPECT_EQ(S::Abfrage(QStringLiteral("Projekt Nr"), QStringLiteral("  ")),
              QStringLiteral("Select * From ProjekteTabelle ORDER BY [Projekt Nr]"));
    EXPECT_EQ(S::Abfrage(QStringLiteral("Projektart"), QStringLiteral("Projekt Nr")),
              QStringLiteral("Select * From ProjekteTabelle ORDER BY [Projektart],[Projekt Nr]"));
    sortiere(3);
    seite->SetSortierstrings(QStringLiteral("6 - Unbekannt"));
    EXPECT_EQ(zustand().aktSortierung, QStringLiteral("6 - Unbekannt"));
    EXPECT_EQ(seite->SortierString1, QStringLiteral("Projektbezeichnung"));
    EXPECT_EQ(S::Sortierauswahlen().size(), 5);
}

TEST_F(Projektsuche, SucheFindetDieErsteZeileAbDemText)
{
    struct Fall {
        int wahl;
        const char* text;
        const char* ergebnis;
    };
    const Fall fälle[] = {
        {1, "9", "9"},           {1, "2", "9"},   {1, "10", "10"}, {1, "B", "EOF"},
        {1, "", "09"},           {2, "Kü", "10"}, {2, "Sa", "09"}, {3, "B", "1"},
        {3, "c", "9"},           {3, "zulu", "EOF"}, {4, "b", "9"}, {4, "D'1", "A1"},
        {5, "31.12.2004", "1"},  {5, "2005-01-01", "09"}, {5, "abc", "10"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(std::string(f.text) + " / " + std::to_string(f.wahl));
        seite->SetSortierstrings(sortierung(f.wahl));
        seite->SuchenRecordset(QString::fromUtf8(f.text), seite->SortierString1, seite->SortierString2);
        EXPECT_EQ(aktuell(), QString::fromUtf8(f.ergebnis));
    }
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    // The search moves the table only; the page and the main window keep the shown project.
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("10"));
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("10"));
}

TEST_F(Projektsuche, NeusortierungBehaeltDasProjekt)
{
    seite->SetSortierstrings(sortierung(3));
    seite->NeusortierungRecordset(QStringLiteral("A1"), seite->SortierString1, seite->SortierString2);
    EXPECT_EQ(aktuell(), QStringLiteral("A1"));
    EXPECT_EQ(reihenfolge().last(), QStringLiteral("A1"));
}

TEST_F(Projektsuche, BerechnungsartPositioniertAufDasErsteProjektDerArt)
{
    struct Fall {
        const char* art;
        const char* ergebnis;
    };
    for (const Fall& f : {Fall{"So", "09"}, Fall{"He", "1"}, Fall{"Tr", "A1"}}) {
        zustand().ProjektartNeuanlage = QString::fromUtf8(f.art);
        seite->SetSortierstrings(zustand().sortierungProjektart);
        seite->ReOpenProjektTabelle(QString(), seite->SortierString1, seite->SortierString2);
        EXPECT_EQ(aktuell(), QString::fromUtf8(f.ergebnis)) << f.art;
        EXPECT_EQ(zustand().aktProjektnummer, QString::fromUtf8(f.ergebnis));
    }
}

TEST_F(Projektsuche, NeuesAbfragenVerwirftEineUngespeicherteAenderung)
{
    seite->ProjektVerändern();
    seite->Text[S::Bezeichnung] = QStringLiteral("geändert");
    seite->ProjektText_LostFocus(S::Bezeichnung);
    seite->ReOpenProjektTabelle(QStringLiteral("10"), seite->SortierString1, seite->SortierString2);
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("alpha"));
    EXPECT_EQ(feld(QStringLiteral("10"), QStringLiteral("Projektbezeichnung")), QStringLiteral("alpha"));
    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Blättern);
}

TEST_F(Projektsuche, NeueNummerNachGemischtenNummern)
{
    seite->ProjektAnlegen(false);
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("101"));
}

}  // namespace
