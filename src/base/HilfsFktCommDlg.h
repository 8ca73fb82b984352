#pragma once
#include <QString>

// Splits a path into drive ("C:", or empty), directory ("\Daten", "/home/x", a lone "\" or "/"
// for the root) and file name (at most 128 characters). Both "\" and "/" separate; a ":" counts as
// a drive only before the first separator. A path without separator is a file name in the
// folder aktOrdner (empty: the current folder), whose drive is also taken when the path has none.
void ZerlegePfad(const QString& pfad, QString& laufwerk, QString& verzeichnis, QString& datei,
                 const QString& aktOrdner = QString());

// Open or save dialog for a "*.ext" filter (anything else becomes "*.*") with an all-files entry;
// an empty title becomes text 1400. Shown through dateiDialog(); the chosen path, or the empty
// text for Cancel or any error.
QString DateiDialog(const QString& startpfad, const QString& filter, const QString& titel,
                    bool speichern);
// The same for a filter used as it stands, also a whole file name ("Artikeld.mdb").
QString DateiDialogBeliebigerFilter(const QString& startpfad, const QString& filter,
                                    const QString& titel, bool speichern);
