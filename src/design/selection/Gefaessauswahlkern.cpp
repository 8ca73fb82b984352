#include "design/selection/Gefaessauswahlkern.h"

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/Kennwort.h"
#include "data/Recordset.h"
#include "data/datenbank.h"

namespace {

const QString kGefäßtabelle = QStringLiteral("[Grunddaten Gefäße]");

const QString& Blank()
{
    static const QString b = QStringLiteral(" ");
    return b;
}

constexpr int kHotline = 3020;

}  // namespace

VbVariant Gefäßauswahlkern::Feld(const Recordset& rs, const QString& feld)
{
    VbVariant v;
    if (!rs.Wert(feld, v) || v.isNull())
        return VbVariant();
    return v;
}

void Gefäßauswahlkern::Auslegungsmeldung(int textId, const QList<VbVariant>& werte)
{
    const Programmzustand& z = zustand();
    Meldung(Meldungsart::Auslegungsfehler,
            LadeText(textId + z.Sprachoffset) + LadeText(kHotline + z.Sprachoffset + z.Länderoffset), werte);
}

Gefäßauswahlkern::Gefäßauswahlkern(MemberRegister& daten, const QString& projektart, Seite& seite)
    : m_daten(daten), m_projektart(projektart), m_kernseite(seite)
{
}

Gefäßauswahlkern::~Gefäßauswahlkern() = default;

VbVariant Gefäßauswahlkern::lese(const char* name) const
{
    return m_daten.lese(QString::fromUtf8(name));
}

void Gefäßauswahlkern::schreibe(const char* name, const VbVariant& wert)
{
    m_daten.schreibe(QString::fromUtf8(name), wert);
}

double Gefäßauswahlkern::zahl(const char* name) const
{
    return lese(name).toDouble();
}

std::shared_ptr<Recordset> Gefäßauswahlkern::Artikelliste() const
{
    return m_liste;
}

QString Gefäßauswahlkern::Kriterium(const QString& feld, const char* op, int64_t wert)
{
    return QStringLiteral("[%1] %2 '%3'").arg(feld, QString::fromLatin1(op), QString::number(wert));
}

QString Gefäßauswahlkern::Textkriterium(const QString& feld, const QString& wert)
{
    QString w = wert;
    w.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("[%1] = '%2'").arg(feld, w);
}

// --- Tables and groups ---

int32_t Gefäßauswahlkern::ÖffneTabellen()
{
    const Programmzustand& z = zustand();
    int32_t ergebnis = 0;
    m_gruppenDB = std::make_unique<datenbank>();
    const int32_t g = m_gruppenDB->OpenTab(z.Artikel_Data_Source, QStringLiteral("Select * From [Gruppen MAG]"), 3,
                                           Kennwort::Artikeldatenbank, true);
    if (g != 0)
        ergebnis = g;
    GefaesseDB = std::make_unique<datenbank>();
    const int32_t v = GefaesseDB->OpenTab(z.Artikel_Data_Source, QStringLiteral("Select * From [Grunddaten Gefäße]"), 3,
                                          Kennwort::Artikeldatenbank, true);
    if (v != 0 && ergebnis == 0)
        ergebnis = v;
    m_liste = GefaesseDB->GetADODB_Recordset();
    return ergebnis;
}

bool Gefäßauswahlkern::LadeGruppenliste(const QString& sql, const std::function<bool(int16_t)>& nehmen)
{
    m_gruppen = {};
    if (!m_gruppenDB || m_gruppenDB->NewSQL(sql, false) != 0)
        return false;
    const bool mitEinzel = m_projektart == QStringLiteral("He") || m_projektart == QStringLiteral("Kü");
    size_t k = 0;
    m_gruppenDB->MoveFirst();
    while (k < m_gruppen.size() && !m_gruppenDB->EofTab()) {
        const VbVariant nr = m_gruppenDB->GetFeld(QStringLiteral("Gruppe"));
        if (!nr.isEmpty()) {
            const int16_t g = nr.toInteger();
            if (!nehmen || nehmen(g)) {
                Gruppe& e = m_gruppen[k++];
                e.nummer = g;
                e.bezeichnung = m_gruppenDB->GetFeld(SpalteBezeichnung).toString().left(34);
                if (mitEinzel) {
                    e.einzel1 = m_gruppenDB->GetFeld(QStringLiteral("GruppeEinzelabsich1")).toInteger();
                    e.einzel2 = m_gruppenDB->GetFeld(QStringLiteral("GruppeEinzelabsich2")).toInteger();
                }
            }
        }
        m_gruppenDB->MoveNext();
    }
    return true;
}

bool Gefäßauswahlkern::SucheGruppenindex(const VbVariant& gruppe, int& index) const
{
    if (!gruppe.isNumeric() || gruppe.toDouble() == 0)
        return false;
    const int16_t g = gruppe.toInteger();
    for (size_t i = 0; i < m_gruppen.size(); ++i) {
        if (m_gruppen[i].nummer == g) {
            index = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

QString Gefäßauswahlkern::GetBehältergruppenbezeichnung(int16_t gruppenNr) const
{
    for (const Gruppe& g : m_gruppen)
        if (g.nummer != 0 && g.nummer == gruppenNr)
            return g.bezeichnung;
    return Blank();
}

// --- Vessel lists ---

bool Gefäßauswahlkern::ÖffneListe(const QString& sql, bool sqlInMeldung)
{
    m_artikelfehler = 0;
    if (GefaesseDB && m_liste && m_liste->Öffnen(GefaesseDB->Verbindung(), sql))
        return true;
    m_artikelfehler = 12;
    const QString fehler = m_liste ? m_liste->LetzterFehler() : QStringLiteral("Die Verbindung ist nicht geöffnet.");
    // A list that did not open is empty: nothing is found in it and the dialog shows no row.
    if (m_liste)
        m_liste->Schliessen();
    const Programmzustand& z = zustand();
    Meldung(Meldungsart::Datenbankfehler, LadeText(2402 + z.Sprachoffset) + LadeText(2414 + z.Sprachoffset),
            {VbVariant(fehler), VbVariant(sqlInMeldung ? sql : Blank()), VbVariant(kGefäßtabelle), VbVariant::lng(12)});
    return false;
}

QString Gefäßauswahlkern::Listenbedingung(int16_t gruppe) const
{
    return QStringLiteral(" WHERE [Art Gr Berechn Prg] = ") + Zahlen::Str(gruppe) + Typbedingung()
        + QStringLiteral(" AND [Max, Betriebsdruck in bar] >= ") + Zahlen::Str(zahl("m_p_SV"))
        + QStringLiteral(" AND ([Durchmesser in mm] + [MinderBreite in mm]) <= ") + Zahlen::Str(zahl("m_EinbringBreite"))
        + QStringLiteral(" AND ([Höhe in mm] + [MinderHöhe in mm]) <= ") + Zahlen::Str(zahl("m_EinbringHoehe"));
}

QString Gefäßauswahlkern::Listenordnung() const
{
    return NachVordruckSortiert() ? QStringLiteral(" ORDER BY [Inhalt in ltr],[Max, Betriebsdruck in bar],[Vordruck]")
                                  : QStringLiteral(" ORDER BY [Inhalt in ltr],[Max, Betriebsdruck in bar]");
}

bool Gefäßauswahlkern::ÖffneAutomatikliste(int16_t gruppe)
{
    return ÖffneListe(QStringLiteral("SELECT * FROM [Grunddaten Gefäße]") + Listenbedingung(gruppe) + Listenordnung(),
                      false);
}

bool Gefäßauswahlkern::ÖffneAuswahlliste(int16_t gruppe, int32_t mindestVolumen)
{
    return ÖffneListe(
        QStringLiteral("SELECT [Art Nr],[") + SpalteUmschreibung + QStringLiteral("],[") + SpalteKurztext1
            + QStringLiteral("],[Durchmesser in mm],[Höhe in mm],[arPreis],[Max, Betriebsdruck in bar],[Inhalt in ltr],"
                             "[Art Gr Berechn Prg],[Vordruck],DIMENSIONSTEXTE.[diTextzeile],EINFUEGETEXTE.[etText],"
                             "LANGTEXTE.[ltText] FROM (([Grunddaten Gefäße] LEFT JOIN ARTIKEL ON [Grunddaten Gefäße].[Art Nr] "
                             "= ARTIKEL.[arArtikelnr]) LEFT JOIN (DIMENSIONSTEXTE LEFT JOIN EINFUEGETEXTE ON "
                             "DIMENSIONSTEXTE.[ltLangtextnr] = EINFUEGETEXTE.[etEinfuegetextnr]) ON ARTIKEL.[arArtikelnr] = "
                             "DIMENSIONSTEXTE.[arArtikelnr]) LEFT JOIN LANGTEXTE ON ARTIKEL.[ltLangtextnr] = "
                             "LANGTEXTE.[ltLangtextnr]")
            + Listenbedingung(gruppe) + QStringLiteral(" AND [Inhalt in ltr] >= ") + Zahlen::Str(mindestVolumen)
            + Listenordnung(),
        false);
}

// --- Search and positioning ---

bool Gefäßauswahlkern::SucheBehälter(int32_t volumen, float vordruck)
{
    schreibe("m_GefaessArtNr", VbVariant(Blank()));
    LöscheZusätze(false);
    m_inhalt = 0;
    schreibe("m_GefaessInhalt", VbVariant::lng(0));
    m_maxDruck = 0.0f;
    if (!m_liste || !m_liste->IstOffen() || m_liste->Leer())
        return false;
    m_liste->MoveFirst();
    if (volumen >= 32767)
        return false;
    if (m_liste->Find(Kriterium(QStringLiteral("Inhalt in ltr"), ">=", volumen)) == Recordset::Suche::Gefunden
        && MitVordruckvariante())
        WähleVordruckvariante(vordruck);
    if (!m_liste->HatAktuelleZeile())
        return false;
    schreibe("m_GefaessArtNr", VbVariant(LeseArtikelfeld(QStringLiteral("Art Nr")).toString()));
    m_inhalt = LeseArtikelfeld(QStringLiteral("Inhalt in ltr")).toLong();
    schreibe("m_GefaessInhalt", VbVariant::lng(m_inhalt));
    m_maxDruck = LeseArtikelfeld(QStringLiteral("Max, Betriebsdruck in bar")).toSingle();
    return true;
}

// Among the rows of equal content and equal maximum pressure from the current one on, the first
// whose factory pre-pressure reaches vordruck, else the last of them; the list stands on it.
void Gefäßauswahlkern::WähleVordruckvariante(float vordruck)
{
    if (m_liste)
        WähleVordruckvariante(*m_liste, vordruck);
}

void Gefäßauswahlkern::WähleVordruckvariante(Recordset& rs, float vordruck)
{
    if (!rs.HatAktuelleZeile())
        return;
    const int16_t inhalt = Feld(rs, QStringLiteral("Inhalt in ltr")).toInteger();
    // Pressures compare as Singles: a factory pre-pressure of 1.1 bar matches a system's 1.1 bar.
    const float maxDruck = Feld(rs, QStringLiteral("Max, Betriebsdruck in bar")).toSingle();
    int markiert = -1;
    while (rs.HatAktuelleZeile()) {
        if (Feld(rs, QStringLiteral("Max, Betriebsdruck in bar")).toSingle() != maxDruck)
            break;
        markiert = rs.Position();
        if (Feld(rs, QStringLiteral("Vordruck")).toSingle() >= vordruck)
            break;
        rs.Find(Kriterium(QStringLiteral("Inhalt in ltr"), "=", inhalt), 1);
    }
    if (markiert >= 0)
        rs.GeheZu(markiert);
}

bool Gefäßauswahlkern::PositioniereAufArtikel(const QString& artNr, bool mitVordruck, float vordruck)
{
    if (artNr.isEmpty() || !m_liste || !m_liste->IstOffen() || m_liste->Leer())
        return false;
    m_liste->MoveFirst();
    if (m_liste->Find(Textkriterium(QStringLiteral("Art Nr"), artNr)) == Recordset::Suche::Gefunden && mitVordruck
        && MitVordruckvariante())
        WähleVordruckvariante(vordruck);
    return m_liste->HatAktuelleZeile();
}

VbVariant Gefäßauswahlkern::LeseArtikelfeld(const QString& feldname)
{
    m_artikelfehler = 0;
    VbVariant v;
    if (m_liste && m_liste->Wert(feldname, v))
        return v.isNull() ? VbVariant() : v;
    m_artikelfehler = 5;
    const QString fehler = m_liste ? m_liste->LetzterFehler() : QString();
    const Programmzustand& z = zustand();
    Meldung(Meldungsart::Datenbankfehler, LadeText(2401 + z.Sprachoffset) + LadeText(2407 + z.Sprachoffset),
            {VbVariant(fehler), VbVariant(feldname), VbVariant(kGefäßtabelle), VbVariant::lng(5)});
    return VbVariant();
}

// --- Choice ---

void Gefäßauswahlkern::LöscheBehälterauswahl(bool mitAnzahl)
{
    m_gruppeNr = 0;
    schreibe("m_GefaessGruppe", VbVariant(0.0));
    schreibe("m_GefaessInhalt", VbVariant::lng(0));
    if (mitAnzahl)
        schreibe("m_GefaessAnzahl", VbVariant(1.0));
    schreibe("m_GefaessArtNr", VbVariant(Blank()));
    LöscheZusätze(true);
    schreibe("m_IstAusgelegt", VbVariant(false));
    m_kernseite.Kommando(1, 1, 0);
}

void Gefäßauswahlkern::ZeigeArtikeldialog()
{
    Artikelauswahldialog* dialog = artikelauswahlDialog();
    if (!dialog)
        return;
    m_kernseite.SaveKommandoButtons();
    m_kernseite.Kommando(0, 0, 0);
    dialog->Zeige();
    m_kernseite.LoadKommandoButtons();
}

void Gefäßauswahlkern::TextGeaendert(int index)
{
    if (index == 0 || index == 1)
        LöscheBehälterauswahl(true);
    else if (index == 3)
        LöscheBehälterauswahl(false);
    else
        return;
    Anzeige_Behälter(false);
    m_kernseite.Aktualisieren();
}
