#include "shell/forms/KelvorForm2.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"

namespace {

struct Wahl {
    int index;
    const char* projektart;
    int textId;
};
// In the order in which the buttons stand and are reached with Tab.
constexpr Wahl Wahlen[] = {
    {0, "He", 260}, {5, "So", 261}, {1, "Kü", 262}, {2, "Dr", 263}, {3, "Tr", 264}, {4, "Sp", 265},
};

// Geometry in twips.
constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int KnopfLinks = 600, KnopfOben = 1500, KnopfBreite = 4800, KnopfHöhe = 600, KnopfAbstand = 180;

}  // namespace

KelvorForm2::KelvorForm2(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("KelvorForm2"));
    m_automatiklauf = true;
    resize(Twips::zuPixel(SeiteBreite), Twips::zuPixel(SeiteHöhe));
    Image6 = new QLabel(this);
    Image6->setObjectName(QStringLiteral("Image6"));
    Image6->move(Twips::zuPixel(KnopfLinks), Twips::zuPixel(360));
    int oben = KnopfOben;
    for (const Wahl& w : Wahlen) {
        auto* k = new QPushButton(this);
        k->setObjectName(QStringLiteral("HauptwahlCommand"));
        k->setProperty("Index", w.index);
        k->setGeometry(Twips::zuPixel(KnopfLinks), Twips::zuPixel(oben), Twips::zuPixel(KnopfBreite),
                       Twips::zuPixel(KnopfHöhe));
        QFont f = k->font();
        f.setBold(true);
        k->setFont(f);
        connect(k, &QPushButton::clicked, this, [this, i = w.index] { HauptwahlCommand_Click(i); });
        HauptwahlCommand[w.index] = k;
        oben += KnopfHöhe + KnopfAbstand;
    }
    Image4 = new QLabel(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->move(Twips::zuPixel(KnopfLinks + KnopfBreite + 600), Twips::zuPixel(KnopfOben));
}

QString KelvorForm2::Projektart(int Index)
{
    for (const Wahl& w : Wahlen)
        if (w.index == Index)
            return QString::fromUtf8(w.projektart);
    return QString();
}

void KelvorForm2::FormLoad()
{
    const int o = zustand().Sprachoffset;
    // Image6 unstretched, Image4 2500 twips wide; a missing picture leaves its place empty.
    const QImage bild6 = LadeBildAusRessource(53, QStringLiteral("DEUTSCHLAND"));
    Image6->setPixmap(QPixmap::fromImage(bild6));
    Image6->resize(bild6.size());
    const QImage bild4 = LadeBildAusRessource(1110, QStringLiteral("INTERNATIONAL"));
    const int breite4 = Twips::zuPixel(2500);
    if (!bild4.isNull()) {
        const QImage skaliert = bild4.scaledToWidth(breite4, Qt::SmoothTransformation);
        Image4->setPixmap(QPixmap::fromImage(skaliert));
        Image4->resize(skaliert.size());
    }
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    for (const Wahl& w : Wahlen)
        HauptwahlCommand[w.index]->setText(LadeText(w.textId + o));
}

void KelvorForm2::FormActivate()
{
    Programmzustand& z = zustand();
    if (!z.Automatiklauf || z.Meldungsflag) {
        // The choice starts at the first button, shown focused: Enter takes it.
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        HauptwahlCommand[0]->setFocus(Qt::TabFocusReason);
        return;
    }
    z.ProjektartNeuanlage = QStringLiteral("He");
    z.Projektart = QStringLiteral("He");
    mdi().seitenmanager(1);
}

void KelvorForm2::HauptwahlCommand_Click(int Index)
{
    Programmzustand& z = zustand();
    z.ProjektartNeuanlage = Projektart(Index);
    z.aktProjektnummer = QStringLiteral(" ");
    mdi().seitenmanager(1);
}

void KelvorForm2::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}
