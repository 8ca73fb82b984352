#pragma once
#include <QHash>
#include <QList>
#include <QString>

// The German string table (resources/texte.tsv: id TAB text), loaded once.
class Texttabelle {
public:
    static Texttabelle& instanz();
    const QString* suche(int id) const;
    const QHash<int, QString>& alle() const { return m_texte; }
    // The ids whose texts, one after the other, make up text exactly (a message text is often
    // one text or two joined); ids in bevorzugt are tried first, then the lowest id of a text
    // that several ids share. Empty when the text is not made of table texts.
    QList<int> zerlege(const QString& text, const QList<int>& bevorzugt = {}) const;
    // Puts another table in place of the loaded one (tests); returns the one it replaced.
    QHash<int, QString> ersetze(QHash<int, QString> texte);
    // Reads "id TAB text" lines into ziel. A line without an id, or with an id seen before,
    // is skipped; the result is then false and *fehler names the first such line.
    static bool lese(const QByteArray& inhalt, QHash<int, QString>& ziel, QString* fehler = nullptr);

private:
    Texttabelle();
    QHash<int, QString> m_texte;
};
