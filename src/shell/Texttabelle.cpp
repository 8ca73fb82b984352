#include "shell/Texttabelle.h"

#include <QFile>

Texttabelle& Texttabelle::instanz()
{
    static Texttabelle t;
    return t;
}

Texttabelle::Texttabelle()
{
    QFile f(QStringLiteral(":/texte.tsv"));
    if (f.open(QIODevice::ReadOnly))
        lese(f.readAll(), m_texte);
}

const QString* Texttabelle::suche(int id) const
{
    auto it = m_texte.constFind(id);
    return it == m_texte.constEnd() ? nullptr : &it.value();
}

bool Texttabelle::lese(const QByteArray& inhalt, QHash<int, QString>& ziel, QString* fehler)
{
    const QList<QByteArray> zeilen = inhalt.split('\n');
    int nr = 0;
    for (QByteArray zeile : zeilen) {
        ++nr;
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        if (zeile.isEmpty() || zeile.startsWith('#'))
            continue;
        const int tab = zeile.indexOf('\t');
        bool ok = false;
        const int id = tab > 0 ? zeile.left(tab).toInt(&ok) : 0;
        if (!ok) {
            if (fehler)
                *fehler = QStringLiteral("Zeile %1: keine Textnummer").arg(nr);
            return false;
        }
        if (ziel.contains(id)) {
            if (fehler)
                *fehler = QStringLiteral("Zeile %1: Textnummer %2 doppelt").arg(nr).arg(id);
            return false;
        }
        // "\r\n" inside a text stands for a real line break of the original table.
        QString text = QString::fromUtf8(zeile.mid(tab + 1));
        text.replace(QLatin1String("\\r\\n"), QLatin1String("\r\n"));
        ziel.insert(id, text);
    }
    return true;
}
