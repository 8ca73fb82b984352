#pragma once
#include <QDialog>
#include <QPicture>

#include <cstdint>

class Drucken;
class QPushButton;
class QScrollBar;

// The page picture inside the preview's viewport: shows what the report drew on it.
class Seitenbild : public QWidget {
    Q_OBJECT
public:
    explicit Seitenbild(QWidget* parent = nullptr) : QWidget(parent) {}
    void setzeBild(const QPicture& bild);
    const QPicture& bild() const { return m_bild; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPicture m_bild;
};

// The page preview: the report draws all pages into one tall picture that the user scrolls.
class Seitenvorschau : public QDialog {
    Q_OBJECT
public:
    explicit Seitenvorschau(QWidget* parent = nullptr);
    ~Seitenvorschau() override;

    // Shows the report's pages modally. mitDruck False: the results window with one button "OK".
    // True when the user pressed the right button ("Drucken" or "OK").
    bool GDIDraw(Drucken& obj, bool mitDruck);
    // The loading step of GDIDraw without showing the window (tests).
    void Laden(Drucken& obj, bool mitDruck);
    bool Ergebnis() const { return m_ergebnis; }

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QWidget* Picture1 = nullptr;
    Seitenbild* Picture2 = nullptr;
    QWidget* Picture3 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Renders the report into the page picture.
    void Zeichnen();
    void Anordnen();
    // Over the main window, wide enough for a whole page where the screen allows.
    void Platzieren();
    // Arrows and Page Up/Down move the picture; false for any other key.
    bool Rollen(int taste);

    Drucken* m_bericht = nullptr;
    bool m_ergebnis = false;
    bool m_ladenAktiv = false;
    int32_t m_blattbreite = 0;
    int32_t m_blatthöhe = 0;
};
