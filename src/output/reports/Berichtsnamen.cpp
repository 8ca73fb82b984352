#include "output/reports/Berichtsnamen.h"

#include "base/MemberRegister.h"
#include "data/GlobDaten.h"

void Berichtsnamen::Prüfe(const GlobDaten& daten, const QStringList& namen)
{
    for (const QString& n : namen)
        if (!daten.Member().hat(n))
            throw MemberFehler(MemberFehler::Grund::Unbekannt,
                               QStringLiteral("%1: member '%2' does not exist").arg(daten.Member().klasse(), n));
}
