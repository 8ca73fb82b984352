#pragma once
#include <QImage>

#include <array>
#include <memory>

#include "base/Programmzustand.h"
#include "base/forms/Seitenform.h"
#include "design/selection/Behaelterauswahl.h"

class GlobDaten;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// Pages 102 (heating) and 201 (cooling): vessel and automat choice. The widgets show the state of
// the page's Behälterauswahl and hand the user's actions to it.
class Form102 : public Seitenform, public Artikelauswahlrufer, private Behälterauswahl::Seite {
public:
    explicit Form102(QWidget* parent = nullptr);
    ~Form102() override;

    // The page's logic (nullptr before loading or without a data object).
    Behälterauswahl* logik() const { return m_logik.get(); }
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    // Caller of the article-choice dialog (the page's logic answers).
    int16_t gruppeNr() const override;
    std::shared_ptr<Recordset> Artikelliste() const override;
    void ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen) override;
    // Shows the logic's state in the widgets.
    void zeigen();

    // Controls.
    std::array<QLineEdit*, 4> Text1{};  // 0 door width, 1 room height, 3 count (2 unused)
    std::array<QRadioButton*, 2> Membrane{};
    std::array<QRadioButton*, 2> Druckhaltung{};
    std::array<QFrame*, 2> Frame1{};
    std::array<QPushButton*, 8> Command1{};
    std::array<QToolButton*, 8> Command2{};
    QToolButton* Command3 = nullptr;
    std::array<QLabel*, 9> Label1{};
    std::array<QLabel*, 16> Label2{};
    std::array<QLabel*, 8> Label3{};
    std::array<QLabel*, 4> Label4{};
    std::array<QLabel*, 4> Label5{};
    std::array<QLabel*, 6> Label6{};
    std::array<QLabel*, 4> Label7{};
    QLabel* Image1 = nullptr;

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void baue();
    void binden();
    bool prüfeText(int index);
    int textIndex(const QWidget* w) const;

    // Behälterauswahl::Seite
    void Kommando(int exit, int zurück, int weiter) override;
    void SaveKommandoButtons() override;
    void LoadKommandoButtons() override;
    void Hinweis(const QString& text) override;
    void ZeigeAutomatenoptionen(int16_t gruppe) override;
    void ZeigeÜbersicht() override;
    void Aktualisieren() override;

    GlobDaten* m_daten = nullptr;
    std::unique_ptr<Behälterauswahl> m_logik;
    QImage m_hintergrund;
    std::array<bool, 4> m_getippt{};  // a box holds typed text not yet taken over
    bool m_zeigt = false;
};
