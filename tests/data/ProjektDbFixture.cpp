#include "ProjektDbFixture.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"
#include "data/Tabellenaufbau.h"
#include "base/Programmzustand.h"
#include "support/TransferProtokoll.h"

void ProjektDbFixture::SetUp()
{
    zustandZuruecksetzen();
    ASSERT_TRUE(ordner.isValid());
    pfad = ordner.filePath(QStringLiteral("Projektverwaltung.db"));
    zustand().Projekt_Data_Source = pfad;
}

void ProjektDbFixture::starte(ManipDatenbank& m, const QString& pfad, const QString& passwort)
{
    m.Init();
    m.SetPasswort(passwort);
    m.CreateDBank(pfad);
}

void ProjektDbFixture::baue(const QString& p)
{
    BaueProjektdatenbank(p.isEmpty() ? pfad : p);
}

void ProjektDbFixture::TearDown()
{
    if (!m_verbindung.isEmpty()) {
        QSqlDatabase::database(m_verbindung, false).close();
        QSqlDatabase::removeDatabase(m_verbindung);
    }
}

QSqlDatabase ProjektDbFixture::db()
{
    if (m_verbindung.isEmpty()) {
        static int zähler = 0;
        m_verbindung = QStringLiteral("test_projektdb%1").arg(++zähler);
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
        d.setDatabaseName(pfad);
        EXPECT_TRUE(d.open()) << d.lastError().text().toStdString();
    }
    return QSqlDatabase::database(m_verbindung, false);
}

void ProjektDbFixture::altDatenbank(const QStringList& statements)
{
    QSqlDatabase d = db();
    EXPECT_TRUE(Kennwort::Setzen(d, Kennwort::Projektdatenbank));
    for (const QString& s : statements)
        sql(s);
}

void ProjektDbFixture::sql(const QString& text)
{
    QSqlQuery q(db());
    EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
}

QStringList ProjektDbFixture::spalten(const QString& tabelle)
{
    QStringList namen;
    QSqlQuery q(db());
    q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabelle));
    while (q.next())
        namen << q.value(1).toString();
    return namen;
}

std::string texte(const MeldungsRecorder& r)
{
    std::string s;
    for (const MeldungsBox& b : r.boxen)
        s += b.text.toStdString() + " [" + b.werte.join(QLatin1Char('|')).toStdString() + "]\n";
    return s;
}

QList<MeldungsBox> datenbankMeldungen(const MeldungsRecorder& r)
{
    QList<MeldungsBox> l;
    for (const MeldungsBox& b : r.boxen)
        if (b.art == 5)
            l << b;
    return l;
}
