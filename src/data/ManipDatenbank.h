#pragma once
#include <QHash>
#include <QSet>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

#include "data/Feldliste.h"
#include "data/DbVerbindung.h"
#include "data/Projektnummer.h"

class datenbank;
class Sicherungsdatei;
class ProjektNrAnzeige;

// What the reader found wrong with the project of the last Load_Projekt.
struct Lesebefund {
    enum Mangel : int {
        Keiner = 0,
        Aufbau,         // marker lines out of place, or a project table that does not start with its number
        Unvollständig,  // the file ends inside a block
        Tabellenfehler, // a table could not be queried, or a row not saved or deleted
        Datei,          // the file could not be read
        Abbruch,        // cancelled with Load_Cancel
        Projektnummer,  // the project number does not fit its column
        Steuerzeichen,  // the project number holds a control character
        Projektart,     // a project of a type without parameter table would replace a stored one
        Parameterblock, // a parameter block follows a type that has no parameter table
    };
    QString projektNr;   // empty until the project number was read
    int mangel = Keiner; // the first fault found
    bool verworfen = false;  // whole-project mode: nothing of the project was kept
    // Projektart of a parameter block passed over because the type has no parameter table.
    QString übergangeneProjektart;
    // The number was read before in the same run.
    bool doppelt = false;
    // Field name and value text of lines skipped because the value does not fit its field (the
    // field keeps its default; the project is kept), and of lines cut off by the reader.
    QList<std::pair<QString, QString>> werte;
    // Values stored cut to their field's size: field name, value text, the value stored.
    struct Kürzung {
        QString feld, text, gespeichert;
    };
    QList<Kürzung> gekürzt;
};

// Results of the transfer members. Other values are codes of the table access.
namespace TransferErgebnis {
enum : long {
    Fertig = 0,
    Dateiende = 1,              // the line delivered with it is the last one and still valid
    Lesefehler = 2,             // also: bad project block, project table cannot be queried
    Übersprungen = 19,          // project skipped
    Abgebrochen = 20,           // cancelled in the conflict dialog
    Schreibfehler = 21,         // the stream refused a write
    Löschfehler = 22,           // an old dwelling row could not be deleted
    Verworfen = 23,             // whole-project mode: the project was not kept (see Load_Befund)
    Speicherfehler = 24,        // whole-project mode: a row could not be stored; the run must end
    Benutzerabbruch = 999999,   // Save_Cancel / Load_Cancel
};
}

// The schema version this program writes and expects.
namespace DBVersion {
inline constexpr int Haupt = 2;
inline constexpr int Neben = 5;
inline constexpr int Revis = 0;
}

// Builds and extends the tables of the project database from their field lists, and moves whole
// projects between the database and the transfer file. One instance per build or transfer run.
class ManipDatenbank {
public:
    // Engine states.
    enum Zustand : int { Konstruiert = 0, Unbrauchbar = 1, Bereit = 2, DatenbankBereit = 3,
                         TabelleDefiniert = 4, TabelleAufgebaut = 5 };

    ManipDatenbank();
    ~ManipDatenbank();
    ManipDatenbank(const ManipDatenbank&) = delete;
    ManipDatenbank& operator=(const ManipDatenbank&) = delete;

    // True when Qt SQL has its SQLite driver; otherwise says that it is missing.
    static bool TreiberPrüfen();

    // Schema.
    void Init();
    void SetPasswort(const QString& passwort);
    void ResetTabaufbau();
    void CreateDBank(const QString& PathNameDBank);
    void Define_Tabellenaufbau(const QString& Tabellenname);
    void CreateDBTabelle();
    void InitNeueSpalten();

    // Transfer: writing.
    long Save_OpenDBConnection();
    void Save_CloseDBConnection();
    long Save_Tabelleninhalt(Sicherungsdatei& stream, const QString& Tabellenname,
                             const QString& projektNr);
    long Save_TabelleninhalteZapfstellen(Sicherungsdatei& stream, const QString& projektNr);
    QString Save_LastProjektart() const { return m_letzteProjektart; }
    void Save_Cancel() { m_saveAbbruch = true; }

    // Transfer: reading.
    long Load_OpenDBConnection(ProjektNrAnzeige* qForm, Sicherungsdatei* stream);
    // Commits the run; false when the commit failed (nothing of the run is stored then).
    bool Load_CloseDBConnection();
    // Ends the run without storing anything of it (rolled back).
    void Load_Verwerfen();
    // The database's reason for the first row or commit that failed in the run; empty when none.
    const QString& Load_Speicherfehler() const { return m_speicherfehler; }
    long Load_readStreamLine();
    bool IsBeginnProjekt() const;
    long Load_Projekt();
    void Load_Cancel() { m_loadAbbruch = true; }

    // Whole projects only (the restore): a project whose blocks are out of order or cut off, or
    // whose rows cannot be stored, is not kept; reading goes on at the next project
    // (Load_Projekt returns Verworfen, or Dateiende when the file ended inside the project).
    // A project number is matched to a stored one by Projektnummer::Schlüssel, as typed (blanks
    // count); one with a control character is not read.
    void Load_NurGanzeProjekte(bool ein) { m_ganzeProjekte = ein; }
    const Lesebefund& Load_Befund() const { return m_befund; }

    // major * 65536 + minor * 256 + revision.
    static int64_t Versionsnummer(int haupt, int neben, int revis);

    int zustand() const { return m_zustand; }
    const Feldliste& feldliste() const { return m_feldliste; }
    const QString& aktSchlüssel() const { return m_schlüssel; }
    const QString& aktWert() const { return m_wert; }

private:
    enum class Aufbau { Fertig, Feldfehler, Tabellenfehler };
    Aufbau baueTabelle(QString& fehler);
    bool AppendFeldZurTabelle(ManipDBField& feld, bool neueTabelle, QString& spalten);
    void tabellenaufbau(const QString& tabelle);
    void versionAktualisieren();

    bool IsEndeProjekt() const;
    bool IsBeginnTabelle() const;
    bool IsEndeTabelle() const;
    bool IsBeginnZeile() const;
    bool IsEndeZeile() const;
    bool istMarke(const QString& schlüssel, const QString& wert) const;

    long öffneArbeitstabelle();
    bool schließeArbeitstabelle();
    datenbank* arbeitstabelle(const QString& tabelle, long& code);
    datenbank* zapfstellen(const QString& projektNr, long& code);
    bool finde(const QString& tabelle, const QString& projektNr);
    void merkeNeueZeile(const QString& tabelle, const QString& projektNr);
    long liesBisBlock();
    long ladeProjekt();
    bool mangel(int art);
    bool istMarkenzeile() const;
    void verwirfProjekt();
    long schreibeFelder(Sicherungsdatei& stream);
    void Save_Kompatibilitätszeilen(Sicherungsdatei& stream, const QString& tabelle);
    void löscheAndereZeilen();
    void löscheZeilen(QSqlDatabase& db, const QStringList& vorhanden, const QString& tabelle);
    long Load_Projekttabelle();
    long Load_Parametertabelle(const QString& projektart);
    long Load_Zapfstellen();
    void setzeVorgaben();
    // Applies the current line to the row; false when the project is given up (whole-project
    // mode).
    bool wendeZeileAn();
    bool speichereZeile();
    QString auswahl(const QString& tabelle, const QString& projektNr) const;
    QString suche(const QString& projektNr) const;

    // Schema state.
    QString m_pfad;
    QString m_tabellenname;
    QString m_passwort;
    int m_zustand = Konstruiert;
    bool m_neueVorgaben = false;
    Feldliste m_feldliste;
    std::shared_ptr<DbVerbindung> m_verbindung;

    // Transfer state.
    bool m_saveAbbruch = false;
    bool m_loadAbbruch = false;
    Sicherungsdatei* m_stream = nullptr;
    ProjektNrAnzeige* m_form = nullptr;
    QString m_schlüssel;
    QString m_wert;
    bool m_zeileGekürzt = false;  // the current line was longer than the stream keeps
    QString m_projektNr;
    QString m_projektart;
    bool m_alleÜberschreiben = false;
    bool m_überschreibt = false;  // the project being read replaces one of the database
    QSet<QString> m_gelesen;      // keys of the project numbers read in the run
    QString m_letzteProjektart;
    struct Offen {
        std::unique_ptr<datenbank> tab;
        long code = 0;
        QHash<QString, VbVariant> zeilen;  // project number, ASCII letters folded -> bookmark
        bool zeilenGelesen = false;
    };
    std::map<QString, Offen> m_tabellen;  // the tables of the run, each on its whole table
    struct Geschrieben {
        QString tabelle;
        VbVariant marke;  // bookmark in the run's table object
        bool neu = false;
    };
    QList<Geschrieben> m_geschrieben;     // rows the current project saved
    datenbank* m_tab = nullptr;           // ProjekteTabelle, opened with the run
    std::unique_ptr<datenbank> m_zapf;    // dwelling rows of one project
    datenbank* m_akt = nullptr;           // the table whose row is read or written
    std::unique_ptr<DbTransaktion> m_lauf;
    bool m_ganzeProjekte = false;
    Lesebefund m_befund;
    QString m_speicherfehler;
};
