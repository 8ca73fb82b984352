#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "Projektfixture.h"
#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "data/Recordset.h"
#include "projects/Einlesevorgang.h"
#include "projects/Projektsicherung.h"
#include "projects/forms/MDISichern.h"
#include "projects/forms/Projektgitter.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/FalscherDialog.h"
#include "support/FremderBenutzer.h"
#include "support/QStringAusgabe.h"
#include "support/Schreibfehler.h"
#include "support/TransferProtokoll.h"

namespace {

// A device that takes a number of bytes and then refuses every write, like a disk that is full.
class VollesGeraet : public QIODevice {
public:
    explicit VollesGeraet(qint64 platz) : m_platz(platz) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 n) override
    {
        if (n > m_platz)
            return -1;
        m_platz -= n;
        return n;
    }

private:
    qint64 m_platz;
};

QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The project numbers of a transfer file in their order.
QStringList projekteDerDatei(const QByteArray& inhalt)
{
    static const QRegularExpression projekt(QStringLiteral(
        "\\$BEGIN\\$\t\\$PROJEKT\\$\t\r\n\\$BEGIN\\$\t\\$TABELLE\\$\t\r\nProjekt Nr\t([^\t]*)\t"));
    QStringList nummern;
    for (auto m = projekt.globalMatch(QString::fromLatin1(inhalt)); m.hasNext();)
        nummern << m.next().captured(1);
    return nummern;
}

// Five projects in the order of their numbers: heating, storage heater with three dwelling
// groups, a type of none of the six, solar and cooling; the page stands on "3".
class SicherungTest : public Projektfixture {
protected:
    void SetUp() override
    {
        Projektfixture::SetUp();
        ASSERT_TRUE(temp.isValid() && ziele.isValid());
        zustand().TempOrdner = temp.path();
        const char* arten[] = {"He", "Sp", "Xy", "So", "Kü"};
        for (int i = 0; i < 5; ++i) {
            const QString nr = QString::number(i + 1);
            const QString art = QString::fromUtf8(arten[i]);
            projekt(nr, art, QStringLiteral("Projekt ") + nr);
            if (art != QLatin1String("Xy"))
                parameterzeile(art, nr);
        }
        wohnungen(QStringLiteral("2"), 3);
        zustand().aktProjektnummer = QStringLiteral("3");
        öffne();
        dialog.antwort = ziele.filePath(QStringLiteral("sicherung.sic"));
    }

    // Marks the projects one by one in the grid (a double click on each).
    void markiere(Projektsicherung& s, const QStringList& nummern)
    {
        for (const QString& nr : nummern) {
            s.recordset()->GeheZu(static_cast<int>(reihenfolge().indexOf(nr)));
            // A Null mark first becomes " ", then "X".
            s.SaveMarkeUmschalten();
            if (feld(nr, QStringLiteral("Save")) != QStringLiteral("X"))
                s.SaveMarkeUmschalten();
        }
    }
    QStringList tempDateien() const { return QDir(temp.path()).entryList(QDir::Files); }
    // Removes the projects with all their rows.
    void lösche(const QStringList& nummern)
    {
        for (const QString& nr : nummern)
            for (const char* t : {"ProjekteTabelle", "Heizungsparameter", "Kälteparameter", "Solarparameter",
                                  "SpeicherWasserwärmerparameter", "SpeicherBedarfsKz"})
                sql(QStringLiteral("DELETE FROM [%1] WHERE [Projekt Nr] = '%2'").arg(QString::fromUtf8(t), nr));
    }

    QTemporaryDir temp;
    QTemporaryDir ziele;
    FalscherDialog dialog;
};

TEST_F(SicherungTest, OeffnenLoeschtDieMarkenUndDoppelklickSchaltetUm)
{
    sql(QStringLiteral("UPDATE ProjekteTabelle SET Save = 'X' WHERE [Projekt Nr] = '1'"));
    sql(QStringLiteral("UPDATE ProjekteTabelle SET Save = 'x' WHERE [Projekt Nr] = '2'"));
    sql(QStringLiteral("UPDATE ProjekteTabelle SET Save = NULL WHERE [Projekt Nr] = '3'"));
    sql(QStringLiteral("UPDATE ProjekteTabelle SET Save = ' ' WHERE [Projekt Nr] IN ('4', '5')"));
    seite->ReOpenProjektTabelle(QStringLiteral("3"), seite->SortierString1, seite->SortierString2);

    Projektsicherung s(*seite);
    s.Laden();
    EXPECT_EQ(s.projektNrBeiÖffnung(), QStringLiteral("3"));
    EXPECT_EQ(s.markierteZeile(), 2);
    for (const char* nr : {"1", "2", "4", "5"})
        EXPECT_EQ(feld(QString::fromUtf8(nr), QStringLiteral("Save")), QStringLiteral(" ")) << nr;
    EXPECT_TRUE(feld(QStringLiteral("3"), QStringLiteral("Save")).isNull());

    // Anything but " " is taken away: the first double click turns the Null into " ".
    const char* folge[] = {" ", "X", " "};
    for (const char* erwartet : folge) {
        s.SaveMarkeUmschalten();
        EXPECT_EQ(feld(QStringLiteral("3"), QStringLiteral("Save")), QString::fromUtf8(erwartet));
    }
    s.Schliessen();
}

TEST_F(SicherungTest, AllesMarkierenUndNurGrossesXZaehlt)
{
    Projektsicherung s(*seite);
    s.Laden();
    EXPECT_EQ(s.AllesMarkierenCaption(), QStringLiteral("Alles &markieren"));
    s.AllesMarkieren();
    EXPECT_EQ(s.AllesMarkierenCaption(), QStringLiteral("Alle &Markierungen aufheben"));
    EXPECT_EQ(s.markierteProjekte(), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(s.markierteZeile(), 2);  // the position is kept

    const auto rs = s.recordset();
    rs->GeheZu(1);
    ASSERT_TRUE(rs->SetzeWert(QStringLiteral("Save"), VbVariant(QStringLiteral("x"))) && rs->Update());
    EXPECT_EQ(s.markierteProjekte(), QStringList({"1", "3", "4", "5"}));

    s.AllesMarkieren();
    EXPECT_EQ(s.markierteProjekte(), QStringList());
    EXPECT_EQ(feld(QStringLiteral("2"), QStringLiteral("Save")), QStringLiteral(" "));
    EXPECT_EQ(s.AllesMarkierenCaption(), QStringLiteral("Alles &markieren"));
    s.Schliessen();
}

TEST_F(SicherungTest, OhneMarkeMeldungUndDerDialogBleibtOffen)
{
    Projektsicherung s(*seite);
    s.Laden();
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::KeineMarkierung);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Anwendungsfehler);
    EXPECT_EQ(meldungen.boxen[0].vorlage, LadeText(2305));
    EXPECT_TRUE(dialog.anfragen.isEmpty());
    EXPECT_FALSE(s.beschäftigt());
    EXPECT_FALSE(s.geschlossen());
    EXPECT_TRUE(s.Schliessen());
}

TEST_F(SicherungTest, EinMehrereUndAlleProjekteSichernUndZurueckLesen)
{
    struct Fall {
        QStringList markiert;
        bool alle;
    };
    const Fall fälle[] = {
        {{"4"}, false},
        {{"5", "2", "3"}, false},
        {{"1", "2", "3", "4", "5"}, true},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.markiert.join(QLatin1Char(',')).toStdString());
        QFile::remove(dialog.antwort);
        dialog.anfragen.clear();
        Projektsicherung s(*seite);
        s.Laden();
        if (f.alle)
            s.AllesMarkieren();
        else
            markiere(s, f.markiert);
        // The pointer moves the current row; closing goes back to the project current at opening.
        s.ZeigerÜberZeile(0);
        EXPECT_EQ(aktuell(), QStringLiteral("1"));

        EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Gesichert);
        EXPECT_TRUE(meldungen.boxen.isEmpty());
        ASSERT_EQ(dialog.anfragen.size(), 1);
        EXPECT_EQ(dialog.anfragen[0].titel, QStringLiteral("Projekte Sichern"));
        EXPECT_EQ(dialog.anfragen[0].standardEndung, QStringLiteral("sic"));
        EXPECT_EQ(dialog.anfragen[0].filter.value(1), QStringLiteral("*.sic"));
        EXPECT_TRUE(dialog.anfragen[0].speichern);
        EXPECT_TRUE(s.geschlossen());
        EXPECT_FALSE(s.beschäftigt());
        EXPECT_EQ(aktuell(), QStringLiteral("3"));
        EXPECT_TRUE(tempDateien().isEmpty());

        // The file holds the projects in the grid's order and brings them back.
        const QByteArray inhalt = lies(dialog.antwort);
        QStringList erwartet = f.markiert;
        erwartet.sort();
        EXPECT_EQ(projekteDerDatei(inhalt), erwartet);
        lösche(erwartet);
        EXPECT_EQ(TransferProtokoll::Lies(inhalt), 1);
        for (const QString& nr : erwartet) {
            EXPECT_EQ(feld(nr, QStringLiteral("Projektbezeichnung")), QStringLiteral("Projekt ") + nr);
            EXPECT_EQ(feld(nr, QStringLiteral("Save")), QStringLiteral("X"));
        }
        if (erwartet.contains(QStringLiteral("2"))) {
            EXPECT_EQ(zeilen(QStringLiteral("SpeicherWasserwärmerparameter"), QStringLiteral("2")), 1);
            EXPECT_EQ(zeilen(QStringLiteral("SpeicherBedarfsKz"), QStringLiteral("2")), 3);
        }
        if (erwartet.contains(QStringLiteral("4"))) {
            EXPECT_EQ(zeilen(QStringLiteral("Solarparameter"), QStringLiteral("4")), 1);
        }
        seite->ReOpenProjektTabelle(QStringLiteral("3"), seite->SortierString1, seite->SortierString2);
    }
}

TEST_F(SicherungTest, AbbruchMittendrinHinterlaesstKeineDatei)
{
    Projektsicherung s(*seite);
    s.Laden();
    s.AllesMarkieren();
    bool gefragt = false;
    QObject::connect(&s, &Projektauswahl::Geaendert, [&] {
        if (s.Label3() != QLatin1String("3") || gefragt)
            return;
        gefragt = true;
        // While the run is busy the dialog cannot be closed; Abbruch stops the writer.
        EXPECT_TRUE(s.beschäftigt());
        EXPECT_FALSE(s.Schliessen());
        s.Abbrechen();
        EXPECT_FALSE(s.geschlossen());
    });
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Abgebrochen);
    EXPECT_TRUE(gefragt);
    EXPECT_TRUE(dialog.anfragen.isEmpty());
    EXPECT_FALSE(QFile::exists(dialog.antwort));
    EXPECT_TRUE(tempDateien().isEmpty());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_TRUE(s.geschlossen());
    EXPECT_EQ(aktuell(), QStringLiteral("3"));
}

TEST_F(SicherungTest, DateidialogAbgebrochenKeineDatei)
{
    dialog.antwort.clear();
    Projektsicherung s(*seite);
    s.Laden();
    s.AllesMarkieren();
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::KeineDatei);
    EXPECT_EQ(dialog.anfragen.size(), 1);
    EXPECT_TRUE(tempDateien().isEmpty());
    EXPECT_TRUE(QDir(ziele.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(s.geschlossen());
}

TEST_F(SicherungTest, ZielNichtSchreibbarMeldungUndKeineTeildatei)
{
    // A file where the folder should be.
    const QString datei = ziele.filePath(QStringLiteral("keinOrdner"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    // A folder without write permission (not for a user who may write anyway).
    const QString gesperrt = ziele.filePath(QStringLiteral("gesperrt"));
    ASSERT_TRUE(QDir().mkdir(gesperrt));
    QFile::setPermissions(gesperrt, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(gesperrt + QStringLiteral("/probe"));
    const bool sperreWirkt = !probe.open(QIODevice::WriteOnly);
    if (!sperreWirkt) {
        probe.close();
        probe.remove();
    }

    QStringList ziele_ = {datei + QStringLiteral("/sicherung.sic")};
    if (sperreWirkt)
        ziele_ << gesperrt + QStringLiteral("/sicherung.sic");
    for (const QString& ziel : ziele_) {
        SCOPED_TRACE(ziel.toStdString());
        meldungen.leeren();
        dialog.antwort = ziel;
        Projektsicherung s(*seite);
        s.Laden();
        markiere(s, {QStringLiteral("1"), QStringLiteral("2")});
        EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Fehlgeschlagen);
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Anwendungsfehler);
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2961});
        EXPECT_EQ(meldungen.boxen[0].werte.value(0), QDir::toNativeSeparators(ziel));
        EXPECT_FALSE(meldungen.boxen[0].werte.value(1).isEmpty());  // the system's reason
        EXPECT_FALSE(QFile::exists(ziel));
        EXPECT_TRUE(tempDateien().isEmpty());
        EXPECT_TRUE(s.geschlossen());
    }
    EXPECT_TRUE(QDir(gesperrt).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QFile::setPermissions(gesperrt, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// No temporary file can be made: the backup names the folder and the cause.
TEST_F(SicherungTest, OhneTemporaereDateiWirdDerGrundGenannt)
{
    zustand().TempOrdner = temp.filePath(QStringLiteral("fehlt"));
    Projektsicherung s(*seite);
    s.Laden();
    s.AllesMarkieren();
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Fehlgeschlagen);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{3125});
    EXPECT_EQ(meldungen.boxen[0].werte, (QStringList{QDir::toNativeSeparators(temp.filePath(QStringLiteral("fehlt"))),
                                                     QString::fromLocal8Bit(std::strerror(ENOENT))}));
    EXPECT_TRUE(dialog.anfragen.isEmpty());
}

TEST_F(SicherungTest, VolleFestplatteBeimSchreibenMeldungUndKeinDateidialog)
{
    Projektsicherung s(*seite);
    s.Laden();
    s.AllesMarkieren();
    QString zwischendatei;
    s.öffneZwischendatei = [&](const QString& pfad) -> std::unique_ptr<QIODevice> {
        zwischendatei = pfad;
        return std::make_unique<VollesGeraet>(600);
    };
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Fehlgeschlagen);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].art, Meldungsart::Anwendungsfehler);
    EXPECT_EQ(meldungen.boxen[0].werte, QStringList{QDir::toNativeSeparators(zwischendatei)});
    EXPECT_TRUE(dialog.anfragen.isEmpty());
    EXPECT_FALSE(QFile::exists(dialog.antwort));
    EXPECT_TRUE(tempDateien().isEmpty());
}

TEST_F(SicherungTest, EinFehlgeschlagenesProjektWirdGenanntUndFehltGanz)
{
    sql(QStringLiteral("DROP TABLE Solarparameter"));
    Projektsicherung s(*seite);
    s.Laden();
    s.AllesMarkieren();
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Unvollständig);
    EXPECT_EQ(s.nichtGesichert(), QStringList{QStringLiteral("4")});
    // The table access reports its error; then the backup names the project it lacks.
    ASSERT_FALSE(meldungen.boxen.isEmpty());
    EXPECT_EQ(meldungen.boxen.front().art, Meldungsart::Datenbankfehler);
    EXPECT_EQ(meldungen.boxen.back().art, Meldungsart::Anwendungsfehler);
    EXPECT_EQ(meldungen.boxen.back().werte, QStringList{QStringLiteral("4")});
    ASSERT_EQ(dialog.anfragen.size(), 1);
    EXPECT_EQ(projekteDerDatei(lies(dialog.antwort)), QStringList({"1", "2", "3", "5"}));
    EXPECT_FALSE(lies(dialog.antwort).contains("Projekt 4"));
}

TEST_F(SicherungTest, NeueSortierungBleibtUndDieSeiteZeigtDasProjektDerOeffnung)
{
    Projektsicherung s(*seite);
    s.Laden();
    s.ZeigerÜberZeile(4);
    EXPECT_EQ(s.aktuelleProjektNr(), QStringLiteral("5"));
    s.Neusortieren(sortierung(2));
    EXPECT_EQ(reihenfolge(), QStringList({"1", "5", "4", "2", "3"}));
    EXPECT_EQ(aktuell(), QStringLiteral("5"));
    EXPECT_EQ(s.markierteZeile(), 1);
    EXPECT_TRUE(s.Schliessen());
    EXPECT_EQ(zustand().aktSortierung, sortierung(2));
    EXPECT_EQ(reihenfolge(), QStringList({"1", "5", "4", "2", "3"}));
    EXPECT_EQ(aktuell(), QStringLiteral("3"));
}

// --- The dialog itself (never shown) ---

TEST_F(SicherungTest, DialogVerweigertDasSchliessenWaehrendDerSicherung)
{
    MDISichern d(*seite);
    EXPECT_EQ(d.DataGrid1->modell()->columnCount(), 6);
    EXPECT_EQ(d.DataGrid1->modell()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Save"));
    d.AllesMarkieren->click();
    EXPECT_EQ(d.AllesMarkieren->text(), QStringLiteral("Alle &Markierungen aufheben"));
    EXPECT_EQ(d.DataGrid1->modell()->text(0, 5), QStringLiteral("X"));
    EXPECT_FALSE(d.Animation1->isVisibleTo(&d));

    bool gefragt = false;
    QObject::connect(&d.logik(), &Projektauswahl::Geaendert, [&] {
        if (d.logik().Label3() != QLatin1String("2") || gefragt)
            return;
        gefragt = true;
        EXPECT_TRUE(d.Animation1->isVisibleTo(&d));
        EXPECT_EQ(d.Label3->text(), QStringLiteral("2"));
        EXPECT_FALSE(d.close());
        d.reject();
        EXPECT_FALSE(d.logik().geschlossen());
        d.Cancel->click();
    });
    d.Save->click();
    EXPECT_TRUE(gefragt);
    EXPECT_TRUE(d.logik().geschlossen());
    EXPECT_FALSE(d.Animation1->isVisibleTo(&d));
    EXPECT_TRUE(dialog.anfragen.isEmpty());
    EXPECT_FALSE(QFile::exists(dialog.antwort));
    EXPECT_TRUE(tempDateien().isEmpty());
}

}  // namespace

TEST_F(SicherungTest, ZeichenAusserhalbDerCodepageWerdenVorDemSchreibenGenannt)
{
    // "Ω" and "Ж" have no byte in the file's code page; both numbers would become "?-1" there.
    sql(QStringLiteral("UPDATE ProjekteTabelle SET Projektbezeichnung = 'Halle Ω' WHERE [Projekt Nr] = '4'"));
    projekt(QStringLiteral("Ω-1"), QStringLiteral("Xy"), QStringLiteral("a"));
    projekt(QStringLiteral("Ж-1"), QStringLiteral("Xy"), QStringLiteral("b"));
    seite->ReOpenProjektTabelle(QStringLiteral("3"), seite->SortierString1, seite->SortierString2);

    struct Fall {
        const char* name;
        QStringList markiert;
        int antwort;  // to the question about the characters (0: none asked)
        Projektsicherung::Ergebnis ergebnis;
        QList<QList<int>> meldungen;  // text ids of the boxes in order
        QStringList inDerDatei;
    };
    const Fall fälle[] = {
        {"Frage mit Nein", {"3", "4"}, MsgAntwort::Nein, Projektsicherung::Ergebnis::Abgebrochen, {{2923}}, {}},
        {"Frage mit Ja", {"3", "4"}, MsgAntwort::Ja, Projektsicherung::Ergebnis::Gesichert, {{2923}}, {"3", "4"}},
        {"Nummern fallen zusammen", {"1", "Ω-1", "Ж-1"}, 0, Projektsicherung::Ergebnis::Unvollständig,
         {{2922}, {2913}}, {"1"}},
        {"alles darstellbar", {"1", "2"}, 0, Projektsicherung::Ergebnis::Gesichert, {}, {"1", "2"}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        QFile::remove(dialog.antwort);
        meldungen.leeren();
        if (f.antwort != 0)
            meldungen.antworten = {f.antwort};
        Projektsicherung s(*seite);
        s.Laden();
        markiere(s, f.markiert);
        EXPECT_EQ(s.ProjekteSichernInDatei(), f.ergebnis);
        // The question is a box of its own (a MsgBox): known by its text.
        QList<QList<int>> ids;
        for (const MeldungsBox& b : meldungen.boxen)
            ids << (b.text.contains(QStringLiteral("trotzdem gesichert werden")) ? QList<int>{2923} : b.textIds);
        EXPECT_EQ(ids, f.meldungen);
        if (!f.meldungen.isEmpty() && f.meldungen[0] == QList<int>{2922}) {
            EXPECT_TRUE(meldungen.boxen[0].text.contains(QStringLiteral("Ω-1, Ж-1"))) << meldungen.boxen[0].text.toStdString();
        }
        QStringList erwartet = f.inDerDatei;
        erwartet.sort();
        EXPECT_EQ(projekteDerDatei(lies(dialog.antwort)), erwartet);
        EXPECT_TRUE(tempDateien().isEmpty());
        seite->ReOpenProjektTabelle(QStringLiteral("3"), seite->SortierString1, seite->SortierString2);
    }
}

// The copy into the chosen file fails at each step: the old backup stays, the message names
// the file and the reason, and the run does not report success. When only the folder could not
// be synced the backup is complete: saved, with a note.
TEST_F(SicherungTest, FehlerBeimKopierenLaesstDieAlteSicherung)
{
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        const bool nurOrdner = schritt == Schreibfehler::Schritt::Ordnersync;
        SCOPED_TRACE(Schreibfehler::Name(schritt));
        meldungen.leeren();
        {
            QFile alt(dialog.antwort);
            ASSERT_TRUE(alt.open(QIODevice::WriteOnly | QIODevice::Truncate));
            alt.write("alte Sicherung");
        }
        Projektsicherung s(*seite);
        s.Laden();
        markiere(s, {QStringLiteral("1")});
        Schreibfehler fehler(schritt, ENOSPC);
        EXPECT_EQ(s.ProjekteSichernInDatei(),
                  nurOrdner ? Projektsicherung::Ergebnis::Gesichert : Projektsicherung::Ergebnis::Fehlgeschlagen);
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{nurOrdner ? 2962 : 2961});
        EXPECT_EQ(meldungen.boxen[0].werte,
                  (QStringList{QDir::toNativeSeparators(dialog.antwort),
                               (nurOrdner ? QString() : QLatin1String(Schreibfehler::Name(schritt)) + QStringLiteral(": "))
                                   + QString::fromLocal8Bit(std::strerror(ENOSPC))}));
        EXPECT_EQ(projekteDerDatei(lies(dialog.antwort)).isEmpty(), !nurOrdner);
        if (!nurOrdner) {
            EXPECT_EQ(lies(dialog.antwort), "alte Sicherung");
        }
        EXPECT_EQ(QDir(ziele.path()).entryList(QDir::Files), QStringList{"sicherung.sic"});
        EXPECT_TRUE(tempDateien().isEmpty());
        seite->ReOpenProjektTabelle(QStringLiteral("3"), seite->SortierString1, seite->SortierString2);
    }
}

// A backup the user protected is not replaced: it stays as it was and the message says why.
TEST_F(SicherungTest, SchreibgeschuetzteSicherungBleibtUnberuehrt)
{
    SchreibgeschuetzteDatei(dialog.antwort, "alte Sicherung");
    Projektsicherung s(*seite);
    s.Laden();
    markiere(s, {QStringLiteral("1")});
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Fehlgeschlagen);
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2961});
    EXPECT_EQ(meldungen.boxen[0].werte, (QStringList{QDir::toNativeSeparators(dialog.antwort), LadeText(2963)}));
    EXPECT_EQ(lies(dialog.antwort), "alte Sicherung");
    EXPECT_EQ(QDir(ziele.path()).entryList(QDir::Files), QStringList{"sicherung.sic"});
    EXPECT_TRUE(tempDateien().isEmpty());
}

TEST_F(SicherungTest, AllesMarkierenHaeltBeimErstenFehlendenZeichenUndSagtEs)
{
    // The fourth row's mark cannot be stored.
    sql(QStringLiteral("CREATE TRIGGER sperre BEFORE UPDATE OF Save ON ProjekteTabelle "
                       "WHEN NEW.[Projekt Nr] = '4' AND NEW.Save = 'X' BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
    Projektsicherung s(*seite);
    s.Laden();
    s.AllesMarkieren();
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2925});
    EXPECT_TRUE(meldungen.boxen[0].text.contains(QStringLiteral("gesperrt"))) << meldungen.boxen[0].text.toStdString();
    // The rows after the failed one are not marked, and the button still offers to mark all.
    EXPECT_EQ(s.AllesMarkierenCaption(), QStringLiteral("Alles &markieren"));
    for (const char* nr : {"4", "5"})
        EXPECT_NE(feld(QString::fromUtf8(nr), QStringLiteral("Save")), QStringLiteral("X")) << nr;

    // What is marked is what the file holds, and nothing else is claimed.
    meldungen.leeren();
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Gesichert);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    EXPECT_EQ(projekteDerDatei(lies(dialog.antwort)), (QStringList{"1", "2", "3"}));
}

TEST_F(SicherungTest, SchreibgeschuetzteDatenbankWirdGenannt)
{
    // The page's connection refuses every change from now on.
    const auto verbindung = DbVerbindung::Öffnen(zustand().Projekt_Data_Source, Kennwort::Projektdatenbank);
    ASSERT_TRUE(verbindung);
    QSqlQuery(verbindung->db()).exec(QStringLiteral("PRAGMA query_only = ON"));
    Projektsicherung s(*seite);
    s.Laden();
    markiere(s, {QStringLiteral("1")});
    EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::KeineMarkierung);
    ASSERT_EQ(meldungen.boxen.size(), 1) << meldungen.boxen.size();
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2925});
    EXPECT_TRUE(meldungen.boxen[0].text.contains(QStringLiteral("readonly"))) << meldungen.boxen[0].text.toStdString();
    QSqlQuery(verbindung->db()).exec(QStringLiteral("PRAGMA query_only = OFF"));
}

// Another user has filled the shared temporary folder with links named like the program's
// temporary files: the backup and the restore make their files beside them and leave nothing.
TEST_F(SicherungTest, SichernUndEinlesenNebenFremdenNamenImTempOrdner)
{
    QString grund;
    if (!FremdeLinksImTempOrdner(temp.path(), &grund))
        GTEST_SKIP() << grund.toStdString();
    {
        Projektsicherung s(*seite);
        s.Laden();
        markiere(s, {QStringLiteral("4")});
        EXPECT_EQ(s.ProjekteSichernInDatei(), Projektsicherung::Ergebnis::Gesichert);
    }
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << meldungen.texte().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(projekteDerDatei(lies(dialog.antwort)), QStringList{QStringLiteral("4")});
    lösche({QStringLiteral("4")});
    Einlesevorgang().ProjekteEinlesenAusDatei();
    EXPECT_EQ(feld(QStringLiteral("4"), QStringLiteral("Projektbezeichnung")), QStringLiteral("Projekt 4"));
    EXPECT_EQ(zeilen(QStringLiteral("Solarparameter"), QStringLiteral("4")), 1);
    for (const QFileInfo& f : QDir(temp.path()).entryInfoList(QDir::Files | QDir::System | QDir::Hidden))
        EXPECT_TRUE(f.isSymLink()) << f.fileName().toStdString();
}
