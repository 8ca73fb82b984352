#include "support/Hauptfensterweg.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "base/Programmzustand.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/Programmordner.h"

Hauptfensterweg::Hauptfensterweg() = default;

Hauptfensterweg::~Hauptfensterweg() = default;

void Hauptfensterweg::SetUp()
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

void Hauptfensterweg::TearDown()
{
    fenster.reset();
    Ereignisse();
}

void Hauptfensterweg::Ereignisse()
{
    for (int i = 0; i < 40; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

Seitenform* Hauptfensterweg::Aktuell() const
{
    return fenster->fenster(zustand().Status);
}

void Hauptfensterweg::Weiter()
{
    fenster->WeiterCommand->click();
    Ereignisse();
}

void Hauptfensterweg::Zurück()
{
    fenster->ZurückCommand->click();
    Ereignisse();
}

QString Hauptfensterweg::Buttons() const
{
    const MDIForm1& f = *fenster;
    auto an = [&f](QToolButton* b) { return b->isVisibleTo(f.LeisteuntenPicture) ? '1' : '0'; };
    return QString() + an(f.ExitCommand) + an(f.ZurückCommand) + an(f.WeiterCommand);
}

void Hauptfensterweg::Eingeben(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    Ereignisse();
}

bool Hauptfensterweg::NeuesProjekt(int knopf, const QString& nr)
{
    if (zustand().Status == 1)
        Weiter();
    else if (zustand().Status == 3)
        Zurück();
    auto* wahl = dynamic_cast<KelvorForm2*>(Aktuell());
    if (zustand().Status != 2 || !wahl)
        return false;
    wahl->HauptwahlCommand[static_cast<size_t>(knopf)]->click();
    Ereignisse();
    auto* projekt = dynamic_cast<KelvorForm3*>(Aktuell());
    if (!projekt)
        return false;
    QLineEdit* nummer = projekt->ProjektText[0];
    if (!nummer->isEnabled())
        fenster->Manlegen->trigger();
    nummer->clear();
    QTest::keyClicks(nummer, nr);
    QTest::keyClick(nummer, Qt::Key_Return);
    Ereignisse();
    if (zustand().aktProjektnummer != nr)
        return false;
    recorder.leeren();
    Weiter();
    return true;
}
