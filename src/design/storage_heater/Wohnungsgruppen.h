#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

#include "base/VbVariant.h"

class datenbank;
class GlobDatenSpeicher;

// The current dwelling-group row as the draw-off dialogs see it.
class Zeilenzugriff {
public:
    virtual ~Zeilenzugriff() = default;
    // Writes a column of the current row and stores the row at once (failures are reported).
    virtual void SetFeldAdodc(const QString& feld, const VbVariant& wert) = 0;
    // A column of the current row; Null and failed reads give Empty.
    virtual VbVariant GetFeldAdodc(const QString& feld) = 0;
};

// The dwelling groups of a storage-heater project (rows of SpeicherBedarfsKz, ordered by group
// number) as page 501 edits them, without a window: the first row of an empty project, inserting
// and deleting rows, cell writes with their silent checks, and calculate / change.
class Wohnungsgruppen : public Zeilenzugriff {
public:
    // Opens the project's rows; a project without rows gets row 1 with the defaults.
    Wohnungsgruppen();
    ~Wohnungsgruppen() override;

    // 0 when the rows are open.
    int32_t Öffnungscode() const { return m_öffnungscode; }
    // Runs the query again (the page's load); 0, or the table access's code.
    int32_t NeuLaden();
    datenbank& bedarfsDB() { return *m_db; }
    const QString& m_SQLText() const { return m_sql; }
    int m_LetzteGruppenNr = 0;

    void SetFeldAdodc(const QString& feld, const VbVariant& wert) override;
    VbVariant GetFeldAdodc(const QString& feld) override;

    // Rows and position (0-based).
    int Anzahl() const;
    int Position() const;
    void GeheZu(int zeile);

    // Appends a row with the next group number and the defaults; it becomes current.
    void Einfügen();
    // Deletes the current row, without question; nothing at BOF or EOF.
    void Löschen();

    // A cell written by the user, as text (column names of the grid). The occupancy is held to
    // 2.0 .. 5.6, the number of dwellings to 1 .. 500; a new group number becomes the counter;
    // a room number writes its occupancy; an equipment text stores its code.
    void SchreibeZelle(const QString& feld, const QString& text);

    // Calculate (store, compute N, lock) or change (unlock, tank choice cleared), by the state
    // of m_IstBerechnet; the result is the new state.
    bool BerechnenOderVerändern(GlobDatenSpeicher& daten);

    // Room numbers in list order and their occupancy; any other text gives 2.0.
    static const QStringList& Raumzahlen();
    static double BelegungszahlAusRaumzahl(const QString& raumzahl);
    // Equipment code <-> the text the grid shows (968-970; any other code shows "Normal").
    static QString AusstattungText(const QString& code);
    static QString AusstattungCode(const QString& text);

private:
    void Vorbelegen();

    std::unique_ptr<datenbank> m_db;
    QString m_sql;
    int32_t m_öffnungscode = 0;
};
