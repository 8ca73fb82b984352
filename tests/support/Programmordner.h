#pragma once
#include <QTemporaryDir>

// Prepares a temporary program folder for a main-window test: fresh program state, no quit on the
// last closed window, and Daten/ with a copy of the demo article database.
// Check with ASSERT_NO_FATAL_FAILURE.
void BereiteProgrammordnerVor(const QTemporaryDir& dir);
