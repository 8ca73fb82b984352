#pragma once
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>

#include "output/schematic/DXFZahlen.h"
#include "output/schematic/DXFzeichnen.h"

// One call of the symbol renderer: the scan over a symbol file's entities and the handler of
// each entity kind. Lives for one symbol.
class DXFSymbollauf {
public:
    enum class Ende { Gut, Defekt, Fehler };

    DXFSymbollauf(Schemazeichner& zeichner, const DXFFelder& feld, float mass_stab, DXFZeilenstrom& strom,
                  const QStringList& zeilen, int block);

    // Scans the lines; the result says how the scan ended.
    Ende Lauf();

private:
    // Reading: the next line as it stands; false (end Defekt) when the file has ended.
    bool Lies(QString& zeile);
    bool AmEnde() const { return m_pos >= m_zeilen.size(); }
    // Reads a value line and writes it unchanged.
    bool WertKopieren(QString& wert);
    // Reads a value line, moves it by `ursprung` and writes it formatted; false on the end of the
    // file or a value outside the range.
    bool Koordinate(Festkomma ursprung, Festkomma& ziel);
    bool Fehlschlag(Ende e);

    // Group rules of several kinds.
    bool Linientyp();
    bool Layer(QString& layerGross);
    bool Farbe();

    bool Linie();
    bool Kreis();
    bool Bogen();
    bool Punkt();
    bool Polylinie();
    bool Text();  // in Textpuffer.cpp

    // Drawing on the picture surface and, while printing, on the printer.
    QPointF Abbild(Festkomma x, Festkomma y) const;
    double Länge(Festkomma r) const;
    void Zeichne(const std::function<void(Zeichenflaeche&)>& op, bool strichartSetzen);
    void Schreibe(const QString& zeile) { m_strom.WriteLine(zeile); }

    Schemazeichner& m_z;
    const DXFFelder& m_feld;
    const float m_mass_stab;
    DXFZeilenstrom& m_strom;
    const QStringList& m_zeilen;
    qsizetype m_pos = 0;
    const int m_block;
    Festkomma m_ox, m_oy, m_breite;

    Ende m_ende = Ende::Gut;
    int32_t m_farbe = 0;
    int m_strichart = 0;
    bool m_zelt = false, m_zeltr = false, m_zeltfl = false;
    QString m_layer;
    int m_anzahl = 0;
};
