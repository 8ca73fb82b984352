#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/stat.h>

#include "ProjektDbFixture.h"
#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "data/Projektdateien.h"
#include "data/Projektdatenbankpruefung.h"
#include "data/Tabellenaufbau.h"
#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "support/FremderBenutzer.h"

namespace {

using Ende = Projektdatenbankprüfung::Ende;
using Konvertierung = Projektdatenbankprüfung::Konvertierung;

// A connection of the test's own on a file, closed when it goes (the check moves the files).
class SqlDatei {
public:
    explicit SqlDatei(const QString& pfad) : m_name(QStringLiteral("startseite_test%1").arg(++s_zähler))
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        d.setDatabaseName(pfad);
        EXPECT_TRUE(d.open()) << d.lastError().text().toStdString();
    }
    ~SqlDatei()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    SqlDatei(const SqlDatei&) = delete;
    SqlDatei& operator=(const SqlDatei&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    void sql(const QString& text) const
    {
        QSqlQuery q(db());
        EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
    }
    // The rows of a query, each as its values joined by "|".
    QStringList zeilen(const QString& text) const
    {
        QSqlQuery q(db());
        EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
        QStringList l;
        while (q.next()) {
            QStringList werte;
            for (int i = 0; i < q.record().count(); ++i)
                werte << q.value(i).toString();
            l << werte.join(QLatin1Char('|'));
        }
        return l;
    }
    QStringList spalten(const QString& tabelle) const { return zeilen(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(tabelle)); }
    QStringList tabellen() const
    {
        return zeilen(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name <> '%1' ORDER BY name")
                          .arg(Kennwort::Tabelle));
    }

private:
    static inline int s_zähler = 0;
    QString m_name;
};

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString text(int id)
{
    return LadeText(id);
}

// Keeps what the check shows in its progress window.
class FensterProtokoll : public Fortschrittsfenster {
public:
    FensterProtokoll(QStringList& protokoll, std::function<void()> beimZeigen, std::function<bool()> beschäftigt,
                     QList<bool>& beschäftigtBeiZähler)
        : m_p(protokoll), m_beimZeigen(std::move(beimZeigen)), m_beschäftigt(std::move(beschäftigt)),
          m_beiZähler(beschäftigtBeiZähler)
    {
    }
    ~FensterProtokoll() override { m_p << QStringLiteral("entladen"); }
    void Zeigen() override
    {
        m_p << QStringLiteral("zeigen");
        if (m_beimZeigen)
            m_beimZeigen();
    }
    void SchreibeCaption(const QString& t) override { m_p << QStringLiteral("caption:") + t; }
    void SchreibeInfo(const QString& t) override { m_p << QStringLiteral("info:") + t; }
    void SchreibeProjektNr(const QString& t) override { m_p << QStringLiteral("projnr:") + t; }
    void Schreibe_Satz_AnzSaetze(long akt, long gesamt) override
    {
        m_p << QStringLiteral("anzahl:%1 / %2").arg(akt).arg(gesamt);
        m_beiZähler << m_beschäftigt();
    }

private:
    QStringList& m_p;
    std::function<void()> m_beimZeigen;
    std::function<bool()> m_beschäftigt;
    QList<bool>& m_beiZähler;
};

class Startseite : public ProjektDbFixture {
protected:
    void SetUp() override
    {
        ProjektDbFixture::SetUp();
        zustand().ProjektDatenbankName = QStringLiteral("Projektverwaltung.db");
        temp = ordner.filePath(QStringLiteral("temp"));
        ASSERT_TRUE(QDir().mkpath(temp));
        zustand().TempOrdner = temp;
        prüfung = std::make_unique<Projektdatenbankprüfung>([this] {
            return std::make_unique<FensterProtokoll>(
                protokoll, beimZeigen, [this] { return prüfung->beschäftigt(); }, beschäftigtBeiZähler);
        });
        prüfung->sanduhr = [this](bool an) { protokoll << (an ? QStringLiteral("sanduhr") : QStringLiteral("zeiger")); };
    }

    Ende prüfen() { return prüfung->Prüfen(); }

    void version(int haupt, int neben, int revis, const QString& datei = {})
    {
        SqlDatei d(datei.isEmpty() ? pfad : datei);
        d.sql(QStringLiteral("DELETE FROM DatenbankInfo"));
        d.sql(QStringLiteral("INSERT INTO DatenbankInfo (DBVersionHaupt, DBVersionNeben, DBVersionRevis, "
                             "Nutzerinfo_1, Nutzerinfo_2) VALUES (%1, %2, %3, 'Planungsbüro Weber', 'Gartenstraße 3')")
                  .arg(haupt).arg(neben).arg(revis));
    }
    QStringList versionszeilen(const QString& datei = {})
    {
        return SqlDatei(datei.isEmpty() ? pfad : datei)
            .zeilen(QStringLiteral("SELECT DBVersionHaupt, DBVersionNeben, DBVersionRevis FROM DatenbankInfo"));
    }
    void projekt(const SqlDatei& d, const QString& nr, const QString& art, const QString& bezeichnung)
    {
        d.sql(QStringLiteral("INSERT INTO ProjekteTabelle (\"Projekt Nr\", Projektart, Projektbezeichnung, Datum) "
                             "VALUES ('%1', '%2', '%3', '2023-03-14 00:00:00')").arg(nr, art, bezeichnung));
    }

    // A database of schema 2.0.0: the heating and cooling tables still hold the old option fields
    // instead of the later ones. Three projects: storage heater (two dwelling groups), heating,
    // cooling.
    void altDatenbank20()
    {
        baue();
        version(2, 0, 0);
        SqlDatei d(pfad);
        for (const char* feld : {"Nachspeisung", "Systemtrenner", "Mangelsicherung", "ZubehoerSteuerung",
                                 "Ruecklauftemp", "p Soll"})
            d.sql(QStringLiteral("ALTER TABLE Heizungsparameter DROP COLUMN \"%1\"").arg(QString::fromUtf8(feld)));
        for (const char* feld : {"Nachspeisung", "Systemtrenner", "ZubehoerSteuerung", "p Soll"})
            d.sql(QStringLiteral("ALTER TABLE Kälteparameter DROP COLUMN \"%1\"").arg(QString::fromUtf8(feld)));
        for (const char* tabelle : {"Heizungsparameter", "Kälteparameter"})
            for (const char* feld : {"NachspeiseTrenner", "NachspeisePumpe", "keineNachspeise", "MitSystemtrenner",
                                     "OhneSystemtrenner", "MangelsicherungWMS800", "MangelsicherungWMSE",
                                     "AltMinimalBegrenzer", "Membranbruchsensor"})
                d.sql(QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN \"%2\" BOOLEAN DEFAULT 0")
                          .arg(QString::fromUtf8(tabelle), QString::fromUtf8(feld)));

        projekt(d, QStringLiteral("2023-002"), QStringLiteral("He"), QStringLiteral("Schule Am Hang"));
        d.sql(QStringLiteral("INSERT INTO Heizungsparameter (\"Projekt Nr\", Vorlauftemperatur, Anfangsdruck, "
                             "IstBerechnet, NachspeisePumpe, MitSystemtrenner, MangelsicherungWMSE, Membranbruchsensor) "
                             "VALUES ('2023-002', 70, 1.5, -1, -1, -1, -1, -1)"));
        projekt(d, QStringLiteral("2023-001"), QStringLiteral("Sp"), QStringLiteral("Wohnanlage Nord"));
        d.sql(QStringLiteral("INSERT INTO SpeicherWasserwärmerparameter (\"Projekt Nr\", Bedarfskennzahl) "
                             "VALUES ('2023-001', 2.5)"));
        for (int gruppe : {1, 2})
            d.sql(QStringLiteral("INSERT INTO SpeicherBedarfsKz (\"Projekt Nr\", WohnungsgruppenNr, Bezeichnung, "
                                 "AnzahlWohng) VALUES ('2023-001', %1, 'Gruppe %1', %2)").arg(gruppe).arg(gruppe * 4));
        projekt(d, QStringLiteral("2023-003"), QStringLiteral("Kü"), QStringLiteral("Kühlhaus Süd"));
        d.sql(QStringLiteral("INSERT INTO Kälteparameter (\"Projekt Nr\", Anfangsdruck, IstBerechnet) "
                             "VALUES ('2023-003', 2.0, 0)"));
    }

    // No file of the conversion is left beside the database or in the temp folder.
    void keineArbeitsdateien()
    {
        EXPECT_FALSE(QFileInfo::exists(Projektdateien::Konvertierungsdatei(pfad)));
        EXPECT_FALSE(QFileInfo::exists(Projektdateien::Sicherheitskopie(pfad)));
        EXPECT_EQ(QDir(temp).entryList(QDir::Files), QStringList());
    }

    QString temp;
    QStringList protokoll;
    QList<bool> beschäftigtBeiZähler;
    std::function<void()> beimZeigen;
    std::unique_ptr<Projektdatenbankprüfung> prüfung;
};

QStringList alleTabellen()
{
    QStringList l = Tabellenaufbau::Tabellen();
    l.sort();
    return l;
}

TEST_F(Startseite, FehlendeDatenbankWirdAngelegtUndGestempelt)
{
    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(protokoll, (QStringList{QStringLiteral("zeigen"), QStringLiteral("caption:Manipulation Projektdatenbank"),
                                      QStringLiteral("info:Die Projektdatenbank wird angelegt."),
                                      QStringLiteral("projnr:"), QStringLiteral("entladen")}));
    EXPECT_EQ(SqlDatei(pfad).tabellen(), alleTabellen());
    EXPECT_EQ(versionszeilen(), QStringList{QStringLiteral("2|5|0")});
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    EXPECT_FALSE(prüfung->beschäftigt());
    // The main window holds the version of the database it now has.
    EXPECT_EQ(QStringLiteral("%1.%2.%3").arg(zustand().versHaupt).arg(zustand().versNeben).arg(zustand().versRevis),
              QStringLiteral("2.5.0"));
}

TEST_F(Startseite, KomprimierteKopieWirdAnIhrenPlatzGestellt)
{
    const QString kopie = Projektdateien::KomprimierteKopie(pfad);
    EXPECT_EQ(QFileInfo(kopie).fileName(), QStringLiteral("ProjektverwaltungT10.db"));
    baue(kopie);
    version(2, 5, 0, kopie);
    {
        SqlDatei d(kopie);
        projekt(d, QStringLiteral("K-1"), QStringLiteral("He"), QStringLiteral("aus der Kopie"));
    }

    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_FALSE(QFileInfo::exists(kopie));
    EXPECT_EQ(SqlDatei(pfad).zeilen(QStringLiteral("SELECT \"Projekt Nr\" FROM ProjekteTabelle")),
              QStringList{QStringLiteral("K-1")});
    // A current database: no progress window, only the hourglass.
    EXPECT_EQ(protokoll, (QStringList{QStringLiteral("sanduhr"), QStringLiteral("zeiger"), QStringLiteral("entladen")}));
}

TEST_F(Startseite, AktuelleVersionWirdStillErweitert)
{
    baue();
    version(2, 5, 3);
    {
        SqlDatei d(pfad);
        projekt(d, QStringLiteral("H-1"), QStringLiteral("He"), QStringLiteral("Halle"));
        d.sql(QStringLiteral("INSERT INTO Heizungsparameter (\"Projekt Nr\", Vorlauftemperatur) VALUES ('H-1', 80)"));
        d.sql(QStringLiteral("ALTER TABLE Heizungsparameter DROP COLUMN \"p Soll\""));
        d.sql(QStringLiteral("DROP TABLE SpeicherBedarfsKz"));
    }
    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(protokoll, (QStringList{QStringLiteral("sanduhr"), QStringLiteral("zeiger"), QStringLiteral("entladen")}));
    SqlDatei d(pfad);
    EXPECT_EQ(d.tabellen(), alleTabellen());
    EXPECT_EQ(d.zeilen(QStringLiteral("SELECT Vorlauftemperatur, round(\"p Soll\", 4) FROM Heizungsparameter")),
              QStringList{QStringLiteral("80|1.7")});
    EXPECT_EQ(versionszeilen(), QStringList{QStringLiteral("2|5|3")});
    EXPECT_EQ(zustand().versRevis, 3);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}

TEST_F(Startseite, LeereVersionstabelleGiltAlsFehlend)
{
    baue();
    {
        SqlDatei d(pfad);
        projekt(d, QStringLiteral("P-1"), QStringLiteral("Dr"), QStringLiteral("bleibt"));
    }
    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_TRUE(protokoll.contains(QStringLiteral("info:Die Projektdatenbank wird angelegt.")));
    EXPECT_EQ(versionszeilen(), QStringList{QStringLiteral("2|5|0")});
    EXPECT_EQ(SqlDatei(pfad).zeilen(QStringLiteral("SELECT Projektbezeichnung FROM ProjekteTabelle")),
              QStringList{QStringLiteral("bleibt")});
}

TEST_F(Startseite, NeuereVersionBeendetOhneDieDateiZuBeruehren)
{
    for (const auto& [haupt, neben] : {std::pair{2, 6}, {3, 0}}) {
        SCOPED_TRACE(QStringLiteral("%1.%2").arg(haupt).arg(neben).toStdString());
        QFile::remove(pfad);
        zustand().BeendenAbfragen = true;
        meldungen.leeren();
        protokoll.clear();
        baue();
        version(haupt, neben, 0);
        const QByteArray vorher = inhalt(pfad);

        EXPECT_EQ(prüfen(), Ende::Beenden);
        ASSERT_EQ(meldungen.boxen.size(), 1);
        const MeldungsBox& box = meldungen.boxen.front();
        EXPECT_EQ(box.text, QStringLiteral("Das Berechnungsprogramm (Version 2.5.0) ist nicht kompatibel\r\n"
                                           "zur vorhandenen Version der Projektdatenbank (Version %1.%2.0).\r\n\r\n"
                                           "Installieren Sie bitte die aktuelle Version des Berechnungsprogramms.")
                                .arg(haupt).arg(neben));
        EXPECT_EQ(box.titel, QStringLiteral("Achtung!"));
        EXPECT_EQ(box.stil, MsgStil::OK | MsgStil::Ausrufezeichen);
        EXPECT_FALSE(zustand().BeendenAbfragen);
        EXPECT_TRUE(zustand().Meldungsflag);
        EXPECT_EQ(protokoll, QStringList{QStringLiteral("entladen")});
        EXPECT_EQ(inhalt(pfad), vorher);
    }
}

TEST_F(Startseite, AeltereVersionJaBeendetVorDerKonvertierung)
{
    altDatenbank20();
    const QByteArray vorher = inhalt(pfad);
    meldungen.antworten = {MsgAntwort::Ja};

    EXPECT_EQ(prüfen(), Ende::Beenden);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    const MeldungsBox& frage = meldungen.boxen.front();
    EXPECT_EQ(frage.stil, MsgStil::JaNein | MsgStil::Frage);
    EXPECT_EQ(frage.titel, QStringLiteral("Achtung!"));
    const QStringList zeilen = frage.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 8) << frage.text.toStdString();
    EXPECT_EQ(zeilen[3], QStringLiteral("        Projektverwaltung.db"));
    EXPECT_EQ(zeilen[5], QStringLiteral("        ") + QDir::toNativeSeparators(ordner.path() + QLatin1Char('/')));
    EXPECT_FALSE(zustand().BeendenAbfragen);
    EXPECT_TRUE(zustand().Meldungsflag);
    EXPECT_EQ(inhalt(pfad), vorher);
    keineArbeitsdateien();
}

TEST_F(Startseite, KonvertierungUeberDenTransferstrom)
{
    altDatenbank20();
    // A file left by an interrupted earlier run goes first.
    {
        QFile rest(Projektdateien::Konvertierungsdatei(pfad));
        ASSERT_TRUE(rest.open(QIODevice::WriteOnly));
        rest.write("Rest eines alten Laufs");
    }
    zustand().Meldungsflag = true;
    meldungen.antworten = {MsgAntwort::Nein};

    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(prüfung->letzteKonvertierung(), Konvertierung::Konvertiert);
    const QStringList projektweise = {QStringLiteral("anzahl:1 / 3"), QStringLiteral("projnr:2023-001"),
                                      QStringLiteral("anzahl:2 / 3"), QStringLiteral("projnr:2023-002"),
                                      QStringLiteral("anzahl:3 / 3"), QStringLiteral("projnr:2023-003")};
    const QStringList erwartet = QStringList{QStringLiteral("zeigen"), QStringLiteral("info:Retten des Projektes mit Nummer:"),
                                             QStringLiteral("projnr:")}
                                 + projektweise
                                 + QStringList{QStringLiteral("info:Anlegen einer neuen Projektdatenbank."),
                                               QStringLiteral("projnr:"),
                                               QStringLiteral("info:Gesicherte Projekte in die neue Projektdatenbank schreiben."),
                                               QStringLiteral("projnr:")}
                                 + projektweise + QStringList{QStringLiteral("entladen")};
    EXPECT_EQ(protokoll, erwartet);
    EXPECT_EQ(beschäftigtBeiZähler, QList<bool>(6, true));
    EXPECT_FALSE(prüfung->beschäftigt());
    EXPECT_FALSE(zustand().Meldungsflag);
    EXPECT_EQ(zustand().AbbruchCode, 0);
    keineArbeitsdateien();

    SqlDatei d(pfad);
    EXPECT_EQ(d.zeilen(QStringLiteral("SELECT DBVersionHaupt, DBVersionNeben, DBVersionRevis, Nutzerinfo_1, "
                                      "Nutzerinfo_2 FROM DatenbankInfo")),
              QStringList{QStringLiteral("2|5|0|Planungsbüro Weber|Gartenstraße 3")});
    EXPECT_EQ(d.tabellen(), alleTabellen());
    EXPECT_FALSE(d.spalten(QStringLiteral("Heizungsparameter")).contains(QStringLiteral("NachspeisePumpe")));
    EXPECT_EQ(d.zeilen(QStringLiteral("SELECT \"Projekt Nr\", Projektart, Projektbezeichnung, Datum FROM ProjekteTabelle "
                                      "ORDER BY \"Projekt Nr\"")),
              (QStringList{QStringLiteral("2023-001|Sp|Wohnanlage Nord|2023-03-14 00:00:00"),
                           QStringLiteral("2023-002|He|Schule Am Hang|2023-03-14 00:00:00"),
                           QStringLiteral("2023-003|Kü|Kühlhaus Süd|2023-03-14 00:00:00")}));
    // Heating: the later fields come from the old options.
    EXPECT_EQ(d.zeilen(QStringLiteral("SELECT Vorlauftemperatur, Nachspeisung, Systemtrenner, Mangelsicherung, "
                                      "ZubehoerSteuerung, Ruecklauftemp, round(\"p Soll\", 4) FROM Heizungsparameter")),
              QStringList{QStringLiteral("70|2|1|2|1|50|2")});
    // Cooling without any old option set: the defaults, and p Soll of an uncalculated system.
    EXPECT_EQ(d.zeilen(QStringLiteral("SELECT Nachspeisung, Systemtrenner, ZubehoerSteuerung, round(\"p Soll\", 4) "
                                      "FROM Kälteparameter")),
              QStringList{QStringLiteral("0|1|0|1.1")});
    EXPECT_EQ(d.zeilen(QStringLiteral("SELECT \"Projekt Nr\", Bedarfskennzahl FROM SpeicherWasserwärmerparameter")),
              QStringList{QStringLiteral("2023-001|2.5")});
    EXPECT_EQ(d.zeilen(QStringLiteral("SELECT WohnungsgruppenNr, Bezeichnung, AnzahlWohng FROM SpeicherBedarfsKz "
                                      "ORDER BY WohnungsgruppenNr")),
              (QStringList{QStringLiteral("1|Gruppe 1|4"), QStringLiteral("2|Gruppe 2|8")}));
}

TEST_F(Startseite, KonvertierungOhneProjekteLegtNeuAn)
{
    baue();
    version(2, 4, 0);
    meldungen.antworten = {MsgAntwort::Nein};

    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(prüfung->letzteKonvertierung(), Konvertierung::KeineProjekte);
    EXPECT_EQ(SqlDatei(pfad).zeilen(QStringLiteral("SELECT DBVersionHaupt, DBVersionNeben, DBVersionRevis, Nutzerinfo_1 "
                                                   "FROM DatenbankInfo")),
              QStringList{QStringLiteral("2|5|0|Planungsbüro Weber")});
    EXPECT_EQ(SqlDatei(pfad).tabellen(), alleTabellen());
    keineArbeitsdateien();
}

// Every way a conversion can fail leaves the old database as it was, byte for byte, and ends the
// program with the conversion error.
class FehlgeschlageneKonvertierung : public Startseite {
protected:
    void SetUp() override
    {
        Startseite::SetUp();
        altDatenbank20();
        meldungen.antworten = {MsgAntwort::Nein};
    }
    void erwarteAbbruch(const QByteArray& vorher)
    {
        EXPECT_EQ(prüfen(), Ende::Abbruch);
        EXPECT_EQ(prüfung->letzteKonvertierung(), Konvertierung::Fehlgeschlagen);
        EXPECT_EQ(zustand().AbbruchCode, 1);
        EXPECT_EQ(zustand().AbbruchText,
                  QStringLiteral("Konvertierungsfehler Datenbank!\r\n\r\nBitte starten Sie das Programm nochmals."));
        EXPECT_EQ(zustand().Projekt_Data_Source, pfad);
        EXPECT_FALSE(prüfung->beschäftigt());
        EXPECT_EQ(inhalt(pfad), vorher);
    }
};

// Another user has filled the shared temporary folder with links named like the program's
// temporary files: the conversion makes its transfer file beside them and leaves nothing there.
TEST_F(Startseite, KonvertierungNebenFremdenNamenImTempOrdner)
{
    QString grund;
    if (!FremdeLinksImTempOrdner(temp, &grund))
        GTEST_SKIP() << grund.toStdString();
    altDatenbank20();
    meldungen.antworten = {MsgAntwort::Nein};
    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(prüfung->letzteKonvertierung(), Konvertierung::Konvertiert);
    EXPECT_EQ(SqlDatei(pfad).zeilen(QStringLiteral("SELECT count(*) FROM ProjekteTabelle")), QStringList{QStringLiteral("3")});
    for (const QFileInfo& f : QDir(temp).entryInfoList(QDir::Files | QDir::System | QDir::Hidden))
        EXPECT_TRUE(f.isSymLink()) << f.fileName().toStdString();
}

// No temporary file can be made: the conversion names the folder and the cause before the program
// ends.
TEST_F(FehlgeschlageneKonvertierung, KeineTemporaereDatei)
{
    const QByteArray vorher = inhalt(pfad);
    zustand().TempOrdner = temp + QStringLiteral("/fehlt");
    erwarteAbbruch(vorher);
    ASSERT_EQ(meldungen.boxen.size(), 2) << texte(meldungen);
    EXPECT_EQ(meldungen.boxen[1].textIds, QList<int>{3122});
    EXPECT_EQ(meldungen.boxen[1].werte, (QStringList{QDir::toNativeSeparators(temp + QStringLiteral("/fehlt")),
                                                     QString::fromLocal8Bit(std::strerror(ENOENT))}));
}

TEST_F(FehlgeschlageneKonvertierung, LesefehlerMittenImEinlesen)
{
    // The reader refuses a project whose number is blank (a no-break space); it sorts after the
    // three others, so they are already in the new database when the reading stops.
    {
        SqlDatei d(pfad);
        projekt(d, QString(QChar(0x00A0)), QStringLiteral("Dr"), QStringLiteral("ohne Nummer"));
    }
    const QByteArray vorher = inhalt(pfad);
    erwarteAbbruch(vorher);
    EXPECT_EQ(protokoll.count(QStringLiteral("anzahl:4 / 4")), 2);  // saved, and reached when reading
    EXPECT_TRUE(protokoll.contains(QStringLiteral("info:Gesicherte Projekte in die neue Projektdatenbank schreiben.")));
    keineArbeitsdateien();
}

TEST_F(FehlgeschlageneKonvertierung, NeueDateiLaesstSichNichtAnIhrenPlatzStellen)
{
    const QByteArray vorher = inhalt(pfad);
    const QString neu = Projektdateien::Konvertierungsdatei(pfad);
    prüfung->verschieben = [&](const QString& von, const QString& nach) {
        return von != neu && QFile::rename(von, nach);
    };
    erwarteAbbruch(vorher);
    keineArbeitsdateien();
    EXPECT_TRUE(meldungen.boxen.size() == 1) << texte(meldungen);  // only the question
}

// Faults of the new database while the projects are read into it: a full disk (a page limit
// on the connection) and a commit that fails. The old database stays, byte for byte.
TEST_F(FehlgeschlageneKonvertierung, SchreibfehlerDerNeuenDatenbank)
{
    {
        // A text that needs pages of its own in the new file.
        SqlDatei d(pfad);
        d.sql(QStringLiteral("UPDATE ProjekteTabelle SET Bemerkungen = hex(randomblob(40000)) "
                             "WHERE \"Projekt Nr\" = '2023-002'"));
    }
    const QByteArray vorher = inhalt(pfad);
    const QString neu = QFileInfo(Projektdateien::Konvertierungsdatei(pfad)).fileName();
    const auto beimEinlesen = [this] {
        return protokoll.contains(QStringLiteral("info:Gesicherte Projekte in die neue Projektdatenbank schreiben."));
    };
    struct Fall {
        const char* name;
        DbVerbindung::Fehlerprobe probe;
    };
    const Fall fälle[] = {
        {"volle Platte",
         {[&](QSqlDatabase& db) {
              if (beimEinlesen() && QFileInfo(db.databaseName()).fileName() == neu)
                  QSqlQuery(db).exec(QStringLiteral("PRAGMA max_page_count = 1"));
          },
          {}}},
        {"Commit schlägt fehl",
         {{}, [&](const QString& datei) { return !(beimEinlesen() && QFileInfo(datei).fileName() == neu); }}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        protokoll.clear();
        meldungen.leeren();
        meldungen.antworten = {MsgAntwort::Nein};
        DbVerbindung::SetzeFehlerprobe(&f.probe);
        erwarteAbbruch(vorher);
        DbVerbindung::SetzeFehlerprobe(nullptr);
        keineArbeitsdateien();
    }
    // Without the fault the same database converts.
    protokoll.clear();
    meldungen.antworten = {MsgAntwort::Nein};
    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(SqlDatei(pfad).zeilen(QStringLiteral("SELECT length(Bemerkungen) FROM ProjekteTabelle "
                                                   "WHERE \"Projekt Nr\" = '2023-002'")),
              QStringList{QStringLiteral("80000")});
}

// An earlier version moved the old database aside and stopped before the new one was in place:
// the next start puts the old database back and asks again; no empty database is made.
TEST_F(FehlgeschlageneKonvertierung, AbgebrocheneKonvertierungEinerFrueherenVersionGehtZurueck)
{
    const QByteArray vorher = inhalt(pfad);
    const QString sicherung = Projektdateien::Sicherheitskopie(pfad);
    ASSERT_TRUE(QFile::rename(pfad, sicherung));
    meldungen.antworten = {MsgAntwort::Ja};
    EXPECT_EQ(prüfen(), Ende::Beenden);
    ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
    EXPECT_EQ(meldungen.boxen[0].stil, MsgStil::JaNein | MsgStil::Frage);
    EXPECT_EQ(inhalt(pfad), vorher);
    keineArbeitsdateien();
}

// The converted database takes the old one's place as the checked writer puts a file in place:
// a database behind a link stays behind it, with its permissions.
TEST_F(Startseite, KonvertierteDatenbankBleibtHinterIhremLinkMitIhrenRechten)
{
    altDatenbank20();
    const QString echt = ordner.filePath(QStringLiteral("Ablage/Projektverwaltung.db"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(echt).path()));
    ASSERT_TRUE(QFile::rename(pfad, echt));
    ASSERT_TRUE(QFile::link(echt, pfad));
    ASSERT_EQ(::chmod(QFile::encodeName(echt).constData(), 0640), 0);
    meldungen.antworten = {MsgAntwort::Nein};

    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(prüfung->letzteKonvertierung(), Konvertierung::Konvertiert);
    EXPECT_EQ(QFile::symLinkTarget(pfad), echt);
    EXPECT_EQ(versionszeilen(echt), QStringList{QStringLiteral("2|5|0")});
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(echt).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    keineArbeitsdateien();
    EXPECT_EQ(QDir(QFileInfo(echt).path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Projektverwaltung.db")});
}

TEST_F(Startseite, ReiheDerArbeitsdateienOhneDatenbank)
{
    // The database is missing while a conversion left a file: the file is named, nothing is
    // created, the program ends. With the old database under its backup name, that goes back.
    struct Fall {
        const char* name;
        QString datei;
        bool zurück;
    };
    const QList<Fall> fälle = {
        {"Konvertierungsdatei", Projektdateien::Konvertierungsdatei(pfad), false},
        {"Sicherheitskopie", Projektdateien::Sicherheitskopie(pfad), true},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        QFile::remove(pfad);
        meldungen.leeren();
        baue(fall.datei);
        version(2, 5, 0, fall.datei);
        const QByteArray vorher = inhalt(fall.datei);
        const Ende ende = prüfen();
        if (fall.zurück) {
            EXPECT_EQ(ende, Ende::Weiter);
            EXPECT_FALSE(QFileInfo::exists(fall.datei));
            EXPECT_EQ(versionszeilen(), QStringList{QStringLiteral("2|5|0")});
        } else {
            EXPECT_EQ(ende, Ende::Beenden);
            ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
            EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::InternerFehler);
            EXPECT_EQ(meldungen.boxen[0].werte, QStringList{QDir::toNativeSeparators(fall.datei)});
            EXPECT_FALSE(QFileInfo::exists(pfad));
            EXPECT_EQ(inhalt(fall.datei), vorher);
            QFile::remove(fall.datei);
        }
    }
}

TEST_F(Startseite, BeschaedigteDateiWirdGemeldetUndNieErsetzt)
{
    struct Fall {
        const char* name;
        std::function<void()> anlegen;
    };
    const QList<Fall> fälle = {
        {"keine Datenbank",
         [this] {
             QFile f(pfad);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray("Projektliste 2023\r\n").repeated(300));
         }},
        {"zerstörte Seiten",
         [this] {
             baue();
             version(2, 5, 0);
             QFile f(pfad);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             ASSERT_GT(f.size(), 3 * 4096);
             f.seek(4096);
             f.write(QByteArray(2 * 4096, '\x5a'));
         }},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        QFile::remove(pfad);
        meldungen.leeren();
        fall.anlegen();
        const QByteArray vorher = inhalt(pfad);

        EXPECT_EQ(prüfen(), Ende::Beenden);
        ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
        const MeldungsBox& box = meldungen.boxen[0];
        EXPECT_EQ(box.art, Meldungsart::Datenbankfehler);
        EXPECT_EQ(box.vorlage, text(2417));
        ASSERT_EQ(box.werte.size(), 2);
        EXPECT_EQ(box.werte[0], QDir::toNativeSeparators(pfad));
        EXPECT_TRUE(box.werte[1].startsWith(QStringLiteral("Die Datei ist beschädigt"))) << box.werte[1].toStdString();
        EXPECT_FALSE(zustand().BeendenAbfragen);
        EXPECT_EQ(inhalt(pfad), vorher);
    }
}

TEST_F(Startseite, EineZweiteAktivierungWaehrendDerPruefungTutNichts)
{
    Ende innen = Ende::Weiter;
    beimZeigen = [&] { innen = prüfen(); };
    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(innen, Ende::LäuftBereits);
    EXPECT_EQ(versionszeilen(), QStringList{QStringLiteral("2|5|0")});
}

}  // namespace

TEST_F(Startseite, SchreibgeschuetzteDatenbankWirdEinmalGenannt)
{
    baue();
    const DbVerbindung::Fehlerprobe nurLesen{
        [](QSqlDatabase& d) { QSqlQuery(d).exec(QStringLiteral("PRAGMA query_only = ON")); }, {}};
    DbVerbindung::SetzeFehlerprobe(&nurLesen);
    EXPECT_EQ(prüfen(), Ende::Weiter);
    EXPECT_EQ(prüfen(), Ende::Weiter);
    DbVerbindung::SetzeFehlerprobe(nullptr);
    ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2924});
    EXPECT_EQ(meldungen.boxen[0].werte.value(0), QDir::toNativeSeparators(pfad));
}

TEST_F(Startseite, ResteAbgebrochenerLaeufeWerdenEntfernt)
{
    zustand().Artikel_Data_Source = ordner.filePath(QStringLiteral("Daten/Artikeld.db"));
    zustand().Projekt_Data_Source = ordner.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
    zustand().Datenpfad = ordner.path();
    QDir().mkpath(ordner.filePath(QStringLiteral("Daten")));
    // Also the checked writer's: beside the order file and the drawing, the databases, in the
    // temporary folder.
    const QStringList reste = {temp + QStringLiteral("/$$0A1F.tmp"),
                               ordner.filePath(QStringLiteral("Daten/ArtikeldAb12Cd.tmp")),
                               ordner.filePath(QStringLiteral("DxfOrder.tmp.kelvor-Ab12Cd.tmp")),
                               ordner.filePath(QStringLiteral("DXFneu.dxf.kelvor-zz09AA.tmp")),
                               ordner.filePath(QStringLiteral("Daten/x.sic.kelvor-000000.tmp")),
                               temp + QStringLiteral("/LV.d81.kelvor-q1W2e3.tmp"),
                               temp + QStringLiteral("/$$0A1F2B3C.tmp")};
    const QStringList fremde = {temp + QStringLiteral("/$$0A1F.tmp.bak"), temp + QStringLiteral("/xy0A1F.tmp"),
                                temp + QStringLiteral("/$$0a1g.tmp"), temp + QStringLiteral("/$$0A1F2B.tmp"), ordner.filePath(QStringLiteral("Daten/Artikeld.db")),
                                ordner.filePath(QStringLiteral("Daten/Projektverwaltung.tmp")),
                                ordner.filePath(QStringLiteral("DxfOrder.tmp")),
                                ordner.filePath(QStringLiteral("DXFneu.dxf.kelvor-zz09A.tmp")),
                                ordner.filePath(QStringLiteral(".kelvor-zz09AA.tmp"))};
    for (const QString& datei : reste + fremde) {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << datei.toStdString();
    }
    EXPECT_EQ(Projektdatenbankprüfung::RäumeZwischendateienAuf(), 7);
    for (const QString& datei : reste)
        EXPECT_FALSE(QFileInfo::exists(datei)) << datei.toStdString();
    for (const QString& datei : fremde)
        EXPECT_TRUE(QFileInfo::exists(datei)) << datei.toStdString();
}
