// Databases that come from outside, crafted to make the program work without end, lose data or
// mistake what it reads: each read-in and each start must stay within fixed bounds of time and
// memory and leave the right file in use, say why, and lose nothing.

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ProjekteFixture.h"
#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "data/Projektdatenbankpruefung.h"
#include "projects/ArtikeldatenEinlesen.h"
#include "projects/Einlesevorgang.h"
#include "base/AllgFunktionen.h"
#include "base/Datenpfade.h"
#include "base/Programmzustand.h"
#include "shell/Waehrung.h"
#include "support/ImKind.h"
#include "support/TestDatenbank.h"

namespace {

// The bounds: each read-in and each start, against the same work on sound files: at most one
// more statement ended by the work bound, and this much more memory.
constexpr qint64 MaxMehrArbeit = DbVerbindung::MaxFortschrittsaufrufe + 1;
constexpr long MaxMehrKb = 300 * 1024;
// A run that hangs or grows further is ended by the test.
constexpr int AbbruchMs = 60000;
constexpr long AbbruchMehrKb = 900 * 1024;

// What a run in the child process leaves to look at besides the files.
struct Bericht {
    QStringList vorlagen;  // the messages' templates
    QStringList texte;     // and their texts
    QString artikelquelle;
    QString währung;
    double mwst = 0;
    int ende = -1;  // the start check's outcome
    qint64 arbeit = 0;  // the work of SQLite's statements, in calls of the progress handler
};

QDataStream& operator<<(QDataStream& s, const Bericht& b)
{
    return s << b.vorlagen << b.texte << b.artikelquelle << b.währung << b.mwst << b.ende << b.arbeit;
}
QDataStream& operator>>(QDataStream& s, Bericht& b)
{
    return s >> b.vorlagen >> b.texte >> b.artikelquelle >> b.währung >> b.mwst >> b.ende >> b.arbeit;
}

struct Lauf {
    bool beendet = false;  // ended by itself, not by the test
    double sekunden = 0;
    long maxRssKb = 0;
    Bericht bericht;
};

// Runs arbeit in a child process, which has this process's state and files; ends it when it
// runs too long or grows too large. Time, peak memory and the child's report.
Lauf imKind(const std::function<Bericht()>& arbeit)
{
    const Kindlauf k = ImKindLauf(
        [&] {
            QByteArray daten;
            QDataStream s(&daten, QIODevice::WriteOnly);
            s << arbeit();
            return daten;
        },
        {AbbruchMs, AbbruchMehrKb});
    Lauf lauf;
    lauf.beendet = k.beendet;
    lauf.sekunden = k.sekunden;
    lauf.maxRssKb = k.maxRssKb;
    if (lauf.beendet) {
        QDataStream s(k.antwort);
        s >> lauf.bericht;
    }
    return lauf;
}

// A process of its own that holds the file locked (BEGIN EXCLUSIVE, or the transaction given)
// until it is ended.
class Sperre {
public:
    explicit Sperre(const QString& pfad, const char* beginn = "BEGIN EXCLUSIVE")
    {
        int rohr[2];
        if (pipe(rohr) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(rohr[0]);
            sqlite3* h = nullptr;
            const bool ok = sqlite3_open(pfad.toUtf8().constData(), &h) == SQLITE_OK
                            && sqlite3_exec(h, beginn, nullptr, nullptr, nullptr) == SQLITE_OK;
            const char z = ok ? '1' : '0';
            if (write(rohr[1], &z, 1) != 1)
                _exit(1);
            for (;;)
                pause();
        }
        close(rohr[1]);
        char z = '0';
        m_gesperrt = read(rohr[0], &z, 1) == 1 && z == '1';
        close(rohr[0]);
    }
    ~Sperre()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
    bool gesperrt() const { return m_gesperrt; }

private:
    pid_t m_pid = -1;
    bool m_gesperrt = false;
};

// A database left by a process that died in a write transaction: the file and its hot journal.
// The journal is returned; the process changed one row of a small table.
QByteArray heißesJournal(const QString& pfad)
{
    const pid_t kind = fork();
    if (kind == 0) {
        sqlite3* h = nullptr;
        if (sqlite3_open(pfad.toUtf8().constData(), &h) != SQLITE_OK)
            _exit(1);
        // A small cache spills the change into the file before the commit, after the journal
        // is synced: the journal is hot once the process is gone.
        const char* sql = "PRAGMA cache_size = 1;"
                          "CREATE TABLE Fremd (x BLOB);"
                          "CREATE TABLE Fremd2 (y BLOB);"
                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60) "
                          "INSERT INTO Fremd SELECT randomblob(300) FROM n;"
                          "INSERT INTO Fremd2 SELECT x FROM Fremd;"
                          "BEGIN;"
                          "UPDATE Fremd SET x = randomblob(300);";
        if (sqlite3_exec(h, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            _exit(1);
        _exit(0);  // no commit, no rollback: as a crash
    }
    int status = 0;
    waitpid(kind, &status, 0);
    QFile journal(pfad + QStringLiteral("-journal"));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return journal.open(QIODevice::ReadOnly) ? journal.readAll() : QByteArray();
}

QByteArray inhaltVon(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString text(int id)
{
    return LadeText(id);
}

enum class Vorgang { Einlesen, ArtikelStart, ProjektStart, Wiederherstellen };

const char* name(Vorgang v)
{
    switch (v) {
    case Vorgang::Einlesen: return "Einlesen neuer Artikeldaten";
    case Vorgang::ArtikelStart: return "Start mit eigener Artikeldatenbank";
    case Vorgang::ProjektStart: return "Start, Prüfung der Projektdatenbank";
    case Vorgang::Wiederherstellen: return "Einlesen gesicherter Projekte";
    }
    return "";
}

class FremdeDatenbanken : public Projekte {
protected:
    void SetUp() override
    {
        Projekte::SetUp();
        ASSERT_TRUE(QDir(installation.path()).mkpath(QStringLiteral("Daten")));
        ausgeliefert = Datenbankdatei(installation.path(), QStringLiteral("Artikeld.db"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KELVOR_ARTIKEL_DB), ausgeliefert));
        zustand().Installationspfad = installation.path();
        zustand().Artikel_Data_Source = ausgeliefert;
        eigene = Datenbankdatei(ordner.path(), QStringLiteral("Artikeld.db"));
        // A project database worth keeping.
        sql(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                           "INSERT INTO ProjekteTabelle (\"Projekt Nr\", Projektart, Bauherr) "
                           "SELECT printf('P%04d', i), 'He', 'Bauherr ' || i FROM n"));
        sql(QStringLiteral("INSERT INTO DatenbankInfo (DBVersionHaupt, DBVersionNeben, DBVersionRevis) VALUES (2, 5, 0)"));
        sicherung = datei(QStringLiteral("projekte.sic"), zeilen(projektZeilen("N1", "He", "neu")));
    }

    // A statement on the project database, over a connection of the test's own.
    void sql(const QString& text)
    {
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fremd_test"));
            d.setDatabaseName(db);
            ASSERT_TRUE(d.open());
            QSqlQuery q(d);
            EXPECT_TRUE(q.exec(text)) << text.toStdString();
            q.finish();
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fremd_test"));
    }

    // The work of one kind, as the program does it, in a child process.
    Lauf lauf(Vorgang v, const QString& datei = {})
    {
        return imKind([&] {
            meldungen.leeren();
            Bericht b;
            Programmzustand& z = zustand();
            const qint64 vorher = DbVerbindung::FortschrittsaufrufeInsgesamt();
            switch (v) {
            case Vorgang::Einlesen:
                dateiwahl.antwort = datei;
                ArtikeldatenEinlesen();
                break;
            case Vorgang::ArtikelStart:
                z.Artikel_Data_Source = ArtikeldatenbankBeimStart({installation.path(), ordner.path()},
                                                                  QStringLiteral("Artikeld.db"));
                LeseWaehrung(z);
                break;
            case Vorgang::ProjektStart:
                b.ende = static_cast<int>(Projektdatenbankprüfung().Prüfen());
                break;
            case Vorgang::Wiederherstellen:
                Einlesevorgang().LiesDatei(sicherung);
                break;
            }
            b.arbeit = DbVerbindung::FortschrittsaufrufeInsgesamt() - vorher;
            for (const MeldungsBox& m : meldungen.boxen) {
                b.vorlagen << m.vorlage;
                b.texte << m.text;
            }
            b.artikelquelle = z.Artikel_Data_Source;
            b.währung = z.Währungskürzel;
            b.mwst = z.Mehrwertsteuersatz;
            return b;
        });
    }

    QStringList daten() const
    {
        return QDir(Datenordner(ordner.path())).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir installation;
    QString ausgeliefert;
    QString eigene;
    QString sicherung;
};

// The shipped article database with its [Waehrung] table replaced by one whose third column
// computes 200 MB per row.
const QStringList Schemabombe = {
    QStringLiteral("DROP TABLE Waehrung"),
    QStringLiteral("CREATE TABLE Waehrung (Waehrungskürzel TEXT, [MwStSatz in Prozent] REAL, "
                   "Auffuellung TEXT GENERATED ALWAYS AS (hex(zeroblob(100000000))) VIRTUAL)"),
    QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 8) "
                   "INSERT INTO Waehrung (Waehrungskürzel, [MwStSatz in Prozent]) SELECT 'EUR', 19 FROM n")};
// The access check as a view that never ends.
const QStringList EndloseSicht = {
    QStringLiteral("DROP TABLE KelvorZugang"),
    QStringLiteral("CREATE VIEW KelvorZugang AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) "
                   "SELECT '%1' AS Pruefwert FROM r WHERE n < 0").arg(Kennwort::Pruefwert(Kennwort::Artikeldatenbank))};

struct Fall {
    const char* name;
    Vorgang vorgang;
    QStringList artikel;                   // the crafted article database (shipped one changed)
    std::function<void()> projekt;         // or: the crafted project database (made in place)
    std::function<void(const Bericht&)> danach;
};

}  // namespace

TEST_F(FremdeDatenbanken, BleibenInIhrenGrenzenUndNichtsGehtVerloren)
{
    const QByteArray projektdatenbank = inhaltVon(db);
    QByteArray vorher;  // the project database as the case made it
    QByteArray fremdesJournal;
    std::unique_ptr<Sperre> sperre;

    // Read-in refused: the article database in use stays, no file is left in "Daten".
    const auto eingelesenAbgewiesen = [&](const QString& grund) {
        return [this, grund](const Bericht& b) {
            ASSERT_EQ(b.vorlagen.size(), 1) << b.texte.join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(b.vorlagen[0], text(2981));
            EXPECT_TRUE(b.texte[0].contains(grund)) << b.texte[0].toStdString();
            EXPECT_EQ(b.artikelquelle, ausgeliefert);
            EXPECT_EQ(daten(), QStringList{QStringLiteral("Projektverwaltung.db")});
        };
    };
    // At start the user's copy gives way to the shipped one and is kept under another name.
    const auto startMitAusgelieferter = [&](const QString& grund) {
        return [this, grund](const Bericht& b) {
            ASSERT_EQ(b.vorlagen.size(), 1) << b.texte.join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(b.vorlagen[0], text(2982));
            EXPECT_TRUE(b.texte[0].contains(grund)) << b.texte[0].toStdString();
            EXPECT_TRUE(b.texte[0].contains(QDir::toNativeSeparators(eigene + QStringLiteral(".abgelegt"))));
            EXPECT_EQ(b.artikelquelle, ausgeliefert);
            EXPECT_EQ(b.währung, QStringLiteral("EUR"));
            EXPECT_EQ(b.mwst, 19.0);
            EXPECT_FALSE(QFileInfo::exists(eigene));
            EXPECT_TRUE(QFileInfo(eigene + QStringLiteral(".abgelegt")).size() > 0);
        };
    };
    // The project database stays as it was and the program ends with the reason.
    const auto projekteUnverändert = [&](const QString& grund) {
        return [&, grund](const Bericht& b) {
            EXPECT_EQ(b.ende, static_cast<int>(Projektdatenbankprüfung::Ende::Beenden));
            ASSERT_EQ(b.vorlagen.size(), 1) << b.texte.join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(b.vorlagen[0], text(2417));
            EXPECT_TRUE(b.texte[0].contains(grund)) << b.texte[0].toStdString();
            EXPECT_EQ(inhaltVon(db), vorher);
        };
    };
    const QString vonAnderemProgramm = text(2980);
    // Another process holds the file in a transaction begun so.
    const auto sperren = [&](const QString& pfad, const char* beginn) {
        return [&sperre, pfad, beginn] {
            sperre = std::make_unique<Sperre>(pfad, beginn);
            ASSERT_TRUE(sperre->gesperrt());
        };
    };
    // The restore refused: the project database in use by another program, and unchanged.
    const auto nichtWiederhergestellt = [&](const Bericht& b) {
        ASSERT_EQ(b.vorlagen.size(), 1) << b.texte.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(b.vorlagen[0], text(2920));
        EXPECT_TRUE(b.texte[0].contains(vonAnderemProgramm)) << b.texte[0].toStdString();
        EXPECT_EQ(inhaltVon(db), vorher);
    };

    const Fall fälle[] = {
        {"Schemabombe", Vorgang::Einlesen, Schemabombe, {}, eingelesenAbgewiesen(QStringLiteral("[Waehrung]"))},
        {"Schemabombe", Vorgang::ArtikelStart, Schemabombe, {}, startMitAusgelieferter(QStringLiteral("[Waehrung]"))},
        {"endlose Sicht", Vorgang::Einlesen, EndloseSicht, {}, eingelesenAbgewiesen(QStringLiteral("KelvorZugang"))},
        {"endlose Sicht", Vorgang::ArtikelStart, EndloseSicht, {}, startMitAusgelieferter(QStringLiteral("KelvorZugang"))},
        {"MwSt als Wort", Vorgang::Einlesen, {QStringLiteral("UPDATE Waehrung SET [MwStSatz in Prozent] = 'neunzehn'")}, {},
         eingelesenAbgewiesen(QStringLiteral("[MwStSatz in Prozent]"))},
        {"MwSt 1e308", Vorgang::Einlesen, {QStringLiteral("UPDATE Waehrung SET [MwStSatz in Prozent] = 1e308")}, {},
         eingelesenAbgewiesen(QStringLiteral("[MwStSatz in Prozent]"))},
        {"Währung als BLOB", Vorgang::Einlesen, {QStringLiteral("UPDATE Waehrung SET Waehrungskürzel = x'455552'")}, {},
         eingelesenAbgewiesen(QStringLiteral("[Waehrungskürzel]"))},
        {"MwSt als Wort", Vorgang::ArtikelStart, {QStringLiteral("UPDATE Waehrung SET [MwStSatz in Prozent] = 'neunzehn'")},
         {}, startMitAusgelieferter(QStringLiteral("[MwStSatz in Prozent]"))},
        {"Trigger löscht die Projekte", Vorgang::ProjektStart, {},
         [&] {
             sql(QStringLiteral("DELETE FROM DatenbankInfo"));
             sql(QStringLiteral("CREATE TRIGGER Aufraeumen AFTER INSERT ON DatenbankInfo BEGIN DELETE FROM ProjekteTabelle; END"));
         },
         [&](const Bericht& b) { projekteUnverändert(QStringLiteral("Aufraeumen"))(b); }},
        {"fremdes Journal", Vorgang::ProjektStart, {},
         [&] {
             QTemporaryDir anderswo;
             fremdesJournal = heißesJournal(anderswo.filePath(QStringLiteral("andere.db")));
             ASSERT_FALSE(fremdesJournal.isEmpty());
             QFile journal(db + QStringLiteral("-journal"));
             ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
             journal.write(fremdesJournal);
         },
         [&](const Bericht& b) {
             // The pair as it lay is kept, and a damage found is told with where it is.
             const QString kopie = Datenordner(ordner.path()) + QStringLiteral("/Journalkopie");
             EXPECT_EQ(inhaltVon(kopie + QStringLiteral("/Projektverwaltung.db")), projektdatenbank);
             EXPECT_EQ(inhaltVon(kopie + QStringLiteral("/Projektverwaltung.db-journal")), fremdesJournal);
             ASSERT_EQ(b.vorlagen.size(), 1) << b.texte.join(QLatin1Char('\n')).toStdString();
             EXPECT_EQ(b.vorlagen[0], text(2417));
             EXPECT_TRUE(b.texte[0].contains(QDir::toNativeSeparators(kopie))) << b.texte[0].toStdString();
         }},
        {"von anderem Programm gesperrt", Vorgang::ProjektStart, {},
         [&] {
             sperre = std::make_unique<Sperre>(db);
             ASSERT_TRUE(sperre->gesperrt());
         },
         [&](const Bericht& b) { projekteUnverändert(vonAnderemProgramm)(b); }},
        {"von anderem Programm gesperrt", Vorgang::Wiederherstellen, {}, sperren(db, "BEGIN EXCLUSIVE"),
         nichtWiederhergestellt},
        {"in einer Schreibtransaktion eines anderen Programms", Vorgang::Wiederherstellen, {},
         sperren(db, "BEGIN IMMEDIATE"), nichtWiederhergestellt},
        // Only busy: the shipped one serves this run, the user's own stays where it is.
        {"von anderem Programm gesperrt", Vorgang::ArtikelStart, {},
         [&] {
             ASSERT_TRUE(QFile::copy(ausgeliefert, eigene));
             sperren(eigene, "BEGIN EXCLUSIVE")();
         },
         [&](const Bericht& b) {
             ASSERT_EQ(b.vorlagen.size(), 1) << b.texte.join(QLatin1Char('\n')).toStdString();
             EXPECT_EQ(b.vorlagen[0], text(3160));
             EXPECT_TRUE(b.texte[0].contains(vonAnderemProgramm)) << b.texte[0].toStdString();
             EXPECT_EQ(b.artikelquelle, ausgeliefert);
             EXPECT_EQ(b.währung, QStringLiteral("EUR"));
             EXPECT_TRUE(QFileInfo(eigene).size() > 0);
             EXPECT_FALSE(QFileInfo::exists(eigene + QStringLiteral(".abgelegt")));
         }},
    };

    // The same work on sound files: the reference for the bounds of work and memory.
    QMap<Vorgang, long> grundlage;
    QMap<Vorgang, qint64> grundarbeit;
    {
        TestDatenbank neu(TestDatenbank::KopieVon{QStringLiteral(KELVOR_ARTIKEL_DB)}, {}, QStringLiteral("Artikeld.db"));
        for (Vorgang v : {Vorgang::Einlesen, Vorgang::ArtikelStart, Vorgang::ProjektStart, Vorgang::Wiederherstellen}) {
            if (v == Vorgang::ArtikelStart) {
                ASSERT_TRUE(QFile::copy(neu.pfad(), eigene));
            }
            ASSERT_FALSE(DbVerbindung::IstOffen(db));
            const Lauf l = lauf(v, neu.pfad());
            ASSERT_TRUE(l.beendet) << name(v);
            EXPECT_TRUE(l.bericht.vorlagen.isEmpty()) << name(v) << ": " << l.bericht.texte.join(QLatin1Char('\n')).toStdString();
            grundlage[v] = l.maxRssKb;
            grundarbeit[v] = l.bericht.arbeit;
            QFile::remove(eigene);
        }
    }

    for (const Fall& f : fälle) {
        SCOPED_TRACE(std::string(f.name) + ", " + name(f.vorgang));
        // Every case starts from the same files.
        QFile::remove(eigene);
        QFile::remove(eigene + QStringLiteral(".abgelegt"));
        QFile::remove(db + QStringLiteral("-journal"));
        QDir(Datenordner(ordner.path()) + QStringLiteral("/Journalkopie")).removeRecursively();
        QFile::remove(db);
        {
            QFile f2(db);
            ASSERT_TRUE(f2.open(QIODevice::WriteOnly));
            f2.write(projektdatenbank);
        }
        zustand().Artikel_Data_Source = ausgeliefert;
        std::unique_ptr<TestDatenbank> artikel;
        QString datei;
        if (!f.artikel.isEmpty()) {
            artikel = std::make_unique<TestDatenbank>(TestDatenbank::KopieVon{QStringLiteral(KELVOR_ARTIKEL_DB)},
                                                      f.artikel, QStringLiteral("Artikeld.db"));
            datei = artikel->pfad();
            if (f.vorgang == Vorgang::ArtikelStart) {
                ASSERT_TRUE(QFile::copy(datei, eigene));
            }
        }
        if (f.projekt)
            f.projekt();
        vorher = inhaltVon(db);
        ASSERT_FALSE(DbVerbindung::IstOffen(db));  // a connection must not pass into the child
        const Lauf l = lauf(f.vorgang, datei);
        sperre.reset();
        if (!l.beendet) {
            ADD_FAILURE() << "ended by the test after " << l.sekunden << " s, " << l.maxRssKb / 1024 << " MB";
            continue;
        }
        EXPECT_LE(l.bericht.arbeit, grundarbeit[f.vorgang] + MaxMehrArbeit);
        EXPECT_LT(l.maxRssKb - grundlage[f.vorgang], MaxMehrKb) << l.maxRssKb / 1024 << " MB";
        f.danach(l.bericht);
    }
}

