#include "design/solar/forms/Form601.h"

#include <QLabel>
#include <QLineEdit>

#include "base/Programmzustand.h"
#include "base/forms/BoundWidgets.h"
#include "data/GlobDaten.h"
#include "data/datenbank.h"
#include "design/solar/GlobDatenSolar.h"

namespace {

const char* const TextMember[4] = {"m_EinbringBreite", "m_EinbringHoehe", nullptr, "m_GefaessAnzahl"};

}  // namespace

Form601::Form601(QWidget* parent) : Gefäßseitenform(QStringLiteral("Form601"), parent) {}

Form601::~Form601() = default;

void Form601::FormLoad()
{
    const Programmzustand& z = zustand();
    Beschriften(QStringLiteral("So"));
    m_daten = HalteDatenobjekt(z.g_solardat);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    m_logik = std::make_unique<Gefäßauswahl>(m_daten->Member(), QStringLiteral("So"),
                                             static_cast<Gefäßauswahlkern::Seite&>(*this));
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

void Form601::FormActivate()
{
    if (!m_logik)
        return;
    m_logik->Aktivieren();
    Text1[0]->selectAll();
}

void Form601::FormUnload()
{
    if (m_daten) {
        for (const char* n : {"m_EinbringBreite", "m_EinbringHoehe", "m_GefaessGruppe", "m_GefaessAnzahl"})
            if (auto* m = m_daten->Gebunden<conTextBoxAdodb>(QString::fromUtf8(n)))
                m->UnBindTextBox();
    }
    m_logik.reset();
    m_daten = nullptr;
}

void Form601::zeigen()
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

void Form601::TextGeändert(int index)
{
    if (m_logik)
        m_logik->TextGeaendert(index);
}

void Form601::Automatisch(int slot)
{
    if (m_logik)
        m_logik->Command1_Click(slot);
}

void Form601::Manuell(int slot)
{
    if (m_logik)
        m_logik->Command2_Click(slot);
}

bool Form601::TextÜbernehmen(int index)
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

datenbank* Form601::GefaesseDB() const
{
    return m_logik ? m_logik->GefaesseDB.get() : nullptr;
}

int16_t Form601::gruppeNr() const
{
    return m_logik ? m_logik->gruppeNr() : 0;
}

std::shared_ptr<Recordset> Form601::Artikelliste() const
{
    return m_logik ? m_logik->Artikelliste() : nullptr;
}

void Form601::ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen)
{
    if (m_logik)
        m_logik->ManuelleBehälterauswahl(ArtNrBehälter, volumen);
}

void Form601::Anzeige_Behälter(bool gefunden)
{
    if (!m_logik)
        return;
    m_logik->Anzeige_Behälter(gefunden);
    zeigen();
}

QString Form601::GetBehältergruppenbezeichnung(int16_t gruppe) const
{
    return m_logik ? m_logik->GetBehältergruppenbezeichnung(gruppe) : QStringLiteral(" ");
}

// --- What the logic asks of the page ---

void Form601::Kommando(int exit, int zurück, int weiter)
{
    Knöpfe(exit, zurück, weiter);
}

void Form601::SaveKommandoButtons()
{
    KnöpfeMerken();
}

void Form601::LoadKommandoButtons()
{
    KnöpfeZurück();
}

void Form601::Aktualisieren()
{
    zeigen();
}
