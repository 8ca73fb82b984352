#include "design/selection/forms/Form102b2KM.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Steuerelemente.h"
#include "design/selection/Behaelterauswahl.h"

namespace {

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

}  // namespace

Form102b2KM::Form102b2KM(Behälterauswahl& seite, QWidget* parent)
    : Auswahldialog(parent), m_logik(seite.daten(), seite.projektart(), seite)
{
    setObjectName(QStringLiteral("Form102b2KM"));
    setWindowTitle(text(500));
    auto label = [this](int x, int y, int breite) {
        auto* l = new QLabel(this);
        l->setGeometry(px(x), px(y), px(breite), px(285));
        return l;
    };
    Label1[2] = label(240, 240, 1800);
    Label3 = label(2100, 240, 4300);
    Label1[0] = label(240, 600, 3200);
    Label2 = label(3600, 600, 800);
    Label1[2]->setText(text(501));
    Label1[0]->setText(text(502));
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(px(240), px(1000), px(6900), px(700));
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(text(514 + i), Frame1);
        r->setObjectName(QStringLiteral("SteuermodulOption"));
        Steuerelemente::setzeIndex(r, i);
        r->setGeometry(px(200 + i * 3000), px(250), px(2800), px(300));
        connect(r, &QRadioButton::clicked, this, [this, i] {
            if (m_zeigt)
                return;
            m_logik.OptionGeklickt(i);
            zeigen();
        });
        SteuermodulOption[static_cast<size_t>(i)] = r;
    }
    // Left column 4, 5, 6, 9; right column 1, 3, 8, 7.
    const int texte[10] = {0, 506, 0, 508, 516, 517, 518, 519, 520, 521};
    const int spalte[10] = {0, 1, 0, 1, 0, 0, 0, 1, 1, 0};
    const int zeile[10] = {0, 0, 0, 1, 0, 1, 2, 3, 2, 3};
    for (int k : {1, 3, 4, 5, 6, 7, 8, 9}) {
        auto* c = new QCheckBox(text(texte[k]), this);
        c->setObjectName(QStringLiteral("Check1"));
        Steuerelemente::setzeIndex(c, k);
        c->setGeometry(px(240 + spalte[k] * 3300), px(1900 + zeile[k] * 360), px(spalte[k] ? 3700 : 3200), px(300));
        connect(c, &QCheckBox::clicked, this, [this, k](bool gesetzt) {
            if (m_zeigt)
                return;
            if (k == 1)
                m_logik.WechselGeklickt(gesetzt);
            else
                m_logik.KastenGeklickt(k, gesetzt);
            zeigen();
        });
        Check1[static_cast<size_t>(k)] = c;
    }
    Platzieren(7400, 4100);
    PlatziereWeiter(100, 200);
    m_logik.Laden();
    zeigen();
    MoveFocusEinrichten();
    VersteckenImAutomatiklauf();
}

Form102b2KM::~Form102b2KM() = default;

void Form102b2KM::zeigen()
{
    m_zeigt = true;
    Label3->setText(m_logik.bezeichnung());
    Label2->setText(QString::number(m_logik.gesamtanzahl()));
    SteuermodulOption[static_cast<size_t>(m_logik.option())]->setChecked(true);
    for (size_t k = 0; k < 10; ++k) {
        if (!Check1[k])
            continue;
        const Kontrollkasten& kasten = m_logik.kästen()[k];
        Check1[k]->setVisible(kasten.sichtbar);
        Check1[k]->setEnabled(kasten.aktiv);
        Check1[k]->setChecked(kasten.gesetzt);
    }
    m_zeigt = false;
}

void Form102b2KM::showEvent(QShowEvent* e)
{
    Auswahldialog::showEvent(e);
    if (m_aktiviert)
        return;
    m_aktiviert = true;
    if (m_logik.AktivierenMitFehler())
        QTimer::singleShot(0, this, &QDialog::accept);
}
