#pragma once
#include <array>
#include <memory>

#include "base/forms/Ergebnisseite.h"

class GlobDatenHeizung;
class QGroupBox;
class QLabel;
class QRadioButton;
class Sicherheitstechnik;

// Page 103: the heating safety equipment. The load runs the safety designer on the heating data
// object and shows per heat generator the safety valves and the expansion trap, the pressure
// limiters, and the choice of the low-water protection (stored in m_Zub_WMangelSichArt as the
// index of the option). Without a vessel the page refuses to open.
class Form103 : public Ergebnisseite {
    Q_OBJECT
public:
    explicit Form103(QWidget* parent = nullptr);
    ~Form103() override;

    // Low-water protection chosen by the user: index 0..3.
    void WassermangelOpt_Click(int index);

    // Controls (arrays by their index).
    std::array<QLabel*, 8> Label1{};  // 0, 2..7
    std::array<QLabel*, 7> Label2{};  // 1..6: row titles
    std::array<QLabel*, 7> Label4{};  // 1..6: valve counts
    std::array<QLabel*, 7> Label5{};  // 1..6: valve articles
    std::array<QLabel*, 7> Label6{};  // 1..6: trap articles
    std::array<QLabel*, 2> Label7{};  // limiter counts: 0 maximum, 1 minimum
    std::array<QLabel*, 2> Label8{};  // limiter articles
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 4> WassermangelOpt{};
    QLabel* Image1 = nullptr;

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

private:
    void Laden();
    void MinimalbegrenzerAnzeigen();
    void KorrigiereWassermangelart();
    QString Artikeltext(const QString& artNr);

    std::shared_ptr<GlobDatenHeizung> m_daten;
    std::unique_ptr<Sicherheitstechnik> m_designer;
    bool m_lädt = false;
    bool m_abgewiesen = false;
};
