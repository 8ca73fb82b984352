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

QString Datumsanzeige(const VbVariant& v)
{
    if (v.isDate())
        return v.toDateTime().date().toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("   ");
    return v.isNull() || v.isEmpty() ? QString() : v.toString();
}

}  // namespace

Projektgitter::Projektgitter(QWidget* parent) : Auswahlgitter(parent), m_modell(new RecordsetModell(this))
{
    setModel(m_modell);
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
    markiere(auswahl.markierteZeile());
}

void Projektgitter::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        emit Leertaste();
        return;
    }
    Auswahlgitter::keyPressEvent(e);
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
