#include "shell/MainProgramm.h"

#include "base/Programmzustand.h"

namespace {

// Upper case character by character, so that positions stay as they are ("ß" stays "ß").
QString GrossProZeichen(const QString& text)
{
    QString aus = text;
    for (QChar& c : aus)
        c = c.toUpper();
    return aus;
}

QString OhneFuehrendeBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

}  // namespace

QString GetParameterWert(const QString& argument, const QString& schluessel)
{
    const QString gross = GrossProZeichen(argument);
    const qsizetype pos = gross.indexOf(GrossProZeichen(schluessel));
    if (pos < 0 || schluessel.isEmpty())
        return QString();
    const qsizetype gleich = gross.indexOf(QLatin1Char('='), pos + schluessel.size());
    if (gleich < 0)
        return QString();
    return argument.mid(gleich + 1);
}

void AuswertenKommandozeile(const QStringList& teile)
{
    Programmzustand& z = zustand();
    z.TyvoModus = 0;
    z.TyvoDatei.clear();
    if (teile.isEmpty() || teile.at(0).toInt() < 2 || teile.size() < 3)
        return;
    const QString modus = OhneFuehrendeBlanks(GetParameterWert(teile.at(2), QStringLiteral("TYVO_Mode")));
    if (modus == QLatin1String("0"))
        z.TyvoModus = 1;
    else if (modus == QLatin1String("1"))
        z.TyvoModus = 2;
    else
        return;
    z.TyvoDatei = OhneFuehrendeBlanks(GetParameterWert(teile.at(1), QStringLiteral("TYVO_File")));
}
