#include "design/rules/TabelleSiVPalette.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

#include <utility>

TabelleSiVPalette::TabelleSiVPalette(QString tabelle, QString größenspalte)
    : m_Tabelle(std::move(tabelle)), m_Größenspalte(std::move(größenspalte))
{
}

void TabelleSiVPalette::ErgebnisZurücksetzen()
{
    m_ErgDruck = 0.0f;
    m_ErgArtNr = QStringLiteral(" ");
    m_ErgNennDN = 0;
}

void TabelleSiVPalette::BaueAuf(int32_t größe)
{
    m_Palette.clear();
    datenbank db;
    const QString sql = QStringLiteral("SELECT DISTINCT [Druck] FROM ") + m_Tabelle + QStringLiteral(" WHERE [")
        + m_Größenspalte + QStringLiteral("] >= ") + Zahlen::Str(größe) + QStringLiteral(" ORDER BY [Druck]");
    if (db.OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) != 0)
        return;
    for (db.MoveFirst(); !db.EofTab(); db.MoveNext())
        m_Palette << db.GetFeld(QStringLiteral("Druck")).toSingle();
}

bool TabelleSiVPalette::Ermittel(double ansprechdruck, int32_t größe)
{
    bool gefunden = false;
    {
        datenbank db;
        const QString sql = QStringLiteral("SELECT * FROM ") + m_Tabelle + QStringLiteral(" WHERE [Druck] >= ")
            + Zahlen::Str(ansprechdruck) + QStringLiteral(" ORDER BY [Druck],[") + m_Größenspalte
            + QStringLiteral("]");
        if (db.OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) == 0
            && db.Find(QStringLiteral("[") + m_Größenspalte + QStringLiteral("] >= ") + Zahlen::Str(größe))) {
            m_ErgDruck = db.GetFeld(QStringLiteral("Druck")).toSingle();
            m_ErgArtNr = db.GetFeld(QStringLiteral("Art Nr")).toString();
            m_ErgNennDN = db.GetFeld(QStringLiteral("Nenndurchmesser DN")).toLong();
            gefunden = true;
        }
    }
    if (!gefunden)
        ErgebnisZurücksetzen();
    return gefunden;
}
