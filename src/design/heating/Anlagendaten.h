#pragma once
#include <QString>

#include <cstdint>
#include <functional>

struct TyvoAustauschdaten;
class GlobDatenHeizung;

// Rules of the heating system data that the pages and the host run share, without widgets.
namespace Anlagendaten {

// The smallest water reserve: 0.5 % of the system volume, rounded up to whole litres.
int32_t MindestWasservorlage(const GlobDatenHeizung& h);
// Raises m_Wasservorlage to MindestWasservorlage; true when it was raised.
bool WasservorlageAnheben(GlobDatenHeizung& h);

// Hint line of page 101: art 1 water reserve, 2 set pressure, 0 anything else.
QString Hinweis(const GlobDatenHeizung& h, int art);

// Bounds of the automat set pressure for typed input (Single): pre-pressure + 0.5 - 0.1 and end
// pressure - 0.1, each at one decimal.
void Solldruckgrenzen(const GlobDatenHeizung& h, float& unten, float& oben);
// Sets the bounds on m_p_soll, resets a new project's set pressure to pre-pressure + 0.5 and
// keeps it within the bounds; true when m_p_soll changed.
bool BegrenzeSolldruck(GlobDatenHeizung& h, bool neuesProjekt);

// Return temperature after a change of the flow temperature: flow - 20, at least 5.
double RücklaufNachVorlauf(double vorlauf);

// The first heat generator (1..6) with an output but no water content under single protection;
// 0 when there is none or the protection is total.
int16_t WärmeerzeugerOhneInhalt(const GlobDatenHeizung& h);

// Water contents that follow the protection: total protection clears all six, single
// protection those of heat generators without output.
void KesselVolumenZurücksetzen(GlobDatenHeizung& h);

// What the host takeover of page 101 found.
struct Übernahme {
    bool fehler = false;
    QString grund;
};

// Writes the host's system data into the heating record and checks them. prüfeDruck: the page's
// check of the safety-valve pressure without messages; wasservorlage: the page's raising of the
// water reserve. The reason is that of the last failing check; a raised valve pressure wins.
Übernahme TyvoAnlagendatenÜbernehmen(GlobDatenHeizung& h, const TyvoAustauschdaten& d, int16_t letzterWE,
                                     int16_t anzahlWE, const std::function<void()>& prüfeDruck,
                                     const std::function<void()>& wasservorlage);

// The design cannot be made for the host: forced end code 3 and the answer to the host.
void TyvoAbbruchMelden(const QString& grund);

}  // namespace Anlagendaten
