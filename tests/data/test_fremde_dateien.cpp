#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/MeldungsRecorder.h"
#include "support/TestDatenbank.h"

namespace {

class Abschirmung : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    MeldungsRecorder rec;
};

// The error of a statement on the connection, empty when it ran.
QString fehler(const std::shared_ptr<DbVerbindung>& v, const QString& sql)
{
    QSqlQuery q(v->db());
    if (q.exec(sql)) {
        while (q.next()) {
        }
        return q.lastError().isValid() ? q.lastError().text() : QString();
    }
    return q.lastError().text();
}

}  // namespace

TEST_F(Abschirmung, JedeVerbindungBegrenztDieArbeitEinerAnweisung)
{
    TestDatenbank f({QStringLiteral("CREATE TABLE T (x)")});
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(f.pfad(), Kennwort::Projektdatenbank);
    ASSERT_TRUE(v);

    // A statement without end is interrupted (SQLITE_INTERRUPT) once it has done the bounded work.
    {
        QSqlQuery endlos(v->db());
        const bool lief = endlos.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                                                     "SELECT count(*) FROM n"))
                          && endlos.next();
        EXPECT_FALSE(lief);
        EXPECT_EQ(endlos.lastError().nativeErrorCode(), QStringLiteral("9")) << endlos.lastError().text().toStdString();
        EXPECT_TRUE(endlos.lastError().text().contains(QStringLiteral("interrupted")));
        EXPECT_EQ(DbVerbindung::Fortschrittsaufrufe(), DbVerbindung::MaxFortschrittsaufrufe + 1);
    }
    // The work is counted per statement: many long ones in a row each run to their end.
    for (int i = 0; i < 12; ++i) {
        ASSERT_EQ(fehler(v, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                           "WHERE i < 200000) SELECT count(*) FROM n")),
                  QString())
            << i;
        EXPECT_GT(DbVerbindung::Fortschrittsaufrufe(), DbVerbindung::MaxFortschrittsaufrufe / 100) << i;
        EXPECT_LT(DbVerbindung::Fortschrittsaufrufe(), DbVerbindung::MaxFortschrittsaufrufe) << i;
    }

    EXPECT_TRUE(fehler(v, QStringLiteral("SELECT length(zeroblob(50000000))")).contains(QStringLiteral("too big")));
    // 1 + 1 + ... nests one level per term.
    EXPECT_TRUE(fehler(v, QStringLiteral("SELECT 1") + QStringLiteral(" + 1").repeated(150))
                    .contains(QStringLiteral("too large")));
    // Defensive: not even writable_schema lets a statement change the schema table.
    fehler(v, QStringLiteral("PRAGMA writable_schema = ON"));
    EXPECT_FALSE(fehler(v, QStringLiteral("UPDATE sqlite_master SET sql = 'CREATE TABLE T (y)'")).isEmpty());
    QSqlQuery q(v->db());
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA trusted_schema")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), 0);
}

TEST_F(Abschirmung, SchemaVonAußenWirdVorJederAbfrageGeprüft)
{
    const Schemaerwartung erwartet =
        SchemaAusDdl(QStringLiteral("CREATE TABLE T (a SHORT, b DOUBLE, c TEXT(5)); CREATE TABLE U (d LONGTEXT);"));
    ASSERT_EQ(erwartet.tabellen.size(), 2);
    const QString tabelleU = QStringLiteral("CREATE TABLE U (d LONGTEXT)");
    const QString tabelleT = QStringLiteral("CREATE TABLE T (a SHORT, b DOUBLE, c TEXT(5))");
    struct Fall {
        const char* name;
        QStringList sql;
        int text;  // 0: the file passes
        QString teil;
    };
    const Fall fälle[] = {
        {"passend, mit weiteren Tabellen und Spalten",
         {QStringLiteral("CREATE TABLE T (a SHORT, b DOUBLE, c TEXT(5), z TEXT)"), tabelleU,
          QStringLiteral("CREATE TABLE Mehr (x)"), QStringLiteral("INSERT INTO T VALUES (-32768, 1e300, 'abcde', x'00')")},
         0, {}},
        {"Sicht", {tabelleT, tabelleU, QStringLiteral("CREATE VIEW Sicht AS SELECT * FROM T")}, 2984, QStringLiteral("Sicht")},
        {"Sicht an Stelle der Tabelle", {tabelleT, QStringLiteral("CREATE VIEW U AS SELECT a AS d FROM T")}, 2984,
         QStringLiteral("U")},
        {"Trigger", {tabelleT, tabelleU, QStringLiteral("CREATE TRIGGER Weg AFTER INSERT ON U BEGIN DELETE FROM T; END")},
         2984, QStringLiteral("Weg")},
        {"virtuelle Tabelle", {tabelleT, tabelleU, QStringLiteral("CREATE VIRTUAL TABLE Raum USING rtree(id, x0, x1)")},
         2984, QStringLiteral("[Raum]")},
        {"berechnete Spalte",
         {tabelleT, QStringLiteral("CREATE TABLE U (d LONGTEXT, e GENERATED ALWAYS AS (hex(zeroblob(1000))) VIRTUAL)")},
         2984, QStringLiteral("[U]")},
        {"Tabelle fehlt", {tabelleT}, 2986, QStringLiteral("[U]")},
        {"Spalte fehlt", {QStringLiteral("CREATE TABLE T (a SHORT, c TEXT(5))"), tabelleU}, 2987, QStringLiteral("[b]")},
        {"anderer Typ", {QStringLiteral("CREATE TABLE T (a SHORT, b TEXT, c TEXT(5))"), tabelleU}, 2988,
         QStringLiteral("DOUBLE")},
        {"Text in Zahlenspalte", {tabelleT, tabelleU, QStringLiteral("INSERT INTO T (b) VALUES ('neunzehn')")}, 2989,
         QStringLiteral("neunzehn")},
        {"Zahl außerhalb des Bereichs", {tabelleT, tabelleU, QStringLiteral("INSERT INTO T (a) VALUES (40000)")}, 2989,
         QStringLiteral("[a]")},
        {"unendlich", {tabelleT, tabelleU, QStringLiteral("INSERT INTO T (b) VALUES (1e999)")}, 2989, QStringLiteral("[b]")},
        {"Text zu lang", {tabelleT, tabelleU, QStringLiteral("INSERT INTO T (c) VALUES ('abcdef')")}, 2989,
         QStringLiteral("[c]")},
        {"BLOB in Textspalte", {tabelleT, tabelleU, QStringLiteral("INSERT INTO U VALUES (x'0102')")}, 2989,
         QStringLiteral("BLOB")},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        TestDatenbank datei(f.sql);
        QString grund;
        const std::shared_ptr<DbVerbindung> v =
            DbVerbindung::ÖffnenVonAußen(datei.pfad(), Kennwort::Projektdatenbank, erwartet, &grund);
        if (f.text == 0) {
            EXPECT_TRUE(v) << grund.toStdString();
            continue;
        }
        EXPECT_FALSE(v);
        const QString vorlage = LadeText(f.text);
        EXPECT_TRUE(grund.startsWith(vorlage.left(vorlage.indexOf(QLatin1Char('%'))))) << grund.toStdString();
        EXPECT_TRUE(grund.contains(f.teil)) << grund.toStdString();
    }
    // A file that is no database is named as damaged.
    TestDatenbank leer;
    {
        QFile f(leer.pfad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    QString grund;
    EXPECT_FALSE(DbVerbindung::ÖffnenVonAußen(leer.pfad(), Kennwort::Projektdatenbank, erwartet, &grund));
    EXPECT_TRUE(grund.contains(QStringLiteral("beschädigt"))) << grund.toStdString();
}
