#include "design/storage_heater/Wohnungsgruppen.h"

#include <array>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/Recordset.h"
#include "data/datenbank.h"
#include "design/storage_heater/GlobDatenSpeicher.h"

namespace {

struct Raum {
    const char* zahl;
    double belegung;
};
constexpr std::array<Raum, 13> Räume = {{
    {"1", 2.0}, {"1 1/2", 2.0}, {"2", 2.0}, {"2 1/2", 2.3}, {"3", 2.7}, {"3 1/2", 3.1}, {"4", 3.5},
    {"4 1/2", 3.9}, {"5", 4.3}, {"5 1/2", 4.6}, {"6", 5.0}, {"6 1/2", 5.4}, {"7", 5.6},
}};

constexpr double BelegungMin = 2.0, BelegungMax = 5.6;
constexpr int WohnungenMin = 1, WohnungenMax = 500;

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

}  // namespace

Wohnungsgruppen::Wohnungsgruppen() : m_db(std::make_unique<datenbank>())
{
    const Programmzustand& z = zustand();
    m_sql = QStringLiteral("Select * From SpeicherBedarfsKz WHERE [Projekt Nr] = ") + JetDialekt::Textliteral(z.aktProjektnummer)
            + QStringLiteral(" ORDER BY [WohnungsgruppenNr]");
    m_öffnungscode = m_db->OpenTab(z.Projekt_Data_Source, m_sql, 2, Kennwort::Projektdatenbank, true);
    if (m_öffnungscode != 0)
        return;
    if (m_db->EmptyTab()) {
        m_LetzteGruppenNr = 1;
        if (m_db->AddNew()) {
            m_db->SetFeld(QStringLiteral("WohnungsgruppenNr"), VbVariant::integer(1));
            Vorbelegen();
            m_db->UpdateTab();
        }
        return;
    }
    for (m_db->MoveFirst(); !m_db->EofTab(); m_db->MoveNext())
        m_LetzteGruppenNr = m_db->GetFeld(QStringLiteral("WohnungsgruppenNr")).toInteger();
    m_db->MoveFirst();
}

Wohnungsgruppen::~Wohnungsgruppen() = default;

int32_t Wohnungsgruppen::NeuLaden()
{
    if (m_öffnungscode != 0)
        return m_öffnungscode;
    return m_db->NewSQL(m_sql, false);
}

void Wohnungsgruppen::Vorbelegen()
{
    m_db->SetFeld(QStringLiteral("Projekt Nr"), zustand().aktProjektnummer);
    m_db->SetFeld(QStringLiteral("Raumzahl"), QStringLiteral("1"));
    m_db->SetFeld(QStringLiteral("Belegungszahl"), VbVariant(BelegungszahlAusRaumzahl(QStringLiteral("1"))));
    m_db->SetFeld(QStringLiteral("AnzahlWohng"), VbVariant::integer(1));
    m_db->SetFeld(QStringLiteral("ArtAusstatt"), QStringLiteral("N"));
    for (const char* spalte : {"NB1", "WT", "SP"})
        m_db->SetFeld(QLatin1String(spalte), VbVariant::integer(1));
}

void Wohnungsgruppen::SetFeldAdodc(const QString& feld, const VbVariant& wert)
{
    std::shared_ptr<Recordset> rs = m_db->GetADODB_Recordset();
    QString fehler;
    if (!rs->HatAktuelleZeile())
        fehler = QStringLiteral("Kein aktueller Datensatz.");
    else if (!rs->SetzeWert(feld, wert) || !rs->Update())
        fehler = rs->LetzterFehler();
    else
        return;
    // The row keeps what it had.
    rs->CancelUpdate();
    Meldung(Meldungsart::Datenbankfehler, text(2401) + text(2408),
            {VbVariant(fehler), VbVariant(feld), VbVariant(m_sql), VbVariant(QString())});
}

VbVariant Wohnungsgruppen::GetFeldAdodc(const QString& feld)
{
    std::shared_ptr<Recordset> rs = m_db->GetADODB_Recordset();
    VbVariant w;
    QString fehler;
    if (!rs->HatAktuelleZeile())
        fehler = QStringLiteral("Kein aktueller Datensatz.");
    else if (rs->Wert(feld, w))
        return w.isNull() ? VbVariant() : w;
    else
        fehler = rs->LetzterFehler();
    Meldung(Meldungsart::Datenbankfehler, text(2401) + text(2407),
            {VbVariant(fehler), VbVariant(feld), VbVariant(m_sql), VbVariant(QString())});
    return VbVariant();
}

int Wohnungsgruppen::Anzahl() const
{
    return m_db->GetADODB_Recordset()->Anzahl();
}

int Wohnungsgruppen::Position() const
{
    return m_db->GetADODB_Recordset()->Position();
}

void Wohnungsgruppen::GeheZu(int zeile)
{
    m_db->GetADODB_Recordset()->GeheZu(zeile);
}

void Wohnungsgruppen::Einfügen()
{
    if (m_öffnungscode != 0)
        return;
    // With rows the new one takes the next number; into an empty list it goes with the
    // column's default number and the counter stays.
    const bool mitNummer = !m_db->EmptyTab();
    if (!m_db->AddNew())
        return;
    if (mitNummer)
        m_db->SetFeld(QStringLiteral("WohnungsgruppenNr"), VbVariant::integer(static_cast<int16_t>(++m_LetzteGruppenNr)));
    Vorbelegen();
    m_db->UpdateTab(QStringLiteral("WohnungsgruppenNr"));  // a failure is reported there
}

void Wohnungsgruppen::Löschen()
{
    if (m_öffnungscode != 0 || m_db->BofOrEofTab())
        return;
    m_db->UpdateTab();
    // The last row may go too: delete on the recordset itself.
    std::shared_ptr<Recordset> rs = m_db->GetADODB_Recordset();
    const int zeile = rs->Position();
    if (!rs->Delete()) {
        DatenbankMeldung(dbFehlerDeleteBookmark, rs->LetzterFehler(), QStringLiteral("aktuelle Lesezeichenposition"),
                         m_sql);
        return;
    }
    rs->GeheZu(qMin(zeile, rs->Anzahl() - 1));
}

void Wohnungsgruppen::SchreibeZelle(const QString& feld, const QString& eingabe)
{
    if (feld == QLatin1String("Raumzahl")) {
        SetFeldAdodc(feld, eingabe);
        SetFeldAdodc(QStringLiteral("Belegungszahl"), VbVariant(BelegungszahlAusRaumzahl(eingabe)));
        return;
    }
    if (feld == QLatin1String("ArtAusstatt")) {
        SetFeldAdodc(feld, AusstattungCode(eingabe));
        return;
    }
    if (feld == QLatin1String("Bezeichnung")) {
        SetFeldAdodc(feld, eingabe);
        return;
    }
    bool ok = false;
    double w = Zahlen::TextZuZahl(eingabe, &ok);
    if (!ok)
        return;
    if (feld == QLatin1String("Belegungszahl"))
        w = qBound(BelegungMin, w, BelegungMax);
    else if (feld == QLatin1String("AnzahlWohng"))
        w = qBound<double>(WohnungenMin, w, WohnungenMax);
    SetFeldAdodc(feld, VbVariant(w));
    if (feld == QLatin1String("WohnungsgruppenNr"))
        m_LetzteGruppenNr = GetFeldAdodc(feld).toInteger();
}

bool Wohnungsgruppen::BerechnenOderVerändern(GlobDatenSpeicher& daten)
{
    if (daten.m_IstBerechnet.m_Value.toBool()) {
        daten.m_IstBerechnet.m_Value = false;
        daten.m_IstAusgelegt.m_Value = false;
        return false;
    }
    m_db->UpdateTab();
    if (daten.Rechnen_SpeicherWasserwärmer())
        zustand().NeuAuslegungErforderlich = true;
    daten.m_IstBerechnet.m_Value = true;
    return true;
}

const QStringList& Wohnungsgruppen::Raumzahlen()
{
    static const QStringList liste = [] {
        QStringList l;
        for (const Raum& r : Räume)
            l << QString::fromLatin1(r.zahl);
        return l;
    }();
    return liste;
}

double Wohnungsgruppen::BelegungszahlAusRaumzahl(const QString& raumzahl)
{
    for (const Raum& r : Räume)
        if (raumzahl == QLatin1String(r.zahl))
            return r.belegung;
    return 2.0;
}

QString Wohnungsgruppen::AusstattungText(const QString& code)
{
    if (code == QLatin1String("K"))
        return text(969);
    if (code == QLatin1String("I"))
        return text(970);
    return text(968);
}

QString Wohnungsgruppen::AusstattungCode(const QString& anzeige)
{
    if (anzeige == text(969))
        return QStringLiteral("K");
    if (anzeige == text(970))
        return QStringLiteral("I");
    return QStringLiteral("N");
}
