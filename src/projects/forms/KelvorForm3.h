#pragma once
#include <QImage>

#include <array>
#include <memory>

#include "projects/Projektseite.h"
#include "base/forms/Seitenform.h"

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// Page 3: the project page. The widgets show the state of its Projektseite and hand their
// events to it; the menus of the main window and the project dialogs call the members below.
class KelvorForm3 : public Seitenform {
    Q_OBJECT
public:
    explicit KelvorForm3(QWidget* parent = nullptr);
    ~KelvorForm3() override;

    // The page without its widgets (the project table projektDB, the sort keys, the inputs).
    Projektseite& logik() { return *m_logik; }
    datenbank& projektDB() { return m_logik->projektDB; }
    const QString& SortierString1() const { return m_logik->SortierString1; }
    const QString& SortierString2() const { return m_logik->SortierString2; }

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    void ProjektVerändern();
    void ProjektAnlegen(bool kopierfunktion);
    void ProjektLöschen();
    // Stores the input being typed before the table is queried anew; false when it was refused
    // (the page stays as it is, with the message shown).
    bool EingabeSpeichern();
    // The project list and the backup dialog, each in the modal dialog frame; an input that is
    // refused keeps them closed.
    void ProjektSuchenInListe();
    void ProjekteSichern();
    int32_t ReOpenProjektTabelle(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2);
    void SuchenRecordset(const QString& suchtext, const QString& OrderBy1, const QString& OrderBy2);
    void NeusortierungRecordset(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2);
    // Puts the five sort choices into a dialog's box and shows the current one.
    void FüllenSortierbox(QComboBox* box);
    void SetSortierstrings(const QString& sortierauswahl);

    // Controls.
    std::array<QLineEdit*, 7> ProjektText{};  // ProjektText(0) to ProjektText(6)
    QPlainTextEdit* ProjektText7 = nullptr;   // ProjektText(7), the remarks
    QComboBox* ProjektCombo1 = nullptr;
    QLineEdit* ProjektMask = nullptr;         // ProjektMask(0), the date
    std::array<QLabel*, 11> Label1{};
    QLabel* Label2 = nullptr;
    QLabel* ProjektLabeldata = nullptr;
    QLabel* Image1 = nullptr;                 // Image1(2)
    // The data control: first, previous, next and last row, and its caption.
    std::array<QToolButton*, 4> Adodc1Knopf{};
    QLabel* Adodc1Caption = nullptr;

    // The input (Projektseite::Steuerelement) that a control stands for; -1 for none.
    int steuerelementVon(const QWidget* w) const;
    QWidget* steuerelement(int nr) const;
    // Shows the state of the page's logic in the widgets.
    void zeigen();

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void FormKeyPress(int& KeyAscii) override;
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    class Umfeld;
    void baue();
    void bemerkungenGeändert();
    bool tasteInSteuerelement(int nr, QKeyEvent* e);
    void zeigeDialog(QDialog& dialog);

    std::unique_ptr<Umfeld> m_umfeld;
    std::unique_ptr<Projektseite> m_logik;
    QImage m_hintergrund;
    bool m_zeigt = false;
};
