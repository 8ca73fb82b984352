#pragma once
#include <QDialog>

#include "projects/Projektliste.h"
#include "shell/forms/behandlungTabStop.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Projektgitter;
class Sortierbox;
class Tastenvorschau;

// The project list: a modal chooser over the project page's table. Closing, whatever the way,
// makes the chosen project the page's current one.
class MDIListe : public QDialog {
    Q_OBJECT
public:
    explicit MDIListe(Projektseite& seite, QWidget* parent = nullptr);
    ~MDIListe() override;

    Projektliste& logik() { return m_logik; }

    Projektgitter* DataGrid1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* SuchBox = nullptr;
    QLabel* Label1 = nullptr;
    Sortierbox* SortierCombo2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Wählen = nullptr;
    QPushButton* Cancel = nullptr;

public slots:
    void done(int r) override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void zeige();
    void keyDown(int& KeyCode, int Shift);
    void keyPress(int& KeyAscii);
    void abbrechen();

    Projektliste m_logik;
    behandlungTabStop m_tabStop;
    Tastenvorschau* m_tasten = nullptr;
};
