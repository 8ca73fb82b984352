#pragma once
#include <QImage>

#include <array>

#include "base/forms/Seitenform.h"

class GlobDatenHeizung;
class QGroupBox;
class QLabel;
class QRadioButton;

// Page 100: the kind of heating, the kind of plant and the protection of a heating project; in
// host mode the host's choices. Every accepted choice marks the record as not calculated.
class Form100 : public Seitenform {
    Q_OBJECT
public:
    explicit Form100(QWidget* parent = nullptr);
    ~Form100() override;

    std::array<QRadioButton*, 2> ArtderBeheizungOption{};
    std::array<QRadioButton*, 2> ArtderAnlageOption{};
    std::array<QRadioButton*, 2> AnlagenabsicherungOption{};
    std::array<QGroupBox*, 4> Frame1{};  // 1 plant, 2 protection, 3 heating
    QLabel* Titel = nullptr;             // Label1(3)
    QLabel* Seitentitel = nullptr;       // Label2(0)
    QLabel* Projektnummer = nullptr;     // Label1(0)
    QLabel* Projektbezeichnung = nullptr;  // Label1(2)
    QLabel* Logo = nullptr;              // Image1(2)
    QLabel* Foto = nullptr;              // Image1(1)

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void paintEvent(QPaintEvent* e) override;

private:
    void baue();
    void ArtderBeheizung_Click(int index);
    void ArtderAnlage_Click(int index);
    void Anlagenabsicherung_Click(int index);

    GlobDatenHeizung* m_h = nullptr;
    QImage m_hintergrund;
};
