#pragma once
#include <QString>

// The text of a golden file below tests/output/reports/daten.
QString golden(const QString& name);
// Byte-for-byte comparison with a golden file, line by line first; KELVOR_GOLDEN_SCHREIBEN=1
// writes the file instead.
void vergleiche(const QString& name, const QString& text);
