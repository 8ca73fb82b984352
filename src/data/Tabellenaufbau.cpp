#include "data/Tabellenaufbau.h"

#include <map>
#include <span>

namespace Tabellenaufbau {

namespace {

// One row of a field table. A row with suffixes stands for the fields name + suffix, in order;
// with a pair name, each of them is followed by pair name + suffix (Byte, default 0).
struct Zeile {
    const char* name;
    long typ;
    int größe = 0;
    double zahl = 0.0;            // default of numbers; Booleans: non-zero is True
    const char* text = nullptr;   // default of Text fields; nullptr: none
    std::span<const char* const> suffixe = {};
    const char* paar = nullptr;
    int indexArt = IndexArt::Keiner;
    bool autowert = false;
};

constexpr Zeile Bo(const char* n, bool v) { return {n, Feldtyp::Boolean, 0, v ? 1.0 : 0.0}; }
constexpr Zeile By(const char* n, int v, std::span<const char* const> s = {})
{
    return {n, Feldtyp::Byte, 0, double(v), nullptr, s};
}
constexpr Zeile In(const char* n, int v, std::span<const char* const> s = {})
{
    return {n, Feldtyp::Integer, 0, double(v), nullptr, s};
}
constexpr Zeile Lo(const char* n, int v, std::span<const char* const> s = {})
{
    return {n, Feldtyp::Long, 0, double(v), nullptr, s};
}
constexpr Zeile Si(const char* n, double v, std::span<const char* const> s = {})
{
    return {n, Feldtyp::Single, 0, v, nullptr, s};
}
constexpr Zeile Tx(const char* n, int größe, const char* v = "", std::span<const char* const> s = {})
{
    return {n, Feldtyp::Text, größe, 0.0, v, s};
}
// An article number: Text(15), default one blank.
constexpr Zeile Art(const char* n, std::span<const char* const> s = {}) { return Tx(n, 15, " ", s); }
// Pairs of article number and count for six positions.
constexpr const char* const eins_sechs[] = {"1", "2", "3", "4", "5", "6"};
constexpr Zeile ArtAnz(const char* artNr, const char* anzahl)
{
    return {artNr, Feldtyp::Text, 15, 0.0, " ", eins_sechs, anzahl};
}
// A memo; länge > 0: the longest text the program's input takes for it.
constexpr Zeile Me(const char* n, int länge = 0) { return {n, Feldtyp::Memo, länge, 0.0, ""}; }
constexpr Zeile Da(const char* n) { return {n, Feldtyp::Date}; }
constexpr Zeile Auto(const char* n, int indexArt)
{
    return {n, Feldtyp::Long, 0, 0.0, nullptr, {}, nullptr, indexArt, true};
}

constexpr const char* const eins_vier[] = {"1", "2", "3", "4"};
constexpr const char* const _eins_vier[] = {"_1", "_2", "_3", "_4"};
constexpr const char* const _eins_sechs[] = {"_1", "_2", "_3", "_4", "_5", "_6"};
constexpr const char* const dn[] = {"20", "25", "32", "40", "50", "65", "80", "100",
                                    "125", "150", "200", "250", "300", "350", "400"};
constexpr const char* const rohre[] = {"12x1", "15x1", "18x1", "22x1", "28x1", "32x1", "42x1"};
constexpr const char* const verbrauch_single[] = {"NB1", "NB2", "KB", "GB"};
constexpr const char* const ausstattung[] = {"BRS", "BRN", "BRL", "BRK", "BR",
                                             "WT",  "DT",  "HT",  "BD",  "SP"};

constexpr Zeile datenbankInfo[] = {
    In("DBVersionHaupt", 0), In("DBVersionNeben", 0), In("DBVersionRevis", 0),
    Tx("Nutzerinfo", 80, "", _eins_vier),
};

constexpr Zeile projekteTabelle[] = {
    Auto("ProjektKey", IndexArt::Eindeutig),
    Tx("Projekt Nr", 15), Tx("Projektart", 2), Tx("Projektbezeichnung", 50), Tx("Bauherr", 50),
    Tx("Straße", 50), Tx("PLZ", 8), Tx("Ort", 30), Tx("Angebotsnummer", 50),
    Me("Bemerkungen", 200), Da("Datum"), By("ArtErstellung", 0), Tx("Save", 1),
};

constexpr Zeile heizungsparameter[] = {
    Tx("Projekt Nr", 50),
    Bo("Beheizung direkt", true), Bo("Beheizung indirekt", false),
    Bo("tiefliegende Zentrale", true), Bo("Dachzentrale", false),
    Bo("Gesamtabsicherung", true), Bo("Einzelabsicherung", false),
    Bo("AnordnungMAG Zulaufseitig Pumpe", true), Bo("AnordnungMAG Druckseitig Pumpe", false),
    Bo("Membran-SV", true), Bo("Vollhub-SV", false),
    Lo("GesamtwärmeleistungQ", 3), Lo("AnlagenvolumenSumme", 0),
    In("Primärtemperatur", 5), In("Vorlauftemperatur", 30), In("Ruecklauftemp", 10),
    By("Frostschutzzusatz", 0),
    Si("Gebäudehöhe", 0.0), Si("p statisch", 1.0), Si("p dynamisch", 0.0), Si("pExtra", 0.0),
    Si("p Sicherheitsventil", 2.5), Si("p Soll", 1.7),
    Lo("Wasservorlage", 0), Lo("Wärmeerzeuger", 0, eins_sechs), In("Kesselvolumen", 0, eins_sechs),
    Lo("RadiatorenkW", 0), Lo("RadiatorenLiter", 0),
    Lo("PlattenheizkörperkW", 0), Lo("PlattenheizkörperLiter", 0),
    Lo("LüftungsgerätekW", 0), Lo("LüftungsgeräteLiter", 0),
    Lo("KonvektorenkW", 0), Lo("KonvektorenLiter", 0),
    Lo("FußbodenheizungkW", 0), Lo("FußbodenheizungLiter", 0),
    Lo("SonstigeskW", 0), Lo("SonstigesLiter", 0), Lo("SummekW", 0), Lo("SummeLiter", 0),
    Lo("FernleitungDN", 0, dn), Lo("FernleitungSumme", 0),
    Si("Sattdampfdruck", 0.0), Si("Ausdehnungsfaktor", 0.0), Si("Anfangsdruck", 0.0),
    Si("Enddruck", 0.0), Lo("Ausdehnungsvolumen", 0), Lo("Aufnahmevolumen MAG", 0),
    Si("Druckfaktor", 0.0), Lo("Behälter-Gesamtvolumen", 0),
    In("EinzelAusdehnVol", 0, _eins_sechs), In("EinzelAufnahmeVol", 0, _eins_sechs),
    In("EinzelBehälterVol", 0, _eins_sechs),
    Bo("IstBerechnet", false), In("Türbreite", 1000), In("Raumhöhe", 2000),
    Bo("FesteMembran", true), Bo("AustauschMembran", false),
    Bo("KonstGaspolster", true), Bo("DruckHalteAutom", false),
    By("Behältergruppe", 0), Lo("Behälterinhalt", 0), By("Behälteranzahl", 1),
    By("SteuerbehAnzahl", 1),
    Art("GefäßArtNr"), Art("KomprPumpeArtNr"), Art("ZusKomprPumpeArtNr"), Art("BeistellArtNr"),
    Art("EinzelGefäßArtNr", _eins_sechs),
    By("SteuerModulKomp", 0), Bo("ZusKomprPumpe", false), Bo("Wechselstörschalt", false),
    In("ZubehoerSteuerung", 0), Bo("IstAusgelegt", false),
    ArtAnz("SichventilArtNr", "SichventAnz"),
    Art("EntspannGefäßArtNr", eins_sechs),
    By("Mangelsicherung", 1), By("MangelsicherungAnz", 0), By("AlterMinDruckBegrAnz", 0),
    By("MaxDruckBegrAnz", 0), By("KappenventilBehAnz", 0), Art("KappenventilBehArtNr"),
    Art("KappenventilErzArtNr", eins_sechs),
    By("SammelleitungDN", 0), By("Nachspeisung", 0), By("NachspeiseAnz", 0),
    Art("NachspeiseArtNr"), By("Systemtrenner", 1), Art("SystemtrennerArtNr"),
    Art("VorlagebehArtNr"), Art("VorlagebehEinzArtNr", eins_sechs),
    By("SchlammAnordnung", 0), By("SchlammabschIso", 1),
    Art("SchlammabArtNr", eins_sechs), Art("SchlammabIsoArtNr", eins_sechs),
    ArtAnz("AbsorpAbschArtNr", "AbsorpAbschAnz"), ArtAnz("ZentrifAbschArtNr", "ZentrifAbschAnz"),
    ArtAnz("LufttöpfeArtNr", "LufttöpfeAnz"),
};

constexpr Zeile kälteparameter[] = {
    Tx("Projekt Nr", 50),
    Bo("AnordnungMAG Zulaufseitig Pumpe", true), Bo("AnordnungMAG Druckseitig Pumpe", false),
    Lo("GesamtwärmeleistungQ", 3), Lo("AnlagenvolumenSumme", 0),
    In("Vorlauftemperatur", 0), In("Rücklauftemperatur", 0), In("Umgebungstemperatur", 0),
    By("Frostschutzzusatz", 0),
    Si("p statisch", 0.5), Si("p dynamisch", 0.0), Si("p Sicherheitsventil", 2.0), Si("p Soll", 1.2),
    Lo("Wasservorlage", 0), Lo("Wärmeerzeuger", 0, eins_sechs),
    Lo("FernleitungDN", 0, dn), Lo("SonstigesLiter", 0),
    Si("Ausdehnungsfaktor", 0.0), Si("Anfangsdruck", 0.0), Si("Enddruck", 0.0),
    Lo("Ausdehnungsvolumen", 0), Lo("Aufnahmevolumen MAG", 0), Si("Druckfaktor", 0.0),
    Lo("Behälter-Gesamtvolumen", 0),
    Bo("IstBerechnet", false), In("Türbreite", 1000), In("Raumhöhe", 2000),
    Bo("FesteMembran", true), Bo("AustauschMembran", false),
    Bo("KonstGaspolster", true), Bo("DruckHalteAutom", false),
    By("Behältergruppe", 0), Lo("Behälterinhalt", 0), By("Behälteranzahl", 1),
    By("SteuerbehAnzahl", 1),
    Art("GefäßArtNr"), Art("KomprPumpeArtNr"), Art("ZusKomprPumpeArtNr"), Art("BeistellArtNr"),
    By("SteuerModulKomp", 0), Bo("ZusKomprPumpe", false), Bo("Wechselstörschalt", false),
    In("ZubehoerSteuerung", 0), Bo("IstAusgelegt", false),
    Art("SichventilArtNr"), By("SichventAnz", 0),
    By("KappenventilBehAnz", 0), Art("KappenventilBehArtNr"),
    By("Nachspeisung", 0), By("NachspeiseAnz", 0), Art("NachspeiseArtNr"),
    By("Systemtrenner", 1), Art("SystemtrennerArtNr"),
    By("SchlammAnordnung", 0), By("SchlammabschIso", 1),
    Art("SchlammabArtNr", eins_sechs), Art("SchlammabIsoArtNr", eins_sechs),
    ArtAnz("AbsorpAbschArtNr", "AbsorpAbschAnz"), ArtAnz("ZentrifAbschArtNr", "ZentrifAbschAnz"),
    ArtAnz("LufttöpfeArtNr", "LufttöpfeAnz"),
};

constexpr Zeile solarparameter[] = {
    Tx("Projekt Nr", 50),
    Bo("AnordnungMAG Zulaufseitig Pumpe", true), Bo("AnordnungMAG Druckseitig Pumpe", false),
    Lo("Absorberflaeche", 0), Lo("AnlagenvolumenSumme", 0), By("Frostschutzzusatz", 40),
    Si("p statisch", 1.5), Si("p dynamisch", 0.0), Si("p Sicherheitsventil", 6.0),
    Si("Wasservorlage", 3.0), Si("Kollektorvolumen", 0.6), Lo("VolRohreGesamt", 0),
    Si("VolRohreUeberWTGesamt", 1.5), Lo("VolWTSolarGesamt", 0),
    Lo("LngRGes", 0, rohre), Lo("LngRUeberK", 0, rohre),
    By("AnzWTSolar", 0, eins_vier), Si("VolWTSolar", 0.0, eins_vier),
    Si("Ausdehnungsfaktor", 0.0), Si("Vordruck", 0.0), Si("Anfangsdruck", 0.0),
    Si("Enddruck", 0.0), Lo("Ausdehnungsvolumen", 0), Lo("Aufnahmevolumen MAG", 0),
    Si("Druckfaktor", 0.0), Lo("Behälter-Gesamtvolumen", 0),
    Bo("IstBerechnet", false), In("Türbreite", 1000), In("Raumhöhe", 2000),
    By("Behältergruppe", 0), Lo("Behälterinhalt", 0), By("Behälteranzahl", 1),
    Art("GefäßArtNr"), Bo("IstAusgelegt", false), Art("SichventilArtNr"),
    Art("KappenventilBehArtNr"), By("KappenventilBehAnz", 0),
    By("MitVorlagebehälter", 0), Art("VorlagebehArtNr"),
    ArtAnz("EntlüfterArtNr", "EntlüfterAnz"),
};

constexpr Zeile trinkwasserparameter[] = {
    Tx("Projekt Nr", 50), Lo("AnlagenvolumenSumme", 50), In("Betriebstemperatur", 60),
    Si("Anfangsdruck", 4.0), Si("p Sicherheitsventil", 10.0), Si("Ausdehnungsfaktor", 0.0),
    Si("Vordruck", 0.0), Si("Enddruck", 0.0), Lo("Ausdehnungsvolumen", 0), Si("Druckfaktor", 0.0),
    Lo("Behälter-Gesamtvolumen", 0), Bo("IstBerechnet", false),
    In("Türbreite", 1000), In("Raumhöhe", 2000),
    By("Behältergruppe", 0), Lo("Behälterinhalt", 0), By("Behälteranzahl", 1),
    Art("GefäßArtNr"), Bo("IstAusgelegt", false), Art("SichventilArtNr"),
    Art("KappenventilBehArtNr"), By("KappenventilBehAnz", 0),
};

constexpr Zeile druckerhöhungparameter[] = {
    Tx("Projekt Nr", 50), Si("MaxVolumenstrom", 0.1), By("Schalthäufigkeit", 10),
    Si("Einschaltdruck", 1.0), Si("Ausschaltdruck", 1.5), Lo("Nutzvolumen", 0),
    Si("Druckfaktor", 0.0), Lo("Behälter-Gesamtvolumen", 0), Si("Vordruck", 0.0),
    Bo("IstBerechnet", false), In("Türbreite", 1000), In("Raumhöhe", 2000),
    By("Behältergruppe", 0), Lo("Behälterinhalt", 0), By("Behälteranzahl", 1),
    Art("GefäßArtNr"), Bo("IstAusgelegt", false), Art("KappenventilBehArtNr"),
    By("KappenventilBehAnz", 0),
};

constexpr Zeile speicherWasserwärmerparameter[] = {
    Tx("Projekt Nr", 50), Si("Bedarfskennzahl", 0.0), Bo("IstBerechnet", false),
    In("Speichertemperatur", 60), In("Vorlauftemperatur", 70),
    In("Türbreite", 1000), In("Raumhöhe", 2000),
    By("Behältergruppe", 0), Lo("Behälterinhalt", 0), By("Behälteranzahl", 1),
    Art("GefäßArtNr"), Si("Leistungskennzahl", 0.0), Si("Wärmeleistung", 0.0),
    Lo("HeizVolumenstrom", 0), Bo("IstAusgelegt", false),
};

constexpr Zeile speicherBedarfsKz[] = {
    Tx("Projekt Nr", 50), In("WohnungsgruppenNr", 1), Tx("Bezeichnung", 30), Tx("Raumzahl", 5),
    Si("Belegungszahl", 2.0), In("AnzahlWohng", 1), Tx("ArtAusstatt", 1),
    Si("", 0.0, verbrauch_single), By("", 0, ausstattung),
};

void definiere(Feldliste& liste, const Zeile& z, const QString& name)
{
    switch (z.typ) {
    case Feldtyp::Boolean: DefFeldBoolean(liste, name, z.zahl != 0.0); break;
    case Feldtyp::Byte: DefFeldByte(liste, name, static_cast<uint8_t>(z.zahl)); break;
    case Feldtyp::Integer: DefFeldInteger(liste, name, static_cast<int16_t>(z.zahl)); break;
    case Feldtyp::Long:
        if (z.autowert)
            DefFeldAutowert(liste, name, z.indexArt);
        else
            DefFeldLong(liste, name, static_cast<int32_t>(z.zahl));
        break;
    case Feldtyp::Single: DefFeldSingle(liste, name, static_cast<float>(z.zahl)); break;
    case Feldtyp::Date: DefFeldDatum(liste, name, VbVariant()); break;
    case Feldtyp::Text: DefFeldText(liste, name, z.größe, QString::fromUtf8(z.text)); break;
    case Feldtyp::Memo: DefFeldMemo(liste, name, QString::fromUtf8(z.text), z.größe); break;
    default: break;
    }
}

void baue(Feldliste& liste, std::span<const Zeile> zeilen)
{
    for (const Zeile& z : zeilen) {
        const QString name = QString::fromUtf8(z.name);
        if (z.suffixe.empty()) {
            definiere(liste, z, name);
            continue;
        }
        for (const char* s : z.suffixe) {
            definiere(liste, z, name + QString::fromUtf8(s));
            if (z.paar)
                DefFeldByte(liste, QString::fromUtf8(z.paar) + QString::fromUtf8(s), 0);
        }
    }
}

ManipDBField feld(const QString& name, long typ, int größe, const VbVariant& vorgabe, bool nullLänge)
{
    ManipDBField f;
    f.DefField(name, typ, größe, vorgabe, nullLänge);
    return f;
}

VbVariant textVorgabe(const QString& vorgabe)
{
    return vorgabe.isEmpty() ? VbVariant() : VbVariant(vorgabe);
}

}  // namespace

const QStringList& Tabellen()
{
    static const QStringList namen = {
        Tabelle::DatenbankInfo,        Tabelle::ProjekteTabelle,
        Tabelle::Heizungsparameter,    Tabelle::Kälteparameter,
        Tabelle::Trinkwasserparameter, Tabelle::Druckerhöhungparameter,
        Tabelle::Solarparameter,       Tabelle::SpeicherWasserwärmerparameter,
        Tabelle::SpeicherBedarfsKz};
    return namen;
}

QString Parametertabelle(const QString& projektart)
{
    if (projektart == QLatin1String("He"))
        return Tabelle::Heizungsparameter;
    if (projektart == QStringLiteral("Kü"))
        return Tabelle::Kälteparameter;
    if (projektart == QLatin1String("So"))
        return Tabelle::Solarparameter;
    if (projektart == QLatin1String("Tr"))
        return Tabelle::Trinkwasserparameter;
    if (projektart == QLatin1String("Dr"))
        return Tabelle::Druckerhöhungparameter;
    if (projektart == QLatin1String("Sp"))
        return Tabelle::SpeicherWasserwärmerparameter;
    return {};
}

bool Aufbauen(const QString& tabelle, Feldliste& liste)
{
    static const std::pair<const QString*, std::span<const Zeile>> tabellen[] = {
        {&Tabelle::DatenbankInfo, datenbankInfo},
        {&Tabelle::ProjekteTabelle, projekteTabelle},
        {&Tabelle::Heizungsparameter, heizungsparameter},
        {&Tabelle::Kälteparameter, kälteparameter},
        {&Tabelle::Solarparameter, solarparameter},
        {&Tabelle::Trinkwasserparameter, trinkwasserparameter},
        {&Tabelle::Druckerhöhungparameter, druckerhöhungparameter},
        {&Tabelle::SpeicherWasserwärmerparameter, speicherWasserwärmerparameter},
        {&Tabelle::SpeicherBedarfsKz, speicherBedarfsKz},
    };
    // Each list is built once; an empty list takes a copy (its parts are shared).
    static std::map<QString, Feldliste> fertig;
    if (liste.empty()) {
        const auto it = fertig.find(tabelle);
        if (it != fertig.end()) {
            liste = it->second;
            return true;
        }
    }
    for (const auto& [name, zeilen] : tabellen)
        if (*name == tabelle) {
            if (liste.empty()) {
                baue(liste, zeilen);
                fertig.emplace(tabelle, liste);
            } else {
                baue(liste, zeilen);
            }
            return true;
        }
    return false;
}

void DefFeldAutowert(Feldliste& liste, const QString& name, int indexArt)
{
    ManipDBField f = feld(name, Feldtyp::Long, 0, VbVariant::lng(0), false);
    f.fieldAttribut = AttributAutowert;
    if (indexArt == IndexArt::Index || indexArt == IndexArt::Eindeutig
        || indexArt == IndexArt::Primärschlüssel)
        f.fieldIndexArt = indexArt;
    liste.hinzufügen(f);
}

void DefFeldText(Feldliste& liste, const QString& name, int größe, const QString& vorgabe)
{
    liste.hinzufügen(feld(name, Feldtyp::Text, größe, textVorgabe(vorgabe), true));
}

void DefFeldMemo(Feldliste& liste, const QString& name, const QString& vorgabe, int länge)
{
    liste.hinzufügen(feld(name, Feldtyp::Memo, länge, textVorgabe(vorgabe), true));
}

void DefFeldDatum(Feldliste& liste, const QString& name, const VbVariant& vorgabe)
{
    liste.hinzufügen(feld(name, Feldtyp::Date, 0, vorgabe, false));
}

void DefFeldLong(Feldliste& liste, const QString& name, int32_t vorgabe)
{
    liste.hinzufügen(feld(name, Feldtyp::Long, 0, VbVariant::lng(vorgabe), false));
}

void DefFeldInteger(Feldliste& liste, const QString& name, int16_t vorgabe)
{
    liste.hinzufügen(feld(name, Feldtyp::Integer, 0, VbVariant::integer(vorgabe), false));
}

void DefFeldByte(Feldliste& liste, const QString& name, uint8_t vorgabe)
{
    liste.hinzufügen(feld(name, Feldtyp::Byte, 0, VbVariant::byte(vorgabe), false));
}

void DefFeldSingle(Feldliste& liste, const QString& name, float vorgabe)
{
    liste.hinzufügen(feld(name, Feldtyp::Single, 0, VbVariant::single(vorgabe), false));
}

void DefFeldBoolean(Feldliste& liste, const QString& name, bool vorgabe)
{
    liste.hinzufügen(feld(name, Feldtyp::Boolean, 0, VbVariant::boolean(vorgabe), false));
}

}  // namespace Tabellenaufbau
