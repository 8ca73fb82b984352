#pragma once
#include "projects/Projektsicherung.h"
#include "projects/forms/Projektdialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The backup dialog: the user marks projects and saves them into a "*.sic" file. It refuses to
// close while a backup runs; its Abbruch button stops the run.
class MDISichern : public Projektdialog {
    Q_OBJECT
public:
    explicit MDISichern(Projektseite& seite, QWidget* parent = nullptr);
    ~MDISichern() override;

    Projektsicherung& logik() { return m_logik; }

    QPushButton* Save = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* AllesMarkieren = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    // Busy indicator while the backup runs.
    QProgressBar* Animation1 = nullptr;

protected:
    void zeige() override;
    void keyDown(int& KeyCode, int Shift) override;

private:
    Projektsicherung m_logik;
};
