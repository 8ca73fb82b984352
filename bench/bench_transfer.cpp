// Writes 1,000 heating projects through the transfer stream and reads them back into an empty
// project database; prints both times.
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

#include "data/Kennwort.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "support/TransferProtokoll.h"

namespace {

// Fills n heating projects with values in every field.
QStringList fülle(int n)
{
    Feldliste heizung;
    Tabellenaufbau::Aufbauen(Tabelle::Heizungsparameter, heizung);
    datenbank projekte, parameter;
    const QString& pfad = zustand().Projekt_Data_Source;
    projekte.OpenTab(pfad, QStringLiteral("Select * From ProjekteTabelle"), 2, Kennwort::Projektdatenbank, true);
    parameter.OpenTab(pfad, QStringLiteral("Select * From Heizungsparameter"), 2, Kennwort::Projektdatenbank, true);
    DbTransaktion tx(projekte.Verbindung());
    QStringList nummern;
    for (int i = 1; i <= n; ++i) {
        const QString nr = QString::number(i);
        nummern << nr;
        projekte.AddNew();
        projekte.SetFeld(Tabelle::ProjektNr, VbVariant(nr));
        projekte.SetFeld(QStringLiteral("Projektart"), VbVariant("He"));
        projekte.SetFeld(QStringLiteral("Projektbezeichnung"), VbVariant(QStringLiteral("Heizzentrale Nr. %1").arg(i)));
        projekte.SetFeld(QStringLiteral("Bauherr"), VbVariant("Wohnbau Süd GmbH"));
        projekte.SetFeld(QStringLiteral("Bemerkungen"), VbVariant("Zwei Kessel\r\nDachzentrale"));
        projekte.SetFeld(QStringLiteral("Datum"), VbVariant::datum(45306.0 + i));
        projekte.UpdateTab();
        parameter.AddNew();
        int k = 0;
        for (const ManipDBField& f : heizung) {
            ++k;
            switch (f.fieldtype) {
            case Feldtyp::Boolean: parameter.SetFeld(f.fieldbez, VbVariant((i + k) % 2 == 0)); break;
            case Feldtyp::Byte: parameter.SetFeld(f.fieldbez, VbVariant::byte(uint8_t((i + k) % 200))); break;
            case Feldtyp::Integer: parameter.SetFeld(f.fieldbez, VbVariant::integer(int16_t(i + k))); break;
            case Feldtyp::Long: parameter.SetFeld(f.fieldbez, VbVariant::lng(i * 1000 + k)); break;
            case Feldtyp::Single: parameter.SetFeld(f.fieldbez, VbVariant::single(float(i + k) / 3.0f)); break;
            case Feldtyp::Text: parameter.SetFeld(f.fieldbez, VbVariant(QStringLiteral("A%1-%2").arg(k).arg(i % 97))); break;
            default: break;
            }
        }
        parameter.SetFeld(Tabelle::ProjektNr, VbVariant(nr));
        parameter.UpdateTab();
    }
    tx.Commit();
    return nummern;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    QTemporaryDir ordner;
    const QString quelle = ordner.filePath(QStringLiteral("Quelle.db"));
    const QString ziel = ordner.filePath(QStringLiteral("Ziel.db"));
    Programmzustand& z = zustand();
    z.ErrorCancel = false;
    z.versHaupt = 2;
    z.versNeben = 5;
    BaueProjektdatenbank(quelle);
    BaueProjektdatenbank(ziel);
    z.Projekt_Data_Source = quelle;
    QElapsedTimer uhr;
    uhr.start();
    const QStringList nummern = fülle(n);
    std::printf("filling %d heating projects: %lld ms\n", n, static_cast<long long>(uhr.elapsed()));

    QBuffer datei;
    datei.open(QIODevice::WriteOnly);
    long ergebnis = 0;
    uhr.start();
    TransferProtokoll::Sichere(datei, nummern, &ergebnis);
    const qint64 schreiben = uhr.elapsed();
    std::printf("writing:  %lld ms (%lld bytes, result %ld)\n", static_cast<long long>(schreiben),
                static_cast<long long>(datei.size()), ergebnis);

    datei.close();
    datei.open(QIODevice::ReadOnly);
    z.Projekt_Data_Source = ziel;
    uhr.start();
    const long gelesen = TransferProtokoll::Lies(datei);
    std::printf("reading:  %lld ms (result %ld)\n", static_cast<long long>(uhr.elapsed()), gelesen);
    return 0;
}
