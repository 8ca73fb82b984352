#pragma once
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

#include <memory>

#include "design/heating/GlobDatenHeizung.h"
#include "support/MeldungsRecorder.h"

// A project database with every table empty in a temporary folder, set as the
// program's project database; the current project is "H-1".
class HeizungsDatenbank : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A data object (not yet bound by Init).
    std::unique_ptr<GlobDatenHeizung> neu() const { return std::make_unique<GlobDatenHeizung>(); }
    // Runs a statement on the file over a connection of the test's own.
    void sql(const QString& text) const;
    // The first column of the first row of a query (invalid when there is none).
    QVariant wert(const QString& abfrage) const;
    // A field of the heating row of a project (invalid when the row does not exist).
    QVariant feld(const QString& name, const QString& projekt = QStringLiteral("H-1")) const;
    int zeilen() const;

    QTemporaryDir ordner;
    QString pfad;
    MeldungsRecorder meldungen;

private:
    QString m_verbindung;
};
