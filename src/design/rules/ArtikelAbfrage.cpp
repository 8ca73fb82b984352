#include "design/rules/ArtikelAbfrage.h"

#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "shell/AllgFunktionen.h"
#include "shell/Programmzustand.h"

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

void Auslegungsfehler(int textId, const QString& parameter)
{
    const Programmzustand& z = zustand();
    Meldung(Meldungsart::Auslegungsfehler,
            LadeText(textId + z.Sprachoffset) + LadeText(kHotline + z.Sprachoffset + z.Länderoffset), parameter);
}

}  // namespace ArtikelAbfrage
