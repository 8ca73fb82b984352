#include "Golddateien.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

QString golden(const QString& name)
{
    QFile f(QStringLiteral(KELVOR_SOURCE_DIR "/tests/output/reports/daten/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<fehlt: %1>").arg(name);
    return QString::fromUtf8(f.readAll());
}

void vergleiche(const QString& name, const QString& text)
{
    const QString pfad = QStringLiteral(KELVOR_SOURCE_DIR "/tests/output/reports/daten/") + name;
    if (qEnvironmentVariableIsSet("KELVOR_GOLDEN_SCHREIBEN")) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        return;
    }
    const QString crlf = QStringLiteral("\r\n");
    const QStringList soll = golden(name).split(crlf);
    const QStringList ist = text.split(crlf);
    for (qsizetype i = 0; i < qMin(soll.size(), ist.size()); ++i)
        ASSERT_EQ(ist.at(i).toStdString(), soll.at(i).toStdString()) << name.toStdString() << " line " << i;
    EXPECT_EQ(ist.size(), soll.size()) << name.toStdString();
    EXPECT_EQ(text.toUtf8(), golden(name).toUtf8()) << name.toStdString();
}
