#pragma once
#include <QHash>
#include <QPointer>

#include <functional>

class Hauptfenster;
class Seitenform;

// The walk through the program's pages. Each page has a status (1 start page, 2 system-type
// choice, 3 project page, 100-105 heating, 200-203 cooling, 300-302 drinking water, 400-402
// pressure boosting, 500-502 storage water heater, 600-603 solar); seitenmanager steps forward or
// back from the current status (zustand().Status) and opens or releases the type's data object
// at the borders of its pages; Seitenwechsel replaces the shown page by the page of another
// status. Each status has its own holder (fenster) with at most one page form.
class Seitenmanager {
public:
    // The main window's flags that the walk shares with its closing step.
    Seitenmanager(Hauptfenster& hauptfenster, bool& HeizungAbgeschlossen, bool& TyvoErsterAufruf);
    ~Seitenmanager();
    Seitenmanager(const Seitenmanager&) = delete;
    Seitenmanager& operator=(const Seitenmanager&) = delete;

    // 1 forward (Weiter), 2 back (Zurück); any other value only records vorStatus.
    void seitenmanager(int Richtung);
    void Seitenwechsel(int vonStatus, int nachStatus);

    // The page held for a status (nullptr when none).
    Seitenform* fenster(int status) const;
    // Creates the page of a status into its holder (when empty) and returns it, not shown.
    Seitenform* ErzeugeSeite(int status);
    // Unloads the page of a status and empties its holder.
    void EntladeSeite(int status);
    // Unloads every page, the one of status zuerst first (the program ends).
    void EntladeAlle(int zuerst);

    // The page form class of each status; tests put pages of their own in.
    using Fabrik = std::function<Seitenform*()>;
    void SetzeFabrik(int status, Fabrik fabrik);

    // Shown buttons (Exit, Zurück, Weiter) of a status's page; false for a status without page.
    static bool Knöpfe(int status, int& exit, int& zurück, int& weiter);

private:
    void VorwärtsAusProjektseite();
    void ÖffneAusgabeMenue();

    Hauptfenster& m_h;
    bool& m_HeizungAbgeschlossen;
    bool& m_TyvoErsterAufruf;
    QHash<int, QPointer<Seitenform>> m_fenster;
    QHash<int, Fabrik> m_fabrik;
};
