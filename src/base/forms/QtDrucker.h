#pragma once
#include "base/DruckerSeam.h"

#include <QPrinter>

// The print and printer set-up dialogs of Qt over the active window. The printer chosen in the
// set-up stays the default for the following jobs.
class QtDrucker : public DruckerSeam {
public:
    QtDrucker();
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage& anfrage) override;
    void einrichten() override;
    Druckdateifehler dateifehler() const override { return m_fehler; }

private:
    QPrinter m_drucker;
    Druckdateifehler m_fehler;
};
