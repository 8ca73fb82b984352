#pragma once
#include <array>

#include "base/AllocationComboBox.h"
#include "design/selection/Automatenoptionen.h"
#include "design/selection/forms/Auswahldialog.h"

class Behälterauswahl;
class GlobDaten;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The options of the automats of groups 9 and 11 (control component or module, control vessels,
// extra compressor, changeover, accessories). Every change goes straight into the data object;
// there is no cancel.
class Form102b : public Auswahldialog {
public:
    Form102b(Behälterauswahl& seite, GlobDaten* daten, QWidget* parent = nullptr);
    ~Form102b() override;

    Automatenoptionen& logik() { return m_logik; }
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    // Shows the logic's state.
    void zeigen();

    std::array<QLabel*, 3> Label1{};
    QLabel* Label2 = nullptr;  // Label2(0): total number of vessels
    QLabel* Label3 = nullptr;  // group designation
    QLineEdit* Text1 = nullptr;  // Text1(0): control vessels
    QComboBox* SteuermodulKomponenteCombo = nullptr;
    std::array<QCheckBox*, 10> Check1{};

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool prüfeAnzahl();

    Automatenoptionen m_logik;
    GlobDaten* m_daten;
    AllocationComboBox m_combo;
    bool m_zeigt = false;
    bool m_aktiviert = false;
};
