#pragma once
#include "base/DateiDialogSeam.h"

// Shows file dialogs as modal QFileDialogs over the active window.
class QtDateiDialog : public DateiDialogSeam {
public:
    QString zeige(const DateiDialogAnfrage& anfrage) override;
};

// The Qt name filters of a filter list ("*.sic", "*.sic", "Alle Dateien *.*", "*.*"):
// "*.sic (*.sic)", "Alle Dateien *.* (*)"; "*.*" matches every file.
QStringList QtNamensfilter(const QStringList& filter);
