#include "design/selection/forms/Gefaessauswahlseite.h"

#include <QLabel>
#include <QLineEdit>

#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"

namespace {

const char* const TextMember[4] = {"m_EinbringBreite", "m_EinbringHoehe", nullptr, "m_GefaessAnzahl"};

}  // namespace

Gefäßauswahlseite::Gefäßauswahlseite(const QString& name, QWidget* parent) : Gefäßseitenform(name, parent) {}

Gefäßauswahlseite::~Gefäßauswahlseite() = default;

void Gefäßauswahlseite::FormLoad()
{
    const QString art = Art();
    Beschriften(art);
    m_daten = Datenobjekt(art);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    m_logik = std::make_unique<Gefäßauswahl>(m_daten->Member(), art, static_cast<Gefäßauswahlkern::Seite&>(*this));
    if (m_logik->Laden() != 0) {
        Ladefehler();
        return;
    }
    auto zahl = [this](const char* name) { return m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(name)); };
    if (conTextBoxAdodb* m = zahl("m_EinbringBreite"))
        m->BindTextBox(Steuerelement(Text1[0]), QStringLiteral("####0"), VbVariant(300), VbVariant(10000));
    if (conTextBoxAdodb* m = zahl("m_EinbringHoehe"))
        m->BindTextBox(Steuerelement(Text1[1]), QStringLiteral("####0"), VbVariant(500), VbVariant(10000));
    if (conTextBoxAdodb* m = zahl("m_GefaessAnzahl"))
        m->BindTextBox(Steuerelement(Text1[3]), QStringLiteral("##0"), VbVariant(0),
                       VbVariant(static_cast<int>(m_logik->typ().eingabeMax)));
    if (conTextBoxAdodb* m = zahl("m_GefaessGruppe"))
        m->BindTextBox(Steuerelement(Label6[3]), QStringLiteral("#"), VbVariant::null(), VbVariant::null());
    vergissGetippt();
    zeigen();
    MoveFocusEinrichten(true);
}

void Gefäßauswahlseite::FormActivate()
{
    if (!m_logik)
        return;
    m_logik->Aktivieren();
    Text1[0]->selectAll();
}

void Gefäßauswahlseite::FormUnload()
{
    if (m_daten) {
        for (const char* n : {"m_EinbringBreite", "m_EinbringHoehe", "m_GefaessGruppe", "m_GefaessAnzahl"})
            if (auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(n)))
                m->UnBindTextBox();
    }
    m_logik.reset();
    m_daten = nullptr;
}

void Gefäßauswahlseite::zeigen()
{
    if (!m_logik || !m_daten)
        return;
    setzeZeigt(true);
    // The results in the display format their input page gave them.
    auto wert = [this](const char* name) {
        const auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(name));
        return m ? m->Text() : QString();
    };
    for (int i : {0, 1, 3})
        if (!getippt(i))
            if (auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(TextMember[i])))
                m->GlobDatenInTextBox();
    const Gefäßauswahl& l = *m_logik;
    Anzeige a;
    if (l.typ().solar)
        a.aufnahmevolumen = wert("m_r_vauf");
    a.gesamtvolumen = wert("m_r_vges");
    a.betriebsdruck = wert("m_p_SV");
    for (size_t k = 0; k < 8; ++k)
        a.gruppen[k] = {l.gruppen()[k].nummer, l.gruppen()[k].bezeichnung};
    const Gefäßauswahl::Block& b = l.block();
    a.inhalt = b.inhalt;
    a.maße = b.maße;
    a.beschreibung = b.beschreibung;
    a.gruppe = b.gruppe;
    a.hinweis = l.hinweis();
    Zeige(a);
    setzeZeigt(false);
}

// --- The user's actions ---

void Gefäßauswahlseite::TextGeändert(int index)
{
    if (m_logik)
        m_logik->TextGeaendert(index);
}

void Gefäßauswahlseite::Automatisch(int slot)
{
    if (m_logik)
        m_logik->Command1_Click(slot);
}

void Gefäßauswahlseite::Manuell(int slot)
{
    if (m_logik)
        m_logik->Command2_Click(slot);
}

bool Gefäßauswahlseite::TextÜbernehmen(int index)
{
    if (!m_daten || !m_logik || index < 0 || index > 3 || !TextMember[index])
        return false;
    auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(TextMember[index]));
    const bool cancel = m && m->TextBoxInGlobDaten();
    m_logik->ZeigeHinweisMehrereGefäße();
    Label7->setText(m_logik->hinweis());
    return cancel;
}

// --- Public members and the caller of the article dialog ---

datenbank* Gefäßauswahlseite::GefaesseDB() const
{
    return m_logik ? m_logik->GefaesseDB.get() : nullptr;
}

int16_t Gefäßauswahlseite::gruppeNr() const
{
    return m_logik ? m_logik->gruppeNr() : 0;
}

std::shared_ptr<Recordset> Gefäßauswahlseite::Artikelliste() const
{
    return m_logik ? m_logik->Artikelliste() : nullptr;
}

void Gefäßauswahlseite::ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen)
{
    if (m_logik)
        m_logik->ManuelleBehälterauswahl(ArtNrBehälter, volumen);
}

void Gefäßauswahlseite::Anzeige_Behälter(bool gefunden)
{
    if (!m_logik)
        return;
    m_logik->Anzeige_Behälter(gefunden);
    zeigen();
}

// --- What the logic asks of the page ---

void Gefäßauswahlseite::Kommando(int exit, int zurück, int weiter)
{
    if (Hauptfenster* h = hauptfenster())
        h->Kommando(exit, zurück, weiter);
}

void Gefäßauswahlseite::SaveKommandoButtons()
{
    if (Hauptfenster* h = hauptfenster())
        h->SaveKommandoButtons();
}

void Gefäßauswahlseite::LoadKommandoButtons()
{
    if (Hauptfenster* h = hauptfenster())
        h->LoadKommandoButtons();
}

void Gefäßauswahlseite::Aktualisieren()
{
    zeigen();
}
