#include "design/selection/forms/Form102a.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Auswahlgitter.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Seitenform.h"
#include "data/Recordset.h"
#include "design/selection/forms/Artikelgitter.h"

namespace {

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

constexpr int Breite = 11500;
constexpr int GitterLinks = 240, GitterOben = 785, GitterBreite = 11180, GitterHöhe = 2108;

// Width (twips, 0 hidden), alignment and number pattern of the known fields.
QList<Artikelspalte> Gitterspalten()
{
    const Qt::Alignment links = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment mitte = Qt::AlignCenter;
    return {
        {QStringLiteral("Art Nr"), 1000, links, {}},
        {SpalteUmschreibung, 4300, links, {}},
        {QStringLiteral("Durchmesser in mm"), 1000, mitte, {}},
        {QStringLiteral("Höhe in mm"), 1000, mitte, {}},
        // Prices up to 999999,99 with the pattern's four trailing blanks.
        {QStringLiteral("arPreis"), 1500, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#####0.00    ")},
        {QStringLiteral("Max, Betriebsdruck in bar"), 1000, mitte, {}},
        {QStringLiteral("Inhalt in ltr"), 1000, mitte, {}},
        {SpalteKurztext1, 0, mitte, {}},
        {QStringLiteral("diTextzeile"), 0, mitte, {}},
        {QStringLiteral("etText"), 0, mitte, {}},
        {QStringLiteral("ltText"), 0, mitte, {}},
    };
}

class Fensterdialog : public Artikelauswahldialog {
public:
    void Zeige() override
    {
        Artikelauswahlrufer* rufer = Form102a::Rufer();
        if (!rufer)
            return;
        Hauptfenster* h = hauptfenster();
        Form102a dialog(*rufer, h ? h->Fensterwidget() : nullptr);
        dialog.Zeige();
    }
};

}  // namespace

Artikelauswahldialog& Artikelauswahlfenster()
{
    static Fensterdialog dialog;
    return dialog;
}

Artikelauswahlrufer* Form102a::Rufer()
{
    Hauptfenster* h = hauptfenster();
    if (!h)
        return nullptr;
    const QString art = zustand().Projektart;
    int status = 0;
    if (art == QStringLiteral("He"))
        status = 102;
    else if (art == QStringLiteral("Kü"))
        status = 201;
    else if (art == QStringLiteral("Tr"))
        status = 301;
    else if (art == QStringLiteral("Dr"))
        status = 401;
    else if (art == QStringLiteral("So"))
        status = 601;
    return dynamic_cast<Artikelauswahlrufer*>(h->fenster(status));
}

Form102a::Form102a(Artikelauswahlrufer& rufer, QWidget* parent) : Auswahldialog(parent), m_logik(rufer)
{
    setObjectName(QStringLiteral("Form102a"));
    setWindowTitle(text(480));
    Hauptfenster* h = hauptfenster();
    QWidget* haupt = h ? h->Fensterwidget() : nullptr;
    DataGrid1 = new Auswahlgitter(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setGeometry(px(GitterLinks), px(GitterOben), px(GitterBreite), px(GitterHöhe));
    DataGrid1->horizontalHeader()->hide();
    TextLangtext = new QPlainTextEdit(this);
    TextLangtext->setObjectName(QStringLiteral("TextLangtext"));
    const int langOben = GitterOben + GitterHöhe + 100;
    TextLangtext->setGeometry(px(GitterLinks + 1300), px(langOben), px(4300), px(1600));
    TextLangtext->setReadOnly(true);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(px(6120), px(3720), px(1815), px(315));
    Text1->setReadOnly(true);
    const int höhe = langOben + 1600 + 200;
    resize(px(Breite), px(höhe));
    if (haupt) {
        const QRect r = haupt->frameGeometry();
        move(r.left() + (r.width() - width()) / 2, r.top() + px(1400));
    }
    PlatziereWeiter(100, 200);
    disconnect(WeiterCommand, nullptr, this, nullptr);
    connect(WeiterCommand, &QToolButton::clicked, this, [this] { weiter(); });

    // Header labels above the grid.
    const QString maß = m_logik.Maßüberschrift();
    const struct {
        int index;
        int links;
        QString text;
    } köpfe[] = {
        {0, 600, text(481)},
        {1, 1600, text(482)},
        {2, 5900, text(483)},
        {3, 6900, maß + QStringLiteral("\r\n") + text(486)},
        {5, 8100, text(487) + QStringLiteral(" ") + zustand().Währungskürzel},
        {6, 9400, text(488)},
        {7, 10400, text(489)},
    };
    for (const auto& k : köpfe) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label1"));
        l->move(px(k.links), px(120));
        l->setText(ErsetzeZeilenumbruch(k.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        l->adjustSize();
        Label1[static_cast<size_t>(k.index)] = l;
    }

    binden();
    m_logik.Laden();
    const std::shared_ptr<Recordset> rs = m_logik.liste();
    if (rs && rs->HatAktuelleZeile()) {
        DataGrid1->folge(rs->Position());
        if (rs->Position() - DataGrid1->verticalScrollBar()->value() < 1)
            DataGrid1->Scrollregel(rs->Position());
    }
    zeigen();
    connect(DataGrid1, &Auswahlgitter::ZeileGewaehlt, this, [this](int zeile) {
        const std::shared_ptr<Recordset> liste = m_logik.liste();
        if (liste)
            liste->GeheZu(zeile);
        m_logik.AktuelleZeileGewechselt();
        DataGrid1->Scrollregel(zeile);
        zeigen();
    });
    connect(DataGrid1, &Auswahlgitter::ZeigerBewegt, this, [this](int zeile) {
        if (!m_logik.ZeigerBewegt(zeile)) {
            reject();
            return;
        }
        DataGrid1->markiere(m_logik.markierteZeile());
        Text1->setText(m_logik.text1());
    });
    connect(DataGrid1, &Auswahlgitter::Doppelklick, this, [this] { übernehmen(); });
}

Form102a::~Form102a() = default;

void Form102a::binden()
{
    m_modell = ZeigeArtikelliste(*DataGrid1, m_logik.liste(), Gitterspalten(),
                                 {QStringLiteral("Art Gr Berechn Prg"), QStringLiteral("Vordruck")});
}

void Form102a::zeigen()
{
    DataGrid1->markiere(m_logik.markierteZeile());
    TextLangtext->setPlainText(QString(m_logik.langtext()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Text1->setText(m_logik.text1());
}

void Form102a::übernehmen()
{
    m_logik.Übernehmen();
    accept();
}

void Form102a::weiter()
{
    m_logik.Weiter();
    accept();
}

void Form102a::FormKeyDown(int& KeyCode, int Shift)
{
    if ((Shift & 7) == 4 && KeyCode == 39) {
        KeyCode = 0;
        weiter();
    }
}

// Enter calls back with the choice and closes; the key does not reach the grid.
void Form102a::FormKeyPress(int& KeyAscii)
{
    if (KeyAscii == 13) {
        KeyAscii = 0;
        übernehmen();
    }
}
