#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// The validation of a form's controls: when the focus leaves a control of the form for another
// control of the same form, the form checks the control it leaves; Cancel = true puts the
// focus back there.
class Fokusvalidierung : public QObject {
public:
    using Validate = std::function<void(QWidget* steuerelement, bool& Cancel)>;
    Fokusvalidierung(QWidget* form, Validate validate);

private:
    void fokusWechsel(QWidget* alt, QWidget* neu);
    bool gehörtZurForm(const QWidget* w) const;

    QPointer<QWidget> m_form;
    Validate m_validate;
    bool m_zurück = false;
};
