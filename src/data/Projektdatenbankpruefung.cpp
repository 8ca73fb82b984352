#include "data/Projektdatenbankpruefung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/Kennwort.h"
#include "data/JetDialekt.h"
#include "data/DbVerbindung.h"
#include "data/ManipDatenbank.h"
#include "data/Projektdateien.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Datenpfade.h"
#include "base/Dateischreiber.h"
#include "base/FileOP.h"
#include "base/MessagePresenter.h"
#include "base/Programmversion.h"
#include "base/Programmzustand.h"

namespace {

// Sets a flag for the lifetime of the guard.
class Flagge {
public:
    explicit Flagge(bool& f) : m_f(f) { m_f = true; }
    ~Flagge() { m_f = false; }
    Flagge(const Flagge&) = delete;
    Flagge& operator=(const Flagge&) = delete;

private:
    bool& m_f;
};

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

bool existiert(const QString& pfad)
{
    return QFileInfo(pfad).isFile();
}

QString nativ(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

const QString Versionsabfrage = QStringLiteral("SELECT * FROM ") + Tabelle::DatenbankInfo;
const QString VersionHaupt = QStringLiteral("DBVersionHaupt");
const QString VersionNeben = QStringLiteral("DBVersionNeben");
const QString VersionRevis = QStringLiteral("DBVersionRevis");

}  // namespace

Projektdatenbankprüfung::Projektdatenbankprüfung(FensterFabrik fabrik)
    : verschieben([](const QString& von, const QString& nach) { return Dateischreiber(nach).übernehmen(von); }),
      m_fabrik(std::move(fabrik))
{
}

Projektdatenbankprüfung::~Projektdatenbankprüfung() = default;

bool Projektdatenbankprüfung::DateiIntakt(const QString& pfad, QString& befund)
{
    // Not read-only: a journal left by an interrupted write is rolled back on opening, which
    // a read-only connection cannot do (the file would then count as damaged).
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::ÖffnenVonAußen(pfad, QString(), {}, &befund);
    if (!v)
        return false;
    QStringList meldungen;
    QSqlQuery q(v->db());
    if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
        if (DbVerbindung::Belegt(q.lastError())) {
            befund = DbVerbindung::Grund(q.lastError());
            return false;
        }
        meldungen << q.lastError().text();
    } else {
        while (q.next())
            meldungen << q.value(0).toString();
    }
    q.finish();
    if (meldungen == QStringList{QStringLiteral("ok")})
        return true;
    // The first few findings are enough to tell what is wrong.
    const QStringList erste = meldungen.mid(0, 3);
    befund = FormatText(LadeText(zustand().Sprachoffset + 2915), {erste.join(QStringLiteral("; ")).trimmed()});
    return false;
}

namespace {

// SQLite's lock bytes of a database file (those of its unix file system layer).
constexpr off_t SperrbyteReserviert = 0x40000001;
constexpr off_t SperrbereichGeteilt = 0x40000002;
constexpr off_t SperrbereichGeteiltGröße = 510;

// The shared lock that SQLite takes before it decides whether a journal is hot, held while the
// pair is copied: meanwhile no connection can roll the journal back or commit. The journal is hot
// when, holding it, no other connection holds the reserved lock (no writer is alive), as SQLite
// decides it. A lock of the open file itself (not of the process), so that it is this object's
// alone.
class Journalsperre {
public:
    explicit Journalsperre(const QString& pfad)
        : m_fd(::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW))
    {
        struct flock geteilt {};
        geteilt.l_type = F_RDLCK;
        geteilt.l_whence = SEEK_SET;
        geteilt.l_start = SperrbereichGeteilt;
        geteilt.l_len = SperrbereichGeteiltGröße;
        if (m_fd < 0 || ::fcntl(m_fd, F_OFD_SETLK, &geteilt) != 0)
            return;
        struct flock reserviert {};
        reserviert.l_type = F_WRLCK;
        reserviert.l_whence = SEEK_SET;
        reserviert.l_start = SperrbyteReserviert;
        reserviert.l_len = 1;
        m_heiß = ::fcntl(m_fd, F_OFD_GETLK, &reserviert) == 0 && reserviert.l_type == F_UNLCK;
    }
    ~Journalsperre()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Journalsperre(const Journalsperre&) = delete;
    Journalsperre& operator=(const Journalsperre&) = delete;
    bool heiß() const { return m_heiß; }

private:
    int m_fd;
    bool m_heiß = false;
};

// A journal that holds something to play back: SQLite passes over an empty one and one whose
// header was zeroed.
bool journalMitInhalt(const QString& pfad)
{
    QFile f(pfad);
    char erstes = 0;
    return QFileInfo(pfad).isFile() && f.open(QIODevice::ReadOnly) && f.getChar(&erstes) && erstes != 0;
}

// The number of a copy's folder ("Journalkopie" 1, "Journalkopie-N" N), 0 for another name.
int kopienummer(const QString& name)
{
    static const QRegularExpression muster(QStringLiteral("^Journalkopie(?:-([1-9][0-9]{0,8}))?$"));
    const QRegularExpressionMatch m = muster.match(name);
    return !m.hasMatch() ? 0 : m.captured(1).isEmpty() ? 1 : m.captured(1).toInt();
}

}  // namespace

QString Projektdatenbankprüfung::SichereJournal(const QString& pfad, QString* fehler)
{
    // A connection of this program has played back what there was, and a journal now is its own.
    if (DbVerbindung::IstOffen(pfad))
        return {};
    QStringList endungen{QString()};
    for (const QString& journal : {QStringLiteral("-journal"), QStringLiteral("-wal")})
        if (journalMitInhalt(pfad + journal))
            endungen << journal;
    if (endungen.size() == 1)
        return {};
    const Journalsperre sperre(pfad);
    if (!sperre.heiß())
        return {};
    const QDir daten = QFileInfo(pfad).dir();
    QMap<int, QString> kopien;  // by number, the newest last
    for (const QString& name : daten.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (const int n = kopienummer(name); n > 0)
            kopien.insert(n, name);
    const int nummer = kopien.isEmpty() ? 1 : kopien.lastKey() + 1;
    const QString name = nummer == 1 ? QStringLiteral("Journalkopie") : QStringLiteral("Journalkopie-%1").arg(nummer);
    const QString ordner = daten.filePath(name);
    qint64 größe = 0;
    for (const QString& endung : endungen)
        größe += QFileInfo(pfad + endung).size();
    QString grund;
    bool kopiert = ::mkdir(QFile::encodeName(ordner).constData(), 0700) == 0;
    if (!kopiert)
        grund = QStringLiteral("mkdir: ") + QString::fromLocal8Bit(std::strerror(errno));
    // The pair as it lies, under its own names: put back together they are the state found.
    for (const QString& endung : endungen)
        kopiert = kopiert && KopiereDatei(pfad + endung, QDir(ordner).filePath(QFileInfo(pfad).fileName() + endung), &grund);
    if (!kopiert) {
        QDir(ordner).removeRecursively();
        *fehler = FormatText(text(3124), nativ(pfad), QString::number((größe + 999'999) / 1'000'000),
                             nativ(daten.absolutePath()), grund);
        return {};
    }
    // Only the newest few copies stay.
    kopien.insert(nummer, name);
    while (kopien.size() > BehalteneJournalkopien)
        QDir(daten.filePath(kopien.take(kopien.firstKey()))).removeRecursively();
    return ordner;
}

Projektdatenbankprüfung::Ende Projektdatenbankprüfung::Prüfen()
{
    if (m_läuft)
        return Ende::LäuftBereits;
    Flagge läuft(m_läuft);
    Programmzustand& z = zustand();
    m_fenster = m_fabrik ? m_fabrik() : nullptr;
    bool beenden = false;
    m_konvertierung = Konvertierung::Konvertiert;

    WiederherstellenNachKonvertierung();
    WiederherstellenNachKomprimierung();
    static bool aufgeräumt = false;
    if (!aufgeräumt && !z.NebenAndererInstanz) {
        aufgeräumt = true;
        RäumeZwischendateienAuf();
    }

    const QString db = z.Projekt_Data_Source;
    QString übrig;
    for (const QString& datei : {Projektdateien::Sicherheitskopie(db), Projektdateien::Konvertierungsdatei(db)})
        if (übrig.isEmpty() && existiert(datei))
            übrig = datei;
    QString befund;
    // A journal beside the database is played back at the first read-write open, also one that
    // belongs to another file: the pair is copied aside first, or the database stays unopened.
    QString kopierfehler;
    const QString journalkopie = existiert(db) ? SichereJournal(db, &kopierfehler) : QString();
    if (!kopierfehler.isEmpty()) {
        z.ErrorCancel = false;
        Meldung(Meldungsart::Datenbankfehler, text(2417), nativ(db), kopierfehler);
        beenden = true;
    } else if (!existiert(db) && !übrig.isEmpty()) {
        // The database is missing while a conversion left a file behind: that file must not be
        // lost under a new, empty database.
        z.ErrorCancel = false;
        Meldung(Meldungsart::InternerFehler, text(2453), nativ(übrig));
        beenden = true;
    } else if (existiert(db) && !DateiIntakt(db, befund)) {
        if (!journalkopie.isEmpty())
            befund += QStringLiteral("\\n\\n") + FormatText(text(2983), nativ(journalkopie));
        z.ErrorCancel = false;
        Meldung(Meldungsart::Datenbankfehler, text(2417), nativ(db), befund);
        beenden = true;
    } else {
        if (!journalkopie.isEmpty()) {
            z.ErrorCancel = false;
            Meldung(Meldungsart::Information, text(3123), nativ(db), nativ(journalkopie));
        }
        int16_t haupt = 0, neben = 0, revis = 0;
        const bool gefunden = LeseDBVersion(haupt, neben, revis);
        z.versHaupt = haupt;
        z.versNeben = neben;
        z.versRevis = revis;
        const int64_t gelesen = ManipDatenbank::Versionsnummer(haupt, neben, 0);
        const int64_t aktuell = ManipDatenbank::Versionsnummer(DBVersion::Haupt, DBVersion::Neben, 0);
        if (!gefunden) {
            if (Fortschrittsfenster* f = fenster()) {
                f->Zeigen();
                f->SchreibeCaption(text(234));
                f->SchreibeInfo(text(235));
                f->SchreibeProjektNr(QString());
            }
            ErzeugeProjektdatenbank();
            SchreibeDBVersion(DBVersion::Haupt, DBVersion::Neben, DBVersion::Revis);
        } else if (gelesen < aktuell) {
            const QString ordner = nativ(QFileInfo(db).absolutePath() + QLatin1Char('/'));
            const QString name = z.ProjektDatenbankName.isEmpty() ? QFileInfo(db).fileName() : z.ProjektDatenbankName;
            const int antwort = MsgBox(ErsetzeZeilenumbruch(FormatText(text(2185), name, ordner)),
                                       MsgStil::JaNein | MsgStil::Frage, text(1607));
            z.Meldungsflag = true;
            if (antwort == MsgAntwort::Ja)
                beenden = true;
            else
                m_konvertierung = Konvertieren();
        } else if (gelesen > aktuell) {
            const QString dbVersion = QStringLiteral("%1.%2.%3").arg(haupt).arg(neben).arg(revis);
            MsgBox(FormatText(text(2186), Programmversion::Text(), dbVersion),
                   MsgStil::OK | MsgStil::Ausrufezeichen, text(1607));
            z.Meldungsflag = true;
            beenden = true;
        } else {
            if (sanduhr)
                sanduhr(true);
            ErzeugeProjektdatenbank();
            if (sanduhr)
                sanduhr(false);
        }
    }
    m_fenster.reset();

    // A database that takes no changes is named once per program run.
    static QSet<QString> gewarnt;
    if (!beenden && existiert(db) && !gewarnt.contains(db)) {
        if (QString grund; !Projektdateien::Schreibbar(db, &grund)) {
            gewarnt.insert(db);
            z.ErrorCancel = false;
            Meldung(Meldungsart::Anwendungsfehler, LadeText(z.Sprachoffset + 2924), nativ(db), grund);
        }
    }

    if (beenden) {
        z.BeendenAbfragen = false;
        return Ende::Beenden;
    }
    if (m_konvertierung == Konvertierung::Fehlgeschlagen) {
        z.AbbruchCode = 1;
        z.AbbruchText = ErsetzeZeilenumbruch(text(2452));
        return Ende::Abbruch;
    }
    return Ende::Weiter;
}

int Projektdatenbankprüfung::RäumeZwischendateienAuf()
{
    const Programmzustand& z = zustand();
    int entfernt = 0;
    // In the system's temporary folder, which other programs share, only files that are older
    // than a running backup or restore could be.
    const auto räume = [&entfernt](const QString& ordner, const QRegularExpression& muster, bool nurAlte) {
        if (ordner.isEmpty())
            return;
        const QDateTime grenze = QDateTime::currentDateTime().addSecs(-600);
        const QDir dir(ordner);
        for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden))
            if (muster.match(f.fileName()).hasMatch() && (!nurAlte || f.lastModified() < grenze)
                && QFile::remove(f.absoluteFilePath()))
                ++entfernt;
    };
    const bool systemordner = z.TempOrdner.isEmpty();
    räume(systemordner ? QDir::tempPath() : z.TempOrdner,
          QRegularExpression(QStringLiteral("^\\$\\$(?:[0-9A-F]{4}){1,2}\\.tmp$")), systemordner);
    if (!z.Datenpfad.isEmpty())
        räume(Datenordner(z.Datenpfad), QRegularExpression(QStringLiteral("^Artikeld[A-Za-z0-9]{6}\\.tmp$")), false);
    // Temporary files of the checked writer left by a run that ended while writing: in the
    // program's own folders (order file, schematic, databases), beside the host's exchange file
    // and in the temporary folder. In folders the user chose they go when that file is next written.
    const QRegularExpression schreiber(Dateischreiber::Tempmuster());
    räume(systemordner ? QDir::tempPath() : z.TempOrdner, schreiber, systemordner);
    QStringList ordner{z.Datenpfad};
    for (const QString& datei : {z.Projekt_Data_Source, z.TyvoDatei})
        if (!datei.isEmpty())
            ordner << QFileInfo(datei).absolutePath();
    ordner.removeAll(QString());
    ordner.removeDuplicates();
    for (const QString& o : ordner)
        räume(o, schreiber, false);
    return entfernt;
}

// A conversion that stopped between moving the old database aside and moving the new one into
// place: the old database goes back.
void Projektdatenbankprüfung::WiederherstellenNachKonvertierung()
{
    const QString db = zustand().Projekt_Data_Source;
    const QString sicherung = Projektdateien::Sicherheitskopie(db);
    if (!existiert(db) && existiert(sicherung))
        verschieben(sicherung, db);
}

void Projektdatenbankprüfung::WiederherstellenNachKomprimierung()
{
    const QString db = zustand().Projekt_Data_Source;
    const QString kopie = Projektdateien::KomprimierteKopie(db);
    if (!existiert(db) && existiert(kopie))
        verschieben(kopie, db);  // a failure leaves no database: the check then creates one
}

bool Projektdatenbankprüfung::LeseDBVersion(int16_t& haupt, int16_t& neben, int16_t& revis)
{
    haupt = neben = revis = 0;
    datenbank tab;
    if (tab.OpenTab(zustand().Projekt_Data_Source, Versionsabfrage, 3, Kennwort::Projektdatenbank, false) != 0
        || tab.EmptyTab())
        return false;
    tab.MoveFirst();
    haupt = tab.GetFeld(VersionHaupt).toInteger();
    neben = tab.GetFeld(VersionNeben).toInteger();
    revis = tab.GetFeld(VersionRevis).toInteger();
    return true;
}

bool Projektdatenbankprüfung::SchreibeDBVersion(int16_t haupt, int16_t neben, int16_t revis)
{
    datenbank tab;
    if (tab.OpenTab(zustand().Projekt_Data_Source, Versionsabfrage, 3, Kennwort::Projektdatenbank, false) != 0)
        return false;
    if (tab.EmptyTab())
        tab.AddNew();
    if (tab.EmptyTab())
        return false;
    bool ok = true;
    for (const auto& [feld, wert] : {std::pair{VersionHaupt, haupt}, {VersionNeben, neben}, {VersionRevis, revis}}) {
        tab.SetFeld(feld, VbVariant::integer(wert));
        ok = ok && tab.fehlercode() == 0;
    }
    return ok && tab.UpdateTabOhneMeldung();  // the caller names the database that failed
}

bool Projektdatenbankprüfung::ErzeugeProjektdatenbank()
{
    Flagge beschäftigt(m_beschäftigt);
    ManipDatenbank m;
    m.Init();
    m.SetPasswort(Kennwort::Projektdatenbank);
    m.CreateDBank(zustand().Projekt_Data_Source);
    bool vollständig = true;
    for (const QString& tabelle : Tabellenaufbau::Tabellen()) {
        m.Define_Tabellenaufbau(tabelle);
        m.CreateDBTabelle();
        vollständig = vollständig && m.zustand() == ManipDatenbank::TabelleAufgebaut;
        m.InitNeueSpalten();
        m.ResetTabaufbau();
    }
    return vollständig;
}

bool Projektdatenbankprüfung::LöscheDatei(const QString& pfad)
{
    return !QFileInfo::exists(pfad) || QFile::remove(pfad);
}

// ------------------------------------------------------------------------------ conversion

// The old database stays untouched until the new one is complete: every project goes through
// a transfer file into a new database beside it, which then takes the old one's place.
Projektdatenbankprüfung::Konvertierung Projektdatenbankprüfung::Konvertieren()
{
    Programmzustand& z = zustand();
    const QString alt = z.Projekt_Data_Source;
    const QString neu = Projektdateien::Konvertierungsdatei(alt);
    if (Fortschrittsfenster* f = fenster()) {
        f->Zeigen();
        f->SchreibeInfo(text(236));
        f->SchreibeProjektNr(QString());
    }
    const int gesichert = SichereAlleProjekte();
    Konvertierung ergebnis = Konvertierung::Fehlgeschlagen;
    // A database without projects is replaced the same way, by an empty new one.
    if ((gesichert == 0 || gesichert == 1) && LöscheDatei(neu)) {
        z.Projekt_Data_Source = neu;
        if (Fortschrittsfenster* f = fenster()) {
            f->SchreibeInfo(text(237));
            f->SchreibeProjektNr(QString());
        }
        // Projects read into a database that lacks a table or field would lose their values.
        bool gelesen = ErzeugeProjektdatenbank();
        if (gelesen && gesichert == 0) {
            if (Fortschrittsfenster* f = fenster()) {
                f->SchreibeInfo(text(238));
                f->SchreibeProjektNr(QString());
            }
            gelesen = LeseGesicherteProjekteEin() == 0;
        }
        bool fertig = gelesen && SchreibeDBVersion(DBVersion::Haupt, DBVersion::Neben, DBVersion::Revis);
        // The new database replaces the old one only when it holds every row of every project.
        fertig = fertig && ErwarteteZeilen(alt) == VorhandeneZeilen(neu);
        z.Projekt_Data_Source = alt;
        if (fertig) {
            ÜbernimmNutzerinfo(alt, neu);
            if (!StelleDatenbankdateiWiederHer(neu)) {
                ergebnis = gesichert == 0 ? Konvertierung::Konvertiert : Konvertierung::KeineProjekte;
                if (gesichert == 0)
                    z.Meldungsflag = false;
            }
        }
    }
    z.Projekt_Data_Source = alt;
    if (ergebnis == Konvertierung::Fehlgeschlagen)
        LöscheDatei(neu);
    if (!m_transferdatei.isEmpty())
        LöscheDatei(m_transferdatei);
    m_transferdatei.clear();
    return ergebnis;
}

// 0 saved, 1 no projects, 2 failed.
int Projektdatenbankprüfung::SichereAlleProjekte()
{
    Flagge beschäftigt(m_beschäftigt);
    m_projektanzahl = 0;
    QStringList nummern;
    {
        datenbank tab;
        const QString sql = QStringLiteral("SELECT [") + Tabelle::ProjektNr + QStringLiteral("] FROM ")
                            + Tabelle::ProjekteTabelle + QStringLiteral(" ORDER BY [") + Tabelle::ProjektNr
                            + QStringLiteral("]");
        if (tab.OpenTab(zustand().Projekt_Data_Source, sql, 3, Kennwort::Projektdatenbank, false) != 0)
            return 2;
        if (tab.EmptyTab())
            return 1;
        for (tab.MoveFirst(); !tab.EofTab(); tab.MoveNext()) {
            const QString nummer = tab.GetFeld(Tabelle::ProjektNr).toString();
            if (tab.fehlercode() != 0)
                return 2;
            // A number that occurs twice has one block (the writer selects by number); a second
            // block would stop the reading at a conflict.
            if (nummern.isEmpty() || nummern.last() != nummer)
                nummern << nummer;
        }
    }
    m_projektanzahl = nummern.size();

    QString grund;
    m_transferdatei = FileOP().GetTempName(&grund);
    if (m_transferdatei.isEmpty()) {
        const Programmzustand& z = zustand();
        zustand().ErrorCancel = false;
        Meldung(Meldungsart::Anwendungsfehler, text(3122),
                nativ(z.TempOrdner.isEmpty() ? QDir::tempPath() : z.TempOrdner), grund);
        return 2;
    }
    QFile datei(m_transferdatei);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 2;
    Sicherungsdatei stream(&datei);
    ManipDatenbank m;
    if (m.Save_OpenDBConnection() != 0)
        return 2;
    long ergebnis = TransferErgebnis::Fertig;
    for (int i = 0; i < nummern.size() && ergebnis == TransferErgebnis::Fertig; ++i) {
        const QString& nummer = nummern[i];
        if (Fortschrittsfenster* f = fenster()) {
            f->Schreibe_Satz_AnzSaetze(i + 1, m_projektanzahl);
            f->SchreibeProjektNr(nummer);
        }
        if (!stream.SchreibeZeile(Marke::Begin, Marke::Projekt)) {
            ergebnis = TransferErgebnis::Schreibfehler;
            break;
        }
        ergebnis = m.Save_Tabelleninhalt(stream, Tabelle::ProjekteTabelle, nummer);
        const QString art = m.Save_LastProjektart();
        if (ergebnis == TransferErgebnis::Fertig && !art.isEmpty()) {
            const QString parameter = Tabellenaufbau::Parametertabelle(art);
            ergebnis = m.Save_Tabelleninhalt(stream, parameter.isEmpty() ? QStringLiteral(" ") : parameter, nummer);
        }
        if (ergebnis == TransferErgebnis::Fertig && art == QLatin1String("Sp"))
            ergebnis = m.Save_TabelleninhalteZapfstellen(stream, nummer);
        if (ergebnis == TransferErgebnis::Fertig && !stream.SchreibeZeile(Marke::Ende, Marke::Projekt))
            ergebnis = TransferErgebnis::Schreibfehler;
    }
    m.Save_CloseDBConnection();
    if (!datei.flush())
        ergebnis = TransferErgebnis::Schreibfehler;
    datei.close();
    return ergebnis == TransferErgebnis::Fertig && datei.error() == QFileDevice::NoError ? 0 : 2;
}

// 0 read to the end of the file, 1 failed. Only a complete read counts: a cancel or a conflict
// that stopped the reading would leave projects out of the new database.
int Projektdatenbankprüfung::LeseGesicherteProjekteEin()
{
    Flagge beschäftigt(m_beschäftigt);
    QFile datei(m_transferdatei);
    if (!datei.open(QIODevice::ReadOnly))
        return 1;
    Sicherungsdatei stream(&datei);
    ManipDatenbank m;
    if (m.Load_OpenDBConnection(fenster(), &stream) != 0)
        return 1;
    long projekt = 0;
    long c = TransferErgebnis::Fertig;
    for (;;) {
        c = m.Load_readStreamLine();
        if (c == TransferErgebnis::Fertig && !m.IsBeginnProjekt())
            continue;
        if (c != TransferErgebnis::Fertig)
            break;
        ++projekt;
        if (Fortschrittsfenster* f = fenster())
            f->Schreibe_Satz_AnzSaetze(projekt, m_projektanzahl);
        c = m.Load_Projekt();
        if (c == TransferErgebnis::Übersprungen)
            c = TransferErgebnis::Fertig;
        // A row that was not stored fails the conversion.
        if (!m.Load_Speicherfehler().isEmpty())
            c = TransferErgebnis::Speicherfehler;
        if (c != TransferErgebnis::Fertig)
            break;
    }
    if (c == TransferErgebnis::Speicherfehler) {
        m.Load_Verwerfen();
        return 1;
    }
    const bool gespeichert = m.Load_CloseDBConnection();
    return c == TransferErgebnis::Dateiende && gespeichert ? 0 : 1;
}

QMap<QString, int> Projektdatenbankprüfung::ErwarteteZeilen(const QString& alt)
{
    QMap<QString, int> zeilen;
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(alt, Kennwort::Projektdatenbank);
    if (!v)
        return {{QStringLiteral("?"), -1}};
    QSqlDatabase db = v->db();
    const QString nr = JetDialekt::Name(Tabelle::ProjektNr);
    // Each number once, with the type of its first row (the writer takes the first row).
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT %1, Projektart FROM %2 ORDER BY rowid").arg(nr, Tabelle::ProjekteTabelle)))
        return {{QStringLiteral("?"), -1}};
    QList<std::pair<QString, QString>> projekte;
    QSet<QString> gesehen;
    while (q.next()) {
        const QString n = q.value(0).toString();
        if (!gesehen.contains(n)) {
            gesehen.insert(n);
            projekte.append({n, q.value(1).toString().left(2)});
        }
    }
    const auto anzahl = [&db, &nr](const QString& tabelle, const QString& n) {
        if (!db.tables().contains(tabelle))
            return 0;
        QSqlQuery z(db);
        z.prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ? COLLATE NOCASE").arg(JetDialekt::Name(tabelle), nr));
        z.addBindValue(n);
        return z.exec() && z.next() ? z.value(0).toInt() : -1;
    };
    for (const auto& [n, art] : projekte) {
        zeilen[Tabelle::ProjekteTabelle + QLatin1Char('\t') + n] += 1;
        const QString parameter = Tabellenaufbau::Parametertabelle(art);
        if (!parameter.isEmpty() && anzahl(parameter, n) != 0)
            zeilen[parameter + QLatin1Char('\t') + n] += 1;
        if (art == QLatin1String("Sp"))
            if (const int k = anzahl(Tabelle::SpeicherBedarfsKz, n); k != 0)
                zeilen[Tabelle::SpeicherBedarfsKz + QLatin1Char('\t') + n] += k;
    }
    return zeilen;
}

QMap<QString, int> Projektdatenbankprüfung::VorhandeneZeilen(const QString& neu)
{
    QMap<QString, int> zeilen;
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(neu, Kennwort::Projektdatenbank);
    if (!v)
        return {{QStringLiteral("?"), -2}};
    QSqlDatabase db = v->db();
    for (const QString& tabelle : Tabellenaufbau::Tabellen()) {
        if (tabelle == Tabelle::DatenbankInfo || !db.tables().contains(tabelle))
            continue;
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT %1 FROM %2").arg(JetDialekt::Name(Tabelle::ProjektNr), JetDialekt::Name(tabelle))))
            return {{QStringLiteral("?"), -2}};
        while (q.next())
            zeilen[tabelle + QLatin1Char('\t') + q.value(0).toString()] += 1;
    }
    return zeilen;
}

// Puts the new database in the old one's place in one step (synced, with the old one's
// permissions, through a link to the real file); true when that failed, and the old database is
// then as it was.
bool Projektdatenbankprüfung::StelleDatenbankdateiWiederHer(const QString& neuPfad)
{
    const QString alt = zustand().Projekt_Data_Source;
    if (!verschieben(neuPfad, alt))
        return true;
    // A copy an interrupted conversion of an earlier version left beside it.
    LöscheDatei(Projektdateien::Sicherheitskopie(alt));
    return false;
}

// The user's address lines are not part of the transfer stream; the new database takes them over.
void Projektdatenbankprüfung::ÜbernimmNutzerinfo(const QString& alt, const QString& neu)
{
    QList<std::pair<QString, VbVariant>> zeilen;
    {
        datenbank quelle;
        if (quelle.OpenTab(alt, Versionsabfrage, 3, Kennwort::Projektdatenbank, false) != 0 || quelle.EmptyTab())
            return;
        quelle.MoveFirst();
        Feldliste felder;
        Tabellenaufbau::Aufbauen(Tabelle::DatenbankInfo, felder);
        for (const auto& spalte : quelle.Verbindung()->Spalten(Tabelle::DatenbankInfo))
            if (spalte.first.startsWith(QLatin1String("Nutzerinfo_")) && felder.suche(spalte.first))
                zeilen.append({spalte.first, quelle.GetFeld(spalte.first)});
    }
    if (zeilen.isEmpty())
        return;
    datenbank ziel;
    if (ziel.OpenTab(neu, Versionsabfrage, 3, Kennwort::Projektdatenbank, false) != 0 || ziel.EmptyTab())
        return;
    ziel.MoveFirst();
    for (const auto& [feld, wert] : zeilen)
        ziel.SetFeld(feld, wert);
    ziel.UpdateTab();
}
