#pragma once
#include <QComboBox>
#include <QImage>

#include <array>
#include <functional>
#include <memory>

#include "base/forms/Seitenform.h"

class QLabel;
class QPushButton;
class QTableView;
class GlobDatenSpeicher;
class RecordsetModell;
class Wohnungsgruppen;

// A drop-down list over a grid cell: any closing of its popup (click, Enter, Escape) ends the
// choice once.
class Zellenliste : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    std::function<void()> geschlossen;
    void hidePopup() override;
};

// Page 501: the dwelling groups of a storage-heater project in a grid, their draw-off points in
// the dialog of their equipment kind, and the demand figure N. A calculated page is locked
// until "Verändern".
class Form501 : public Seitenform {
    Q_OBJECT
public:
    explicit Form501(QWidget* parent = nullptr);
    ~Form501() override;

    Wohnungsgruppen& Gruppen() { return *m_gruppen; }
    // The commands of the buttons and the keys F3/Insert, F4 and F8.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // Opens the list of column 2 (rooms) or 5 (equipment) over the current row's cell.
    void ÖffneListe(int spalte);
    // The end of a list's choice: writes the cell, opens the equipment dialog, moves on.
    void ListeGeschlossen(int spalte);
    void FreigabeEingabe(bool frei);

    QTableView* DataGrid1 = nullptr;
    std::array<Zellenliste*, 3> Combo1{};  // 1 rooms, 2 equipment
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label4_1 = nullptr;  // N

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void FormKeyDown(int& KeyCode, int Shift) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void ZeigeKennzahl();
    void Berechnet(bool berechnet);
    int aktuelleZeile() const;
    void nächsteZelle();

    std::unique_ptr<Wohnungsgruppen> m_gruppen;
    GlobDatenSpeicher* m_Speicherdaten = nullptr;  // held by the page while it is shown
    RecordsetModell* m_modell = nullptr;
    QImage m_hintergrund;
    bool m_AuswahlAktiv = false;
    bool m_BerechnenAnstehend = false;
};
