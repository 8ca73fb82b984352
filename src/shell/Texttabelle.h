#pragma once
#include <QHash>
#include <QString>

// The German string table (resources/texte.tsv: id TAB text), loaded once.
class Texttabelle {
public:
    static Texttabelle& instanz();
    const QString* suche(int id) const;
    const QHash<int, QString>& alle() const { return m_texte; }
    // Reads "id TAB text" lines; false on a line that does not parse.
    static bool lese(const QByteArray& inhalt, QHash<int, QString>& ziel, QString* fehler = nullptr);

private:
    Texttabelle();
    QHash<int, QString> m_texte;
};
