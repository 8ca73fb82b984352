#pragma once
#include <array>
#include <memory>

#include "design/solar/forms/Inhaltsdialog.h"

class Adodc;
class GlobDatenSolar;
class QLineEdit;
class QTableView;
class RecordsetModell;
class conTextBoxAdodb;
class datenbank;

// The solar tanks and heat exchangers in four kinds: number of units and content of one unit.
// The total follows every entry (also in the content dialog behind it). The information button
// shows or hides a read-only list of our solar tanks with their nominal contents.
class Form600c : public Inhaltsdialog {
    Q_OBJECT
public:
    explicit Form600c(QWidget* parent = nullptr);
    ~Form600c() override;

    std::array<QLineEdit*, 4> Text0{};  // count
    std::array<QLineEdit*, 4> Text1{};  // content of one unit, l
    QLineEdit* SummeWärmetauscher = nullptr;
    QToolButton* InfoSolarspeicherButton = nullptr;
    QTableView* DataGrid1 = nullptr;
    Adodc* AdodcSolarWT = nullptr;

    bool Text0_Validate(int Index);
    bool Text1_Validate(int Index);
    void InfoSolarspeicherButton_Click();
    bool infoAngezeigt() const { return m_infoAngezeigt; }
    // The list's table is open.
    bool infoOffen() const { return m_infoDB != nullptr; }
    RecordsetModell* Infomodell() const { return m_modell; }

protected:
    bool Prüfen(QLineEdit* box) override;
    void Entladen() override;

private:
    void ZeigeInfoSolarspeicher(bool anzeigen);
    void SpalteEinstellen(const QString& feld, int breite);
    void zeigeSumme();
    void infoFreigeben();

    std::shared_ptr<GlobDatenSolar> m_daten;
    std::array<conTextBoxAdodb*, 4> m_anzahl{};
    std::array<conTextBoxAdodb*, 4> m_inhalt{};
    std::unique_ptr<datenbank> m_infoDB;
    RecordsetModell* m_modell = nullptr;
    bool m_infoAngezeigt = false;
};
