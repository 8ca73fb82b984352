#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <memory>

#include "base/Programmzustand.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form200.h"
#include "design/cooling/forms/Form201.h"
#include "design/heating_accessories/forms/Form105.h"
#include "design/selection/forms/Form102.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/MDIForm1.h"
#include "support/Hauptfensterweg.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

namespace {

class Kälteweg : public Hauptfensterweg {
protected:
    void TearDown() override
    {
        Hauptfensterweg::TearDown();
        if (zustand().g_kühldat)
            zustand().g_kühldat->m_TerminateMitUpdate = false;
        zustand().g_kühldat.reset();
    }
    QVariant Feld(const QString& spalte) const
    {
        return db->feld(QStringLiteral("Kälteparameter"), spalte, QStringLiteral("KW1"));
    }
};

}  // namespace

// A new cooling project through the real pages 200 to 203 to the project page: calculated,
// vessel chosen, safety valve and make-up designed, and written back as designed.
TEST_F(Kälteweg, NeuesProjektVon200Bis203UndZurProjektseite)
{
    ASSERT_TRUE(NeuesProjekt(1, QStringLiteral("KW1")));

    // 200: inputs and the calculation.
    auto* s200 = dynamic_cast<Form200*>(Aktuell());
    ASSERT_NE(s200, nullptr);
    for (const auto& [box, text] : {std::pair{0, "6"}, {1, "12"}, {2, "20"}, {3, "30"}})
        Eingeben(s200->Text1[static_cast<size_t>(box)], QString::fromUtf8(text));
    Eingeben(s200->Analagevolumen, QStringLiteral("1000"));
    s200->Command3->click();
    Ereignisse();
    ASSERT_TRUE(WeiterSichtbar());
    const GlobDatenKälte& k = *zustand().g_kühldat;
    EXPECT_TRUE(k.m_IstBerechnet.m_Value.toBool());
    const QStringList volumen = {s200->Label5[5]->text(), s200->Label5[7]->text()};

    // 201: the vessel page of the shared selection, group 2 chosen automatically; the volumes
    // as page 200 shows them.
    Weiter();
    ASSERT_EQ(zustand().Status, 201);
    auto* s201 = dynamic_cast<Form102*>(Aktuell());
    ASSERT_NE(s201, nullptr);
    EXPECT_EQ((QStringList{s201->Label4[0]->text(), s201->Label4[2]->text()}), volumen);
    EXPECT_FALSE(volumen.join(QString()).contains(QLatin1Char(',')));
    ASSERT_NO_FATAL_FAILURE(Gruppe(s201, QStringLiteral("2")));
    const QString gefäß = k.m_GefaessArtNr.m_Value.toString();
    EXPECT_FALSE(gefäß.trimmed().isEmpty());
    ASSERT_TRUE(WeiterSichtbar());

    // 202: safety valve, cap valve and the make-up unit.
    Weiter();
    ASSERT_EQ(zustand().Status, 202);
    auto* s202 = dynamic_cast<Form201*>(Aktuell());
    ASSERT_NE(s202, nullptr);
    EXPECT_EQ(k.m_Zub_SichVentil_ArtNr.m_Value.toString(), QStringLiteral("29495"));
    EXPECT_EQ(s202->Label5[0]->text(), QStringLiteral("Sicherheitsventil für Kälteanlagen"));
    EXPECT_EQ(s202->Label4[1]->text(), QStringLiteral("1"));
    s202->NachspeiseOpt[1]->click();
    EXPECT_EQ(k.m_Zub_Nachspeise_ArtNr.m_Value.toString(), QStringLiteral("23760"));
    EXPECT_FALSE(k.m_IstAusgelegt.m_Value.toBool());

    // 203: the further products; Weiter ends the type on the project page.
    Weiter();
    ASSERT_EQ(zustand().Status, 203);
    EXPECT_NE(dynamic_cast<Form105*>(Aktuell()), nullptr);
    Weiter();
    EXPECT_EQ(zustand().Status, 3);
    EXPECT_NE(dynamic_cast<KelvorForm3*>(Aktuell()), nullptr);
    EXPECT_EQ(zustand().g_kühldat, nullptr);
    EXPECT_EQ(Feld(QStringLiteral("IstAusgelegt")).toInt(), -1);
    EXPECT_EQ(Feld(QStringLiteral("IstBerechnet")).toInt(), -1);
    EXPECT_EQ(Feld(QStringLiteral("GefäßArtNr")).toString(), gefäß);
    EXPECT_EQ(fenster->menuBar()->activeAction(), fenster->MAusgabe->menuAction());
    EXPECT_TRUE(recorder.boxen.isEmpty()) << recorder.boxen.value(0).text.toStdString();
}
