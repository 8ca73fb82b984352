#include "data/Projektnummer.h"

QString Projektnummer::Schlüssel(const QString& nr)
{
    QString t = nr;
    for (QChar& c : t)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return t;
}
