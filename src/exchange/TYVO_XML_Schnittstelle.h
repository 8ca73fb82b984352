#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "base/TyvoAnbindung.h"
#include "exchange/XML_Tools.h"

class datenbank;
class GlobDaten;

// The program's side of the exchange with the host program Tyvo: reads the exchange file of
// zustand().TyvoDatei into zustand().TyvoDaten and writes the answers back into the same file.
// Each public call starts from a fresh state; nothing carries over except the program state.
// The heating record is read by member name only.
class TYVO_XML_Schnittstelle : public TyvoAnbindung {
public:
    // The program name written back as Programm.
    static QString Anwendungstitel();
    // Basket titles 1..7 ("WE 1".."WE 6", "Verteilung"); empty for any other number.
    static QString TitelWärmeerzeuger(int nummer);
    // Article kinds as written to Typ_Bezeichnung; empty for 4 and unknown kinds.
    static QString TypBezeichnungText(int art);

    // True when the file was read; on false the answer is already in the file.
    bool LesenAlleXMLDatenVonTyvo(int modus);
    bool LesenAlleXMLDatenVonTyvo(int modus, QString& projektId, QString& fehler) override;
    // Success with the main window's heating record (zustand().g_heizdat).
    void RückgabeInXML_AuswahlErfolgreich(int modus) override;
    void RückgabeInXML_AuswahlErfolgreich(int modus, GlobDaten& heizdaten);
    void RückgabeInXML_AuswahlNutzerabbruch(int modus) override;
    void RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int modus, const QString& grund) override;
    void MAGVorgabedatenVonTyvoGeändert(GlobDatenHeizung& heizdaten, bool& geändert) override;
    bool MAGVorgabedatenVonTyvoGeändert(const GlobDaten& heizdaten) const;
    QString AllgErrorDescription() const { return m_allgErrorDescription; }

    TyvoProjektadresse Projektadresse() const override;
    void SetzeProjektID(const QString& projektId) override;

private:
    static constexpr int AnzahlKörbe = 7;

    void InitAustauschdaten();
    bool LeseElementText(const QString& name, QString& ziel);
    bool LeseElementLong(const QString& name, int32_t& ziel);
    bool LeseElementInteger(const QString& name, int16_t& ziel);
    bool LeseEinlesen(int modus);
    void SetzeXMLFehler(int modus, XML_Tools& xml);
    // Both return true when nothing failed; each shows the save-failure message at most once.
    bool EntferneAlteRückgabe(int modus, XML_Tools& xml, bool neuLaden);
    bool SchreibeAllgDaten(int modus, XML_Tools& xml);
    bool SchreibeRückgabeErfolgreich(int modus, GlobDaten* heizdaten);
    bool SchreibeMAGVorgabenGeändert(const GlobDaten& heizdaten, XmlFragment& fragment);
    bool SchreibeWEDatenGeändert(std::array<XmlFragment, 6>& fragmente);
    // Removes every child of the context node with this name.
    static void EntferneAlleKinder(XML_Tools& xml, const QString& name);
    void LöscheAktuellesProjekt();
    void SpeicherfehlerMelden();

    // Article baskets into m_körbe (index 0..6 = basket 1..7); true when both article queries
    // opened and every line was written.
    bool ErzeugeWarenkorb(const GlobDaten& heizdaten);
    void SchreibeWarenkorbzeile(int korb, int16_t anzahl, const QString& artikel, int16_t art);

    std::unique_ptr<XML_Tools> m_xml;
    int16_t m_fehlerCode = 0;
    QString m_allgErrorDescription;
    int16_t m_ergebnis = 0;
    QString m_hinweis;
    int16_t m_datentypMarke = 0;  // 1 an Integer element failed, 2 a Long element was no number

    std::array<XmlFragment, AnzahlKörbe> m_körbe;
    bool m_korbFehler = false;
    datenbank* m_artikelDB = nullptr;   // open only while the baskets are made
    datenbank* m_dimensionDB = nullptr;
};
