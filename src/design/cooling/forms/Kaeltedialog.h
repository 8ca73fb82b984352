#pragma once
#include "base/forms/Dialogform.h"

class Form200;
class GlobDatenKälte;
class QPushButton;

// What the chiller and pipe-content dialogs of page 200 share: caption, icon "Kelvor.ico" of the
// program folder, fixed size centred on the main window, Enter through MoveFocus, the check of a
// box when the focus leaves it and once more when the focus leaves the dialog without a check.
// The dialog loads in its constructor, so its logic runs without exec().
class Kältedialog : public Dialogform {
    Q_OBJECT
public:
    ~Kältedialog() override;

    QPushButton* WeiterCommand = nullptr;

protected:
    Kältedialog(int titelId, int breiteTwips, int höheTwips, QWidget* parent);
    // Once the controls exist: tab order, Enter, key preview and the focus checks.
    void richteEin();
    // The check of a box and its follow-up; Cancel keeps the focus there.
    virtual void prüfe(QWidget* box, bool& Cancel) = 0;
    virtual bool istEingabe(const QWidget* w) const = 0;

    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;

    // Page 200 through the page manager's holder (nullptr when it is not shown).
    static Form200* seite200();

    GlobDatenKälte* m_g = nullptr;
    bool m_lädt = true;
};
