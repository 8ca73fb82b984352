#pragma once
#include <array>

#include "design/heating/forms/Heizungsformen.h"

class GlobDatenHeizung;
class QLabel;
class QLineEdit;
class QPushButton;
class conTextBoxAdodb;

// The consumer dialog: outputs of six consumer kinds give the consumer water content; the flow
// temperature; the pipe-network dialog. The system volume follows as consumers plus pipes.
class Form101b : public Heizungsdialog {
    Q_OBJECT
public:
    explicit Form101b(QWidget* parent = nullptr);
    ~Form101b() override;

    // True when the dialog opened without consumer outputs: outputs then share the total output.
    bool Verteilung() const { return m_verteilung; }
    bool PrüfeLeistung(int i);
    bool PrüfeInhalt(int i);
    bool PrüfeVorlauf();
    // Opens the pipe-network dialog.
    void Fernleitungen();

    QLineEdit* TempV = nullptr;
    std::array<QLineEdit*, 6> Text1{};  // outputs
    std::array<QLineEdit*, 6> Text2{};  // water contents
    QLineEdit* Text1Summe = nullptr;
    QLineEdit* Text2Summe = nullptr;
    std::array<QLabel*, 10> Label1{};
    std::array<QLabel*, 5> Label3{};
    QPushButton* FernleitungButton = nullptr;
    QPushButton* WeiterCommand = nullptr;

protected:
    bool Prüfe(QLineEdit* feld) override;
    void Betreten(QLineEdit* feld) override;
    void Entladen() override;
    QLineEdit* Feld(const QString& name, int index) const override;
    const conTextBoxAdodb* Wert(const QLineEdit* feld) const override;

private:
    conTextBoxAdodb& leistung(int i) const;
    conTextBoxAdodb& inhalt(int i) const;
    void Anzeige_Verbraucherinhalte();

    std::shared_ptr<GlobDatenHeizung> m_halter;
    GlobDatenHeizung* m_h = nullptr;
    bool m_verteilung = false;
    double m_gemerkt = 0.0;
};
