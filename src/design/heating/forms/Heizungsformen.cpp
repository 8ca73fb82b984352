#include "design/heating/forms/Heizungsformen.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "design/heating/forms/Form101.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"
#include "data/conTextBoxAdodb.h"

namespace Heizungsformen {

int px(int twips)
{
    return Twips::zuPixel(twips);
}

namespace {

void hintergrund(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, farbe);
    p.setColor(QPalette::Window, farbe);
    w->setPalette(p);
}

}  // namespace

void Eingabefarbe(QWidget* w)
{
    hintergrund(w, QColor(255, 255, 192));
}

void Ergebnisfarbe(QWidget* w)
{
    hintergrund(w, QColor(192, 255, 192));
    w->setAutoFillBackground(true);
}

QLineEdit* Textfeld(QWidget* eltern, const QString& name, int index, int x, int y, int breite, int höhe)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    if (index >= 0)
        Steuerelemente::setzeIndex(e, index);
    e->setGeometry(px(x), px(y), px(breite), px(höhe));
    e->setAlignment(Qt::AlignRight);
    Eingabefarbe(e);
    return e;
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, int x, int y, int breite, int höhe)
{
    auto* l = new QLabel(text, eltern);
    l->setGeometry(px(x), px(y), px(breite), px(höhe));
    return l;
}

std::shared_ptr<BoundControl> Bindung(QLineEdit* feld)
{
    return Steuerelement(feld);
}

std::shared_ptr<BoundControl> Bindung(QLabel* label)
{
    return Steuerelement(label);
}

Form101* fenster101()
{
    Hauptfenster* h = hauptfenster();
    if (!h || !h->Fensterwidget())
        return nullptr;
    for (Form101* f : h->Fensterwidget()->findChildren<Form101*>())
        if (f->istGeladen() && !f->istEntladen())
            return f;
    return nullptr;
}

ModalZeigen& modalZeigen()
{
    static ModalZeigen zeigen = [](QDialog& d) { d.exec(); };
    return zeigen;
}

}  // namespace Heizungsformen

Heizungsdialog::Heizungsdialog(QWidget* parent) : Dialogform(parent)
{
    DialogVorbereiten(*this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

Heizungsdialog::~Heizungsdialog() = default;

void Heizungsdialog::Fertig()
{
    ZentriereÜberHauptfenster(*this);
    MoveFocusEinrichten();
}

void Heizungsdialog::Beobachten(QLineEdit* feld)
{
    m_felder << feld;
    feld->installEventFilter(this);
}

QPushButton* Heizungsdialog::WeiterKnopf(int x, int y)
{
    auto* k = new QPushButton(this);
    k->setObjectName(QStringLiteral("WeiterCommand"));
    k->setGeometry(Heizungsformen::px(x), Heizungsformen::px(y), Heizungsformen::px(615), Heizungsformen::px(615));
    k->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    k->setIconSize(QSize(24, 24));
    k->setToolTip(LadeText(zustand().Sprachoffset + 72));
    k->setAutoDefault(false);
    // A click leaves the focus where it is: Weiter checks the focused box itself.
    k->setFocusPolicy(Qt::TabFocus);
    connect(k, &QPushButton::clicked, this, &Heizungsdialog::Weiter);
    return k;
}

bool Heizungsdialog::prüfeGeändert(QLineEdit* feld)
{
    if (const conTextBoxAdodb* wert = Wert(feld); wert && wert->ZeigtWert(feld->text()))
        return false;
    return Prüfe(feld);
}

void Heizungsdialog::Validate(QWidget* w, bool& Cancel)
{
    if (auto* feld = qobject_cast<QLineEdit*>(w); feld && m_felder.contains(feld) && !feld->isReadOnly())
        Cancel = prüfeGeändert(feld);
}

void Heizungsdialog::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (istEntladen())
        return;
    if (QLineEdit* f = Feld(name, Index.isNull() || Index.isEmpty() ? -1 : Zahlen::CInt(Index.toDouble())))
        Cancel = Prüfe(f);
}

bool Heizungsdialog::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && !istEntladen()) {
        // The focus coming back from a message box or a popup is no entry.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason) {
            // The first activation selects the text of the first box.
            if (!m_aktiviert) {
                m_aktiviert = true;
                auto* feld = static_cast<QLineEdit*>(o);
                QTimer::singleShot(0, feld, [feld] { feld->selectAll(); });
            }
            return QDialog::eventFilter(o, e);
        }
        m_aktiviert = true;
        auto* feld = static_cast<QLineEdit*>(o);
        // After the check of the box that is left, which may take the focus back.
        QTimer::singleShot(0, feld, [this, feld] {
            if (!feld->hasFocus() || istEntladen())
                return;
            Betreten(feld);
            feld->selectAll();
        });
    }
    return QDialog::eventFilter(o, e);
}
