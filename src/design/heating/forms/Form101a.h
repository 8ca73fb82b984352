#pragma once
#include <array>

#include "design/heating/forms/Heizungsformen.h"

class GlobDatenHeizung;
class QLabel;
class QLineEdit;
class QPushButton;
class conTextBoxAdodb;

// The heat-generator dialog: outputs of up to six heat generators (their sum is the total output,
// at most 20000 kW) and, with single protection, their water contents.
class Form101a : public Heizungsdialog {
    Q_OBJECT
public:
    explicit Form101a(QWidget* parent = nullptr);
    ~Form101a() override;

    bool Einzelabsicherung() const { return m_einzel; }
    // The checks of output box i and water-content box i (1..6); true keeps the focus.
    bool PrüfeLeistung(int i);
    bool PrüfeInhalt(int i);

    std::array<QLineEdit*, 8> Text1{};  // 1..6 outputs, 7 total
    std::array<QLineEdit*, 7> Text2{};  // 1..6 water contents
    std::array<QLabel*, 14> Label3{};
    std::array<QLabel*, 6> Label4{};
    QPushButton* WeiterCommand = nullptr;

protected:
    bool Prüfe(QLineEdit* feld) override;
    bool WeiterErlaubt() override;
    void Entladen() override;
    QLineEdit* Feld(const QString& name, int index) const override;
    const conTextBoxAdodb* Wert(const QLineEdit* feld) const override;

private:
    conTextBoxAdodb& leistung(int i) const;
    conTextBoxAdodb& inhalt(int i) const;
    void leistungGeändert(int i, const QString& text);

    std::shared_ptr<GlobDatenHeizung> m_halter;
    GlobDatenHeizung* m_h = nullptr;
    bool m_einzel = false;
};
