#pragma once
#include <QImage>

#include <array>

#include "base/forms/Seitenform.h"

class QLabel;
class QPushButton;

// Page 2: the choice of the system type of the next new project, one large button per type;
// in the automatic run of host mode the page chooses heating by itself.
class KelvorForm2 : public Seitenform {
    Q_OBJECT
public:
    explicit KelvorForm2(QWidget* parent = nullptr);

    // The six buttons by their index (0 He, 1 Kü, 2 Dr, 3 Tr, 4 Sp, 5 So); they stand one below
    // the other in the order of their captions, which is also their tab order.
    std::array<QPushButton*, 6> HauptwahlCommand{};
    QLabel* Image6 = nullptr;
    QLabel* Image4 = nullptr;

    void HauptwahlCommand_Click(int Index);
    // The system-type code of a button.
    static QString Projektart(int Index);

protected:
    void FormLoad() override;
    void FormActivate() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_hintergrund;
};
