#include "shell/Datenobjekte.h"

#include <array>

#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"

namespace {

template <class T>
int32_t öffnen(std::shared_ptr<T>& halter)
{
    if (!halter)
        halter = std::make_shared<T>();
    const int32_t ergebnis = halter->Init();
    if (ergebnis != 0) {
        // A table that could not be opened is tried again on the next entry.
        halter.reset();
        return ergebnis;
    }
    if (halter->m_IstAusgelegt.m_Value == VbVariant(false))
        zustand().NeuAuslegungErforderlich = true;
    return ergebnis;
}

template <class T>
void schließenMitAbfrage(std::shared_ptr<T>& halter, bool fragtImHostmodus)
{
    Programmzustand& z = zustand();
    if (halter && (fragtImHostmodus || z.TyvoModus == 0)) {
        const int antwort = MsgBox(LadeText(z.Sprachoffset + 2183),
                                   MsgStil::JaNein | MsgStil::Frage | MsgStil::ZweiteTasteStandard,
                                   LadeText(z.Sprachoffset + 1607));
        if (antwort == MsgAntwort::Nein)
            halter->m_TerminateMitUpdate = false;
    }
    halter.reset();
}

}  // namespace

int32_t HeizdatenÖffnen() { return öffnen(zustand().g_heizdat); }
void HeizdatenSchließen() { zustand().g_heizdat.reset(); }
void HeizdatenSchließenMitAbfrage() { schließenMitAbfrage(zustand().g_heizdat, false); }
int32_t KühldatenÖffnen() { return öffnen(zustand().g_kühldat); }
void KühldatenSchließen() { zustand().g_kühldat.reset(); }
void KühldatenSchließenMitAbfrage() { schließenMitAbfrage(zustand().g_kühldat, true); }
int32_t TrinkdatenÖffnen() { return öffnen(zustand().g_trinkdat); }
void TrinkdatenSchließen() { zustand().g_trinkdat.reset(); }
void TrinkdatenSchließenMitAbfrage() { schließenMitAbfrage(zustand().g_trinkdat, true); }
int32_t DruckdatenÖffnen() { return öffnen(zustand().g_druckdat); }
void DruckdatenSchließen() { zustand().g_druckdat.reset(); }
void DruckdatenSchließenMitAbfrage() { schließenMitAbfrage(zustand().g_druckdat, true); }
int32_t SpeicherdatenÖffnen() { return öffnen(zustand().g_speichdat); }
void SpeicherdatenSchließen() { zustand().g_speichdat.reset(); }
void SpeicherdatenSchließenMitAbfrage() { schließenMitAbfrage(zustand().g_speichdat, true); }
int32_t SolardatenÖffnen() { return öffnen(zustand().g_solardat); }
void SolardatenSchließen() { zustand().g_solardat.reset(); }
void SolardatenSchließenMitAbfrage() { schließenMitAbfrage(zustand().g_solardat, true); }

namespace {

const std::array<Systemtyp, 6>& Systemtypen()
{
    static const std::array<Systemtyp, 6> typen = {{
        {QStringLiteral("He"), 100, 105, HeizdatenÖffnen, HeizdatenSchließen, HeizdatenSchließenMitAbfrage},
        {QStringLiteral("Kü"), 200, 203, KühldatenÖffnen, KühldatenSchließen, KühldatenSchließenMitAbfrage},
        {QStringLiteral("Tr"), 300, 302, TrinkdatenÖffnen, TrinkdatenSchließen, TrinkdatenSchließenMitAbfrage},
        {QStringLiteral("Dr"), 400, 402, DruckdatenÖffnen, DruckdatenSchließen, DruckdatenSchließenMitAbfrage},
        {QStringLiteral("Sp"), 500, 502, SpeicherdatenÖffnen, SpeicherdatenSchließen, SpeicherdatenSchließenMitAbfrage},
        {QStringLiteral("So"), 600, 603, SolardatenÖffnen, SolardatenSchließen, SolardatenSchließenMitAbfrage},
    }};
    return typen;
}

}  // namespace

const Systemtyp* SystemtypNachProjektart(const QString& projektart)
{
    for (const Systemtyp& t : Systemtypen())
        if (t.Projektart == projektart)
            return &t;
    return nullptr;
}

const Systemtyp* SystemtypNachSeite(int status)
{
    for (const Systemtyp& t : Systemtypen())
        if (status >= t.ersteSeite && status <= t.letzteSeite)
            return &t;
    return nullptr;
}

std::shared_ptr<GlobDaten> Datenobjekt(const QString& projektart)
{
    const Programmzustand& z = zustand();
    if (projektart == QLatin1String("He"))
        return z.g_heizdat;
    if (projektart == QStringLiteral("Kü"))
        return z.g_kühldat;
    if (projektart == QLatin1String("Tr"))
        return z.g_trinkdat;
    if (projektart == QLatin1String("Dr"))
        return z.g_druckdat;
    if (projektart == QLatin1String("Sp"))
        return z.g_speichdat;
    if (projektart == QLatin1String("So"))
        return z.g_solardat;
    return nullptr;
}
