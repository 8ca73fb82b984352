#include "projects/Projektliste.h"

#include "data/Recordset.h"
#include "projects/Projektseite.h"
#include "base/Programmzustand.h"

Projektliste::Projektliste(Projektseite& seite) : Projektauswahl(seite) {}

void Projektliste::Laden()
{
    zustand().ErrorCancel = false;
    nachNeuBindung(true);
    m_startProjektNr = AuswahlProjektNr;
    const auto rs = recordset();
    m_startPosition = rs->HatAktuelleZeile() ? rs->Position() : -1;
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
    // Back to the saved position; after a re-sort that is the project now standing there.
    const auto rs = recordset();
    if (m_startPosition >= 0 && m_startPosition < rs->Anzahl())
        rs->GeheZu(m_startPosition);
}

bool Projektliste::Schliessen()
{
    schliesseAuf(AuswahlProjektNr);
    return true;
}
