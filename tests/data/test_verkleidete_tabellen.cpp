// A table from outside is what SQLite made of its schema, not what its stored text seems to say.

#include <gtest/gtest.h>

#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/MeldungsRecorder.h"
#include "support/TestDatenbank.h"

TEST(VerkleideteTabellen, VirtuelleTabelleWirdAnIhremWesenErkannt)
{
    zustandZuruecksetzen();
    MeldungsRecorder rec;
    const Schemaerwartung erwartet = SchemaAusDdl(QStringLiteral("CREATE TABLE T (a SHORT);"));
    // The stored text rewritten so that it no longer begins with "CREATE VIRTUAL".
    const QStringList getarnt = {QStringLiteral("PRAGMA writable_schema = ON"),
                                 QStringLiteral("UPDATE sqlite_master SET sql = replace(sql, 'CREATE VIRTUAL', "
                                                "'CREATE/**/VIRTUAL') WHERE name = 'Raum'")};
    struct Fall {
        const char* name;
        QStringList sql;
    };
    const Fall fälle[] = {
        {"Kommentar im Text",
         QStringList{QStringLiteral("CREATE TABLE T (a SHORT)"),
                     QStringLiteral("CREATE VIRTUAL TABLE Raum USING rtree(id, x0, x1)")}
             + getarnt},
        {"an Stelle der erwarteten Tabelle",
         {QStringLiteral("CREATE VIRTUAL TABLE T USING rtree(id, x0, x1)"), QStringLiteral("PRAGMA writable_schema = ON"),
          QStringLiteral("UPDATE sqlite_master SET sql = replace(sql, 'CREATE VIRTUAL', 'CREATE/**/VIRTUAL') "
                         "WHERE name = 'T'")}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        TestDatenbank datei(f.sql);
        QString grund;
        bool vorübergehend = true;
        EXPECT_FALSE(DbVerbindung::ÖffnenVonAußen(datei.pfad(), Kennwort::Projektdatenbank, erwartet, &grund,
                                                  &vorübergehend));
        const QString vorlage = LadeText(2984);
        EXPECT_TRUE(grund.startsWith(vorlage.left(vorlage.indexOf(QLatin1Char('%'))))) << grund.toStdString();
        EXPECT_FALSE(vorübergehend);
    }
}
