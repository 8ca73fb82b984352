#pragma once
#include <QString>

// Replacement of the article database by a whole new file that the user chooses.

// The work of the dialog: the open dialog, the name check and the replacement; message 2303
// when the chosen file is not taken, a message naming the reason when the copy failed. True
// when the article database was replaced.
bool ArtikeldatenEinlesen();
// True when the file opens with the article database's password and holds the table [Waehrung].
bool IstArtikeldatenbank(const QString& pfad);
// How a replacement ended.
enum class Artikelersatz {
    Ersetzt,
    KeineArtikeldatenbank,  // the copy is no article database
    KopieFehlgeschlagen,    // the file could not be read, copied, flushed or renamed
};
// The user's article database, the target of a replacement: in "Daten" of the data path, where
// it wins over the shipped one from then on.
QString Artikelersatzziel();
// Copies the file through the checked writer to the target's folder with normal permissions,
// checks the copy and puts it in the target's place by the same writer (a write-protected target
// is refused, an old one's mode is kept), then reads the article data from there (zustand().Artikel_Data_Source). On
// failure the article database is unchanged and *grund (when given) says why a copy failed.
Artikelersatz ErsetzeArtikeldatenbank(const QString& quelle, QString* grund = nullptr);
// The name pattern of the replacement's temporary file beside the target.
QString ArtikelersatzMuster();
