#include "shell/EinzelInstanz.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
const QByteArray Aktivieren = QByteArrayLiteral("aktivieren\n");
}

EinzelInstanz::EinzelInstanz(const QString& schluessel, QObject* parent)
    : QObject(parent), m_schluessel(schluessel)
{
}

EinzelInstanz::~EinzelInstanz() = default;

QString EinzelInstanz::StandardSchluessel()
{
#ifdef Q_OS_UNIX
    return QStringLiteral("kelvor-%1").arg(::getuid());
#else
    QString schluessel = QStringLiteral("kelvor-") + qEnvironmentVariable("USERNAME");
    for (QChar& c : schluessel)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return schluessel;
#endif
}

bool EinzelInstanz::Starten(bool andereAktivieren)
{
    auto sperre = std::make_unique<QLockFile>(QDir::temp().filePath(m_schluessel + QStringLiteral(".lock")));
    // The lock lives as long as the program; only a dead owner makes it stale.
    sperre->setStaleLockTime(0);
    if (!sperre->tryLock(0)) {
        if (andereAktivieren)
            BitteAktivieren();
        return false;
    }
    m_sperre = std::move(sperre);
    // A socket left by an instance that did not end cleanly is ours now.
    QLocalServer::removeServer(m_schluessel);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &EinzelInstanz::NeueVerbindung);
    m_server->listen(m_schluessel);
    return true;
}

bool EinzelInstanz::BitteAktivieren()
{
    // The first instance may still be starting: try a few times.
    for (int versuch = 0; versuch < 10; ++versuch) {
        QLocalSocket socket;
        socket.connectToServer(m_schluessel);
        if (socket.waitForConnected(300)) {
            socket.write(Aktivieren);
            const bool ok = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return ok;
        }
        QThread::msleep(100);
    }
    return false;
}

void EinzelInstanz::NeueVerbindung()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto empfangen = std::make_shared<QByteArray>();
        auto lesen = [this, socket, empfangen] {
            if (empfangen->contains(Aktivieren))
                return;
            *empfangen += socket->readAll();
            if (empfangen->contains(Aktivieren))
                emit AktivierungAngefordert();
        };
        connect(socket, &QLocalSocket::readyRead, this, lesen);
        connect(socket, &QLocalSocket::disconnected, this, [socket, lesen] {
            lesen();
            socket->deleteLater();
        });
        lesen();
    }
}
