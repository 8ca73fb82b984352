#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "output/schematic/DXFZahlen.h"
#include "output/schematic/DXFzeichnen.h"

// The lines of one TEXT entity of a symbol file, from the line after "TEXT" to its closing
// "  0", held until the entity is drawn; with the places of the value lines that are rewritten
// at the end.
class Textpuffer {
public:
    static constexpr int Größe = 151;

    // Appends a line; false when the buffer is full.
    bool Neu(const QString& zeile);
    QString& operator[](int i) { return m_zeilen[i]; }
    const QString& operator[](int i) const { return m_zeilen[i]; }
    int Anzahl() const { return static_cast<int>(m_zeilen.size()); }
    int Letzte() const { return Anzahl() - 1; }
    const QStringList& Zeilen() const { return m_zeilen; }

    // Places of the value lines of groups 10, 11 and 41; -1 when not read.
    int Stelle10 = -1;
    int Stelle11 = -1;
    int Stelle41 = -1;

private:
    QStringList m_zeilen;
};

// The label of a TEXT entity: its value v as read, the layer name and the fields of the symbol
// line. On the layer "Textstat" v stands as it is; a last digit d from 1 to 9 takes field d + 2;
// "$QZV$" gives "Printing: " with the date and time; any other v stands as it is. *fest tells
// whether the label is fixed text (not a field).
QString Beschriftung(const QString& v, const QString& layer, const DXFFelder& feld, const QDateTime& jetzt,
                     bool* fest);

// The text that the fitting measures: the label when it is fixed or has at least eight
// characters, otherwise "00000000".
QString Messtext(const QString& label, bool fest);

// Result of fitting a text between two points of width W (surface units).
struct Einpassung {
    double schriftgrad = 10;
    Festkomma breitenfaktor;
};

// Lowers the font from 10 points by one point per pass (101 passes at most, never below 1) while
// the text is wider than W; the width factor loses 0.08 at each lowering while it is above 1.08.
// The surface keeps the font found.
Einpassung Einpassen(Zeichenflaeche& flaeche, const QString& messtext, double W, Festkomma breitenfaktor);
