#pragma once
#include <QColor>
#include <QSize>

class QPalette;
class QWidget;

// What keeps every window of the program readable, installed once for the application by the
// page base and the dialogs:
// - the colours of locked (disabled) controls: a dark grey text that stays readable on the
//   yellow input colour, on white and on grey, while it still differs from the black of a box
//   that takes input; and a highlighted row dark enough for its white text;
// - texts that fit: labels, check and option buttons, push buttons and group captions placed by
//   hand (their parent has no layout) grow into free room beside or below them when their text
//   needs more than their place (a frame or group around them along with them), keep to the
//   part of their parent that shows, and labels wrap where there is no room beside them. This runs
//   when a window or a page is shown and again whenever a text of such a control changes.
namespace Lesbarkeit {

// The text colour of locked controls.
QColor GesperrterText();
// The locked-control and highlight colours in palette p.
void SetzeLesbareFarben(QPalette& p);

// Installs the colours and the fitting for the application (once; later calls do nothing).
void Einrichten();

// Fits the hand-placed texts inside w (w included) now.
void Einpassen(QWidget* w);

// The room the text of w needs (0 x 0 for a control without text that the fitting looks at).
QSize Textbedarf(const QWidget* w);

}  // namespace Lesbarkeit
