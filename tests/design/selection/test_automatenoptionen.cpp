#include <gtest/gtest.h>

#include "Auswahlfixture.h"
#include "design/selection/Automatenoptionen.h"
#include "support/QStringAusgabe.h"

namespace {

// An automat group chosen on the vessel page: N vessels of the given content, stored settings.
class Optionstest : public Auswahltest {
protected:
    void automat(int16_t gruppe, int n, int modul, bool zusatz = false, bool wechsel = false, int bits = 0,
                 int inhalt = 500, const QString& art = QStringLiteral("He"))
    {
        anlage(art);
        (*d)["m_ArtMembran"] = VbVariant::lng(1);
        (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
        laden();
        l->m_gruppeNr = gruppe;
        (*d)["m_GefaessAnzahl"] = VbVariant(static_cast<double>(n));
        (*d)["m_GefaessInhalt"] = VbVariant::lng(inhalt);
        (*d)["m_SteuerbehAnzahl"] = VbVariant(1.0);
        (*d)["m_SteuerModulKomp"] = VbVariant::integer(static_cast<int16_t>(modul));
        (*d)["m_ZusKomprPumpe"] = VbVariant(zusatz);
        (*d)["m_Wechselstörschalt"] = VbVariant(wechsel);
        (*d)["m_ZubehörSteuerung"] = VbVariant::integer(static_cast<int16_t>(bits));
    }
    QList<int> sichtbar(const Optionsdialoglogik& o) const
    {
        QList<int> s;
        for (int k = 0; k < 10; ++k)
            if (o.kästen()[static_cast<size_t>(k)].sichtbar)
                s << k;
        return s;
    }
    int modul() { return (*d)["m_SteuerModulKomp"].toLong(); }
    bool z() { return (*d)["m_ZusKomprPumpe"].toBool(); }
    bool w() { return (*d)["m_Wechselstörschalt"].toBool(); }
    int bits() { return (*d)["m_ZubehörSteuerung"].toLong(); }
};

// --- Groups 9 and 11 ---

TEST_F(Optionstest, LadenNormalisiertModulGrenzenUndAngebot)
{
    struct Fall {
        int16_t gruppe;
        int n, modul;
        // expected
        int modulNeu, unten, oben, s;
        bool anzahlAktiv, listeAktiv;
        QList<int> kästen;
        bool zusatzAktiv;
    };
    const Fall fälle[] = {
        {9, 5, 0, 1, 2, 3, 2, true, false, {0, 1, 2}, false},
        {9, 1, 0, 0, 1, 1, 1, false, true, {0, 1, 2, 3, 5, 6, 8, 9}, true},
        {9, 2, 2, 0, 1, 1, 1, false, true, {0, 1, 2, 3, 5, 6, 8, 9}, true},
        {9, 9, 1, 1, 3, 3, 3, false, false, {0, 1, 2}, false},
        {9, 3, 1, 1, 1, 3, 1, true, true, {0, 1, 2}, true},
        {11, 2, 3, 1, 1, 1, 1, false, true, {1, 2}, false},
        {11, 3, 2, 2, 1, 1, 1, false, true, {1, 2}, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("%1/%2/%3").arg(f.gruppe).arg(f.n).arg(f.modul).toStdString());
        automat(f.gruppe, f.n, f.modul, false, false, 0xFF);
        Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
        o.Laden();
        EXPECT_EQ(modul(), f.modulNeu);
        EXPECT_EQ(o.untereGrenze(), f.unten);
        EXPECT_EQ(o.obereGrenze(), f.oben);
        EXPECT_EQ(d->zahl("m_SteuerbehAnzahl"), f.s);
        EXPECT_EQ(o.anzahlText(), QString::number(f.s));
        EXPECT_EQ(o.anzahlAktiv(), f.anzahlAktiv);
        EXPECT_EQ(o.modulListeAktiv(), f.listeAktiv);
        EXPECT_EQ(sichtbar(o), f.kästen);
        EXPECT_EQ(o.kästen()[0].aktiv, f.zusatzAktiv);
        // Only the bits of visible accessory boxes survive.
        for (int k = 2; k < 10; ++k)
            EXPECT_EQ((bits() & ZubehörSteuerungBit::VonKasten(k)) != 0, f.kästen.contains(k)) << k;
        EXPECT_EQ(o.module().size(), f.gruppe == 9 ? 2 : 3);
        EXPECT_EQ(o.module()[o.modulIndex()].wert, f.modulNeu);
    }
}

TEST_F(Optionstest, KDXWechselNurMitZusatzkompressor)
{
    automat(9, 1, 0);
    Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    o.KastenGeklickt(1, true);
    EXPECT_TRUE(w());
    EXPECT_TRUE(z());
    EXPECT_TRUE(o.kästen()[0].gesetzt);
    o.KastenGeklickt(0, false);
    EXPECT_FALSE(z());
    EXPECT_FALSE(w());
    EXPECT_FALSE(o.kästen()[1].gesetzt);
}

TEST_F(Optionstest, ModulwechselLöschtZusatzWechselUndZubehör)
{
    automat(9, 2, 0, true, true, 32 | 4 | 1);
    Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    EXPECT_TRUE(z());
    o.ModulGewählt(1);  // F
    EXPECT_FALSE(z());
    EXPECT_FALSE(w());
    EXPECT_EQ(bits(), 1);  // only the membrane rupture sensor stays
    EXPECT_EQ(sichtbar(o), (QList<int>{0, 1, 2}));
    EXPECT_TRUE(o.anzahlAktiv());  // 1..2 control vessels
    o.ModulGewählt(0);
    EXPECT_EQ(sichtbar(o), (QList<int>{0, 1, 2, 3, 5, 6, 8, 9}));
    EXPECT_FALSE(o.kästen()[3].gesetzt);
    EXPECT_EQ(d->zahl("m_SteuerbehAnzahl"), 1);
}

TEST_F(Optionstest, FMitEinemSteuerbehälterKoppeltZusatzUndWechsel)
{
    automat(9, 3, 1);
    Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    o.KastenGeklickt(0, true);
    EXPECT_TRUE(w());
    o.KastenGeklickt(1, false);
    EXPECT_FALSE(z());
    // Two control vessels: the extra compressor is off and locked, the changeover free.
    (*d)["m_SteuerbehAnzahl"] = VbVariant(2.0);
    o.AnzahlValidiert(false);
    EXPECT_FALSE(o.kästen()[0].aktiv);
    o.KastenGeklickt(1, true);
    EXPECT_TRUE(w());
    EXPECT_FALSE(z());
    // Back to one: the extra compressor follows the changeover again.
    (*d)["m_SteuerbehAnzahl"] = VbVariant(1.0);
    o.AnzahlValidiert(false);
    EXPECT_TRUE(z());
    EXPECT_TRUE(o.kästen()[0].aktiv);
}

TEST_F(Optionstest, AnzahlfeldNimmtNurZiffernInDenGrenzen)
{
    automat(9, 5, 1);
    Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    for (const QChar c : QStringLiteral("23"))
        EXPECT_TRUE(o.AnzahlZeichen(c)) << QString(c).toStdString();
    for (const QChar c : QStringLiteral("14a ,\b"))
        EXPECT_FALSE(o.AnzahlZeichen(c)) << QString(c).toStdString();
    o.AnzahlValidiert(true);  // an emptied box: the lower bound is shown
    EXPECT_EQ(o.anzahlText(), QStringLiteral("2"));
}

TEST_F(Optionstest, Gruppe11WechselUndModulD)
{
    automat(11, 1, 1);
    Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    o.ModulGewählt(2);
    EXPECT_TRUE(w());
    o.ModulGewählt(0);
    EXPECT_FALSE(w());
    o.KastenGeklickt(1, true);
    EXPECT_EQ(modul(), 2);
    o.KastenGeklickt(1, false);
    EXPECT_EQ(modul(), 1);
    EXPECT_EQ(o.module()[o.modulIndex()].wert, 1);
}

TEST_F(Optionstest, AndereGruppeOhneModulliste)
{
    automat(60, 7, 2);
    Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    EXPECT_TRUE(o.module().isEmpty());
    EXPECT_EQ(modul(), 0);
    EXPECT_EQ(d->zahl("m_SteuerbehAnzahl"), 3);  // 7 / 3 rounded up
}

TEST_F(Optionstest, HostlaufSchließtSofortUndSetztFlagZurück)
{
    automat(9, 1, 0);
    l->autoBearbeitungUnterformAutomaten = true;
    Automatenoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    EXPECT_TRUE(o.Aktivieren());
    EXPECT_FALSE(l->autoBearbeitungUnterformAutomaten);
    EXPECT_FALSE(o.Aktivieren());
}

// --- Group 14 ---

TEST_F(Optionstest, PumpenautomatEntscheidetModulBeimLaden)
{
    struct Fall {
        bool einzel, wechsel, last;
        int modul;
        bool wechselVorher;
        int option;
        bool wechselNachher;
    };
    const Fall fälle[] = {
        {true, false, false, 1, true, 0, false},   // only single: twin module dropped
        {false, true, true, 0, true, 1, true},     // both twin modes: module 1, changeover kept
        {false, true, false, 0, false, 1, true},   // only alternating: changeover on
        {false, false, true, 0, true, 1, false},   // only load-dependent: changeover off
        {true, true, false, 1, false, 1, false},   // twin possible and chosen: unchanged
        {true, true, true, 3, true, 0, true},      // another stored value counts as 0
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("%1%2%3 %4").arg(f.einzel).arg(f.wechsel).arg(f.last).arg(f.modul).toStdString());
        automat(14, 3, f.modul, true, f.wechselVorher, 0xFF);
        (*d)["m_SteuerbehAnzahl"] = VbVariant(3.0);
        l->Betriebsmöglichkeit_UNAR_Einzelbetrieb = f.einzel;
        l->Betriebsmöglichkeit_BIAR_Wechselstörbetrieb = f.wechsel;
        l->Betriebsmöglichkeit_BIAR_lastabhängig = f.last;
        Pumpenautomatoptionen o(d->reg(), QStringLiteral("He"), *l);
        o.Laden();
        EXPECT_FALSE(o.fehlgeschlagen());
        EXPECT_EQ(o.option(), f.option);
        EXPECT_EQ(modul(), f.option);
        EXPECT_EQ(w(), f.wechselNachher);
        EXPECT_EQ(d->zahl("m_SteuerbehAnzahl"), 1);
        EXPECT_FALSE(z());
        EXPECT_EQ(bits() & 1, 0);
        EXPECT_EQ(sichtbar(o), (QList<int>{1, 3, 4, 5, 6, 7, 8, 9}));
        EXPECT_TRUE(rec.boxen.isEmpty());
    }
}

TEST_F(Optionstest, PumpenautomatVerweigertUnmöglicheBetriebsart)
{
    struct Fall {
        bool einzel, wechsel, last;
        int modul;
        bool wechsel0;
        int aktion;  // 0: option single, 1: option twin, 2: changeover on, 3: changeover off
        QString meldung;  // the refused module, empty: no message
        int option;
        bool wechselNachher;
    };
    const Fall fälle[] = {
        {true, false, false, 0, false, 1, LadeText(2311), 0, false},
        {false, true, true, 1, true, 0, LadeText(2310), 1, true},
        {false, true, false, 1, true, 3, LadeText(2313), 1, true},
        {false, false, true, 1, false, 2, LadeText(2312), 1, false},
        {true, false, false, 0, false, 2, LadeText(2311), 0, false},
        {true, true, false, 0, false, 2, QString(), 1, true},
        {true, true, false, 1, true, 3, LadeText(2313), 1, true},
        {true, true, false, 1, true, 0, QString(), 0, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("%1%2%3 action %4").arg(f.einzel).arg(f.wechsel).arg(f.last).arg(f.aktion).toStdString());
        automat(14, 1, f.modul, false, f.wechsel0);
        l->Betriebsmöglichkeit_UNAR_Einzelbetrieb = f.einzel;
        l->Betriebsmöglichkeit_BIAR_Wechselstörbetrieb = f.wechsel;
        l->Betriebsmöglichkeit_BIAR_lastabhängig = f.last;
        Pumpenautomatoptionen o(d->reg(), QStringLiteral("He"), *l);
        o.Laden();
        rec.leeren();
        if (f.aktion < 2)
            o.OptionGeklickt(f.aktion);
        else
            o.WechselGeklickt(f.aktion == 2);
        if (f.meldung.isEmpty()) {
            EXPECT_TRUE(rec.boxen.isEmpty());
        } else {
            ASSERT_EQ(rec.boxen.size(), 1);
            EXPECT_EQ(rec.boxen[0].art, 3);
            EXPECT_EQ(rec.boxen[0].vorlage, LadeText(2309) + LadeText(3020));
            EXPECT_EQ(rec.boxen[0].werte.value(0), f.meldung);
        }
        EXPECT_EQ(o.option(), f.option);
        EXPECT_EQ(modul(), f.option);
        EXPECT_EQ(w(), f.wechselNachher);
        EXPECT_EQ(o.kästen()[1].gesetzt, f.wechselNachher);
    }
}

TEST_F(Optionstest, PumpenautomatOhneBetriebsartMeldetUndSchließt)
{
    automat(14, 2, 1, true, true, 1);
    (*d)["m_p_soll"] = VbVariant(3.5);
    (*d)["m_Leist_ges"] = VbVariant(20001.0);
    Pumpenautomatoptionen o(d->reg(), QStringLiteral("He"), *l);
    o.Laden();
    EXPECT_TRUE(o.fehlgeschlagen());
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].werte.value(0), QString());
    EXPECT_EQ(modul(), 1);  // the module stays as stored
    EXPECT_EQ(d->zahl("m_SteuerbehAnzahl"), 1);
    EXPECT_FALSE(z());
    EXPECT_EQ(bits(), 0);
    EXPECT_TRUE(o.AktivierenMitFehler());
}

TEST_F(Optionstest, WärmedämmungNachInhaltUndArtikel)
{
    struct Fall {
        int inhalt;
        bool aktivNachLaden;
        bool gesetzt;
        bool meldung;
    };
    const Fall fälle[] = {{1000, true, true, false}, {1500, true, false, true}, {3000, false, false, false}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.inhalt);
        automat(14, 1, 0, false, false, 16, f.inhalt);
        l->Betriebsmöglichkeit_UNAR_Einzelbetrieb = true;
        Pumpenautomatoptionen o(d->reg(), QStringLiteral("He"), *l);
        o.Laden();
        EXPECT_EQ(o.kästen()[7].aktiv, f.aktivNachLaden);
        EXPECT_EQ(o.kästen()[7].gesetzt, f.inhalt <= 2000);
        rec.leeren();
        o.KastenGeklickt(7, true);
        EXPECT_EQ(o.kästen()[7].gesetzt, f.gesetzt);
        EXPECT_EQ((bits() & 16) != 0, f.gesetzt);
        EXPECT_EQ(meldungen(), f.meldung ? QStringList{QStringLiteral("4:2376(1500)")} : QStringList{});
    }
}

TEST_F(Optionstest, KältePumpenautomatOhneDämmung)
{
    automat(14, 1, 0, false, false, 16 | 2, 500, QStringLiteral("Kü"));
    l->Betriebsmöglichkeit_UNAR_Einzelbetrieb = true;
    l->autoBearbeitungUnterformAutomaten = true;
    Pumpenautomatoptionen o(d->reg(), QStringLiteral("Kü"), *l);
    o.Laden();
    EXPECT_FALSE(o.kästen()[7].sichtbar);
    EXPECT_EQ(bits(), 2);
    EXPECT_FALSE(o.AktivierenMitFehler());  // cooling does not read the host flag
}

// --- Completion on the page ---

TEST_F(Auswahltest, AutomatenWerdenJeGruppeVervollständigt)
{
    struct Fall {
        int16_t gruppe;
        double anzahl;
        int steuer;       // control vessels the dialog leaves
        const char* einheit;
        const char* beistell;
        bool dialog;
    };
    const Fall fälle[] = {
        {9, 3, 1, "21011", "43002", true},
        {11, 2, 1, "21112", "43103", true},
        {14, 1, 1, "21300", " ", true},
        {60, 3, 1, "21201", "43305", false},  // plain volume: 3 x 500 l
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.gruppe);
        anlage();
        (*d)["m_ArtMembran"] = VbVariant::lng(1);
        (*d)["m_ArtDruckhaltung"] = VbVariant::lng(f.gruppe == 60 ? 0 : 1);
        (*d)["m_r_vauf"] = VbVariant(270.0 * f.anzahl);
        (*d)["m_p_SV"] = VbVariant(5.0);
        (*d)["m_p_soll"] = VbVariant(3.5);
        (*d)["m_GefaessAnzahl"] = VbVariant(f.anzahl);
        seite.dialoge.clear();
        seite.beiOptionen = [&](int16_t) { (*d)["m_SteuerbehAnzahl"] = VbVariant(static_cast<double>(f.steuer)); };
        laden();
        l->Command1_Click(index(f.gruppe));
        EXPECT_EQ(seite.dialoge.size(), f.dialog ? 1 : 0);
        EXPECT_EQ(d->text("m_KomprPumpeArtNr"), QString::fromUtf8(f.einheit));
        EXPECT_EQ(d->text("m_BeistellArtNr"), QString::fromUtf8(f.beistell));
        EXPECT_EQ(seite.kommando[2], 1);
        EXPECT_EQ(l->block().steuerbehälter, QString::number(f.steuer));
        EXPECT_TRUE(l->block().übersicht);
        EXPECT_TRUE(meldungen().isEmpty()) << meldungen().join(QLatin1Char(';')).toStdString();
    }
}

TEST_F(Auswahltest, Gruppe60HatFesteOptionen)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ZubehörSteuerung"] = VbVariant::integer(0xFF);
    (*d)["m_SteuerModulKomp"] = VbVariant::integer(2);
    laden();
    l->Command1_Click(index(60));
    EXPECT_EQ(d->zahl("m_SteuerbehAnzahl"), 1);
    EXPECT_EQ((*d)["m_SteuerModulKomp"].toLong(), 0);
    EXPECT_TRUE((*d)["m_ZusKomprPumpe"].toBool());
    EXPECT_TRUE((*d)["m_Wechselstörschalt"].toBool());
    EXPECT_EQ((*d)["m_ZubehörSteuerung"].toLong(), 0);
}

TEST_F(Auswahltest, KeinKompressorMeldung2359UndAuswahlGelöscht)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
    (*d)["m_Leist_ges"] = VbVariant(1e6);
    (*d)["m_p_SV"] = VbVariant(5.0);
    (*d)["m_p_soll"] = VbVariant(4.5);
    laden();
    l->Command1_Click(index(9));
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("4:2359(Kompressor-Druckhalteautomat,500)")});
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral(" "));
    EXPECT_EQ(seite.kommando[2], 0);
}

TEST_F(Auswahltest, BeistellbehälterFehltMeldung2360)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
    (*d)["m_p_SV"] = VbVariant(8.0);  // only the 10-bar vessels: group 30 has no 1000 l at 10 bar
    (*d)["m_p_soll"] = VbVariant(3.5);
    (*d)["m_r_vauf"] = VbVariant(1800.0);
    (*d)["m_GefaessAnzahl"] = VbVariant(2.0);
    seite.beiOptionen = [&](int16_t) { (*d)["m_SteuerbehAnzahl"] = VbVariant(1.0); };
    laden();
    l->Command1_Click(index(9));
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral("40909"));
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("4:2360(Kompressor-Druckhalteautomat,1000)")});
    EXPECT_EQ(d->text("m_BeistellArtNr"), QStringLiteral(" "));
    EXPECT_EQ(seite.kommando[2], 1);  // base vessel and unit stay
}

TEST_F(Auswahltest, KompressorgrößeNachInhaltUndHalbeLeistung)
{
    // The unit found for half or full output; the search starts at R-02 above 1200 l.
    anlage();
    (*d)["m_Leist_ges"] = VbVariant(800.0);
    (*d)["m_p_soll"] = VbVariant(3.0);
    laden();
    l->m_gruppeNr = 9;
    auto einheit = [&](int inhalt, int modul, bool zusatz, bool wechsel, int steuer) {
        (*d)["m_GefaessInhalt"] = VbVariant::lng(inhalt);
        (*d)["m_SteuerModulKomp"] = VbVariant::integer(static_cast<int16_t>(modul));
        (*d)["m_ZusKomprPumpe"] = VbVariant(zusatz);
        (*d)["m_Wechselstörschalt"] = VbVariant(wechsel);
        (*d)["m_SteuerbehAnzahl"] = VbVariant(static_cast<double>(steuer));
        EXPECT_TRUE(l->Ermittle_Pumpe_Kompressor_Steuermodul(9));
        return d->text("m_KomprPumpeArtNr");
    };
    EXPECT_EQ(einheit(1200, 0, false, false, 1).left(4), QStringLiteral("2101"));
    EXPECT_EQ(einheit(1201, 0, false, false, 1).left(4), QStringLiteral("2102"));
    const QString voll = einheit(500, 0, true, true, 1);
    const QString halb = einheit(500, 0, true, false, 1);
    EXPECT_LE(halb, voll);
    EXPECT_EQ(d->text("m_ZusKomprPumpeArtNr").right(1), QStringLiteral("3"));  // looked up with "ZK"
    const QString fHalb = einheit(500, 1, false, false, 2);
    EXPECT_EQ(fHalb.right(1), QStringLiteral("2"));  // module code "F"
    EXPECT_LE(fHalb, einheit(500, 1, false, true, 2));
}

}  // namespace
