#pragma once
#include <QDialog>

#include <initializer_list>
#include <vector>

#include "projects/forms/Projektgitter.h"
#include "base/forms/behandlungTabStop.h"

class Projektauswahl;
class Tastenvorschau;

// What the list and the backup dialog share: the grid bound to the project page's recordset
// through the dialog's logic, the sort box, the key preview with the program's tab order, the
// window icon and place, and closing through the logic (which may refuse).
class Projektdialog : public QDialog {
    Q_OBJECT
public:
    ~Projektdialog() override;

    Projektgitter* DataGrid1 = nullptr;
    Sortierbox* SortierCombo2 = nullptr;

public slots:
    void done(int r) override;

protected:
    // Caption text id and height in twips; the grid and the sort box are created first.
    Projektdialog(Projektauswahl& auswahl, int titelId, int höheTwips, QWidget* parent);
    // Once the dialog's own controls exist: binds the grid, sets up tab order and keys, loads the
    // logic and shows it.
    void richteEin(const std::vector<Projektgitter::Spalte>& spalten, int maxTabindex);
    void closeEvent(QCloseEvent* e) override;
    // The derived dialog's destructor: no control reaches the logic any more (it goes first).
    void trenne();
    // Controls that keep their distance to the right edge when the dialog widens for its grid.
    void rechtsVerankert(std::initializer_list<QWidget*> steuerelemente);

    // Shows the logic's state.
    virtual void zeige();
    // Key preview: the shift state and Tab go to the tab handling.
    virtual void keyDown(int& KeyCode, int Shift);
    virtual void keyPress(int& KeyAscii);

    behandlungTabStop m_tabStop;

private:
    // Widens the dialog (up to the screen's width) when the grid's columns need more room.
    void passeBreiteAn();

    Projektauswahl& m_auswahl;
    std::vector<QWidget*> m_rechts;
    Tastenvorschau* m_tasten = nullptr;
    bool m_schliesst = false;
};

// A widget at a place in twips.
void SetzeGeometrie(QWidget* w, int links, int oben, int breite, int höhe);
