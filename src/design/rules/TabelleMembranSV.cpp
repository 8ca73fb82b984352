#include "design/rules/TabelleMembranSV.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

void TabelleMembranSV::ErgebnisZurücksetzen()
{
    m_ErgAnteil = 0;
    m_ErgAnzahl = 0;
    m_ErgDruck = 0.0f;
    m_ErgArtNr = QStringLiteral(" ");
    m_ErgNennDN = 0;
}

bool TabelleMembranSV::ErmittelMembranSV(double ansprechdruck, int32_t leistung)
{
    const float p1 = static_cast<float>(Zahlen::RundenGerade(ansprechdruck, 1));
    datenbank db;
    const QString sql = QStringLiteral("SELECT * FROM [Leistung MembranSV] WHERE [Druck] = ")
        + Zahlen::Str(p1, true) + QStringLiteral(" ORDER BY [Leistung in kW]");
    if (db.OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) == 0) {
        for (int32_t n = 1; n <= 3; ++n) {
            const int32_t anteil = Zahlen::CLng(AufrundenStellen(double(leistung) / n, 0));
            if (db.Find(QStringLiteral("[Leistung in kW] >= ") + Zahlen::Str(anteil))) {
                m_ErgAnteil = anteil;
                m_ErgAnzahl = n;
                m_ErgDruck = db.GetFeld(QStringLiteral("Druck")).toSingle();
                m_ErgArtNr = db.GetFeld(QStringLiteral("Art Nr")).toString();
                m_ErgNennDN = db.GetFeld(QStringLiteral("Nenndurchmesser DN")).toLong();
                return true;
            }
        }
    }
    ErgebnisZurücksetzen();
    return false;
}
