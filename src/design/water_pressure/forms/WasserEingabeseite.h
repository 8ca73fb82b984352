#pragma once
#include <QImage>
#include <QList>
#include <QString>

#include <array>

#include "base/forms/Seitenform.h"

class QLabel;
class QLineEdit;
class QPushButton;
class conTextBoxAdodb;

// The common frame of the first pages of drinking water (300) and pressure boosting (400): the
// background picture, the project lines and headings, a column of four input boxes Text1(0..3)
// with caption and unit, the result labels, and the calculate/change button Command3.
//
// Events of the boxes reach the page as the original events: GotFocus, Validate (the base
// class's focus check and Enter through MoveFocus), LostFocus once the focus has gone to another
// control of the main window (after Validate, never when Validate kept the focus); the button's
// click runs only once the box it leaves has been accepted, also for its access key.
class WasserEingabeseite : public Seitenform {
    Q_OBJECT
public:
    explicit WasserEingabeseite(QWidget* parent = nullptr);
    ~WasserEingabeseite() override;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;

    std::array<QLineEdit*, 4> Text1{};
    QPushButton* Command3 = nullptr;
    // Controls by their array index (nullptr where the page has none).
    QLabel* Label1(int i) const { return m_label1.value(i); }
    QLabel* Label3(int i) const { return m_label3.value(i); }
    QLabel* Label4(int i) const { return m_label4.value(i); }
    QLabel* Label5(int i) const { return m_label5.value(i); }
    QLabel* Image1 = nullptr;

protected:
    // An input row: caption Label3(i), box Text1(i), unit Label4(i) (0 = none).
    void Eingabezeile(int i, int maxLänge);
    // A result row: caption Label3(caption), value Label5(wert), unit label (nullptr: none) by
    // its array name and index.
    void Ergebniszeile(int zeile, int caption, int wert, const char* einheitName, int einheit);
    // The heading Label1(haupt) large on top, Label1(unter) below it.
    void Überschriften(int haupt, int unter);
    // Texts of the common controls (the page calls it from FormLoad): pictures, project lines.
    void LadeGrundelemente();

    virtual void Text1_GotFocus(int Index) = 0;
    virtual void Text1_Validate(int Index, bool& Cancel) = 0;
    virtual void Text1_LostFocus(int Index) = 0;
    virtual void Command3_Click() = 0;

    // Checks the box of a member; an accepted number is held as typed and shown in the box's
    // format. The result is the Cancel of the box.
    static bool Übernehmen(conTextBoxAdodb& member, const QLineEdit& box);
    void EingabenFreigeben(bool frei);
    // The focus goes to the first open box, else to the button (as the page comes up).
    void Anfangsfokus();
    // A caption from the string table (id + language offset).
    static QString Text(int id);

    void Validate(QWidget* steuerelement, bool& Cancel) override;
    void FormKeyPress(int& KeyAscii) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int boxIndex(const QObject* w) const;
    void fokusWechsel(QWidget* alt, QWidget* neu);
    QLabel* neuesLabel(QList<QLabel*>& liste, const char* name, int i, int x, int y, int breite);

    QList<QLabel*> m_label1, m_label3, m_label4, m_label5;
    QImage m_hintergrund;
    int m_fokusBox = -1;      // the box whose GotFocus ran last, -1 none
    int m_enterGeprüft = -1;  // the box Enter has just checked, -1 none
    bool m_ohnePrüfung = false;  // the page moves the focus itself: no check of the box left
};
