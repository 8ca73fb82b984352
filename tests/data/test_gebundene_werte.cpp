#include <gtest/gtest.h>

#include "data/DatenTestHilfen.h"
#include "data/conCheckBoxAdodb.h"
#include "data/conOptButtAdodb.h"
#include "data/conTextBoxAdodb.h"
#include "data/conValueAdodb.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"
#include "support/TestDatenbank.h"

namespace {

// A control without a widget: keeps text, caption and value.
struct TestControl : BoundControl {
    QString t;
    QString caption;
    int w = 0;
    QString text() const override { return t; }
    void setText(const QString& x) override { t = x; }
    void setCaption(const QString& x) override { caption = x; }
    int wert() const override { return w; }
    void setWert(int x) override { w = x; }
};

TestDatenbank parametertabelle()
{
    return TestDatenbank(
        {QStringLiteral("CREATE TABLE Heizungsparameter ([Projekt Nr] TEXT(50), Leistung SINGLE, Temp DOUBLE, "
                        "Anzahl SHORT, Name TEXT(20), [Beheizung direkt] BOOLEAN, [Beheizung indirekt] BOOLEAN, "
                        "[Beheizung sonst] BOOLEAN, Flag BOOLEAN, Bits SHORT, Datum DATETIME)"),
         QStringLiteral("INSERT INTO Heizungsparameter VALUES ('1', 12.5, NULL, 3, 'abc', 0, 0, 0, -1, 5, "
                        "'2024-05-06 00:00:00')")});
}

class GebundeneWerte : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        ASSERT_EQ(db.OpenTab(f.pfad(), QStringLiteral("Select * From Heizungsparameter"), 2,
                             Kennwort::Projektdatenbank, true), 0);
        rs = db.GetADODB_Recordset();
    }
    QVariant gespeichert(const QString& feld) const
    {
        return f.wert(QStringLiteral("SELECT [%1] FROM Heizungsparameter").arg(feld));
    }
    QList<MeldungsBox> eingabefehler() const { return boxenDerArt(rec, Meldungsart::Eingabefehler); }
    QList<MeldungsBox> datenbankfehler() const { return boxenDerArt(rec, Meldungsart::Datenbankfehler); }

    MeldungsRecorder rec;
    TestDatenbank f = parametertabelle();
    datenbank db;
    std::shared_ptr<Recordset> rs;
};

}  // namespace

TEST_F(GebundeneWerte, EingabepruefungMitGrenzen)
{
    const VbVariant keine = VbVariant::null();
    struct Fall {
        const char* eingabe;
        VbVariant min, max;
        bool ergebnis;
        double wert;
        const char* angezeigt;
        int text;  // message id, 0 for none
        QStringList werte;
    };
    const Fall faelle[] = {
        {"", keine, keine, true, 7.0, "0", 2250, {}},
        {"abc", VbVariant(10), keine, true, 7.0, "0", 2250, {}},
        {"5", keine, keine, false, 5.0, "5,0", 0, {}},
        {" 5,25 ", keine, keine, false, 5.25, "5,3", 0, {}},
        {"1.234,5", keine, keine, false, 1234.5, "1234,5", 0, {}},
        {"120", VbVariant(10), VbVariant(105), true, 105.0, "105,0", 2255, {"10", "105"}},
        {"5", VbVariant(10), VbVariant(105), true, 10.0, "10,0", 2255, {"10", "105"}},
        {"5", VbVariant(10), keine, true, 10.0, "10,0", 2254, {"10"}},
        {"200", keine, VbVariant(105), true, 105.0, "105,0", 2253, {"105"}},
        {"200", VbVariant(), VbVariant(105), true, 105.0, "105,0", 2253, {"105"}},
        {"10", VbVariant(10), VbVariant(105), false, 10.0, "10,0", 0, {}},
        {"105", VbVariant(10), VbVariant(105), false, 105.0, "105,0", 0, {}},
        {"0,2", VbVariant(0.5), keine, true, 0.5, "0,5", 2254, {"0,5"}},
        {"15", VbVariant(20), VbVariant(10), true, 10.0, "10,0", 2255, {"20", "10"}},
    };
    for (const Fall& fall : faelle) {
        rec.leeren();
        conTextBoxAdodb w;
        w.BindDatenbank(rs, QStringLiteral("Leistung"));
        w.m_Value = 7.0;
        auto c = std::make_shared<TestControl>();
        w.BindTextBox(c, QStringLiteral("#0.0"), fall.min, fall.max);
        c->t = QString::fromUtf8(fall.eingabe);
        const std::string name = fall.eingabe;
        EXPECT_EQ(w.TextBoxInGlobDaten(), fall.ergebnis) << name;
        EXPECT_EQ(w.m_Value, fall.wert) << name;
        EXPECT_EQ(c->t, QString::fromUtf8(fall.angezeigt)) << name;
        const auto b = eingabefehler();
        ASSERT_EQ(b.size(), fall.text ? 1 : 0) << name;
        if (fall.text) {
            EXPECT_EQ(b[0].vorlage, vorlage(fall.text)) << name;
            EXPECT_EQ(b[0].werte, fall.werte) << name;
        }
    }
}

TEST_F(GebundeneWerte, ErlaubteWerte)
{
    conTextBoxAdodb w;
    w.BindDatenbank(rs, QStringLiteral("Anzahl"));
    auto c = std::make_shared<TestControl>();
    w.BindTextBox(c, QStringLiteral("#0"), VbVariant::null(), VbVariant::null());
    w.m_Value = 1;
    c->t = QStringLiteral("4");
    EXPECT_TRUE(w.TextBoxInGlobDaten_TestElement({1, 2, 3}));
    auto b = eingabefehler();
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2252));
    EXPECT_EQ(b[0].werte, QStringList{QStringLiteral("   1   2   3")});
    EXPECT_EQ(w.m_Value, 1.0);
    EXPECT_EQ(c->t, QStringLiteral("4"));
    rec.leeren();
    c->t = QStringLiteral("x");
    EXPECT_TRUE(w.TextBoxInGlobDaten_TestElement({1, 2, 3}));
    b = eingabefehler();
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2250));
    EXPECT_EQ(c->t, QStringLiteral("x"));
    rec.leeren();
    c->t = QStringLiteral("2");
    EXPECT_FALSE(w.TextBoxInGlobDaten_TestElement({1, 2, 3}));
    EXPECT_EQ(w.m_Value, 2.0);
    EXPECT_TRUE(eingabefehler().isEmpty());
}

TEST_F(GebundeneWerte, ZweitesSteuerelement)
{
    conTextBoxAdodb w;
    w.BindDatenbank(rs, QStringLiteral("Leistung"));
    auto anzeige = std::make_shared<TestControl>();
    w.BindTextBox(anzeige, QStringLiteral("##0.00"), VbVariant(0), VbVariant(50));
    w.m_Value = 3.0;
    TestControl zweites;
    zweites.t = QStringLiteral("nix");
    EXPECT_TRUE(w.TextBox_N_InGlobDaten(zweites));
    EXPECT_EQ(zweites.t, QStringLiteral("3,00"));
    EXPECT_EQ(w.m_Value, 3.0);
    zweites.t = QStringLiteral("60");
    EXPECT_TRUE(w.TextBox_N_InGlobDaten(zweites));
    EXPECT_EQ(zweites.t, QStringLiteral("50,00"));
    EXPECT_EQ(anzeige->t, QStringLiteral("50,00"));
    zweites.t = QStringLiteral("4,5");
    EXPECT_FALSE(w.TextBox_N_InGlobDaten(zweites));
    EXPECT_EQ(anzeige->t, QStringLiteral("4,50"));
    // Labels show the caption; "#" shows 0 as nothing.
    w.BindTextBox(anzeige, QStringLiteral("#"), VbVariant::null(), VbVariant::null());
    w.m_Value = 0;
    w.GlobDatenInLabel();
    EXPECT_EQ(anzeige->caption, QString());
    w.m_Value = 12.5;
    w.GlobDatenInLabel_N(zweites);
    EXPECT_EQ(zweites.caption, QStringLiteral("13"));
}

TEST_F(GebundeneWerte, ZahlAusFeldUndZurueck)
{
    conTextBoxAdodb leistung, temp, name;
    leistung.BindDatenbank(rs, QStringLiteral("Leistung"));
    temp.BindDatenbank(rs, QStringLiteral("Temp"));
    name.BindDatenbank(rs, QStringLiteral("Name"));
    leistung.DatenBankInGlobDaten();
    EXPECT_EQ(leistung.m_Value, 12.5);
    temp.m_Value = 9;
    temp.DatenBankInGlobDaten();
    EXPECT_EQ(temp.m_Value, 0.0);
    EXPECT_TRUE(datenbankfehler().isEmpty());
    name.m_Value = 9;
    name.DatenBankInGlobDaten();
    EXPECT_EQ(name.m_Value, 0.0);
    auto b = datenbankfehler();
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2401, 2407));
    EXPECT_EQ(b[0].werte.mid(1), (QStringList{"Name", "Select * From Heizungsparameter", "5"}));

    // Writing: Single narrowed; a value that does not fit fails with code 6 and changes nothing.
    rec.leeren();
    leistung.m_Value = 0.1;
    leistung.GlobDatenInDatenBank();
    conTextBoxAdodb anzahl;
    anzahl.BindDatenbank(rs, QStringLiteral("Anzahl"));
    anzahl.m_Value = 40000;
    anzahl.GlobDatenInDatenBank();
    b = datenbankfehler();
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].vorlage, vorlage(2401, 2408));
    EXPECT_EQ(b[0].werte.mid(1), (QStringList{"Anzahl", "Select * From Heizungsparameter", "6"}));
    EXPECT_EQ(anzahl.m_Value, 40000.0);
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(gespeichert(QStringLiteral("Leistung")).toDouble(), static_cast<double>(0.1f));
    EXPECT_EQ(gespeichert(QStringLiteral("Anzahl")).toInt(), 3);
    // A field the recordset lacks.
    rec.leeren();
    conTextBoxAdodb fehlt;
    fehlt.BindDatenbank(rs, QStringLiteral("Fehlt"));
    fehlt.GlobDatenInDatenBank();
    fehlt.DatenBankInGlobDaten();
    b = datenbankfehler();
    ASSERT_EQ(b.size(), 2);
    EXPECT_EQ(b[0].werte.last(), QStringLiteral("6"));
    EXPECT_EQ(b[1].werte.last(), QStringLiteral("5"));
}

TEST_F(GebundeneWerte, UngebundenOderZweimalGebunden)
{
    conTextBoxAdodb frei;
    auto c = std::make_shared<TestControl>();
    frei.BindTextBox(c, QStringLiteral("#0.0"), VbVariant(10), VbVariant(20));
    frei.m_Value = 4;
    c->t = QStringLiteral("xyz");
    EXPECT_FALSE(frei.TextBoxInGlobDaten());
    EXPECT_FALSE(frei.TextBoxInGlobDaten_TestElement({1}));
    frei.GlobDatenInTextBox();
    frei.GlobDatenInLabel();
    frei.DatenBankInGlobDaten();
    frei.GlobDatenInDatenBank();
    EXPECT_EQ(c->t, QStringLiteral("xyz"));
    EXPECT_EQ(c->caption, QString());
    EXPECT_EQ(frei.m_Value, 4.0);
    EXPECT_TRUE(rec.boxen.isEmpty());
    EXPECT_FALSE(db.GetADODB_Recordset()->Modus() != Recordset::Editmodus::Keiner);

    conTextBoxAdodb w;
    w.BindDatenbank(rs, QStringLiteral("Leistung"));
    w.BindDatenbank(rs, QStringLiteral("Anzahl"));
    w.DatenBankInGlobDaten();
    EXPECT_EQ(w.m_Value, 12.5);
    conOptButtAdodb o;
    o.BindDatenbank(rs, {QStringLiteral("Beheizung direkt"), QStringLiteral("Beheizung indirekt")});
    o.BindDatenbank(rs, {QStringLiteral("Flag")});
    EXPECT_EQ(o.Felder().size(), 2);
    conValueAdodb v;
    v.BindDatenbank(rs, QStringLiteral("Name"));
    v.BindDatenbank(rs, QStringLiteral("Bits"));
    v.DatenBankInGlobDaten();
    EXPECT_EQ(v.m_Value, VbVariant("abc"));
}

TEST_F(GebundeneWerte, Optionsgruppe)
{
    const QStringList felder{QStringLiteral("Beheizung direkt"), QStringLiteral("Beheizung indirekt"),
                             QStringLiteral("Beheizung sonst")};
    const struct { const char* werte; int vorher; int gelesen; } faelle[] = {
        {"0, 0, 0", 0, 0}, {"0, 0, 0", 2, 2}, {"-1, -1, 0", 2, 0}, {"0, -1, -1", 0, 1},
        {"NULL, NULL, -1", 0, 2},
    };
    for (const auto& fall : faelle) {
        const QStringList w = QString::fromLatin1(fall.werte).split(QStringLiteral(", "));
        f.ausfuehren({QStringLiteral("UPDATE Heizungsparameter SET [Beheizung direkt] = %1, [Beheizung indirekt] = %2, "
                                     "[Beheizung sonst] = %3").arg(w[0], w[1], w[2])});
        ASSERT_EQ(db.NewSQL(QStringLiteral("Select * From Heizungsparameter"), false), 0);
        conOptButtAdodb o;
        o.BindDatenbank(rs, felder);
        o.m_Value = fall.vorher;
        o.DatenBankInGlobDaten();
        EXPECT_EQ(o.m_Value, fall.gelesen) << fall.werte;
        o.GlobDatenInDatenBank();
        EXPECT_TRUE(db.UpdateTab());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(gespeichert(felder[i]).toInt(), i == fall.gelesen ? -1 : 0) << fall.werte << " " << i;
    }
    EXPECT_TRUE(rec.boxen.isEmpty());

    conOptButtAdodb o;
    o.BindDatenbank(rs, felder);
    auto c = std::make_shared<TestControl>();
    o.BindOptionButton(c);
    o.ButtonInGlobDaten(2);
    EXPECT_EQ(o.m_Value, 2);
    o.GlobDatenInButton();
    EXPECT_EQ(c->w, 2);
    // An index outside the list writes nothing.
    o.m_Value = 3;
    o.GlobDatenInDatenBank();
    EXPECT_EQ(datenbankfehler().size(), 1);
    EXPECT_EQ(db.GetADODB_Recordset()->Modus(), Recordset::Editmodus::Keiner);
    // A read failure keeps the index; the remaining fields are not read.
    rec.leeren();
    conOptButtAdodb kaputt;
    kaputt.BindDatenbank(rs, {QStringLiteral("Fehlt"), QStringLiteral("Beheizung direkt")});
    kaputt.m_Value = 1;
    kaputt.DatenBankInGlobDaten();
    EXPECT_EQ(kaputt.m_Value, 1);
    const auto b = datenbankfehler();
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].werte[1], QStringLiteral("Fehlt"));
    EXPECT_EQ(b[0].vorlage, vorlage(2401, 2407));
}

TEST_F(GebundeneWerte, Kontrollkaestchen)
{
    conCheckBoxAdodb k;
    k.BindDatenbank(rs, QStringLiteral("Flag"));
    k.DatenBankInGlobDaten();
    EXPECT_TRUE(k.m_Value);
    auto c = std::make_shared<TestControl>();
    k.BindCheckBox(c);
    k.GlobDatenInCheckBox();
    EXPECT_EQ(c->w, 1);
    for (const auto& [zustand, erwartet] : {std::pair{0, false}, {1, true}, {2, true}}) {
        c->w = zustand;
        k.CheckBoxInGlobDaten();
        EXPECT_EQ(k.m_Value, erwartet) << zustand;
    }
    k.m_Value = false;
    k.GlobDatenInDatenBank();
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(gespeichert(QStringLiteral("Flag")).toInt(), 0);
    // Null reads False; a text that is no Boolean gives the read message and False.
    conCheckBoxAdodb n, t;
    n.BindDatenbank(rs, QStringLiteral("Temp"));
    n.m_Value = true;
    n.DatenBankInGlobDaten();
    EXPECT_FALSE(n.m_Value);
    t.BindDatenbank(rs, QStringLiteral("Name"));
    t.m_Value = true;
    t.DatenBankInGlobDaten();
    EXPECT_FALSE(t.m_Value);
    EXPECT_EQ(datenbankfehler().size(), 1);
}

TEST_F(GebundeneWerte, FreierWert)
{
    conValueAdodb name, temp, datum, anzahl;
    name.BindDatenbank(rs, QStringLiteral("Name"));
    temp.BindDatenbank(rs, QStringLiteral("Temp"));
    datum.BindDatenbank(rs, QStringLiteral("Datum"));
    anzahl.BindDatenbank(rs, QStringLiteral("Anzahl"));
    for (conValueAdodb* v : {&name, &temp, &datum, &anzahl})
        v->DatenBankInGlobDaten();
    EXPECT_EQ(name.m_Value.typ(), VbVariant::Typ::String);
    EXPECT_EQ(temp.m_Value.typ(), VbVariant::Typ::Empty);
    EXPECT_EQ(datum.m_Value.typ(), VbVariant::Typ::Date);
    EXPECT_EQ(anzahl.m_Value.typ(), VbVariant::Typ::Integer);
    name.SetFeld(VbVariant(" "));
    EXPECT_EQ(name.GetFeld(), VbVariant(" "));
    name.GlobDatenInDatenBank();
    temp.m_Value = VbVariant("2,5");
    temp.GlobDatenInDatenBank();
    EXPECT_TRUE(db.UpdateTab());
    EXPECT_EQ(gespeichert(QStringLiteral("Name")).toString(), QStringLiteral(" "));
    EXPECT_EQ(gespeichert(QStringLiteral("Temp")).toDouble(), 2.5);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST(Bits, SetzenLoeschenPruefen)
{
    const struct { VbVariant wert; int16_t maske; bool gesetzt; bool neu; VbVariant danach; } faelle[] = {
        {VbVariant(5), 4, true, true, VbVariant(5)},     {VbVariant(5), 2, false, true, VbVariant(7)},
        {VbVariant(7), 4, true, false, VbVariant(3)},    {VbVariant(3), 4, false, false, VbVariant(3)},
        {VbVariant(), 8, false, true, VbVariant(8)},     {VbVariant(), 8, false, false, VbVariant(0)},
        {VbVariant::integer(-32768), 128, false, true, VbVariant(-32640)},
        {VbVariant(255), 128, true, false, VbVariant(127)},
    };
    for (const auto& f : faelle) {
        conValueAdodb v;
        v.m_Value = f.wert;
        EXPECT_EQ(v.Bit(f.maske), f.gesetzt) << f.wert.toString().toStdString() << " & " << f.maske;
        v.Bit(f.maske, f.neu);
        EXPECT_EQ(v.m_Value, f.danach) << f.wert.toString().toStdString() << " & " << f.maske;
    }
}
