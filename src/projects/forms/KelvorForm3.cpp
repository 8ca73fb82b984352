#include "projects/forms/KelvorForm3.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

#include "projects/forms/MDIListe.h"
#include "projects/forms/MDISichern.h"
#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Steuerelemente.h"
#include "base/forms/Tastenvorschau.h"

namespace {

using S = Projektseite;

// Geometry in twips.
constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int LabelLinks = 600, FeldLinks = 2600, ZeileOben = 900, Zeilenhöhe = 400, FeldHöhe = 315;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

// Remarks in the widget (LF) and in the table (CR LF).
QString zuCrLf(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char('\r'));
    return t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString zuLf(const QString& text)
{
    QString t = text;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Position in the CR LF text of a position in the LF text, and back.
int crLfPosition(const QString& lf, int pos)
{
    return pos + static_cast<int>(lf.left(pos).count(QLatin1Char('\n')));
}

int lfPosition(const QString& crlf, int pos)
{
    return pos - static_cast<int>(crlf.left(pos).count(QStringLiteral("\r\n")));
}

}  // namespace

// What the page's logic asks of the main window and of the widgets.
class KelvorForm3::Umfeld : public ProjektseitenUmfeld {
public:
    explicit Umfeld(KelvorForm3& f) : m_f(f) {}
    void Kommando(int a1, int a2, int a3) override
    {
        if (Hauptfenster* h = hauptfenster())
            h->Kommando(a1, a2, a3);
    }
    void ResetVisibleKommandoButtons(int a1, int a2, int a3) override
    {
        if (Hauptfenster* h = hauptfenster())
            h->ResetVisibleKommandoButtons(a1, a2, a3);
    }
    void ErstprojektMenuesSperren() override
    {
        if (Hauptfenster* h = hauptfenster())
            h->ErstprojektMenuesSperren();
    }
    int AktivesSteuerelement() const override
    {
        return m_f.steuerelementVon(m_f.window()->focusWidget());
    }
    void Fokus(int nr) override
    {
        m_f.zeigen();
        if (QWidget* w = m_f.steuerelement(nr))
            Steuerelemente::fokusSetzen(w);
    }
    void Beenden() override
    {
        if (Hauptfenster* h = hauptfenster())
            h->Beenden();
    }
    void AutomatischerBilderwechselWennErforderlich() override
    {
        if (Hauptfenster* h = hauptfenster())
            h->AutomatischerBilderwechselWennErforderlich();
    }

private:
    KelvorForm3& m_f;
};

KelvorForm3::KelvorForm3(QWidget* parent)
    : Seitenform(parent), m_umfeld(std::make_unique<Umfeld>(*this)), m_logik(std::make_unique<Projektseite>(m_umfeld.get()))
{
    setObjectName(QStringLiteral("KelvorForm3"));
    m_automatiklauf = true;
    resize(px(SeiteBreite), px(SeiteHöhe));
    baue();
}

KelvorForm3::~KelvorForm3() = default;

void KelvorForm3::baue()
{
    auto label = [this](int i, int x, int y, int breite) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label1"));
        Steuerelemente::setzeIndex(l, i);
        l->setGeometry(px(x), px(y), px(breite), px(FeldHöhe));
        Label1[static_cast<size_t>(i)] = l;
        return l;
    };
    auto zeile = [](int z) { return ZeileOben + z * Zeilenhöhe; };
    auto feld = [this](QWidget* w, const char* name, int index, int x, int y, int breite, int höhe = FeldHöhe) {
        w->setObjectName(QString::fromUtf8(name));
        if (index >= 0)
            Steuerelemente::setzeIndex(w, index);
        w->setGeometry(px(x), px(y), px(breite), px(höhe));
        w->installEventFilter(this);
    };

    QFont fett = font();
    fett.setBold(true);
    label(0, LabelLinks, 300, 5000)->setFont(fett);

    // Made in tab order: number, type, the six one-line texts, the remarks, the date.
    auto textfeld = [this, &feld](int i, int x, int y, int breite) {
        auto* e = new QLineEdit(this);
        feld(e, "ProjektText", i, x, y, breite);
        e->setMaxLength(S::Textlänge[static_cast<size_t>(i)]);
        connect(e, &QLineEdit::textChanged, this, [this, i](const QString& t) {
            if (!m_zeigt)
                m_logik->Text[static_cast<size_t>(i)] = t;
        });
        ProjektText[static_cast<size_t>(i)] = e;
    };
    textfeld(S::Nummer, FeldLinks, zeile(0), 2000);
    ProjektCombo1 = new QComboBox(this);
    feld(ProjektCombo1, "ProjektCombo1", -1, FeldLinks, zeile(1), 3600);
    connect(ProjektCombo1, &QComboBox::activated, this, [this](int) {
        if (m_zeigt)
            return;
        m_logik->Text[S::Art] = ProjektCombo1->currentText();
        m_logik->ProjektCombo1_Change();
        zeigen();
    });
    textfeld(S::Bezeichnung, FeldLinks, zeile(2), 5000);
    textfeld(S::Bauherr, FeldLinks, zeile(3), 5000);
    textfeld(S::Strasse, FeldLinks, zeile(4), 5000);
    textfeld(S::PLZ, FeldLinks, zeile(5), 900);
    textfeld(S::Ort, FeldLinks + 1000, zeile(5), 4000);
    textfeld(S::Angebotsnummer, FeldLinks, zeile(6), 5000);

    ProjektText7 = new QPlainTextEdit(this);
    feld(ProjektText7, "ProjektText", S::Bemerkungen, FeldLinks, zeile(8), 6900, 1300);
    QFont fest(QStringLiteral("Courier New"), 9);
    fest.setStyleHint(QFont::TypeWriter);
    ProjektText7->setFont(fest);
    ProjektText7->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ProjektText7->setLineWrapMode(QPlainTextEdit::NoWrap);
    ProjektText7->setTabChangesFocus(true);
    connect(ProjektText7, &QPlainTextEdit::textChanged, this, &KelvorForm3::bemerkungenGeändert);

    ProjektMask = new QLineEdit(this);
    feld(ProjektMask, "ProjektMask", 0, FeldLinks, zeile(7), 1500);
    connect(ProjektMask, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_zeigt)
            m_logik->Text[S::Datum] = t;
    });

    // Captions 1 to 9 by row.
    const int labelZeilen[] = {0, 0, 1, 2, 3, 4, 5, 6, 8, 7};
    for (int i = 1; i <= 9; ++i)
        label(i, LabelLinks, zeile(labelZeilen[i]), FeldLinks - LabelLinks - 100);

    ProjektLabeldata = new QLabel(this);
    ProjektLabeldata->setObjectName(QStringLiteral("ProjektLabeldata"));
    ProjektLabeldata->setGeometry(px(FeldLinks + 2200), px(zeile(0)), px(2500), px(FeldHöhe));
    ProjektLabeldata->setFont(fett);

    // The data control.
    const int adodcOben = 6000;
    label(10, LabelLinks, adodcOben, 1300);
    const char* const symbole[4] = {"|<", "<", ">", ">|"};
    for (int i = 0; i < 4; ++i) {
        auto* k = new QToolButton(this);
        k->setObjectName(QStringLiteral("Adodc1"));
        Steuerelemente::setzeIndex(k, i);
        k->setText(QString::fromLatin1(symbole[i]));
        k->setFocusPolicy(Qt::NoFocus);
        const int x = FeldLinks + (i < 2 ? i * 400 : 2000 + (i - 2) * 400);
        k->setGeometry(px(x), px(adodcOben), px(380), px(FeldHöhe));
        connect(k, &QToolButton::clicked, this, [this, i] {
            m_logik->Blättern(i);
            zeigen();
        });
        Adodc1Knopf[static_cast<size_t>(i)] = k;
    }
    Adodc1Caption = new QLabel(this);
    Adodc1Caption->setObjectName(QStringLiteral("Adodc1Caption"));
    Adodc1Caption->setGeometry(px(FeldLinks + 800), px(adodcOben), px(1200), px(FeldHöhe));
    Adodc1Caption->setAlignment(Qt::AlignCenter);
    Adodc1Caption->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(px(LabelLinks), px(6500), px(9000), px(FeldHöhe));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Steuerelemente::setzeIndex(Image1, 2);
    Image1->move(px(8200), px(900));
}

int KelvorForm3::steuerelementVon(const QWidget* w) const
{
    for (int i = 0; w && i < S::AnzahlSteuerelemente; ++i) {
        const QWidget* s = steuerelement(i);
        if (s && (s == w || s->isAncestorOf(w)))
            return i;
    }
    return -1;
}

QWidget* KelvorForm3::steuerelement(int nr) const
{
    if (nr >= 0 && nr <= S::Angebotsnummer)
        return ProjektText[static_cast<size_t>(nr)];
    switch (nr) {
    case S::Bemerkungen: return ProjektText7;
    case S::Art: return ProjektCombo1;
    case S::Datum: return ProjektMask;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------------------------------------
// Life of the page

void KelvorForm3::FormLoad()
{
    const int o = zustand().Sprachoffset;
    const QImage bild = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"));
    Image1->setPixmap(QPixmap::fromImage(bild));
    Image1->resize(bild.size());
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    const int texte[11] = {280, 282, 283, 284, 285, 286, 287, 288, 289, 290, 281};
    for (int i = 0; i < 11; ++i)
        Label1[static_cast<size_t>(i)]->setText(LadeText(o + texte[i]));
    Label2->setText(zustand().Datenpfad);
    ProjektCombo1->clear();
    ProjektCombo1->addItems(Projektseite::Projektarttexte());

    const bool ok = m_logik->Laden();
    zeigen();
    if (!ok)
        return;
    MoveFocusEinrichten(false);
    moveFocus().ClearTabStop(moveFocus().TabIndexVon(ProjektText7));
}

void KelvorForm3::FormActivate()
{
    m_logik->Aktivieren();
    zeigen();
}

void KelvorForm3::FormUnload()
{
    m_logik->Entladen();
}

// ---------------------------------------------------------------------------------------------
// Showing the state

void KelvorForm3::zeigen()
{
    m_zeigt = true;
    const Projektseite& l = *m_logik;
    for (int i = 0; i <= S::Angebotsnummer; ++i) {
        QLineEdit* e = ProjektText[static_cast<size_t>(i)];
        const QString& t = l.Text[static_cast<size_t>(i)];
        // A longer text from the table or the host is shown as it is.
        e->setMaxLength(std::max<int>(S::Textlänge[static_cast<size_t>(i)], static_cast<int>(t.size())));
        if (e->text() != t)
            e->setText(t);
        e->setEnabled(l.Frei[static_cast<size_t>(i)]);
    }
    const QString bemerkungen = zuLf(l.Text[S::Bemerkungen]);
    if (ProjektText7->toPlainText() != bemerkungen)
        ProjektText7->setPlainText(bemerkungen);
    ProjektText7->setEnabled(l.Frei[S::Bemerkungen]);
    const int art = ProjektCombo1->findText(l.Text[S::Art]);
    if (art >= 0)
        ProjektCombo1->setCurrentIndex(art);
    ProjektCombo1->setEnabled(l.Frei[S::Art]);
    if (ProjektMask->text() != l.Text[S::Datum])
        ProjektMask->setText(l.Text[S::Datum]);
    ProjektMask->setEnabled(l.Frei[S::Datum]);

    ProjektText[S::Nummer]->setVisible(l.NummerSichtbar);
    Label1[1]->setVisible(l.NummerSichtbar);
    Label1[10]->setVisible(l.Adodc1Sichtbar);
    Adodc1Caption->setVisible(l.Adodc1Sichtbar);
    Adodc1Caption->setText(l.Adodc1Caption);
    for (QToolButton* k : Adodc1Knopf) {
        k->setVisible(l.Adodc1Sichtbar);
        k->setEnabled(l.Adodc1Frei);
    }
    ProjektLabeldata->setText(l.ProjektLabeldata);
    m_zeigt = false;
}

void KelvorForm3::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Events of the controls

void KelvorForm3::bemerkungenGeändert()
{
    if (m_zeigt)
        return;
    const QString lf = ProjektText7->toPlainText();
    QString text = zuCrLf(lf);
    int caret = crLfPosition(lf, ProjektText7->textCursor().position());
    // Typing and pasting stop at the box's length; the breaks the page inserts count too.
    const int grenze = S::Textlänge[S::Bemerkungen];
    if (text.size() > grenze) {
        const int zuviel = static_cast<int>(text.size()) - grenze;
        const int von = std::max(0, caret - zuviel);
        text.remove(von, caret - von);
        caret = von;
        if (text.size() > grenze)
            text.truncate(grenze);
    }
    m_logik->Text[S::Bemerkungen] = text;
    m_logik->Bemerkungen_Change(caret);
    const QString neu = zuLf(m_logik->Text[S::Bemerkungen]);
    if (neu != lf) {
        m_zeigt = true;
        ProjektText7->setPlainText(neu);
        QTextCursor c = ProjektText7->textCursor();
        c.setPosition(std::min<int>(lfPosition(m_logik->Text[S::Bemerkungen], caret), static_cast<int>(neu.size())));
        ProjektText7->setTextCursor(c);
        m_zeigt = false;
    }
}

bool KelvorForm3::tasteInSteuerelement(int nr, QKeyEvent* e)
{
    if (nr == S::Art) {
        // Nothing can be typed into the type box; only the keys that move through its list reach it.
        switch (e->key()) {
        case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Up: case Qt::Key_Down:
        case Qt::Key_Tab: case Qt::Key_Backtab:
            return false;
        default:
            return true;
        }
    }
    int taste = Tastenvorschau::KeyAscii(e);
    if (taste == 0 || taste == 9)
        return false;
    if (nr == S::Datum)
        return taste == 13;
    if (nr == S::Bemerkungen) {
        // The box's length counts a line break as two characters.
        const bool auswahl = ProjektText7->textCursor().hasSelection();
        return taste != 8 && !auswahl && m_logik->Text[S::Bemerkungen].size() >= S::Textlänge[S::Bemerkungen];
    }
    const int vorher = taste;
    m_logik->ProjektText_KeyPress(nr, taste);
    if (taste != 0 && taste != vorher)
        ProjektText[static_cast<size_t>(nr)]->insert(QString(QChar(taste)));
    if (vorher == 13)
        zeigen();  // the number may have been confirmed
    return taste == 0 || taste != vorher;
}

bool KelvorForm3::eventFilter(QObject* o, QEvent* e)
{
    auto* w = qobject_cast<QWidget*>(o);
    const int nr = steuerelementVon(w);
    if (nr < 0)
        return Seitenform::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::KeyPress:
        return tasteInSteuerelement(nr, static_cast<QKeyEvent*>(e));
    case QEvent::FocusIn:
        if (auto* zeile = qobject_cast<QLineEdit*>(w))
            QMetaObject::invokeMethod(zeile, &QLineEdit::selectAll, Qt::QueuedConnection);
        break;
    case QEvent::FocusOut: {
        // A message box or a popup takes the focus for a moment: the input is not left.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason || !istGeladen() || istEntladen())
            break;
        if (nr == S::Datum) {
            // Within the page the date is checked before the focus moves (Validate).
            const QWidget* neu = QApplication::focusWidget();
            if (!(neu && isAncestorOf(neu)))
                m_logik->ProjektMask_LostFocus();
        } else if (nr == S::Art)
            m_logik->ProjektCombo1_LostFocus();
        else
            m_logik->ProjektText_LostFocus(nr);
        zeigen();
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (nr == S::Nummer && w->isEnabled()) {
            int taste = 13;
            m_logik->ProjektText_KeyPress(S::Nummer, taste);
            zeigen();
            return true;
        }
        break;
    default:
        break;
    }
    return Seitenform::eventFilter(o, e);
}

void KelvorForm3::FormKeyPress(int& KeyAscii)
{
    // Enter makes a new line in the remarks.
    if (steuerelementVon(window()->focusWidget()) == S::Bemerkungen)
        return;
    Seitenform::FormKeyPress(KeyAscii);
}

void KelvorForm3::Validate(QWidget* steuerelement, bool& Cancel)
{
    // The date is checked; the other inputs go into the row as when the focus leaves them (also
    // before a command of the main window, whose buttons take no focus).
    const int nr = steuerelementVon(steuerelement);
    if (nr == S::Datum)
        m_logik->ProjektMask_Validate(Cancel);
    else if (nr == S::Art)
        m_logik->ProjektCombo1_LostFocus();
    else if (nr >= 0)
        m_logik->ProjektText_LostFocus(nr);
    else
        return;
    zeigen();
}

void KelvorForm3::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    m_logik->FormValidateControlElement(name, Index, Cancel);
    zeigen();
}

// ---------------------------------------------------------------------------------------------
// Members for the menus and the dialogs

void KelvorForm3::ProjektVerändern()
{
    m_logik->ProjektVerändern();
    zeigen();
}

void KelvorForm3::ProjektAnlegen(bool kopierfunktion)
{
    m_logik->ProjektAnlegen(kopierfunktion);
    zeigen();
}

void KelvorForm3::ProjektLöschen()
{
    m_logik->ProjektLöschen();
    zeigen();
}

// A dialog over the project table, modal, with the bottom buttons hidden; it leaves the table
// re-opened on its project, which the page then shows.
void KelvorForm3::zeigeDialog(QDialog& dialog)
{
    mdi().SaveKommandoButtons();
    mdi().Kommando(0, 0, 0);
    dialog.exec();
    mdi().LoadKommandoButtons();
    zeigen();
}

bool KelvorForm3::EingabeSpeichern()
{
    const bool ok = m_logik->EingabeSpeichern();
    zeigen();
    return ok;
}

void KelvorForm3::ProjektSuchenInListe()
{
    if (!EingabeSpeichern())
        return;
    MDIListe dialog(*m_logik, window());
    zeigeDialog(dialog);
}

void KelvorForm3::ProjekteSichern()
{
    if (!EingabeSpeichern())
        return;
    MDISichern dialog(*m_logik, window());
    zeigeDialog(dialog);
}

int32_t KelvorForm3::ReOpenProjektTabelle(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2)
{
    const int32_t ergebnis = m_logik->ReOpenProjektTabelle(projektNr, OrderBy1, OrderBy2);
    zeigen();
    return ergebnis;
}

void KelvorForm3::SuchenRecordset(const QString& suchtext, const QString& OrderBy1, const QString& OrderBy2)
{
    m_logik->SuchenRecordset(suchtext, OrderBy1, OrderBy2);
}

void KelvorForm3::NeusortierungRecordset(const QString& projektNr, const QString& OrderBy1, const QString& OrderBy2)
{
    m_logik->NeusortierungRecordset(projektNr, OrderBy1, OrderBy2);
}

void KelvorForm3::FüllenSortierbox(QComboBox* box)
{
    box->clear();
    box->addItems(Projektseite::Sortierauswahlen());
    box->setCurrentText(zustand().aktSortierung);
}

void KelvorForm3::SetSortierstrings(const QString& sortierauswahl)
{
    m_logik->SetSortierstrings(sortierauswahl);
}
