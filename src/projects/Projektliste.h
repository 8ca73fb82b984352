#pragma once
#include <QString>

#include "projects/Projektauswahl.h"

// The project list dialog without its widgets: a chooser over the project page's table with a
// search from a typed text, a re-sort, and a highlight that follows the pointer. The highlighted
// row, not the page's current row, is the choice; closing hands it to the page.
class Projektliste : public Projektauswahl {
    Q_OBJECT
public:
    explicit Projektliste(Projektseite& seite);

    // Opening: remembers the page's current project, takes the page's sort order and runs the
    // search with an empty text (the list opens on the first project of the order).
    void Laden() override;
    // Every change of the search text: the table again in the order of the sort box, on the first
    // project whose first sort key is not below the text.
    void Suchen(const QString& suchtext);
    // The pointer over a row of the grid: that row is highlighted and chosen; the page's current
    // row stays. A row that does not exist changes nothing.
    void ZeigerÜberZeile(int zeile) override;
    // Cancel and Escape: the page's table back to the position that was current when the list
    // opened (in the order now in force).
    void Abbrechen();
    // Closing, whatever the way (once): the page re-opens its table on the chosen project.
    bool Schliessen() override;

    // The chosen project number (Text1 shows it); "" when no row is highlighted.
    QString AuswahlProjektNr;
    const QString& Suchtext() const { return m_suchtext; }
    // The project current when the list opened.
    const QString& StartProjektNr() const { return m_startProjektNr; }

protected:
    QString& projektNr() override { return AuswahlProjektNr; }

private:
    QString m_suchtext;
    QString m_startProjektNr;
    int m_startPosition = -1;
};
