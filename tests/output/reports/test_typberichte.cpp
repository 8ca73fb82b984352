// The reports of cooling, drinking-water and pressure-boosting projects, on data objects that
// offer exactly the member names each report keeps in its list.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <functional>

#include "Typberichtsfixture.h"
#include "base/Programmzustand.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "output/reports/Berichtsnamen.h"
#include "output/reports/Drucken.h"
#include "support/QStringAusgabe.h"

namespace {

const QString Kü = QStringLiteral("Kü");
const QString Tr = QStringLiteral("Tr");
const QString Dr = QStringLiteral("Dr");

const QStringList& NamenVon(const QString& art)
{
    if (art == Kü)
        return Berichtsnamen::Kälte();
    if (art == Tr)
        return Berichtsnamen::Trinkwasser();
    return Berichtsnamen::Druckerhöhung();
}

// A compressor automat of group 9: one control vessel and two add-on vessels, an additional
// compressor, accessories, make-up automat, dirt separators with insulation at three chillers
// and air separators.
const QList<Feldwert>& KälteAutomat()
{
    static const QList<Feldwert> w{
        {"m_AnordnungMAG", 1}, {"Sum_Waermeleistung", 450.0}, {"m_Leist_m_value", 250, 1},
        {"m_Leist_m_value", 0, 2}, {"m_Leist_m_value", 200, 3}, {"m_Leist_ges", 450.0},
        {"m_EinbringBreite", 900.0}, {"m_EinbringHoehe", 2600.0}, {"Sum_V_Anlage", 1234.5},
        {"m_LaengeDN50", 120.0}, {"m_LaengeDN100", 80.5}, {"m_V_Sonstiges", 230.0}, {"m_VolAnlage", 1235.0},
        {"m_Temp_Vorl", 6.0}, {"m_Temp_Rückl", 12.0}, {"m_Temp_Umgeb", 35.0}, {"m_FrostZusatz", 30.0},
        {"m_p_stat", 1.8}, {"m_p_dyn", 0.4}, {"m_p_SV", 6.0}, {"m_ArtDruckhaltung", 1}, {"m_p_soll", 2.5},
        {"m_r_af", 1.27}, {"m_r_pVordruck", 2.3}, {"m_r_pend", 5.5}, {"m_r_vaus", 16.0},
        {"m_Wasservorlage", 25.0}, {"m_r_vauf", 41.0}, {"m_r_pfak", 0.62}, {"m_r_vges", 600.0},
        {"m_GefaessGruppe", 9}, {"m_GefaessAnzahl", 3}, {"m_SteuerbehAnzahl", 1}, {"m_GefaessArtNr", "GB-300"},
        {"m_KomprPumpeArtNr", "K-02"}, {"m_BeistellArtNr", "BB-300"}, {"m_ZusKomprPumpeArtNr", "KZ-1"},
        {"m_SteuerModulKomp", 0}, {"m_ZubehörSteuerung", 1 | 2 | 16 | 32},
        {"m_Zub_SichVentil_ArtNr", "SV-6"}, {"m_Zub_SichVentil_Anz", 2},
        {"m_Zub_KappV_Beh_ArtNr", "KV-1"}, {"m_Zub_KappV_Beh_Anz", 1},
        {"m_Zub_Nachspeisung", 3}, {"m_Zub_Nachspeise_ArtNr", "ENA-1"}, {"m_Zub_Nachspeise_Anz", 1},
        {"m_Zub_Systemtrenner", 0}, {"m_Zub_Systemtrenner_ArtNr", "ST-1"},
        {"m_Zub_Schlamm_Anordnung", 2}, {"m_Zub_Schlamm_ArtNr_m_value", "SA-65", 1},
        {"m_Zub_Schlamm_ArtNr_m_value", "SA-65", 2}, {"m_Zub_Schlamm_ArtNr_m_value", "SA-65", 3},
        {"m_Zub_SchlammIso", 1}, {"m_Zub_SchlammIso_ArtNr_m_value", "SI-65", 1},
        {"m_Zub_SchlammIso_ArtNr_m_value", "SI-65", 3},
        {"m_Zub_AbsAbsch_ArtNr_m_value", "MB-50", 1}, {"m_Zub_AbsAbsch_Anz_m_value", 2, 1},
        {"m_Zub_ZentrAbsch_ArtNr_m_value", "ZA-50", 2}, {"m_Zub_ZentrAbsch_Anz_m_value", 1, 2},
        {"m_Zub_Lufttopf_ArtNr_m_value", "LT-1", 1}, {"m_Zub_Lufttopf_Anz_m_value", 0, 1}};
    return w;
}

// Two plain vessels, content entered as a whole, no chiller capacities, a plain make-up unit.
const QList<Feldwert>& KälteGefäße()
{
    static const QList<Feldwert> w{
        {"m_AnordnungMAG", 0}, {"Sum_Waermeleistung", 0.0}, {"m_Leist_ges", 0.0},
        {"m_EinbringBreite", 800.0}, {"m_EinbringHoehe", 2400.0}, {"Sum_V_Anlage", 0.0},
        {"m_LaengeDN50", 0.0}, {"m_VolAnlage", 3200.0},
        {"m_Temp_Vorl", 14.0}, {"m_Temp_Rückl", 20.0}, {"m_Temp_Umgeb", 40.0}, {"m_FrostZusatz", 0.0},
        {"m_p_stat", 2.0}, {"m_p_dyn", 0.0}, {"m_p_SV", 4.0}, {"m_ArtDruckhaltung", 0}, {"m_p_soll", 2.5},
        {"m_r_af", 0.87}, {"m_r_pVordruck", 2.2}, {"m_r_pend", 3.5}, {"m_r_vaus", 28.0},
        {"m_Wasservorlage", 16.0}, {"m_r_vauf", 44.0}, {"m_r_pfak", 0.49}, {"m_r_vges", 280.0},
        {"m_GefaessGruppe", 3}, {"m_GefaessAnzahl", 2}, {"m_SteuerbehAnzahl", 0}, {"m_GefaessArtNr", "MAG-140"},
        {"m_ZubehörSteuerung", 0},
        // A count is a whole number, half to even.
        {"m_Zub_SichVentil_ArtNr", "SV-6"}, {"m_Zub_SichVentil_Anz", 1.5},
        {"m_Zub_KappV_Beh_ArtNr", "KV-1"}, {"m_Zub_KappV_Beh_Anz", 0},
        {"m_Zub_Nachspeisung", 1}, {"m_Zub_Nachspeise_ArtNr", "NS-1"}, {"m_Zub_Nachspeise_Anz", 1},
        {"m_Zub_Systemtrenner", 1}, {"m_Zub_Systemtrenner_ArtNr", "ST-1"}, {"m_Zub_Schlamm_Anordnung", 0},
        {"m_Zub_SchlammIso", 0}};
    return w;
}

const QList<Feldwert>& Trinkwasser()
{
    static const QList<Feldwert> w{
        {"m_VolAnlage", 750.0}, {"m_Temp_Betr", 60.0}, {"m_p_SV", 10.0}, {"m_p_anf", 4.0},
        {"m_r_af", 1.71}, {"m_r_p_vor", 3.8}, {"m_r_pend", 9.0}, {"m_r_pfak", 0.52}, {"m_r_vaus", 13.0},
        {"m_r_vges", 25.0}, {"m_EinbringBreite", 700.0}, {"m_EinbringHoehe", 2200.0},
        {"m_GefaessArtNr", "TW-25"}, {"m_GefaessAnzahl", 1}, {"m_Zub_SichVentil_ArtNr", "SVT-10"},
        {"m_Zub_KappV_Beh_ArtNr", "KV-T"}, {"m_Zub_KappV_Beh_Anz", 2}};
    return w;
}

const QList<Feldwert>& Druckerhöhung()
{
    static const QList<Feldwert> w{
        {"m_MaxVolStrom", 123.45}, {"m_Schalthäufigkeit", 12.0}, {"m_p_Einschalt", 3.5}, {"m_p_SV", 5.0},
        {"m_r_pfak", 0.45}, {"m_r_p_vor", 3.3}, {"m_r_VolNutz", 248.0}, {"m_r_vges", 600.0},
        {"m_EinbringBreite", 900.0}, {"m_EinbringHoehe", 2500.0}, {"m_GefaessArtNr", "DE-300"},
        {"m_GefaessAnzahl", 2}, {"m_Zub_KappV_Beh_ArtNr", "KV-D"}, {"m_Zub_KappV_Beh_Anz", 1}};
    return w;
}

const QList<Feldwert>& Basis(const QString& art)
{
    if (art == Kü)
        return KälteAutomat();
    if (art == Tr)
        return Trinkwasser();
    return Druckerhöhung();
}

class Typbericht : public Typberichtsfixture {
protected:
    void Typ(const QString& art, const QList<Feldwert>& basis, const QList<Feldwert>& änderungen = {})
    {
        Anlage(art, NamenVon(art), basis + änderungen);
    }
    // The lines of the clipboard text between a heading and the next empty line.
    static QStringList Abschnitt(const QString& text, const QString& überschrift)
    {
        const QStringList z = text.split(QStringLiteral("\r\n"));
        const qsizetype i = z.indexOf(überschrift);
        if (i < 0)
            return {QStringLiteral("<keine Überschrift>")};
        QStringList r;
        for (qsizetype k = i + 2; k < z.size() && !z.at(k).isEmpty(); ++k)
            r << z.at(k).left(53).trimmed();
        return r;
    }
};

// --- Golden tender texts (mode 4) ---

struct Goldfall {
    const char* datei;
    QString art;
    const QList<Feldwert>* basis;
    QList<Feldwert> änderungen;
    int preise;
};

TEST_F(Typbericht, AusschreibungstexteByteGenau)
{
    const QList<Goldfall> fälle{
        {"kaelte_automat_preise.txt", Kü, &KälteAutomat(), {}, 1},
        {"kaelte_gefaesse_ohne_preise.txt", Kü, &KälteGefäße(), {}, 2},
        {"trinkwasser_preise.txt", Tr, &Trinkwasser(), {}, 1},
        {"trinkwasser_ohne_ventil_und_kappen.txt", Tr, &Trinkwasser(),
         {{"m_Zub_SichVentil_ArtNr", " "}, {"m_Zub_KappV_Beh_Anz", 0}}, 2},
        {"druckerhoehung_preise.txt", Dr, &Druckerhöhung(), {}, 1},
        {"druckerhoehung_ohne_kappen.txt", Dr, &Druckerhöhung(),
         {{"m_MaxVolStrom", 0.1}, {"m_Zub_KappV_Beh_Anz", 0}}, 2}};
    for (const Goldfall& f : fälle) {
        SCOPED_TRACE(f.datei);
        Typ(f.art, *f.basis, f.änderungen);
        ablage = {};
        meldungen.leeren();
        Bericht(4, f.preise);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text.toStdString();
        EXPECT_EQ(ablage.gesetzt, 1);
        vergleiche(QString::fromLatin1(f.datei), ablage.text);
    }
}

// --- Cooling branches ---

TEST_F(Typbericht, KälteMitPumpenautomatGruppe14NimmtDasKappenventilDesModuls)
{
    Typ(Kü, KälteAutomat(),
        {{"m_GefaessGruppe", 14}, {"m_KomprPumpeArtNr", "P-14"}, {"m_GefaessAnzahl", 2},
         {"m_ZubehörSteuerung", 1}, {"m_Zub_Nachspeisung", 0}, {"m_Zub_Systemtrenner", 1},
         {"m_Zub_Nachspeise_Anz", 2}});
    Bericht(4, 2);
    const QString& t = ablage.text;
    EXPECT_EQ(Abschnitt(t, QStringLiteral("Behälter zur Absicherung der Anlage:")),
              (QStringList{"1   Stück  Grundbehälter 300 l", "Bestell-Nr: GB-300", "1   Stück  Pumpeneinheit P-14",
                           "Bestell-Nr: P-14", "1   Stück  Beistellbehälter 300 l", "Bestell-Nr: BB-300",
                           "2   Stück  Membranbruchsensor", "Bestell-Nr: 22386"}));
    EXPECT_EQ(Abschnitt(t, QStringLiteral("Kappenventile, Anschlußgruppen für Ausdehnungsgefäß(e):")),
              (QStringList{"1   Stück  Kappenventil R 1", "Bestell-Nr: KV-1", "2   Stück  Kappenventil Steuermodul",
                           "Bestell-Nr: KV-M"}));
    // Without make-up the separator of a group-14 automat still follows, with the make-up count.
    EXPECT_EQ(Abschnitt(t, QStringLiteral("Weiteres Zubehör:")),
              (QStringList{"2   Stück  Systemtrenner BA", "Bestell-Nr: ST-1"}));
    EXPECT_TRUE(t.contains(QStringLiteral("  2  Stck Kappenventil Steuermodul"))) << t.toStdString();
    EXPECT_EQ(t.count(QStringLiteral("Inbetriebnahme durch den Kelvor-")), 2);
}

TEST_F(Typbericht, KälteNachspeisearten)
{
    struct Fall {
        int art;
        int gruppe;
        QStringList zubehör;
        bool hinweis;
    };
    const QList<Fall> fälle{
        {0, 3, {}, false},
        {1, 3, {"1   Stück  Nachspeisemodul", "Bestell-Nr: NS-1"}, false},
        {2, 3, {"1   Stück  Nachspeisemodul", "Bestell-Nr: NS-1"}, false},
        {2, 14, {"1   Stück  Nachspeisemodul", "Bestell-Nr: NS-1", "1   Stück  Systemtrenner BA", "Bestell-Nr: ST-1"}, true},
        {3, 3,
         {"1   Stück  Nachspeisemodul", "Bestell-Nr: NS-1", "1   Stück  Systemtrenner BA", "Bestell-Nr: ST-1"}, true},
        {1, 11, {"1   Stück  Nachspeisemodul", "Bestell-Nr: NS-1"}, true}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << "Nachspeisung " << f.art << " Gruppe " << f.gruppe);
        Typ(Kü, KälteGefäße(), {{"m_Zub_Nachspeisung", f.art}, {"m_GefaessGruppe", f.gruppe}});
        Bericht(4, 2);
        EXPECT_EQ(Abschnitt(ablage.text, QStringLiteral("Weiteres Zubehör:")), f.zubehör);
        EXPECT_EQ(ablage.text.count(QStringLiteral("Inbetriebnahme durch den Kelvor-")), f.hinweis ? 2 : 0);
    }
}

TEST_F(Typbericht, KälteMembranbruchsensorNachGruppeUndModul)
{
    struct Fall {
        int gruppe;
        int modul;
        const char* artikel;
    };
    for (const Fall& f : {Fall{9, 0, "17791"}, Fall{9, 1, "22386"}, Fall{11, 0, "22386"}}) {
        Typ(Kü, KälteAutomat(), {{"m_GefaessGruppe", f.gruppe}, {"m_SteuerModulKomp", f.modul}});
        Bericht(4, 2);
        EXPECT_TRUE(ablage.text.contains(QStringLiteral("  3   Stück  Membranbruchsensor")))
            << f.gruppe << "/" << f.modul;
        EXPECT_TRUE(ablage.text.contains(QStringLiteral("Bestell-Nr: ") + QString::fromLatin1(f.artikel)))
            << f.gruppe << "/" << f.modul;
        // "22380" and the additional compressor belong to group 9 only.
        EXPECT_EQ(ablage.text.contains(QStringLiteral("Anschluss-Set")), f.gruppe == 9);
        EXPECT_EQ(ablage.text.contains(QStringLiteral("Zusatzkompressor")), f.gruppe == 9);
    }
}

TEST_F(Typbericht, FehlenderArtikelMitApostrophEinmalGemeldet)
{
    for (const QString& art : {Kü, Tr, Dr}) {
        SCOPED_TRACE(art.toStdString());
        Typ(art, Basis(art), {{"m_Zub_KappV_Beh_ArtNr", "K'FEHLT"}});
        meldungen.leeren();
        Bericht(4, 1);
        // Listed in the short list and in the long texts, reported once.
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].textIds, (QList<int>{2361, 3020}));
        EXPECT_EQ(meldungen.boxen[0].werte, QStringList{"K'FEHLT"});
        EXPECT_TRUE(ablage.text.contains(QStringLiteral("Bestell-Nr: K'FEHLT"))) << ablage.text.toStdString();
    }
}

// --- Data sheet outcomes for every type ---

TEST_F(Typbericht, NichtBerechnetEndetDasDatenblattOhneArtikelliste)
{
    for (const QString& art : {Kü, Tr, Dr}) {
        SCOPED_TRACE(art.toStdString());
        Typ(art, Basis(art));
        Stand(false, true);
        Bericht(4, 1);
        const QString& t = ablage.text;
        EXPECT_TRUE(t.contains(QStringLiteral("\r\n\r\n\r\n               Behälter wurde noch nicht berechnet !\r\n")))
            << t.toStdString();
        EXPECT_FALSE(t.contains(QStringLiteral("Behälter zur Absicherung der Anlage:")));
        EXPECT_FALSE(t.contains(QStringLiteral("Stck ")));
        // The VAT block still closes the report.
        EXPECT_TRUE(t.contains(QStringLiteral("0,00"))) << t.toStdString();
    }
}

TEST_F(Typbericht, NichtAusgelegtMeldet2206)
{
    for (const QString& art : {Kü, Tr, Dr}) {
        Typ(art, Basis(art));
        Stand(true, false);
        meldungen.leeren();
        Bericht(4, 1);
        ASSERT_EQ(meldungen.boxen.size(), 1) << art.toStdString();
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2206});
        EXPECT_EQ(ablage.gesetzt, 0);
    }
}

// --- Names ---

TEST_F(Typbericht, JederNameDerListenGibtEsImEchtenDatenobjekt)
{
    const GlobDatenKälte kälte;
    const GlobDatenTrinkw trinkw;
    const GlobDatenDruck druck;
    const std::array<std::pair<const GlobDaten*, const QStringList*>, 3> paare{
        {{&kälte, &Berichtsnamen::Kälte()}, {&trinkw, &Berichtsnamen::Trinkwasser()},
         {&druck, &Berichtsnamen::Druckerhöhung()}}};
    for (const auto& [daten, namen] : paare) {
        EXPECT_FALSE(namen->isEmpty());
        for (const QString& n : *namen) {
            ASSERT_TRUE(daten->Member().hat(n)) << daten->Member().klasse().toStdString() << ": " << n.toStdString();
            // Read the way the report reads it.
            const MemberRegister::Art art = n.endsWith(QStringLiteral("_m_value")) ? MemberRegister::Art::Indiziert
                : n.startsWith(QStringLiteral("Sum_"))                             ? MemberRegister::Art::Methode
                : n == QStringLiteral("DBTabArtikel")                              ? MemberRegister::Art::Objekt
                                                                                   : MemberRegister::Art::Wert;
            EXPECT_EQ(daten->Member().art(n), art) << n.toStdString();
        }
    }
}

// The program's own data objects, designed and stored, give the report as they are.
TEST_F(Typbericht, EchteDatenobjekteGebenDenBericht)
{
    Drucken::SetzeErzeuger({});
    struct Fall {
        QString art;
        std::function<std::unique_ptr<GlobDaten>()> neu;
        QList<Feldwert> werte;
        const char* zeile;
    };
    const QList<Fall> fälle{
        {Kü, [] { return std::make_unique<GlobDatenKälte>(); },
         {{"m_GefaessGruppe", 3}, {"m_GefaessAnzahl", 2}, {"m_SteuerbehAnzahl", 0}, {"m_GefaessArtNr", "MAG-140"},
          {"m_Zub_Schlamm_Anordnung", 1}, {"m_Zub_Schlamm_ArtNr_m_value", "SA-80", 2}, {"m_Zub_SchlammIso", 0}},
         "  1   Stück  Schlammabscheider DN 80"},
        {Tr, [] { return std::make_unique<GlobDatenTrinkw>(); },
         {{"m_GefaessArtNr", "TW-25"}, {"m_GefaessAnzahl", 1}, {"m_Zub_SichVentil_ArtNr", "SVT-10"}},
         "  1   Stück  Trinkwasser-Sicherheitsventil 10 bar"},
        {Dr, [] { return std::make_unique<GlobDatenDruck>(); },
         {{"m_GefaessArtNr", "DE-300"}, {"m_GefaessAnzahl", 2}, {"m_p_SV", 5.5}},
         "Ausschaltdruck (bar):                                                        5,5"}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.art.toStdString());
        zustand().Projektart = f.art;
        {
            const std::unique_ptr<GlobDaten> d = f.neu();
            ASSERT_EQ(d->Init(), 0);
            for (const Feldwert& w : f.werte + QList<Feldwert>{{"m_IstBerechnet", true}, {"m_IstAusgelegt", true}}) {
                if (w.index > 0)
                    d->schreibe(QString::fromUtf8(w.name), {VbVariant::integer(static_cast<int16_t>(w.index))}, w.wert);
                else
                    d->schreibe(QString::fromUtf8(w.name), w.wert);
            }
        }
        ablage = {};
        meldungen.leeren();
        Bericht(4, 2);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text.toStdString();
        EXPECT_TRUE(ablage.text.contains(QString::fromUtf8(f.zeile))) << ablage.text.toStdString();
        EXPECT_TRUE(ablage.text.contains(QStringLiteral("Behälter zur Absicherung der Anlage:")));
    }
}

TEST_F(Typbericht, FehlenderNameBeendetDenBerichtMitMeldungOhneHalbenText)
{
    for (const QString& art : {Kü, Tr, Dr}) {
        SCOPED_TRACE(art.toStdString());
        // The last name of the list is read last; its absence must stop the report before a line.
        QStringList ohne = NamenVon(art);
        const QString fehlt = ohne.takeLast();
        Anlage(art, ohne, Basis(art));
        ablage = {};
        ablage.text = QStringLiteral("vorher");
        for (int modus : {1, 2, 4, 5}) {
            meldungen.leeren();
            gaeb.clear();
            if (modus == 1)
                Vorschau(1);
            else
                Bericht(modus, 1);
            ASSERT_EQ(meldungen.boxen.size(), 1) << modus;
            EXPECT_EQ(meldungen.boxen[0].art, 6) << modus;
            EXPECT_TRUE(meldungen.boxen[0].text.contains(fehlt)) << meldungen.boxen[0].text.toStdString();
            EXPECT_FALSE(gaeb.contains(QStringLiteral("gespeichert"))) << modus;
            EXPECT_FALSE(gaeb.contains(QStringLiteral("ende"))) << modus;
        }
        // The clipboard keeps what it had.
        EXPECT_EQ(ablage.gesetzt, 0);
        EXPECT_EQ(ablage.geleert, 0);
        EXPECT_EQ(ablage.text, QStringLiteral("vorher"));
    }
}

// --- Tender file ---

TEST_F(Typbericht, AusschreibungsdateiKälteMitZusammengefasstenAbscheidern)
{
    Typ(Kü, KälteAutomat());
    Bericht(5, 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text.toStdString();
    QStringList positionen;
    for (const QString& z : gaeb)
        if (z.startsWith(QStringLiteral("pos ")))
            positionen << z;
    EXPECT_EQ(positionen,
              (QStringList{"pos 1 0 1 Grundbehälter 300 l", "pos 2 0 1 Kompressoreinheit K-02",
                           "pos 3 0 2 Beistellbehälter 300 l", "pos 4 0 2 Anschluss-Set Beistellbehälter",
                           "pos 5 0 1 Zusatzkompressor", "pos 6 0 3 Membranbruchsensor Kompressorautomat",
                           "pos 7 0 1 Impulswasserzähler", "pos 8 0 1 Fernanzeige",
                           "pos 9 0 2 Sicherheitsventil 6 bar", "pos 10 0 1 Kappenventil R 1",
                           "pos 11 0 1 Entgasungs- und Nachspeiseautomat", "pos 12 0 1 Systemtrenner BA",
                           "pos 13 0 3 Schlammabscheider DN 65", "pos 14 0 2 Dämmschale Schlammabscheider DN 65",
                           "pos 15 0 2 Mikroblasenabscheider DN 50", "pos 16 0 1 Zentrifugalabscheider DN 50"}));
    ASSERT_GE(gaeb.size(), 8);
    EXPECT_EQ(gaeb.first(), QStringLiteral("kopf Rechenzentrum Nord"));
    EXPECT_EQ(gaeb.mid(gaeb.size() - 7),
              (QStringList{"hinweis", "lang Inbetriebnahme durch den Kelvor-", "lang Kundendienst beträgt innerhalb der",
                           "lang Bundesrepublik Deutschland", "lang 260,- EUR Netto als Pauschalpreis.", "ende",
                           "gespeichert"}));
}

TEST_F(Typbericht, AusschreibungsdateiTrinkwasserUndDruckerhöhung)
{
    Typ(Tr, Trinkwasser(), {{"m_Zub_SichVentil_ArtNr", " "}});
    Bericht(5, 1);
    EXPECT_EQ(gaeb.filter(QRegularExpression(QStringLiteral("^pos "))),
              (QStringList{"pos 1 0 1 Trinkwasser-Ausdehnungsgefäß 25 l", "pos 2 0 2 Kappenventil Rp 3/4"}));
    EXPECT_TRUE(gaeb.contains(QStringLiteral("lang Durchmesser  280 mm, Höhe  490 mm"))) << gaeb.join(u'|').toStdString();
    gaeb.clear();
    Typ(Dr, Druckerhöhung(), {{"m_Zub_KappV_Beh_Anz", 0}});
    Bericht(5, 1);
    EXPECT_EQ(gaeb.filter(QRegularExpression(QStringLiteral("^pos "))),
              (QStringList{"pos 1 0 2 Druckausdehnungsgefäß 300 l"}));
    EXPECT_EQ(gaeb.last(), QStringLiteral("gespeichert"));
}

// --- Printer and preview ---

// A text call of the recorder: page (from 1), line on the page and text.
struct Gezeichnet {
    int seite;
    int zeile;
    QString text;
    bool linie;
};

// Printer geometry of the recorder job: top margin 207 twips, 220 twips a line.
QList<Gezeichnet> Zeilen(const QStringList& aufrufe)
{
    static const QRegularExpression textmuster(QStringLiteral("^text (\\S+) (\\S+) (.*) (#[0-9a-f]{6})$"));
    static const QRegularExpression linienmuster(QStringLiteral("^linie \\S+ (\\S+) \\S+ \\S+ "));
    QList<Gezeichnet> r;
    int seite = 1;
    for (const QString& a : aufrufe) {
        if (a == QStringLiteral("seite")) {
            ++seite;
            continue;
        }
        if (const auto m = textmuster.match(a); m.hasMatch()) {
            r.append({seite, qRound((m.captured(2).toDouble() - 207) / 220), m.captured(3), false});
        } else if (const auto l = linienmuster.match(a); l.hasMatch()) {
            const double y = (l.captured(1).toDouble() - 207) / 220;
            // Overlines lie on a line's top edge, middle rules half a line lower.
            if (qAbs(y - qRound(y)) < 0.01)
                r.append({seite, qRound(y), QString(), true});
        }
    }
    return r;
}

TEST_F(Typbericht, DruckHältÜberschriftenUndArtikelzeilenZusammen)
{
    const QStringList überschriften{QStringLiteral("Weitere sicherheitstechnische Einrichtungen:"),
                                    QStringLiteral("Kappenventile, Anschlußgruppen für Ausdehnungsgefäß(e):"),
                                    QStringLiteral("Weiteres Zubehör:"), QStringLiteral("Sicherheitsventil:"),
                                    QStringLiteral("Kappenventile:")};
    for (const QString& art : {Kü, Tr, Dr}) {
        Typ(art, Basis(art));
        // From 14 to 40 lines a page, so that every heading meets the page end somewhere.
        for (int zeilen = 14; zeilen <= 40; ++zeilen) {
            SCOPED_TRACE(testing::Message() << art.toStdString() << " " << zeilen << " Zeilen");
            drucker.seitenhöhe = 1985 + 220.0 * zeilen;
            for (int modus : {2, 3}) {
                drucker.aufrufe.clear();
                Bericht(modus, 1);
                const QList<Gezeichnet> z = Zeilen(drucker.aufrufe);
                ASSERT_FALSE(z.isEmpty());
                for (qsizetype i = 0; i < z.size(); ++i) {
                    const Gezeichnet& g = z.at(i);
                    ASSERT_LT(g.zeile, zeilen) << g.text.toStdString();
                    if (überschriften.contains(g.text)) {
                        EXPECT_LE(g.zeile, zeilen - 4) << g.text.toStdString();
                        ASSERT_LT(i + 1, z.size());
                        // Its overline right below, on the same page.
                        EXPECT_TRUE(z.at(i + 1).linie && z.at(i + 1).seite == g.seite &&
                                    z.at(i + 1).zeile == g.zeile + 1)
                            << g.text.toStdString();
                    }
                    // The order-number line stays with its article line.
                    if (g.text.contains(QStringLiteral("Bestell-Nr:"))) {
                        ASSERT_GT(i, 0);
                        EXPECT_EQ(z.at(i - 1).seite, g.seite) << g.text.toStdString();
                        EXPECT_TRUE(z.at(i - 1).text.contains(QStringLiteral("Stück"))) << g.text.toStdString();
                    }
                }
            }
        }
    }
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Typbericht, DruckUndVorschauFolgenDenSeitenfolgen)
{
    struct Fall {
        QString art;
        const char* kurz;
        const char* lang;
        const char* datenblatt;
        const char* überschrift;
    };
    const QList<Fall> fälle{
        {Kü, "Kurztext Kälteanlage", "Langtext Kälteanlage", "Es wurde eine Kälteanlage projektiert",
         "Behälter zur Absicherung der Anlage:"},
        {Tr, "Kurztext Trinkwasseranlage", "Langtext Trinkwasseranlage", "Es wurde eine Trinkwasseranlage projektiert",
         "Behälter zur Absicherung der Anlage:"},
        {Dr, "Kurztext Druckerhöhungsanlage", "Langtext Druckerhöhungsanlage",
         "Es wurde eine Druckerhöhungsanlage projektiert", "Behälter zur Absicherung der Anlage:"}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.art.toStdString());
        Typ(f.art, Basis(f.art));
        drucker.dokumente.clear();
        drucker.seitenhöhe = 15840;

        drucker.aufrufe.clear();
        Bericht(2, 2);
        QList<Gezeichnet> z = Zeilen(drucker.aufrufe);
        const auto finde = [&z](const QString& text) {
            for (const Gezeichnet& g : z)
                if (g.text == text)
                    return g;
            return Gezeichnet{0, -1, QString(), false};
        };
        // Data sheet on page 1; the article list opens page 2 under the short-list header.
        EXPECT_EQ(finde(QString::fromUtf8(f.datenblatt)).seite, 1);
        const Gezeichnet liste = finde(QString::fromUtf8(f.überschrift));
        EXPECT_EQ(liste.seite, 2);
        EXPECT_EQ(liste.zeile, 5);
        const int lieferant = finde(QStringLiteral("Ihr Lieferant:")).seite;
        EXPECT_GE(lieferant, 2);
        EXPECT_FALSE(drucker.aufrufe.join(u'\n').contains(QStringLiteral("Stck ")));

        // The long text adds the positions on a page of their own.
        drucker.aufrufe.clear();
        Bericht(3, 2);
        z = Zeilen(drucker.aufrufe);
        int ersteposition = 0;
        for (const Gezeichnet& g : z)
            if (g.text.startsWith(QStringLiteral(" 01  ")) && !ersteposition)
                ersteposition = g.seite;
        EXPECT_EQ(ersteposition, lieferant + 1);
        EXPECT_EQ(drucker.dokumente, (QStringList{QString::fromUtf8(f.kurz), QString::fromUtf8(f.lang)}));

        // The preview shows the article list without a data sheet.
        const QStringList vorschau = Vorschau(1).filter(QRegularExpression(QStringLiteral("^text ")));
        EXPECT_TRUE(vorschau.join(u'\n').contains(QString::fromUtf8(f.überschrift)));
        EXPECT_FALSE(vorschau.join(u'\n').contains(QString::fromUtf8(f.datenblatt)));
        EXPECT_TRUE(vorschau.join(u'\n').contains(QStringLiteral("MwSt-Satz"))) << vorschau.join(u'\n').toStdString();
    }
    EXPECT_EQ(vorschauen, 3);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.boxen.value(0).text.toStdString();
}

} // namespace
