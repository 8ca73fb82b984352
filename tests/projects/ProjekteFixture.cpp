#include "ProjekteFixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "base/Programmzustand.h"
#include "support/TransferProtokoll.h"

namespace {

// Runs f on a connection of its own to the file.
template <typename F>
void mitVerbindung(const QString& pfad, F f)
{
    static int zähler = 0;
    const QString name = QStringLiteral("projekte_test%1").arg(++zähler);
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(pfad);
        d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        EXPECT_TRUE(d.open()) << d.lastError().text().toStdString();
        f(d);
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QStringList tabellen(QSqlDatabase& d)
{
    QStringList t;
    QSqlQuery q(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"), d);
    while (q.next())
        t << q.value(0).toString();
    return t;
}

QStringList spalten(QSqlDatabase& d, const QString& tabelle)
{
    QStringList s;
    QSqlQuery q(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabelle), d);
    while (q.next())
        s << q.value(1).toString();
    return s;
}

// One line per row: the table, then the quoted values of the columns.
QStringList zeilenVon(QSqlDatabase& d, const QString& tabelle, const QStringList& spaltenliste, const QString& wo)
{
    QStringList teile;
    for (const QString& s : spaltenliste)
        teile << QStringLiteral("quote(\"%1\")").arg(s);
    QSqlQuery q(d);
    q.prepare(QStringLiteral("SELECT %1 FROM \"%2\" %3 ORDER BY rowid").arg(teile.join(QStringLiteral(" || '|' || ")), tabelle, wo));
    QStringList aus;
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
    while (q.next())
        aus << tabelle + QLatin1Char(':') + q.value(0).toString();
    return aus;
}

}  // namespace

std::string texte(const MeldungsRecorder& r)
{
    std::string s;
    for (const MeldungsBox& b : r.boxen)
        s += std::to_string(b.art) + ": " + b.text.toStdString() + "\n";
    return s;
}

void Projekte::SetUp()
{
    zustandZuruecksetzen();
    ASSERT_TRUE(ordner.isValid());
    ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("Daten")));
    ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("tmp")));
    Programmzustand& z = zustand();
    z.Datenpfad = ordner.path();
    z.TempOrdner = ordner.filePath(QStringLiteral("tmp"));
    z.ProjektDatenbankName = QStringLiteral("Projektverwaltung.db");
    z.ArtikelDatenbankName = QStringLiteral("Artikeld.db");
    db = ordner.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
    z.Projekt_Data_Source = db;
    z.Artikel_Data_Source = ordner.filePath(QStringLiteral("Daten/Artikeld.db"));
    BaueProjektdatenbank(db);
    setzeDateiDialog(&dateiwahl);
}

void Projekte::TearDown()
{
    setzeDateiDialog(nullptr);
}

void Projekte::projekt(const QString& nr, const QString& art, const Werte& projektfelder, const Werte& parameter)
{
    LegeProjektAn(nr, art, projektfelder, parameter);
}

void Projekte::zapfstelle(const QString& nr, int gruppe, const Werte& felder)
{
    FuegeZeileEin(Tabelle::SpeicherBedarfsKz,
                  Werte{{Tabelle::ProjektNr, nr}, {QStringLiteral("WohnungsgruppenNr"), gruppe}} + felder);
}

QStringList Projekte::inhalt(const QString& pfad)
{
    QStringList aus;
    mitVerbindung(pfad, [&aus](QSqlDatabase& d) {
        QSqlQuery schema(QStringLiteral("SELECT type || ' ' || name || ' ' || ifnull(sql, '') FROM sqlite_master "
                                        "ORDER BY type, name"), d);
        while (schema.next())
            aus << schema.value(0).toString();
        for (const QString& t : tabellen(d))
            aus += zeilenVon(d, t, spalten(d, t), QString());
    });
    return aus;
}

QStringList Projekte::projektinhalt(const QString& nr) const
{
    return projektinhalte({nr}).value(nr);
}

QMap<QString, QStringList> Projekte::projektinhalte(const QStringList& nummern) const
{
    QMap<QString, QStringList> aus;
    mitVerbindung(db, [&](QSqlDatabase& d) {
        for (const QString& t : Tabellenaufbau::Tabellen()) {
            const QStringList s = spalten(d, t);
            if (!s.contains(Tabelle::ProjektNr))
                continue;
            QStringList ohneZähler = s;
            ohneZähler.removeAll(QStringLiteral("ProjektKey"));
            for (const QString& nr : nummern) {
                QString n = nr;
                n.replace(QLatin1Char('\''), QLatin1String("''"));
                aus[nr] += zeilenVon(d, t, ohneZähler, QStringLiteral("WHERE \"Projekt Nr\" = '%1'").arg(n));
            }
        }
    });
    return aus;
}

QStringList Projekte::nummern() const
{
    QStringList n;
    mitVerbindung(db, [&n](QSqlDatabase& d) {
        QSqlQuery q(QStringLiteral("SELECT \"Projekt Nr\" FROM ProjekteTabelle ORDER BY \"Projekt Nr\""), d);
        while (q.next())
            n << q.value(0).toString();
    });
    return n;
}

QString Projekte::datei(const QString& name, const QByteArray& inhalt) const
{
    const QString pfad = ordner.filePath(name);
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(inhalt);
    return pfad;
}

QByteArray Projekte::zeilen(const Zeilen& z)
{
    QByteArray b;
    for (const auto& [k, w] : z)
        b += Sicherungsdatei::NachCp1252(QString::fromUtf8(k)) + '\t' + Sicherungsdatei::NachCp1252(QString::fromUtf8(w))
             + "\t\r\n";
    return b;
}

Zeilen Projekte::projektZeilen(const char* nr, const char* art, const char* bauherr, const Zeilen& parameter)
{
    Zeilen z{{"$BEGIN$", "$PROJEKT$"}, {"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", nr},
             {"Projektart", art},      {"Bauherr", bauherr},     {"$ENDE$", "$TABELLE$"}};
    if (!parameter.isEmpty())
        z += Zeilen{{"$BEGIN$", "$TABELLE$"}, {"Projekt Nr", nr}} + parameter + Zeilen{{"$ENDE$", "$TABELLE$"}};
    return z + Zeilen{{"$ENDE$", "$PROJEKT$"}};
}

QStringList Projekte::tempDateien() const
{
    return QDir(zustand().TempOrdner).entryList(QDir::Files);
}
