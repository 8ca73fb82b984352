#include "design/rules/TabelleENAAutomat.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

int16_t TabelleENAAutomat::ErmittelENA(float anfangsdruck, float enddruck, int32_t anlgVolumen,
                                      float& kleinstAnfangsdruck)
{
    m_Anzahl = 0;
    m_ArtikelNummer = QStringLiteral(" ");
    kleinstAnfangsdruck = 0.0f;

    const float a = static_cast<float>(Zahlen::RundenGerade(anfangsdruck, 2));
    datenbank db;
    const QString sql = QStringLiteral("SELECT * FROM [ENA_Automaten] WHERE [maxEnddruck] >= ")
        + Zahlen::Str(enddruck, true) + QStringLiteral(" ORDER BY [minAnfangsdruck],[maxEnddruck]");
    if (db.OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) != 0)
        return 2;

    float kleinster = 10.0f;
    bool volumenPasst = false;
    for (int16_t k = 1; k <= 4; ++k) {
        const int32_t anteil = Zahlen::CLng(double(anlgVolumen) / k);
        for (db.MoveFirst(); !db.EofTab(); db.MoveNext()) {
            if (db.GetFeld(QStringLiteral("maxAnlgVolumen")).toSingle() < anteil)
                continue;
            const float p = static_cast<float>(
                Zahlen::RundenGerade(db.GetFeld(QStringLiteral("minAnfangsdruck")).toDouble(), 2));
            if (a >= p) {
                m_ArtikelNummer = db.GetFeld(QStringLiteral("ArtNr")).toString();
                m_Anzahl = k;
                return 0;
            }
            volumenPasst = true;
            if (p < kleinster)
                kleinster = p;
        }
    }
    if (!volumenPasst)
        return 2;
    kleinstAnfangsdruck = kleinster;
    return 1;
}
