#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

#include "data/Fortschrittsfenster.h"

// The start page's check of the project database, run at every activation of the page: puts back
// a database left by an interrupted compaction or conversion, refuses a damaged file, creates a
// missing database, extends one of the current schema, converts an older one through the transfer
// stream after asking, and ends the program on a newer one. Works on zustand().Projekt_Data_Source
// and shows its progress in a Fortschrittsfenster made by the given factory.
class Projektdatenbankprüfung {
public:
    // How the start page goes on.
    enum class Ende {
        Weiter,    // menus and Weiter
        Beenden,   // the program ends without the exit question (BeendenAbfragen is cleared)
        Abbruch,   // forced end: AbbruchCode 1, AbbruchText set
        LäuftBereits,  // a check was already running; nothing was done
    };
    // Outcome of a conversion.
    enum class Konvertierung { Konvertiert, KeineProjekte, Fehlgeschlagen };

    using FensterFabrik = std::function<std::unique_ptr<Fortschrittsfenster>()>;
    // Moves a file; false when the file system refused.
    using Verschieben = std::function<bool(const QString& von, const QString& nach)>;

    explicit Projektdatenbankprüfung(FensterFabrik fabrik = {});
    ~Projektdatenbankprüfung();
    Projektdatenbankprüfung(const Projektdatenbankprüfung&) = delete;
    Projektdatenbankprüfung& operator=(const Projektdatenbankprüfung&) = delete;

    // The whole check (the page's activation). A call while a check runs does nothing (Weiter).
    Ende Prüfen();

    // True while the database is built, converted or read: the page refuses to close.
    bool beschäftigt() const { return m_beschäftigt; }
    // True while Prüfen runs.
    bool läuft() const { return m_läuft; }
    // Outcome of the last conversion (Konvertiert also when nothing was converted).
    Konvertierung letzteKonvertierung() const { return m_konvertierung; }

    // Hourglass on (true) and off while a current database is extended.
    std::function<void(bool)> sanduhr;
    // File moves, through the checked writer (tests make them fail).
    Verschieben verschieben;

    // Opens the file as one from outside (its schema checked) and runs PRAGMA quick_check on it;
    // false with the finding when it is damaged, refused or in use by another program.
    static bool DateiIntakt(const QString& pfad, QString& befund);
    // When a hot journal ("-journal", "-wal") lies beside the database (one that SQLite would play
    // back: no other connection is writing): copies the database and its journal under their own
    // names into a new folder beside them ("Journalkopie", "Journalkopie-2", ...), keeps only the
    // newest BehalteneJournalkopien such folders and returns the new one; empty when there is
    // nothing to copy. When the copy fails, nothing of it is left, the result is empty and
    // *fehler says why, in full.
    static QString SichereJournal(const QString& pfad, QString* fehler);
    static constexpr int BehalteneJournalkopien = 3;
    // Removes what a killed backup, restore or article replacement left: the program's own
    // temporary files ("$$", four or eight hex digits, ".tmp") in the temp folder (in the system's
    // temporary folder only those older than ten minutes) and the article replacement's files
    // ("Artikeld" and six characters, ".tmp") in "Daten" of the data path. The number removed.
    static int RäumeZwischendateienAuf();

private:
    void WiederherstellenNachKonvertierung();
    void WiederherstellenNachKomprimierung();
    bool LeseDBVersion(int16_t& haupt, int16_t& neben, int16_t& revis);
    bool SchreibeDBVersion(int16_t haupt, int16_t neben, int16_t revis);
    // Creates or extends every table; false when a table could not be built completely.
    bool ErzeugeProjektdatenbank();
    static bool LöscheDatei(const QString& pfad);

    Konvertierung Konvertieren();
    int SichereAlleProjekte();
    int LeseGesicherteProjekteEin();
    // The rows per table and project number that the transfer must bring from the old database
    // (what the writer writes) and the rows the new one holds; keys "table TAB number".
    static QMap<QString, int> ErwarteteZeilen(const QString& alt);
    static QMap<QString, int> VorhandeneZeilen(const QString& neu);
    bool StelleDatenbankdateiWiederHer(const QString& neuPfad);
    void ÜbernimmNutzerinfo(const QString& alt, const QString& neu);

    Fortschrittsfenster* fenster() const { return m_fenster.get(); }

    FensterFabrik m_fabrik;
    std::unique_ptr<Fortschrittsfenster> m_fenster;
    bool m_beschäftigt = false;
    bool m_läuft = false;
    QString m_transferdatei;
    long m_projektanzahl = 0;
    Konvertierung m_konvertierung = Konvertierung::Konvertiert;
};
