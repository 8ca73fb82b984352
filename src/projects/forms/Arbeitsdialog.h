#pragma once
#include <QDialog>

#include "base/forms/Dialogfenster.h"

class QProgressBar;

// A dialog that does one piece of work: the work starts once, when the dialog is first shown
// (after the showing has been handled, so that the dialog is up), every close request is refused
// while it runs, and when it has ended ArbeitBeendet closes the dialog.
class Arbeitsdialog : public QDialog {
    Q_OBJECT
public:
    explicit Arbeitsdialog(QWidget* parent = nullptr);

    bool Gestartet() const { return m_gestartet; }
    bool InArbeit() const { return m_inArbeit; }

    // The busy indicator: a bar that runs while it is shown.
    QProgressBar* Animation1 = nullptr;

protected:
    virtual void Arbeit() = 0;
    // After the work: closes the dialog.
    virtual void ArbeitBeendet();
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Esc and the cancel buttons: refused while the work runs.
    void reject() override;

private:
    void starten();

    bool m_gestartet = false;
    bool m_inArbeit = false;
};
