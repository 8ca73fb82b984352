#pragma once
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "base/Programmzustand.h"
#include "base/forms/Auswahlgitter.h"
#include "design/cooling/forms/Form200.h"
#include "design/heating/forms/Form101.h"
#include "design/heating/forms/Heizungsformen.h"
#include "design/heating_accessories/Entlueftungsdialog.h"
#include "design/heating_accessories/forms/Form105.h"
#include "design/heating_accessories/forms/Form105b.h"
#include "design/selection/forms/Form102.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form601.h"
#include "design/solar/forms/Form603.h"
#include "design/storage_heater/forms/Form500.h"
#include "design/storage_heater/forms/Form501.h"
#include "design/storage_heater/forms/Form502.h"
#include "design/water_pressure/forms/Form300.h"
#include "design/water_pressure/forms/Form301.h"
#include "design/water_pressure/forms/Form400.h"
#include "output/reports/forms/DruckausgabeArt.h"
#include "shell/forms/MDIForm1.h"
#include "support/Hauptfensterweg.h"
#include "support/ModalSchliesser.h"

// A project of every system type designed through the real pages on the demo article database,
// with the symbol library in the program folder. Angekommen() is called on every page of the
// design as it opens and again once its calculation has locked it.
class Anlagenweg : public Hauptfensterweg {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Hauptfensterweg::SetUp());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("DXF")));
        const QDir quelle(QStringLiteral(KELVOR_SOURCE_DIR "/resources/dxf"));
        for (const QString& n : quelle.entryList({QStringLiteral("*.dxf")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(quelle.filePath(n), dir.filePath(QStringLiteral("DXF/") + n)));
    }
    void TearDown() override
    {
        Heizungsformen::modalZeigen() = [](QDialog& d) { d.exec(); };
        Form600::SetzeDialogÖffner({});
        setzeEntlüftungsDialog(&Entlüftungsfenster());
        Hauptfensterweg::TearDown();
        Programmzustand& z = zustand();
        z.g_heizdat.reset();
        z.g_kühldat.reset();
        z.g_trinkdat.reset();
        z.g_druckdat.reset();
        z.g_speichdat.reset();
        z.g_solardat.reset();
    }
    // The page in front: once as it opens (gesperrt false), once calculated and locked.
    virtual void Angekommen(bool gesperrt) { (void)gesperrt; }
    // A dialog of a page, before the walk answers it.
    virtual void DialogAnsehen(QDialog& d) { (void)d; }
    // A shown window looked at as it stands (wo names the moment).
    virtual void Angesehen(QWidget& w, const QString& wo)
    {
        (void)w;
        (void)wo;
    }

    // No message box came up since the last step.
    void KeineMeldung(const char* schritt)
    {
        EXPECT_TRUE(recorder.boxen.isEmpty()) << schritt << ": " << Meldungen().toStdString();
        recorder.leeren();
    }
    QString Meldungen() const
    {
        QStringList l;
        for (const MeldungsBox& b : recorder.boxen)
            l << b.text;
        return l.join(QStringLiteral(" | "));
    }
    // Weiter until the project page (at most a few pages).
    void BisZurProjektseite()
    {
        for (int i = 0; i < 6 && zustand().Status != 3; ++i) {
            Weiter();
            if (zustand().Status != 3)
                Angekommen(false);
        }
        ASSERT_EQ(zustand().Status, 3);
        ASSERT_TRUE(fenster->MAusgabe->menuAction()->isEnabled());
    }

    // Weiter to the further-products page; the central dirt separator and a venting article of
    // the centrifugal separators chosen there.
    void WeitereProdukte()
    {
        for (int i = 0; i < 5 && !dynamic_cast<Form105*>(Aktuell()); ++i) {
            Weiter();
            Angekommen(false);
        }
        auto* s = dynamic_cast<Form105*>(Aktuell());
        ASSERT_NE(s, nullptr);
        s->Option1[1]->click();
        Ereignisse();
        ASSERT_TRUE(s->Option1[1]->isChecked());
        struct Dialoge : Form105::Dialoge {
            explicit Dialoge(Anlagenweg& w) : weg(w) {}
            void Entlüftung(int16_t familie) override { weg.entlüftung.Zeige(familie); }
            Anlagenweg& weg;
        };
        s->SetzeDialoge(std::make_unique<Dialoge>(*this));
        ASSERT_NO_FATAL_FAILURE(Entlüftungsknopf(s->Command2[1]));
    }

    // The venting button of a page: the dialog comes up, the user clicks the first listed article,
    // types a quantity and leaves with Weiter.
    void Entlüftungsknopf(QAbstractButton* knopf)
    {
        entlüftung.gewählt.clear();
        knopf->click();
        Ereignisse();
        ASSERT_EQ(entlüftung.gewählt.size(), 2) << "no venting article chosen";
    }

    // The venting dialog a page opens, shown without a window loop of its own (as the heating
    // dialogs are) and answered as a user would; looked at first.
    class Entlüftungswahl : public Entlüftungsdialog {
    public:
        explicit Entlüftungswahl(Anlagenweg& w) : weg(w) {}
        void Zeige(int16_t familie) override
        {
            Form105b b(familie);
            b.Laden();
            weg.DialogAnsehen(b);
            b.show();
            b.activateWindow();
            if (!QTest::qWaitForWindowActive(&b) || !b.listeGeladen() || b.DataGrid1->model()->rowCount() == 0)
                return;
            QTest::mouseClick(b.Text3[1], Qt::LeftButton);
            Auswahlgitter* g = b.DataGrid1;
            const auto mitte = [g](int r) { return QPoint(40, g->rowViewportPosition(r) + g->rowHeight(r) / 2); };
            // The pointer over the last row: that row is current and in the type box.
            b.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&b));
            const int letzte = g->model()->rowCount() - 1;
            // (through the dialog's window: the main window lies under the same screen point; the
            // first move enters the window)
            QTest::mouseMove(b.windowHandle(), g->viewport()->mapTo(&b, mitte(0)));
            QTest::mouseMove(b.windowHandle(), g->viewport()->mapTo(&b, mitte(letzte)));
            EXPECT_EQ(b.Text2[1]->text(), g->model()->index(letzte, 0).data().toString());
            weg.Angesehen(b, QStringLiteral("Form105b pointer over the last row"));
            // Click the first row, type the quantity, Tab on: the row is stored.
            QTest::mouseMove(g->viewport(), mitte(0));
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, mitte(0));
            b.Text3[1]->selectAll();
            QTest::keyClicks(b.Text3[1], QStringLiteral("2"));
            QTest::keyClick(b.Text3[1], Qt::Key_Tab);
            EXPECT_FALSE(b.Text3[1]->hasFocus());
            weg.Angesehen(b, QStringLiteral("Form105b quantity typed, Tab"));
            QTest::mouseClick(b.WeiterCommand, Qt::LeftButton);
            Ereignisse();
            if (!b.isVisible())
                gewählt = {b.Text2[1]->text(), g->model()->index(0, 1).data().toString()};
        }
        Anlagenweg& weg;
        QStringList gewählt;  // the article chosen last: number and short text
    };
    Entlüftungswahl entlüftung{*this};

    // The page's calculation button, then group nr on the vessel page that follows.
    template <class Gefäßseite>
    void RechnenUndGruppe(QAbstractButton* rechnen, const char* nr)
    {
        rechnen->click();
        Ereignisse();
        Angekommen(true);
        Weiter();
        Angekommen(false);
        ASSERT_NO_FATAL_FAILURE(Gruppe(dynamic_cast<Gefäßseite*>(Aktuell()), QString::fromLatin1(nr)));
        Angekommen(true);
    }

public:
    // The design of each type, from its first page.
    void Heizung()
    {
        Angekommen(false);
        Weiter();
        Angekommen(false);
        auto* s = dynamic_cast<Form101*>(Aktuell());
        ASSERT_NE(s, nullptr);
        HeizungsdialogeFüllen();
        // Each dialog is looked at before it is answered.
        Heizungsformen::modalZeigen() = [this, füllen = Heizungsformen::modalZeigen()](QDialog& d) {
            DialogAnsehen(d);
            füllen(d);
        };
        s->Command1->click();
        s->Command2->click();
        RechnenUndGruppe<Form102>(s->Command3, "2");
        ASSERT_NO_FATAL_FAILURE(WeitereProdukte());
    }
    void Kälte()
    {
        auto* s = dynamic_cast<Form200*>(Aktuell());
        ASSERT_NE(s, nullptr);
        Angekommen(false);
        for (const auto& [box, text] : {std::pair{0, "6"}, {1, "12"}, {2, "20"}, {3, "30"}})
            Eingeben(s->Text1[static_cast<size_t>(box)], QString::fromUtf8(text));
        Eingeben(s->Analagevolumen, QStringLiteral("1000"));
        RechnenUndGruppe<Form102>(s->Command3, "2");
        ASSERT_NO_FATAL_FAILURE(WeitereProdukte());
    }
    void Trinkwasser()
    {
        auto* s = dynamic_cast<Form300*>(Aktuell());
        ASSERT_NE(s, nullptr);
        Angekommen(false);
        RechnenUndGruppe<Form301>(s->Command3, "17");
    }
    void Druckerhöhung()
    {
        auto* s = dynamic_cast<Form400*>(Aktuell());
        ASSERT_NE(s, nullptr);
        Angekommen(false);
        RechnenUndGruppe<Form301>(s->Command3, "15");
    }
    void Speicher()
    {
        auto* s500 = dynamic_cast<Form500*>(Aktuell());
        ASSERT_NE(s500, nullptr);
        Angekommen(false);
        s500->WohnbautenButton->click();
        Ereignisse();
        auto* s501 = dynamic_cast<Form501*>(Aktuell());
        ASSERT_NE(s501, nullptr);
        Angekommen(false);
        s501->Command3->click();
        Ereignisse();
        Angekommen(true);
        Weiter();
        auto* s502 = dynamic_cast<Form502*>(Aktuell());
        ASSERT_NE(s502, nullptr);
        Angekommen(false);
        s502->Command1[0]->click();
        Ereignisse();
        Angekommen(true);
    }
    void Solar()
    {
        auto* s = dynamic_cast<Form600*>(Aktuell());
        ASSERT_NE(s, nullptr);
        Angekommen(false);
        Eingeben(s->Absorberfläche, QStringLiteral("10"));
        SolarinhaltFüllen();
        s->Command2->click();
        Ereignisse();
        RechnenUndGruppe<Form601>(s->Command3, "21");
        // Further products: the air separators.
        for (int i = 0; i < 3 && !dynamic_cast<Form603*>(Aktuell()); ++i) {
            Weiter();
            Angekommen(false);
        }
        auto* s603 = dynamic_cast<Form603*>(Aktuell());
        ASSERT_NE(s603, nullptr);
        setzeEntlüftungsDialog(&entlüftung);
        ASSERT_NO_FATAL_FAILURE(Entlüftungsknopf(s603->Command2));
    }

protected:
    // Runs a menu command; modal dialogs that come up are answered by antwort and noted.
    QStringList Befehl(QAction* punkt, const std::function<void(QWidget*)>& antwort = {})
    {
        ModalSchliesser schliesser(antwort);
        punkt->trigger();
        Ereignisse();
        return schliesser.geöffnet;
    }
    static void Preise(QWidget* w)
    {
        if (auto* d = dynamic_cast<DruckausgabeArt*>(w))
            QTimer::singleShot(0, d, [d] { d->Preisanzeige[1]->click(); });
    }

    struct Typ {
        const char* art;
        int knopf;  // choice button on the start page
        const char* nr;
        void (Anlagenweg::*auslegen)();
        bool schema;  // has a schematic
    };
    static constexpr Typ Typen[] = {
        {"He", 0, "A1", &Anlagenweg::Heizung, true},
        {"Kü", 1, "A2", &Anlagenweg::Kälte, true},
        {"Tr", 3, "A3", &Anlagenweg::Trinkwasser, true},
        {"Dr", 2, "A4", &Anlagenweg::Druckerhöhung, true},
        {"Sp", 4, "A5", &Anlagenweg::Speicher, false},
        {"So", 5, "A6", &Anlagenweg::Solar, true},
    };
};
