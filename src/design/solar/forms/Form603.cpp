#include "design/solar/forms/Form603.h"

#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/heating_accessories/Entlueftungsdialog.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/solar/Vorlagebehaelter.h"

namespace {

const QString Leer = QStringLiteral(" ");

}  // namespace

Form603::Form603(QWidget* parent) : Ergebnisseite(parent)
{
    // Solar has no automatic run.
    m_automatiklauf = false;
    setObjectName(QStringLiteral("Form603"));
    neueKopflabels(Label1[0], Label1[2]);
    Label1[3] = neuerTitel(3, 3240);
    Label1[4] = neuesLabel("Label1", 4, 600, 1680, 6000);
    Label1[4]->setFont(fett());

    Label2[7] = neuesLabel("Label2", 7, 600, 2280, 3100, 255);
    for (int i = 0; i < 2; ++i)
        Option1[static_cast<size_t>(i)] = neueOption(this, "Option1", i, 3840 + 2640 * i, 2280, 2520, 255,
                                                     [this](int k) { Option1_Click(k); });
    Label2[0] = neuesLabel("Label2", 0, 600, 2760, 3100);
    Label5 = neuesLabel("Label5", 0, 3840, 2760, 4545);
    Label2[3] = neuesLabel("Label2", 3, 600, 3600, 6000);
    Label2[3]->setFont(fett());
    Label2[4] = neuesLabel("Label2", 4, 720, 4200, 4100);
    Command2 = new QToolButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(px(4920), px(4080), px(375), px(375));
    Command2->setText(QStringLiteral("..."));
    connect(Command2, &QToolButton::clicked, this, &Form603::Command2_Click);
    Label3 = neuesLabel("Label3", -1, 4920, 4800, 5580, 1095);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = neuesLabel("Image1", 2, 480, 360, 1000, 1000);
    neueLinie(600, 1560, 10500, 1560);
    neueLinie(600, 3360, 10500, 3360);
}

Form603::~Form603() = default;

void Form603::FormLoad()
{
    m_Ladevorgang = true;
    Laden();
    m_Ladevorgang = false;
}

void Form603::Laden()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    Bilder(Image1);
    Kopfzeilen(Label1[0], Label1[2]);
    Label1[3]->setText(LadeText(o + 1220));
    Label1[4]->setText(LadeText(o + 1221));
    Label2[7]->setText(LadeText(o + 1222));
    Option1[0]->setText(LadeText(o + 1223));
    Option1[1]->setText(LadeText(o + 1224));
    Label2[0]->setText(LadeText(o + 1225));
    Label2[3]->setText(LadeText(o + 1226));
    Label2[4]->setText(LadeText(o + 1227));
    Label3->setText(LadeText(o + 1228));

    m_Solardaten = z.g_solardat;
    HalteDatenobjekt(m_Solardaten);
    if (!m_Solardaten) {
        Ladefehler();
        return;
    }
    GlobDatenSolar& d = *m_Solardaten;

    // A stored choice that is no 16-bit number: cleared, nothing chosen, nothing sized, and the
    // page does not count as loaded (leaving it marks nothing designed).
    bool ok = false;
    int16_t wahl = d.m_Zub_MitVorlagebehälter.m_Value.toInteger(&ok);
    if (!ok) {
        d.m_Zub_MitVorlagebehälter.m_Value = VbVariant::integer(0);
        Label2[0]->setVisible(false);
        Label5->setText(Leer);
        return;
    }
    m_geladen = true;

    // Sized on every load: the stored article follows the current results.
    QString art;
    int16_t status = Vorlagebehälter::Gefunden;
    AuslegungVorlagebehälter(d, art, status);
    if (wahl == 1) {
        if (status == Vorlagebehälter::NichtErforderlich) {
            art = Leer;
            wahl = 0;
            d.m_Zub_MitVorlagebehälter.m_Value = VbVariant::integer(0);
        }
    } else {
        // Another stored value shows "kein Vorlagebehälter" and stays as it is.
        wahl = 0;
        art = Leer;
    }
    d.m_Zub_Vorlagebeh_ArtNr.m_Value = art;
    Option1[static_cast<size_t>(wahl)]->setChecked(true);
    if (status == Vorlagebehälter::NichtErforderlich)
        Option1[1]->setEnabled(false);
    Artikelzeile();
}

void Form603::Artikelzeile()
{
    const QString art = m_Solardaten->m_Zub_Vorlagebeh_ArtNr.m_Value.toString();
    if (!IstLeer(art)) {
        Label5->setText(::Artikelzeile(*m_Solardaten, art, true));
        Label2[0]->setVisible(true);
    } else {
        Label5->setText(Leer);
        Label2[0]->setVisible(false);
    }
}

void Form603::Option1_Click(int Index)
{
    if (m_Ladevorgang || !m_Solardaten)
        return;
    GlobDatenSolar& d = *m_Solardaten;
    QString art = Leer;
    int16_t status = Vorlagebehälter::Gefunden;
    if (Index == 1)
        AuslegungVorlagebehälter(d, art, status);
    d.m_Zub_Vorlagebeh_ArtNr.m_Value = art;
    if (status == Vorlagebehälter::NichtErforderlich) {
        d.m_Zub_MitVorlagebehälter.m_Value = VbVariant::integer(0);
        Option1[0]->setChecked(true);
        Option1_Click(0);
        Option1[1]->setEnabled(false);
        return;
    }
    d.m_Zub_MitVorlagebehälter.m_Value = VbVariant::integer(static_cast<int16_t>(Index));
    Artikelzeile();
}

void Form603::Command2_Click()
{
    Entlüftungsdialog* dialog = entlüftungsDialog();
    if (!dialog)
        return;
    Hauptfenster& h = mdi();
    h.SaveKommandoButtons();
    h.Kommando(0, 0, 0);
    dialog->Zeige(0);
    h.LoadKommandoButtons();
}

void Form603::FormUnload()
{
    if (m_geladen && m_Solardaten)
        m_Solardaten->m_IstAusgelegt.m_Value = true;
    m_Solardaten.reset();
}
