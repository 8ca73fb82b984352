#include "design/heating_accessories/Langtext.h"

#include "base/AllgFunktionen.h"
#include "data/Recordset.h"

namespace {

QString Feld(const Recordset& rs, int zeile, const QString& name)
{
    const int f = rs.FeldIndex(name);
    return f < 0 ? QString() : NullZuText(rs.ZeilenWert(zeile, f));
}

}  // namespace

QString ArtikelLangtext(const Recordset& rs, int zeile, const QString& kurztextFeld)
{
    const QString text = Feld(rs, zeile, kurztextFeld) + QStringLiteral("\r\n") + Feld(rs, zeile, QStringLiteral("ltText"));
    return UmbrechenText(40, text) + QStringLiteral("\r\n")
           + FülleMaske(Feld(rs, zeile, QStringLiteral("etText")), Feld(rs, zeile, QStringLiteral("diTextzeile")));
}
