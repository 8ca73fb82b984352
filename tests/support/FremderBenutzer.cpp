#include "support/FremderBenutzer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

bool FremdeLinksImTempOrdner(const QString& ordner, QString* grund)
{
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody) {
        *grund = QStringLiteral("nur als root mit einem Benutzer nobody");
        return false;
    }
    const QByteArray pfad = QFile::encodeName(QDir(ordner).absolutePath());
    if (::chmod(pfad.constData(), 01777) != 0) {
        *grund = QStringLiteral("chmod");
        return false;
    }
    for (QDir d = QFileInfo(QString::fromLocal8Bit(pfad)).dir(); !d.isRoot(); d.cdUp()) {
        struct stat st {};
        const QByteArray o = QFile::encodeName(d.absolutePath());
        if (::stat(o.constData(), &st) == 0 && !(st.st_mode & S_IXOTH))
            ::chmod(o.constData(), (st.st_mode & 07777) | S_IXOTH);
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const pid_t kind = ::fork();
    if (kind < 0) {
        *grund = QStringLiteral("fork");
        return false;
    }
    if (kind == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 || ::setresuid(uid, uid, uid) != 0)
            ::_exit(1);
        char name[4096];
        for (unsigned n = 0; n <= 0xFFFF; ++n) {
            std::snprintf(name, sizeof name, "%s/$$%04X.tmp", pfad.constData(), n);
            if (::symlink("/nirgendwo/kelvor-fremd", name) != 0)
                ::_exit(2);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *grund = QStringLiteral("Links als nobody nicht angelegt (%1)").arg(status);
        return false;
    }
    return true;
}
