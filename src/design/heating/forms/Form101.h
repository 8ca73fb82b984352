#pragma once
#include <QImage>

#include <array>
#include <memory>

#include "base/forms/Seitenform.h"

class GlobDatenHeizung;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class conTextBoxAdodb;

// Page 101: the heating system data, the calculation and the change back to input. Every input
// is a bound value of the heating record; the heat-generator and consumer dialogs work on the
// same record and reach the page through Heizungsformen::fenster101().
class Form101 : public Seitenform {
    Q_OBJECT
public:
    explicit Form101(QWidget* parent = nullptr);
    ~Form101() override;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    // Raises the water reserve to 0.5 % of the system volume and shows it.
    void Vorgabe_Anzeige_Wasservorlage();
    // Calculate, or change back to input.
    void BerechnenVerändern();
    // The host takeover answered the host: the next activation ends the program.
    bool HostAbbruch() const { return m_hostAbbruch; }

    // Controls (arrays by their index).
    QLineEdit* gesamtwärmeleistungQText = nullptr;
    QLineEdit* Analagevolumen = nullptr;
    std::array<QLineEdit*, 11> Text1{};
    std::array<QLabel*, 11> Label3{};
    std::array<QLabel*, 11> Label4{};
    std::array<QRadioButton*, 2> AnordnungMAG{};
    std::array<QRadioButton*, 2> AusfuehrungSV{};
    std::array<QGroupBox*, 2> Frame2{};
    std::array<QLabel*, 8> Label5{};  // result values
    std::array<QLabel*, 8> Label6{};  // result captions
    std::array<QLabel*, 8> Label7{};  // result units
    QLabel* Titel = nullptr;
    QLabel* Projektnummer = nullptr;
    QLabel* Projektbezeichnung = nullptr;
    QLabel* Fussnote = nullptr;
    QPushButton* Command1 = nullptr;  // heat generators
    QPushButton* Command2 = nullptr;  // consumers
    QPushButton* Command3 = nullptr;  // calculate / change

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
    // The check of a box (Cancel: keep the focus there).
    void Prüfe(QLineEdit* feld, bool& Cancel);
    // The check unless the box shows what its bound value shows now.
    void PrüfeGeändert(QLineEdit* feld, bool& Cancel);
    void PrüfeDruckSicherheitsventil(bool& Cancel, bool mitMeldung);
    // A computed valve pressure above 10 bar (to one decimal) is held at 10 bar; true when it was.
    bool BegrenzeSicherheitsventil();
    void BegrenzeSolldruck();
    void AktualisiereVerbraucherinhalt();
    void SetzeEingabenFreigabe(bool freigeben);
    void ZeigeHinweis(int art);
    void AnordnungMAG_Click(int index);
    void AusfuehrungSV_Click(int index);
    // After the valve pressure was computed: the diaphragm option follows the result, and a valve
    // kind that the calculation switched is handled like the user's choice.
    void NachSicherheitsventil(bool nurVollhub, int artVorher);
    void ZeigeDialog(QDialog& dialog);
    void WärmeerzeugerDialog();
    void VerbraucherDialog();
    conTextBoxAdodb* Wert(int index) const;
    int indexVon(const QObject* o) const;

    GlobDatenHeizung* m_h = nullptr;
    QImage m_hintergrund;
    bool m_hostAbbruch = false;
    bool m_neuesProjekt = false;
    bool m_inSVWahl = false;
};
