#include "support/Programmordner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "base/Programmzustand.h"

void BereiteProgrammordnerVor(const QTemporaryDir& dir)
{
    zustandZuruecksetzen();
    QApplication::setQuitOnLastWindowClosed(false);
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Daten")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELVOR_ARTIKEL_DB), dir.filePath(QStringLiteral("Daten/Artikeld.db"))));
}
