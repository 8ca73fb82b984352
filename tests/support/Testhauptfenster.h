#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

#include <memory>

#include "base/forms/Hauptfenster.h"

// A main window for page tests: a plain widget as the page area that notes what the pages ask of
// it (bottom buttons, hint line, status panel, steps, end) and holds the data object they open.
class Testhauptfenster : public Hauptfenster {
public:
    Testhauptfenster();
    ~Testhauptfenster() override;

    void PositioniereChildForm(QWidget* f) override { f->move(0, 0); }
    void Kommando(int a1, int a2, int a3) override;
    void ResetVisibleKommandoButtons(int a1, int a2, int a3) override;
    void SaveKommandoButtons() override { gespeichert = knöpfe; }
    void LoadKommandoButtons() override { knöpfe = gespeichert; }
    void MDI_Fuss_Button(int KeyCode, int Shift) override { tasten << QPair<int, int>(KeyCode, Shift); }
    void seitenmanager(int Richtung) override { schritte << Richtung; }
    void Speicher_Wohnbauten_Einsprung() override { ++wohnbauten; }
    void FreigebenMenue() override {}
    void AutomatischerBilderwechselWennErforderlich() override;
    bool FormUnsichtbarErforderlichUndMöglich() override;
    QWidget* Fensterwidget() override { return &seitenbereich; }
    void StatusBarAktiv(int) override {}
    void SetzeStatusPanelText(int panel, const QString& text) override;
    void ErstprojektMenuesSperren() override {}
    std::shared_ptr<GlobDaten> Datenobjekt(const QString&) override { return datenobjekt; }
    Seitenform* fenster(int) const override { return nullptr; }
    void SeiteAufnehmen(QWidget* seite) override { seite->setParent(&seitenbereich); }
    void MenuepunkteNachStatus(int) override {}
    void SetzeInfoLabel(const QString& text) override { infoLabel = text; }
    void SetzeStatusPanel(const QString&) override {}
    void TyvoButtonStattExit(bool) override {}
    void Beenden() override { ++beendet; }
    void ÖffneAusgabeMenue() override {}

    QWidget seitenbereich;
    std::shared_ptr<GlobDaten> datenobjekt;
    QList<QPair<int, int>> tasten;  // MDI_Fuss_Button calls
    int wohnbauten = 0;
    QString knöpfe = QStringLiteral("000");  // Exit, Zurück, Weiter
    QString gespeichert;
    QString infoLabel;
    QString panel1;
    QList<int> schritte;  // seitenmanager calls
    int beendet = 0;
};
