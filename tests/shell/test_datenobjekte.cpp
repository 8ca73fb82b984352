#include <gtest/gtest.h>

#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "base/AllgFunktionen.h"
#include "shell/Datenobjekte.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

namespace {

struct Typ {
    const char* projektart;
    const char* tabelle;
    std::function<std::shared_ptr<GlobDaten>()> halter;
};

const Typ Typen[] = {
    {"He", "Heizungsparameter", [] { return std::shared_ptr<GlobDaten>(zustand().g_heizdat); }},
    {"Kü", "Kälteparameter", [] { return std::shared_ptr<GlobDaten>(zustand().g_kühldat); }},
    {"Tr", "Trinkwasserparameter", [] { return std::shared_ptr<GlobDaten>(zustand().g_trinkdat); }},
    {"Dr", "Druckerhöhungparameter", [] { return std::shared_ptr<GlobDaten>(zustand().g_druckdat); }},
    {"Sp", "SpeicherWasserwärmerparameter", [] { return std::shared_ptr<GlobDaten>(zustand().g_speichdat); }},
    {"So", "Solarparameter", [] { return std::shared_ptr<GlobDaten>(zustand().g_solardat); }},
};

const int FrageStil = MsgStil::JaNein | MsgStil::Frage | MsgStil::ZweiteTasteStandard;

class Datenobjekte : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        db = std::make_unique<Datenobjektdatenbanken>();
        zustand().aktProjektnummer = QStringLiteral("7");
    }
    QVariant istBerechnet(const Typ& t)
    {
        return db->projekt().wert(
            QStringLiteral("SELECT IstBerechnet FROM [%1] WHERE [Projekt Nr] = '7'").arg(QString::fromUtf8(t.tabelle)));
    }
    MeldungsRecorder recorder;
    std::unique_ptr<Datenobjektdatenbanken> db;
};

}  // namespace

TEST_F(Datenobjekte, EachTypeOpensItsRowAndWritesBackOnRelease)
{
    for (const Typ& t : Typen) {
        SCOPED_TRACE(t.projektart);
        const Systemtyp* typ = SystemtypNachProjektart(QString::fromUtf8(t.projektart));
        ASSERT_NE(typ, nullptr);
        zustand().NeuAuslegungErforderlich = false;
        EXPECT_EQ(typ->Öffnen(), 0);
        const std::shared_ptr<GlobDaten> d = t.halter();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d, Datenobjekt(QString::fromUtf8(t.projektart)));
        EXPECT_EQ(d->Parametertabelle(), QString::fromUtf8(t.tabelle));
        for (const char* n : {"m_TerminateMitUpdate", "m_IstBerechnet", "m_IstAusgelegt", "DBTabArtikel", "Init",
                              "LoeschenDatensatzBeiTerminate"})
            EXPECT_TRUE(d->Member().hat(QString::fromLatin1(n))) << n;
        EXPECT_TRUE(zustand().NeuAuslegungErforderlich);  // no vessel chosen yet
        EXPECT_EQ(db->zeilen(QString::fromUtf8(t.tabelle), QStringLiteral("7")), 1);
        // Opened again: the held object is bound again.
        EXPECT_EQ(typ->Öffnen(), 0);
        EXPECT_EQ(t.halter(), d);
        d->schreibe(QStringLiteral("m_IstBerechnet"), VbVariant(true));
        typ->Schließen();
        EXPECT_EQ(t.halter(), nullptr);
        EXPECT_EQ(d.use_count(), 1);  // this test holds the last reference
    }
    for (const Typ& t : Typen)
        EXPECT_EQ(istBerechnet(t).toInt(), -1) << t.projektart;
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(Datenobjekte, DesignedProjectNeedsNoNewPreselection)
{
    db->projekt().ausfuehren({QStringLiteral("INSERT INTO Kälteparameter ([Projekt Nr], IstBerechnet, IstAusgelegt) VALUES ('7', -1, -1)")});
    zustand().NeuAuslegungErforderlich = false;
    EXPECT_EQ(KühldatenÖffnen(), 0);
    EXPECT_FALSE(zustand().NeuAuslegungErforderlich);
    KühldatenSchließen();
}

TEST_F(Datenobjekte, SaveQuestionDecidesTheWriteBack)
{
    struct Fall { const char* projektart; int tyvoModus; int antwort; bool gefragt; bool geschrieben; };
    const Fall fälle[] = {
        {"He", 0, MsgAntwort::Nein, true, false},
        {"He", 0, MsgAntwort::Ja, true, true},
        {"He", 1, MsgAntwort::Nein, false, true},  // heating never asks in host mode
        {"He", 2, MsgAntwort::Nein, false, true},
        {"Kü", 1, MsgAntwort::Nein, true, false},  // the other types ask in every mode
        {"Tr", 2, MsgAntwort::Ja, true, true},
        {"Dr", 0, MsgAntwort::Nein, true, false},
        {"Sp", 0, MsgAntwort::Nein, true, false},
        {"So", 2, MsgAntwort::Nein, true, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(std::string(f.projektart) + " mode " + std::to_string(f.tyvoModus));
        const Typ* t = nullptr;
        for (const Typ& x : Typen)
            if (QString::fromUtf8(x.projektart) == QString::fromUtf8(f.projektart))
                t = &x;
        db->projekt().ausfuehren({QStringLiteral("DELETE FROM [%1]").arg(QString::fromUtf8(t->tabelle))});
        const Systemtyp* typ = SystemtypNachProjektart(QString::fromUtf8(f.projektart));
        zustand().TyvoModus = f.tyvoModus;
        ASSERT_EQ(typ->Öffnen(), 0);
        t->halter()->m_IstBerechnet.m_Value = true;
        recorder.leeren();
        recorder.antworten.push_back(f.antwort);
        typ->SchließenMitAbfrage();
        EXPECT_EQ(t->halter(), nullptr);
        ASSERT_EQ(recorder.boxen.size(), f.gefragt ? 1 : 0);
        if (f.gefragt) {
            EXPECT_EQ(recorder.boxen[0].text, QStringLiteral("Sollen die aktuellen Daten in der Datenbank gespeichert werden ?"));
            EXPECT_EQ(recorder.boxen[0].titel, QStringLiteral("Achtung!"));
            EXPECT_EQ(recorder.boxen[0].stil, FrageStil);
        }
        EXPECT_EQ(istBerechnet(*t).toInt(), f.geschrieben ? -1 : 0);
    }
    // Nothing open: no question.
    recorder.leeren();
    zustand().TyvoModus = 0;
    HeizdatenSchließenMitAbfrage();
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(Datenobjekte, FailedOpenIsTriedAgainNextTime)
{
    db->projekt().ausfuehren({QStringLiteral("ALTER TABLE Solarparameter RENAME TO Solar_weg")});
    EXPECT_EQ(SolardatenÖffnen(), 2);
    EXPECT_EQ(zustand().g_solardat, nullptr);
    db->projekt().ausfuehren({QStringLiteral("ALTER TABLE Solar_weg RENAME TO Solarparameter")});
    EXPECT_EQ(SolardatenÖffnen(), 0);
    SolardatenSchließen();
    EXPECT_EQ(db->zeilen(QStringLiteral("Solarparameter"), QStringLiteral("7")), 1);
}

TEST(Systemtypen, PagesAndCodes)
{
    struct Fall { int status; const char* projektart; };
    const Fall fälle[] = {{100, "He"}, {105, "He"}, {203, "Kü"}, {300, "Tr"}, {402, "Dr"}, {501, "Sp"}, {603, "So"}};
    for (const Fall& f : fälle) {
        ASSERT_NE(SystemtypNachSeite(f.status), nullptr) << f.status;
        EXPECT_EQ(SystemtypNachSeite(f.status)->Projektart, QString::fromUtf8(f.projektart));
    }
    for (int s : {0, 1, 3, 99, 106, 204, 303, 403, 503, 604})
        EXPECT_EQ(SystemtypNachSeite(s), nullptr) << s;
    EXPECT_EQ(SystemtypNachProjektart(QStringLiteral(" ")), nullptr);
    EXPECT_EQ(Datenobjekt(QStringLiteral("Xy")), nullptr);
}
