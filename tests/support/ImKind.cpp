#include "support/ImKind.h"

#include <QElapsedTimer>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

std::optional<QByteArray> ImKind(const std::function<QByteArray()>& arbeit, int fristMs)
{
    int rohr[2];
    if (::pipe(rohr) != 0)
        return std::nullopt;
    const pid_t kind = ::fork();
    if (kind < 0)
        return std::nullopt;
    if (kind == 0) {
        ::close(rohr[0]);
        const QByteArray antwort = arbeit();
        const bool geschrieben = ::write(rohr[1], antwort.constData(), size_t(antwort.size())) == antwort.size();
        ::_exit(geschrieben ? 0 : 1);
    }
    ::close(rohr[1]);
    QElapsedTimer uhr;
    uhr.start();
    int status = 0;
    pid_t fertig = 0;
    while ((fertig = ::waitpid(kind, &status, WNOHANG)) == 0 && uhr.elapsed() < fristMs)
        QThread::msleep(10);
    if (fertig != kind) {
        ::kill(kind, SIGKILL);
        ::waitpid(kind, &status, 0);
        ::close(rohr[0]);
        return std::nullopt;
    }
    QByteArray antwort;
    char puffer[4096];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        antwort.append(puffer, n);
    ::close(rohr[0]);
    return antwort;
}
