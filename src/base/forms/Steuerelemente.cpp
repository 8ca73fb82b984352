#include "base/forms/Steuerelemente.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

#include "base/Twips.h"

namespace Steuerelemente {
namespace {

bool istZusammengesetzt(const QWidget* w)
{
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)
        || qobject_cast<const QAbstractItemView*>(w);
}

bool istTeilVonAnderem(const QWidget* w, const QWidget* form)
{
    for (const QWidget* p = w->parentWidget(); p && p != form; p = p->parentWidget())
        if (istZusammengesetzt(p))
            return true;
    return false;
}

}  // namespace

QList<QWidget*> liste(const QWidget* form)
{
    QList<QWidget*> ergebnis;
    if (!form)
        return ergebnis;
    const QWidget* start = form;
    for (QWidget* w = form->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (!form->isAncestorOf(w) || w->focusPolicy() == Qt::NoFocus || istTeilVonAnderem(w, form))
            continue;
        if (ergebnis.contains(w))
            break;
        ergebnis.append(w);
    }
    return ergebnis;
}

Art art(const QWidget* w)
{
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->inputMask().isEmpty() ? Art::TextBox : Art::MaskEdBox;
    if (qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w))
        return Art::TextBox;
    if (qobject_cast<const QComboBox*>(w))
        return Art::ComboBox;
    if (qobject_cast<const QCheckBox*>(w))
        return Art::CheckBox;
    if (qobject_cast<const QRadioButton*>(w))
        return Art::OptionButton;
    return Art::Sonstige;
}

bool istTexteingabe(const QWidget* w)
{
    const Art a = art(w);
    return a == Art::TextBox || a == Art::MaskEdBox || a == Art::ComboBox;
}

QWidget* aktives(const QWidget* form, const QList<QWidget*>& steuerelemente)
{
    if (!form)
        return nullptr;
    for (QWidget* f = form->window()->focusWidget(); f && f != form; f = f->parentWidget())
        if (steuerelemente.contains(f))
            return f;
    return nullptr;
}

bool sichtbarUndAktiv(const QWidget* w)
{
    return w && w->isVisibleTo(w->window()) && w->isEnabled();
}

bool fokusSetzen(QWidget* w)
{
    if (!w || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(w->window()))
        return false;
    w->setFocus(Qt::TabFocusReason);
    QWidget* f = w->window()->focusWidget();
    return f == w || (f && w->isAncestorOf(f)) || (w->focusProxy() && f == w->focusProxy());
}

VbVariant index(const QWidget* w)
{
    const QVariant v = w ? w->property("Index") : QVariant();
    return v.isValid() ? VbVariant::integer(static_cast<int16_t>(v.toInt())) : VbVariant::null();
}

void setzeIndex(QWidget* w, int index)
{
    w->setProperty("Index", index);
}

QLabel* neuesLabel(QWidget* form, const char* name, int index, int x, int y, int breite, int höhe)
{
    auto* l = new QLabel(form);
    l->setObjectName(QString::fromUtf8(name));
    if (index >= 0)
        setzeIndex(l, index);
    l->setGeometry(Twips::zuPixel(x), Twips::zuPixel(y), Twips::zuPixel(breite), Twips::zuPixel(höhe));
    return l;
}

}  // namespace Steuerelemente
