#include "Seitenfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Heizungsformen.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

Testhauptfenster::Testhauptfenster()
{
    fenster.resize(800, 560);
    setzeHauptfenster(this);
}

Testhauptfenster::~Testhauptfenster()
{
    setzeHauptfenster(nullptr);
}

void Testhauptfenster::Kommando(int a1, int a2, int a3)
{
    knöpfe = QString() + (a1 == 1 ? '1' : '0') + (a2 == 1 ? '1' : '0') + (a3 == 1 ? '1' : '0');
}

void Testhauptfenster::ResetVisibleKommandoButtons(int a1, int a2, int a3)
{
    if (a1 == 1)
        knöpfe[0] = '0';
    if (a2 == 1)
        knöpfe[1] = '0';
    if (a3 == 1)
        knöpfe[2] = '0';
}

void Testhauptfenster::AutomatischerBilderwechselWennErforderlich()
{
    if (FormUnsichtbarErforderlichUndMöglich())
        seitenmanager(1);
}

bool Testhauptfenster::FormUnsichtbarErforderlichUndMöglich()
{
    return zustand().Automatiklauf && !zustand().Meldungsflag;
}

void Testhauptfenster::SetzeStatusPanelText(int panel, const QString& text)
{
    if (panel == 1)
        panel1 = text;
}

void Heizungsseiten::SetUp()
{
    HeizungsDatenbank::SetUp();
    zustand().Datenpfad = ordner.path();
    haupt = std::make_unique<Testhauptfenster>();
    haupt->fenster.show();
    setzeTyvoAnbindung(&austausch);
    auto g = std::make_shared<GlobDatenHeizung>();
    ASSERT_EQ(g->Init(), 0);
    zustand().g_heizdat = g;
}

void Heizungsseiten::TearDown()
{
    Heizungsformen::modalZeigen() = [](QDialog& d) { d.exec(); };
    haupt.reset();
    Ereignisse();
    zustand().g_heizdat.reset();
    setzeTyvoAnbindung(nullptr);
    HeizungsDatenbank::TearDown();
}

void Heizungsseiten::Ereignisse()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Heizungsseiten::BeimDialog(std::function<void(QDialog&)> f)
{
    Heizungsformen::modalZeigen() = std::move(f);
}

QList<int> Heizungsseiten::Meldungsnummern() const
{
    QList<int> ids;
    for (const MeldungsBox& b : meldungen.boxen) {
        int id = 0;
        for (int k : {2250, 2253, 2254, 2255, 2256, 2257, 2259, 2260, 2306})
            if (b.vorlage == LadeText(k))
                id = k;
        ids << id;
    }
    return ids;
}

void Heizungsseiten::Eingabe(QLineEdit* feld, const QString& text)
{
    feld->setFocus();
    feld->setText(text);
    QTest::keyClick(feld, Qt::Key_Return);
}
