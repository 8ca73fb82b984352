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
    // Reads a line and writes it unchanged.
    bool Kopiere(QString& wert);
    // Reads a value line, moves it by `ursprung` and writes it formatted; false on the end of the
    // file or a value outside the range.
    bool Koordinate(Festkomma ursprung, Festkomma& ziel);
    bool Fehlschlag(Ende e);

    // Group rules of several kinds.
    bool Linientyp();
    bool Layer(QString& layerGross);
    bool Farbe();
    // The colour of a group 62 value: the number read and written back as decimal text, so " 5"
    // and "5.0" give the same colour.
    static int32_t Farbnummer(const QString& wert);

    // What an entity kind takes from its layer name and whether it reads a line type.
    enum Gruppen : unsigned {
        KeineGruppen = 0,
        MitLinientyp = 1,
        SetztZelt = 2,    // layer ZELT: a pipe stub or connection circle
        SetztZeltr = 4,   // layer ZELTR: a back stub
        SetztZeltfl = 8,  // layer ZELTFL: a flow stub
    };
    // Starts an entity: writes its name and clears the line type and the group count.
    void Beginne(const QString& art);
    // The groups all kinds read alike: line type (with MitLinientyp), layer, colour and the point
    // 10/20/30, each counted. True when `zeile` was one of them; `ok` then says whether reading
    // its value went well.
    bool Grundgruppe(const QString& zeile, unsigned gruppen, Festkomma& x, Festkomma& y, Festkomma& z, bool& ok);

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
