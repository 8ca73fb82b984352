#pragma once
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "projects/Projektauswahl.h"

class ManipDatenbank;

// Outcomes of a backup run.
enum class Sicherungsergebnis {
    KeineMarkierung,  // nothing marked: message 2305, the dialog stays open
    Gesichert,        // every marked project is in the chosen file
    Unvollständig,    // the file lacks the projects in nichtGesichert()
    KeineDatei,       // the file dialog was cancelled
    Abgebrochen,      // cancelled while writing
    Fehlgeschlagen,   // the database, the temporary file or the copy failed
    Läuft,            // a run was going on already
};

// The backup dialog without its widgets: the user marks projects ("X" in the column Save of the
// project table) in a grid over the project page's table; the backup writes every marked project
// through the transfer stream into a temporary file, asks for the file name and copies the
// temporary file there. The run processes pending events between projects, so the cancel button
// works while it runs; the dialog cannot be closed meanwhile.
//
// A project whose tables cannot be read is left out of the file as a whole, and the user is told
// which ones; a file that cannot be written is reported and nothing is left half written.
class Projektsicherung : public Projektauswahl {
    Q_OBJECT
public:
    using Ergebnis = Sicherungsergebnis;

    explicit Projektsicherung(Projektseite& seite);
    ~Projektsicherung() override;

    // Opening: every mark is cleared (a Null stays Null), the current project is remembered.
    void Laden() override;
    // The pointer over a row: it becomes the current row. A row that does not exist changes nothing.
    void ZeigerÜberZeile(int zeile) override;
    // Double click or space: " " becomes "X", anything else (Null too) " ".
    void SaveMarkeUmschalten();
    // Marks every project, or clears every mark, by turns.
    void AllesMarkieren();
    QString AllesMarkierenCaption() const;

    // The Sichern button: writes the marked projects, asks for the file and copies it; then the
    // dialog closes itself (not when nothing was marked).
    Ergebnis ProjekteSichernInDatei();
    // The Abbruch button: stops a running backup, then asks to close.
    void Abbrechen();
    // Closing: refused (false) while a backup runs; else the page re-opens its table on the
    // project that was current at opening.
    bool Schliessen() override;

    bool beschäftigt() const { return m_beschäftigt; }
    // The project being written ("" outside a run).
    const QString& Label3() const { return m_label3; }
    const QString& aktuelleProjektNr() const { return m_aktProjektNr; }
    const QString& projektNrBeiÖffnung() const { return m_projektNrBeiÖffnung; }
    // The marked projects in the grid's order.
    QStringList markierteProjekte() const;
    // The projects of the last run that are not in the file.
    const QStringList& nichtGesichert() const { return m_nichtGesichert; }

    // Opens the temporary file for writing (a file by default).
    std::function<std::unique_ptr<QIODevice>(const QString& pfad)> öffneZwischendatei;

signals:
    // A backup run begins (true) or ends (false).
    void LaufGeaendert(bool laeuft);

protected:
    QString& projektNr() override { return m_aktProjektNr; }

private:
    Ergebnis sichere(QStringList projekte);
    // Before the file is written: projects whose numbers would become one number in the file
    // are refused (taken out, with a message); projects with characters the file cannot hold
    // are named with a question. False when the user does not go on.
    bool prüfeZeichen(QStringList& projekte);
    long schreibe(ManipDatenbank& schreiber, QIODevice& datei, const QStringList& projekte, bool& schreibfehler);
    bool setzeMarke(const QString& marke);
    void setzeLabel3(const QString& text);

    bool m_beschäftigt = false;
    bool m_sichernLäuft = false;
    bool m_allesMarkiert = false;
    bool m_abbruch = false;
    QString m_aktProjektNr;
    QString m_projektNrBeiÖffnung;
    QString m_label3;
    QStringList m_nichtGesichert;
    QString m_markenfehler;  // why the last mark could not be stored ("" when it could)
    ManipDatenbank* m_schreiber = nullptr;
};
