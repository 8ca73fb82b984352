#include <QBuffer>
#include <QFile>
#include <QHash>

#include <utility>

#include "TransferFixture.h"
#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "support/TransferProtokoll.h"

namespace {

TEST_F(Transfer, SchreibtDruckerhöhungsprojektByteGenau)
{
    zeile(Tabelle::ProjekteTabelle,
          {{"Projekt Nr", "2024-017"}, {"Projektart", "Dr"}, {"Projektbezeichnung", "Wohnhaus Lindenweg"},
           {"Bauherr", "Familie Berger"}, {"Straße", "Lindenweg 4"}, {"PLZ", "12345"}, {"Ort", "Neustadt"},
           {"Angebotsnummer", ""}, {"Bemerkungen", "Keller, Pumpenraum\r\nAngebot folgt"},
           {"Datum", VbVariant::datum(45306.0)}, {"ArtErstellung", VbVariant::byte(0)}, {"Save", "X"}});
    zeile(Tabelle::Druckerhöhungparameter,
          {{"Projekt Nr", "2024-017"}, {"MaxVolumenstrom", 2.5f}, {"Schalthäufigkeit", 10},
           {"Einschaltdruck", 3.0f}, {"Ausschaltdruck", 4.5f}, {"Nutzvolumen", 120},
           {"Druckfaktor", 1.0f / 3.0f}, {"Behälter-Gesamtvolumen", 200}, {"Vordruck", 2.8f},
           {"IstBerechnet", true}, {"Türbreite", 1000}, {"Raumhöhe", 2000}, {"Behältergruppe", 0},
           {"Behälterinhalt", 200}, {"Behälteranzahl", 1}, {"GefäßArtNr", " "}, {"IstAusgelegt", false},
           {"KappenventilBehArtNr", " "}, {"KappenventilBehAnz", 0}});
    long ergebnis = -1;
    const QByteArray datei = TransferProtokoll::Sichere({QStringLiteral("2024-017")}, &ergebnis);
    EXPECT_EQ(ergebnis, 0);
    const QByteArray erwartet = cp(
        "$BEGIN$\t$PROJEKT$\t\r\n"
        "$BEGIN$\t$TABELLE$\t\r\n"
        "Projekt Nr\t2024-017\t\r\n"
        "Projektart\tDr\t\r\n"
        "Projektbezeichnung\tWohnhaus Lindenweg\t\r\n"
        "Bauherr\tFamilie Berger\t\r\n"
        "Straße\tLindenweg 4\t\r\n"
        "PLZ\t12345\t\r\n"
        "Ort\tNeustadt\t\r\n"
        "Angebotsnummer\t\t\r\n"
        "Bemerkungen\tKeller, Pumpenraum\r\nAngebot folgt\t\r\n"
        "Datum\t 45306\t\r\n"
        "ArtErstellung\t0\t\r\n"
        "Save\tX\t\r\n"
        "$ENDE$\t$TABELLE$\t\r\n"
        "$BEGIN$\t$TABELLE$\t\r\n"
        "Projekt Nr\t2024-017\t\r\n"
        "MaxVolumenstrom\t 2.5\t\r\n"
        "Schalthäufigkeit\t10\t\r\n"
        "Einschaltdruck\t 3\t\r\n"
        "Ausschaltdruck\t 4.5\t\r\n"
        "Nutzvolumen\t120\t\r\n"
        "Druckfaktor\t .3333333\t\r\n"
        "Behälter-Gesamtvolumen\t200\t\r\n"
        "Vordruck\t 2.8\t\r\n"
        "IstBerechnet\t-1\t\r\n"
        "Türbreite\t1000\t\r\n"
        "Raumhöhe\t2000\t\r\n"
        "Behältergruppe\t0\t\r\n"
        "Behälterinhalt\t200\t\r\n"
        "Behälteranzahl\t1\t\r\n"
        "GefäßArtNr\t \t\r\n"
        "IstAusgelegt\t0\t\r\n"
        "KappenventilBehArtNr\t \t\r\n"
        "KappenventilBehAnz\t0\t\r\n"
        "$ENDE$\t$TABELLE$\t\r\n"
        "$ENDE$\t$PROJEKT$\t\r\n");
    EXPECT_EQ(datei, erwartet) << datei.toStdString();

    // And it reads back into an empty database as it was.
    zweiteDatenbank();
    EXPECT_EQ(TransferProtokoll::Lies(datei), TransferErgebnis::Dateiende);
    EXPECT_EQ(TransferProtokoll::Sichere({QStringLiteral("2024-017")}), erwartet);
}

// A value of each field, different per field and per seed.
VbVariant beispielwert(const ManipDBField& f, int i)
{
    switch (f.fieldtype) {
    case Feldtyp::Boolean: return VbVariant(i % 2 == 0);
    case Feldtyp::Byte: return VbVariant::byte(static_cast<uint8_t>(i % 256));
    case Feldtyp::Integer: return VbVariant::integer(static_cast<int16_t>(-(i * 37 % 30000)));
    case Feldtyp::Long: return VbVariant::lng(i * 100003);
    case Feldtyp::Single: return VbVariant::single(static_cast<float>(i) / 7.0f + 0.001f);
    case Feldtyp::Date: return VbVariant::datum(45306.25 + i);
    case Feldtyp::Text: return VbVariant(QStringLiteral("Ä%1ß€'\"x").arg(i).left(f.fieldsize));
    case Feldtyp::Memo: return VbVariant(QStringLiteral("Zeile %1\r\nöäü € Größe\tTab\r\n\r\nEnde").arg(i));
    default: return {};
    }
}

TEST_F(Transfer, AlleSechsProjektartenHinUndZurück)
{
    const QStringList arten{"He", "Kü", "So", "Tr", "Dr", "Sp"};
    QStringList nummern;
    int i = 1;
    for (const QString& art : arten) {
        const QString nr = QStringLiteral("P-%1'%2").arg(art).arg(i);
        nummern << nr;
        for (const QString& tabelle : {Tabelle::ProjekteTabelle, Tabellenaufbau::Parametertabelle(art)}) {
            Feldliste liste;
            Tabellenaufbau::Aufbauen(tabelle, liste);
            Werte w;
            for (const ManipDBField& f : liste)
                if (!f.istAutowert())
                    w.append({f.fieldbez, beispielwert(f, i++)});
            w.append({Tabelle::ProjektNr, nr});
            if (tabelle == Tabelle::ProjekteTabelle)
                w.append({QStringLiteral("Projektart"), art});
            zeile(tabelle, w);
        }
    }
    Feldliste zapf;
    Tabellenaufbau::Aufbauen(Tabelle::SpeicherBedarfsKz, zapf);
    for (int gruppe = 1; gruppe <= 3; ++gruppe) {
        Werte w;
        for (const ManipDBField& f : zapf)
            w.append({f.fieldbez, beispielwert(f, i++)});
        w.append({Tabelle::ProjektNr, nummern.last()});
        w.append({QStringLiteral("WohnungsgruppenNr"), VbVariant::integer(static_cast<int16_t>(gruppe))});
        zeile(Tabelle::SpeicherBedarfsKz, w);
    }
    ASSERT_TRUE(datenbankMeldungen(meldungen).isEmpty()) << texte(meldungen);
    const QString quelle = pfad;

    long ergebnis = -1;
    const QByteArray datei = TransferProtokoll::Sichere(nummern, &ergebnis);
    EXPECT_EQ(ergebnis, 0);
    zweiteDatenbank();
    EXPECT_EQ(TransferProtokoll::Lies(datei), TransferErgebnis::Dateiende);
    EXPECT_TRUE(datenbankMeldungen(meldungen).isEmpty()) << texte(meldungen);
    const QString ziel = zustand().Projekt_Data_Source;

    for (int k = 0; k < nummern.size(); ++k) {
        QStringList tabellen{Tabelle::ProjekteTabelle, Tabellenaufbau::Parametertabelle(arten[k])};
        if (arten[k] == QLatin1String("Sp"))
            tabellen << Tabelle::SpeicherBedarfsKz;
        for (const QString& tabelle : tabellen) {
            Feldliste liste;
            Tabellenaufbau::Aufbauen(tabelle, liste);
            zustand().Projekt_Data_Source = quelle;
            const auto vorher = zeilen(tabelle, nummern[k]);
            zustand().Projekt_Data_Source = ziel;
            const auto nachher = zeilen(tabelle, nummern[k]);
            ASSERT_EQ(vorher.size(), nachher.size()) << tabelle.toStdString();
            ASSERT_FALSE(vorher.isEmpty());
            for (qsizetype z = 0; z < vorher.size(); ++z)
                for (const ManipDBField& f : liste) {
                    if (f.istAutowert())
                        continue;
                    const VbVariant a = vorher[z].value(f.fieldbez), b = nachher[z].value(f.fieldbez);
                    EXPECT_EQ(a.typ(), b.typ()) << f.fieldbez.toStdString();
                    // A Single travels with its 7 significant digits.
                    const bool gleich = f.fieldtype == Feldtyp::Single
                                            ? Zahlen::Str(a.toDouble(), true) == Zahlen::Str(b.toDouble(), true)
                                            : a == b;
                    EXPECT_TRUE(gleich) << tabelle.toStdString() << "." << f.fieldbez.toStdString() << ": "
                                        << a.toString().toStdString() << " / " << b.toString().toStdString();
                }
        }
    }
    // Written again from the new database, the file is the same.
    EXPECT_EQ(TransferProtokoll::Sichere(nummern), datei);
}

// For each line of key `nach`: the lines that follow it up to the end of its block (key=value).
QList<QStringList> schlüsselNach(const QByteArray& datei, const QString& nach)
{
    const QStringList zeilen = Sicherungsdatei::AusCp1252(datei).split(QStringLiteral("\r\n"));
    QList<QStringList> aus;
    bool drin = false;
    for (const QString& z : zeilen) {
        const QString k = z.section(QLatin1Char('\t'), 0, 0);
        if (drin && k == Marke::Ende)
            drin = false;
        if (drin)
            aus.last() << k + QLatin1Char('=') + z.section(QLatin1Char('\t'), 1, 1);
        if (k == nach) {
            drin = true;
            aus.append(QStringList());
        }
    }
    return aus;
}

TEST_F(Transfer, KompatibilitätszeilenNachDatenbankversion)
{
    // An extended older database still carries the fields that later versions replaced.
    for (const char* alt : {"NachspeiseTrenner", "NachspeisePumpe", "keineNachspeise", "MitSystemtrenner",
                            "OhneSystemtrenner", "MangelsicherungWMS800", "MangelsicherungWMSE",
                            "AltMinimalBegrenzer", "Membranbruchsensor"})
        for (const QString& t : {Tabelle::Heizungsparameter, Tabelle::Kälteparameter})
            sql(QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN \"%2\" BOOLEAN").arg(t, QString::fromUtf8(alt)));
    projekt(QStringLiteral("H1"), QStringLiteral("He"),
            {{"NachspeisePumpe", true}, {"keineNachspeise", true}, {"OhneSystemtrenner", true},
             {"MangelsicherungWMSE", true}, {"AltMinimalBegrenzer", true}, {"Membranbruchsensor", true},
             {"Vorlauftemperatur", 22}, {"IstBerechnet", true}, {"Anfangsdruck", 1.8f}});
    projekt(QStringLiteral("K1"), QStringLiteral("Kü"), {{"NachspeiseTrenner", true}, {"Vorlauftemperatur", 60}});

    struct Fall {
        int16_t haupt, neben;
        QStringList heizung, kälte;
    };
    const Fall fälle[] = {
        {2, 0,
         {"Nachspeisung=2", "Systemtrenner=0", "Mangelsicherung=2", "ZubehoerSteuerung=1", "Ruecklauftemp=5",
          "p Soll= 2.3"},
         {"Nachspeisung=1", "ZubehoerSteuerung=0", "p Soll= 1.1"}},
        {2, 2, {"Mangelsicherung=2", "ZubehoerSteuerung=1", "Ruecklauftemp=5", "p Soll= 2.3"},
         {"ZubehoerSteuerung=0", "p Soll= 1.1"}},
        {2, 3, {"ZubehoerSteuerung=1", "Ruecklauftemp=5", "p Soll= 2.3"}, {"ZubehoerSteuerung=0", "p Soll= 1.1"}},
        {2, 4, {"p Soll= 2.3"}, {"p Soll= 1.1"}},
        {2, 5, {}, {}},
    };
    for (const Fall& f : fälle) {
        zustand().versHaupt = f.haupt;
        zustand().versNeben = f.neben;
        const QByteArray d = TransferProtokoll::Sichere({QStringLiteral("H1"), QStringLiteral("K1")});
        const QList<QStringList> h = schlüsselNach(d, QStringLiteral("LufttöpfeAnz6"));
        ASSERT_EQ(h.size(), 2);
        EXPECT_EQ(h[0], f.heizung) << f.haupt << "." << f.neben;
        EXPECT_EQ(h[1], f.kälte) << f.haupt << "." << f.neben;
    }

    // Read back, the lines take the place of the fields' own values.
    zustand().versNeben = 0;
    const QByteArray d = TransferProtokoll::Sichere({QStringLiteral("H1"), QStringLiteral("K1")});
    zweiteDatenbank();
    EXPECT_EQ(TransferProtokoll::Lies(d), TransferErgebnis::Dateiende);
    const QString he = Tabelle::Heizungsparameter;
    EXPECT_EQ(feld(he, "H1", "Nachspeisung").toLong(), 2);
    EXPECT_EQ(feld(he, "H1", "Systemtrenner").toLong(), 0);
    EXPECT_EQ(feld(he, "H1", "Mangelsicherung").toLong(), 2);
    EXPECT_EQ(feld(he, "H1", "ZubehoerSteuerung").toLong(), 1);
    EXPECT_EQ(feld(he, "H1", "Ruecklauftemp").toLong(), 5);
    EXPECT_FLOAT_EQ(feld(he, "H1", "p Soll").toSingle(), 2.3f);
    EXPECT_EQ(feld(Tabelle::Kälteparameter, "K1", "Nachspeisung").toLong(), 1);
    EXPECT_EQ(feld(Tabelle::Kälteparameter, "K1", "Systemtrenner").toLong(), 1);  // no line: default
    EXPECT_FLOAT_EQ(feld(Tabelle::Kälteparameter, "K1", "p Soll").toSingle(), 1.1f);
}

TEST_F(Transfer, NachAnlegenSchreibtSicherungKeineKompatibilitätszeilen)
{
    // SetUp built the database with the version found 0.0.0.
    EXPECT_EQ(zustand().versNeben, 5);
    projekt(QStringLiteral("1"), QStringLiteral("He"), {{"p Soll", 2.9f}, {"ZubehoerSteuerung", 3}});
    const QByteArray d = TransferProtokoll::Sichere({QStringLiteral("1")});
    EXPECT_EQ(schlüsselNach(d, QStringLiteral("LufttöpfeAnz6")), QList<QStringList>{QStringList()});
    zweiteDatenbank();
    TransferProtokoll::Lies(d);
    EXPECT_FLOAT_EQ(feld(Tabelle::Heizungsparameter, "1", "p Soll").toSingle(), 2.9f);
    EXPECT_EQ(feld(Tabelle::Heizungsparameter, "1", "ZubehoerSteuerung").toLong(), 3);
}

TEST_F(Transfer, NullUndLeerWerte)
{
    zeile(Tabelle::ProjekteTabelle, {{"Projekt Nr", "N1"}, {"Projektart", "Tr"}});
    zeile(Tabelle::Trinkwasserparameter,
          {{"Projekt Nr", "N1"}, {"Türbreite", VbVariant::null()}, {"Anfangsdruck", VbVariant::null()}});
    const QByteArray d = TransferProtokoll::Sichere({QStringLiteral("N1")});
    EXPECT_TRUE(d.contains("Datum\t 0\t\r\n"));
    EXPECT_TRUE(d.contains("Angebotsnummer\t\t\r\n"));
    EXPECT_TRUE(d.contains(cp("Türbreite\t\t\r\n")));
    EXPECT_TRUE(d.contains("Anfangsdruck\t 0\t\r\n"));
    EXPECT_TRUE(d.contains("IstBerechnet\t0\t\r\n"));
    zweiteDatenbank();
    EXPECT_EQ(TransferProtokoll::Lies(d), TransferErgebnis::Dateiende);
    EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "N1", "Datum").toDateTime().date(), QDate(1899, 12, 30));
    EXPECT_EQ(feld(Tabelle::ProjekteTabelle, "N1", "Angebotsnummer").toString(), QString());
    EXPECT_EQ(feld(Tabelle::Trinkwasserparameter, "N1", "Türbreite").toLong(), 1000);  // the default
    EXPECT_FLOAT_EQ(feld(Tabelle::Trinkwasserparameter, "N1", "Anfangsdruck").toSingle(), 0.0f);
    EXPECT_EQ(feld(Tabelle::Trinkwasserparameter, "N1", "GefäßArtNr").toString(), QString());
}

TEST_F(Transfer, AbbruchBeimSchreiben)
{
    projekt(QStringLiteral("S1"), QStringLiteral("Sp"));
    zeile(Tabelle::SpeicherBedarfsKz, {{"Projekt Nr", "S1"}, {"WohnungsgruppenNr", 1}});
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Sicherungsdatei datei(&puffer);
    ManipDatenbank m;
    ASSERT_EQ(m.Save_OpenDBConnection(), 0);
    m.Save_Cancel();
    EXPECT_EQ(m.Save_Tabelleninhalt(datei, Tabelle::SpeicherWasserwärmerparameter, QStringLiteral("S1")),
              TransferErgebnis::Benutzerabbruch);
    EXPECT_EQ(m.Save_TabelleninhalteZapfstellen(datei, QStringLiteral("S1")), 0);
    m.Save_CloseDBConnection();
    // One field line, then the end of the block; a later dwelling block is empty.
    EXPECT_EQ(puffer.data(), QByteArray("$BEGIN$\t$TABELLE$\t\r\nProjekt Nr\tS1\t\r\n$ENDE$\t$TABELLE$\t\r\n"
                                        "$BEGIN$\t$TABELLE$\t\r\n$ENDE$\t$TABELLE$\t\r\n"));
}

TEST_F(Transfer, SchreibfehlerIstEinFehler)
{
    projekt(QStringLiteral("W1"), QStringLiteral("He"));
    class Voll : public QIODevice {
    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char*, qint64 n) override { return geschrieben++ < 3 ? n : -1; }
        int geschrieben = 0;
    } voll;
    voll.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    long ergebnis = 0;
    TransferProtokoll::Sichere(voll, {QStringLiteral("W1")}, &ergebnis);
    EXPECT_EQ(ergebnis, TransferErgebnis::Schreibfehler);
}

}  // namespace
