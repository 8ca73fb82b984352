#pragma once
#include <QString>

// Compaction of the project database: the database is copied without its free space into the
// working copy beside it, the copy is checked and renamed over the database. At every moment
// the old or the new complete file lies at the database's path.
class Datenbankkomprimierung {
public:
    virtual ~Datenbankkomprimierung() = default;

    // Compacts zustand().Projekt_Data_Source; false when it failed: the database is as it was
    // and no working copy is left. The one message: another instance has the database open.
    bool DatenbankKomprimieren();
    // The working copy: "ProjektverwaltungT10.db" beside "Projektverwaltung.db".
    static QString Arbeitskopie(const QString& datenbank);

protected:
    // The steps (tests replace them to fail). Komprimieren writes the checked copy; Ersetzen puts
    // it on the disk and in the place of the database (the checked writer's rules).
    virtual bool Komprimieren(const QString& quelle, const QString& kopie);
    virtual bool Ersetzen(const QString& kopie, const QString& ziel);
};
