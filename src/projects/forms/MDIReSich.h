#pragma once
#include "projects/Einlesevorgang.h"
#include "projects/forms/Arbeitsdialog.h"

class QLabel;
class QPushButton;

// The restore dialog: asks for a transfer file when it is first shown, reads its projects into
// the project database and closes itself. Abbrechen stops the reading after its current step.
class MDIReSich : public Arbeitsdialog, public EinleseAnzeige {
    Q_OBJECT
public:
    explicit MDIReSich(QWidget* parent = nullptr);

    void SchreibeProjektNr(const QString& text) override;
    void LesenBeginnt() override;
    void LesenEndet() override;

    QLabel* LabelInfo = nullptr;
    QLabel* LabelProjNr = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void Arbeit() override;
    // Abbrechen and Esc: the close is refused while the work runs; the reader then stops after
    // its current step.
    void reject() override;

private:
    Einlesevorgang m_vorgang;
};
