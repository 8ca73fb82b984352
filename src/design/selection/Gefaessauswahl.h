#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>

#include "design/selection/Gefaessauswahlkern.h"

// The logic of the vessel pages of drinking water ("Tr", status 301), pressure boosting ("Dr",
// 401) and solar ("So", 601): up to eight vessel groups of the type and pressure, the automatic
// choice of one vessel type split over a few equal vessels, the manual choice in the article
// dialog and the vessel block. It works on the data object by member name and tells the page
// what to show through Seite.
class Gefäßauswahl : public Gefäßauswahlkern {
public:
    // What differs between the types.
    struct Typ {
        QString gruppenspalte;        // column of [Gruppen MAG] that offers a group
        bool solar = false;           // solar vessels only, chosen by pre-pressure
        int16_t maxAnzahl = 2;        // automatic choice: vessels at most
        int16_t eingabeMax = 2;       // count box: upper bound
        int16_t auswahlteiler = 2;    // manual list: vessels of which this many cover the total
        bool mehrereHinweis = false;  // hint on several vessels of groups 17 and 18
        bool großbehälterHinweis = false;  // message 2204 before group 18
        static Typ für(const QString& projektart);
    };
    // The vessel block of the page (Label6(0..3)).
    struct Block {
        QString inhalt = QStringLiteral("0");
        QString maße = QStringLiteral(" ");
        QString beschreibung = QStringLiteral(" ");
        QString gruppe = QStringLiteral("0");
    };

    // daten: the data object of projektart ("Tr", "Dr" or "So"), not owned.
    Gefäßauswahl(MemberRegister& daten, const QString& projektart, Seite& seite);
    ~Gefäßauswahl() override;

    // This page offers no automats (the member carries the name of the other vessel pages).
    bool automatenauslegung = false;

    // --- Page life ---
    // The tables opened: 0; else the error code of the first that failed (nothing else done).
    // Then a pending new design clears the choice, the groups are built and the stored article
    // is shown.
    int32_t Laden();
    // Bottom buttons: Weiter while an article is stored.
    void Aktivieren();

    // --- User actions ---
    // Automatic choice for group slot index (0..7).
    void Command1_Click(int index);
    // Manual choice for group slot index.
    void Command2_Click(int index);

    // --- Public methods of the page ---
    void ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen) override;
    void Anzeige_Behälter(bool gefunden) override;
    bool AufbauGruppenButtons();
    // The hint on several drinking-water vessels, after the count changed.
    void ZeigeHinweisMehrereGefäße();

    // --- State the page shows ---
    const Typ& typ() const { return m_typ; }
    const Block& block() const { return m_block; }
    const QString& hinweis() const { return m_hinweis; }
    int32_t volumenGesamt() const { return m_volumenGesamt; }

    // Every member of the data object the page uses for a type.
    static QStringList Membernamen(const QString& projektart);

protected:
    QString Typbedingung() const override;
    bool NachVordruckSortiert() const override { return m_typ.solar; }
    bool MitVordruckvariante() const override { return m_typ.solar; }

private:
    float vordruck() const;
    void Großbehälterhinweis() const;

    Typ m_typ;
    Block m_block;
    QString m_hinweis;
    int32_t m_volumenGesamt = 0;
};
