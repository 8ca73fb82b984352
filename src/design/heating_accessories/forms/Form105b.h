#pragma once
#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "base/VbVariant.h"

class Auswahlgitter;
class Entlüftungsdialog;
class GlobDaten;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class RecordsetModell;
class datenbank;

// The dialog "Entlüftungsprogramm": up to six air-venting articles with their quantities. The
// list shows the articles of one venting family (heating, cooling) or every article usable in
// solar systems; the row under the pointer, a click in the list or the arrow keys put the current
// article into the active row, and a quantity that passes its check stores its row in the data object at once.
class Form105b : public QDialog {
    Q_OBJECT
public:
    // familie: the venting family (0..2) of heating and cooling; not used for solar.
    explicit Form105b(int16_t familie = 0, QWidget* parent = nullptr);
    ~Form105b() override;

    void OpenForm();
    void Laden();
    // The quantity check of row i; Cancel keeps the focus in the box.
    void FormValidateControlElement(const QString& name, int index, bool& Cancel);
    // Row i becomes the active row (its quantity box got the focus).
    void ZeileAktivieren(int i);
    // The list's current row changed (-1: none).
    void ZeileGeändert(int zeile);
    int aktiveZeile() const { return m_aktiv; }
    bool listeGeladen() const { return m_geladen; }

    std::unique_ptr<datenbank> ArtEntlüftDB;

    Auswahlgitter* DataGrid1 = nullptr;
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 7> Label2{};  // 1..6
    std::array<QLineEdit*, 7> Text2{};
    std::array<QLabel*, 7> Label3{};
    std::array<QLineEdit*, 7> Text3{};
    QPlainTextEdit* TextLangtext = nullptr;
    QToolButton* WeiterCommand = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int r) override;

private:
    VbVariant lese(const QString& art, int i) const;
    void schreibe(const QString& art, int i, const VbVariant& wert);
    void Langtext(int zeile);
    void Farben();
    void Positionieren();

    std::shared_ptr<GlobDaten> m_daten;
    RecordsetModell* m_modell = nullptr;
    int16_t m_familie = 0;
    bool m_solar = false;
    bool m_geladen = false;
    bool m_positionieren = false;
    bool m_schliesst = false;  // the dialog is closing: the quantity box's focus loss stores nothing
    int m_aktiv = 1;
    QString m_aktuell = QStringLiteral(" ");
};

// The installed air-venting dialog of the program (shows Form105b modally).
Entlüftungsdialog& Entlüftungsfenster();
