#include <QComboBox>
#include <QWidget>
#include <gtest/gtest.h>

#include "base/forms/BoundWidgets.h"
#include "base/AllocationComboBox.h"
#include "base/FormFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/WidgetFormFenster.h"

TEST(AllocationComboBox, WerteWaehlenDieErstePassendeZeile)
{
    QComboBox box;
    box.addItem(QStringLiteral("alt"));
    AllocationComboBox a;
    a.Initialisierung(Steuerelement(&box));
    EXPECT_EQ(box.count(), 0);
    a.AddItem(QStringLiteral("A"), 3);
    a.AddItem(QStringLiteral("B"), 5);
    a.AddItem(QStringLiteral("C"), 5);
    const struct { int16_t wert; const char* text; int16_t gelesen; } faelle[] = {
        {5, "B", 5}, {7, "A", 3}, {3, "A", 3},
    };
    for (const auto& f : faelle) {
        a.AktuellWertZuordnung(f.wert);
        EXPECT_EQ(box.currentText(), QString::fromLatin1(f.text)) << f.wert;
        EXPECT_EQ(a.AktuellWertZuordnung(), f.gelesen) << f.wert;
    }
    // The user chooses "C": Refresh makes "B" current (same value, first item).
    box.setCurrentIndex(2);
    a.Refresh();
    EXPECT_EQ(a.AktuellWertZuordnung(), 5);
    EXPECT_EQ(box.currentIndex(), 1);
    // Nothing chosen: the first item.
    box.setCurrentIndex(-1);
    a.Refresh();
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(a.AktuellWertZuordnung(), 3);
    // A new start keeps the value until the next choice; an empty list selects nothing.
    a.Initialisierung(Steuerelement(&box));
    EXPECT_EQ(a.AktuellWertZuordnung(), 3);
    a.AktuellWertZuordnung(9);
    a.Refresh();
    EXPECT_EQ(a.AktuellWertZuordnung(), 3);
}

namespace {

struct TestFenster : FormFenster {
    int32_t h = 6000, w = 9000, stil = 0x16CF0000;
    int32_t Height() const override { return h; }
    int32_t Width() const override { return w; }
    void SetHeight(int32_t t) override { h = t; }
    void SetWidth(int32_t t) override { w = t; }
    int32_t Fensterstil() const override { return stil; }
    void SetFensterstil(int32_t s) override { stil = s; }
};

}  // namespace

TEST(FormFunktionen, VersteckenUndZeigen)
{
    zustandZuruecksetzen();
    const struct { int32_t stil; } faelle[] = {{0x16CF0000}, {0x16C80000}, {0x06000000}};
    for (const auto& f : faelle) {
        auto fenster = std::make_shared<TestFenster>();
        fenster->stil = f.stil;
        FormFunktionen ff;
        ff.FormSichtbar();  // not hidden: nothing
        ff.Initialisierung(fenster);
        EXPECT_EQ(zustand().AktFormFunktionen, &ff);
        ff.FormUnsichtbar();
        EXPECT_EQ(fenster->h, 0);
        EXPECT_EQ(fenster->w, 0);
        EXPECT_EQ(fenster->stil, f.stil & static_cast<int32_t>(0xFF3BFFFF));
        // A second hide keeps the first saved size and style.
        ff.FormUnsichtbar();
        ff.FormSichtbar();
        EXPECT_EQ(fenster->h, 6000);
        EXPECT_EQ(fenster->w, 9000);
        EXPECT_EQ(fenster->stil, f.stil);
        EXPECT_FALSE(ff.Versteckt());
    }
    // An object that ends leaves no dangling page hiding behind.
    EXPECT_EQ(zustand().AktFormFunktionen, nullptr);
}

TEST(FormFunktionen, SeitenWidget)
{
    zustandZuruecksetzen();
    QWidget eltern;
    QWidget seite(&eltern);
    seite.resize(600, 400);
    ASSERT_FALSE(seite.isHidden());
    auto fenster = Formfenster(&seite);
    EXPECT_EQ(fenster->Height(), 6000);
    EXPECT_EQ(fenster->Width(), 9000);
    FormFunktionen ff;
    ff.Initialisierung(fenster);
    ff.FormUnsichtbar();
    EXPECT_TRUE(seite.isHidden());
    // The message routine shows the page before a box.
    zustand().AktFormFunktionen->FormSichtbar();
    EXPECT_FALSE(seite.isHidden());
    EXPECT_EQ(seite.size(), QSize(600, 400));
    EXPECT_EQ(fenster->Fensterstil(), FormFenster::WS_THICKFRAME);
}
