#pragma once
#include <QHash>

#include "base/forms/Dialogform.h"

class QLabel;
class QLineEdit;
class QToolButton;

// What the content dialogs of the solar page share: window icon and title, centred over the main
// window, Enter through MoveFocus, Alt+Right as the Weiter button, and the check of each input
// box: when the focus moves to another control of the dialog (Validate, whose Cancel keeps the
// focus), when Enter is pressed in it, and once more with the Cancel ignored when the focus left
// the dialog without a check. A box that was checked is not checked again until it has had the
// focus once more, also when the dialog closes.
class Inhaltsdialog : public Dialogform {
    Q_OBJECT
public:
    ~Inhaltsdialog() override;

    // The box's check (name and array index as MoveFocus gives them).
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;

    QToolButton* WeiterCommand = nullptr;

protected:
    Inhaltsdialog(int titelId, QWidget* parent);

    // An input box of the dialog (object name, array index or -1) at a place in twips.
    QLineEdit* Eingabe(const QString& name, int index, int links, int oben, int breite);
    QLabel* Beschriftung(const QString& name, int index, const QString& text, int links, int oben, int breite,
                         int höhe = 285);
    QToolButton* Bildknopf(const QString& name, int links, int oben);
    // Once the controls exist: key handling and the Enter order; size in twips, then centred.
    void Einrichten(int breite, int höhe);

    // The check of a box; true (Cancel) keeps the focus there.
    virtual bool Prüfen(QLineEdit* box) = 0;
    // After the focus left the dialog without a check: the box is stored, its Cancel ignored.
    virtual void Verlassen(QLineEdit* box) { Prüfen(box); }
    virtual void Fokuserhalt(QLineEdit*) {}
    virtual void Taste(QLineEdit*, int) {}

    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void fokusWechsel(QWidget* alt, QWidget* neu);
    bool prüfeOffen(QLineEdit* box, bool& Cancel);

    QList<QLineEdit*> m_boxen;
    QHash<QLineEdit*, bool> m_offen;  // has had the focus since its last check
};
