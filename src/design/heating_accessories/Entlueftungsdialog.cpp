#include "design/heating_accessories/Entlueftungsdialog.h"

namespace {
Entlüftungsdialog* g_dialog = nullptr;
}

Entlüftungsdialog* entlüftungsDialog()
{
    return g_dialog;
}

void setzeEntlüftungsDialog(Entlüftungsdialog* dialog)
{
    g_dialog = dialog;
}
