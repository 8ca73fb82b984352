#pragma once
#include <QImage>

#include <array>
#include <memory>

#include "base/forms/Seitenform.h"
#include "design/selection/Gefaessauswahl.h"

class GlobDaten;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The vessel page of drinking water, pressure boosting and solar (Form301, Form601): the widgets
// show the state of the page's Gefäßauswahl and hand the user's actions to it.
class Gefäßseite : public Seitenform, public Artikelauswahlrufer, private Gefäßauswahlkern::Seite {
public:
    Gefäßseite(const QString& name, QWidget* parent = nullptr);
    ~Gefäßseite() override;

    // The page's logic (nullptr before loading or without a data object).
    Gefäßauswahl* logik() const { return m_logik.get(); }

    // --- Public members of the page ---
    datenbank* GefaesseDB() const;
    bool automatenauslegung() const { return m_logik && m_logik->automatenauslegung; }
    int16_t gruppeNr() const override;
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    void ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen) override;
    void Anzeige_Behälter(bool gefunden);
    QString GetBehältergruppenbezeichnung(int16_t gruppe) const;
    std::shared_ptr<Recordset> Artikelliste() const override;
    // Shows the logic's state in the widgets.
    void zeigen();

    // Controls.
    std::array<QLineEdit*, 4> Text1{};  // 0 door width, 1 room height, 3 count (2 unused)
    std::array<QPushButton*, 8> Command1{};
    std::array<QToolButton*, 8> Command2{};
    std::array<QLabel*, 12> Label1{};
    std::array<QLabel*, 14> Label2{};
    std::array<QLabel*, 8> Label3{};
    std::array<QLabel*, 4> Label4{};
    std::array<QLabel*, 4> Label6{};
    QLabel* Label7 = nullptr;
    QLabel* Image1 = nullptr;

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // The data object of the project's type, held by the page; nullptr when there is none.
    virtual GlobDaten* HoleDatenobjekt() = 0;

private:
    void baue();
    void beschriften(const QString& art);
    void binden();
    bool prüfeText(int index);
    int textIndex(const QWidget* w) const;

    // Gefäßauswahlkern::Seite
    void Kommando(int exit, int zurück, int weiter) override;
    void SaveKommandoButtons() override;
    void LoadKommandoButtons() override;
    void Aktualisieren() override;

    GlobDaten* m_daten = nullptr;
    std::unique_ptr<Gefäßauswahl> m_logik;
    QImage m_hintergrund;
    std::array<bool, 4> m_getippt{};  // a box holds typed text not yet taken over
    bool m_zeigt = false;
};
