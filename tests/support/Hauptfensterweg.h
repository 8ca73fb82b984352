#pragma once
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
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
    bool WeiterSichtbar() const;
    // Types text into a box (replacing its text) and presses Enter.
    static void Eingeben(QLineEdit* box, const QString& text);
    // From the start page or the project page: the system type of choice button knopf, a new
    // project nr on the project page, Weiter to the type's first page. False when a step failed.
    bool NeuesProjekt(int knopf, const QString& nr);
    // The heating dialogs of page 101 answer for a small plant: one heat generator of 150 kW
    // with 40 l, consumers of 150 kW with the distribution pipes, 100 m of pipe in row 4.
    // geöffnet, when given, collects the dialogs' object names.
    static void HeizungsdialogeFüllen(QStringList* geöffnet = nullptr);
    // From page 100 to page 101, its three dialogs answered as above and the plant calculated.
    void HeizungBerechnen();
    // The content dialog of page 600 answers 120 l of pipes and 20 l of exchangers.
    static void SolarinhaltFüllen();
    // Clicks the visible group button nr on a vessel page.
    template <class Seite>
    void Gruppe(Seite* s, const QString& nr)
    {
        ASSERT_NE(s, nullptr);
        QPushButton* knopf = nullptr;
        for (QPushButton* b : s->Command1)
            if (b->isVisibleTo(s) && b->text() == nr)
                knopf = b;
        ASSERT_NE(knopf, nullptr) << nr.toStdString();
        knopf->click();
        Ereignisse();
    }

    QStringList weitereSql;  // rows of the project database, set before SetUp
    QString artikelSql;      // statements for the program folder's copy of the demo article database
    QTemporaryDir dir;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};
