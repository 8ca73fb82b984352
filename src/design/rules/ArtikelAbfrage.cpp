#include "design/rules/ArtikelAbfrage.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

namespace ArtikelAbfrage {

namespace {
constexpr int32_t kClientCursor = 3;
constexpr int kHotline = 3020;
}  // namespace

bool Öffne(datenbank& db, const QString& sql)
{
    return db.OpenTab(zustand().Artikel_Data_Source, sql, kClientCursor, Kennwort::Artikeldatenbank, true) == 0;
}

QString Artikelnummer(const QString& sql, const QString& feld, int textId, const QString& parameter)
{
    datenbank db;
    if (!Öffne(db, sql))
        return KeinArtikel;
    const QString nr = db.GetFeld(feld).toString();
    if (!nr.isEmpty())
        return nr;
    if (textId != 0)
        Auslegungsfehler(textId, parameter);
    return KeinArtikel;
}

namespace {
QString MitHotline(int textId)
{
    const Programmzustand& z = zustand();
    return LadeText(textId + z.Sprachoffset) + LadeText(kHotline + z.Sprachoffset + z.Länderoffset);
}
}  // namespace

void Auslegungsfehler(int textId, const QString& parameter)
{
    Meldung(Meldungsart::Auslegungsfehler, MitHotline(textId), parameter);
}

void Auslegungsfehler(int textId)
{
    Meldung(Meldungsart::Auslegungsfehler, MitHotline(textId));
}

}  // namespace ArtikelAbfrage
