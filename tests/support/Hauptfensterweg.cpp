#include "support/Hauptfensterweg.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "base/Programmzustand.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Form101a.h"
#include "design/heating/forms/Form101b.h"
#include "design/heating/forms/Form101c.h"
#include "design/heating/forms/Heizungsformen.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form600a.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/KelvorForm2.h"
#include "shell/forms/MDIForm1.h"
#include "support/ArtikelFixture.h"
#include "support/Programmordner.h"

Hauptfensterweg::Hauptfensterweg() = default;

Hauptfensterweg::~Hauptfensterweg() = default;

void Hauptfensterweg::SetUp()
{
    ASSERT_NO_FATAL_FAILURE(BereiteProgrammordnerVor(dir));
    if (!artikelSql.isEmpty()) {
        ASSERT_TRUE(ArtikelFixture::Ändern(dir.filePath(QStringLiteral("Daten/Artikeld.db")), artikelSql));
    }
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

bool Hauptfensterweg::WeiterSichtbar() const
{
    return fenster->WeiterCommand->isVisibleTo(fenster->LeisteuntenPicture);
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

void Hauptfensterweg::HeizungsdialogeFüllen(QStringList* geöffnet)
{
    Heizungsformen::modalZeigen() = [geöffnet](QDialog& d) {
        if (geöffnet)
            *geöffnet << d.objectName();
        if (auto* a = dynamic_cast<Form101a*>(&d)) {
            a->Text1[1]->setText(QStringLiteral("150"));
            a->PrüfeLeistung(1);
            a->Text2[1]->setText(QStringLiteral("40"));
            a->PrüfeInhalt(1);
            a->Weiter();
        } else if (auto* b = dynamic_cast<Form101b*>(&d)) {
            b->Text1[0]->setText(QStringLiteral("150"));
            b->PrüfeLeistung(0);
            b->Fernleitungen();
            b->Weiter();
        } else if (auto* c = dynamic_cast<Form101c*>(&d)) {
            c->Text1[4]->setText(QStringLiteral("100"));
            c->PrüfeZeile(4);
            c->Weiter();
        }
    };
}

void Hauptfensterweg::HeizungBerechnen()
{
    Weiter();
    auto* s = dynamic_cast<Form101*>(Aktuell());
    ASSERT_NE(s, nullptr);
    HeizungsdialogeFüllen();
    s->Command1->click();
    s->Command2->click();
    s->Command3->click();
    Ereignisse();
}

void Hauptfensterweg::SolarinhaltFüllen()
{
    Form600::SetzeDialogÖffner([](QDialog& dialog) {
        auto* a = dynamic_cast<Form600a*>(&dialog);
        if (!a)
            return;
        for (auto [box, wert] : {std::pair{a->Rohrleitungsinhalt, "120"}, {a->InhaltSolarwärmetauscher, "20"}}) {
            box->setText(QString::fromLatin1(wert));
            bool Cancel = false;
            a->FormValidateControlElement(box->objectName(), VbVariant::null(), Cancel);
            EXPECT_FALSE(Cancel);
        }
        a->Weiter();
    });
}
