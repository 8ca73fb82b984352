#include "base/FileOP.h"

#include "base/Dateischreiber.h"
#include "base/ModResFiles.h"

#include <QFile>

#include <cerrno>
#include <cstring>

QString FileOP::GetTempName(QString* grund)
{
    QString name;
    return GetTempDateiname(QString(), QStringLiteral("$$"), 0, name, grund) ? name : QString();
}

long FileOP::Save(const QString& quelle, const QString& Ziel, bool /*anzeige*/, QString* grund)
{
    if (!QFile::exists(quelle)) {
        if (grund)
            *grund = QString::fromLocal8Bit(std::strerror(ENOENT));
        return QuelleFehlt;
    }
    return KopiereDatei(quelle, Ziel, grund) ? 0 : KopieFehlgeschlagen;
}
