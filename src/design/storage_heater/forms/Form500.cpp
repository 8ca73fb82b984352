#include "design/storage_heater/forms/Form500.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"
#include "data/GlobDaten.h"

namespace {
// Geometry in twips.
constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int Links = 600, KnopfBreite = 3600, KnopfHöhe = 600;

QLabel* text(QWidget* seite, const char* name, int links, int oben, int breite, int höhe)
{
    auto* l = new QLabel(seite);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(Twips::zuPixel(links), Twips::zuPixel(oben), Twips::zuPixel(breite), Twips::zuPixel(höhe));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}
}  // namespace

Form500::Form500(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("Form500"));
    resize(Twips::zuPixel(SeiteBreite), Twips::zuPixel(SeiteHöhe));
    Label1 = text(this, "Label1", Links, 1500, 6000, 500);
    QFont fett = Label1->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.2);
    Label1->setFont(fett);
    Label2 = text(this, "Label2", Links, 2100, 6000, 700);
    Label3 = text(this, "Label3", Links, 5700, 6000, 300);
    auto knopf = [this](const char* name, int oben) {
        auto* k = new QPushButton(this);
        k->setObjectName(QLatin1String(name));
        k->setGeometry(Twips::zuPixel(Links), Twips::zuPixel(oben), Twips::zuPixel(KnopfBreite),
                       Twips::zuPixel(KnopfHöhe));
        QFont f = k->font();
        f.setBold(true);
        k->setFont(f);
        return k;
    };
    WohnbautenButton = knopf("WohnbautenButton", 3200);
    GewerbeButton = knopf("GewerbeButton", 4000);
    connect(WohnbautenButton, &QPushButton::clicked, this, &Form500::WohnbautenButton_Click);
    connect(GewerbeButton, &QPushButton::clicked, this, &Form500::GewerbeButton_Click);
    Image1_2 = new QLabel(this);
    Image1_2->setObjectName(QStringLiteral("Image1_2"));
    Image1_2->move(Twips::zuPixel(Links), Twips::zuPixel(360));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(Twips::zuPixel(Links + KnopfBreite + 1500), Twips::zuPixel(3000));
}

void Form500::FormLoad()
{
    const Programmzustand& z = zustand();
    HalteDatenobjekt(mdi().Datenobjekt(z.Projektart));
    const QImage logo = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    Image1_2->setPixmap(QPixmap::fromImage(logo));
    Image1_2->resize(logo.size());
    const QImage bild = LadeBildAusRessource(1111, QStringLiteral("INTERNATIONAL"));
    Image2->setPixmap(QPixmap::fromImage(bild));
    Image2->resize(bild.size());
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    const int o = z.Sprachoffset;
    Label1->setText(LadeText(o + 940));
    WohnbautenButton->setText(LadeText(o + 941));
    GewerbeButton->setText(LadeText(o + 942));
    Label2->setText(LadeText(o + 943));
    Label3->setText(QString());
}

void Form500::WohnbautenButton_Click()
{
    mdi().Speicher_Wohnbauten_Einsprung();
}

void Form500::GewerbeButton_Click()
{
    Meldung(Meldungsart::Information, LadeText(zustand().Sprachoffset + 2203));
}

void Form500::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}
