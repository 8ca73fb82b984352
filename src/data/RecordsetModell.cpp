#include "data/RecordsetModell.h"

#include "data/Recordset.h"

RecordsetModell::RecordsetModell(QObject* parent) : QAbstractTableModel(parent) {}

RecordsetModell::~RecordsetModell()
{
    for (const auto& v : m_verbindungen)
        disconnect(v);
}

void RecordsetModell::setzeRecordset(std::shared_ptr<Recordset> rs)
{
    for (const auto& v : m_verbindungen)
        disconnect(v);
    m_verbindungen.clear();
    m_rs = std::move(rs);
    if (m_rs) {
        m_verbindungen << connect(m_rs.get(), &Recordset::Neu, this, &RecordsetModell::neu)
                       << connect(m_rs.get(), &Recordset::DatenGeaendert, this, &RecordsetModell::datenGeaendert);
    }
    neu();
}

void RecordsetModell::setzeSpalten(QList<Spalte> spalten)
{
    beginResetModel();
    m_spalten = std::move(spalten);
    endResetModel();
}

void RecordsetModell::neu()
{
    beginResetModel();
    m_zeilen = m_rs ? m_rs->Anzahl() : 0;
    endResetModel();
}

void RecordsetModell::datenGeaendert()
{
    if (!m_rs || m_rs->Anzahl() != m_zeilen) {
        neu();
        return;
    }
    if (m_zeilen > 0 && !m_spalten.isEmpty())
        emit dataChanged(index(0, 0), index(m_zeilen - 1, static_cast<int>(m_spalten.size()) - 1));
}

VbVariant RecordsetModell::wert(int zeile, int spalte) const
{
    if (!m_rs || spalte < 0 || spalte >= m_spalten.size())
        return {};
    return m_rs->ZeilenWert(zeile, m_rs->FeldIndex(m_spalten.at(spalte).feld));
}

QString RecordsetModell::text(int zeile, int spalte) const
{
    if (spalte < 0 || spalte >= m_spalten.size())
        return {};
    const VbVariant v = wert(zeile, spalte);
    const Spalte& s = m_spalten.at(spalte);
    if (s.format)
        return s.format(v);
    return v.isNull() || v.isEmpty() ? QString() : v.toString();
}

int RecordsetModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

int RecordsetModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_spalten.size());
}

QVariant RecordsetModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_zeilen || index.column() >= m_spalten.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_spalten.at(index.column()).ausrichtung);
    return {};
}

QVariant RecordsetModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < m_spalten.size()) {
        if (role == Qt::DisplayRole)
            return m_spalten.at(section).titel;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_spalten.at(section).ausrichtung);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RecordsetModell::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_bearbeitbar && index.column() < m_spalten.size() && m_spalten.at(index.column()).schreiben)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordsetModell::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || index.row() >= m_zeilen)
        return false;
    m_spalten.at(index.column()).schreiben(index.row(), value.toString());
    return true;
}
