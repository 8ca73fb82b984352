#include "output/reports/Drucken.h"

#include <QCoreApplication>
#include <QFont>

#include "base/AllgFunktionen.h"
#include "base/DruckerSeam.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/Zeichenflaeche.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "design/heating/GlobDatenHeizung.h"
#include "output/Datenobjekte.h"
#include "output/reports/Ausschreibungsschreiber.h"
#include "projects/NutzerInfo.h"
#include "projects/Projektseite.h"

namespace {

constexpr int TextNrNichtAusgelegt = 2206;
constexpr int TextNrSeitenwechsel = 1610;
constexpr int TextNrDruckNichtBeendet = 2378;
// Document names: short and long text of each type in turn, from this id.
constexpr int TextNrErsterDokumentname = 2500;
constexpr int PreiseJa = 1;
constexpr int PreiseNein = 2;
// The report font and its cell height on the printer (twips) and the preview (pixels).
constexpr const char* Berichtsschrift = "Courier New";
constexpr double SchrifthöheDrucker = 220;
constexpr double SchrifthöheVorschau = 15;
// Margins wanted from the paper's edge, in twips.
constexpr int32_t RandLinksPapier = 1134;
constexpr int32_t RandObenPapier = 567;
constexpr int32_t RandUntenPapier = 1418;
constexpr int32_t Vorschaulücke = 10;
constexpr int Berichtsbreite = 80;

Drucken::Erzeuger& erzeuger()
{
    static Drucken::Erzeuger e;
    return e;
}

Drucken::Projektfeldquelle& projektfeldquelle()
{
    static Drucken::Projektfeldquelle q;
    return q;
}

std::shared_ptr<GlobDaten> Erzeuge(const QString& art)
{
    return erzeuger() ? erzeuger()(art) : NeuesDatenobjekt(art);
}

// Index of a type in the document-name table (texts 2500..2511 in pairs).
int Typindex(const QString& art)
{
    static const QStringList arten{QStringLiteral("He"), QStringLiteral("Kü"), QStringLiteral("Tr"),
                                   QStringLiteral("Dr"), QStringLiteral("Sp"), QStringLiteral("So")};
    return static_cast<int>(arten.indexOf(art));
}

// "Courier New" where it is installed, else a monospace font of the same advance (0.6 em).
void SchriftersatzEinrichten()
{
    static const bool eingerichtet = [] {
        QFont::insertSubstitutions(QString::fromLatin1(Berichtsschrift),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("Nimbus Mono PS"), QStringLiteral("Courier"),
                                    QStringLiteral("DejaVu Sans Mono")});
        return true;
    }();
    (void)eingerichtet;
}

// Keeps the windows painted during a long report; user input waits, so nothing changes the
// project while the report reads it.
void NachrichtenVerarbeiten()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

// --- Text buffer ---

void Berichtspuffer::Text(int spalte, const QString& text, bool neueZeile)
{
    m_text += QString(qMax(0, spalte), u' ') + text;
    if (neueZeile)
        NeueZeile();
}

void Berichtspuffer::Linie(int länge, int art, int spalte, bool neueZeile)
{
    m_text += QString(qMax(0, spalte), u' ') + QString(qMax(0, länge), art == 1 ? QChar(0x00AF) : QChar(u'-'));
    if (neueZeile)
        NeueZeile();
}

void Berichtspuffer::NeueZeile()
{
    m_text += QStringLiteral("\r\n");
}

void Berichtspuffer::Seitenwechsel()
{
    m_text += QStringLiteral("\r\n\r\n") + LadeText(TextNrSeitenwechsel) + QStringLiteral("\r\n\r\n\r\n");
}

// --- Object ---

Drucken::Drucken() = default;

Drucken::~Drucken() = default;

void Drucken::SetzeErzeuger(Erzeuger e)
{
    erzeuger() = std::move(e);
}

void Drucken::SetzeProjektfeldquelle(Projektfeldquelle q)
{
    projektfeldquelle() = std::move(q);
}

void Drucken::Druckereinrichtung()
{
    drucker().einrichten();
}

void Drucken::DruckenModus(int Druck)
{
    Projektart = zustand().Projektart;
    if (Druck < 1 || Druck > 5 || Typindex(Projektart) < 0)
        return;
    if (Projektart == QStringLiteral("He") && zustand().TyvoModus != 0) {
        // Host mode: the main window's heating object as it stands.
        Daten = std::static_pointer_cast<GlobDaten>(zustand().g_heizdat);
    } else {
        Daten = Erzeuge(Projektart);
        if (Daten && Daten->Init() != 0)
            Daten.reset();
    }
    if (!Daten)
        return;
    if (!Daten->m_IstAusgelegt.m_Value.toBool()) {
        Meldung(Meldungsart::Information, LadeText(TextNrNichtAusgelegt));
        Daten.reset();
        return;
    }
    Modus = Druck;

    if (Modus == 5) {
        MitPreisen = false;
    } else {
        const int wahl = Preisauswahl ? Preisauswahl() : 0;
        if (wahl != PreiseJa && wahl != PreiseNein) {
            Daten.reset();
            return;
        }
        MitPreisen = wahl == PreiseJa;
    }

    QString dokumentname = QStringLiteral(" ");
    if (Modus == 2 || Modus == 3)
    {
        const int id = TextNrErsterDokumentname + 2 * Typindex(Projektart) + (Modus == 3 ? 1 : 0);
        dokumentname = LadeText(id);
    }

    std::unique_ptr<Druckauftrag> auftrag;
    if (Modus == 2 || Modus == 3) {
        Druckanfrage anfrage;
        anfrage.dokumentname = dokumentname;
        anfrage.querformat = false;
        anfrage.einheitenJeZoll = 1440;
        auftrag = drucker().drucken(anfrage);
        // A file that cannot be opened is a failure, not a cancel.
        if (!auftrag && MeldeDruckdateifehler(drucker().dateifehler())) {
            Daten.reset();
            return;
        }
    }
    if (Modus >= 1 && Modus <= 4) {
        if (auftrag)
            Druckergeometrie(*auftrag);
        else
            Standardgeometrie();
        Ränder();
    }

    {
        const NutzerInfo nutzer(false);
        for (int i = 0; i < 4; ++i)
            Nutzerzeilen[static_cast<size_t>(i)] = nutzer.Zeile(i + 1);
    }

    switch (Modus) {
    case 5:
        AusgabeGaeb();
        break;
    case 4:
        GDIAusgabe(2, nullptr);
        if (m_puffer.text().isEmpty())
            break;
        zwischenablage().leeren();
        zwischenablage().setzeText(m_puffer.text());
        break;
    case 1:
        if (Vorschau)
            Vorschau(*this, false);
        break;
    case 2:
    case 3:
        if (auftrag) {
            GDIAusgabe(0, &auftrag->fläche(), auftrag.get());
            if (!auftrag->beenden() && !MeldeDruckdateifehler(auftrag->dateifehler()))
                Meldung(Meldungsart::Anwendungsfehler, LadeText(TextNrDruckNichtBeendet), dokumentname);
        }
        break;
    default:
        break;
    }
    Daten.reset();
}

// --- Geometry ---

void Drucken::Standardgeometrie()
{
    Seitenbreite = 12240;
    Seitenhöhe = 15840;
    DruckerOffsetX = 360;
    DruckerOffsetY = 360;
    DruckbereichHöhe = 15120;
    ZeichenbreiteDrucker = 121;
    ZeilenhöheDrucker = 220;
}

void Drucken::Druckergeometrie(Druckauftrag& auftrag)
{
    const QSizeF seite = auftrag.seitengröße();
    const QSizeF offset = auftrag.druckerOffset();
    Seitenbreite = Zahlen::CLng(seite.width());
    Seitenhöhe = qAbs(Zahlen::CLng(seite.height()));
    DruckerOffsetX = Zahlen::CLng(offset.width());
    DruckerOffsetY = qAbs(Zahlen::CLng(offset.height()));
    DruckbereichHöhe = Seitenhöhe - 2 * DruckerOffsetY;
    MesseSchrift(auftrag.fläche(), SchrifthöheDrucker, ZeichenbreiteDrucker, ZeilenhöheDrucker);
}

void Drucken::Ränder()
{
    RandLinks = DruckerOffsetX < RandLinksPapier ? RandLinksPapier - DruckerOffsetX : 0;
    RandOben = DruckerOffsetY < RandObenPapier ? RandObenPapier - DruckerOffsetY : 0;
    RandUnten = DruckerOffsetY < RandUntenPapier ? RandUntenPapier - DruckerOffsetY : 0;
    ZeilenProSeite = static_cast<int16_t>(ZeilenhöheDrucker > 0
                                              ? (DruckbereichHöhe - RandOben - RandUnten) / ZeilenhöheDrucker
                                              : 0);
}

double Drucken::Schriftpunkte(Zeichenflaeche& f, double höhe)
{
    SchriftersatzEinrichten();
    const QString name = QString::fromLatin1(Berichtsschrift);
    const QString probe(Berichtsbreite, u'X');
    // The surface takes points: scale so that the cell is `höhe` of its units high.
    constexpr double Probe = 10;
    f.setzeSchrift(name, Probe, false);
    const double h = f.textHöhe(probe);
    return h > 0 ? Probe * höhe / h : Probe;
}

void Drucken::WähleSchrift(bool fett)
{
    if (AusgabeDC)
        AusgabeDC->setzeSchrift(QString::fromLatin1(Berichtsschrift), m_schriftpunkte, fett);
}

void Drucken::MesseSchrift(Zeichenflaeche& f, double höhe, int32_t& breite, int32_t& zeilenhöhe)
{
    const double punkte = Schriftpunkte(f, höhe);
    f.setzeSchrift(QString::fromLatin1(Berichtsschrift), punkte, false);
    const QString probe(Berichtsbreite, u'X');
    breite = qMax(1, Zahlen::CLng(f.textBreite(probe) / Berichtsbreite));
    zeilenhöhe = qMax(1, Zahlen::CLng(f.textHöhe(probe)));
}

void Drucken::BlattGrößeSeitenvorschau(Zeichenflaeche& dc_mon, int32_t& breite, int32_t& höhe)
{
    MesseSchrift(dc_mon, SchrifthöheVorschau, ZeichenbreiteMon, ZeilenhöheMon);
    const double zb = ZeichenbreiteDrucker, zh = ZeilenhöheDrucker;
    SeitenbreiteMon = Zahlen::CLng((Seitenbreite - DruckerOffsetX) / zb * ZeichenbreiteMon);
    SeitenhöheMon = Zahlen::CLng(Seitenhöhe / zh * ZeilenhöheMon);
    RandLinksMon = Zahlen::CLng((DruckerOffsetX + RandLinks) / zb * ZeichenbreiteMon);
    RandObenMon = Zahlen::CLng((RandOben + DruckerOffsetY) / zh * ZeilenhöheMon);
    SeitenabstandMon = SeitenhöheMon + Vorschaulücke;
    BildhöheMon = qMax(BildhöheMon, SeitenabstandMon);
    breite = SeitenbreiteMon;
    höhe = SeitenhöheMon + Vorschaulücke;
}

int32_t Drucken::GDIAusgabe(int ID, Zeichenflaeche* dc, Druckauftrag* auftrag)
{
    GaebModus = false;
    Ziel = static_cast<int16_t>(ID);
    AusgabeDC = dc;
    m_auftrag = auftrag;
    if (Ziel != 2 && !AusgabeDC)
        return 0;
    if (AusgabeDC)
        m_schriftpunkte = Schriftpunkte(*AusgabeDC, ID == 0 ? SchrifthöheDrucker : SchrifthöheVorschau);
    if (ID == 0) {
        Zeichenbreite = ZeichenbreiteDrucker;
        Zeilenhöhe = ZeilenhöheDrucker;
        RandLinksAkt = RandLinks;
        RandObenAkt = RandOben;
        Seitenabstand = 0;
        Stiftbreite = 10;
    } else {
        Zeichenbreite = ZeichenbreiteMon;
        Zeilenhöhe = ZeilenhöheMon;
        RandLinksAkt = RandLinksMon;
        RandObenAkt = RandObenMon;
        Seitenabstand = SeitenabstandMon;
        Stiftbreite = 1;
    }
    const Berichtsteile* t = Teile(Projektart);
    if (!t)
        return 0;
    // A data class without a member the report reads: the message, and the report ends there.
    const int32_t ergebnis = MitMemberFehlerMeldung(int32_t{-1}, [&]() -> int32_t {
        switch (Modus) {
        case 1:
            return SeitenfolgeErgebnisse(*t);
        case 2:
            return SeitenfolgeText(*t, false);
        case 3:
        case 4:
            return SeitenfolgeText(*t, true);
        default:
            return 0;
        }
    });
    if (ergebnis >= 0)
        return ergebnis;
    // Cut short: no half report is left for the clipboard.
    m_puffer = Berichtspuffer();
    return 0;
}

// --- Primitives ---

void Drucken::AusgabeText(const QString& text, int fett, int spalte, bool neueZeile)
{
    if (Ziel != 2 && Zeile >= ZeilenProSeite)
        NeueSeite();
    spalte = qMax(0, spalte);
    if (Ziel == 2) {
        m_puffer.Text(spalte, text, neueZeile);
    } else if (AusgabeDC) {
        WähleSchrift(fett != 0);
        const double x = RandLinksAkt + (Spalte + spalte) * Zeichenbreite;
        // y counts downwards on every surface, the printer's twips included.
        const double y = (Seite - 1) * Seitenabstand + RandObenAkt + Zeile * Zeilenhöhe;
        AusgabeDC->textImRaster(QPointF(x, y), text, Zeichenbreite);
        if (neueZeile) {
            Spalte = 0;
            ++Zeile;
        } else {
            Spalte = static_cast<int16_t>(Spalte + spalte + text.size());
        }
    }
    NachrichtenVerarbeiten();
}

void Drucken::AusgabeLinie(int länge, int art, int spalte, bool neueZeile)
{
    if (Ziel != 2 && Zeile >= ZeilenProSeite)
        NeueSeite();
    spalte = qMax(0, spalte);
    if (Ziel == 2) {
        m_puffer.Linie(länge, art, spalte, neueZeile);
    } else if (AusgabeDC) {
        const int32_t d = art == 1 ? 0 : Zahlen::CLng(Zeilenhöhe / 2.0);
        const double y = (Seite - 1) * Seitenabstand + RandObenAkt + Zeile * Zeilenhöhe + d;
        const double x1 = RandLinksAkt + (Spalte + spalte) * Zeichenbreite;
        AusgabeDC->setzeStrichart(0);
        AusgabeDC->linie(QPointF(x1, y), QPointF(x1 + länge * Zeichenbreite, y), Qt::black, Stiftbreite);
        if (neueZeile) {
            Spalte = 0;
            ++Zeile;
        } else {
            Spalte = static_cast<int16_t>(Spalte + spalte + länge);
        }
    }
    NachrichtenVerarbeiten();
}

int Drucken::Titelrand(const QString& text, int spalte)
{
    const double e = Zahlen::RundenGerade((Berichtsbreite - 2.0 * spalte - 4 - text.size()) / 2.0);
    return e < 0 ? 0 : static_cast<int>(e);
}

void Drucken::AusgabeTitelzeile(const QString& text, int spalte, bool neueZeile)
{
    const int e = Titelrand(text, spalte);
    AusgabeLinie(e, 0, spalte, false);
    AusgabeText(text, 0, 2, false);
    AusgabeLinie(e, 0, 2, neueZeile);
}

void Drucken::NeueZeile()
{
    if (GaebModus)
        return;
    if (Ziel != 2 && Zeile >= ZeilenProSeite)
        NeueSeite();
    if (Ziel == 2) {
        m_puffer.NeueZeile();
    } else {
        Spalte = 0;
        ++Zeile;
    }
}

void Drucken::NeueSeite()
{
    if (Ziel == 2) {
        m_puffer.Seitenwechsel();
        return;
    }
    Zeile = 0;
    Spalte = 0;
    ++Seite;
    if (Ziel == 0) {
        if (m_auftrag)
            m_auftrag->neueSeite();
    } else {
        const int32_t nötig = Seite * SeitenabstandMon;
        if (nötig > BildhöheMon) {
            BildhöheMon = nötig;
            if (BildhöheGeändert)
                BildhöheGeändert(BildhöheMon);
        }
        ZeichneSeitentrenner();
    }
    AusgabeSeitenkopf();
}

void Drucken::NeueSeiteWennNötig(int zeilen)
{
    if (Ziel != 2 && ZeilenProSeite - Zeile < zeilen)
        NeueSeite();
}

void Drucken::GeheZuZeile(int zeile)
{
    if (Ziel == 2 || GaebModus || zeile >= ZeilenProSeite)
        return;
    while (Zeile < zeile)
        NeueZeile();
}

// --- Lines and the quantity list ---

void Drucken::ZerlegeInZeilen(const QString& text)
{
    m_zeilenliste.clear();
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype ende = text.indexOf(QStringLiteral("\r\n"), pos);
        if (ende < 0) {
            m_zeilenliste << text.mid(pos);
            break;
        }
        m_zeilenliste << text.mid(pos, ende - pos);
        pos = ende + 2;
    }
    m_zeilenAnzahl = static_cast<int16_t>(m_zeilenliste.size());
    if (m_zeilenliste.isEmpty())
        m_zeilenliste << QString();
}

QString Drucken::GetZeile(int i) const
{
    return i >= 0 && i < m_zeilenliste.size() ? m_zeilenliste.at(i) : QString();
}

void Drucken::InitArtikelliste()
{
    m_artikelliste = {Artikelposten{}};
}

void Drucken::AddArtikelliste(const QString& artNr, int16_t anzahl)
{
    if (artNr.isEmpty() || artNr == QStringLiteral(" ") || anzahl <= 0)
        return;
    bool gefunden = false;
    for (qsizetype i = 1; i < m_artikelliste.size(); ++i) {
        if (m_artikelliste[i].artNr == artNr) {
            m_artikelliste[i].anzahl = static_cast<int16_t>(m_artikelliste[i].anzahl + anzahl);
            gefunden = true;
        }
    }
    if (!gefunden)
        m_artikelliste.append(Artikelposten{artNr, anzahl});
    // Ascending by character code.
    for (qsizetype i = 1; i < m_artikelliste.size(); ++i)
        for (qsizetype j = i + 1; j < m_artikelliste.size(); ++j)
            if (QString::compare(m_artikelliste[j].artNr, m_artikelliste[i].artNr, Qt::CaseSensitive) < 0)
                std::swap(m_artikelliste[i], m_artikelliste[j]);
}

Artikelposten Drucken::GetArtikellisteEintrag(int nr) const
{
    return nr >= 1 && nr < m_artikelliste.size() ? m_artikelliste.at(nr) : Artikelposten{};
}

// --- Tender file ---

void Drucken::AusgabeGaeb()
{
    GaebModus = true;
    m_gaebAbbruch = false;
    Gaeb = NeuerAusschreibungsschreiber();
    if (!Gaeb) {
        m_ohneSchreiber = true;
        GaebModus = false;
        return;
    }
    const QDate datum = Zahlen::DatumAusText(Projektfeld(QStringLiteral("Datum")).toString()).date();
    if (!Gaeb->WriteKopf(datum, Projektfeld(QStringLiteral("Projektbezeichnung")).toString(),
                         Projektfeld(QStringLiteral("Bemerkungen")).toString())) {
        Gaeb.reset();
        GaebModus = false;
        return;
    }
    if (const Berichtsteile* t = Teile(Projektart))
        if (!MitMemberFehlerMeldung([&] { (this->*t->Langtexte)(); }))
            m_gaebAbbruch = true;
    if (!m_gaebAbbruch && Gaeb->WriteEnde())
        Gaeb->SaveAndClose();
    Gaeb.reset();
    GaebModus = false;
}

bool Drucken::GaebSchritt(bool ok)
{
    if (!ok)
        m_gaebAbbruch = true;
    return ok;
}

// --- Helpers ---

VbVariant Drucken::Projektfeld(const QString& feld) const
{
    if (projektfeldquelle())
        return projektfeldquelle()(feld);
    Projektseite* seite = Projektseite::Instanz();
    return seite ? seite->projektDB.GetFeld(feld) : VbVariant();
}

VbVariant Drucken::Wert(const char* name) const
{
    return Daten->lese(QString::fromUtf8(name));
}

VbVariant Drucken::Wert(const char* name, int i) const
{
    return Daten->lese(QString::fromUtf8(name), {VbVariant::integer(static_cast<int16_t>(i))});
}

int16_t Drucken::Ganz(const char* name) const
{
    return Zahlen::CInt(Zahl(name));
}

int16_t Drucken::Ganz(const char* name, int i) const
{
    return Zahlen::CInt(Zahl(name, i));
}

VbVariant Drucken::Rufe(const char* name, const QList<VbVariant>& argumente) const
{
    return Daten->rufe(QString::fromUtf8(name), argumente);
}

QString Drucken::Vorlage(int id, const QList<VbVariant>& werte)
{
    return FormatText(LadeText(id), werte);
}

QString Drucken::Muster(double wert, const char* muster)
{
    return Zahlen::Format(wert, QString::fromLatin1(muster));
}

void Drucken::Überschrift(int id)
{
    const QString text = LadeText(id);
    AusgabeNormal(text);
    AusgabeLinieOben(static_cast<int>(text.size()), 0, true);
}
