#pragma once
#include <QString>

class GlobDatenHeizung;

// The address data of the host's project in the exchange record.
struct TyvoProjektadresse {
    QString Name1;
    QString Name2_bzwNr;
    QString StrasseUndNr;
    QString PLZ;
    QString ORT;
};

// What the main window needs from the exchange with the host program Tyvo: reading the exchange
// file at start and writing one answer when the program ends.
class TyvoAnbindung {
public:
    virtual ~TyvoAnbindung() = default;
    // Reads the exchange file of zustand().TyvoDatei for host mode 1 or 2. On success the
    // project id of the exchange data; on failure false with the error description.
    virtual bool LesenAlleXMLDatenVonTyvo(int modus, QString& projektId, QString& fehler) = 0;
    // The answers on closing, written while zustand().g_heizdat is still open.
    virtual void RückgabeInXML_AuswahlErfolgreich(int modus) = 0;
    virtual void RückgabeInXML_AuswahlNutzerabbruch(int modus) = 0;
    // The outcome "component not possible" with its reason (written at once).
    virtual void RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int /*modus*/, const QString& /*grund*/) {}
    // Whether a host input of the exchange record differs from the stored heating record;
    // changes neither side.
    virtual void MAGVorgabedatenVonTyvoGeändert(GlobDatenHeizung& /*heizdaten*/, bool& geändert) { geändert = false; }
    // The project page: the host's address data, and the number of the project made for it.
    virtual TyvoProjektadresse Projektadresse() const { return {}; }
    virtual void SetzeProjektID(const QString& /*projektId*/) {}
};

// The exchange in use. Without one installed (the program installs it at start) nothing can be
// read and a host start ends.
TyvoAnbindung& tyvoAnbindung();
// Installs an exchange (not owned); nullptr restores the default.
void setzeTyvoAnbindung(TyvoAnbindung* a);
