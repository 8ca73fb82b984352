#include "support/ImKind.h"

#include <QElapsedTimer>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long rssKb(pid_t pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

}  // namespace

Kindlauf ImKindLauf(const std::function<QByteArray()>& arbeit, Kindgrenzen grenzen)
{
    Kindlauf lauf;
    int rohr[2];
    if (::pipe(rohr) != 0)
        return lauf;
    const long vorher = rssKb(::getpid());
    QElapsedTimer uhr;
    uhr.start();
    const pid_t kind = ::fork();
    if (kind < 0) {
        ::close(rohr[0]);
        ::close(rohr[1]);
        return lauf;
    }
    if (kind == 0) {
        ::close(rohr[0]);
        const QByteArray daten = arbeit();
        for (qsizetype n = 0; n < daten.size();) {
            const ssize_t w = ::write(rohr[1], daten.constData() + n, size_t(daten.size() - n));
            if (w <= 0)
                ::_exit(2);
            n += w;
        }
        ::_exit(0);
    }
    ::close(rohr[1]);
    int status = 0;
    rusage nutzung{};
    QByteArray daten;
    char puffer[4096];
    for (;;) {
        // The answer is read as it comes, so that the child never blocks on a full pipe.
        fd_set lesen;
        FD_ZERO(&lesen);
        FD_SET(rohr[0], &lesen);
        timeval warten{0, 2000};
        if (::select(rohr[0] + 1, &lesen, nullptr, nullptr, &warten) > 0)
            if (const ssize_t n = ::read(rohr[0], puffer, sizeof puffer); n > 0)
                daten.append(puffer, n);
        if (::wait4(kind, &status, WNOHANG, &nutzung) == kind) {
            lauf.beendet = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            break;
        }
        const bool zuGroß = rssKb(kind) - vorher > grenzen.mehrKb;
        if (uhr.elapsed() > grenzen.fristMs || zuGroß) {
            ::kill(kind, SIGKILL);
            ::wait4(kind, &status, 0, &nutzung);
            lauf.gestoppt = true;
            lauf.zuGroß = zuGroß;
            break;
        }
    }
    lauf.sekunden = uhr.elapsed() / 1000.0;
    lauf.maxRssKb = nutzung.ru_maxrss;
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        daten.append(puffer, n);
    ::close(rohr[0]);
    if (lauf.beendet)
        lauf.antwort = std::move(daten);
    return lauf;
}

std::optional<QByteArray> ImKind(const std::function<QByteArray()>& arbeit, int fristMs)
{
    Kindlauf lauf = ImKindLauf(arbeit, {fristMs, Kindgrenzen{}.mehrKb});
    if (!lauf.beendet)
        return std::nullopt;
    return std::move(lauf.antwort);
}
