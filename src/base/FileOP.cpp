#include "base/FileOP.h"

#include "base/ModResFiles.h"

#include <QFile>
#include <QSaveFile>

QString FileOP::GetTempName()
{
    QString name;
    return GetTempDateiname(QString(), QStringLiteral("$$"), 0, name) ? name : QString();
}

long FileOP::Save(const QString& quelle, const QString& Ziel, bool /*anzeige*/)
{
    QFile ein(quelle);
    if (!ein.exists())
        return QuelleFehlt;
    if (!ein.open(QIODevice::ReadOnly))
        return Lesefehler;
    QSaveFile aus(Ziel);
    if (!aus.open(QIODevice::WriteOnly))
        return ZielNichtSchreibbar;
    char puffer[64 * 1024];
    for (;;) {
        const qint64 n = ein.read(puffer, sizeof puffer);
        if (n < 0)
            return Lesefehler;  // the QSaveFile discards its temporary file
        if (n == 0)
            break;
        if (aus.write(puffer, n) != n)
            return Schreibfehler;
    }
    return aus.commit() ? 0 : Schreibfehler;
}
