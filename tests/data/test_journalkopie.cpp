#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

#include "ProjektDbFixture.h"
#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "data/Projektdatenbankpruefung.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "exchange/TYVO_XML_Schnittstelle.h"
#include "exchange/XML_Tools.h"
#include "shell/forms/MDIForm1.h"
#include "support/Programmordner.h"
#include "support/Schreibfehler.h"
#include "support/TransferProtokoll.h"

namespace {

using Ende = Projektdatenbankprüfung::Ende;

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Another instance in the middle of a write: a child process that has changed many projects in
// one transaction (more than its page cache holds, so the database file itself is half written)
// and waits there.
class Schreiber {
public:
    explicit Schreiber(const QString& db)
    {
        int rohr[2];
        if (::pipe(rohr) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(rohr[0]);
            const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(db, Kennwort::Projektdatenbank);
            if (!v)
                ::_exit(1);
            QSqlQuery q(v->db());
            bool ok = q.exec(QStringLiteral("PRAGMA cache_size = 2")) && q.exec(QStringLiteral("BEGIN IMMEDIATE"))
                      && q.exec(QStringLiteral("UPDATE ProjekteTabelle SET Bemerkungen = 'halb geschrieben'"));
            for (int i = 0; ok && i < 200; ++i)
                ok = q.exec(QStringLiteral("INSERT INTO ProjekteTabelle (\"Projekt Nr\", Bemerkungen) VALUES ('L%1', '%2')")
                                .arg(i)
                                .arg(QString(1500, QLatin1Char('x'))));
            const char c = ok ? 'w' : 'f';
            if (::write(rohr[1], &c, 1) != 1)
                ::_exit(1);
            for (;;)
                ::pause();
        }
        ::close(rohr[1]);
        char c = 0;
        m_schreibt = m_pid > 0 && ::read(rohr[0], &c, 1) == 1 && c == 'w';
        ::close(rohr[0]);
    }
    ~Schreiber() { töten(); }
    Schreiber(const Schreiber&) = delete;
    Schreiber& operator=(const Schreiber&) = delete;
    bool schreibt() const { return m_schreibt; }
    // SIGKILL in the middle of the write.
    void töten()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

private:
    pid_t m_pid = -1;
    bool m_schreibt = false;
};

class Journalkopie : public ProjektDbFixture {
protected:
    void SetUp() override { ProjektDbFixture::SetUp(); }

    // A database with three projects; no connection stays open.
    void datenbank()
    {
        zustand().Projekt_Data_Source = pfad;
        baue();
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("journalkopie"));
            d.setDatabaseName(pfad);
            ASSERT_TRUE(d.open());
            for (const char* nr : {"2024-001", "2024-002", "2024-003"})
                ASSERT_TRUE(QSqlQuery(d).exec(
                    QStringLiteral("INSERT INTO ProjekteTabelle (\"Projekt Nr\", Projektart, Bemerkungen) VALUES ('%1', 'He', 'fertig')")
                        .arg(QLatin1String(nr))));
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("journalkopie"));
    }
    // The projects and their remark, and SQLite's check of the file.
    QStringList projekte()
    {
        QStringList l;
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("journalkopie_lesen"));
            d.setDatabaseName(pfad);
            EXPECT_TRUE(d.open());
            QSqlQuery q(d);
            q.exec(QStringLiteral("PRAGMA quick_check"));
            while (q.next())
                l << q.value(0).toString();
            q.exec(QStringLiteral("SELECT \"Projekt Nr\", Bemerkungen FROM ProjekteTabelle ORDER BY 1"));
            while (q.next())
                l << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString();
            q.finish();
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("journalkopie_lesen"));
        return l;
    }
    QStringList kopien() const
    {
        return QFileInfo(pfad).dir().entryList({QStringLiteral("Journalkopie*")}, QDir::Dirs, QDir::Name);
    }
};

}  // namespace

// Another instance is killed in the middle of a write, round after round. While it writes, its
// journal is its own: a start beside it copies nothing. Once it is killed, the next start copies
// the database and the hot journal, says once where they lie and plays the journal back; of the
// copies only the newest three stay.
TEST_F(Journalkopie, NurHeisseJournaleUndNurDieNeuestenKopien)
{
    datenbank();
    const QStringList vorher = projekte();
    ASSERT_EQ(vorher.value(0), QStringLiteral("ok"));
    for (int runde = 1; runde <= 5; ++runde) {
        SCOPED_TRACE(runde);
        Schreiber schreiber(pfad);
        ASSERT_TRUE(schreiber.schreibt());
        ASSERT_GT(QFileInfo(pfad + QStringLiteral("-journal")).size(), 0);
        const QStringList davor = kopien();
        QString fehler;
        EXPECT_EQ(Projektdatenbankprüfung::SichereJournal(pfad, &fehler), QString());
        EXPECT_EQ(fehler, QString());
        EXPECT_EQ(kopien(), davor);

        schreiber.töten();
        const QByteArray datei = lies(pfad), journal = lies(pfad + QStringLiteral("-journal"));
        meldungen.boxen.clear();
        Projektdatenbankprüfung prüfung;
        EXPECT_EQ(prüfung.Prüfen(), Ende::Weiter);
        const QString neu = runde == 1 ? QStringLiteral("Journalkopie") : QStringLiteral("Journalkopie-%1").arg(runde);
        ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{3123});
        EXPECT_EQ(meldungen.boxen[0].werte.value(1), QDir::toNativeSeparators(QFileInfo(pfad).dir().filePath(neu)));
        const QDir kopie(QFileInfo(pfad).dir().filePath(neu));
        EXPECT_EQ(lies(kopie.filePath(QStringLiteral("Projektverwaltung.db"))), datei);
        EXPECT_EQ(lies(kopie.filePath(QStringLiteral("Projektverwaltung.db-journal"))), journal);
        EXPECT_EQ(projekte(), vorher);
        EXPECT_FALSE(QFileInfo::exists(pfad + QStringLiteral("-journal")));

        // The next start has nothing more to copy or say.
        meldungen.boxen.clear();
        EXPECT_EQ(prüfung.Prüfen(), Ende::Weiter);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    }
    EXPECT_EQ(kopien(), (QStringList{QStringLiteral("Journalkopie-3"), QStringLiteral("Journalkopie-4"),
                                     QStringLiteral("Journalkopie-5")}));
}

// A writer is killed on a small disk that has no room for the copy: the start says so, with the
// room it needs, leaves nothing of the copy behind and does not touch the database or its journal.
// With room made, the next start copies and plays back.
TEST_F(Journalkopie, KopieOhnePlatzHinterlaesstNichts)
{
    KleinesDateisystem platte("3m");
    if (!platte.bereit())
        GTEST_SKIP() << "tmpfs lässt sich hier nicht einhängen";
    pfad = platte.pfad(QStringLiteral("Projektverwaltung.db"));
    datenbank();
    const QStringList vorher = projekte();
    {
        Schreiber schreiber(pfad);
        ASSERT_TRUE(schreiber.schreibt());
    }
    platte.füllen();
    const QByteArray datei = lies(pfad), journal = lies(pfad + QStringLiteral("-journal"));
    ASSERT_FALSE(journal.isEmpty());
    const QStringList dateien = QDir(platte.pfad(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    Projektdatenbankprüfung prüfung;
    EXPECT_EQ(prüfung.Prüfen(), Ende::Beenden);
    ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
    EXPECT_EQ(meldungen.boxen[0].textIds, (QList<int>{2417}));
    const QString text = meldungen.boxen[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("Diese Kopie ließ sich nicht anlegen"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << text.toStdString();
    EXPECT_EQ(QDir(platte.pfad(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), dateien);
    EXPECT_EQ(lies(pfad), datei);
    EXPECT_EQ(lies(pfad + QStringLiteral("-journal")), journal);

    ASSERT_TRUE(QFile::remove(platte.pfad(QStringLiteral("voll"))));
    meldungen.boxen.clear();
    EXPECT_EQ(prüfung.Prüfen(), Ende::Weiter);
    ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{3123});
    EXPECT_EQ(kopien(), QStringList{QStringLiteral("Journalkopie")});
    EXPECT_EQ(projekte(), vorher);
}

// A host start finds a hot journal whose copy fails (a file stands where its folder would go): the
// program ends without opening the database, and the host's exchange file is answered all the same.
TEST(JournalkopieHoststart, FehlgeschlageneKopieWirdDemHostBeantwortet)
{
    QTemporaryDir dir;
    MeldungsRecorder meldungen;
    TYVO_XML_Schnittstelle austausch;
    ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
    setzeTyvoAnbindung(&austausch);
    const QString db = dir.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
    BaueProjektdatenbank(db);
    {
        Schreiber schreiber(db);
        ASSERT_TRUE(schreiber.schreibt());
    }
    const QByteArray datei = lies(db), journal = lies(db + QStringLiteral("-journal"));
    ASSERT_FALSE(journal.isEmpty());
    {
        QFile im_weg(dir.filePath(QStringLiteral("Daten/Journalkopie")));
        ASSERT_TRUE(im_weg.open(QIODevice::WriteOnly));
    }
    QFile vorlage(QStringLiteral(KELVOR_SOURCE_DIR "/tests/exchange/daten/gueltig.xml"));
    ASSERT_TRUE(vorlage.open(QIODevice::ReadOnly));
    const QByteArray anfrage = vorlage.readAll();
    Programmzustand& z = zustand();
    z.TyvoModus = 2;
    z.TyvoDatei = dir.filePath(QStringLiteral("host.xml"));
    {
        QFile f(z.TyvoDatei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(anfrage);
    }
    {
        auto fenster = std::make_unique<MDIForm1>(dir.path());
        fenster->show();
        for (int i = 0; i < 60; ++i)
            QCoreApplication::processEvents();
        EXPECT_FALSE(fenster->isVisible());
    }
    setzeTyvoAnbindung(nullptr);
    ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
    EXPECT_TRUE(meldungen.boxen[0].text.contains(QString::fromLocal8Bit(std::strerror(EEXIST)))) << texte(meldungen);
    EXPECT_EQ(lies(db), datei);
    EXPECT_EQ(lies(db + QStringLiteral("-journal")), journal);
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("Daten"))).entryList({QStringLiteral("Journalkopie*")}, QDir::AllEntries),
              QStringList{QStringLiteral("Journalkopie")});
    XML_Tools antwort;
    ASSERT_EQ(antwort.LoadXMLDocument(z.TyvoDatei), 0);
    ASSERT_EQ(antwort.GetElementText(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), 0);
    EXPECT_EQ(antwort.ElementeText(), QStringLiteral("-1"));
    zustandZuruecksetzen();
}
