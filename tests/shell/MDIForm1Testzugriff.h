#pragma once
#include "shell/forms/MDIForm1.h"
#include "shell/forms/Seitenmanager.h"

// Reaches the main window's private state in tests.
struct MDIForm1Testzugriff {
    static void MenuepunkteNachStatus(MDIForm1& f, int status) { f.MenuepunkteNachStatus(status); }
    static void SpracheEinstellen(MDIForm1& f) { f.SpracheEinstellen(); }
    static void SetzeHeizungAbgeschlossen(MDIForm1& f, bool b) { f.HeizungAbgeschlossen = b; }
    static bool TyvoErsterAufruf(const MDIForm1& f) { return f.TyvoErsterAufruf; }
    static bool HeizungAbgeschlossen(const MDIForm1& f) { return f.HeizungAbgeschlossen; }
    static Seitenmanager& Seiten(MDIForm1& f) { return *f.m_seitenmanager; }
};
