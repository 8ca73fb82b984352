#include <QFile>
#include <QSqlQuery>
#include <QVariant>

#include <tuple>

#include "ProjektDbFixture.h"
#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"

namespace {

struct Spalte {
    QString typ;
    QVariant vorgabe;  // null: no column default
};

class Schema : public ProjektDbFixture {
protected:
    Spalte spalte(const QString& tabelle, const QString& feld)
    {
        QSqlQuery q(db());
        q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabelle));
        while (q.next())
            if (q.value(1).toString() == feld)
                return {q.value(2).toString(), q.value(4)};
        ADD_FAILURE() << "no column " << feld.toStdString();
        return {};
    }
};

TEST_F(Schema, NeueDatenbankHatNeunTabellenInListenreihenfolge)
{
    baue();
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    const std::pair<QString, int> erwartet[] = {
        {Tabelle::DatenbankInfo, 7},          {Tabelle::ProjekteTabelle, 13},
        {Tabelle::Heizungsparameter, 211},    {Tabelle::Kälteparameter, 122},
        {Tabelle::Solarparameter, 69},        {Tabelle::Trinkwasserparameter, 22},
        {Tabelle::Druckerhöhungparameter, 19}, {Tabelle::SpeicherWasserwärmerparameter, 15},
        {Tabelle::SpeicherBedarfsKz, 21}};
    QStringList tabellen = db().tables();
    tabellen.removeAll(Kennwort::Tabelle);
    tabellen.removeAll(QStringLiteral("sqlite_sequence"));
    EXPECT_EQ(tabellen.size(), 9);
    for (const auto& [tabelle, anzahl] : erwartet) {
        Feldliste liste;
        ASSERT_TRUE(Tabellenaufbau::Aufbauen(tabelle, liste));
        QStringList namen;
        for (const ManipDBField& f : liste)
            namen << f.fieldbez;
        EXPECT_EQ(liste.size(), anzahl) << tabelle.toStdString();
        EXPECT_EQ(spalten(tabelle), namen) << tabelle.toStdString();
    }
    // The file carries the project password.
    EXPECT_TRUE(Kennwort::Pruefen(db(), Kennwort::Projektdatenbank));
}

TEST_F(Schema, FeldpositionenDerNummeriertenGruppen)
{
    struct Fall {
        QString tabelle;
        int pos;
        const char* name;
    };
    const Fall fälle[] = {
        {Tabelle::Heizungsparameter, 16, "Ruecklauftemp"},
        {Tabelle::Heizungsparameter, 30, "Wärmeerzeuger6"},
        {Tabelle::Heizungsparameter, 51, "FernleitungDN20"},
        {Tabelle::Heizungsparameter, 65, "FernleitungDN400"},
        {Tabelle::Heizungsparameter, 92, "EinzelBehälterVol_6"},
        {Tabelle::Heizungsparameter, 117, "ZubehoerSteuerung"},
        {Tabelle::Heizungsparameter, 119, "SichventilArtNr1"},
        {Tabelle::Heizungsparameter, 120, "SichventAnz1"},
        {Tabelle::Heizungsparameter, 130, "SichventAnz6"},
        {Tabelle::Heizungsparameter, 137, "Mangelsicherung"},
        {Tabelle::Heizungsparameter, 176, "AbsorpAbschArtNr1"},
        {Tabelle::Heizungsparameter, 211, "LufttöpfeAnz6"},
        {Tabelle::Kälteparameter, 36, "SonstigesLiter"},
        {Tabelle::Kälteparameter, 62, "ZubehoerSteuerung"},
        {Tabelle::Kälteparameter, 122, "LufttöpfeAnz6"},
        {Tabelle::Solarparameter, 28, "LngRUeberK42x1"},
        {Tabelle::Solarparameter, 36, "VolWTSolar4"},
        {Tabelle::Solarparameter, 58, "EntlüfterArtNr1"},
        {Tabelle::Solarparameter, 69, "EntlüfterAnz6"},
        {Tabelle::SpeicherBedarfsKz, 11, "GB"},
        {Tabelle::SpeicherBedarfsKz, 21, "SP"},
        {Tabelle::DatenbankInfo, 7, "Nutzerinfo_4"},
    };
    for (const Fall& f : fälle) {
        Feldliste liste;
        Tabellenaufbau::Aufbauen(f.tabelle, liste);
        ASSERT_GE(liste.size(), f.pos);
        EXPECT_EQ(liste[f.pos - 1].fieldbez, QString::fromUtf8(f.name))
            << f.tabelle.toStdString() << " " << f.pos;
    }
}

TEST_F(Schema, DeklarierteTypenUndSpaltenvorgaben)
{
    baue();
    struct Fall {
        QString tabelle;
        const char* feld;
        const char* typ;
        QVariant vorgabe;
    };
    const QVariant keine;
    const Fall fälle[] = {
        {Tabelle::ProjekteTabelle, "Projekt Nr", "TEXT(15)", keine},
        {Tabelle::ProjekteTabelle, "ProjektKey", "COUNTER", keine},
        {Tabelle::ProjekteTabelle, "Bemerkungen", "LONGTEXT", keine},
        {Tabelle::ProjekteTabelle, "Datum", "DATETIME", keine},
        {Tabelle::ProjekteTabelle, "ArtErstellung", "BYTE", 0},
        {Tabelle::Heizungsparameter, "Beheizung direkt", "BOOLEAN", -1},
        {Tabelle::Heizungsparameter, "Beheizung indirekt", "BOOLEAN", 0},
        {Tabelle::Heizungsparameter, "GesamtwärmeleistungQ", "LONG", 3},
        {Tabelle::Heizungsparameter, "Türbreite", "SHORT", 1000},
        {Tabelle::Heizungsparameter, "p Soll", "SINGLE", 1.7},
        {Tabelle::Heizungsparameter, "GefäßArtNr", "TEXT(15)", keine},
        {Tabelle::Kälteparameter, "p Soll", "SINGLE", 1.2},
        {Tabelle::Solarparameter, "Frostschutzzusatz", "BYTE", 40},
        {Tabelle::Solarparameter, "Wasservorlage", "SINGLE", 3.0},
        {Tabelle::Solarparameter, "EntlüfterArtNr3", "TEXT(15)", keine},
        {Tabelle::DatenbankInfo, "Nutzerinfo_1", "TEXT(80)", keine},
        {Tabelle::SpeicherBedarfsKz, "Belegungszahl", "SINGLE", 2.0},
    };
    for (const Fall& f : fälle) {
        const Spalte s = spalte(f.tabelle, QString::fromUtf8(f.feld));
        EXPECT_EQ(s.typ, QString::fromLatin1(f.typ)) << f.feld;
        if (f.vorgabe.isNull()) {
            EXPECT_TRUE(s.vorgabe.isNull()) << f.feld << " " << s.vorgabe.toString().toStdString();
        } else {
            EXPECT_FLOAT_EQ(s.vorgabe.toFloat(), f.vorgabe.toFloat()) << f.feld;
        }
    }
    // Memo texts that look like numbers stay texts.
    {
        datenbank tab;
        ASSERT_EQ(tab.OpenTab(pfad, QStringLiteral("Select * From ProjekteTabelle"), 2,
                              Kennwort::Projektdatenbank, true), 0);
        tab.AddNew();
        tab.SetFeld(QStringLiteral("Bemerkungen"), VbVariant("0012"));
        tab.SetFeld(QStringLiteral("Angebotsnummer"), VbVariant("1e3"));
        tab.UpdateTab();
    }
    {
        datenbank tab;
        ASSERT_EQ(tab.OpenTab(pfad, QStringLiteral("Select * From ProjekteTabelle"), 2,
                              Kennwort::Projektdatenbank, true), 0);
        EXPECT_EQ(tab.GetFeld(QStringLiteral("Bemerkungen")).toString(), QStringLiteral("0012"));
        EXPECT_EQ(tab.GetFeld(QStringLiteral("Angebotsnummer")).toString(), QStringLiteral("1e3"));
    }
    // A new row gets the column defaults; article numbers stay Null.
    sql(QStringLiteral("INSERT INTO Heizungsparameter (\"Projekt Nr\") VALUES ('1')"));
    QSqlQuery q(db());
    q.exec(QStringLiteral("SELECT \"p Soll\", \"GefäßArtNr\", \"Beheizung direkt\" FROM Heizungsparameter"));
    ASSERT_TRUE(q.next());
    EXPECT_FLOAT_EQ(q.value(0).toFloat(), 1.7f);
    EXPECT_TRUE(q.value(1).isNull());
    EXPECT_EQ(q.value(2).toInt(), -1);
}

TEST_F(Schema, TexteVergleichenOhneRücksichtAufGroßschreibung)
{
    baue();
    // The project number of every table and other text and memo columns: WHERE and ORDER BY
    // agree with the search of the table access.
    QList<std::pair<QString, QString>> spaltenliste;
    for (const QString& t : Tabellenaufbau::Tabellen())
        if (t != Tabelle::DatenbankInfo)
            spaltenliste.append({t, Tabelle::ProjektNr});
    spaltenliste.append({Tabelle::ProjekteTabelle, QStringLiteral("Bemerkungen")});
    spaltenliste.append({Tabelle::Heizungsparameter, QStringLiteral("GefäßArtNr")});
    spaltenliste.append({Tabelle::DatenbankInfo, QStringLiteral("Nutzerinfo_1")});
    for (const auto& [tabelle, feld] : spaltenliste) {
        const std::string name = (tabelle + QLatin1Char('.') + feld).toStdString();
        sql(QStringLiteral("DELETE FROM \"%1\"").arg(tabelle));
        sql(QStringLiteral("INSERT INTO \"%1\" (\"%2\") VALUES ('ab1'), ('Ab2'), ('AB1')").arg(tabelle, feld));
        QSqlQuery q(db());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"%2\" = 'aB1'").arg(tabelle, feld)));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 2) << name;
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT \"%2\" FROM \"%1\" ORDER BY \"%2\", rowid").arg(tabelle, feld)));
        QStringList reihe;
        while (q.next())
            reihe << q.value(0).toString();
        EXPECT_EQ(reihe, (QStringList{"ab1", "AB1", "Ab2"})) << name;
    }
}

TEST_F(Schema, EinzigerIndexIstProjektKeyEindeutig)
{
    baue();
    QSqlQuery q(db());
    q.exec(QStringLiteral("SELECT name, tbl_name, sql FROM sqlite_master WHERE type = 'index' "
                          "AND sql IS NOT NULL"));
    QStringList indexe;
    while (q.next()) {
        indexe << q.value(0).toString();
        EXPECT_EQ(q.value(1).toString(), Tabelle::ProjekteTabelle);
        EXPECT_TRUE(q.value(2).toString().startsWith(QLatin1String("CREATE UNIQUE INDEX")));
    }
    EXPECT_EQ(indexe, QStringList{QStringLiteral("ProjektKey")});
    // The counter numbers new rows by itself.
    {
        datenbank tab;
        ASSERT_EQ(tab.OpenTab(pfad, QStringLiteral("Select * From ProjekteTabelle"), 2,
                              Kennwort::Projektdatenbank, true), 0);
        for (const char* nr : {"1", "2"}) {
            tab.AddNew();
            tab.SetFeld(Tabelle::ProjektNr, VbVariant(nr));
            tab.UpdateTab();
        }
    }
    q.exec(QStringLiteral("SELECT ProjektKey FROM ProjekteTabelle ORDER BY ProjektKey"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 2);
}

TEST_F(Schema, ZweiterLaufLässtVollständigeDatenbankUnverändert)
{
    baue();
    sql(QStringLiteral("INSERT INTO Trinkwasserparameter (\"Projekt Nr\", \"Anfangsdruck\") VALUES ('7', 3.5)"));
    const QStringList vorher = spalten(Tabelle::Trinkwasserparameter);
    baue();
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    EXPECT_EQ(spalten(Tabelle::Trinkwasserparameter), vorher);
    QSqlQuery q(db());
    q.exec(QStringLiteral("SELECT \"Anfangsdruck\" FROM Trinkwasserparameter"));
    ASSERT_TRUE(q.next());
    EXPECT_DOUBLE_EQ(q.value(0).toDouble(), 3.5);
}

TEST_F(Schema, ÄltereTabelleErhältFehlendeFelderMitVorgaben)
{
    altDatenbank({
        QStringLiteral("CREATE TABLE Heizungsparameter (\"Projekt Nr\" TEXT(50), Anfangsdruck SINGLE, "
                       "Membranbruchsensor BOOLEAN, \"Türbreite\" LONG)"),
        QStringLiteral("INSERT INTO Heizungsparameter VALUES ('A', 2.5, -1, 900), ('B', 1.0, 0, 40000)"),
        QStringLiteral("CREATE TABLE Kälteparameter (\"Projekt Nr\" TEXT(50))"),
        QStringLiteral("INSERT INTO Kälteparameter VALUES ('K')"),
        QStringLiteral("CREATE TABLE ProjekteTabelle (\"Projekt Nr\" TEXT(15))"),
        QStringLiteral("INSERT INTO ProjekteTabelle VALUES ('A'), ('B')"),
    });
    baue();
    EXPECT_TRUE(datenbankMeldungen(meldungen).isEmpty()) << texte(meldungen);

    // Existing columns first, untouched; then the missing ones in list order.
    Feldliste liste;
    Tabellenaufbau::Aufbauen(Tabelle::Heizungsparameter, liste);
    QStringList erwartet{QStringLiteral("Projekt Nr"), QStringLiteral("Anfangsdruck"),
                         QStringLiteral("Membranbruchsensor"), QStringLiteral("Türbreite")};
    for (const ManipDBField& f : liste)
        if (!erwartet.contains(f.fieldbez))
            erwartet << f.fieldbez;
    EXPECT_EQ(spalten(Tabelle::Heizungsparameter), erwartet);
    EXPECT_EQ(spalte(Tabelle::Heizungsparameter, QStringLiteral("Türbreite")).typ, QStringLiteral("LONG"));

    QSqlQuery q(db());
    ASSERT_TRUE(q.exec(QStringLiteral(
        "SELECT \"Projekt Nr\", Anfangsdruck, Membranbruchsensor, \"Türbreite\", \"p Soll\", "
        "\"GefäßArtNr\", \"Beheizung direkt\", Ruecklauftemp, \"LufttöpfeAnz6\" "
        "FROM Heizungsparameter ORDER BY rowid")));
    for (const auto& [nr, anfang, sensor, tür] : {std::tuple{"A", 2.5, -1, 900}, std::tuple{"B", 1.0, 0, 40000}}) {
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), QLatin1String(nr));
        EXPECT_DOUBLE_EQ(q.value(1).toDouble(), anfang);
        EXPECT_EQ(q.value(2).toInt(), sensor);
        EXPECT_EQ(q.value(3).toInt(), tür);
        EXPECT_FLOAT_EQ(q.value(4).toFloat(), 1.7f);
        EXPECT_EQ(q.value(5).toString(), QStringLiteral(" "));
        EXPECT_EQ(q.value(6).toInt(), -1);
        EXPECT_EQ(q.value(7).toInt(), 10);
        EXPECT_EQ(q.value(8).toInt(), 0);
    }
    q.finish();
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT \"p Soll\", \"GefäßArtNr\" FROM Kälteparameter")));
    ASSERT_TRUE(q.next());
    EXPECT_FLOAT_EQ(q.value(0).toFloat(), 1.2f);
    EXPECT_EQ(q.value(1).toString(), QStringLiteral(" "));
    q.finish();
    // A counter added later numbers the rows that are there.
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT ProjektKey FROM ProjekteTabelle ORDER BY rowid")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 2);
}

TEST_F(Schema, FehlendeTabelleWirdAngelegt)
{
    baue();
    sql(QStringLiteral("DROP TABLE Solarparameter"));
    baue();
    EXPECT_EQ(spalten(Tabelle::Solarparameter).size(), 69);
}

TEST_F(Schema, UnbekannterTabellennameLässtZustandBeiDrei)
{
    ManipDatenbank m;
    starte(m, pfad);
    EXPECT_EQ(m.zustand(), ManipDatenbank::DatenbankBereit);
    m.Define_Tabellenaufbau(QStringLiteral("Projekte"));
    EXPECT_EQ(m.zustand(), ManipDatenbank::DatenbankBereit);
    EXPECT_EQ(m.feldliste().size(), 0);
    m.CreateDBTabelle();
    m.InitNeueSpalten();
    EXPECT_EQ(m.zustand(), ManipDatenbank::DatenbankBereit);
    EXPECT_FALSE(db().tables().contains(QStringLiteral("Projekte")));
}

TEST_F(Schema, DateiNichtAnlegbarMeldet2417UndÜberspringtRest)
{
    const QString falsch = ordner.filePath(QStringLiteral("fehlt/Projektverwaltung.db"));
    ManipDatenbank m;
    starte(m, falsch);
    EXPECT_EQ(m.zustand(), ManipDatenbank::Unbrauchbar);
    const auto boxen = datenbankMeldungen(meldungen);
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_EQ(boxen[0].art, 5);
    EXPECT_EQ(boxen[0].werte.value(0), falsch);
    m.Define_Tabellenaufbau(Tabelle::ProjekteTabelle);
    m.CreateDBTabelle();
    m.ResetTabaufbau();
    EXPECT_EQ(m.zustand(), ManipDatenbank::Unbrauchbar);
    EXPECT_EQ(datenbankMeldungen(meldungen).size(), 1);
    EXPECT_FALSE(QFile::exists(falsch));
}

TEST_F(Schema, FalschesKennwortMeldet2417)
{
    baue();
    ManipDatenbank m;
    starte(m, pfad, QStringLiteral("falsch"));
    m.Define_Tabellenaufbau(Tabelle::ProjekteTabelle);
    m.CreateDBTabelle();
    EXPECT_EQ(m.zustand(), ManipDatenbank::Unbrauchbar);
    const auto boxen = datenbankMeldungen(meldungen);
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_EQ(boxen[0].werte.value(0), pfad);
}

TEST_F(Schema, TabelleNichtAnlegbarMeldet2418)
{
    baue();
    sql(QStringLiteral("DROP TABLE Solarparameter"));
    sql(QStringLiteral("CREATE VIEW Solarparameter AS SELECT 1 AS x"));
    ManipDatenbank m;
    starte(m, pfad);
    m.Define_Tabellenaufbau(Tabelle::Solarparameter);
    m.CreateDBTabelle();
    EXPECT_EQ(m.zustand(), ManipDatenbank::Unbrauchbar);
    const auto boxen = datenbankMeldungen(meldungen);
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_EQ(boxen[0].werte.value(0), Tabelle::Solarparameter);
    // State 1 stays: the next table of the sequence is skipped.
    m.ResetTabaufbau();
    m.Define_Tabellenaufbau(Tabelle::SpeicherBedarfsKz);
    EXPECT_EQ(m.zustand(), ManipDatenbank::Unbrauchbar);
}

TEST_F(Schema, FeldNichtAnfügbarMeldet2419UndNächsteTabelleLäuft)
{
    baue();
    // A strict table refuses columns of the program's declared types.
    sql(QStringLiteral("DROP TABLE Trinkwasserparameter"));
    sql(QStringLiteral("CREATE TABLE Trinkwasserparameter (\"Projekt Nr\" TEXT) STRICT"));
    sql(QStringLiteral("DROP TABLE Druckerhöhungparameter"));
    ManipDatenbank m;
    starte(m, pfad);
    m.Define_Tabellenaufbau(Tabelle::Trinkwasserparameter);
    m.CreateDBTabelle();
    EXPECT_EQ(m.zustand(), ManipDatenbank::TabelleDefiniert);
    const auto boxen = datenbankMeldungen(meldungen);
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_EQ(boxen[0].werte.value(0), QStringLiteral("AnlagenvolumenSumme"));
    m.InitNeueSpalten();
    m.ResetTabaufbau();
    EXPECT_EQ(m.zustand(), ManipDatenbank::DatenbankBereit);
    m.Define_Tabellenaufbau(Tabelle::Druckerhöhungparameter);
    m.CreateDBTabelle();
    EXPECT_EQ(m.zustand(), ManipDatenbank::TabelleAufgebaut);
    EXPECT_EQ(spalten(Tabelle::Druckerhöhungparameter).size(), 19);
}

TEST_F(Schema, VersionNachAnlegenIstAktuell)
{
    struct Fall {
        int16_t haupt, neben, revis;
        bool andererPfad;
        int16_t erwHaupt, erwNeben, erwRevis;
    };
    const Fall fälle[] = {
        {0, 0, 0, false, 2, 5, 0},  // created
        {2, 0, 0, false, 2, 5, 0},  // converted from 2.0.0
        {2, 5, 3, false, 2, 5, 3},  // current stays as found
        {0, 0, 0, true, 0, 0, 0},   // another database file
    };
    for (const Fall& f : fälle) {
        zustand().versHaupt = f.haupt;
        zustand().versNeben = f.neben;
        zustand().versRevis = f.revis;
        const QString p = f.andererPfad ? ordner.filePath(QStringLiteral("anders.db")) : pfad;
        QFile::remove(p);
        baue(p);
        EXPECT_EQ(zustand().versHaupt, f.erwHaupt);
        EXPECT_EQ(zustand().versNeben, f.erwNeben);
        EXPECT_EQ(zustand().versRevis, f.erwRevis);
    }
}

TEST(Versionsnummer, VergleichbarAlsZahl)
{
    EXPECT_EQ(ManipDatenbank::Versionsnummer(2, 5, 0), 132352);
    EXPECT_EQ(ManipDatenbank::Versionsnummer(2, 0, 0), 131072);
    EXPECT_EQ(ManipDatenbank::Versionsnummer(2, 3, 0), 131840);
}

}  // namespace
