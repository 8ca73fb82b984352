#pragma once
#include "shell/forms/Platzhalterseite.h"

class QLineEdit;

// Page 3: the project page; stands in until the page is built. A project number typed here
// becomes the current project, with the system type chosen for new projects.
class KelvorForm3 : public Platzhalterseite {
    Q_OBJECT
public:
    KelvorForm3();

private:
    QLineEdit* m_nummer;
};
