#pragma once
#include <cstdint>

// Opens the air-venting choice modally for the current project; the dialog finds the data
// object through the main window by the project's type and writes the chosen rows into it.
// The UI installs it; tests put their own in.
class Entlüftungsdialog {
public:
    virtual ~Entlüftungsdialog() = default;
    // familie: the venting family (0..2) of heating and cooling; not used for solar.
    virtual void Zeige(int16_t familie) = 0;
};

// The installed dialog (nullptr before the UI installs one).
Entlüftungsdialog* entlüftungsDialog();
void setzeEntlüftungsDialog(Entlüftungsdialog* dialog);
