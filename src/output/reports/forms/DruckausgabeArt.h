#pragma once
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// Asks before a report whether prices are printed.
class DruckausgabeArt : public QDialog {
    Q_OBJECT
public:
    explicit DruckausgabeArt(QWidget* parent = nullptr);

    // Shows the window modally: 1 with prices, 2 without, 0 cancel (also the close box).
    int anzeige();
    // A click on button 0 (cancel), 1 (with prices) or 2 (without prices).
    void Wähle(int index);
    int Auswahl() const { return m_auswahl; }

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QPushButton*, 3> Preisanzeige{};

private:
    int m_auswahl = 0;
};
