#pragma once
#include <QDialog>

#include "base/forms/MoveFocus.h"

class Form200;
class GlobDatenKälte;
class QPushButton;
class Tastenvorschau;

// What the chiller and pipe-content dialogs of page 200 share: caption, icon "Kelvor.ico" of the
// program folder, fixed size centred on the main window, Enter through MoveFocus, the check of a
// box when the focus leaves it, Weiter (button or Alt+Right) and closing through one unload.
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
    QWidget* fokusEingabe() const;

    MoveFocus m_moveFocus;
    Tastenvorschau* m_tasten = nullptr;
    bool m_entladen = false;
};
