#include "design/selection/Gefaessauswahl.h"

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

Gefäßauswahl::Typ Gefäßauswahl::Typ::für(const QString& projektart)
{
    Typ t;
    if (projektart == QStringLiteral("So")) {
        t.gruppenspalte = QStringLiteral("Solar");
        t.solar = true;
        t.maxAnzahl = 10;
        t.eingabeMax = 20;
        t.auswahlteiler = 20;
    } else if (projektart == QStringLiteral("Dr")) {
        t.gruppenspalte = QStringLiteral("Druckerhöhung");
        t.großbehälterHinweis = true;
    } else {
        t.gruppenspalte = QStringLiteral("Trinkwasser");
        t.mehrereHinweis = true;
        t.großbehälterHinweis = true;
    }
    return t;
}

Gefäßauswahl::Gefäßauswahl(MemberRegister& daten, const QString& projektart, Seite& seite)
    : Gefäßauswahlkern(daten, projektart, seite), m_typ(Typ::für(projektart))
{
}

Gefäßauswahl::~Gefäßauswahl() = default;

QString Gefäßauswahl::Typbedingung() const
{
    return m_typ.solar ? QStringLiteral(" AND [Solaranlage] = True") : QString();
}

float Gefäßauswahl::vordruck() const
{
    return m_typ.solar ? Zahlen::CSng(zahl("m_r_pVordruck")) : 0.0f;
}

void Gefäßauswahl::Großbehälterhinweis() const
{
    if (m_typ.großbehälterHinweis && m_gruppeNr == 18)
        Meldung(Meldungsart::Information, LadeText(2204 + zustand().Sprachoffset));
}

// --- Page life ---

int32_t Gefäßauswahl::Laden()
{
    Programmzustand& z = zustand();
    const int32_t fehler = ÖffneTabellen();
    if (fehler != 0)
        return fehler;
    if (z.NeuAuslegungErforderlich) {
        LöscheBehälterauswahl(true);
        z.NeuAuslegungErforderlich = false;
    }
    m_volumenGesamt = Zahlen::CLng(zahl("m_r_vges"));
    AufbauGruppenButtons();
    m_gruppeNr = Zahlen::CInt(zahl("m_GefaessGruppe"));
    automatenauslegung = false;
    Anzeige_Behälter(PositioniereAufArtikel(lese("m_GefaessArtNr").toString(), false, 0.0f));
    return 0;
}

void Gefäßauswahl::Aktivieren()
{
    kernseite().Kommando(1, 1, lese("m_GefaessArtNr").toString().trimmed().isEmpty() ? 0 : 1);
}

bool Gefäßauswahl::AufbauGruppenButtons()
{
    return LadeGruppenliste(QStringLiteral("SELECT * FROM [Gruppen MAG] WHERE [") + m_typ.gruppenspalte
                            + QStringLiteral("] = True AND [Max Betriebsdruck] >= ") + Zahlen::Str(zahl("m_p_SV"))
                            + QStringLiteral(" ORDER BY [Gruppe]"));
}

// --- User actions ---

void Gefäßauswahl::Command1_Click(int index)
{
    if (index < 0 || index > 7 || m_gruppen[static_cast<size_t>(index)].nummer == 0)
        return;
    const QString vorher = lese("m_GefaessArtNr").toString();
    m_gruppeNr = m_gruppen[static_cast<size_t>(index)].nummer;
    Großbehälterhinweis();

    int32_t n = Zahlen::CLng(zahl("m_GefaessAnzahl"));
    if (n > m_typ.maxAnzahl) {
        n = m_typ.maxAnzahl;
        schreibe("m_GefaessAnzahl", VbVariant(static_cast<double>(n)));
    }
    ÖffneAutomatikliste(m_gruppeNr);
    if (n < 1)
        n = 1;
    const float druck = vordruck();
    bool gefunden = false;
    for (;;) {
        const int32_t v = Zahlen::CLng(AufrundenStellen(static_cast<double>(m_volumenGesamt) / n, 0));
        gefunden = SucheBehälter(v, druck);
        if (gefunden || n >= m_typ.maxAnzahl)
            break;
        ++n;
    }
    if (gefunden) {
        schreibe("m_GefaessGruppe", VbVariant(static_cast<double>(m_gruppeNr)));
        schreibe("m_GefaessAnzahl", VbVariant(static_cast<double>(n)));
        Anzeige_Behälter(true);
    } else {
        LöscheBehälterauswahl(true);
        schreibe("m_GefaessAnzahl", VbVariant(static_cast<double>(n)));
        Anzeige_Behälter(false);
        Auslegungsmeldung(2357, {VbVariant(m_gruppen[static_cast<size_t>(index)].bezeichnung)});
    }
    if (lese("m_GefaessArtNr").toString() != vorher)
        schreibe("m_IstAusgelegt", VbVariant(false));
    kernseite().Kommando(1, 1, gefunden ? 1 : 0);
    kernseite().Aktualisieren();
}

void Gefäßauswahl::Command2_Click(int index)
{
    if (index < 0 || index > 7 || m_gruppen[static_cast<size_t>(index)].nummer == 0)
        return;
    const QString vorher = lese("m_GefaessArtNr").toString();
    m_gruppeNr = m_gruppen[static_cast<size_t>(index)].nummer;
    Großbehälterhinweis();
    const int32_t mindest = Zahlen::CLng(AufrundenStellen(static_cast<double>(m_volumenGesamt) / m_typ.auswahlteiler, 0));
    ÖffneAuswahlliste(m_gruppeNr, mindest);
    PositioniereAufArtikel(lese("m_GefaessArtNr").toString(), true, vordruck());
    ZeigeArtikeldialog();
    if (lese("m_GefaessArtNr").toString() != vorher)
        schreibe("m_IstAusgelegt", VbVariant(false));
    kernseite().Kommando(1, 1, Zahlen::CInt(zahl("m_GefaessGruppe")) != 0 ? 1 : 0);
    kernseite().Aktualisieren();
}

// --- Public methods ---

void Gefäßauswahl::ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen)
{
    // A call without a row of the list (Enter on an empty list) is a cancel: the choice stays.
    if (ArtNrBehälter.trimmed().isEmpty() || !PositioniereAufArtikel(ArtNrBehälter, true, vordruck()))
        return;
    schreibe("m_GefaessGruppe", VbVariant(static_cast<double>(m_gruppeNr)));
    // The row the pre-pressure variant stands on (same content and maximum pressure) is the one
    // stored and shown.
    schreibe("m_GefaessArtNr", VbVariant(LeseArtikelfeld(QStringLiteral("Art Nr")).toString()));
    int32_t anzahl = 0;
    if (volumen >= 1)
        anzahl = m_volumenGesamt / volumen + (m_volumenGesamt % volumen > 0 ? 1 : 0);
    schreibe("m_GefaessAnzahl", VbVariant(static_cast<double>(anzahl)));
    m_inhalt = LeseArtikelfeld(QStringLiteral("Inhalt in ltr")).toLong();
    schreibe("m_GefaessInhalt", VbVariant::lng(m_inhalt));
    Anzeige_Behälter(true);
    kernseite().Aktualisieren();
}

void Gefäßauswahl::Anzeige_Behälter(bool gefunden)
{
    Block b;
    int32_t inhalt = 0;
    if (gefunden) {
        b.beschreibung = LeseArtikelfeld(SpalteUmschreibung).toString();
        inhalt = LeseArtikelfeld(QStringLiteral("Inhalt in ltr")).toLong();
        b.maße = QString::number(LeseArtikelfeld(QStringLiteral("Durchmesser in mm")).toLong()) + QStringLiteral(" mm / ")
            + QString::number(LeseArtikelfeld(QStringLiteral("Höhe in mm")).toLong()) + QStringLiteral(" mm");
    }
    b.inhalt = QString::number(inhalt);
    b.gruppe = QString::number(m_gruppeNr);
    m_block = b;
    ZeigeHinweisMehrereGefäße();
}

void Gefäßauswahl::ZeigeHinweisMehrereGefäße()
{
    m_hinweis.clear();
    if (!m_typ.mehrereHinweis || zahl("m_GefaessAnzahl") <= 1 || (m_gruppeNr != 17 && m_gruppeNr != 18))
        return;
    const Programmzustand& z = zustand();
    const QString crlf = QStringLiteral("\r\n");
    m_hinweis = LadeText(2160 + z.Sprachoffset) + crlf + LadeText(3010 + z.Sprachoffset + z.Länderoffset) + crlf
        + LadeText(3012 + z.Sprachoffset + z.Länderoffset);
}

QStringList Gefäßauswahl::Membernamen(const QString& projektart)
{
    QStringList namen;
    for (const char* n : {"m_r_vges", "m_p_SV", "m_EinbringBreite", "m_EinbringHoehe", "m_GefaessAnzahl", "m_GefaessGruppe",
                          "m_GefaessArtNr", "m_GefaessInhalt", "m_IstAusgelegt"})
        namen << QString::fromUtf8(n);
    if (projektart == QStringLiteral("So"))
        namen << QStringLiteral("m_r_vauf") << QStringLiteral("m_r_pVordruck");
    return namen;
}
