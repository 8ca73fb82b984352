#include "base/forms/Ergebnisseite.h"

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

Ergebnisseite::Ergebnisseite(QWidget* parent) : Seitenform(parent)
{
    m_automatiklauf = true;
    // Own role: the page area's dark role would make the captions light.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    // The layout's widths are made for an 8-point font.
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    resize(px(SeiteBreite), px(SeiteHöhe));
}

int Ergebnisseite::px(int twips)
{
    return Twips::zuPixel(twips);
}

QLabel* Ergebnisseite::neuesLabel(const char* name, int index, int x, int y, int breite, int höhe)
{
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromUtf8(name));
    if (index >= 0)
        Steuerelemente::setzeIndex(l, index);
    l->setGeometry(px(x), px(y), px(breite), px(höhe));
    return l;
}

void Ergebnisseite::Kopfzeilen(QLabel* nummer, QLabel* bezeichnung)
{
    const Programmzustand& z = zustand();
    nummer->setText(LadeText(60 + z.Sprachoffset) + QStringLiteral("     ") + z.aktProjektnummer);
    bezeichnung->setText(z.aktProjektBezeichnung);
}

void Ergebnisseite::Bilder(QLabel* bild)
{
    const QImage b = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    bild->setScaledContents(false);
    bild->setPixmap(QPixmap::fromImage(b));
    bild->resize(b.size());
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    update();
}

void Ergebnisseite::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}
