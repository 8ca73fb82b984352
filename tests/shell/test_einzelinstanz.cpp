#include <gtest/gtest.h>

#include "shell/EinzelInstanz.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

namespace {

QString EinmaligerSchluessel()
{
    return QStringLiteral("kelvor-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch());
}

// The files in the temp folder whose name starts with the key, with their size and time.
QStringList DateienMit(const QString& schluessel)
{
    QStringList aus;
    for (const QFileInfo& fi : QDir::temp().entryInfoList({schluessel + QLatin1Char('*')}, QDir::Files | QDir::System))
        aus << QStringLiteral("%1 %2 %3").arg(fi.fileName()).arg(fi.size()).arg(fi.lastModified().toMSecsSinceEpoch());
    return aus;
}

}  // namespace

TEST(EinzelInstanz, SecondInstanceActivatesFirstAndWritesNothing)
{
    const QString schluessel = EinmaligerSchluessel();
    EinzelInstanz erste(schluessel);
    QSignalSpy aktivierung(&erste, &EinzelInstanz::AktivierungAngefordert);
    ASSERT_TRUE(erste.Starten());

    const QStringList vorher = DateienMit(schluessel);
    {
        EinzelInstanz zweite(schluessel);
        EXPECT_FALSE(zweite.Starten());
    }
    EXPECT_EQ(DateienMit(schluessel), vorher);
    EXPECT_TRUE(aktivierung.count() == 1 || aktivierung.wait(3000));
    EXPECT_EQ(aktivierung.count(), 1);

    // Each later start asks again.
    EinzelInstanz dritte(schluessel);
    EXPECT_FALSE(dritte.Starten());
    EXPECT_TRUE(aktivierung.count() == 2 || aktivierung.wait(3000));

    // A host start that runs beside it does not ask.
    EinzelInstanz host(schluessel);
    EXPECT_FALSE(host.Starten(false));
    EXPECT_FALSE(aktivierung.wait(500));
    EXPECT_EQ(aktivierung.count(), 2);
}

TEST(EinzelInstanz, FreeAgainWhenFirstEnds)
{
    const QString schluessel = EinmaligerSchluessel();
    {
        EinzelInstanz erste(schluessel);
        ASSERT_TRUE(erste.Starten());
    }
    EinzelInstanz naechste(schluessel);
    EXPECT_TRUE(naechste.Starten());
}

TEST(EinzelInstanz, StaleLockOfCrashedInstanceDoesNotBlock)
{
    const QString schluessel = EinmaligerSchluessel();
    // A stale lock of a process that no longer runs, as a crash leaves it.
    QFile sperre(QDir::temp().filePath(schluessel + QStringLiteral(".lock")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.write("999999999\nkelvor\n\n");
    sperre.close();
    EinzelInstanz erste(schluessel);
    EXPECT_TRUE(erste.Starten());
}

TEST(EinzelInstanz, KeyIsPerUser)
{
    const QString s = EinzelInstanz::StandardSchluessel();
    EXPECT_TRUE(s.startsWith(QStringLiteral("kelvor-")));
    EXPECT_EQ(s, EinzelInstanz::StandardSchluessel());
    EXPECT_FALSE(s.contains(QLatin1Char('/')));
}
