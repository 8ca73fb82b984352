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
    bool LiesZeile(QString& zeile);

    // *ersetzt (when given) is set when a character had no byte and became "?".
    static QByteArray NachCp1252(const QString& text, bool* ersetzt = nullptr);
    static QString AusCp1252(const QByteArray& bytes);

private:
    QIODevice* m_gerät;
    bool m_schreibfehler = false;
    bool m_ersetzt = false;
    QByteArray m_lesepuffer;  // kept from line to line
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

// Value texts of the transfer file by field type.
namespace Transferwert {
// The text of a field value; false for a type that writes no line.
bool Text(long feldtyp, const VbVariant& wert, QString& text);
// The value of a text; false when the text cannot be converted (the line is then skipped).
bool Lesen(long feldtyp, const QString& text, VbVariant& wert);
}  // namespace Transferwert
