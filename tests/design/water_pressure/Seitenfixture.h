#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "design/water_pressure/forms/WasserEingabeseite.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

// The real main window on fixture databases (the demo article database for the valves), walked
// from the start page to the first page of a new drinking-water or pressure-boosting project.
class Seitenfixture : public ::testing::Test {
protected:
    static void Ereignisse()
    {
        for (int i = 0; i < 30; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
        fenster = std::make_unique<MDIForm1>(dir.path());
        db = std::make_unique<Datenobjektdatenbanken>(weitereSql);
        zustand().Artikel_Data_Source = dir.filePath(QStringLiteral("Daten/Artikeld.db"));
        fenster->show();
        Ereignisse();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }
    void TearDown() override
    {
        fenster.reset();
        Ereignisse();
        // A data object left open is released while its database is still there.
        zustand().g_trinkdat.reset();
        zustand().g_druckdat.reset();
    }

    // Type "Tr" (choice button 3) or "Dr" (2): the new project nr and its first page.
    template <class Seite>
    Seite* ZurSeite(int knopf, const QString& nr)
    {
        if (zustand().Status == 1)
            Weiter();
        if (zustand().Status != 2)
            return nullptr;
        auto* wahl = dynamic_cast<KelvorForm2*>(Aktuell());
        if (!wahl)
            return nullptr;
        wahl->HauptwahlCommand[static_cast<size_t>(knopf)]->click();
        Ereignisse();
        auto* projekt = dynamic_cast<KelvorForm3*>(Aktuell());
        if (!projekt)
            return nullptr;
        QLineEdit* nummer = projekt->ProjektText[0];
        if (!nummer->isEnabled())
            fenster->Manlegen->trigger();
        nummer->clear();
        QTest::keyClicks(nummer, nr);
        QTest::keyClick(nummer, Qt::Key_Return);
        Ereignisse();
        recorder.leeren();
        Weiter();
        return dynamic_cast<Seite*>(Aktuell());
    }
    Seitenform* Aktuell() const { return fenster->fenster(zustand().Status); }
    void Weiter()
    {
        fenster->WeiterCommand->click();
        Ereignisse();
    }
    void Zurück()
    {
        fenster->ZurückCommand->click();
        Ereignisse();
    }
    QString Buttons() const
    {
        const MDIForm1& f = *fenster;
        auto an = [&f](QToolButton* b) { return b->isVisibleTo(f.LeisteuntenPicture) ? '1' : '0'; };
        return QString() + an(f.ExitCommand) + an(f.ZurückCommand) + an(f.WeiterCommand);
    }
    // Types text into a box (replacing its text) and presses Enter.
    static void Eingeben(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        Ereignisse();
    }
    // The texts of the boxes and of the result labels.
    static QStringList Boxen(const WasserEingabeseite& s)
    {
        QStringList l;
        for (QLineEdit* b : s.Text1)
            l << b->text();
        return l;
    }
    static QStringList Ergebnisse(const WasserEingabeseite& s, std::initializer_list<int> labels)
    {
        QStringList l;
        for (int i : labels)
            l << s.Label5(i)->text();
        return l;
    }
    static bool Offen(const WasserEingabeseite& s)
    {
        for (QLineEdit* b : s.Text1)
            if (!b->isEnabled())
                return false;
        return true;
    }
    // Text id and values of each message shown (0 when the text is none of ids).
    QList<QPair<int, QStringList>> Meldungen(std::initializer_list<int> ids) const
    {
        QList<QPair<int, QStringList>> l;
        for (const MeldungsBox& b : recorder.boxen) {
            int id = 0;
            for (int i : ids)
                if (b.vorlage == LadeText(i) || b.vorlage == LadeText(i) + LadeText(3020))
                    id = i;
            l << qMakePair(id, b.werte);
        }
        return l;
    }

    QStringList weitereSql;  // rows of the project database, set before SetUp
    QTemporaryDir dir;
    MeldungsRecorder recorder;
    std::unique_ptr<MDIForm1> fenster;
    std::unique_ptr<Datenobjektdatenbanken> db;
};
