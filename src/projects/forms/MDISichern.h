#pragma once
#include <QDialog>

#include "projects/Projektsicherung.h"
#include "shell/forms/behandlungTabStop.h"

class QLabel;
class QProgressBar;
class QPushButton;
class Projektgitter;
class Sortierbox;
class Tastenvorschau;

// The backup dialog: the user marks projects and saves them into a "*.sic" file. It refuses to
// close while a backup runs; its Abbruch button stops the run.
class MDISichern : public QDialog {
    Q_OBJECT
public:
    explicit MDISichern(Projektseite& seite, QWidget* parent = nullptr);
    ~MDISichern() override;

    Projektsicherung& logik() { return m_logik; }

    Projektgitter* DataGrid1 = nullptr;
    Sortierbox* SortierCombo2 = nullptr;
    QPushButton* Save = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* AllesMarkieren = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    // Busy indicator while the backup runs.
    QProgressBar* Animation1 = nullptr;

public slots:
    void done(int r) override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void zeige();
    void keyDown(int& KeyCode, int Shift);

    Projektsicherung m_logik;
    behandlungTabStop m_tabStop;
    Tastenvorschau* m_tasten = nullptr;
};
