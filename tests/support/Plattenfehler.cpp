#include "support/Plattenfehler.h"

#include <sqlite3.h>

#include <cstring>

namespace {

struct Zustand {
    sqlite3_vfs* basis = nullptr;
    Plattenfehler::Art art = Plattenfehler::Art::Eingabefehler;
    int punkte = 0;
    int fehlerBei = -1;  // -1: none
    bool ausgelöst = false;
};

Zustand& zustand()
{
    static Zustand z;
    return z;
}

enum class Punkt { Schreiben, Sync, Kürzen };

// SQLITE_OK, or the code of the fault when this write point is the chosen one.
int punkt(Punkt p)
{
    Zustand& z = zustand();
    if (z.punkte++ != z.fehlerBei)
        return SQLITE_OK;
    z.ausgelöst = true;
    // As SQLite's unix layer maps ENOSPC and EIO.
    const bool voll = z.art == Plattenfehler::Art::Voll;
    switch (p) {
    case Punkt::Schreiben: return voll ? SQLITE_FULL : SQLITE_IOERR_WRITE;
    case Punkt::Sync: return SQLITE_IOERR_FSYNC;
    case Punkt::Kürzen: return voll ? SQLITE_FULL : SQLITE_IOERR_TRUNCATE;
    }
    return SQLITE_IOERR;
}

// Our file: the methods, then the file of the base layer.
struct Datei {
    sqlite3_file kopf;
    sqlite3_file* echt;
};

sqlite3_file* echt(sqlite3_file* f) { return reinterpret_cast<Datei*>(f)->echt; }

int dClose(sqlite3_file* f)
{
    const int rc = echt(f)->pMethods->xClose(echt(f));
    f->pMethods = nullptr;
    return rc;
}
int dRead(sqlite3_file* f, void* p, int n, sqlite3_int64 o) { return echt(f)->pMethods->xRead(echt(f), p, n, o); }
int dWrite(sqlite3_file* f, const void* p, int n, sqlite3_int64 o)
{
    const int rc = punkt(Punkt::Schreiben);
    return rc != SQLITE_OK ? rc : echt(f)->pMethods->xWrite(echt(f), p, n, o);
}
int dTruncate(sqlite3_file* f, sqlite3_int64 n)
{
    const int rc = punkt(Punkt::Kürzen);
    return rc != SQLITE_OK ? rc : echt(f)->pMethods->xTruncate(echt(f), n);
}
// Counted, not made: a test needs no durability, and a sync costs time.
int dSync(sqlite3_file*, int)
{
    return punkt(Punkt::Sync);
}
int dFileSize(sqlite3_file* f, sqlite3_int64* n) { return echt(f)->pMethods->xFileSize(echt(f), n); }
int dLock(sqlite3_file* f, int l) { return echt(f)->pMethods->xLock(echt(f), l); }
int dUnlock(sqlite3_file* f, int l) { return echt(f)->pMethods->xUnlock(echt(f), l); }
int dCheckReservedLock(sqlite3_file* f, int* r) { return echt(f)->pMethods->xCheckReservedLock(echt(f), r); }
int dFileControl(sqlite3_file* f, int op, void* a) { return echt(f)->pMethods->xFileControl(echt(f), op, a); }
int dSectorSize(sqlite3_file* f) { return echt(f)->pMethods->xSectorSize(echt(f)); }
int dDeviceCharacteristics(sqlite3_file* f) { return echt(f)->pMethods->xDeviceCharacteristics(echt(f)); }
int dShmMap(sqlite3_file* f, int i, int n, int b, void volatile** p) { return echt(f)->pMethods->xShmMap(echt(f), i, n, b, p); }
int dShmLock(sqlite3_file* f, int o, int n, int fl) { return echt(f)->pMethods->xShmLock(echt(f), o, n, fl); }
void dShmBarrier(sqlite3_file* f) { echt(f)->pMethods->xShmBarrier(echt(f)); }
int dShmUnmap(sqlite3_file* f, int d) { return echt(f)->pMethods->xShmUnmap(echt(f), d); }
int dFetch(sqlite3_file* f, sqlite3_int64 o, int n, void** p) { return echt(f)->pMethods->xFetch(echt(f), o, n, p); }
int dUnfetch(sqlite3_file* f, sqlite3_int64 o, void* p) { return echt(f)->pMethods->xUnfetch(echt(f), o, p); }

// Without memory-mapped reads (version 2), so that every change goes through xWrite.
const sqlite3_io_methods methoden = {
    2, dClose, dRead, dWrite, dTruncate, dSync, dFileSize, dLock, dUnlock, dCheckReservedLock,
    dFileControl, dSectorSize, dDeviceCharacteristics, dShmMap, dShmLock, dShmBarrier, dShmUnmap,
    dFetch, dUnfetch};

int vOpen(sqlite3_vfs* v, const char* name, sqlite3_file* f, int flags, int* aus)
{
    auto* d = reinterpret_cast<Datei*>(f);
    d->echt = reinterpret_cast<sqlite3_file*>(d + 1);
    std::memset(d->echt, 0, static_cast<size_t>(zustand().basis->szOsFile));
    const int rc = zustand().basis->xOpen(zustand().basis, name, d->echt, flags, aus);
    f->pMethods = d->echt->pMethods ? &methoden : nullptr;
    (void)v;
    return rc;
}

sqlite3_vfs& schicht()
{
    static sqlite3_vfs v{};
    return v;
}

}  // namespace

Plattenfehler::Plattenfehler()
{
    Zustand& z = zustand();
    z = Zustand{};
    z.basis = sqlite3_vfs_find(nullptr);
    sqlite3_vfs& v = schicht();
    v = *z.basis;
    v.szOsFile = static_cast<int>(sizeof(Datei)) + z.basis->szOsFile;
    v.zName = "kelvor_plattenfehler";
    v.pNext = nullptr;
    v.xOpen = vOpen;
    sqlite3_vfs_register(&v, 1);
}

Plattenfehler::~Plattenfehler()
{
    sqlite3_vfs_unregister(&schicht());
    sqlite3_vfs_register(zustand().basis, 1);
}

void Plattenfehler::Scharf(Art art, int erfolgreiche)
{
    Zustand& z = zustand();
    z.art = art;
    z.punkte = 0;
    z.fehlerBei = erfolgreiche;
    z.ausgelöst = false;
}

void Plattenfehler::NurZählen()
{
    Scharf(Art::Eingabefehler, -1);
}

int Plattenfehler::Schreibpunkte() const { return zustand().punkte; }
bool Plattenfehler::Ausgelöst() const { return zustand().ausgelöst; }
