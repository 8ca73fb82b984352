#include "data/ManipDatenbank.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>

#include "data/JetDialekt.h"
#include "data/KonfliktDialog.h"
#include "data/Kennwort.h"
#include "data/Sicherungsdatei.h"
#include "data/Spaltentypen.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

namespace {

// Lets the event queue run (repaint, cancel buttons); at most every 20 ms, so that long runs
// do not spend their time there.
void yield()
{
    static QElapsedTimer uhr;
    if (uhr.isValid() && uhr.elapsed() < 20)
        return;
    uhr.start();
    QCoreApplication::processEvents();
}

void meldung(int id, const QList<VbVariant>& werte)
{
    Meldung(Meldungsart::Datenbankfehler, LadeText(::zustand().Sprachoffset + id), werte);
}

// Creates an empty database file with the access check of the password; the reason on failure.
QString legeDateiAn(const QString& pfad, const QString& passwort)
{
    static int zähler = 0;
    const QString verbindung = QStringLiteral("kelvor_neu%1").arg(++zähler);
    QString fehler;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung);
        db.setDatabaseName(pfad);
        if (!db.open())
            fehler = db.lastError().text();
        else if (!Kennwort::Setzen(db, passwort))
            fehler = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(verbindung);
    if (!fehler.isEmpty() && QFileInfo(pfad).size() == 0)
        QFile::remove(pfad);
    return fehler;
}

// The declared column type carries the field type; the table access enforces it on write.
// Texts compare without regard to case, as the table access's search does, so that a WHERE,
// an ORDER BY and an index on a text column agree with it.
QString deklarierterTyp(const ManipDBField& f)
{
    static const QString ohneFall = QStringLiteral(" COLLATE NOCASE");
    switch (f.fieldtype) {
    case Feldtyp::Boolean: return Spaltentypen::Deklaration(Spaltentyp::Boolean);
    case Feldtyp::Byte: return Spaltentypen::Deklaration(Spaltentyp::Byte);
    case Feldtyp::Integer: return Spaltentypen::Deklaration(Spaltentyp::Integer);
    case Feldtyp::Long:
        return Spaltentypen::Deklaration(f.istAutowert() ? Spaltentyp::Counter : Spaltentyp::Long);
    case Feldtyp::Single: return Spaltentypen::Deklaration(Spaltentyp::Single);
    case Feldtyp::Date: return Spaltentypen::Deklaration(Spaltentyp::Datum);
    case Feldtyp::Text: return Spaltentypen::Deklaration(Spaltentyp::Text, f.fieldsize) + ohneFall;
    case Feldtyp::Memo: return Spaltentypen::Deklaration(Spaltentyp::Memo) + ohneFall;
    default: return {};
    }
}

// Column default as SQL literal; empty when the column gets none.
QString spaltenvorgabe(const ManipDBField& f)
{
    const VbVariant& v = f.fieldDefaultValue;
    switch (f.fieldtype) {
    case Feldtyp::Boolean:
        return v.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    case Feldtyp::Byte: case Feldtyp::Integer: case Feldtyp::Long:
        return f.istAutowert() ? QString() : QString::number(v.toLong());
    case Feldtyp::Single:
        return QString::number(static_cast<double>(v.toSingle()), 'g', 17);
    case Feldtyp::Date:
        if (v.isEmpty())
            return {};
        return JetDialekt::Textliteral(Spaltentypen::DatumText(v.toDateTime()));
    case Feldtyp::Text: case Feldtyp::Memo:
        if (v.toString().trimmed().isEmpty())
            return {};
        return JetDialekt::Textliteral(v.toString());
    default:
        return {};
    }
}


// Bytes of the longest logical line that holds a value some field of the transfer takes: the
// longest field name, the longest text (numbers take fewer characters), the TABs, line breaks
// inside a memo, four bytes a character in a UTF-8 file. -1 when a text has no limit.
qsizetype längsteZeile()
{
    constexpr qsizetype zahl = 64;
    qsizetype name = 0, wert = zahl;
    const QStringList tabellen = Tabellenaufbau::Tabellen();
    for (const QString& tabelle : tabellen) {
        Feldliste liste;
        Tabellenaufbau::Aufbauen(tabelle, liste);
        for (const ManipDBField& f : liste) {
            name = std::max<qsizetype>(name, f.fieldbez.size());
            if (f.fieldtype == Feldtyp::Text || f.fieldtype == Feldtyp::Memo) {
                if (f.fieldsize <= 0)
                    return -1;
                wert = std::max<qsizetype>(wert, f.fieldsize);
            }
        }
    }
    return 4 * (name + 2 * wert + 2);
}

}  // namespace

ManipDatenbank::ManipDatenbank() = default;

ManipDatenbank::~ManipDatenbank()
{
    Load_CloseDBConnection();
}

bool ManipDatenbank::TreiberPrüfen()
{
    if (QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return true;
    meldung(2416, {QStringLiteral("Der Datenbanktreiber QSQLITE fehlt.")});
    return false;
}

void ManipDatenbank::Init()
{
    m_zustand = Unbrauchbar;
    m_passwort.clear();
    m_pfad.clear();
    if (TreiberPrüfen())
        m_zustand = Bereit;
}

void ManipDatenbank::SetPasswort(const QString& passwort)
{
    m_passwort = passwort;
}

void ManipDatenbank::CreateDBank(const QString& PathNameDBank)
{
    if (m_zustand != Bereit)
        return;
    m_pfad = PathNameDBank;
    if (!QFileInfo::exists(m_pfad)) {
        const QString fehler = legeDateiAn(m_pfad, m_passwort);
        if (!fehler.isEmpty()) {
            meldung(2417, {m_pfad, fehler});
            m_zustand = Unbrauchbar;
            return;
        }
    }
    m_zustand = DatenbankBereit;
    yield();
}

void ManipDatenbank::Define_Tabellenaufbau(const QString& Tabellenname)
{
    m_tabellenname = Tabellenname;
    if (m_zustand == DatenbankBereit) {
        m_zustand = TabelleDefiniert;
        tabellenaufbau(Tabellenname);
    }
    yield();
}

void ManipDatenbank::tabellenaufbau(const QString& tabelle)
{
    if (!Tabellenaufbau::Aufbauen(tabelle, m_feldliste))
        m_zustand = DatenbankBereit;
}

void ManipDatenbank::ResetTabaufbau()
{
    if (m_zustand == Unbrauchbar || m_zustand == Bereit)
        return;
    m_feldliste.leeren();
    m_verbindung.reset();
    m_zustand = DatenbankBereit;
    yield();
}

bool ManipDatenbank::AppendFeldZurTabelle(ManipDBField& f, bool neueTabelle, QString& spalten)
{
    QString fehler;
    QString typ = deklarierterTyp(f);
    if (typ.isEmpty()) {
        fehler = QStringLiteral("Unbekannter Feldtyp %1").arg(f.fieldtype);
    } else {
        QString def = JetDialekt::Name(f.fieldbez) + QLatin1Char(' ') + typ;
        const QString vorgabe = spaltenvorgabe(f);
        if (!vorgabe.isEmpty())
            def += QStringLiteral(" DEFAULT ") + vorgabe;
        if (neueTabelle) {
            if (!spalten.isEmpty())
                spalten += QStringLiteral(", ");
            spalten += def;
            return false;
        }
        QSqlQuery q(m_verbindung->db());
        if (q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(JetDialekt::Name(m_tabellenname), def))) {
            if (!f.istAutowert())
                return false;
            // A counter added later numbers the rows that are there (new rows get theirs from
            // the table access).
            if (q.exec(QStringLiteral("UPDATE %1 SET %2 = rowid")
                           .arg(JetDialekt::Name(m_tabellenname), JetDialekt::Name(f.fieldbez))))
                return false;
        }
        fehler = q.lastError().text();
    }
    meldung(2419, {f.fieldbez, fehler});
    return true;
}

void ManipDatenbank::CreateDBTabelle()
{
    if (m_zustand != TabelleDefiniert)
        return;
    QString fehler;
    m_verbindung = DbVerbindung::Öffnen(m_pfad, m_passwort, &fehler);
    if (!m_verbindung) {
        meldung(2417, {m_pfad, fehler});
        m_zustand = Unbrauchbar;
        return;
    }
    const Aufbau ergebnis = baueTabelle(fehler);
    m_verbindung.reset();
    if (ergebnis == Aufbau::Tabellenfehler) {
        meldung(2418, {m_tabellenname, fehler});
        m_zustand = Unbrauchbar;
        return;
    }
    if (ergebnis == Aufbau::Feldfehler)
        return;
    yield();
    m_zustand = TabelleAufgebaut;
    if (m_tabellenname == Tabelle::DatenbankInfo)
        versionAktualisieren();
}

ManipDatenbank::Aufbau ManipDatenbank::baueTabelle(QString& fehler)
{
    QSqlDatabase db = m_verbindung->db();
    DbTransaktion tx(m_verbindung);
    const bool vorhanden = db.tables().contains(m_tabellenname, Qt::CaseSensitive);
    bool indexeOffen = false;
    QString spalten;
    if (vorhanden) {
        m_neueVorgaben = false;
        const QSqlRecord satz = db.record(m_tabellenname);
        for (ManipDBField& f : m_feldliste) {
            yield();
            f.merkFieldIndexing = false;
            if (satz.contains(f.fieldbez))
                continue;
            if (f.fieldIndexArt != IndexArt::Keiner) {
                f.merkFieldIndexing = true;
                indexeOffen = true;
            }
            const bool fehlgeschlagen = AppendFeldZurTabelle(f, false, spalten);
            if (!f.istAutowert())
                f.merkFieldinit = true;
            if (!f.fieldDefaultValue.isEmpty())
                m_neueVorgaben = true;
            if (fehlgeschlagen) {
                tx.Commit();  // columns appended so far stay
                return Aufbau::Feldfehler;
            }
        }
    } else {
        for (ManipDBField& f : m_feldliste) {
            f.merkFieldIndexing = f.fieldIndexArt != IndexArt::Keiner;
            indexeOffen = indexeOffen || f.merkFieldIndexing;
            if (AppendFeldZurTabelle(f, true, spalten))
                return Aufbau::Feldfehler;
            yield();
        }
    }

    QStringList sql;
    if (!vorhanden)
        sql << QStringLiteral("CREATE TABLE %1 (%2)").arg(JetDialekt::Name(m_tabellenname), spalten);
    if (indexeOffen)
        for (ManipDBField& f : m_feldliste) {
            if (!f.merkFieldIndexing || f.fieldIndexArt == IndexArt::Keiner)
                continue;
            const bool eindeutig = f.fieldIndexArt == IndexArt::Eindeutig
                                   || f.fieldIndexArt == IndexArt::Primärschlüssel;
            const QString index = f.fieldIndexArt == IndexArt::Primärschlüssel
                                      ? QStringLiteral("PrimaryKey") : f.fieldbez;
            sql << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                       .arg(eindeutig ? QStringLiteral("UNIQUE ") : QString(), JetDialekt::Name(index),
                            JetDialekt::Name(m_tabellenname), JetDialekt::Name(f.fieldbez));
            f.merkFieldIndexing = false;
        }
    QSqlQuery q(db);
    for (const QString& s : sql)
        if (!q.exec(s)) {
            fehler = q.lastError().text();
            return Aufbau::Tabellenfehler;
        }
    if (!tx.Commit()) {
        fehler = db.lastError().text();
        return Aufbau::Tabellenfehler;
    }
    return Aufbau::Fertig;
}

// A project database built by this run has the current schema: backups written later in the
// run must not carry the lines for older versions.
void ManipDatenbank::versionAktualisieren()
{
    Programmzustand& z = ::zustand();
    if (QDir::cleanPath(QFileInfo(m_pfad).absoluteFilePath())
        != QDir::cleanPath(QFileInfo(z.Projekt_Data_Source).absoluteFilePath()))
        return;
    if (Versionsnummer(z.versHaupt, z.versNeben, z.versRevis)
        >= Versionsnummer(DBVersion::Haupt, DBVersion::Neben, DBVersion::Revis))
        return;
    z.versHaupt = DBVersion::Haupt;
    z.versNeben = DBVersion::Neben;
    z.versRevis = DBVersion::Revis;
}

void ManipDatenbank::InitNeueSpalten()
{
    if (m_zustand != TabelleAufgebaut || !m_neueVorgaben)
        return;
    // One query over the appended fields, one pass over the rows, one transaction.
    QStringList felder;
    std::vector<const ManipDBField*> neu;
    for (ManipDBField& f : m_feldliste)
        if (f.merkFieldinit) {
            felder << JetDialekt::Name(f.fieldbez);
            neu.push_back(&f);
            f.merkFieldinit = false;
        }
    if (!neu.empty()) {
        datenbank tab;
        if (tab.OpenTab(m_pfad, QStringLiteral("SELECT ") + felder.join(QStringLiteral(", "))
                                    + QStringLiteral(" FROM ") + m_tabellenname, 2, m_passwort, true) == 0) {
            DbTransaktion tx(tab.Verbindung());
            for (tab.MoveFirst(); !tab.EofTab(); tab.MoveNext()) {
                for (const ManipDBField* f : neu)
                    tab.SetFeld(f->fieldbez, f->fieldDefaultValue);
                yield();
            }
            tx.Commit();
        }
    }
    m_neueVorgaben = false;
}

int64_t ManipDatenbank::Versionsnummer(int haupt, int neben, int revis)
{
    return int64_t(haupt) * 65536 + int64_t(neben) * 256 + revis;
}

// ---------------------------------------------------------------- transfer: the run

QString ManipDatenbank::auswahl(const QString& tabelle, const QString& projektNr) const
{
    return QStringLiteral("Select * From ") + tabelle + QStringLiteral(" WHERE ") + suche(projektNr);
}

// The project number compares without regard to case also in files whose columns were
// declared before their texts were (the run's look-up and the search do so).
QString ManipDatenbank::suche(const QString& projektNr) const
{
    return JetDialekt::Name(Tabelle::ProjektNr) + QStringLiteral(" = ") + JetDialekt::Textliteral(projektNr)
           + QStringLiteral(" COLLATE NOCASE");
}

long ManipDatenbank::öffneArbeitstabelle()
{
    schließeArbeitstabelle();
    long code = 0;
    arbeitstabelle(Tabelle::ProjekteTabelle, code);
    if (code != 0) {
        m_tabellen.clear();
        return code;
    }
    m_tab = m_tabellen[Tabelle::ProjekteTabelle].tab.get();
    m_lauf = std::make_unique<DbTransaktion>(m_tab->Verbindung());
    return code;
}

// The run is one transaction: a backup reads one state of the database, a restore keeps every
// row it saved when the run ends, also after a cancel or an error.
bool ManipDatenbank::schließeArbeitstabelle()
{
    m_akt = nullptr;
    m_tab = nullptr;
    m_zapf.reset();
    bool ok = true;
    if (m_lauf) {
        ok = m_lauf->Commit();
        if (!ok && m_speicherfehler.isEmpty())
            m_speicherfehler = m_lauf->Fehler();
        m_lauf.reset();
    }
    m_tabellen.clear();
    return ok;
}

void ManipDatenbank::Load_Verwerfen()
{
    m_akt = nullptr;
    m_tab = nullptr;
    m_zapf.reset();
    m_tabellen.clear();
    m_lauf.reset();  // rolled back
}

// The table object of a table for the run, on the whole table, opened when first needed
// (every project of a run is looked up in it); nullptr with the open code when it cannot open.
datenbank* ManipDatenbank::arbeitstabelle(const QString& tabelle, long& code)
{
    auto it = m_tabellen.find(tabelle);
    if (it == m_tabellen.end()) {
        Offen o;
        o.tab = std::make_unique<datenbank>();
        o.code = o.tab->OpenTab(::zustand().Projekt_Data_Source, QStringLiteral("Select * From ") + tabelle, 2,
                                Kennwort::Projektdatenbank, true);
        if (o.code != 0)
            o.tab.reset();
        it = m_tabellen.emplace(tabelle, std::move(o)).first;
    }
    code = it->second.code;
    return it->second.tab.get();
}

// Moves the run's table object to the first row of the project number, compared as NOCASE
// compares (ASCII letters only); false (at EOF) when there is none.
bool ManipDatenbank::finde(const QString& tabelle, const QString& projektNr)
{
    Offen& o = m_tabellen[tabelle];
    if (!o.zeilenGelesen) {
        for (o.tab->MoveFirst(); !o.tab->EofTab(); o.tab->MoveNext())
            o.zeilen.insert(Projektnummer::Schlüssel(o.tab->GetFeld(Tabelle::ProjektNr).toString()), o.tab->Bookmark());
        o.zeilenGelesen = true;
    }
    const auto it = o.zeilen.constFind(Projektnummer::Schlüssel(projektNr));
    if (it == o.zeilen.constEnd()) {
        o.tab->MoveLast();
        o.tab->MoveNext();
        return false;
    }
    o.tab->Bookmark(*it);
    return true;
}

// A row added to the run's table object is found by later projects of the run.
void ManipDatenbank::merkeNeueZeile(const QString& tabelle, const QString& projektNr)
{
    Offen& o = m_tabellen[tabelle];
    if (!o.zeilen.contains(Projektnummer::Schlüssel(projektNr)) && !o.tab->BofOrEofTab())
        o.zeilen.insert(Projektnummer::Schlüssel(projektNr), o.tab->Bookmark());
}

// The dwelling rows of one project.
datenbank* ManipDatenbank::zapfstellen(const QString& projektNr, long& code)
{
    if (!m_tab) {
        code = dbFehlerNewSQL;
        return nullptr;
    }
    const QString sql = auswahl(Tabelle::SpeicherBedarfsKz, projektNr);
    if (m_zapf) {
        code = m_zapf->NewSQL(sql, false);
    } else {
        m_zapf = std::make_unique<datenbank>();
        code = m_zapf->OpenTab(::zustand().Projekt_Data_Source, sql, 2, Kennwort::Projektdatenbank, true);
    }
    if (code != 0) {
        m_zapf.reset();
        return nullptr;
    }
    return m_zapf.get();
}

// ---------------------------------------------------------------- transfer: writing

long ManipDatenbank::Save_OpenDBConnection()
{
    return öffneArbeitstabelle();
}

void ManipDatenbank::Save_CloseDBConnection()
{
    schließeArbeitstabelle();
}

long ManipDatenbank::Save_Tabelleninhalt(Sicherungsdatei& stream, const QString& Tabellenname,
                                         const QString& projektNr)
{
    m_feldliste.leeren();
    m_tabellenname = Tabellenname;
    if (Tabellenname == Tabelle::DatenbankInfo || Tabellenname == Tabelle::SpeicherBedarfsKz
        || !Tabellenaufbau::Aufbauen(Tabellenname, m_feldliste))
        return TransferErgebnis::Fertig;
    yield();
    m_letzteProjektart.clear();
    if (!m_tab)
        return dbFehlerNewSQL;
    long code = 0;
    m_akt = arbeitstabelle(Tabellenname, code);
    if (code != 0)
        return code;
    if (!finde(Tabellenname, projektNr))
        return TransferErgebnis::Fertig;
    if (Tabellenname == Tabelle::ProjekteTabelle)
        m_letzteProjektart = m_akt->GetFeld(QStringLiteral("Projektart")).toString().left(2);

    if (!stream.SchreibeZeile(Marke::Begin, Marke::Tabelle))
        return TransferErgebnis::Schreibfehler;
    ::zustand().ErrorCancel = true;
    const long ergebnis = schreibeFelder(stream);
    if (ergebnis != TransferErgebnis::Schreibfehler)
        Save_Kompatibilitätszeilen(stream, Tabellenname);
    ::zustand().ErrorCancel = false;
    if (ergebnis == TransferErgebnis::Schreibfehler || stream.schreibfehler()
        || !stream.SchreibeZeile(Marke::Ende, Marke::Tabelle))
        return TransferErgebnis::Schreibfehler;
    return ergebnis;
}

long ManipDatenbank::schreibeFelder(Sicherungsdatei& stream)
{
    for (const ManipDBField& f : m_feldliste) {
        if (f.istAutowert())
            continue;
        QString text;
        if (Transferwert::Text(f.fieldtype, m_akt->GetFeld(f.fieldbez), text)
            && !stream.SchreibeZeile(f.fieldbez, text))
            return TransferErgebnis::Schreibfehler;
        yield();
        if (m_saveAbbruch)
            return TransferErgebnis::Benutzerabbruch;
    }
    return TransferErgebnis::Fertig;
}

long ManipDatenbank::Save_TabelleninhalteZapfstellen(Sicherungsdatei& stream, const QString& projektNr)
{
    m_feldliste.leeren();
    m_tabellenname = Tabelle::SpeicherBedarfsKz;
    Tabellenaufbau::Aufbauen(Tabelle::SpeicherBedarfsKz, m_feldliste);
    yield();
    long code = 0;
    m_akt = zapfstellen(projektNr, code);
    if (code != 0)
        return code;
    if (m_akt->EmptyTab())
        return TransferErgebnis::Fertig;

    if (!stream.SchreibeZeile(Marke::Begin, Marke::Tabelle))
        return TransferErgebnis::Schreibfehler;
    long ergebnis = TransferErgebnis::Fertig;
    m_akt->MoveFirst();
    while (!m_akt->EofTab() && !m_saveAbbruch) {
        if (!stream.SchreibeZeile(Marke::Begin, Marke::Zeile))
            return TransferErgebnis::Schreibfehler;
        ::zustand().ErrorCancel = true;
        ergebnis = schreibeFelder(stream);
        ::zustand().ErrorCancel = false;
        if (ergebnis == TransferErgebnis::Schreibfehler || !stream.SchreibeZeile(Marke::Ende, Marke::Zeile))
            return TransferErgebnis::Schreibfehler;
        m_akt->MoveNext();
    }
    if (!stream.SchreibeZeile(Marke::Ende, Marke::Tabelle))
        return TransferErgebnis::Schreibfehler;
    return ergebnis;
}

void ManipDatenbank::Save_Kompatibilitätszeilen(Sicherungsdatei& stream, const QString& tabelle)
{
    const Programmzustand& z = ::zustand();
    const int64_t v = Versionsnummer(z.versHaupt, z.versNeben, z.versRevis);
    const bool heizung = tabelle == Tabelle::Heizungsparameter;
    const bool kälte = tabelle == Tabelle::Kälteparameter;
    if (!heizung && !kälte)
        return;
    // Fields the database lacks read as Empty, which counts as False.
    auto wahr = [this](const char* feld) { return m_akt->GetFeld(QString::fromUtf8(feld)).toBool(); };
    auto zeile = [&stream](const char* feld, const QString& wert) {
        stream.SchreibeZeile(QString::fromUtf8(feld), wert);
    };
    if (v <= Versionsnummer(2, 0, 0)) {
        if (wahr("NachspeiseTrenner"))
            zeile("Nachspeisung", QStringLiteral("1"));
        else if (wahr("NachspeisePumpe"))
            zeile("Nachspeisung", QStringLiteral("2"));
        else if (wahr("keineNachspeise"))
            zeile("Nachspeisung", QStringLiteral("0"));
        if (wahr("MitSystemtrenner"))
            zeile("Systemtrenner", QStringLiteral("1"));
        else if (wahr("OhneSystemtrenner"))
            zeile("Systemtrenner", QStringLiteral("0"));
    }
    if (v <= Versionsnummer(2, 2, 0) && heizung) {
        if (wahr("MangelsicherungWMS800"))
            zeile("Mangelsicherung", QStringLiteral("1"));
        else if (wahr("MangelsicherungWMSE"))
            zeile("Mangelsicherung", QStringLiteral("2"));
        else if (wahr("AltMinimalBegrenzer"))
            zeile("Mangelsicherung", QStringLiteral("3"));
    }
    if (v <= Versionsnummer(2, 3, 0)) {
        zeile("ZubehoerSteuerung", wahr("Membranbruchsensor") ? QStringLiteral("1") : QStringLiteral("0"));
        if (heizung) {
            const int vorlauf = m_akt->GetFeld(QStringLiteral("Vorlauftemperatur")).toInteger();
            zeile("Ruecklauftemp", QString::number(std::max(vorlauf - 20, 5)));
        }
    }
    if (v < Versionsnummer(DBVersion::Haupt, DBVersion::Neben, DBVersion::Revis)) {
        const double anfang = m_akt->GetFeld(QStringLiteral("Anfangsdruck")).toSingle();
        const double soll = wahr("IstBerechnet") ? anfang + 0.5 : (heizung ? 1.6 : 1.1);
        zeile("p Soll", Zahlen::Str(soll, true));
    }
}

// ---------------------------------------------------------------- transfer: reading

long ManipDatenbank::Load_OpenDBConnection(ProjektNrAnzeige* qForm, Sicherungsdatei* stream)
{
    m_form = qForm;
    m_stream = stream;
    m_alleÜberschreiben = false;
    m_gelesen.clear();
    m_speicherfehler.clear();
    // A restore keeps of a line no more than the longest value a field takes needs.
    if (m_stream && m_ganzeProjekte)
        m_stream->SetzeHöchstlänge(längsteZeile());
    return öffneArbeitstabelle();
}

bool ManipDatenbank::Load_CloseDBConnection()
{
    const bool ok = schließeArbeitstabelle();
    m_stream = nullptr;
    m_form = nullptr;
    return ok;
}

long ManipDatenbank::Load_readStreamLine()
{
    if (!m_stream || m_stream->AtEndOfStream()) {
        m_schlüssel.clear();
        m_wert.clear();
        return TransferErgebnis::Dateiende;
    }
    QString zeile;
    m_zeileGekürzt = false;
    if (!m_stream->LiesLogischeZeile(zeile, &m_zeileGekürzt)) {
        m_befund.mangel = Lesebefund::Datei;
        return TransferErgebnis::Lesefehler;
    }
    yield();
    if (m_loadAbbruch)
        return TransferErgebnis::Benutzerabbruch;
    // A line without a TAB (the last one of a cut file) is all key, so that no line keeps the
    // key of the one before.
    const qsizetype tab = zeile.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        m_schlüssel = zeile.left(tab);
        const qsizetype n = zeile.size() - tab - 2;
        m_wert = n >= 1 ? zeile.mid(tab + 1, n) : QString();
    } else {
        m_schlüssel = zeile;
        m_wert.clear();
    }
    return m_stream->AtEndOfStream() ? TransferErgebnis::Dateiende : TransferErgebnis::Fertig;
}


bool ManipDatenbank::istMarke(const QString& schlüssel, const QString& wert) const
{
    return m_schlüssel == schlüssel && m_wert == wert;
}

bool ManipDatenbank::IsBeginnProjekt() const { return istMarke(Marke::Begin, Marke::Projekt); }
bool ManipDatenbank::IsEndeProjekt() const { return istMarke(Marke::Ende, Marke::Projekt); }
bool ManipDatenbank::IsBeginnTabelle() const { return istMarke(Marke::Begin, Marke::Tabelle); }
bool ManipDatenbank::IsEndeTabelle() const { return istMarke(Marke::Ende, Marke::Tabelle); }
bool ManipDatenbank::IsBeginnZeile() const { return istMarke(Marke::Begin, Marke::Zeile); }
bool ManipDatenbank::IsEndeZeile() const { return istMarke(Marke::Ende, Marke::Zeile); }

// Field names never begin with "$"; such a key is a marker, also a misspelt one.
bool ManipDatenbank::istMarkenzeile() const
{
    return m_schlüssel.startsWith(QLatin1Char('$'));
}

// Notes a fault of the current project (the first one counts); true when the project is given
// up at once, in whole-project mode.
bool ManipDatenbank::mangel(int art)
{
    if (m_befund.mangel == Lesebefund::Keiner)
        m_befund.mangel = art;
    return m_ganzeProjekte;
}

// Reads lines up to the next table or project frame line. In whole-project mode the begin of
// the next project ends the current one, and a field line between blocks is a fault.
long ManipDatenbank::liesBisBlock()
{
    for (;;) {
        const long r = Load_readStreamLine();
        if (r != 0 || IsBeginnTabelle() || IsEndeProjekt() || (m_ganzeProjekte && IsBeginnProjekt()))
            return r;
        if (!istMarkenzeile() && mangel(Lesebefund::Aufbau))
            return TransferErgebnis::Lesefehler;
    }
}

long ManipDatenbank::Load_Projekt()
{
    m_befund = Lesebefund{};
    m_geschrieben.clear();
    if (!m_tab)
        return TransferErgebnis::Lesefehler;
    if (!m_ganzeProjekte)
        return ladeProjekt();

    // The table access stays silent: a value or row it refuses is named in the run's one closing
    // message, not in a box of its own for each project.
    struct Stumm {
        bool vorher = ::zustand().ErrorCancel;
        Stumm() { ::zustand().ErrorCancel = true; }
        ~Stumm() { ::zustand().ErrorCancel = vorher; }
    } stumm;
    // The project's rows are kept only when the whole project could be read. Outside the run's
    // transaction (SQLite ended it after an error) a savepoint would open one of its own.
    const auto verbindung = m_tab->Verbindung();
    QSqlDatabase db = verbindung->db();
    if (!verbindung->TransaktionIntakt()) {
        m_speicherfehler = DbVerbindung::TransaktionBeendetText();
        return TransferErgebnis::Speicherfehler;
    }
    QSqlQuery(db).exec(QStringLiteral("SAVEPOINT kelvor_projekt"));
    long r = ladeProjekt();
    if (!verbindung->TransaktionIntakt())
        mangel(Lesebefund::Tabellenfehler);
    if (r == TransferErgebnis::Benutzerabbruch)
        mangel(Lesebefund::Abbruch);
    else if (r != TransferErgebnis::Fertig && r != TransferErgebnis::Dateiende && r != TransferErgebnis::Lesefehler
             && r != TransferErgebnis::Übersprungen && r != TransferErgebnis::Abgebrochen)
        mangel(Lesebefund::Tabellenfehler);
    if (m_befund.mangel == Lesebefund::Keiner) {
        QSqlQuery release(db);
        if (release.exec(QStringLiteral("RELEASE kelvor_projekt")))
            return r;
        m_befund.mangel = Lesebefund::Tabellenfehler;
        m_speicherfehler = release.lastError().text();
    }
    if (verbindung->TransaktionIntakt()) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK TO kelvor_projekt"));
        QSqlQuery(db).exec(QStringLiteral("RELEASE kelvor_projekt"));
    } else if (m_speicherfehler.isEmpty()) {
        m_speicherfehler = DbVerbindung::TransaktionBeendetText();
    }
    verwirfProjekt();
    // A row that cannot be stored (a full disk, a read-only file) ends the run: the caller rolls
    // it back, so that the database keeps what it held before.
    if (m_befund.mangel == Lesebefund::Tabellenfehler)
        return TransferErgebnis::Speicherfehler;
    switch (m_befund.mangel) {
    case Lesebefund::Datei: return TransferErgebnis::Lesefehler;
    case Lesebefund::Projektnummer:
    case Lesebefund::Steuerzeichen:
    case Lesebefund::Projektart:
    case Lesebefund::Parameterblock: return TransferErgebnis::Verworfen;
    case Lesebefund::Aufbau:
        if (r == TransferErgebnis::Fertig || r == TransferErgebnis::Lesefehler || r == TransferErgebnis::Übersprungen)
            return TransferErgebnis::Verworfen;
        return r;
    default: return r;
    }
}

// After a rollback the run's table objects hold what the project wrote: its saved rows are read
// again (a new one leaves the snapshot), so that giving up a project costs no more than reading
// it; only when that fails are the tables opened anew.
void ManipDatenbank::verwirfProjekt()
{
    m_befund.verworfen = true;
    m_akt = nullptr;
    m_zapf.reset();
    bool gelesen = true;
    for (auto& [tabelle, o] : m_tabellen)
        if (o.tab)
            o.tab->GetADODB_Recordset()->CancelUpdate();
    for (const Geschrieben& g : std::as_const(m_geschrieben)) {
        const auto it = m_tabellen.find(g.tabelle);
        if (it == m_tabellen.end() || !it->second.tab)
            continue;  // opened anew when needed
        Offen& o = it->second;
        if (!o.tab->Bookmark(g.marke) || !o.tab->GetADODB_Recordset()->ZeileNeuLesen()) {
            gelesen = false;
            break;
        }
        if (g.neu)
            o.zeilen.remove(Projektnummer::Schlüssel(m_projektNr));
    }
    m_geschrieben.clear();
    if (gelesen && m_tab)
        return;
    m_tab = nullptr;
    m_tabellen.clear();
    long code = 0;
    m_tab = arbeitstabelle(Tabelle::ProjekteTabelle, code);
}

long ManipDatenbank::ladeProjekt()
{
    long r = TransferErgebnis::Fertig;
    do {
        r = Load_readStreamLine();
        if (r == TransferErgebnis::Dateiende && !IsEndeProjekt())
            mangel(Lesebefund::Unvollständig);
        if (r != 0)
            return r;
        if (!istMarkenzeile() && mangel(Lesebefund::Aufbau))
            return TransferErgebnis::Lesefehler;
    } while (!IsBeginnTabelle());
    r = Load_Projekttabelle();
    // A project of a type without parameter table would leave the stored one without its rows.
    if (m_ganzeProjekte && m_überschreibt && (r == 0 || r == TransferErgebnis::Dateiende)
        && Tabellenaufbau::Parametertabelle(m_projektart).isEmpty()) {
        m_befund.übergangeneProjektart = m_projektart;
        mangel(Lesebefund::Projektart);
        return TransferErgebnis::Lesefehler;
    }
    if (r == 0 && m_überschreibt)
        löscheAndereZeilen();
    // A file that ends without the project's end line holds the project whole only when no
    // block of it can be missing: a project with a parameter table needs that block, a storage
    // heater project may have its dwelling rows after it.
    const bool mitParametern = !Tabellenaufbau::Parametertabelle(m_projektart).isEmpty();
    if (r == TransferErgebnis::Dateiende && mitParametern)
        mangel(Lesebefund::Unvollständig);
    if (r != 0)
        return r;
    r = liesBisBlock();
    if (r == TransferErgebnis::Dateiende && !IsEndeProjekt() && (mitParametern || IsBeginnTabelle()))
        mangel(Lesebefund::Unvollständig);
    if (r != 0 || !IsBeginnTabelle())
        return r;
    // A parameter row that no table takes: the project would be stored without it.
    if (m_ganzeProjekte && !mitParametern) {
        m_befund.übergangeneProjektart = m_projektart;
        mangel(Lesebefund::Parameterblock);
        return TransferErgebnis::Lesefehler;
    }
    r = Load_Parametertabelle(m_projektart);
    if (r != 0)
        return r;
    r = liesBisBlock();
    if (r == TransferErgebnis::Dateiende && !IsEndeProjekt() && (m_projektart == QLatin1String("Sp") || IsBeginnTabelle()))
        mangel(Lesebefund::Unvollständig);
    if (r != 0 || !IsBeginnTabelle())
        return r;
    return Load_Zapfstellen();
}

// A project that replaces one of the database replaces its rows of every type: the parameter
// rows of the other types and the dwelling rows go, so that no row of the old type is left for
// a later change of type to pick up.
void ManipDatenbank::löscheAndereZeilen()
{
    QSqlDatabase db = m_tab->Verbindung()->db();
    const QStringList vorhanden = db.tables();
    const QString eigene = Tabellenaufbau::Parametertabelle(m_projektart);
    for (const char* art : {"He", "Kü", "So", "Tr", "Dr", "Sp"}) {
        const QString tabelle = Tabellenaufbau::Parametertabelle(QString::fromUtf8(art));
        if (tabelle != eigene)
            löscheZeilen(db, vorhanden, tabelle);
    }
    löscheZeilen(db, vorhanden, Tabelle::SpeicherBedarfsKz);
}

void ManipDatenbank::löscheZeilen(QSqlDatabase& db, const QStringList& vorhanden, const QString& tabelle)
{
    if (!vorhanden.contains(tabelle, Qt::CaseInsensitive))
        return;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM ") + JetDialekt::Name(tabelle) + QStringLiteral(" WHERE ")
              + JetDialekt::Name(Tabelle::ProjektNr) + QStringLiteral(" = ? COLLATE NOCASE"));
    q.addBindValue(m_projektNr);
    if (!q.exec()) {
        if (m_speicherfehler.isEmpty())
            m_speicherfehler = q.lastError().text();
        mangel(Lesebefund::Tabellenfehler);
        return;
    }
    // The run's table object of that table holds the deleted rows: it is opened anew when needed.
    if (q.numRowsAffected() > 0)
        m_tabellen.erase(tabelle);
}

long ManipDatenbank::Load_Projekttabelle()
{
    m_feldliste.leeren();
    long r = Load_readStreamLine();
    if (r == 0 && m_schlüssel != Tabelle::ProjektNr)
        r = Load_readStreamLine();
    if (r != 0) {
        if (r == TransferErgebnis::Dateiende)
            mangel(Lesebefund::Unvollständig);
        return r;
    }
    if (m_schlüssel != Tabelle::ProjektNr || m_wert.trimmed().isEmpty()) {
        mangel(Lesebefund::Aufbau);
        return TransferErgebnis::Lesefehler;
    }
    m_projektNr = m_wert;
    m_befund.projektNr = m_projektNr;
    m_projektart.clear();
    m_überschreibt = false;
    // A number longer than its column would be stored cut or empty in one table and whole in the
    // others: such a project is not read.
    Tabellenaufbau::Aufbauen(Tabelle::ProjekteTabelle, m_feldliste);
    if (const ManipDBField* nr = m_feldliste.suche(Tabelle::ProjektNr); nr && m_projektNr.size() > nr->fieldsize) {
        mangel(Lesebefund::Projektnummer);
        return TransferErgebnis::Lesefehler;
    }
    // A control character cannot be typed and does not show: the number would look like another.
    if (m_ganzeProjekte && std::any_of(m_projektNr.cbegin(), m_projektNr.cend(), [](QChar c) {
            return c.category() == QChar::Other_Control;
        })) {
        mangel(Lesebefund::Steuerzeichen);
        return TransferErgebnis::Lesefehler;
    }
    if (m_form)
        m_form->SchreibeProjektNr(m_projektNr);
    if (m_ganzeProjekte) {
        const QString schlüssel = Projektnummer::Schlüssel(m_projektNr);
        m_befund.doppelt = m_gelesen.contains(schlüssel);
        m_gelesen.insert(schlüssel);
    }

    m_akt = m_tab;
    const bool neu = !finde(Tabelle::ProjekteTabelle, m_projektNr);
    if (neu) {
        m_akt->AddNew();
    } else if (!m_alleÜberschreiben) {
        const int antwort = neuerKonfliktDialog()->ShowFormular(m_projektNr);
        if (antwort == KonfliktAntwort::Weiter)
            return TransferErgebnis::Übersprungen;
        if (antwort == KonfliktAntwort::Abbrechen)
            return TransferErgebnis::Abgebrochen;
        if (antwort == KonfliktAntwort::AlleÜberschreiben)
            m_alleÜberschreiben = true;
    }
    m_überschreibt = !neu;
    yield();
    setzeVorgaben();
    r = TransferErgebnis::Fertig;
    while (!IsEndeTabelle()) {
        if (istMarkenzeile() && mangel(Lesebefund::Aufbau))
            return TransferErgebnis::Lesefehler;
        if (!wendeZeileAn())
            return TransferErgebnis::Lesefehler;
        r = Load_readStreamLine();
        if (r != 0)
            break;
    }
    if (r == TransferErgebnis::Dateiende && !IsEndeTabelle())
        mangel(Lesebefund::Unvollständig);
    if (!speichereZeile())
        mangel(Lesebefund::Tabellenfehler);
    else
        m_geschrieben.append({Tabelle::ProjekteTabelle, m_akt->Bookmark(), neu});
    if (neu)
        merkeNeueZeile(Tabelle::ProjekteTabelle, m_projektNr);
    return r;
}

long ManipDatenbank::Load_Parametertabelle(const QString& projektart)
{
    m_feldliste.leeren();
    const QString tabelle = Tabellenaufbau::Parametertabelle(projektart);
    if (tabelle.isEmpty()) {
        m_befund.übergangeneProjektart = projektart;
        return TransferErgebnis::Übersprungen;
    }
    Tabellenaufbau::Aufbauen(tabelle, m_feldliste);
    yield();
    long code = 0;
    m_akt = arbeitstabelle(tabelle, code);
    if (code != 0) {
        mangel(Lesebefund::Tabellenfehler);
        return TransferErgebnis::Übersprungen;
    }
    const bool neu = !finde(tabelle, m_projektNr);
    if (neu)
        m_akt->AddNew();
    setzeVorgaben();
    m_akt->SetFeld(Tabelle::ProjektNr, VbVariant(m_projektNr));
    for (;;) {
        const long r = Load_readStreamLine();
        if (IsEndeTabelle())
            break;
        if (r == TransferErgebnis::Fertig || r == TransferErgebnis::Dateiende) {
            if (istMarkenzeile() && mangel(Lesebefund::Aufbau))
                return TransferErgebnis::Lesefehler;
            if (!wendeZeileAn())
                return TransferErgebnis::Lesefehler;
        }
        if (r == TransferErgebnis::Dateiende)
            mangel(Lesebefund::Unvollständig);
        if (r != 0)
            break;
    }
    if (!speichereZeile())
        mangel(Lesebefund::Tabellenfehler);
    else
        m_geschrieben.append({tabelle, m_akt->Bookmark(), neu});
    if (neu)
        merkeNeueZeile(tabelle, m_projektNr);
    return TransferErgebnis::Fertig;
}

long ManipDatenbank::Load_Zapfstellen()
{
    m_feldliste.leeren();
    Tabellenaufbau::Aufbauen(Tabelle::SpeicherBedarfsKz, m_feldliste);
    yield();
    long code = 0;
    m_akt = zapfstellen(m_projektNr, code);
    if (code != 0) {
        mangel(Lesebefund::Tabellenfehler);
        return TransferErgebnis::Übersprungen;
    }
    // Until no row of the number is left; a deletion that fails ends the project (the table
    // access has reported it).
    while (!m_akt->EmptyTab() && m_akt->DeleteSatzMitFeld(Tabelle::ProjektNr, m_projektNr))
        yield();
    if (m_akt->fehlercode() != 0) {
        if (m_speicherfehler.isEmpty())
            m_speicherfehler = m_akt->LetzterFehler();
        return TransferErgebnis::Löschfehler;
    }

    long r = TransferErgebnis::Fertig;
    for (;;) {
        for (;;) {
            r = Load_readStreamLine();
            if (r != 0 || IsBeginnZeile() || IsEndeTabelle())
                break;
            // Between the rows of the block there is nothing else.
            if (mangel(Lesebefund::Aufbau))
                return TransferErgebnis::Lesefehler;
        }
        if (r == TransferErgebnis::Dateiende && !IsEndeTabelle())
            mangel(Lesebefund::Unvollständig);
        if (r != 0 || IsEndeTabelle())
            return r;
        m_akt->AddNew();
        setzeVorgaben();
        m_akt->SetFeld(Tabelle::ProjektNr, VbVariant(m_projektNr));
        for (;;) {
            r = Load_readStreamLine();
            if (r != 0 || IsEndeZeile() || IsEndeTabelle())
                break;
            if (istMarkenzeile() && mangel(Lesebefund::Aufbau))
                return TransferErgebnis::Lesefehler;
            if (!wendeZeileAn())
                return TransferErgebnis::Lesefehler;
        }
        if (IsEndeTabelle() && mangel(Lesebefund::Aufbau))
            return TransferErgebnis::Lesefehler;
        if (r == TransferErgebnis::Dateiende && !IsEndeZeile())
            mangel(Lesebefund::Unvollständig);
        if (!speichereZeile())
            mangel(Lesebefund::Tabellenfehler);
        if (r != 0 || IsEndeTabelle())
            return r;
    }
}

void ManipDatenbank::setzeVorgaben()
{
    for (const ManipDBField& f : m_feldliste)
        if (!f.istAutowert())
            m_akt->SetFeld(f.fieldbez, f.fieldDefaultValue);
}

bool ManipDatenbank::wendeZeileAn()
{
    // A line the reader cut off holds no value any field takes: it is named, not applied.
    if (m_zeileGekürzt) {
        m_befund.werte.append({m_schlüssel, m_wert});
        return true;
    }
    const ManipDBField* f = m_feldliste.suche(m_schlüssel);
    if (!f || f->istAutowert())
        return true;
    // Every block of a project carries the project's number: a line naming another number would
    // attach the row to another project. It is never applied.
    if (f->fieldbez == Tabelle::ProjektNr) {
        if (m_wert != m_projektNr)
            return !mangel(Lesebefund::Aufbau);
        m_akt->SetFeld(f->fieldbez, VbVariant(m_projektNr));
        return true;
    }
    // A value that does not convert is skipped: the field keeps its default. An empty value is
    // what the writer gives for a Null number and is no fault. In whole-project mode a text
    // longer than the program's input takes for the field is skipped as well.
    VbVariant wert;
    switch (Transferwert::Feldwert(*f, m_wert, wert, m_ganzeProjekte)) {
    case Transferwert::Übernahme::Vorgabe:
        if (!m_wert.trimmed().isEmpty())
            m_befund.werte.append({f->fieldbez, m_wert});
        return true;
    case Transferwert::Übernahme::Ausgelassen:
        m_befund.werte.append({f->fieldbez, m_wert});
        return true;
    case Transferwert::Übernahme::Gekürzt:
        m_befund.gekürzt.append({f->fieldbez, m_wert, wert.toString()});
        break;
    case Transferwert::Übernahme::Ganz:
        break;
    }
    if (f->fieldbez == QLatin1String("Projektart"))
        m_projektart = wert.toString();
    // A value the column refuses (the table access has reported it) is skipped as well; the
    // row is still saved (speichereZeile).
    m_akt->SetFeld(f->fieldbez, wert);
    if (m_akt->fehlercode() != 0)
        m_befund.werte.append({f->fieldbez, m_wert});
    return true;
}

// Saves the row. A field that could not be set has been reported by the table access; the rest
// of the row is still saved.
bool ManipDatenbank::speichereZeile()
{
    if (m_akt->fehlercode() != 0 && !m_feldliste.empty())
        m_akt->GetFeld(m_feldliste[0].fieldbez);
    // Saved on the snapshot itself: the run reports a row that cannot be stored once, in its
    // closing message.
    const auto rs = m_akt->GetADODB_Recordset();
    if (rs->Update())
        return true;
    if (m_speicherfehler.isEmpty())
        m_speicherfehler = rs->LetzterFehler();
    rs->CancelUpdate();
    return false;
}
