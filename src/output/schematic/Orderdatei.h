#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// One symbol of the schematic: the block it is drawn at, the symbol file (bare name in the symbol
// folder, may be empty) and its texts.
struct Symbolzeile {
    int Block = 0;
    QString Symbol;
    QStringList Texte;

    // Block, TAB, symbol, TAB, and each text followed by TAB.
    QString Zeile() const;
};

// The order file "DxfOrder.tmp": header keys 1 to 5, the symbol lines, the end marker. Written by
// the schematic builder, read by the drawing run.
namespace Orderdatei {

inline constexpr char Dateiname[] = "DxfOrder.tmp";
inline constexpr char MarkeOrder[] = "[ORDER]";
inline constexpr char MarkeObjekt[] = "[OBJEKT]";
inline constexpr char MarkeEnde[] = "[ENDE]";

// A value as it may stand in one line: TAB, CR and LF become blanks, so no value can end a field,
// start a line or pose as a marker.
QString Einzeilig(const QString& wert);

// The lines in the single-byte code page 1252, each followed by CR LF; characters outside it
// become "?".
QByteArray Kodiere(const QStringList& zeilen);
QString Dekodiere(const QByteArray& zeile);
// The lines of a file's content, each without its LF or CR LF; a closing line end starts no
// further line.
QList<QByteArray> Zeilen(const QByteArray& inhalt);

// Writes the file atomically: on any failure the earlier file stays, fehler names the cause and
// the result is false.
bool Schreibe(const QString& pfad, const QStringList& zeilen, QString* fehler = nullptr);
// The same for bytes as they stand.
bool SchreibeBytes(const QString& pfad, const QByteArray& inhalt, QString* fehler = nullptr);
// Order files, symbols and drawings are far smaller than this.
constexpr qint64 MaxDateigroesse = 64LL * 1024 * 1024;
// The whole file, a regular one of at most MaxDateigroesse bytes; false (fehler names the cause)
// when it cannot be opened or read.
bool LeseBytes(const QString& pfad, QByteArray& inhalt, QString* fehler = nullptr);

// Reads an order file line by line.
class Leser {
public:
    static constexpr int AnzahlSchlüssel = 21;
    static constexpr int AnzahlFelder = 200;
    static constexpr int ErsterNichtGezeichneterBlock = 114;

    // zeichne: one symbol line to draw, its field table (field 2 already behind the symbol folder
    // of key 4); abschluss: the line "[ENDE]" (and every further one) ran the closing step.
    std::function<void(const std::array<QString, AnzahlFelder>& felder)> zeichne;
    std::function<void()> abschluss;
    // After each line (the drawing run lets the user interface breathe there).
    std::function<void()> nachZeile;

    // One line without its line end.
    void Zeile(const QString& zeile);
    // All lines of a file's bytes (CR LF or LF).
    void Lese(const QByteArray& inhalt);
    // false when the file could not be opened.
    bool LeseDatei(const QString& pfad);

    int Abschnitt() const { return m_abschnitt; }
    const QString& Schlüssel(int k) const { return m_schlüssel.at(static_cast<size_t>(k)); }
    const std::array<QString, AnzahlFelder>& Felder() const { return m_felder; }

private:
    void Schlüsselzeile(const QString& zeile);
    void Symbolzeile(const QString& zeile);

    int m_abschnitt = 1;
    std::array<QString, AnzahlSchlüssel> m_schlüssel;
    std::array<QString, AnzahlFelder> m_felder;
};

}  // namespace Orderdatei
