#pragma once
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "base/VbVariant.h"
#include "design/selection/Artikelauswahlrufer.h"

class datenbank;
class MemberRegister;
class Recordset;

// What every vessel page shares: the group table and the vessel table of the article database,
// the eight group slots, the vessel list (the recordset the article dialog shows), the search
// in it, the pre-pressure variant, the positioning on an article and the clearing of the choice.
// It works on the data object by member name.
class Gefäßauswahlkern : public Artikelauswahlrufer {
public:
    // What the logic needs of the page form.
    class Seite {
    public:
        virtual ~Seite() = default;
        // The three bottom buttons (1 shows).
        virtual void Kommando(int exit, int zurück, int weiter) = 0;
        virtual void SaveKommandoButtons() = 0;
        virtual void LoadKommandoButtons() = 0;
        // The controls show the logic's state and the data object's values again.
        virtual void Aktualisieren() = 0;
    };

    // One listed vessel group.
    struct Gruppe {
        int16_t nummer = 0;  // 0: free entry
        QString bezeichnung;
        int16_t einzel1 = 0;  // groups searched for the per-generator vessels (heating)
        int16_t einzel2 = 0;
    };

    // daten: the data object of projektart, not owned.
    Gefäßauswahlkern(MemberRegister& daten, const QString& projektart, Seite& seite);
    ~Gefäßauswahlkern() override;

    std::unique_ptr<datenbank> GefaesseDB;
    int16_t m_gruppeNr = 0;

    // Caller of the article dialog.
    int16_t gruppeNr() const override { return m_gruppeNr; }
    std::shared_ptr<Recordset> Artikelliste() const override;

    // Opens [Gruppen MAG] and [Grunddaten Gefäße]; 0, or the error code of the first table
    // that failed (the table object has shown its message).
    int32_t ÖffneTabellen();
    // Fills the slots from the group query (at most eight rows with a group, in order; nehmen
    // may pass over a group). False when the query failed: all slots stay empty.
    bool LadeGruppenliste(const QString& sql, const std::function<bool(int16_t)>& nehmen = {});
    bool SucheGruppenindex(const VbVariant& gruppe, int& index) const;
    QString GetBehältergruppenbezeichnung(int16_t gruppenNr) const;

    // The vessel lists of a group: every vessel that stands the valve pressure and goes through
    // the door and into the room, by content and maximum pressure (and pre-pressure); the
    // manual list only from mindestVolumen on, with the article texts.
    bool ÖffneAutomatikliste(int16_t gruppe);
    bool ÖffneAuswahlliste(int16_t gruppe, int32_t mindestVolumen);
    // The smallest fitting vessel of at least volumen litres (and its pre-pressure variant):
    // stored as the chosen article; false (nothing stored) when there is none.
    bool SucheBehälter(int32_t volumen, float vordruck);
    void WähleVordruckvariante(float vordruck);
    // Among the rows of rs of equal content and equal maximum pressure from the current one on,
    // the first whose factory pre-pressure reaches vordruck, else the last of them.
    static void WähleVordruckvariante(Recordset& rs, float vordruck);
    bool PositioniereAufArtikel(const QString& artNr, bool mitVordruck, float vordruck);
    // A field of the list's current row (Empty for Null; message 2401 when it cannot be read).
    VbVariant LeseArtikelfeld(const QString& feldname);
    // Group, article and content gone (the count set to 1 with mitAnzahl); not designed.
    void LöscheBehälterauswahl(bool mitAnzahl);
    // Opens the article dialog modally, the bottom buttons hidden meanwhile.
    void ZeigeArtikeldialog();
    // A typed change in door width (0), room height (1) or count (3).
    void TextGeaendert(int index);
    // Shows the vessel found (or none) on the page.
    virtual void Anzeige_Behälter(bool gefunden) = 0;

    const std::array<Gruppe, 8>& gruppen() const { return m_gruppen; }
    const QString& projektart() const { return m_projektart; }
    MemberRegister& daten() const { return m_daten; }
    // Code of the last article-table error: 12 query, 5 field read, 0 none.
    int32_t artikelfehler() const { return m_artikelfehler; }
    // Content of the vessel found last, l.
    int32_t inhalt() const { return m_inhalt; }

    // A whole number as a Find criterion ('350'); a text criterion with its quotes doubled.
    static QString Kriterium(const QString& feld, const char* op, int64_t wert);
    static QString Textkriterium(const QString& feld, const QString& wert);

protected:
    // Condition of the project's type on the vessel table (" AND [...] = True" or empty).
    virtual QString Typbedingung() const { return QString(); }
    // The lists are ordered by pre-pressure too.
    virtual bool NachVordruckSortiert() const { return true; }
    // The pre-pressure variant is chosen for the current group.
    virtual bool MitVordruckvariante() const { return true; }
    // Further members that a search or a clearing empties (automat parts); mitOptionen on
    // clearing only.
    virtual void LöscheZusätze(bool /*mitOptionen*/) {}
    bool ÖffneListe(const QString& sql, bool sqlInMeldung);
    // A field of a row (Empty for Null or a field that cannot be read).
    static VbVariant Feld(const Recordset& rs, const QString& feld);
    // A design message with the hotline text appended.
    static void Auslegungsmeldung(int textId, const QList<VbVariant>& werte);

    VbVariant lese(const char* name) const;
    void schreibe(const char* name, const VbVariant& wert);
    double zahl(const char* name) const;
    Seite& kernseite() const { return m_kernseite; }

    MemberRegister& m_daten;
    QString m_projektart;
    std::unique_ptr<datenbank> m_gruppenDB;
    std::shared_ptr<Recordset> m_liste;
    std::array<Gruppe, 8> m_gruppen;
    int32_t m_inhalt = 0;       // content of the vessel found last, l
    float m_maxDruck = 0.0f;    // its maximum operating pressure, bar
    int32_t m_artikelfehler = 0;

private:
    QString Listenbedingung(int16_t gruppe) const;
    QString Listenordnung() const;

    Seite& m_kernseite;
};
