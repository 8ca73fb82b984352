#include "base/forms/Fenstergroesse.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>

namespace Fenstergroesse {

int TitelBreite(const QWidget& fenster)
{
    // Title bars draw in a bold face of the window's font, in general.
    QFont schrift = fenster.font();
    schrift.setBold(true);
    const int text = QFontMetrics(schrift).horizontalAdvance(fenster.windowTitle());
    const QStyle* stil = fenster.style();
    const int symbol = stil->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &fenster);
    // Icon, minimise/maximise/close, the frame and some air on both sides of the title.
    const int knopf = std::max(stil->pixelMetric(QStyle::PM_TitleBarButtonSize, nullptr, &fenster), 24);
    return text + symbol + 3 * knopf + 48;
}

void PlatzFürTitel(QWidget& fenster)
{
    const int breite = TitelBreite(fenster);
    if (fenster.width() >= breite)
        return;
    if (fenster.minimumWidth() == fenster.maximumWidth())
        fenster.setFixedWidth(breite);
    else
        fenster.resize(breite, fenster.height());
}

int KnopfBreite(const QAbstractButton& knopf, const QStringList& beschriftungen)
{
    const QStringList texte = beschriftungen.isEmpty() ? QStringList{knopf.text()} : beschriftungen;
    const QFontMetrics fm(knopf.font());
    int breite = knopf.width();
    for (const QString& t : texte) {
        // The caption with the button's frame and margins, as the style sizes a push button.
        QStyleOptionButton option;
        option.initFrom(&knopf);
        option.text = t;
        const QSize inhalt = fm.size(Qt::TextShowMnemonic, t);
        // A little air on both sides, as the other buttons have.
        const int luft = 2 * fm.averageCharWidth();
        breite = std::max(breite,
                          knopf.style()->sizeFromContents(QStyle::CT_PushButton, &option, inhalt, &knopf).width() + luft);
    }
    return breite;
}

}  // namespace Fenstergroesse
