#pragma once
#include <QWidget>

#include "data/Fortschrittsfenster.h"

class QLabel;
class QProgressBar;

// The progress window of long database work: stays on top over the main window, shows a busy
// bar, an info line, a project number and a counter, and refuses to be closed by the user.
class KelvorForm1a : public QWidget, public Fortschrittsfenster {
    Q_OBJECT
public:
    explicit KelvorForm1a(QWidget* parent = nullptr);
    ~KelvorForm1a() override;

    void Zeigen() override;
    void SchreibeCaption(const QString& text) override;
    void SchreibeInfo(const QString& text) override;
    void SchreibeProjektNr(const QString& text) override;
    void Schreibe_Satz_AnzSaetze(long aktSatz, long GesamtSaetze) override;

    QLabel* LabelInfo = nullptr;
    QLabel* LabelProjNr = nullptr;
    QLabel* LabelAnzahl = nullptr;
    // Stands in for an animation: an indeterminate bar while the window is shown.
    QProgressBar* Animation1 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
};
