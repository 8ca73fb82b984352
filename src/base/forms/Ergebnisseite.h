#pragma once
#include <QImage>
#include <QString>

#include "base/forms/Seitenform.h"

class QLabel;

// What the result pages of the design share: geometry in twips, labels placed by twips,
// the header with the current project, the picture at the side and the background picture.
// The pages belong to the automatic run of host mode unless they clear m_automatiklauf.
class Ergebnisseite : public Seitenform {
    Q_OBJECT
public:
    explicit Ergebnisseite(QWidget* parent = nullptr);

    static int px(int twips);

protected:
    // A label of a control array (index < 0: no array) at (x, y), width and height in twips.
    QLabel* neuesLabel(const char* name, int index, int x, int y, int breite, int höhe = 240);
    // The header lines: text 60, five blanks and the project number; the designation.
    void Kopfzeilen(QLabel* nummer, QLabel* bezeichnung);
    // Picture 1152 into the label, the background picture 50 behind the page.
    void Bilder(QLabel* bild);
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_hintergrund;
};
