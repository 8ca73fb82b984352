#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The About box: program name, version, the brand owner's address and the credit lines.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // "Version" and major.minor.revision.
    static QString Versionszeile(int haupt, int neben, int revis);

    QLabel* lblVersion = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
};
