#include "design/rules/TabelleVollhubSV.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

#include <algorithm>

namespace {

const QString Tabelle = QStringLiteral("[Abblaseleistung VollhubSV]");
constexpr int32_t FehlerTabelle = 999;

// Fixed-length article text: cut or padded with blanks to 15 characters.
QString AufLänge(const QString& text)
{
    return text.left(TabelleVollhubSV::ArtNrLänge)
        .leftJustified(TabelleVollhubSV::ArtNrLänge, QLatin1Char(' '));
}

}  // namespace

TabelleVollhubSV::TabelleVollhubSV()
{
    ErgebnisZurücksetzen();
    SetzeNennDNListe({20, 25, 32, 40, 50, 65, 80, 100, 125, 150});
    QList<double> drücke;
    for (int i = 2; i <= 20; ++i)
        drücke << i * 0.5;
    SetzeDruckListe(drücke);
    LadenAbblaseleistung();
}

void TabelleVollhubSV::ErgebnisZurücksetzen()
{
    m_ErgNennDN = 0;
    m_ErgArtNr = QStringLiteral(" ");
    m_ErgLeistung = 0;
    m_ErgAnzahl = 0;
}

// Stores the values in a fixed list; more than it holds: the first ones stay, the table
// becomes invalid and the answer is 1.
template <typename T, std::size_t N, typename Wandeln>
int32_t TabelleVollhubSV::SetzeListe(const QList<double>& werte, std::array<T, N>& liste, int& anzahl,
                                     Wandeln wandeln)
{
    anzahl = 0;
    for (double w : werte) {
        if (anzahl == static_cast<int>(N)) {
            m_Gültig = false;
            return 1;
        }
        liste[anzahl++] = wandeln(w);
    }
    return 0;
}

int32_t TabelleVollhubSV::SetzeNennDNListe(const QList<double>& werte)
{
    return SetzeListe(werte, m_NennDN, m_AnzNennDN, [](double w) { return Zahlen::CInt(w); });
}

int32_t TabelleVollhubSV::SetzeDruckListe(const QList<double>& werte)
{
    return SetzeListe(werte, m_Druck, m_AnzDruck, [](double w) { return static_cast<float>(w); });
}

int32_t TabelleVollhubSV::LadenAbblaseleistung()
{
    if (!m_Gültig)
        return FehlerTabelle;
    int32_t code = 0;
    {
        datenbank db;
        code = db.OpenTab(zustand().Artikel_Data_Source, QStringLiteral("Select * From ") + Tabelle, 3,
                          Kennwort::Artikeldatenbank, true);
        for (int j = 0; code == 0 && j < m_AnzNennDN; ++j) {
            const QString sql = QStringLiteral("SELECT * FROM ") + Tabelle
                + QStringLiteral(" WHERE [Nenndurchmesser DN] = ") + Zahlen::Str(m_NennDN[j]);
            code = db.NewSQL(sql, false);
            for (int k = 0; code == 0 && k < m_AnzDruck; ++k) {
                const QString kriterium = QStringLiteral("[Druck] = ") + Zahlen::Str(m_Druck[k], true);
                if (!db.Find(kriterium)) {
                    code = FehlerTabelle;
                    Meldung(Meldungsart::Datenbankfehler, LadeText(zustand().Sprachoffset + 2413), sql,
                            kriterium);
                    break;
                }
                Zelle& z = m_Matrix[j][k];
                z.leistung = Zahlen::CLng(db.GetFeld(QStringLiteral("Abblaseleistung in kW")).toDouble());
                z.artNr = AufLänge(db.GetFeld(QStringLiteral("Art Nr")).toString());
            }
        }
    }
    if (code != 0)
        m_Gültig = false;
    return code;
}

bool TabelleVollhubSV::ErmittelVollhubSV(double ansprechdruck, int32_t leistung)
{
    ErgebnisZurücksetzen();
    if (!m_Gültig || m_AnzNennDN == 0 || m_AnzDruck == 0)
        return false;

    // Pressure bracket: the lower stage is the last one at or below the set pressure.
    const float p = static_cast<float>(ansprechdruck);
    int s = 1;
    while (s <= m_AnzDruck && p >= m_Druck[s - 1])
        ++s;
    const int unten = std::max(s - 1, 1) - 1;
    const int oben = std::min(s, m_AnzDruck) - 1;
    const double pUnten = m_Druck[unten];
    const double pOben = m_Druck[oben];

    for (int64_t n = 1; n <= 3; ++n) {
        for (int j = 0; j < m_AnzNennDN; ++j) {
            const Zelle& zu = m_Matrix[j][unten];
            const Zelle& zo = m_Matrix[j][oben];
            double c = zu.leistung;
            if (pUnten != pOben && zu.leistung != zo.leistung)
                c = zu.leistung + double(zo.leistung - zu.leistung) * (ansprechdruck - pUnten) / (pOben - pUnten);
            m_ErgNennDN = m_NennDN[j];
            m_ErgArtNr = zu.artNr.trimmed();
            m_ErgLeistung = Zahlen::CLng(c);
            if (n * m_ErgLeistung >= leistung) {
                m_ErgAnzahl = static_cast<int32_t>(n);
                return true;
            }
        }
    }
    ErgebnisZurücksetzen();
    return false;
}

bool TabelleVollhubSV::SucheVollhubSV(int32_t nennDN)
{
    bool gefunden = false;
    {
        datenbank db;
        if (db.OpenTab(zustand().Artikel_Data_Source, QStringLiteral("SELECT * FROM ") + Tabelle, 3,
                       Kennwort::Artikeldatenbank, true) == 0
            && db.Find(QStringLiteral("[Nenndurchmesser DN] = ") + Zahlen::Str(nennDN))) {
            m_ErgAnzahl = 1;
            m_ErgArtNr = db.GetFeld(QStringLiteral("Art Nr")).toString();
            m_ErgLeistung = 0;
            m_ErgNennDN = nennDN;
            gefunden = true;
        }
    }
    if (!gefunden)
        ErgebnisZurücksetzen();
    return gefunden;
}
