#pragma once
#include <QString>
#include <QStringList>

// Creates a project database file with the program's password and the given tables of the real
// schema (empty); false when the build did not finish.
bool BaueParametertabellen(const QString& pfad, const QStringList& tabellen);
