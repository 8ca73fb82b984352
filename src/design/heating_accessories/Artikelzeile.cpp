#include "design/heating_accessories/Artikelzeile.h"

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"

bool IstLeer(const QString& text)
{
    return text.isEmpty() || text == QLatin1String(" ");
}

QString Artikelzeile(GlobDaten& daten, const QString& artNr, bool auchFürHost)
{
    QString text;
    if (daten.DBTabArtikel)
        text = daten.DBTabArtikel->GetValFromStrgFeld(artNr, QStringLiteral("arArtikelnr"), SpalteKurztext1).toString();
    if (IstLeer(text)) {
        const Programmzustand& z = zustand();
        if (!artNr.trimmed().isEmpty() && (auchFürHost || (z.TyvoModus != 1 && z.TyvoModus != 2)))
            Meldung(Meldungsart::Auslegungsfehler,
                    LadeText(2361 + z.Sprachoffset) + LadeText(3020 + z.Sprachoffset + z.Länderoffset), artNr);
    }
    return text;
}
