#include "design/rules/TabellePumpenKM.h"

#include "data/JetDialekt.h"
#include "data/datenbank.h"
#include "design/rules/ArtikelAbfrage.h"
#include "base/Zahlen.h"

#include <span>

namespace {

// Cooling limits: the heating limits times these Single constants; no module above 20000 kW.
constexpr double kKälteFaktorPmin = static_cast<double>(2.4285714f);
constexpr double kKälteFaktorPmax = static_cast<double>(2.4705882f);
static_assert(kKälteFaktorPmin == 2.4285714626312256 && kKälteFaktorPmax == 2.470588207244873);
constexpr int32_t kMaxKälteleistung = 20000;
constexpr float kHöchsterDruck = 10.0f;

// Pressures from the field's highest one downward in 0.1 bar steps (tenths of bar).
constexpr int kBis35 = 35, kBis50 = 50, kBis85 = 85;

constexpr int16_t kPmin0[] = {210, 260, 300, 340, 380, 430, 470, 500, 540, 570, 600, 630,
                                               660, 690, 720, 750, 770, 790, 820, 840, 860, 880, 900, 920};
constexpr int16_t kPmax0[] = {600,  720,  840,  960,  1080, 1200, 1320, 1420,
                                               1520, 1600, 1700, 1780, 1860, 1940, 2020, 2100,
                                               2160, 2220, 2300, 2360, 2420, 2480, 2540, 2600};
constexpr int16_t kPmin1[] = {330, 390, 430, 480, 510, 550,  600,  630,  670,  710,  750,  780,
                                               820, 860, 890, 920, 960, 990, 1020, 1060, 1090, 1110, 1140, 1170};
constexpr int16_t kPmax1[] = {940,  1100, 1200, 1340, 1440, 1560, 1680, 1780,
                                               1900, 2000, 2100, 2200, 2300, 2420, 2520, 2600,
                                               2700, 2800, 2880, 2980, 3060, 3140, 3220, 3300};
constexpr int16_t kPmin2[] = {500,  560,  620,  680,  740,  800,  840,  900,
                                               960,  1010, 1070, 1110, 1160, 1210, 1260, 1310,
                                               1350, 1390, 1430, 1480, 1510, 1550, 1590, 1630};
constexpr int16_t kPmax2[] = {1400, 1580, 1740, 1920, 2080, 2240, 2380, 2540,
                                               2700, 2840, 3000, 3140, 3280, 3420, 3540, 3680,
                                               3800, 3920, 4040, 4160, 4260, 4380, 4480, 4580};
constexpr int16_t kPmin3[] = {720,  820,  920,  1010, 1100, 1210, 1300, 1390, 1480, 1580, 1660,
                                               1750, 1850, 1930, 2020, 2120, 2200, 2290, 2380, 2470, 2560, 2640,
                                               2730, 2800, 2890, 2970, 3050, 3120, 3200, 3280, 3340};
constexpr int16_t kPmax3[] = {2020, 2300, 2580, 2840, 3120, 3400, 3660, 3920, 4180, 4440, 4680,
                                               4940, 5200, 5440, 5700, 5960, 6200, 6460, 6700, 6960, 7200, 7440,
                                               7680, 7900, 8140, 8360, 8580, 8800, 9020, 9240, 9400};
constexpr int16_t kPmin4[] = {1460, 1680, 1900, 2120, 2330, 2550, 2770, 2980, 3200,
                                               3410, 3610, 3810, 3980, 4140, 4290, 4440, 4580, 4710,
                                               4840, 4980, 5090, 5210, 5330, 5450, 5550, 5680};
constexpr int16_t kPmax4[] = {4100, 4720, 5340, 5960, 6560, 7180, 7800, 8400, 9000, 9600};
constexpr int16_t kPmin5[] = {
    990,  1090, 1180, 1270, 1360, 1450, 1530, 1600, 1670, 1730, 1800, 1870, 1920, 1990, 2040, 2090,
    2150, 2200, 2250, 2300, 2350, 2400, 2450, 2500, 2540, 2580, 2620, 2660, 2710, 2750, 2790, 2830,
    2870, 2910, 2950, 2990, 3020, 3070, 3100, 3140, 3170, 3200, 3240, 3270, 3300, 3340};
constexpr int16_t kPmax5[] = {
    2800, 3060, 3320, 3580, 3820, 4080, 4300, 4500, 4700, 4860, 5080, 5260, 5420, 5600, 5740, 5900,
    6060, 6200, 6340, 6480, 6620, 6760, 6900, 7040, 7160, 7280, 7380, 7500, 7620, 7740, 7860, 7980,
    8080, 8200, 8320, 8420, 8520, 8640, 8740, 8840, 8920, 9020, 9120, 9200, 9300, 9400};
constexpr int16_t kPmax6[] = {2600, 2920, 3240, 3560, 3880, 4180, 4480, 4760,
                                               5060, 5340, 5620, 5920, 6180, 6440, 6680, 6940,
                                               7200, 7440, 7680, 7920, 8140, 8360, 8580, 8800};
constexpr int16_t kPmax7[] = {4100, 4720, 5360, 5960, 6560, 7180, 7800, 8400, 9000, 9600};
constexpr int16_t kPmax8[] = {7680, 8860};
constexpr int16_t kPmax9[] = {5600, 6140, 6680, 7220, 7760, 8300, 8800, 9220, 9640};
// Pmax of the points beyond the listed ones.
constexpr int16_t kPmaxRest = 10000;

}  // namespace

void TabellePumpenKM::Init_Tabelle(const QString& anlagenart_)
{
    anlagenart = anlagenart_;
    AufbauKennlinienfelder();
    AufbauModullisten();
    for (QString& code : m_steuermodul)
        code = QString();
}

void TabellePumpenKM::AufbauKennlinienfelder()
{
    // A field from its highest pressure (tenths of bar) down, one point per Pmin value; a Pmax
    // list shorter than the Pmin list goes on with 10000 kW.
    const auto feld = [](int hoechsterDruck, std::span<const int16_t> pmin, std::span<const int16_t> pmax) {
        Kennlinienfeld f;
        f.reserve(pmin.size());
        auto itMax = pmax.begin();
        int zehntel = hoechsterDruck;
        for (int16_t wMin : pmin) {
            Arbeitspunkt ap;
            ap.Druck = zehntel / 10.0;
            ap.Pmin = wMin;
            ap.Pmax = itMax != pmax.end() ? *itMax++ : kPmaxRest;
            f.push_back(ap);
            --zehntel;
        }
        return f;
    };
    Kennlinienfelder[0] = feld(kBis35, kPmin0, kPmax0);
    Kennlinienfelder[1] = feld(kBis35, kPmin1, kPmax1);
    Kennlinienfelder[2] = feld(kBis35, kPmin2, kPmax2);
    Kennlinienfelder[3] = feld(kBis50, kPmin3, kPmax3);
    Kennlinienfelder[4] = feld(kBis50, kPmin4, kPmax4);
    Kennlinienfelder[5] = feld(kBis85, kPmin5, kPmax5);
    Kennlinienfelder[6] = feld(kBis35, kPmin2, kPmax6);
    Kennlinienfelder[7] = feld(kBis50, kPmin3, kPmax7);
    Kennlinienfelder[7][4].Pmin = 1110;  // 4.6 bar: the only point where field 7 leaves field 3
    Kennlinienfelder[8] = feld(kBis50, kPmin4, kPmax8);
    Kennlinienfelder[9] = feld(kBis85, kPmin5, kPmax9);
}

void TabellePumpenKM::AufbauModullisten()
{
    m_modulliste[Einzelbetrieb] = {{1, QStringLiteral("U01")}, {0, QStringLiteral("U0")}, {3, QStringLiteral("U1")},
                                   {4, QStringLiteral("U2")}, {5, QStringLiteral("U3")}};
    m_modulliste[Wechselstör] = {{2, QStringLiteral("B0")}, {3, QStringLiteral("B1")}, {4, QStringLiteral("B2")},
                                 {5, QStringLiteral("B3")}};
    m_modulliste[Lastabhängig] = {{6, QStringLiteral("B0")}, {7, QStringLiteral("B1")}, {8, QStringLiteral("B2")},
                                  {9, QStringLiteral("B3")}};
}

bool TabellePumpenKM::PunktImKennlinienfeld(int32_t Kennlinienart, float druck, int32_t leistung) const
{
    if (Kennlinienart < 0 || Kennlinienart >= static_cast<int32_t>(Kennlinienfelder.size()))
        return false;
    const Kennlinienfeld& feld = Kennlinienfelder[static_cast<std::size_t>(Kennlinienart)];
    std::size_t i = 0;
    while (i < feld.size() && static_cast<float>(feld[i].Druck) > druck)
        ++i;
    if (i == feld.size())
        return false;  // below the lowest pressure (or no field)

    double pmin = 0.0, pmax = 0.0;
    const float pi = static_cast<float>(feld[i].Druck);
    if (pi == druck) {
        pmin = feld[i].Pmin;
        pmax = feld[i].Pmax;
    } else if (i == 0) {
        return false;  // above the highest pressure
    } else {
        const Arbeitspunkt& vor = feld[i - 1];
        const float pVor = static_cast<float>(vor.Druck);
        const float t = (pVor - druck) / (pVor - pi);
        const float wMin = static_cast<float>(vor.Pmin) + t * static_cast<float>(feld[i].Pmin - vor.Pmin);
        const float wMax = static_cast<float>(vor.Pmax) + t * static_cast<float>(feld[i].Pmax - vor.Pmax);
        pmin = Zahlen::RundenGerade(wMin);
        pmax = Zahlen::RundenGerade(wMax);
    }
    if (anlagenart == QStringLiteral("Kü")) {
        if (leistung > kMaxKälteleistung)
            return false;
        pmin = Zahlen::RundenGerade(pmin * kKälteFaktorPmin);
        pmax = Zahlen::RundenGerade(pmax * kKälteFaktorPmax);
    }
    return pmin <= leistung && leistung <= pmax;
}

bool TabellePumpenKM::SucheModul(Betriebsart art, float druck, int32_t leistung)
{
    QString& code = m_steuermodul[art];
    code = QString();
    for (const Moduleintrag& e : m_modulliste[art]) {
        if (PunktImKennlinienfeld(e.Kennlinienart, druck, leistung)) {
            code = e.code;
            return true;
        }
    }
    return false;
}

bool TabellePumpenKM::GetModulAusKennlinienbereich_Einzelbetrieb(float SystemDruck, int32_t Anlagenleistung)
{
    return SucheModul(Einzelbetrieb, SystemDruck, Anlagenleistung);
}

bool TabellePumpenKM::GetModulAusKennlinienbereich_Wechselstör(float SystemDruck, int32_t Anlagenleistung)
{
    return SucheModul(Wechselstör, SystemDruck, Anlagenleistung);
}

bool TabellePumpenKM::GetModulAusKennlinienbereich_Lastabhängig(float SystemDruck, int32_t Anlagenleistung)
{
    return SucheModul(Lastabhängig, SystemDruck, Anlagenleistung);
}

float TabellePumpenKM::SucheHöherenDruck(Betriebsart art, float mindestdruck, int32_t leistung)
{
    const QString gemerkt = m_steuermodul[art];
    float ergebnis = 0.0f;
    float p = static_cast<float>(Zahlen::RundenGerade(mindestdruck, 1));
    while (p <= kHöchsterDruck) {
        p = static_cast<float>(Zahlen::RundenGerade(p, 1));
        if (SucheModul(art, p, leistung)) {
            ergebnis = p;
            break;
        }
        p = p + 0.1f;
    }
    m_steuermodul[art] = gemerkt;
    return ergebnis;
}

float TabellePumpenKM::GetHöherenDruckUmImKennlinienfeld_Einzelbetrieb(float mindestdruck, int32_t Anlagenleistung)
{
    return SucheHöherenDruck(Einzelbetrieb, mindestdruck, Anlagenleistung);
}

float TabellePumpenKM::GetHöherenDruckUmImKennlinienfeld_Wechselstörbetrieb(float mindestdruck,
                                                                            int32_t Anlagenleistung)
{
    return SucheHöherenDruck(Wechselstör, mindestdruck, Anlagenleistung);
}

float TabellePumpenKM::GetHöherenDruckUmImKennlinienfeld_Lastabhängig(float mindestdruck, int32_t Anlagenleistung)
{
    return SucheHöherenDruck(Lastabhängig, mindestdruck, Anlagenleistung);
}

bool TabellePumpenKM::Punktwert(int32_t Kennlinienart, int16_t ZeilenIdx, int16_t Arbeitspunkt::*grenze,
                                float& Druck, int32_t& Leist) const
{
    const bool gibt = Kennlinienart >= 0 && Kennlinienart < static_cast<int32_t>(Kennlinienfelder.size()) &&
                      ZeilenIdx >= 0 &&
                      static_cast<std::size_t>(ZeilenIdx) < Kennlinienfelder[static_cast<std::size_t>(Kennlinienart)].size();
    const Arbeitspunkt ap = gibt ? Kennlinienfelder[static_cast<std::size_t>(Kennlinienart)]
                                                   [static_cast<std::size_t>(ZeilenIdx)]
                                 : Arbeitspunkt{};
    Druck = static_cast<float>(ap.Druck);
    Leist = ap.*grenze;
    return gibt;
}

bool TabellePumpenKM::GetKennlinienAP_Pmin(int32_t Kennlinienart, int16_t ZeilenIdx, float& Druck,
                                           int32_t& Leist) const
{
    return Punktwert(Kennlinienart, ZeilenIdx, &Arbeitspunkt::Pmin, Druck, Leist);
}

bool TabellePumpenKM::GetKennlinienAP_Pmax(int32_t Kennlinienart, int16_t ZeilenIdx, float& Druck,
                                           int32_t& Leist) const
{
    return Punktwert(Kennlinienart, ZeilenIdx, &Arbeitspunkt::Pmax, Druck, Leist);
}

QString TabellePumpenKM::GetArtikelNrSteuermodulKM(const QString& PumpKomprTyp) const
{
    const QString sql = QStringLiteral("SELECT [PumpKomprTyp],[Steuermodul],[Artikelnr] FROM [PumpenKomprSteuerung] "
                                       "WHERE [PumpKomprTyp] = %1")
                            .arg(JetDialekt::Textliteral(PumpKomprTyp));
    return ArtikelAbfrage::Artikelnummer(sql, QStringLiteral("Artikelnr"), 2363, PumpKomprTyp);
}

QString TabellePumpenKM::GetArtikelNrAnschlussgruppeKM(const QString& PumpKomprTyp, const QString& ArtNrGefäß) const
{
    // Modules with two pumps (and U3) take the connection group for two pumps.
    static const QStringList zweiPumpen = {QStringLiteral("U3"), QStringLiteral("B0"), QStringLiteral("B1"),
                                           QStringLiteral("B2"), QStringLiteral("B3")};
    const QString spalte = zweiPumpen.contains(PumpKomprTyp) ? QStringLiteral("ArtNr2Kappenventil")
                                                             : QStringLiteral("Art Nr Kappenventil");
    datenbank db;
    if (!ArtikelAbfrage::Öffne(db, QStringLiteral("SELECT * FROM [Grunddaten Gefäße]")))
        return ArtikelAbfrage::KeinArtikel;
    const QString nr = db.GetValFromStrgFeld(ArtNrGefäß, QStringLiteral("Art Nr"), spalte).toString();
    if (nr.isEmpty()) {
        ArtikelAbfrage::Auslegungsfehler(2374, PumpKomprTyp);
        return ArtikelAbfrage::KeinArtikel;
    }
    return nr;
}

QString TabellePumpenKM::GetArtikelNrKappenventilVonSteuermodul(const QString& ArtNrSteuermodul) const
{
    const QString sql = QStringLiteral("SELECT [Artikelnr],[ArtNrKappV] FROM [PumpenKomprSteuerung] "
                                       "WHERE [Artikelnr] = %1")
                            .arg(JetDialekt::Textliteral(ArtNrSteuermodul));
    return ArtikelAbfrage::Artikelnummer(sql, QStringLiteral("ArtNrKappV"), 0, QString());
}

int16_t TabellePumpenKM::GetAnzahlKennlAP(int32_t Kennlinienart) const
{
    if (Kennlinienart < 0 || Kennlinienart >= static_cast<int32_t>(Kennlinienfelder.size()))
        return 0;
    return static_cast<int16_t>(Kennlinienfelder[static_cast<std::size_t>(Kennlinienart)].size());
}
