#include "projects/Projektseite.h"

#include <QDateTime>

#include <cmath>

#include "data/DbVerbindung.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/Tabellenaufbau.h"
#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "base/Zahlen.h"

namespace {

const QString ProjektNr = Tabelle::ProjektNr;
const QString SpalteProjektart = QStringLiteral("Projektart");
const QString SpalteDatum = QStringLiteral("Datum");
const QString SpalteArtErstellung = QStringLiteral("ArtErstellung");
// Columns of ProjektText(1) to ProjektText(7).
const std::array<QString, 8> Textspalten{
    QString(),
    QStringLiteral("Projektbezeichnung"),
    QStringLiteral("Bauherr"),
    QStringLiteral("Straße"),
    QStringLiteral("PLZ"),
    QStringLiteral("Ort"),
    QStringLiteral("Angebotsnummer"),
    QStringLiteral("Bemerkungen"),
};
// Text ids of the six types, in the order of Projektseite::Projektarten().
constexpr std::array<int, 6> ArttextIds{274, 279, 275, 276, 277, 278};

constexpr int CursorServer = 2;
constexpr int CursorClient = 3;

const QString Datumsformat = QStringLiteral("dd.MM.yyyy");

QString Datumstext(const QDate& d)
{
    return d.toString(Datumsformat);
}

VbVariant Datumswert(const QDate& d)
{
    return VbVariant::datum(QDateTime(d, QTime(0, 0), Qt::UTC));
}

// "[feld] = 'wert'" with the value escaped.
QString Gleich(const QString& feld, const QString& wert)
{
    return JetDialekt::Name(feld) + QStringLiteral(" = ") + JetDialekt::Textliteral(wert);
}

// The proposed number as text: whole numbers without exponent.
QString Nummerntext(double n)
{
    if (n == std::floor(n) && std::fabs(n) < 1e15)
        return QString::number(static_cast<qint64>(n));
    return Zahlen::CStr(n);
}

int Sprache()
{
    return zustand().Sprachoffset;
}

Projektseite* g_geladen = nullptr;

}  // namespace

Projektseite* Projektseite::Instanz()
{
    return g_geladen;
}

Projektseite::Projektseite(ProjektseitenUmfeld* umfeld) : SortierString1(ProjektNr), m_umfeld(umfeld) {}

Projektseite::~Projektseite()
{
    if (g_geladen == this)
        g_geladen = nullptr;
    projektDB.UnbindAdodc();
}

// ---------------------------------------------------------------------------------------------
// Types

const QStringList& Projektseite::Projektarten()
{
    static const QStringList codes{QStringLiteral("He"), QStringLiteral("So"), QStringLiteral("Kü"),
                                   QStringLiteral("Dr"), QStringLiteral("Tr"), QStringLiteral("Sp")};
    return codes;
}

QStringList Projektseite::Projektarttexte()
{
    QStringList texte;
    for (int id : ArttextIds)
        texte << LadeText(Sprache() + id);
    return texte;
}

QString Projektseite::ProjektartText(const QString& code)
{
    const qsizetype i = Projektarten().indexOf(code);
    return i < 0 ? QStringLiteral(" ") : LadeText(Sprache() + ArttextIds[static_cast<size_t>(i)]);
}

QString Projektseite::ProjektartKürzel(const QString& text)
{
    const qsizetype i = Projektarttexte().indexOf(text);
    return i < 0 ? Projektarten().first() : Projektarten().at(i);
}

QString Projektseite::Datensatztext(int zeile)
{
    return QString::number(zeile).rightJustified(6, QLatin1Char(' '));
}

// ---------------------------------------------------------------------------------------------
// Life of the page

bool Projektseite::Laden()
{
    Programmzustand& z = zustand();
    m_tyvoAbbruch = false;
    SetSortierstrings(z.aktSortierung);
    bool gefunden = false;
    const int32_t ergebnis = OeffneProjekttabelleSortiert(z.aktProjektnummer, SortierString1, SortierString2, gefunden);
    if (ergebnis != dbKeinFehler) {
        if (z.TyvoModus == 1 || z.TyvoModus == 2) {
            z.AbbruchCode = 3;
            z.AbbruchText.clear();
            m_tyvoAbbruch = true;
            tyvoAnbindung().RückgabeInXML_AuswahlDerKomponenteNichtMöglich(
                z.TyvoModus, QStringLiteral("Abbruch wegen Fehler im Auslegungsprogramm."));
        } else {
            z.FormLoadError = true;
        }
        return false;
    }
    m_geladen = true;
    g_geladen = this;

    const bool leer = projektDB.EmptyTab();
    z.NeuesProjekt = false;
    m_tyvoNeuanlage = false;
    if (z.TyvoModus == 2) {
        m_tyvoNeuanlage = leer || !gefunden;
    } else if (z.TyvoModus == 1) {
        if (!leer && gefunden) {
            // The host's project is stored already: from now on every row is stored.
            z.TyvoModus = 2;
            z.ProjektNichtSpeichern = false;
        } else {
            m_tyvoNeuanlage = true;
        }
    }
    z.istErstprojekt = false;

    if (m_tyvoNeuanlage) {
        TyvoProjektVorbereiten(leer);
    } else if (!leer) {
        Text[Nummer] = FeldText(ProjektNr);
        ProjektdatenAnHauptfenster();
        Blätterzustand();
        Kommando(1, 1, 1);
    } else {
        z.istErstprojekt = true;
        z.AktProjektArtErstellung = z.TyvoModus;
        ProjektNeuVorbereiten();
    }

    if (z.istErstprojekt) {
        Kommando(1, 0, 0);
        if (m_umfeld)
            m_umfeld->ErstprojektMenuesSperren();
    }
    if (z.TyvoModus == 1 || z.TyvoModus == 2) {
        if (m_umfeld)
            m_umfeld->ResetVisibleKommandoButtons(0, 1, 0);
        Adodc1Sichtbar = false;
        if (z.TyvoModus == 1) {
            NummerSichtbar = false;
            Frei[Art] = false;
        }
    }
    return true;
}

void Projektseite::Aktivieren()
{
    Programmzustand& z = zustand();
    if (m_tyvoAbbruch) {
        if (m_umfeld)
            m_umfeld->Beenden();
        return;
    }
    if (z.istErstprojekt)
        z.istErstprojekt = false;
    if (z.Automatiklauf && !z.Meldungsflag && m_tyvoNeuanlage) {
        // The host's project is written once.
        m_tyvoNeuanlage = false;
        NummerBestätigen();
        if (m_umfeld)
            m_umfeld->ResetVisibleKommandoButtons(0, 1, 0);
    }
    if (z.AktProjektArtErstellung == 1 || z.AktProjektArtErstellung == 2) {
        const bool bemerkungen = Frei[Bemerkungen];
        EingabenSperren();
        Frei[Bemerkungen] = bemerkungen;
    }
    if (m_umfeld)
        m_umfeld->AutomatischerBilderwechselWennErforderlich();
}

void Projektseite::Deaktivieren()
{
    if (!m_geladen)
        return;
    // Locking the inputs leaves the one being typed in: its text goes into the row first.
    AktiveEingabeÜbernehmen();
    EingabenSperren();
    Frei[Art] = false;
    ProjektzeileSpeichern();
}

void Projektseite::Entladen()
{
    Deaktivieren();
    m_geladen = false;
    if (g_geladen == this)
        g_geladen = nullptr;
    projektDB.UnbindAdodc();
    projektDB.CloseTab();
}

void Projektseite::ProjektzeileSpeichern()
{
    if (zustand().ProjektNichtSpeichern) {
        projektDB.CancelUpdateTab();
    } else {
        // A row that cannot be stored is reported by the table access.
        projektDB.UpdateTab();
    }
}

// ---------------------------------------------------------------------------------------------
// Input states

void Projektseite::EingabenSperren()
{
    for (int i = Bezeichnung; i <= Bemerkungen; ++i)
        Frei[i] = false;
    Frei[Datum] = false;
}

void Projektseite::EingabenFreigeben()
{
    for (int i = Bezeichnung; i <= Bemerkungen; ++i)
        Frei[i] = true;
    Frei[Datum] = true;
}

void Projektseite::Blätterzustand()
{
    Frei[Nummer] = false;
    Frei[Art] = false;
    EingabenSperren();
    Adodc1Frei = true;
    m_eingabezustand = Eingabezustand::Blättern;
}

void Projektseite::Nummerneingabe(const QString& nummer)
{
    Programmzustand& z = zustand();
    Text[Nummer] = nummer;
    Text[Art] = ProjektartText(z.ProjektartNeuanlage);
    Text[Datum] = Datumstext(heute());
    Frei[Nummer] = true;
    z.NeuesProjekt = true;
    Frei[Art] = false;
    EingabenSperren();
    Adodc1Frei = false;
    Kommando(1, 0, 0);
    m_eingabezustand = Eingabezustand::Nummerneingabe;
}

void Projektseite::Kommando(int a1, int a2, int a3)
{
    if (m_umfeld)
        m_umfeld->Kommando(a1, a2, a3);
}

void Projektseite::Fokus(int steuerelement)
{
    if (m_umfeld)
        m_umfeld->Fokus(steuerelement);
}

// ---------------------------------------------------------------------------------------------
// Showing rows

QString Projektseite::FeldText(const QString& feld)
{
    const VbVariant v = projektDB.GetFeld(feld);
    const QString t = v.isNull() ? QString() : v.toString();
    return t.isEmpty() ? QStringLiteral(" ") : t;
}

QString Projektseite::TextOderLeerzeichen(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

void Projektseite::ProjektdatenAnHauptfenster()
{
    Programmzustand& z = zustand();
    z.aktProjektnummer = FeldText(ProjektNr);
    ProjektLabeldata = z.aktProjektnummer;
    z.aktProjektBezeichnung = FeldText(Textspalten[Bezeichnung]);
    Text[Bezeichnung] = z.aktProjektBezeichnung;
    for (int i : {Bauherr, Strasse, Ort, Angebotsnummer, Bemerkungen, PLZ})
        Text[i] = FeldText(Textspalten[i]);
    z.Projektart = FeldText(SpalteProjektart);
    Text[Art] = ProjektartText(z.Projektart);
    const VbVariant datum = projektDB.GetFeld(SpalteDatum);
    Text[Datum] = Datumstext(datum.isDate() ? datum.toDateTime().date() : QDate(1900, 1, 1));
    const VbVariant art = projektDB.GetFeld(SpalteArtErstellung);
    z.AktProjektArtErstellung = (art.isNull() || art.isEmpty() || (art.isString() && art.toString().isEmpty()))
                                    ? 0
                                    : art.toLong();
    // Only the project made on this page is new to the design pages.
    z.NeuesProjekt = !m_neueNummer.isEmpty() && z.aktProjektnummer == m_neueNummer;
}

void Projektseite::zeigeDatensatz()
{
    const int pos = projektDB.GetADODB_Recordset()->Position();
    Adodc1Caption = Datensatztext(std::max(pos, 0) + 1);
}

void Projektseite::AnzeigeAktualisieren()
{
    if (projektDB.BofOrEofTab())
        return;
    ProjektdatenAnHauptfenster();
    Text[Nummer] = zustand().aktProjektnummer;
    ProjektLabeldata = Text[Nummer];
    zeigeDatensatz();
    Blätterzustand();
}

void Projektseite::Blättern(int richtung)
{
    if (!Adodc1Frei || projektDB.EmptyTab())
        return;
    if (!projektDB.BofOrEofTab()) {
        AktiveEingabeÜbernehmen();
        // An edit that cannot be stored has been reported by the table access: the page stays
        // on its row and shows what the row holds.
        if (!projektDB.UpdateTab()) {
            AnzeigeAktualisieren();
            return;
        }
    }
    switch (richtung) {
    case 0: projektDB.MoveFirst(); break;
    case 1:
        projektDB.MovePrevious();
        if (projektDB.BofTab())
            projektDB.MoveFirst();
        break;
    case 2:
        projektDB.MoveNext();
        if (projektDB.EofTab())
            projektDB.MoveLast();
        break;
    default: projektDB.MoveLast(); break;
    }
    if (Adodc1Sichtbar)
        AnzeigeAktualisieren();
}

// ---------------------------------------------------------------------------------------------
// New projects

void Projektseite::ProjektNeuVorbereiten()
{
    Adodc1Caption = Datensatztext(1);
    for (int i = Bezeichnung; i <= Bemerkungen; ++i)
        Text[i] = QStringLiteral(" ");
    m_kopiervorgang = false;
    Nummerneingabe(QStringLiteral("0"));
}

void Projektseite::ProjektAnlegen(bool kopierfunktion)
{
    AktiveEingabeÜbernehmen();
    const double nummer = projektDB.GetNumMaxwert(ProjektNr).toDouble() + 1.0;
    Adodc1Caption = Datensatztext(projektDB.GetADODB_Recordset()->Anzahl() + 1);
    if (!kopierfunktion)
        for (int i = Bezeichnung; i <= Bemerkungen; ++i)
            Text[i] = QStringLiteral(" ");
    m_kopiervorgang = kopierfunktion;
    Nummerneingabe(Nummerntext(nummer));
    if (NummerSichtbar)
        Fokus(Nummer);
}

void Projektseite::TyvoProjektVorbereiten(bool leer)
{
    Programmzustand& z = zustand();
    z.istErstprojekt = leer;
    z.AktProjektArtErstellung = z.TyvoModus;
    const TyvoProjektadresse a = tyvoAnbindung().Projektadresse();
    Text[Bezeichnung] = a.Name1;
    Text[Bauherr] = a.Name2_bzwNr;
    Text[Strasse] = a.StrasseUndNr;
    Text[PLZ] = a.PLZ;
    Text[Ort] = a.ORT;
    Text[Angebotsnummer] = QStringLiteral("TYVO-Projekterzeugung");
    Text[Bemerkungen] = QStringLiteral(" ");
    z.aktProjektBezeichnung = Text[Bezeichnung];
    ProjektAnlegen(true);
    if (z.TyvoModus == 2)
        tyvoAnbindung().SetzeProjektID(Text[Nummer]);
}

void Projektseite::NummerBestätigen()
{
    Programmzustand& z = zustand();
    const QString nummer = Text[Nummer];
    if (nummer.isEmpty())
        return;
    if (!projektDB.Find(Gleich(ProjektNr, nummer))) {
        projektDB.AddNew();
        zeigeDatensatz();
        z.aktProjektnummer = nummer;
        ProjektLabeldata = nummer;
        Text[Art] = ProjektartText(z.ProjektartNeuanlage);
        if (!m_kopiervorgang)
            for (int i = Bezeichnung; i <= Bemerkungen; ++i)
                Text[i].clear();
        Text[Datum] = Datumstext(heute());

        const QString art = ProjektartKürzel(Text[Art]);
        projektDB.SetFeld(ProjektNr, nummer);
        projektDB.SetFeld(SpalteProjektart, art);
        projektDB.SetFeld(SpalteDatum, Datumswert(heute()));
        for (int i = Bezeichnung; i <= Bemerkungen; ++i)
            projektDB.SetFeld(Textspalten[static_cast<size_t>(i)], TextOderLeerzeichen(Text[i]));
        projektDB.SetFeld(SpalteArtErstellung, VbVariant::byte(static_cast<uint8_t>(z.TyvoModus)));
        ProjektzeileSpeichern();
        if (z.TyvoModus == 1 || z.TyvoModus == 2)
            z.TyvoProjektAngelegt = true;
        z.AktProjektArtErstellung = z.TyvoModus;
        // The new project is the main window's current project: Weiter opens the pages of its type.
        z.Projektart = art;
        z.aktProjektBezeichnung = TextOderLeerzeichen(Text[Bezeichnung]);
        m_neueNummer = nummer;
        z.NeuesProjekt = true;

        Frei[Nummer] = false;
        Frei[Art] = !(z.TyvoModus == 1 || z.TyvoModus == 2);
        EingabenFreigeben();
        Adodc1Frei = true;
        m_eingabezustand = Eingabezustand::NeuesProjekt;
    } else {
        Meldung(Meldungsart::Information, LadeText(Sprache() + 2201), nummer);
        Text[Nummer] = FeldText(ProjektNr);
        ProjektdatenAnHauptfenster();
        Blätterzustand();
        zeigeDatensatz();
    }
    Kommando(1, 1, 1);
}

// ---------------------------------------------------------------------------------------------
// Changing and deleting

void Projektseite::ProjektVerändern()
{
    // Number entry leaves the boxes with the texts of a project that is not the current row.
    if (m_eingabezustand == Eingabezustand::Nummerneingabe)
        AnzeigeAktualisieren();
    Frei[Nummer] = false;
    Frei[Art] = false;
    const int art = zustand().AktProjektArtErstellung;
    if (art == 1 || art == 2) {
        Frei[Bemerkungen] = true;
        Fokus(Bemerkungen);
    } else {
        EingabenFreigeben();
        Adodc1Frei = true;
        Fokus(Bezeichnung);
    }
    Kommando(1, 1, 1);
    m_eingabezustand = Eingabezustand::Verändern;
}

void Projektseite::ProjektLöschen()
{
    if (m_eingabezustand == Eingabezustand::Nummerneingabe)
        AnzeigeAktualisieren();
    const int antwort = MsgBox(LadeText(Sprache() + 2181), MsgStil::JaNein | MsgStil::Ausrufezeichen,
                               LadeText(Sprache() + 2180));
    if (antwort == MsgAntwort::Ja && !projektDB.BofOrEofTab() && projektDB.Verbindung()) {
        const QString nummer = NullZuText(projektDB.GetFeld(ProjektNr));
        const QString art = NullZuText(projektDB.GetFeld(SpalteProjektart));
        bool zurückgenommen = false;
        {
            // The project row, its parameter row and its dwelling rows go together or not at all.
            DbTransaktion transaktion(projektDB.Verbindung());
            if (projektDB.DeleteSatzBookmark()) {
                const bool fertig = löscheProjektzeilen(nummer, art);
                zurückgenommen = transaktion.Aktiv() && !(fertig && transaktion.Commit());
                if (!zurückgenommen)
                    AnzeigeAktualisieren();
            }
        }
        // The project row is in the table again: the table is read anew.
        if (zurückgenommen)
            ReOpenProjektTabelle(nummer, SortierString1, SortierString2);
    }
    Blätterzustand();
    Kommando(1, 1, 1);
}

bool Projektseite::löscheProjektzeilen(const QString& nummer, const QString& art)
{
    QStringList tabellen;
    if (art == QLatin1String("Sp"))
        tabellen << Tabelle::SpeicherBedarfsKz;
    const QString parameter = Tabellenaufbau::Parametertabelle(art);
    if (!parameter.isEmpty())
        tabellen << parameter;
    for (const QString& t : tabellen) {
        datenbank tab;
        const QString sql = QStringLiteral("Select * From ") + JetDialekt::Name(t) + QStringLiteral(" WHERE ")
                            + Gleich(ProjektNr, nummer);
        if (tab.OpenTab(zustand().Projekt_Data_Source, sql, CursorServer, Kennwort::Projektdatenbank, true)
            != dbKeinFehler)
            return false;
        while (!tab.EofTab()) {
            if (!tab.DeleteSatzMitFeld(ProjektNr, nummer)) {
                if (tab.fehlercode() != dbKeinFehler)
                    return false;
                break;
            }
            tab.MoveNext();
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Controls

bool Projektseite::EingabeSpeichern()
{
    if (!m_geladen || projektDB.BofOrEofTab())
        return true;
    if (m_umfeld && m_umfeld->AktivesSteuerelement() == Datum && Frei[Datum]) {
        bool cancel = false;
        ProjektMask_Validate(cancel);
        if (cancel)
            return false;
    } else {
        AktiveEingabeÜbernehmen();
    }
    ProjektzeileSpeichern();
    return true;
}

void Projektseite::AktiveEingabeÜbernehmen()
{
    const int aktiv = m_umfeld ? m_umfeld->AktivesSteuerelement() : -1;
    if (aktiv >= Nummer && aktiv <= Bemerkungen)
        ProjektText_LostFocus(aktiv);
    else if (aktiv == Datum)
        ProjektMask_LostFocus();
    else if (aktiv == Art)
        ProjektCombo1_LostFocus();
}

void Projektseite::ProjektText_KeyPress(int Index, int& KeyAscii)
{
    constexpr int Backspace = 8;
    constexpr int Enter = 13;
    const auto zwischen = [&](char von, char bis) { return KeyAscii >= von && KeyAscii <= bis; };
    switch (Index) {
    case Nummer:
        if (KeyAscii == Enter) {
            KeyAscii = 0;
            NummerBestätigen();
        } else if (zwischen('a', 'z')) {
            KeyAscii -= 'a' - 'A';
        } else if (!(KeyAscii == Backspace || zwischen('0', '9') || zwischen('A', 'Z'))) {
            KeyAscii = 0;
        }
        break;
    case PLZ:
        if (!(KeyAscii == Backspace || zwischen('0', '9')))
            KeyAscii = 0;
        break;
    case Bemerkungen:
        break;
    default:
        if (KeyAscii == Enter)
            KeyAscii = 0;
        break;
    }
}

void Projektseite::ProjektText_LostFocus(int Index)
{
    // A locked box is not the user's input (its text may belong to no row).
    if (Index < Bezeichnung || Index > Bemerkungen || !Frei[Index] || projektDB.BofOrEofTab())
        return;
    const QString text = TextOderLeerzeichen(Text[Index]);
    projektDB.SetFeld(Textspalten[static_cast<size_t>(Index)], text);
    if (Index == Bezeichnung)
        zustand().aktProjektBezeichnung = text;
}

QString Projektseite::Bemerkungsumbruch(const QString& text, int& caret)
{
    const bool amEnde = caret >= text.size();
    QString neu;
    neu.reserve(text.size() + 8);
    int zeile = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            neu += QStringLiteral("\r\n");
            ++i;
            zeile = 0;
            continue;
        }
        if (zeile == Bemerkungszeile) {
            neu += QStringLiteral("\r\n");
            zeile = 0;
        }
        neu += text.at(i);
        ++zeile;
    }
    if (amEnde)
        caret = static_cast<int>(neu.size());
    return neu;
}

void Projektseite::Bemerkungen_Change(int& caret)
{
    Text[Bemerkungen] = Bemerkungsumbruch(Text[Bemerkungen], caret);
}

void Projektseite::ProjektCombo1_Change()
{
    const QStringList texte = Projektarttexte();
    if (!texte.contains(Text[Art]))
        Text[Art] = texte.first();
}

void Projektseite::ProjektCombo1_LostFocus()
{
    if (!Frei[Art] || projektDB.BofOrEofTab())
        return;
    Programmzustand& z = zustand();
    z.Projektart = ProjektartKürzel(Text[Art]);
    z.ProjektartNeuanlage = z.Projektart;
    projektDB.SetFeld(SpalteProjektart, z.Projektart);
}

void Projektseite::ProjektMask_Validate(bool& Cancel)
{
    const QDateTime d = Zahlen::DatumAusText(Text[Datum]);
    const bool zeile = !projektDB.BofOrEofTab();
    if (d.isValid()) {
        if (zeile)
            projektDB.SetFeld(SpalteDatum, Datumswert(d.date()));
        return;
    }
    Meldung(Meldungsart::Eingabefehler, LadeText(Sprache() + 2258), Datumstext(QDate(1998, 12, 31)));
    Text[Datum] = Datumstext(heute());
    if (zeile)
        projektDB.SetFeld(SpalteDatum, Datumswert(heute()));
    Fokus(Datum);
    Cancel = true;
}

void Projektseite::ProjektMask_LostFocus()
{
    if (!Frei[Datum])
        return;
    bool cancel = false;
    ProjektMask_Validate(cancel);
    if (cancel)
        Text[Datum] = Datumstext(heute());
}

void Projektseite::FormValidateControlElement(const QString& name, const VbVariant&, bool& Cancel)
{
    if (name == QLatin1String("ProjektMask"))
        ProjektMask_Validate(Cancel);
}

// ---------------------------------------------------------------------------------------------
// Sorting and searching

QStringList Projektseite::Sortierauswahlen()
{
    const Programmzustand& z = zustand();
    return {z.sortierungProjektnummer, z.sortierungProjektart, z.sortierungProjBezeichnung,
            z.sortierungProjAngebotsNr, z.sortierungProjektDatum};
}

void Projektseite::SetSortierstrings(const QString& sortierauswahl)
{
    zustand().aktSortierung = sortierauswahl;
    static const std::array<std::pair<const char*, const char*>, 5> schlüssel{{
        {"Projekt Nr", ""},
        {"Projektart", "Projekt Nr"},
        {"Projektbezeichnung", ""},
        {"Angebotsnummer", ""},
        {"Datum", "Projekt Nr"},
    }};
    const QStringList auswahlen = Sortierauswahlen();
    for (qsizetype i = 0; i < auswahlen.size(); ++i) {
        if (auswahlen.at(i) == sortierauswahl) {
            SortierString1 = QString::fromUtf8(schlüssel[static_cast<size_t>(i)].first);
            SortierString2 = QString::fromUtf8(schlüssel[static_cast<size_t>(i)].second);
            return;
        }
    }
}

QString Projektseite::Abfrage(const QString& OrderBy1, const QString& OrderBy2)
{
    // The project database declares its texts COLLATE NOCASE: they sort as the search compares them.
    QString sql = QStringLiteral("Select * From ") + Tabelle::ProjekteTabelle + QStringLiteral(" ORDER BY [") + OrderBy1
                  + QLatin1Char(']');
    if (!OrderBy2.trimmed().isEmpty())
        sql += QStringLiteral(",[") + OrderBy2 + QLatin1Char(']');
    return sql;
}

void Projektseite::positioniere(const QString& projektNr, bool* gefunden)
{
    projektDB.MoveFirst();
    if (projektNr.trimmed().isEmpty()) {
        const QString art = zustand().ProjektartNeuanlage;
        if (!art.trimmed().isEmpty())
            projektDB.Find(Gleich(SpalteProjektart, art));
    } else if (projektDB.Find(Gleich(ProjektNr, projektNr)) && gefunden) {
        *gefunden = true;
    }
    if (projektDB.EofTab())
        projektDB.MoveFirst();
    projektDB.BindAdodc(&Adodc1);
    zeigeDatensatz();
}

int32_t Projektseite::OeffneProjekttabelleSortiert(const QString& projektNr, const QString& OrderBy1,
                                                   const QString& OrderBy2, bool& gefunden)
{
    gefunden = false;
    const int32_t ergebnis = projektDB.OpenTab(zustand().Projekt_Data_Source, Abfrage(OrderBy1, OrderBy2),
                                               CursorClient, Kennwort::Projektdatenbank, true);
    if (ergebnis == dbKeinFehler)
        positioniere(projektNr, &gefunden);
    return ergebnis;
}

int32_t Projektseite::ReOpenProjektTabelle(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2)
{
    const int32_t ergebnis = projektDB.NewSQL(Abfrage(OrderBy1, OrderBy2), false);
    if (ergebnis == dbKeinFehler) {
        positioniere(projektNr, nullptr);
        AnzeigeAktualisieren();
    }
    return ergebnis;
}

void Projektseite::SuchenRecordset(const QString& suchtext, const QString& OrderBy1, const QString& OrderBy2)
{
    if (projektDB.NewSQL(Abfrage(OrderBy1, OrderBy2), false) != dbKeinFehler || suchtext.isEmpty())
        return;
    if (OrderBy1 != SpalteDatum) {
        projektDB.Find(JetDialekt::Name(OrderBy1) + QStringLiteral(" >= ") + JetDialekt::Textliteral(suchtext));
        return;
    }
    const QDateTime d = Zahlen::DatumAusText(suchtext);
    if (d.isValid())
        projektDB.Find(JetDialekt::Name(SpalteDatum) + QStringLiteral(" >= #") + d.date().toString(Qt::ISODate)
                       + QLatin1Char('#'));
}

void Projektseite::NeusortierungRecordset(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2)
{
    if (projektDB.NewSQL(Abfrage(OrderBy1, OrderBy2), false) == dbKeinFehler)
        projektDB.Find(Gleich(ProjektNr, projektNr));
}
