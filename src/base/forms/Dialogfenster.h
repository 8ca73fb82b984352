#pragma once

class QWidget;

// Clears the message mute flag and sets the window icon "Kelvor.ico" of the program folder
// (a missing file leaves the default icon).
void DialogVorbereiten(QWidget& dialog);
// Places the dialog in the middle of the main window (nothing without a main window).
void ZentriereÜberHauptfenster(QWidget& dialog);
