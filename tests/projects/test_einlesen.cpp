#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <map>
#include <random>
#include <sys/stat.h>

#include "ProjekteFixture.h"
#include "data/DbVerbindung.h"
#include "data/ManipDatenbank.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "projects/Einlesevorgang.h"
#include "support/ImKind.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/Plattenfehler.h"
#include "support/TransferProtokoll.h"

namespace {

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Einlesen : public Projekte {
protected:
    // Writes the file and restores it through the open dialog.
    void einlesen(const QByteArray& inhalt)
    {
        dateiwahl.antwort = datei(QStringLiteral("Sicherung.sic"), inhalt);
        Einlesevorgang v;
        v.ProjekteEinlesenAusDatei();
        EXPECT_FALSE(v.InArbeit());
        EXPECT_TRUE(tempDateien().isEmpty()) << tempDateien().join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(lies(dateiwahl.antwort), inhalt);
    }
    // A new project database in the test folder becomes the program's.
    void neueDatenbank(const QString& name)
    {
        db = ordner.filePath(QStringLiteral("Daten/") + name);
        BaueProjektdatenbank(db);
        zustand().Projekt_Data_Source = db;
    }
    // A storage heater project with its parameter row and two dwelling rows.
    void speicherprojekt(const QString& nr)
    {
        projekt(nr, QStringLiteral("Sp"), {{QStringLiteral("Bauherr"), QStringLiteral("alt")}});
        zapfstelle(nr, 1);
        zapfstelle(nr, 2);
    }
    // The messages of kind 3.
    QList<MeldungsBox> mängel() const
    {
        QList<MeldungsBox> b;
        for (const MeldungsBox& x : meldungen.boxen)
            if (x.art == Meldungsart::Anwendungsfehler)
                b << x;
        return b;
    }
};

}  // namespace

TEST_F(Einlesen, InEineLeereDatenbankKommtJedesProjektUnverändertZurück)
{
    const QStringList arten = {QStringLiteral("He"), QStringLiteral("Kü"), QStringLiteral("So"),
                               QStringLiteral("Tr"), QStringLiteral("Dr"), QStringLiteral("Sp")};
    QStringList nr;
    for (int i = 0; i < arten.size(); ++i) {
        nr << QStringLiteral("2024-%1 %2").arg(i).arg(arten[i]);
        projekt(nr.last(), arten[i],
                {{QStringLiteral("Bauherr"), QStringLiteral("Müller & Söhne")},
                 {QStringLiteral("Bemerkungen"), QStringLiteral("Keller, Pumpenraum\r\nAngebot folgt\tbald")},
                 {QStringLiteral("Datum"), VbVariant::datum(QDateTime(QDate(2024, 1, 15), QTime(0, 0)))}},
                {{QStringLiteral("IstBerechnet"), true}});
    }
    for (int g = 1; g <= 3; ++g)
        zapfstelle(nr.last(), g, {{QStringLiteral("Bezeichnung"), QStringLiteral("Gruppe %1").arg(g)}});
    // An empty text comes back as an empty text: a Null text field is written as an empty value.
    std::map<QString, QStringList> vorher;
    for (const QString& n : nr)
        for (QString z : projektinhalt(n))
            vorher[n] << z.replace(QStringLiteral("|NULL"), QStringLiteral("|''"));
    const QByteArray sicherung = TransferProtokoll::Sichere(nr);

    db = ordner.filePath(QStringLiteral("Daten/Leer.db"));
    BaueProjektdatenbank(db);
    zustand().Projekt_Data_Source = db;
    KonfliktSkript skript;
    einlesen(sicherung);

    EXPECT_TRUE(skript.gefragt.isEmpty());
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    for (const QString& n : nr)
        EXPECT_EQ(projektinhalt(n), vorher[n]) << n.toStdString();
    ASSERT_EQ(dateiwahl.anfragen.size(), 1);
    const DateiDialogAnfrage& a = dateiwahl.anfragen[0];
    EXPECT_EQ(a.titel, QStringLiteral("Projekte Einlesen"));
    EXPECT_EQ(a.filter.value(1), QStringLiteral("*.sic"));
    EXPECT_EQ(a.startOrdner, QStringLiteral("C:\\"));
    EXPECT_FALSE(a.speichern);
}

TEST_F(Einlesen, InEineGefüllteDatenbankNachDerAntwortDesKonfliktdialogs)
{
    struct Fall {
        const char* name;
        std::deque<int> antworten;
        QStringList gefragt;
        const char* bauherrP1;
        bool neuesProjekt;
        const char* bauherrP2;
    };
    const Fall fälle[] = {
        {"Weiter", {KonfliktAntwort::Weiter, KonfliktAntwort::Weiter}, {"P'1", "P2"}, "alt", true, "alt"},
        {"Überschreiben", {KonfliktAntwort::Überschreiben, KonfliktAntwort::Weiter}, {"P'1", "P2"}, "neu", true, "alt"},
        {"Alle überschreiben", {KonfliktAntwort::AlleÜberschreiben}, {"P'1"}, "neu", true, "neu"},
        {"Abbrechen", {KonfliktAntwort::Abbrechen}, {"P'1"}, "alt", false, "alt"},
    };
    const QByteArray sicherung = zeilen(projektZeilen("P'1", "Dr", "neu", {{"Nutzvolumen", "77"}})
                                        + projektZeilen("N3", "Tr", "neu") + projektZeilen("P2", "He", "neu"));
    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        db = ordner.filePath(QStringLiteral("Daten/Fall%1.db").arg(++n));
        BaueProjektdatenbank(db);
        zustand().Projekt_Data_Source = db;
        for (const char* nr : {"P'1", "P2"})
            projekt(QString::fromUtf8(nr), QStringLiteral("Dr"), {{QStringLiteral("Bauherr"), QStringLiteral("alt")}});
        const QStringList p2vorher = projektinhalt(QStringLiteral("P2"));
        KonfliktSkript skript;
        skript.antworten = f.antworten;
        einlesen(sicherung);
        EXPECT_EQ(skript.gefragt, f.gefragt);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
        const QStringList p1 = projektinhalt(QStringLiteral("P'1"));
        EXPECT_TRUE(p1.value(0).contains(QStringLiteral("'%1'").arg(QLatin1String(f.bauherrP1)))) << p1.value(0).toStdString();
        EXPECT_EQ(p1.join(QLatin1Char(' ')).contains(QStringLiteral("|77|")), QLatin1String(f.bauherrP1) == QLatin1String("neu"));
        EXPECT_EQ(nummern().contains(QStringLiteral("N3")), f.neuesProjekt);
        if (QLatin1String(f.bauherrP2) == QLatin1String("alt"))
            EXPECT_EQ(projektinhalt(QStringLiteral("P2")), p2vorher);
        else
            EXPECT_TRUE(projektinhalt(QStringLiteral("P2")).value(0).contains(QStringLiteral("'neu'")));

        // The answer "Alle überschreiben" holds for its run only: the next restore asks again.
        skript.gefragt.clear();
        skript.antworten = {KonfliktAntwort::Weiter, KonfliktAntwort::Weiter, KonfliktAntwort::Weiter};
        einlesen(sicherung);
        const QStringList wieder = f.neuesProjekt ? QStringList{QStringLiteral("P'1"), QStringLiteral("N3"), QStringLiteral("P2")}
                                                  : QStringList{QStringLiteral("P'1"), QStringLiteral("P2")};
        EXPECT_EQ(skript.gefragt, wieder);
    }
}

namespace {

// Replaces the n-th line (0-based) with the given key and value.
Zeilen ersetzt(Zeilen z, int n, const char* k, const char* w)
{
    z[n] = {k, w};
    return z;
}

Zeilen ohneLetzte(Zeilen z, int n)
{
    return z.mid(0, z.size() - n);
}

const Zeilen E1Neu = Projekte::projektZeilen("E1", "Dr", "neu", {{"Nutzvolumen", "5"}});
// Lines of E1Neu: 0 project begin, 1 table begin, 2-4 project fields, 5 table end, 6 table
// begin, 7-8 parameter fields, 9 table end, 10 project end.

Zeilen speicherE2(const Zeilen& zeilen1)
{
    return Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "E2"}, {"Projektart", "Sp"},
                  {"Bauherr", "neu"},       {"$ENDE$", "$TABELLE$"},  {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "E2"},
                  {"$ENDE$", "$TABELLE$"},  {"$BEGIN$", "$TABELLE$"}, {"$BEGIN$", "$ZEILE$"},  {"Projekt Nr", "E2"}}
           + zeilen1
           + Zeilen{{"$BEGIN$", "$ZEILE$"}, {"Projekt Nr", "E2"}, {"WohnungsgruppenNr", "9"}, {"$ENDE$", "$ZEILE$"},
                    {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}};
}

}  // namespace

TEST_F(Einlesen, BeschädigteDateiBringtWasGanzIstUndNenntDenRest)
{
    struct Fall {
        const char* name;
        Zeilen beschädigt;
        bool mitFolgeprojekt;  // a sound project follows the damaged one
        const char* meldung;   // part of the message; nullptr: the project is kept, no message
    };
    const Fall fälle[] = {
        {"Tabellenende verschrieben", ersetzt(E1Neu, 5, "$ENDE$", "$TABELE$"), true,
         "Projekt E1: Der Aufbau der Projektdaten ist fehlerhaft."},
        {"Tabellenanfang verschrieben", ersetzt(E1Neu, 6, "$BEGIN$", "$TABELE$"), true,
         "Projekt E1: Der Aufbau der Projektdaten ist fehlerhaft."},
        {"Projekttabelle ohne Anfang", ersetzt(E1Neu, 1, "$BEGINN$", "$TABELLE$"), true,
         "Projekt ohne lesbare Projektnummer: Der Aufbau der Projektdaten ist fehlerhaft."},
        {"zwei Zeilen vor der Nummer", E1Neu.mid(0, 2) + Zeilen{{"a", "1"}, {"b", "2"}} + E1Neu.mid(2), true,
         "Projekt ohne lesbare Projektnummer: Der Aufbau der Projektdaten ist fehlerhaft."},
        {"nächstes Projekt beginnt mitten im Block", E1Neu.mid(0, 9), true,
         "Projekt E1: Der Aufbau der Projektdaten ist fehlerhaft."},
        {"Wohnungsgruppe ohne Ende", speicherE2({{"WohnungsgruppenNr", "8"}}), true,
         "Projekt E2: Der Aufbau der Projektdaten ist fehlerhaft."},
        {"Datei endet in der Parametertabelle", ohneLetzte(E1Neu, 2), false,
         "Projekt E1: Die Projektdaten brechen ab."},
        {"Datei endet in der Projekttabelle", E1Neu.mid(0, 4), false, "Projekt E1: Die Projektdaten brechen ab."},
        {"nur die letzte Rahmenzeile fehlt", ohneLetzte(E1Neu, 1), false, nullptr},
    };
    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        neueDatenbank(QStringLiteral("Schaden%1.db").arg(++n));
        projekt(QStringLiteral("E1"), QStringLiteral("Dr"), {{QStringLiteral("Bauherr"), QStringLiteral("alt")}});
        speicherprojekt(QStringLiteral("E2"));
        const QStringList e1 = projektinhalt(QStringLiteral("E1"));
        const QStringList e2 = projektinhalt(QStringLiteral("E2"));

        Zeilen z = projektZeilen("S1", "He", "S") + f.beschädigt;
        if (f.mitFolgeprojekt)
            z += projektZeilen("S2", "So", "S", {{"Frostschutzzusatz", "30"}});
        meldungen.leeren();
        KonfliktSkript skript;
        skript.antworten = {KonfliktAntwort::AlleÜberschreiben};
        einlesen(zeilen(z));

        QStringList erwartet{QStringLiteral("E1"), QStringLiteral("E2"), QStringLiteral("S1")};
        if (f.mitFolgeprojekt)
            erwartet << QStringLiteral("S2");
        EXPECT_EQ(nummern(), erwartet);
        EXPECT_EQ(projektinhalt(QStringLiteral("E2")), e2);
        const QList<MeldungsBox> m = mängel();
        if (f.meldung) {
            EXPECT_EQ(projektinhalt(QStringLiteral("E1")), e1);
            ASSERT_EQ(m.size(), 1) << texte(meldungen);
            EXPECT_TRUE(m[0].text.contains(QString::fromUtf8(f.meldung))) << m[0].text.toStdString();
            EXPECT_TRUE(m[0].text.contains(QStringLiteral("Das Projekt wurde nicht eingelesen.")));
        } else {
            EXPECT_TRUE(m.isEmpty()) << texte(meldungen);
            EXPECT_TRUE(projektinhalt(QStringLiteral("E1")).value(0).contains(QStringLiteral("'neu'")));
        }
    }
}

TEST_F(Einlesen, AbbruchBeimLesenBehältDieFertigenProjekte)
{
    // Abbrechen while the second project is read: the first stays, the second is not kept.
    struct Anzeige : EinleseAnzeige {
        Einlesevorgang* vorgang = nullptr;
        QStringList nummern;
        bool begonnen = false, beendet = false;
        void SchreibeProjektNr(const QString& t) override
        {
            nummern << t;
            if (t == QLatin1String("B"))
                vorgang->Abbrechen();
        }
        void LesenBeginnt() override { begonnen = true; }
        void LesenEndet() override { beendet = true; }
    } anzeige;
    dateiwahl.antwort = datei(QStringLiteral("Sicherung.sic"),
                              zeilen(projektZeilen("A", "Dr", "x", {{"Nutzvolumen", "1"}})
                                     + projektZeilen("B", "Dr", "x", {{"Nutzvolumen", "2"}})
                                     + projektZeilen("C", "Dr", "x")));
    Einlesevorgang v;
    anzeige.vorgang = &v;
    v.ProjekteEinlesenAusDatei(&anzeige);
    EXPECT_EQ(anzeige.nummern, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_TRUE(anzeige.begonnen && anzeige.beendet);
    EXPECT_EQ(nummern(), QStringList{QStringLiteral("A")});
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    EXPECT_TRUE(tempDateien().isEmpty());
    // Without a run, Abbrechen does nothing.
    v.Abbrechen();
}

TEST_F(Einlesen, DateiOhneProjektWirdGenanntAbgebrochenGibtKeineMeldung)
{
    einlesen(zeilen({{"irgendwas", "x"}, {"$ENDE$", "$PROJEKT$"}}));
    ASSERT_EQ(mängel().size(), 1) << texte(meldungen);
    EXPECT_TRUE(mängel()[0].text.contains(QStringLiteral("Sicherung.sic enthält kein Projekt, das eingelesen werden kann.")))
        << mängel()[0].text.toStdString();
    meldungen.leeren();
    dateiwahl.antwort.clear();
    Einlesevorgang v;
    v.ProjekteEinlesenAusDatei();
    EXPECT_TRUE(tempDateien().isEmpty());
    EXPECT_TRUE(nummern().isEmpty());
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}

// A missing file, a pipe and a device are named as not readable; none holds the restore up or
// fills the temp folder. Each runs in a child that is killed when it does not end.
TEST_F(Einlesen, NichtLesbareDateiWirdGemeldet)
{
    const QString rohr = ordner.filePath(QStringLiteral("rohr.sic"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    const QString null = ordner.filePath(QStringLiteral("null.sic"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), null));
    for (const QString& datei : {ordner.filePath(QStringLiteral("fehlt.sic")), rohr, null}) {
        SCOPED_TRACE(datei.toStdString());
        dateiwahl.antwort = datei;
        const std::optional<QByteArray> antwort = ImKind([&] {
            Einlesevorgang v;
            v.ProjekteEinlesenAusDatei();
            return texte(meldungen).c_str() + QByteArray("\n") + QByteArray::number(mängel().size());
        });
        ASSERT_TRUE(antwort) << "the restore did not end";
        EXPECT_TRUE(antwort->endsWith("\n1")) << antwort->constData();
        EXPECT_TRUE(antwort->contains(QFileInfo(datei).fileName().toUtf8() + " konnte nicht gelesen werden."))
            << antwort->constData();
        EXPECT_TRUE(tempDateien().isEmpty());
    }
}

// A parameter block that no table takes: the project is not stored without it.
TEST_F(Einlesen, ProjektartOhneParametertabelleWirdGenannt)
{
    einlesen(zeilen(projektZeilen("X", "Xy", "B", {{"Frostschutzzusatz", "30"}}) + projektZeilen("Y", "Dr")));
    EXPECT_EQ(nummern(), QStringList{QStringLiteral("Y")});
    const QList<MeldungsBox> m = mängel();
    ASSERT_EQ(m.size(), 1) << texte(meldungen);
    EXPECT_TRUE(m[0].text.contains(QStringLiteral("Projekt X: Zur Projektart \"Xy\" gibt es keine Parametertabelle")))
        << m[0].text.toStdString();
    EXPECT_TRUE(m[0].text.contains(QStringLiteral("Das Projekt wurde nicht eingelesen."))) << m[0].text.toStdString();
}

TEST_F(Einlesen, WerteDieNichtPassenWerdenÜbergangenUndDasProjektBleibt)
{
    // Our own backup of a project with Null number fields: the writer gives empty values.
    projekt(QStringLiteral("N1"), QStringLiteral("Dr"),
            {{QStringLiteral("Angebotsnummer"), VbVariant::null()}, {QStringLiteral("ArtErstellung"), VbVariant::null()}},
            {{QStringLiteral("Behälteranzahl"), VbVariant::null()}, {QStringLiteral("Nutzvolumen"), 120}});
    const QByteArray sicherung = TransferProtokoll::Sichere({QStringLiteral("N1")});
    ASSERT_TRUE(sicherung.contains("Behälteranzahl\t\t") || sicherung.contains("Beh\xe4lteranzahl\t\t"));

    struct Fall {
        const char* name;
        QByteArray datei;
        const char* meldung;  // part of the message (kind 3); nullptr: none
    };
    const Fall fälle[] = {
        {"eigene Sicherung mit Null-Zahlen", sicherung, nullptr},
        {"Werte, die nicht passen",
         zeilen(E1Neu.mid(0, 5) + Zeilen{{"Save", "XY"}, {"Angebotsnummer", ""}} + E1Neu.mid(5, 3)
                + Zeilen{{"Behälteranzahl", "viele"}, {"IstBerechnet", "ja"}, {"Raumhöhe", ""}} + E1Neu.mid(8)),
         "Projekt E1: Diese Werte wurden nicht übernommen: Save = \"XY\", Behälteranzahl = \"viele\", "
         "IstBerechnet = \"ja\"."},
        // An older schema: fields that are gone, fields that are missing, its compatibility lines.
        {"ältere Datei",
         zeilen(E1Neu.mid(0, 8) + Zeilen{{"NachspeiseTrenner", "-1"}, {"Membranbruchsensor", "-1"}, {"p Soll", " 1.6"}}
                + E1Neu.mid(8)),
         nullptr},
    };
    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        db = ordner.filePath(QStringLiteral("Daten/Werte%1.db").arg(++n));
        BaueProjektdatenbank(db);
        zustand().Projekt_Data_Source = db;
        meldungen.leeren();
        einlesen(f.datei);
        const QStringList m = [this] {
            QStringList t;
            for (const MeldungsBox& b : mängel())
                t << b.text;
            return t;
        }();
        if (f.meldung) {
            ASSERT_EQ(m.size(), 1) << texte(meldungen);
            EXPECT_TRUE(m[0].contains(QString::fromUtf8(f.meldung))) << m[0].toStdString();
            EXPECT_FALSE(m[0].contains(QStringLiteral("nicht eingelesen")));
        } else {
            EXPECT_TRUE(m.isEmpty()) << texte(meldungen);
        }
        ASSERT_EQ(nummern().size(), 1);
        const QString nr = nummern()[0];
        const QString alles = projektinhalt(nr).join(QLatin1Char('\n'));
        if (nr == QLatin1String("N1")) {
            // The empty number takes the field's default; the rest comes back.
            EXPECT_TRUE(alles.contains(QStringLiteral("|120|"))) << alles.toStdString();
            EXPECT_TRUE(alles.contains(QStringLiteral("Druckerhöhungparameter:'N1'"))) << alles.toStdString();
        } else {
            EXPECT_TRUE(alles.contains(QStringLiteral("'neu'"))) << alles.toStdString();
            EXPECT_TRUE(alles.contains(QStringLiteral("|5|"))) << alles.toStdString();  // Nutzvolumen
        }
        // An empty text line is an empty text, not Null.
        if (f.datei.contains("Angebotsnummer\t\t")) {
            EXPECT_TRUE(alles.contains(QStringLiteral("|''|"))) << alles.toStdString();
        }
    }
}

TEST_F(Einlesen, BlöckeEinerAnderenNummerWerdenAbgewiesen)
{
    // A crafted or damaged file must not attach rows to, or rename, another project.
    struct Fall {
        const char* name;
        Zeilen zeilen;
    };
    const Fall fälle[] = {
        {"zweite Projektnummer", Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "B1"},
                                        {"Projektart", "Dr"}, {"Projekt Nr", "A1"}, {"Bauherr", "fremd"},
                                        {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}}},
        {"Parameterblock einer anderen Nummer",
         Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "B1"}, {"Projektart", "Dr"},
                {"$ENDE$", "$TABELLE$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "A1"}, {"Nutzvolumen", "999"},
                {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}}},
    };
    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        db = ordner.filePath(QStringLiteral("Daten/Fremd%1.db").arg(++n));
        BaueProjektdatenbank(db);
        zustand().Projekt_Data_Source = db;
        projekt(QStringLiteral("A1"), QStringLiteral("Dr"), {{QStringLiteral("Bauherr"), QStringLiteral("alt")}});
        const QStringList a1 = projektinhalt(QStringLiteral("A1"));
        meldungen.leeren();
        KonfliktSkript skript;
        einlesen(zeilen(f.zeilen + projektZeilen("C1", "Dr")));
        EXPECT_TRUE(skript.gefragt.isEmpty());
        EXPECT_EQ(nummern(), (QStringList{QStringLiteral("A1"), QStringLiteral("C1")}));
        EXPECT_EQ(projektinhalt(QStringLiteral("A1")), a1);
        const QList<MeldungsBox> m = mängel();
        ASSERT_EQ(m.size(), 1) << texte(meldungen);
        EXPECT_TRUE(m[0].text.contains(QStringLiteral("Projekt B1: Der Aufbau der Projektdaten ist fehlerhaft.")))
            << m[0].text.toStdString();
        EXPECT_TRUE(m[0].text.contains(QStringLiteral("Eingelesen wurden 1 Projekte."))) << m[0].text.toStdString();
    }
}

// The project number column holds 15 characters: a longer number refuses that project, in no
// table a row of it or of a cut number, and the rest of the file is read.
TEST_F(Einlesen, ZuLangeProjektnummerWirdAbgewiesen)
{
    struct Fall {
        const char* nummer;
        bool eingelesen;
    };
    const Fall fälle[] = {{"123456789012345", true}, {"1234567890123456", false}, {"Zentrale Nord 2024/17", false}};
    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.nummer);
        db = ordner.filePath(QStringLiteral("Daten/Lang%1.db").arg(++n));
        BaueProjektdatenbank(db);
        zustand().Projekt_Data_Source = db;
        meldungen.leeren();
        KonfliktSkript skript;
        einlesen(zeilen(projektZeilen(f.nummer, "He") + projektZeilen("C1", "Dr")));
        const QString nr = QString::fromUtf8(f.nummer);
        const QStringList erwartet = f.eingelesen ? QStringList{nr, QStringLiteral("C1")} : QStringList{QStringLiteral("C1")};
        EXPECT_EQ(nummern(), erwartet);
        const QList<MeldungsBox> m = mängel();
        if (f.eingelesen) {
            EXPECT_TRUE(m.isEmpty()) << texte(meldungen);
            continue;
        }
        EXPECT_TRUE(projektinhalt(nr).isEmpty()) << projektinhalt(nr).join(u'\n').toStdString();
        EXPECT_TRUE(projektinhalt(nr.left(15)).isEmpty());
        ASSERT_EQ(m.size(), 1) << texte(meldungen);
        EXPECT_TRUE(m[0].text.contains(QStringLiteral("Projekt %1: Die Projektnummer ist länger als 15 Zeichen. Das "
                                                      "Projekt wurde nicht eingelesen.").arg(nr)))
            << m[0].text.toStdString();
        EXPECT_TRUE(m[0].text.contains(QStringLiteral("Eingelesen wurden 1 Projekte."))) << m[0].text.toStdString();
    }
}

TEST_F(Einlesen, ProjektnummernVergleichenWieSQL)
{
    // NOCASE folds ASCII letters only: "Ä-1" is another project than "ä-1", "a-1" the same as "A-1".
    projekt(QStringLiteral("ä-1"), QStringLiteral("Sp"), {{QStringLiteral("Bauherr"), QStringLiteral("alt")}});
    zapfstelle(QStringLiteral("ä-1"), 1);
    zapfstelle(QStringLiteral("ä-1"), 2);
    projekt(QStringLiteral("a-1"), QStringLiteral("Dr"), {{QStringLiteral("Bauherr"), QStringLiteral("alt")}});
    const QStringList ä1 = projektinhalt(QStringLiteral("ä-1"));
    KonfliktSkript skript;
    skript.antworten = {KonfliktAntwort::AlleÜberschreiben};
    einlesen(zeilen(Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", "Ä-1"},
                           {"Projektart", "Sp"}, {"$ENDE$", "$TABELLE$"}, {"$BEGIN$", "$TABELLE$"},
                           {"Projekt Nr", "Ä-1"}, {"$ENDE$", "$TABELLE$"}, {"$BEGIN$", "$TABELLE$"},
                           {"$BEGIN$", "$ZEILE$"}, {"Projekt Nr", "Ä-1"}, {"WohnungsgruppenNr", "7"},
                           {"$ENDE$", "$ZEILE$"}, {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}}
                    + projektZeilen("A-1", "Dr", "neu")));
    EXPECT_EQ(skript.gefragt, QStringList{QStringLiteral("A-1")});
    EXPECT_EQ(projektinhalt(QStringLiteral("ä-1")), ä1);
    EXPECT_TRUE(nummern().contains(QStringLiteral("Ä-1")));
    EXPECT_EQ(projektinhalt(QStringLiteral("Ä-1")).filter(QStringLiteral("SpeicherBedarfsKz:")).size(), 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}

// The database refuses to store: the restore stores nothing, says so, and never reports success.
TEST_F(Einlesen, SpeicherfehlerLassenDieDatenbankUnverändert)
{
    projekt(QStringLiteral("P1"), QStringLiteral("Dr"), {{QStringLiteral("Bauherr"), QStringLiteral("alt")}});
    const QStringList vorher = inhalt(db);
    // Enough projects with long remarks to need pages of their own.
    static const QByteArray lang(200, 'x');
    static std::vector<QByteArray> nummern;
    for (int i = static_cast<int>(nummern.size()); i < 100; ++i)
        nummern.push_back("N" + QByteArray::number(i));
    Zeilen viel;
    for (const QByteArray& nr : nummern)
        viel += Zeilen{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", nr.constData()}, {"Projektart", "Dr"},
                       {"Bemerkungen", lang.constData()}, {"$ENDE$", "$TABELLE$"}, {"$ENDE$", "$PROJEKT$"}};
    struct Fall {
        const char* name;
        DbVerbindung::Fehlerprobe probe;
        int textNr;
    };
    const Fall fälle[] = {
        {"volle Platte",
         {[](QSqlDatabase& d) {
              // One page more than the file has: the large rows do not fit.
              QSqlQuery q(d);
              q.exec(QStringLiteral("PRAGMA page_count"));
              const int seiten = q.next() ? q.value(0).toInt() : 1;
              q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(seiten + 1));
          },
          {}},
         2918},
        {"Commit schlägt fehl", {{}, [](const QString&) { return false; }}, 2918},
        // As SQLite does after an I/O error at a journal write: the statement fails and the
        // whole transaction is rolled back; nothing after it may be stored on its own.
        {"SQLite beendet die Transaktion",
         {[](QSqlDatabase& d) {
              QSqlQuery(d).exec(QStringLiteral("CREATE TEMP TRIGGER kelvor_ende AFTER INSERT ON ProjekteTabelle "
                                               "WHEN NEW.[Projekt Nr] = 'N2' BEGIN SELECT RAISE(ROLLBACK, 'disk I/O error'); END"));
          },
          {}},
         2918},
        {"schreibgeschützt", {[](QSqlDatabase& d) { QSqlQuery(d).exec(QStringLiteral("PRAGMA query_only = ON")); }, {}}, 2920},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        meldungen.leeren();
        KonfliktSkript skript;
        skript.antworten = {KonfliktAntwort::AlleÜberschreiben};
        DbVerbindung::SetzeFehlerprobe(&f.probe);
        einlesen(zeilen(projektZeilen("P1", "Dr", "neu") + viel));
        DbVerbindung::SetzeFehlerprobe(nullptr);
        EXPECT_EQ(inhalt(db), vorher);
        ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{f.textNr}) << texte(meldungen);
    }
}

namespace {

// Bytes that no transfer file holds: pseudo-random, with or without zero bytes.
QByteArray Zufall(int n, bool mitNull)
{
    std::mt19937 gen(64);
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += static_cast<char>(mitNull ? gen() % 256 : 1 + gen() % 255);
    return b;
}

QByteArray Utf16(const QByteArray& text)
{
    QByteArray b = "\xFF\xFE";
    for (char c : text)
        b += QByteArray(1, c) + '\0';
    return b;
}

}  // namespace

// Damaged and foreign files: what is read whole is stored, every project that is not is named,
// a file without a project says so, a file of another kind is refused; each file is read once,
// and no line is held longer than a few kB, however long it is in the file.
// The database holds P0, a storage heater project with its parameter row and two dwelling rows.
TEST_F(Einlesen, BeschädigteUndFremdeDateienNennenJedenVerlust)
{
    const QByteArray a = zeilen(projektZeilen("A1", "Dr", "neu", {{"Nutzvolumen", "5"}}));
    const QByteArray c = zeilen(projektZeilen("C1", "Dr", "neu", {{"Nutzvolumen", "7"}}));
    const QByteArray b = zeilen(ersetzt(projektZeilen("B1", "Dr", "neu", {{"Nutzvolumen", "6"}}), 0, "$BEGIN$", "$PROJEKX$"));
    const QByteArray groß(900 * 1024, 'X');
    const QByteArray großerWert = zeilen(E1Neu.mid(0, 5)) + "Save\t" + groß + "\t\r\n" + zeilen(E1Neu.mid(5));
    const QByteArray großeNummer = zeilen(E1Neu.mid(0, 2)) + "Projekt Nr\t" + groß + "\t\r\n" + zeilen(E1Neu.mid(3));
    const QByteArray auszug = "\"" + QByteArray(60, 'X') + "...\"";
    const auto bemerkungen = [](int länge) {
        return zeilen(E1Neu.mid(0, 5)) + "Bemerkungen\t" + QByteArray(länge, 'r') + "\t\r\n" + zeilen(E1Neu.mid(5));
    };
    QByteArray nurCR = a;
    nurCR.replace("\r\n", "\r");
    // Values as the transfer reader converts them: a type read by its first two characters, a
    // number out of range left to the field's default.
    const Zeilen druck = projektZeilen("A2", "Druck", "neu", {{"Nutzvolumen", "5"}});
    const QByteArray druckArt = zeilen(druck.mid(0, 5) + Zeilen{{"ArtErstellung", "300"}} + druck.mid(5));
    const Zeilen ohneArt = projektZeilen("A3", "Dr", "neu", {{"Nutzvolumen", "5"}});
    QByteArray vieleZeilen;
    for (int i = 0; i < 100000; ++i)
        vieleZeilen += "r\r\n";
    const QByteArray langeBemerkung = zeilen(E1Neu.mid(0, 5)) + "Bemerkungen\t" + vieleZeilen + "\t\r\n" + zeilen(E1Neu.mid(5));
    const QStringList mitP0{QStringLiteral("P0")};
    struct Fall {
        const char* name;
        QByteArray datei;
        QStringList nummern;   // afterwards, sorted
        QStringList meldung;   // parts of the one message; empty: no message
        QStringList gefragt = {};  // conflict questions, answered with Überschreiben
        bool p0Bleibt = false;     // P0 stays as it was also when asked about
        QStringList gespeichert = {};  // parts of the stored rows of the first project besides P0
    };
    const Fall fälle[] = {
        {"cut inside the next begin line", a + "$BEGIN$\t$PRO", QStringList{"A1", "P0"},
         {"Projekt ohne lesbare Projektnummer: Die Projektdaten brechen ab. Das Projekt wurde nicht eingelesen.",
          "Eingelesen wurden 1 Projekte."}},
        {"cut before the begin line's last TAB", a + "$BEGIN$\t$PROJEKT$", QStringList{"A1", "P0"},
         {"Projekt ohne lesbare Projektnummer: Die Projektdaten brechen ab."}},
        {"damaged byte in a begin line", a + b + c, QStringList{"A1", "C1", "P0"},
         {"Projekt B1: Der Aufbau der Projektdaten ist fehlerhaft. Das Projekt wurde nicht eingelesen.",
          "Eingelesen wurden 2 Projekte."}},
        {"damaged begin line of the last project", a + b, QStringList{"A1", "P0"}, {"Projekt B1: "}},
        {"byte-order mark", "\xEF\xBB\xBF" + a, QStringList{"A1", "P0"}, {}},
        {"cut after the project table", a.left(a.indexOf("$ENDE$\t$TABELLE$\t\r\n") + 18), mitP0,
         {"Projekt A1: Die Projektdaten brechen ab. Das Projekt wurde nicht eingelesen.", "Eingelesen wurden 0 Projekte."}},
        {"cut in the next block's begin line", a.left(a.lastIndexOf("$BEGIN$\t$TABELLE$") + 10), mitP0,
         {"Projekt A1: Die Projektdaten brechen ab."}},
        {"CR line ends", nurCR, mitP0, {"Sicherung.sic enthält kein Projekt, das eingelesen werden kann."}},
        {"random text", Zufall(4096, false), mitP0, {"Sicherung.sic enthält kein Projekt"}},
        {"UTF-16", Utf16(a), mitP0, {"Sicherung.sic ist keine Sicherungsdatei. Es wurde nichts eingelesen."}},
        {"gzip", QByteArray("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03", 10) + Zufall(200, false), mitP0,
         {"ist keine Sicherungsdatei"}},
        {"SQLite", QByteArray("SQLite format 3\0", 16) + Zufall(200, true), mitP0, {"ist keine Sicherungsdatei"}},
        {"random bytes", Zufall(4096, true), mitP0, {"ist keine Sicherungsdatei"}},
        // A value is quoted as a short excerpt, however long it is.
        {"900 kB value", großerWert, QStringList{"E1", "P0"},
         {"Projekt E1: Diese Werte wurden nicht übernommen: Save = " + QString::fromLatin1(auszug)}},
        {"remarks as long as the project page takes them", bemerkungen(200), QStringList{"E1", "P0"}, {}},
        {"remarks longer than the project page takes them", bemerkungen(201), QStringList{"E1", "P0"},
         {"Projekt E1: Diese Werte wurden nicht übernommen: Bemerkungen = \"" + QString(60, u'r') + "...\""}},
        // A line far longer than any value is read to its end, not kept.
        {"4 MB remark", bemerkungen(4 << 20), QStringList{"E1", "P0"},
         {"Projekt E1: Diese Werte wurden nicht übernommen: Bemerkungen = \"" + QString(60, u'r') + "...\""}},
        {"remark of 100000 lines", langeBemerkung, QStringList{"E1", "P0"},
         {"Projekt E1: Diese Werte wurden nicht übernommen: Bemerkungen = \"r\r\nr\r\n"}},
        {"type and number as the transfer reader reads them", druckArt, QStringList{"A2", "P0"},
         {"Projekt A2: Diese Werte wurden auf die Länge ihres Feldes gekürzt: Projektart = \"Druck\" \u2192 \"Dr\".",
          "Projekt A2: Diese Werte wurden nicht übernommen: ArtErstellung = \"300\".", "Eingelesen wurden 1 Projekte."},
         {}, false, {"ProjekteTabelle:'A2'|'Dr'|NULL|'neu'|NULL|NULL|NULL|NULL|NULL|NULL|0|NULL", "Druckerhöhungparameter:'A2'"}},
        // A parameter row that no table takes: the project is not stored without it.
        {"parameter block of an unknown type", zeilen(projektZeilen("A2", "Xy", "neu", {{"Nutzvolumen", "5"}})) + a,
         QStringList{"A1", "P0"},
         {"Projekt A2: Zur Projektart \"Xy\" gibt es keine Parametertabelle", "Das Projekt wurde nicht eingelesen.",
          "Eingelesen wurden 1 Projekte."}},
        {"parameter block without a type", zeilen(ohneArt.mid(0, 3) + ohneArt.mid(4)) + a, QStringList{"A1", "P0"},
         {"Projekt A3: Das Projekt hat keine Projektart", "Das Projekt wurde nicht eingelesen.",
          "Eingelesen wurden 1 Projekte."}},
        {"900 kB project number", großeNummer, mitP0,
         {"Projekt " + QString(60, u'X') + "...: Die Projektnummer ist länger als 15 Zeichen."}},
        {"stored number, another type", zeilen(projektZeilen("P0", "Dr", "neu", {{"Nutzvolumen", "5"}})), mitP0, {}, {"P0"}},
        // A number is matched as the project page and the database take it: blanks count, a
        // control character (a TAB) refuses it.
        {"blank before the number", zeilen(projektZeilen(" P0", "Dr", "neu", {{"Nutzvolumen", "5"}})), {" P0", "P0"}, {}},
        {"blank and tab after the number", zeilen(projektZeilen("P0 \t", "Dr", "neu", {{"Nutzvolumen", "5"}})), mitP0,
         {"Projekt P0 \t: Die Projektnummer enthält ein Steuerzeichen."}},
        {"control character in the number", zeilen(projektZeilen("P0\x01", "Dr", "neu")) + a, QStringList{"A1", "P0"},
         {"Die Projektnummer enthält ein Steuerzeichen. Das Projekt wurde nicht eingelesen."}},
        {"number with and without a blank", zeilen(projektZeilen(" 12", "Dr", "blank") + projektZeilen("12", "Dr", "ohne")),
         {" 12", "12", "P0"}, {}},
        // The TAB that ends a project's end line is missing: the next begin line is joined to it.
        {"end line without its TAB", a.left(a.size() - 3) + "\r\n" + zeilen(projektZeilen("B1", "Dr", "neu")) + c,
         {"C1", "P0"}, {"Projekt A1: Der Aufbau", "Projekt B1: Der Aufbau", "Eingelesen wurden 1 Projekte."}},
        {"two damaged begin lines in a row",
         a + b + zeilen(ersetzt(projektZeilen("D1", "Dr", "neu"), 0, "$BEGIN$", "$PROJEKX$")) + c, {"A1", "C1", "P0"},
         {"Projekt B1: Der Aufbau", "Projekt D1: Der Aufbau", "Eingelesen wurden 2 Projekte."}},
        {"unknown type over a stored project", zeilen(projektZeilen("P0", "Dq", "neu")) + a, {"A1", "P0"},
         {"Projekt P0: Die Projektart \"Dq\" hat keine Parametertabelle; das gespeicherte Projekt wurde nicht ersetzt. "
          "Das Projekt wurde nicht eingelesen.", "Eingelesen wurden 1 Projekte."},
         {"P0"}, true},
        {"same number twice", a + zeilen(projektZeilen("A1", "Dr", "zwei")), {"A1", "P0"},
         {"Projekt A1: Die Projektnummer steht mehr als einmal in der Datei.", "Eingelesen wurden 2 Projekte."}, {"A1"}},
        // A project given up leaves no trace in the run: its number is new again for the next copy.
        {"damaged copy, then a sound one", zeilen(ersetzt(projektZeilen("A1", "Dr", "x", {{"Nutzvolumen", "5"}}), 9, "$ENDE$", "$TABELE$")) + a,
         {"A1", "P0"}, {"Projekt A1: Der Aufbau", "Projekt A1: Die Projektnummer steht mehr als einmal", "Eingelesen wurden 1 Projekte."}},
        {"file ends after a begin line", a + "$BEGIN$\t$PROJEKT$\t\r\n", {"A1", "P0"},
         {"Projekt ohne lesbare Projektnummer: Die Projektdaten brechen ab.", "Eingelesen wurden 1 Projekte."}},
    };
    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        neueDatenbank(QStringLiteral("Fremd%1.db").arg(++n));
        speicherprojekt(QStringLiteral("P0"));
        const QStringList vorher = inhalt(db);
        const QStringList p0vorher = projektinhalt(QStringLiteral("P0"));
        meldungen.leeren();
        KonfliktSkript skript;
        skript.antworten = {KonfliktAntwort::Überschreiben};
        Sicherungsdatei::Arbeit() = {};
        einlesen(f.datei);
        EXPECT_LE(Sicherungsdatei::Arbeit().bytes, f.datei.size());
        EXPECT_LE(Sicherungsdatei::Arbeit().längsteZeile, 8192);

        EXPECT_EQ(nummern(), f.nummern);
        EXPECT_EQ(skript.gefragt, f.gefragt);
        const QList<MeldungsBox> m = mängel();
        if (f.meldung.isEmpty()) {
            EXPECT_TRUE(m.isEmpty()) << texte(meldungen);
        } else if (m.size() != 1) {
            ADD_FAILURE() << "expected one message: " << texte(meldungen);
        } else {
            EXPECT_LT(m[0].text.size(), 500);
            for (const QString& teil : f.meldung)
                EXPECT_TRUE(m[0].text.contains(teil)) << m[0].text.left(500).toStdString();
        }
        if (!f.gespeichert.isEmpty()) {
            const QString alles = projektinhalt(f.nummern.value(0)).join(u'\n');
            for (const QString& teil : f.gespeichert)
                EXPECT_TRUE(alles.contains(teil)) << alles.left(500).toStdString();
        }
        if (f.nummern == mitP0 && (f.gefragt.isEmpty() || f.p0Bleibt)) {
            EXPECT_EQ(inhalt(db), vorher);
        }
        if (f.gefragt.isEmpty() || f.p0Bleibt) {
            EXPECT_EQ(projektinhalt(QStringLiteral("P0")), p0vorher);
        } else if (f.gefragt.contains(QStringLiteral("P0"))) {
            // Overwritten as the number shows, with a project of another type: no row of the
            // old type is left.
            const QStringList p0 = projektinhalt(QStringLiteral("P0"));
            EXPECT_EQ(p0.size(), 2) << p0.join(u'\n').toStdString();
            EXPECT_TRUE(p0.value(0).startsWith(QStringLiteral("ProjekteTabelle:'P0'|'Dr'|NULL|'neu'"))) << p0.value(0).toStdString();
            EXPECT_TRUE(p0.value(1).startsWith(QStringLiteral("Druckerhöhungparameter:'P0'"))) << p0.value(1).toStdString();
        }
    }
}

// A disk that fails once, at any write of a restore over stored projects (EIO or ENOSPC, with a
// page cache small enough that rows reach the file before the commit): every project is
// afterwards exactly as it was or exactly as the file holds it, a project not stored is always
// reported, and "unverändert" is never said of a database that changed.
TEST_F(Einlesen, PlattenfehlerLassenJedesProjektAltOderNeu)
{
    const QString bemerkung = QString(190, u'b');
    const QStringList arten = {QStringLiteral("He"), QStringLiteral("Sp"), QStringLiteral("Dr"),
                               QStringLiteral("Sp"), QStringLiteral("Kü"), QStringLiteral("Tr")};
    auto lege = [&](const QString& nr, const QString& art, const QString& wer, int gruppen) {
        projekt(nr, art, {{QStringLiteral("Bauherr"), wer}, {QStringLiteral("Bemerkungen"), wer + bemerkung}});
        for (int g = 1; g <= gruppen; ++g)
            zapfstelle(nr, g, {{QStringLiteral("Bezeichnung"), wer}});
    };
    // The file: every stored project anew (some of another type), and new ones.
    neueDatenbank(QStringLiteral("Quelle.db"));
    QStringList alle;
    for (int i = 0; i < arten.size(); ++i) {
        alle << QStringLiteral("P%1").arg(i);
        const QString& art = arten[(i + 1) % arten.size()];
        lege(alle.last(), art, QStringLiteral("neu"), art == QLatin1String("Sp") ? 2 : 0);
    }
    for (int i = 0; i < 2; ++i) {
        alle << QStringLiteral("N%1").arg(i);
        lege(alle.last(), arten[i], QStringLiteral("neu"), arten[i] == QLatin1String("Sp") ? 1 : 0);
    }
    const QByteArray sicherung = TransferProtokoll::Sichere(alle);

    neueDatenbank(QStringLiteral("Vorlage.db"));
    const QString vorlage = db;
    for (int i = 0; i < arten.size(); ++i)
        lege(QStringLiteral("P%1").arg(i), arten[i], QStringLiteral("alt"), arten[i] == QLatin1String("Sp") ? 3 : 0);
    const QMap<QString, QStringList> alt = projektinhalte(alle);
    const QStringList vorher = inhalt(vorlage);

    const DbVerbindung::Fehlerprobe kleinerCache{
        [](QSqlDatabase& d) { QSqlQuery(d).exec(QStringLiteral("PRAGMA cache_size = 2")); }, {}};
    DbVerbindung::SetzeFehlerprobe(&kleinerCache);
    Plattenfehler platte;
    int n = 0;
    auto kopie = [&]() {
        db = ordner.filePath(QStringLiteral("Daten/Lauf%1.db").arg(++n));
        QFile::copy(vorlage, db);
        zustand().Projekt_Data_Source = db;
    };
    auto lauf = [&]() {
        meldungen.leeren();
        KonfliktSkript skript;
        skript.antworten = {KonfliktAntwort::AlleÜberschreiben};
        einlesen(sicherung);
        // The file as the program finds it when it next opens it: a journal that a failed write
        // left is rolled back.
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("wieder"));
            d.setDatabaseName(db);
            EXPECT_TRUE(d.open());
            EXPECT_TRUE(QSqlQuery(d).exec(QStringLiteral("SELECT count(*) FROM sqlite_master")));
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("wieder"));
    };
    kopie();
    platte.NurZählen();
    lauf();
    const int punkte = platte.Schreibpunkte();
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    const QMap<QString, QStringList> neu = projektinhalte(alle);
    for (const QString& nr : alle)
        ASSERT_NE(neu[nr], alt[nr]) << nr.toStdString();
    ASSERT_GT(punkte, 20);

    for (const auto art : {Plattenfehler::Art::Eingabefehler, Plattenfehler::Art::Voll}) {
        for (int i = 0; i < punkte; ++i) {
            SCOPED_TRACE(QStringLiteral("%1 at write point %2 of %3")
                             .arg(art == Plattenfehler::Art::Voll ? QStringLiteral("ENOSPC") : QStringLiteral("EIO"))
                             .arg(i).arg(punkte).toStdString());
            kopie();
            platte.Scharf(art, i);
            lauf();
            EXPECT_TRUE(platte.Ausgelöst());
            platte.NurZählen();
            bool alleNeu = true, geändert = false;
            const QMap<QString, QStringList> danach = projektinhalte(alle);
            for (const QString& nr : alle) {
                const QStringList& p = danach[nr];
                EXPECT_TRUE(p == alt[nr] || p == neu[nr]) << nr.toStdString() << "\n" << p.join(u'\n').left(400).toStdString();
                alleNeu = alleNeu && p == neu[nr];
                geändert = geändert || p != alt[nr];
            }
            if (!alleNeu) {
                EXPECT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
            }
            for (const MeldungsBox& b : meldungen.boxen) {
                if (b.text.contains(QStringLiteral("unverändert"))) {
                    EXPECT_FALSE(geändert) << b.text.toStdString();
                    EXPECT_TRUE(inhalt(db) == vorher);
                }
            }
        }
    }
    DbVerbindung::SetzeFehlerprobe(nullptr);
}

// A value the table access refuses (a date far out of range) costs no box of its own: every
// project with one is named in the one closing message, and is kept.
TEST_F(Einlesen, AbgewieseneWerteStehenInDerEinenSchlussmeldung)
{
    Zeilen z;
    for (const char* nr : {"D1", "D2", "D3"})
        z += projektZeilen(nr, "Dr", "neu").mid(0, 5) + Zeilen{{"Datum", " 1E+20"}}
             + projektZeilen(nr, "Dr", "neu").mid(5);
    einlesen(zeilen(z));
    EXPECT_EQ(nummern(), (QStringList{QStringLiteral("D1"), QStringLiteral("D2"), QStringLiteral("D3")}));
    ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
    for (const char* nr : {"D1", "D2", "D3"})
        EXPECT_TRUE(meldungen.boxen[0].text.contains(QStringLiteral("Projekt %1: Diese Werte wurden nicht übernommen: "
                                                                    "Datum = \" 1E+20\"").arg(QLatin1String(nr))))
            << meldungen.boxen[0].text.toStdString();
}
