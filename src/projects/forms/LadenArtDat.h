#pragma once
#include "projects/forms/Arbeitsdialog.h"

class QPushButton;

// Replaces the article database by a file the user chooses when it is first shown, and closes
// itself.
class LadenArtDat : public Arbeitsdialog {
    Q_OBJECT
public:
    explicit LadenArtDat(QWidget* parent = nullptr);

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void Arbeit() override;
};
