#include "data/Transaktion.h"

#include <QSqlQuery>

#include <atomic>

Transaktion::Transaktion(const QSqlDatabase& db) : m_db(db)
{
    static std::atomic<unsigned> zähler{0};
    m_name = QStringLiteral("kelvor_tx%1").arg(++zähler);
    m_aktiv = m_db.isOpen() && ausführen(QStringLiteral("SAVEPOINT ") + m_name);
}

Transaktion::~Transaktion()
{
    rollback();
}

bool Transaktion::commit()
{
    if (!m_aktiv)
        return false;
    if (!ausführen(QStringLiteral("RELEASE SAVEPOINT ") + m_name)) {
        rollback();
        return false;
    }
    m_aktiv = false;
    return true;
}

void Transaktion::rollback()
{
    if (!m_aktiv)
        return;
    m_aktiv = false;
    ausführen(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_name);
    ausführen(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
}

bool Transaktion::ausführen(const QString& sql)
{
    QSqlQuery q(m_db);
    return q.exec(sql);
}
