#include "projects/Projektliste.h"

#include "data/JetDialekt.h"
#include "data/Recordset.h"
#include "data/Tabellenaufbau.h"
#include "projects/Projektseite.h"
#include "base/Programmzustand.h"

Projektliste::Projektliste(Projektseite& seite) : Projektauswahl(seite) {}

void Projektliste::Laden()
{
    zustand().ErrorCancel = false;
    nachNeuBindung(true);
    m_startProjektNr = AuswahlProjektNr;
    m_sortiertext = zustand().aktSortierung;
    Suchen(QString());
}

void Projektliste::Suchen(const QString& suchtext)
{
    m_suchtext = suchtext;
    Projektseite& s = seite();
    s.SetSortierstrings(m_sortiertext);
    {
        Unterdrueckung u(m_unterdrückt);
        s.SuchenRecordset(suchtext, s.SortierString1, s.SortierString2);
    }
    nachNeuBindung(true);
    emit Geaendert();
}

void Projektliste::ZeigerÜberZeile(int zeile)
{
    if (markiereZeile(zeile))
        emit Geaendert();
}

void Projektliste::Abbrechen()
{
    // The project by its number, not by its place: a re-sort may have moved it.
    seite().projektDB.Find(JetDialekt::Name(Tabelle::ProjektNr) + QStringLiteral(" = ")
                           + JetDialekt::Textliteral(m_startProjektNr));
}

bool Projektliste::Schliessen()
{
    schliesseAuf(AuswahlProjektNr);
    return true;
}
