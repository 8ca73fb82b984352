#pragma once
#include <QString>

#include <functional>
#include <memory>

// Answers of the restore conflict dialog (value 1 is not used).
namespace KonfliktAntwort {
enum : int { Überschreiben = 0, Weiter = 2, Abbrechen = 3, AlleÜberschreiben = 4 };
}

// The question what to do with a project whose number already exists.
class KonfliktDialog {
public:
    virtual ~KonfliktDialog() = default;
    // Shows the question for the project number modally and returns a KonfliktAntwort.
    virtual int ShowFormular(const QString& projNr) = 0;
};

// Makes a new conflict dialog for each conflict (the UI installs its dialog, tests a script).
using KonfliktDialogFabrik = std::function<std::unique_ptr<KonfliktDialog>()>;
// Installs the factory; an empty one restores the default, which answers Abbrechen.
void setzeKonfliktDialogFabrik(KonfliktDialogFabrik fabrik);
std::unique_ptr<KonfliktDialog> neuerKonfliktDialog();

// The label of a progress window that shows the number of the project being read.
class ProjektNrAnzeige {
public:
    virtual ~ProjektNrAnzeige() = default;
    virtual void SchreibeProjektNr(const QString& text) = 0;
};
