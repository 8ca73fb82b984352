#include "design/selection/Behaelterauswahl.h"

#include <cmath>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "base/Zahlen.h"
#include "data/Kennwort.h"
#include "data/Recordset.h"
#include "data/datenbank.h"

namespace {

// Member names of the data object.
namespace M {
const char* const ArtMembran = "m_ArtMembran";
const char* const ArtDruckhaltung = "m_ArtDruckhaltung";
const char* const EinbringBreite = "m_EinbringBreite";
const char* const EinbringHoehe = "m_EinbringHoehe";
const char* const GefaessAnzahl = "m_GefaessAnzahl";
const char* const GefaessGruppe = "m_GefaessGruppe";
const char* const GefaessArtNr = "m_GefaessArtNr";
const char* const GefaessInhalt = "m_GefaessInhalt";
const char* const BeistellArtNr = "m_BeistellArtNr";
const char* const KomprPumpeArtNr = "m_KomprPumpeArtNr";
const char* const ZusKomprPumpeArtNr = "m_ZusKomprPumpeArtNr";
const char* const SteuerbehAnzahl = "m_SteuerbehAnzahl";
const char* const SteuerModulKomp = "m_SteuerModulKomp";
const char* const ZusKomprPumpe = "m_ZusKomprPumpe";
const char* const Wechselstörschalt = "m_Wechselstörschalt";
const char* const ZubehörSteuerung = "m_ZubehörSteuerung";
const char* const KappV_Beh_ArtNr = "m_Zub_KappV_Beh_ArtNr";
const char* const r_vauf = "m_r_vauf";
const char* const r_vges = "m_r_vges";
const char* const p_SV = "m_p_SV";
const char* const r_pfak = "m_r_pfak";
const char* const r_pVordruck = "m_r_pVordruck";
const char* const p_soll = "m_p_soll";
const char* const Leist_ges = "m_Leist_ges";
const char* const IstAusgelegt = "m_IstAusgelegt";
const char* const Sicherung = "m_Sicherung";
const char* const Schlamm_Anordnung = "m_Zub_Schlamm_Anordnung";
const char* const SchlammIso = "m_Zub_SchlammIso";
const char* const Schlamm_ArtNr = "m_Zub_Schlamm_ArtNr_m_value";
const char* const SchlammIso_ArtNr = "m_Zub_SchlammIso_ArtNr_m_value";
const char* const Leist = "m_Leist_m_value";
const char* const Einzel_GefässArtNr = "m_Einzel_GefässArtNr_m_value";
const char* const Einzel_AufnVol = "m_Einzel_AufnVol_m_value";
const char* const Einzel_BehGesVol = "m_Einzel_BehGesVol_m_value";
const char* const Temp_V = "m_Temp_V";
const char* const Temp_R = "m_Temp_R";
const char* const Temp_Vorl = "m_Temp_Vorl";
const char* const Temp_Rückl = "m_Temp_Rückl";
const char* const Sum_KesselinterneMAGs = "Sum_KesselinterneMAGs";
const char* const TyvoSonderfallKeinMAGerlaubt = "TyvoSonderfallKeinMAGerlaubt";
}  // namespace M

QString N(const char* name)
{
    return QString::fromUtf8(name);
}

const QString& Blank()
{
    static const QString b = QStringLiteral(" ");
    return b;
}

}  // namespace

Behälterauswahl::Behälterauswahl(MemberRegister& daten, const QString& projektart, Seite& seite)
    : Gefäßauswahlkern(daten, projektart, seite), m_seite(seite)
{
}

Behälterauswahl::~Behälterauswahl() = default;

QString Behälterauswahl::Typbedingung() const
{
    return m_projektart == QStringLiteral("Kü") ? QStringLiteral(" AND [Kälteanlage] = True") : QString();
}

bool Behälterauswahl::MitVordruckvariante() const
{
    return !IstAutomatengruppe(m_gruppeNr);
}

void Behälterauswahl::LöscheZusätze(bool mitOptionen)
{
    schreibe(M::BeistellArtNr, VbVariant(Blank()));
    schreibe(M::SteuerbehAnzahl, VbVariant(0.0));
    schreibe(M::KomprPumpeArtNr, VbVariant(Blank()));
    schreibe(M::ZusKomprPumpeArtNr, VbVariant(Blank()));
    if (mitOptionen)
        SetzeAutomatenoptionenZurück();
}

// --- Page life ---

Behälterauswahl::Ladeergebnis Behälterauswahl::Laden()
{
    Programmzustand& z = zustand();
    m_zwangsende = false;
    QString grund;
    bool datenbankFehler = false;

    if (ÖffneTabellen() != 0) {
        grund = Abbruchgrund;
        datenbankFehler = true;
    }
    m_kompPumpe.Init_Tabelle(m_projektart);
    KennlinienKM.Init_Tabelle(m_projektart);

    m_kesselintern = 0;
    m_einbringGesperrt = false;
    const bool fürHost = z.AktProjektArtErstellung == 1 || z.AktProjektArtErstellung == 2;
    if (fürHost) {
        m_einbringGesperrt = true;
        if (m_projektart == QStringLiteral("He"))
            m_kesselintern = m_daten.rufe(N(M::Sum_KesselinterneMAGs)).toInteger();
    }

    m_hostwahl = false;
    if (m_projektart == QStringLiteral("He") && z.Automatiklauf
        && ((z.TyvoModus == 2 && !lese(M::IstAusgelegt).toBool()) || z.TyvoModus == 1)) {
        m_hostwahl = true;
        const int32_t art = zahl(M::Leist_ges) <= 400 ? 0 : 1;
        schreibe(M::ArtDruckhaltung, VbVariant::lng(art));
        schreibe(M::ArtMembran, VbVariant::lng(art));
        schreibe(M::GefaessAnzahl, VbVariant(1.0));
    }
    if (z.TyvoModus == 2)
        z.Automatiklauf = false;

    if (z.NeuAuslegungErforderlich) {
        LöscheBehälterauswahl(true);
        if (!fürHost) {
            schreibe(M::Schlamm_Anordnung, VbVariant::integer(0));
            schreibe(M::SchlammIso, VbVariant::integer(0));
            for (int16_t i = 1; i <= 6; ++i) {
                m_daten.schreibe(N(M::Schlamm_ArtNr), {VbVariant::integer(i)}, VbVariant(Blank()));
                m_daten.schreibe(N(M::SchlammIso_ArtNr), {VbVariant::integer(i)}, VbVariant(Blank()));
            }
        }
        z.NeuAuslegungErforderlich = false;
    }

    // A pressure factor above the limit allows only the automat with exchangeable membrane.
    m_gaspolsterGesperrt = Zahlen::RundenGerade(zahl(M::r_pfak), 2) > static_cast<double>(Druckfaktorgrenze);
    if (m_gaspolsterGesperrt && lese(M::ArtDruckhaltung).toLong() != 1) {
        LöscheBehälterauswahl(true);
        schreibe(M::ArtDruckhaltung, VbVariant::lng(1));
        schreibe(M::ArtMembran, VbVariant::lng(1));
        if (z.TyvoModus == 1 || z.TyvoModus == 2)
            grund = ErsetzeZeilenumbruch(FormatText(LadeText(2207 + z.Sprachoffset), VbVariant(Druckfaktorgrenze)));
        else
            m_druckfaktorMeldung = true;
    }
    if (lese(M::ArtMembran).toLong() == 0)
        schreibe(M::ArtDruckhaltung, VbVariant::lng(0));
    if (lese(M::ArtDruckhaltung).toLong() == 1)
        schreibe(M::ArtMembran, VbVariant::lng(1));

    if (grund.isEmpty() && !datenbankFehler) {
        ErmittleBedarfsvolumen();
        if (!LadeBehältergruppen())
            grund = Abbruchgrund;
        m_gruppeNr = lese(M::GefaessGruppe).toInteger();
        automatenauslegung = IstAutomatengruppe(m_gruppeNr);
        Anzeige_Behälter(PositioniereAufArtikel(lese(M::GefaessArtNr).toString(), false, 0.0f));
    }

    if ((z.TyvoModus == 1 || z.TyvoModus == 2) && !grund.isEmpty()) {
        z.AbbruchCode = 3;
        z.AbbruchText.clear();
        m_zwangsende = true;
        tyvoAnbindung().RückgabeInXML_AuswahlDerKomponenteNichtMöglich(z.TyvoModus, grund);
        return Ladeergebnis::Zwangsende;
    }
    if (datenbankFehler)
        return Ladeergebnis::Ladefehler;
    return Ladeergebnis::Bereit;
}

bool Behälterauswahl::Aktivieren()
{
    if (m_zwangsende)
        return false;
    bool weiter = !lese(M::GefaessArtNr).toString().trimmed().isEmpty();
    if (m_projektart == QStringLiteral("He") && m_daten.rufe(N(M::TyvoSonderfallKeinMAGerlaubt)).toBool())
        weiter = true;
    m_seite.Kommando(1, 1, weiter ? 1 : 0);
    ZeigeHinweisAbsicherung();
    if (m_druckfaktorMeldung) {
        m_druckfaktorMeldung = false;
        Meldung(Meldungsart::Information, LadeText(2207 + zustand().Sprachoffset), VbVariant(Druckfaktorgrenze));
    }
    if (m_projektart == QStringLiteral("He") && m_hostwahl) {
        int16_t gewünscht = 0;
        const int32_t druckhaltung = lese(M::ArtDruckhaltung).toLong();
        const int32_t membran = lese(M::ArtMembran).toLong();
        if (druckhaltung == 0 && membran == 0) {
            gewünscht = 2;
        } else if (druckhaltung == 1 && membran == 1) {
            const float druck = Zahlen::CSng(zahl(M::p_soll));
            const int32_t leistung = Zahlen::CLng(zahl(M::Leist_ges));
            Betriebsmöglichkeit_UNAR_Einzelbetrieb = KennlinienKM.GetModulAusKennlinienbereich_Einzelbetrieb(druck, leistung);
            Betriebsmöglichkeit_BIAR_Wechselstörbetrieb = KennlinienKM.GetModulAusKennlinienbereich_Wechselstör(druck, leistung);
            Betriebsmöglichkeit_BIAR_lastabhängig = KennlinienKM.GetModulAusKennlinienbereich_Lastabhängig(druck, leistung);
            gewünscht = Betriebsmöglichkeit_UNAR_Einzelbetrieb || Betriebsmöglichkeit_BIAR_Wechselstörbetrieb
                    || Betriebsmöglichkeit_BIAR_lastabhängig
                ? 14
                : 9;
        }
        int index = 0;
        if (SucheGruppenindex(VbVariant::integer(gewünscht), index)) {
            autoBearbeitungUnterformAutomaten = true;
            Command1_Click(index);
            autoBearbeitungUnterformAutomaten = false;
        }
        m_hostwahl = false;
    }
    m_seite.Aktualisieren();
    return true;
}

void Behälterauswahl::ZeigeHinweisAbsicherung()
{
    if (m_projektart == QStringLiteral("He") && lese(M::Sicherung).toLong() == 0 && m_gruppeNr == 14)
        m_seite.Hinweis(LadeText(2143 + zustand().Sprachoffset));
    else
        m_seite.Hinweis(QString());
}

// --- User actions ---

void Behälterauswahl::Membrane_Click(int index)
{
    schreibe(M::ArtMembran, VbVariant::lng(index));
    if (index == 1)
        Meldung(Meldungsart::Information, LadeText(2204 + zustand().Sprachoffset));
    else if (index == 0)
        schreibe(M::ArtDruckhaltung, VbVariant::lng(0));
    OptionenGeändert();
}

void Behälterauswahl::Druckhaltung_Click(int index)
{
    schreibe(M::ArtDruckhaltung, VbVariant::lng(index));
    if (index == 1)
        schreibe(M::ArtMembran, VbVariant::lng(1));
    OptionenGeändert();
}

void Behälterauswahl::OptionenGeändert()
{
    ErmittleBedarfsvolumen();
    LadeBehältergruppen();
    int index = 0;
    if (!SucheGruppenindex(VbVariant::integer(m_gruppeNr), index)) {
        LöscheBehälterauswahl(true);
        Anzeige_Behälter(false);
    }
    m_seite.Aktualisieren();
}

void Behälterauswahl::SetzeAutomatenoptionenZurück()
{
    schreibe(M::SteuerModulKomp, VbVariant::integer(0));
    schreibe(M::ZusKomprPumpe, VbVariant(false));
    schreibe(M::Wechselstörschalt, VbVariant(false));
    LöscheZubehörBits();
}

void Behälterauswahl::LöscheZubehörBits()
{
    const int32_t bits = lese(M::ZubehörSteuerung).toLong() & ~0xFF;
    schreibe(M::ZubehörSteuerung, VbVariant::integer(static_cast<int16_t>(bits)));
}

void Behälterauswahl::Command1_Click(int index)
{
    if (index < 0 || index > 7)
        return;
    const QString vorher = lese(M::GefaessArtNr).toString();
    m_letzterKnopf = index;
    m_gruppeNr = m_gruppen[static_cast<size_t>(index)].nummer;
    SetzeAutomatenoptionenZurück();

    if (m_gruppeNr == 11 && zahl(M::p_SV) - zahl(M::r_pVordruck) < 1.1) {
        LöscheBehälterauswahl(true);
        schreibe(M::GefaessAnzahl, VbVariant(0.0));
        Anzeige_Behälter(false);
        Meldung(Meldungsart::Anwendungsfehler, LadeText(2301 + zustand().Sprachoffset), VbVariant(Druckfaktorgrenze));
        m_seite.Aktualisieren();
        return;
    }

    int16_t grenze = 10;
    automatenauslegung = IstAutomatengruppe(m_gruppeNr);
    if (automatenauslegung)
        grenze = GetMaxBehälteranzahl(m_gruppeNr);
    int16_t n = Zahlen::CInt(zahl(M::GefaessAnzahl));
    if (n > grenze) {
        n = grenze;
        schreibe(M::GefaessAnzahl, VbVariant(static_cast<double>(grenze)));
    }

    bool weiter = false;
    if (m_bedarfsvolumen != 0 || m_kesselintern < 1 || automatenauslegung) {
        const float vordruck = Zahlen::CSng(zahl(M::r_pVordruck));
        LadeBehälterlisteAutomatik(m_gruppeNr, vordruck);
        if (n < 1)
            n = 1;
        bool gefunden = false;
        for (;;) {
            const auto volumen = static_cast<int32_t>(AufrundenStellen(static_cast<double>(m_bedarfsvolumen) / n, 0));
            gefunden = SucheBehälter(volumen, vordruck);
            if (gefunden || n >= grenze)
                break;
            ++n;
        }
        if (gefunden) {
            schreibe(M::GefaessGruppe, VbVariant(static_cast<double>(m_gruppeNr)));
            schreibe(M::GefaessAnzahl, VbVariant(static_cast<double>(n)));
            if (automatenauslegung) {
                Automatenvervollständigung(Weg::Automatisch, weiter);
            } else {
                Anzeige_Behälter(true);
                weiter = true;
            }
        } else {
            LöscheBehälterauswahl(true);
            schreibe(M::GefaessAnzahl, VbVariant(static_cast<double>(n)));
            Anzeige_Behälter(false);
            Auslegungsmeldung(2357, {VbVariant(m_gruppen[static_cast<size_t>(index)].bezeichnung)});
        }
    } else {
        m_gruppeNr = 0;
        SetzeOhneBehälter();
        Anzeige_Behälter(false);
        weiter = true;
    }
    if (lese(M::GefaessArtNr).toString() != vorher)
        schreibe(M::IstAusgelegt, VbVariant(false));
    if (m_projektart == QStringLiteral("He")) {
        const Gruppe& g = m_gruppen[static_cast<size_t>(index)];
        ErmittleEinzelabsicherungsgefäße(g.einzel1, g.einzel2);
    }
    m_seite.Kommando(1, 1, weiter ? 1 : 0);
    m_seite.Aktualisieren();
}

void Behälterauswahl::Command2_Click(int index)
{
    if (index < 0 || index > 7)
        return;
    const QString vorher = lese(M::GefaessArtNr).toString();
    m_letzterKnopf = index;
    m_gruppeNr = m_gruppen[static_cast<size_t>(index)].nummer;
    if (lese(M::GefaessGruppe).toInteger() != m_gruppeNr)
        SetzeAutomatenoptionenZurück();
    if (m_gruppeNr == 11 && zahl(M::p_SV) - zahl(M::r_pVordruck) < 1.1) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(2301 + zustand().Sprachoffset), VbVariant(Druckfaktorgrenze));
        m_seite.Aktualisieren();
        return;
    }
    const float vordruck = Zahlen::CSng(zahl(M::r_pVordruck));
    automatenauslegung = IstAutomatengruppe(m_gruppeNr);
    const double teiler = automatenauslegung ? GetMaxBehälteranzahl(m_gruppeNr) : 20.0;
    const auto mindestVolumen = static_cast<int32_t>(AufrundenStellen(m_bedarfsvolumen / teiler, 0));
    LadeBehälterlisteManuell(m_gruppeNr, vordruck, mindestVolumen);
    PositioniereAufArtikel(lese(M::GefaessArtNr).toString(), true, vordruck);
    m_manuellVordruck = vordruck;

    ZeigeArtikeldialog();
    if (lese(M::GefaessArtNr).toString() != vorher)
        schreibe(M::IstAusgelegt, VbVariant(false));
    if (m_projektart == QStringLiteral("He")) {
        const Gruppe& g = m_gruppen[static_cast<size_t>(index)];
        ErmittleEinzelabsicherungsgefäße(g.einzel1, g.einzel2);
    }
    m_seite.Kommando(1, 1, lese(M::GefaessGruppe).toInteger() != 0 ? 1 : 0);
    m_seite.Aktualisieren();
}

void Behälterauswahl::Command3_Click()
{
    m_seite.SaveKommandoButtons();
    m_seite.Kommando(0, 0, 0);
    m_seite.ZeigeÜbersicht();
    m_seite.LoadKommandoButtons();
}

// --- Public methods ---

void Behälterauswahl::ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen)
{
    // An empty or unknown article (Enter on an empty list) is a cancel: the stored choice stays.
    if (ArtNrBehälter.trimmed().isEmpty() || !PositioniereAufArtikel(ArtNrBehälter, true, m_manuellVordruck))
        return;
    // The row the pre-pressure variant stands on is the one stored and shown.
    const QString artNr = LeseArtikelfeld(QStringLiteral("Art Nr")).toString();
    schreibe(M::BeistellArtNr, VbVariant(Blank()));
    schreibe(M::KomprPumpeArtNr, VbVariant(Blank()));
    schreibe(M::ZusKomprPumpeArtNr, VbVariant(Blank()));

    schreibe(M::GefaessGruppe, VbVariant(static_cast<double>(m_gruppeNr)));
    schreibe(M::GefaessArtNr, VbVariant(artNr));
    int32_t anzahl = 0;
    if (volumen >= 1) {
        anzahl = static_cast<int32_t>(std::ceil(static_cast<double>(m_bedarfsvolumen) / volumen));
        if (anzahl < 1)
            anzahl = 1;
    }
    schreibe(M::GefaessAnzahl, VbVariant(static_cast<double>(anzahl)));
    m_inhalt = LeseArtikelfeld(QStringLiteral("Inhalt in ltr")).toLong();
    schreibe(M::GefaessInhalt, VbVariant::lng(m_inhalt));
    m_maxDruck = LeseArtikelfeld(QStringLiteral("Max, Betriebsdruck in bar")).toSingle();
    if (IstAutomatengruppe(m_gruppeNr)) {
        bool ok = false;
        Automatenvervollständigung(Weg::Manuell, ok);
    } else {
        schreibe(M::SteuerbehAnzahl, VbVariant(0.0));
        Anzeige_Behälter(true);
    }
    m_seite.Aktualisieren();
}

void Behälterauswahl::Anzeige_Behälter(bool gefunden)
{
    Block b;
    int32_t inhalt = 0;
    int32_t steuer = 0;
    int32_t beistell = 0;
    if (gefunden) {
        b.beschreibung = LeseArtikelfeld(SpalteUmschreibung).toString();
        inhalt = LeseArtikelfeld(QStringLiteral("Inhalt in ltr")).toLong();
        b.maße = QString::number(LeseArtikelfeld(QStringLiteral("Durchmesser in mm")).toLong()) + QStringLiteral(" mm / ")
            + QString::number(LeseArtikelfeld(QStringLiteral("Höhe in mm")).toLong()) + QStringLiteral(" mm");
        steuer = Zahlen::CLng(zahl(M::SteuerbehAnzahl));
        beistell = Zahlen::CLng(zahl(M::GefaessAnzahl)) - steuer;
        b.übersicht = IstAutomatengruppe(m_gruppeNr)
            || (m_projektart == QStringLiteral("He") && lese(M::Sicherung).toLong() == 1);
    }
    const Programmzustand& z = zustand();
    if (z.Automatiklauf && !z.Meldungsflag)
        b.übersicht = false;
    b.inhalt = QString::number(inhalt);
    b.gruppe = QString::number(m_gruppeNr);
    b.steuerbehälter = QString::number(steuer);
    b.beistellbehälter = QString::number(beistell);
    m_block = b;
    ZeigeHinweisAbsicherung();
}

// --- Group list ---

void Behälterauswahl::ErmittleBedarfsvolumen()
{
    double volumen = 0.0;
    if (lese(M::ArtMembran).toLong() == 0) {
        m_gerahmt = 2;
        volumen = zahl(M::r_vges) - m_kesselintern;
    } else if (lese(M::ArtDruckhaltung).toLong() != 0) {
        m_gerahmt = 0;
        // The automat takes up the volume at 90 % of its nominal content.
        volumen = AufrundenStellen(zahl(M::r_vauf) / 0.9, 0);
    } else {
        m_gerahmt = 2;
        volumen = zahl(M::r_vges) - m_kesselintern;
    }
    m_bedarfsvolumen = Zahlen::CLng(volumen);
    if (m_bedarfsvolumen < 0)
        m_bedarfsvolumen = 0;
}

bool Behälterauswahl::LadeBehältergruppen()
{
    int32_t austausch = 0;
    int32_t automat = 0;
    if (lese(M::ArtMembran).toLong() != 0) {
        austausch = -1;
        automat = lese(M::ArtDruckhaltung).toLong() == 0 ? 0 : -1;
    }
    m_automatenzeilen = automat == -1;
    const QString typ = m_projektart == QStringLiteral("Kü") ? QStringLiteral("Kälte") : QStringLiteral("Heizung");
    const QString sql = QStringLiteral("SELECT * FROM [Gruppen MAG] WHERE [") + typ
        + QStringLiteral("] = True AND [Austauschmembran] = ") + Zahlen::Str(austausch)
        + QStringLiteral(" AND [Druckhalteautomat] = ") + Zahlen::Str(automat)
        + QStringLiteral(" AND [Max Betriebsdruck] >= ") + Zahlen::Str(zahl(M::p_SV)) + QStringLiteral(" ORDER BY [Gruppe]");
    const bool nurAutomaten = austausch == -1 && automat == -1;
    return LadeGruppenliste(sql, [nurAutomaten](int16_t g) { return !nurAutomaten || g == 9 || g == 11 || g == 14; });
}

bool Behälterauswahl::IstAutomatengruppe(int16_t gruppe)
{
    return gruppe == 9 || gruppe == 11 || gruppe == 14 || gruppe == 60 || gruppe == 61;
}

int16_t Behälterauswahl::GetMaxBehälteranzahl(int16_t gruppe)
{
    switch (gruppe) {
    case 9: return 9;
    case 11: case 14: case 60: case 61: return 3;
    default: return 1;
    }
}

int16_t Behälterauswahl::GetBeistellgruppe(int16_t gruppe)
{
    switch (gruppe) {
    case 9: return 30;
    case 11: return 31;
    case 14: return 32;
    case 60: case 61: return 33;
    default: return 0;
    }
}

void Behälterauswahl::SetzeOhneBehälter()
{
    m_gruppeNr = 0;
    schreibe(M::GefaessGruppe, VbVariant(0.0));
    schreibe(M::GefaessInhalt, VbVariant::lng(0));
    schreibe(M::GefaessAnzahl, VbVariant(0.0));
    schreibe(M::GefaessArtNr, VbVariant(Blank()));
    schreibe(M::BeistellArtNr, VbVariant(Blank()));
    schreibe(M::SteuerbehAnzahl, VbVariant(0.0));
    schreibe(M::KomprPumpeArtNr, VbVariant(Blank()));
    schreibe(M::ZusKomprPumpeArtNr, VbVariant(Blank()));
    SetzeAutomatenoptionenZurück();
}

// --- Vessel lists ---

void Behälterauswahl::LadeBehälterlisteAutomatik(int16_t gruppe, float /*vordruck*/)
{
    ÖffneAutomatikliste(gruppe);
}

void Behälterauswahl::LadeBehälterlisteManuell(int16_t gruppe, float /*vordruck*/, int32_t mindestVolumen)
{
    ÖffneAuswahlliste(gruppe, mindestVolumen);
}

// --- Per-generator vessels (heating) ---

void Behälterauswahl::ErmittleEinzelabsicherungsgefäße(int16_t gruppe1, int16_t gruppe2)
{
    const QString name = N(M::Einzel_GefässArtNr);
    for (int16_t i = 1; i <= 6; ++i)
        m_daten.schreibe(name, {VbVariant::integer(i)}, VbVariant(Blank()));
    if (lese(M::Sicherung).toLong() != 1)
        return;
    for (int16_t i = 1; i <= 6; ++i) {
        if (m_daten.lese(N(M::Leist), {VbVariant::integer(i)}).toDouble() <= 0)
            continue;
        QString artikel = Blank();
        int32_t volumen = 0;
        if (gruppe1 > 0)
            artikel = SucheEinzelabsicherungsgefäß(i, gruppe1, volumen);
        // A group list without a first single-protection group still searches its second one.
        if (artikel == Blank() && gruppe2 > 0)
            artikel = SucheEinzelabsicherungsgefäß(i, gruppe2, volumen);
        if (artikel != Blank()) {
            m_daten.schreibe(name, {VbVariant::integer(i)}, VbVariant(artikel));
        } else {
            if (gruppe1 <= 0 && gruppe2 <= 0)
                SucheEinzelabsicherungsgefäß(i, 0, volumen);
            Auslegungsmeldung(2362, {VbVariant::integer(i), VbVariant::lng(volumen)});
        }
    }
}

QString Behälterauswahl::SucheEinzelabsicherungsgefäß(int16_t kessel, int16_t gruppe, int32_t& volumen)
{
    const QList<VbVariant> index = {VbVariant::integer(kessel)};
    if (IstAutomatengruppe(m_gruppen[static_cast<size_t>(m_letzterKnopf)].nummer))
        volumen = static_cast<int32_t>(
            AufrundenStellen(m_daten.lese(N(M::Einzel_AufnVol), index).toDouble() / 0.9, 0));
    else
        volumen = m_daten.lese(N(M::Einzel_BehGesVol), index).toLong();
    if (gruppe <= 0)
        return Blank();
    const float vordruck = Zahlen::CSng(zahl(M::r_pVordruck));
    datenbank db;
    const QString sql = QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = ")
        + Zahlen::Str(gruppe) + QStringLiteral(" AND [Max, Betriebsdruck in bar] >= ") + Zahlen::Str(zahl(M::p_SV))
        + QStringLiteral(" AND ([Durchmesser in mm] + [MinderBreite in mm]) <= ") + Zahlen::Str(zahl(M::EinbringBreite))
        + QStringLiteral(" AND ([Höhe in mm] + [MinderHöhe in mm]) <= ") + Zahlen::Str(zahl(M::EinbringHoehe))
        + QStringLiteral(" AND [Inhalt in ltr] >= ") + Zahlen::Str(volumen)
        + QStringLiteral(" ORDER BY [Inhalt in ltr],[Max, Betriebsdruck in bar],[Vordruck]");
    if (db.OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) != 0 || db.EmptyTab())
        return Blank();
    const std::shared_ptr<Recordset> rs = db.GetADODB_Recordset();
    if (volumen < 32767) {
        rs->MoveFirst();
        if (rs->Find(Kriterium(QStringLiteral("Inhalt in ltr"), ">=", volumen)) == Recordset::Suche::Gefunden)
            WähleVordruckvariante(*rs, vordruck);
    }
    const QString artikel = Feld(*rs, QStringLiteral("Art Nr")).toString();
    return artikel.isEmpty() ? Blank() : artikel;
}

// --- Automat completion ---

void Behälterauswahl::Automatenvervollständigung(Weg weg, bool& ok)
{
    const int16_t gruppe = m_gruppeNr;
    if (weg == Weg::Automatisch) {
        if (gruppe == 9 || gruppe == 14)
            schreibe(M::SteuerModulKomp, VbVariant::integer(0));
        else if (gruppe == 11)
            schreibe(M::SteuerModulKomp, VbVariant::integer(1));
    }
    bool mitDialog = false;
    if (gruppe == 14) {
        const float druck = Zahlen::CSng(zahl(M::p_soll));
        const int32_t leistung = Zahlen::CLng(zahl(M::Leist_ges));
        Betriebsmöglichkeit_UNAR_Einzelbetrieb = KennlinienKM.GetModulAusKennlinienbereich_Einzelbetrieb(druck, leistung);
        Betriebsmöglichkeit_BIAR_Wechselstörbetrieb = KennlinienKM.GetModulAusKennlinienbereich_Wechselstör(druck, leistung);
        Betriebsmöglichkeit_BIAR_lastabhängig = KennlinienKM.GetModulAusKennlinienbereich_Lastabhängig(druck, leistung);
        mitDialog = true;
    } else if (gruppe == 60 || gruppe == 61) {
        schreibe(M::SteuerbehAnzahl, VbVariant(1.0));
        schreibe(M::SteuerModulKomp, VbVariant::integer(0));
        schreibe(M::ZusKomprPumpe, VbVariant(true));
        schreibe(M::Wechselstörschalt, VbVariant(true));
        LöscheZubehörBits();
    } else if (gruppe == 9 || gruppe == 11) {
        mitDialog = true;
    }
    if (mitDialog) {
        if (weg == Weg::Automatisch) {
            Programmzustand& z = zustand();
            FormSichtbarkeit* gemerkt = z.AktFormFunktionen;
            m_seite.SaveKommandoButtons();
            m_seite.Kommando(0, 0, 0);
            m_seite.ZeigeAutomatenoptionen(gruppe);
            z.AktFormFunktionen = gemerkt;
            m_seite.LoadKommandoButtons();
        } else {
            m_seite.ZeigeAutomatenoptionen(gruppe);
        }
    }
    ok = Ermittle_Pumpe_Kompressor_Steuermodul(m_gruppeNr);
    if (!ok)
        LöscheBehälterauswahl(true);
    Anzeige_Behälter(ok);
    ErmittleBeistellbehälter(m_gruppeNr);
}

bool Behälterauswahl::Ermittle_Pumpe_Kompressor_Steuermodul(int16_t gefäßgruppe)
{
    const double druck = zahl(M::p_soll);
    double leistung = zahl(M::Leist_ges);
    QString typ;
    QString modul;
    schreibe(M::KomprPumpeArtNr, VbVariant(Blank()));
    schreibe(M::ZusKomprPumpeArtNr, VbVariant(Blank()));
    const int32_t steuermodul = lese(M::SteuerModulKomp).toLong();
    const bool zusatz = lese(M::ZusKomprPumpe).toBool();
    const bool wechsel = lese(M::Wechselstörschalt).toBool();

    switch (gefäßgruppe) {
    case 9: {
        // Vessels above 1200 l need at least the second compressor size.
        const QString kleinster = lese(M::GefaessInhalt).toDouble() <= 1200 ? QStringLiteral("R-01") : QStringLiteral("R-02");
        if (steuermodul == 0) {
            if (zusatz && !wechsel)
                leistung /= 2;
            typ = m_kompPumpe.GetKompressor(leistung, druck, kleinster);
            modul = QStringLiteral("E");
        } else {
            if (zahl(M::SteuerbehAnzahl) > 1 && !wechsel)
                leistung /= 2;
            typ = m_kompPumpe.GetKompressor(leistung, druck, kleinster);
            modul = QStringLiteral("F");
        }
        break;
    }
    case 11:
        typ = m_kompPumpe.GetPumpeMP(leistung, druck);
        if (steuermodul == 1)
            modul = QStringLiteral("F");
        else if (steuermodul == 2)
            modul = QStringLiteral("D");
        break;
    case 14:
        if (!Betriebsmöglichkeit_UNAR_Einzelbetrieb && !Betriebsmöglichkeit_BIAR_Wechselstörbetrieb
            && !Betriebsmöglichkeit_BIAR_lastabhängig) {
            typ.clear();
        } else if (steuermodul == 1) {
            typ = wechsel ? KennlinienKM.Steuermodul_Wechselstör() : KennlinienKM.Steuermodul_Lastabhängig();
            modul = QStringLiteral("D");
        } else {
            typ = KennlinienKM.Steuermodul_Einzelbetrieb();
            modul = QStringLiteral("M");
        }
        break;
    case 60:
    case 61: {
        double vorlauf = 0.0;
        double rücklauf = 0.0;
        if (m_projektart == QStringLiteral("He")) {
            vorlauf = zahl(M::Temp_V);
            rücklauf = zahl(M::Temp_R);
        } else if (m_projektart == QStringLiteral("Kü")) {
            vorlauf = zahl(M::Temp_Vorl);
            rücklauf = zahl(M::Temp_Rückl);
        }
        const auto mittel = static_cast<int16_t>(AufrundenStellen((vorlauf + rücklauf) / 2, 0));
        typ = m_kompPumpe.GetPumpePumbrix(Zahlen::CLng(zahl(M::r_vauf)), druck, mittel);
        break;
    }
    default:
        break;
    }

    if (!typ.isEmpty() && typ != Blank()) {
        if (gefäßgruppe == 14) {
            schreibe(M::KomprPumpeArtNr, VbVariant(KennlinienKM.GetArtikelNrSteuermodulKM(typ)));
            schreibe(M::KappV_Beh_ArtNr,
                     VbVariant(KennlinienKM.GetArtikelNrAnschlussgruppeKM(typ, lese(M::GefaessArtNr).toString())));
        } else {
            schreibe(M::KomprPumpeArtNr, VbVariant(m_kompPumpe.GetArtikelNrKomprPumpe(typ, modul)));
        }
        if (zusatz && gefäßgruppe == 9)
            schreibe(M::ZusKomprPumpeArtNr, VbVariant(m_kompPumpe.GetArtikelNrKomprPumpe(typ, QStringLiteral("ZK"))));
        else
            schreibe(M::ZusKomprPumpeArtNr, VbVariant(Blank()));
        return true;
    }
    schreibe(M::KomprPumpeArtNr, VbVariant(Blank()));
    schreibe(M::ZusKomprPumpeArtNr, VbVariant(Blank()));
    if (gefäßgruppe != 14)
        Auslegungsmeldung(2359, {VbVariant(m_gruppen[static_cast<size_t>(m_letzterKnopf)].bezeichnung),
                                 VbVariant::lng(m_inhalt)});
    return false;
}

void Behälterauswahl::ErmittleBeistellbehälter(int16_t gruppe)
{
    schreibe(M::BeistellArtNr, VbVariant(Blank()));
    const int16_t beistell = GetBeistellgruppe(gruppe);
    if (zahl(M::GefaessAnzahl) <= zahl(M::SteuerbehAnzahl) || beistell <= 0)
        return;
    const QString sql = QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = ")
        + Zahlen::Str(beistell) + Typbedingung() + QStringLiteral(" AND [Max, Betriebsdruck in bar] = ")
        + Zahlen::Str(m_maxDruck, true) + QStringLiteral(" AND [Inhalt in ltr] = ") + Zahlen::Str(m_inhalt);
    if (!ÖffneListe(sql, true))
        return;
    if (m_liste->Leer()) {
        Auslegungsmeldung(2360, {VbVariant(m_gruppen[static_cast<size_t>(m_letzterKnopf)].bezeichnung),
                                 VbVariant::lng(m_inhalt)});
        return;
    }
    m_liste->MoveFirst();
    schreibe(M::BeistellArtNr, VbVariant(Feld(*m_liste, QStringLiteral("Art Nr")).toString()));
}

QStringList Behälterauswahl::Membernamen(const QString& projektart)
{
    QStringList namen;
    for (const char* n :
         {M::ArtMembran, M::ArtDruckhaltung, M::EinbringBreite, M::EinbringHoehe, M::GefaessAnzahl, M::GefaessGruppe,
          M::GefaessArtNr, M::GefaessInhalt, M::BeistellArtNr, M::KomprPumpeArtNr, M::ZusKomprPumpeArtNr,
          M::SteuerbehAnzahl, M::SteuerModulKomp, M::ZusKomprPumpe, M::Wechselstörschalt, M::ZubehörSteuerung,
          M::KappV_Beh_ArtNr, M::r_vauf, M::r_vges, M::p_SV, M::r_pfak, M::r_pVordruck, M::p_soll, M::Leist_ges,
          M::IstAusgelegt, M::Schlamm_Anordnung, M::SchlammIso, M::Schlamm_ArtNr, M::SchlammIso_ArtNr})
        namen << N(n);
    if (projektart == QStringLiteral("He")) {
        for (const char* n : {M::Sicherung, M::Leist, M::Einzel_GefässArtNr, M::Einzel_AufnVol, M::Einzel_BehGesVol,
                              M::Temp_V, M::Temp_R, M::Sum_KesselinterneMAGs, M::TyvoSonderfallKeinMAGerlaubt})
            namen << N(n);
    } else if (projektart == QStringLiteral("Kü")) {
        namen << N(M::Temp_Vorl) << N(M::Temp_Rückl);
    }
    namen << QStringLiteral("DBTabArtikel");
    return namen;
}
