#include "design/selection/forms/Form102b.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/BoundWidgets.h"
#include "base/forms/Steuerelemente.h"
#include "data/GlobDaten.h"
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

// Captions of the ten boxes.
constexpr int KastenText[10] = {505, 506, 507, 508, 516, 517, 518, 519, 520, 521};
// Row and column of each box: 0 1 / 2 3 / 6 8 / 9 5 / 4 / 7.
constexpr int KastenZeile[10] = {0, 0, 1, 1, 4, 3, 2, 5, 2, 3};
constexpr int KastenSpalte[10] = {0, 1, 0, 1, 0, 1, 0, 0, 1, 0};

}  // namespace

Form102b::Form102b(Behälterauswahl& seite, GlobDaten* daten, QWidget* parent)
    : Auswahldialog(parent), m_logik(seite.daten(), seite.projektart(), seite), m_daten(daten)
{
    setObjectName(QStringLiteral("Form102b"));
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
    Label1[1] = label(240, 960, 3200);
    const int texte[3] = {502, 503, 501};
    for (int i = 0; i < 3; ++i) {
        Label1[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Label1"));
        Steuerelemente::setzeIndex(Label1[static_cast<size_t>(i)], i);
        Label1[static_cast<size_t>(i)]->setText(text(texte[i]));
    }
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Steuerelemente::setzeIndex(Text1, 0);
    Text1->setGeometry(px(3600), px(930), px(600), px(315));
    Text1->setAlignment(Qt::AlignRight);
    Text1->installEventFilter(this);
    SteuermodulKomponenteCombo = new QComboBox(this);
    SteuermodulKomponenteCombo->setObjectName(QStringLiteral("SteuermodulKomponenteCombo"));
    SteuermodulKomponenteCombo->setGeometry(px(240), px(1400), px(6000), px(330));
    SteuermodulKomponenteCombo->installEventFilter(this);
    connect(SteuermodulKomponenteCombo, &QComboBox::activated, this, [this] {
        if (m_zeigt)
            return;
        m_combo.Refresh();
        m_logik.ModulGewählt(m_combo.AktIndex());
        zeigen();
    });
    for (int k = 0; k < 10; ++k) {
        auto* c = new QCheckBox(text(KastenText[k]), this);
        c->setObjectName(QStringLiteral("Check1"));
        Steuerelemente::setzeIndex(c, k);
        c->setGeometry(px(240 + KastenSpalte[k] * 3300), px(1950 + KastenZeile[k] * 360), px(KastenSpalte[k] ? 3700 : 3200), px(300));
        connect(c, &QCheckBox::clicked, this, [this, k](bool gesetzt) {
            if (m_zeigt)
                return;
            m_logik.KastenGeklickt(k, gesetzt);
            zeigen();
        });
        Check1[static_cast<size_t>(k)] = c;
    }
    Platzieren(7400, 4500);
    PlatziereWeiter(100, 200);

    m_logik.Laden();
    m_combo.Initialisierung(Steuerelement(SteuermodulKomponenteCombo));
    for (const Automatenoptionen::Eintrag& e : m_logik.module())
        m_combo.AddItem(e.text, static_cast<int16_t>(e.wert));
    if (m_daten)
        if (auto* m = m_daten->Gebunden<conTextBoxAdodb>(QStringLiteral("m_SteuerbehAnzahl")))
            m->BindTextBox(Steuerelement(Text1), QStringLiteral("#0"), VbVariant::null(), VbVariant::null());
    zeigen();
    MoveFocusEinrichten();
    VersteckenImAutomatiklauf();
}

Form102b::~Form102b()
{
    if (m_daten)
        if (auto* m = m_daten->Gebunden<conTextBoxAdodb>(QStringLiteral("m_SteuerbehAnzahl")))
            m->UnBindTextBox();
}

void Form102b::zeigen()
{
    m_zeigt = true;
    Label3->setText(m_logik.bezeichnung());
    Label2->setText(QString::number(m_logik.gesamtanzahl()));
    if (!Text1->hasFocus() || Text1->text() != m_logik.anzahlText())
        Text1->setText(m_logik.anzahlText());
    Text1->setEnabled(m_logik.anzahlAktiv());
    if (m_logik.modulIndex() >= 0)
        m_combo.AktuellWertZuordnung(static_cast<int16_t>(m_logik.module()[m_logik.modulIndex()].wert));
    SteuermodulKomponenteCombo->setEnabled(m_logik.modulListeAktiv());
    for (size_t k = 0; k < 10; ++k) {
        const Kontrollkasten& kasten = m_logik.kästen()[k];
        Check1[k]->setVisible(kasten.sichtbar);
        Check1[k]->setEnabled(kasten.aktiv);
        Check1[k]->setChecked(kasten.gesetzt);
    }
    m_zeigt = false;
}

bool Form102b::prüfeAnzahl()
{
    bool abgelehnt = false;
    if (auto* m = m_daten ? m_daten->Gebunden<conTextBoxAdodb>(QStringLiteral("m_SteuerbehAnzahl")) : nullptr) {
        abgelehnt = m->TextBoxInGlobDaten();
    } else {
        bool ok = false;
        const double v = Text1->text().toDouble(&ok);
        abgelehnt = !ok;
        if (ok)
            m_logik.daten().schreibe(QStringLiteral("m_SteuerbehAnzahl"), VbVariant(v));
    }
    m_logik.AnzahlValidiert(abgelehnt);
    zeigen();
    return abgelehnt;
}

void Form102b::FormValidateControlElement(const QString& name, const VbVariant&, bool& Cancel)
{
    if (name == QStringLiteral("Text1"))
        Cancel = prüfeAnzahl();
}

void Form102b::showEvent(QShowEvent* e)
{
    Auswahldialog::showEvent(e);
    if (m_aktiviert)
        return;
    m_aktiviert = true;
    if (m_logik.Aktivieren())
        QTimer::singleShot(0, this, &QDialog::accept);
}

bool Form102b::eventFilter(QObject* o, QEvent* e)
{
    if (o == Text1) {
        if (e->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, Text1, &QLineEdit::selectAll);
        } else if (e->type() == QEvent::FocusOut && Text1->isEnabled()) {
            if (prüfeAnzahl())
                QTimer::singleShot(0, Text1, [this] { Text1->setFocus(); });
        } else if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            const QString t = k->text();
            const bool zeichen = !t.isEmpty() && (t.at(0).isPrint() || k->key() == Qt::Key_Backspace);
            if (zeichen && k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) {
                if (!m_logik.AnzahlZeichen(t.at(0)))
                    return true;
                Text1->selectAll();
            }
        }
    } else if (o == SteuermodulKomponenteCombo && e->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Up: case Qt::Key_Down:
            break;
        default:
            if (!static_cast<QKeyEvent*>(e)->text().isEmpty() && static_cast<QKeyEvent*>(e)->key() != Qt::Key_Return
                && static_cast<QKeyEvent*>(e)->key() != Qt::Key_Tab)
                return true;
        }
    }
    return Auswahldialog::eventFilter(o, e);
}
