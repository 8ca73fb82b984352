#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "base/Datenpfade.h"

namespace {

// A folder for program layouts and a user's data folder apart from it.
struct Ablage {
    QTemporaryDir dir;
    QString pfad(const QString& name) const { return QDir::cleanPath(dir.filePath(name)); }
    QString benutzer() const { return pfad(QStringLiteral("home/Kelvor")); }
    // The shipped article database in Daten/ of the folder.
    void ausliefern(const QString& ordner) const
    {
        ASSERT_TRUE(QDir().mkpath(Datenordner(ordner)));
        QFile f(Datenordner(ordner) + QStringLiteral("/Artikeld.db"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

}  // namespace

TEST(Datenpfade, DasProgrammLayoutEntscheidet)
{
    struct Fall {
        const char* name;
        bool programmordnerLiefert;  // Daten/Artikeld.db beside the program
        bool shareLiefert;           // the installed layout's share/kelvor beside bin/
        bool installiert;            // expected: shipped files from share/kelvor, data in the user's folder
    };
    const Fall fälle[] = {
        {"build tree or portable copy", true, false, false},
        {"installed (writable, as for root)", false, true, true},
        {"a portable copy in bin/ beside an install", true, true, false},
        {"nothing shipped: the program folder as before", false, false, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Ablage a;
        const QString bin = a.pfad(QStringLiteral("prefix/bin"));
        ASSERT_TRUE(QDir().mkpath(bin));
        if (f.programmordnerLiefert)
            a.ausliefern(bin);
        if (f.shareLiefert)
            a.ausliefern(InstallierteDateien(bin));
        const Datenpfade p = BestimmeDatenpfade(bin, a.benutzer());
        if (f.installiert) {
            EXPECT_EQ(p.Installation, a.pfad(QStringLiteral("prefix/share/kelvor")));
            EXPECT_EQ(p.Daten, a.benutzer());
        } else {
            EXPECT_EQ(p.Installation, bin);
            EXPECT_EQ(p.Daten, bin);
        }
    }
}

TEST(Datenpfade, SchreibgeschuetzterProgrammordnerBehaeltDieDatenBeimBenutzer)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a write-protected folder";
    Ablage a;
    const QString programm = a.pfad(QStringLiteral("portabel"));
    a.ausliefern(programm);
    ASSERT_TRUE(QFile::setPermissions(programm, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const Datenpfade p = BestimmeDatenpfade(programm, a.benutzer());
    QFile::setPermissions(programm, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(p.Installation, programm);
    EXPECT_EQ(p.Daten, a.benutzer());
}

TEST(Datenpfade, DieEigeneArtikeldatenbankGewinnt)
{
    Ablage a;
    const Datenpfade p{a.pfad(QStringLiteral("share/kelvor")), a.benutzer()};
    a.ausliefern(p.Installation);
    EXPECT_EQ(Artikeldatenbankpfad(p, QStringLiteral("Artikeld.db")), p.Installation + QStringLiteral("/Daten/Artikeld.db"));
    a.ausliefern(p.Daten);
    EXPECT_EQ(Artikeldatenbankpfad(p, QStringLiteral("Artikeld.db")), p.Daten + QStringLiteral("/Daten/Artikeld.db"));
}
