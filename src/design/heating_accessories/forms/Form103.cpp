#include "design/heating_accessories/forms/Form103.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "base/forms/Hauptfenster.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/rules/Sicherheitstechnik.h"

namespace {

const QString MaxDruckbegrenzer = QStringLiteral("27458");
const QString MinDruckbegrenzer = QStringLiteral("27459");
const QString Leer = QStringLiteral(" ");
// The host's reason when no vessel was designed (written into the exchange file, not shown).
const QString GrundKeinGefäß = QStringLiteral("Es wurde kein Ausdehnungsgefäß ausgelegt.\r\n"
                                              "Starten Sie das Programm bitte im minimierten Modus.");

constexpr int ZeileOben = 2280, Zeilenhöhe = 240;

}  // namespace

Form103::Form103(QWidget* parent) : Ergebnisseite(parent)
{
    setObjectName(QStringLiteral("Form103"));
    neueKopflabels(Label1[0], Label1[2]);
    Label1[3] = neuerTitel(3, 3225);
    Label1[4] = neuesLabel("Label1", 4, 480, 1560, 6000);
    Label1[5] = neuesLabel("Label1", 5, 2520, 1920, 3825);
    Label1[6] = neuesLabel("Label1", 6, 6600, 1920, 3825);
    Label1[4]->setFont(fett());
    for (int i = 1; i <= 6; ++i) {
        const int y = ZeileOben + Zeilenhöhe * (i - 1);
        Label2[i] = neuesLabel("Label2", i, 480, y, 1560);
        Label4[i] = neuesLabel("Label4", i, 2040, y, 420);
        Label5[i] = neuesLabel("Label5", i, 2520, y, 3825);
        Label6[i] = neuesLabel("Label6", i, 6600, y, 3825);
    }
    Label1[7] = neuesLabel("Label1", 7, 2520, 3840, 3825);
    for (int i = 0; i < 2; ++i) {
        Label7[i] = neuesLabel("Label7", i, 2040, 4200 + 240 * i, 420);
        Label8[i] = neuesLabel("Label8", i, 2520, 4200 + 240 * i, 3825);
    }

    Frame1 = neuerRahmen("Frame1", -1, 2520, 4920, 3900, 1935);
    for (int i = 0; i < 4; ++i)
        WassermangelOpt[i] = neueOption(Frame1, "WassermangelOpt", i, 240, i == 0 ? 1440 : 360 * i, 3540, 300,
                                        [this](int k) { WassermangelOpt_Click(k); });
    Image1 = neuesLabel("Image1", -1, 480, 360, 1000, 1000);
}

Form103::~Form103() = default;

void Form103::FormLoad()
{
    m_abgewiesen = false;
    m_lädt = true;
    Laden();
    m_lädt = false;
}

void Form103::Laden()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    Bilder(Image1);
    Label1[3]->setText(LadeText(o + 560));
    Label1[4]->setText(LadeText(o + 561));
    Label1[5]->setText(LadeText(o + 562));
    Label1[6]->setText(LadeText(o + 563));
    for (int i = 1; i <= 6; ++i)
        Label2[i]->setText(LadeText(o + 564 + i - 1));
    Label1[7]->setText(LadeText(o + 570));
    Frame1->setTitle(LadeText(o + 571));
    WassermangelOpt[1]->setText(LadeText(o + 572));
    WassermangelOpt[2]->setText(LadeText(o + 573));
    WassermangelOpt[3]->setText(LadeText(o + 574));
    WassermangelOpt[0]->setText(LadeText(o + 575));

    m_daten = z.g_heizdat;
    if (!m_daten) {
        Ladefehler();
        return;
    }
    HalteDatenobjekt(m_daten);
    m_designer = std::make_unique<Sicherheitstechnik>();
    m_designer->Init(m_daten);

    WassermangelOpt[0]->setVisible(false);
    Frame1->resize(Frame1->width(), px(1575));

    m_designer->Ermittel_EinzelkesselOderMehrkessel();
    const bool ohneGefäß = m_daten->TyvoSonderfallKeinMAGerlaubt();
    if (m_designer->AuslegungSicherheitstechnikHeizung(ohneGefäß) == 1) {
        if (z.TyvoModus == 1) {
            Programmzustand& zw = zustand();
            zw.AbbruchCode = 3;
            zw.AbbruchText.clear();
            m_abgewiesen = true;
            tyvoAnbindung().RückgabeInXML_AuswahlDerKomponenteNichtMöglich(z.TyvoModus, GrundKeinGefäß);
        } else {
            Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2302));
            Ladefehler();
            return;
        }
    }

    if (z.TyvoModus == 1 || z.TyvoModus == 2) {
        auto& we = zustand().TyvoDaten.WE_Daten_geaendert;
        for (int16_t i = 1; i <= 6; ++i) {
            const int16_t anzahl = m_daten->m_Zub_SichVentil_Anz_m_value(i);
            if (anzahl <= 0)
                continue;
            TyvoWEErgebnis& e = we[static_cast<size_t>(i)];
            e.SiV_Anzahl = anzahl;
            e.SiV_Art = static_cast<int16_t>(m_daten->m_AusfuehrSV.m_Value);
            e.SiV_Nennweite = static_cast<int16_t>(m_designer->NennDN_SiV_Heizung(i));
            const int32_t eingang = m_designer->EntspannGefaessDN_Eingang(i);
            if (eingang > 0) {
                e.EntspannGef_DN_Eingang = static_cast<int16_t>(eingang);
                e.EntspannGef_DN_Ausgang = static_cast<int16_t>(m_designer->EntspannGefaessDN_Ausgang(i));
            }
        }
    }

    Kopfzeilen(Label1[0], Label1[2]);
    KorrigiereWassermangelart();

    for (int16_t i = 1; i <= 6; ++i) {
        Label4[i]->setText(Leer);
        Label5[i]->setText(Leer);
        Label6[i]->setText(Leer);
        const int16_t anzahl = m_daten->m_Zub_SichVentil_Anz_m_value(i);
        if (anzahl <= 0)
            continue;
        Label4[i]->setText(QString::number(anzahl));
        Label5[i]->setText(Artikeltext(m_daten->m_Zub_SichVentil_ArtNr_m_value(i)));
        const QString falle = m_daten->m_Zub_EntspGefäß_ArtNr_m_value(i);
        if (!IstLeer(falle))
            Label6[i]->setText(Artikeltext(falle));
    }

    const int32_t max = m_daten->m_Zub_MaxDruBegr_Anz.m_Value.toLong();
    if (max < 1) {
        Label7[0]->setText(Leer);
        Label8[0]->setText(Leer);
    } else {
        Label7[0]->setText(QString::number(max));
        Label8[0]->setText(Artikeltext(MaxDruckbegrenzer));
    }
    MinimalbegrenzerAnzeigen();

    const bool direkt = m_daten->m_Beheiz.m_Value == 0;
    const bool dachzentrale = m_daten->m_Anlage.m_Value == 1;
    if (direkt || dachzentrale) {
        Frame1->setVisible(true);
        WassermangelOpt[3]->setEnabled(!m_designer->AlleKesselMangelsicherung_erforderlich());
    } else {
        Frame1->setVisible(false);
    }
}

void Form103::KorrigiereWassermangelart()
{
    conValueAdodb& art = m_daten->m_Zub_WMangelSichArt;
    const int32_t gespeichert = art.m_Value.toLong();
    int32_t wert = gespeichert;
    if (wert < 1 || wert > 3)
        wert = 1;
    if (m_daten->m_Anlage.m_Value == 1 && wert == 3)
        wert = 1;
    if (wert != gespeichert)
        art.m_Value = VbVariant::integer(static_cast<int16_t>(wert));
    WassermangelOpt[static_cast<size_t>(wert)]->setChecked(true);
    if (wert != gespeichert)
        m_designer->AuslegungWassermangelsicherung();
}

void Form103::MinimalbegrenzerAnzeigen()
{
    const int32_t m = m_daten->m_Zub_AltMinDruBegr_Anz.m_Value.toLong();
    if (m < 1) {
        Label7[1]->setText(Leer);
        Label8[1]->setText(Leer);
    } else {
        Label7[1]->setText(QString::number(m));
        Label8[1]->setText(Artikeltext(MinDruckbegrenzer));
    }
    Label1[7]->setVisible(!(m_daten->m_Zub_MaxDruBegr_Anz.m_Value.toLong() == 0 && m == 0));
}

QString Form103::Artikeltext(const QString& artNr)
{
    const QString text = Artikelzeile(*m_daten, artNr);
    return IstLeer(text) ? Leer : text;
}

void Form103::WassermangelOpt_Click(int index)
{
    if (m_lädt || !m_daten || !m_designer)
        return;
    m_daten->m_Zub_WMangelSichArt.m_Value = VbVariant::integer(static_cast<int16_t>(index));
    m_designer->AuslegungWassermangelsicherung();
    MinimalbegrenzerAnzeigen();
}

void Form103::FormActivate()
{
    if (m_abgewiesen) {
        mdi().Beenden();
        return;
    }
    mdi().AutomatischerBilderwechselWennErforderlich();
}

void Form103::FormUnload()
{
    m_designer.reset();
    m_daten.reset();
}
