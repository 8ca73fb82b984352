#pragma once
#include <QString>
#include <QStringList>

// One open or save dialog as the program asks for it.
struct DateiDialogAnfrage {
    QString titel;
    QString startOrdner;     // drive and directory to start in
    QString dateiname;       // file name proposed
    QString standardEndung;  // appended to a typed name without extension ("sic"); "*" or empty: none
    // Filter list: description and pattern in turn ("*.sic", "*.sic", "Alle Dateien *.*", "*.*").
    QStringList filter;
    bool speichern = false;  // save dialog (asks before overwriting); open: the file must exist
};

// Shows file dialogs: a QFileDialog in the program, a fake in tests.
class DateiDialogSeam {
public:
    virtual ~DateiDialogSeam() = default;
    // The full path chosen, or the empty text for Cancel.
    virtual QString zeige(const DateiDialogAnfrage& anfrage) = 0;
};

// The dialog in use; without one installed, every dialog is cancelled.
DateiDialogSeam& dateiDialog();
// Installs a dialog (not owned); nullptr restores the default.
void setzeDateiDialog(DateiDialogSeam* d);
