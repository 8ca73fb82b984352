#pragma once
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class datenbank;

// The user's four address lines, kept in the one row of DatenbankInfo (Nutzerinfo_1..4). Creating
// the object reads them; releasing it writes them back once a line was assigned.
class NutzerInfo {
public:
    // mitMeldung: a project database that cannot be opened is reported (the dialog that edits
    // the lines); readers that only read stay silent.
    explicit NutzerInfo(bool mitMeldung = false);
    ~NutzerInfo();
    NutzerInfo(const NutzerInfo&) = delete;
    NutzerInfo& operator=(const NutzerInfo&) = delete;

    // Line 1..4; any other index throws std::out_of_range (and stores nothing).
    QString Zeile(int Index) const;
    void Zeile(int Index, const QString& wert);

    bool Geändert() const { return m_geändert; }
    int32_t Öffnungsergebnis() const { return m_öffnungsergebnis; }

    static constexpr int Zeilenlänge = 80;

private:
    static int Stelle(int Index);
    void Schreiben();

    std::array<QString, 4> Zeilen;
    std::unique_ptr<datenbank> m_tab;
    int32_t m_öffnungsergebnis = 0;
    bool m_geändert = false;
};
