#include "output/reports/Drucknamen.h"

#include "base/MemberRegister.h"
#include "data/GlobDaten.h"

void Drucknamen::Prüfe(const GlobDaten& daten, const QStringList& namen)
{
    const MemberRegister& r = daten.Member();
    for (const QString& n : namen)
        if (!r.hat(n))
            throw MemberFehler(MemberFehler::Grund::Unbekannt,
                               QStringLiteral("%1: member '%2' does not exist").arg(r.klasse(), n));
}
