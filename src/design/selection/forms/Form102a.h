#pragma once
#include <array>
#include <memory>

#include "design/selection/Artikelauswahl.h"
#include "design/selection/forms/Auswahldialog.h"

class Auswahlgitter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class RecordsetModell;

// "Abfrage Auswahl Artikel": the user picks one vessel or automat from the caller's candidate
// list; the choice goes back by the caller's call-back. The close box writes nothing.
class Form102a : public Auswahldialog {
public:
    Form102a(Artikelauswahlrufer& rufer, QWidget* parent = nullptr);
    ~Form102a() override;

    Artikelauswahl& logik() { return m_logik; }
    // The caller of the current project's type, found through the main window; nullptr when
    // that page is not loaded or offers no article choice.
    static Artikelauswahlrufer* Rufer();
    // Shows the logic's state.
    void zeigen();

    Auswahlgitter* DataGrid1 = nullptr;
    QPlainTextEdit* TextLangtext = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QLabel*, 8> Label1{};

protected:
    void FormKeyDown(int& KeyCode, int Shift) override;
    void FormKeyPress(int& KeyAscii) override;

private:
    void binden();
    void weiter();
    void übernehmen();

    Artikelauswahl m_logik;
    RecordsetModell* m_modell = nullptr;
};

// The installed article dialog of the program (shows Form102a modally for the current type).
Artikelauswahldialog& Artikelauswahlfenster();
