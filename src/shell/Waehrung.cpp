#include "shell/Waehrung.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"

bool LeseWaehrung(Programmzustand& z)
{
    z.Sprachindex = 0;
    datenbank tab;
    if (tab.OpenTab(z.Artikel_Data_Source, QStringLiteral("Select * From ") + QStringLiteral("[Waehrung]"), 3,
                    Kennwort::Artikeldatenbank, true) != dbKeinFehler
        || tab.EmptyTab())
        return false;
    tab.MoveFirst();
    z.Währungskürzel = tab.GetFeld(QStringLiteral("Waehrungskürzel")).toString();
    z.Mehrwertsteuersatz = tab.GetFeld(QStringLiteral("MwStSatz in Prozent")).toSingle();
    return true;
}
