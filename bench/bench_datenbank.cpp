// Opens a snapshot of 10,000 rows and finds its last row; prints the times.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "data/Kennwort.h"
#include "data/datenbank.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("bench.db"));
    constexpr int zeilen = 10000;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("aufbau"));
        db.setDatabaseName(pfad);
        db.open();
        Kennwort::Setzen(db, Kennwort::Projektdatenbank);
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE ProjekteTabelle (ProjektKey COUNTER, [Projekt Nr] TEXT(15), "
                              "Projektart TEXT(2), Projektbezeichnung TEXT(50), Bauherr TEXT(50), [Straße] TEXT(50), "
                              "PLZ TEXT(8), Ort TEXT(50), Leistung SINGLE, Druck DOUBLE, Geprüft BOOLEAN, "
                              "Datum DATETIME)"));
        db.transaction();
        q.prepare(QStringLiteral("INSERT INTO ProjekteTabelle VALUES (?, ?, 'He', ?, 'Bauherr', 'Hauptstraße 1', "
                                 "'12345', 'Musterstadt', 125.5, 2.5, -1, '2024-01-01 00:00:00')"));
        for (int i = 1; i <= zeilen; ++i) {
            q.addBindValue(i);
            q.addBindValue(QString::number(i));
            q.addBindValue(QStringLiteral("Projekt %1").arg(i));
            q.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("aufbau"));

    std::vector<double> öffnen, finden;
    for (int lauf = 0; lauf < 7; ++lauf) {
        datenbank db;
        QElapsedTimer t;
        t.start();
        const int32_t code = db.OpenTab(pfad, QStringLiteral("Select * From ProjekteTabelle ORDER BY [Projekt Nr]"), 3,
                                        Kennwort::Projektdatenbank, true);
        öffnen.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        const bool gefunden = db.Find(QStringLiteral("[Projektbezeichnung] = 'projekt 9999'"));
        finden.push_back(t.nsecsElapsed() / 1e6);
        if (code != 0 || !gefunden || db.GetFeld(QStringLiteral("ProjektKey")).toLong() != 9999) {
            std::printf("Fehler: Code %d, gefunden %d\n", code, gefunden);
            return 1;
        }
    }
    std::sort(öffnen.begin(), öffnen.end());
    std::sort(finden.begin(), finden.end());
    std::printf("OpenTab, %d Zeilen:       Median %.1f ms (min %.1f, max %.1f)\n", zeilen, öffnen[3], öffnen.front(),
                öffnen.back());
    std::printf("Find bis zur letzten Zeile: Median %.1f ms (min %.1f, max %.1f)\n", finden[3], finden.front(),
                finden.back());
    return 0;
}
