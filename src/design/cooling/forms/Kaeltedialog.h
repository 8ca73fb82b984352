#pragma once
#include <QDialog>

#include "base/forms/MoveFocus.h"

class Fokusvalidierung;
class Form200;
class GlobDatenKälte;
class QPushButton;
class Tastenvorschau;

// What the chiller and pipe-content dialogs of page 200 share: caption, icon "Kelvor.ico" of the
// program folder, fixed size centred on the main window, Enter through MoveFocus, the check of a
// box when the focus leaves it, Weiter (button or Alt+Right) and closing through one unload;
// Weiter, Esc and the close box check the focused box first and stay when it refuses.
// The dialog loads in its constructor, so its logic runs without exec().
class Kältedialog : public QDialog, public FormValidierung {
    Q_OBJECT
public:
    ~Kältedialog() override;

    // Weiter: the focused box is checked first; the dialog stays open when the check refuses.
    void WeiterCommand_Click();

    QPushButton* WeiterCommand = nullptr;

public slots:
    void done(int r) override;
    // Esc: the focused box is checked first, as for Weiter.
    void reject() override;

protected:
    Kältedialog(int titelId, int breiteTwips, int höheTwips, QWidget* parent);
    // Once the controls exist: tab order, Enter, key preview and the focus checks.
    void richteEin();
    // The check of a box and its follow-up; Cancel keeps the focus there.
    virtual void prüfe(QWidget* box, bool& Cancel) = 0;
    virtual bool istEingabe(const QWidget* w) const = 0;
    // Form_Unload.
    virtual void entladen() = 0;
    // Runs entladen once, for every way of closing; each derived destructor calls it.
    void entladenEinmal();

    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

    // Page 200 through the page manager's holder (nullptr when it is not shown).
    static Form200* seite200();

    GlobDatenKälte* m_g = nullptr;
    bool m_lädt = true;

private:
    // The focused box checked before the dialog closes; false when it refused.
    bool fokusÜbernommen();

    MoveFocus m_moveFocus;
    Fokusvalidierung* m_validierung = nullptr;
    Tastenvorschau* m_tasten = nullptr;
    bool m_entladen = false;
};
