#include "design/heating/forms/Form100.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>

#include "design/heating/Anlagendaten.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Heizungsformen.h"
#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/TyvoAnbindung.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"

using Heizungsformen::px;

namespace {

constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

}  // namespace

Form100::Form100(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("Form100"));
    // Texts on the page contrast with the page, not with the main window's page area.
    setBackgroundRole(QPalette::Window);
    m_automatiklauf = true;
    resize(px(SeiteBreite), px(SeiteHöhe));
    baue();
}

Form100::~Form100() = default;

void Form100::baue()
{
    QFont fett = font();
    fett.setBold(true);
    Logo = Heizungsformen::Beschriftung(this, QString(), 600, 240, 2535, 840);
    Titel = Heizungsformen::Beschriftung(this, QString(), 3225, 480, 3400, 360);
    Titel->setFont(fett);
    Projektnummer = Heizungsformen::Beschriftung(this, QString(), 6720, 300, 3960);
    // A long designation wraps onto a second line; the rule goes below it.
    Projektbezeichnung = Heizungsformen::Beschriftung(this, QString(), 6720, 570, 3960, 570);
    Projektbezeichnung->setWordWrap(true);
    Projektbezeichnung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Seitentitel = Heizungsformen::Beschriftung(this, QString(), 600, 1800, 5500, 400);
    QFont groß = fett;
    groß.setPointSizeF(groß.pointSizeF() * 1.3);
    Seitentitel->setFont(groß);
    Foto = Heizungsformen::Beschriftung(this, QString(), 6720, 1680, 2500, 2160);
    Foto->setScaledContents(true);

    // Frames in tab order: heating, plant, protection.
    auto gruppe = [this](int nr, int x, int y, std::array<QRadioButton*, 2>& optionen, const char* name) {
        auto* f = new QGroupBox(this);
        f->setObjectName(QStringLiteral("Frame1"));
        f->setGeometry(px(x), px(y), px(4335), px(1575));
        Frame1[static_cast<size_t>(nr)] = f;
        for (int i = 0; i < 2; ++i) {
            auto* o = new QRadioButton(f);
            o->setObjectName(QString::fromUtf8(name));
            Steuerelemente::setzeIndex(o, i);
            o->setGeometry(px(240), px(480 + 480 * i), px(4000), px(360));
            optionen[static_cast<size_t>(i)] = o;
        }
    };
    gruppe(3, 600, 2880, ArtderBeheizungOption, "ArtderBeheizungOption");
    gruppe(1, 600, 4800, ArtderAnlageOption, "ArtderAnlageOption");
    gruppe(2, 5520, 4800, AnlagenabsicherungOption, "AnlagenabsicherungOption");
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<size_t>(i);
        connect(ArtderBeheizungOption[k], &QRadioButton::clicked, this, [this, i] { ArtderBeheizung_Click(i); });
        connect(ArtderAnlageOption[k], &QRadioButton::clicked, this, [this, i] { ArtderAnlage_Click(i); });
        connect(AnlagenabsicherungOption[k], &QRadioButton::clicked, this, [this, i] { Anlagenabsicherung_Click(i); });
    }
}

void Form100::FormLoad()
{
    Programmzustand& z = zustand();
    m_h = HalteDatenobjekt(z.g_heizdat);
    if (!m_h) {
        Ladefehler();
        return;
    }
    GlobDatenHeizung& h = *m_h;

    Logo->setPixmap(QPixmap::fromImage(LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"))));
    Foto->setPixmap(QPixmap::fromImage(LadeBildAusRessource(1110, QStringLiteral("INTERNATIONAL"))));
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));

    Titel->setText(text(300));
    Seitentitel->setText(text(301));
    Frame1[3]->setTitle(text(302));
    ArtderBeheizungOption[0]->setText(text(303));
    ArtderBeheizungOption[1]->setText(text(304));
    Frame1[1]->setTitle(text(306));
    ArtderAnlageOption[0]->setText(text(307));
    ArtderAnlageOption[1]->setText(text(308));
    Frame1[2]->setTitle(text(310));
    AnlagenabsicherungOption[0]->setText(text(311));
    AnlagenabsicherungOption[1]->setText(text(312));
    Projektnummer->setText(text(60) + QStringLiteral("     ") + z.aktProjektnummer);
    Projektbezeichnung->setText(z.aktProjektBezeichnung);

    h.m_Beheiz.BindOptionButton(Optionsgruppe({ArtderBeheizungOption[0], ArtderBeheizungOption[1]}));
    h.m_Anlage.BindOptionButton(Optionsgruppe({ArtderAnlageOption[0], ArtderAnlageOption[1]}));
    h.m_Sicherung.BindOptionButton(Optionsgruppe({AnlagenabsicherungOption[0], AnlagenabsicherungOption[1]}));

    // A project made for the host keeps the host's choices, also in a later run without it.
    if (z.AktProjektArtErstellung == 1 || z.AktProjektArtErstellung == 2)
        for (auto* gruppe : {&ArtderBeheizungOption, &ArtderAnlageOption, &AnlagenabsicherungOption})
            for (QRadioButton* o : *gruppe)
                o->setEnabled(false);

    if (z.TyvoModus == 2) {
        if (z.TyvoVorgabenPrüfen) {
            bool geändert = false;
            tyvoAnbindung().MAGVorgabedatenVonTyvoGeändert(h, geändert);
            if (geändert) {
                h.m_Wasservorlage.m_Value = 0;
                h.m_IstBerechnet.m_Value = false;
                h.m_IstAusgelegt.m_Value = false;
            }
        }
        z.TyvoVorgabenPrüfen = false;
    }
    if (z.TyvoModus == 1 || z.TyvoModus == 2) {
        h.m_Beheiz.m_Value = z.TyvoDaten.Beheizungsart == 1 ? 1 : 0;
        h.m_Sicherung.m_Value = z.TyvoDaten.Anlagenabsicherung == 1 ? 1 : 0;
        h.m_Anlage.m_Value = 0;
        mdi().ResetVisibleKommandoButtons(0, 1, 0);
    }

    h.m_Beheiz.GlobDatenInButton();
    h.m_Anlage.GlobDatenInButton();
    h.m_Sicherung.GlobDatenInButton();
    Anlagendaten::KesselVolumenZurücksetzen(h);
    MoveFocusEinrichten(true);
    mdi().SetzeStatusPanelText(1, LadeText(z.Sprachoffset + z.Länderoffset + 3051));
}

void Form100::FormActivate()
{
    mdi().AutomatischerBilderwechselWennErforderlich();
}

void Form100::FormUnload()
{
    if (m_h) {
        m_h->m_Beheiz.UnBindOptionButton();
        m_h->m_Anlage.UnBindOptionButton();
        m_h->m_Sicherung.UnBindOptionButton();
    }
    m_h = nullptr;
    if (Hauptfenster* h = hauptfenster())
        h->SetzeStatusPanelText(1, QString());
}

void Form100::ArtderBeheizung_Click(int index)
{
    if (lädt() || !m_h)
        return;
    m_h->m_Beheiz.ButtonInGlobDaten(static_cast<int16_t>(index));
    m_h->m_IstBerechnet.m_Value = false;
    m_h->m_IstAusgelegt.m_Value = false;
}

void Form100::ArtderAnlage_Click(int index)
{
    if (lädt() || !m_h)
        return;
    m_h->m_Anlage.ButtonInGlobDaten(static_cast<int16_t>(index));
    m_h->m_IstBerechnet.m_Value = false;
    m_h->m_IstAusgelegt.m_Value = false;
}

void Form100::Anlagenabsicherung_Click(int index)
{
    if (lädt() || !m_h)
        return;
    GlobDatenHeizung& h = *m_h;
    const int vorher = h.m_Sicherung.m_Value;
    if (index == 1 && vorher == 0 && h.Sum_Waermeleistung() == 0)
        h.m_Leist_1.m_Value = h.m_Leist_ges.m_Value;
    h.m_Sicherung.ButtonInGlobDaten(static_cast<int16_t>(index));
    Anlagendaten::KesselVolumenZurücksetzen(h);
    h.m_IstBerechnet.m_Value = false;
    h.m_IstAusgelegt.m_Value = false;
}

void Form100::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (!m_hintergrund.isNull())
        p.drawImage(rect(), m_hintergrund);
    p.setPen(QPen(palette().color(QPalette::Dark), 1));
    const int unten = Projektbezeichnung->y() + Projektbezeichnung->heightForWidth(Projektbezeichnung->width()) + 2;
    const int linie = std::max(px(840), unten);
    p.drawLine(px(6720), linie, px(10680), linie);
    Seitenform::paintEvent(e);
}
