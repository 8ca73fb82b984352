#pragma once
#include <QHash>
#include <QImage>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

#include "base/forms/Seitenform.h"

class GlobDatenSolar;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// Page 600: the solar circuit's collector area, contents and pressures, the vessel calculation
// with the vapour volume and its results. Only an accepted result (pressure factor at most 0.6)
// shows Weiter; "V&erändern" unlocks the inputs again.
class Form600 : public Seitenform {
    Q_OBJECT
public:
    explicit Form600(QWidget* parent = nullptr);
    ~Form600() override;

    // The page while it is loaded (the content dialogs reach the open content dialog through it).
    static Form600* fenster600();

    // The content dialog while it is shown.
    QPointer<QDialog> modaleForm;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    void Vorgabe_Anzeige_Wasservorlage();

    // Opens a modal dialog and waits until it is gone (tests put their own in).
    using DialogÖffner = std::function<void(QDialog&)>;
    static void SetzeDialogÖffner(DialogÖffner öffner);
    // Shows a modal dialog of the solar pages through the opener.
    static void ZeigeModal(QDialog& dialog);

    // Controls.
    QLineEdit* Absorberfläche = nullptr;
    QLineEdit* Analagevolumen = nullptr;
    QToolButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    std::array<QRadioButton*, 2> AnordnungMAG{};
    std::array<QLineEdit*, 7> Text1{};  // indexes 1, 2, 4, 5, 6
    std::array<QLabel*, 9> Label5{};    // result values; 8 the vapour volume
    std::array<QLabel*, 4> Label1{};
    QFrame* Frame2 = nullptr;

    // Event handlers (public for the tests that drive the page).
    void AnordnungMAG_Click(int Index);
    bool Absorberfläche_Validate();
    bool Text1_Validate(int Index);
    void Command2_Click();
    void Command3_Click();

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void FormKeyDown(int& KeyCode, int Shift) override;
    void FormKeyPress(int& KeyAscii) override;
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void baue();
    void PrüfeSicherheitsventil(bool& abbruch);
    void EingabenFreigeben(bool freigeben);
    void ZeigeWasservorlageHinweis(bool anzeigen);
    void ZeigeDampfvolumen();
    void ZeigeErgebnisse();
    // The box's check, for the focus moving on (Validate) or leaving the page (LostFocus).
    bool prüfe(QLineEdit* box);
    int text1Index(const QObject* o) const;
    void fokusWechsel(QWidget* alt, QWidget* neu);
    // Runs the check of the focused box when it has not run since the box got the focus.
    bool prüfeOffeneEingabe();

    // The data object, held by the page (HalteDatenobjekt) from loading to unloading.
    GlobDatenSolar* m_daten = nullptr;
    QImage m_hintergrund;
    QLabel* Image1 = nullptr;
    bool FlächeBearbeitet = false;
    std::array<bool, 7> EingabeBearbeitet{};
};
