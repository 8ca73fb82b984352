#pragma once
class QWidget;

// The dialogs 11200 twips wide: over the main window's top + 1400 twips, centred across it; the
// confirm button 200 twips above the bottom and 100 from the right edge.
void Dialoglage(QWidget& dialog, int höheTwips, QWidget& weiter);
