#include "design/heating_accessories/forms/Form105b.h"

#include <QFocusEvent>
#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/Auswahlgitter.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Hauptfenster.h"
#include "data/GlobDaten.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/Recordset.h"
#include "data/RecordsetModell.h"
#include "data/datenbank.h"
#include "design/heating_accessories/Entlueftungsdialog.h"
#include "design/heating_accessories/Langtext.h"
#include "design/heating_accessories/forms/Dialoglage.h"

namespace {

const QString Leer = QStringLiteral(" ");
constexpr int GitterOben = 500, GitterHöhe = 2108, ZeileOben = GitterOben + GitterHöhe + 100;
const char* const Codewörter[3] = {"Kelvorvent", "Vimbal", "Lufttöpfe"};

int px(int twips)
{
    return Twips::zuPixel(twips);
}

bool NurAlt(const QKeyEvent* e)
{
    return (e->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)) == Qt::AltModifier;
}

class Fensterdialog : public Entlüftungsdialog {
public:
    void Zeige(int16_t familie) override
    {
        Form105b dialog(familie);
        dialog.OpenForm();
    }
};

}  // namespace

Entlüftungsdialog& Entlüftungsfenster()
{
    static Fensterdialog dialog;
    return dialog;
}

Form105b::Form105b(int16_t familie, QWidget* parent)
    : QDialog(parent ? parent : (hauptfenster() ? hauptfenster()->Fensterwidget() : nullptr)), m_familie(familie)
{
    setObjectName(QStringLiteral("Form105b"));
    setModal(true);
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    const int labelX[2] = {600, 1600};
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label1"));
        l->setGeometry(px(labelX[i]), px(200), px(3000), px(255));
        Label1[static_cast<size_t>(i)] = l;
    }
    DataGrid1 = new Auswahlgitter(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setGeometry(px(240), px(GitterOben), px(10880), px(GitterHöhe));
    DataGrid1->horizontalHeader()->hide();
    // A click in the list leaves the focus in the quantity box, so it stores nothing by itself.
    DataGrid1->setFocusPolicy(Qt::NoFocus);
    m_modell = new RecordsetModell(this);
    DataGrid1->setModel(m_modell);
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                DataGrid1->markiere(i.isValid() ? i.row() : -1);
                ZeileGeändert(i.isValid() ? i.row() : -1);
            });
    connect(DataGrid1, &Auswahlgitter::ZeileGewaehlt, this, [this](int zeile) { DataGrid1->Scrollregel(zeile); });
    // The row under the pointer becomes the current row and so the active row's article, as by
    // the arrow keys. Over an empty list the dialog closes.
    connect(DataGrid1, &Auswahlgitter::ZeigerBewegt, this, [this](int zeile) {
        if (m_modell->rowCount() == 0) {
            Text2[static_cast<size_t>(m_aktiv)]->setText(Leer);
            Text3[static_cast<size_t>(m_aktiv)]->setText(QStringLiteral("0"));
            reject();
            return;
        }
        if (zeile >= 0)
            DataGrid1->setCurrentIndex(m_modell->index(zeile, 0));
    });
    // A click in the list chooses its row for the active row and hands the focus back to the
    // active quantity box.
    connect(DataGrid1, &Auswahlgitter::clicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            ZeileGeändert(i.row());
        Text3[static_cast<size_t>(m_aktiv)]->setFocus();
    });

    for (int i = 1; i <= 6; ++i) {
        const int x = 240 + ((i - 1) % 3) * 3650;
        const int y = ZeileOben + ((i - 1) / 3) * 400;
        auto* l2 = new QLabel(this);
        l2->setObjectName(QStringLiteral("Label2"));
        l2->setGeometry(px(x), px(y + 30), px(700), px(255));
        auto* t2 = new QLineEdit(this);
        t2->setObjectName(QStringLiteral("Text2"));
        t2->setGeometry(px(x + 700), px(y), px(1100), px(315));
        t2->setReadOnly(true);
        t2->setFocusPolicy(Qt::NoFocus);  // filled from the list only
        connect(t2, &QLineEdit::textChanged, this, &Form105b::Farben);
        auto* l3 = new QLabel(this);
        l3->setObjectName(QStringLiteral("Label3"));
        l3->setGeometry(px(x + 1900), px(y + 30), px(700), px(255));
        auto* t3 = new QLineEdit(this);
        t3->setObjectName(QStringLiteral("Text3"));
        t3->setGeometry(px(x + 2600), px(y), px(700), px(315));
        t3->installEventFilter(this);
        connect(t3, &QLineEdit::textChanged, this, &Form105b::Farben);
        Label2[static_cast<size_t>(i)] = l2;
        Text2[static_cast<size_t>(i)] = t2;
        Label3[static_cast<size_t>(i)] = l3;
        Text3[static_cast<size_t>(i)] = t3;
    }
    const int langOben = ZeileOben + 400 + 315 + 200;
    TextLangtext = new QPlainTextEdit(this);
    TextLangtext->setObjectName(QStringLiteral("TextLangtext"));
    TextLangtext->setReadOnly(true);
    TextLangtext->setFocusPolicy(Qt::NoFocus);
    TextLangtext->setGeometry(px(240 + 1300), px(langOben), px(5300), px(1600));
    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    WeiterCommand->resize(px(615), px(615));
    connect(WeiterCommand, &QToolButton::clicked, this, &QDialog::accept);
    Dialoglage(*this, langOben + 1600 + 200 + 300, *WeiterCommand);
}

Form105b::~Form105b() = default;

void Form105b::OpenForm()
{
    Laden();
    exec();
}

VbVariant Form105b::lese(const QString& art, int i) const
{
    if (m_solar)
        return m_daten->lese(QStringLiteral("m_Zub_Entlüfter_%1_m_value").arg(art), {VbVariant::integer(static_cast<int16_t>(i))});
    return m_daten->lese(QStringLiteral("m_Zub_Entlüftung_%1_m_value").arg(art),
                         {VbVariant::integer(m_familie), VbVariant::integer(static_cast<int16_t>(i))});
}

void Form105b::schreibe(const QString& art, int i, const VbVariant& wert)
{
    if (m_solar)
        m_daten->schreibe(QStringLiteral("m_Zub_Entlüfter_%1_m_value").arg(art), {VbVariant::integer(static_cast<int16_t>(i))},
                          wert);
    else
        m_daten->schreibe(QStringLiteral("m_Zub_Entlüftung_%1_m_value").arg(art),
                          {VbVariant::integer(m_familie), VbVariant::integer(static_cast<int16_t>(i))}, wert);
}

void Form105b::Laden()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    DialogVorbereiten(*this);
    m_positionieren = false;
    setWindowTitle(LadeText(o + 680));
    for (int i = 1; i <= 6; ++i) {
        Label2[static_cast<size_t>(i)]->setText(LadeText(o + 684 + i - 1));
        Label3[static_cast<size_t>(i)]->setText(LadeText(o + 690));
    }
    WeiterCommand->setToolTip(LadeText(o + 72));
    m_solar = z.Projektart == QStringLiteral("So");
    m_daten = hauptfenster() ? hauptfenster()->Datenobjekt(z.Projektart) : nullptr;
    if (!m_daten) {
        DataGrid1->hide();
        return;
    }
    QString sql = QStringLiteral("SELECT ARTIKEL.[arArtikelnr],[%1],[%2],[entluefterCode],DIMENSIONSTEXTE.[diTextzeile],"
                                 "EINFUEGETEXTE.[etText],LANGTEXTE.[ltText] FROM ((ARTIKEL LEFT JOIN Artikel_Zusatz ON "
                                 "ARTIKEL.[arArtikelnr] = Artikel_Zusatz.[artikelnr]) LEFT JOIN (DIMENSIONSTEXTE LEFT JOIN "
                                 "EINFUEGETEXTE ON DIMENSIONSTEXTE.[ltLangtextnr] = EINFUEGETEXTE.[etEinfuegetextnr]) ON "
                                 "ARTIKEL.[arArtikelnr] = DIMENSIONSTEXTE.[arArtikelnr]) LEFT JOIN LANGTEXTE ON "
                                 "ARTIKEL.[ltLangtextnr] = LANGTEXTE.[ltLangtextnr]")
                      .arg(SpalteKurztext1, SpalteKurztext2);
    if (m_solar) {
        sql += QStringLiteral(" WHERE [Solaranlage] = True AND ([entluefterCode] = 'Kelvorvent' OR [entluefterCode] = "
                              "'Vimbal' OR [entluefterCode] = 'Lufttöpfe') ORDER BY [entluefterCode],[entluefterSortier]");
    } else {
        const QString wort = m_familie >= 0 && m_familie <= 2 ? QString::fromUtf8(Codewörter[m_familie]) : Leer;
        sql += QStringLiteral(" WHERE [entluefterCode] = %1 ORDER BY [entluefterSortier]").arg(JetDialekt::Textliteral(wort));
    }
    ArtEntlüftDB = std::make_unique<datenbank>();
    if (ArtEntlüftDB->OpenTab(z.Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) != 0) {
        DataGrid1->hide();
        return;
    }
    m_geladen = true;
    Label1[0]->setText(ErsetzeZeilenumbruch(LadeText(o + 681)));
    Label1[1]->setText(ErsetzeZeilenumbruch(LadeText(o + 682)));
    const Qt::Alignment links = Qt::AlignLeft | Qt::AlignVCenter;
    m_modell->setzeSpalten({{QStringLiteral("arArtikelnr"), QString(), links, {}, {}},
                            {SpalteKurztext1, QString(), links, {}, {}},
                            {SpalteKurztext2, QString(), links, {}, {}}});
    m_modell->setzeRecordset(ArtEntlüftDB->GetADODB_Recordset());
    const int breiten[3] = {1000, 5300, 4000};
    for (int i = 0; i < 3; ++i)
        DataGrid1->setColumnWidth(i, px(breiten[i]));

    for (int i = 1; i <= 6; ++i) {
        Text2[static_cast<size_t>(i)]->setText(lese(QStringLiteral("ArtNr"), i).toString());
        QString menge = lese(QStringLiteral("Anz"), i).toString();
        if (menge.isEmpty()) {
            menge = QStringLiteral("0");
            schreibe(QStringLiteral("Anz"), i, VbVariant::integer(0));
        }
        Text3[static_cast<size_t>(i)]->setText(menge);
    }
    m_aktiv = 1;
    Positionieren();
}

void Form105b::Langtext(int zeile)
{
    const Recordset& rs = *ArtEntlüftDB->GetADODB_Recordset();
    if (zeile >= 0 && zeile < rs.Anzahl())
        TextLangtext->setPlainText(
            QString(ArtikelLangtext(rs, zeile, SpalteKurztext1)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Form105b::ZeileAktivieren(int i)
{
    if (i < 1 || i > 6)
        return;
    m_aktiv = i;
    Text3[static_cast<size_t>(i)]->selectAll();
    Farben();
    if (!m_geladen)
        return;
    Positionieren();
}

void Form105b::Positionieren()
{
    // The list goes to the active row's article; the type box keeps what it holds. When the
    // article is not listed no row is current, so that no row seems chosen.
    const Recordset& rs = *ArtEntlüftDB->GetADODB_Recordset();
    m_positionieren = true;
    QString artNr = Text2[static_cast<size_t>(m_aktiv)]->text();
    if (artNr.trimmed().isEmpty())
        artNr = Leer;
    int zeile = -1;
    if (ArtEntlüftDB->Find(QStringLiteral("[arArtikelnr] = %1").arg(JetDialekt::Textliteral(artNr))))
        zeile = rs.Position();
    DataGrid1->folge(zeile);
    DataGrid1->markiere(zeile);
    if (zeile >= 0)
        Langtext(zeile);
    else
        TextLangtext->clear();
    m_positionieren = false;
}

void Form105b::Farben()
{
    // The active row's boxes inverted; a box without text stays white, so that it reads as empty.
    const QColor text = palette().color(QPalette::WindowText);
    for (int r = 1; r <= 6; ++r)
        for (QLineEdit* e : {Text2[static_cast<size_t>(r)], Text3[static_cast<size_t>(r)]}) {
            const bool invers = r == m_aktiv && !e->text().trimmed().isEmpty();
            QPalette p = e->palette();
            p.setColor(QPalette::Base, invers ? text : QColor(Qt::white));
            p.setColor(QPalette::Text, invers ? QColor(Qt::white) : text);
            e->setPalette(p);
        }
}

void Form105b::ZeileGeändert(int zeile)
{
    if (m_positionieren || !m_geladen)
        return;
    const Recordset& rs = *ArtEntlüftDB->GetADODB_Recordset();
    if (zeile < 0 || zeile >= rs.Anzahl()) {
        m_aktuell = Leer;
        return;
    }
    const QString artNr = NullZuText(m_modell->wert(zeile, 0));
    m_aktuell = artNr.isEmpty() ? Leer : artNr;
    Langtext(zeile);
    Text2[static_cast<size_t>(m_aktiv)]->setText(m_aktuell);
}

void Form105b::FormValidateControlElement(const QString& name, int index, bool& Cancel)
{
    if (name != QStringLiteral("Text3") || index < 1 || index > 6 || !m_geladen)
        return;
    QLineEdit* box = Text3[static_cast<size_t>(index)];
    bool zahl = false;
    const double w = Zahlen::TextZuZahl(box->text(), &zahl);
    bool ganz = false;
    const int16_t n = zahl ? Zahlen::CInt(w, &ganz) : 0;
    // Not a number, negative or beyond a 16-bit quantity: back to 0, nothing stored.
    if (!zahl || !ganz || n < 0) {
        box->setText(QStringLiteral("0"));
        Cancel = true;
        return;
    }
    box->setText(QString::number(n));
    QString artikel = Leer;
    if (n != 0) {
        artikel = Text2[static_cast<size_t>(m_aktiv)]->text();
        // A quantity needs an article: without one it is refused, kept in its box, and the user
        // told.
        if (artikel.trimmed().isEmpty()) {
            Cancel = true;
            Meldung(Meldungsart::Information, LadeText(zustand().Sprachoffset + 683));
            return;
        }
    } else {
        Text2[static_cast<size_t>(index)]->setText(Leer);
    }
    schreibe(QStringLiteral("Anz"), index, VbVariant::integer(n));
    schreibe(QStringLiteral("ArtNr"), index, artikel);
}

bool Form105b::eventFilter(QObject* o, QEvent* e)
{
    for (int i = 1; i <= 6; ++i) {
        if (o != Text3[static_cast<size_t>(i)])
            continue;
        if (e->type() == QEvent::FocusIn) {
            ZeileAktivieren(i);
        } else if (e->type() == QEvent::FocusOut) {
            // Only leaving the box stores its row: not the window losing the focus (another
            // window, a message) and not the dialog closing.
            const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
            if (m_schliesst || grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason)
                continue;
            bool cancel = false;
            FormValidateControlElement(QStringLiteral("Text3"), i, cancel);
        } else if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            const int taste = k->key();
            if (m_geladen && (taste == Qt::Key_Up || taste == Qt::Key_Down || taste == Qt::Key_PageUp || taste == Qt::Key_PageDown)) {
                const int zeilen = m_modell->rowCount();
                const bool hoch = taste == Qt::Key_Up || taste == Qt::Key_PageUp;
                // Without a current row either key goes to the first row.
                const int neu = DataGrid1->currentIndex().isValid()
                                    ? std::clamp(DataGrid1->currentIndex().row() + (hoch ? -1 : 1), 0, std::max(0, zeilen - 1))
                                    : 0;
                if (zeilen > 0)
                    DataGrid1->setCurrentIndex(m_modell->index(neu, 0));
                return true;
            }
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                bool cancel = false;
                FormValidateControlElement(QStringLiteral("Text3"), i, cancel);
                if (!cancel)
                    Text3[static_cast<size_t>(i % 6 + 1)]->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void Form105b::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Right && NurAlt(e)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Form105b::done(int r)
{
    // Weiter stores the active row as leaving its box would, and a refused quantity keeps the
    // dialog open; Esc, the close box and the pointer over an empty list store nothing.
    if (r == QDialog::Accepted) {
        bool cancel = false;
        FormValidateControlElement(QStringLiteral("Text3"), m_aktiv, cancel);
        if (cancel) {
            Text3[static_cast<size_t>(m_aktiv)]->setFocus();
            return;
        }
    }
    m_schliesst = true;
    QDialog::done(r);
    m_schliesst = false;
}
