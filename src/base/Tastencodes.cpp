#include "base/Tastencodes.h"

namespace Tastencodes {

int Taste(int qtTaste)
{
    if (qtTaste >= Qt::Key_F1 && qtTaste <= Qt::Key_F16)
        return 112 + (qtTaste - Qt::Key_F1);
    if (qtTaste >= Qt::Key_A && qtTaste <= Qt::Key_Z)
        return 65 + (qtTaste - Qt::Key_A);
    if (qtTaste >= Qt::Key_0 && qtTaste <= Qt::Key_9)
        return 48 + (qtTaste - Qt::Key_0);
    switch (qtTaste) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
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
