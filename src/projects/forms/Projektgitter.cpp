#include "projects/forms/Projektgitter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

#include "data/Recordset.h"
#include "projects/Projektauswahl.h"
#include "projects/Projektseite.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"

namespace {

constexpr int Zeilenhöhe = 250;  // twips

QString Datumsanzeige(const VbVariant& v)
{
    if (v.isDate())
        return v.toDateTime().date().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("   ");
    return v.isNull() || v.isEmpty() ? QString() : v.toString();
}

}  // namespace

Projektgitter::Projektgitter(QWidget* parent) : QTableView(parent), m_modell(new RecordsetModell(this))
{
    setModel(m_modell);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(Twips::zuPixel(Zeilenhöhe));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMouseTracking(true);
    horizontalHeader()->installEventFilter(this);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setMouseTracking(true);
    // No cell cursor: the highlighted row is the only marking.
    setStyleSheet(QStringLiteral("QTableView { outline: 0; }"));
}

void Projektgitter::binde(std::shared_ptr<Recordset> rs, const std::vector<Spalte>& spalten)
{
    QList<RecordsetModell::Spalte> liste;
    for (const Spalte& s : spalten) {
        RecordsetModell::Spalte m;
        m.feld = QString::fromUtf8(s.feld);
        m.titel = LadeText(zustand().Sprachoffset + s.textId);
        m.ausrichtung = s.ausrichtung;
        if (m.feld == QLatin1String("Projektart"))
            m.format = [](const VbVariant& v) { return Projektseite::ProjektartText(v.isString() ? v.toString() : QString()); };
        else if (m.feld == QLatin1String("Datum"))
            m.format = Datumsanzeige;
        liste << m;
    }
    m_modell->setzeSpalten(liste);
    m_modell->setzeRecordset(std::move(rs));
    m_breiten.clear();
    for (const Spalte& s : spalten)
        m_breiten.push_back(s.breite);
    passeSpaltenAn();
}

void Projektgitter::passeSpaltenAn()
{
    for (int i = 0; i < static_cast<int>(m_breiten.size()) && i < m_modell->columnCount(); ++i) {
        setColumnWidth(i, std::max(Twips::zuPixel(m_breiten[static_cast<size_t>(i)]), inhaltsbreite(i)));
    }
}

int Projektgitter::inhaltsbreite(int spalte) const
{
    return std::max(sizeHintForColumn(spalte), horizontalHeader()->sectionSizeHint(spalte));
}

void Projektgitter::gibPlatzAb(int pixel)
{
    // The column with the most room to spare first.
    while (pixel > 0) {
        int spalte = -1;
        int frei = 0;
        for (int i = 0; i < m_modell->columnCount(); ++i) {
            const int f = columnWidth(i) - inhaltsbreite(i);
            if (f > frei) {
                frei = f;
                spalte = i;
            }
        }
        if (spalte < 0)
            return;
        const int weg = std::min(frei, pixel);
        setColumnWidth(spalte, columnWidth(spalte) - weg);
        pixel -= weg;
    }
}

int Projektgitter::benötigteBreite() const
{
    int breite = 2 * frameWidth();
    for (int i = 0; i < m_modell->columnCount(); ++i)
        breite += columnWidth(i);
    // Rows beyond the visible lines bring the vertical scroll bar.
    const int zeilenhöhe = verticalHeader()->defaultSectionSize();
    const int sichtbar = height() - 2 * frameWidth() - horizontalHeader()->sizeHint().height();
    if (zeilenhöhe > 0 && m_modell->rowCount() * zeilenhöhe > sichtbar)
        breite += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return breite;
}

void Projektgitter::zeige(const Projektauswahl& auswahl)
{
    const auto rs = m_modell->recordset();
    folge(rs && rs->HatAktuelleZeile() ? rs->Position() : -1);
    QItemSelectionModel* sm = selectionModel();
    const int z = auswahl.markierteZeile();
    if (z < 0 || z >= m_modell->rowCount())
        sm->clearSelection();
    else
        sm->select(m_modell->index(z, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// The grid's current row follows the recordset's; in the first visible line the grid scrolls back
// one row, in the last two it scrolls on by one.
void Projektgitter::folge(int zeile)
{
    if (zeile == currentIndex().row())
        return;
    m_folgt = true;
    if (zeile < 0) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        selectionModel()->setCurrentIndex(m_modell->index(zeile, 0), QItemSelectionModel::NoUpdate);
        scrollTo(m_modell->index(zeile, 0));
        QScrollBar* s = verticalScrollBar();
        const int erste = s->value();
        if (zeile - erste < 1)
            s->setValue(erste - 1);
        else if (zeile - erste > sichtbareZeilen() - 3)
            s->setValue(erste + 1);
    }
    m_folgt = false;
}

int Projektgitter::sichtbareZeilen() const
{
    const int h = verticalHeader()->defaultSectionSize();
    return h > 0 ? viewport()->height() / h : 0;
}

int Projektgitter::zeileUnter(int y) const
{
    const int erste = verticalScrollBar()->value();
    const int oben = rowViewportPosition(erste);
    const int linie = Projektauswahl::SichtbareZeile(Twips::ausPixel(y), Twips::ausPixel(oben),
                                                     Twips::ausPixel(verticalHeader()->defaultSectionSize()));
    if (linie < 0 || linie >= sichtbareZeilen())
        return -1;
    const int zeile = erste + linie;
    return zeile < m_modell->rowCount() ? zeile : -1;
}

void Projektgitter::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher)
{
    QTableView::currentChanged(aktuell, vorher);
    if (!m_folgt && aktuell.isValid() && aktuell.row() != vorher.row())
        emit ZeileGewaehlt(aktuell.row());
}

void Projektgitter::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
        QKeyEvent einzeln(e->type(), e->key() == Qt::Key_PageUp ? Qt::Key_Up : Qt::Key_Down, e->modifiers());
        QTableView::keyPressEvent(&einzeln);
        return;
    }
    if (e->key() == Qt::Key_Space) {
        emit Leertaste();
        return;
    }
    QTableView::keyPressEvent(e);
}

void Projektgitter::mouseMoveEvent(QMouseEvent* e)
{
    const int zeile = zeileUnter(qRound(e->position().y()));
    if (zeile >= 0)
        emit ZeigerUeberZeile(zeile);
}

void Projektgitter::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTableView::mouseDoubleClickEvent(e);
    emit Doppelklick();
}

void Projektgitter::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    emit FokusGeaendert(true);
}

void Projektgitter::focusOutEvent(QFocusEvent* e)
{
    QTableView::focusOutEvent(e);
    emit FokusGeaendert(false);
}

// The pointer over the column captions counts as above the first visible line.
bool Projektgitter::eventFilter(QObject* o, QEvent* e)
{
    if (o == horizontalHeader() && e->type() == QEvent::MouseMove) {
        const auto* m = static_cast<QMouseEvent*>(e);
        const int zeile = zeileUnter(qRound(m->position().y()) - horizontalHeader()->height());
        if (zeile >= 0)
            emit ZeigerUeberZeile(zeile);
    }
    return QTableView::eventFilter(o, e);
}

void Sortierbox::fülle(const QStringList& einträge, const QString& aktuell)
{
    const QSignalBlocker stumm(this);
    clear();
    addItems(einträge);
    setCurrentIndex(std::max(0, static_cast<int>(einträge.indexOf(aktuell))));
}

void Sortierbox::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Up: case Qt::Key_Down:
        QComboBox::keyPressEvent(e);
        return;
    default:
        e->accept();
    }
}
