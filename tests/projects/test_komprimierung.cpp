#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <QSqlError>

#include <cstdio>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

#include "ProjekteFixture.h"
#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/Dateischreiber.h"
#include "projects/Datenbankkomprimierung.h"
#include "base/Programmzustand.h"

namespace {

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A compaction whose steps a test can replace.
class Gestört : public Datenbankkomprimierung {
public:
    std::function<bool(const QString&, const QString&)> komprimieren;
    std::function<bool(const QString&, const QString&)> ersetzen;

protected:
    bool Komprimieren(const QString& quelle, const QString& kopie) override
    {
        return komprimieren ? komprimieren(quelle, kopie) : Datenbankkomprimierung::Komprimieren(quelle, kopie);
    }
    bool Ersetzen(const QString& kopie, const QString& ziel) override
    {
        return ersetzen ? ersetzen(kopie, ziel) : Datenbankkomprimierung::Ersetzen(kopie, ziel);
    }
};

class Komprimierung : public Projekte {
protected:
    void SetUp() override
    {
        Projekte::SetUp();
        // Projects of every type, then half of them deleted, so that the file has free pages.
        const QStringList arten = {QStringLiteral("He"), QStringLiteral("Kü"), QStringLiteral("So"),
                                   QStringLiteral("Tr"), QStringLiteral("Dr"), QStringLiteral("Sp")};
        for (int i = 0; i < 60; ++i) {
            const QString nr = QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0'));
            projekt(nr, arten[i % 6], {{QStringLiteral("Bemerkungen"), QString(2000, QLatin1Char('x') )}});
            if (arten[i % 6] == QLatin1String("Sp"))
                zapfstelle(nr, 1, {{QStringLiteral("Bezeichnung"), QStringLiteral("Gruppe")}});
        }
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("komprimierung_test"));
        d.setDatabaseName(db);
        ASSERT_TRUE(d.open());
        QSqlQuery(d).exec(QStringLiteral("DELETE FROM ProjekteTabelle WHERE rowid % 2 = 0"));
        d.close();
        d = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("komprimierung_test"));
        kopie = Datenbankkomprimierung::Arbeitskopie(db);
    }
    QString kopie;
};

}  // namespace

TEST_F(Komprimierung, ErsetztDieDatenbankDurchIhreKompakteKopieMitGleichemInhalt)
{
    EXPECT_EQ(QFileInfo(kopie).fileName(), QStringLiteral("ProjektverwaltungT10.db"));
    // A working copy left by an earlier run is deleted first.
    QFile alt(kopie);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("Rest eines abgebrochenen Laufs");
    alt.close();
    const QStringList vorher = inhalt(db);
    const qint64 größe = QFileInfo(db).size();

    Gestört k;
    // At the moment of the replacement the database is the old complete file and the copy is
    // complete too.
    k.ersetzen = [&](const QString& von, const QString& nach) {
        EXPECT_EQ(inhalt(nach), vorher);
        EXPECT_EQ(inhalt(von), vorher);
        return Dateischreiber(nach).übernehmen(von);
    };
    EXPECT_TRUE(k.DatenbankKomprimieren());
    EXPECT_EQ(inhalt(db), vorher);
    EXPECT_LT(QFileInfo(db).size(), größe);
    EXPECT_FALSE(QFileInfo::exists(kopie));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    // The compacted database opens with its password.
    datenbank tab;
    EXPECT_EQ(tab.OpenTab(db, QStringLiteral("Select * From ProjekteTabelle"), 3, Kennwort::Projektdatenbank, true), 0);
}

TEST_F(Komprimierung, FehlschlagLässtDieAlteDatenbankAnIhremPlatz)
{
    struct Fall {
        const char* name;
        std::function<void(Gestört&, std::unique_ptr<datenbank>&)> vorbereiten;
        bool kopieBleibt;  // the obstacle itself (a folder of the working copy's name)
    };
    const Fall fälle[] = {
        {"Kopie bricht mitten im Schreiben ab",
         [](Gestört& k, std::unique_ptr<datenbank>&) {
             k.komprimieren = [](const QString&, const QString& kopie) {
                 QFile f(kopie);
                 f.open(QIODevice::WriteOnly);
                 f.write("SQLite format 3");
                 return false;
             };
         },
         false},
        {"Umbenennen scheitert", [](Gestört& k, std::unique_ptr<datenbank>&) { k.ersetzen = [](auto&, auto&) { return false; }; },
         false},
        {"alte Arbeitskopie nicht löschbar",
         [this](Gestört&, std::unique_ptr<datenbank>&) { ASSERT_TRUE(QDir().mkpath(kopie + QStringLiteral("/x"))); }, true},
        {"Datenbank anderswo geöffnet",
         [this](Gestört&, std::unique_ptr<datenbank>& offen) {
             offen = std::make_unique<datenbank>();
             ASSERT_EQ(offen->OpenTab(db, QStringLiteral("Select * From ProjekteTabelle"), 2,
                                      Kennwort::Projektdatenbank, true), 0);
         },
         false},
        {"falsches Kennwort",
         [this](Gestört&, std::unique_ptr<datenbank>&) {
             QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("kennwort_test"));
             d.setDatabaseName(db);
             ASSERT_TRUE(d.open());
             ASSERT_TRUE(Kennwort::Setzen(d, QStringLiteral("anders")));
             d.close();
             d = QSqlDatabase();
             QSqlDatabase::removeDatabase(QStringLiteral("kennwort_test"));
         },
         false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        QDir(kopie).removeRecursively();
        Gestört k;
        std::unique_ptr<datenbank> offen;
        f.vorbereiten(k, offen);
        const QByteArray vorher = lies(db);
        EXPECT_FALSE(k.DatenbankKomprimieren());
        offen.reset();
        EXPECT_EQ(lies(db), vorher);
        EXPECT_EQ(QFileInfo::exists(kopie), f.kopieBleibt);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    }
    // Without a database nothing is done.
    QDir(kopie).removeRecursively();
    ASSERT_TRUE(QFile::remove(db));
    EXPECT_FALSE(Datenbankkomprimierung().DatenbankKomprimieren());
    EXPECT_FALSE(QFileInfo::exists(db));
    EXPECT_FALSE(QFileInfo::exists(kopie));
}

// Another instance keeps the database open and saves projects, one commit each, while this one
// compacts: every compaction is refused and says why, and every project the other one saved is
// there. Once the other instance has ended, the compaction runs.
TEST_F(Komprimierung, AnderesProgrammMitOffenerDatenbankVerliertNichts)
{
    constexpr int anzahl = 300;
    const int vorher = nummern().size();
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        ::close(rohr[0]);
        const auto melde = [&](char c) { return ::write(rohr[1], &c, 1) == 1; };
        const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(db, Kennwort::Projektdatenbank);
        if (!v || !melde('b'))
            ::_exit(1);
        QSqlQuery q(v->db());
        q.prepare(QStringLiteral("INSERT INTO ProjekteTabelle (\"Projekt Nr\", Projektart) VALUES (?, 'He')"));
        for (int i = 0; i < anzahl; ++i) {
            q.bindValue(0, QStringLiteral("Z%1").arg(i, 3, 10, QLatin1Char('0')));
            if (!q.exec() || !melde('+')) {
                std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
                ::_exit(2);
            }
        }
        ::_exit(0);
    }
    ::close(rohr[1]);
    char c = 0;
    ASSERT_EQ(::read(rohr[0], &c, 1), 1);
    ASSERT_EQ(c, 'b');
    // Until the last save is reported, the other instance holds its connection open.
    int versuche = 0, gespeichert = 0, status = 0;
    for (bool läuft = true; läuft && gespeichert < anzahl;) {
        EXPECT_FALSE(Datenbankkomprimierung().DatenbankKomprimieren());
        ++versuche;
        do
            läuft = ::read(rohr[0], &c, 1) == 1;
        while (läuft && ++gespeichert % 50 != 0);
    }
    ::close(rohr[0]);
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "Speichern des anderen Programms gescheitert";
    EXPECT_EQ(nummern().size(), vorher + anzahl);
    ASSERT_GT(versuche, 0);
    EXPECT_EQ(meldungen.boxen.size(), versuche) << texte(meldungen);
    for (const MeldungsBox& b : meldungen.boxen)
        EXPECT_EQ(b.textIds, QList<int>{3120});
    EXPECT_FALSE(QFileInfo::exists(kopie));

    meldungen.boxen.clear();
    const QStringList alles = inhalt(db);
    EXPECT_TRUE(Datenbankkomprimierung().DatenbankKomprimieren());
    EXPECT_EQ(inhalt(db), alles);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}
