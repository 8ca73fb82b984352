// The project page over 10,000 projects: opening the page, re-sorting in each of the five orders,
// searching and proposing the next number; prints the times (median of several runs).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "data/Kennwort.h"
#include "projects/Projektseite.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/TransferProtokoll.h"

namespace {

constexpr int Projekte = 10000;
constexpr int Läufe = 7;

void fülle(const QString& pfad)
{
    static const char* const arten[] = {"He", "So", "Kü", "Dr", "Tr", "Sp"};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuellen"));
    db.setDatabaseName(pfad);
    db.open();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO ProjekteTabelle ([Projekt Nr], Projektart, Projektbezeichnung, Bauherr, "
                             "[Straße], PLZ, Ort, Angebotsnummer, Bemerkungen, Datum, ArtErstellung) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"));
    for (int i = 0; i < Projekte; ++i) {
        // Numbers in no particular order, some with letters.
        const int n = (i * 7919) % Projekte + 1;
        q.addBindValue(i % 10 == 0 ? QStringLiteral("K%1").arg(n) : QString::number(n));
        q.addBindValue(QString::fromUtf8(arten[i % 6]));
        q.addBindValue(QStringLiteral("Objekt %1 Heizzentrale").arg((i * 31) % 997));
        q.addBindValue(QStringLiteral("Wohnbau Süd GmbH"));
        q.addBindValue(QStringLiteral("Hauptstraße %1").arg(i % 200));
        q.addBindValue(QStringLiteral("%1").arg(10000 + i % 80000));
        q.addBindValue(QStringLiteral("Ulm"));
        q.addBindValue(QStringLiteral("AN-%1").arg((i * 13) % 5000));
        q.addBindValue(QStringLiteral("Zwei Kessel\r\nDachzentrale"));
        q.addBindValue(QDate(2000, 1, 1).addDays(i % 9000).toString(Qt::ISODate) + QStringLiteral(" 00:00:00"));
        q.exec();
    }
    db.commit();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fuellen"));
}

double median(const std::function<void()>& schritt)
{
    std::vector<double> ms;
    for (int i = 0; i < Läufe; ++i) {
        QElapsedTimer t;
        t.start();
        schritt();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Projektverwaltung.db"));
    BaueProjektdatenbank(pfad);
    fülle(pfad);

    Programmzustand& z = zustand();
    z.Projekt_Data_Source = pfad;
    const int texte[] = {161, 162, 163, 164, 165};
    QString* sortierungen[] = {&z.sortierungProjektnummer, &z.sortierungProjektart, &z.sortierungProjBezeichnung,
                               &z.sortierungProjAngebotsNr, &z.sortierungProjektDatum};
    for (int i = 0; i < 5; ++i)
        *sortierungen[i] = LadeText(texte[i]);
    z.aktSortierung = z.sortierungProjektnummer;
    z.aktProjektnummer = QStringLiteral("5000");
    z.ProjektartNeuanlage = QStringLiteral("He");

    std::printf("Projektseite mit %d Projekten (Median aus %d Läufen):\n", Projekte, Läufe);
    const double laden = median([] {
        Projektseite seite;
        seite.Laden();
        seite.Entladen();
    });
    std::printf("  Seite öffnen (sortiert laden, Projekt 5000 zeigen): %8.2f ms\n", laden);

    Projektseite seite;
    seite.Laden();
    const char* namen[] = {"Projektnummer", "Projektart", "Bezeichnung", "Angebotsnummer", "Datum"};
    for (int i = 0; i < 5; ++i) {
        const double ms = median([&] {
            seite.SetSortierstrings(*sortierungen[i]);
            seite.ReOpenProjektTabelle(QStringLiteral("5000"), seite.SortierString1, seite.SortierString2);
        });
        std::printf("  Neu sortieren nach %-15s:                  %8.2f ms\n", namen[i], ms);
    }
    const struct {
        int sortierung;
        const char* text;
    } suchen[] = {{0, "9999"}, {2, "Objekt 996"}, {3, "AN-4999"}, {4, "01.08.2024"}, {0, "ZZZ"}};
    for (const auto& s : suchen) {
        const double ms = median([&] {
            seite.SetSortierstrings(*sortierungen[s.sortierung]);
            seite.SuchenRecordset(QString::fromUtf8(s.text), seite.SortierString1, seite.SortierString2);
        });
        std::printf("  Suchen \"%s\" (%s): %*s%8.2f ms\n", s.text, namen[s.sortierung],
                    static_cast<int>(34 - std::strlen(s.text) - std::strlen(namen[s.sortierung])), "", ms);
    }
    const double vorschlag = median([&] {
        seite.ProjektAnlegen(false);
        seite.ReOpenProjektTabelle(QStringLiteral("5000"), seite.SortierString1, seite.SortierString2);
    });
    std::printf("  Neue Nummer vorschlagen (mit neuem Lesen):         %8.2f ms\n", vorschlag);
    seite.Entladen();
    return 0;
}
