#include "design/rules/TabelleKompPumpe.h"

#include "data/JetDialekt.h"
#include "design/rules/ArtikelAbfrage.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

#include <algorithm>

namespace {
const char* const kKompressoren[] = {"R-01", "R-02", "R-03", "R-04"};
const char* const kPumpenMP[] = {"Q-1.0", "Q-2.0", "Q-3.0"};
const char* const kEinzelpumpen[] = {"U0", "U1", "U2", "U3"};
const char* const kDoppelpumpen[] = {"B1", "B2", "B3"};
const char* const kNachspeisepumpen[] = {"A", "B", "C"};

// Cooling outputs are converted to the heating outputs the curves are given for (Single constants).
constexpr double kKälteFaktorKompressor = static_cast<double>(0.4117647f);
constexpr double kKälteFaktorModul = static_cast<double>(0.4347826f);
static_assert(kKälteFaktorKompressor == 0.4117647111415863 && kKälteFaktorModul == 0.43478259444236755);
constexpr double kMaxKälteleistungModul = 20000.0;
}  // namespace

void TabelleKompPumpe::Kennlinie::setze(std::initializer_list<double> punkte)
{
    werte.assign(punkte);
    anzahl = static_cast<int32_t>(werte.size());
}

bool TabelleKompPumpe::IstAufgebaut(const Kennlinie& kennlinie)
{
    return kennlinie.anzahl >= 2 && static_cast<std::size_t>(kennlinie.anzahl) <= kennlinie.werte.size();
}

void TabelleKompPumpe::Init_Tabelle(const QString& anlagenart_)
{
    anlagenart = anlagenart_;
    m_kompressor = {};
    m_pumpeMP = {};
    m_einzelpumpe = {};
    m_doppelpumpe = {};
    m_nachspeisepumpe = {};
    m_temperaturfaktor = {};

    const int o = zustand().Sprachoffset;
    if (anlagenart == QStringLiteral("He"))
        AufbauTabellenHeizung();
    else if (anlagenart == QStringLiteral("Kü"))
        AufbauTabellenKälte();
    else
        Meldung(Meldungsart::InternerFehler, LadeText(2451 + o), anlagenart);

    const std::span<const Kennlinie> familien[] = {m_kompressor, m_pumpeMP, m_einzelpumpe, m_doppelpumpe,
                                                   m_nachspeisepumpe, {&m_temperaturfaktor, 1}};
    for (const std::span<const Kennlinie>& familie : familien) {
        for (const Kennlinie& k : familie) {
            if (!IstAufgebaut(k)) {
                Meldung(Meldungsart::InternerFehler, LadeText(2450 + o));
                return;
            }
        }
    }
}

void TabelleKompPumpe::AufbauTabellenHeizung()
{
    AufbauKennlinienKompressor();
    AufbauKennlinienPumpen();
    AufbauKennlinienNachspeisepumpe();
    m_pumpeMP[0].setze({0, 3.7, 1000, 3.4, 2000, 3, 3000, 2.5, 3500, 2.2, 3500.1, 0, 60000, 0});
    m_pumpeMP[1].setze({0, 5.5, 2000, 5, 4000, 4.4, 6000, 3.6, 8000, 2.5, 8000.1, 0, 60000, 0});
    m_pumpeMP[2].setze({0, 10, 2000, 9.5, 4000, 8.5, 6000, 7.2, 8000, 5.4, 8000.1, 0, 60000, 0});
}

void TabelleKompPumpe::AufbauTabellenKälte()
{
    AufbauKennlinienKompressor();
    AufbauKennlinienPumpen();
    AufbauKennlinienNachspeisepumpe();
    m_pumpeMP[0].setze({0, 3.7, 2000, 3.4, 4000, 3, 6000, 2.5, 7000, 2.2, 7000.1, 0, 60000, 0});
    m_pumpeMP[1].setze({0, 5.5, 4000, 5, 8000, 4.4, 12000, 3.6, 16000, 2.5, 16000.1, 0, 60000, 0});
    m_pumpeMP[2].setze({0, 10, 4000, 9.5, 8000, 8.5, 12000, 7.2, 16000, 5.4, 16000.1, 0, 60000, 0});
}

void TabelleKompPumpe::AufbauKennlinienKompressor()
{
    m_kompressor[0].setze({400, 9, 440, 8.5, 500, 8, 570, 7.5, 660, 7, 780, 6.5, 900, 6, 1080, 5.5,
                           1280, 5, 1490, 4.5, 1700, 4, 1960, 3.5, 2290, 3, 2750, 2.5, 3320, 2,
                           4260, 1.5, 5460, 1, 9000, 0.5, 9001, 0});
    m_kompressor[1].setze({400, 9, 500, 8.5, 620, 8, 750, 7.5, 900, 7, 1090, 6.5, 1330, 6, 1610, 5.5,
                           1930, 5, 2350, 4.5, 2800, 4, 3400, 3.5, 4100, 3, 4960, 2.5, 6100, 2,
                           7770, 1.5, 7771, 0});
    m_kompressor[2].setze({1600, 9, 1740, 8.5, 1900, 8, 2060, 7.5, 2250, 7, 2470, 6.5, 2720, 6,
                           3020, 5.5, 3390, 5, 3800, 4.5, 4320, 4, 5000, 3.5, 5780, 3, 6830, 2.5,
                           8200, 2, 8201, 0});
    m_kompressor[3].setze({2600, 9, 2790, 8.5, 3000, 8, 3240, 7.5, 3530, 7, 3870, 6.5, 4300, 6,
                           4770, 5.5, 5300, 5, 5960, 4.5, 6700, 4, 7620, 3.5, 9100, 3, 9101, 0});
}

void TabelleKompPumpe::AufbauKennlinienPumpen()
{
    m_einzelpumpe[0].setze({360, 3.5, 730, 3, 1030, 2.5, 1270, 2, 1450, 1.5, 1600, 1.2, 1601, 1, 1602, 0});
    m_einzelpumpe[1].setze({1220, 5, 2060, 4.5, 2850, 4, 3620, 3.5, 4380, 3, 5070, 2.5, 5700, 2, 5701, 0});
    m_einzelpumpe[2].setze({2490, 5, 4360, 4.5, 6180, 4, 7590, 3.5, 8710, 3, 9710, 2.5, 9711, 0});
    m_einzelpumpe[3].setze({1700, 8.5, 2480, 8, 3090, 7.5, 3580, 7, 4020, 6.5, 4420, 6, 4770, 5.5,
                            5110, 5, 5420, 4.5, 5700, 4, 5701, 0});
    m_doppelpumpe[0].setze({2490, 5, 4360, 4.5, 6180, 4, 7590, 3.5, 8710, 3, 9710, 2.5, 9711, 0});
    m_doppelpumpe[1].setze({4780, 5, 7620, 4.5, 8620, 4, 10000, 3.7, 10001, 0});
    m_doppelpumpe[2].setze({3400, 8.5, 5040, 8, 6330, 7.5, 7330, 7, 8210, 6.5, 8980, 6, 9660, 5.5,
                            9670, 5, 9680, 4.5, 9690, 4, 9691, 0});
}

void TabelleKompPumpe::AufbauKennlinienNachspeisepumpe()
{
    m_nachspeisepumpe[0].setze({1200, 3.5, 1400, 3.4, 1600, 3.15, 1800, 2.9, 2000, 2.4, 2800, 0});
    m_nachspeisepumpe[1].setze({600, 6, 800, 5.5, 1000, 5, 1200, 4.5, 1400, 4, 1600, 3.4, 1800, 2.9,
                                2000, 2.4, 2800, 0});
    m_nachspeisepumpe[2].setze({600, 10, 800, 9.8, 1000, 9.5, 1200, 9.05, 1400, 8.35, 1600, 7.5,
                                1800, 6.25, 2000, 5, 2800, 0});
    m_temperaturfaktor.setze({40, 0.61, 50, 0.69, 60, 0.79, 70, 0.9, 80, 1, 90, 1.06, 100, 1.15,
                              110, 1.27, 120, 1.33, 130, 1.45});
}

double TabelleKompPumpe::InterpoliereKennlinie(double x, int32_t anzahl, const Kennlinie& kennlinie)
{
    if (anzahl < 2 || static_cast<std::size_t>(anzahl) > kennlinie.werte.size())
        return 0.0;
    const std::vector<double>& k = kennlinie.werte;
    int32_t j = 0;
    while (j < anzahl && !(k[j] > x))
        j += 2;
    const int32_t i0 = j - 2 < 0 ? 0 : j - 2;
    const int32_t i1 = j > anzahl - 2 ? anzahl - 2 : j;
    const double x0 = k[i0], y0 = k[i0 + 1];
    const double x1 = k[i1], y1 = k[i1 + 1];
    if (x0 != x1 && y0 != y1)
        return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
    return y0;
}

double TabelleKompPumpe::PruefeKennlinienBereich(int32_t anzahl, const Kennlinie& kennlinie)
{
    double tiefster = 10.0;
    const std::size_t n = std::min(static_cast<std::size_t>(anzahl < 0 ? 0 : anzahl), kennlinie.werte.size());
    for (std::size_t i = 1; i < n; i += 2) {
        const double y = kennlinie.werte[i];
        if (y != 0.0 && y < tiefster)
            tiefster = y;
    }
    return tiefster;
}

QString TabelleKompPumpe::ErsterTyp(std::span<const Kennlinie> kurven, std::span<const char* const> typen,
                                    std::size_t start, double x, double druck)
{
    for (std::size_t i = start; i < kurven.size(); ++i) {
        const Kennlinie& k = kurven[i];
        if (IstAufgebaut(k) && InterpoliereKennlinie(x, k.anzahl, k) >= druck)
            return QString::fromUtf8(typen[i]);
    }
    return QString();
}

QString TabelleKompPumpe::ErstesModul(std::span<const Kennlinie> kurven, std::span<const char* const> typen,
                                      double x, double druck)
{
    for (std::size_t i = 0; i < kurven.size(); ++i) {
        const Kennlinie& k = kurven[i];
        if (!IstAufgebaut(k))
            continue;
        const double pmax = InterpoliereKennlinie(x, k.anzahl, k);
        const double pmin = PruefeKennlinienBereich(k.anzahl, k);
        if (pmin <= druck && druck <= pmax)
            return QString::fromUtf8(typen[i]);
    }
    return QString();
}

QString TabelleKompPumpe::GetKompressor(double leistung, double anfangsdruck, const QString& kleinstPuKo) const
{
    if (anlagenart == QStringLiteral("Kü"))
        leistung = leistung * kKälteFaktorKompressor;
    const std::size_t start = kleinstPuKo == QStringLiteral("R-02") ? 1 : 0;
    return ErsterTyp(m_kompressor, kKompressoren, start, leistung, Zahlen::RundenGerade(anfangsdruck, 1));
}

QString TabelleKompPumpe::GetPumpeMP(double leistung, double anfangsdruck) const
{
    return ErsterTyp(m_pumpeMP, kPumpenMP, 0, leistung, anfangsdruck);
}

bool TabelleKompPumpe::ModulLeistung(double leistung, double& modulLeistung) const
{
    modulLeistung = leistung;
    if (anlagenart != QStringLiteral("Kü"))
        return true;
    if (leistung > kMaxKälteleistungModul)
        return false;
    modulLeistung = leistung * kKälteFaktorModul;
    return true;
}

QString TabelleKompPumpe::GetEinzelpumpeKM(double leistung, double anfangsdruck) const
{
    double x = 0.0;
    if (!ModulLeistung(leistung, x))
        return QString();
    return ErstesModul(m_einzelpumpe, kEinzelpumpen, x, anfangsdruck);
}

QString TabelleKompPumpe::GetDoppelpumpeKM(double leistung, double anfangsdruck) const
{
    double x = 0.0;
    if (!ModulLeistung(leistung, x))
        return QString();
    return ErstesModul(m_doppelpumpe, kDoppelpumpen, x, anfangsdruck);
}

QString TabelleKompPumpe::GetPumpePumbrix(int32_t aufnahmeVolumen, double vordruck, int16_t mittelTemp) const
{
    if (!IstAufgebaut(m_temperaturfaktor))
        return QString();
    const double f = InterpoliereKennlinie(mittelTemp, m_temperaturfaktor.anzahl, m_temperaturfaktor);
    const double x = aufnahmeVolumen * f;
    return ErsterTyp(m_nachspeisepumpe, kNachspeisepumpen, 0, x, vordruck);
}

QString TabelleKompPumpe::GetArtikelNrKomprPumpe(const QString& PumpKomprTyp, const QString& Steuermodul) const
{
    const QString sql = QStringLiteral("SELECT [PumpKomprTyp],[Steuermodul],[Artikelnr] FROM [PumpenKomprSteuerung] "
                                       "WHERE [PumpKomprTyp] = %1 AND [Steuermodul] = %2")
                            .arg(JetDialekt::Textliteral(PumpKomprTyp), JetDialekt::Textliteral(Steuermodul));
    return ArtikelAbfrage::Artikelnummer(sql, QStringLiteral("Artikelnr"), 2363, PumpKomprTyp);
}
