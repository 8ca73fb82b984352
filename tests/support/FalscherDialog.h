#pragma once
#include <QList>
#include <QString>

#include <stdexcept>

#include "base/DateiDialogSeam.h"

// Stands in for the file dialog while it lives: keeps every request and answers with antwort
// (empty: Cancel), or throws when werfen is set.
class FalscherDialog : public DateiDialogSeam {
public:
    FalscherDialog() { setzeDateiDialog(this); }
    ~FalscherDialog() override { setzeDateiDialog(nullptr); }
    QString zeige(const DateiDialogAnfrage& a) override
    {
        anfragen << a;
        if (werfen)
            throw std::runtime_error("kaputt");
        return antwort;
    }
    QList<DateiDialogAnfrage> anfragen;
    QString antwort;
    bool werfen = false;
};
