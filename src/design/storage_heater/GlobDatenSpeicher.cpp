#include "design/storage_heater/GlobDatenSpeicher.h"

#include <array>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"

namespace {

struct Zapfstelle {
    const char* spalte;
    double wh;  // demand per draw-off
};

// The draw-off kinds in table order with their demand.
constexpr std::array<Zapfstelle, 14> Zapfstellen = {{
    {"NB1", 5820}, {"NB2", 6510}, {"KB", 4890}, {"GB", 8720}, {"BRS", 1630}, {"BRN", 3660}, {"BRL", 7320},
    {"BRK", 8140}, {"BR", 1160}, {"WT", 700}, {"DT", 1300}, {"HT", 350}, {"BD", 810}, {"SP", 1160},
}};

// Adds count x demand of one column of the current row to the dwelling's sum (a Single); a value
// that cannot be read or converted counts 0.
void AddiereZapfstellenbedarf(datenbank& db, float& summe, const char* spalte, double wert)
{
    bool ok = false;
    const float anzahl = db.GetFeld(QString::fromLatin1(spalte)).toSingle(&ok);
    summe = Zahlen::CSng(summe + (ok ? static_cast<double>(anzahl) : 0.0) * wert);
}

}  // namespace

GlobDatenSpeicher::GlobDatenSpeicher()
    : GlobDaten(QStringLiteral("GlobDatenSpeicher"), QStringLiteral("SpeicherWasserwärmerparameter"))
{
    wert("m_BedarfsKennz", m_BedarfsKennz, "Bedarfskennzahl", VbVariant(0.0));
    wert("m_SpeicherTemp", m_SpeicherTemp, "Speichertemperatur", VbVariant::integer(60));
    wert("m_VorlaufTemp", m_VorlaufTemp, "Vorlauftemperatur", VbVariant::integer(70));
    zahl("m_EinbringBreite", m_EinbringBreite, "Türbreite", 1000);
    zahl("m_EinbringHoehe", m_EinbringHoehe, "Raumhöhe", 2000);
    zahl("m_GefaessGruppe", m_GefaessGruppe, "Behältergruppe", 0);
    wert("m_GefaessInhalt", m_GefaessInhalt, "Behälterinhalt", VbVariant::integer(0));
    zahl("m_GefaessAnzahl", m_GefaessAnzahl, "Behälteranzahl", 1);
    wert("m_GefaessArtNr", m_GefaessArtNr, "GefäßArtNr", QStringLiteral(" "));
    wert("m_LeiszungsKennz", m_LeiszungsKennz, "Leistungskennzahl", VbVariant(0.0));
    wert("m_Wärmeleistung", m_Wärmeleistung, "Wärmeleistung", VbVariant(0.0));
    wert("m_HeizVolStrom", m_HeizVolStrom, "HeizVolumenstrom", VbVariant::integer(0));
    m_member.methode(QStringLiteral("Rechnen_SpeicherWasserwärmer"), 0, 0,
                     [this](const QList<VbVariant>&) { return VbVariant(Rechnen_SpeicherWasserwärmer()); });
}

GlobDatenSpeicher::~GlobDatenSpeicher()
{
    Freigeben();
}

bool GlobDatenSpeicher::Rechnen_SpeicherWasserwärmer()
{
    const Programmzustand& z = zustand();
    datenbank zapfstellenDB;
    const QString sql = QStringLiteral("Select * From SpeicherBedarfsKz WHERE [Projekt Nr] = ")
                        + JetDialekt::Textliteral(z.aktProjektnummer);
    float summe = 0.0f;  // T, Wh
    if (zapfstellenDB.OpenTab(z.Projekt_Data_Source, sql, 3, Kennwort::Projektdatenbank, true) == 0) {
        zapfstellenDB.MoveFirst();
        while (!zapfstellenDB.EofTab()) {
            const float belegung =
                Zahlen::CSng(Zahlen::RundenGerade(zapfstellenDB.GetFeld(QStringLiteral("Belegungszahl")).toSingle(), 1));
            const int16_t wohnungen = zapfstellenDB.GetFeld(QStringLiteral("AnzahlWohng")).toInteger();
            const QString art = zapfstellenDB.GetFeld(QStringLiteral("ArtAusstatt")).toString();
            float zapfstellensumme = 0.0f;
            if (art == QLatin1String("N")) {
                AddiereZapfstellenbedarf(zapfstellenDB, zapfstellensumme, "NB1", 5820);
            } else if (art == QLatin1String("K")) {
                AddiereZapfstellenbedarf(zapfstellenDB, zapfstellensumme, "NB1", 5820);
                AddiereZapfstellenbedarf(zapfstellenDB, zapfstellensumme, "BRN", 3660);
            } else if (art == QLatin1String("I")) {
                for (const Zapfstelle& s : Zapfstellen)
                    AddiereZapfstellenbedarf(zapfstellenDB, zapfstellensumme, s.spalte, s.wh);
            }
            // Dwellings x occupancy x demand, and the total, are Singles.
            const float zeile = Zahlen::CSng(static_cast<double>(Zahlen::CSng(wohnungen * static_cast<double>(belegung)))
                                             * zapfstellensumme);
            summe = Zahlen::CSng(static_cast<double>(summe) + zeile);
            zapfstellenDB.MoveNext();
        }
    }
    const float alt = m_BedarfsKennz.m_Value.toSingle();
    const float n = Zahlen::CSng(summe / Einheitswohnung);
    // Below 10 one decimal (half to even); from 10 up to the next whole number.
    const double neu = n < 10.0f ? Zahlen::RundenGerade(n, 1) : AufrundenStellen(n, 0);
    m_BedarfsKennz.m_Value = VbVariant(neu);
    return Zahlen::CSng(neu) != alt;
}
