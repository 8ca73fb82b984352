#pragma once
#include <QObject>

#include <memory>

#include "data/Recordset.h"

// A data control: holds the recordset that the grids bound to it show. A table object hands it
// its recordset (datenbank::BindAdodc); the control keeps it until it gets another one.
class Adodc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const std::shared_ptr<Recordset>& recordset() const { return m_recordset; }
    void SetzeRecordset(std::shared_ptr<Recordset> rs)
    {
        m_recordset = std::move(rs);
        emit RecordsetGesetzt();
    }

signals:
    void RecordsetGesetzt();

private:
    std::shared_ptr<Recordset> m_recordset;
};
