#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

#include "ProjekteFixture.h"
#include "data/KonfliktDialog.h"
#include "projects/Datenbankkomprimierung.h"
#include "projects/forms/LadenArtDat.h"
#include "projects/forms/MDIKomprDbank.h"
#include "projects/forms/MDIReSich.h"
#include "projects/forms/MDIReSichMeld.h"
#include "base/Programmzustand.h"
#include "shell/forms/MDIForm1.h"
#include "support/Dialogwache.h"
#include "support/TransferProtokoll.h"

namespace {

// Answers each conflict through a function.
class Frage : public KonfliktDialog {
public:
    explicit Frage(std::function<int(const QString&)> f) : m_f(std::move(f)) {}
    int ShowFormular(const QString& nr) override { return m_f(nr); }

private:
    std::function<int(const QString&)> m_f;
};

struct FrageInstallation {
    explicit FrageInstallation(std::function<int(const QString&)> f)
    {
        setzeKonfliktDialogFabrik([f] { return std::make_unique<Frage>(f); });
    }
    ~FrageInstallation() { setzeKonfliktDialogFabrik({}); }
};

}  // namespace

TEST_F(Projekte, EinlesedialogArbeitetBeimErstenZeigenUndSchließtSichDann)
{
    dateiwahl.antwort = datei(QStringLiteral("S.sic"), zeilen(projektZeilen("A", "Dr") + projektZeilen("B", "Dr")
                                                               + projektZeilen("C", "Dr")));
    // Abbrechen by the button or by Esc, during the conflict question for B.
    const std::pair<const char*, std::function<void(MDIReSich&)>> wege[] = {
        {"Knopf", [](MDIReSich& d) { d.CancelButton->click(); }},
        {"Esc", [](MDIReSich& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& [name, abbrechen] : wege) {
        SCOPED_TRACE(name);
        db = ordner.filePath(QStringLiteral("Daten/%1.db").arg(QLatin1String(name)));
        BaueProjektdatenbank(db);
        zustand().Projekt_Data_Source = db;
        projekt(QStringLiteral("B"), QStringLiteral("Dr"));
        MDIReSich d;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Einlesen Projekte"));
        EXPECT_EQ(d.CancelButton->text(), QStringLiteral("Abbrechen"));
        EXPECT_TRUE(d.LabelInfo->text().isEmpty());
        EXPECT_TRUE(d.LabelProjNr->isHidden());

        bool geprüft = false;
        FrageInstallation frage([&](const QString& nr) {
            EXPECT_EQ(nr, QStringLiteral("B"));
            EXPECT_TRUE(d.InArbeit());
            EXPECT_EQ(d.LabelInfo->text(), QStringLiteral("Einsortieren des Projektes mit Nummer:"));
            EXPECT_FALSE(d.LabelProjNr->isHidden());
            EXPECT_EQ(d.LabelProjNr->text(), QStringLiteral("B"));
            EXPECT_FALSE(d.Animation1->isHidden());
            // Closing is refused while the work runs; Abbrechen stops the reading after this step.
            EXPECT_FALSE(d.close());
            abbrechen(d);
            EXPECT_TRUE(d.isVisible());
            geprüft = true;
            return int(KonfliktAntwort::Weiter);
        });
        d.show();
        QTRY_VERIFY(!d.isVisible());
        EXPECT_TRUE(geprüft);
        EXPECT_EQ(nummern(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        EXPECT_TRUE(d.LabelProjNr->isHidden());
        EXPECT_TRUE(d.Animation1->isHidden());
        EXPECT_FALSE(d.InArbeit());
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
        EXPECT_TRUE(tempDateien().isEmpty());
    }
}

TEST_F(Projekte, KonfliktdialogGibtDieAntwortSeinerTasteZurück)
{
    MDIReSichMeld d;
    d.Laden(QStringLiteral("2024-017"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Warnung"));
    EXPECT_EQ(d.Label1->text(), QStringLiteral("Projektnummer 2024-017 existiert schon !"));
    EXPECT_EQ(d.WeiterButton->text(), QStringLiteral("&Weiter"));
    EXPECT_EQ(d.ÜberschreibenButton->text(), QStringLiteral("&Überschreiben"));
    EXPECT_EQ(d.AlleÜberschreibenButton->text(), QStringLiteral("All&e Überschr."));
    EXPECT_EQ(d.CancelButton->text(), QStringLiteral("&Abbrechen"));
    EXPECT_TRUE(d.WeiterButton->isDefault());

    struct Fall {
        const char* name;
        std::function<void(MDIReSichMeld&)> handlung;
        int antwort;
    };
    const Fall fälle[] = {
        {"Weiter", [](MDIReSichMeld& m) { m.WeiterButton->click(); }, KonfliktAntwort::Weiter},
        {"Überschreiben", [](MDIReSichMeld& m) { m.ÜberschreibenButton->click(); }, KonfliktAntwort::Überschreiben},
        {"Alle überschreiben", [](MDIReSichMeld& m) { m.AlleÜberschreibenButton->click(); },
         KonfliktAntwort::AlleÜberschreiben},
        {"Abbrechen", [](MDIReSichMeld& m) { m.CancelButton->click(); }, KonfliktAntwort::Abbrechen},
        {"Enter", [](MDIReSichMeld& m) { QTest::keyClick(&m, Qt::Key_Return); }, KonfliktAntwort::Weiter},
        {"Esc", [](MDIReSichMeld& m) { QTest::keyClick(&m, Qt::Key_Escape); }, KonfliktAntwort::Abbrechen},
        {"Schließfeld", [](MDIReSichMeld& m) { m.close(); }, KonfliktAntwort::Abbrechen},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        MDIReSichMeld m;
        Dialogwache<MDIReSichMeld> wache([&](MDIReSichMeld* d) { f.handlung(*d); });
        EXPECT_EQ(m.ShowFormular(QStringLiteral("7")), f.antwort);
        EXPECT_FALSE(m.isVisible());
    }
}

namespace {

class Komprimierungsprobe : public Datenbankkomprimierung {
public:
    std::function<void()> währenddessen;

protected:
    bool Komprimieren(const QString& quelle, const QString& kopie) override
    {
        if (währenddessen)
            währenddessen();
        return Datenbankkomprimierung::Komprimieren(quelle, kopie);
    }
};

}  // namespace

TEST_F(Projekte, KomprimierdialogSchließtZweiSekundenNachDerArbeit)
{
    auto k = std::make_unique<Komprimierungsprobe>();
    Komprimierungsprobe* probe = k.get();
    MDIKomprDbank d(nullptr, std::move(k));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Datenbank komprimieren und reparieren"));
    bool gelaufen = false;
    probe->währenddessen = [&] {
        EXPECT_TRUE(d.InArbeit());
        EXPECT_FALSE(d.close());
        EXPECT_TRUE(d.isVisible());
        gelaufen = true;
    };
    d.show();
    QTRY_VERIFY(gelaufen && !d.InArbeit());
    EXPECT_TRUE(d.Komprimiert());
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.Timer1->isActive());
    EXPECT_EQ(d.Timer1->interval(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 4000);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}

TEST_F(Projekte, ArtikeldialogOhneDateiwahlSchließtSichOhneMeldung)
{
    LadenArtDat d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Neue Artikeldaten einlesen"));
    EXPECT_EQ(d.OKButton->text(), QStringLiteral("OK"));
    EXPECT_EQ(d.CancelButton->text(), QStringLiteral("Abbrechen"));
    d.show();
    QTRY_VERIFY(!d.isVisible());
    EXPECT_EQ(dateiwahl.anfragen.size(), 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}

TEST_F(Projekte, HauptfensterLiestProjekteImModalenRahmenEin)
{
    QApplication::setQuitOnLastWindowClosed(false);
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELVOR_ARTIKEL_DB), zustand().Artikel_Data_Source));
    dateiwahl.antwort = datei(QStringLiteral("S.sic"), zeilen(projektZeilen("A", "Dr")));
    MDIForm1 f(ordner.path());
    f.show();
    QApplication::processEvents();
    ASSERT_EQ(zustand().Projekt_Data_Source, db);
    QString knöpfeImDialog;
    FrageInstallation frage([](const QString&) { return int(KonfliktAntwort::Abbrechen); });
    QTimer::singleShot(0, [&] {
        knöpfeImDialog = QStringLiteral("%1%2%3").arg(f.istExitSichtbar()).arg(f.istZurückSichtbar()).arg(f.istWeiterSichtbar());
    });
    ASSERT_TRUE(f.Meinlesen->isEnabled());
    f.Meinlesen->trigger();
    EXPECT_EQ(knöpfeImDialog, QStringLiteral("000"));
    EXPECT_EQ(nummern(), QStringList{QStringLiteral("A")});
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << texte(meldungen);
}
