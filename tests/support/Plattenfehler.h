#pragma once

// A file layer of SQLite that makes one write to a database or journal file fail, after a number
// that succeed, as a failing (EIO) or full (ENOSPC) disk would: a write, sync or truncation
// returns the code that SQLite's own layer gives for that system error. It counts every write
// point while it lives; syncs are counted but not made. Registered as SQLite's default layer while it lives, so connections
// opened meanwhile use it (in this process, Qt SQL's driver included).
class Plattenfehler {
public:
    enum class Art { Eingabefehler, Voll };
    Plattenfehler();
    ~Plattenfehler();
    Plattenfehler(const Plattenfehler&) = delete;
    Plattenfehler& operator=(const Plattenfehler&) = delete;

    // From now on: counts from zero; the write after `erfolgreiche` ones fails (once).
    void Scharf(Art art, int erfolgreiche);
    // From now on: counts from zero, nothing fails.
    void NurZählen();
    int Schreibpunkte() const;  // writes, syncs and truncations since Scharf/NurZählen
    bool Ausgelöst() const;     // the fault was given
};
