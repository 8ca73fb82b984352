#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Auswahlgitter.h"
#include "data/Recordset.h"
#include "data/RecordsetModell.h"
#include "data/datenbank.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/storage_heater/Speicherabfrage.h"
#include "design/storage_heater/forms/Form502.h"
#include "design/storage_heater/forms/Form502a.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/ModalSchliesser.h"
#include "support/Testhauptfenster.h"

namespace {

const QString Nr = QStringLiteral("P-1");

QStringList Einträge(const QComboBox* c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

// The tank page on the demo article database. N is set through one dwelling group: 3.5
// occupants with one bath NB1 count 1.0 per dwelling.
class Tankseite502 : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Programmzustand& z = zustand();
        z.aktProjektnummer = Nr;
        z.aktProjektBezeichnung = QStringLiteral("Wohnanlage Nord");
        z.Projektart = QStringLiteral("Sp");
        z.Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
        z.Währungskürzel = QStringLiteral("€");
        z.NeuAuslegungErforderlich = false;
        daten = std::make_shared<GlobDatenSpeicher>();
        ASSERT_EQ(daten->Init(), 0);
        haupt.datenobjekt = daten;
        haupt.seitenbereich.resize(800, 560);
        haupt.seitenbereich.show();
        QApplication::setActiveWindow(&haupt.seitenbereich);
    }
    void TearDown() override
    {
        Entladen();
        daten.reset();
        zustand().NeuAuslegungErforderlich = false;
        QLocale::setDefault(QLocale::c());
    }
    // N = wohnungen x belegung / 3.5 (one decimal below 10).
    void SetzeN(int wohnungen, double belegung = 3.5)
    {
        ASSERT_TRUE(db.projekt().ausfuehren(
            {QStringLiteral("DELETE FROM SpeicherBedarfsKz"),
             QStringLiteral("INSERT INTO SpeicherBedarfsKz ([Projekt Nr], WohnungsgruppenNr, Belegungszahl, AnzahlWohng, "
                            "ArtAusstatt, NB1) VALUES ('%1', 1, %2, %3, 'N', 1)")
                 .arg(Nr)
                 .arg(belegung)
                 .arg(wohnungen)}));
    }
    void Laden()
    {
        Entladen();
        seite = new Form502;
        haupt.SeiteAufnehmen(seite);
        seite->Show();
        QCoreApplication::processEvents();
    }
    void Entladen()
    {
        if (seite)
            seite->Unload();
        seite = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString ArtNr() const { return daten->m_GefaessArtNr.m_Value.toString(); }
    bool Ausgelegt() const { return daten->m_IstAusgelegt.m_Value.toBool(); }
    // Row of an article in the tank recordset (-1: not there).
    int Zeile(const QString& art)
    {
        const std::shared_ptr<Recordset> rs = seite->GefaesseDB()->GetADODB_Recordset();
        const int f = rs->FeldIndex(QStringLiteral("Art Nr"));
        for (int i = 0; i < rs->Anzahl(); ++i)
            if (rs->ZeilenWert(i, f).toString() == art)
                return i;
        return -1;
    }
    // A tank chosen and stored as a finished design: 35004, two tanks of group 50.
    void GespeicherterSpeicher()
    {
        daten->m_GefaessGruppe.m_Value = 50;
        daten->m_GefaessArtNr.m_Value = QStringLiteral("35004");
        daten->m_GefaessAnzahl.m_Value = 2;
        daten->m_LeiszungsKennz.m_Value = VbVariant(10.1);
        daten->m_Wärmeleistung.m_Value = VbVariant(51.2);
        daten->m_HeizVolStrom.m_Value = VbVariant::lng(2202);
        daten->m_IstAusgelegt.m_Value = true;
    }

    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    Testhauptfenster haupt;
    std::shared_ptr<GlobDatenSpeicher> daten;
    Form502* seite = nullptr;
};

}  // namespace

TEST_F(Tankseite502, LadenZeigtGruppenUndDenGespeichertenSpeicher)
{
    SetzeN(3);
    GespeicherterSpeicher();
    Laden();
    EXPECT_EQ(seite->Label4_0->text(), QStringLiteral("3"));
    EXPECT_EQ(seite->Label1[0]->text(), QStringLiteral("Projektnummer:     P-1"));
    EXPECT_EQ(seite->Label1[11]->text(), QStringLiteral("- Speicher - Wasserwärmer -"));
    EXPECT_EQ(seite->Label7[7]->text(), QStringLiteral("l/h"));
    // The demo groups with [Speicher] set, a backslash-n name on two lines.
    EXPECT_EQ(seite->Gruppe(0), 50);
    EXPECT_EQ(seite->Gruppe(2), 52);
    EXPECT_EQ(seite->Gruppe(3), 0);
    EXPECT_EQ(seite->Command1[1]->text(), QStringLiteral("51"));
    EXPECT_EQ(seite->Label3[1]->text(), QStringLiteral("Speicher liegend\nmit Glattrohr-WT"));
    EXPECT_EQ(seite->Command1[0]->toolTip(), QStringLiteral("Automatische Behälterauswahl"));
    EXPECT_EQ(seite->Command2[0]->toolTip(), QStringLiteral("Manuelle Behälterauswahl"));
    EXPECT_TRUE(seite->Command1[2]->isVisibleTo(seite));
    EXPECT_FALSE(seite->Command1[3]->isVisibleTo(seite));
    EXPECT_FALSE(seite->Command2[3]->isVisibleTo(seite));
    // The stored tank with its type, size and the stored figures.
    EXPECT_EQ(seite->Label6[2]->text(), QStringLiteral("ST 300-E"));
    EXPECT_EQ(seite->Label6[0]->text(), QStringLiteral("300"));
    EXPECT_EQ(seite->Label6[1]->text(), QStringLiteral("700 mm / 1500 mm"));
    EXPECT_EQ(seite->Label7[0]->text(), QStringLiteral("10,1"));
    EXPECT_EQ(seite->Label7[1]->text(), QStringLiteral("51,2"));
    EXPECT_EQ(seite->Label7[2]->text(), QStringLiteral("2202"));
    EXPECT_EQ(seite->Text1[3]->text(), QStringLiteral("2"));
    EXPECT_EQ(seite->Text1[0]->text(), QStringLiteral("1000"));
    EXPECT_EQ(seite->gruppeNr, 50);
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));
    EXPECT_TRUE(rec.boxen.isEmpty());

    // A new N since: the choice is cleared at load, the count back to 1.
    zustand().NeuAuslegungErforderlich = true;
    Laden();
    EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
    EXPECT_EQ(ArtNr(), QStringLiteral(" "));
    EXPECT_FALSE(Ausgelegt());
    EXPECT_EQ(seite->gruppeNr, 0);
    EXPECT_EQ(seite->Text1[3]->text(), QStringLiteral("1"));
    EXPECT_EQ(seite->Label6[2]->text(), QStringLiteral(" "));
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("110"));
}

TEST_F(Tankseite502, TemperaturlistenUndRücksprung)
{
    struct Fall {
        int speicher, vorlauf;
        QStringList liste;
        const char* text;
        int gespeichert;  // m_VorlaufTemp after load
    };
    const QStringList vier = {"90", "80", "75", "70"};
    const QStringList sieben = vier + QStringList{"65", "60", "55"};
    const Fall fälle[] = {
        {45, 55, sieben, "55", 55},
        {60, 80, vier, "80", 80},
        {60, 55, vier, "70", 70},  // a low flow is raised for 60 °C
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.speicher * 100 + f.vorlauf);
        daten->m_SpeicherTemp.m_Value = VbVariant::integer(static_cast<int16_t>(f.speicher));
        daten->m_VorlaufTemp.m_Value = VbVariant::integer(static_cast<int16_t>(f.vorlauf));
        Laden();
        EXPECT_EQ(Einträge(seite->ComboSpeicherTemp), (QStringList{"60", "45"}));
        EXPECT_EQ(Einträge(seite->ComboVorlaufTemp), f.liste);
        EXPECT_EQ(seite->ComboVorlaufTemp->currentText(), QString::fromLatin1(f.text));
        EXPECT_EQ(daten->m_VorlaufTemp.m_Value.toInteger(), f.gespeichert);
    }

    // Typed text outside the list snaps back to the first item; text the program sets does not.
    QTest::keyClicks(seite->ComboVorlaufTemp->lineEdit(), QStringLiteral("7"));
    EXPECT_EQ(seite->ComboVorlaufTemp->currentText(), QStringLiteral("90"));
    seite->ComboSpeicherTemp->lineEdit()->clear();
    QTest::keyClicks(seite->ComboSpeicherTemp->lineEdit(), QStringLiteral("7"));
    EXPECT_EQ(seite->ComboSpeicherTemp->currentText(), QStringLiteral("60"));
    seite->ComboVorlaufTemp->setEditText(QStringLiteral("33"));
    EXPECT_EQ(seite->ComboVorlaufTemp->currentText(), QStringLiteral("33"));

    // 45 °C with a 55 °C flow, then 60 °C: the flow rises to 70 °C in the box and the data, and
    // leaving the storage box stores its text and clears the choice.
    daten->m_SpeicherTemp.m_Value = VbVariant::integer(45);
    daten->m_VorlaufTemp.m_Value = VbVariant::integer(55);
    GespeicherterSpeicher();
    Laden();
    ASSERT_EQ(ArtNr(), QStringLiteral("35004"));
    seite->ComboSpeicherTemp->setFocus();
    ASSERT_TRUE(seite->ComboSpeicherTemp->hasFocus());
    seite->ComboSpeicherTemp->setCurrentIndex(0);
    bool cancel = false;
    seite->FormValidateControlElement(QStringLiteral("ComboSpeicherTemp"), VbVariant::null(), cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(Einträge(seite->ComboVorlaufTemp), vier);
    EXPECT_EQ(seite->ComboVorlaufTemp->currentText(), QStringLiteral("70"));
    EXPECT_EQ(daten->m_VorlaufTemp.m_Value.toInteger(), 70);
    EXPECT_EQ(ArtNr(), QStringLiteral("35004"));
    seite->Text1[0]->setFocus();
    EXPECT_EQ(daten->m_SpeicherTemp.m_Value.toInteger(), 60);
    EXPECT_EQ(ArtNr(), QStringLiteral(" "));
    EXPECT_FALSE(Ausgelegt());
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("110"));

    // Entering and leaving the flow box without a change clears nothing.
    GespeicherterSpeicher();
    seite->ComboVorlaufTemp->setFocus();
    seite->Text1[1]->setFocus();
    EXPECT_EQ(ArtNr(), QStringLiteral("35004"));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Tankseite502, NurTippenLöschtDieWahl)
{
    SetzeN(3);
    GespeicherterSpeicher();
    Laden();
    // Text set by the program clears nothing.
    daten->m_EinbringBreite.m_Value = 900;
    daten->m_EinbringBreite.GlobDatenInTextBox();
    seite->Text1[3]->setText(QStringLiteral("4"));
    EXPECT_EQ(ArtNr(), QStringLiteral("35004"));
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));

    struct Fall {
        int box;
        const char* getippt;
        const char* anzahl;  // count box afterwards
    };
    const Fall fälle[] = {{0, "900", "1"}, {1, "1800", "1"}, {3, "23", "23"}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.box);
        GespeicherterSpeicher();
        seite->Text1[3]->setText(QStringLiteral("2"));
        haupt.Kommando(1, 1, 1);
        QLineEdit* box = seite->Text1[static_cast<size_t>(f.box)];
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(f.getippt));
        EXPECT_EQ(ArtNr(), QStringLiteral(" "));
        EXPECT_FALSE(Ausgelegt());
        EXPECT_EQ(seite->gruppeNr, 0);
        EXPECT_EQ(seite->Text1[3]->text(), QString::fromLatin1(f.anzahl));
        EXPECT_EQ(seite->Label6[2]->text(), QStringLiteral(" "));
        EXPECT_EQ(haupt.knöpfe, QStringLiteral("110"));
    }
    // Leaving the count box checks it: 23 is above 6.
    seite->Text1[0]->setFocus();
    EXPECT_EQ(daten->m_GefaessAnzahl.m_Value, 6.0);
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].text, QStringLiteral("Eingabe nur im Bereich [0 .. 6] erlaubt !"));
    EXPECT_TRUE(seite->Text1[3]->hasFocus());
}

TEST_F(Tankseite502, AutomatischeWahlSteigtBeiDerAnzahl)
{
    struct Fall {
        const char* name;
        int n;       // N
        double anzahl;  // count entered
        const char* artikel;
        int ergebnis;  // count afterwards
    };
    const Fall fälle[] = {
        {"nie weniger als eingegeben", 3, 3, "35001", 3},
        {"0 beginnt mit 1", 3, 0, "35003", 1},
        {"halb zur geraden Zahl", 3, 2.5, "35001", 2},
        {"steigt auf 2", 20, 1, "35007", 2},
        {"über 6 wird 6", 3, 9, "35001", 6},
        {"keiner reicht", 106, 1, nullptr, 6},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        SetzeN(f.n);
        daten->m_GefaessAnzahl.m_Value = f.anzahl;
        daten->m_IstAusgelegt.m_Value = true;
        Laden();
        rec.leeren();
        seite->Command1_Click(0);
        EXPECT_EQ(ArtNr(), f.artikel ? QString::fromLatin1(f.artikel) : QStringLiteral(" "));
        EXPECT_EQ(daten->m_GefaessAnzahl.m_Value, f.ergebnis);
        EXPECT_EQ(seite->Text1[3]->text(), QString::number(f.ergebnis));
        if (f.artikel) {
            EXPECT_EQ(daten->m_GefaessGruppe.m_Value, 50.0);
            EXPECT_EQ(seite->Label6[3]->text(), QStringLiteral("50"));
            EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));
            EXPECT_TRUE(rec.boxen.isEmpty());
        } else {
            EXPECT_EQ(daten->m_GefaessGruppe.m_Value, 0.0);
            EXPECT_EQ(seite->gruppeNr, 0);
            EXPECT_FALSE(Ausgelegt());
            EXPECT_EQ(haupt.knöpfe, QStringLiteral("110"));
            ASSERT_EQ(rec.boxen.size(), 1);
            EXPECT_EQ(rec.boxen[0].art, Meldungsart::Auslegungsfehler);
            EXPECT_TRUE(rec.boxen[0].text.startsWith(
                QStringLiteral("Es konnte kein Speicher vom Typ Speicher-Wassererwärmer stehend ausgelegt werden !")));
            EXPECT_TRUE(rec.boxen[0].text.contains(QStringLiteral("Hilfe erhalten Sie unter:")));
        }
    }
    // The figures of the chosen set are shown: 2 x 750 l at 70/60 °C.
    SetzeN(20);
    daten->m_GefaessAnzahl.m_Value = 1;
    Laden();
    seite->Command1_Click(0);
    EXPECT_EQ(seite->Label6[2]->text(), QStringLiteral("ST 750"));
    EXPECT_EQ(seite->Label7[0]->text(), QStringLiteral("29,4"));
    EXPECT_EQ(seite->Label7[1]->text(), QStringLiteral("96"));
}

TEST_F(Tankseite502, BedarfskennzahlÜber300BeiJederAktivierung)
{
    struct Fall {
        int n;
        bool abgewiesen;
    };
    for (const Fall f : {Fall{350, true}, Fall{300, false}}) {
        SCOPED_TRACE(f.n);
        SetzeN(f.n);
        GespeicherterSpeicher();
        daten->m_IstBerechnet.m_Value = true;
        rec.leeren();
        Laden();
        EXPECT_EQ(rec.boxen.size(), f.abgewiesen ? 1 : 0);
        EXPECT_EQ(daten->m_IstBerechnet.m_Value.toBool(), !f.abgewiesen);
        EXPECT_EQ(Ausgelegt(), !f.abgewiesen);
        EXPECT_EQ(seite->Label4_0->text(), f.abgewiesen ? QStringLiteral("0") : QString::number(f.n));
        EXPECT_EQ(daten->m_BedarfsKennz.m_Value.toDouble(), f.abgewiesen ? 0.0 : f.n);
        // Weiter stays offered with the tank chosen before.
        EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));
        EXPECT_EQ(seite->Command1[0]->isEnabled(), !f.abgewiesen);
        EXPECT_EQ(seite->Command2[2]->isEnabled(), !f.abgewiesen);
        if (f.abgewiesen) {
            EXPECT_EQ(rec.boxen[0].art, Meldungsart::Auslegungsfehler);
            EXPECT_TRUE(rec.boxen[0].text.startsWith(QStringLiteral(
                "Die maximal zulässige Bedarfskennzahl (N = 300) wurde mit  N = 350  überschritten !\r\nEine "
                "Speicherauswahl ist nicht möglich.\r\n\r\nHilfe")))
                << rec.boxen[0].text.toStdString();
            // The group buttons choose nothing while the page is shown.
            seite->Command1_Click(0);
            EXPECT_EQ(ArtNr(), QStringLiteral("35004"));
        }
    }
}

TEST_F(Tankseite502, ManuelleWahlÜberDenDialog)
{
    SetzeN(3);
    GespeicherterSpeicher();
    Laden();
    // The list opens on the stored tank; the user points at 35005 and takes it with Enter.
    QString knöpfeImDialog;
    int markiert = -2;
    QString artNrBeimÖffnen;
    ModalSchliesser schliesser([&](QWidget* w) {
        auto* dialog = qobject_cast<Form502a*>(w);
        ASSERT_NE(dialog, nullptr);
        knöpfeImDialog = haupt.knöpfe;
        markiert = dialog->markierteZeile();
        artNrBeimÖffnen = dialog->AktuelleArtNr();
        QTimer::singleShot(0, dialog, [this, dialog] {
            dialog->ZeigerBewegt(Zeile(QStringLiteral("35005")));
            QTest::keyClick(dialog->DataGrid1, Qt::Key_Return);
        });
    });
    seite->Command2_Click(0);
    EXPECT_EQ(schliesser.geöffnet, QStringList{QStringLiteral("Form502a")});
    EXPECT_EQ(knöpfeImDialog, QStringLiteral("000"));
    EXPECT_EQ(artNrBeimÖffnen, QStringLiteral("35004"));
    EXPECT_GE(markiert, 0);
    // 35005 (400 l) reaches N = 3 with one tank.
    EXPECT_EQ(ArtNr(), QStringLiteral("35005"));
    EXPECT_EQ(daten->m_GefaessAnzahl.m_Value, 1.0);
    EXPECT_EQ(daten->m_GefaessInhalt.m_Value.toLong(), 400);
    EXPECT_NEAR(daten->m_LeiszungsKennz.m_Value.toDouble(), 6.9, 1e-5);
    EXPECT_EQ(seite->Label6[2]->text(), QStringLiteral("ST 400"));
    EXPECT_EQ(seite->Text1[3]->text(), QStringLiteral("1"));
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));
    EXPECT_TRUE(rec.boxen.isEmpty());

    // Leaving the page with the tank marks the project designed.
    daten->m_IstAusgelegt.m_Value = false;
    Entladen();
    EXPECT_TRUE(Ausgelegt());
}

TEST_F(Tankseite502, ManuelleWahlErsatzUndKeiner)
{
    // N = 20: 35001 cannot reach it with six tanks, the group's automatic choice stands in.
    SetzeN(20);
    Laden();
    seite->gruppeNr = 50;
    seite->ManuelleBehälterauswahlSp(QStringLiteral("35001"));
    EXPECT_EQ(ArtNr(), QStringLiteral("35007"));
    EXPECT_EQ(daten->m_GefaessAnzahl.m_Value, 2.0);
    EXPECT_EQ(daten->m_GefaessGruppe.m_Value, 50.0);
    EXPECT_EQ(seite->Label6[2]->text(), QStringLiteral("ST 750"));

    // N = 106: no tank of the group suffices; a tank chosen and designed before is cleared.
    SetzeN(106);
    GespeicherterSpeicher();
    Laden();
    haupt.Kommando(1, 1, 1);
    seite->gruppeNr = 50;
    seite->ManuelleBehälterauswahlSp(QStringLiteral("35001"));
    EXPECT_EQ(ArtNr(), QStringLiteral(" "));
    EXPECT_FALSE(Ausgelegt());
    EXPECT_EQ(seite->gruppeNr, 0);
    EXPECT_EQ(seite->Label6[2]->text(), QStringLiteral(" "));
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("110"));

    // An article that is not a candidate clears as well.
    GespeicherterSpeicher();
    seite->gruppeNr = 50;
    seite->ManuelleBehälterauswahlSp(QStringLiteral("35101"));
    EXPECT_EQ(ArtNr(), QStringLiteral(" "));
    EXPECT_FALSE(Ausgelegt());
    Entladen();
    EXPECT_FALSE(Ausgelegt());
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Tankseite502, EnterOhneMarkierungLässtDieWahlStehen)
{
    // The stored tank of group 51 is not in the list of group 50: nothing is highlighted.
    SetzeN(3);
    GespeicherterSpeicher();
    daten->m_GefaessGruppe.m_Value = 51;
    daten->m_GefaessArtNr.m_Value = QStringLiteral("35102");
    Laden();
    QString artNrBeimÖffnen = QStringLiteral("?");
    int markiert = -2;
    ModalSchliesser schliesser([&](QWidget* w) {
        auto* dialog = qobject_cast<Form502a*>(w);
        ASSERT_NE(dialog, nullptr);
        artNrBeimÖffnen = dialog->AktuelleArtNr();
        markiert = dialog->markierteZeile();
        QTimer::singleShot(0, dialog, [dialog] { QTest::keyClick(dialog->DataGrid1, Qt::Key_Return); });
    });
    seite->Command2_Click(0);
    EXPECT_EQ(artNrBeimÖffnen, QString());
    EXPECT_EQ(markiert, -1);
    EXPECT_EQ(ArtNr(), QStringLiteral("35102"));
    EXPECT_TRUE(Ausgelegt());
    EXPECT_EQ(haupt.knöpfe, QStringLiteral("111"));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Tankseite502, ListeZeigerUndAktuelleZeile)
{
    SetzeN(3);
    GespeicherterSpeicher();
    Laden();
    Speicherabfrage& a = *seite->Abfrage();
    a.SpeicherlisteÖffnen(50);
    ASSERT_TRUE(a.SucheBehälterartikel(QStringLiteral("35004")));
    const std::shared_ptr<Recordset> rs = seite->GefaesseDB()->GetADODB_Recordset();
    Form502a d(*seite);
    d.show();
    QApplication::setActiveWindow(&d);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Abfrage Auswahl Artikel"));
    EXPECT_EQ(d.markierteZeile(), rs->Position());
    EXPECT_EQ(d.AktuelleArtNr(), QStringLiteral("35004"));
    EXPECT_TRUE(d.TextLangtext->toPlainText().startsWith(QStringLiteral("Speicher-Wassererwärmer 300 l\n")));
    EXPECT_TRUE(d.TextLangtext->toPlainText().endsWith(QStringLiteral("Inhalt  300 l, D  700 mm, H 1500 mm")))
        << d.TextLangtext->toPlainText().toStdString();
    EXPECT_EQ(d.Label1[5]->text(), QStringLiteral("     Preis\n      in €"));
    EXPECT_EQ(d.Label1[6]->text(), QStringLiteral("  Leistungs-\n   kennzahl\n(1 Speicher)"));

    // Columns: "Art Gruppe" removed, the four text columns hidden, price and figure formatted.
    auto* m = static_cast<RecordsetModell*>(d.DataGrid1->model());
    ASSERT_EQ(m->columnCount(), 11);
    QStringList sichtbar;
    for (int c = 0; c < m->columnCount(); ++c)
        if (!d.DataGrid1->isColumnHidden(c))
            sichtbar << m->spalten()[c].feld;
    EXPECT_EQ(sichtbar.size(), 7);
    EXPECT_FALSE(sichtbar.contains(QStringLiteral("arKurztext1")));
    const int z1 = Zeile(QStringLiteral("35001"));
    EXPECT_EQ(m->text(z1, 5), QStringLiteral("798,00    "));
    EXPECT_EQ(m->text(z1, 6), QStringLiteral("1,9      "));

    // The pointer highlights without moving the current row or the long text.
    const QString lang = d.TextLangtext->toPlainText();
    const int z5 = Zeile(QStringLiteral("35005"));
    const int pos = rs->Position();
    d.ZeigerBewegt(z5);
    EXPECT_EQ(d.markierteZeile(), z5);
    EXPECT_EQ(d.AktuelleArtNr(), QStringLiteral("35005"));
    EXPECT_EQ(rs->Position(), pos);
    EXPECT_EQ(d.TextLangtext->toPlainText(), lang);
    EXPECT_EQ(d.DataGrid1->selectionModel()->selectedRows().size(), 1);
    d.ZeigerBewegt(-1);  // below the last row: nothing changes
    EXPECT_EQ(d.AktuelleArtNr(), QStringLiteral("35005"));

    // Moving the current row (Page Down: one row) takes the long text along.
    d.DataGrid1->setFocus();
    QTest::keyClick(d.DataGrid1, Qt::Key_PageDown);
    EXPECT_EQ(rs->Position(), pos + 1);
    EXPECT_EQ(d.markierteZeile(), pos + 1);
    EXPECT_NE(d.TextLangtext->toPlainText(), lang);

    // Weiter and Alt+Right close without a choice.
    QSignalSpy geschlossen(&d, &QDialog::finished);
    QTest::keyClick(d.DataGrid1, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(geschlossen.size(), 1);
    d.WeiterCommand->click();
    EXPECT_EQ(geschlossen.size(), 2);
    EXPECT_EQ(ArtNr(), QStringLiteral("35004"));
}

TEST_F(Tankseite502, LeereListeSchliesstBeimZeiger)
{
    SetzeN(106);
    Laden();
    seite->Abfrage()->SpeicherlisteÖffnen(52);
    ASSERT_TRUE(seite->GefaesseDB()->GetADODB_Recordset()->Leer());
    Form502a d(*seite);
    EXPECT_EQ(d.markierteZeile(), -1);
    EXPECT_TRUE(d.TextLangtext->toPlainText().isEmpty());
    QSignalSpy verworfen(&d, &QDialog::rejected);
    d.ZeigerBewegt(-1);
    EXPECT_EQ(verworfen.size(), 1);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(Tankseite502, OhneGruppentabelleKeineSeite)
{
    zustand().Artikel_Data_Source = QStringLiteral("/nicht/da/Artikeld.db");
    zustand().FormLoadError = false;
    Laden();
    EXPECT_TRUE(zustand().FormLoadError);
    EXPECT_EQ(rec.boxen.size(), 1);
    zustand().FormLoadError = false;
}
