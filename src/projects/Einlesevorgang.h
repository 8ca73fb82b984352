#pragma once
#include <QString>
#include <QStringList>

#include "data/KonfliktDialog.h"
#include "base/VbVariant.h"

class ManipDatenbank;
struct Lesebefund;

// What the restore shows while it reads: the number of the project being read, and the start
// and end of the reading.
class EinleseAnzeige : public ProjektNrAnzeige {
public:
    // Info text, project number and busy indicator are shown.
    virtual void LesenBeginnt() = 0;
    // Project number and busy indicator are hidden.
    virtual void LesenEndet() = 0;
};

// The restore of projects from a transfer file ("*.sic") into the project database. A project
// is kept only when it was read whole; what could not be read is named in one message (kind 3)
// at the end, with the number of projects stored; so is a file that holds no project, and a
// file that is no transfer file is refused. A row or commit that the database refuses
// ends the run with nothing of it stored, and says so.
class Einlesevorgang {
public:
    // The whole work: the open dialog, a temporary copy of the chosen file, every project read
    // with the conflict question for existing numbers, the message. The temporary copy is
    // deleted in every outcome; the chosen file is only read.
    void ProjekteEinlesenAusDatei(EinleseAnzeige* anzeige = nullptr);
    // Reads every project of the file and shows the message; the result that ended the reader
    // loop (TransferErgebnis: Dateiende after the last project).
    long LiesDatei(const QString& datei, EinleseAnzeige* anzeige = nullptr);
    // Asks the running reader to stop after its current step; no effect while none runs.
    void Abbrechen();
    bool InArbeit() const { return m_inArbeit; }

private:
    // name: the file as the user chose it, for the messages.
    long lies(const QString& datei, EinleseAnzeige* anzeige, const QString& name);
    long projektschleife(ManipDatenbank& leser);
    void merke(const Lesebefund& befund);
    void meldeMängel();

    ManipDatenbank* m_leser = nullptr;
    bool m_inArbeit = false;
    QStringList m_mängel;
    int m_eingelesen = 0;       // projects stored by the run
    int m_projekte = 0;         // project begin lines found in the file
    struct Speicherfehler {
        int textNr = 0;  // 0: none
        QList<VbVariant> werte;
    } m_speicherfehler;  // the message of a run that stored nothing
};
