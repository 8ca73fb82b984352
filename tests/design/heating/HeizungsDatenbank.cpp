#include "HeizungsDatenbank.h"

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

}  // namespace

void HeizungsDatenbank::SetUp()
{
    zustandZuruecksetzen();
    ASSERT_TRUE(ordner.isValid());
    pfad = ordner.filePath(QStringLiteral("Projektverwaltung.db"));
    ASSERT_TRUE(QFile::copy(vorlage(), pfad));

    Programmzustand& z = zustand();
    z.Projekt_Data_Source = pfad;
    z.Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    z.aktProjektnummer = QStringLiteral("H-1");
    static int zähler = 0;
    m_verbindung = QStringLiteral("heizung_test%1").arg(++zähler);
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    d.setDatabaseName(pfad);
    ASSERT_TRUE(d.open());
}

void HeizungsDatenbank::TearDown()
{
    QSqlDatabase::database(m_verbindung, false).close();
    QSqlDatabase::removeDatabase(m_verbindung);
}

void HeizungsDatenbank::sql(const QString& text) const
{
    QSqlQuery q(QSqlDatabase::database(m_verbindung, false));
    EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
}

QVariant HeizungsDatenbank::wert(const QString& abfrage) const
{
    QSqlQuery q(QSqlDatabase::database(m_verbindung, false));
    if (!q.exec(abfrage)) {
        ADD_FAILURE() << abfrage.toStdString() << ": " << q.lastError().text().toStdString();
        return {};
    }
    return q.next() ? q.value(0) : QVariant();
}

QVariant HeizungsDatenbank::feld(const QString& name, const QString& projekt) const
{
    return wert(QStringLiteral("SELECT \"%1\" FROM Heizungsparameter WHERE \"Projekt Nr\" = '%2'").arg(name, projekt));
}

int HeizungsDatenbank::zeilen() const
{
    return wert(QStringLiteral("SELECT COUNT(*) FROM Heizungsparameter")).toInt();
}
