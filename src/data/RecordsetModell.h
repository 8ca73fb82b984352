#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QMetaObject>
#include <QString>

#include <functional>
#include <memory>

#include "base/VbVariant.h"

class Recordset;

// A table model over a recordset, for grids bound to it: one row per row of the snapshot, the
// columns chosen by field name. It follows the recordset: a new query resets it, saved rows are
// shown again. Cells are read-only unless their column has a writer and the model is editable.
class RecordsetModell : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Spalte {
        QString feld;
        QString titel;
        Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter;
        // The text of a value; without one, the value's text (Null and Empty: "").
        std::function<QString(const VbVariant&)> format;
        // Writes a typed text into row zeile; without one the column is read-only.
        std::function<void(int zeile, const QString& text)> schreiben;
    };

    explicit RecordsetModell(QObject* parent = nullptr);
    ~RecordsetModell() override;

    void setzeRecordset(std::shared_ptr<Recordset> rs);
    const std::shared_ptr<Recordset>& recordset() const { return m_rs; }
    void setzeSpalten(QList<Spalte> spalten);
    const QList<Spalte>& spalten() const { return m_spalten; }
    // The stored value of a cell (Empty outside the snapshot or for an unknown field).
    VbVariant wert(int zeile, int spalte) const;
    // The text a cell shows.
    QString text(int zeile, int spalte) const;

    // Whether the columns with a writer take input.
    void setzeBearbeitbar(bool b) { m_bearbeitbar = b; }
    bool bearbeitbar() const { return m_bearbeitbar; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void neu();
    void datenGeaendert();

    std::shared_ptr<Recordset> m_rs;
    QList<Spalte> m_spalten;
    int m_zeilen = 0;
    bool m_bearbeitbar = false;
    QList<QMetaObject::Connection> m_verbindungen;
};
