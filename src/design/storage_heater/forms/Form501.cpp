#include "design/storage_heater/forms/Form501.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/Twips.h"
#include "base/Zahlen.h"
#include "base/forms/Hauptfenster.h"
#include "data/GlobDaten.h"
#include "data/Recordset.h"
#include "data/RecordsetModell.h"
#include "data/datenbank.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/storage_heater/Wohnungsgruppen.h"
#include "design/storage_heater/forms/Form501a.h"

namespace {

constexpr int SeiteBreite = 11025, SeiteHöhe = 6975;
constexpr int SpalteRaum = 2, SpalteAusstattung = 5;

struct Spaltenform {
    const char* feld;
    int breite;  // twips
    Qt::Alignment ausrichtung;
    int titel;
};
constexpr std::array<Spaltenform, 6> Spalten = {{
    {"WohnungsgruppenNr", 1000, Qt::AlignCenter, 956},
    {"Bezeichnung", 3100, Qt::AlignLeft | Qt::AlignVCenter, 957},
    {"Raumzahl", 1000, Qt::AlignCenter, 958},
    {"Belegungszahl", 1200, Qt::AlignCenter, 959},
    {"AnzahlWohng", 1200, Qt::AlignRight | Qt::AlignVCenter, 960},
    {"ArtAusstatt", 1200, Qt::AlignCenter, 961},
}};

// Digits only in the number columns, also a separator in the occupancy; Enter moves on as Tab.
class Zelleneingabe : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        QWidget* w = QStyledItemDelegate::createEditor(parent, o, i);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (i.column() == 0 || i.column() == 4)
                e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
            else if (i.column() == 3)
                e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,]*")), e));
            else if (i.column() == 1)
                e->setMaxLength(30);
        }
        return w;
    }

protected:
    bool eventFilter(QObject* editor, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(event)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                auto* w = static_cast<QWidget*>(editor);
                emit commitData(w);
                emit closeEditor(w, QAbstractItemDelegate::EditNextItem);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }
};

}  // namespace

void Zellenliste::hidePopup()
{
    QComboBox::hidePopup();
    if (isVisible() && geschlossen)
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && geschlossen)
                geschlossen();
        });
}

Form501::Form501(QWidget* parent) : Seitenform(parent), m_gruppen(std::make_unique<Wohnungsgruppen>())
{
    setObjectName(QStringLiteral("Form501"));
    resize(Twips::zuPixel(SeiteBreite), Twips::zuPixel(SeiteHöhe));
    DataGrid1 = new QTableView(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setGeometry(Twips::zuPixel(800), Twips::zuPixel(2720), Twips::zuPixel(9280), Twips::zuPixel(2900));
    DataGrid1->horizontalHeader()->hide();
    DataGrid1->verticalHeader()->setDefaultSectionSize(DataGrid1->fontMetrics().height() + 6);
    DataGrid1->verticalHeader()->setFixedWidth(Twips::zuPixel(280));
    DataGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed
                               | QAbstractItemView::EditKeyPressed);
    DataGrid1->setItemDelegate(new Zelleneingabe(DataGrid1));
    DataGrid1->installEventFilter(this);
    m_modell = new RecordsetModell(this);
    for (int i = 1; i <= 2; ++i) {
        auto* c = new Zellenliste(this);
        c->setObjectName(QStringLiteral("Combo1"));
        c->hide();
        const int spalte = i == 1 ? SpalteRaum : SpalteAusstattung;
        c->geschlossen = [this, spalte] { ListeGeschlossen(spalte); };
        Combo1[i] = c;
    }
    auto knopf = [this](const char* name, int links) {
        auto* k = new QPushButton(this);
        k->setObjectName(QLatin1String(name));
        k->setGeometry(Twips::zuPixel(links), Twips::zuPixel(5800), Twips::zuPixel(2300), Twips::zuPixel(400));
        return k;
    };
    Command2 = knopf("Command2", 800);
    Command1 = knopf("Command1", 3300);
    Command3 = knopf("Command3", 7780);
    connect(Command1, &QPushButton::clicked, this, &Form501::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form501::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form501::Command3_Click);
    Label4_1 = new QLabel(this);
    Label4_1->setObjectName(QStringLiteral("Label4_1"));
}

Form501::~Form501() = default;

void Form501::FormLoad()
{
    Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap::fromImage(LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"))));
    logo->move(Twips::zuPixel(8000), Twips::zuPixel(240));
    logo->adjustSize();
    m_hintergrund = LadeBildAusRessource(50, QStringLiteral("DEUTSCHLAND"));
    auto label = [this](const QString& text, int links, int oben, bool fett = false) {
        auto* l = new QLabel(text, this);
        l->move(Twips::zuPixel(links), Twips::zuPixel(oben));
        if (fett) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        l->adjustSize();
        return l;
    };
    label(LadeText(o + 60) + QStringLiteral("     ") + z.aktProjektnummer, 800, 300);
    label(z.aktProjektBezeichnung, 800, 560);
    label(LadeText(o + 955), 800, 1000, true);
    auto* kennzahl = label(LadeText(o + 963), 800, 1500, true);
    Label4_1->move(kennzahl->geometry().right() + 12, kennzahl->y());
    label(LadeText(o + 962), 800, 6350);
    Command2->setText(LadeText(o + 964));
    Command1->setText(LadeText(o + 965));

    const std::shared_ptr<GlobDaten> daten = mdi().Datenobjekt(z.Projektart);
    m_Speicherdaten = dynamic_cast<GlobDatenSpeicher*>(HalteDatenobjekt(daten));
    if (m_Speicherdaten && m_Speicherdaten->Rechnen_SpeicherWasserwärmer())
        z.NeuAuslegungErforderlich = true;
    if (!m_Speicherdaten || m_gruppen->NeuLaden() != 0) {
        Ladefehler();
        return;
    }

    // Column captions above the grid, the grid's own header is off.
    int links = 800;
    QList<RecordsetModell::Spalte> spalten;
    for (int i = 0; i < static_cast<int>(Spalten.size()); ++i) {
        const Spaltenform& s = Spalten[i];
        // Each line of a caption centred over its column (the blanks that indent the text's
        // lines take no room), the caption within the column's edges.
        QStringList zeilen = ErsetzeZeilenumbruch(LadeText(o + s.titel)).split(u'\n');
        for (QString& z : zeilen)
            z = z.simplified();
        auto* titel = new QLabel(zeilen.join(u'\n'), this);
        titel->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        titel->setGeometry(Twips::zuPixel(links + 280), Twips::zuPixel(1950), Twips::zuPixel(s.breite),
                           Twips::zuPixel(760));
        links += s.breite;
        RecordsetModell::Spalte sp;
        sp.feld = QString::fromLatin1(s.feld);
        sp.ausrichtung = s.ausrichtung;
        if (i == 3)
            sp.format = [](const VbVariant& v) { return Zahlen::Format(v.toDouble(), QStringLiteral("#0.0###"), true); };
        else if (i == 4)
            sp.format = [](const VbVariant& v) {
                return Zahlen::Format(v.toDouble(), QStringLiteral("###0")) + QString(9, QLatin1Char(' '));
            };
        else if (i == SpalteAusstattung)
            sp.format = [](const VbVariant& v) { return Wohnungsgruppen::AusstattungText(v.toString()); };
        if (i != SpalteRaum && i != SpalteAusstattung)
            sp.schreiben = [this, feld = sp.feld](int zeile, const QString& text) {
                m_gruppen->GeheZu(zeile);
                m_gruppen->SchreibeZelle(feld, text.trimmed());
            };
        spalten << sp;
    }
    m_modell->setzeSpalten(spalten);
    m_modell->setzeRecordset(m_gruppen->bedarfsDB().GetADODB_Recordset());
    m_modell->setzeBearbeitbar(true);
    DataGrid1->setModel(m_modell);
    for (int i = 0; i < static_cast<int>(Spalten.size()); ++i)
        DataGrid1->setColumnWidth(i, Twips::zuPixel(Spalten[i].breite));
    // The list columns open their list on a click (they take no typed text).
    connect(DataGrid1, &QTableView::clicked, this, [this](const QModelIndex& i) {
        if (i.column() == SpalteRaum || i.column() == SpalteAusstattung)
            ÖffneListe(i.column());
    });
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& neu) {
                if (neu.isValid())
                    m_gruppen->GeheZu(neu.row());
            });
    Combo1[1]->addItems(Wohnungsgruppen::Raumzahlen());
    Combo1[2]->addItems({Wohnungsgruppen::AusstattungText(QStringLiteral("N")),
                         Wohnungsgruppen::AusstattungText(QStringLiteral("K")),
                         Wohnungsgruppen::AusstattungText(QStringLiteral("I"))});
    if (m_gruppen->Anzahl() > 0)
        DataGrid1->setCurrentIndex(m_modell->index(0, 0));
    Berechnet(m_Speicherdaten->m_IstBerechnet.m_Value.toBool());
    ZeigeKennzahl();
    m_AuswahlAktiv = m_BerechnenAnstehend = false;
}

void Form501::FormActivate()
{
    const bool berechnet = m_Speicherdaten && m_Speicherdaten->m_IstBerechnet.m_Value.toBool();
    mdi().Kommando(1, 1, berechnet ? 1 : 0);
}

void Form501::FormUnload()
{
    if (m_Speicherdaten && m_Speicherdaten->Rechnen_SpeicherWasserwärmer())
        zustand().NeuAuslegungErforderlich = true;
    m_Speicherdaten = nullptr;
}

void Form501::Berechnet(bool berechnet)
{
    FreigabeEingabe(!berechnet);
    Command3->setText(LadeText(zustand().Sprachoffset + (berechnet ? 967 : 966)));
}

void Form501::FreigabeEingabe(bool frei)
{
    DataGrid1->setEnabled(frei);
    Command1->setVisible(frei);
    Command2->setVisible(frei);
}

void Form501::ZeigeKennzahl()
{
    if (m_Speicherdaten)
        Label4_1->setText(Zahlen::Format(m_Speicherdaten->m_BedarfsKennz.m_Value.toDouble(), QStringLiteral("#0.0")));
    Label4_1->adjustSize();
}

int Form501::aktuelleZeile() const
{
    return DataGrid1->currentIndex().isValid() ? DataGrid1->currentIndex().row() : -1;
}

void Form501::Command1_Click()
{
    const int zeile = aktuelleZeile();
    if (zeile < 0)
        return;
    m_gruppen->GeheZu(zeile);
    m_gruppen->Löschen();
    if (m_gruppen->Anzahl() > 0)
        DataGrid1->setCurrentIndex(m_modell->index(qMin(zeile, m_gruppen->Anzahl() - 1), 0));
    DataGrid1->setFocus();
}

void Form501::Command2_Click()
{
    m_gruppen->Einfügen();
    const int zeile = m_gruppen->Position();
    if (zeile >= 0 && zeile < m_gruppen->Anzahl())
        DataGrid1->setCurrentIndex(m_modell->index(zeile, 0));
    DataGrid1->setFocus();
}

void Form501::Command3_Click()
{
    if (m_AuswahlAktiv) {
        m_BerechnenAnstehend = true;
        return;
    }
    if (!m_Speicherdaten)
        return;
    // A cell being typed in is taken over first.
    if (auto* editor = DataGrid1->viewport()->findChild<QLineEdit*>(); editor && editor->isVisible()) {
        QAbstractItemDelegate* d = DataGrid1->itemDelegate();
        emit d->commitData(editor);
        emit d->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    const bool berechnet = m_gruppen->BerechnenOderVerändern(*m_Speicherdaten);
    Berechnet(berechnet);
    ZeigeKennzahl();
    mdi().Kommando(1, 1, berechnet ? 1 : 0);
    if (!berechnet)
        DataGrid1->setFocus();
    m_BerechnenAnstehend = false;
}

void Form501::ÖffneListe(int spalte)
{
    const int zeile = aktuelleZeile();
    if (zeile < 0 || !DataGrid1->isEnabled())
        return;
    Zellenliste* liste = Combo1[spalte == SpalteRaum ? 1 : 2];
    const QRect zelle = DataGrid1->visualRect(m_modell->index(zeile, spalte));
    const QPoint oben = DataGrid1->viewport()->mapTo(this, zelle.topLeft());
    liste->setGeometry(oben.x(), oben.y() - 1, zelle.width(), liste->sizeHint().height());
    const int i = liste->findText(m_modell->text(zeile, spalte));
    liste->setCurrentIndex(i < 0 ? 0 : i);
    liste->show();
    liste->raise();
    liste->setFocus();
    liste->showPopup();
}

void Form501::ListeGeschlossen(int spalte)
{
    Zellenliste* liste = Combo1[spalte == SpalteRaum ? 1 : 2];
    if (!liste->isVisible())
        return;
    m_AuswahlAktiv = true;
    const int zeile = aktuelleZeile();
    liste->hide();
    if (zeile >= 0) {
        m_gruppen->GeheZu(zeile);
        if (spalte == SpalteRaum) {
            m_gruppen->SchreibeZelle(QStringLiteral("Raumzahl"), liste->currentText());
        } else {
            m_gruppen->SchreibeZelle(QStringLiteral("ArtAusstatt"), liste->currentText());
            const QString code = Wohnungsgruppen::AusstattungCode(liste->currentText());
            std::unique_ptr<Zapfstellendialog> dialog;
            if (code == QLatin1String("K"))
                dialog = std::make_unique<Form501b>(this);
            else if (code == QLatin1String("I"))
                dialog = std::make_unique<Form501c>(this);
            else
                dialog = std::make_unique<Form501a>(this);
            mdi().SaveKommandoButtons();
            mdi().Kommando(0, 0, 0);
            m_gruppen->GeheZu(zeile);
            dialog->FormStart(*m_gruppen);
            mdi().LoadKommandoButtons();
        }
        DataGrid1->setCurrentIndex(m_modell->index(zeile, qMin(spalte + 1, static_cast<int>(Spalten.size()) - 1)));
    }
    DataGrid1->setFocus();
    m_AuswahlAktiv = false;
    if (m_BerechnenAnstehend)
        Command3_Click();
}

void Form501::nächsteZelle()
{
    const QModelIndex i = DataGrid1->currentIndex();
    if (!i.isValid())
        return;
    if (i.column() + 1 < m_modell->columnCount())
        DataGrid1->setCurrentIndex(m_modell->index(i.row(), i.column() + 1));
    else if (i.row() + 1 < m_modell->rowCount())
        DataGrid1->setCurrentIndex(m_modell->index(i.row() + 1, 0));
}

void Form501::FormKeyDown(int& KeyCode, int Shift)
{
    if ((Shift & 7) == 0) {
        switch (KeyCode) {
        case 114:  // F3
        case 45:   // Insert
            KeyCode = 0;
            Command2_Click();
            return;
        case 115:  // F4
            KeyCode = 0;
            Command1_Click();
            return;
        case 119:  // F8
            KeyCode = 0;
            Command3_Click();
            return;
        default:
            break;
        }
    }
    Seitenform::FormKeyDown(KeyCode, Shift);
}

bool Form501::eventFilter(QObject* o, QEvent* e)
{
    if (o == DataGrid1 && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const int spalte = DataGrid1->currentIndex().column();
        switch (k->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QKeyEvent pfeil(QEvent::KeyPress, k->key() == Qt::Key_PageUp ? Qt::Key_Up : Qt::Key_Down, k->modifiers());
            QCoreApplication::sendEvent(DataGrid1, &pfeil);
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            nächsteZelle();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
        }
        if (spalte == SpalteRaum || spalte == SpalteAusstattung) {
            if (k->key() == Qt::Key_Delete || k->key() == Qt::Key_Backspace)
                return true;
            if (!k->text().isEmpty() && !(k->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
                ÖffneListe(spalte);
                return true;
            }
        }
    }
    return Seitenform::eventFilter(o, e);
}

void Form501::paintEvent(QPaintEvent* e)
{
    if (!m_hintergrund.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_hintergrund);
    }
    Seitenform::paintEvent(e);
}
