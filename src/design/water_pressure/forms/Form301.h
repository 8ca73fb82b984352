#pragma once
#include <memory>

#include "base/forms/Gefaessseitenform.h"
#include "design/selection/Gefaessauswahl.h"

class datenbank;
class GlobDaten;

// Pages 301 (drinking water) and 401 (pressure boosting): vessel choice on the data object of
// the project's type. The widgets show the state of the page's Gefäßauswahl.
class Form301 : public Gefäßseitenform, public Artikelauswahlrufer, private Gefäßauswahlkern::Seite {
public:
    explicit Form301(QWidget* parent = nullptr);
    ~Form301() override;

    // The page's logic (nullptr before loading or without a data object).
    Gefäßauswahl* logik() const { return m_logik.get(); }

    // --- Public members of the page ---
    datenbank* GefaesseDB() const;
    bool automatenauslegung() const { return m_logik && m_logik->automatenauslegung; }
    int16_t gruppeNr() const override;
    void ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen) override;
    void Anzeige_Behälter(bool gefunden);
    std::shared_ptr<Recordset> Artikelliste() const override;
    // Shows the logic's state and the data object's values.
    void zeigen();

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;
    void TextGeändert(int index) override;
    void Automatisch(int slot) override;
    void Manuell(int slot) override;
    bool TextÜbernehmen(int index) override;

private:
    // Gefäßauswahlkern::Seite
    void Kommando(int exit, int zurück, int weiter) override;
    void SaveKommandoButtons() override;
    void LoadKommandoButtons() override;
    void Aktualisieren() override;

    GlobDaten* m_daten = nullptr;
    std::unique_ptr<Gefäßauswahl> m_logik;
};
