#include "projects/forms/NutzerStammdaten.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "projects/NutzerInfo.h"
#include "projects/forms/Arbeitsdialog.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"
#include "base/forms/Tastenvorschau.h"

NutzerStammdaten::NutzerStammdaten(QWidget* parent)
    : QDialog(parent), m_info(std::make_unique<NutzerInfo>(true))
{
    setObjectName(QStringLiteral("NutzerStammdaten"));
    m_ladenLäuft = true;
    m_geändert = false;
    DialogVorbereiten(*this);
    const int o = zustand().Sprachoffset;
    setWindowTitle(LadeText(o + 1330));

    auto* layout = new QVBoxLayout(this);
    QFont schrift(QStringLiteral("Courier New"), 9);
    for (int i = 1; i <= 4; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Nutzertext"));
        Steuerelemente::setzeIndex(box, i);
        box->setMaxLength(NutzerInfo::Zeilenlänge);
        box->setFont(schrift);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(NutzerInfo::Zeilenlänge, QLatin1Char('M'))) + 12);
        box->setText(m_info->Zeile(i));
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (!m_ladenLäuft)
                m_geändert = true;
        });
        layout->addWidget(box);
        Nutzertext[i] = box;
    }
    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    WeiterCommand->setFixedSize(Twips::zuPixel(570), Twips::zuPixel(570));
    WeiterCommand->setToolTip(LadeText(o + 72));
    connect(WeiterCommand, &QToolButton::clicked, this, &NutzerStammdaten::Entladen);
    layout->addWidget(WeiterCommand, 0, Qt::AlignRight);

    // Enter moves through the boxes (after the last one back to the first) and is swallowed
    // like Escape, which therefore does not close the dialog; Alt+Right acts as Weiter.
    m_moveFocus.Init(this, false);
    m_tasten = new Tastenvorschau(
        this,
        [this](int& KeyCode, int Shift) {
            if (KeyCode == Tastencodes::Rechts && (Shift & 7) == Tastencodes::UmschaltAlt) {
                KeyCode = 0;
                QTimer::singleShot(0, this, &NutzerStammdaten::Entladen);
            }
        },
        [this](int& KeyAscii) {
            m_moveFocus.NextTabStop(KeyAscii);
            if (KeyAscii == 13 || KeyAscii == 27)
                KeyAscii = 0;
        });
    m_ladenLäuft = false;
    adjustSize();
    ZentriereÜberHauptfenster(*this);
}

NutzerStammdaten::~NutzerStammdaten() = default;

// A box that gets the focus has its whole text selected.
bool NutzerStammdaten::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(o))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QDialog::eventFilter(o, e);
}

void NutzerStammdaten::Entladen()
{
    close();
}

// Every way of closing keeps the edits: the lines go to the address object, which writes them
// when the dialog is released.
void NutzerStammdaten::übernehmen()
{
    if (m_entladen)
        return;
    m_entladen = true;
    if (m_geändert)
        for (int i = 1; i <= 4; ++i)
            m_info->Zeile(i, Nutzertext[i]->text());
}

void NutzerStammdaten::closeEvent(QCloseEvent* e)
{
    übernehmen();
    QDialog::closeEvent(e);
}

void NutzerStammdaten::done(int r)
{
    übernehmen();
    QDialog::done(r);
}
