#pragma once
#include <QImage>

#include <array>

#include "base/forms/Seitenform.h"

class GlobDatenKälte;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class conTextBoxAdodb;

// Page 200: the cooling system's inputs, the vessel calculation and its results. The chiller
// and pipe-content dialogs (Form200a, Form200b) write their sums into the data object and
// reach this page through the page manager's holder of status 200.
class Form200 : public Seitenform {
    Q_OBJECT
public:
    explicit Form200(QWidget* parent = nullptr);
    ~Form200() override;

    // Enter in a text box: runs the box's check and its follow-up; Cancel keeps the focus.
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    // Raises the water reserve to 0.5 % of the system volume (never lowers it).
    void Vorgabe_Anzeige_Wasservorlage();

    // The user's actions (the widgets' signals call them; tests call them directly).
    void AnordnungMAG_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Controls.
    QLineEdit* gesamtwärmeleistungQText = nullptr;
    QLineEdit* Analagevolumen = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> AnordnungMAG{};
    std::array<QLineEdit*, 10> Text1{};  // no Text1(8)
    std::array<QLabel*, 8> Label5{};     // results 1..7
    std::array<QLabel*, 4> Label1{};     // 0 project number, 2 designation, 3 title
    std::array<QLabel*, 6> Label2{};
    std::array<QLabel*, 24> Label3{};
    std::array<QLabel*, 10> Label4{};
    QLabel* Image1 = nullptr;  // Image1(2)
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    // The dialog while it is open.
    QDialog* modaleForm = nullptr;

    // The page's copy of the new-project flag (cleared once the set pressure was validated).
    bool neuesProjekt() const { return m_neuesProjekt; }

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void FormKeyPress(int& KeyAscii) override;
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void baue();
    // The bound value of an input box; nullptr for another widget.
    conTextBoxAdodb* wertVon(const QWidget* box) const;
    // Check of a box and its follow-up (the Validate handlers).
    void prüfe(QWidget* box, bool& Cancel);
    void PrüfeSicherheitsventil(bool& Cancel);
    void SetzeGrenzenSolldruck(bool Neu);
    void EingabenFreigeben(bool Frei);
    void ZeigeHinweis(int Art);
    void zeigeErgebnisse();
    // A button's click counts only when a box of the page did not keep the focus.
    bool klickZählt(const QPushButton* knopf) const;
    void zeigeDialog(QDialog& dialog);

    GlobDatenKälte* m_g = nullptr;
    QImage m_hintergrund;
    bool m_neuesProjekt = false;
};
