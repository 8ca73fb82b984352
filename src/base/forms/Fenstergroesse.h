#pragma once
#include <QStringList>

class QAbstractButton;
class QWidget;

// Sizes that follow the texts a window shows, measured in its font.
namespace Fenstergroesse {

// Width of a window whose title bar shows its icon, its whole title and the usual buttons.
int TitelBreite(const QWidget& fenster);
// Widens a window to TitelBreite (a fixed width too); the height stays.
void PlatzFürTitel(QWidget& fenster);
// Width a button needs for the longest of its captions (empty: its present caption); never
// less than its present width.
int KnopfBreite(const QAbstractButton& knopf, const QStringList& beschriftungen = {});

}  // namespace Fenstergroesse
