#include "design/selection/Artikelauswahlrufer.h"

namespace {
Artikelauswahldialog* g_dialog = nullptr;
}

Artikelauswahldialog* artikelauswahlDialog()
{
    return g_dialog;
}

void setzeArtikelauswahlDialog(Artikelauswahldialog* dialog)
{
    g_dialog = dialog;
}
