#pragma once
#include <array>

#include "design/selection/Automatenoptionen.h"
#include "design/selection/forms/Auswahldialog.h"

class Behälterauswahl;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

// The options of the pump automat of group 14: single or twin-pump module, the changeover of the
// twin pump and the accessories; what the working point does not allow is refused.
class Form102b2KM : public Auswahldialog {
public:
    explicit Form102b2KM(Behälterauswahl& seite, QWidget* parent = nullptr);
    ~Form102b2KM() override;

    Pumpenautomatoptionen& logik() { return m_logik; }
    void zeigen();

    std::array<QLabel*, 3> Label1{};
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> SteuermodulOption{};
    std::array<QCheckBox*, 10> Check1{};  // 1 and 3..9

protected:
    void showEvent(QShowEvent* e) override;

private:
    Pumpenautomatoptionen m_logik;
    bool m_zeigt = false;
    bool m_aktiviert = false;
};
