#pragma once
#include <QDialog>
#include <QLabel>

#include <memory>

#include "info/Gebietssuche.h"

class QFrame;
class QLineEdit;
class QToolButton;
class Tastenvorschau;

// The map box: reports every mouse button going down, in pixels of the map picture.
class Kartenbild : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void MouseDown(double x, double y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

// The finder for the partner of a region: a five-digit postal code or a click on the map gives
// the address block of the responsible partner. One form object serves one opening.
class Gebietsfinder : public QDialog {
    Q_OBJECT
public:
    Gebietsfinder(const Finderart& art, QWidget* parent);
    ~Gebietsfinder() override;

    // The postal-code box as the lookup reads it: five characters, blanks where nothing is typed.
    QString Postleitzahltext() const;
    // The address display as the lookup wrote it (lines joined by CR).
    QString Adresstext() const { return m_adresse; }

    // Lookups, as the box's focus-out and Enter and the map click run them.
    void MaskEdBox1_Validate();
    void Picture1_MouseDown(double x, double y);
    void WeiterCommand_Click();

    QLineEdit* MaskEdBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    Kartenbild* Picture1 = nullptr;
    QToolButton* WeiterCommand = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ZeigeAdresstext(const QString& text);
    void SetzePostleitzahl(const QString& text);

    std::unique_ptr<Gebietssuche> m_suche;
    Tastenvorschau* m_tasten = nullptr;
    QString m_adresse;
};

// The service-partner finder (menu "Servicepartner").
class Servicepart : public Gebietsfinder {
    Q_OBJECT
public:
    explicit Servicepart(QWidget* parent = nullptr) : Gebietsfinder(FinderartService(), parent) {}
};

// The sales-representative finder (menu "Außendienstmitarbeiter").
class Vertreter : public Gebietsfinder {
    Q_OBJECT
public:
    explicit Vertreter(QWidget* parent = nullptr) : Gebietsfinder(FinderartVertreter(), parent) {}
};
