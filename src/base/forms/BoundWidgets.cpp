#include "base/forms/BoundWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

namespace {

// Enabled state and focus, common to every widget.
template <typename W>
class WidgetControl : public BoundControl {
public:
    explicit WidgetControl(W* w) : m_w(w) {}
    bool vorhanden() const override { return !m_w.isNull(); }
    QString text() const override { return QString(); }
    void setText(const QString&) override {}
    bool isEnabled() const override { return m_w && m_w->isEnabled(); }
    void setEnabled(bool an) override
    {
        if (m_w)
            m_w->setEnabled(an);
    }
    bool hasFocus() const override { return m_w && m_w->hasFocus(); }
    void setFocus() override
    {
        if (m_w)
            m_w->setFocus(Qt::OtherFocusReason);
    }

protected:
    QPointer<W> m_w;
};

// Widgets with a text or caption: text box, label, check box.
template <typename W>
class TextControl : public WidgetControl<W> {
public:
    using WidgetControl<W>::WidgetControl;
    QString text() const override { return this->m_w ? this->m_w->text() : QString(); }
    void setText(const QString& t) override
    {
        if (this->m_w)
            this->m_w->setText(t);
    }
};

class CheckBoxControl : public TextControl<QCheckBox> {
public:
    using TextControl::TextControl;
    int wert() const override
    {
        if (!m_w)
            return 0;
        switch (m_w->checkState()) {
        case Qt::Checked: return 1;
        case Qt::PartiallyChecked: return 2;
        default: return 0;
        }
    }
    void setWert(int w) override
    {
        if (m_w)
            m_w->setCheckState(w == 0 ? Qt::Unchecked : w == 2 ? Qt::PartiallyChecked : Qt::Checked);
    }
};

class ComboBoxControl : public WidgetControl<QComboBox> {
public:
    using WidgetControl::WidgetControl;
    QString text() const override { return m_w ? m_w->currentText() : QString(); }
    // Selects the first item with this text (an editable box shows any text).
    void setText(const QString& t) override
    {
        if (!m_w)
            return;
        const int i = m_w->findText(t, Qt::MatchExactly);
        if (i >= 0)
            m_w->setCurrentIndex(i);
        else if (m_w->isEditable())
            m_w->setEditText(t);
    }
    void leereListe() override
    {
        if (m_w)
            m_w->clear();
    }
    void fuegeHinzu(const QString& t) override
    {
        if (m_w)
            m_w->addItem(t);
    }
    int listAnzahl() const override { return m_w ? m_w->count() : 0; }
    int listIndex() const override { return m_w ? m_w->currentIndex() : -1; }
};

class OptionsgruppeControl : public BoundControl {
public:
    explicit OptionsgruppeControl(const QList<QRadioButton*>& buttons)
    {
        for (QRadioButton* b : buttons)
            m_buttons << QPointer<QRadioButton>(b);
    }
    bool vorhanden() const override
    {
        for (const auto& b : m_buttons)
            if (b)
                return true;
        return false;
    }
    QString text() const override { return QString(); }
    void setText(const QString&) override {}
    int wert() const override
    {
        for (int i = 0; i < m_buttons.size(); ++i)
            if (m_buttons[i] && m_buttons[i]->isChecked())
                return i;
        return -1;
    }
    // Chooses option i; the others are cleared (also when they are not in one exclusive group).
    void setWert(int i) override
    {
        if (i < 0 || i >= m_buttons.size() || !m_buttons[i])
            return;
        m_buttons[i]->setChecked(true);
        for (int j = 0; j < m_buttons.size(); ++j)
            if (j != i && m_buttons[j] && m_buttons[j]->isChecked())
                m_buttons[j]->setChecked(false);
    }
    bool isEnabled() const override
    {
        for (const auto& b : m_buttons)
            if (b && b->isEnabled())
                return true;
        return false;
    }
    void setEnabled(bool an) override
    {
        for (const auto& b : m_buttons)
            if (b)
                b->setEnabled(an);
    }
    bool hasFocus() const override
    {
        for (const auto& b : m_buttons)
            if (b && b->hasFocus())
                return true;
        return false;
    }
    // The focus goes to the chosen option (the first one when none is chosen).
    void setFocus() override
    {
        const int i = wert();
        const int ziel = i < 0 ? 0 : i;
        if (ziel < m_buttons.size() && m_buttons[ziel])
            m_buttons[ziel]->setFocus(Qt::OtherFocusReason);
    }

private:
    QList<QPointer<QRadioButton>> m_buttons;
};

}  // namespace

std::shared_ptr<BoundControl> Steuerelement(QLineEdit* textBox)
{
    return std::make_shared<TextControl<QLineEdit>>(textBox);
}

std::shared_ptr<BoundControl> Steuerelement(QLabel* label)
{
    return std::make_shared<TextControl<QLabel>>(label);
}

std::shared_ptr<BoundControl> Steuerelement(QCheckBox* checkBox)
{
    return std::make_shared<CheckBoxControl>(checkBox);
}

std::shared_ptr<BoundControl> Steuerelement(QComboBox* comboBox)
{
    return std::make_shared<ComboBoxControl>(comboBox);
}

std::shared_ptr<BoundControl> Optionsgruppe(const QList<QRadioButton*>& buttons)
{
    return std::make_shared<OptionsgruppeControl>(buttons);
}
