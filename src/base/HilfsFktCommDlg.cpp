#include "base/HilfsFktCommDlg.h"

#include "base/AllgFunktionen.h"
#include "base/DateiDialogSeam.h"
#include "base/Programmzustand.h"

#include <QDir>

#include <algorithm>

namespace {
bool istTrenner(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

qsizetype letzterTrenner(const QString& t)
{
    return std::max(t.lastIndexOf(QLatin1Char('\\')), t.lastIndexOf(QLatin1Char('/')));
}

// Index of the drive's ":" (before any separator), or -1.
qsizetype doppelpunkt(const QString& t)
{
    for (qsizetype i = 0; i < t.size() && !istTrenner(t.at(i)); ++i)
        if (t.at(i) == QLatin1Char(':'))
            return i;
    return -1;
}

QString zeigeDateiDialog(const QString& startpfad, const QString& filter, const QString& titel,
                      bool speichern, bool beliebigerFilter)
{
    try {
        QString laufwerk, verzeichnis, datei;
        ZerlegePfad(startpfad, laufwerk, verzeichnis, datei);
        const int o = zustand().Sprachoffset;
        const QString alle = QStringLiteral("*.*");
        const bool endung = filter.startsWith(QLatin1String("*."));
        const QString f = (endung || beliebigerFilter) ? filter : alle;

        DateiDialogAnfrage a;
        a.titel = titel.isEmpty() ? LadeText(o + 1400) : titel;
        a.startOrdner = laufwerk + verzeichnis;
        a.dateiname = datei;
        a.standardEndung = f.startsWith(QLatin1String("*.")) ? f.mid(2) : QString();
        const QString alleDateien = LadeText(o + 1401);
        if (f == alle)
            a.filter = QStringList{alleDateien + QLatin1String(" *.*"), alle};
        else
            a.filter = QStringList{f, f, alleDateien + (beliebigerFilter ? QString() : QStringLiteral(" ")) + alle,
                                   alle};
        a.speichern = speichern;
        return dateiDialog().zeige(a);
    } catch (...) {
        return {};
    }
}
}  // namespace

void ZerlegePfad(const QString& pfad, QString& laufwerk, QString& verzeichnis, QString& datei,
                 const QString& aktOrdner)
{
    const QString akt = aktOrdner.isEmpty() ? QDir::currentPath() : aktOrdner;
    QString p = pfad;
    if (letzterTrenner(p) < 0) {
        const QChar trenner = akt.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
        p = akt + (!akt.isEmpty() && istTrenner(akt.back()) ? QString() : QString(trenner)) + p;
    }
    const qsizetype dp = doppelpunkt(p);
    if (dp >= 0) {
        laufwerk = p.left(dp + 1);
    } else {
        const qsizetype dpAkt = doppelpunkt(akt);
        laufwerk = dpAkt >= 0 ? akt.left(dpAkt + 1) : QString();
    }
    const qsizetype c = std::max(letzterTrenner(p), dp);
    datei = p.mid(c + 1, 128);
    verzeichnis.clear();
    if (c >= 0) {
        verzeichnis = p.mid(dp + 1, c - dp);
        if (verzeichnis.size() > 1 && istTrenner(verzeichnis.back()))
            verzeichnis.chop(1);
    }
}

QString DateiDialog(const QString& startpfad, const QString& filter, const QString& titel,
                    bool speichern)
{
    return zeigeDateiDialog(startpfad, filter, titel, speichern, false);
}

QString DateiDialogBeliebigerFilter(const QString& startpfad, const QString& filter,
                                    const QString& titel, bool speichern)
{
    return zeigeDateiDialog(startpfad, filter, titel, speichern, true);
}
