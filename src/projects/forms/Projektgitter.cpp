#include "projects/forms/Projektgitter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>

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
    for (size_t i = 0; i < spalten.size(); ++i)
        setColumnWidth(static_cast<int>(i), Twips::zuPixel(spalten[i].breite));
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
