#include "projects/Datenbankkomprimierung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include "base/AllgFunktionen.h"
#include "base/Dateischreiber.h"
#include "data/DbVerbindung.h"
#include "data/Instanzsperre.h"
#include "data/Kennwort.h"
#include "data/Projektdateien.h"
#include "base/Programmzustand.h"

namespace {

// The copy opens as a file from outside with the project database's password, and its pages are
// sound.
bool KopieIntakt(const QString& kopie)
{
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::ÖffnenVonAußen(kopie, Kennwort::Projektdatenbank, {});
    if (!v)
        return false;
    QSqlQuery q(v->db());
    return q.exec(QStringLiteral("PRAGMA quick_check")) && q.next() && q.value(0).toString() == QLatin1String("ok");
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
    // Another instance that has the database open would go on writing into the replaced file; one
    // that opens it meanwhile waits until the copy lies in its place.
    std::unique_ptr<Instanzsperre> allein;
    const Instanzsperre::Ergebnis sperre = Instanzsperre::Nehmen(quelle, Instanzsperre::Art::Allein, 0, allein);
    if (sperre == Instanzsperre::Ergebnis::Belegt && !DbVerbindung::IstOffen(quelle)) {
        zustand().ErrorCancel = false;
        Meldung(Meldungsart::Anwendungsfehler, LadeText(zustand().Sprachoffset + 3120),
                QDir::toNativeSeparators(quelle));
    }
    if (sperre != Instanzsperre::Ergebnis::Gehalten)
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
