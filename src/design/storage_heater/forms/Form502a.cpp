#include "design/storage_heater/forms/Form502a.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/Auswahlgitter.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Tastenvorschau.h"
#include "data/Recordset.h"
#include "data/RecordsetModell.h"
#include "data/datenbank.h"
#include "design/selection/Artikelauswahl.h"
#include "design/storage_heater/forms/Form502.h"

namespace {

int px(int twips)
{
    return Twips::zuPixel(twips);
}

QString text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

constexpr int Breite = 11200, ObenAbstand = 1400;
constexpr int GitterLinks = 240, GitterOben = 784, GitterBreite = 10880, GitterHöhe = 2108;
constexpr int LangBreite = 4300, LangHöhe = 1600;

// Width (twips, 0 hidden), alignment and number pattern of the list's fields.
struct Gitterspalte {
    QString feld;
    int breite;
    Qt::Alignment ausrichtung;
    QString muster;
};

QList<Gitterspalte> Gitterspalten()
{
    const Qt::Alignment links = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment mitte = Qt::AlignCenter;
    return {
        {QStringLiteral("Art Nr"), 1000, links, {}},
        {SpalteTyp, 4300, links, {}},
        {QStringLiteral("Durchmesser in mm"), 1000, mitte, {}},
        {QStringLiteral("Bauhöhe in mm"), 1000, mitte, {}},
        {SpalteKurztext1, 0, mitte, {}},
        {QStringLiteral("arPreis"), 1000, rechts, QStringLiteral("#####0.00    ")},
        {QStringLiteral("Leistungskennzahl_1"), 1000, rechts, QStringLiteral("##0.0      ")},
        {QStringLiteral("Nenninhalt"), 1000, mitte, {}},
        {QStringLiteral("diTextzeile"), 0, mitte, {}},
        {QStringLiteral("etText"), 0, mitte, {}},
        {QStringLiteral("ltText"), 0, mitte, {}},
    };
}

// A field of a joined query may carry its table's name ("Speicher_Maße.Nenninhalt").
bool gleicherFeldname(const QString& feld, const QString& name)
{
    const QString kurz = feld.mid(feld.lastIndexOf(QLatin1Char('.')) + 1);
    return kurz.compare(name, Qt::CaseInsensitive) == 0;
}

QString ArtNr(const Recordset& rs, int zeile)
{
    const int i = rs.FeldIndex(QStringLiteral("Art Nr"));
    if (i < 0 || zeile < 0 || zeile >= rs.Anzahl())
        return QString();
    return NullZuText(rs.ZeilenWert(zeile, i));
}

}  // namespace

Form502a::Form502a(Form502& seite, QWidget* parent) : QDialog(parent), m_seite(seite)
{
    setObjectName(QStringLiteral("Form502a"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    DialogVorbereiten(*this);
    setWindowTitle(text(1060));

    DataGrid1 = new Auswahlgitter(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setGeometry(px(GitterLinks), px(GitterOben), px(GitterBreite), px(GitterHöhe));
    DataGrid1->horizontalHeader()->hide();
    // A slightly smaller type lets the padded price and figure columns show whole.
    QFont schrift = DataGrid1->font();
    schrift.setPointSizeF(schrift.pointSizeF() * 0.9);
    DataGrid1->setFont(schrift);
    TextLangtext = new QPlainTextEdit(this);
    TextLangtext->setObjectName(QStringLiteral("TextLangtext"));
    const int langOben = GitterOben + GitterHöhe + 100;
    TextLangtext->setGeometry(px(GitterLinks + 1300), px(langOben), px(LangBreite), px(LangHöhe));
    TextLangtext->setReadOnly(true);
    TextLangtext->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextLangtext->setFocusPolicy(Qt::NoFocus);
    const int höhe = langOben + LangHöhe + 200;
    setFixedSize(px(Breite), px(höhe));
    if (Hauptfenster* h = hauptfenster()) {
        const QRect r = h->Fensterwidget()->frameGeometry();
        move(r.left() + (r.width() - width()) / 2, r.top() + px(ObenAbstand));
    }

    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    WeiterCommand->setIconSize(QSize(px(400), px(400)));
    WeiterCommand->resize(px(615), px(615));
    WeiterCommand->setToolTip(text(72));
    WeiterCommand->setFocusPolicy(Qt::TabFocus);
    WeiterCommand->move(width() - WeiterCommand->width() - px(100), height() - WeiterCommand->height() - px(200));
    connect(WeiterCommand, &QToolButton::clicked, this, &Form502a::Weiter);

    // Header labels above the list (it shows no headers of its own).
    const struct {
        int index;
        int links;
        QString text;
    } köpfe[] = {
        {0, 600, text(1061)},
        {1, 1600, text(1062)},
        {2, 5900, text(1063)},
        {3, 6900, text(1064)},
        {5, 7900, text(1065) + QStringLiteral(" ") + zustand().Währungskürzel},
        {6, 8900, text(1066)},
        {7, 9900, text(1067)},
    };
    for (const auto& k : köpfe) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label1"));
        l->setText(ErsetzeZeilenumbruch(k.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        l->adjustSize();
        // The labels stand on the list's top edge.
        l->move(px(k.links), px(GitterOben - 40) - l->height());
        Label1[static_cast<size_t>(k.index)] = l;
    }

    binden();

    // The page's current row (the tank chosen so far) is highlighted.
    const std::shared_ptr<Recordset> rs = liste();
    if (rs && rs->HatAktuelleZeile()) {
        const int zeile = rs->Position();
        DataGrid1->folge(zeile);
        if (zeile - DataGrid1->verticalScrollBar()->value() < 1)
            DataGrid1->Scrollregel(zeile);
        markiere(zeile);
        m_AktuelleArtNr = ArtNr(*rs, zeile);
        TextLangtext->setPlainText(
            Artikelauswahl::Langtext(*rs, zeile).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else {
        // No row is current, also once the list takes the focus.
        DataGrid1->setCurrentIndex(QModelIndex());
    }

    connect(DataGrid1, &Auswahlgitter::ZeileGewaehlt, this, &Form502a::ZeileGewechselt);
    connect(DataGrid1, &Auswahlgitter::ZeigerBewegt, this, &Form502a::ZeigerBewegt);
    connect(DataGrid1, &Auswahlgitter::Doppelklick, this, &Form502a::Übernehmen);
    new Tastenvorschau(
        this,
        [this](int& KeyCode, int Shift) {
            if (KeyCode == Tastencodes::Rechts && (Shift & 7) == Tastencodes::UmschaltAlt) {
                KeyCode = 0;
                Weiter();
            }
        },
        [this](int& KeyAscii) {
            if (KeyAscii == 13 && focusWidget() == DataGrid1) {
                KeyAscii = 0;
                Übernehmen();
            }
        });
    DataGrid1->setFocus();
}

Form502a::~Form502a() = default;

std::shared_ptr<Recordset> Form502a::liste() const
{
    datenbank* db = m_seite.GefaesseDB();
    return db ? db->GetADODB_Recordset() : nullptr;
}

void Form502a::binden()
{
    m_modell = new RecordsetModell(this);
    const std::shared_ptr<Recordset> rs = liste();
    QList<RecordsetModell::Spalte> spalten;
    QList<int> breiten;
    const QList<Gitterspalte> arten = Gitterspalten();
    for (int i = 0; rs && i < rs->FeldAnzahl(); ++i) {
        const QString feld = rs->FeldName(i);
        if (gleicherFeldname(feld, QStringLiteral("Art Gruppe")))
            continue;
        RecordsetModell::Spalte s;
        s.feld = feld;
        int breite = -1;
        for (const Gitterspalte& a : arten) {
            if (!gleicherFeldname(feld, a.feld))
                continue;
            s.ausrichtung = a.ausrichtung;
            breite = a.breite;
            if (!a.muster.isEmpty())
                s.format = [muster = a.muster](const VbVariant& v) {
                    return v.isNull() || v.isEmpty() ? QString() : Zahlen::Format(v.toDouble(), muster);
                };
        }
        spalten << s;
        breiten << breite;
    }
    m_modell->setzeSpalten(spalten);
    m_modell->setzeRecordset(rs);
    DataGrid1->setModel(m_modell);
    for (int i = 0; i < breiten.size(); ++i) {
        if (breiten[i] == 0)
            DataGrid1->setColumnHidden(i, true);
        else if (breiten[i] > 0)
            DataGrid1->setColumnWidth(i, px(breiten[i]));
    }
}

void Form502a::markiere(int zeile)
{
    m_markiert = zeile;
    DataGrid1->markiere(zeile);
}

void Form502a::Zeige()
{
    exec();
}

void Form502a::ZeileGewechselt(int zeile)
{
    const std::shared_ptr<Recordset> rs = liste();
    markiere(-1);
    if (!rs || zeile < 0 || zeile >= rs->Anzahl()) {
        m_AktuelleArtNr.clear();
        return;
    }
    rs->GeheZu(zeile);
    markiere(zeile);
    DataGrid1->Scrollregel(zeile);
    m_AktuelleArtNr = ArtNr(*rs, zeile);
    TextLangtext->setPlainText(
        Artikelauswahl::Langtext(*rs, zeile).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Form502a::ZeigerBewegt(int zeile)
{
    const std::shared_ptr<Recordset> rs = liste();
    if (!rs || rs->Leer()) {
        m_AktuelleArtNr.clear();
        reject();
        return;
    }
    // The pointed row is highlighted; the current row and the long text stay.
    if (zeile >= 0 && zeile < rs->Anzahl()) {
        markiere(zeile);
        m_AktuelleArtNr = ArtNr(*rs, zeile);
    }
}

void Form502a::Übernehmen()
{
    const QString art = m_AktuelleArtNr;
    m_seite.ManuelleBehälterauswahlSp(art);
    accept();
}

void Form502a::Weiter()
{
    accept();
}
