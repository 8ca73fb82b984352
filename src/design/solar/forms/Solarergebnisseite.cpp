#include "design/solar/forms/Solarergebnisseite.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"

namespace {
constexpr int SeiteBreite = 11025, SeiteHöhe = 7200;
}

Solarergebnisseite::Solarergebnisseite(QWidget* parent) : Seitenform(parent)
{
    // Own role: the page area's dark role would make the captions light.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    // The layout's widths are made for an 8-point font.
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    resize(px(SeiteBreite), px(SeiteHöhe));
}

int Solarergebnisseite::px(int twips)
{
    return Twips::zuPixel(twips);
}

QLabel* Solarergebnisseite::neuesLabel(const char* name, int index, int x, int y, int breite, int höhe)
{
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromUtf8(name));
    if (index >= 0)
        Steuerelemente::setzeIndex(l, index);
    l->setGeometry(px(x), px(y), px(breite), px(höhe));
    return l;
}

void Solarergebnisseite::neueLinie(int x1, int y1, int x2, int y2)
{
    m_linien.append(QLine(px(x1), px(y1), px(x2), px(y2)));
}

void Solarergebnisseite::Kopfzeilen(QLabel* nummer, QLabel* bezeichnung)
{
    const Programmzustand& z = zustand();
    nummer->setText(LadeText(60 + z.Sprachoffset) + QStringLiteral("     ") + z.aktProjektnummer);
    bezeichnung->setText(z.aktProjektBezeichnung);
}

void Solarergebnisseite::Bilder(QLabel* bild)
{
    const QImage b = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    bild->setScaledContents(false);
    bild->setPixmap(QPixmap::fromImage(b));
    bild->resize(b.size());
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    update();
}

void Solarergebnisseite::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (!m_hintergrund.isNull())
        p.drawImage(0, 0, m_hintergrund);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLines(m_linien);
    p.end();
    Seitenform::paintEvent(e);
}
