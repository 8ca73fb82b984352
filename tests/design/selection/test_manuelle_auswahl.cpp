#include <gtest/gtest.h>

#include <functional>

#include "Auswahlfixture.h"
#include "data/Recordset.h"
#include "design/selection/Artikelauswahl.h"
#include "design/selection/Behaelteruebersicht.h"
#include "support/QStringAusgabe.h"

namespace {

// The article dialog as a test drives it: the logic on the page as its caller.
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
        ++geöffnet;
        Artikelauswahl a(*rufer);
        a.Laden();
        if (m_aktion)
            m_aktion(a);
    }
    Artikelauswahlrufer* rufer = nullptr;
    int geöffnet = 0;

private:
    std::function<void(Artikelauswahl&)> m_aktion;
    Artikelauswahldialog* m_vorher = nullptr;
};

// Moves the list to the row of an article and takes it as a double click would.
void Wähle(Artikelauswahl& a, const QString& artNr)
{
    const auto rs = a.liste();
    rs->MoveFirst();
    ASSERT_EQ(rs->Find(QStringLiteral("[Art Nr] = '%1'").arg(artNr)), Recordset::Suche::Gefunden) << artNr.toStdString();
    a.AktuelleZeileGewechselt();
    a.Übernehmen();
}

class Manuell : public Auswahltest {
protected:
    void manuell(int16_t gruppe, const QString& artNr)
    {
        Testdialog dialog([artNr](Artikelauswahl& a) {
            if (artNr.isNull())
                a.Übernehmen();  // Enter on whatever is current
            else
                Wähle(a, artNr);
        });
        dialog.rufer = l.get();
        l->Command2_Click(index(gruppe));
        geöffnet = dialog.geöffnet;
    }
    int geöffnet = 0;
};

TEST_F(Manuell, AnzahlFolgtDemBedarfsvolumen)
{
    struct Fall {
        const char* artikel;
        int anzahl;
    };
    // Required volume 1000 l.
    const Fall fälle[] = {{"40208", 4}, {"40207", 4}, {"40216", 1}, {"40202", 20}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.artikel);
        seite = Testseite();
        anlage();
        laden();
        manuell(2, QString::fromUtf8(f.artikel));
        EXPECT_EQ(d->text("m_GefaessArtNr"), QString::fromUtf8(f.artikel));
        EXPECT_EQ(d->zahl("m_GefaessAnzahl"), f.anzahl);
        EXPECT_EQ(d->zahl("m_GefaessGruppe"), 2);
        EXPECT_EQ(d->zahl("m_SteuerbehAnzahl"), 0);
        EXPECT_EQ(seite.kommando, (std::array<int, 3>{1, 1, 1}));
        EXPECT_EQ(seite.gesichert, 1);
        EXPECT_EQ(seite.geladen, 1);
    }
}

TEST_F(Manuell, ErsatzmembranMitNullLiternGibtAnzahlNull)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_r_vges"] = VbVariant(0.0);  // the list then starts at 0 l
    laden();
    manuell(5, QStringLiteral("40501"));
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral("40501"));
    EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 0);
}

TEST_F(Manuell, ListeNachGruppenart)
{
    struct Fall {
        int membran, druckhaltung;
        double vauf;
        int16_t gruppe;
        const char* mindestens;
    };
    const Fall fälle[] = {
        {0, 0, 450, 2, " 50"},    // plain: a twentieth of 1000 l
        {1, 1, 810, 9, " 100"},   // 900 l / 9
        {1, 1, 810, 11, " 300"},  // 900 l / 3
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.gruppe);
        anlage(QStringLiteral("Kü"));
        (*d)["m_ArtMembran"] = VbVariant::lng(f.membran);
        (*d)["m_ArtDruckhaltung"] = VbVariant::lng(f.druckhaltung);
        (*d)["m_r_vauf"] = VbVariant(f.vauf);
        (*d)["m_r_pVordruck"] = VbVariant(1.0);
        laden();
        QString quelle;
        QStringList felder;
        int kleinster = 1 << 30;
        Testdialog dialog([&](Artikelauswahl& a) {
            quelle = a.liste()->Quelle();
            for (int i = 0; i < a.liste()->FeldAnzahl(); ++i)
                felder << a.liste()->FeldName(i);
            for (int z = 0; z < a.liste()->Anzahl(); ++z)
                kleinster = std::min(kleinster, a.liste()->ZeilenWert(z, a.liste()->FeldIndex(QStringLiteral("Inhalt in ltr"))).toLong());
        });
        dialog.rufer = l.get();
        l->Command2_Click(index(f.gruppe));
        EXPECT_TRUE(quelle.contains(QStringLiteral(" AND [Kälteanlage] = True AND [Max, Betriebsdruck in bar] >=  3 ")));
        EXPECT_TRUE(quelle.endsWith(QStringLiteral(" AND [Inhalt in ltr] >= ") + QString::fromUtf8(f.mindestens)
                                    + QStringLiteral(" ORDER BY [Inhalt in ltr],[Max, Betriebsdruck in bar],[Vordruck]")))
            << quelle.toStdString();
        EXPECT_EQ(felder.size(), 13);
        EXPECT_GE(kleinster, QString::fromUtf8(f.mindestens).trimmed().toInt());
        EXPECT_TRUE(rec.boxen.isEmpty());
    }
}

TEST_F(Manuell, LeererOderUnbekannterArtikelIstAbbruch)
{
    for (const QString& artNr : {QString(), QStringLiteral("99999")}) {
        anlage();
        laden();
        l->Command1_Click(index(2));
        (*d)["m_IstAusgelegt"] = VbVariant(true);
        Testdialog dialog([artNr](Artikelauswahl& a) {
            if (artNr.isEmpty()) {
                a.liste()->GeheZu(a.liste()->Anzahl());  // nothing current: empty choice
                a.AktuelleZeileGewechselt();
            }
            QString nr = artNr;
            int32_t inhalt = 0;
            a.rufer().ManuelleBehälterauswahl(nr, inhalt);
        });
        dialog.rufer = l.get();
        l->Command2_Click(index(2));
        EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral("40216"));
        EXPECT_EQ(d->zahl("m_GefaessGruppe"), 2);
        EXPECT_TRUE((*d)["m_IstAusgelegt"].toBool());
        EXPECT_EQ(seite.kommando[2], 1);
    }
}

TEST_F(Manuell, VordruckvarianteWirdGespeichertUndAngezeigt)
{
    anlage();
    (*d)["m_r_vges"] = VbVariant(400.0);
    (*d)["m_r_pVordruck"] = VbVariant(1.2);
    laden();
    manuell(2, QStringLiteral("40209"));  // 400 l, 1.0 bar: the 1.5-bar variant is the one that fits
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral("40210"));
    VbVariant gezeigt;
    l->Artikelliste()->Wert(QStringLiteral("Art Nr"), gezeigt);
    EXPECT_EQ(gezeigt.toString(), QStringLiteral("40210"));
}

TEST_F(Manuell, DialogÖffnetAufGespeichertemBehälter)
{
    anlage();
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40213"));
    (*d)["m_GefaessGruppe"] = VbVariant(2.0);
    laden();
    QString beimÖffnen;
    Testdialog dialog([&](Artikelauswahl& a) { beimÖffnen = a.gewählteArtNr(); });
    dialog.rufer = l.get();
    l->Command2_Click(index(2));
    EXPECT_EQ(beimÖffnen, QStringLiteral("40213"));
}

TEST_F(Manuell, GleicheGruppeBehältAutomateneinstellungen)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
    (*d)["m_GefaessGruppe"] = VbVariant(9.0);
    (*d)["m_SteuerModulKomp"] = VbVariant::integer(1);
    (*d)["m_ZubehörSteuerung"] = VbVariant::integer(1);
    laden();
    int modulImDialog = -1;
    Testdialog nichts([&](Artikelauswahl&) { modulImDialog = (*d)["m_SteuerModulKomp"].toLong(); });
    nichts.rufer = l.get();
    l->Command2_Click(index(9));
    EXPECT_EQ(modulImDialog, 1);
    EXPECT_EQ((*d)["m_ZubehörSteuerung"].toLong(), 1);
    l->Command2_Click(index(11));
    EXPECT_EQ(modulImDialog, 0);
    EXPECT_EQ((*d)["m_ZubehörSteuerung"].toLong(), 0);
}

TEST_F(Manuell, AutomatÜberDenDialogVervollständigt)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
    (*d)["m_r_vauf"] = VbVariant(810.0);
    (*d)["m_p_SV"] = VbVariant(5.0);
    (*d)["m_p_soll"] = VbVariant(3.5);
    seite.beiOptionen = [&](int16_t) { (*d)["m_SteuerbehAnzahl"] = VbVariant(1.0); };
    laden();
    manuell(9, QStringLiteral("40902"));  // 300 l: 3 vessels
    EXPECT_EQ(seite.dialoge, QList<int16_t>{9});
    EXPECT_EQ(seite.gesichert, 1);  // only around the article dialog
    EXPECT_EQ(d->zahl("m_GefaessAnzahl"), 3);
    EXPECT_EQ(d->text("m_BeistellArtNr"), QStringLiteral("43002"));
    EXPECT_FALSE(d->text("m_KomprPumpeArtNr").trimmed().isEmpty());
    EXPECT_EQ(l->block().beistellbehälter, QStringLiteral("2"));
}

TEST_F(Manuell, Gruppe11OhneArbeitsdruckdifferenzÖffnetKeinenDialog)
{
    anlage();
    (*d)["m_ArtMembran"] = VbVariant::lng(1);
    (*d)["m_ArtDruckhaltung"] = VbVariant::lng(1);
    (*d)["m_r_pVordruck"] = VbVariant(2.5);
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40216"));
    laden();
    manuell(11, QStringLiteral("41103"));
    EXPECT_EQ(geöffnet, 0);
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("3:2301(0,6)")});
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral("40216"));
}

TEST_F(Manuell, AnderesArtikelLöschtAusgelegtGleichesNicht)
{
    anlage();
    laden();
    l->Command1_Click(index(2));
    (*d)["m_IstAusgelegt"] = VbVariant(true);
    manuell(2, QStringLiteral("40216"));
    EXPECT_TRUE((*d)["m_IstAusgelegt"].toBool());
    manuell(2, QStringLiteral("40215"));
    EXPECT_FALSE((*d)["m_IstAusgelegt"].toBool());
}

// --- Article dialog logic ---

TEST_F(Auswahltest, LangtextUmbrochenMitMaske)
{
    anlage();
    laden();
    l->m_gruppeNr = 2;
    l->LadeBehälterlisteManuell(2, 1.5f, 0);
    ASSERT_TRUE(l->PositioniereAufArtikel(QStringLiteral("40213"), false, 0));
    Artikelauswahl a(*l);
    a.Laden();
    const QStringList zeilen = a.langtext().split(QStringLiteral("\r\n"));
    ASSERT_GE(zeilen.size(), 3);
    for (const QString& z : zeilen)
        EXPECT_LE(z.size(), 40) << z.toStdString();
    EXPECT_EQ(zeilen.last(), QStringLiteral("Durchmesser  740 mm, Höhe 1290 mm"));
    EXPECT_EQ(a.gewählteArtNr(), QStringLiteral("40213"));
    EXPECT_EQ(a.gewählterInhalt(), 500);
    EXPECT_EQ(a.Maßüberschrift(), LadeText(485));
    l->m_gruppeNr = 8;
    EXPECT_EQ(a.Maßüberschrift(), LadeText(484));
}

TEST_F(Auswahltest, WeiterAmEndeOhneRückrufZeigerAufLeereListeSchließt)
{
    anlage();
    laden();
    l->m_gruppeNr = 2;
    l->LadeBehälterlisteManuell(2, 1.5f, 0);
    l->Artikelliste()->GeheZu(l->Artikelliste()->Anzahl());
    (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40216"));
    Artikelauswahl a(*l);
    a.Laden();
    a.Weiter();
    EXPECT_EQ(d->text("m_GefaessArtNr"), QStringLiteral("40216"));
    EXPECT_TRUE(a.ZeigerBewegt(-1));

    l->LadeBehälterlisteManuell(2, 1.5f, 99999);  // nothing that large
    Artikelauswahl leer(*l);
    leer.Laden();
    EXPECT_FALSE(leer.ZeigerBewegt(0));
    EXPECT_TRUE(leer.gewählteArtNr().isEmpty());
}

// --- Vessel summary ---

class Übersicht : public Auswahltest {
protected:
    Behälterübersicht übersicht()
    {
        Behälterübersicht u(d->reg(), zustand().Projektart, *l);
        u.Laden();
        return u;
    }
};

TEST_F(Übersicht, ZeilenJeFall)
{
    struct Fall {
        int16_t gruppe;
        int gesamt, steuer, modul;
        bool zusatz;
        QStringList beschriftungen;  // visible rows 0..2, "-" hidden
    };
    const Fall fälle[] = {
        {2, 3, 0, 0, false, {LadeText(532), QStringLiteral("-"), QStringLiteral("-")}},
        {14, 2, 2, 0, false, {LadeText(531), QStringLiteral("-"), LadeText(534) + QStringLiteral(" M")}},
        {11, 3, 1, 2, true, {LadeText(531), LadeText(533), LadeText(534) + QStringLiteral(" D ") + LadeText(535)}},
        {9, 3, 1, 0, false, {LadeText(531), LadeText(533), LadeText(536) + QStringLiteral(" KDX")}},
        {9, 3, 1, 0, true, {LadeText(531), LadeText(533), LadeText(536) + QStringLiteral(" KDX ") + LadeText(535)}},
        {60, 3, 1, 0, true, {LadeText(531), LadeText(533), QStringLiteral(" ")}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.gruppe);
        anlage();
        laden();
        l->m_gruppeNr = f.gruppe;
        l->automatenauslegung = Behälterauswahl::IstAutomatengruppe(f.gruppe);
        (*d)["m_GefaessAnzahl"] = VbVariant(static_cast<double>(f.gesamt));
        (*d)["m_SteuerbehAnzahl"] = VbVariant(static_cast<double>(f.steuer));
        (*d)["m_SteuerModulKomp"] = VbVariant::integer(static_cast<int16_t>(f.modul));
        (*d)["m_ZusKomprPumpe"] = VbVariant(f.zusatz);
        (*d)["m_GefaessArtNr"] = VbVariant(QStringLiteral("40213"));
        (*d)["m_BeistellArtNr"] = VbVariant(QStringLiteral("43004"));
        (*d)["m_KomprPumpeArtNr"] = VbVariant(f.gruppe == 60 ? QStringLiteral("21201") : QStringLiteral("21011"));
        const Behälterübersicht u = übersicht();
        QStringList gezeigt;
        for (const auto& z : u.zeilen())
            gezeigt << (z.sichtbar ? z.beschriftung : QStringLiteral("-"));
        EXPECT_EQ(gezeigt, f.beschriftungen);
        EXPECT_EQ(u.zeilen()[0].anzahl, QString::number(l->automatenauslegung ? f.steuer : f.gesamt));
        EXPECT_FALSE(u.zeilen()[0].artikel.trimmed().isEmpty());
        if (l->automatenauslegung) {
            EXPECT_EQ(u.zeilen()[2].anzahl, QString::number(f.steuer));
            EXPECT_FALSE(u.zeilen()[2].artikel.trimmed().isEmpty());  // unit description
        }
        EXPECT_EQ(u.höhe(), 3210);
        EXPECT_TRUE(rec.boxen.isEmpty());
    }
}

TEST_F(Übersicht, ErzeugerzeilenNurBeiEinzelabsicherungImHeizfall)
{
    anlage();
    (*d)["m_Sicherung"] = VbVariant::lng(1);
    d->item("m_Einzel_GefässArtNr_m_value", 1) = VbVariant(QStringLiteral("40201"));
    d->item("m_Einzel_GefässArtNr_m_value", 2) = VbVariant(QStringLiteral(" "));
    d->item("m_Einzel_GefässArtNr_m_value", 3) = VbVariant(QStringLiteral("49999"));
    laden();
    const Behälterübersicht u = übersicht();
    EXPECT_EQ(u.höhe(), 5050);
    EXPECT_TRUE(u.erzeuger()[0].sichtbar);
    EXPECT_EQ(u.erzeuger()[0].anzahl, QStringLiteral("1"));
    EXPECT_FALSE(u.erzeuger()[1].sichtbar);
    EXPECT_TRUE(u.erzeuger()[2].sichtbar);
    EXPECT_EQ(u.erzeuger()[2].artikel, QStringLiteral(" "));
    EXPECT_EQ(meldungen(), QStringList{QStringLiteral("4:2361(49999)")});  // missing article, also named

    anlage(QStringLiteral("Kü"));
    laden();
    EXPECT_EQ(übersicht().höhe(), 3210);
}

TEST_F(Übersicht, EinheitbeschreibungMaskiertDieNummer)
{
    anlage();
    EXPECT_EQ(Behälterübersicht::Einheitbeschreibung(QStringLiteral("2' OR '1'='1")), QStringLiteral(" "));
    EXPECT_EQ(Behälterübersicht::Einheitbeschreibung(QStringLiteral("99999")), QStringLiteral(" "));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

}  // namespace
