#include "base/forms/Auswahlgitter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <QScrollBar>

#include "base/Twips.h"

namespace {
constexpr int Zeilenhöhe = 250;  // twips

// The platform style draws the scroll bar's thumb lighter than its groove, so that a long thumb
// at the top reads as a short grey one at the bottom. The thumb is drawn over it dark, framed.
class Bildlaufstil : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl art, const QStyleOptionComplex* o, QPainter* p,
                            const QWidget* w) const override
    {
        QProxyStyle::drawComplexControl(art, o, p, w);
        if (art != CC_ScrollBar || !(o->state & State_Enabled))
            return;
        const QRect griff = subControlRect(art, o, SC_ScrollBarSlider, w);
        if (griff.isEmpty())
            return;
        p->save();
        p->setPen(QColor(0x6e, 0x6e, 0x6e));
        p->setBrush(QColor(0xa8, 0xa8, 0xa8));
        p->drawRect(griff.adjusted(1, 0, -2, -1));
        p->restore();
    }
};

}  // namespace

Auswahlgitter::Auswahlgitter(QWidget* parent) : QTableView(parent)
{
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
    auto* stil = new Bildlaufstil;
    stil->setParent(this);
    verticalScrollBar()->setStyle(stil);
}

void Auswahlgitter::folge(int zeile)
{
    if (zeile == currentIndex().row())
        return;
    m_folgt = true;
    if (zeile < 0 || !model()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex i = model()->index(zeile, 0);
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::NoUpdate);
        scrollTo(i);
        Scrollregel(zeile);
    }
    m_folgt = false;
}

void Auswahlgitter::Scrollregel(int zeile)
{
    QScrollBar* s = verticalScrollBar();
    const int erste = s->value();
    if (zeile - erste < 1)
        s->setValue(erste - 1);
    else if (zeile - erste > sichtbareZeilen() - 3)
        s->setValue(erste + 1);
}

void Auswahlgitter::markiere(int zeile)
{
    QItemSelectionModel* sm = selectionModel();
    if (!sm || !model())
        return;
    if (zeile < 0 || zeile >= model()->rowCount())
        sm->clearSelection();
    else
        sm->select(model()->index(zeile, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int Auswahlgitter::sichtbareZeilen() const
{
    const int h = verticalHeader()->defaultSectionSize();
    return h > 0 ? viewport()->height() / h : 0;
}

int Auswahlgitter::zeileUnter(int y) const
{
    if (!model())
        return -1;
    const int erste = verticalScrollBar()->value();
    const int oben = rowViewportPosition(erste);
    const int linie = Twips::SichtbareZeile(Twips::ausPixel(y), Twips::ausPixel(oben),
                                            Twips::ausPixel(verticalHeader()->defaultSectionSize()));
    if (linie < 0 || linie >= sichtbareZeilen())
        return -1;
    const int zeile = erste + linie;
    return zeile < model()->rowCount() ? zeile : -1;
}

void Auswahlgitter::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher)
{
    QTableView::currentChanged(aktuell, vorher);
    if (!m_folgt && aktuell.isValid() && aktuell.row() != vorher.row())
        emit ZeileGewaehlt(aktuell.row());
}

void Auswahlgitter::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
        QKeyEvent einzeln(e->type(), e->key() == Qt::Key_PageUp ? Qt::Key_Up : Qt::Key_Down, e->modifiers());
        QTableView::keyPressEvent(&einzeln);
        return;
    }
    QTableView::keyPressEvent(e);
}

void Auswahlgitter::zeiger(int y)
{
    const int zeile = zeileUnter(y);
    emit ZeigerBewegt(zeile);
    if (zeile >= 0)
        emit ZeigerUeberZeile(zeile);
}

void Auswahlgitter::mouseMoveEvent(QMouseEvent* e)
{
    zeiger(qRound(e->position().y()));
}

void Auswahlgitter::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTableView::mouseDoubleClickEvent(e);
    emit Doppelklick();
}

void Auswahlgitter::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    emit FokusGeaendert(true);
}

void Auswahlgitter::focusOutEvent(QFocusEvent* e)
{
    QTableView::focusOutEvent(e);
    emit FokusGeaendert(false);
}

// The pointer over the column captions counts as above the first visible line.
bool Auswahlgitter::eventFilter(QObject* o, QEvent* e)
{
    if (o == horizontalHeader() && e->type() == QEvent::MouseMove) {
        const auto* m = static_cast<QMouseEvent*>(e);
        zeiger(qRound(m->position().y()) - horizontalHeader()->height());
    }
    return QTableView::eventFilter(o, e);
}
