#pragma once
#include <QString>

class Recordset;

// The long text of a row of an article query: the first short text, CR LF and the long text
// "ltText", wrapped to lines of 40 characters, then CR LF and the insertion text "etText" with
// the dimension values "diTextzeile" in its placeholders. Null cells count as empty texts.
QString ArtikelLangtext(const Recordset& rs, int zeile, const QString& kurztextFeld);
