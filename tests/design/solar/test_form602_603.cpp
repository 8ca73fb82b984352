#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/forms/Platzhalterseite.h"
#include "base/forms/Seitenform.h"
#include "base/forms/Auswahlgitter.h"
#include "base/Programmzustand.h"
#include "design/heating_accessories/forms/Form105b.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/solar/Vorlagebehaelter.h"
#include "design/solar/forms/Form602.h"
#include "design/solar/forms/Form603.h"
#include "shell/Datenobjekte.h"
#include "shell/MDIForm1Testzugriff.h"
#include "shell/forms/MDIForm1.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/ModalSchliesser.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

namespace {

const QString Leer = QStringLiteral(" ");

void Ereignisse()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The messages as "kind:first text id:values".
QStringList Protokoll(const MeldungsRecorder& rec)
{
    QStringList p;
    for (const MeldungsBox& b : rec.boxen)
        p << QStringLiteral("%1:%2:%3").arg(b.art).arg(b.textIds.value(0)).arg(b.werte.join(QLatin1Char('|')));
    return p;
}

QString Text(const QLabel* l)
{
    return l->isHidden() ? QStringLiteral("<verborgen>") : l->text();
}

// A solar project "S-1" on the demo article database, shown in the real main window: 10 m² of
// collectors, valve pressure 6 bar, one 80-l vessel of group 21 chosen, door 1000 mm, room 2000 mm.
class SolarErgebnisseiten : public testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir)); }
    void TearDown() override
    {
        zustand().g_solardat.reset();
        fenster.reset();
        Ereignisse();
    }

    // artikel: the article database (default: the program folder's copy of the demo database).
    void Öffnen(const QString& artikel = QString())
    {
        fenster = std::make_unique<MDIForm1>(dir.path());
        // These pages take the vessel set below; the vessel page stands in.
        MDIForm1Testzugriff::Seiten(*fenster).SetzeFabrik(601, [] {
            return new Platzhalterseite(QStringLiteral("601"), Platzhalterseite::Entwurfsseite);
        });
        db = std::make_unique<Datenobjektdatenbanken>();
        db->projekt().ausfuehren({QStringLiteral("INSERT INTO ProjekteTabelle ([Projekt Nr], Projektart) VALUES ('S-1', 'So')")});
        zustand().Artikel_Data_Source = artikel.isEmpty() ? dir.filePath(QStringLiteral("Daten/Artikeld.db")) : artikel;
        fenster->show();
        Ereignisse();
        Programmzustand& z = zustand();
        z.Projektart = QStringLiteral("So");
        z.aktProjektnummer = QStringLiteral("S-1");
        z.aktProjektBezeichnung = QStringLiteral("Freibad Nord");
        ASSERT_EQ(SolardatenÖffnen(), 0);
        GlobDatenSolar& s = d();
        s.m_Absorberflaeche.m_Value = 10;
        s.m_p_SV.m_Value = 6;
        s.m_r_vauf.m_Value = 40;
        s.m_VolRohre.m_Value = 30;
        s.m_EinbringBreite.m_Value = 1000;
        s.m_EinbringHoehe.m_Value = 2000;
        Gefäß(QStringLiteral("42105"), 21, 1);
        s.m_IstBerechnet.m_Value = true;
    }
    void Gefäß(const QString& art, int gruppe, int anzahl)
    {
        d().m_GefaessArtNr.m_Value = art;
        d().m_GefaessGruppe.m_Value = gruppe;
        d().m_GefaessAnzahl.m_Value = anzahl;
    }
    // Shows a page the way Weiter from the page before does.
    template <class T>
    T* Zeige(int status)
    {
        zustand().Status = status;
        MDIForm1Testzugriff::Seiten(*fenster).Seitenwechsel(status - 1, status);
        Ereignisse();
        return dynamic_cast<T*>(fenster->fenster(status));
    }
    GlobDatenSolar& d() const { return *zustand().g_solardat; }
    bool KnöpfeSichtbar() const
    {
        return fenster->WeiterCommand->isVisibleTo(fenster->LeisteuntenPicture)
               && fenster->ZurückCommand->isVisibleTo(fenster->LeisteuntenPicture);
    }

    QTemporaryDir dir;
    MeldungsRecorder rec;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};

// ---------------------------------------------------------------------------------------------
// Page 602

TEST_F(SolarErgebnisseiten, OhneGefaessZurueckZurGefaesswahl)
{
    Öffnen();
    Gefäß(Leer, 0, 1);
    d().m_Zub_KappV_Beh_Anz.m_Value = VbVariant::integer(7);
    d().m_Zub_KappV_Beh_ArtNr.m_Value = QStringLiteral("alt");
    Form602* s = Zeige<Form602>(602);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(Protokoll(rec), QStringList{QStringLiteral("3:2302:")});
    EXPECT_EQ(zustand().Status, 601);
    EXPECT_NE(fenster->fenster(601), nullptr);
    // The accessory design did not run.
    EXPECT_EQ(d().m_Zub_KappV_Beh_Anz.m_Value.toLong(), 7);
    EXPECT_EQ(d().m_Zub_KappV_Beh_ArtNr.m_Value.toString(), QStringLiteral("alt"));
}

TEST_F(SolarErgebnisseiten, SicherheitsventilUndKappenventile)
{
    const QString sv = QStringLiteral("Membran-Sicherheitsventil Solar");
    const QString kappe = QStringLiteral("Kappenventil R ¾ für Ausdehnungsgefäß");
    struct Fall {
        const char* name;
        const char* gefäß;
        int gruppe, anzahl;
        double fläche;
        QString svText, anzahlKappen, kappenText;
        QStringList protokoll;
    };
    const Fall fälle[] = {
        {"ein Gefaess", "42105", 21, 1, 10, sv, "1", kappe, {}},
        {"drei Gefaesse", "42105", 21, 3, 10, sv, "3", kappe, {}},
        {"keine Kappenventile", "42105", 21, 0, 10, sv, "", "", {}},
        // The designers give their own messages and store " ": no further message.
        {"kein Kappenventil genannt", "42503", 25, 2, 10, sv, "2", "", {"4:2352:"}},
        {"kein Ventil fuer die Flaeche", "42105", 21, 1, 250, "", "1", kappe, {"4:2373:"}},
        {"Kappenventil fehlt", "42702", 27, 1, 10, sv, "1", "", {"4:2361:24199"}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Öffnen();
        Gefäß(QString::fromLatin1(f.gefäß), f.gruppe, f.anzahl);
        d().m_Absorberflaeche.m_Value = f.fläche;
        rec.leeren();
        Form602* s = Zeige<Form602>(602);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(Protokoll(rec), f.protokoll);
        EXPECT_EQ(s->Label1[10]->text(), QStringLiteral("- Solaranlage -"));
        EXPECT_EQ(s->Label1[0]->text(), QStringLiteral("Projektnummer:     S-1"));
        EXPECT_EQ(s->Label4[0]->text(), QStringLiteral("1"));
        EXPECT_EQ(s->Label5[0]->text(), f.svText);
        EXPECT_EQ(s->Label4[1]->text(), f.anzahlKappen);
        EXPECT_EQ(s->Label5[1]->text(), f.kappenText);
        EXPECT_EQ(d().m_Zub_KappV_Beh_Anz.m_Value.toLong(), f.anzahl);
        EXPECT_FALSE(d().m_IstAusgelegt.m_Value.toBool());
        TearDown();
    }
}

TEST_F(SolarErgebnisseiten, SicherheitsventilFehltInDerArtikelansicht)
{
    // A copy of the demo database without the article of the 6-bar valve.
    const QString pfad = dir.filePath(QStringLiteral("Daten/Artikeld.db"));
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ohne25061"));
        c.setDatabaseName(pfad);
        ASSERT_TRUE(c.open());
        QSqlQuery q(c);
        ASSERT_TRUE(q.exec(QStringLiteral("DELETE FROM ARTIKEL WHERE arArtikelnr = '25061'")));
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("ohne25061"));
    Öffnen(pfad);
    Form602* s = Zeige<Form602>(602);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Protokoll(rec), QStringList{QStringLiteral("4:2361:25061")});
    EXPECT_EQ(d().m_Zub_SichVentil_ArtNr.m_Value.toString(), QStringLiteral("25061"));
    EXPECT_EQ(s->Label4[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(s->Label5[0]->text(), QString());
}

TEST_F(SolarErgebnisseiten, KappenventileFolgenDemGefaess)
{
    Öffnen();
    ASSERT_NE(Zeige<Form602>(602), nullptr);
    EXPECT_EQ(d().m_Zub_KappV_Beh_ArtNr.m_Value.toString(), QStringLiteral("24120"));
    fenster->ZurückCommand->click();
    Ereignisse();
    ASSERT_EQ(zustand().Status, 601);
    Gefäß(QStringLiteral("42701"), 27, 2);
    Form602* s = Zeige<Form602>(602);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(d().m_Zub_KappV_Beh_ArtNr.m_Value.toString(), QStringLiteral("24125"));
    EXPECT_EQ(s->Label4[1]->text(), QStringLiteral("2"));
    EXPECT_EQ(s->Label5[1]->text(), QStringLiteral("Kappenventil R 1 für Ausdehnungsgefäß"));
}

// ---------------------------------------------------------------------------------------------
// Sizing of the intermediate vessel

TEST(Vorlagebehaelter, Auslegung)
{
    // Solar intermediate vessels of the demo database (l / bar / °C): 44001 35/10/120,
    // 44002 50/10/120, 44004 80/6/110 (Ø 480, H 565); 44003 60/10/120 is not for solar.
    struct Fall {
        const char* name;
        double fläche, vauf, rohre, tür, raum, psv;
        const char* art;
        int16_t status;
        QStringList protokoll;
    };
    const Fall fälle[] = {
        {"unter 100 m2", 99.9, 200, 40, 1000, 2000, 6, " ", 2, {}},
        {"Minimum 0,5 wird 0", 100, 31, 30, 1000, 2000, 6, " ", 2, {}},
        {"Rohre groesser", 100, 30, 40, 1000, 2000, 6, " ", 2, {}},
        {"Minimum 1,5 wird 2: niedrigster Druck zuerst", 100, 33, 30, 1000, 2000, 6, "44004", 0, {}},
        {"8 bar: kleinster Inhalt", 150, 100, 40, 1000, 2000, 8, "44001", 0, {}},
        {"8 bar, 40 l", 150, 120, 40, 1000, 2000, 8, "44002", 0, {}},
        {"Tuer zu schmal fuer 80 l", 150, 100, 40, 450, 2000, 6, "44001", 0, {}},
        {"Raum zu niedrig fuer 80 l", 150, 100, 40, 1000, 550, 6, "44001", 0, {}},
        {"zu gross", 150, 220, 40, 1000, 2000, 6, " ", 1, {"4:2355:90"}},
        {"60 l nicht fuer Solar", 150, 150, 40, 1000, 2000, 8, " ", 1, {"4:2355:55"}},
    };
    zustandZuruecksetzen();
    Datenobjektdatenbanken dbs;
    zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    zustand().aktProjektnummer = QStringLiteral("S-1");
    GlobDatenSolar d;
    ASSERT_EQ(d.Init(), 0);
    d.m_TerminateMitUpdate = false;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        MeldungsRecorder rec;
        d.m_Absorberflaeche.m_Value = f.fläche;
        d.m_r_vauf.m_Value = f.vauf;
        d.m_VolRohre.m_Value = f.rohre;
        d.m_EinbringBreite.m_Value = f.tür;
        d.m_EinbringHoehe.m_Value = f.raum;
        d.m_p_SV.m_Value = f.psv;
        QString art = QStringLiteral("alt");
        int16_t status = -1;
        AuslegungVorlagebehälter(d, art, status);
        EXPECT_EQ(art, QString::fromLatin1(f.art));
        EXPECT_EQ(status, f.status);
        EXPECT_EQ(Protokoll(rec), f.protokoll);
    }
}

TEST(Vorlagebehaelter, TemperaturVorInhalt)
{
    zustandZuruecksetzen();
    Datenobjektdatenbanken dbs;
    zustand().aktProjektnummer = QStringLiteral("S-1");
    GlobDatenSolar d;
    ASSERT_EQ(d.Init(), 0);
    d.m_TerminateMitUpdate = false;
    // At equal pressure the lower temperature rating wins over the smaller content; the 6-bar
    // vessel is too small, the last one is not for solar.
    ArtikelFixture tabelle(QStringLiteral(
        "CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT, [Art Gr Berechn Prg] INTEGER, Solaranlage BOOLEAN, "
        "[Durchmesser in mm] INTEGER, [MinderBreite in mm] INTEGER, [Höhe in mm] INTEGER, [MinderHöhe in mm] INTEGER, "
        "[Max, Betriebsdruck in bar] REAL, [Max, Betriebstemperatur in °C] INTEGER, [Inhalt in ltr] INTEGER);"
        "INSERT INTO [Grunddaten Gefäße] VALUES ('A100', 40, -1, 500, 0, 800, 0, 10, 150, 100), "
        "('B200', 40, -1, 600, 0, 900, 0, 10, 110, 200), ('C050', 40, -1, 400, 0, 500, 0, 6, 110, 50), "
        "('D080', 40, 0, 500, 0, 700, 0, 6, 110, 80), ('E090', 41, -1, 500, 0, 700, 0, 6, 110, 90)"));
    ASSERT_TRUE(tabelle.ok());
    MeldungsRecorder rec;
    d.m_Absorberflaeche.m_Value = 100;
    d.m_r_vauf.m_Value = 160;
    d.m_VolRohre.m_Value = 40;  // at least 60 l
    d.m_EinbringBreite.m_Value = 1000;
    d.m_EinbringHoehe.m_Value = 2000;
    d.m_p_SV.m_Value = 6;
    QString art;
    int16_t status = -1;
    AuslegungVorlagebehälter(d, art, status);
    EXPECT_EQ(art, QStringLiteral("B200"));
    EXPECT_EQ(status, Vorlagebehälter::Gefunden);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(Vorlagebehaelter, TabelleNichtZuOeffnen)
{
    zustandZuruecksetzen();
    Datenobjektdatenbanken dbs;
    zustand().aktProjektnummer = QStringLiteral("S-1");
    GlobDatenSolar d;
    ASSERT_EQ(d.Init(), 0);
    d.m_TerminateMitUpdate = false;
    ArtikelFixture leer;
    MeldungsRecorder rec;
    d.m_Absorberflaeche.m_Value = 150;
    d.m_r_vauf.m_Value = 100;
    d.m_VolRohre.m_Value = 40;
    QString art;
    int16_t status = -1;
    AuslegungVorlagebehälter(d, art, status);
    EXPECT_EQ(art, Leer);
    EXPECT_EQ(status, Vorlagebehälter::NichtGefunden);
    // The table's own database message, no 2355.
    ASSERT_EQ(rec.boxen.size(), 1);
    EXPECT_EQ(rec.boxen[0].art, Meldungsart::Datenbankfehler);
}

// ---------------------------------------------------------------------------------------------
// Page 603

TEST_F(SolarErgebnisseiten, GespeicherteWahlBeimLaden)
{
    struct Fall {
        const char* name;
        VbVariant gespeichert;
        double fläche, vauf;
        int gewählt;  // -1: no option set
        bool option1Frei;
        VbVariant danach;
        QString art, zeile;
        QStringList protokoll;
    };
    const QString achtzig = QStringLiteral("Vorlagebehälter 80 l");
    const QString verborgen = QStringLiteral("<verborgen>");
    const Fall fälle[] = {
        {"0 mit passendem Behaelter", VbVariant::integer(0), 150, 100, 0, true, VbVariant::integer(0), Leer, verborgen, {}},
        {"1 mit passendem Behaelter", VbVariant::integer(1), 150, 100, 1, true, VbVariant::integer(1), "44004", achtzig, {}},
        {"1 bei kleiner Flaeche", VbVariant::integer(1), 50, 100, 0, false, VbVariant::integer(0), Leer, verborgen, {}},
        {"1 ohne passenden Behaelter", VbVariant::integer(1), 150, 230, 1, true, VbVariant::integer(1), Leer, verborgen,
         {"4:2355:100"}},
        {"3 bleibt gespeichert", VbVariant::integer(3), 150, 100, 0, true, VbVariant::integer(3), Leer, verborgen, {}},
        {"leer ist 0", VbVariant(), 150, 100, 0, true, VbVariant(), Leer, verborgen, {}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Öffnen();
        d().m_Absorberflaeche.m_Value = f.fläche;
        d().m_r_vauf.m_Value = f.vauf;
        d().m_Zub_MitVorlagebehälter.m_Value = f.gespeichert;
        d().m_Zub_Vorlagebeh_ArtNr.m_Value = QStringLiteral("alt");
        rec.leeren();
        Form603* s = Zeige<Form603>(603);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(Protokoll(rec), f.protokoll);
        EXPECT_EQ(s->Option1[0]->isChecked(), f.gewählt == 0);
        EXPECT_EQ(s->Option1[1]->isChecked(), f.gewählt == 1);
        EXPECT_EQ(s->Option1[1]->isEnabled(), f.option1Frei);
        EXPECT_TRUE(d().m_Zub_MitVorlagebehälter.m_Value.gleich(f.danach));
        EXPECT_EQ(d().m_Zub_Vorlagebeh_ArtNr.m_Value.toString(), f.art);
        EXPECT_EQ(s->Label5->text(), f.zeile == verborgen ? Leer : f.zeile);
        EXPECT_EQ(Text(s->Label2[0]), f.zeile == verborgen ? verborgen : LadeText(1225));
        TearDown();
    }
}

TEST_F(SolarErgebnisseiten, UnlesbareWahlWirdGeloeschtUndOptionenAntworten)
{
    Öffnen();
    d().m_Absorberflaeche.m_Value = 150;
    d().m_r_vauf.m_Value = 100;
    d().m_Zub_MitVorlagebehälter.m_Value = QStringLiteral("ja");
    Form603* s = Zeige<Form603>(603);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(d().m_Zub_MitVorlagebehälter.m_Value.gleich(VbVariant::integer(0)));
    EXPECT_FALSE(s->Option1[0]->isChecked());
    EXPECT_FALSE(s->Option1[1]->isChecked());
    EXPECT_TRUE(rec.boxen.isEmpty());
    // The page is not stuck in its loading state: the user's choice is sized.
    s->Option1[1]->click();
    EXPECT_TRUE(d().m_Zub_MitVorlagebehälter.m_Value.gleich(VbVariant::integer(1)));
    EXPECT_EQ(d().m_Zub_Vorlagebeh_ArtNr.m_Value.toString(), QStringLiteral("44004"));
    EXPECT_EQ(s->Label5->text(), QStringLiteral("Vorlagebehälter 80 l"));
}

// A load that ended on a stored choice it could not read marks nothing designed when the page is
// left; a load that ran through does.
TEST_F(SolarErgebnisseiten, AbgebrochenesLadenMarkiertNichtAusgelegt)
{
    struct Fall {
        VbVariant gespeichert;
        bool ausgelegt;
    };
    const Fall fälle[] = {{VbVariant(QStringLiteral("ja")), false},
                          {VbVariant(40000.0), false},
                          {VbVariant::integer(0), true}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.gespeichert.toString().toStdString());
        Öffnen();
        d().m_Zub_MitVorlagebehälter.m_Value = f.gespeichert;
        ASSERT_NE(Zeige<Form603>(603), nullptr);
        fenster->ZurückCommand->click();
        Ereignisse();
        EXPECT_EQ(zustand().Status, 602);
        ASSERT_TRUE(zustand().g_solardat);
        EXPECT_EQ(d().m_IstAusgelegt.m_Value.toBool(), f.ausgelegt);
        TearDown();
    }
}

TEST_F(SolarErgebnisseiten, OptionenWaehlen)
{
    Öffnen();
    d().m_Absorberflaeche.m_Value = 150;
    d().m_r_vauf.m_Value = 100;
    d().m_Zub_MitVorlagebehälter.m_Value = VbVariant::integer(0);
    Form603* s = Zeige<Form603>(603);
    ASSERT_NE(s, nullptr);

    s->Option1[1]->click();
    EXPECT_TRUE(d().m_Zub_MitVorlagebehälter.m_Value.gleich(VbVariant::integer(1)));
    EXPECT_EQ(d().m_Zub_Vorlagebeh_ArtNr.m_Value.toString(), QStringLiteral("44004"));
    EXPECT_EQ(Text(s->Label2[0]), LadeText(1225));
    EXPECT_EQ(s->Label5->text(), QStringLiteral("Vorlagebehälter 80 l"));

    s->Option1[0]->click();
    EXPECT_TRUE(d().m_Zub_MitVorlagebehälter.m_Value.gleich(VbVariant::integer(0)));
    EXPECT_EQ(d().m_Zub_Vorlagebeh_ArtNr.m_Value.toString(), Leer);
    EXPECT_TRUE(s->Label2[0]->isHidden());
    EXPECT_EQ(s->Label5->text(), Leer);

    // No fit: the message, the choice is kept without an article.
    d().m_r_vauf.m_Value = 230;
    s->Option1[1]->click();
    EXPECT_EQ(Protokoll(rec), QStringList{QStringLiteral("4:2355:100")});
    EXPECT_TRUE(d().m_Zub_MitVorlagebehälter.m_Value.gleich(VbVariant::integer(1)));
    EXPECT_EQ(d().m_Zub_Vorlagebeh_ArtNr.m_Value.toString(), Leer);
    EXPECT_TRUE(s->Label2[0]->isHidden());

    // The project no longer needs one: back to "kein Vorlagebehälter", the option locked.
    s->Option1[0]->click();
    d().m_Absorberflaeche.m_Value = 80;
    s->Option1_Click(1);
    EXPECT_TRUE(d().m_Zub_MitVorlagebehälter.m_Value.gleich(VbVariant::integer(0)));
    EXPECT_EQ(d().m_Zub_Vorlagebeh_ArtNr.m_Value.toString(), Leer);
    EXPECT_TRUE(s->Option1[0]->isChecked());
    EXPECT_FALSE(s->Option1[1]->isEnabled());
    EXPECT_TRUE(s->Label2[0]->isHidden());
}

TEST_F(SolarErgebnisseiten, EntlueftungMitDenSolarzeilen)
{
    Öffnen();
    d().m_Zub_Entlüfter_ArtNr_m_value(1, QStringLiteral("33001"));
    d().m_Zub_Entlüfter_Anz_m_value(1, 2);
    Form603* s = Zeige<Form603>(603);
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(KnöpfeSichtbar());
    QStringList liste;
    QString zeile1;
    bool knöpfeWährenddessen = true;
    {
        ModalSchliesser schliesser([&](QWidget* w) {
            auto* b = qobject_cast<Form105b*>(w);
            if (!b)
                return;
            knöpfeWährenddessen = KnöpfeSichtbar();
            const QAbstractItemModel* m = b->DataGrid1->model();
            for (int r = 0; r < m->rowCount(); ++r)
                liste << m->index(r, 0).data().toString();
            zeile1 = b->Text2[1]->text() + QLatin1Char('/') + b->Text3[1]->text();
            // The user puts the third listed article into row 4, three pieces.
            b->ZeileAktivieren(4);
            b->DataGrid1->setCurrentIndex(m->index(2, 0));
            b->Text3[4]->setText(QStringLiteral("3"));
            bool cancel = false;
            b->FormValidateControlElement(QStringLiteral("Text3"), 4, cancel);
        });
        s->Command2->click();
        EXPECT_EQ(schliesser.geöffnet, QStringList{QStringLiteral("Form105b")});
    }
    EXPECT_EQ(liste, (QStringList{"33001", "33002", "33003", "33203", "33204", "33101", "33102"}));
    EXPECT_EQ(zeile1, QStringLiteral("33001/2"));
    EXPECT_FALSE(knöpfeWährenddessen);
    EXPECT_TRUE(KnöpfeSichtbar());
    EXPECT_EQ(d().m_Zub_Entlüfter_ArtNr_m_value(4), QStringLiteral("33003"));
    EXPECT_EQ(d().m_Zub_Entlüfter_Anz_m_value(4), 3);
}

TEST_F(SolarErgebnisseiten, WeiterSchreibtAusgelegtZurueck)
{
    Öffnen();
    ASSERT_NE(Zeige<Seitenform>(601), nullptr);
    // From the vessel choice with Weiter through both pages.
    fenster->WeiterCommand->click();
    Ereignisse();
    ASSERT_NE(dynamic_cast<Form602*>(fenster->fenster(602)), nullptr);
    fenster->WeiterCommand->click();
    Ereignisse();
    ASSERT_NE(dynamic_cast<Form603*>(fenster->fenster(603)), nullptr);
    EXPECT_TRUE(rec.boxen.isEmpty());
    EXPECT_FALSE(d().m_IstAusgelegt.m_Value.toBool());
    std::weak_ptr<GlobDatenSolar> objekt = zustand().g_solardat;
    fenster->WeiterCommand->click();
    Ereignisse();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_TRUE(objekt.expired());
    // The page marked the design before the object wrote itself back.
    EXPECT_EQ(db->feld(QStringLiteral("Solarparameter"), QStringLiteral("IstAusgelegt"), QStringLiteral("S-1")).toInt(), -1);
    EXPECT_EQ(db->feld(QStringLiteral("Solarparameter"), QStringLiteral("SichventilArtNr"), QStringLiteral("S-1")).toString(),
              QStringLiteral("25061"));
}

TEST_F(SolarErgebnisseiten, ZurueckMarkiertAuchAusgelegt)
{
    Öffnen();
    ASSERT_NE(Zeige<Form603>(603), nullptr);
    fenster->ZurückCommand->click();
    Ereignisse();
    EXPECT_EQ(zustand().Status, 602);
    ASSERT_TRUE(zustand().g_solardat);
    EXPECT_TRUE(d().m_IstAusgelegt.m_Value.toBool());
    // Back to the project page, saving: the row holds the flag.
    for (int status : {601, 600, 3}) {
        fenster->ZurückCommand->click();
        Ereignisse();
        EXPECT_EQ(zustand().Status, status);
    }
    EXPECT_FALSE(zustand().g_solardat);
    EXPECT_EQ(db->feld(QStringLiteral("Solarparameter"), QStringLiteral("IstAusgelegt"), QStringLiteral("S-1")).toInt(), -1);
}

}  // namespace
