#include "data/KonfliktDialog.h"

namespace {

// Without a window the question is answered as if the dialog had been closed.
class OhneFenster : public KonfliktDialog {
public:
    int ShowFormular(const QString&) override { return KonfliktAntwort::Abbrechen; }
};

KonfliktDialogFabrik& fabrik()
{
    static KonfliktDialogFabrik f;
    return f;
}

}  // namespace

void setzeKonfliktDialogFabrik(KonfliktDialogFabrik f)
{
    fabrik() = std::move(f);
}

std::unique_ptr<KonfliktDialog> neuerKonfliktDialog()
{
    if (fabrik())
        if (auto d = fabrik()())
            return d;
    return std::make_unique<OhneFenster>();
}
