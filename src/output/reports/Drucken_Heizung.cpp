// The heating report: data sheet, article list and long texts of a heating project. The data
// object is read by member name only.
#include "output/reports/Drucken.h"

#include <array>
#include <utility>
#include <vector>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "design/rules/TabellePumpenKM.h"

namespace {

constexpr int AnzahlErzeuger = 6;
constexpr int GruppePumpe14 = 14;
constexpr int NachspeiseAutomat = 3;
// Above this output (kW) a heat generator gets a maximum pressure limiter as alternative.
constexpr double GrenzleistungKW = 300.0;
// Up to this flow temperature (°C) expansion traps get the alternative article.
constexpr int GrenztemperaturFalle = 100;

constexpr int TextNrProjektiert = 3050;
constexpr int TextNrTechnischeDaten = 1681;
constexpr int TextNrLeistungErzeuger = 1690;
constexpr int TextNrGesamtleistung = 1691;
constexpr int TextNrEinbringbreite = 1692;
constexpr int TextNrRaumhöhe = 1693;
constexpr int TextNrVerbraucher = 1694;
constexpr int TextNrSonstiges = 1700;
constexpr int TextNrFernleitungen = 1701;
constexpr int TextNrFernleitung = 1702;
constexpr int TextNrVolumenVorgegeben = 1715;
constexpr int TextNrVolumenErmittelt = 1716;
constexpr int TextNrEnthalten = 1717;
constexpr int TextNrErzeugerkreis = 1718;
constexpr int TextNrPrimär = 1719;
constexpr int TextNrVorlauf = 1720;
constexpr int TextNrRücklauf = 1751;
constexpr int TextNrFrostschutz = 1721;
constexpr int TextNrGebäudehöhe = 1722;
constexpr int TextNrStatisch = 1723;
constexpr int TextNrDynamisch = 1724;
constexpr int TextNrAnsprechdruck = 1726;
constexpr int TextNrSystemsolldruck = 1764;
constexpr int TextNrNichtBerechnet = 1650;
constexpr int TextNrNichtAusgelegt = 1651;
constexpr int TextNrDampfdruck = 1728;
constexpr int TextNrAusdehnungsfaktor = 1729;
constexpr int TextNrVordruck = 1731;
constexpr int TextNrEnddruck = 1732;
constexpr int TextNrAusdehnungsvolumen = 1733;
constexpr int TextNrWasservorlage = 1727;
constexpr int TextNrAufnahmevolumen = 1734;
constexpr int TextNrDruckfaktor = 1735;
constexpr int TextNrGesamtvolumen = 1736;
// The two temperature tables: title, three lines of explanation, two column heads, the row.
struct Temperaturtabelle {
    int titel;
    std::array<int, 3> erklärung;
    std::array<int, 2> kopf;
    int zeile;
};
constexpr int TextNrFülldrucktabelle = 1737;
constexpr int TextNrFülldruckKopf = 1741;
constexpr int TextNrFülldruckKopf2 = 1742;
constexpr int TextNrFülldruckZeile = 1743;
constexpr int TextNrFüllvolumenKopf = 1748;
constexpr int TextNrFüllvolumenKopf2 = 1749;
constexpr int TextNrFüllvolumenZeile = 1750;
constexpr int TextNrFüllvolumentabelle = 1744;
constexpr Temperaturtabelle Fülldrucktabelle{TextNrFülldrucktabelle, {1738, 1739, 1740},
                                             {TextNrFülldruckKopf, TextNrFülldruckKopf2}, TextNrFülldruckZeile};
constexpr Temperaturtabelle Füllvolumentabelle{TextNrFüllvolumentabelle, {1745, 1746, 1747},
                                               {TextNrFüllvolumenKopf, TextNrFüllvolumenKopf2}, TextNrFüllvolumenZeile};
constexpr int TextNrBehälterAnlage = 1755;
constexpr int TextNrBehälterErzeuger = 1756;
constexpr int TextNrSicherheitstechnik = 1757;
constexpr int TextNrKappenventileBehälter = 1758;
constexpr int TextNrKappenventileErzeuger = 1759;
constexpr int TextNrKappenventileEinzel = 1760;
constexpr int TextNrSammelleitung = 1761;
constexpr int TextNrWeiteresZubehör = 1763;
constexpr int TabellenSpalte = 15;
constexpr int TabellenBreite = 45;
constexpr int TitelSpalte = 10;

// The plant lines: member, text for option 0 (the next id is option 1).
constexpr std::array<std::pair<const char*, int>, 4> Anlagenzeilen{{
    {"m_Beheiz", 1682}, {"m_Anlage", 1684}, {"m_Sicherung", 1686}, {"m_AnordnungMAG", 1688}}};

// Consumer kinds: text, output member, content member.
struct Verbraucher {
    int text;
    const char* leistung;
    const char* inhalt;
};
constexpr std::array<Verbraucher, 5> Verbraucherarten{{{1695, "m_P_Radiatoren", "m_V_Radiatoren"},
                                                      {1696, "m_P_PlattenHK", "m_V_PlattenHK"},
                                                      {1697, "m_P_LueftGer", "m_V_LueftGer"},
                                                      {1698, "m_P_Konvektoren", "m_V_Konvektoren"},
                                                      {1699, "m_P_FBHeiz", "m_V_FBHeiz"}}};

} // namespace

bool Drucken::AusgabeTechnischeDatenHeizung()
{
    AusgabeDatenblattkopf(TextNrProjektiert + zustand().Länderoffset, TextNrTechnischeDaten);

    for (const auto& [member, text] : Anlagenzeilen)
        AusgabeZeile(Ganz(member) == 1 ? text + 1 : text);
    NeueZeile();

    if (Rufe("Sum_Waermeleistung").toDouble() > 0)
        for (int i = 1; i <= AnzahlErzeuger; ++i)
            if (Zahl("m_Leist_m_value", i) > 0)
                AusgabeZeile(TextNrLeistungErzeuger, {VbVariant::integer(static_cast<int16_t>(i)),
                                                    Muster(Zahl("m_Leist_m_value", i), "#0")});
    AusgabeZeile(TextNrGesamtleistung, {Muster(Zahl("m_Leist_ges"), "#0")});
    AusgabeLinieOben(80, 0, true);
    NeueZeile();

    AusgabeZeile(TextNrEinbringbreite, {Muster(Zahl("m_EinbringBreite"), "#0")});
    AusgabeZeile(TextNrRaumhöhe, {Muster(Zahl("m_EinbringHoehe"), "#0")});
    NeueZeile();

    // Where the water content comes from.
    bool ermittelt = false;
    if (Zahl("m_V_Summe") > 0) {
        ermittelt = true;
        AusgabeZeile(TextNrVerbraucher);
        for (const Verbraucher& v : Verbraucherarten)
            if (Zahl(v.inhalt) > 0)
                AusgabeZeile(v.text, {Muster(Zahl(v.leistung), "#0"), Muster(Zahl(v.inhalt), "#0")});
        if (Zahl("m_V_Sonstiges") > 0)
            AusgabeZeile(TextNrSonstiges, {Muster(Zahl("m_V_Sonstiges"), "#0")});
        NeueZeile();
    }
    if (Zahl("m_V_Fernleit") > 0) {
        ermittelt = true;
        AusgabeZeile(TextNrFernleitungen);
        AusgabeRohrnetz(TextNrFernleitung);
        NeueZeile();
    }
    AusgabeZeile(ermittelt ? TextNrVolumenErmittelt : TextNrVolumenVorgegeben, {Muster(Zahl("m_VolAnlage"), "#0")});
    NeueZeile();

    if (Ganz("m_Sicherung") == 1) {
        AusgabeZeile(TextNrEnthalten);
        for (int i = 1; i <= AnzahlErzeuger; ++i)
            if (Zahl("m_KesselVol_m_value", i) > 0)
                AusgabeZeile(TextNrErzeugerkreis, {VbVariant::integer(static_cast<int16_t>(i)),
                                                 Muster(Zahl("m_KesselVol_m_value", i), "#0")});
    }
    NeueZeile();

    if (Ganz("m_Beheiz") == 1)
        AusgabeZeile(TextNrPrimär, {Muster(Zahl("m_Primärtemp"), "#0")});
    AusgabeZeile(TextNrVorlauf, {Muster(Zahl("m_Temp_V"), "#0")});
    AusgabeZeile(TextNrRücklauf, {Muster(Zahl("m_Temp_R"), "#0")});
    AusgabeZeile(TextNrFrostschutz, {Muster(Zahl("m_FrostZusatz"), "#0")});
    if (Ganz("m_Anlage") == 1)
        AusgabeZeile(TextNrGebäudehöhe, {Muster(Zahl("m_GebäudeHöhe"), "#0.0")});
    AusgabeZeile(TextNrStatisch, {Muster(Zahl("m_p_stat"), "#0.0")});
    AusgabeZeile(TextNrDynamisch, {Muster(Zahl("m_p_dyn"), "#0.0")});
    AusgabeZeile(TextNrAnsprechdruck, {Muster(Zahl("m_p_SV"), "#0.0")});
    const int druckhaltung = Ganz("m_ArtDruckhaltung");
    if (druckhaltung == 1)
        AusgabeZeile(TextNrSystemsolldruck, {Muster(Zahl("m_p_soll"), "#0.0")});
    NeueZeile();

    if (!StandErreicht("m_IstBerechnet", TextNrNichtBerechnet))
        return false;
    if (Zahl("m_r_psatt") > 0)
        AusgabeZeile(TextNrDampfdruck, {Muster(Zahl("m_r_psatt"), "#0.0")});
    AusgabeZeile(TextNrAusdehnungsfaktor, {Muster(Zahl("m_r_af"), "#0.00")});
    AusgabeZeile(TextNrVordruck, {Muster(Zahl("m_r_pVordruck"), "#0.0")});
    AusgabeZeile(TextNrEnddruck, {Muster(Zahl("m_r_pend"), "#0.0")});
    NeueZeile();
    AusgabeZeile(TextNrAusdehnungsvolumen, {Muster(Zahl("m_r_vaus"), "#0")});
    AusgabeZeile(TextNrWasservorlage, {Muster(Zahl("m_Wasservorlage"), "#0")});
    AusgabeZeile(TextNrAufnahmevolumen, {Muster(Zahl("m_r_vauf"), "#0")});
    AusgabeZeile(TextNrDruckfaktor, {Muster(Zahl("m_r_pfak"), "#0.00")});
    AusgabeZeile(TextNrGesamtvolumen, {Muster(Zahl("m_r_vges"), "#0")});
    NeueZeile();
    NeueZeile();

    if (!StandErreicht("m_IstAusgelegt", TextNrNichtAusgelegt))
        return false;

    // Operating temperatures 10, 20, ... up to the flow temperature rounded up to tens.
    const int tV = Zahlen::CInt(Zahl("m_Temp_V"));
    const int zeilen = (tV + 9) / 10;
    const bool gefäße = druckhaltung == 0;
    if (gefäße && Rufe("Sum_KesselinterneMAGs").toDouble() != 0)
        return true;
    if (druckhaltung != 0 && druckhaltung != 1)
        return true;
    NeueSeiteWennNötig(zeilen + 10);
    const Temperaturtabelle& tabelle = gefäße ? Fülldrucktabelle : Füllvolumentabelle;
    AusgabeTitelzeile(LadeText(tabelle.titel), TitelSpalte, true);
    NeueZeile();
    for (int id : tabelle.erklärung)
        AusgabeZeile(id);
    NeueZeile();
    NeueZeile();
    for (int id : tabelle.kopf)
        AusgabeNormal(LadeText(id), TabellenSpalte, true);
    AusgabeLinieMitte(TabellenBreite, TabellenSpalte, true);
    const QString strich = QStringLiteral("-");
    for (int t = 10; t <= tV + 9; t += 10) {
        const VbVariant temperatur = VbVariant::integer(static_cast<int16_t>(t));
        // A temperature at which the vessels cannot take the water has no usable value.
        const bool gültig = Rufe("FüllungGültig", {VbVariant(static_cast<double>(t))}).toBool();
        if (gefäße) {
            const QString druck =
                gültig ? Muster(Rufe("GetFülldruck", {VbVariant(static_cast<double>(t))}).toDouble(), "#0.0") : strich;
            AusgabeNormal(Vorlage(tabelle.zeile, {temperatur, druck}), TabellenSpalte, true);
        } else {
            QList<VbVariant> argumente{VbVariant(static_cast<double>(t)), VbVariant::lng(0), VbVariant::lng(0)};
            Daten->Member().rufeMitReferenzen(QStringLiteral("GetFüllvolumen"), argumente);
            const QString vol = gültig ? Muster(argumente.at(1).toDouble(), "#0") : strich;
            const QString pct = gültig ? Muster(argumente.at(2).toDouble(), "#0") : strich;
            AusgabeNormal(Vorlage(tabelle.zeile, {temperatur, vol, pct}), TabellenSpalte, true);
        }
    }
    return true;
}

void Drucken::AusgabeArtikellisteHeizung()
{
    ArtikelDB = Daten->DBTabArtikel.get();
    Summe = 0;
    const int g = Ganz("m_GefaessGruppe");

    Überschrift(TextNrBehälterAnlage);
    for (const auto& [artNr, n] : Behälterartikel(true))
        AusgabeArtikelKurz(n, artNr, 0, false);
    NeueZeile();
    NeueZeile();

    const bool einzeln = Ganz("m_Sicherung") == 1;
    if (einzeln) {
        ÜberschriftZusammen(TextNrBehälterErzeuger);
        for (int i = 1; i <= AnzahlErzeuger; ++i)
            AusgabeArtikelKurz(1, ArtNr("m_Einzel_GefässArtNr_m_value", i), static_cast<int16_t>(i), false);
        NeueZeile();
        NeueZeile();
    }

    ÜberschriftZusammen(TextNrSicherheitstechnik);
    for (int i = 1; i <= AnzahlErzeuger; ++i)
        AusgabeArtikelKurz(Ganz("m_Zub_SichVentil_Anz_m_value", i), ArtNr("m_Zub_SichVentil_ArtNr_m_value", i),
                           static_cast<int16_t>(i), false);
    int16_t fallen = 0;
    for (int i = 1; i <= AnzahlErzeuger; ++i) {
        const QString falle = ArtNr("m_Zub_EntspGefäß_ArtNr_m_value", i);
        if (Leer(falle))
            continue;
        AusgabeArtikelKurz(Ganz("m_Zub_SichVentil_Anz_m_value", i), falle, static_cast<int16_t>(i), false);
        ++fallen;
    }
    const int tV = Zahlen::CInt(Zahl("m_Temp_V"));
    if (tV <= GrenztemperaturFalle && fallen > 0) {
        NeueZeile();
        AusgabeArtikelKurz(fallen, QStringLiteral("00000"), 0, true);
    }
    const int16_t grosse = ErzeugerÜberGrenzleistung();
    if (grosse > 0) {
        NeueZeile();
        AusgabeArtikelKurz(grosse, QStringLiteral("27458"), 0, true);
    }
    NeueZeile();
    const std::vector<std::pair<QString, int16_t>> begrenzer = Begrenzerartikel();
    for (const auto& [artNr, anzahl] : begrenzer)
        AusgabeArtikelKurz(anzahl, artNr, 0, false);
    if (!begrenzer.empty()) {
        NeueZeile();
        NeueZeile();
    }

    const int16_t kappenBehälter = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappenBehälter > 0) {
        ÜberschriftZusammen(TextNrKappenventileBehälter);
        AusgabeArtikelKurz(kappenBehälter, ArtNr("m_Zub_KappV_Beh_ArtNr"), 0, false);
        if (g == GruppePumpe14) {
            const QString modul = KappenventilSteuermodul();
            if (!modul.isEmpty())
                AusgabeArtikelKurz(2, modul, 0, false);
        }
        NeueZeile();
    }

    const VbVariant dn = Wert("m_Zub_Sammelleit_DN");
    if (dn.toDouble() > 0) {
        AusgabeZeile(TextNrSammelleitung, {dn});
        NeueZeile();
    }
    NeueZeile();

    bool kappenErzeuger = false;
    for (int i = 1; i <= AnzahlErzeuger; ++i)
        kappenErzeuger = kappenErzeuger || !ArtNr("m_Zub_KappV_Erz_ArtNr_m_value", i).trimmed().isEmpty();
    if (kappenErzeuger) {
        ÜberschriftZusammen(einzeln ? TextNrKappenventileEinzel : TextNrKappenventileErzeuger);
        for (int i = 1; i <= AnzahlErzeuger; ++i)
            AusgabeArtikelKurz(1, ArtNr("m_Zub_KappV_Erz_ArtNr_m_value", i), static_cast<int16_t>(i), false);
        NeueZeile();
        NeueZeile();
    }

    ÜberschriftZusammen(TextNrWeiteresZubehör);
    for (const auto& [artNr, anzahl] : NachspeiseArtikel(g))
        AusgabeArtikelKurz(anzahl, artNr, 0, false);
    AusgabeArtikelKurz(1, ArtNr("m_Zub_Vorlagebeh_ArtNr"), 0, false);
    for (int i = 1; i <= AnzahlErzeuger; ++i)
        AusgabeArtikelKurz(1, ArtNr("m_Zub_VorlBehEinz_ArtNr_m_value", i), 0, false);
    AusgabeSchlammabscheiderKurz(AnzahlErzeuger);
    AusgabeEntlüfterKurz(AnzahlErzeuger);
    AusgabeInbetriebnahme(false);
    NeueZeile();
    NeueZeile();
    BeendeArtikelliste();
}

void Drucken::AusgabeLangtexteHeizung()
{
    if (!BeginneLangtexte())
        return;
    const int g = Ganz("m_GefaessGruppe");

    for (const auto& [artNr, n] : Behälterartikel(true))
        AusgabeArtikelLang(n, artNr, false);

    if (Ganz("m_Sicherung") == 1) {
        InitArtikelliste();
        for (int i = 1; i <= AnzahlErzeuger; ++i)
            AddArtikelliste(ArtNr("m_Einzel_GefässArtNr_m_value", i), 1);
        ArtikellisteAlsPositionen();
    }

    InitArtikelliste();
    for (int i = 1; i <= AnzahlErzeuger; ++i)
        AddArtikelliste(ArtNr("m_Zub_SichVentil_ArtNr_m_value", i), Ganz("m_Zub_SichVentil_Anz_m_value", i));
    ArtikellisteAlsPositionen();

    InitArtikelliste();
    int16_t fallen = 0;
    for (int i = 1; i <= AnzahlErzeuger; ++i) {
        const QString falle = ArtNr("m_Zub_EntspGefäß_ArtNr_m_value", i);
        if (Leer(falle))
            continue;
        AddArtikelliste(falle, Ganz("m_Zub_SichVentil_Anz_m_value", i));
        ++fallen;
    }
    ArtikellisteAlsPositionen();
    if (Zahlen::CInt(Zahl("m_Temp_V")) <= GrenztemperaturFalle && fallen > 0)
        AusgabeArtikelLang(fallen, QStringLiteral("00000"), true);

    const int16_t grosse = ErzeugerÜberGrenzleistung();
    if (grosse > 0)
        AusgabeArtikelLang(grosse, QStringLiteral("27458"), true);
    for (const auto& [artNr, anzahl] : Begrenzerartikel())
        AusgabeArtikelLang(anzahl, artNr, false);

    InitArtikelliste();
    const int16_t kappenBehälter = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappenBehälter > 0) {
        AddArtikelliste(ArtNr("m_Zub_KappV_Beh_ArtNr"), kappenBehälter);
        if (g == GruppePumpe14) {
            const QString modul = KappenventilSteuermodul();
            if (!modul.isEmpty())
                AddArtikelliste(modul, 2);
        }
    }
    for (int i = 1; i <= AnzahlErzeuger; ++i)
        AddArtikelliste(ArtNr("m_Zub_KappV_Erz_ArtNr_m_value", i), 1);
    ArtikellisteAlsPositionen();

    for (const auto& [artNr, anzahl] : NachspeiseArtikel(g))
        AusgabeArtikelLang(anzahl, artNr, false);

    InitArtikelliste();
    AddArtikelliste(ArtNr("m_Zub_Vorlagebeh_ArtNr"), 1);
    for (int i = 1; i <= AnzahlErzeuger; ++i)
        AddArtikelliste(ArtNr("m_Zub_VorlBehEinz_ArtNr_m_value", i), 1);
    ArtikellisteAlsPositionen();

    AusgabeSchlammabscheiderLang(AnzahlErzeuger);
    AusgabeEntlüfterLang(AnzahlErzeuger);

    AusgabeInbetriebnahme(true);
    SchließeLangtextsichten();
}

int16_t Drucken::ErzeugerÜberGrenzleistung() const
{
    if (Rufe("Sum_Waermeleistung").toDouble() > 0) {
        int16_t h = 0;
        for (int i = 1; i <= AnzahlErzeuger; ++i)
            if (Zahl("m_Leist_m_value", i) > GrenzleistungKW)
                ++h;
        return h;
    }
    return Zahl("m_Leist_ges") > GrenzleistungKW ? 1 : 0;
}

std::vector<std::pair<QString, int16_t>> Drucken::Begrenzerartikel() const
{
    std::vector<std::pair<QString, int16_t>> a;
    const int art = Ganz("m_Zub_WMangelSichArt");
    const int16_t mangel = Ganz("m_Zub_WMangelSich_Anz");
    if (art > 0 && mangel > 0) {
        if (art == 2)
            a.emplace_back(QStringLiteral("27450"), mangel);
        else if (art == 1 || art == 3)
            a.emplace_back(QStringLiteral("27455"), mangel);
    }
    if (const int16_t n = Ganz("m_Zub_AltMinDruBegr_Anz"); n > 0)
        a.emplace_back(QStringLiteral("27459"), n);
    if (const int16_t n = Ganz("m_Zub_MaxDruBegr_Anz"); n > 0)
        a.emplace_back(QStringLiteral("27458"), n);
    return a;
}

QString Drucken::KappenventilSteuermodul() const
{
    return TabellePumpenKM().GetArtikelNrKappenventilVonSteuermodul(ArtNr("m_KomprPumpeArtNr")).trimmed();
}

std::vector<std::pair<QString, int16_t>> Drucken::NachspeiseArtikel(int gruppe) const
{
    std::vector<std::pair<QString, int16_t>> a;
    const int16_t n = Ganz("m_Zub_Nachspeise_Anz");
    const int art = Ganz("m_Zub_Nachspeisung");
    if (n > 0 && art != 0)
        a.emplace_back(ArtNr("m_Zub_Nachspeise_ArtNr"), n);
    if (art == NachspeiseAutomat || (Ganz("m_Zub_Systemtrenner") == 1 && gruppe == GruppePumpe14))
        a.emplace_back(ArtNr("m_Zub_Systemtrenner_ArtNr"), n);
    return a;
}
