#pragma once
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "base/forms/Seitenform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class datenbank;
class GlobDatenSpeicher;
class Speicherabfrage;

// Page 502: the storage tanks of a storage-heater project. Shows N, takes the design
// temperatures and the installation size, offers up to eight tank groups, each with an automatic
// choice and a manual choice from the tank list (Form502a), and shows the chosen tank set.
// Leaving the page with a tank chosen marks the project designed.
class Form502 : public Seitenform {
    Q_OBJECT
public:
    explicit Form502(QWidget* parent = nullptr);
    ~Form502() override;

    // The tank recordset's table object (the list dialog shows its recordset); nullptr before
    // the page has loaded it.
    datenbank* GefaesseDB() const;
    // Group of the group button pressed last (0 when the choice was cleared).
    int16_t gruppeNr = 0;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    // The list dialog's choice: stores the tank with the smallest count that reaches N (or the
    // automatic choice of the group when the chosen tank cannot reach it).
    void ManuelleBehälterauswahlSp(const QString& art);
    // Shows the current tank row and the figures of the data object, or clears the display.
    void Anzeige_Behälter(bool gefunden);

    // Group buttons: automatic choice and manual choice of row i.
    void Command1_Click(int i);
    void Command2_Click(int i);
    // Clears the choice (with the count reset to 1 when mitAnzahl).
    void LöscheBehälterauswahl(bool mitAnzahl);
    // The flow temperatures offered for a storage temperature.
    void FülleVorlauftemperaturen(const VbVariant& speicherTemp);
    // A tank set is chosen.
    bool Ausgewählt() const;
    // The tank queries (nullptr before loading).
    Speicherabfrage* Abfrage() const { return m_abfrage.get(); }
    // Group number and name behind button row i (0 and "" for an empty row).
    int16_t Gruppe(int i) const { return m_Gruppen[static_cast<size_t>(i)].Gruppe; }
    QString Gruppenname(int i) const { return m_Gruppen[static_cast<size_t>(i)].Bezeichnung; }

    // Controls.
    QComboBox* ComboSpeicherTemp = nullptr;
    QComboBox* ComboVorlaufTemp = nullptr;
    std::array<QLineEdit*, 4> Text1{};  // 0 door width, 1 room height, 3 count (2 unused)
    std::array<QPushButton*, 8> Command1{};
    std::array<QToolButton*, 8> Command2{};
    std::array<QLabel*, 12> Label1{};
    std::array<QLabel*, 14> Label2{};
    std::array<QLabel*, 8> Label3{};
    QLabel* Label4_0 = nullptr;  // N
    std::array<QLabel*, 4> Label6{};
    std::array<QLabel*, 8> Label7{};
    QLabel* Image1_2 = nullptr;

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void FormKeyPress(int& KeyAscii) override;
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    struct GruppenEintrag {
        int16_t Gruppe = 0;
        QString Bezeichnung;
    };

    void baue();
    void AufbauBehältergruppen();
    bool prüfeText(int index);
    int textIndex(const QObject* w) const;
    void ComboGeändert(QComboBox* box);
    void ComboVerlassen(QComboBox* box);
    void Meldung2365(const QString& gruppe);

    std::unique_ptr<datenbank> GruppenDB;
    std::unique_ptr<Speicherabfrage> m_abfrage;
    GlobDatenSpeicher* m_Speicherdaten = nullptr;  // held by the page while it is shown
    float m_Bedarfskennzahl = 0.0f;                // N as read at load
    std::array<bool, 4> m_TextFokus{};
    QString m_ComboText;
    bool m_LadeModus = false;
    std::array<GruppenEintrag, 8> m_Gruppen{};
    bool m_NGesperrt = false;  // N above 300 was refused: no choice while the page is shown
    QImage m_hintergrund;
};
