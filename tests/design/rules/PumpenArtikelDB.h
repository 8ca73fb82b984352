#pragma once
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "data/Kennwort.h"
#include "base/Programmzustand.h"
#include "support/TestDatenbank.h"

// A small article database with the tables the pump and compressor look-ups read, filled with
// the demo content file of [PumpenKomprSteuerung] and three vessels: 41401 (group 14, both
// connection groups), 41410 (group 14, no group for two pumps), 40201 (group 2, only the first
// column). It is the program's article database while the object lives.
class PumpenArtikelDB {
public:
    PumpenArtikelDB()
        : m_db(tabellen() + demoInhalt(), Kennwort::Artikeldatenbank, QStringLiteral("Artikeld.db")),
          m_vorher(zustand().Artikel_Data_Source)
    {
        zustand().Artikel_Data_Source = m_db.pfad();
    }
    ~PumpenArtikelDB() { zustand().Artikel_Data_Source = m_vorher; }
    PumpenArtikelDB(const PumpenArtikelDB&) = delete;
    PumpenArtikelDB& operator=(const PumpenArtikelDB&) = delete;

    const TestDatenbank& db() const { return m_db; }

private:
    static QStringList tabellen()
    {
        return {
            QStringLiteral("CREATE TABLE LANGTEXTE (ltLangtextnr INTEGER NOT NULL UNIQUE, ltText TEXT)"),
            QStringLiteral("CREATE TABLE ARTIKEL (arArtikelnr TEXT COLLATE NOCASE NOT NULL PRIMARY KEY, "
                           "arKurztext1 TEXT, arKurztext2 TEXT, arPreis REAL, ltLangtextnr INTEGER)"),
            QStringLiteral("CREATE TABLE Artikel_Zusatz (artikelnr TEXT COLLATE NOCASE NOT NULL PRIMARY KEY, "
                           "dxfText TEXT, entluefterCode TEXT, entluefterSortier INTEGER, "
                           "Solaranlage BOOLEAN NOT NULL CHECK (Solaranlage IN (-1, 0)), TitelGruppe INTEGER)"),
            QStringLiteral("CREATE TABLE PumpenKomprSteuerung (PumpKomprTyp TEXT NOT NULL, Steuermodul TEXT NOT NULL, "
                           "Artikelnr TEXT COLLATE NOCASE UNIQUE, ArtNrKappV TEXT COLLATE NOCASE, Beschreibung TEXT, "
                           "PRIMARY KEY (PumpKomprTyp, Steuermodul))"),
            QStringLiteral("CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT COLLATE NOCASE NOT NULL PRIMARY KEY, "
                           "[Art Gr Berechn Prg] INTEGER, [Inhalt in ltr] INTEGER, [Art Nr Kappenventil] TEXT, "
                           "ArtNr2Kappenventil TEXT)"),
            QStringLiteral("INSERT INTO [Grunddaten Gefäße] VALUES ('41401', 14, 200, '24225', '24240'), "
                           "('41410', 14, 3000, '24225', ''), ('40201', 2, 35, '24120', NULL)"),
        };
    }

    // The statements of the demo content file (comment lines dropped, split at ";" + line end).
    static QStringList demoInhalt()
    {
        QFile f(QStringLiteral(KELVOR_SOURCE_DIR "/resources/artikel/40_pumpen_kompressoren.sql"));
        if (!f.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read " << f.fileName().toStdString();
            return {};
        }
        QString text;
        for (const QString& zeile : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
            if (!zeile.trimmed().startsWith(QLatin1String("--")))
                text += zeile + QLatin1Char('\n');
        QStringList sql;
        for (const QString& s : text.split(QLatin1String(";\n")))
            if (!s.trimmed().isEmpty())
                sql << s;
        return sql;
    }

    TestDatenbank m_db;
    QString m_vorher;
};
