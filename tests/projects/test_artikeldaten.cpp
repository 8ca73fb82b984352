#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include "ProjekteFixture.h"
#include "data/Kennwort.h"
#include "projects/ArtikeldatenEinlesen.h"
#include "base/AllgFunktionen.h"
#include "base/Datenpfade.h"
#include "base/Programmzustand.h"
#include "support/Schreibfehler.h"
#include "support/TestDatenbank.h"

namespace {

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// New article data: the shipped database with another currency row.
const QStringList Waehrung = {QStringLiteral("UPDATE Waehrung SET \"Waehrungskürzel\" = 'CHF', \"MwStSatz in Prozent\" = 8.1")};
const TestDatenbank::KopieVon Ausgeliefert{QStringLiteral(KELVOR_ARTIKEL_DB)};

class Artikeldaten : public Projekte {
protected:
    void SetUp() override
    {
        Projekte::SetUp();
        ziel = zustand().Artikel_Data_Source;
        ASSERT_TRUE(QFile::copy(QStringLiteral(KELVOR_ARTIKEL_DB), ziel));
        QFile::setPermissions(ziel, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        alt = lies(ziel);
    }
    QStringList datenordner() const { return QDir(QFileInfo(ziel).path()).entryList(QDir::Files); }
    QString ziel;
    QByteArray alt;
};

}  // namespace

TEST_F(Artikeldaten, NeueDateiGleichenNamensErsetztDieArtikeldatenbank)
{
    // In another folder, the name in capitals, the file read-only.
    TestDatenbank neu(Ausgeliefert, Waehrung, QStringLiteral("ARTIKELD.DB"));
    QFile::setPermissions(neu.pfad(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    dateiwahl.antwort = neu.pfad();
    EXPECT_TRUE(ArtikeldatenEinlesen());
    EXPECT_EQ(lies(ziel), lies(neu.pfad()));
    EXPECT_TRUE(QFileInfo(ziel).permissions() & QFileDevice::WriteOwner);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    EXPECT_EQ(datenordner(), (QStringList{QStringLiteral("Artikeld.db"), QStringLiteral("Projektverwaltung.db")}));
    ASSERT_EQ(dateiwahl.anfragen.size(), 1);
    EXPECT_EQ(dateiwahl.anfragen[0].titel, QStringLiteral("Neue Artikeldaten einlesen"));
    EXPECT_EQ(dateiwahl.anfragen[0].filter.value(1), QStringLiteral("Artikeld.db"));
    EXPECT_FALSE(dateiwahl.anfragen[0].speichern);
}

TEST_F(Artikeldaten, FalscheDateiWirdAbgewiesenUndDieAlteBleibt)
{
    struct Fall {
        const char* name;
        std::function<QString()> datei;
        int text;          // the message
        const char* grund; // in its text (content refused: the reason)
    };
    TestDatenbank längererName(Ausgeliefert, Waehrung, QStringLiteral("Artikeld.dbx"));
    TestDatenbank projektdatenbank(
        Ausgeliefert, {QStringLiteral("UPDATE KelvorZugang SET Pruefwert = '%1'").arg(Kennwort::Pruefwert(Kennwort::Projektdatenbank))},
        QStringLiteral("Artikeld.db"));
    TestDatenbank ohneWaehrung(Ausgeliefert, {QStringLiteral("DROP TABLE Waehrung")}, QStringLiteral("Artikeld.db"));
    TestDatenbank nurWaehrung({QStringLiteral("CREATE TABLE Waehrung (\"Waehrungskürzel\" TEXT, \"MwStSatz in Prozent\" REAL)")},
                              Kennwort::Artikeldatenbank, QStringLiteral("Artikeld.db"));
    const Fall fälle[] = {
        {"Name mit einem Zeichen mehr", [&] { return längererName.pfad(); }, 2303, "keine gültige Artikeldatenbank"},
        {"anderes Kennwort", [&] { return projektdatenbank.pfad(); }, 2981, "Kein gültiges Kennwort."},
        {"ohne Tabelle Waehrung", [&] { return ohneWaehrung.pfad(); }, 2981, "Die Tabelle [Waehrung] fehlt."},
        {"nur die Tabelle Waehrung", [&] { return nurWaehrung.pfad(); }, 2981, "Die Tabelle [ARTIKEL] fehlt."},
        {"keine Datenbank", [&] { return datei(QStringLiteral("Artikeld.db"), QByteArray(5000, 'x')); }, 2981,
         "Die Datei ist beschädigt"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        meldungen.leeren();
        dateiwahl.antwort = f.datei();
        EXPECT_FALSE(ArtikeldatenEinlesen());
        ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
        EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Anwendungsfehler);
        EXPECT_EQ(meldungen.boxen[0].vorlage, LadeText(f.text));
        EXPECT_TRUE(meldungen.boxen[0].text.contains(QString::fromUtf8(f.grund))) << texte(meldungen);
        EXPECT_EQ(lies(ziel), alt);
        EXPECT_EQ(datenordner(), (QStringList{QStringLiteral("Artikeld.db"), QStringLiteral("Projektverwaltung.db")}));
    }
    // A copy that fails is named as such, with the system's reason.
    const QString fehlt = ordner.filePath(QStringLiteral("neu/Artikeld.db"));
    ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("Ordner/Artikeld.db")));
    for (const QString& quelle : {fehlt, ordner.filePath(QStringLiteral("Ordner/Artikeld.db"))}) {
        SCOPED_TRACE(quelle.toStdString());
        meldungen.leeren();
        dateiwahl.antwort = quelle;
        EXPECT_FALSE(ArtikeldatenEinlesen());
        ASSERT_EQ(meldungen.boxen.size(), 1) << texte(meldungen);
        EXPECT_EQ(meldungen.boxen[0].vorlage, LadeText(2916));
        EXPECT_TRUE(meldungen.boxen[0].text.contains(QStringLiteral("konnte nicht kopiert werden")));
        EXPECT_TRUE(meldungen.boxen[0].text.contains(QDir::toNativeSeparators(quelle)));
        EXPECT_FALSE(meldungen.boxen[0].text.trimmed().endsWith(QStringLiteral("werden:")))
            << meldungen.boxen[0].text.toStdString();
        EXPECT_EQ(lies(ziel), alt);
        EXPECT_EQ(datenordner(), (QStringList{QStringLiteral("Artikeld.db"), QStringLiteral("Projektverwaltung.db")}));
    }
    // Cancel: nothing is copied and nothing is said.
    meldungen.leeren();
    dateiwahl.antwort.clear();
    EXPECT_FALSE(ArtikeldatenEinlesen());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(lies(ziel), alt);
}

TEST_F(Artikeldaten, ErsatzGehtInDenDatenordnerUndGiltVonDaAn)
{
    // An installed program: the shipped database lies apart, only read; the user has no copy yet.
    QTemporaryDir installation;
    ASSERT_TRUE(QDir(installation.path()).mkpath(QStringLiteral("Daten")));
    const QString ausgeliefert = Datenordner(installation.path()) + QStringLiteral("/Artikeld.db");
    ASSERT_TRUE(QFile::rename(ziel, ausgeliefert));
    const Datenpfade pfade{installation.path(), ordner.path()};
    zustand().Artikel_Data_Source = Artikeldatenbankpfad(pfade, QStringLiteral("Artikeld.db"));
    EXPECT_EQ(zustand().Artikel_Data_Source, ausgeliefert);

    TestDatenbank neu(Ausgeliefert, Waehrung, QStringLiteral("Artikeld.db"));
    dateiwahl.antwort = neu.pfad();
    EXPECT_TRUE(ArtikeldatenEinlesen());
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
    EXPECT_EQ(lies(ziel), lies(neu.pfad()));
    EXPECT_EQ(lies(ausgeliefert), alt);
    EXPECT_EQ(zustand().Artikel_Data_Source, ziel);
    // The next start reads the user's copy.
    EXPECT_EQ(Artikeldatenbankpfad(pfade, QStringLiteral("Artikeld.db")), ziel);
}

// The copy goes through the checked writer: a step that fails leaves the article database and
// the folder as they were and names the step.
TEST_F(Artikeldaten, JederFehlgeschlageneSchrittDerKopieLaesstDieAlte)
{
    TestDatenbank neu(Ausgeliefert, Waehrung, QStringLiteral("Artikeld.db"));
    for (const Schreibfehler::Schritt schritt :
         {Schreibfehler::Schritt::Öffnen, Schreibfehler::Schritt::Schreiben, Schreibfehler::Schritt::Datensync,
          Schreibfehler::Schritt::Umbenennen}) {
        SCOPED_TRACE(Schreibfehler::Name(schritt));
        QString grund;
        {
            Schreibfehler f(schritt, EIO);
            EXPECT_EQ(ErsetzeArtikeldatenbank(neu.pfad(), &grund), Artikelersatz::KopieFehlgeschlagen);
        }
        EXPECT_TRUE(grund.startsWith(QLatin1String(Schreibfehler::Name(schritt)))) << grund.toStdString();
        EXPECT_EQ(lies(ziel), alt);
        EXPECT_EQ(datenordner(), (QStringList{QStringLiteral("Artikeld.db"), QStringLiteral("Projektverwaltung.db")}));
    }
}
