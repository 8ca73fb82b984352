#pragma once
#include <memory>

#include "design/selection/forms/Gefaessseitenform.h"
#include "design/selection/Gefaessauswahl.h"

class datenbank;
class GlobDaten;

// The single-vessel choice page of a system type (drinking water, pressure boosting, solar) on
// the type's data object. The widgets show the state of the page's Gefäßauswahl; the page of a
// type only names the type and hands over its data object.
class Gefäßauswahlseite : public Gefäßseitenform, public Artikelauswahlrufer, private Gefäßauswahlkern::Seite {
public:
    Gefäßauswahlseite(const QString& name, QWidget* parent);
    ~Gefäßauswahlseite() override;

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
    // The type code of the page's project ("Tr", "Dr", "So").
    virtual QString Art() const = 0;
    // Holds the type's data object for the page (HalteDatenobjekt); nullptr when there is none.
    virtual GlobDaten* Datenobjekt(const QString& art) = 0;

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
