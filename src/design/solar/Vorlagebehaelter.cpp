#include "design/solar/Vorlagebehaelter.h"

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/solar/GlobDatenSolar.h"

namespace {

const QString Leer = QStringLiteral(" ");
constexpr int32_t GruppeVorlagebehälter = 40;
constexpr int32_t ClientCursor = 3;

}  // namespace

int32_t Vorlagebehälter::Mindestvolumen(const GlobDatenSolar& daten)
{
    const double differenz = daten.m_r_vauf.m_Value - daten.m_VolRohre.m_Value;
    // Half of the difference, to whole litres half to even.
    return Zahlen::CLng(differenz * 0.5);
}

void AuslegungVorlagebehälter(const GlobDatenSolar& daten, QString& ArtNr, int16_t& status)
{
    using namespace Vorlagebehälter;
    ArtNr = Leer;
    if (daten.m_Absorberflaeche.m_Value < MindestKollektorfläche) {
        status = NichtErforderlich;
        return;
    }
    const int32_t vmin = Mindestvolumen(daten);
    if (vmin <= 0) {
        status = NichtErforderlich;
        return;
    }

    // Numbers in the query are invariant, whatever the user's number format.
    const QString sql =
        QStringLiteral("SELECT * FROM [Grunddaten Gefäße] WHERE [Art Gr Berechn Prg] = %1 AND [Solaranlage] = True"
                       " AND ([Durchmesser in mm] + [MinderBreite in mm]) <= %2"
                       " AND ([Höhe in mm] + [MinderHöhe in mm]) <= %3"
                       " AND [Max, Betriebsdruck in bar] >= %4 AND [Inhalt in ltr] >= %5"
                       " ORDER BY [Max, Betriebsdruck in bar],[Max, Betriebstemperatur in °C],[Inhalt in ltr]")
            .arg(GruppeVorlagebehälter)
            .arg(Zahlen::Str(daten.m_EinbringBreite.m_Value),
                 Zahlen::Str(daten.m_EinbringHoehe.m_Value), Zahlen::Str(daten.m_p_SV.m_Value),
                 Zahlen::Str(vmin));
    const Programmzustand& z = zustand();
    datenbank tabelle;
    if (tabelle.OpenTab(z.Artikel_Data_Source, sql, ClientCursor, Kennwort::Artikeldatenbank, true) != 0) {
        status = NichtGefunden;
        return;
    }
    tabelle.MoveFirst();
    QString art = tabelle.GetFeld(QStringLiteral("Art Nr")).toString();
    if (art.isEmpty())
        art = Leer;
    if (art == Leer) {
        Meldung(Meldungsart::Auslegungsfehler,
                LadeText(2355 + z.Sprachoffset) + LadeText(3020 + z.Sprachoffset + z.Länderoffset), VbVariant::lng(vmin));
        status = NichtGefunden;
        return;
    }
    ArtNr = art;
    status = Gefunden;
}
