#pragma once
#include <QImage>
#include <QString>

// Picture resources: ":/bilder/<TYP>/<id>.jpg" or ".gif", TYP one of DEUTSCHLAND, INTERNATIONAL,
// FORM, KARTEN.

// The picture of that id and type; a null image when there is none or it cannot be read. Without
// a file name the picture is read straight from the resource; with one it is written to that
// file, read from it and the file deleted (the file stays when it could not be written).
QImage LadeBildAusRessource(int id, const QString& typ, const QString& datei = QString());
// Writes the resource's bytes into the file (replacing its content): 0, or the runtime's error
// number (326 no such resource, 75 the file cannot be written).
long SchreibeRessourceInDatei(int id, const QString& typ, const QString& datei);
// The name of a temporary file "<prefix><hex>.tmp" in the folder (empty: zustand().TempOrdner, or
// the system's temporary folder when that is empty too), at most 3 characters of the prefix.
// With eindeutig 0 a new empty file with eight random hex digits is created (only this user may
// read it); otherwise the name is made from the number's low 16 bits and no file is created. False
// when no file could be made, with the reason in *grund.
bool GetTempDateiname(const QString& ordner, const QString& praefix, int eindeutig, QString& name,
                      QString* grund = nullptr);
// The text up to its first character 0 (the whole text when it has none).
QString SchneideNullZeichen(const QString& text);

// Names of the article-table columns that depend on the language (always these names).
inline QString SpalteBeschreibung = QStringLiteral("Beschreibung");
inline QString SpalteBezeichnung = QStringLiteral("Bezeichnung");
inline QString SpalteUmschreibung = QStringLiteral("Umschreibung");
inline QString SpalteTyp = QStringLiteral("Typ");
inline QString SpalteBezeichnungWT = QStringLiteral("Bezeichnung");
inline QString SpalteKurztext1 = QStringLiteral("arKurztext1");
inline QString SpalteKurztext2 = QStringLiteral("arKurztext2");
inline QString SpalteLangtext = QStringLiteral("ltText");
inline QString SpalteEinfügetext = QStringLiteral("etText");
// Sets the column names; the language argument does not change them.
void SetzeSpaltennamen(int sprache);
