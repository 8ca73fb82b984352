#pragma once
#include "projects/Projektliste.h"
#include "projects/forms/Projektdialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The project list: a modal chooser over the project page's table. Closing, whatever the way,
// makes the chosen project the page's current one.
class MDIListe : public Projektdialog {
    Q_OBJECT
public:
    explicit MDIListe(Projektseite& seite, QWidget* parent = nullptr);
    ~MDIListe() override;

    Projektliste& logik() { return m_logik; }

    QLabel* Label2 = nullptr;
    QLineEdit* SuchBox = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Wählen = nullptr;
    QPushButton* Cancel = nullptr;

protected:
    void zeige() override;
    void keyDown(int& KeyCode, int Shift) override;
    void keyPress(int& KeyAscii) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void abbrechen();

    Projektliste m_logik;
};
