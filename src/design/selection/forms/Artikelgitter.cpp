#include "design/selection/forms/Artikelgitter.h"

#include <algorithm>

#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/Auswahlgitter.h"
#include "data/Recordset.h"
#include "data/RecordsetModell.h"

bool gleicherFeldname(const QString& feld, const QString& name)
{
    const QString kurz = feld.mid(feld.lastIndexOf(QLatin1Char('.')) + 1);
    return kurz.compare(name, Qt::CaseInsensitive) == 0;
}

RecordsetModell* ZeigeArtikelliste(Auswahlgitter& gitter, const std::shared_ptr<Recordset>& liste,
                                   const QList<Artikelspalte>& spalten, const QStringList& ausgelassen)
{
    auto* modell = new RecordsetModell(&gitter);
    QList<RecordsetModell::Spalte> gezeigt;
    QList<int> breiten;
    for (int i = 0; liste && i < liste->FeldAnzahl(); ++i) {
        const QString feld = liste->FeldName(i);
        if (std::any_of(ausgelassen.begin(), ausgelassen.end(), [&](const QString& n) { return gleicherFeldname(feld, n); }))
            continue;
        RecordsetModell::Spalte s;
        s.feld = feld;
        int breite = -1;
        for (const Artikelspalte& a : spalten) {
            if (!gleicherFeldname(feld, a.feld))
                continue;
            s.ausrichtung = a.ausrichtung;
            breite = a.breite;
            if (!a.muster.isEmpty())
                s.format = [muster = a.muster](const VbVariant& v) {
                    return v.isNull() || v.isEmpty() ? QString() : Zahlen::Format(v.toDouble(), muster);
                };
        }
        gezeigt << s;
        breiten << breite;
    }
    modell->setzeSpalten(gezeigt);
    modell->setzeRecordset(liste);
    gitter.setModel(modell);
    for (int i = 0; i < breiten.size(); ++i) {
        if (breiten[i] == 0)
            gitter.setColumnHidden(i, true);
        else if (breiten[i] > 0)
            gitter.setColumnWidth(i, Twips::zuPixel(breiten[i]));
    }
    return modell;
}
