#pragma once
#include <QDialog>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "base/forms/Dialogform.h"

class BoundControl;
class conTextBoxAdodb;
class Form101;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Heizungsformen {

// Twips to pixels.
int px(int twips);
// Input boxes have a pale yellow background, result values a pale green one.
void Eingabefarbe(QWidget* w);
void Ergebnisfarbe(QWidget* w);
// A text box of a control array (name, index) at a place in twips.
QLineEdit* Textfeld(QWidget* eltern, const QString& name, int index, int x, int y, int breite, int höhe = 285);
QLabel* Beschriftung(QWidget* eltern, const QString& text, int x, int y, int breite, int höhe = 285);
// The adapter of a widget for the bound values (one per widget, kept by the widget).
std::shared_ptr<BoundControl> Bindung(QLineEdit* feld);
std::shared_ptr<BoundControl> Bindung(QLabel* label);

// Page 101 while the page manager shows it, else nullptr.
Form101* fenster101();

// Shows a modal dialog; tests replace it to drive the dialog without a window loop.
using ModalZeigen = std::function<void(QDialog&)>;
ModalZeigen& modalZeigen();

}  // namespace Heizungsformen

// Base of the three heating dialogs: window icon, centred over the main window, messages on
// again, Enter through MoveFocus (the dialog checks the box before the focus moves), the check of
// a box when the focus moves to another control or the dialog closes, whole text selected on entry.
class Heizungsdialog : public Dialogform {
    Q_OBJECT
public:
    explicit Heizungsdialog(QWidget* parent);
    ~Heizungsdialog() override;

protected:
    // Centres the dialog (after its size is set) and sets up Enter.
    void Fertig();
    // The check of a box when Enter is pressed or the focus leaves it; true keeps the focus.
    virtual bool Prüfe(QLineEdit* feld) = 0;
    // Entering a box (after the whole text is selected).
    virtual void Betreten(QLineEdit*) {}
    void Entladen() override = 0;
    // The box whose check runs for this control name and index (nullptr: none).
    virtual QLineEdit* Feld(const QString& name, int index) const = 0;
    // The bound value a box shows (nullptr: none).
    virtual const conTextBoxAdodb* Wert(const QLineEdit* feld) const = 0;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    // Boxes that take the focus-entry handling.
    void Beobachten(QLineEdit* feld);
    QPushButton* WeiterKnopf(int x, int y);

private:
    // The check of a box, unless it shows what its bound value shows now.
    bool prüfeGeändert(QLineEdit* feld);

    QList<QLineEdit*> m_felder;
    bool m_aktiviert = false;
};
