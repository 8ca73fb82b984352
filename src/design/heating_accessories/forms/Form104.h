#pragma once
#include <array>
#include <memory>

#include "base/forms/Ergebnisseite.h"

class GlobDatenHeizung;
class QGroupBox;
class QLabel;
class QRadioButton;
class Zubehörtechnik;

// Page 104: the heating accessories. The load runs the accessory designer on the heating data
// object and shows the cap valves of the vessels and the heat generators and the expansion
// collecting line; the user chooses the make-up unit (m_Zub_Nachspeisung, index of the option)
// and, with a make-up automat or a group-14 automat, the system separator.
class Form104 : public Ergebnisseite {
    Q_OBJECT
public:
    explicit Form104(QWidget* parent = nullptr);
    ~Form104() override;

    // Make-up unit chosen by the user: index 0..4.
    void NachspeiseOpt_Click(int index);
    // System separator chosen by the user: 0 without, 1 with.
    void Systemtrenner_Click(int index);

    // Controls (arrays by their index).
    std::array<QLabel*, 8> Label1{};  // 0, 2..7
    std::array<QLabel*, 7> Label2{};  // 0 vessels, 1..6 heat generators
    std::array<QLabel*, 7> Label4{};  // counts
    std::array<QLabel*, 7> Label5{};  // articles
    QLabel* Label3 = nullptr;         // why a system separator
    QLabel* Label6 = nullptr;         // always hidden
    std::array<QGroupBox*, 3> Frame1{};  // 1 separator, 2 make-up
    std::array<QRadioButton*, 5> NachspeiseOpt{};
    std::array<QRadioButton*, 2> Systemtrenner{};
    QLabel* Image1 = nullptr;         // Image1(2)

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

private:
    void Laden();
    void NachspeiseoptionenZeigen();
    void TrennerZeigen(bool sichtbar);
    void Hinweis();
    bool Gruppe(std::initializer_list<int> gruppen) const;

    std::shared_ptr<GlobDatenHeizung> m_daten;
    std::unique_ptr<Zubehörtechnik> m_designer;
    bool m_lädt = false;
};
