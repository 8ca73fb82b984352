#pragma once
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

class MDIForm1;
class Seitenform;

// The real main window on fixture databases and the demo article database, driven as a user
// would: the bottom buttons, typing into boxes, a new project of a type on the project page.
class Hauptfensterweg : public ::testing::Test {
protected:
    Hauptfensterweg();
    ~Hauptfensterweg() override;
    void SetUp() override;
    // Closes the main window; a derived fixture releases its type's data object after it.
    void TearDown() override;

    static void Ereignisse();
    Seitenform* Aktuell() const;
    void Weiter();
    void Zurück();
    // Exit, Zurück and Weiter as '1' (shown) or '0'.
    QString Buttons() const;
    // Types text into a box (replacing its text) and presses Enter.
    static void Eingeben(QLineEdit* box, const QString& text);
    // From the start page or the project page: the system type of choice button knopf, a new
    // project nr on the project page, Weiter to the type's first page. False when a step failed.
    bool NeuesProjekt(int knopf, const QString& nr);

    QStringList weitereSql;  // rows of the project database, set before SetUp
    QTemporaryDir dir;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};
