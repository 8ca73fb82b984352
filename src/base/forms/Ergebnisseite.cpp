#include "base/forms/Ergebnisseite.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"

namespace {
constexpr int SeiteBreite = 11025, SeiteHöhe = 7200;
constexpr int OptionLinks = 240, OptionHöhe = 300;
// Make-up options from the top: 0, 4 (compact), 1, 2, 3; with an automat 0..3 (4 hidden).
constexpr int ObenMitGefäß[5] = {300, 900, 1200, 1500, 600};
constexpr int ObenMitAutomat[4] = {360, 720, 1080, 1440};
constexpr int Kompakt = 4;
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
    return Steuerelemente::neuesLabel(this, name, index, x, y, breite, höhe);
}

QGroupBox* Ergebnisseite::neuerRahmen(const char* name, int index, int x, int y, int breite, int höhe)
{
    auto* r = new QGroupBox(this);
    r->setObjectName(QString::fromUtf8(name));
    if (index >= 0)
        Steuerelemente::setzeIndex(r, index);
    r->setGeometry(px(x), px(y), px(breite), px(höhe));
    return r;
}

QRadioButton* Ergebnisseite::neueOption(QWidget* eltern, const char* name, int index, int x, int y,
                                        int breite, int höhe, std::function<void(int)> klick)
{
    auto* o = new QRadioButton(eltern);
    o->setObjectName(QString::fromUtf8(name));
    Steuerelemente::setzeIndex(o, index);
    o->setGeometry(px(x), px(y), px(breite), px(höhe));
    // clicked, not toggled: options set from code run nothing.
    connect(o, &QRadioButton::clicked, this, [klick = std::move(klick), index] { klick(index); });
    return o;
}

std::array<QRadioButton*, 5> Ergebnisseite::neueNachspeiseoptionen(QGroupBox* rahmen, int breite,
                                                                   std::function<void(int)> klick)
{
    std::array<QRadioButton*, 5> optionen{};
    for (int i = 0; i < 5; ++i)
        optionen[static_cast<size_t>(i)] =
            neueOption(rahmen, "NachspeiseOpt", i, OptionLinks, ObenMitGefäß[i], breite, OptionHöhe, klick);
    return optionen;
}

void Ergebnisseite::NachspeiseoptionenAnordnen(const std::array<QRadioButton*, 5>& optionen, bool automat)
{
    if (automat) {
        optionen[Kompakt]->setVisible(false);
        for (int i = 0; i < 4; ++i)
            optionen[static_cast<size_t>(i)]->move(px(OptionLinks), px(ObenMitAutomat[i]));
    } else {
        optionen[Kompakt]->setText(LadeText(zustand().Sprachoffset + 602));
        optionen[Kompakt]->setVisible(true);
    }
}

QFont Ergebnisseite::fett(int punkte) const
{
    QFont f = font();
    f.setBold(true);
    if (punkte > 0)
        f.setPointSize(punkte);
    return f;
}

void Ergebnisseite::neueKopflabels(QLabel*& nummer, QLabel*& bezeichnung)
{
    nummer = neuesLabel("Label1", 0, 6720, 360, 4200);
    bezeichnung = neuesLabel("Label1", 2, 6720, 600, 4200);
    nummer->setFont(fett());
    bezeichnung->setFont(fett());
}

QLabel* Ergebnisseite::neuerTitel(int index, int x)
{
    QLabel* l = neuesLabel("Label1", index, x, 480, 3400, 330);
    l->setFont(fett(12));
    return l;
}

void Ergebnisseite::neueLinie(int x1, int y1, int x2, int y2)
{
    m_linien.append(QLine(px(x1), px(y1), px(x2), px(y2)));
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
    if (!m_hintergrund.isNull() || !m_linien.isEmpty()) {
        QPainter p(this);
        if (!m_hintergrund.isNull())
            p.drawImage(0, 0, m_hintergrund);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawLines(m_linien);
    }
    Seitenform::paintEvent(e);
}
