#pragma once
#include <QString>

struct Datenpfade;
struct Schemaerwartung;

// Replacement of the article database by a whole new file that the user chooses.

// The work of the dialog: the open dialog, the name check and the replacement; message 2303
// when the chosen file has another name, a message naming the reason when the file is no
// usable article database or the copy failed. True when the article database was replaced.
bool ArtikeldatenEinlesen();
// The tables and columns of the article database as the program reads them: those of the
// schema it ships with.
const Schemaerwartung& Artikelschema();
// Checks a file from outside as an article database: it opens through the database layer's open
// for such files with the article database's password and holds the tables and columns of
// Artikelschema() with values of their kinds; the VAT rate read from [Waehrung] lies between
// 0 and 100. Empty when usable, else the reason; *vorübergehend (when given) is true when the
// file could not be read for a reason that may pass (in use by another program, no access now).
QString PrüfeArtikeldatenbank(const QString& pfad, bool* vorübergehend = nullptr);
// The article database the program reads from its start on: the user's own copy when it passes
// PrüfeArtikeldatenbank, else the shipped one. A copy whose content is refused is renamed beside
// itself ("<name>.abgelegt", "<name>.abgelegt-2", ...) and the user is told why and where it
// lies; one that cannot be read for a passing reason stays where it is, and the user is told
// that the shipped one serves this run.
QString ArtikeldatenbankBeimStart(const Datenpfade& pfade, const QString& name);
// How a replacement ended.
enum class Artikelersatz {
    Ersetzt,
    KeineArtikeldatenbank,  // the copy is no usable article database (the reason in *grund)
    KopieFehlgeschlagen,    // the file could not be read, copied, flushed or renamed
};
// The user's article database, the target of a replacement: in "Daten" of the data path, where
// it wins over the shipped one from then on.
QString Artikelersatzziel();
// Copies the file through the checked writer to the target's folder with normal permissions,
// checks the copy and puts it in the target's place by the same writer (a write-protected target
// is refused, an old one's mode is kept), then reads the article data from there
// (zustand().Artikel_Data_Source). On failure the article database is unchanged and *grund (when
// given) says why the copy failed or was refused.
Artikelersatz ErsetzeArtikeldatenbank(const QString& quelle, QString* grund = nullptr);
// The name pattern of the replacement's temporary file beside the target.
QString ArtikelersatzMuster();
