#pragma once
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include "base/VbVariant.h"
#include "base/Zahlen.h"

class QWindow;

// Message kinds (Meldungsart).
namespace Meldungsart {
enum : int { Information = 1, Eingabefehler = 2, Anwendungsfehler = 3, Auslegungsfehler = 4,
             Datenbankfehler = 5, InternerFehler = 6 };
}

// UI text of an id (base id + Sprachoffset [+ Länderoffset]). A missing id of 5000 or more falls
// back to the German text (id mod 5000) silently; otherwise a missing text shows the warning
// "Der Text Nummer <id> existiert nicht!" (title "Error", not muted by ErrorCancel), sets
// Meldungsflag and gives " ".
QString LadeText(int id);
// Title of a message kind (texts 1600..1605, any other kind 1606).
QString GetMeldungsTitel(int art);
// The one message routine: kind, text with "%s" placeholders, values in order (converted with
// VbVariant::toString). Shows nothing while ErrorCancel is set; Cancel of a database message sets
// it. Always sets Meldungsflag.
void Meldung(int art, const QString& text, const QList<VbVariant>& werte = {});
template <typename... T>
void Meldung(int art, const QString& text, const VbVariant& erster, const T&... weitere)
{
    Meldung(art, text, QList<VbVariant>{erster, VbVariant(weitere)...});
}

// The double-quoted parts of a command line: element 0 the count n (as text), then the n parts.
// Text outside quotes is dropped; an unclosed quote takes the rest; at most maxTeile parts.
QStringList GetKommandozeile(const QString& kommandozeile, int maxTeile = 10);
// The command line as GetKommandozeile expects it, from the program's arguments (argv[0], the
// program itself, left out): each argument in double quotes, joined by a blank. A double quote
// inside an argument is dropped, since it cannot be part of a quoted part.
QString KommandozeileAusArgumenten(int argc, const char* const* argv);
// Rounds up to 0..8 decimals after a guard rounding to one decimal more (half to even); the
// product with 10^stellen is taken in binary, so 1.1 at 2 decimals gives 1.11.
double AufrundenStellen(double w, int stellen);
// The two characters backslash-n become CR LF.
QString ErsetzeZeilenumbruch(const QString& text);
// A value as a message quotes it: at most the first länge characters, followed by "..." when
// the value is longer.
QString Auszug(const QString& text, int länge = 60);
// Template with "%s" (left-aligned) and "%v" (right-aligned) fields, with an optional width of
// one or two characters ("%5v", "%12s"), filled by the values in order: a longer value is cut to
// the width, a shorter one padded with blanks. Any other "%" is copied unchanged.
QString FormatText(const QString& vorlage, const QList<VbVariant>& werte = {});
template <typename... T>
QString FormatText(const QString& vorlage, const VbVariant& erster, const T&... weitere)
{
    return FormatText(vorlage, QList<VbVariant>{erster, VbVariant(weitere)...});
}
// Fills each run of k "$" of the mask with the next value of the "$"-ended value list,
// right-aligned in k characters (longer values are not cut); k dots when the values are used up.
QString FülleMaske(const QString& maske, const QString& werte);
// Word wrap to lines of at most laenge characters, joined by CR LF. A length below 1 returns the
// text unchanged.
QString UmbrechenText(int laenge, const QString& text);
// Null helpers of database fields: Null gives "" / the Integer 0, anything else its text / itself.
QString NullZuText(const VbVariant& v);
VbVariant NullZuNull(const VbVariant& v);
// Key filter of numeric text boxes: digits, Enter, Tab, Backspace, Escape, and "." or "," when
// a decimal separator is allowed.
bool IstZulässigeTaste(int taste, bool dezimaltrennerErlaubt);
// Moves the mouse pointer to a point (pixels, rounded half to even) of the window's client area.
// Nothing happens without a window.
void SetzeMauszeiger(QWindow* fenster, const QPointF& punkt);
// Upper case character by character, so that "ß" stays "ß" (QString::toUpper makes it "SS").
QString GrossOhneSZ(const QString& text);
