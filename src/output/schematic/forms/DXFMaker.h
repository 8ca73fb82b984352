#pragma once
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include <memory>

#include "output/schematic/Schaltschemalauf.h"

class QLabel;
class QPushButton;

// The schematic window: lies over the main window, draws the schematic of the current project
// from the order file when it comes up (on the screen, for target 2 also on the printer, for
// target 3 also into the DXF drawing it then offers to save) and stays open until the user ends
// the view. While the drawing runs it refuses to close and to start again.
class DXFMaker : public QDialog, public Schaltschemalauf {
    Q_OBJECT
public:
    explicit DXFMaker(QWidget* parent = nullptr);
    ~DXFMaker() override;

    // Sets the target (1 show, 2 print, 3 DXF file) and the paths and shows the window modally;
    // returns when it is closed. DXFOutDatei is the file target's name in the program folder.
    void DXFAusgabe(int DXFZiel, const QString& DXFOutDatei);
    // The same without showing it modally (the caller shows it).
    void Vorbereiten(int DXFZiel, const QString& DXFOutDatei);

    // The drawing run (runs once, when the window comes up).
    void Command1_Click();

    bool Beschäftigt() const { return m_beschäftigt; }
    bool Gelaufen() const { return m_gelaufen; }
    int Ausgabeziel() const { return m_ausgabeziel; }
    // The picture at the size the window shows it, in the screen's pixels.
    QImage Bild() const;
    // Where the window shows the sheet in the picture box, whole and as large as the box allows.
    QRect Blatt() const;

    QPushButton* AnsichtBeenden = nullptr;
    QLabel* anzeige = nullptr;
    // The picture box: shows the picture.
    QWidget* Bildfeld = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Form_Activate();
    void BildAnlegen();

    int m_ausgabeziel = 0;
    bool m_beschäftigt = false;
    bool m_gelaufen = false;
    bool m_zeichnet = false;  // a run draws into m_bild
    // The drawing as drawn by the last run, at the sheet size m_bildgröße; the window shows it at
    // any size.
    QPicture m_bild;
    QSizeF m_bildgröße;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterZeichenflaeche> m_fläche;
};
