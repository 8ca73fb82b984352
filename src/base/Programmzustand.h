#pragma once
#include <QString>

#include <cstdint>
#include <memory>

#include "base/TyvoDaten.h"

class GlobDatenHeizung;
class GlobDatenKälte;
class GlobDatenSolar;
class GlobDatenTrinkw;
class GlobDatenDruck;
class GlobDatenSpeicher;

// Hides and shows the page that the automatic run may have hidden (the page's FormFunktionen).
class FormSichtbarkeit {
public:
    virtual ~FormSichtbarkeit() = default;
    virtual void FormSichtbar() = 0;
};

// The program's shared state: the main window's public members and the program-wide variables.
// The main window owns the one instance; core code reaches it through zustand().
struct Programmzustand {
    // Paths (BestimmeDatenpfade in base/Datenpfade.h decides them): the user's data path with
    // the databases in "Daten" below it, and the folder of the shipped files.
    QString Datenpfad;
    QString Installationspfad;
    QString Artikel_Data_Source;
    QString Projekt_Data_Source;
    QString TempOrdner;  // empty: the system's temporary folder
    // A host start runs beside an instance the user has open: the work files in the shared
    // folders may be that instance's and stay where they are.
    bool NebenAndererInstanz = false;

    // Current project and page.
    QString aktProjektnummer = QStringLiteral(" ");
    QString aktProjektBezeichnung;
    QString Projektart;
    QString ProjektartNeuanlage;
    int Status = 0;
    int vorStatus = 0;
    int AktProjektArtErstellung = 0;
    bool NeuesProjekt = false;

    // Currency and VAT from the article table [Waehrung].
    QString Währungskürzel = QStringLiteral(" ");
    double Mehrwertsteuersatz = 0.0;

    // Messages and page loading.
    bool ErrorCancel = false;
    bool FormLoadError = false;
    bool Meldungsflag = false;
    FormSichtbarkeit* AktFormFunktionen = nullptr;

    // Host mode and run control.
    int TyvoModus = 0;
    QString TyvoDatei;
    bool TyvoVorgabenPrüfen = false;
    // The exchange record; the highest heat-generator position read and the number read (<= 6).
    TyvoAustauschdaten TyvoDaten;
    int16_t TyvoLetzterWE = 0;
    int16_t TyvoAnzahlWE = 0;
    // The project page made the host's project in this run (only such a project is deleted
    // when the design turns out impossible).
    bool TyvoProjektAngelegt = false;
    int AbbruchCode = 0;
    QString AbbruchText;
    bool BeendenAbfragen = true;
    bool NeuAuslegungErforderlich = false;
    bool Automatiklauf = false;
    bool ProjektNichtSpeichern = false;

    // Language: the program always shows German (offset 0).
    int Sprachoffset = 0;
    int Länderoffset = 0;

    // The open data objects.
    std::shared_ptr<GlobDatenHeizung> g_heizdat;
    std::shared_ptr<GlobDatenKälte> g_kühldat;
    std::shared_ptr<GlobDatenSolar> g_solardat;
    std::shared_ptr<GlobDatenTrinkw> g_trinkdat;
    std::shared_ptr<GlobDatenDruck> g_druckdat;
    std::shared_ptr<GlobDatenSpeicher> g_speichdat;

    // Main window: database file names, schema version, project list sorting, run control.
    QString ArtikelDatenbankName;
    QString ProjektDatenbankName;
    // Schema version of the project database as the start page found it (0.0.0: none).
    int16_t versHaupt = 0;
    int16_t versNeben = 0;
    int16_t versRevis = 0;
    bool istErstprojekt = false;
    QString aktSortierung;
    QString sortierungProjektnummer;
    QString sortierungProjektart;
    QString sortierungProjBezeichnung;
    QString sortierungProjAngebotsNr;
    QString sortierungProjektDatum;
    int Sprachindex = 0;
};

// The one program state.
Programmzustand& zustand();
// Puts every member back to its start value (tests).
void zustandZuruecksetzen();
