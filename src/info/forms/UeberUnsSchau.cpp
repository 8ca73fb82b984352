#include "info/forms/UeberUnsSchau.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Tastenvorschau.h"

namespace {
constexpr int BreitePixel = 747;
constexpr int HöhePixel = 505 + 75;
constexpr int KnopfTwips = 615;
constexpr int ErstesBild = 111;
constexpr int GrößteBildhöhe = 509;

QToolButton* bildknopf(QWidget* eltern, const char* name, int bild, int tipp)
{
    auto* k = new QToolButton(eltern);
    k->setObjectName(QLatin1String(name));
    k->setIcon(QIcon(QPixmap::fromImage(LadeBildAusRessource(bild, QStringLiteral("FORM")))));
    k->setIconSize(QSize(28, 28));
    k->setFixedSize(Twips::zuPixel(KnopfTwips), Twips::zuPixel(KnopfTwips));
    k->setToolTip(LadeText(zustand().Sprachoffset + tipp));
    return k;
}
}  // namespace

int ÜberUnsSchau::BerechneBildhöhe(int clienthöhe)
{
    const int h = Zahlen::CLng(clienthöhe - 46.0);
    return h < GrößteBildhöhe ? h : GrößteBildhöhe;
}

ÜberUnsSchau::ÜberUnsSchau(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UeberUnsSchau"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(zustand().Sprachoffset + 1390));
    BildLaden = [](int id) { return LadeBildAusRessource(id, QStringLiteral("DEUTSCHLAND")); };

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFrameShape(QFrame::Box);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Vorheriges = bildknopf(this, "Vorheriges", 1391, 1391);
    Abbrechen = bildknopf(this, "Abbrechen", 1392, 1392);
    Nächstes = bildknopf(this, "Naechstes", 1393, 1393);
    connect(Vorheriges, &QToolButton::clicked, this, &ÜberUnsSchau::Vorheriges_Click);
    connect(Nächstes, &QToolButton::clicked, this, &ÜberUnsSchau::Nächstes_Click);
    connect(Abbrechen, &QToolButton::clicked, this, &ÜberUnsSchau::Abbrechen_Click);

    m_tasten = new Tastenvorschau(
        this,
        [this](int& KeyCode, int Shift) {
            if ((Shift & 7) != Tastencodes::UmschaltAlt)
                return;
            if (KeyCode == Tastencodes::Rechts)
                Nächstes_Click();
            else if (KeyCode == Tastencodes::Links)
                Vorheriges_Click();
            else if (KeyCode == Tastencodes::F10)
                Abbrechen_Click();
            else
                return;
            KeyCode = 0;
        },
        Tastenvorschau::KeyPress());

    setFixedSize(BreitePixel, HöhePixel);
    ZentriereÜberHauptfenster(*this);
    Bildhöhe = BerechneBildhöhe(height());
    for (int i = 0; i < static_cast<int>(Bilder.size()); ++i)
        Bilder[i] = ErstesBild + i;
    AktuellesBild = Untergrenze;
    ZeigeBild(AktuellesBild);
}

void ÜberUnsSchau::ZeigeBild(int i)
{
    Vorheriges->setEnabled(i != Untergrenze);
    Nächstes->setEnabled(i != Obergrenze);
    Image1->clear();
    m_gezeigt = 0;
    const QImage bild = BildLaden(Bilder[i]);
    if (!bild.isNull()) {
        Image1->setPixmap(QPixmap::fromImage(bild));
        m_gezeigt = Bilder[i];
    }
    Form_Resize();
}

void ÜberUnsSchau::Form_Resize()
{
    const int b = width();
    const int h = height();
    const int oben = h - Vorheriges->height() - 1;
    Vorheriges->move(10, oben);
    Abbrechen->move((b - Abbrechen->width()) / 2, oben);
    Nächstes->move(b - Nächstes->width() - 10, oben);
    Image1->setGeometry(1, 2, b - 2, Bildhöhe);
}

void ÜberUnsSchau::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    Form_Resize();
}

void ÜberUnsSchau::Vorheriges_Click()
{
    if (Untergrenze < AktuellesBild)
        ZeigeBild(--AktuellesBild);
}

void ÜberUnsSchau::Nächstes_Click()
{
    if (AktuellesBild < Obergrenze)
        ZeigeBild(++AktuellesBild);
}

void ÜberUnsSchau::Abbrechen_Click()
{
    reject();
}
