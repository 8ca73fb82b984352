// Fuzz target: the restore of a transfer file into a project database that holds one project
// of every kind of row, so that conflicts and overwriting are reached.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "base/Programmzustand.h"
#include "data/Tabellenaufbau.h"
#include "projects/Einlesevorgang.h"
#include "support/MeldungsRecorder.h"
#include "support/TransferProtokoll.h"

namespace {

struct Umgebung {
    QTemporaryDir ordner;
    QString vorlage;  // the database as every run starts with it
    QString db;
    QString datei;

    Umgebung()
    {
        QDir(ordner.path()).mkpath(QStringLiteral("Daten"));
        QDir(ordner.path()).mkpath(QStringLiteral("tmp"));
        vorlage = ordner.filePath(QStringLiteral("Vorlage.db"));
        db = ordner.filePath(QStringLiteral("Daten/Projektverwaltung.db"));
        datei = ordner.filePath(QStringLiteral("Sicherung.sic"));
        setze();
        zustand().Projekt_Data_Source = vorlage;
        BaueProjektdatenbank(vorlage);
        LegeProjektAn(QStringLiteral("1"), QStringLiteral("Sp"));
        FuegeZeileEin(Tabelle::SpeicherBedarfsKz,
                      {{Tabelle::ProjektNr, QStringLiteral("1")}, {QStringLiteral("WohnungsgruppenNr"), 1}});
        LegeProjektAn(QStringLiteral("2"), QStringLiteral("He"));
    }
    void setze()
    {
        zustandZuruecksetzen();
        Programmzustand& z = zustand();
        z.Datenpfad = ordner.path();
        z.TempOrdner = ordner.filePath(QStringLiteral("tmp"));
        z.ProjektDatenbankName = QStringLiteral("Projektverwaltung.db");
        z.Projekt_Data_Source = db;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t größe)
{
    static Umgebung u;
    static MeldungsRecorder meldungen;
    u.setze();
    QFile::remove(u.db);
    if (!QFile::copy(u.vorlage, u.db))
        return 0;
    {
        QFile f(u.datei);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(daten), static_cast<qint64>(größe));
    }
    meldungen.leeren();
    KonfliktSkript skript;
    skript.antworten = {KonfliktAntwort::Überschreiben, KonfliktAntwort::AlleÜberschreiben};
    Einlesevorgang v;
    v.LiesDatei(u.datei);
    return 0;
}
