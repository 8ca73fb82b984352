#pragma once
#include <QList>
#include <QString>

#include <array>

class Zeilenzugriff;

// The draw-off points of a dwelling group and the three dialogs that set them by equipment
// kind: normal (fixed), comfort (bath tubs and normal showers entered) and individual (all
// fourteen entered). Each accepted entry is written into the row at once.
namespace Zapfstellen {

struct Art {
    const char* spalte;
    int kurztext;
    int langtext;
    bool wanne;  // bath tub: half steps; otherwise one digit
};
// The fourteen kinds in the order of the dialogs' boxes.
extern const std::array<Art, 14> Arten;

enum class Dialog { Normal, Komfort, Individuell };

// The caption text of a dialog.
int Titeltext(Dialog d);
// The boxes a dialog shows (indices of Arten) and the ones it locks.
QList<int> Felder(Dialog d);
bool Gesperrt(Dialog d, int index);
// The long label of a box (the comfort dialog names its shower the "Duschkabine").
int Langtext(Dialog d, int index);

// What the dialog writes into the row when it opens.
void BeimÖffnen(Dialog d, Zeilenzugriff& zeile);
// The text of a box after opening, in the user's number format.
QString Anzeige(Dialog d, int index, Zeilenzugriff& zeile);

// The checks of a typed entry.
bool GültigeAnzahl(const QString& text);
bool GültigeWanne(const QString& text);
// Checks the box; accepted entries of a writable box are written. True (Cancel) when refused,
// after message 2262 with the list of allowed values.
bool Text1_Validate(Dialog d, int index, const QString& text, Zeilenzugriff& zeile);

}  // namespace Zapfstellen
