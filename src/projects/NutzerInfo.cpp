#include "projects/NutzerInfo.h"

#include <stdexcept>

#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"

namespace {

QString Feld(int zeile)
{
    return QStringLiteral("Nutzerinfo_%1").arg(zeile);
}

}  // namespace

NutzerInfo::NutzerInfo(bool mitMeldung) : m_tab(std::make_unique<datenbank>())
{
    m_öffnungsergebnis = m_tab->OpenTab(zustand().Projekt_Data_Source,
                                        QStringLiteral("SELECT * FROM ") + Tabelle::DatenbankInfo, 3,
                                        Kennwort::Projektdatenbank, mitMeldung);
    if (m_öffnungsergebnis != 0 || m_tab->EmptyTab())
        return;
    m_tab->MoveFirst();
    for (int i = 1; i <= 4; ++i)
        Zeilen[Stelle(i)] = m_tab->GetFeld(Feld(i)).toString();
}

NutzerInfo::~NutzerInfo()
{
    if (m_geändert && m_öffnungsergebnis == 0)
        Schreiben();
}

int NutzerInfo::Stelle(int Index)
{
    if (Index < 1 || Index > 4)
        throw std::out_of_range("NutzerInfo::Zeile: index outside 1..4");
    return Index - 1;
}

QString NutzerInfo::Zeile(int Index) const
{
    return Zeilen[Stelle(Index)];
}

void NutzerInfo::Zeile(int Index, const QString& wert)
{
    Zeilen[Stelle(Index)] = wert;
    m_geändert = true;
}

// A database without the row gets it, with the schema version this program keeps, so that
// the edits are not lost. A line that does not fit is reported by the table access and the
// others are still saved; a failed save is reported.
void NutzerInfo::Schreiben()
{
    if (m_tab->EmptyTab()) {
        m_tab->AddNew();
        m_tab->SetFeld(QStringLiteral("DBVersionHaupt"), VbVariant::integer(DBVersion::Haupt));
        m_tab->SetFeld(QStringLiteral("DBVersionNeben"), VbVariant::integer(DBVersion::Neben));
        m_tab->SetFeld(QStringLiteral("DBVersionRevis"), VbVariant::integer(DBVersion::Revis));
    } else {
        m_tab->MoveFirst();
    }
    bool alleGesetzt = true;
    for (int i = 1; i <= 4; ++i) {
        m_tab->SetFeld(Feld(i), Zeilen[Stelle(i)]);
        alleGesetzt = alleGesetzt && m_tab->fehlercode() == dbKeinFehler;
    }
    if (!alleGesetzt)
        m_tab->GetFeld(Feld(1));
    // A failed save is reported by the table access.
    if (m_tab->EmptyTab())
        DatenbankMeldung(dbFehlerWrite, m_tab->LetzterFehler(), QString(), m_tab->SQLText());
    else
        m_tab->UpdateTab();
}
