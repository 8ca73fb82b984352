#pragma once
#include <QString>

// Replacement of the article database by a whole new file that the user chooses.

// The work of the dialog: the open dialog, the name check and the replacement; message 2303
// when the chosen file is not taken. True when the article database was replaced.
bool ArtikeldatenEinlesen();
// True when the file opens with the article database's password and holds the table [Waehrung].
bool IstArtikeldatenbank(const QString& pfad);
// Copies the file beside zustand().Artikel_Data_Source with normal permissions, checks the copy
// and renames it over the article database; false when the copy is no article database or
// cannot be made: the article database is then unchanged.
bool ErsetzeArtikeldatenbank(const QString& quelle);
