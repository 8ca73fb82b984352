#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <utility>

#include "ProjektDbFixture.h"
#include "data/Kennwort.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "support/TransferProtokoll.h"

using Werte = QList<std::pair<QString, VbVariant>>;

class Transfer : public ProjektDbFixture {
protected:
    // A new project database (building it makes the version the current one).
    void SetUp() override
    {
        ProjektDbFixture::SetUp();
        baue();
    }

    // Adds a row through the table access.
    void zeile(const QString& tabelle, const Werte& werte) { FuegeZeileEin(tabelle, werte); }
    // Changes a field of the first row of a project.
    void ändere(const QString& tabelle, const QString& nr, const QString& feld, const VbVariant& wert)
    {
        datenbank tab;
        ASSERT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, auswahl(tabelle, nr), 2, Kennwort::Projektdatenbank,
                              true), 0);
        tab.SetFeld(feld, wert);
        tab.UpdateTab();
    }
    // A project row and, when the type has one, its parameter row with the list defaults.
    void projekt(const QString& nr, const QString& art, const Werte& parameter = {})
    {
        LegeProjektAn(nr, art, {}, parameter);
    }
    // A storage water heater project with the dwelling groups 11, 12, ...
    void speicherprojekt(const QString& nr, int gruppen)
    {
        projekt(nr, QStringLiteral("Sp"));
        for (int i = 1; i <= gruppen; ++i)
            zeile(Tabelle::SpeicherBedarfsKz,
                  {{Tabelle::ProjektNr, nr}, {QStringLiteral("WohnungsgruppenNr"), 10 + i}});
    }
    // One field of the rows of a project (in row order).
    QList<VbVariant> felder(const QString& tabelle, const QString& nr, const QString& feld)
    {
        datenbank tab;
        QList<VbVariant> l;
        EXPECT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, auswahl(tabelle, nr), 2, Kennwort::Projektdatenbank,
                              true), 0);
        for (tab.MoveFirst(); !tab.EofTab(); tab.MoveNext())
            l << tab.GetFeld(feld);
        return l;
    }
    // Every field of the rows of a project.
    QList<QHash<QString, VbVariant>> zeilen(const QString& tabelle, const QString& nr)
    {
        Feldliste liste;
        Tabellenaufbau::Aufbauen(tabelle, liste);
        datenbank tab;
        QList<QHash<QString, VbVariant>> l;
        EXPECT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, auswahl(tabelle, nr), 2, Kennwort::Projektdatenbank,
                              true), 0);
        for (tab.MoveFirst(); !tab.EofTab(); tab.MoveNext()) {
            QHash<QString, VbVariant> z;
            for (const ManipDBField& f : liste)
                z.insert(f.fieldbez, tab.GetFeld(f.fieldbez));
            l << z;
        }
        return l;
    }
    static QString auswahl(const QString& tabelle, const QString& nr)
    {
        return QStringLiteral("Select * From ") + tabelle + QStringLiteral(" WHERE [Projekt Nr] = '")
               + QString(nr).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
    }
    VbVariant feld(const QString& tabelle, const QString& nr, const QString& name)
    {
        const QList<VbVariant> l = felder(tabelle, nr, name);
        EXPECT_EQ(l.size(), 1) << tabelle.toStdString() << " " << nr.toStdString();
        return l.value(0);
    }
    // The project numbers of all rows of a table, as stored.
    QStringList nummern(const QString& tabelle)
    {
        datenbank tab;
        QStringList l;
        EXPECT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, QStringLiteral("Select * From ") + tabelle, 2,
                              Kennwort::Projektdatenbank, true), 0);
        for (tab.MoveFirst(); !tab.EofTab(); tab.MoveNext())
            l << tab.GetFeld(Tabelle::ProjektNr).toString();
        return l;
    }
    int anzahl(const QString& tabelle, const QString& nr)
    {
        return static_cast<int>(felder(tabelle, nr, Tabelle::ProjektNr).size());
    }
    // Another, empty project database; it becomes the current one.
    QString zweiteDatenbank(const QString& name = QStringLiteral("Ziel.db"))
    {
        const QString p = ordner.filePath(name);
        baue(p);
        zustand().Projekt_Data_Source = p;
        return p;
    }
    static QByteArray cp(const char* utf8) { return Sicherungsdatei::NachCp1252(QString::fromUtf8(utf8)); }
    // A transfer file of key/value lines.
    static QByteArray datei(const QList<std::pair<const char*, const char*>>& zeilen)
    {
        QByteArray b;
        for (const auto& [k, w] : zeilen)
            b += cp(k) + '\t' + cp(w) + "\t\r\n";
        return b;
    }
};

