#include "design/heating_accessories/forms/Dialoglage.h"

#include <QWidget>

#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"

void Dialoglage(QWidget& dialog, int höheTwips, QWidget& weiter)
{
    const int breite = Twips::zuPixel(11200);
    const int höhe = Twips::zuPixel(höheTwips);
    dialog.setFixedSize(breite, höhe);
    weiter.move(breite - weiter.width() - Twips::zuPixel(100), höhe - weiter.height() - Twips::zuPixel(200));
    if (Hauptfenster* h = hauptfenster()) {
        const QRect m = h->Fensterwidget()->frameGeometry();
        dialog.move(m.left() + (m.width() - breite) / 2, m.top() + Twips::zuPixel(1400));
    }
}
