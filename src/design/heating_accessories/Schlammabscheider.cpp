#include "design/heating_accessories/Schlammabscheider.h"

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/GlobDaten.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/heating_accessories/Artikelzeile.h"

namespace {

namespace M {
const QString Anordnung = QStringLiteral("m_Zub_Schlamm_Anordnung");
const QString Iso = QStringLiteral("m_Zub_SchlammIso");
const QString ArtNr = QStringLiteral("m_Zub_Schlamm_ArtNr_m_value");
const QString IsoArtNr = QStringLiteral("m_Zub_SchlammIso_ArtNr_m_value");
const QString Leist = QStringLiteral("m_Leist_m_value");
const QString LeistGes = QStringLiteral("m_Leist_ges");
const QString pSV = QStringLiteral("m_p_SV");
const QString Breite = QStringLiteral("m_EinbringBreite");
const QString Höhe = QStringLiteral("m_EinbringHoehe");
}  // namespace M

constexpr int32_t kClientCursor = 3;
const QString Leer = QStringLiteral(" ");

void Auslegungsmeldung(int id, const QList<VbVariant>& werte)
{
    const Programmzustand& z = zustand();
    Meldung(Meldungsart::Auslegungsfehler, LadeText(id + z.Sprachoffset) + LadeText(3020 + z.Sprachoffset + z.Länderoffset),
            werte);
}

VbVariant Nr(int16_t i)
{
    return VbVariant::integer(i);
}

}  // namespace

Schlammabscheiderauslegung::Schlammabscheiderauslegung(GlobDaten& daten) : m_d(daten) {}

int32_t Schlammabscheiderauslegung::Anordnung() const
{
    return m_d.lese(M::Anordnung).toLong();
}

void Schlammabscheiderauslegung::SetzeAnordnung(int32_t a)
{
    m_d.schreibe(M::Anordnung, VbVariant::integer(static_cast<int16_t>(a)));
}

int32_t Schlammabscheiderauslegung::Isolierung() const
{
    return m_d.lese(M::Iso).toLong();
}

void Schlammabscheiderauslegung::SetzeIsolierung(int32_t iso)
{
    m_d.schreibe(M::Iso, VbVariant::integer(static_cast<int16_t>(iso)));
}

int32_t Schlammabscheiderauslegung::Leistung(int16_t i) const
{
    return m_d.lese(M::Leist, {Nr(i)}).toLong();
}

int32_t Schlammabscheiderauslegung::Gesamtleistung() const
{
    return Zahlen::CLng(m_d.lese(M::LeistGes).toDouble());
}

bool Schlammabscheiderauslegung::ErzeugerVorhanden() const
{
    for (int16_t i = 1; i <= 6; ++i)
        if (Leistung(i) > 0)
            return true;
    return false;
}

QString Schlammabscheiderauslegung::Artikel(int16_t i) const
{
    return m_d.lese(M::ArtNr, {Nr(i)}).toString();
}

void Schlammabscheiderauslegung::SetzeArtikel(int16_t i, const QString& artNr)
{
    m_d.schreibe(M::ArtNr, {Nr(i)}, artNr);
}

QString Schlammabscheiderauslegung::IsoArtikel(int16_t i) const
{
    return m_d.lese(M::IsoArtNr, {Nr(i)}).toString();
}

void Schlammabscheiderauslegung::SetzeIsoArtikel(int16_t i, const QString& artNr)
{
    m_d.schreibe(M::IsoArtNr, {Nr(i)}, artNr);
}

void Schlammabscheiderauslegung::LeereAlle()
{
    for (int16_t i = 1; i <= 6; ++i) {
        SetzeArtikel(i, Leer);
        SetzeIsoArtikel(i, Leer);
    }
}

QString Schlammabscheiderauslegung::IsoFürIsolierung(const QString& artNr) const
{
    const int32_t iso = Isolierung();
    return iso != 0 ? GetArtikelNrISOSchlamm(artNr, static_cast<int16_t>(iso)) : Leer;
}

QString Schlammabscheiderauslegung::Filter() const
{
    return QStringLiteral(" WHERE [Druck in bar] >= %1 AND ([Durchmesser in mm] + [MinderBreite in mm]) <= %2"
                          " AND ([Höhe in mm] + [MinderHöhe in mm]) <= %3 ORDER BY [Druck in bar],[Leistung in kW]")
        .arg(Zahlen::Str(m_d.lese(M::pSV).toDouble()).trimmed(), Zahlen::Str(m_d.lese(M::Breite).toDouble()).trimmed(),
             Zahlen::Str(m_d.lese(M::Höhe).toDouble()).trimmed());
}

bool Schlammabscheiderauslegung::AutomatischeAuslegung(bool nurLeere)
{
    const int32_t anordnung = Anordnung();
    if (anordnung != 1 && anordnung != 2) {
        LeereAlle();
        return false;
    }
    datenbank tab;
    const QString sql = QStringLiteral("SELECT [Art Nr],[Leistung in kW],[Iso80 Art Nr],[Iso100 Art Nr] FROM [Schlammabscheider]")
                        + Filter();
    if (tab.OpenTab(zustand().Artikel_Data_Source, sql, kClientCursor, Kennwort::Artikeldatenbank, true) != 0)
        return false;
    const bool alle = !(nurLeere && anordnung == 2);
    if (alle)
        LeereAlle();
    const VbVariant pSV = m_d.lese(M::pSV);
    if (tab.EmptyTab()) {
        Auslegungsmeldung(2368, {pSV});
        return false;
    }
    auto suche = [&tab](int32_t bedarf, QString& artNr) {
        if (!tab.Find(QStringLiteral("[Leistung in kW] >= '%1'").arg(bedarf)))
            return false;
        artNr = tab.GetFeld(QStringLiteral("Art Nr")).toString();
        return true;
    };
    if (anordnung == 1) {
        // Central: the total output, rounded to whole kW (half to even).
        const int32_t bedarf = Gesamtleistung();
        QString artNr;
        const bool gefunden = suche(bedarf, artNr);
        if (gefunden && !IstLeer(artNr)) {
            SetzeArtikel(1, artNr);
            SetzeIsoArtikel(1, IsoFürIsolierung(artNr));
        } else if (!gefunden && ErzeugerVorhanden()) {
            Auslegungsmeldung(2370, {bedarf, pSV});
            SetzeAnordnung(2);
            return true;
        } else {
            Auslegungsmeldung(2369, {pSV, bedarf});
        }
        return false;
    }
    for (int16_t g = 1; g <= 6; ++g) {
        const int32_t leistung = Leistung(g);
        if (leistung < 1 || (!alle && !Artikel(g).trimmed().isEmpty()))
            continue;
        QString artNr;
        if (suche(leistung, artNr) && !IstLeer(artNr)) {
            SetzeArtikel(g, artNr);
            SetzeIsoArtikel(g, IsoFürIsolierung(artNr));
        } else {
            Auslegungsmeldung(2369, {pSV, leistung});
        }
    }
    return false;
}

QString GetArtikelNrISOSchlamm(const QString& ArtNrSchlamm, int16_t isolierung)
{
    const Programmzustand& z = zustand();
    datenbank tab;
    const QString sql = QStringLiteral("SELECT [Art Nr],[Iso80 Art Nr],[Iso100 Art Nr] FROM [Schlammabscheider] WHERE [Art Nr] = ")
                        + JetDialekt::Textliteral(ArtNrSchlamm);
    if (tab.OpenTab(z.Artikel_Data_Source, sql, kClientCursor, Kennwort::Artikeldatenbank, true) != 0)
        return Leer;
    QString ergebnis = Leer;
    QString grösse = LadeText(632 + z.Sprachoffset);
    if (isolierung == 1) {
        ergebnis = tab.GetFeld(QStringLiteral("Iso80 Art Nr")).toString();
        grösse = LadeText(630 + z.Sprachoffset);
    }
    if (ergebnis.isEmpty())
        ergebnis = Leer;
    if (ergebnis == Leer)
        Auslegungsmeldung(2367, {ArtNrSchlamm, grösse});
    return ergebnis;
}
