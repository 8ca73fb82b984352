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

    // Shows the logic's state: the recordset's current row as the grid's, the highlighted row.
    void zeige(const Projektauswahl& auswahl);

signals:
    void Leertaste();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    RecordsetModell* m_modell;
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
