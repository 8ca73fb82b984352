#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "base/VbVariant.h"

// The project transfer file: single-byte Windows-1252 text, CR LF after every physical line,
// logical lines of key TAB value TAB (a value may span physical lines).
class Sicherungsdatei {
public:
    // The device is not owned; it must be open for reading or for writing.
    explicit Sicherungsdatei(QIODevice* gerät) : m_gerät(gerät) {}

    // Writes key TAB value TAB CR LF. False (and schreibfehler() set) when the device refused.
    bool SchreibeZeile(const QString& schlüssel, const QString& wert);
    bool schreibfehler() const { return m_schreibfehler; }
    // True once a written text held a character that Windows-1252 has not (written as "?").
    bool ersetzt() const { return m_ersetzt; }

    bool AtEndOfStream() const;
    // One physical line without its line end (CR LF, LF, or none at the end of the file).
    // A UTF-8 byte-order mark at the start makes the file read as UTF-8. False on a read error.
    // höchstens >= 0: of a longer line only its first höchstens bytes and its last byte are
    // kept (*gekürzt set); the rest is read in pieces of a fixed size and dropped, so that the
    // memory does not grow with the line.
    bool LiesZeile(QString& zeile, qsizetype höchstens = -1, bool* gekürzt = nullptr);
    // One logical line: physical lines joined with CR LF while one does not end with a TAB and
    // the file goes on. With a limit (SetzeHöchstlänge) a longer line keeps its first bytes and
    // each physical line's last character (*gekürzt set). False on a read error.
    bool LiesLogischeZeile(QString& zeile, bool* gekürzt = nullptr);
    // Bytes of a logical line kept at most; -1 (the default): no limit.
    void SetzeHöchstlänge(qsizetype bytes) { m_höchstlänge = bytes; }

    // The work of every reader in this process, for tests and measurements: bytes read, and the
    // most characters one line held.
    struct Lesearbeit {
        qint64 bytes = 0;
        qsizetype längsteZeile = 0;
    };
    static Lesearbeit& Arbeit();

    // *ersetzt (when given) is set when a character had no byte and became "?".
    static QByteArray NachCp1252(const QString& text, bool* ersetzt = nullptr);
    static QString AusCp1252(const QByteArray& bytes);

private:
    QIODevice* m_gerät;
    bool m_schreibfehler = false;
    bool m_ersetzt = false;
    QByteArray m_lesepuffer;  // kept from line to line
    QByteArray m_überlauf;    // the dropped part of a long line passes through it
    qsizetype m_höchstlänge = -1;
    bool m_ersteZeile = true;
    bool m_utf8 = false;      // the file began with a UTF-8 byte-order mark
};

// Marker keys and values.
namespace Marke {
inline const QString Begin = QStringLiteral("$BEGIN$");
inline const QString Ende = QStringLiteral("$ENDE$");
inline const QString Projekt = QStringLiteral("$PROJEKT$");
inline const QString Tabelle = QStringLiteral("$TABELLE$");
inline const QString Zeile = QStringLiteral("$ZEILE$");
}  // namespace Marke

class ManipDBField;

// Value texts of the transfer file by field type.
namespace Transferwert {
// The text of a field value; false for a type that writes no line.
bool Text(long feldtyp, const VbVariant& wert, QString& text);
// The value of a text; false when the text cannot be converted (the line is then skipped).
bool Lesen(long feldtyp, const QString& text, VbVariant& wert);

// What became of a field line's value text.
enum class Übernahme {
    Ganz,         // wert holds it
    Gekürzt,      // wert holds it cut to the field's size (Projektart, ArtAusstatt)
    Vorgabe,      // it does not convert: the line is skipped, the field keeps its default
    Ausgelassen,  // a text longer than the program's input takes for the field (nurEingabelänge)
};
// The value of a field line as the reader stores it, the same for every reader: converted by the
// field's type, Projektart cut to two characters and ArtAusstatt to one. nurEingabelänge: a text
// longer than the program's input takes for its field is left out as well.
Übernahme Feldwert(const ManipDBField& feld, const QString& text, VbVariant& wert, bool nurEingabelänge);
}  // namespace Transferwert
