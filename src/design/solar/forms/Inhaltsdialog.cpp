#include "design/solar/forms/Inhaltsdialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Steuerelemente.h"
#include "base/forms/Tastenvorschau.h"

namespace {

int px(int twips)
{
    return Twips::zuPixel(twips);
}

}  // namespace

Inhaltsdialog::Inhaltsdialog(int titelId, QWidget* parent) : Dialogform(parent)
{
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(zustand().Sprachoffset + titelId));
    setModal(true);
    // A fixed frame with its title and close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    connect(qApp, &QApplication::focusChanged, this, &Inhaltsdialog::fokusWechsel);
}

Inhaltsdialog::~Inhaltsdialog()
{
    disconnect(qApp, nullptr, this, nullptr);
    entladenEinmal();
}

QLineEdit* Inhaltsdialog::Eingabe(const QString& name, int index, int links, int oben, int breite)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    if (index >= 0)
        Steuerelemente::setzeIndex(box, index);
    box->setGeometry(px(links), px(oben), px(breite), px(315));
    box->setAlignment(Qt::AlignRight);
    box->installEventFilter(this);
    // Typing opens the box for its check also when it got the focus from another window.
    connect(box, &QLineEdit::textEdited, this, [this, box] { m_offen[box] = true; });
    m_boxen << box;
    return box;
}

QLabel* Inhaltsdialog::Beschriftung(const QString& name, int index, const QString& text, int links, int oben,
                                    int breite, int höhe)
{
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    if (index >= 0)
        Steuerelemente::setzeIndex(l, index);
    l->setGeometry(px(links), px(oben), px(breite), px(höhe));
    return l;
}

QToolButton* Inhaltsdialog::Bildknopf(const QString& name, int links, int oben)
{
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    b->setGeometry(px(links), px(oben), px(450), px(375));
    return b;
}

void Inhaltsdialog::Einrichten(int breite, int höhe)
{
    setFixedSize(px(breite), px(höhe));
    MoveFocusEinrichten();
    ZentriereÜberHauptfenster(*this);
}

void Inhaltsdialog::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    for (QLineEdit* box : m_boxen)
        if (box->objectName() == name && Steuerelemente::index(box).toString() == Index.toString()) {
            m_offen[box] = false;
            Cancel = Prüfen(box);
            return;
        }
}

void Inhaltsdialog::Validate(QWidget* w, bool& Cancel)
{
    // A box that refuses keeps the focus and stays open for its next check.
    auto* box = qobject_cast<QLineEdit*>(w);
    if (box && m_boxen.contains(box) && prüfeOffen(box, Cancel) && Cancel)
        m_offen[box] = true;
}

bool Inhaltsdialog::prüfeOffen(QLineEdit* box, bool& Cancel)
{
    if (!m_offen.value(box))
        return false;
    m_offen[box] = false;
    Cancel = Prüfen(box);
    return true;
}

bool Inhaltsdialog::eventFilter(QObject* o, QEvent* e)
{
    auto* box = qobject_cast<QLineEdit*>(o);
    if (box && m_boxen.contains(box)) {
        if (e->type() == QEvent::FocusIn) {
            // Back from a message box or another window: the box is not entered anew.
            if (static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason)
                m_offen[box] = true;
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
            Fokuserhalt(box);
        } else if (e->type() == QEvent::KeyPress) {
            const int a = Tastenvorschau::KeyAscii(static_cast<QKeyEvent*>(e));
            if (a != 0)
                Taste(box, a);
        }
    }
    return QDialog::eventFilter(o, e);
}

void Inhaltsdialog::fokusWechsel(QWidget* alt, QWidget* neu)
{
    // A move within the dialog is checked by the focus validation.
    if (istEntladen() || (neu && isAncestorOf(neu)))
        return;
    auto* box = qobject_cast<QLineEdit*>(alt);
    if (!box || !m_boxen.contains(box) || box->hasFocus())
        return;
    if (m_offen.value(box)) {
        // Left the dialog without a check: store it, whatever it answers.
        m_offen[box] = false;
        Verlassen(box);
    }
}
