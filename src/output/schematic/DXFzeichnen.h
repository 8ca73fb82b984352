#pragma once
#include <QDateTime>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

#include "base/Zeichenflaeche.h"
#include "output/schematic/DXFZahlen.h"
#include "output/schematic/Orderdatei.h"

// Where the entities of the drawing go, one line at a time (each written with a line end).
class DXFZeilenstrom {
public:
    virtual ~DXFZeilenstrom() = default;
    virtual void WriteLine(const QString& zeile) = 0;
};

// Keeps the lines (tests, and callers that write them later).
class DXFZeilenliste : public DXFZeilenstrom {
public:
    void WriteLine(const QString& zeile) override { zeilen << zeile; }
    QStringList zeilen;
};

// Writes the lines to a device in code page 1252, each followed by CR LF. A failed write is
// remembered; the following lines are dropped.
class DXFGeraetestrom : public DXFZeilenstrom {
public:
    explicit DXFGeraetestrom(QIODevice& geraet) : m_geraet(geraet) {}
    void WriteLine(const QString& zeile) override;
    bool Fehlerfrei() const { return m_ok; }
    QString Fehler() const { return m_ok ? QString() : m_geraet.errorString(); }

private:
    QIODevice& m_geraet;
    bool m_ok = true;
};

// The fields of a symbol line: index 1 the block number, 2 the full path of the symbol file, 3
// onward the texts; index 0 is not used.
using DXFFelder = std::array<QString, 201>;

// The fields as the order-file reader hands them over (field k at index k - 1).
DXFFelder FelderDerSymbolzeile(const std::array<QString, Orderdatei::Leser::AnzahlFelder>& felder);

// The symbol renderer of the schematic and the state it shares with the drawing run: it reads a
// symbol file, draws its entities at the symbol's block on the picture surface (and on the
// printer while printing), copies them moved to the block into the entity stream and remembers
// the connection points that the closing step joins with pipes.
class Schemazeichner {
public:
    // Drawing units of the symbols; the blocks' origins.
    static constexpr int AnzahlBlöcke = 201;
    static constexpr int LetzterBlockMitBreite = 198;

    // Origin of block n in drawing units (0 to 199; nothing for 200 and outside).
    static bool Blockursprung(int n, Festkomma& x, Festkomma& y);
    // Distance to the next block's origin (0 to 198).
    static bool Blockbreite(int n, Festkomma& breite);

    // --- State shared with the drawing run ------------------------------------------------
    // The picture surface (required for drawing) and the printer (used while ausdruck is "J").
    Zeichenflaeche* PictureDXF = nullptr;
    Zeichenflaeche* Printer = nullptr;
    QString ausdruck = QStringLiteral("N");

    // Connection point of the main pipe run: 1 from the upper row (blocks 1 to 99), 2 from all
    // other blocks; the same for the second run (layer ZELTFL).
    Festkomma Last_X_1, Last_Y_1, Last_X_2, Last_Y_2;
    Festkomma Last_X_1FL, Last_Y_1FL, Last_X_2FL, Last_Y_2FL;
    // Per block the centre of its last connection circle: [n][0] x, [n][1] y.
    std::array<std::array<Festkomma, 2>, AnzahlBlöcke> Anschluss{};

    // Replaceable seams: the system beep (a LINE closed at a wrong count) and the clock of the
    // "$QZV$" label. Empty: no sound, the current time.
    std::function<void()> Signalton;
    std::function<QDateTime()> Uhr;

    // Places the symbol of one symbol line. Failures are reported to the user (a plain box with
    // the text, CR LF and the path) and end the call; what was drawn and written stays.
    // mass_stab: drawing units to surface units; Ziel: the output target (not used here).
    void DXFzeichnen(const DXFFelder& feld, float mass_stab, int Ziel, DXFZeilenstrom& DXFtempstream);

    // The text of the last failure of DXFzeichnen (empty after a call without one).
    const QString& LetzterFehler() const { return m_letzterFehler; }

    // true: from now on each symbol file is read once and its lines kept (a drawing run);
    // false: the kept lines go and every call reads its file again.
    void SymboleBehalten(bool behalten);

    // The font that labels are measured and drawn in.
    static constexpr const char* Schriftname = "Arial";

private:
    friend class DXFSymbollauf;
    QString m_letzterFehler;
    // The kept symbol files' lines by the path of the symbol line.
    std::optional<QHash<QString, QStringList>> m_symbole;
};
