#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "design/solar/forms/Solarergebnisseite.h"

class GlobDatenSolar;
class QLabel;
class QRadioButton;
class QToolButton;

// Page 603: further products of a solar project. The user chooses whether the project gets an
// intermediate vessel (m_Zub_MitVorlagebehälter 0 or 1), which the page sizes from the acceptance
// volume when the collector area is large enough, and opens the choice of the air separators.
// Every unload of a page that came up marks the project as designed.
class Form603 : public Solarergebnisseite {
    Q_OBJECT
public:
    explicit Form603(QWidget* parent = nullptr);
    ~Form603() override;

    // "kein Vorlagebehälter" (0) or "Vorlagebehälter" (1) chosen by the user.
    void Option1_Click(int Index);
    // Opens the air-venting choice.
    void Command2_Click();

    // Controls (arrays by their index).
    std::array<QLabel*, 5> Label1{};  // 0, 2, 3, 4
    std::array<QLabel*, 8> Label2{};  // 0, 3, 4, 7
    std::array<QRadioButton*, 2> Option1{};
    QLabel* Label5 = nullptr;  // Label5(0): the intermediate vessel's text
    QLabel* Label3 = nullptr;
    QToolButton* Command2 = nullptr;
    QLabel* Image1 = nullptr;  // Image1(2)

protected:
    void FormLoad() override;
    void FormUnload() override;

private:
    void Laden();
    // The line of the intermediate vessel: its label and short text, or one blank.
    void Artikelzeile();

    std::shared_ptr<GlobDatenSolar> m_Solardaten;
    bool m_Ladevorgang = false;
    // The page came up with its data object.
    bool m_geladen = false;
};
