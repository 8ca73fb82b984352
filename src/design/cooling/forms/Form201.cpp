#include "design/cooling/forms/Form201.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/forms/Hauptfenster.h"
#include "data/GlobDaten.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/Zubehoertechnik.h"

namespace {

const QString Leer = QStringLiteral(" ");
const QString Nachspeisung = QStringLiteral("m_Zub_Nachspeisung");
const QString NachspeiseAnz = QStringLiteral("m_Zub_Nachspeise_Anz");
const QString NachspeiseArtNr = QStringLiteral("m_Zub_Nachspeise_ArtNr");
const QString Trenner = QStringLiteral("m_Zub_Systemtrenner");
const QString TrennerArtNr = QStringLiteral("m_Zub_Systemtrenner_ArtNr");

// Wide enough for the longest caption in the page font.
constexpr int OptionLinks = 240, OptionBreite = 3600, OptionHöhe = 300;

enum Nachspeiseart { Keine = 0, MitTrenner = 1, Pumpe = 2, ENA = 3, Kompakt = 4 };

VbVariant Ganzzahl(int wert)
{
    return VbVariant::integer(static_cast<int16_t>(wert));
}

}  // namespace

Form201::Form201(QWidget* parent) : Ergebnisseite(parent)
{
    setObjectName(QStringLiteral("Form201"));
    // Not a page of the host's automatic run.
    m_automatiklauf = false;
    neueKopflabels(Label1[0], Label1[2]);
    // The titles between the picture and the header; the long drinking-water title wraps.
    Label1[10] = neuesLabel("Label1", 10, 2940, 360, 3720, 300);
    Label1[11] = neuesLabel("Label1", 11, 2940, 660, 3720, 600);
    for (int i : {10, 11}) {
        QLabel* l = Label1[static_cast<size_t>(i)];
        l->setFont(fett(10));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    Label2[0] = neuesLabel("Label2", 0, 480, 1560, 6000);
    Label2[2] = neuesLabel("Label2", 2, 480, 1920, 1800);
    Label4[0] = neuesLabel("Label4", 0, 2400, 1920, 600);
    Label5[0] = neuesLabel("Label5", 0, 3120, 1920, 6000);
    Label2[1] = neuesLabel("Label2", 1, 480, 2520, 6000);
    Label2[3] = neuesLabel("Label2", 3, 480, 2880, 1800);
    Label4[1] = neuesLabel("Label4", 1, 2400, 2880, 600);
    Label5[1] = neuesLabel("Label5", 1, 3120, 2880, 6000);
    for (int i : {0, 1})
        Label2[static_cast<size_t>(i)]->setFont(fett());

    Frame1[2] = neuerRahmen("Frame1", 2, 480, 3480, 4000, 1935);
    NachspeiseOpt = neueNachspeiseoptionen(Frame1[2], OptionBreite, [this](int k) { NachspeiseOpt_Click(k); });

    // The text brings its own line break.
    Label3 = neuesLabel("Label3", -1, 4800, 3480, 5400, 480);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Frame1[1] = neuerRahmen("Frame1", 1, 4800, 4200, 3135, 1215);
    for (int i = 0; i < 2; ++i)
        Systemtrenner[static_cast<size_t>(i)] =
            neueOption(Frame1[1], "Systemtrenner", i, OptionLinks, i == 1 ? 360 : 720, 2775, OptionHöhe,
                       [this](int k) { Systemtrenner_Click(k); });
    // Hidden, without a role on this page.
    Label6 = neuesLabel("Label6", -1, 480, 6700, 3000);
    Label6->setVisible(false);
    Image1 = neuesLabel("Image1", 2, 480, 360, 1000, 1000);
}

Form201::~Form201() = default;

VbVariant Form201::lese(const QString& name) const
{
    return m_daten->lese(name);
}

int32_t Form201::leseZahl(const QString& name) const
{
    return Zahlen::CLng(lese(name).toDouble());
}

void Form201::schreibe(const QString& name, const VbVariant& wert)
{
    m_daten->schreibe(name, wert);
}

bool Form201::Gruppe(std::initializer_list<int> gruppen) const
{
    const int32_t g = leseZahl(QStringLiteral("m_GefaessGruppe"));
    for (int x : gruppen)
        if (g == x)
            return true;
    return false;
}

void Form201::FormLoad()
{
    m_geladen = false;
    m_lädt = true;
    // A member the page reads by name that the object lacks ends the load like a refusal.
    if (!MitMemberFehlerMeldung([this] { Laden(); }))
        Ladefehler();
    m_lädt = false;
}

void Form201::Laden()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    Bilder(Image1);
    Kopfzeilen(Label1[0], Label1[2]);
    Label3->setText(LadeText(o + 838));
    Label3->setVisible(false);

    m_art = z.Projektart;
    if (m_art == QStringLiteral("Kü")) {
        Label1[10]->setText(LadeText(o + 820));
        Label1[11]->setText(QString());
    } else if (m_art == QStringLiteral("Tr")) {
        Label1[10]->setText(QString());
        Label1[11]->setText(LadeText(o + 821));
    } else if (m_art == QStringLiteral("Dr")) {
        Label1[10]->setText(LadeText(o + 822));
        Label1[11]->setText(LadeText(o + 823));
    }
    m_daten = mdi().Datenobjekt(m_art);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    HalteDatenobjekt(m_daten);

    Label2[0]->setText(LadeText(o + 826));
    Label2[2]->setText(LadeText(o + 827));
    Label2[1]->setText(LadeText(o + 828));
    Label2[3]->setText(LadeText(o + 829));
    Frame1[2]->setTitle(LadeText(o + 830));
    Frame1[1]->setTitle(LadeText(o + 835));
    Systemtrenner[1]->setText(LadeText(o + 836));
    Systemtrenner[0]->setText(LadeText(o + 837));

    m_sicherheit = std::make_unique<Sicherheitstechnik>();
    m_sicherheit->Init(m_daten);
    m_zubehör = std::make_unique<Zubehörtechnik>();
    m_zubehör->Init(*m_daten);

    int32_t ohneGefäß = 0;
    if (Kälte())
        ohneGefäß = m_sicherheit->AuslegungSicherheitstechnikKälte();
    else if (m_art == QStringLiteral("Tr"))
        ohneGefäß = m_sicherheit->AuslegungSicherheitstechnikTrinkwasser();
    if (ohneGefäß != 0) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2302));
        Ladefehler();
        return;
    }

    if (Kälte()) {
        if (Gruppe({14, 60, 61})) {
            schreibe(Nachspeisung, Ganzzahl(Keine));
            schreibe(NachspeiseAnz, Ganzzahl(0));
            schreibe(NachspeiseArtNr, Leer);
        }
        if (Gruppe({60, 61})) {
            schreibe(Trenner, Ganzzahl(0));
            schreibe(TrennerArtNr, Leer);
        }
        // The stored codes are corrected before the designer sizes the make-up unit, so that an
        // automat never keeps the unit of a code it cannot have.
        const bool automat = leseZahl(QStringLiteral("m_ArtDruckhaltung")) != 0;
        const int32_t code = leseZahl(Nachspeisung);
        if (code < 0 || code > (automat ? ENA : Kompakt))
            schreibe(Nachspeisung, Ganzzahl(Keine));
        const int32_t trenner = leseZahl(Trenner);
        if (trenner < 0 || trenner > 1)
            schreibe(Trenner, Ganzzahl(0));
        m_zubehör->AuslegungZubehörKälte();
    } else if (m_art == QStringLiteral("Tr")) {
        m_zubehör->AuslegungZubehörTrinkwasser();
    } else {
        m_zubehör->AuslegungZubehörDruckerhöhung();
    }

    if (Kälte()) {
        AufbauNachspeiseOptionen();
        Label6->setVisible(false);
        const int32_t code = leseZahl(Nachspeisung);
        if (code >= 0 && code <= Kompakt)
            NachspeiseOpt[static_cast<size_t>(code)]->setChecked(true);
        const int32_t trenner = leseZahl(Trenner);
        Systemtrenner[trenner == 1 ? 1 : 0]->setChecked(true);
        if (Gruppe({14}) || code == ENA) {
            schreibe(TrennerArtNr, m_zubehör->ErmittlungSystemtrenner());
            TrennerZeigen(true);
        } else {
            schreibe(Trenner, Ganzzahl(0));
            schreibe(TrennerArtNr, Leer);
            TrennerZeigen(false);
        }
        if (Gruppe({60, 61}))
            Frame1[1]->setVisible(false);
    } else {
        Frame1[2]->setVisible(false);
        Frame1[1]->setVisible(false);
    }

    Sicherheitsventilzeile();
    Kappenventilzeile();
    m_geladen = true;
}

void Form201::Sicherheitsventilzeile()
{
    if (m_art == QStringLiteral("Dr")) {
        for (QLabel* l : {Label2[0], Label2[2], Label4[0], Label5[0]})
            l->setVisible(false);
        return;
    }
    Label4[0]->setText(Kälte() ? lese(QStringLiteral("m_Zub_SichVentil_Anz")).toString() : QStringLiteral("1"));
    Label5[0]->setText(Artikelzeile(*m_daten, lese(QStringLiteral("m_Zub_SichVentil_ArtNr")).toString(), true));
}

void Form201::Kappenventilzeile()
{
    const int16_t n = Zahlen::CInt(lese(QStringLiteral("m_Zub_KappV_Beh_Anz")).toDouble());
    if (n < 1) {
        Label4[1]->setText(QString());
        Label5[1]->setText(QString());
        return;
    }
    Label4[1]->setText(QString::number(n));
    Label5[1]->setText(Artikelzeile(*m_daten, lese(QStringLiteral("m_Zub_KappV_Beh_ArtNr")).toString(), true));
}

void Form201::AufbauNachspeiseOptionen()
{
    const int o = zustand().Sprachoffset;
    if (Gruppe({14, 60, 61})) {
        schreibe(Nachspeisung, Ganzzahl(Keine));
        schreibe(NachspeiseAnz, Ganzzahl(0));
        schreibe(NachspeiseArtNr, Leer);
        Frame1[2]->setVisible(false);
        return;
    }
    const bool automat = leseZahl(QStringLiteral("m_ArtDruckhaltung")) != 0;
    NachspeiseoptionenAnordnen(NachspeiseOpt, automat);
    Frame1[2]->setVisible(true);
    NachspeiseOpt[Keine]->setText(LadeText(o + 831));
    if (automat) {
        const bool kdx = Gruppe({9}) && lese(QStringLiteral("m_SteuerModulKomp")) == VbVariant(0);
        NachspeiseOpt[MitTrenner]->setText(LadeText(o + (kdx ? 841 : 839)));
        NachspeiseOpt[Pumpe]->setText(LadeText(o + 832));
    } else {
        NachspeiseOpt[MitTrenner]->setText(LadeText(o + 840));
        NachspeiseOpt[Pumpe]->setText(LadeText(o + 833));
    }
    NachspeiseOpt[ENA]->setText(LadeText(o + 834));
}

void Form201::TrennerZeigen(bool sichtbar)
{
    Label3->setVisible(sichtbar);
    Frame1[1]->setVisible(sichtbar);
}

void Form201::NachspeiseOpt_Click(int index)
{
    if (m_lädt || !m_daten || !m_zubehör || !Kälte())
        return;
    MitMemberFehlerMeldung([this, index] {
        schreibe(Nachspeisung, Ganzzahl(index));
        const bool gefunden = m_zubehör->ErmittelNachspeiseeinrichtung(static_cast<int16_t>(index));
        if (index == ENA) {
            schreibe(Trenner, Ganzzahl(1));
            schreibe(TrennerArtNr, m_zubehör->ErmittlungSystemtrenner());
            m_lädt = true;
            Systemtrenner[leseZahl(Trenner) == 1 ? 1 : 0]->setChecked(true);
            m_lädt = false;
            TrennerZeigen(true);
            if (!gefunden) {
                // No make-up automat fits: back to "no make-up unit", as if the user chose it.
                NachspeiseOpt[Keine]->setChecked(true);
                NachspeiseOpt_Click(Keine);
                return;
            }
        } else {
            schreibe(Trenner, Ganzzahl(0));
            schreibe(TrennerArtNr, Leer);
            TrennerZeigen(false);
        }
        ZeigeNachspeiseHinweis();
    });
}

void Form201::Systemtrenner_Click(int index)
{
    if (m_lädt || !m_daten || !m_zubehör || !Kälte())
        return;
    MitMemberFehlerMeldung([this, index] {
        schreibe(Trenner, Ganzzahl(index));
        schreibe(TrennerArtNr, m_zubehör->ErmittlungSystemtrenner());
    });
}

void Form201::ZeigeNachspeiseHinweis()
{
    if (!m_daten || !Kälte())
        return;
    const int o = zustand().Sprachoffset;
    const int32_t code = MitMemberFehlerMeldung(int32_t{-1}, [this] { return leseZahl(Nachspeisung); });
    QString text;
    if (code == MitTrenner)
        text = LadeText(o + 2147);
    else if (code == Kompakt)
        text = LadeText(o + 2149);
    mdi().SetzeInfoLabel(text);
}

void Form201::FormActivate()
{
    if (m_geladen)
        ZeigeNachspeiseHinweis();
}

void Form201::FormUnload()
{
    // Drinking water and pressure boosting end here: the project is designed.
    if (m_geladen && m_daten && !Kälte())
        MitMemberFehlerMeldung([this] { schreibe(QStringLiteral("m_IstAusgelegt"), VbVariant(true)); });
    m_sicherheit.reset();
    m_zubehör.reset();
    m_daten.reset();
}
