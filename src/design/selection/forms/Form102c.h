#pragma once
#include <array>

#include "design/selection/Behaelteruebersicht.h"
#include "design/selection/forms/Auswahldialog.h"

class QLabel;

// "Unterformular Ausdehnungsgefäße": the vessels, units and per-generator vessels chosen on the
// vessel page; read only.
class Form102c : public Auswahldialog {
public:
    Form102c(Behälterauswahl& seite, QWidget* parent = nullptr);
    ~Form102c() override;

    Behälterübersicht& logik() { return m_logik; }

    // Rows 0..2: count, unit, caption, article.
    std::array<QLabel*, 3> Label3{}, Label7{}, Label1{}, Label4{};
    // Generator rows 1..6 (index 0 unused).
    std::array<QLabel*, 7> Label5{}, Label8{}, Label2{}, Label6{};

private:
    Behälterübersicht m_logik;
};
