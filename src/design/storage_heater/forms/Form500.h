#pragma once
#include <QImage>

#include "base/forms/Seitenform.h"

class QLabel;
class QPushButton;

// Page 500: the start of a storage-water-heater project. "Wohnbauten" leads to the dwelling
// groups; commercial use has no calculation and only shows a notice.
class Form500 : public Seitenform {
    Q_OBJECT
public:
    explicit Form500(QWidget* parent = nullptr);

    void WohnbautenButton_Click();
    void GewerbeButton_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* WohnbautenButton = nullptr;
    QPushButton* GewerbeButton = nullptr;
    QLabel* Image1_2 = nullptr;
    QLabel* Image2 = nullptr;

protected:
    void FormLoad() override;
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_hintergrund;
};
