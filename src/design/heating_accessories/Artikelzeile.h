#pragma once
#include <QString>

class GlobDaten;

// The first short text of an article, looked up in the data object's article view. A result
// that is empty or one blank means the article is missing: then, unless the article number is
// blank or the program runs for the host (modes 1 and 2), message 2361 with the support text.
// Returns the looked-up text as it is (empty or one blank when missing). auchFürHost: the
// message is shown in host mode as well.
QString Artikelzeile(GlobDaten& daten, const QString& artNr, bool auchFürHost = false);

// Empty or one blank: no text, no article.
bool IstLeer(const QString& text);
