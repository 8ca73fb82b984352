#include <QBuffer>
#include <QFile>
#include <QHash>

#include <utility>

#include "ProjektDbFixture.h"
#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "shell/Programmzustand.h"
#include "shell/Zahlen.h"
#include "support/TransferProtokoll.h"

namespace {

using Werte = QList<std::pair<QString, VbVariant>>;

class Transfer : public ProjektDbFixture {
protected:
    void SetUp() override
    {
        ProjektDbFixture::SetUp();
        baue();
        zustand().versHaupt = 2;
        zustand().versNeben = 5;
        zustand().versRevis = 0;
    }

    // Adds a row through the table access.
    void zeile(const QString& tabelle, const Werte& werte)
    {
        datenbank tab;
        ASSERT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, QStringLiteral("Select * From ") + tabelle, 2,
                              Kennwort::Projektdatenbank, true), 0);
        tab.AddNew();
        for (const auto& [feld, wert] : werte)
            tab.SetFeld(feld, wert);
        tab.UpdateTab();
    }
    // A project row and, when the type has one, its parameter row with the list defaults.
    void projekt(const QString& nr, const QString& art, const Werte& parameter = {})
    {
        zeile(Tabelle::ProjekteTabelle, {{Tabelle::ProjektNr, nr}, {QStringLiteral("Projektart"), art}});
        const QString t = Tabellenaufbau::Parametertabelle(art);
        if (t.isEmpty())
            return;
        Werte w{{Tabelle::ProjektNr, nr}};
        Feldliste liste;
        Tabellenaufbau::Aufbauen(t, liste);
        for (const ManipDBField& f : liste)
            if (f.fieldbez != Tabelle::ProjektNr)
                w.append({f.fieldbez, f.fieldDefaultValue});
        w.append(parameter);
        zeile(t, w);
    }
    // One field of the rows of a project (in row order).
    QList<VbVariant> felder(const QString& tabelle, const QString& nr, const QString& feld)
    {
        datenbank tab;
        QList<VbVariant> l;
        EXPECT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, auswahl(tabelle, nr), 2, Kennwort::Projektdatenbank,
                              true), 0);
        for (tab.MoveFirst(); !tab.EofTab(); tab.MoveNext())
            l << tab.GetFeld(feld);
        return l;
    }
    // Every field of the rows of a project.
    QList<QHash<QString, VbVariant>> zeilen(const QString& tabelle, const QString& nr)
    {
        Feldliste liste;
        Tabellenaufbau::Aufbauen(tabelle, liste);
        datenbank tab;
        QList<QHash<QString, VbVariant>> l;
        EXPECT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, auswahl(tabelle, nr), 2, Kennwort::Projektdatenbank,
                              true), 0);
        for (tab.MoveFirst(); !tab.EofTab(); tab.MoveNext()) {
            QHash<QString, VbVariant> z;
            for (const ManipDBField& f : liste)
                z.insert(f.fieldbez, tab.GetFeld(f.fieldbez));
            l << z;
        }
        return l;
    }
    static QString auswahl(const QString& tabelle, const QString& nr)
    {
        return QStringLiteral("Select * From ") + tabelle + QStringLiteral(" WHERE [Projekt Nr] = '")
               + QString(nr).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
    }
    VbVariant feld(const QString& tabelle, const QString& nr, const QString& name)
    {
        const QList<VbVariant> l = felder(tabelle, nr, name);
        EXPECT_EQ(l.size(), 1) << tabelle.toStdString() << " " << nr.toStdString();
        return l.value(0);
    }
    int anzahl(const QString& tabelle, const QString& nr)
    {
        return static_cast<int>(felder(tabelle, nr, Tabelle::ProjektNr).size());
    }
    // A second, empty project database; it becomes the current one.
    QString zweiteDatenbank()
    {
        const QString p = ordner.filePath(QStringLiteral("Ziel.db"));
        baue(p);
        zustand().Projekt_Data_Source = p;
        return p;
    }
    static QByteArray cp(const char* utf8) { return Sicherungsdatei::NachCp1252(QString::fromUtf8(utf8)); }
};

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

}  // namespace
