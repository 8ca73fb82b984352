#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "design/storage_heater/forms/Form500.h"
#include "support/MeldungsRecorder.h"
#include "support/Testhauptfenster.h"

TEST(Form500, TexteHinweisUndWohnbauten)
{
    MeldungsRecorder rec;
    Testhauptfenster fenster;
    zustand().ErrorCancel = true;  // a cancelled database message earlier
    Form500 seite;
    seite.Show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(zustand().ErrorCancel);
    EXPECT_EQ(seite.Label1->text(), LadeText(940));
    EXPECT_EQ(seite.WohnbautenButton->text(), QStringLiteral("&Wohnbauten"));
    EXPECT_EQ(seite.GewerbeButton->text(), QStringLiteral("&gewerbliche Nutzung"));
    EXPECT_TRUE(seite.Label2->text().contains(QStringLiteral("DIN 4708")));
    EXPECT_FALSE(seite.Image2->pixmap().isNull());

    // The notice each time, nothing else; the page stays.
    for (int i = 0; i < 3; ++i)
        seite.GewerbeButton->click();
    ASSERT_EQ(rec.boxen.size(), 3);
    for (const MeldungsBox& b : rec.boxen) {
        EXPECT_EQ(b.art, Meldungsart::Information);
        EXPECT_EQ(b.text, QStringLiteral("Berechnungsprogramm in Vorbereitung"));
    }
    EXPECT_EQ(fenster.wohnbauten, 0);
    seite.WohnbautenButton->click();
    EXPECT_EQ(fenster.wohnbauten, 1);
    seite.Unload();
}
