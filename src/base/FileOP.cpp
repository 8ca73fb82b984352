#include "base/FileOP.h"

#include "base/Dateischreiber.h"
#include "base/ModResFiles.h"

#include <QFile>

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
    Dateischreiber aus(Ziel);
    if (!aus.öffnen())
        return ZielNichtSchreibbar;
    char puffer[64 * 1024];
    for (;;) {
        const qint64 n = ein.read(puffer, sizeof puffer);
        if (n < 0)
            return Lesefehler;  // the writer discards its temporary file
        if (n == 0)
            break;
        if (aus.write(puffer, n) != n)
            return Schreibfehler;
    }
    return aus.abschließen() ? 0 : Schreibfehler;
}
