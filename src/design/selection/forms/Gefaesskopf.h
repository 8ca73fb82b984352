#pragma once
#include <QString>

class QLabel;
class QWidget;

// The head of the vessel pages (heating, cooling, drinking water, pressure boosting, solar): the
// logo at the top right, and the project's designation below it across the group column, on up to
// two lines. The group column's heading and rows start below them.
namespace Gefäßkopf {

// In twips.
constexpr int Links = 5800;
constexpr int Breite = 10500 - Links;
constexpr int BezeichnungOben = 900;
constexpr int BezeichnungHöhe = 2 * 285;
constexpr int GruppenKopfOben = BezeichnungOben + BezeichnungHöhe + 60;
constexpr int GruppenOben = GruppenKopfOben + 330;

// The designation's label (object name "Label1", index 2) on page seite.
QLabel* Bezeichnung(QWidget* seite);
// Shows the logo in logo (at the top right) and the designation.
void Zeige(QLabel* logo, QLabel* bezeichnung, const QString& text);

}  // namespace Gefäßkopf
