#pragma once
#include <QString>

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
};

// The exchange in use. Until the exchange file is supported the default refuses to read, so a
// host start ends with its message.
TyvoAnbindung& tyvoAnbindung();
// Installs an exchange (not owned); nullptr restores the default.
void setzeTyvoAnbindung(TyvoAnbindung* a);
