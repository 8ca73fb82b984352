#include "base/DateiDialogSeam.h"

namespace {
class KeinDialog : public DateiDialogSeam {
public:
    QString zeige(const DateiDialogAnfrage&) override { return {}; }
};

KeinDialog g_keiner;
DateiDialogSeam* g_dialog = nullptr;
}  // namespace

DateiDialogSeam& dateiDialog()
{
    return g_dialog ? *g_dialog : g_keiner;
}

void setzeDateiDialog(DateiDialogSeam* d)
{
    g_dialog = d;
}
