#include <QBuffer>

#include "TransferFixture.h"
#include "data/ManipDatenbank.h"
#include "support/TransferProtokoll.h"

namespace {

using Zeilen = QList<std::pair<const char*, const char*>>;

// The lines of a project: frame, project row, and the given parameter block lines.
Zeilen projektZeilen(const char* nr, const char* art, const char* bauherr = "B", const Zeilen& parameter = {})
{
    Zeilen z{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", nr},
             {"Projektart", art},      {"Bauherr", bauherr},     {"$ENDE$", "$TABELLE$"}};
    if (!parameter.isEmpty())
        z += Zeilen{{"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", nr}} + parameter + Zeilen{{"$ENDE$", "$TABELLE$"}};
    z += Zeilen{{"$ENDE$", "$PROJEKT$"}};
    return z;
}

TEST_F(Transfer, LeserDuldetUnbekannteUndFehlendeFelderUndWandeltWerte)
{
    const QByteArray d = datei({
        {"$BEGIN$", "$PROJEKT$"},
        {"$BEGIN$", "$TABELLE$"},
        {"Projekt Nr", "R1"},
        {"Projektart", "Kühlung"},
        {"Unbekannt", "x"},
        {"Bauherr", "Müller & Söhne"},
        {"Datum", "xyz"},
        {"$ENDE$", "$TABELLE$"},
        {"$BEGIN$", "$TABELLE$"},
        {"Projekt Nr", "R1"},
        {"Behältergruppe", "300"},
        {"IstBerechnet", "ja"},
        {"Türbreite", "abc"},
        {"Anfangsdruck", "abc"},
        {"Enddruck", "3.5 bar"},
        {"Wasservorlage", "2,5"},
        {"FesteMembran", "False"},
        {"AltesFeld", "1"},
        {"$ENDE$", "$TABELLE$"},
        {"$ENDE$", "$PROJEKT$"},
    });
    EXPECT_EQ(TransferProtokoll::Lies(d), TransferErgebnis::Dateiende);
    EXPECT_TRUE(datenbankMeldungen(meldungen).isEmpty()) << texte(meldungen);
    EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "R1", "Projektart").toString(), QStringLiteral("Kü"));
    EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "R1", "Bauherr").toString(), QStringLiteral("Müller & Söhne"));
    EXPECT_TRUE(feld(Tabelle::ProjekteTabelle, "R1", "Ort").isEmpty());
    EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "R1", "Datum").toDateTime().date(), QDate(1899, 12, 30));
    const QString k = Tabelle::Kälteparameter;
    EXPECT_EQ(feld(k, "R1", "Behältergruppe").toLong(), 0);       // out of range: default
    EXPECT_FALSE(feld(k, "R1", "IstBerechnet").toBool());         // no Boolean: default
    EXPECT_EQ(feld(k, "R1", "Türbreite").toLong(), 1000);         // no number: default
    EXPECT_FLOAT_EQ(feld(k, "R1", "Anfangsdruck").toSingle(), 0);  // Single: leading number
    EXPECT_FLOAT_EQ(feld(k, "R1", "Enddruck").toSingle(), 3.5f);
    EXPECT_EQ(feld(k, "R1", "Wasservorlage").toLong(), 2);        // half to even
    EXPECT_FALSE(feld(k, "R1", "FesteMembran").toBool());
    EXPECT_FLOAT_EQ(feld(k, "R1", "p Soll").toSingle(), 1.2f);    // missing: default
    EXPECT_EQ(feld(k, "R1", "GefäßArtNr").toString(), QStringLiteral(" "));
    EXPECT_TRUE(felder(Tabelle::Heizungsparameter, "R1", Tabelle::ProjektNr).isEmpty());
}

TEST_F(Transfer, ProjektrahmenUndZeilen)
{
    Zeilen z{{"irgendwas", "x"}};
    // A: one other line before the number is accepted.
    z += Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Kommentar", "x"}, {"Projekt Nr", "A"},
                {"Projektart", "Tr"}, {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}};
    // B: a frame without a table block; the reader goes on to the blocks of C.
    z += Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$ENDE$", "$PROJEKT$"}};
    z += projektZeilen("C", "So", "B", {{"Frostschutzzusatz", "30"}});
    // D: a type without a parameter table: the project row only, the block is passed over.
    z += projektZeilen("D", "Xy", "B", {{"Frostschutzzusatz", "30"}});
    z += projektZeilen("E", "Dr", "B", {{"Nutzvolumen", "77"}});
    QByteArray d = datei(z);
    // The last line without its final TAB and line end.
    d.chop(3);
    EXPECT_EQ(TransferProtokoll::Lies(d), TransferErgebnis::Dateiende);
    for (const char* nr : {"A", "C", "D", "E"})
        EXPECT_EQ(anzahl(Tabelle::ProjekteTabelle, nr), 1) << nr;
    EXPECT_EQ(anzahl(Tabelle::ProjekteTabelle, "B"), 0);
    EXPECT_EQ(feld(Tabelle::Solarparameter, "C", "Frostschutzzusatz").toLong(), 30);
    EXPECT_EQ(anzahl(Tabelle::Solarparameter, "D"), 0);
    EXPECT_EQ(feld(Tabelle::Druckerhöhungparameter, "E", "Nutzvolumen").toLong(), 77);
}

TEST_F(Transfer, FehlerhafterProjektanfangGibtLesefehler)
{
    const Zeilen fälle[] = {
        {{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"a", "1"}, {"b", "2"}, {"Projekt Nr", "X"},
         {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}},
        {{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "  "}, {"$ENDE$", "$TABELLE$"},
         {"$ENDE$", "$PROJEKT$"}},
    };
    for (const Zeilen& z : fälle) {
        EXPECT_EQ(TransferProtokoll::Lies(datei(z)), TransferErgebnis::Lesefehler);
        EXPECT_EQ(anzahl(Tabelle::ProjekteTabelle, "X"), 0);
    }
}

TEST_F(Transfer, LogischeZeilenÜberPhysischeZeilen)
{
    QByteArray d = datei(projektZeilen("M", "Dr"));
    // Memo with line breaks and TABs inside; the last parameter line ends the file without TAB.
    d.replace("Bauherr\tB\t\r\n", cp("Bemerkungen\tErste\tZeile\r\nzweite Zeile\r\n\r\nEnde\t\r\n"));
    d.replace("$ENDE$\t$PROJEKT$\t\r\n", "");
    d.replace("$ENDE$\t$TABELLE$\t\r\n", "$ENDE$\t$TABELLE$\t\r\n$BEGIN$\t$TABELLE$\t\r\nProjekt Nr\tM\t\r\nVordruck\t2.85");
    EXPECT_EQ(TransferProtokoll::Lies(d), TransferErgebnis::Dateiende);
    EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "M", "Bemerkungen").toString(),
              QStringLiteral("Erste\tZeile\r\nzweite Zeile\r\n\r\nEnde"));
    EXPECT_FLOAT_EQ(feld(Tabelle::Druckerhöhungparameter, "M", "Vordruck").toSingle(), 2.8f);
}

TEST_F(Transfer, KonfliktAntworten)
{
    struct Fall {
        std::deque<int> antworten;
        QStringList gefragt;
        const char* bauherrO;
        bool n3;
        const char* bauherrK;
        long ergebnis;
    };
    using KA = decltype(KonfliktAntwort::Weiter);
    const Fall fälle[] = {
        {{KonfliktAntwort::Weiter, KonfliktAntwort::Weiter}, {"O'1", "K2"}, "alt", true, "alt", 1},
        {{KonfliktAntwort::Abbrechen}, {"O'1"}, "alt", false, "alt", 20},
        {{KonfliktAntwort::Überschreiben, KonfliktAntwort::Weiter}, {"O'1", "K2"}, "neu", true, "alt", 1},
        {{KonfliktAntwort::AlleÜberschreiben}, {"O'1"}, "neu", true, "neu", 1},
        {{KA(7), KonfliktAntwort::Weiter}, {"O'1", "K2"}, "neu", true, "alt", 1},
    };
    const QByteArray d = datei(projektZeilen("O'1", "Kü", "neu", {{"Umgebungstemperatur", "25"}})
                               + projektZeilen("N3", "Tr", "neu") + projektZeilen("K2", "He", "neu"));
    int n = 0;
    for (const Fall& f : fälle) {
        zweiteDatenbank(QStringLiteral("k%1.db").arg(++n));
        for (const char* nr : {"O'1", "K2"}) {
            projekt(QString::fromUtf8(nr), QStringLiteral("He"));
            ändere(Tabelle::ProjekteTabelle, nr, "Bauherr", "alt");
        }
        KonfliktSkript skript;
        skript.antworten = f.antworten;
        EXPECT_EQ(TransferProtokoll::Lies(d), f.ergebnis) << n;
        EXPECT_EQ(skript.gefragt, f.gefragt) << n;
        EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "O'1", "Bauherr").toString(), QLatin1String(f.bauherrO)) << n;
        EXPECT_EQ(anzahl(Tabelle::ProjekteTabelle, "N3"), f.n3 ? 1 : 0) << n;
        EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "K2", "Bauherr").toString(), QLatin1String(f.bauherrK)) << n;
        if (QLatin1String(f.bauherrO) == QLatin1String("neu")) {
            // The row of the former type stays; the new type's row is added.
            EXPECT_EQ(anzahl(Tabelle::Heizungsparameter, "O'1"), 1);
            EXPECT_EQ(feld(Tabelle::Kälteparameter, "O'1", "Umgebungstemperatur").toLong(), 25);
        }
    }
}

}  // namespace
