#pragma once
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// Only one instance of the program runs per user. The first instance holds a lock and listens on
// a local socket; a later one finds the lock, asks the first to come to the front and ends. The
// later instance writes no file. A host start does not end: it runs beside the first.
class EinzelInstanz : public QObject {
    Q_OBJECT
public:
    // schluessel names the lock and the socket; the program uses StandardSchluessel().
    explicit EinzelInstanz(const QString& schluessel, QObject* parent = nullptr);
    ~EinzelInstanz() override;

    // "kelvor-" and the user (the user id on Unix).
    static QString StandardSchluessel();

    // True: this is the first instance (it now holds the lock and listens). False: another
    // instance runs; unless andereAktivieren is false it has been asked to come to the front.
    bool Starten(bool andereAktivieren = true);

signals:
    // A later instance asked this one to come to the front.
    void AktivierungAngefordert();

private:
    bool BitteAktivieren();
    void NeueVerbindung();

    QString m_schluessel;
    std::unique_ptr<QLockFile> m_sperre;
    QLocalServer* m_server = nullptr;
};
