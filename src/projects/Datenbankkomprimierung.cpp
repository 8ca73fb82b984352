#include "projects/Datenbankkomprimierung.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "base/Dateischreiber.h"
#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "data/Projektdateien.h"
#include "base/Programmzustand.h"

namespace {

// The copy opens with the project database's password and its pages are sound.
bool KopieIntakt(const QString& kopie)
{
    static int zähler = 0;
    const QString name = QStringLiteral("kelvor_kopiepruefung%1").arg(++zähler);
    bool intakt = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(kopie);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            intakt = Kennwort::Pruefen(db, Kennwort::Projektdatenbank)
                     && q.exec(QStringLiteral("PRAGMA quick_check")) && q.next()
                     && q.value(0).toString() == QLatin1String("ok");
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return intakt;
}

}  // namespace

QString Datenbankkomprimierung::Arbeitskopie(const QString& datenbank)
{
    return Projektdateien::KomprimierteKopie(datenbank);
}

bool Datenbankkomprimierung::DatenbankKomprimieren()
{
    const QString quelle = zustand().Projekt_Data_Source;
    const QString kopie = Arbeitskopie(quelle);
    if (!QFileInfo(quelle).isFile())
        return false;
    // A copy left by an earlier run goes first; one that cannot be deleted ends the run.
    if (QFileInfo::exists(kopie) && !QFile::remove(kopie))
        return false;
    if (!Komprimieren(quelle, kopie) || !Ersetzen(kopie, quelle)) {
        QFile::remove(kopie);
        return false;
    }
    return true;
}

bool Datenbankkomprimierung::Komprimieren(const QString& quelle, const QString& kopie)
{
    // Whoever holds the database open would go on writing into the replaced file.
    if (DbVerbindung::IstOffen(quelle))
        return false;
    bool ok = false;
    {
        const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(quelle, Kennwort::Projektdatenbank);
        if (!v)
            return false;
        QSqlQuery q(v->db());
        q.prepare(QStringLiteral("VACUUM INTO ?"));
        q.addBindValue(kopie);
        ok = q.exec();
        q.finish();
    }
    return ok && KopieIntakt(kopie);
}

bool Datenbankkomprimierung::Ersetzen(const QString& kopie, const QString& ziel)
{
    return Dateischreiber(ziel).übernehmen(kopie);
}
