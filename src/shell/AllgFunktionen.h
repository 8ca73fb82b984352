#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "shell/VbVariant.h"
#include "shell/Zahlen.h"

// Message kinds (Meldungsart).
namespace Meldungsart {
enum : int { Information = 1, Eingabefehler = 2, Anwendungsfehler = 3, Auslegungsfehler = 4,
             Datenbankfehler = 5, InternerFehler = 6 };
}

// UI text of an id (base id + Sprachoffset [+ Länderoffset]); " " when there is none.
QString LadeText(int id);
// Title of a message kind.
QString GetMeldungsTitel(int art);
// The one message routine: kind, text with "%s" placeholders, values in order.
void Meldung(int art, const QString& text, const QList<VbVariant>& werte = {});
template <typename... T>
void Meldung(int art, const QString& text, const VbVariant& erster, const T&... weitere)
{
    Meldung(art, text, QList<VbVariant>{erster, VbVariant(weitere)...});
}

// The quoted parts of a command line: element 0 the count n, then the n parts.
QStringList GetKommandozeile(const QString& kommandozeile, int maxTeile = 10);
// Rounds up to 0..8 decimals after a guard rounding to one decimal more.
double AufrundenStellen(double w, int stellen);
// The two characters backslash-n become CR LF.
QString ErsetzeZeilenumbruch(const QString& text);
// Template with "%s"/"%v" fields (optional width) filled by the values in order.
QString FormatText(const QString& vorlage, const QList<VbVariant>& werte = {});
template <typename... T>
QString FormatText(const QString& vorlage, const VbVariant& erster, const T&... weitere)
{
    return FormatText(vorlage, QList<VbVariant>{erster, VbVariant(weitere)...});
}
// Fills each run of "$" of the mask with the next value of the "$"-ended value list.
QString FülleMaske(const QString& maske, const QString& werte);
// Word wrap to lines of at most laenge characters (CR LF between lines).
QString UmbrechenText(int laenge, const QString& text);
// Null helpers of database fields.
QString NullZuText(const VbVariant& v);
VbVariant NullZuNull(const VbVariant& v);
// Key filter of numeric text boxes.
bool IstZulässigeTaste(int taste, bool dezimaltrennerErlaubt);
