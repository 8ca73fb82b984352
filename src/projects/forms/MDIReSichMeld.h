#pragma once
#include <QDialog>

#include "data/KonfliktDialog.h"

class QLabel;
class QPushButton;

// The restore's question for a project number that already exists: Weiter (skip it, Enter),
// Überschreiben, Alle Überschr. (this one and every later one of the run) or Abbrechen (Esc and
// the close box: stop the restore).
class MDIReSichMeld : public QDialog, public KonfliktDialog {
    Q_OBJECT
public:
    explicit MDIReSichMeld(QWidget* parent = nullptr);

    // Shows the question for the number modally and returns the answer (KonfliktAntwort).
    int ShowFormular(const QString& projNr) override;
    // Sets the texts for the number (done by ShowFormular before the dialog is shown).
    void Laden(const QString& projNr);
    int Antwort() const { return m_antwort; }

    QLabel* Label1 = nullptr;
    QPushButton* WeiterButton = nullptr;
    QPushButton* ÜberschreibenButton = nullptr;
    QPushButton* AlleÜberschreibenButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void Antworten(int antwort);

    QString m_projNr = QStringLiteral(" ");
    int m_antwort = KonfliktAntwort::Abbrechen;
};
