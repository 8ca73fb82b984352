#pragma once
#include <array>

#include "design/heating/forms/Heizungsformen.h"

class GlobDatenHeizung;
class QLabel;
class QLineEdit;
class QPushButton;
class conTextBoxAdodb;

// The pipe-network dialog: lengths of fifteen nominal sizes give the pipe content.
class Form101c : public Heizungsdialog {
    Q_OBJECT
public:
    explicit Form101c(QWidget* parent = nullptr);
    ~Form101c() override;

    bool PrüfeZeile(int i);

    std::array<QLineEdit*, 15> Text1{};
    std::array<QLabel*, 15> Label1{};
    std::array<QLabel*, 15> Label2{};
    QLineEdit* SummeLiter = nullptr;
    QPushButton* WeiterCommand = nullptr;

protected:
    bool Prüfe(QLineEdit* feld) override;
    void Entladen() override;
    QLineEdit* Feld(const QString& name, int index) const override;
    const conTextBoxAdodb* Wert(const QLineEdit* feld) const override;

private:
    conTextBoxAdodb& länge(int i) const;

    std::shared_ptr<GlobDatenHeizung> m_halter;
    GlobDatenHeizung* m_h = nullptr;
};
