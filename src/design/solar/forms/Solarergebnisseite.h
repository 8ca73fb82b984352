#pragma once
#include <QImage>
#include <QLine>
#include <QList>

#include "base/forms/Seitenform.h"

class QLabel;

// What the result pages of the solar design share: labels placed by twips, the header with the
// current project, the picture at the side, the background picture and the decoration lines.
class Solarergebnisseite : public Seitenform {
    Q_OBJECT
public:
    explicit Solarergebnisseite(QWidget* parent = nullptr);

    static int px(int twips);

protected:
    // A label of a control array (index < 0: no array) at (x, y), width and height in twips.
    QLabel* neuesLabel(const char* name, int index, int x, int y, int breite, int höhe = 240);
    // A decoration line from (x1, y1) to (x2, y2) in twips.
    void neueLinie(int x1, int y1, int x2, int y2);
    // The header lines: text 60, five blanks and the project number; the designation.
    void Kopfzeilen(QLabel* nummer, QLabel* bezeichnung);
    // Picture 1152 into the label (not stretched), the background picture 50 behind the page.
    void Bilder(QLabel* bild);
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_hintergrund;
    QList<QLine> m_linien;
};
