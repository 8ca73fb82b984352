#include "design/heating_accessories/forms/Form105.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"
#include "data/GlobDaten.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/heating_accessories/Entlueftungsdialog.h"
#include "design/heating_accessories/Schlammabscheider.h"
#include "design/heating_accessories/forms/Form105a.h"
#include "design/heating_accessories/forms/Form105b.h"
#include "design/heating_accessories/forms/Form105c.h"

namespace {

const QString Leer = QStringLiteral(" ");

}  // namespace

void Form105::Dialoge::Schlammabscheiderwahl(int16_t index)
{
    Form105a dialog;
    dialog.OpenForm(index);
}

void Form105::Dialoge::SchlammabscheiderJeErzeuger()
{
    Form105c dialog;
    dialog.OpenForm();
}

void Form105::Dialoge::Entlüftung(int16_t familie)
{
    Entlüftungsfenster().Zeige(familie);
}

Form105::Form105(QWidget* parent) : Ergebnisseite(parent), m_dialoge(std::make_unique<Dialoge>())
{
    setObjectName(QStringLiteral("Form105"));
    neueKopflabels(Label1[0], Label1[2]);
    Label1[3] = neuerTitel(3, 3240);
    Label1[4] = neuesLabel("Label1", 4, 600, 1560, 6000);
    Label1[4]->setFont(fett());

    Label2[0] = neuesLabel("Label2", 0, 2760, 2160, 2900);
    Label5 = neuesLabel("Label5", 0, 5760, 2160, 4545);
    Label2[7] = neuesLabel("Label2", 7, 600, 2760, 3000);
    for (int i = 0; i < 3; ++i)
        Option1[static_cast<size_t>(i)] = neueOption(this, "Option1", i, 3800 + 2040 * i, 2760, 2000, 255,
                                                     [this](int k) { Option1_Click(k); });
    auto knopf = [this](const char* name, int index, int x, int y) {
        auto* k = new QToolButton(this);
        k->setObjectName(QString::fromUtf8(name));
        if (index >= 0)
            Steuerelemente::setzeIndex(k, index);
        k->setGeometry(px(x), px(y), px(375), px(375));
        return k;
    };
    Command3 = knopf("Command3", -1, 10200, 2640);
    connect(Command3, &QToolButton::clicked, this, &Form105::Command3_Click);
    Label2[1] = neuesLabel("Label2", 1, 2760, 3360, 2100);
    Command1 = knopf("Command1", -1, 4920, 3240);
    Command1->setText(QStringLiteral("..."));
    connect(Command1, &QToolButton::clicked, this, &Form105::Command1_Click);
    SchlammLabel1 = neuesLabel("SchlammLabel", 1, 5760, 3240, 4335, 315);
    Label2[2] = neuesLabel("Label2", 2, 2760, 3720, 2100);
    SchlammIsoCombo = new QComboBox(this);
    SchlammIsoCombo->setObjectName(QStringLiteral("SchlammIsoCombo"));
    SchlammIsoCombo->setGeometry(px(5760), px(3720), px(4335), px(315));
    connect(SchlammIsoCombo, &QComboBox::activated, this, [this](int) { SchlammIsoCombo_Click(); });
    Label2[3] = neuesLabel("Label2", 3, 600, 4320, 6000);
    for (int i = 0; i < 3; ++i) {
        Label2[static_cast<size_t>(4 + i)] = neuesLabel("Label2", 4 + i, 720, 4920 + 480 * i, 4100);
        Command2[static_cast<size_t>(i)] = knopf("Command2", i, 4920, 4800 + 480 * i);
        Command2[static_cast<size_t>(i)]->setText(QStringLiteral("..."));
        connect(Command2[static_cast<size_t>(i)], &QToolButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    Label3 = neuesLabel("Label3", -1, 5760, 5520, 4575, 1095);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = neuesLabel("Image1", 2, 480, 360, 1000, 1000);
}

Form105::~Form105() = default;

void Form105::SetzeDialoge(std::unique_ptr<Dialoge> d)
{
    m_dialoge = std::move(d);
}

QString Form105::GetArtikelNrISOSchlamm(const QString& ArtNrSchlamm, int16_t isolierung)
{
    return ::GetArtikelNrISOSchlamm(ArtNrSchlamm, isolierung);
}

void Form105::FormLoad()
{
    m_lädt = true;
    Laden();
    m_lädt = false;
}

void Form105::Laden()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    Bilder(Image1);
    const QString wrench = QDir(z.Installationspfad).filePath(QStringLiteral("Wrench.ico"));
    Command3->setIcon(QFileInfo::exists(wrench) ? QIcon(wrench) : style()->standardIcon(QStyle::SP_BrowserReload));
    Label1[4]->setText(LadeText(o + 622));
    Label2[0]->setText(LadeText(o + 623));
    Label2[7]->setText(LadeText(o + 624));
    for (int i = 0; i < 3; ++i)
        Option1[static_cast<size_t>(i)]->setText(LadeText(o + 625 + i));
    Label2[1]->setText(LadeText(o + 628));
    Label2[2]->setText(LadeText(o + 629));
    Label2[3]->setText(LadeText(o + 635));
    for (int i = 0; i < 3; ++i)
        Label2[static_cast<size_t>(4 + i)]->setText(LadeText(o + 636 + i));
    Command3->setToolTip(LadeText(o + 640));
    Command1->setToolTip(LadeText(o + 641));

    const bool heizung = z.Projektart != QStringLiteral("Kü");
    Label2[0]->setVisible(heizung);
    Label5->setVisible(heizung);
    Label1[3]->setText(LadeText(o + (heizung ? 620 : 621)));
    Label3->setText(heizung ? QString() : LadeText(o + 639));
    m_daten = mdi().Datenobjekt(z.Projektart);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    HalteDatenobjekt(m_daten);
    m_schlamm = std::make_unique<Schlammabscheiderauslegung>(*m_daten);
    Kopfzeilen(Label1[0], Label1[2]);

    SchlammIsoCombo->clear();
    SchlammIsoCombo->addItem(LadeText(o + 633));
    SchlammIsoCombo->addItem(LadeText(o + 630));
    ArtEntlüfter = 0;

    if (heizung) {
        const QString vorlage = m_daten->lese(QStringLiteral("m_Zub_Vorlagebeh_ArtNr")).toString();
        Label5->setText(IstLeer(vorlage) ? LadeText(o + 642) : Artikelzeile(*m_daten, vorlage, true));
    }

    m_erzeuger = m_schlamm->ErzeugerVorhanden();
    Option1[2]->setEnabled(m_erzeuger);

    bool ok = false;
    m_daten->lese(QStringLiteral("m_Zub_Schlamm_Anordnung")).toLong(&ok);
    if (!ok)
        m_schlamm->SetzeAnordnung(0);
    const int32_t a = m_schlamm->Anordnung();
    if (a >= 0 && a <= 2)
        Option1[static_cast<size_t>(a)]->setChecked(true);
    AnordnungZeigen(a);
    if (m_schlamm->Isolierung() == 2)
        m_schlamm->SetzeIsolierung(1);

    // Design what is missing; separators chosen for other generators stay.
    if (a == 1 && m_schlamm->Artikel(1).trimmed().isEmpty()) {
        AutomatischeAuslegung();
    } else if (a == 2) {
        for (int16_t i = 1; i <= 6; ++i) {
            if (m_schlamm->Leistung(i) > 0 && m_schlamm->Artikel(i).trimmed().isEmpty()) {
                m_schlamm->AutomatischeAuslegung(true);
                break;
            }
        }
    }
    if (m_schlamm->Anordnung() != a)
        AnordnungZeigen(m_schlamm->Anordnung());

    AbscheiderZeile();
    Isolierungen[0] = Leer;
    if (!m_schlamm->Artikel(1).trimmed().isEmpty())
        Isolierungen[1] = GetArtikelNrISOSchlamm(m_schlamm->Artikel(1), 1);
    IsolierungZeigen();

    if (z.AktProjektArtErstellung == 1 || z.AktProjektArtErstellung == 2) {
        for (QRadioButton* r : Option1)
            r->setEnabled(false);
        Command3->setEnabled(false);
    }
}

void Form105::AnordnungZeigen(int32_t v)
{
    switch (v) {
    case 0:
        for (QWidget* w : std::initializer_list<QWidget*>{Label2[1], Label2[2], Command3, Command1, SchlammLabel1, SchlammIsoCombo})
            w->setVisible(false);
        break;
    case 1:
        for (QWidget* w : std::initializer_list<QWidget*>{Label2[1], Label2[2], Command3, Command1, SchlammLabel1})
            w->setVisible(true);
        break;
    case 2:
        for (QWidget* w : std::initializer_list<QWidget*>{Label2[1], Command3, Command1})
            w->setVisible(true);
        for (QWidget* w : std::initializer_list<QWidget*>{Label2[2], SchlammLabel1, SchlammIsoCombo})
            w->setVisible(false);
        break;
    default:
        break;
    }
}

bool Form105::AutomatischeAuslegung()
{
    if (!m_schlamm->AutomatischeAuslegung())
        return false;
    // The central demand found no separator: one per heat generator.
    Option1[2]->setChecked(true);
    AnordnungZeigen(2);
    if (!m_lädt)
        Option1_Click(2);
    return true;
}

void Form105::Option1_Click(int index)
{
    if (m_lädt || !m_schlamm)
        return;
    m_schlamm->SetzeAnordnung(index);
    AnordnungZeigen(index);
    m_schlamm->LeereAlle();
    m_schlamm->SetzeIsolierung(1);
    SchlammLabel1->setText(Leer);
    Label2[2]->setVisible(false);
    SchlammIsoCombo->setVisible(false);
    AuslegenUndZeigen();
}

void Form105::Command3_Click()
{
    if (m_schlamm)
        AuslegenUndZeigen();
}

void Form105::AuslegenUndZeigen()
{
    if (AutomatischeAuslegung())
        return;
    if (m_schlamm->Anordnung() == 1 && !m_schlamm->Artikel(1).trimmed().isEmpty()) {
        Label2[2]->setVisible(true);
        SchlammIsoCombo->setVisible(true);
        AbscheiderZeile();
        Isolierungen[1] = GetArtikelNrISOSchlamm(m_schlamm->Artikel(1), 1);
        IsolierungZeigen();
    }
}

void Form105::AbscheiderZeile()
{
    const QString artNr = m_schlamm->Artikel(1);
    QString text;
    if (!artNr.trimmed().isEmpty())
        text = Artikelzeile(*m_daten, artNr, true);
    SchlammLabel1->setText(text.trimmed().isEmpty() ? Leer : text);
}

void Form105::IsolierungZeigen()
{
    if (!IstLeer(Isolierungen[1])) {
        const QString text = Artikelzeile(*m_daten, Isolierungen[1], true);
        if (!IstLeer(text))
            SchlammIsoCombo->setItemText(1, text);
    }
    SchlammIsoCombo->setCurrentIndex(m_schlamm->Isolierung() == 1 ? 1 : 0);
}

void Form105::SchlammIsoCombo_Click()
{
    if (m_lädt || !m_schlamm)
        return;
    const int32_t iso = SchlammIsoCombo->currentIndex() == 1 ? 1 : 0;
    m_schlamm->SetzeIsolierung(iso);
    m_schlamm->SetzeIsoArtikel(1, iso != 0 ? GetArtikelNrISOSchlamm(m_schlamm->Artikel(1), static_cast<int16_t>(iso)) : Leer);
}

void Form105::Dialograhmen(const std::function<void()>& dialog)
{
    Hauptfenster& h = mdi();
    h.SaveKommandoButtons();
    h.Kommando(0, 0, 0);
    dialog();
    h.LoadKommandoButtons();
}

void Form105::Command1_Click()
{
    if (!m_schlamm)
        return;
    if (m_schlamm->Anordnung() == 2) {
        Dialograhmen([this] { m_dialoge->SchlammabscheiderJeErzeuger(); });
        return;
    }
    Dialograhmen([this] { m_dialoge->Schlammabscheiderwahl(1); });
    const QString artNr = m_schlamm->Artikel(1);
    if (artNr.trimmed().isEmpty())
        return;
    Label2[2]->setVisible(true);
    SchlammIsoCombo->setVisible(true);
    AbscheiderZeile();
    Isolierungen[1] = GetArtikelNrISOSchlamm(artNr, 1);
    IsolierungZeigen();
    m_schlamm->SetzeIsoArtikel(1, m_schlamm->Isolierung() == 1 ? Isolierungen[1] : Leer);
}

void Form105::Command2_Click(int index)
{
    ArtEntlüfter = static_cast<int16_t>(index);
    Dialograhmen([this] { m_dialoge->Entlüftung(ArtEntlüfter); });
}

void Form105::FormActivate()
{
    mdi().AutomatischerBilderwechselWennErforderlich();
}

void Form105::FormUnload()
{
    if (m_daten)
        m_daten->m_IstAusgelegt.m_Value = true;
    m_schlamm.reset();
    m_daten.reset();
}
