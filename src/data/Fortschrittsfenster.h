#pragma once
#include <QString>

#include "data/KonfliktDialog.h"

// The small progress window of long database work (creating and converting the project
// database, backup, restore): caption, info line, project number and a counter "n / m".
// Destroying it unloads it.
class Fortschrittsfenster : public ProjektNrAnzeige {
public:
    // Shows the window (not modal).
    virtual void Zeigen() = 0;
    virtual void SchreibeCaption(const QString& text) = 0;
    virtual void SchreibeInfo(const QString& text) = 0;
    virtual void Schreibe_Satz_AnzSaetze(long aktSatz, long GesamtSaetze) = 0;
};
