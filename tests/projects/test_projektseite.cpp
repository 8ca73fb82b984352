#include <gtest/gtest.h>

#include "Projektfixture.h"
#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "support/QStringAusgabe.h"

namespace {

using S = Projektseite;
using Kommando = std::array<int, 3>;

class Projektseitentest : public Projektfixture {
protected:
    // Types the text into the number box and presses Enter.
    void bestätige(const QString& nummer)
    {
        seite->Text[S::Nummer] = nummer;
        int taste = 13;
        seite->ProjektText_KeyPress(S::Nummer, taste);
        EXPECT_EQ(taste, 0);
    }
    // Types into a box and leaves it.
    void tippe(int index, const QString& text)
    {
        seite->Text[index] = text;
        seite->ProjektText_LostFocus(index);
    }
    bool nurNummerFrei() const
    {
        for (int i = 1; i < S::AnzahlSteuerelemente; ++i)
            if (seite->Frei[i])
                return false;
        return seite->Frei[S::Nummer];
    }
    bool alleGesperrt() const
    {
        for (bool f : seite->Frei)
            if (f)
                return false;
        return true;
    }
};

TEST_F(Projektseitentest, LeereTabelleBereitetDasErsteProjektVorUndEnterLegtEsAn)
{
    zustand().ProjektartNeuanlage = QStringLiteral("So");
    öffne();
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("0"));
    EXPECT_EQ(seite->Adodc1Caption, QStringLiteral("     1"));
    EXPECT_EQ(seite->Text[S::Art], QStringLiteral("Solaranlagen"));
    EXPECT_EQ(seite->Text[S::Datum], QStringLiteral("15.03.2024"));
    EXPECT_TRUE(nurNummerFrei());
    EXPECT_FALSE(seite->Adodc1Frei);
    EXPECT_TRUE(umfeld.menüsGesperrt);
    EXPECT_EQ(umfeld.letztesKommando(), (Kommando{1, 0, 0}));
    EXPECT_TRUE(zustand().NeuesProjekt);
    // The flag of the first project lasts until the activation.
    EXPECT_FALSE(zustand().istErstprojekt);

    bestätige(seite->Text[S::Nummer]);
    EXPECT_EQ(umfeld.letztesKommando(), (Kommando{1, 1, 1}));
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 1);
    EXPECT_EQ(feld(QStringLiteral("0"), QStringLiteral("Projektart")), QStringLiteral("So"));
    zeileIst(QStringLiteral("0"), {{"Projektbezeichnung", " "}, {"Bauherr", " "}, {"Straße", " "}, {"PLZ", " "},
                                   {"Ort", " "}, {"Angebotsnummer", " "}, {"Bemerkungen", " "}, {"ArtErstellung", "0"},
                                   {"Datum", "2024-03-15 00:00:00"}});
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("0"));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("So"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Projektseitentest, LadenZeigtDasAktuelleProjektOderDasErsteDerNeuanlageart)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    projekt(QStringLiteral("2"), QStringLiteral("Kü"), QStringLiteral("Kühlhaus"), QStringLiteral("2021-06-30 00:00:00"),
            QStringLiteral("AN-7"), 2);
    projekt(QStringLiteral("3"), QStringLiteral("Kü"));

    zustand().aktProjektnummer = QStringLiteral("2");
    öffne();
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("2"));
    EXPECT_EQ(seite->ProjektLabeldata, QStringLiteral("2"));
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Kühlhaus"));
    EXPECT_EQ(seite->Text[S::Angebotsnummer], QStringLiteral("AN-7"));
    EXPECT_EQ(seite->Text[S::Art], QStringLiteral("Kühl- und Kälteanlagen"));
    EXPECT_EQ(seite->Text[S::Datum], QStringLiteral("30.06.2021"));
    EXPECT_EQ(seite->Adodc1Caption, QStringLiteral("     2"));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("Kü"));
    EXPECT_EQ(zustand().aktProjektBezeichnung, QStringLiteral("Kühlhaus"));
    EXPECT_EQ(zustand().AktProjektArtErstellung, 2);
    EXPECT_TRUE(alleGesperrt());
    EXPECT_TRUE(seite->Adodc1Frei);
    EXPECT_EQ(umfeld.letztesKommando(), (Kommando{1, 1, 1}));
    EXPECT_FALSE(umfeld.menüsGesperrt);

    zustand().aktProjektnummer = QStringLiteral(" ");
    zustand().ProjektartNeuanlage = QStringLiteral("Kü");
    öffne();
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
    zustand().aktProjektnummer = QStringLiteral("gibt es nicht");
    öffne();
    EXPECT_EQ(aktuell(), QStringLiteral("1"));
}

TEST_F(Projektseitentest, DieNeueNummerIstEinsUeberDerGroesstenZahl)
{
    for (const char* nr : {"7", "12", "A3", "0009"})
        projekt(QString::fromUtf8(nr), QStringLiteral("He"), QStringLiteral("Alt"));
    öffne();
    seite->ProjektAnlegen(false);
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("13"));
    EXPECT_EQ(seite->Adodc1Caption, QStringLiteral("     5"));
    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Nummerneingabe);
    for (int i = S::Bezeichnung; i <= S::Bemerkungen; ++i)
        EXPECT_EQ(seite->Text[i], QStringLiteral(" ")) << i;
    EXPECT_TRUE(nurNummerFrei());
    EXPECT_EQ(umfeld.letztesKommando(), (Kommando{1, 0, 0}));
    EXPECT_EQ(umfeld.fokus.back(), S::Nummer);
    EXPECT_TRUE(zustand().NeuesProjekt);
    // Nothing is stored before the number is confirmed.
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 4);

    // An empty number box: Enter does nothing.
    bestätige(QString());
    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Nummerneingabe);
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 4);
}

TEST_F(Projektseitentest, EinNeuesProjektWirdDasAktuelleMitDerArtDerNeuanlage)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    zustand().aktProjektnummer = QStringLiteral("1");
    öffne();
    EXPECT_EQ(zustand().Projektart, QStringLiteral("He"));
    // The Berechnungen menu chose solar, but there is no solar project to show.
    zustand().ProjektartNeuanlage = QStringLiteral("So");
    seite->ProjektAnlegen(false);
    bestätige(QStringLiteral("2"));

    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::NeuesProjekt);
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("2"));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("So"));
    EXPECT_EQ(zustand().aktProjektBezeichnung, QStringLiteral(" "));
    EXPECT_EQ(feld(QStringLiteral("2"), QStringLiteral("Projektart")), QStringLiteral("So"));
    EXPECT_EQ(seite->Adodc1Caption, QStringLiteral("     2"));
    EXPECT_FALSE(seite->Frei[S::Nummer]);
    EXPECT_TRUE(seite->Frei[S::Art]);
    EXPECT_TRUE(seite->Frei[S::Bezeichnung] && seite->Frei[S::Bemerkungen] && seite->Frei[S::Datum]);
    EXPECT_TRUE(seite->Adodc1Frei);

    // The type chosen while the new project is edited becomes its type and the next one's.
    seite->Text[S::Art] = S::ProjektartText(QStringLiteral("Sp"));
    seite->ProjektCombo1_LostFocus();
    tippe(S::Bezeichnung, QStringLiteral("Wohnanlage"));
    seite->Deaktivieren();
    EXPECT_EQ(feld(QStringLiteral("2"), QStringLiteral("Projektart")), QStringLiteral("Sp"));
    EXPECT_EQ(feld(QStringLiteral("2"), QStringLiteral("Projektbezeichnung")), QStringLiteral("Wohnanlage"));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("Sp"));
    EXPECT_EQ(zustand().ProjektartNeuanlage, QStringLiteral("Sp"));
    EXPECT_EQ(zustand().aktProjektBezeichnung, QStringLiteral("Wohnanlage"));
}

TEST_F(Projektseitentest, EineVorhandeneNummerWirdGemeldetUndGezeigt)
{
    projekt(QStringLiteral("12"), QStringLiteral("Tr"), QStringLiteral("Hallenbad"));
    projekt(QStringLiteral("3"), QStringLiteral("He"), QStringLiteral("Schule"));
    zustand().aktProjektnummer = QStringLiteral("3");
    öffne();
    seite->ProjektAnlegen(false);
    bestätige(QStringLiteral("12"));

    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Information);
    EXPECT_EQ(meldungen.boxen[0].text, QStringLiteral("Das Projekt Nr: 12 existiert schon !"));
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 2);
    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Blättern);
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("12"));
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Hallenbad"));
    EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("12"));
    EXPECT_EQ(zustand().Projektart, QStringLiteral("Tr"));
    EXPECT_EQ(seite->Adodc1Caption, QStringLiteral("     1"));
    EXPECT_EQ(umfeld.letztesKommando(), (Kommando{1, 1, 1}));
    EXPECT_TRUE(alleGesperrt());
    // The existing project is not new to the design pages.
    EXPECT_FALSE(zustand().NeuesProjekt);

    // Numbers compare as texts: 0012 is another project.
    meldungen.leeren();
    seite->ProjektAnlegen(false);
    bestätige(QStringLiteral("0012"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle"), QStringLiteral("0012")), 1);
}

TEST_F(Projektseitentest, EineKopieBehaeltDieTexteUndKopiertKeineParameterzeilen)
{
    projekt(QStringLiteral("5"), QStringLiteral("Sp"), QStringLiteral("Wohnpark"), QStringLiteral("2019-05-01 00:00:00"),
            QStringLiteral("AN-5"));
    sql(QStringLiteral("UPDATE ProjekteTabelle SET Bauherr = 'Meier', [Straße] = 'Hauptstr. 1', PLZ = '12345', "
                       "Ort = 'Ulm', Bemerkungen = 'Zeile 1' WHERE [Projekt Nr] = '5'"));
    parameterzeile(QStringLiteral("Sp"), QStringLiteral("5"));
    wohnungen(QStringLiteral("5"), 2);
    zustand().aktProjektnummer = QStringLiteral("5");
    zustand().ProjektartNeuanlage = QStringLiteral("He");
    öffne();

    seite->ProjektAnlegen(true);
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("6"));
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Wohnpark"));
    EXPECT_EQ(seite->Text[S::Art], QStringLiteral("Heizungsanlagen"));
    EXPECT_EQ(seite->Text[S::Datum], QStringLiteral("15.03.2024"));
    bestätige(QStringLiteral("6"));

    const QString kopie = QStringLiteral("6");
    zeileIst(kopie, {{"Projektbezeichnung", "Wohnpark"}, {"Bauherr", "Meier"}, {"Straße", "Hauptstr. 1"},
                     {"PLZ", "12345"}, {"Ort", "Ulm"}, {"Angebotsnummer", "AN-5"}, {"Bemerkungen", "Zeile 1"},
                     {"Projektart", "He"}, {"Datum", "2024-03-15 00:00:00"}});
    EXPECT_EQ(zustand().Projektart, QStringLiteral("He"));
    // The copy's type page makes its parameter row; the source keeps its rows.
    EXPECT_EQ(zeilen(QStringLiteral("Heizungsparameter"), kopie), 0);
    EXPECT_EQ(zeilen(QStringLiteral("SpeicherWasserwärmerparameter"), kopie), 0);
    EXPECT_EQ(zeilen(QStringLiteral("SpeicherWasserwärmerparameter"), QStringLiteral("5")), 1);
    EXPECT_EQ(zeilen(QStringLiteral("SpeicherBedarfsKz"), QStringLiteral("5")), 2);
    EXPECT_EQ(feld(QStringLiteral("5"), QStringLiteral("Projektbezeichnung")), QStringLiteral("Wohnpark"));
}

TEST_F(Projektseitentest, VeraendernGibtDieTexteFreiUndSpeichertBeimBlaettern)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    projekt(QStringLiteral("2"), QStringLiteral("He"), QStringLiteral("Rathaus"));
    zustand().aktProjektnummer = QStringLiteral("1");
    öffne();
    seite->ProjektVerändern();
    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Verändern);
    EXPECT_FALSE(seite->Frei[S::Nummer]);
    EXPECT_FALSE(seite->Frei[S::Art]);
    for (int i = S::Bezeichnung; i <= S::Bemerkungen; ++i)
        EXPECT_TRUE(seite->Frei[i]) << i;
    EXPECT_TRUE(seite->Frei[S::Datum]);
    EXPECT_EQ(umfeld.fokus.back(), S::Bezeichnung);

    // The box still being typed in is taken over when the record moves.
    seite->Text[S::Bauherr] = QStringLiteral("Stadt Ulm");
    umfeld.aktiv = S::Bauherr;
    tippe(S::Bezeichnung, QString());
    seite->Text[S::Datum] = QStringLiteral("1.2.23");
    seite->ProjektMask_LostFocus();
    seite->Blättern(2);
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Rathaus"));
    EXPECT_EQ(seite->Adodc1Caption, QStringLiteral("     2"));
    EXPECT_TRUE(alleGesperrt());
    EXPECT_EQ(feld(QStringLiteral("1"), QStringLiteral("Projektbezeichnung")), QStringLiteral(" "));
    EXPECT_EQ(feld(QStringLiteral("1"), QStringLiteral("Bauherr")), QStringLiteral("Stadt Ulm"));
    EXPECT_EQ(feld(QStringLiteral("1"), QStringLiteral("Datum")), QStringLiteral("2023-02-01 00:00:00"));
    // The navigation stays on the last row.
    seite->Blättern(2);
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
    seite->Blättern(0);
    EXPECT_EQ(aktuell(), QStringLiteral("1"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Projektseitentest, EineAenderungDieNichtGespeichertWerdenKannHaeltDasBlaettern)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    projekt(QStringLiteral("2"), QStringLiteral("He"), QStringLiteral("Rathaus"));
    sql(QStringLiteral("CREATE TRIGGER sperre BEFORE UPDATE ON ProjekteTabelle WHEN NEW.Bauherr = 'Stadt Ulm' "
                       "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"));
    zustand().aktProjektnummer = QStringLiteral("1");
    öffne();
    const QString bauherr = seite->Text[S::Bauherr];
    seite->ProjektVerändern();
    seite->Text[S::Bauherr] = QStringLiteral("Stadt Ulm");
    umfeld.aktiv = S::Bauherr;
    seite->Blättern(2);
    // Told once; the page stays on the project and shows what it holds.
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, (QList<int>{2401, 2408}));
    EXPECT_TRUE(meldungen.boxen[0].text.contains(QStringLiteral("database or disk is full")));
    EXPECT_EQ(aktuell(), QStringLiteral("1"));
    EXPECT_EQ(seite->Text[S::Bauherr], bauherr);
    EXPECT_EQ(feld(QStringLiteral("1"), QStringLiteral("Bauherr")), bauherr);
    // The next move goes on without a second message.
    seite->Blättern(2);
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
    EXPECT_EQ(meldungen.boxen.size(), 1);
}

TEST_F(Projektseitentest, EinProjektDesHostsLaesstNurDieBemerkungenAendern)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Vom Host"), QStringLiteral("2020-01-01 00:00:00"),
            QStringLiteral(" "), 2);
    zustand().aktProjektnummer = QStringLiteral("1");
    öffne();
    seite->ProjektVerändern();
    for (int i = 0; i < S::AnzahlSteuerelemente; ++i)
        EXPECT_EQ(seite->Frei[i], i == S::Bemerkungen) << i;
    EXPECT_EQ(umfeld.fokus.back(), S::Bemerkungen);
}

TEST_F(Projektseitentest, VeraendernNachDemVorschlagZeigtErstDasAktuelleProjekt)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Schule"));
    zustand().aktProjektnummer = QStringLiteral("1");
    öffne();
    seite->ProjektAnlegen(false);
    seite->ProjektVerändern();
    EXPECT_EQ(seite->Text[S::Nummer], QStringLiteral("1"));
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Schule"));
    seite->ProjektText_LostFocus(S::Bezeichnung);
    seite->Deaktivieren();
    EXPECT_EQ(feld(QStringLiteral("1"), QStringLiteral("Projektbezeichnung")), QStringLiteral("Schule"));
}

TEST_F(Projektseitentest, LoeschenEntferntProjektParameterzeileUndWohnungsgruppen)
{
    struct Fall {
        const char* art;
        const char* tabelle;
        int wohnungen;
    };
    for (const Fall& f : {Fall{"He", "Heizungsparameter", 0}, Fall{"So", "Solarparameter", 0},
                          Fall{"Sp", "SpeicherWasserwärmerparameter", 3}, Fall{"Kü", "Kälteparameter", 0}}) {
        SCOPED_TRACE(f.art);
        sql(QStringLiteral("DELETE FROM ProjekteTabelle"));
        const QString art = QString::fromUtf8(f.art);
        const QString tabelle = QString::fromUtf8(f.tabelle);
        projekt(QStringLiteral("1"), QStringLiteral("He"), QStringLiteral("Erstes"));
        projekt(QStringLiteral("O'Neil"), art, QStringLiteral("Zweites"));
        projekt(QStringLiteral("P"), art, QStringLiteral("Drittes"));
        for (const QString& nr : {QStringLiteral("O'Neil"), QStringLiteral("P")}) {
            parameterzeile(art, nr);
            wohnungen(nr, f.wohnungen);
        }
        zustand().aktProjektnummer = QStringLiteral("O'Neil");
        öffne();
        ASSERT_EQ(aktuell(), QStringLiteral("O'Neil"));

        meldungen.antworten = {MsgAntwort::Ja};
        seite->ProjektLöschen();
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].text, QStringLiteral("Soll der Datensatz wirklich gelöscht werden ?"));
        EXPECT_EQ(meldungen.boxen[0].titel, QStringLiteral("Löschen"));
        EXPECT_EQ(meldungen.boxen[0].stil, MsgStil::JaNein | MsgStil::Ausrufezeichen);
        EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle"), QStringLiteral("O'Neil")), 0);
        EXPECT_EQ(zeilen(tabelle, QStringLiteral("O'Neil")), 0);
        EXPECT_EQ(zeilen(QStringLiteral("SpeicherBedarfsKz"), QStringLiteral("O'Neil")), 0);
        // Only the project's own rows go.
        EXPECT_EQ(zeilen(tabelle, QStringLiteral("P")), 1);
        EXPECT_EQ(zeilen(QStringLiteral("SpeicherBedarfsKz"), QStringLiteral("P")), f.wohnungen);
        // The neighbour before it is shown.
        EXPECT_EQ(aktuell(), QStringLiteral("1"));
        EXPECT_EQ(zustand().aktProjektnummer, QStringLiteral("1"));
        EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Erstes"));
        EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Blättern);
        EXPECT_EQ(umfeld.letztesKommando(), (Kommando{1, 1, 1}));
        EXPECT_EQ(meldungen.boxen.size(), 1) << meldungen.boxen.last().text.toStdString();
        meldungen.leeren();
        sql(QStringLiteral("DELETE FROM ") + tabelle);
        sql(QStringLiteral("DELETE FROM SpeicherBedarfsKz"));
    }
}

TEST_F(Projektseitentest, NeinUndDasLetzteProjektLoeschenNichts)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"));
    parameterzeile(QStringLiteral("He"), QStringLiteral("1"));
    zustand().aktProjektnummer = QStringLiteral("1");
    öffne();
    seite->ProjektVerändern();
    meldungen.antworten = {MsgAntwort::Nein};
    seite->ProjektLöschen();
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 1);
    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Blättern);
    EXPECT_TRUE(alleGesperrt());

    meldungen.leeren();
    meldungen.antworten = {MsgAntwort::Ja};
    seite->ProjektLöschen();
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 1);
    EXPECT_EQ(zeilen(QStringLiteral("Heizungsparameter")), 1);
    EXPECT_EQ(meldungen.boxen.size(), 1);  // the question only
    EXPECT_EQ(aktuell(), QStringLiteral("1"));
}

TEST_F(Projektseitentest, EinFehlerBeimLoeschenNimmtAllesZurueck)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"));
    projekt(QStringLiteral("2"), QStringLiteral("So"), QStringLiteral("Kollektorfeld"));
    parameterzeile(QStringLiteral("So"), QStringLiteral("2"));
    zustand().aktProjektnummer = QStringLiteral("2");
    öffne();
    // The parameter table cannot be opened.
    sql(QStringLiteral("ALTER TABLE Solarparameter RENAME TO SolarAlt"));
    meldungen.antworten = {MsgAntwort::Ja};
    seite->ProjektLöschen();
    ASSERT_EQ(meldungen.boxen.size(), 2);
    EXPECT_EQ(meldungen.boxen[1].art, Meldungsart::Datenbankfehler);
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle"), QStringLiteral("2")), 1);
    EXPECT_EQ(reihenfolge(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(aktuell(), QStringLiteral("2"));
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Kollektorfeld"));
    EXPECT_EQ(seite->zustandDerEingaben(), S::Eingabezustand::Blättern);
}

TEST_F(Projektseitentest, DatumspruefungSetztHeuteUndBehaeltDenFokus)
{
    projekt(QStringLiteral("1"), QStringLiteral("He"));
    zustand().aktProjektnummer = QStringLiteral("1");
    öffne();
    seite->ProjektVerändern();
    seite->Text[S::Datum] = QStringLiteral("31.02.2005");
    bool cancel = false;
    seite->FormValidateControlElement(QStringLiteral("ProjektMask"), VbVariant::integer(0), cancel);
    EXPECT_TRUE(cancel);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Eingabefehler);
    EXPECT_EQ(meldungen.boxen[0].werte, QStringList{QStringLiteral("31.12.1998")});
    EXPECT_EQ(seite->Text[S::Datum], QStringLiteral("15.03.2024"));
    EXPECT_EQ(umfeld.fokus.back(), S::Datum);
    seite->Deaktivieren();
    EXPECT_EQ(feld(QStringLiteral("1"), QStringLiteral("Datum")), QStringLiteral("2024-03-15 00:00:00"));

    // Other controls are not checked.
    cancel = false;
    seite->FormValidateControlElement(QStringLiteral("ProjektText"), VbVariant::integer(1), cancel);
    EXPECT_FALSE(cancel);
}

TEST(Projektseite, TastenregelnDerTextfelder)
{
    struct Fall {
        int index;
        char taste;
        int ergebnis;
    };
    Projektseite seite;
    const Fall fälle[] = {
        {0, 'a', 'A'}, {0, 'z', 'Z'}, {0, '7', '7'}, {0, 'Q', 'Q'}, {0, 8, 8},    {0, ' ', 0}, {0, '-', 0},
        {0, '/', 0},   {0, '\'', 0},  {4, '5', '5'}, {4, 'a', 0},   {4, 13, 0},   {4, 8, 8},   {7, 13, 13},
        {7, '#', '#'}, {1, 13, 0},    {3, 13, 0},    {6, 13, 0},    {5, 'x', 'x'}, {2, '-', '-'},
    };
    for (const Fall& f : fälle) {
        int taste = f.taste;
        seite.ProjektText_KeyPress(f.index, taste);
        EXPECT_EQ(taste, f.ergebnis) << "Feld " << f.index << " Taste " << int(f.taste);
    }
}

TEST(Projektseite, BemerkungenBrechenNach60Zeichen)
{
    // Typing the 61st character at the end: CR LF in front of it, the caret behind it.
    QString text = QString(60, QLatin1Char('a')) + QLatin1Char('b');
    int caret = static_cast<int>(text.size());
    QString neu = Projektseite::Bemerkungsumbruch(text, caret);
    EXPECT_EQ(neu, QString(60, QLatin1Char('a')) + QStringLiteral("\r\nb"));
    EXPECT_EQ(caret, neu.size());

    // A pasted line of 130 characters: 60, 60 and 10.
    caret = 130;
    neu = Projektseite::Bemerkungsumbruch(QString(130, QLatin1Char('x')), caret);
    const QStringList zeilen = neu.split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0].size(), 60);
    EXPECT_EQ(zeilen[1].size(), 60);
    EXPECT_EQ(zeilen[2].size(), 10);

    // Existing breaks start new lines; a line of exactly 60 stays; a caret inside keeps its place.
    text = QString(60, QLatin1Char('c')) + QStringLiteral("\r\n") + QString(30, QLatin1Char('d'));
    caret = 5;
    EXPECT_EQ(Projektseite::Bemerkungsumbruch(text, caret), text);
    EXPECT_EQ(caret, 5);
}

TEST(Projektseite, ArttexteUndKuerzel)
{
    EXPECT_EQ(Projektseite::ProjektartText(QStringLiteral("Kü")), QStringLiteral("Kühl- und Kälteanlagen"));
    EXPECT_EQ(Projektseite::ProjektartText(QStringLiteral("Sp")), QStringLiteral("Speicher-Wasserwärmer"));
    EXPECT_EQ(Projektseite::ProjektartText(QStringLiteral("Xx")), QStringLiteral(" "));
    EXPECT_EQ(Projektseite::ProjektartKürzel(QStringLiteral("Solaranlagen")), QStringLiteral("So"));
    EXPECT_EQ(Projektseite::ProjektartKürzel(QStringLiteral("irgendwas")), QStringLiteral("He"));
    EXPECT_EQ(Projektseite::Projektarttexte().size(), 6);
    EXPECT_EQ(Projektseite::Datensatztext(7), QStringLiteral("     7"));

    Projektseite seite;
    seite.Text[Projektseite::Art] = QStringLiteral("getippt");
    seite.ProjektCombo1_Change();
    EXPECT_EQ(seite.Text[Projektseite::Art], QStringLiteral("Heizungsanlagen"));
}

// ---------------------------------------------------------------------------------------------
// Host mode

class TyvoAdresse : public TyvoAnbindung {
public:
    TyvoAdresse() { setzeTyvoAnbindung(this); }
    ~TyvoAdresse() override { setzeTyvoAnbindung(nullptr); }
    bool LesenAlleXMLDatenVonTyvo(int, QString&, QString&) override { return true; }
    void RückgabeInXML_AuswahlErfolgreich(int) override {}
    void RückgabeInXML_AuswahlNutzerabbruch(int) override {}
    void RückgabeInXML_AuswahlDerKomponenteNichtMöglich(int modus, const QString& grund) override
    {
        nichtMöglich << QStringLiteral("%1 %2").arg(modus).arg(grund);
    }
    TyvoProjektadresse Projektadresse() const override
    {
        return {QStringLiteral("Klinik Nord"), QStringLiteral("Bau 4"), QStringLiteral("Ringstr. 9"),
                QStringLiteral("1234567"), QStringLiteral("Essen")};
    }
    void SetzeProjektID(const QString& id) override { projektId = id; }

    QString projektId;
    QStringList nichtMöglich;
};

TEST_F(Projektseitentest, HostModus2LegtDasProjektDesHostsBeiDerAktivierungAn)
{
    TyvoAdresse host;
    projekt(QStringLiteral("4"), QStringLiteral("He"));
    Programmzustand& z = zustand();
    z.TyvoModus = 2;
    z.Automatiklauf = true;
    z.aktProjektnummer = QStringLiteral("H-77");
    öffne();
    EXPECT_EQ(host.projektId, QStringLiteral("5"));
    EXPECT_FALSE(seite->Adodc1Sichtbar);
    EXPECT_TRUE(seite->NummerSichtbar);
    EXPECT_EQ(umfeld.zurückgesetzt.back(), (Kommando{0, 1, 0}));
    EXPECT_EQ(umfeld.bilderwechsel, 1);
    zeileIst(QStringLiteral("5"), {{"Projektbezeichnung", "Klinik Nord"}, {"Bauherr", "Bau 4"}, {"Straße", "Ringstr. 9"},
                                   {"Ort", "Essen"}, {"Angebotsnummer", "TYVO-Projekterzeugung"}, {"Bemerkungen", " "},
                                   {"ArtErstellung", "2"}});
    EXPECT_EQ(z.AktProjektArtErstellung, 2);
    // A host-made project: the inputs stay locked but for the remarks, the type too.
    EXPECT_FALSE(seite->Frei[S::Art]);
    EXPECT_FALSE(seite->Frei[S::Bezeichnung]);
    EXPECT_TRUE(seite->Frei[S::Bemerkungen]);
    // A further activation creates nothing more.
    seite->Aktivieren();
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 2);
}

TEST_F(Projektseitentest, HostModus1MitBekanntemProjektWirdZuModus2)
{
    TyvoAdresse host;
    projekt(QStringLiteral("H-77"), QStringLiteral("He"), QStringLiteral("Schon da"));
    Programmzustand& z = zustand();
    z.TyvoModus = 1;
    z.ProjektNichtSpeichern = true;
    z.aktProjektnummer = QStringLiteral("H-77");
    öffne();
    EXPECT_EQ(z.TyvoModus, 2);
    EXPECT_FALSE(z.ProjektNichtSpeichern);
    EXPECT_EQ(seite->Text[S::Bezeichnung], QStringLiteral("Schon da"));
    EXPECT_TRUE(seite->NummerSichtbar);
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 1);
}

TEST_F(Projektseitentest, HostModus1MitUnbekanntemProjektSpeichertNichts)
{
    TyvoAdresse host;
    Programmzustand& z = zustand();
    z.TyvoModus = 1;
    z.ProjektNichtSpeichern = true;
    z.Automatiklauf = true;
    z.aktProjektnummer = QStringLiteral("H-1");
    öffne();
    EXPECT_FALSE(seite->NummerSichtbar);
    EXPECT_FALSE(seite->Adodc1Sichtbar);
    EXPECT_EQ(seite->Text[S::PLZ], QStringLiteral("1234567"));
    EXPECT_EQ(z.aktProjektnummer, QStringLiteral("1"));
    EXPECT_TRUE(host.projektId.isEmpty());
    seite->Deaktivieren();
    EXPECT_EQ(zeilen(QStringLiteral("ProjekteTabelle")), 0);
}

TEST_F(Projektseitentest, HostModusOhneProjekttabelleMeldetDemHostUndEndet)
{
    TyvoAdresse host;
    zustand().TyvoModus = 2;
    zustand().Projekt_Data_Source = ordner.filePath(QStringLiteral("fehlt.db"));
    öffne();
    EXPECT_EQ(zustand().AbbruchCode, 3);
    EXPECT_EQ(host.nichtMöglich, QStringList{QStringLiteral("2 Abbruch wegen Fehler im Auslegungsprogramm.")});
    EXPECT_EQ(umfeld.beendet, 1);
    EXPECT_FALSE(zustand().FormLoadError);

    zustand().TyvoModus = 0;
    öffne();
    EXPECT_TRUE(zustand().FormLoadError);
}

}  // namespace
