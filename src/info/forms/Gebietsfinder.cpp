#include "info/forms/Gebietsfinder.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/Twips.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Tastenvorschau.h"

namespace {
constexpr int BreitePixel = 747;
constexpr int HöheTwips = 6810;

QFrame* rahmen(QWidget* eltern, QWidget* inhalt)
{
    auto* f = new QFrame(eltern);
    f->setFrameShape(QFrame::StyledPanel);
    auto* l = new QVBoxLayout(f);
    l->setContentsMargins(6, 6, 6, 6);
    l->addWidget(inhalt);
    return f;
}
}  // namespace

void Kartenbild::mousePressEvent(QMouseEvent* e)
{
    emit MouseDown(e->position().x(), e->position().y());
    QLabel::mousePressEvent(e);
}

Gebietsfinder::Gebietsfinder(const Finderart& art, QWidget* parent) : QDialog(parent)
{
    // Creating the object opens the area table; loading the form follows.
    m_suche = std::make_unique<Gebietssuche>(art);
    setObjectName(art.karte == Gebietskarte::Karte::Service ? QStringLiteral("Servicepart")
                                                            : QStringLiteral("Vertreter"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    DialogVorbereiten(*this);
    const int o = zustand().Sprachoffset;
    setWindowTitle(LadeText(o + art.titelText));

    auto* links = new QVBoxLayout;
    auto* eingabe = new QHBoxLayout;
    auto* prompt = new QLabel(LadeText(o + art.eingabeText), this);
    prompt->setObjectName(QStringLiteral("Label2_0"));
    eingabe->addWidget(prompt);
    MaskEdBox1 = new QLineEdit(this);
    MaskEdBox1->setObjectName(QStringLiteral("MaskEdBox1"));
    // Five digit positions with a blank as prompt: an empty box reads five blanks.
    MaskEdBox1->setInputMask(QStringLiteral("00000; "));
    MaskEdBox1->setMaxLength(Gebietssuche::PLZLänge);
    MaskEdBox1->setFixedWidth(MaskEdBox1->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    MaskEdBox1->installEventFilter(this);
    eingabe->addWidget(MaskEdBox1);
    eingabe->addStretch();
    links->addLayout(eingabe);
    auto* überschrift = new QLabel(LadeText(o + art.adresseText), this);
    überschrift->setObjectName(QStringLiteral("Label2_1"));
    links->addWidget(überschrift);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setMinimumHeight(Label3->fontMetrics().lineSpacing() * 6 + 4);
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    links->addWidget(rahmen(this, Label3));
    if (art.mitKundendienst) {
        Label4 = new QLabel(ErsetzeZeilenumbruch(LadeText(3025 + o + zustand().Länderoffset)), this);
        Label4->setObjectName(QStringLiteral("Label4"));
        Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        links->addWidget(rahmen(this, Label4));
    }
    links->addStretch();
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1_2"));
    logo->setPixmap(QPixmap::fromImage(LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"))));
    auto* fuss = new QHBoxLayout;
    fuss->addWidget(logo, 0, Qt::AlignLeft | Qt::AlignBottom);
    fuss->addStretch();
    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    WeiterCommand->setFixedSize(Twips::zuPixel(570), Twips::zuPixel(570));
    WeiterCommand->setToolTip(LadeText(o + 72));
    connect(WeiterCommand, &QToolButton::clicked, this, &Gebietsfinder::WeiterCommand_Click);
    fuss->addWidget(WeiterCommand, 0, Qt::AlignBottom);
    links->addLayout(fuss);

    auto* rechts = new QVBoxLayout;
    auto* kopf = new QLabel(LadeText(o + art.überschriftText), this);
    kopf->setObjectName(QStringLiteral("Label1_3"));
    kopf->setAlignment(Qt::AlignHCenter);
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    rechts->addWidget(kopf);
    Picture1 = new Kartenbild(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage karte = LadeBildAusRessource(art.kartenBild, QStringLiteral("KARTEN"));
    Picture1->setPixmap(QPixmap::fromImage(karte));
    // The map lies unscaled at the box's top left; the box keeps the picture's size.
    Picture1->setFixedSize(art.karte == Gebietskarte::Karte::Service ? QSize(250, 330) : QSize(240, 327));
    connect(Picture1, &Kartenbild::MouseDown, this, &Gebietsfinder::Picture1_MouseDown);
    auto* kartenrahmen = rahmen(this, Picture1);
    kartenrahmen->setObjectName(QStringLiteral("Frame1"));
    if (art.kartenHintergrundWieRahmen) {
        Picture1->setAutoFillBackground(true);
        Picture1->setBackgroundRole(QPalette::Window);
    }
    rechts->addWidget(kartenrahmen, 0, Qt::AlignHCenter);
    rechts->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(links, 1);
    layout->addLayout(rechts, 0);

    m_tasten = new Tastenvorschau(
        this,
        [this](int& KeyCode, int Shift) {
            if (KeyCode == Tastencodes::Rechts && (Shift & 7) == Tastencodes::UmschaltAlt) {
                KeyCode = 0;
                WeiterCommand_Click();
            }
        },
        Tastenvorschau::KeyPress());

    SetzePostleitzahl(Gebietssuche::LeerePostleitzahl());
    ZeigeAdresstext(QString());
    setFixedSize(BreitePixel, Twips::zuPixel(HöheTwips));
    ZentriereÜberHauptfenster(*this);
}

Gebietsfinder::~Gebietsfinder() = default;

QString Gebietsfinder::Postleitzahltext() const
{
    return MaskEdBox1->displayText().leftJustified(Gebietssuche::PLZLänge, QLatin1Char(' '), true);
}

void Gebietsfinder::SetzePostleitzahl(const QString& text)
{
    // A blank is the mask's prompt: five blanks leave the box empty.
    const QSignalBlocker sperre(MaskEdBox1);
    MaskEdBox1->setText(text.trimmed().isEmpty() ? QString() : text);
}

void Gebietsfinder::ZeigeAdresstext(const QString& text)
{
    m_adresse = text;
    QString anzeige = text;
    Label3->setText(anzeige.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void Gebietsfinder::MaskEdBox1_Validate()
{
    const Gebietssuche::Ergebnis e = m_suche->SucheNachPostleitzahl(Postleitzahltext());
    if (e.boxZurücksetzen)
        SetzePostleitzahl(Gebietssuche::LeerePostleitzahl());
    ZeigeAdresstext(e.adresse);
}

void Gebietsfinder::Picture1_MouseDown(double x, double y)
{
    const Gebietssuche::Ergebnis e = m_suche->SucheNachKlick(static_cast<float>(x), static_cast<float>(y));
    ZeigeAdresstext(e.adresse);
    if (e.boxZurücksetzen)
        SetzePostleitzahl(Gebietssuche::LeerePostleitzahl());
}

void Gebietsfinder::WeiterCommand_Click()
{
    accept();
}

bool Gebietsfinder::eventFilter(QObject* o, QEvent* e)
{
    if (o == MaskEdBox1) {
        switch (e->type()) {
        case QEvent::FocusIn:
            // The whole text is selected once the focus has arrived.
            QTimer::singleShot(0, MaskEdBox1, [this] { MaskEdBox1->selectAll(); });
            break;
        case QEvent::FocusOut:
            MaskEdBox1_Validate();
            break;
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            const int ascii = Tastenvorschau::KeyAscii(k);
            if (ascii == 13) {
                MaskEdBox1->selectAll();
                MaskEdBox1_Validate();
                return true;
            }
            if (ascii != 0)
                ZeigeAdresstext(QString());
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(o, e);
}
