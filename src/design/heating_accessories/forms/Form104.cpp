#include "design/heating_accessories/forms/Form104.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/rules/Zubehoertechnik.h"

namespace {

const QString Leer = QStringLiteral(" ");
constexpr int ZeileOben = 2280, Zeilenhöhe = 240;
constexpr int OptionLinks = 240, OptionBreite = 3420, OptionHöhe = 300;

enum Nachspeiseart { Keine = 0, MitTrenner = 1, Pumpe = 2, ENA = 3, Kompakt = 4 };

VbVariant Ganzzahl(int wert)
{
    return VbVariant::integer(static_cast<int16_t>(wert));
}

}  // namespace

Form104::Form104(QWidget* parent) : Ergebnisseite(parent)
{
    setObjectName(QStringLiteral("Form104"));
    neueKopflabels(Label1[0], Label1[2]);
    Label1[3] = neuerTitel(3, 3240);
    Label1[4] = neuesLabel("Label1", 4, 480, 1560, 6000);
    Label1[5] = neuesLabel("Label1", 5, 480, 1920, 3000);
    Label1[4]->setFont(fett());
    for (int i = 0; i <= 6; ++i) {
        const int y = ZeileOben + Zeilenhöhe * i;
        Label2[i] = neuesLabel("Label2", i, 480, y, 1800);
        Label4[i] = neuesLabel("Label4", i, 2400, y, 600);
        Label5[i] = neuesLabel("Label5", i, 3120, y, 4545);
    }
    Label1[6] = neuesLabel("Label1", 6, 480, 4200, 2500);
    Label1[7] = neuesLabel("Label1", 7, 3120, 4200, 3000);

    Frame1[2] = neuerRahmen("Frame1", 2, 2880, 4680, 3660, 1935);
    NachspeiseOpt = neueNachspeiseoptionen(Frame1[2], OptionBreite, [this](int k) { NachspeiseOpt_Click(k); });

    // The text brings its own line break.
    Label3 = neuesLabel("Label3", -1, 6600, 4680, 4400, 735);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Frame1[1] = neuerRahmen("Frame1", 1, 6600, 5400, 3135, 1215);
    for (int i = 0; i < 2; ++i)
        Systemtrenner[i] = neueOption(Frame1[1], "Systemtrenner", i, OptionLinks, i == 1 ? 360 : 720, OptionBreite,
                                      OptionHöhe, [this](int k) { Systemtrenner_Click(k); });
    Label6 = neuesLabel("Label6", -1, 480, 6700, 3000);
    Image1 = neuesLabel("Image1", 2, 480, 360, 1000, 1000);
}

Form104::~Form104() = default;

bool Form104::Gruppe(std::initializer_list<int> gruppen) const
{
    const int32_t g = Zahlen::CLng(m_daten->m_GefaessGruppe.m_Value);
    for (int x : gruppen)
        if (g == x)
            return true;
    return false;
}

void Form104::FormLoad()
{
    m_lädt = true;
    Laden();
    m_lädt = false;
}

void Form104::Laden()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    m_daten = z.g_heizdat;
    if (!m_daten) {
        Ladefehler();
        return;
    }
    HalteDatenobjekt(m_daten);
    m_designer = std::make_unique<Zubehörtechnik>();

    Bilder(Image1);
    Kopfzeilen(Label1[0], Label1[2]);
    Label1[3]->setText(LadeText(o + 585));
    Label1[4]->setText(LadeText(o + 586));
    Label1[5]->setText(LadeText(o + 587));
    for (int i = 0; i <= 6; ++i)
        Label2[i]->setText(LadeText(o + 588 + i));
    Label1[6]->setText(LadeText(o + 595));
    Frame1[2]->setTitle(LadeText(o + 597));
    Frame1[1]->setTitle(LadeText(o + 603));
    Systemtrenner[1]->setText(LadeText(o + 604));
    Systemtrenner[0]->setText(LadeText(o + 605));
    Label3->setText(LadeText(o + 606));

    m_designer->Init(*m_daten);
    GlobDatenHeizung& d = *m_daten;
    if (Gruppe({14, 60, 61})) {
        d.m_Zub_Nachspeisung.m_Value = Ganzzahl(Keine);
        d.m_Zub_Nachspeise_Anz.m_Value = Ganzzahl(0);
        d.m_Zub_Nachspeise_ArtNr.m_Value = Leer;
    }
    if (Gruppe({60, 61})) {
        d.m_Zub_Systemtrenner.m_Value = Ganzzahl(0);
        d.m_Zub_Systemtrenner_ArtNr.m_Value = Leer;
    }
    // The stored make-up code is corrected before the designer sizes it, so that an automat
    // never keeps the unit of a code it cannot have.
    const bool automat = d.m_ArtDruckhaltung.m_Value != 0;
    const int32_t code = d.m_Zub_Nachspeisung.m_Value.toLong();
    if (code < 0 || code > (automat ? ENA : Kompakt))
        d.m_Zub_Nachspeisung.m_Value = Ganzzahl(Keine);

    m_designer->Ermittel_EinzelkesselOderMehrkessel();
    m_designer->AuslegungZubehörHeizung();

    NachspeiseoptionenZeigen();
    Label6->setVisible(false);
    NachspeiseOpt[static_cast<size_t>(d.m_Zub_Nachspeisung.m_Value.toLong())]->setChecked(true);

    const int32_t trenner = d.m_Zub_Systemtrenner.m_Value.toLong();
    if (trenner < 0 || trenner > 1)
        d.m_Zub_Systemtrenner.m_Value = Ganzzahl(0);
    Systemtrenner[static_cast<size_t>(d.m_Zub_Systemtrenner.m_Value.toLong())]->setChecked(true);

    if (Gruppe({14}) || d.m_Zub_Nachspeisung.m_Value.toLong() == ENA) {
        d.m_Zub_Systemtrenner_ArtNr.m_Value = m_designer->ErmittlungSystemtrenner();
        TrennerZeigen(true);
    } else {
        d.m_Zub_Systemtrenner.m_Value = Ganzzahl(0);
        d.m_Zub_Systemtrenner_ArtNr.m_Value = Leer;
        TrennerZeigen(false);
    }
    if (Gruppe({60, 61}))
        Frame1[1]->setVisible(false);

    const int32_t kappen = d.m_Zub_KappV_Beh_Anz.m_Value.toLong();
    if (kappen < 1) {
        Label4[0]->setText(Leer);
        Label5[0]->setText(Leer);
    } else {
        Label4[0]->setText(QString::number(kappen));
        Label5[0]->setText(Artikelzeile(d, d.m_Zub_KappV_Beh_ArtNr.m_Value.toString()));
    }

    const bool einzeln = d.m_Sicherung.m_Value == 1;
    for (int16_t i = 1; i <= 6; ++i) {
        const QString a = d.m_Zub_KappV_Erz_ArtNr_m_value(i);
        const bool fehlt = einzeln ? d.m_KesselVol_m_value(i) < 1 : d.m_Leist_m_value(i) < 1;
        if (a.trimmed().isEmpty() || fehlt) {
            Label4[i]->setText(Leer);
            Label5[i]->setText(Leer);
        } else {
            Label4[i]->setText(QStringLiteral("1"));
            Label5[i]->setText(Artikelzeile(d, a));
        }
    }

    const int32_t dn = d.m_Zub_Sammelleit_DN.m_Value.toLong();
    if (dn < 1) {
        Label1[6]->setVisible(false);
        Label1[7]->setVisible(false);
    } else {
        Label1[7]->setText(LadeText(o + 596) + Leer + QString::number(dn));
        Label1[6]->setVisible(true);
        Label1[7]->setVisible(true);
    }
}

void Form104::NachspeiseoptionenZeigen()
{
    GlobDatenHeizung& d = *m_daten;
    const int o = zustand().Sprachoffset;
    if (Gruppe({14, 60, 61})) {
        d.m_Zub_Nachspeisung.m_Value = Ganzzahl(Keine);
        d.m_Zub_Nachspeise_Anz.m_Value = Ganzzahl(0);
        d.m_Zub_Nachspeise_ArtNr.m_Value = Leer;
        Frame1[2]->setVisible(false);
        return;
    }
    const bool automat = d.m_ArtDruckhaltung.m_Value != 0;
    NachspeiseoptionenAnordnen(NachspeiseOpt, automat);
    Frame1[2]->setVisible(true);
    if (automat) {
        const bool kdx = Gruppe({9}) && d.m_SteuerModulKomp.m_Value == VbVariant(0);
        NachspeiseOpt[MitTrenner]->setText(LadeText(o + (kdx ? 610 : 607)));
        NachspeiseOpt[Pumpe]->setText(LadeText(o + 599));
    } else {
        NachspeiseOpt[MitTrenner]->setText(LadeText(o + 608));
        NachspeiseOpt[Pumpe]->setText(LadeText(o + 600));
    }
    NachspeiseOpt[Keine]->setText(LadeText(o + 598));
    NachspeiseOpt[ENA]->setText(LadeText(o + 601));
}

void Form104::TrennerZeigen(bool sichtbar)
{
    Label3->setVisible(sichtbar);
    Frame1[1]->setVisible(sichtbar);
}

void Form104::NachspeiseOpt_Click(int index)
{
    if (m_lädt || !m_daten || !m_designer)
        return;
    GlobDatenHeizung& d = *m_daten;
    d.m_Zub_Nachspeisung.m_Value = Ganzzahl(index);
    const bool gefunden = m_designer->ErmittelNachspeiseeinrichtung(static_cast<int16_t>(index));
    if (index == ENA) {
        d.m_Zub_Systemtrenner.m_Value = Ganzzahl(1);
        d.m_Zub_Systemtrenner_ArtNr.m_Value = m_designer->ErmittlungSystemtrenner();
        m_lädt = true;
        const int32_t trenner = d.m_Zub_Systemtrenner.m_Value.toLong();
        Systemtrenner[trenner == 1 ? 1 : 0]->setChecked(true);
        m_lädt = false;
        TrennerZeigen(true);
        if (!gefunden) {
            // No make-up automat fits: back to "no make-up unit", as if the user chose it.
            NachspeiseOpt[Keine]->setChecked(true);
            NachspeiseOpt_Click(Keine);
            return;
        }
    } else {
        d.m_Zub_Systemtrenner.m_Value = Ganzzahl(0);
        d.m_Zub_Systemtrenner_ArtNr.m_Value = Leer;
        TrennerZeigen(false);
    }
    Hinweis();
}

void Form104::Systemtrenner_Click(int index)
{
    if (m_lädt || !m_daten || !m_designer)
        return;
    m_daten->m_Zub_Systemtrenner.m_Value = Ganzzahl(index);
    m_daten->m_Zub_Systemtrenner_ArtNr.m_Value = m_designer->ErmittlungSystemtrenner();
}

void Form104::Hinweis()
{
    if (!m_daten)
        return;
    const int o = zustand().Sprachoffset;
    const int32_t code = m_daten->m_Zub_Nachspeisung.m_Value.toLong();
    QString text;
    if (code == MitTrenner)
        text = LadeText(o + 2146);
    else if (code == Kompakt)
        text = LadeText(o + 2149);
    mdi().SetzeInfoLabel(text);
}

void Form104::FormActivate()
{
    Hinweis();
    mdi().AutomatischerBilderwechselWennErforderlich();
}

void Form104::FormUnload()
{
    m_designer.reset();
    m_daten.reset();
}
