#pragma once
#include <QString>

#include <cstdint>
#include <memory>

class GlobDaten;

// Opening and releasing the data object of each system type, held by the main window
// (zustand().g_heizdat ...).
//
// Open: creates the object when the holder is empty (an object already held is bound again),
// calls Init and returns its result (0 = ready); a ready object whose vessel is not chosen yet
// sets NeuAuslegungErforderlich. Release: empties the holder; the object writes itself back.
// Release with question: asks whether to save (No: no write-back), then empties the holder;
// heating asks only outside host mode.
int32_t HeizdatenÖffnen();
void HeizdatenSchließen();
void HeizdatenSchließenMitAbfrage();
int32_t KühldatenÖffnen();
void KühldatenSchließen();
void KühldatenSchließenMitAbfrage();
int32_t TrinkdatenÖffnen();
void TrinkdatenSchließen();
void TrinkdatenSchließenMitAbfrage();
int32_t DruckdatenÖffnen();
void DruckdatenSchließen();
void DruckdatenSchließenMitAbfrage();
int32_t SpeicherdatenÖffnen();
void SpeicherdatenSchließen();
void SpeicherdatenSchließenMitAbfrage();
int32_t SolardatenÖffnen();
void SolardatenSchließen();
void SolardatenSchließenMitAbfrage();

// A system type with its page sequence and the operations on its data object.
struct Systemtyp {
    QString Projektart;
    int ersteSeite;
    int letzteSeite;
    int32_t (*Öffnen)();
    void (*Schließen)();
    void (*SchließenMitAbfrage)();
};
// The type of a Projektart code ("He", "Kü", "Tr", "Dr", "Sp", "So"); nullptr for any other.
const Systemtyp* SystemtypNachProjektart(const QString& projektart);
// The type whose page sequence holds the status; nullptr outside them.
const Systemtyp* SystemtypNachSeite(int status);
// The data object held for a Projektart; nullptr when none is open.
std::shared_ptr<GlobDaten> Datenobjekt(const QString& projektart);
