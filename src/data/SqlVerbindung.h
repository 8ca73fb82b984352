#pragma once
#include <QSqlDatabase>
#include <QString>

// One connection of its own to a SQLite database file; closed and removed on destruction.
class SqlVerbindung {
public:
    SqlVerbindung() = default;
    ~SqlVerbindung();
    SqlVerbindung(const SqlVerbindung&) = delete;
    SqlVerbindung& operator=(const SqlVerbindung&) = delete;

    // Opens the file (creates it when anlegen is set, else a missing file fails), with
    // synchronous=FULL; a non-empty password must match the file's access check.
    // On failure: false and the reason in *fehler.
    bool öffnen(const QString& pfad, const QString& passwort, bool anlegen, QString* fehler);
    void schließen();
    bool offen() const { return m_db.isOpen(); }
    QSqlDatabase& db() { return m_db; }

private:
    QSqlDatabase m_db;
    QString m_name;
};
