#include "design/selection/forms/Auswahldialog.h"

#include <QIcon>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/FormFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Tastenvorschau.h"
#include "base/forms/WidgetFormFenster.h"

Auswahldialog::Auswahldialog(QWidget* parent) : QDialog(parent)
{
    zustand().ErrorCancel = false;
    setWindowIcon(QIcon(zustand().Installationspfad + QStringLiteral("/Kelvor.ico")));
    setModal(true);
    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    WeiterCommand->setIconSize(QSize(Twips::zuPixel(400), Twips::zuPixel(400)));
    WeiterCommand->resize(Twips::zuPixel(615), Twips::zuPixel(615));
    WeiterCommand->setToolTip(LadeText(72 + zustand().Sprachoffset));
    connect(WeiterCommand, &QToolButton::clicked, this, &QDialog::accept);
    new Tastenvorschau(
        this, [this](int& KeyCode, int Shift) { FormKeyDown(KeyCode, Shift); },
        [this](int& KeyAscii) { FormKeyPress(KeyAscii); });
}

Auswahldialog::~Auswahldialog() = default;

void Auswahldialog::Zeige()
{
    exec();
}

void Auswahldialog::FormValidateControlElement(const QString&, const VbVariant&, bool&) {}

void Auswahldialog::Platzieren(int breiteTwips, int höheTwips, int obenTwips)
{
    resize(Twips::zuPixel(breiteTwips), Twips::zuPixel(höheTwips));
    Hauptfenster* h = hauptfenster();
    QWidget* haupt = h ? h->Fensterwidget() : nullptr;
    if (!haupt)
        return;
    const QRect r = haupt->frameGeometry();
    const int oben = obenTwips >= 0 ? r.top() + Twips::zuPixel(obenTwips) : r.top() + (r.height() - height()) / 2;
    move(r.left() + (r.width() - width()) / 2, oben);
}

void Auswahldialog::PlatziereWeiter(int rechts, int unten)
{
    WeiterCommand->move(width() - WeiterCommand->width() - Twips::zuPixel(rechts),
                        height() - WeiterCommand->height() - Twips::zuPixel(unten));
}

void Auswahldialog::MoveFocusEinrichten()
{
    m_moveFocus.Init(this, true);
    m_mitMoveFocus = true;
}

void Auswahldialog::VersteckenImAutomatiklauf()
{
    m_formFunktionen = std::make_unique<FormFunktionen>();
    m_formFunktionen->Initialisierung(Formfenster(this));
    if (Hauptfenster* h = hauptfenster(); h && h->FormUnsichtbarErforderlichUndMöglich())
        m_formFunktionen->FormUnsichtbar();
}

void Auswahldialog::FormKeyDown(int& KeyCode, int Shift)
{
    if ((Shift & 7) == 4 && KeyCode == 39) {
        KeyCode = 0;
        accept();
    }
}

void Auswahldialog::FormKeyPress(int& KeyAscii)
{
    if (m_mitMoveFocus)
        m_moveFocus.NextTabStop(KeyAscii);
    // Tab keeps moving the focus as usual.
    if (KeyAscii == 10 || KeyAscii == 13)
        KeyAscii = 0;
}
