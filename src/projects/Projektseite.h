#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

#include "data/Adodc.h"
#include "data/datenbank.h"

// What the project page needs of the main window and of its form.
class ProjektseitenUmfeld {
public:
    virtual ~ProjektseitenUmfeld() = default;
    virtual void Kommando(int /*a1*/, int /*a2*/, int /*a3*/) {}
    virtual void ResetVisibleKommandoButtons(int /*a1*/, int /*a2*/, int /*a3*/) {}
    // The first project: the twelve project and calculation menu items are disabled.
    virtual void ErstprojektMenuesSperren() {}
    // The control (Projektseite::Steuerelement) that has the focus; -1 for none of the page.
    virtual int AktivesSteuerelement() const { return -1; }
    virtual void Fokus(int /*steuerelement*/) {}
    // Host mode, the project table could not be opened: the program ends.
    virtual void Beenden() {}
    virtual void AutomatischerBilderwechselWennErforderlich() {}
};

// The project page without its widgets: the open project table `projektDB` in the user's sort
// order, whose current row is the current project, the contents and states of the page's inputs,
// and what the page does with them (browse, create, copy, change, delete, sort, search). The form
// KelvorForm3 shows this state and hands its events here; tests drive it directly.
//
// Input states: browse (everything locked, the record navigation free), number entry (only the
// number free, holding the proposed number; nothing is stored yet), editing a new project (type
// and texts free) and changing (texts free; only the remarks for a project made by the host).
class Projektseite {
public:
    // The page's inputs. 0 to 7 are the text boxes ProjektText(0..7).
    enum Steuerelement : int {
        Nummer = 0, Bezeichnung = 1, Bauherr = 2, Strasse = 3, PLZ = 4, Ort = 5, Angebotsnummer = 6,
        Bemerkungen = 7, Art = 8, Datum = 9, AnzahlSteuerelemente = 10
    };
    // Longest text a box takes from the keyboard.
    static constexpr std::array<int, 8> Textlänge{15, 50, 50, 50, 5, 30, 50, 200};
    static constexpr int Bemerkungszeile = 60;

    explicit Projektseite(ProjektseitenUmfeld* umfeld = nullptr);
    ~Projektseite();
    Projektseite(const Projektseite&) = delete;
    Projektseite& operator=(const Projektseite&) = delete;

    // The loaded project page (the reports and the schematic read the current project from its
    // table); nullptr while none is loaded.
    static Projektseite* Instanz();

    // --- The page's life ---
    // Opens the project table in the current sort order and shows the current project, or prepares
    // the first project or the host's project; false when the table could not be opened (normal
    // mode: FormLoadError is set).
    bool Laden();
    void Aktivieren();
    // Locks the inputs and stores the current row (leaving the page).
    void Deaktivieren();
    // Deactivation, then the table is closed.
    void Entladen();

    // --- Operations of the menus ---
    void ProjektAnlegen(bool kopierfunktion);
    void ProjektVerändern();
    void ProjektLöschen();

    // --- Sorting and searching ---
    QString SortierString1;
    QString SortierString2;
    void SetSortierstrings(const QString& sortierauswahl);
    // The five sort choices in their order.
    static QStringList Sortierauswahlen();
    // The query of the project table in the order of the two keys.
    static QString Abfrage(const QString& OrderBy1, const QString& OrderBy2);
    int32_t OeffneProjekttabelleSortiert(const QString& projektNr, const QString& OrderBy1,
                                         const QString& OrderBy2, bool& gefunden);
    int32_t ReOpenProjektTabelle(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2);
    void SuchenRecordset(const QString& suchtext, const QString& OrderBy1, const QString& OrderBy2);
    void NeusortierungRecordset(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2);

    // --- Events of the controls ---
    // Key rules of the text boxes (KeyAscii 0: the key is dropped); Enter in the number box
    // confirms the number.
    void ProjektText_KeyPress(int Index, int& KeyAscii);
    // Writes a text box into its column.
    void ProjektText_LostFocus(int Index);
    // The remarks box changed: lines are broken at 60 characters.
    void Bemerkungen_Change(int& caret);
    // The type box: a text that is none of the six type texts becomes the first one.
    void ProjektCombo1_Change();
    void ProjektCombo1_LostFocus();
    // Date check; Cancel is set when the text is no date.
    void ProjektMask_Validate(bool& Cancel);
    void ProjektMask_LostFocus();
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel);
    // The record navigation: 0 first, 1 previous, 2 next, 3 last row.
    void Blättern(int richtung);
    // Before a re-query: takes over the input being typed and stores the current row. False when
    // the date box refused its text (the message was shown, the focus is back in the box).
    bool EingabeSpeichern();

    // --- Helpers ---
    // Text of a type code (" " for an unknown code), code of a type text ("He" for an unknown text).
    static QString ProjektartText(const QString& code);
    static QString ProjektartKürzel(const QString& text);
    // The six codes and their texts in the order of the type box.
    static const QStringList& Projektarten();
    static QStringList Projektarttexte();
    // Breaks every line longer than 60 characters (lines end at CR LF); caret as the remarks box
    // keeps it.
    static QString Bemerkungsumbruch(const QString& text, int& caret);
    // The data control's caption of a 1-based row: right-aligned in six characters.
    static QString Datensatztext(int zeile);

    // --- State of the page ---
    // Texts of the inputs; the date box holds the date in the short date format (dd.MM.yyyy).
    std::array<QString, AnzahlSteuerelemente> Text;
    std::array<bool, AnzahlSteuerelemente> Frei{};
    // ProjektText(0) with its label, and the data control with its label (host mode hides them).
    bool NummerSichtbar = true;
    bool Adodc1Sichtbar = true;
    bool Adodc1Frei = false;
    QString Adodc1Caption;
    QString ProjektLabeldata;

    enum class Eingabezustand { Blättern, Nummerneingabe, NeuesProjekt, Verändern };
    Eingabezustand zustandDerEingaben() const { return m_eingabezustand; }

    // The project table; its data control.
    datenbank projektDB;
    Adodc Adodc1;

    // Today (tests set a fixed day).
    std::function<QDate()> heute = [] { return QDate::currentDate(); };

private:
    void positioniere(const QString& projektNr, bool* gefunden);
    QString FeldText(const QString& feld);
    static QString TextOderLeerzeichen(const QString& text);
    void ProjektdatenAnHauptfenster();
    void AnzeigeAktualisieren();
    void ProjektNeuVorbereiten();
    void NummerBestätigen();
    void TyvoProjektVorbereiten(bool leer);
    void ProjektzeileSpeichern();
    void AktiveEingabeÜbernehmen();
    void EingabenSperren();
    void EingabenFreigeben();
    void Blätterzustand();
    void Nummerneingabe(const QString& nummer);
    void Kommando(int a1, int a2, int a3);
    void Fokus(int steuerelement);
    void zeigeDatensatz();
    bool löscheProjektzeilen(const QString& nummer, const QString& art);

    ProjektseitenUmfeld* m_umfeld;
    Eingabezustand m_eingabezustand = Eingabezustand::Blättern;
    bool m_kopiervorgang = false;
    bool m_tyvoNeuanlage = false;
    bool m_tyvoAbbruch = false;
    bool m_geladen = false;
    // The number of the project created on this visit of the page.
    QString m_neueNummer;
};
