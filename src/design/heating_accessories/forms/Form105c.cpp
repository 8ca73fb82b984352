#include "design/heating_accessories/forms/Form105c.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Hauptfenster.h"
#include "data/GlobDaten.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/heating_accessories/Schlammabscheider.h"
#include "design/heating_accessories/forms/Form105a.h"

namespace {

const QString Leer = QStringLiteral(" ");

int px(int twips)
{
    return Twips::zuPixel(twips);
}

}  // namespace

Form105c::Form105c(QWidget* parent)
    : QDialog(parent ? parent : (hauptfenster() ? hauptfenster()->Fensterwidget() : nullptr))
{
    setObjectName(QStringLiteral("Form105c"));
    setModal(true);
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    Gitter = [](int16_t index) {
        Form105a gitter;
        gitter.OpenForm(index);
    };
    for (int i = 1; i <= 6; ++i) {
        const int oben = 240 + 480 * (i - 1);
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label2"));
        l->setGeometry(px(240), px(oben + 120), px(1575), px(255));
        Label2[static_cast<size_t>(i)] = l;
        auto* k = new QToolButton(this);
        k->setObjectName(QStringLiteral("Command1"));
        k->setText(QStringLiteral("..."));
        k->setGeometry(px(1800), px(oben), px(375), px(375));
        connect(k, &QToolButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1[static_cast<size_t>(i)] = k;
        auto* s = new QLabel(this);
        s->setObjectName(QStringLiteral("SchlammLabel"));
        s->setGeometry(px(2400), px(oben + 30), px(4335), px(315));
        SchlammLabel[static_cast<size_t>(i)] = s;
    }
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(px(240), px(3360), px(1575), px(315));
    SchlammIsoCombo = new QComboBox(this);
    SchlammIsoCombo->setObjectName(QStringLiteral("SchlammIsoCombo"));
    SchlammIsoCombo->setGeometry(px(2400), px(3360), px(1455), px(315));
    connect(SchlammIsoCombo, &QComboBox::activated, this, [this](int) { SchlammIsoCombo_Click(); });
    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    WeiterCommand->setGeometry(px(6600), px(3240), px(615), px(615));
    connect(WeiterCommand, &QToolButton::clicked, this, &QDialog::accept);
    setFixedSize(px(7400), px(4100));
}

Form105c::~Form105c() = default;

void Form105c::OpenForm()
{
    Laden();
    ZentriereÜberHauptfenster(*this);
    exec();
}

void Form105c::Laden()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(o + 700));
    for (int i = 1; i <= 6; ++i)
        Label2[static_cast<size_t>(i)]->setText(LadeText(o + 701 + i - 1));
    Label1->setText(LadeText(o + 629));
    WeiterCommand->setToolTip(LadeText(o + 72));
    m_daten = hauptfenster() ? hauptfenster()->Datenobjekt(z.Projektart) : nullptr;
    if (!m_daten)
        return;
    m_schlamm = std::make_unique<Schlammabscheiderauslegung>(*m_daten);
    for (int16_t i = 1; i <= 6; ++i) {
        const bool da = m_schlamm->Leistung(i) > 0;
        for (QWidget* w : std::initializer_list<QWidget*>{Label2[static_cast<size_t>(i)], Command1[static_cast<size_t>(i)],
                                                         SchlammLabel[static_cast<size_t>(i)]})
            w->setEnabled(da);
        if (da) {
            AbscheiderZeile(i);
        } else {
            SchlammLabel[static_cast<size_t>(i)]->setText(Leer);
            m_schlamm->SetzeArtikel(i, Leer);
            m_schlamm->SetzeIsoArtikel(i, Leer);
        }
    }
    if (m_schlamm->Isolierung() == 2)
        m_schlamm->SetzeIsolierung(1);
    SchlammIsoCombo->clear();
    SchlammIsoCombo->addItem(LadeText(o + 633));
    SchlammIsoCombo->addItem(LadeText(o + 630));
    SchlammIsoCombo->setCurrentIndex(m_schlamm->Isolierung() == 1 ? 1 : 0);
    bool zeigen = false;
    for (int16_t i = 1; i <= 6 && !zeigen; ++i)
        zeigen = m_schlamm->Leistung(i) > 0 && !m_schlamm->Artikel(i).trimmed().isEmpty();
    Label1->setVisible(zeigen);
    SchlammIsoCombo->setVisible(zeigen);
}

void Form105c::AbscheiderZeile(int16_t i)
{
    const QString artNr = m_schlamm->Artikel(i);
    QString text;
    if (!artNr.trimmed().isEmpty())
        text = Artikelzeile(*m_daten, artNr, true);
    SchlammLabel[static_cast<size_t>(i)]->setText(text.trimmed().isEmpty() ? Leer : text);
}

void Form105c::Command1_Click(int index)
{
    if (!m_schlamm || index < 1 || index > 6)
        return;
    const auto i = static_cast<int16_t>(index);
    if (Gitter)
        Gitter(i);
    AbscheiderZeile(i);
    const QString artNr = m_schlamm->Artikel(i);
    if (!artNr.trimmed().isEmpty())
        m_schlamm->SetzeIsoArtikel(i, m_schlamm->IsoFürIsolierung(artNr));
}

void Form105c::SchlammIsoCombo_Click()
{
    if (!m_schlamm)
        return;
    m_schlamm->SetzeIsolierung(SchlammIsoCombo->currentIndex() == 1 ? 1 : 0);
    for (int16_t i = 1; i <= 6; ++i) {
        const QString artNr = m_schlamm->Artikel(i);
        if (!artNr.trimmed().isEmpty() && m_schlamm->Leistung(i) > 0)
            m_schlamm->SetzeIsoArtikel(i, m_schlamm->IsoFürIsolierung(artNr));
    }
}

QString Form105c::GetArtikelNrISOSchlamm(const QString& ArtNrSchlamm, int16_t isolierung)
{
    return ::GetArtikelNrISOSchlamm(ArtNrSchlamm, isolierung);
}

void Form105c::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Right && (e->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)) == Qt::AltModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
