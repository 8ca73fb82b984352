#pragma once
#include <QString>

#include <cstdint>

class GlobDatenSolar;

// The intermediate vessel in front of the expansion vessel of a large solar system.
namespace Vorlagebehälter {

// Result of the sizing.
enum Status : int16_t {
    Gefunden = 0,           // a vessel was found
    NichtGefunden = 1,      // no vessel fits, or the article table could not be opened
    NichtErforderlich = 2,  // no intermediate vessel for this project
};

// Below this collector area (m²) a project gets no intermediate vessel.
constexpr double MindestKollektorfläche = 100.0;

// The content the vessel must hold: half of the acceptance volume less the pipe content, in
// whole litres (half to even).
int32_t Mindestvolumen(const GlobDatenSolar& daten);

}  // namespace Vorlagebehälter

// Sizes the intermediate vessel: among the intermediate vessels for solar systems that pass the
// door, fit the room, withstand the valve pressure and hold the minimum volume, the one with the
// lowest maximum pressure, then temperature, then content. ArtNr gets its number or " ".
// No fit: message 2355 with the minimum volume. A table that cannot be opened shows its own
// error and gives NichtGefunden.
void AuslegungVorlagebehälter(const GlobDatenSolar& daten, QString& ArtNr, int16_t& status);
