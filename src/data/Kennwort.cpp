#include "data/Kennwort.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QVariant>

namespace Kennwort {

QString Pruefwert(const QString& passwort)
{
    // Must match cmake/BaueArtikelDB.cmake.
    return QString::fromLatin1(
        QCryptographicHash::hash(QStringLiteral("kelvor-zugang:%1").arg(passwort).toUtf8(),
                                 QCryptographicHash::Sha256).toHex());
}

bool Setzen(QSqlDatabase& db, const QString& passwort)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS KelvorZugang (Pruefwert TEXT NOT NULL)")))
        return false;
    if (!q.exec(QStringLiteral("DELETE FROM KelvorZugang")))
        return false;
    q.prepare(QStringLiteral("INSERT INTO KelvorZugang (Pruefwert) VALUES (?)"));
    q.addBindValue(Pruefwert(passwort));
    return q.exec();
}

bool Pruefen(const QSqlDatabase& db, const QString& passwort, QSqlError* lesefehler)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT Pruefwert FROM KelvorZugang"))) {
        if (lesefehler)
            *lesefehler = q.lastError();
        return false;
    }
    if (!q.next())
        return false;
    return q.value(0).toString() == Pruefwert(passwort);
}

}  // namespace Kennwort
