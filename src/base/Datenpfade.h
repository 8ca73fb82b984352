#pragma once
#include <QString>

// Where the program reads the files it ships with and where it keeps the user's data.
struct Datenpfade {
    // The shipped files, only read: Kelvor.ico, the symbol library DXF/ and Daten/Artikeld.db.
    QString Installation;
    // The user's: Daten/ below it holds the project database with its work copies and a replaced
    // article database; the schematic's work files and the DXF output lie in it.
    QString Daten;
};

// The one decision. A program folder that holds the shipped files itself (build tree, portable
// copy) keeps the data below it while it is writable. An installed program (the executable in
// bin/, the shipped files in share/kelvor) and a write-protected program folder keep the data in
// the user's folder benutzerordner and read the shipped files where they lie.
Datenpfade BestimmeDatenpfade(const QString& programmordner, const QString& benutzerordner);
// The same for the running program: its folder and the platform's folder for the user's data.
Datenpfade DatenpfadeDesProgramms();
// Where an installed program in programmordner finds its shipped files (share/kelvor beside bin/).
QString InstallierteDateien(const QString& programmordner);

// The folder "Daten" below a data path or installation folder.
QString Datenordner(const QString& pfad);
// The database file name in "Daten" below a data path or installation folder.
QString Datenbankdatei(const QString& pfad, const QString& name);
// The article database the program reads: the user's own once it exists, else the shipped one.
QString Artikeldatenbankpfad(const Datenpfade& pfade, const QString& name);
