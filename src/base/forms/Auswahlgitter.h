#pragma once
#include <QTableView>

// A read-only choice grid: whole rows, one highlighted row and no cell cursor, rows of 250
// twips. Page Up and Page Down move one row; the current row scrolls the grid one row back when
// it is the first visible line and one row on in the last two. It reports the row under the
// pointer, the row the user moves to (click or keys), double clicks and its focus.
class Auswahlgitter : public QTableView {
    Q_OBJECT
public:
    explicit Auswahlgitter(QWidget* parent = nullptr);

    // The current row follows row (-1: none) with the scroll rule; no ZeileGewaehlt.
    void folge(int zeile);
    // Scrolls by the grid's rule for a current row: one row back in the first visible line, one
    // row on in the last two.
    void Scrollregel(int zeile);
    // Highlights row as the only selected row (-1: none).
    void markiere(int zeile);
    // Number of lines the grid shows.
    int sichtbareZeilen() const;
    // The row under a point of the viewport (pixels) by the grid's line rule; -1 for none.
    int zeileUnter(int y) const;

signals:
    // The pointer moved over the grid; zeile is the row under it or -1.
    void ZeigerBewegt(int zeile);
    void ZeigerUeberZeile(int zeile);
    void ZeileGewaehlt(int zeile);
    void Doppelklick();
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
    void zeiger(int y);
    bool m_folgt = false;
};
