#include "base/Texttabelle.h"

#include <QFile>

#include <utility>

Texttabelle& Texttabelle::instanz()
{
    static Texttabelle t;
    return t;
}

Texttabelle::Texttabelle()
{
    // The resource is linked from a static library: name it, so that the linker keeps it.
    Q_INIT_RESOURCE(kelvor_texte);
    QFile f(QStringLiteral(":/texte.tsv"));
    QString fehler;
    if (f.open(QIODevice::ReadOnly) && !lese(f.readAll(), m_texte, &fehler))
        qWarning("texte.tsv: %s", qPrintable(fehler));
}

const QString* Texttabelle::suche(int id) const
{
    auto it = m_texte.constFind(id);
    return it == m_texte.constEnd() ? nullptr : &it.value();
}

QList<int> Texttabelle::zerlege(const QString& text, const QList<int>& bevorzugt) const
{
    QList<int> ids;
    for (qsizetype p = 0; p < text.size();) {
        const QStringView rest = QStringView(text).mid(p);
        int bester = -1;
        qsizetype länge = 0;
        const auto prüfe = [&](int id, const QString& t) {
            if (t.size() > länge && rest.startsWith(t)) {
                bester = id;
                länge = t.size();
            }
        };
        for (int id : bevorzugt)
            if (const QString* t = suche(id))
                prüfe(id, *t);
        for (auto it = m_texte.cbegin(); it != m_texte.cend(); ++it)
            if (it.value().size() > länge || (it.value().size() == länge && it.key() < bester
                                              && !bevorzugt.contains(bester)))
                if (rest.startsWith(it.value()) && !it.value().isEmpty()) {
                    bester = it.key();
                    länge = it.value().size();
                }
        if (bester < 0)
            return {};
        ids << bester;
        p += länge;
    }
    return ids;
}

QHash<int, QString> Texttabelle::ersetze(QHash<int, QString> texte)
{
    std::swap(texte, m_texte);
    return texte;
}

bool Texttabelle::lese(const QByteArray& inhalt, QHash<int, QString>& ziel, QString* fehler)
{
    const QList<QByteArray> zeilen = inhalt.split('\n');
    int nr = 0;
    bool gut = true;
    const auto melde = [&](const QString& text) {
        if (gut && fehler)
            *fehler = text;
        gut = false;
    };
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
            melde(QStringLiteral("Zeile %1: keine Textnummer").arg(nr));
            continue;
        }
        if (ziel.contains(id)) {
            melde(QStringLiteral("Zeile %1: Textnummer %2 doppelt").arg(nr).arg(id));
            continue;
        }
        // "\r\n" inside a text stands for a real line break of the original table.
        QString text = QString::fromUtf8(zeile.mid(tab + 1));
        text.replace(QLatin1String("\\r\\n"), QLatin1String("\r\n"));
        ziel.insert(id, text);
    }
    return gut;
}
