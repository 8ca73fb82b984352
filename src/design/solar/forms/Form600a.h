#pragma once
#include <QPointer>

#include <memory>

#include "design/solar/forms/Inhaltsdialog.h"

class GlobDatenSolar;
class QLabel;
class QLineEdit;
class QToolButton;

// The contents of a solar system: collector content per m², pipe content and the content of the
// solar tanks and heat exchangers, each bound to the data object. The pipe and heat-exchanger
// dialogs compute the two contents; while one of them holds more than 0 l its box is locked.
class Form600a : public Inhaltsdialog {
    Q_OBJECT
public:
    explicit Form600a(QWidget* parent = nullptr);
    ~Form600a() override;

    // The pipe or heat-exchanger dialog while it is shown.
    QPointer<QDialog> modaleForm;

    QLineEdit* Kollektorinhalt = nullptr;
    QLineEdit* Rohrleitungsinhalt = nullptr;
    QLineEdit* InhaltSolarwärmetauscher = nullptr;
    QToolButton* RohrleitungButton = nullptr;
    QToolButton* SolarWTButton = nullptr;

    bool Kollektorinhalt_Validate();
    bool Rohrleitungsinhalt_Validate();
    bool InhaltSolarwärmetauscher_Validate();
    void RohrleitungButton_Click();
    void SolarWTButton_Click();

protected:
    bool Prüfen(QLineEdit* box) override;
    void Verlassen(QLineEdit* box) override;
    void Taste(QLineEdit* box, int KeyAscii) override;
    void Entladen() override;

private:
    void zeigeModal(QDialog* dialog);

    std::shared_ptr<GlobDatenSolar> m_daten;
    bool KollektorinhaltGeändert = false;
    bool WärmetauscherinhaltGeändert = false;
};
