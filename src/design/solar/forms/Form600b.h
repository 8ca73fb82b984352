#pragma once
#include <array>
#include <memory>

#include "design/solar/forms/Inhaltsdialog.h"

class GlobDatenSolar;
class conTextBoxAdodb;
class QLineEdit;

// The copper pipework of a solar circuit by size: total length and the part above the collector
// level. Each length goes straight into the data object, and the pipe content and the content
// above the collectors follow at once (also in the content dialog behind it).
class Form600b : public Inhaltsdialog {
    Q_OBJECT
public:
    explicit Form600b(QWidget* parent = nullptr);
    ~Form600b() override;

    std::array<QLineEdit*, 7> Text1{};  // total length, m
    std::array<QLineEdit*, 7> Text2{};  // of it above the collector level, m
    QLineEdit* SummeRohrleitung = nullptr;
    QLineEdit* SummeRohrleitungUeberKollektor = nullptr;

    bool Text1_Validate(int Index);
    bool Text2_Validate(int Index);

protected:
    bool Prüfen(QLineEdit* box) override;
    void Entladen() override;

private:
    // The above-collector length of a row exceeds its total (both whole numbers).
    bool überTotal(int Index) const;
    void zeigeSummen();

    std::shared_ptr<GlobDatenSolar> m_daten;
    std::array<conTextBoxAdodb*, 7> m_gesamt{};
    std::array<conTextBoxAdodb*, 7> m_überKol{};
};
