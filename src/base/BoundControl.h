#pragma once
#include <QString>

// A control of a page as the bound values and the combo-box helper see it. The widget
// adapters (base/forms/BoundWidgets.h) implement it for text boxes, labels, option-button
// groups, check boxes and combo boxes; what a control does not have does nothing.
class BoundControl {
public:
    virtual ~BoundControl() = default;

    // False once the widget behind the control is gone.
    virtual bool vorhanden() const { return true; }

    // Text of a text box or combo box; caption of a label.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void setCaption(const QString& caption) { setText(caption); }

    // Check box: 0 unticked, 1 ticked, 2 grayed. Option group: index of the chosen option,
    // -1 when none is chosen.
    virtual int wert() const { return 0; }
    virtual void setWert(int) {}

    // List of a combo box.
    virtual void leereListe() {}
    virtual void fuegeHinzu(const QString&) {}
    virtual int listAnzahl() const { return 0; }
    virtual int listIndex() const { return -1; }

    virtual bool isEnabled() const { return true; }
    virtual void setEnabled(bool) {}
    virtual bool hasFocus() const { return false; }
    virtual void setFocus() {}
};
