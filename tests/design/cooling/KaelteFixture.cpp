#include "KaelteFixture.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "base/Programmzustand.h"
#include "support/TransferProtokoll.h"

namespace {

// The empty database is built once and copied for each test.
QString vorlage()
{
    static QTemporaryDir ordner;
    static const QString pfad = [] {
        const QString p = ordner.filePath(QStringLiteral("Vorlage.db"));
        BaueProjektdatenbank(p);
        return p;
    }();
    return pfad;
}

QString textliteral(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

}  // namespace

void KälteFixture::SetUp()
{
    zustandZuruecksetzen();
    ASSERT_TRUE(ordner.isValid());
    pfad = ordner.filePath(QStringLiteral("Projektverwaltung.db"));
    ASSERT_TRUE(QFile::copy(vorlage(), pfad));
    Programmzustand& z = zustand();
    z.Projekt_Data_Source = pfad;
    z.Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    z.aktProjektnummer = QStringLiteral("K-1");
    static int zähler = 0;
    m_verbindung = QStringLiteral("kaelte_test%1").arg(++zähler);
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    d.setDatabaseName(pfad);
    ASSERT_TRUE(d.open());
}

void KälteFixture::TearDown()
{
    QSqlDatabase::database(m_verbindung, false).close();
    QSqlDatabase::removeDatabase(m_verbindung);
}

void KälteFixture::sql(const QString& text) const
{
    QSqlQuery q(QSqlDatabase::database(m_verbindung, false));
    EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
}

QVariant KälteFixture::wert(const QString& abfrage) const
{
    QSqlQuery q(QSqlDatabase::database(m_verbindung, false));
    if (!q.exec(abfrage)) {
        ADD_FAILURE() << abfrage.toStdString() << ": " << q.lastError().text().toStdString();
        return {};
    }
    return q.next() ? q.value(0) : QVariant();
}

void KälteFixture::zeile(const QString& projekt, const QString& spalten, const QString& werte) const
{
    sql(QStringLiteral("INSERT INTO \"Kälteparameter\" (\"Projekt Nr\"%1) VALUES (%2%3)")
            .arg(spalten.isEmpty() ? QString() : QStringLiteral(", ") + spalten, textliteral(projekt),
                 werte.isEmpty() ? QString() : QStringLiteral(", ") + werte));
}

QVariant KälteFixture::feld(const QString& name, const QString& projekt) const
{
    return wert(QStringLiteral("SELECT \"%1\" FROM \"Kälteparameter\" WHERE \"Projekt Nr\" = %2").arg(name, textliteral(projekt)));
}

int KälteFixture::zeilen() const
{
    return wert(QStringLiteral("SELECT COUNT(*) FROM \"Kälteparameter\"")).toInt();
}
