#include "projects/Projektauswahl.h"

#include "data/Recordset.h"
#include "data/Tabellenaufbau.h"
#include "projects/Projektseite.h"
#include "base/AllgFunktionen.h"
#include "base/Twips.h"
#include "base/Zahlen.h"

Projektauswahl::Projektauswahl(Projektseite& seite) : m_seite(seite)
{
    m_verbindung = connect(recordset().get(), &Recordset::PositionGeaendert, this,
                           &Projektauswahl::AktuelleZeileGewechselt);
}

Projektauswahl::~Projektauswahl()
{
    disconnect(m_verbindung);
}

std::shared_ptr<Recordset> Projektauswahl::recordset() const
{
    return m_seite.projektDB.GetADODB_Recordset();
}

QString Projektauswahl::ProjektNrDerZeile(int zeile) const
{
    const auto rs = recordset();
    return NullZuText(rs->ZeilenWert(zeile, rs->FeldIndex(Tabelle::ProjektNr)));
}

QStringList Projektauswahl::Sortiereinträge()
{
    return Projektseite::Sortierauswahlen();
}

void Projektauswahl::Neusortieren(const QString& auswahl)
{
    const QStringList einträge = Sortiereinträge();
    m_sortiertext = einträge.contains(auswahl) ? auswahl : einträge.value(0);
    m_seite.SetSortierstrings(m_sortiertext);
    {
        Unterdrueckung u(m_unterdrückt);
        const QString nr = projektNr();
        m_seite.NeusortierungRecordset(nr, m_seite.SortierString1, m_seite.SortierString2);
    }
    nachNeuBindung(false);  // the number it positioned on stays
    emit Geaendert();
}

int Projektauswahl::SichtbareZeile(double zeigerY, double obersteZeileY, double zeilenhöhe)
{
    return Twips::SichtbareZeile(zeigerY, obersteZeileY, zeilenhöhe);
}

void Projektauswahl::AktuelleZeileGewechselt()
{
    if (m_unterdrückt)
        return;
    nachNeuBindung(true);
    emit Geaendert();
}

void Projektauswahl::FokusErhalten()
{
    if (m_markiert < 0 && recordset()->HatAktuelleZeile()) {
        m_markiert = recordset()->Position();
        emit Geaendert();
    }
}

void Projektauswahl::FokusVerloren()
{
    if (m_markiert >= 0) {
        m_markiert = -1;
        emit Geaendert();
    }
}

bool Projektauswahl::markiereZeile(int z)
{
    if (z < 0 || z >= recordset()->Anzahl())
        return false;
    m_markiert = z;
    projektNr() = ProjektNrDerZeile(z);
    return true;
}

void Projektauswahl::nachNeuBindung(bool nummerÜbernehmen)
{
    const auto rs = recordset();
    m_markiert = rs->HatAktuelleZeile() ? rs->Position() : -1;
    if (nummerÜbernehmen)
        projektNr() = m_markiert < 0 ? QString() : ProjektNrDerZeile(m_markiert);
}

void Projektauswahl::schliesseAuf(const QString& nr)
{
    if (m_geschlossen)
        return;
    m_geschlossen = true;
    {
        Unterdrueckung u(m_unterdrückt);
        const QString nummer = nr;  // the handling must not change it meanwhile
        m_seite.ReOpenProjektTabelle(nummer, m_seite.SortierString1, m_seite.SortierString2);
    }
    emit Geschlossen();
}
