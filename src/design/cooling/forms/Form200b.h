#pragma once
#include <array>

#include "design/cooling/forms/Kaeltedialog.h"

class QLabel;
class QLineEdit;
class conTextBoxAdodb;

// The pipe-content dialog of page 200: lengths of fifteen pipe sizes and further litres; every
// accepted input sets the system volume to their water content.
class Form200b : public Kältedialog {
    Q_OBJECT
public:
    explicit Form200b(QWidget* parent = nullptr);
    ~Form200b() override;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    void Text1_Validate(int Index, bool& Cancel);
    void SonstigesLiter_Validate(bool& Cancel);

    std::array<QLineEdit*, 15> Text1{};  // DN 20 .. DN 400
    QLineEdit* SonstigesLiter = nullptr;
    QLineEdit* SummeLiter = nullptr;     // display
    std::array<QLabel*, 15> Label1{};
    std::array<QLabel*, 22> Label2{};    // units 0..14, 20, 21
    std::array<QLabel*, 2> Label3{};

protected:
    void prüfe(QWidget* box, bool& Cancel) override;
    bool istEingabe(const QWidget* w) const override;
    void Entladen() override;

private:
    conTextBoxAdodb* länge(int Index) const;
    void summe();
};
