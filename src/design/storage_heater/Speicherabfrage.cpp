#include "design/storage_heater/Speicherabfrage.h"

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/Recordset.h"
#include "data/datenbank.h"
#include "design/storage_heater/GlobDatenSpeicher.h"

namespace {
constexpr int32_t FehlerAbfrage = 12;
constexpr int32_t FehlerLesen = 5;
const QString Quelle = QStringLiteral("Speicher_ ...");

const QString Verbund = QStringLiteral(
    "(Speicher_Maße LEFT JOIN Speicher_Leistung ON (Speicher_Maße.[Art Gruppe] = Speicher_Leistung.[Art Gruppe] AND "
    "Speicher_Maße.[Nenninhalt] = Speicher_Leistung.[Nenninhalt])) LEFT JOIN Speicher_Typen ON (Speicher_Maße.[Art "
    "Gruppe] = Speicher_Typen.[Art Gruppe] AND Speicher_Maße.[Nenninhalt] = Speicher_Typen.[Nenninhalt])");
}  // namespace

Speicherabfrage::Speicherabfrage(GlobDatenSpeicher& daten) : m_daten(daten), m_db(std::make_unique<datenbank>()) {}

Speicherabfrage::~Speicherabfrage() = default;

QString Speicherabfrage::Zahl(double w, bool single)
{
    // The runtime's number text without its blank, and with the zero before a leading point.
    QString t = Zahlen::Str(w, single).trimmed();
    if (t.startsWith(QLatin1Char('.')))
        t.prepend(QLatin1Char('0'));
    else if (t.startsWith(QLatin1String("-.")))
        t.insert(1, QLatin1Char('0'));
    return t;
}

QString Speicherabfrage::Bedingungen(int gruppe) const
{
    return Zahl(gruppe) + QStringLiteral(" AND [Vorlauftemperatur] = ") + Zahl(m_daten.m_VorlaufTemp.m_Value.toDouble())
           + QStringLiteral(" AND [Speichertemperatur] = ") + Zahl(m_daten.m_SpeicherTemp.m_Value.toDouble())
           + QStringLiteral(" AND ([Durchmesser in mm] + [MinderBreite in mm]) <= ")
           + Zahl(m_daten.m_EinbringBreite.m_Value)
           + QStringLiteral(" AND ([Bauhöhe in mm] + [MinderHöhe in mm]) <= ") + Zahl(m_daten.m_EinbringHoehe.m_Value);
}

QString Speicherabfrage::KandidatenSql(int gruppe) const
{
    return QStringLiteral("SELECT *FROM ") + Verbund + QStringLiteral(" WHERE Speicher_Maße.[Art Gruppe] = ")
           + Bedingungen(gruppe) + QStringLiteral(" ORDER BY Speicher_Maße.[Nenninhalt],[Art Nr]");
}

QString Speicherabfrage::ListeSql(int gruppe) const
{
    const QString n = Zahl(m_daten.m_BedarfsKennz.m_Value.toSingle(), true);
    QString filter = QStringLiteral(" AND (");
    for (int i = 1; i <= 6; ++i)
        filter += (i > 1 ? QStringLiteral(" Or ") : QString()) + QStringLiteral("[Leistungskennzahl_%1] >= ").arg(i) + n;
    filter += QLatin1Char(')');
    return QStringLiteral("SELECT [Art Nr],[") + SpalteTyp + QStringLiteral("],[Durchmesser in mm],[Bauhöhe in mm],[")
           + SpalteKurztext1
           + QStringLiteral("],[arPreis],[Leistungskennzahl_1],Speicher_Maße.[Nenninhalt],Speicher_Maße.[Art Gruppe],"
                            "DIMENSIONSTEXTE.[diTextzeile],EINFUEGETEXTE.[etText],LANGTEXTE.[ltText]FROM (((")
           + Verbund
           + QStringLiteral(
               ")LEFT JOIN ARTIKEL ON Speicher_Typen.[Art Nr] = ARTIKEL.[arArtikelnr]) LEFT JOIN (DIMENSIONSTEXTE "
               "LEFT JOIN EINFUEGETEXTE ON DIMENSIONSTEXTE.[ltLangtextnr] = EINFUEGETEXTE.[etEinfuegetextnr]) ON "
               "ARTIKEL.[arArtikelnr] = DIMENSIONSTEXTE.[arArtikelnr]) LEFT JOIN LANGTEXTE ON ARTIKEL.[ltLangtextnr] = "
               "LANGTEXTE.[ltLangtextnr] WHERE Speicher_Maße.[Art Gruppe] = ")
           + Bedingungen(gruppe) + filter + QStringLiteral(" ORDER BY Speicher_Maße.[Nenninhalt],[Art Nr]");
}

bool Speicherabfrage::Öffnen(const QString& sql)
{
    std::shared_ptr<Recordset> rs = m_db->GetADODB_Recordset();
    rs->Schliessen();
    QString fehler;
    bool ok;
    if (m_db->Verbindung()) {
        ok = rs->Öffnen(m_db->Verbindung(), sql);
        fehler = rs->LetzterFehler();
    } else {
        // No connection yet, or the last open failed: open afresh.
        ok = m_db->OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, false) == 0;
        fehler = m_db->LetzterFehler();
    }
    if (ok)
        return true;
    m_Fehlercode = FehlerAbfrage;
    const int o = zustand().Sprachoffset;
    Meldung(Meldungsart::Datenbankfehler, LadeText(o + 2402) + LadeText(o + 2414),
            {VbVariant(fehler), VbVariant(QStringLiteral(" ")), VbVariant(Quelle), VbVariant(FehlerAbfrage)});
    return false;
}

void Speicherabfrage::SpeicherKandidatenÖffnen(int gruppe)
{
    Öffnen(KandidatenSql(gruppe));
}

void Speicherabfrage::SpeicherlisteÖffnen(int gruppe)
{
    Öffnen(ListeSql(gruppe));
}

bool Speicherabfrage::SucheBehälterartikel(const QString& artNr)
{
    if (artNr.isEmpty())
        return false;
    std::shared_ptr<Recordset> rs = m_db->GetADODB_Recordset();
    if (!rs->IstOffen() || rs->Leer())
        return false;
    rs->MoveFirst();
    return m_db->Find(QStringLiteral("[Art Nr] = ") + JetDialekt::Textliteral(artNr)) && !rs->Eof();
}

VbVariant Speicherabfrage::GetFeldwert(const QString& feld)
{
    m_Fehlercode = 0;
    std::shared_ptr<Recordset> rs = m_db->GetADODB_Recordset();
    VbVariant w;
    QString fehler;
    if (!rs->IstOffen())
        fehler = QStringLiteral("Die Abfrage ist nicht geöffnet.");
    else if (!rs->HatAktuelleZeile())
        fehler = QStringLiteral("Kein aktueller Datensatz.");
    else if (rs->Wert(feld, w))
        return w.isNull() ? VbVariant() : w;
    else
        fehler = rs->LetzterFehler();
    m_Fehlercode = FehlerLesen;
    const int o = zustand().Sprachoffset;
    Meldung(Meldungsart::Datenbankfehler, LadeText(o + 2401) + LadeText(o + 2407),
            {VbVariant(fehler), VbVariant(feld), VbVariant(Quelle), VbVariant(FehlerLesen)});
    return VbVariant();
}

float Speicherabfrage::GetLeistungskennzahl(int n)
{
    return n >= 1 && n <= 6 ? GetFeldwert(QStringLiteral("Leistungskennzahl_%1").arg(n)).toSingle() : 0.0f;
}

float Speicherabfrage::GetWärmeleistung(int n)
{
    return n >= 1 && n <= 6 ? GetFeldwert(QStringLiteral("Wärmeleistung_%1").arg(n)).toSingle() : 0.0f;
}

int32_t Speicherabfrage::GetHeizvolumenstrom(int n)
{
    return n >= 1 && n <= 6 ? GetFeldwert(QStringLiteral("Heizvolumenstrom_%1").arg(n)).toLong() : 0;
}

bool Speicherabfrage::AutomatischeBehälterauswahlSp(float N, int n)
{
    m_daten.m_GefaessArtNr.m_Value = QStringLiteral(" ");
    m_daten.m_GefaessInhalt.m_Value = VbVariant::integer(0);
    m_daten.m_LeiszungsKennz.m_Value = VbVariant(0.0);
    m_daten.m_Wärmeleistung.m_Value = VbVariant(0.0);
    m_daten.m_HeizVolStrom.m_Value = VbVariant::integer(0);
    if (n < 1 || n > 6)
        return false;
    std::shared_ptr<Recordset> rs = m_db->GetADODB_Recordset();
    if (!rs->IstOffen() || rs->Leer())
        return false;
    rs->MoveFirst();
    if (!m_db->Find(QStringLiteral("[Leistungskennzahl_%1] >= ").arg(n) + Zahl(N, true)) || rs->Eof())
        return false;
    m_daten.m_GefaessArtNr.m_Value = GetFeldwert(QStringLiteral("Art Nr"));
    m_daten.m_GefaessInhalt.m_Value = GetFeldwert(QStringLiteral("Speicher_Maße.Nenninhalt"));
    m_daten.m_LeiszungsKennz.m_Value = VbVariant(GetLeistungskennzahl(n));
    m_daten.m_Wärmeleistung.m_Value = VbVariant(GetWärmeleistung(n));
    m_daten.m_HeizVolStrom.m_Value = VbVariant::lng(GetHeizvolumenstrom(n));
    return true;
}
