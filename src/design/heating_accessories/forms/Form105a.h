#pragma once
#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class Auswahlgitter;
class GlobDaten;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class RecordsetModell;
class datenbank;

// The dialog "Auswahl Schlammabscheider": the dirt separators that reach the safety-valve
// pressure and pass the door and room, by pressure rating and output; the stored choice of the
// item, or else the first separator that serves the demand, is preselected. Confirming (Weiter,
// Enter or a double click in the list) writes the current row's article into the item of
// m_Zub_Schlamm_ArtNr_m_value; any other way of closing writes nothing.
class Form105a : public QDialog {
    Q_OBJECT
public:
    explicit Form105a(QWidget* parent = nullptr);
    ~Form105a() override;

    // Loads the dialog for the item (1 the central separator, else the heat generator) and
    // shows it modally.
    void OpenForm(int16_t index = 1);
    // The load alone (no showing).
    void Laden(int16_t index = 1);
    // Writes the chosen article into the item (not when the list could not be loaded) and
    // closes.
    void Bestätigen();
    // The grid's current row changed (-1: none).
    void ZeileGeändert(int zeile);

    const QString& gewählteArtNr() const { return m_gewählt; }
    bool listeGeladen() const { return m_geladen; }

    Auswahlgitter* DataGrid1 = nullptr;
    std::array<QLabel*, 4> Label1{};
    QLineEdit* Text1 = nullptr;
    QPlainTextEdit* TextLangtext = nullptr;
    QToolButton* WeiterCommand = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    std::shared_ptr<GlobDaten> m_daten;
    std::unique_ptr<datenbank> m_abfrage;
    RecordsetModell* m_modell = nullptr;
    int16_t m_index = 1;
    QString m_gewählt = QStringLiteral(" ");
    bool m_geladen = false;
};
