#pragma once
#include <array>

#include "design/cooling/forms/Kaeltedialog.h"

class QLabel;
class QLineEdit;

// The chiller dialog of page 200: six capacities, their sum into the total capacity, which is
// held at or below 20000 kW.
class Form200a : public Kältedialog {
    Q_OBJECT
public:
    explicit Form200a(QWidget* parent = nullptr);
    ~Form200a() override;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    void Text1_Validate(int Index, bool& Cancel);

    std::array<QLineEdit*, 8> Text1{};  // 1..6 capacities, 7 the total (display)
    std::array<QLabel*, 14> Label3{};

protected:
    void prüfe(QWidget* box, bool& Cancel) override;
    bool istEingabe(const QWidget* w) const override;
    void Entladen() override;
    void showEvent(QShowEvent* e) override;

private:
    int indexVon(const QWidget* w) const;
};
