#pragma once
#include <QList>
#include <QString>

#include "base/VbVariant.h"

class QLabel;
class QWidget;

// The controls of a form as the focus helpers see them: every widget inside the form that can
// take the focus, in the form's tab order (the Qt focus chain); a control's tab index is its
// position in that list. Parts of composite widgets (the editor of a combo box or spin box,
// the viewport of a list) are not controls of their own.
//
// A control array is a set of widgets with the same object name, each carrying its array index
// in the property "Index" (setzeSteuerelementIndex).
namespace Steuerelemente {

enum class Art { TextBox, MaskEdBox, ComboBox, CheckBox, OptionButton, Sonstige };

QList<QWidget*> liste(const QWidget* form);
Art art(const QWidget* w);
// Text box, masked edit box or combo box: the inputs that are validated before Enter moves on.
bool istTexteingabe(const QWidget* w);
// The control of the form that has the focus (the control owning the focused part), or nullptr.
QWidget* aktives(const QWidget* form, const QList<QWidget*>& steuerelemente);
// Visible within its form and enabled.
bool sichtbarUndAktiv(const QWidget* w);
// Gives w the focus; true when it took it.
bool fokusSetzen(QWidget* w);

// Control-array index: Null when the control is in no array.
VbVariant index(const QWidget* w);
void setzeIndex(QWidget* w, int index);

// A label of the form placed in twips: object name, array index (< 0: in no array), left, top,
// width and height.
QLabel* neuesLabel(QWidget* form, const char* name, int index, int x, int y, int breite, int höhe);

}  // namespace Steuerelemente
