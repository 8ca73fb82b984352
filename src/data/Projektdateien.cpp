#include "data/Projektdateien.h"

#include "data/DbVerbindung.h"
#include "data/Kennwort.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString daneben(const QString& datenbank, const QString& name)
{
    return QFileInfo(datenbank).dir().filePath(name);
}

QString mitEndung(const QFileInfo& f, const QString& zusatz)
{
    const QString endung = f.suffix();
    return f.completeBaseName() + zusatz + (endung.isEmpty() ? QString() : QLatin1Char('.') + endung);
}

}  // namespace

namespace Projektdateien {

QString KomprimierteKopie(const QString& datenbank)
{
    return daneben(datenbank, mitEndung(QFileInfo(datenbank), QStringLiteral("T10")));
}

QString Konvertierungsdatei(const QString& datenbank)
{
    return daneben(datenbank, QFileInfo(datenbank).completeBaseName() + QStringLiteral(".$$$"));
}

QString Sicherheitskopie(const QString& datenbank)
{
    return daneben(datenbank, mitEndung(QFileInfo(datenbank), QStringLiteral("Alt")));
}

bool Schreibbar(const QString& datenbank, QString* grund)
{
    QString fehler;
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(datenbank, Kennwort::Projektdatenbank, &fehler);
    const bool ok = v && v->Schreibbar(&fehler);
    if (!ok && grund)
        *grund = fehler;
    return ok;
}

}  // namespace Projektdateien
