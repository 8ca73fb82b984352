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

    // Before a command: checks the control of the form that has the focus as if the focus left
    // it; false when the check refused (the focus stays there and the command must not run).
    bool FokusÜbernehmen();

private:
    void fokusWechsel(QWidget* alt, QWidget* neu);
    bool gehörtZurForm(const QWidget* w) const;
    // The control of the form that holds w (nullptr: none).
    QWidget* steuerelementVon(QWidget* w) const;
    // Runs the check of a control; false when it refused and the focus went back there.
    bool prüfe(QWidget* element);

    QPointer<QWidget> m_form;
    Validate m_validate;
    bool m_zurück = false;
};
