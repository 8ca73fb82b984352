#pragma once
#include <QComboBox>
#include <QTableView>

#include <memory>
#include <vector>

#include "data/RecordsetModell.h"

class Projektauswahl;
class Recordset;

// The project grid of the list and backup dialogs: read-only rows of the project page's
// recordset, one highlighted row and no cell cursor. It reports the row under the pointer, the
// row the user moves to (click or keys; Page Up and Page Down move one row), double clicks,
// the space key and its focus.
class Projektgitter : public QTableView {
    Q_OBJECT
public:
    explicit Projektgitter(QWidget* parent = nullptr);

    RecordsetModell* modell() const { return m_modell; }
    // One column: field, caption text id, width in twips, alignment.
    struct Spalte {
        const char* feld;
        int textId;
        int breite;
        Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter;
    };
    // Binds the grid to the recordset with these columns; the type column shows the type's name,
    // the date column the short date followed by three blanks.
    void binde(std::shared_ptr<Recordset> rs, const std::vector<Spalte>& spalten);
    // Every column at its given width, but never narrower than its caption and its contents
    // need in the grid's font.
    void passeSpaltenAn();
    // The width the grid needs to show every column without a horizontal scroll bar.
    int benötigteBreite() const;
    // Where the room is short: columns wider than their contents give up to this many pixels,
    // down to what their contents need.
    void gibPlatzAb(int pixel);

    // Shows the logic's state: the recordset's current row as the grid's, the highlighted row.
    void zeige(const Projektauswahl& auswahl);
    // Number of lines the grid shows.
    int sichtbareZeilen() const;
    // The row under a point of the viewport (pixels), by the grid's line rule; -1 for none.
    int zeileUnter(int y) const;

signals:
    void ZeigerUeberZeile(int zeile);
    void ZeileGewaehlt(int zeile);
    void Doppelklick();
    void Leertaste();
    void FokusGeaendert(bool hat);

protected:
    void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void folge(int zeile);
    // What a column's caption and contents need.
    int inhaltsbreite(int spalte) const;

    RecordsetModell* m_modell;
    std::vector<int> m_breiten;  // given column widths in twips
    bool m_folgt = false;
};

// The sort box: typing changes nothing; of the keys only Page Up, Page Down, Up and Down reach it.
class Sortierbox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    // The entries, the current one shown without a change signal.
    void fülle(const QStringList& einträge, const QString& aktuell);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
