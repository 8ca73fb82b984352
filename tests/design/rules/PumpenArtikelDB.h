#pragma once
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include "data/Kennwort.h"
#include "shell/Programmzustand.h"

// A small article database in a temporary folder with the tables the pump and compressor look-ups
// read, filled with the demo content file of [PumpenKomprSteuerung] and a few group-14 vessels.
// It becomes the program's article database while the object lives.
class PumpenArtikelDB {
public:
    PumpenArtikelDB()
        : m_vorher(zustand().Artikel_Data_Source)
    {
        pfad = m_dir.filePath(QStringLiteral("Artikeld.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kVerbindung);
            db.setDatabaseName(pfad);
            ok = db.open();
            for (const char* sql : kTabellen)
                ok = ok && ausfuehren(db, QString::fromUtf8(sql));
            ok = ok && ladeDatei(db, QStringLiteral(KELVOR_SOURCE_DIR "/resources/artikel/40_pumpen_kompressoren.sql"));
            ok = ok && Kennwort::Setzen(db, Kennwort::Artikeldatenbank);
            db.close();
        }
        QSqlDatabase::removeDatabase(kVerbindung);
        zustand().Artikel_Data_Source = pfad;
    }
    ~PumpenArtikelDB() { zustand().Artikel_Data_Source = m_vorher; }
    PumpenArtikelDB(const PumpenArtikelDB&) = delete;
    PumpenArtikelDB& operator=(const PumpenArtikelDB&) = delete;

    // Runs statements on the file (for checks and changes of a single test).
    template <typename F>
    void mitVerbindung(F&& f)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kVerbindung);
            db.setDatabaseName(pfad);
            ASSERT_TRUE(db.open());
            f(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(kVerbindung);
    }

    static bool ausfuehren(QSqlDatabase& db, const QString& sql)
    {
        QSqlQuery q(db);
        if (q.exec(sql))
            return true;
        ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
        return false;
    }

    QString pfad;
    bool ok = false;

private:
    static bool ladeDatei(QSqlDatabase& db, const QString& datei)
    {
        QFile f(datei);
        if (!f.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read " << datei.toStdString();
            return false;
        }
        QString text;
        for (const QString& zeile : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
            if (!zeile.trimmed().startsWith(QLatin1String("--")))
                text += zeile + QLatin1Char('\n');
        for (const QString& sql : text.split(QLatin1String(";\n"))) {
            if (!sql.trimmed().isEmpty() && !ausfuehren(db, sql))
                return false;
        }
        return true;
    }

    static inline const QString kVerbindung = QStringLiteral("pumpen_artikel_fixture");
    static constexpr const char* kTabellen[] = {
        "CREATE TABLE LANGTEXTE (ltLangtextnr INTEGER PRIMARY KEY, ltText TEXT)",
        "CREATE TABLE ARTIKEL (arArtikelnr TEXT COLLATE NOCASE PRIMARY KEY, arKurztext1 TEXT, arKurztext2 TEXT,"
        " arPreis REAL, ltLangtextnr INTEGER)",
        "CREATE TABLE Artikel_Zusatz (artikelnr TEXT COLLATE NOCASE PRIMARY KEY, dxfText TEXT, entluefterCode TEXT,"
        " entluefterSortier INTEGER, Solaranlage BOOLEAN NOT NULL, TitelGruppe INTEGER)",
        "CREATE TABLE [PumpenKomprSteuerung] (PumpKomprTyp TEXT NOT NULL, Steuermodul TEXT NOT NULL,"
        " Artikelnr TEXT COLLATE NOCASE UNIQUE, ArtNrKappV TEXT COLLATE NOCASE, Beschreibung TEXT,"
        " PRIMARY KEY (PumpKomprTyp, Steuermodul))",
        "CREATE TABLE [Grunddaten Gefäße] ([Art Nr] TEXT COLLATE NOCASE PRIMARY KEY, [Art Gr Berechn Prg] INTEGER,"
        " [Inhalt in ltr] INTEGER, [Art Nr Kappenventil] TEXT, ArtNr2Kappenventil TEXT)",
        "INSERT INTO [Grunddaten Gefäße] VALUES ('41401', 14, 200, '24225', '24240'),"
        " ('41410', 14, 3000, '24225', ''), ('40201', 2, 35, '24120', NULL)",
    };

    QTemporaryDir m_dir;
    QString m_vorher;
};
