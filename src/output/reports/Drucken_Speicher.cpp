// The storage-water-heater report: data sheet, article list and long text of the chosen tank.
// The data object is read by member name only.
#include "output/reports/Drucken.h"

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "output/reports/Berichtsnamen.h"

namespace {

constexpr int TextProjektiert = 1940;
constexpr int TextTechnischeDaten = 1941;
constexpr int TextBedarfskennzahl = 1942;
constexpr int TextSpeichertemperatur = 1943;
constexpr int TextVorlauftemperatur = 1944;
constexpr int TextEinbringbreite = 1945;
constexpr int TextRaumhöhe = 1946;
constexpr int TextKenndaten = 1947;
constexpr int TextLeistungskennzahl = 1948;
constexpr int TextWärmeleistung = 1949;
constexpr int TextHeizvolumenstrom = 1950;
constexpr int TextSpeicher = 1951;
constexpr int TextNichtBerechnet = 1650;
constexpr int TextNichtAusgelegt = 1651;

}  // namespace

const QStringList& Berichtsnamen::Speicher()
{
    static const QStringList namen{
        // data sheet
        "m_IstBerechnet", "m_BedarfsKennz", "m_SpeicherTemp", "m_VorlaufTemp", "m_EinbringBreite",
        "m_EinbringHoehe", "m_LeiszungsKennz", "m_Wärmeleistung", "m_HeizVolStrom", "m_IstAusgelegt",
        // article list and long text
        "DBTabArtikel", "m_GefaessAnzahl", "m_GefaessArtNr"};
    return namen;
}

bool Drucken::AusgabeTechnischeDatenSpeicher()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Speicher());
    AusgabeDatenblattkopf(TextProjektiert, TextTechnischeDaten);

    // Without N no input value is shown.
    if (!StandErreicht("m_IstBerechnet", TextNichtBerechnet))
        return false;
    AusgabeZeile(TextBedarfskennzahl, {Muster(Zahl("m_BedarfsKennz"), "#0.0")});
    AusgabeZeile(TextSpeichertemperatur, {Muster(Zahl("m_SpeicherTemp"), "#0")});
    AusgabeZeile(TextVorlauftemperatur, {Muster(Zahl("m_VorlaufTemp"), "#0")});
    NeueZeile();
    AusgabeZeile(TextEinbringbreite, {Muster(Zahl("m_EinbringBreite"), "#0")});
    AusgabeZeile(TextRaumhöhe, {Muster(Zahl("m_EinbringHoehe"), "#0")});
    NeueZeile();

    // The tank set's figures as the object holds them, also before a tank is chosen.
    AusgabeZeile(TextKenndaten);
    AusgabeZeile(TextLeistungskennzahl, {Muster(Zahl("m_LeiszungsKennz"), "#0.0")});
    AusgabeZeile(TextWärmeleistung, {Muster(Zahl("m_Wärmeleistung"), "#0.0")});
    AusgabeZeile(TextHeizvolumenstrom, {Muster(Zahl("m_HeizVolStrom"), "#0")});
    NeueZeile();
    NeueZeile();

    return StandErreicht("m_IstAusgelegt", TextNichtAusgelegt);
}

void Drucken::AusgabeArtikellisteSpeicher()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Speicher());
    ArtikelDB = Daten->Member().objekt<datenbank>(QStringLiteral("DBTabArtikel"));
    Summe = 0;
    AusgabeArtikelabschnitt(TextSpeicher, Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);
    BeendeArtikelliste();
}

void Drucken::AusgabeLangtexteSpeicher()
{
    Berichtsnamen::Prüfe(*Daten, Berichtsnamen::Speicher());
    if (!BeginneLangtexte())
        return;
    AusgabeArtikelLang(Ganz("m_GefaessAnzahl"), ArtNr("m_GefaessArtNr"), false);
    SchließeLangtextsichten();
}
