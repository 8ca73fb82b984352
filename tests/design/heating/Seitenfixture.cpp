#include "Seitenfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "design/heating/GlobDatenHeizung.h"
#include "design/heating/forms/Heizungsformen.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

void Heizungsseiten::SetUp()
{
    HeizungsDatenbank::SetUp();
    zustand().Datenpfad = ordner.path();
    haupt = std::make_unique<Testhauptfenster>();
    haupt->seitenbereich.show();
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
