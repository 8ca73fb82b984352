#pragma once
#include <QString>

#include <cstdint>
#include <memory>

#include "base/VbVariant.h"

class datenbank;
class GlobDatenSpeicher;

// The tank recordset of the tank page: the candidates of a tank group for the project's
// temperatures and installation size, the manual list of a group, the search of one tank, and
// the choice of the first candidate whose performance figure for n tanks reaches N.
// Queries run on the article database; a failed query shows its message and the next query
// opens the recordset afresh.
class Speicherabfrage {
public:
    explicit Speicherabfrage(GlobDatenSpeicher& daten);
    ~Speicherabfrage();
    Speicherabfrage(const Speicherabfrage&) = delete;
    Speicherabfrage& operator=(const Speicherabfrage&) = delete;

    // Runs a query text on the tank recordset; false (message shown, m_Fehlercode 12) on failure.
    bool Öffnen(const QString& sql);
    void SpeicherKandidatenÖffnen(int gruppe);
    void SpeicherlisteÖffnen(int gruppe);
    // Query texts of the two lists for the data object's values.
    QString KandidatenSql(int gruppe) const;
    QString ListeSql(int gruppe) const;

    bool SucheBehälterartikel(const QString& artNr);
    // A column of the current row; Null and failed reads (message shown, m_Fehlercode 5) give Empty.
    VbVariant GetFeldwert(const QString& feld);
    // The column for a set of n tanks (1..6); any other n gives 0.
    float GetLeistungskennzahl(int n);
    float GetWärmeleistung(int n);
    int32_t GetHeizvolumenstrom(int n);
    // Clears the chosen tank, then stores the first candidate whose performance figure for n
    // tanks is at least N; true when one was stored.
    bool AutomatischeBehälterauswahlSp(float N, int n);

    // The tank table object (the page's data control and the list dialog show its recordset).
    datenbank& Tankdaten() { return *m_db; }

    int32_t m_Fehlercode = 0;

private:
    // Numbers in query texts and criteria: invariant, a point, no blank.
    static QString Zahl(double w, bool single = false);
    QString Bedingungen(int gruppe) const;

    GlobDatenSpeicher& m_daten;
    std::unique_ptr<datenbank> m_db;
};
