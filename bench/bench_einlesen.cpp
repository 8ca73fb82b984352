// Restores a file of n sound and n damaged projects (each damaged one given up after its rows
// were written) into a project database that holds n other projects; prints the time for n and
// for 2n, which should grow about linearly. Then restores a project with one remark line of
// 20 MB and of 200 MB, each in a child process: its peak memory should not grow with the line.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "data/Tabellenaufbau.h"
#include "projects/Einlesevorgang.h"
#include "base/Programmzustand.h"
#include "support/ImKind.h"
#include "support/MeldungsRecorder.h"
#include "support/TransferProtokoll.h"

namespace {

QByteArray zeile(const QByteArray& schlüssel, const QByteArray& wert)
{
    return schlüssel + '\t' + wert + "\t\r\n";
}

QByteArray projekt(const QByteArray& nr, bool beschädigt)
{
    QByteArray p = zeile("$BEGIN$", "$PROJEKT$") + zeile("$BEGIN$", "$TABELLE$") + zeile("Projekt Nr", nr)
                   + zeile("Projektart", "Dr") + zeile("Bauherr", "Wohnbau Süd") + zeile("$ENDE$", "$TABELLE$")
                   + zeile("$BEGIN$", "$TABELLE$") + zeile("Projekt Nr", nr) + zeile("Nutzvolumen", "120");
    // A misspelt end line: the project is given up after its rows were written.
    p += beschädigt ? zeile("$ENDE$", "$TABELE$") : zeile("$ENDE$", "$TABELLE$");
    return p + zeile("$ENDE$", "$PROJEKT$");
}

qint64 lauf(int n)
{
    QTemporaryDir ordner;
    Programmzustand& z = zustand();
    z.Projekt_Data_Source = ordner.filePath(QStringLiteral("Projekte.db"));
    z.TempOrdner = ordner.path();
    BaueProjektdatenbank(z.Projekt_Data_Source);
    for (int i = 0; i < n; ++i)
        FuegeZeileEin(Tabelle::ProjekteTabelle, {{Tabelle::ProjektNr, QStringLiteral("S%1").arg(i)},
                                                 {QStringLiteral("Projektart"), QStringLiteral("Dr")}});
    QByteArray inhalt;
    for (int i = 0; i < n; ++i)
        inhalt += projekt("G" + QByteArray::number(i), false) + projekt("D" + QByteArray::number(i), true);
    const QString datei = ordner.filePath(QStringLiteral("Sicherung.sic"));
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
        return -1;
    f.close();
    MeldungsRecorder meldungen;
    QElapsedTimer uhr;
    uhr.start();
    Einlesevorgang().LiesDatei(datei);
    return uhr.elapsed();
}

// Peak resident size (kB) of a child that restores one project whose remark line has the given
// length; the file is written in pieces, so that the child inherits none of it.
long spitzeKb(qint64 länge)
{
    QTemporaryDir ordner;
    Programmzustand& z = zustand();
    z.Projekt_Data_Source = ordner.filePath(QStringLiteral("Projekte.db"));
    z.TempOrdner = ordner.path();
    BaueProjektdatenbank(z.Projekt_Data_Source);
    const QString datei = ordner.filePath(QStringLiteral("Sicherung.sic"));
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return -1;
    f.write(zeile("$BEGIN$", "$PROJEKT$") + zeile("$BEGIN$", "$TABELLE$") + zeile("Projekt Nr", "L1")
            + zeile("Projektart", "Dr") + "Bemerkungen\t");
    const QByteArray stück(1 << 20, 'r');
    for (qint64 n = 0; n < länge; n += stück.size())
        f.write(stück.constData(), std::min<qint64>(stück.size(), länge - n));
    f.write("\t\r\n" + zeile("$ENDE$", "$TABELLE$") + zeile("$ENDE$", "$PROJEKT$"));
    f.close();
    const Kindlauf lauf = ImKindLauf(
        [&] {
            MeldungsRecorder meldungen;
            Einlesevorgang().LiesDatei(datei);
            return QByteArray();
        },
        {600000, 16L * 1024 * 1024});
    return lauf.beendet ? lauf.maxRssKb : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;
    for (const int k : {n, 2 * n}) {
        const qint64 ms = lauf(k);
        std::printf("restoring %d sound and %d damaged projects over %d stored: %lld ms\n", k, k, k,
                    static_cast<long long>(ms));
    }
    const long klein = spitzeKb(20LL << 20);
    const long groß = spitzeKb(200LL << 20);
    std::printf("restoring a 20 MB remark line: peak %ld kB; a 200 MB line: peak %ld kB; ratio %.2f\n", klein, groß,
                klein > 0 ? double(groß) / double(klein) : 0.0);
    return 0;
}
