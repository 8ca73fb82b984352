#pragma once
#include <QComboBox>

#include <memory>
#include <vector>

#include "base/forms/Auswahlgitter.h"
#include "data/RecordsetModell.h"

class Projektauswahl;
class Recordset;

// The project grid of the list and backup dialogs: the choice grid on the project page's
// recordset; it also reports the space key.
class Projektgitter : public Auswahlgitter {
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

signals:
    void Leertaste();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // What a column's caption and contents need.
    int inhaltsbreite(int spalte) const;

    RecordsetModell* m_modell;
    std::vector<int> m_breiten;  // given column widths in twips
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
