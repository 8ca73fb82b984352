#pragma once
#include <QDialog>
#include <QHash>
#include <QPointer>

#include "base/forms/MoveFocus.h"

class Fokusvalidierung;
class QLabel;
class QLineEdit;
class QToolButton;
class Tastenvorschau;

// What the content dialogs of the solar page share: window icon and title, centred over the main
// window, Enter through MoveFocus, Alt+Right as the Weiter button, and the check of each input
// box: when the focus moves to another control of the dialog (Validate, whose Cancel keeps the
// focus), when Enter is pressed in it, and once more with the Cancel ignored when the focus left
// the dialog without a check. A box that was checked is not checked again until it has had the
// focus once more. Closing (Weiter, Alt+Right, Esc, close box) checks the focused box first and
// stays open when it refuses; then it unloads the dialog once.
class Inhaltsdialog : public QDialog, public FormValidierung {
    Q_OBJECT
public:
    ~Inhaltsdialog() override;

    // The box's check (name and array index as MoveFocus gives them).
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    // Closes the dialog like its Weiter button, after checking the box that has the focus; stays
    // open when that box refuses its input.
    void Weiter();
    bool istEntladen() const { return m_entladen; }

    QToolButton* WeiterCommand = nullptr;

public slots:
    // Esc: the focused box is checked first, as for Weiter.
    void reject() override;

protected:
    Inhaltsdialog(int titelId, QWidget* parent);

    // An input box of the dialog (object name, array index or -1) at a place in twips.
    QLineEdit* Eingabe(const QString& name, int index, int links, int oben, int breite);
    QLabel* Beschriftung(const QString& name, int index, const QString& text, int links, int oben, int breite,
                         int höhe = 285);
    QToolButton* Bildknopf(const QString& name, int links, int oben);
    // Once the controls exist: key handling and the Enter order; size in twips, then centred.
    void Einrichten(int breite, int höhe);
    void Zentrieren();

    // The check of a box; true (Cancel) keeps the focus there.
    virtual bool Prüfen(QLineEdit* box) = 0;
    // After the focus left the dialog without a check: the box is stored, its Cancel ignored.
    virtual void Verlassen(QLineEdit* box) { Prüfen(box); }
    virtual void Fokuserhalt(QLineEdit*) {}
    virtual void Taste(QLineEdit*, int) {}
    // Unloading (once): unbind the boxes.
    virtual void Entladen() {}
    // Unloads unless done already; every derived destructor calls it (a base destructor cannot).
    void entladenEinmal();

    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void done(int r) override;

private:
    void fokusWechsel(QWidget* alt, QWidget* neu);
    bool prüfeOffen(QLineEdit* box, bool& Cancel);
    // The focused box checked before the dialog closes; false when it refused.
    bool fokusÜbernommen();

    MoveFocus m_moveFocus;
    Tastenvorschau* m_tasten = nullptr;
    Fokusvalidierung* m_validierung = nullptr;
    QList<QLineEdit*> m_boxen;
    QHash<QLineEdit*, bool> m_offen;  // has had the focus since its last check
    bool m_entladen = false;
};
