#pragma once
#include <array>
#include <functional>

#include <QFont>
#include <QImage>
#include <QLine>
#include <QList>
#include <QString>

#include "base/forms/Seitenform.h"

class QGroupBox;
class QLabel;
class QRadioButton;

// What the result pages of the design share: geometry in twips, labels placed by twips,
// the header with the current project, the picture at the side, the background picture and,
// where a page has them, decoration lines.
// The pages belong to the automatic run of host mode unless they clear m_automatiklauf.
class Ergebnisseite : public Seitenform {
    Q_OBJECT
public:
    explicit Ergebnisseite(QWidget* parent = nullptr);

    static int px(int twips);

protected:
    // A label of a control array (index < 0: no array) at (x, y), width and height in twips.
    QLabel* neuesLabel(const char* name, int index, int x, int y, int breite, int höhe = 240);
    // A frame of a control array (index < 0: no array), placed like a label.
    QGroupBox* neuerRahmen(const char* name, int index, int x, int y, int breite, int höhe);
    // An option of a control array inside eltern, placed in twips relative to it. A click (not
    // a change from code) calls klick with the index.
    QRadioButton* neueOption(QWidget* eltern, const char* name, int index, int x, int y, int breite,
                             int höhe, std::function<void(int)> klick);
    // The five make-up options of an accessory page in the frame, object name NachspeiseOpt, index
    // the stored make-up code (0 none, 1 with separator, 2 pump, 3 automat, 4 compact unit).
    std::array<QRadioButton*, 5> neueNachspeiseoptionen(QGroupBox* rahmen, int breite, std::function<void(int)> klick);
    // With an automat the compact unit (4) is hidden and 0..3 close up; without, 4 shows with its
    // text between 0 and 1.
    void NachspeiseoptionenAnordnen(const std::array<QRadioButton*, 5>& optionen, bool automat);
    // The page font in bold, at punkte points (0: the page's size).
    QFont fett(int punkte = 0) const;
    // The project number and designation labels at the top right, in bold.
    void neueKopflabels(QLabel*& nummer, QLabel*& bezeichnung);
    // The page title of array Label1 at index, left edge x, in bold 12 points.
    QLabel* neuerTitel(int index, int x);
    // A decoration line from (x1, y1) to (x2, y2) in twips, drawn over the background picture.
    void neueLinie(int x1, int y1, int x2, int y2);
    // The header lines: text 60, five blanks and the project number; the designation.
    void Kopfzeilen(QLabel* nummer, QLabel* bezeichnung);
    // Picture 1152 into the label, the background picture 50 behind the page.
    void Bilder(QLabel* bild);
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_hintergrund;
    QList<QLine> m_linien;
};
