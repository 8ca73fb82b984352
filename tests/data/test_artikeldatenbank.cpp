// Checks of the built demo article database (Daten/Artikeld.db): schema names and types,
// Boolean values, article rows behind every product table, keys, stored order and the
// deliberate special rows.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <string>
#include <vector>

#include "data/Kennwort.h"

namespace {

const QString Verbindung = QStringLiteral("test_artikeldatenbank");
using Zeilen = std::vector<std::string>;

// Column kinds: N article number (TEXT COLLATE NOCASE), T text, I integer, R real, B Boolean.
struct Spalte {
    const char* name;
    char art;
};
struct Tabelle {
    const char* name;
    std::vector<Spalte> spalten;
};

const std::vector<Tabelle>& erwarteteTabellen()
{
    static const std::vector<Tabelle> t = {
        {"Waehrung", {{"Waehrungskürzel", 'T'}, {"MwStSatz in Prozent", 'R'}}},
        {"ARTIKEL", {{"arArtikelnr", 'N'}, {"arKurztext1", 'T'}, {"arKurztext2", 'T'},
                     {"arPreis", 'R'}, {"ltLangtextnr", 'I'}}},
        {"Artikel_Zusatz", {{"artikelnr", 'N'}, {"dxfText", 'T'}, {"entluefterCode", 'T'},
                            {"entluefterSortier", 'I'}, {"Solaranlage", 'B'}, {"TitelGruppe", 'I'}}},
        {"LANGTEXTE", {{"ltLangtextnr", 'I'}, {"ltText", 'T'}}},
        {"EINFUEGETEXTE", {{"etEinfuegetextnr", 'I'}, {"etText", 'T'}}},
        {"DIMENSIONSTEXTE", {{"arArtikelnr", 'N'}, {"ltLangtextnr", 'I'}, {"diTextzeile", 'T'}}},
        {"Gruppen MAG", {{"Gruppe", 'I'}, {"Bezeichnung", 'T'}, {"Heizung", 'B'}, {"Kälte", 'B'},
                         {"Solar", 'B'}, {"Trinkwasser", 'B'}, {"Druckerhöhung", 'B'}, {"Speicher", 'B'},
                         {"Austauschmembran", 'B'}, {"Druckhalteautomat", 'B'},
                         {"Max Betriebsdruck", 'R'}, {"GruppeEinzelabsich1", 'I'},
                         {"GruppeEinzelabsich2", 'I'}, {"AnzahlAbsperrventile", 'I'}}},
        {"Grunddaten Gefäße", {{"Art Nr", 'N'}, {"Art Gr Berechn Prg", 'I'}, {"Inhalt in ltr", 'I'},
                               {"Max, Betriebsdruck in bar", 'R'},
                               {"Max, Betriebstemperatur in °C", 'I'}, {"Vordruck", 'R'},
                               {"Durchmesser in mm", 'I'}, {"Höhe in mm", 'I'},
                               {"MinderBreite in mm", 'I'}, {"MinderHöhe in mm", 'I'},
                               {"Kälteanlage", 'B'}, {"Solaranlage", 'B'}, {"Umschreibung", 'T'},
                               {"Art Nr Kappenventil", 'N'}, {"ArtNr2Kappenventil", 'N'}}},
        {"Abblaseleistung VollhubSV", {{"Nenndurchmesser DN", 'I'}, {"Druck", 'R'},
                                       {"Abblaseleistung in kW", 'R'}, {"Art Nr", 'N'}}},
        {"Leistung MembranSV", {{"Druck", 'R'}, {"Leistung in kW", 'I'}, {"Art Nr", 'N'},
                                {"Nenndurchmesser DN", 'I'}}},
        {"SiVSolaranlagen", {{"Druck", 'R'}, {"Kollektorfläche", 'I'}, {"Art Nr", 'N'},
                             {"Nenndurchmesser DN", 'I'}}},
        {"SiVTrinkwasser", {{"Druck", 'R'}, {"Volumen in Liter", 'I'}, {"Art Nr", 'N'},
                            {"Nenndurchmesser DN", 'I'}}},
        {"Entspannungsgefäße", {{"Art Nr", 'N'}, {"DN MSV", 'I'}, {"DN bei <= 5 bar", 'I'},
                                {"DN bei > 5 bar", 'I'}, {"DN_Eingang", 'I'}, {"DN_Ausgang", 'I'}}},
        {"Kappenventile", {{"Leistung in kW", 'I'}, {"Art Nr", 'N'}}},
        {"Ausdehnungssammelleitung", {{"Leistung in kW", 'I'}, {"Nenndurchmesser DN", 'I'}}},
        {"ENA_Automaten", {{"ArtNr", 'N'}, {"minAnfangsdruck", 'R'}, {"maxEnddruck", 'R'},
                           {"maxAnlgVolumen", 'I'}}},
        {"Wärmedämmung Kelvormat", {{"Inhalt", 'I'}, {"Art Nr", 'N'}}},
        {"PumpenKomprSteuerung", {{"PumpKomprTyp", 'T'}, {"Steuermodul", 'T'}, {"Artikelnr", 'N'},
                                  {"ArtNrKappV", 'N'}, {"Beschreibung", 'T'}}},
        {"Schlammabscheider", {{"Art Nr", 'N'}, {"Leistung in kW", 'I'}, {"Druck in bar", 'R'},
                               {"Iso80 Art Nr", 'N'}, {"Iso100 Art Nr", 'N'},
                               {"Durchmesser in mm", 'I'}, {"MinderBreite in mm", 'I'},
                               {"Höhe in mm", 'I'}, {"MinderHöhe in mm", 'I'}}},
        {"Solarwärmetauscher", {{"Bezeichnung", 'T'}, {"Nenninhalt", 'R'}, {"Sortierung", 'I'}}},
        {"Speicher_Maße", {{"Art Gruppe", 'I'}, {"Nenninhalt", 'I'}, {"Durchmesser in mm", 'I'},
                           {"MinderBreite in mm", 'I'}, {"Bauhöhe in mm", 'I'},
                           {"MinderHöhe in mm", 'I'}}},
        {"Speicher_Leistung",
         {{"Art Gruppe", 'I'}, {"Nenninhalt", 'I'}, {"Vorlauftemperatur", 'I'},
          {"Speichertemperatur", 'I'},
          {"Leistungskennzahl_1", 'R'}, {"Leistungskennzahl_2", 'R'}, {"Leistungskennzahl_3", 'R'},
          {"Leistungskennzahl_4", 'R'}, {"Leistungskennzahl_5", 'R'}, {"Leistungskennzahl_6", 'R'},
          {"Wärmeleistung_1", 'R'}, {"Wärmeleistung_2", 'R'}, {"Wärmeleistung_3", 'R'},
          {"Wärmeleistung_4", 'R'}, {"Wärmeleistung_5", 'R'}, {"Wärmeleistung_6", 'R'},
          {"Heizvolumenstrom_1", 'I'}, {"Heizvolumenstrom_2", 'I'}, {"Heizvolumenstrom_3", 'I'},
          {"Heizvolumenstrom_4", 'I'}, {"Heizvolumenstrom_5", 'I'}, {"Heizvolumenstrom_6", 'I'}}},
        {"Speicher_Typen", {{"Art Gruppe", 'I'}, {"Nenninhalt", 'I'}, {"Art Nr", 'N'}, {"Typ", 'T'}}},
        {"GebieteService", {{"GebietsNr", 'I'}, {"Firma", 'T'}, {"Straße", 'T'}, {"PlzOrt", 'T'},
                            {"Telefon", 'T'}, {"Fax", 'T'}}},
        {"GebieteVertreter", {{"GebietsNr", 'I'}, {"Name", 'T'}, {"Straße", 'T'}, {"PlzOrt", 'T'},
                              {"Telefon", 'T'}, {"Fax", 'T'}}},
        {"GebietsaufteilungService", {{"vonPLZ", 'T'}, {"bisPLZ", 'T'}, {"GebietsNr", 'I'}}},
        {"GebietsaufteilungVertreter", {{"vonPLZ", 'T'}, {"bisPLZ", 'T'}, {"GebietsNr", 'I'}}},
    };
    return t;
}

QString klammer(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

class Artikeldatenbank : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Verbindung);
        db.setDatabaseName(QStringLiteral(KELVOR_ARTIKEL_DB));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
    }
    static void TearDownTestSuite()
    {
        QSqlDatabase::database(Verbindung, false).close();
        QSqlDatabase::removeDatabase(Verbindung);
    }
    void SetUp() override
    {
        ASSERT_TRUE(db().isOpen()) << KELVOR_ARTIKEL_DB;
    }

    static QSqlDatabase db() { return QSqlDatabase::database(Verbindung, false); }

    // All rows of a query, each row's columns joined by '|'; NULL reads as "<NULL>".
    static Zeilen zeilen(const QString& sql)
    {
        QSqlQuery q(db());
        if (!q.exec(sql)) {
            ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
            return {};
        }
        Zeilen ergebnis;
        while (q.next()) {
            QStringList felder;
            for (int i = 0; i < q.record().count(); ++i)
                felder << (q.isNull(i) ? QStringLiteral("<NULL>") : q.value(i).toString());
            ergebnis.push_back(felder.join(QLatin1Char('|')).toStdString());
        }
        return ergebnis;
    }

    static std::string wert(const QString& sql)
    {
        const Zeilen z = zeilen(sql);
        return z.empty() ? "<keine Zeile>" : z.front();
    }
};

TEST_F(Artikeldatenbank, TablesAndColumnsCarryTheExactNamesAndTypes)
{
    EXPECT_TRUE(Kennwort::Pruefen(db(), Kennwort::Artikeldatenbank));

    QSet<QString> erwartet{Kennwort::Tabelle};
    for (const Tabelle& t : erwarteteTabellen())
        erwartet << QString::fromUtf8(t.name);
    QSet<QString> vorhanden;
    for (const std::string& n : zeilen(QStringLiteral(
             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")))
        vorhanden << QString::fromStdString(n);
    EXPECT_TRUE(vorhanden == erwartet) << QStringList(vorhanden.values()).join(QLatin1Char(',')).toStdString();

    const QHash<char, QString> typ{{'N', "TEXT"}, {'T', "TEXT"}, {'I', "INTEGER"},
                                   {'R', "REAL"}, {'B', "BOOLEAN"}};
    for (const Tabelle& t : erwarteteTabellen()) {
        const QString name = QString::fromUtf8(t.name);
        Zeilen soll;
        for (const Spalte& s : t.spalten)
            soll.push_back((QString::fromUtf8(s.name) + QLatin1Char('|') + typ.value(s.art)).toStdString());
        EXPECT_EQ(zeilen(QStringLiteral("SELECT name, type FROM pragma_table_info('%1')").arg(name)), soll)
            << name.toStdString();

        // Article numbers compare without regard to case.
        const QString ddl = QString::fromStdString(wert(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = '%1'").arg(name)));
        for (const Spalte& s : t.spalten) {
            if (s.art != 'N')
                continue;
            const QString n = QRegularExpression::escape(QString::fromUtf8(s.name));
            const QRegularExpression nocase(
                QStringLiteral("(\\[%1\\]|\\b%1\\b)\\s+TEXT\\s+COLLATE\\s+NOCASE").arg(n));
            EXPECT_TRUE(nocase.match(ddl).hasMatch()) << name.toStdString() << "." << s.name;
        }
    }
}

TEST_F(Artikeldatenbank, BooleansAreMinusOneOrZero)
{
    for (const Tabelle& t : erwarteteTabellen()) {
        for (const Spalte& s : t.spalten) {
            if (s.art != 'B')
                continue;
            const QString spalte = klammer(QString::fromUtf8(s.name));
            EXPECT_EQ(wert(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 IS NULL OR typeof(%2) <> 'integer' "
                                          "OR %2 NOT IN (-1, 0)")
                               .arg(klammer(QString::fromUtf8(t.name)), spalte)),
                      "0")
                << t.name << "." << s.name;
        }
    }
}

TEST_F(Artikeldatenbank, EveryArticleNumberHasItsArticleRows)
{
    // Every number a product table names, except the cap valve of two 16-bar solar vessels that
    // no automatic choice reaches.
    const char* verweise[][2] = {
        {"Grunddaten Gefäße", "Art Nr"}, {"Grunddaten Gefäße", "Art Nr Kappenventil"},
        {"Grunddaten Gefäße", "ArtNr2Kappenventil"}, {"Abblaseleistung VollhubSV", "Art Nr"},
        {"Leistung MembranSV", "Art Nr"}, {"SiVSolaranlagen", "Art Nr"}, {"SiVTrinkwasser", "Art Nr"},
        {"Entspannungsgefäße", "Art Nr"}, {"Kappenventile", "Art Nr"}, {"ENA_Automaten", "ArtNr"},
        {"Wärmedämmung Kelvormat", "Art Nr"}, {"PumpenKomprSteuerung", "Artikelnr"},
        {"PumpenKomprSteuerung", "ArtNrKappV"}, {"Schlammabscheider", "Art Nr"},
        {"Schlammabscheider", "Iso80 Art Nr"}, {"Speicher_Typen", "Art Nr"},
        {"DIMENSIONSTEXTE", "arArtikelnr"},
    };
    QStringList teile;
    for (const auto& v : verweise)
        teile << QStringLiteral("SELECT %2 AS nr FROM %1")
                     .arg(klammer(QString::fromUtf8(v[0])), klammer(QString::fromUtf8(v[1])));
    EXPECT_EQ(zeilen(QStringLiteral("SELECT DISTINCT nr FROM (%1) WHERE trim(nr) <> '' AND "
                                    "(nr NOT IN (SELECT arArtikelnr FROM ARTIKEL) OR "
                                    "nr NOT IN (SELECT artikelnr FROM Artikel_Zusatz)) ORDER BY nr")
                      .arg(teile.join(QStringLiteral(" UNION ALL ")))),
              (Zeilen{"24199"}));

    // ARTIKEL and Artikel_Zusatz hold the same numbers; all are five digits.
    EXPECT_EQ(zeilen(QStringLiteral(
                  "SELECT arArtikelnr FROM ARTIKEL WHERE arArtikelnr NOT IN (SELECT artikelnr FROM Artikel_Zusatz) "
                  "UNION ALL SELECT artikelnr FROM Artikel_Zusatz WHERE artikelnr NOT IN (SELECT arArtikelnr FROM ARTIKEL) "
                  "UNION ALL SELECT arArtikelnr FROM ARTIKEL WHERE arArtikelnr NOT GLOB '[0-9][0-9][0-9][0-9][0-9]'")),
              Zeilen());
    // Long texts exist; the insulation shells of 100 mm are not sold.
    EXPECT_EQ(zeilen(QStringLiteral(
                  "SELECT arArtikelnr FROM ARTIKEL WHERE ltLangtextnr NOT IN (SELECT ltLangtextnr FROM LANGTEXTE) "
                  "UNION ALL SELECT arArtikelnr FROM ARTIKEL WHERE arArtikelnr LIKE '341__'")),
              Zeilen());
}

TEST_F(Artikeldatenbank, KeysAreUnique)
{
    const char* schluessel[][2] = {
        {"ARTIKEL", "arArtikelnr"}, {"Artikel_Zusatz", "artikelnr"}, {"LANGTEXTE", "ltLangtextnr"},
        {"EINFUEGETEXTE", "etEinfuegetextnr"}, {"Gruppen MAG", "Gruppe"}, {"Grunddaten Gefäße", "[Art Nr]"},
        {"Abblaseleistung VollhubSV", "[Nenndurchmesser DN], Druck"},
        {"Leistung MembranSV", "Druck, [Leistung in kW]"}, {"SiVSolaranlagen", "Druck, Kollektorfläche"},
        {"SiVTrinkwasser", "Druck, [Volumen in Liter]"}, {"Entspannungsgefäße", "[Art Nr]"},
        {"Kappenventile", "[Leistung in kW]"}, {"Ausdehnungssammelleitung", "[Leistung in kW]"},
        {"ENA_Automaten", "ArtNr"}, {"Wärmedämmung Kelvormat", "Inhalt"},
        {"PumpenKomprSteuerung", "PumpKomprTyp, Steuermodul"}, {"PumpenKomprSteuerung", "Artikelnr"},
        {"Schlammabscheider", "[Art Nr]"}, {"Solarwärmetauscher", "Sortierung"},
        {"Speicher_Maße", "[Art Gruppe], Nenninhalt"},
        {"Speicher_Leistung", "[Art Gruppe], Nenninhalt, Vorlauftemperatur, Speichertemperatur"},
        {"Speicher_Typen", "[Art Nr]"}, {"GebieteService", "GebietsNr"}, {"GebieteVertreter", "GebietsNr"},
        {"GebietsaufteilungService", "vonPLZ"}, {"GebietsaufteilungVertreter", "vonPLZ"},
        // Traps are found by the first row matching one DN column: each value occurs once.
        {"Entspannungsgefäße", "[DN MSV]"}, {"Entspannungsgefäße", "[DN bei <= 5 bar]"},
        {"Entspannungsgefäße", "[DN bei > 5 bar]"},
    };
    for (const auto& s : schluessel) {
        const QString spalten = QString::fromUtf8(s[1]);
        const QString ersteSpalte = spalten.section(QLatin1Char(','), 0, 0);
        EXPECT_EQ(wert(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1 WHERE %3 IS NOT NULL "
                                      "GROUP BY %2 HAVING count(*) > 1)")
                           .arg(klammer(QString::fromUtf8(s[0])), spalten, ersteSpalte)),
                  "0")
            << s[0] << " (" << s[1] << ")";
    }
}

TEST_F(Artikeldatenbank, RowsAreStoredInTheOrderTheProgramMeetsThem)
{
    // Tables read for "the first row" without ORDER BY.
    const char* ordnung[][2] = {
        {"Grunddaten Gefäße", "[Art Gr Berechn Prg], [Inhalt in ltr], [Max, Betriebsdruck in bar], Vordruck"},
        {"Abblaseleistung VollhubSV", "[Nenndurchmesser DN], Druck"},
        {"Entspannungsgefäße", "[DN bei <= 5 bar]"},
    };
    for (const auto& o : ordnung) {
        const QString tabelle = klammer(QString::fromUtf8(o[0]));
        EXPECT_EQ(zeilen(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(tabelle)),
                  zeilen(QStringLiteral("SELECT rowid FROM %1 ORDER BY %2, rowid").arg(tabelle, o[1])))
            << o[0];
    }
    // The venting families are stored out of their sort order, so only ORDER BY lists them right.
    EXPECT_EQ(zeilen(QStringLiteral(
                  "SELECT DISTINCT a.entluefterCode FROM Artikel_Zusatz a JOIN Artikel_Zusatz b "
                  "ON a.entluefterCode = b.entluefterCode AND a.rowid < b.rowid "
                  "AND a.entluefterSortier > b.entluefterSortier ORDER BY 1")),
              (Zeilen{"Kelvorvent", "Lufttöpfe", "Vimbal"}));
}

TEST_F(Artikeldatenbank, TablesFitTogether)
{
    // Full-lift grid: 10 sizes x 19 stages 1.0 ... 10.0 bar, capacity rising with size and pressure.
    EXPECT_EQ(wert(QStringLiteral("SELECT count(DISTINCT [Nenndurchmesser DN]) || '|' || count(*) "
                                  "FROM [Abblaseleistung VollhubSV]")),
              "10|190");
    EXPECT_EQ(wert(QStringLiteral("SELECT count(*) FROM [Abblaseleistung VollhubSV] "
                                  "WHERE Druck * 2 <> CAST(Druck * 2 AS INTEGER) OR Druck < 1 OR Druck > 10")),
              "0");
    EXPECT_EQ(wert(QStringLiteral(
                  "SELECT count(*) FROM [Abblaseleistung VollhubSV] a JOIN [Abblaseleistung VollhubSV] b "
                  "ON (a.[Nenndurchmesser DN] = b.[Nenndurchmesser DN] AND a.Druck < b.Druck) "
                  "OR (a.Druck = b.Druck AND a.[Nenndurchmesser DN] < b.[Nenndurchmesser DN]) "
                  "WHERE a.[Abblaseleistung in kW] >= b.[Abblaseleistung in kW]")),
              "0");

    // Every vessel belongs to a listed group.
    EXPECT_EQ(zeilen(QStringLiteral("SELECT DISTINCT [Art Gr Berechn Prg] FROM [Grunddaten Gefäße] "
                                    "WHERE [Art Gr Berechn Prg] NOT IN (SELECT Gruppe FROM [Gruppen MAG])")),
              Zeilen());

    // Tanks: each type has its size, each size its type and performance rows.
    EXPECT_EQ(zeilen(QStringLiteral(
                  "SELECT [Art Nr] FROM Speicher_Typen t WHERE NOT EXISTS (SELECT 1 FROM Speicher_Maße m "
                  "WHERE m.[Art Gruppe] = t.[Art Gruppe] AND m.Nenninhalt = t.Nenninhalt) "
                  "UNION ALL SELECT m.[Art Gruppe] || '/' || m.Nenninhalt FROM Speicher_Maße m "
                  "WHERE NOT EXISTS (SELECT 1 FROM Speicher_Typen t WHERE t.[Art Gruppe] = m.[Art Gruppe] "
                  "AND t.Nenninhalt = m.Nenninhalt) OR NOT EXISTS (SELECT 1 FROM Speicher_Leistung l "
                  "WHERE l.[Art Gruppe] = m.[Art Gruppe] AND l.Nenninhalt = m.Nenninhalt)")),
              Zeilen());

    // Dimension lines carry one value per run of '$' in their mask.
    const auto laeufe = [](const QString& maske) {
        int n = 0;
        for (auto it = QRegularExpression(QStringLiteral("\\$+")).globalMatch(maske); it.hasNext(); it.next())
            ++n;
        return n;
    };
    QSqlQuery q(db());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT d.arArtikelnr, d.diTextzeile, e.etText FROM DIMENSIONSTEXTE d "
                                      "JOIN EINFUEGETEXTE e ON e.etEinfuegetextnr = d.ltLangtextnr")));
    int zeilenAnzahl = 0;
    while (q.next()) {
        ++zeilenAnzahl;
        const QString werte = q.value(1).toString();
        EXPECT_TRUE(werte.endsWith(QLatin1Char('$'))) << q.value(0).toString().toStdString();
        EXPECT_EQ(werte.count(QLatin1Char('$')), laeufe(q.value(2).toString()))
            << q.value(0).toString().toStdString() << " " << werte.toStdString();
    }
    EXPECT_GT(zeilenAnzahl, 300);

    // Postal-code ranges: five digits, gap-free and without overlap from 01000 to 99999, each
    // pointing at an area with its address row.
    const QString paare[][2] = {{"GebietsaufteilungService", "GebieteService"},
                                {"GebietsaufteilungVertreter", "GebieteVertreter"}};
    for (const auto& [bereiche, gebiete] : paare) {
        const Zeilen r = zeilen(QStringLiteral("SELECT vonPLZ, bisPLZ FROM %1 ORDER BY vonPLZ").arg(bereiche));
        ASSERT_FALSE(r.empty());
        int naechste = 1000;
        for (const std::string& z : r) {
            const QString zeile = QString::fromStdString(z);
            const QString von = zeile.section(QLatin1Char('|'), 0, 0), bis = zeile.section(QLatin1Char('|'), 1, 1);
            EXPECT_TRUE(von.size() == 5 && bis.size() == 5 && von <= bis) << z;
            EXPECT_EQ(von.toInt(), naechste) << z;
            naechste = bis.toInt() + 1;
        }
        EXPECT_EQ(naechste, 100000) << bereiche.toStdString();
        EXPECT_EQ(zeilen(QStringLiteral("SELECT DISTINCT GebietsNr FROM %1 WHERE GebietsNr NOT IN "
                                        "(SELECT GebietsNr FROM %2)").arg(bereiche, gebiete)),
                  Zeilen())
            << bereiche.toStdString();
    }
}

// What a new user meets on an ordinary plant: every article a table names can be shown, listed
// and drawn; every group a page offers has vessels for its type; no list shows a row twice.
TEST_F(Artikeldatenbank, DemoCatalogueFitsEveryPlant)
{
    struct Fall {
        const char* was;
        const char* sql;  // the rows at fault
    };
    const Fall faelle[] = {
        {"article without short text",
         "SELECT arArtikelnr FROM ARTIKEL WHERE trim(coalesce(arKurztext1, '')) = ''"},
        {"article without price (00000 is the priceless alternative)",
         "SELECT arArtikelnr FROM ARTIKEL WHERE arPreis IS NULL AND arArtikelnr <> '00000'"},
        {"article of a product table without long text",
         "SELECT g.[Art Nr] FROM [Grunddaten Gefäße] g JOIN ARTIKEL ON arArtikelnr = g.[Art Nr] "
         "WHERE ltLangtextnr IS NULL UNION ALL SELECT s.[Art Nr] FROM Schlammabscheider s "
         "JOIN ARTIKEL ON arArtikelnr = s.[Art Nr] WHERE ltLangtextnr IS NULL"},
        {"article the schematic lists without a label",
         "SELECT artikelnr FROM Artikel_Zusatz WHERE trim(coalesce(dxfText, '')) = '' AND ("
         "artikelnr IN (SELECT [Art Nr] FROM [Grunddaten Gefäße] WHERE [Inhalt in ltr] > 0) "
         "OR artikelnr IN (SELECT Artikelnr FROM PumpenKomprSteuerung) "
         "OR artikelnr IN (SELECT ArtNr FROM ENA_Automaten) "
         "OR artikelnr IN (SELECT [Art Nr] FROM Schlammabscheider) OR artikelnr LIKE '237__')"},
        {"separator without insulation shell", "SELECT [Art Nr] FROM Schlammabscheider WHERE [Iso80 Art Nr] IS NULL"},
        {"vessel without cap valve (the 16-bar solar vessels are never chosen automatically)",
         "SELECT [Art Nr] FROM [Grunddaten Gefäße] WHERE trim(coalesce([Art Nr Kappenventil], '')) = '' "
         "AND [Art Nr] <> '42503'"},
        {"offered group without a vessel that fits its type",
         "SELECT Gruppe FROM [Gruppen MAG] m WHERE "
         "(Heizung = -1 AND NOT EXISTS (SELECT 1 FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = m.Gruppe)) "
         "OR (Kälte = -1 AND NOT EXISTS (SELECT 1 FROM [Grunddaten Gefäße] "
         "WHERE [Art Gr Berechn Prg] = m.Gruppe AND Kälteanlage = -1)) "
         "OR (Solar = -1 AND NOT EXISTS (SELECT 1 FROM [Grunddaten Gefäße] "
         "WHERE [Art Gr Berechn Prg] = m.Gruppe AND Solaranlage = -1)) "
         "OR ((Trinkwasser = -1 OR Druckerhöhung = -1) AND NOT EXISTS (SELECT 1 FROM [Grunddaten Gefäße] "
         "WHERE [Art Gr Berechn Prg] = m.Gruppe)) "
         "OR (Speicher = -1 AND NOT EXISTS (SELECT 1 FROM Speicher_Typen WHERE [Art Gruppe] = m.Gruppe))"},
        {"article with two dimension lines",
         "SELECT arArtikelnr FROM DIMENSIONSTEXTE GROUP BY arArtikelnr HAVING count(*) > 1"},
        {"dimension line pointing to a missing mask",
         "SELECT arArtikelnr FROM DIMENSIONSTEXTE WHERE ltLangtextnr NOT IN (SELECT etEinfuegetextnr FROM EINFUEGETEXTE)"},
        {"heat exchanger listed twice",
         "SELECT Bezeichnung FROM Solarwärmetauscher GROUP BY Bezeichnung HAVING count(*) > 1"},
        {"group name longer than the vessel page's list shows (34 characters)",
         "SELECT Gruppe FROM [Gruppen MAG] WHERE length(Bezeichnung) > 34"},
        // The reports print 40 characters of each short-text line and the price rounded to the
        // cent: a longer text is cut, a third decimal makes quantity times price not add up.
        {"short text longer than the reports' 40 characters",
         "SELECT arArtikelnr FROM ARTIKEL WHERE length(arKurztext1) > 40 OR length(arKurztext2) > 40"},
        {"price with more than two decimals",
         "SELECT arArtikelnr FROM ARTIKEL WHERE abs(arPreis * 100 - round(arPreis * 100)) > 1e-6"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(zeilen(QString::fromUtf8(f.sql)), Zeilen()) << f.was;
}

TEST_F(Artikeldatenbank, SpecialRowsAreThere)
{
    struct Fall {
        const char* was;
        const char* sql;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"currency", "SELECT Waehrungskürzel, [MwStSatz in Prozent] = 19 FROM Waehrung", "EUR|1"},
        {"00000 without price", "SELECT arPreis FROM ARTIKEL WHERE arArtikelnr = '00000'", "<NULL>"},
        {"17096 without long text", "SELECT ltLangtextnr FROM ARTIKEL WHERE arArtikelnr = '17096'", "<NULL>"},
        {"no dimension line for 00000, 17096, 177xx",
         "SELECT count(*) FROM DIMENSIONSTEXTE WHERE arArtikelnr IN ('00000', '17096') OR arArtikelnr LIKE '177__'",
         "0"},
        {"32011 value longer than its run", "SELECT diTextzeile FROM DIMENSIONSTEXTE WHERE arArtikelnr = '32011'",
         "5000$16$"},
        {"group 14 connection groups",
         "SELECT group_concat(DISTINCT [Art Nr Kappenventil] || '/' || ArtNr2Kappenventil) "
         "FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = 14 AND [Inhalt in ltr] < 3000", "24225/24240"},
        {"group 14 3000 l without two-pump group",
         "SELECT ArtNr2Kappenventil FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = 14 "
         "AND [Inhalt in ltr] = 3000", ""},
        {"40499 is a vessel", "SELECT [Inhalt in ltr] FROM [Grunddaten Gefäße] WHERE [Art Nr] = '40499'", "1000"},
        {"16-bar solar vessels without and with a missing cap valve",
         "SELECT group_concat([Art Nr] || '/' || [Art Nr Kappenventil], ' ') FROM (SELECT * FROM [Grunddaten Gefäße] "
         "WHERE [Max, Betriebsdruck in bar] = 16 AND Solaranlage = -1 ORDER BY [Art Nr])", "42503/ 42702/24199"},
        {"plain-vessel text with CR LF",
         "SELECT instr(ltText, char(13, 10)) > 0 FROM LANGTEXTE JOIN ARTIKEL USING (ltLangtextnr) "
         "WHERE arArtikelnr = '40201'", "1"},
        {"22380 text with the 50-character word",
         "SELECT instr(ltText, 'Membranausdehnungsgefäßanschlussverschraubungssatz') > 0 "
         "FROM LANGTEXTE JOIN ARTIKEL USING (ltLangtextnr) WHERE arArtikelnr = '22380'", "1"},
        {"full-lift text over 100 characters",
         "SELECT length(ltText) > 100 FROM LANGTEXTE JOIN ARTIKEL USING (ltLangtextnr) "
         "WHERE arArtikelnr = '30025'", "1"},
        {"first DN 25 full-lift row",
         "SELECT [Art Nr] FROM [Abblaseleistung VollhubSV] WHERE [Nenndurchmesser DN] = 25 ORDER BY rowid LIMIT 1",
         "30025"},
        {"full-lift article change above 5 bar",
         "SELECT group_concat([Art Nr], ' ') FROM (SELECT [Art Nr] FROM [Abblaseleistung VollhubSV] "
         "WHERE [Nenndurchmesser DN] = 150 AND Druck IN (5.0, 5.5) ORDER BY Druck)", "30150 31150"},
        {"no insulation for 1500 l", "SELECT count(*) FROM [Wärmedämmung Kelvormat] WHERE Inhalt = 1500", "0"},
        {"venting family sizes",
         "SELECT group_concat(n, ' ') FROM (SELECT count(*) AS n FROM Artikel_Zusatz "
         "WHERE entluefterCode IS NOT NULL GROUP BY entluefterCode ORDER BY entluefterCode)", "11 4 4"},
        {"stainless tanks only at 60 °C",
         "SELECT count(*) FROM Speicher_Leistung WHERE [Art Gruppe] = 52 AND Speichertemperatur <> 60", "0"},
        {"two types of the 300-l tank",
         "SELECT count(*) FROM Speicher_Typen WHERE [Art Gruppe] = 50 AND Nenninhalt = 300", "2"},
        {"service areas 0 to 8", "SELECT group_concat(GebietsNr, ' ') FROM GebieteService", "0 1 2 3 4 5 6 7 8"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(wert(QString::fromUtf8(f.sql)), f.erwartet) << f.was;
}

}  // namespace
