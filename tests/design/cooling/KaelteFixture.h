#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

#include <memory>

#include "design/cooling/GlobDatenKaelte.h"
#include "support/MeldungsRecorder.h"

// A project database of the program's schema (column defaults included) with empty tables in a
// temporary folder, and the program's article database; the current project is "K-1".
class KälteFixture : public ::testing::Test {
protected:
    using Objekt = std::unique_ptr<GlobDatenKälte>;

    void SetUp() override;
    void TearDown() override;

    Objekt gebunden()
    {
        auto g = std::make_unique<GlobDatenKälte>();
        EXPECT_EQ(g->Init(), 0);
        return g;
    }
    // Runs a statement on the file over a connection of the test's own.
    void sql(const QString& text) const;
    // The first column of the first row of a query (invalid when there is none).
    QVariant wert(const QString& abfrage) const;
    // A row as another program run left it: every other column has its default.
    void zeile(const QString& projekt, const QString& spalten = {}, const QString& werte = {}) const;
    // A column of the cooling row of a project (invalid when there is none).
    QVariant feld(const QString& name, const QString& projekt = QStringLiteral("K-1")) const;
    int zeilen() const;

    QTemporaryDir ordner;
    QString pfad;
    MeldungsRecorder meldungen;

private:
    QString m_verbindung;
};
