#pragma once
#include <memory>

#include "projects/Datenbankkomprimierung.h"
#include "projects/forms/Arbeitsdialog.h"

class QTimer;

// Compacts the project database when it is first shown and closes itself two seconds after
// the compaction, without a message.
class MDIKomprDbank : public Arbeitsdialog {
    Q_OBJECT
public:
    // komprimierung: the compaction to run (tests); the program's own when empty.
    explicit MDIKomprDbank(QWidget* parent = nullptr, std::unique_ptr<Datenbankkomprimierung> komprimierung = {});
    ~MDIKomprDbank() override;

    // Closes the dialog 2000 ms after it was armed.
    QTimer* Timer1 = nullptr;
    // The result of the compaction (false before it ran).
    bool Komprimiert() const { return m_komprimiert; }

protected:
    void Arbeit() override;
    // Arms the closing timer instead of closing at once.
    void ArbeitBeendet() override;
    // Each later activation arms the timer anew.
    void changeEvent(QEvent* e) override;

private:
    void StarteSchliessTimer();

    std::unique_ptr<Datenbankkomprimierung> m_komprimierung;
    bool m_komprimiert = false;
};
