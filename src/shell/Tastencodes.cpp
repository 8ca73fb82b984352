#include "shell/Tastencodes.h"

namespace Tastencodes {

int Taste(int qtTaste)
{
    if (qtTaste >= Qt::Key_F1 && qtTaste <= Qt::Key_F16)
        return 112 + (qtTaste - Qt::Key_F1);
    switch (qtTaste) {
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Left: return Links;
    case Qt::Key_Up: return Hoch;
    case Qt::Key_Right: return Rechts;
    case Qt::Key_Down: return Runter;
    default: return 0;
    }
}

int Umschaltung(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? UmschaltShift : 0) | (m & Qt::ControlModifier ? UmschaltStrg : 0)
           | (m & Qt::AltModifier ? UmschaltAlt : 0);
}

}  // namespace Tastencodes
