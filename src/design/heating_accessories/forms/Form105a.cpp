#include "design/heating_accessories/forms/Form105a.h"

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
#include "data/JetDialekt.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/Auswahlgitter.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Hauptfenster.h"
#include "data/GlobDaten.h"
#include "data/Kennwort.h"
#include "data/Recordset.h"
#include "data/RecordsetModell.h"
#include "data/datenbank.h"
#include "design/heating_accessories/Langtext.h"
#include "design/heating_accessories/Schlammabscheider.h"
#include "design/heating_accessories/forms/Dialoglage.h"

namespace {

const QString Leer = QStringLiteral(" ");
constexpr int GitterOben = 785, GitterHöhe = 2108;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

std::function<QString(const VbVariant&)> Muster(const QString& muster)
{
    return [muster](const VbVariant& v) { return v.isEmpty() || v.isNull() ? QString() : Zahlen::Format(v.toDouble(), muster); };
}

}  // namespace

Form105a::Form105a(QWidget* parent)
    : QDialog(parent ? parent : (hauptfenster() ? hauptfenster()->Fensterwidget() : nullptr))
{
    setObjectName(QStringLiteral("Form105a"));
    setModal(true);
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    const int labelX[4] = {600, 1600, 8850, 9900};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label1"));
        l->setGeometry(px(labelX[i]), px(120), px(i < 2 ? 3000 : 1250), px(640));
        l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        Label1[static_cast<size_t>(i)] = l;
    }
    DataGrid1 = new Auswahlgitter(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setGeometry(px(240), px(GitterOben), px(10880), px(GitterHöhe));
    DataGrid1->horizontalHeader()->hide();
    DataGrid1->installEventFilter(this);
    connect(DataGrid1, &Auswahlgitter::Doppelklick, this, [this] { Bestätigen(); });
    m_modell = new RecordsetModell(this);
    DataGrid1->setModel(m_modell);
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                DataGrid1->markiere(i.isValid() ? i.row() : -1);
                ZeileGeändert(i.isValid() ? i.row() : -1);
            });
    connect(DataGrid1, &Auswahlgitter::ZeileGewaehlt, this, [this](int zeile) { DataGrid1->Scrollregel(zeile); });
    // The row under the pointer becomes the current row; over an empty list the dialog closes.
    connect(DataGrid1, &Auswahlgitter::ZeigerBewegt, this, [this](int zeile) {
        if (m_modell->rowCount() == 0) {
            m_gewählt = Leer;
            reject();
            return;
        }
        if (zeile >= 0)
            DataGrid1->setCurrentIndex(m_modell->index(zeile, 0));
    });

    const int langOben = GitterOben + GitterHöhe + 100;
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setGeometry(px(240), px(langOben), px(1200), px(315));
    TextLangtext = new QPlainTextEdit(this);
    TextLangtext->setObjectName(QStringLiteral("TextLangtext"));
    TextLangtext->setReadOnly(true);
    TextLangtext->setGeometry(px(240 + 1300), px(langOben), px(4300), px(1600));
    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    WeiterCommand->resize(px(615), px(615));
    connect(WeiterCommand, &QToolButton::clicked, this, &Form105a::Bestätigen);
    Dialoglage(*this, langOben + 1600 + 200 + 300, *WeiterCommand);
}

Form105a::~Form105a() = default;

void Form105a::OpenForm(int16_t index)
{
    Laden(index);
    exec();
}

void Form105a::Laden(int16_t index)
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    m_index = index;
    m_daten = hauptfenster() ? hauptfenster()->Datenobjekt(z.Projektart) : nullptr;
    DialogVorbereiten(*this);
    m_gewählt = Leer;
    setWindowTitle(LadeText(o + 660));
    WeiterCommand->setToolTip(LadeText(o + 72));
    for (int i = 0; i < 4; ++i)
        Label1[static_cast<size_t>(i)]->setText(ErsetzeZeilenumbruch(LadeText(o + 661 + i)));
    if (!m_daten) {
        DataGrid1->hide();
        return;
    }
    Schlammabscheiderauslegung schlamm(*m_daten);
    m_abfrage = std::make_unique<datenbank>();
    const QString sql =
        QStringLiteral("SELECT [Art Nr],[%1],[Leistung in kW],[Druck in bar],[Iso80 Art Nr],[Iso100 Art Nr],"
                       "DIMENSIONSTEXTE.[diTextzeile],EINFUEGETEXTE.[etText],LANGTEXTE.[ltText] FROM (([Schlammabscheider] "
                       "LEFT JOIN ARTIKEL ON [Schlammabscheider].[Art Nr] = ARTIKEL.[arArtikelnr]) LEFT JOIN "
                       "(DIMENSIONSTEXTE LEFT JOIN EINFUEGETEXTE ON DIMENSIONSTEXTE.[ltLangtextnr] = "
                       "EINFUEGETEXTE.[etEinfuegetextnr]) ON ARTIKEL.[arArtikelnr] = DIMENSIONSTEXTE.[arArtikelnr]) "
                       "LEFT JOIN LANGTEXTE ON ARTIKEL.[ltLangtextnr] = LANGTEXTE.[ltLangtextnr]")
            .arg(SpalteKurztext1)
        + schlamm.Filter();
    if (m_abfrage->OpenTab(z.Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) != 0) {
        DataGrid1->hide();
        return;
    }
    m_geladen = true;
    m_abfrage->MoveFirst();
    const Qt::Alignment rechts = Qt::AlignRight | Qt::AlignVCenter;
    m_modell->setzeSpalten({
        {QStringLiteral("Art Nr"), QString(), Qt::AlignLeft | Qt::AlignVCenter, {}, {}},
        {SpalteKurztext1, QString(), Qt::AlignLeft | Qt::AlignVCenter, {}, {}},
        {QStringLiteral("Leistung in kW"), QString(), rechts, Muster(QStringLiteral("##0    ")), {}},
        {QStringLiteral("Druck in bar"), QString(), rechts, Muster(QStringLiteral("##.0    ")), {}},
    });
    m_modell->setzeRecordset(m_abfrage->GetADODB_Recordset());
    const int breiten[4] = {1000, 7300, 1000, 1000};
    for (int i = 0; i < 4; ++i)
        DataGrid1->setColumnWidth(i, px(breiten[i]));

    const bool jeErzeuger = schlamm.Anordnung() == 2;
    const int32_t bedarf = jeErzeuger ? schlamm.Leistung(index) : schlamm.Gesamtleistung();
    m_gewählt = schlamm.Artikel(index);
    if (m_gewählt.isEmpty())
        m_gewählt = Leer;
    const QString kriterium = m_gewählt != Leer ? QStringLiteral("[Art Nr] = %1").arg(JetDialekt::Textliteral(m_gewählt))
                                                : QStringLiteral("[Leistung in kW] >= '%1'").arg(bedarf);
    if (!m_abfrage->EmptyTab() && m_abfrage->Find(kriterium)) {
        const int zeile = m_abfrage->GetADODB_Recordset()->Position();
        DataGrid1->folge(zeile);
        DataGrid1->markiere(zeile);
        ZeileGeändert(zeile);
    }
}

void Form105a::ZeileGeändert(int zeile)
{
    if (!m_geladen)
        return;
    const Recordset& rs = *m_abfrage->GetADODB_Recordset();
    if (zeile < 0 || zeile >= rs.Anzahl()) {
        m_gewählt = Leer;
        return;
    }
    const QString artNr = NullZuText(m_modell->wert(zeile, 0));
    m_gewählt = artNr.isEmpty() ? Leer : artNr;
    Text1->setText(m_gewählt);
    TextLangtext->setPlainText(QString(ArtikelLangtext(rs, zeile, SpalteKurztext1)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Form105a::Bestätigen()
{
    // Without the list nothing was chosen: the item keeps what it names.
    if (m_geladen && m_daten)
        Schlammabscheiderauslegung(*m_daten).SetzeArtikel(m_index, m_gewählt);
    accept();
}

void Form105a::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Right && (e->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)) == Qt::AltModifier) {
        Bestätigen();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool Form105a::eventFilter(QObject* o, QEvent* e)
{
    if (o == DataGrid1 && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Bestätigen();
            return true;
        }
        if (k->key() == Qt::Key_Right && (k->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)) == Qt::AltModifier) {
            Bestätigen();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
