#pragma once
#include <QHash>
#include <QString>

// The German string table (resources/texte.tsv: id TAB text), loaded once.
class Texttabelle {
public:
    static Texttabelle& instanz();
    const QString* suche(int id) const;
    const QHash<int, QString>& alle() const { return m_texte; }
    // Puts another table in place of the loaded one (tests); returns the one it replaced.
    QHash<int, QString> ersetze(QHash<int, QString> texte);
    // Reads "id TAB text" lines into ziel. A line without an id, or with an id seen before,
    // is skipped; the result is then false and *fehler names the first such line.
    static bool lese(const QByteArray& inhalt, QHash<int, QString>& ziel, QString* fehler = nullptr);

private:
    Texttabelle();
    QHash<int, QString> m_texte;
};
