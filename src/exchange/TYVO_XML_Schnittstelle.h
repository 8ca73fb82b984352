#pragma once
#include <QString>

#include <cstdint>
#include <memory>

#include "base/TyvoAnbindung.h"
#include "exchange/XML_Tools.h"

// The program's side of the exchange with the host program Tyvo: reads the exchange file of
// zustand().TyvoDatei into zustand().TyvoDaten and writes the answers back into the same file.
// Each public call starts from a fresh state; nothing carries over except the program state.
class TYVO_XML_Schnittstelle : public TyvoAnbindung {
public:
    // The program name written back as Programm.
    static QString Anwendungstitel();

    // True when the file was read; on false the answer is already in the file.
    bool LesenAlleXMLDatenVonTyvo(int modus);
    bool LesenAlleXMLDatenVonTyvo(int modus, QString& projektId, QString& fehler) override;
    void RückgabeInXML_AuswahlErfolgreich(int modus) override;
    void RückgabeInXML_AuswahlNutzerabbruch(int modus) override;
    QString AllgErrorDescription() const { return m_allgErrorDescription; }

    TyvoProjektadresse Projektadresse() const override;
    void SetzeProjektID(const QString& projektId) override;

private:
    void InitAustauschdaten();
    bool LeseElementText(const QString& name, QString& ziel);
    bool LeseElementLong(const QString& name, int32_t& ziel);
    bool LeseElementInteger(const QString& name, int16_t& ziel);
    bool LeseEinlesen(int modus);
    void SetzeXMLFehler(int modus, XML_Tools& xml);
    // Both return true when nothing failed; each shows the save-failure message at most once.
    bool EntferneAlteRückgabe(int modus, XML_Tools& xml, bool neuLaden);
    bool SchreibeAllgDaten(int modus, XML_Tools& xml);
    void SpeicherfehlerMelden();

    std::unique_ptr<XML_Tools> m_xml;
    int16_t m_fehlerCode = 0;
    QString m_allgErrorDescription;
    int16_t m_ergebnis = 0;
    QString m_hinweis;
    int16_t m_datentypMarke = 0;  // 1 an Integer element failed, 2 a Long element was no number
};
