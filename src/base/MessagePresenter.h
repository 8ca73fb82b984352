#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Style values and answers of message boxes, as the program encodes them.
namespace MsgStil {
enum : int {
    OK = 0, OKAbbrechen = 1, JaNeinAbbrechen = 3, JaNein = 4,
    Stop = 16, Frage = 32, Ausrufezeichen = 48, Information = 64,
    ZweiteTasteStandard = 256,
    AbbruchWiederholenIgnorieren = 2, WiederholenAbbrechen = 5, DritteTasteStandard = 512,
    Tasten = 7, Symbole = 112, Standardtaste = 768,  // masks of the three parts
};
}
namespace MsgAntwort {
enum : int { OK = 1, Abbrechen = 2, Ja = 6, Nein = 7, Abbruch = 3, Wiederholen = 4, Ignorieren = 5 };
}

// The answers of a style's buttons in their order (OK; OK, Cancel; Yes, No ...).
QList<int> MsgTasten(int stil);

// One message box as the program asks for it.
struct MeldungsBox {
    int art = 0;          // Meldungsart 1..6 (other: "Fehler"); 0 for a box shown directly
    QString vorlage;      // the text before the values were put in
    QList<int> textIds;   // the string-table ids the vorlage is made of (empty: not from the table)
    QStringList werte;    // the values as texts
    QString text;         // the text shown
    QString titel;
    int stil = 0;         // buttons | icon (MsgStil)
};

// Shows message boxes: a QMessageBox in the program, a recorder in tests.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the box and returns the pressed button (MsgAntwort).
    virtual int zeige(const MeldungsBox& box) = 0;
};

// The presenter in use; without one installed, boxes are written to stderr and answered
// with their first button.
MessagePresenter& messagePresenter();
// Installs a presenter (not owned); nullptr restores the default.
void setzeMessagePresenter(MessagePresenter* p);

// A box shown directly (not through Meldung): returns the pressed button.
int MsgBox(const QString& text, int stil, const QString& titel);
