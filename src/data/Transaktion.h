#pragma once
#include <QSqlDatabase>
#include <QString>

// One database transaction as a scope: begun on construction, rolled back on destruction unless
// committed. Guards nest (each is a savepoint of its connection).
class Transaktion {
public:
    explicit Transaktion(const QSqlDatabase& db);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;

    // False when the transaction could not be begun (the work then runs without one).
    bool aktiv() const { return m_aktiv; }
    // Makes the changes permanent; false when that failed (the guard then rolls back).
    bool commit();
    void rollback();

private:
    bool ausführen(const QString& sql);
    QSqlDatabase m_db;
    QString m_name;
    bool m_aktiv = false;
};
