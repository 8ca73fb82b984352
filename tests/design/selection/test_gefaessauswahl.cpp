#include <gtest/gtest.h>

#include <QHash>

#include <functional>
#include <memory>

#include "Gruppenslots.h"
#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "data/Recordset.h"
#include "design/selection/Artikelauswahl.h"
#include "design/selection/Gefaessauswahl.h"
#include "support/ArtikelFixture.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"

namespace {

// A data object that offers exactly the members the page names for its type.
class Wasserobjekt {
public:
    explicit Wasserobjekt(const QString& art) : m_reg(QStringLiteral("Gefäßobjekt ") + art)
    {
        for (const QString& name : Gefäßauswahl::Membernamen(art)) {
            werte.insert(name, VbVariant());
            m_reg.wert(name, [this, name] { return werte.value(name); },
                       [this, name](const VbVariant& w) { werte[name] = w; });
        }
    }
    MemberRegister& reg() { return m_reg; }
    VbVariant& operator[](const char* name)
    {
        const QString n = QString::fromUtf8(name);
        EXPECT_TRUE(werte.contains(n)) << name;
        return werte[n];
    }
    QHash<QString, VbVariant> werte;

private:
    MemberRegister m_reg;
};

class Testseite : public Gefäßauswahlkern::Seite {
public:
    void Kommando(int e, int z, int w) override { kommando = QStringLiteral("%1%2%3").arg(e).arg(z).arg(w); }
    void SaveKommandoButtons() override { ablauf << QStringLiteral("save"); }
    void LoadKommandoButtons() override { ablauf << QStringLiteral("load"); }
    void Aktualisieren() override { ++aktualisiert; }
    QString kommando;
    QStringList ablauf;
    int aktualisiert = 0;
};

// The article dialog as a test drives it: the action sees the dialog logic on the page's list.
class Testdialog : public Artikelauswahldialog {
public:
    explicit Testdialog(std::function<void(Artikelauswahl&)> aktion) : m_aktion(std::move(aktion))
    {
        m_vorher = artikelauswahlDialog();
        setzeArtikelauswahlDialog(this);
    }
    ~Testdialog() override { setzeArtikelauswahlDialog(m_vorher); }
    void Zeige() override
    {
        seite->ablauf << QStringLiteral("dialog:") + seite->kommando;
        Artikelauswahl a(*rufer);
        a.Laden();
        if (m_aktion)
            m_aktion(a);
    }
    Artikelauswahlrufer* rufer = nullptr;
    Testseite* seite = nullptr;

private:
    std::function<void(Artikelauswahl&)> m_aktion;
    Artikelauswahldialog* m_vorher = nullptr;
};

QStringList ArtNrn(const Recordset& rs)
{
    QStringList l;
    const int spalte = rs.FeldIndex(QStringLiteral("Art Nr"));
    for (int i = 0; i < rs.Anzahl(); ++i)
        l << rs.ZeilenWert(i, spalte).toString();
    return l;
}

// A calculated plant of the type: door 1000 mm, room 2000 mm, one vessel, nothing chosen.
class Gefäßwahl : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    }
    void TearDown() override
    {
        l.reset();
        zustandZuruecksetzen();
    }
    Wasserobjekt& anlage(const QString& art, double volumen, double druck, double vordruck = 1.5)
    {
        zustand().Projektart = art;
        d = std::make_unique<Wasserobjekt>(art);
        Wasserobjekt& o = *d;
        o["m_r_vges"] = VbVariant(volumen);
        o["m_p_SV"] = VbVariant(druck);
        o["m_EinbringBreite"] = VbVariant(1000.0);
        o["m_EinbringHoehe"] = VbVariant(2000.0);
        o["m_GefaessAnzahl"] = VbVariant(1.0);
        o["m_GefaessGruppe"] = VbVariant(0.0);
        o["m_GefaessArtNr"] = VbVariant(QStringLiteral(" "));
        o["m_GefaessInhalt"] = VbVariant::lng(0);
        o["m_IstAusgelegt"] = VbVariant(true);
        if (art == QStringLiteral("So")) {
            o["m_r_vauf"] = VbVariant(volumen / 2);
            o["m_r_pVordruck"] = VbVariant(vordruck);
        }
        return o;
    }
    Gefäßauswahl& laden()
    {
        l = std::make_unique<Gefäßauswahl>(d->reg(), zustand().Projektart, seite);
        EXPECT_EQ(l->Laden(), 0);
        return *l;
    }
    QList<int16_t> gruppen() const { return Gruppennummern(*l); }
    int index(int16_t gruppe) const { return Gruppenslot(*l, gruppe); }
    // The messages as "kind:ids(values)".
    QStringList meldungen() const
    {
        QStringList aus;
        for (const MeldungsBox& b : rec.boxen) {
            QStringList ids;
            for (int id : b.textIds)
                ids << QString::number(id);
            aus << QStringLiteral("%1:%2(%3)").arg(b.art).arg(ids.join(QLatin1Char('+')), b.werte.join(QLatin1Char('|')));
        }
        return aus;
    }
    QString artNr() { return (*d)["m_GefaessArtNr"].toString(); }
    double anzahl() { return (*d)["m_GefaessAnzahl"].toDouble(); }

    MeldungsRecorder rec;
    Testseite seite;
    std::unique_ptr<Wasserobjekt> d;
    std::unique_ptr<Gefäßauswahl> l;
};

}  // namespace

// The groups offered for the type whose maximum pressure reaches the valve: at most eight, in
// group order, the rest of the slots empty.
TEST_F(Gefäßwahl, GruppenNachArtUndDruck)
{
    // Two pressure-boosting groups: the demo catalogue offers 15 only.
    ArtikelFixture katalog(ArtikelFixture::Demo{QStringLiteral("UPDATE [Gruppen MAG] SET Druckerhöhung = -1 WHERE Gruppe = 16")});
    struct Fall {
        const char* art;
        double druck;
        QList<int16_t> gruppen;
    };
    const Fall fälle[] = {
        {"Tr", 6, {17, 18, 19}},
        {"Tr", 8, {17, 18}},
        {"Tr", 10.5, {}},
        {"Dr", 10, {15, 16}},
        {"Dr", 12, {15}},
        {"So", 6, {3, 5, 21, 22, 23, 24, 25, 26}},  // the ninth group (27) has no slot
        {"So", 8, {3, 5, 21, 23, 24, 25, 27}},
        {"So", 10.5, {}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("%1 %2 bar").arg(QString::fromUtf8(f.art)).arg(f.druck).toStdString());
        anlage(QString::fromUtf8(f.art), 500, f.druck);
        laden();
        EXPECT_EQ(gruppen(), f.gruppen);
        EXPECT_TRUE(rec.boxen.isEmpty());
    }
    anlage(QStringLiteral("So"), 500, 6);
    laden();
    // The designation as stored (the page turns the two characters \n into a line break).
    EXPECT_EQ(l->GetBehältergruppenbezeichnung(21), QStringLiteral("Solar-MAG 10 bar\\nfür Kollektoren"));
    EXPECT_EQ(l->GetBehältergruppenbezeichnung(27), QStringLiteral(" "));
}

// Automatic choice: the entered count first (0 as 1, cut to the type's limit), then more
// vessels up to the limit; the smallest fitting content, by pre-pressure for solar.
TEST_F(Gefäßwahl, AutomatischeWahlTabelle)
{
    // Two pressure-boosting groups: the demo catalogue offers 15 only.
    ArtikelFixture katalog(ArtikelFixture::Demo{QStringLiteral("UPDATE [Gruppen MAG] SET Druckerhöhung = -1 WHERE Gruppe = 16")});
    struct Fall {
        const char* name;
        const char* art;
        int16_t gruppe;
        double volumen, anzahl, druck, vordruck, raum;
        const char* artNr;  // " ": nothing fits
        double anzahlDanach;
        int32_t inhalt;
    };
    const Fall fälle[] = {
        {"Tr ein Gefäß", "Tr", 18, 1000, 1, 6, 0, 2000, "41804", 1, 1000},
        {"Tr 0 wie 1", "Tr", 18, 1000, 0, 6, 0, 2000, "41804", 1, 1000},
        {"Tr 800 l passt, 1000 l nicht", "Tr", 18, 1000, 1, 6, 0, 1950, "41802", 2, 500},
        {"Tr Anzahl über 2 gekürzt", "Tr", 18, 1000, 5, 6, 0, 2000, "41802", 2, 500},
        {"Tr zu hohes Gefäß übergangen", "Tr", 17, 300, 1, 6, 0, 2000, "41710", 2, 200},
        {"Tr 8-bar-Gefäß bei 6 bar", "Tr", 17, 90, 1, 6, 0, 2000, "41708", 1, 100},
        {"Tr 8-bar-Gefäß nicht bei 9 bar", "Tr", 17, 90, 1, 9, 0, 2000, "41710", 1, 200},
        {"Tr nichts passt", "Tr", 17, 1000, 1, 6, 0, 2000, " ", 2, 0},
        {"Dr 16 bar", "Dr", 15, 1000, 1, 12, 0, 2000, "41504", 1, 1000},
        {"Dr zwei Gefäße", "Dr", 16, 500, 2, 6, 0, 2000, "41603", 2, 300},
        {"So bis vier Gefäße", "So", 21, 1000, 1, 6, 1.0, 2000, "42109", 4, 250},
        {"So Vordruck 1,0", "So", 21, 250, 1, 6, 1.0, 2000, "42109", 1, 250},
        {"So Vordruck 2,0", "So", 21, 250, 1, 6, 2.0, 2000, "42110", 1, 250},
        {"So Vordruck 3,0", "So", 21, 250, 1, 6, 3.0, 2000, "42111", 1, 250},
        {"So Vordruck über allen", "So", 21, 250, 1, 6, 4.0, 2000, "42111", 1, 250},
        {"So Anzahl über 10 gekürzt", "So", 21, 1000, 15, 6, 1.5, 2000, "42106", 10, 100},
        {"So nur Solargefäße", "So", 3, 400, 1, 6, 2.0, 2000, "40302", 2, 200},
        {"So Gruppe 23 immer zu hoch", "So", 23, 500, 1, 6, 1.5, 2000, " ", 10, 0},
        {"So 32767 l je Gefäß nie gesucht", "So", 21, 400000, 1, 6, 1.5, 20000, " ", 10, 0},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        rec.leeren();
        Wasserobjekt& o = anlage(QString::fromUtf8(f.art), f.volumen, f.druck, f.vordruck);
        o["m_EinbringHoehe"] = VbVariant(f.raum);
        o["m_GefaessAnzahl"] = VbVariant(f.anzahl);
        laden();
        l->Command1_Click(index(f.gruppe));
        const bool gefunden = QString::fromUtf8(f.artNr) != QStringLiteral(" ");
        EXPECT_EQ(artNr(), QString::fromUtf8(f.artNr));
        EXPECT_EQ(anzahl(), f.anzahlDanach);
        EXPECT_EQ(o["m_GefaessInhalt"].toLong(), f.inhalt);
        EXPECT_EQ(o["m_GefaessGruppe"].toDouble(), gefunden ? f.gruppe : 0);
        EXPECT_EQ(l->block().inhalt, QString::number(f.inhalt));
        EXPECT_FALSE(o["m_IstAusgelegt"].toBool());
        EXPECT_EQ(seite.kommando, gefunden ? QStringLiteral("111") : QStringLiteral("110"));
        QStringList erwartet;
        if (f.gruppe == 18)
            erwartet << QStringLiteral("1:2204()");
        if (!gefunden)
            erwartet << QStringLiteral("4:2357+3020(%1)").arg(l->GetBehältergruppenbezeichnung(f.gruppe));
        EXPECT_EQ(meldungen(), erwartet);
    }
}

TEST_F(Gefäßwahl, AnzeigeUndUnveränderteWahlBleibtAusgelegt)
{
    anlage(QStringLiteral("Tr"), 1000, 6);
    laden();
    l->Command1_Click(index(18));
    EXPECT_EQ(l->block().beschreibung, QStringLiteral("Trinkwasser-MAG 1000 l / 10 bar, Vordruck 4,0 bar"));
    EXPECT_EQ(l->block().maße, QStringLiteral("980 mm / 1850 mm"));
    EXPECT_EQ(l->block().gruppe, QStringLiteral("18"));
    // The same vessel found again leaves the design flag alone.
    (*d)["m_IstAusgelegt"] = VbVariant(true);
    l->Command1_Click(index(18));
    EXPECT_TRUE((*d)["m_IstAusgelegt"].toBool());
}

// The hint on several drinking-water vessels: groups 17 and 18 with more than one vessel.
TEST_F(Gefäßwahl, HinweisMehrereTrinkwassergefäße)
{
    const QString hinweis = LadeText(2160) + QStringLiteral("\r\n") + LadeText(3010) + QStringLiteral("\r\n") + LadeText(3012);
    struct Fall {
        int16_t gruppe;
        double volumen;
        bool mitHinweis;
    };
    for (const Fall& f : {Fall{18, 1500, true}, Fall{18, 1000, false}, Fall{17, 300, true}, Fall{19, 400, false}}) {
        SCOPED_TRACE(f.gruppe);
        anlage(QStringLiteral("Tr"), f.volumen, 6);
        laden();
        l->Command1_Click(index(f.gruppe));
        EXPECT_EQ(l->hinweis(), f.mitHinweis ? hinweis : QString());
    }
    // Typing a count of 1 and leaving the box takes the hint away.
    (*d)["m_GefaessAnzahl"] = VbVariant(1.0);
    l->ZeigeHinweisMehrereGefäße();
    EXPECT_EQ(l->hinweis(), QString());
}

// Manual choice: the list from half (solar: a twentieth) of the total on, positioned on the
// stored article; the call-back stores the count rounded up.
TEST_F(Gefäßwahl, HandauswahlListeUndAnzahl)
{
    struct Fall {
        const char* name;
        const char* art;
        int16_t gruppe;
        double volumen;
        QStringList liste;
        const char* wahl;
        double anzahl;
    };
    const Fall fälle[] = {
        {"Tr ab der Hälfte", "Tr", 18, 1000, {"41802", "41803", "41804"}, "41803", 2},
        {"Tr ein Gefäß", "Tr", 18, 1000, {"41802", "41803", "41804"}, "41804", 1},
        {"Tr Volumen 0", "Tr", 19, 0, {"41901", "41902", "41903", "41904", "41905", "41906", "41907", "41908", "41909"}, "41905", 0},
        {"So ab einem Zwanzigstel", "So", 21, 1000,
         {"42104", "42105", "42106", "42107", "42108", "42109", "42110", "42111", "42112"}, "42106", 10},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        rec.leeren();
        anlage(QString::fromUtf8(f.art), f.volumen, 6);
        laden();
        QStringList gesehen;
        Testdialog dialog([&](Artikelauswahl& a) {
            gesehen = ArtNrn(*a.liste());
            const auto rs = a.liste();
            rs->MoveFirst();
            ASSERT_EQ(rs->Find(QStringLiteral("[Art Nr] = '%1'").arg(QString::fromUtf8(f.wahl))), Recordset::Suche::Gefunden);
            a.AktuelleZeileGewechselt();
            a.Übernehmen();
        });
        dialog.rufer = l.get();
        dialog.seite = &seite;
        l->Command2_Click(index(f.gruppe));
        EXPECT_EQ(gesehen, f.liste);
        EXPECT_EQ(seite.ablauf.mid(seite.ablauf.size() - 3), (QStringList{"save", "dialog:000", "load"}));
        EXPECT_EQ(artNr(), QString::fromUtf8(f.wahl));
        EXPECT_EQ(anzahl(), f.anzahl);
        EXPECT_EQ((*d)["m_GefaessGruppe"].toDouble(), f.gruppe);
        EXPECT_FALSE((*d)["m_IstAusgelegt"].toBool());
        EXPECT_EQ(seite.kommando, QStringLiteral("111"));
        EXPECT_EQ(meldungen(), f.gruppe == 18 ? QStringList{"1:2204()"} : QStringList{});
    }
}

TEST_F(Gefäßwahl, HandauswahlStehtAufDemGespeichertenArtikel)
{
    anlage(QStringLiteral("Tr"), 1000, 6);
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("41803"));
    (*d)["m_GefaessGruppe"] = VbVariant(18.0);
    laden();
    QString aktuell;
    Testdialog dialog([&](Artikelauswahl& a) { aktuell = a.gewählteArtNr(); });
    dialog.rufer = l.get();
    dialog.seite = &seite;
    l->Command2_Click(index(18));
    EXPECT_EQ(aktuell, QStringLiteral("41803"));
    // Closing the dialog without a choice changes nothing and keeps Weiter.
    EXPECT_EQ(artNr(), QStringLiteral("41803"));
    EXPECT_EQ((*d)["m_GefaessGruppe"].toDouble(), 18);
    EXPECT_TRUE((*d)["m_IstAusgelegt"].toBool());
    EXPECT_EQ(seite.kommando, QStringLiteral("111"));
}

// Solar: the row chosen moves to the variant of the system pre-pressure, which is stored and
// shown alike.
TEST_F(Gefäßwahl, SolarHandauswahlMitVordruckvariante)
{
    anlage(QStringLiteral("So"), 500, 6, 2.0);
    laden();
    Testdialog dialog([](Artikelauswahl& a) {
        const auto rs = a.liste();
        rs->MoveFirst();
        ASSERT_EQ(rs->Find(QStringLiteral("[Art Nr] = '42109'")), Recordset::Suche::Gefunden);
        a.AktuelleZeileGewechselt();
        a.Übernehmen();
    });
    dialog.rufer = l.get();
    dialog.seite = &seite;
    l->Command2_Click(index(21));
    EXPECT_EQ(artNr(), QStringLiteral("42110"));
    EXPECT_EQ(anzahl(), 2);
    EXPECT_EQ((*d)["m_GefaessInhalt"].toLong(), 250);
    EXPECT_EQ(l->block().beschreibung, QStringLiteral("Solar-MAG 250 l / 10 bar, Vordruck 2,5 bar"));
}

// Loading: a pending new design clears the choice; otherwise the stored article is shown (an
// article no longer in the table: blank labels, but Weiter on activation).
TEST_F(Gefäßwahl, LadenMitUndOhneNeuauslegung)
{
    struct Fall {
        const char* art;
        const char* gespeichert;
        bool neu;
        const char* artNr;
        const char* inhalt;
        double anzahl;
        const char* kommando;
    };
    const Fall fälle[] = {
        {"Tr", "41803", false, "41803", "800", 2, "111"},
        {"Tr", "41803", true, " ", "0", 1, "110"},
        {"So", "42110", false, "42110", "250", 2, "111"},
        {"So", "49999", false, "49999", "0", 2, "111"},
        {"Dr", " ", false, " ", "0", 2, "110"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(f.art, f.gespeichert).arg(f.neu).toStdString());
        Wasserobjekt& o = anlage(QString::fromUtf8(f.art), 1000, 6, 1.0);
        o["m_GefaessArtNr"] = VbVariant(QString::fromUtf8(f.gespeichert));
        o["m_GefaessGruppe"] = VbVariant(f.gespeichert[0] == '4' ? 21.0 : 0.0);
        o["m_GefaessAnzahl"] = VbVariant(2.0);
        zustand().NeuAuslegungErforderlich = f.neu;
        seite.kommando.clear();
        laden();
        EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
        l->Aktivieren();
        EXPECT_EQ(artNr(), QString::fromUtf8(f.artNr));
        EXPECT_EQ(l->block().inhalt, QString::fromUtf8(f.inhalt));
        EXPECT_EQ(anzahl(), f.anzahl);
        EXPECT_EQ(seite.kommando, QString::fromUtf8(f.kommando));
        EXPECT_EQ(o["m_IstAusgelegt"].toBool(), !f.neu);
    }
}

// Typing in the door or room box clears the choice with the count reset; in the count box the
// count stays.
TEST_F(Gefäßwahl, TippenLöschtDieWahl)
{
    for (int box : {0, 1, 3}) {
        SCOPED_TRACE(box);
        anlage(QStringLiteral("Tr"), 1500, 6);
        laden();
        l->Command1_Click(index(18));
        ASSERT_EQ(artNr(), QStringLiteral("41803"));
        (*d)["m_IstAusgelegt"] = VbVariant(true);
        l->TextGeaendert(box);
        EXPECT_EQ(artNr(), QStringLiteral(" "));
        EXPECT_EQ((*d)["m_GefaessGruppe"].toDouble(), 0);
        EXPECT_EQ((*d)["m_GefaessInhalt"].toLong(), 0);
        EXPECT_EQ(anzahl(), box == 3 ? 2 : 1);
        EXPECT_EQ(l->gruppeNr(), 0);
        EXPECT_EQ(l->block().inhalt, QStringLiteral("0"));
        EXPECT_EQ(l->block().beschreibung, QStringLiteral(" "));
        EXPECT_FALSE((*d)["m_IstAusgelegt"].toBool());
        EXPECT_EQ(seite.kommando, QStringLiteral("110"));
    }
}

// A vessel list that cannot be opened is empty: the message names the table and code 12, the
// dialog shows no row, and nothing is found in it.
TEST_F(Gefäßwahl, FehlgeschlageneListeIstLeer)
{
    anlage(QStringLiteral("Tr"), 1000, 6);
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("41803"));
    (*d)["m_GefaessGruppe"] = VbVariant(18.0);
    laden();
    const QString vorher = SpalteUmschreibung;
    SpalteUmschreibung = QStringLiteral("Gibtsnicht");
    int zeilen = -1;
    Testdialog dialog([&](Artikelauswahl& a) {
        zeilen = a.liste()->Anzahl();
        a.Weiter();
        a.Übernehmen();
    });
    dialog.rufer = l.get();
    dialog.seite = &seite;
    rec.leeren();
    l->Command2_Click(index(18));
    SpalteUmschreibung = vorher;
    EXPECT_EQ(zeilen, 0);
    EXPECT_EQ(l->artikelfehler(), 12);
    ASSERT_EQ(rec.boxen.size(), 2);
    EXPECT_EQ(rec.boxen[1].art, 5);
    EXPECT_EQ(rec.boxen[1].textIds, (QList<int>{2402, 2414}));
    EXPECT_EQ(rec.boxen[1].werte.mid(1), (QStringList{" ", "[Grunddaten Gefäße]", "12"}));
    EXPECT_EQ(artNr(), QStringLiteral("41803"));
    EXPECT_FALSE(l->SucheBehälter(100, 0));
    EXPECT_FALSE(l->PositioniereAufArtikel(QStringLiteral("41803"), false, 0));
}

// An article number with a quote is searched as text and simply not found.
TEST_F(Gefäßwahl, ArtikelnummerMitHochkomma)
{
    anlage(QStringLiteral("Dr"), 500, 6);
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("41'603"));
    laden();
    EXPECT_FALSE(l->PositioniereAufArtikel(QStringLiteral("41'603"), false, 0));
    EXPECT_TRUE(l->PositioniereAufArtikel(QStringLiteral("41603"), false, 0));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Gefäßwahl, TabelleFehltLadenScheitert)
{
    anlage(QStringLiteral("So"), 500, 6);
    zustand().Artikel_Data_Source = QStringLiteral("/gibt/es/nicht.db");
    l = std::make_unique<Gefäßauswahl>(d->reg(), QStringLiteral("So"), seite);
    EXPECT_NE(l->Laden(), 0);
    EXPECT_FALSE(rec.boxen.isEmpty());
    EXPECT_EQ(gruppen(), QList<int16_t>{});
}

// A field of the current row that cannot be read: message 2401 + 2407 with the field, the table
// and code 5; the value reads as Empty.
TEST_F(Gefäßwahl, FeldNichtLesbar)
{
    anlage(QStringLiteral("Dr"), 500, 6);
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("41603"));
    laden();
    ASSERT_TRUE(l->PositioniereAufArtikel(QStringLiteral("41603"), false, 0));
    rec.leeren();
    EXPECT_TRUE(l->LeseArtikelfeld(QStringLiteral("Gibtsnicht")).isEmpty());
    EXPECT_EQ(l->artikelfehler(), 5);
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].art, 5);
    EXPECT_EQ(rec.boxen[0].textIds, (QList<int>{2401, 2407}));
    EXPECT_EQ(rec.boxen[0].werte.mid(1), (QStringList{"Gibtsnicht", "[Grunddaten Gefäße]", "5"}));
    EXPECT_EQ(l->LeseArtikelfeld(QStringLiteral("Inhalt in ltr")).toLong(), 300);
    EXPECT_EQ(l->artikelfehler(), 0);
}
