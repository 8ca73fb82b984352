#include "base/Datenpfade.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A folder holding the shipped files has the article database in Daten/.
bool HältAuslieferung(const QString& ordner)
{
    return QFileInfo::exists(Datenbankdatei(ordner, QStringLiteral("Artikeld.db")));
}

}  // namespace

Datenpfade BestimmeDatenpfade(const QString& programmordner, const QString& benutzerordner)
{
    const QString installiert = InstallierteDateien(programmordner);
    if (!HältAuslieferung(programmordner) && HältAuslieferung(installiert))
        return {installiert, benutzerordner};
    const bool schreibbar = QFileInfo(programmordner).isWritable();
    return {programmordner, schreibbar ? programmordner : benutzerordner};
}

Datenpfade DatenpfadeDesProgramms()
{
    return BestimmeDatenpfade(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString InstallierteDateien(const QString& programmordner)
{
    // KELVOR_INSTALLATION_RELATIV: the install's data folder seen from its program folder.
    return QDir::cleanPath(QDir(programmordner).filePath(QStringLiteral(KELVOR_INSTALLATION_RELATIV)));
}

QString Datenordner(const QString& pfad)
{
    return QDir(pfad).filePath(QStringLiteral("Daten"));
}

QString Datenbankdatei(const QString& pfad, const QString& name)
{
    return QDir(Datenordner(pfad)).filePath(name);
}

QString Artikeldatenbankpfad(const Datenpfade& pfade, const QString& name)
{
    const QString eigene = Datenbankdatei(pfade.Daten, name);
    return QFileInfo::exists(eigene) ? eigene : Datenbankdatei(pfade.Installation, name);
}
