#include "design/selection/Artikelauswahl.h"

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "data/Recordset.h"

namespace {

VbVariant Zellwert(const Recordset& rs, int zeile, const QString& feld)
{
    const int i = rs.FeldIndex(feld);
    if (i < 0 || zeile < 0 || zeile >= rs.Anzahl())
        return VbVariant();
    return rs.ZeilenWert(zeile, i);
}

}  // namespace

Artikelauswahl::Artikelauswahl(Artikelauswahlrufer& rufer) : m_rufer(rufer) {}

QString Artikelauswahl::Maßüberschrift() const
{
    return LadeText((m_rufer.gruppeNr() == 8 ? 484 : 485) + zustand().Sprachoffset);
}

QString Artikelauswahl::Langtext(const Recordset& rs, int zeile)
{
    const QString kurz = NullZuText(Zellwert(rs, zeile, SpalteKurztext1));
    const QString lang = NullZuText(Zellwert(rs, zeile, SpalteLangtext));
    const QString maske = NullZuText(Zellwert(rs, zeile, SpalteEinfügetext));
    const QString werte = NullZuText(Zellwert(rs, zeile, QStringLiteral("diTextzeile")));
    return UmbrechenText(40, kurz + QStringLiteral("\r\n") + lang) + QStringLiteral("\r\n") + FülleMaske(maske, werte);
}

void Artikelauswahl::nimmZeile(int zeile)
{
    const std::shared_ptr<Recordset> rs = liste();
    m_artNr = NullZuText(Zellwert(*rs, zeile, QStringLiteral("Art Nr")));
    m_inhalt = NullZuNull(Zellwert(*rs, zeile, QStringLiteral("Inhalt in ltr"))).toLong();
    m_text1 = m_artNr;
}

void Artikelauswahl::Laden()
{
    m_artNr.clear();
    m_inhalt = 0;
    m_langtext.clear();
    m_text1.clear();
    m_markiert = -1;
    AktuelleZeileGewechselt();
}

void Artikelauswahl::AktuelleZeileGewechselt()
{
    const std::shared_ptr<Recordset> rs = liste();
    if (!rs || !rs->HatAktuelleZeile()) {
        m_artNr.clear();
        m_inhalt = 0;
        m_markiert = -1;
        return;
    }
    const int zeile = rs->Position();
    m_markiert = zeile;
    nimmZeile(zeile);
    m_langtext = Langtext(*rs, zeile);
}

bool Artikelauswahl::ZeigerBewegt(int zeile)
{
    const std::shared_ptr<Recordset> rs = liste();
    if (!rs || rs->Leer()) {
        m_artNr.clear();
        m_inhalt = 0;
        return false;
    }
    if (zeile >= 0 && zeile < rs->Anzahl()) {
        m_markiert = zeile;
        nimmZeile(zeile);
    }
    return true;
}

void Artikelauswahl::Übernehmen()
{
    QString artNr = m_artNr;
    int32_t inhalt = m_inhalt;
    m_rufer.ManuelleBehälterauswahl(artNr, inhalt);
}

void Artikelauswahl::Weiter()
{
    const std::shared_ptr<Recordset> rs = liste();
    if (!rs || rs->Bof() || rs->Eof()) {
        m_artNr.clear();
        m_inhalt = 0;
        return;
    }
    nimmZeile(rs->Position());
    Übernehmen();
}
