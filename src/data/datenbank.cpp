#include "data/datenbank.h"

#include <algorithm>

#include "data/JetDialekt.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

void DatenbankMeldung(int32_t code, const QString& beschreibung, const QString& feld, const QString& quelle)
{
    if (code < dbFehlerConnectionOpen || code > dbFehlerDurchlauf)
        return;
    const int o = zustand().Sprachoffset;
    const int operation = 2403 + code - 1;
    if (code <= dbFehlerNewSQL) {
        Meldung(Meldungsart::Datenbankfehler, LadeText(o + 2400) + LadeText(o + operation),
                {VbVariant(beschreibung), VbVariant(quelle), VbVariant(static_cast<int>(code))});
    } else {
        Meldung(Meldungsart::Datenbankfehler, LadeText(o + 2401) + LadeText(o + operation),
                {VbVariant(beschreibung), VbVariant(feld), VbVariant(quelle), VbVariant(static_cast<int>(code))});
    }
}

datenbank::datenbank() : m_recordset(std::make_shared<Recordset>())
{
    // A pending edit that a move could not save is reported as a failed write.
    m_recordset->beiVerworfenerÄnderung = [this](const QString& fehler) { melde(dbFehlerWrite, fehler, QString()); };
}

datenbank::~datenbank()
{
    m_recordset->beiVerworfenerÄnderung = nullptr;
    UnbindAdodc();
    m_recordset->Schliessen();
    m_verbindung.reset();
}

void datenbank::melde(int32_t code, const QString& beschreibung, const QString& feld)
{
    m_fehlercode = code;
    m_letzterFehler = beschreibung;
    DatenbankMeldung(code, beschreibung, feld, m_sql);
}

bool datenbank::ergebnis(bool ok)
{
    if (!ok)
        m_letzterFehler = m_recordset->LetzterFehler();
    return ok;
}

bool datenbank::RecordsetIsOpen() const
{
    return m_recordset->IstOffen();
}

void datenbank::CloseTab()
{
    m_recordset->Schliessen();
}

int32_t datenbank::OpenTab(const QString& Data_Source, const QString& SQL_String, int32_t CursLoc,
                           const QString& passwort, bool fehlerAnzeige)
{
    m_sql = SQL_String;
    m_cursLoc = CursLoc;
    m_fehlercode = dbKeinFehler;
    // An object that is open already starts over on the new file.
    m_recordset->Schliessen();
    m_verbindung.reset();

    QString f;
    std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(Data_Source, passwort, &f);
    if (!v) {
        m_fehlercode = dbFehlerConnectionOpen;
        m_letzterFehler = f;
        if (fehlerAnzeige)
            DatenbankMeldung(m_fehlercode, f, QString(), m_sql);
        return m_fehlercode;
    }
    if (!m_recordset->Öffnen(v, SQL_String)) {
        m_fehlercode = dbFehlerRecordsetOpen;
        m_letzterFehler = m_recordset->LetzterFehler();
        if (fehlerAnzeige)
            DatenbankMeldung(m_fehlercode, m_letzterFehler, QString(), m_sql);
        return m_fehlercode;
    }
    m_verbindung = std::move(v);
    return dbKeinFehler;
}

int32_t datenbank::NewSQL(const QString& SQL_String, bool withUpdate)
{
    m_sql = SQL_String;
    m_fehlercode = dbKeinFehler;
    if (m_recordset->IstOffen()) {
        const bool ok = withUpdate ? UpdateTabOhneMeldung() : CancelUpdateTab();
        if (!ok)
            melde(dbFehlerNewSQL, m_letzterFehler, QString());
        m_recordset->Schliessen();
    }
    if (!m_verbindung) {
        melde(dbFehlerNewSQL, QStringLiteral("Die Verbindung ist nicht geöffnet."), QString());
        return dbFehlerNewSQL;
    }
    if (!m_recordset->Öffnen(m_verbindung, SQL_String)) {
        melde(dbFehlerNewSQL, m_recordset->LetzterFehler(), QString());
        return dbFehlerNewSQL;
    }
    return dbKeinFehler;
}

bool datenbank::SetBookmark()
{
    m_gespeicherteMarke = m_recordset->Bookmark();
    return ergebnis(!m_gespeicherteMarke.isEmpty());
}

bool datenbank::GoToBookmark()
{
    return ergebnis(m_recordset->GeheZuBookmark(m_gespeicherteMarke));
}

bool datenbank::Bookmark(const VbVariant& marke)
{
    return ergebnis(m_recordset->GeheZuBookmark(marke));
}

VbVariant datenbank::Bookmark() const
{
    return m_recordset->Bookmark();
}

void datenbank::BindAdodc(Adodc* AdoElement)
{
    m_adodc = AdoElement;
    if (AdoElement)
        AdoElement->SetzeRecordset(m_recordset);
}

void datenbank::UnbindAdodc()
{
    m_adodc = nullptr;
}

void datenbank::SetFeld(const QString& feld, const VbVariant& wert)
{
    m_fehlercode = dbKeinFehler;
    if (EmptyTab())
        return;
    // A NUL in a text is an input error, told as such (not as a database error).
    if (wert.isString() && wert.toString().contains(QChar(0))) {
        m_fehlercode = dbFehlerWrite;
        m_letzterFehler = LadeText(zustand().Sprachoffset + 2921);
        Meldung(Meldungsart::Eingabefehler, m_letzterFehler);
        return;
    }
    if (!m_recordset->SetzeWert(feld, wert))
        melde(dbFehlerWrite, m_recordset->LetzterFehler(), feld);
}

VbVariant datenbank::GetFeld(const QString& feld)
{
    m_fehlercode = dbKeinFehler;
    if (EmptyTab())
        return VbVariant();
    VbVariant w;
    if (!m_recordset->Wert(feld, w)) {
        melde(dbFehlerRead, m_recordset->LetzterFehler(), feld);
        return VbVariant();
    }
    return w.isNull() ? VbVariant() : w;
}

datenbank::Stelle datenbank::merke() const
{
    Stelle s;
    s.position = m_recordset->Position();
    if (m_recordset->HatAktuelleZeile())
        s.marke = m_recordset->Bookmark();
    return s;
}

void datenbank::zurück(const Stelle& s)
{
    if (!s.marke.isEmpty())
        m_recordset->GeheZuBookmark(s.marke);
    else
        m_recordset->GeheZu(s.position);
}

VbVariant datenbank::GetNumValueEqualOrNextHigh(const QString& feld, const VbVariant& suchwert)
{
    if (!suchwert.isNumeric() || EmptyTab())
        return VbVariant(0);
    const int f = m_recordset->FeldIndex(feld);
    if (f < 0) {
        melde(dbFehlerDurchlauf, QStringLiteral("Das Element '%1' wurde in der Auflistung nicht gefunden.").arg(feld),
              feld);
        return VbVariant(0);
    }
    const double such = suchwert.toDouble();
    const Stelle s = merke();
    m_recordset->MoveFirst();
    VbVariant letzter;
    for (int i = 0; i < m_recordset->Anzahl(); ++i) {
        const VbVariant& w = m_recordset->ZeilenWert(i, f);
        letzter = w.isNull() ? VbVariant() : w;
        if (letzter.isNumeric() && letzter.toDouble() >= such)
            break;
    }
    zurück(s);
    return letzter;
}

VbVariant datenbank::GetNumMaxwert(const QString& feld)
{
    m_fehlercode = dbKeinFehler;
    if (EmptyTab())
        return VbVariant(0);
    const int f = m_recordset->FeldIndex(feld);
    if (f < 0) {
        melde(dbFehlerDurchlauf, QStringLiteral("Das Element '%1' wurde in der Auflistung nicht gefunden.").arg(feld),
              feld);
        return VbVariant(0);
    }
    const Stelle s = merke();
    m_recordset->MoveFirst();
    double max = 0.0;
    for (int i = 0; i < m_recordset->Anzahl(); ++i) {
        const VbVariant& w = m_recordset->ZeilenWert(i, f);
        if (w.isNull() || !w.isNumeric())
            continue;
        // A text with letters is no number here, also when it reads as one ("1E3").
        const QString text = w.isString() ? w.toString() : QString();
        if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }))
            continue;
        const double d = w.toDouble();
        if (d > max)
            max = d;
    }
    zurück(s);
    return max > 0.0 ? VbVariant::dbl(max) : VbVariant(0);
}

QString datenbank::GetAlphanumMaxwert(const QString& feld)
{
    m_fehlercode = dbKeinFehler;
    if (EmptyTab())
        return QString();
    const Stelle s = merke();
    QString max = QStringLiteral("0");
    m_recordset->MoveFirst();
    while (!m_recordset->Eof()) {
        const QString kriterium = JetDialekt::Name(feld) + QStringLiteral(" > ") + JetDialekt::Textliteral(max);
        const Recordset::Suche r = m_recordset->Find(kriterium, 0);
        if (r == Recordset::Suche::Fehler) {
            melde(dbFehlerAlphanumMaxwert, m_recordset->LetzterFehler(), kriterium);
            return QString();
        }
        if (r == Recordset::Suche::NichtGefunden)
            break;
        VbVariant w;
        m_recordset->Wert(feld, w);
        max = w.toString();
        m_recordset->MoveNext();
    }
    zurück(s);
    return max;
}

bool datenbank::UpdateTab(const QString& zeile)
{
    if (UpdateTabOhneMeldung())
        return true;
    melde(dbFehlerWrite, m_letzterFehler, zeile);
    return false;
}

bool datenbank::UpdateTabOhneMeldung()
{
    if (m_fehlercode != dbKeinFehler || EmptyTab())
        return true;
    if (BofOrEofTab())
        m_recordset->MoveFirst();
    if (m_recordset->Update())
        return true;
    // Reported once: the edit that could not be stored is given up, so that no later move tries
    // it again.
    m_letzterFehler = m_recordset->LetzterFehler();
    m_recordset->CancelUpdate();
    return false;
}

bool datenbank::CancelUpdateTab()
{
    if (m_fehlercode != dbKeinFehler || EmptyTab())
        return true;
    if (BofOrEofTab())
        m_recordset->MoveFirst();
    m_recordset->CancelUpdate();
    return true;
}

VbVariant datenbank::GetValFromFeld(const VbVariant& value1, const QString& feld1, const QString& feld2)
{
    if (value1.isEmpty() || value1.isNull())
        return VbVariant();
    QString wert;
    if (value1.isString()) {
        wert = value1.toString();
        if (wert.isEmpty() || wert == QLatin1String(" "))
            return VbVariant();
    } else {
        wert = JetDialekt::Zahlliteral(value1.toDouble());
    }
    if (!Find(JetDialekt::Name(feld1) + QStringLiteral(" = ") + wert))
        return VbVariant();
    return GetFeld(feld2);
}

VbVariant datenbank::GetValFromStrgFeld(const QString& value1, const QString& feld1, const QString& feld2)
{
    if (value1.isEmpty() || value1 == QLatin1String(" "))
        return VbVariant();
    if (!Find(JetDialekt::Name(feld1) + QStringLiteral(" = ") + JetDialekt::Textliteral(value1)))
        return VbVariant();
    return GetFeld(feld2);
}

bool datenbank::Find(const QString& suchstring)
{
    m_fehlercode = dbKeinFehler;
    if (EmptyTab())
        return false;
    m_recordset->MoveFirst();
    const Recordset::Suche r = m_recordset->Find(suchstring, 0);
    if (r == Recordset::Suche::Fehler) {
        melde(dbFehlerFind, m_recordset->LetzterFehler(), suchstring);
        return false;
    }
    return r == Recordset::Suche::Gefunden;
}

bool datenbank::FindNext(const QString& suchstring)
{
    m_fehlercode = dbKeinFehler;
    if (EmptyTab())
        return false;
    const Recordset::Suche r = m_recordset->Find(suchstring, 1);
    if (r == Recordset::Suche::Fehler) {
        melde(dbFehlerFind, m_recordset->LetzterFehler(), suchstring);
        return false;
    }
    return r == Recordset::Suche::Gefunden;
}

bool datenbank::AddNew()
{
    if (!EmptyTab())
        m_recordset->MoveLast();
    return ergebnis(m_recordset->AddNew());
}

bool datenbank::MoveFirst()
{
    return EmptyTab() || ergebnis(m_recordset->MoveFirst());
}

bool datenbank::MoveLast()
{
    return EmptyTab() || ergebnis(m_recordset->MoveLast());
}

bool datenbank::MoveNext()
{
    return EofTab() || ergebnis(m_recordset->MoveNext());
}

bool datenbank::MovePrevious()
{
    return BofTab() || ergebnis(m_recordset->MovePrevious());
}

bool datenbank::DeleteSatzMitFeld(const QString& FeldName, const QString& FeldInhalt)
{
    m_fehlercode = dbKeinFehler;
    if (EmptyTab())
        return false;
    const QString kriterium = JetDialekt::Name(FeldName) + QStringLiteral(" = ") + JetDialekt::Textliteral(FeldInhalt);
    m_recordset->MoveFirst();
    const Recordset::Suche r = m_recordset->Find(kriterium, 0);
    if (r == Recordset::Suche::Fehler) {
        melde(dbFehlerDeleteMitFeld, m_recordset->LetzterFehler(), kriterium);
        return false;
    }
    if (r == Recordset::Suche::NichtGefunden)
        return false;
    if (!m_recordset->Delete()) {
        melde(dbFehlerDeleteMitFeld, m_recordset->LetzterFehler(), kriterium);
        return false;
    }
    UpdateTab();
    return true;
}

bool datenbank::DeleteSatzBookmark()
{
    m_fehlercode = dbKeinFehler;
    if (!m_recordset->HatAktuelleZeile())
        return false;
    const VbVariant marke = m_recordset->Bookmark();
    VbVariant nachbar;
    m_recordset->MovePrevious();
    if (!m_recordset->Bof()) {
        nachbar = m_recordset->Bookmark();
    } else {
        m_recordset->MoveNext();
        m_recordset->MoveNext();
        if (!m_recordset->Eof())
            nachbar = m_recordset->Bookmark();
    }
    m_recordset->GeheZuBookmark(marke);
    if (nachbar.isEmpty())
        return false;
    if (!m_recordset->Delete()) {
        melde(dbFehlerDeleteBookmark, m_recordset->LetzterFehler(), QStringLiteral("aktuelle Lesezeichenposition"));
        return false;
    }
    UpdateTab();
    m_recordset->GeheZuBookmark(nachbar);
    return true;
}

bool datenbank::EofTab() const
{
    return m_recordset->Eof();
}

bool datenbank::BofTab() const
{
    return m_recordset->Bof();
}

bool datenbank::BofOrEofTab() const
{
    return m_recordset->Bof() || m_recordset->Eof();
}

bool datenbank::EmptyTab() const
{
    return m_recordset->Bof() && m_recordset->Eof();
}
