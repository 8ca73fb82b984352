#pragma once
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "base/VbVariant.h"

// A form whose inputs are checked before Enter moves the focus on. A form without it accepts
// every input.
class FormValidierung {
public:
    virtual ~FormValidierung() = default;
    // Checks the control name (array index Index, Null outside an array); Cancel = true keeps
    // the focus there.
    virtual void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) = 0;
};

// Enter moves the focus to the next input of the form in tab order, after the form accepted the
// text input that is left (FormValidierung). The form hands its key presses to NextTabStop.
class MoveFocus {
public:
    // Builds the Enter order of the form; DeleteKeyAscii: swallow Enter once the focus moved.
    void Init(QWidget* formobjekt, bool DeleteKeyAscii);
    // Takes a tab index out of the Enter order.
    void ClearTabStop(int TabIndex);
    // Enter handling (KeyAscii 13); other keys are left alone.
    void NextTabStop(int& KeyAscii);
    // Tab index of the form's active control; -1 when there is none.
    int GetTabIndex() const;
    // Gives the focus to the control registered for that tab index.
    void SetTabIndex(int TabIndex);
    // Name and array index (Null outside an array) of the form's active control.
    void GetAktObject(QString& name, VbVariant& index) const;
    // Tab index of a control of the form as Init saw it; -1 when it was not there.
    int TabIndexVon(const QWidget* steuerelement) const;

private:
    QWidget* steuerelement(int TabIndex) const;

    QPointer<QWidget> m_zielform;
    QList<QPointer<QWidget>> m_controls;  // the form's controls at Init, by tab index
    QList<int> m_tabTabelle;              // tab index -> position in m_controls; -1 = no stop
    int m_maxIndex = -1;
    bool m_bereit = false;
    bool m_tasteLöschen = false;
};
