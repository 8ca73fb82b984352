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
#include "support/Hauptfensterweg.h"
#include "support/QStringAusgabe.h"

// The real main window on fixture databases (the demo article database for the valves), walked
// from the start page to the first page of a new drinking-water or pressure-boosting project.
class Seitenfixture : public Hauptfensterweg {
protected:
    void TearDown() override
    {
        Hauptfensterweg::TearDown();
        // A data object left open is released while its database is still there.
        zustand().g_trinkdat.reset();
        zustand().g_druckdat.reset();
    }

    // Type "Tr" (choice button 3) or "Dr" (2): the new project nr and its first page.
    template <class Seite>
    Seite* ZurSeite(int knopf, const QString& nr)
    {
        return NeuesProjekt(knopf, nr) ? dynamic_cast<Seite*>(Aktuell()) : nullptr;
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
    // Text typed into box i (the page changed first when it is calculated), the box entered
    // again and left with Tab unchanged, then calculated: the text of result label l.
    static QString GetipptGerechnet(WasserEingabeseite& s, size_t i, const QString& text, int l)
    {
        QLineEdit* box = s.Text1[i];
        if (!box->isEnabled())
            s.Command3->click();
        Eingeben(box, text);
        box->setFocus();
        Ereignisse();
        QTest::keyClick(box, Qt::Key_Tab);
        Ereignisse();
        s.Command3->click();
        Ereignisse();
        return s.Label5(l)->text();
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
};
