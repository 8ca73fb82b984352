#include "data/ManipDatenbank.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include "data/Kennwort.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "data/Transaktion.h"
#include "shell/AllgFunktionen.h"
#include "shell/Programmzustand.h"

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

QString name(const QString& bezeichner)
{
    QString n = bezeichner;
    n.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString textLiteral(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

void meldung(int id, const QList<VbVariant>& werte)
{
    Meldung(Meldungsart::Datenbankfehler, LadeText(::zustand().Sprachoffset + id), werte);
}

}  // namespace

// The declared column type carries the field type; the table access enforces it on write.
QString DeklarierterTyp(const ManipDBField& f);

QString DeklarierterTyp(const ManipDBField& f)
{
    switch (f.fieldtype) {
    case Feldtyp::Boolean: return QStringLiteral("BOOLEAN");
    case Feldtyp::Byte: return QStringLiteral("BYTE");
    case Feldtyp::Integer: return QStringLiteral("SHORT");
    case Feldtyp::Long: return f.istAutowert() ? QStringLiteral("INTEGER") : QStringLiteral("LONG");
    case Feldtyp::Single: return QStringLiteral("SINGLE");
    case Feldtyp::Date: return QStringLiteral("DATETIME");
    case Feldtyp::Text: return QStringLiteral("TEXT(%1)").arg(f.fieldsize);
    case Feldtyp::Memo: return QStringLiteral("LONGTEXT");
    default: return {};
    }
}

// Column default as SQL literal; empty when the column gets none.
static QString spaltenvorgabe(const ManipDBField& f)
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
        return QString::number(v.isDate() ? v.oleDatum() : v.toDouble(), 'g', 17);
    case Feldtyp::Text: case Feldtyp::Memo:
        if (v.toString().trimmed().isEmpty())
            return {};
        return textLiteral(v.toString());
    default:
        return {};
    }
}

ManipDatenbank::ManipDatenbank() = default;

ManipDatenbank::~ManipDatenbank()
{
    Load_CloseDBConnection();
}

void ManipDatenbank::Init()
{
    m_zustand = Unbrauchbar;
    m_passwort.clear();
    m_pfad.clear();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        meldung(2416, {QStringLiteral("QSQLITE")});
        return;
    }
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
        SqlVerbindung neu;
        QString fehler;
        bool gut = neu.öffnen(m_pfad, QString(), true, &fehler);
        if (gut && !Kennwort::Setzen(neu.db(), m_passwort)) {
            fehler = neu.db().lastError().text();
            gut = false;
        }
        neu.schließen();
        if (!gut) {
            if (QFileInfo(m_pfad).size() == 0)
                QFile::remove(m_pfad);
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
    m_verbindung.schließen();
    m_zustand = DatenbankBereit;
    yield();
}

bool ManipDatenbank::AppendFeldZurTabelle(ManipDBField& f, bool neueTabelle, QString& spalten)
{
    QString fehler;
    QString typ = DeklarierterTyp(f);
    if (typ.isEmpty()) {
        fehler = QStringLiteral("Unbekannter Feldtyp %1").arg(f.fieldtype);
    } else {
        QString def = name(f.fieldbez) + QLatin1Char(' ') + typ;
        if (f.istAutowert() && neueTabelle)
            def += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
        const QString vorgabe = spaltenvorgabe(f);
        if (!vorgabe.isEmpty())
            def += QStringLiteral(" DEFAULT ") + vorgabe;
        if (neueTabelle) {
            if (!spalten.isEmpty())
                spalten += QStringLiteral(", ");
            spalten += def;
            return false;
        }
        QSqlQuery q(m_verbindung.db());
        if (q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(name(m_tabellenname), def))) {
            if (!f.istAutowert())
                return false;
            // A counter added later numbers the existing rows and every row added after them.
            const QString t = name(m_tabellenname), s = name(f.fieldbez);
            if (q.exec(QStringLiteral("UPDATE %1 SET %2 = rowid").arg(t, s))
                && q.exec(QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2 WHEN NEW.%3 IS NULL "
                                         "BEGIN UPDATE %2 SET %3 = NEW.rowid WHERE rowid = NEW.rowid; END")
                              .arg(name(m_tabellenname + QStringLiteral("_") + f.fieldbez), t, s)))
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
    if (!m_verbindung.öffnen(m_pfad, m_passwort, false, &fehler)) {
        meldung(2417, {m_pfad, fehler});
        m_zustand = Unbrauchbar;
        return;
    }
    const Aufbau ergebnis = baueTabelle(fehler);
    m_verbindung.schließen();
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
    QSqlDatabase& db = m_verbindung.db();
    Transaktion tx(db);
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
                tx.commit();  // columns appended so far stay
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
        sql << QStringLiteral("CREATE TABLE %1 (%2)").arg(name(m_tabellenname), spalten);
    if (indexeOffen)
        for (ManipDBField& f : m_feldliste) {
            if (!f.merkFieldIndexing || f.fieldIndexArt == IndexArt::Keiner)
                continue;
            const bool eindeutig = f.fieldIndexArt == IndexArt::Eindeutig
                                   || f.fieldIndexArt == IndexArt::Primärschlüssel;
            const QString index = f.fieldIndexArt == IndexArt::Primärschlüssel
                                      ? QStringLiteral("PrimaryKey") : f.fieldbez;
            sql << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                       .arg(eindeutig ? QStringLiteral("UNIQUE ") : QString(), name(index),
                            name(m_tabellenname), name(f.fieldbez));
            f.merkFieldIndexing = false;
        }
    QSqlQuery q(db);
    for (const QString& s : sql)
        if (!q.exec(s)) {
            fehler = q.lastError().text();
            return Aufbau::Tabellenfehler;
        }
    if (!tx.commit()) {
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
    // TODO: row updates through the table access.
    m_neueVorgaben = false;
}

int64_t ManipDatenbank::Versionsnummer(int haupt, int neben, int revis)
{
    return int64_t(haupt) * 65536 + int64_t(neben) * 256 + revis;
}

long ManipDatenbank::Save_OpenDBConnection() { return 0; }
void ManipDatenbank::Save_CloseDBConnection() {}
void ManipDatenbank::Load_CloseDBConnection() {}
