#include "design/selection/forms/Gefaesskopf.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "base/ModResFiles.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"

namespace Gefäßkopf {

QLabel* Bezeichnung(QWidget* seite)
{
    QLabel* l = Steuerelemente::neuesLabel(seite, "Label1", 2, Links, BezeichnungOben, Breite, BezeichnungHöhe);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void Zeige(QLabel* logo, QLabel* bezeichnung, const QString& text)
{
    const QImage bild = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    logo->setPixmap(QPixmap::fromImage(bild));
    // Right-aligned with the group column, above the designation.
    logo->setGeometry(Twips::zuPixel(Links + Breite) - bild.width(), Twips::zuPixel(60), bild.width(), bild.height());
    bezeichnung->setText(text);
}

}  // namespace Gefäßkopf
