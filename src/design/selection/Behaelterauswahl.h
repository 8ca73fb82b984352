#pragma once
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

#include "base/VbVariant.h"
#include "design/rules/TabelleKompPumpe.h"
#include "design/rules/TabellePumpenKM.h"
#include "design/selection/Gefaessauswahlkern.h"

class datenbank;
class MemberRegister;
class Recordset;

// The logic of the vessel page (statuses 102 heating and 201 cooling): the vessel groups that
// fit the options, the automatic and the manual vessel choice, the completion of an automat
// (unit, control module, add-on vessels) and the vessel block. It works on the data object of
// the project's type by member name and tells the page what to show through Seite.
class Behälterauswahl : public Gefäßauswahlkern {
public:
    // What the logic needs of the page form.
    class Seite : public Gefäßauswahlkern::Seite {
    public:
        // The hint line of the bottom bar.
        virtual void Hinweis(const QString& text) = 0;
        // The options dialog of an automat group (9 and 11, or 14), modal; it writes into the
        // data object and reads the logic's public members.
        virtual void ZeigeAutomatenoptionen(int16_t gruppe) = 0;
        // The vessel summary, modal.
        virtual void ZeigeÜbersicht() = 0;
    };
    // The vessel block of the page (Label6(0..5)) and the summary button.
    struct Block {
        QString inhalt = QStringLiteral("0");
        QString maße = QStringLiteral(" ");
        QString beschreibung = QStringLiteral(" ");
        QString gruppe = QStringLiteral("0");
        QString steuerbehälter = QStringLiteral("0");
        QString beistellbehälter = QStringLiteral("0");
        bool übersicht = false;
    };
    enum class Ladeergebnis { Bereit, Ladefehler, Zwangsende };

    static constexpr float Druckfaktorgrenze = 0.6f;
    static inline const QString Abbruchgrund = QStringLiteral("Abbruch wegen Fehler im Auslegungsprogramm.");

    // daten: the data object of projektart ("He" or "Kü"), not owned.
    Behälterauswahl(MemberRegister& daten, const QString& projektart, Seite& seite);
    ~Behälterauswahl() override;

    // --- Public variables of the page ---
    TabellePumpenKM KennlinienKM;
    bool automatenauslegung = false;
    bool Betriebsmöglichkeit_UNAR_Einzelbetrieb = false;
    bool Betriebsmöglichkeit_BIAR_Wechselstörbetrieb = false;
    bool Betriebsmöglichkeit_BIAR_lastabhängig = false;
    bool autoBearbeitungUnterformAutomaten = false;

    // --- Page life ---
    // Opens the tables and sets the data object up for the page (every step of the load that is
    // not a control); Zwangsende: the host run was answered with "not possible".
    Ladeergebnis Laden();
    // Activation: bottom buttons, hint, a pending pressure-factor message and the host's own
    // choice (once after loading). False when the program must end (forced end).
    bool Aktivieren();
    bool zwangsende() const { return m_zwangsende; }

    // --- User actions ---
    void Membrane_Click(int index);
    void Druckhaltung_Click(int index);
    // Automatic choice for list entry index (0..7).
    void Command1_Click(int index);
    // Manual choice for list entry index.
    void Command2_Click(int index);
    // The vessel summary.
    void Command3_Click();

    // --- Public methods of the page ---
    void ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen) override;
    void Anzeige_Behälter(bool gefunden) override;
    bool Ermittle_Pumpe_Kompressor_Steuermodul(int16_t gefäßgruppe);

    // --- Group list and vessel search ---
    void ErmittleBedarfsvolumen();
    bool LadeBehältergruppen();
    static bool IstAutomatengruppe(int16_t gruppe);
    static int16_t GetMaxBehälteranzahl(int16_t gruppe);
    static int16_t GetBeistellgruppe(int16_t gruppe);
    void SetzeOhneBehälter();
    void LadeBehälterlisteAutomatik(int16_t gruppe, float vordruck);
    void LadeBehälterlisteManuell(int16_t gruppe, float vordruck, int32_t mindestVolumen);
    void ErmittleEinzelabsicherungsgefäße(int16_t gruppe1, int16_t gruppe2);
    QString SucheEinzelabsicherungsgefäß(int16_t kessel, int16_t gruppe, int32_t& volumen);
    void ErmittleBeistellbehälter(int16_t gruppe);

    // --- State the page shows ---
    const Block& block() const { return m_block; }
    // The result label that governs the required volume: 0 take-up, 2 total volume, -1 none.
    int gerahmt() const { return m_gerahmt; }
    bool automatenzeilen() const { return m_automatenzeilen; }
    // The gas-cushion and fixed-membrane options are locked (pressure factor above 0.6).
    bool gaspolsterGesperrt() const { return m_gaspolsterGesperrt; }
    // Door width and room height are fixed (project made for the host).
    bool einbringGesperrt() const { return m_einbringGesperrt; }
    int16_t kesselintern() const { return m_kesselintern; }
    int32_t bedarfsvolumen() const { return m_bedarfsvolumen; }

    // Every member of the data object the page and its dialogs use for a type.
    static QStringList Membernamen(const QString& projektart);

protected:
    QString Typbedingung() const override;
    bool MitVordruckvariante() const override;
    void LöscheZusätze(bool mitOptionen) override;

private:
    enum class Weg { Automatisch, Manuell };
    void Automatenvervollständigung(Weg weg, bool& ok);
    void ZeigeHinweisAbsicherung();
    void OptionenGeändert();
    void SetzeAutomatenoptionenZurück();
    void LöscheZubehörBits();

    Seite& m_seite;
    TabelleKompPumpe m_kompPumpe;
    Block m_block;
    int m_letzterKnopf = 0;
    int32_t m_bedarfsvolumen = 0;
    float m_manuellVordruck = 0.0f; // pre-pressure kept for the call-back
    int16_t m_kesselintern = 0;
    int m_gerahmt = -1;
    bool m_automatenzeilen = false;
    bool m_gaspolsterGesperrt = false;
    bool m_einbringGesperrt = false;
    bool m_druckfaktorMeldung = false;
    bool m_hostwahl = false;
    bool m_zwangsende = false;
};
