#include "support/ParametertabellenDatenbank.h"

#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"

bool BaueParametertabellen(const QString& pfad, const QStringList& tabellen)
{
    ManipDatenbank m;
    m.Init();
    m.SetPasswort(Kennwort::Projektdatenbank);
    m.CreateDBank(pfad);
    for (const QString& t : tabellen) {
        m.Define_Tabellenaufbau(t);
        m.CreateDBTabelle();
        if (m.zustand() != ManipDatenbank::TabelleAufgebaut)
            return false;
        m.ResetTabaufbau();
    }
    return true;
}
