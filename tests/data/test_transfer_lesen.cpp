#include <QBuffer>

#include "TransferFixture.h"
#include "data/ManipDatenbank.h"
#include "support/TestDatenbank.h"
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
            // The row of the former type goes; the new type's row is added.
            EXPECT_EQ(anzahl(Tabelle::Heizungsparameter, "O'1"), 0);
            EXPECT_EQ(feld(Tabelle::Kälteparameter, "O'1", "Umgebungstemperatur").toLong(), 25);
        }
    }
}

}  // namespace

namespace {

// A storage water heater project with dwelling groups 1..n; ArtAusstatt gets two characters.
Zeilen speicherZeilen(const char* nr, int gruppen)
{
    static const char* const nummern[] = {"1", "2", "3", "4", "5"};
    Zeilen z{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", nr}, {"Projektart", "Sp"},
             {"$ENDE$", "$TABELLE$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", nr}, {"$ENDE$", "$TABELLE$"},
             {"$BEGIN$", "$TABELLE$"}};
    for (int i = 0; i < gruppen; ++i)
        z += Zeilen{{"$BEGIN$", "$ZEILE$"}, {"Projekt Nr", nr}, {"WohnungsgruppenNr", nummern[i]},
                    {"ArtAusstatt", "BX"}, {"$ENDE$", "$ZEILE$"}};
    return z + Zeilen{{"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}};
}

TEST_F(Transfer, WohnungsgruppenWerdenErsetzt)
{
    speicherprojekt(QStringLiteral("S1"), 5);
    KonfliktSkript skript;
    skript.antworten = {KonfliktAntwort::Überschreiben};
    EXPECT_EQ(TransferProtokoll::Lies(datei(speicherZeilen("S1", 3))), TransferErgebnis::Dateiende);
    const QList<VbVariant> gruppen = felder(Tabelle::SpeicherBedarfsKz, "S1", "WohnungsgruppenNr");
    ASSERT_EQ(gruppen.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(gruppen[i].toLong(), i + 1);
    for (const VbVariant& art : felder(Tabelle::SpeicherBedarfsKz, "S1", "ArtAusstatt"))
        EXPECT_EQ(art.toString(), QStringLiteral("B"));
    // Written again: three row groups.
    EXPECT_EQ(TransferProtokoll::Sichere({QStringLiteral("S1")}).count("$BEGIN$\t$ZEILE$\t\r\n"), 3);
}

TEST_F(Transfer, ProjektnummerOhneRücksichtAufGroßschreibung)
{
    // The stored project "s1" is restored as "S1": its project, parameter and dwelling rows
    // are replaced, none is left behind. Also in a file whose columns were declared before
    // their texts compared without regard to case.
    TestDatenbank alt({QStringLiteral("CREATE TABLE ProjekteTabelle (\"Projekt Nr\" TEXT(15))"),
                       QStringLiteral("CREATE TABLE SpeicherWasserwärmerparameter (\"Projekt Nr\" TEXT(50))"),
                       QStringLiteral("CREATE TABLE SpeicherBedarfsKz (\"Projekt Nr\" TEXT(50))")},
                      Kennwort::Projektdatenbank, QStringLiteral("Alt.db"));
    baue(alt.pfad());
    // The extension leaves the existing columns as they were declared.
    ASSERT_TRUE(alt.wert(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'SpeicherBedarfsKz'"))
                    .toString().startsWith(QLatin1String("CREATE TABLE SpeicherBedarfsKz (\"Projekt Nr\" TEXT(50),")));
    for (const QString& ziel : {pfad, alt.pfad()}) {
        zustand().Projekt_Data_Source = ziel;
        speicherprojekt(QStringLiteral("s1"), 2);
        KonfliktSkript skript;
        skript.antworten = {KonfliktAntwort::Überschreiben};
        EXPECT_EQ(TransferProtokoll::Lies(datei(speicherZeilen("S1", 3))), TransferErgebnis::Dateiende);
        EXPECT_EQ(skript.gefragt, QStringList{"S1"});
        const QStringList eine{QStringLiteral("S1")};
        EXPECT_EQ(nummern(Tabelle::ProjekteTabelle), eine) << ziel.toStdString();
        EXPECT_EQ(nummern(Tabelle::SpeicherWasserwärmerparameter), eine) << ziel.toStdString();
        EXPECT_EQ(nummern(Tabelle::SpeicherBedarfsKz), (QStringList{"S1", "S1", "S1"})) << ziel.toStdString();
    }
    EXPECT_TRUE(datenbankMeldungen(meldungen).isEmpty()) << texte(meldungen);
}

TEST_F(Transfer, FehlgeschlageneLöschungBeendetDasProjekt)
{
    projekt(QStringLiteral("S1"), QStringLiteral("Sp"));
    zeile(Tabelle::SpeicherBedarfsKz, {{"Projekt Nr", "S1"}, {"WohnungsgruppenNr", 1}});
    sql(QStringLiteral("CREATE TRIGGER nie BEFORE DELETE ON SpeicherBedarfsKz BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
    KonfliktSkript skript;
    skript.antworten = {KonfliktAntwort::Überschreiben};
    EXPECT_EQ(TransferProtokoll::Lies(datei(speicherZeilen("S1", 2))), TransferErgebnis::Löschfehler);
    const auto boxen = datenbankMeldungen(meldungen);
    ASSERT_EQ(boxen.size(), 1) << texte(meldungen);
    EXPECT_TRUE(boxen[0].werte.value(0).contains(QStringLiteral("gesperrt"))) << texte(meldungen);
    EXPECT_EQ(anzahl(Tabelle::SpeicherBedarfsKz, "S1"), 1);
}

TEST_F(Transfer, FehlgeschlageneZuweisungBehältDieZeile)
{
    // The last line of each block does not fit its field (Text(1), Text(15)).
    const QByteArray d = datei(Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "F1"},
                                      {"Projektart", "Tr"}, {"Bauherr", "Berger"}, {"Save", "XY"},
                                      {"$ENDE$", "$TABELLE$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "F1"},
                                      {"Betriebstemperatur", "55"}, {"GefäßArtNr", "1234567890123456"},
                                      {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}});
    EXPECT_EQ(TransferProtokoll::Lies(d), TransferErgebnis::Dateiende);
    const auto boxen = datenbankMeldungen(meldungen);
    ASSERT_EQ(boxen.size(), 2) << texte(meldungen);
    EXPECT_EQ(boxen[0].werte.value(1), QStringLiteral("Save"));
    EXPECT_EQ(boxen[1].werte.value(1), QStringLiteral("GefäßArtNr"));
    EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "F1", "Bauherr").toString(), QStringLiteral("Berger"));
    EXPECT_TRUE(feld(Tabelle::ProjekteTabelle, "F1", "Save").isEmpty());
    EXPECT_EQ(feld(Tabelle::Trinkwasserparameter, "F1", "Betriebstemperatur").toLong(), 55);
    EXPECT_EQ(feld(Tabelle::Trinkwasserparameter, "F1", "GefäßArtNr").toString(), QStringLiteral(" "));
}

TEST_F(Transfer, AbbruchBeimLesen)
{
    QBuffer puffer;
    puffer.setData(datei(projektZeilen("A", "Dr", "B", {{"Nutzvolumen", "5"}})));
    puffer.open(QIODevice::ReadOnly);
    Sicherungsdatei d(&puffer);
    ManipDatenbank m;
    ASSERT_EQ(m.Load_OpenDBConnection(nullptr, &d), 0);
    ASSERT_EQ(m.Load_readStreamLine(), 0);
    ASSERT_TRUE(m.IsBeginnProjekt());
    m.Load_Cancel();
    EXPECT_EQ(m.Load_Projekt(), TransferErgebnis::Benutzerabbruch);
    EXPECT_EQ(m.Load_readStreamLine(), TransferErgebnis::Benutzerabbruch);
    m.Load_CloseDBConnection();
    EXPECT_EQ(anzahl(Tabelle::ProjekteTabelle, "A"), 0);
}

TEST_F(Transfer, FortschrittZeigtProjektnummer)
{
    struct Anzeige : ProjektNrAnzeige {
        QStringList texte;
        void SchreibeProjektNr(const QString& t) override { texte << t; }
    } anzeige;
    QBuffer puffer;
    puffer.setData(datei(projektZeilen("A", "Dr") + projektZeilen("B", "Dr")));
    puffer.open(QIODevice::ReadOnly);
    Sicherungsdatei d(&puffer);
    ManipDatenbank m;
    ASSERT_EQ(m.Load_OpenDBConnection(&anzeige, &d), 0);
    long r = 0;
    while (r == 0) {
        r = m.Load_readStreamLine();
        if (r == 0 && m.IsBeginnProjekt())
            r = m.Load_Projekt();
    }
    m.Load_CloseDBConnection();
    EXPECT_EQ(anzeige.texte, (QStringList{"A", "B"}));
}

}  // namespace
