#include <gtest/gtest.h>

#include <QLocale>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "data/datenbank.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/storage_heater/Wohnungsgruppen.h"
#include "design/storage_heater/Zapfstellen.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

namespace {

const QString Nr = QStringLiteral("W-1");

QString Zeile(int gruppe)
{
    return QStringLiteral("INSERT INTO SpeicherBedarfsKz ([Projekt Nr], WohnungsgruppenNr, Raumzahl, Belegungszahl, "
                          "AnzahlWohng, ArtAusstatt, NB1) VALUES ('%1', %2, '3', 2.7, 1, 'N', 1)")
        .arg(Nr)
        .arg(gruppe);
}

class Gruppenseite : public ::testing::Test {
protected:
    explicit Gruppenseite(const QStringList& zeilen = {}) : db(zeilen)
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        zustand().aktProjektnummer = Nr;
    }
    ~Gruppenseite() override { QLocale::setDefault(QLocale::c()); }
    int Zeilen() { return db.zeilen(QStringLiteral("SpeicherBedarfsKz"), Nr); }
    QVariant Wert(const char* feld, int gruppe)
    {
        return db.projekt().wert(QStringLiteral("SELECT [%1] FROM SpeicherBedarfsKz WHERE [Projekt Nr] = '%2' AND "
                                                "WohnungsgruppenNr = %3")
                                     .arg(QLatin1String(feld), Nr)
                                     .arg(gruppe));
    }
    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
};

class DreiGruppen : public Gruppenseite {
protected:
    DreiGruppen() : Gruppenseite({Zeile(1), Zeile(2), Zeile(7)}) {}
};

}  // namespace

TEST_F(Gruppenseite, ErsteZeileEinesLeerenProjekts)
{
    {
        Wohnungsgruppen g;
        ASSERT_EQ(g.Öffnungscode(), 0);
        EXPECT_EQ(g.m_LetzteGruppenNr, 1);
        EXPECT_EQ(g.Anzahl(), 1);
    }
    EXPECT_EQ(Zeilen(), 1);
    EXPECT_EQ(Wert("Raumzahl", 1).toString(), QStringLiteral("1"));
    EXPECT_FLOAT_EQ(Wert("Belegungszahl", 1).toFloat(), 2.0f);
    EXPECT_EQ(Wert("AnzahlWohng", 1).toInt(), 1);
    EXPECT_EQ(Wert("ArtAusstatt", 1).toString(), QStringLiteral("N"));
    for (const char* s : {"NB1", "WT", "SP"})
        EXPECT_EQ(Wert(s, 1).toInt(), 1) << s;
    EXPECT_EQ(Wert("BRN", 1).toInt(), 0);
    GlobDatenSpeicher d;
    ASSERT_EQ(d.Init(), 0);
    d.Rechnen_SpeicherWasserwärmer();
    EXPECT_DOUBLE_EQ(d.m_BedarfsKennz.m_Value.toDouble(), 0.6);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(DreiGruppen, EinfügenNummeriertWeiter)
{
    Wohnungsgruppen g;
    EXPECT_EQ(g.m_LetzteGruppenNr, 7);
    g.Einfügen();
    EXPECT_EQ(g.m_LetzteGruppenNr, 8);
    EXPECT_EQ(g.GetFeldAdodc(QStringLiteral("WohnungsgruppenNr")).toInteger(), 8);
    EXPECT_EQ(Wert("ArtAusstatt", 8).toString(), QStringLiteral("N"));
    // A typed group number becomes the counter.
    g.GeheZu(0);
    g.SchreibeZelle(QStringLiteral("WohnungsgruppenNr"), QStringLiteral("20"));
    g.Einfügen();
    EXPECT_EQ(Wert("Raumzahl", 21).toString(), QStringLiteral("1"));
    EXPECT_EQ(Zeilen(), 5);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(DreiGruppen, ZellenUndIhreGrenzen)
{
    Wohnungsgruppen g;
    g.GeheZu(1);  // group 2
    struct Fall {
        const char* feld;
        const char* eingabe;
        const char* spalte;
        double erwartet;
    };
    const Fall fälle[] = {
        {"Raumzahl", "4 1/2", "Belegungszahl", 3.9},
        {"Raumzahl", "8", "Belegungszahl", 2.0},  // not in the table
        {"Belegungszahl", "6", "Belegungszahl", 5.6},
        {"Belegungszahl", "1", "Belegungszahl", 2.0},
        {"Belegungszahl", "3,3", "Belegungszahl", 3.3},
        {"AnzahlWohng", "0", "AnzahlWohng", 1},
        {"AnzahlWohng", "900", "AnzahlWohng", 500},
        {"AnzahlWohng", "12", "AnzahlWohng", 12},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.feld << " " << f.eingabe);
        g.SchreibeZelle(QString::fromLatin1(f.feld), QString::fromUtf8(f.eingabe));
        EXPECT_NEAR(Wert(f.spalte, 2).toDouble(), f.erwartet, 1e-6);
    }
    // Equipment text <-> code; an unknown code shows "Normal".
    g.SchreibeZelle(QStringLiteral("ArtAusstatt"), QStringLiteral("Komfort"));
    EXPECT_EQ(Wert("ArtAusstatt", 2).toString(), QStringLiteral("K"));
    g.SchreibeZelle(QStringLiteral("ArtAusstatt"), QStringLiteral("irgendwas"));
    EXPECT_EQ(Wert("ArtAusstatt", 2).toString(), QStringLiteral("N"));
    EXPECT_EQ(Wohnungsgruppen::AusstattungText(QStringLiteral("x")), QStringLiteral("Normal"));
    EXPECT_EQ(Wohnungsgruppen::AusstattungText(QStringLiteral("I")), QStringLiteral("Individuell"));
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(DreiGruppen, AlleLöschenUndBerechnenGibtNull)
{
    {
        Wohnungsgruppen g;
        for (int i = 0; i < 3; ++i) {
            g.GeheZu(0);
            g.Löschen();
        }
        ASSERT_EQ(g.Anzahl(), 0);
        g.Löschen();  // nothing left: nothing happens
        GlobDatenSpeicher d;
        ASSERT_EQ(d.Init(), 0);
        d.m_BedarfsKennz.m_Value = VbVariant(3.0);
        EXPECT_TRUE(g.BerechnenOderVerändern(d));
        EXPECT_DOUBLE_EQ(d.m_BedarfsKennz.m_Value.toDouble(), 0.0);
        EXPECT_TRUE(d.m_IstBerechnet.m_Value.toBool());
        // Change: unlocked and the tank choice cleared.
        d.m_IstAusgelegt.m_Value = true;
        EXPECT_FALSE(g.BerechnenOderVerändern(d));
        EXPECT_FALSE(d.m_IstBerechnet.m_Value.toBool());
        EXPECT_FALSE(d.m_IstAusgelegt.m_Value.toBool());
    }
    EXPECT_EQ(Zeilen(), 0);
    Wohnungsgruppen neu;  // the next opening makes a fresh first row
    EXPECT_EQ(Zeilen(), 1);
    EXPECT_TRUE(rec.boxen.isEmpty());
}

TEST_F(DreiGruppen, FehlgeschlagenesSchreibenMeldetUndLässtDieZeile)
{
    Wohnungsgruppen g;
    g.GeheZu(0);
    g.SetFeldAdodc(QStringLiteral("GibtEsNicht"), VbVariant(1));
    g.SetFeldAdodc(QStringLiteral("Raumzahl"), QStringLiteral("zu lang für fünf"));
    ASSERT_EQ(rec.boxen.size(), 2);
    for (const MeldungsBox& b : rec.boxen) {
        EXPECT_EQ(b.art, Meldungsart::Datenbankfehler);
        EXPECT_TRUE(b.text.contains(LadeText(2408)));
    }
    EXPECT_EQ(Wert("Raumzahl", 1).toString(), QStringLiteral("3"));
    EXPECT_TRUE(g.GetFeldAdodc(QStringLiteral("GibtEsNicht")).isEmpty());
    EXPECT_EQ(rec.boxen.size(), 3);
}

namespace {

// The row as the dialogs see it, in memory.
class Speicherzeile : public Zeilenzugriff {
public:
    void SetFeldAdodc(const QString& feld, const VbVariant& wert) override { werte[feld] = wert; }
    VbVariant GetFeldAdodc(const QString& feld) override { return werte.value(feld); }
    QMap<QString, VbVariant> werte;
};

}  // namespace

TEST(Zapfstellen, ÖffnenSchreibtDieFesteAusstattung)
{
    using Zapfstellen::Dialog;
    Speicherzeile z;
    z.werte = {{"NB1", VbVariant(1.5f)}, {"BRN", VbVariant::integer(2)}, {"GB", VbVariant(1.0f)}, {"HT", VbVariant::integer(3)}};
    Speicherzeile normal = z, komfort = z, individuell = z;
    Zapfstellen::BeimÖffnen(Dialog::Normal, normal);
    Zapfstellen::BeimÖffnen(Dialog::Komfort, komfort);
    Zapfstellen::BeimÖffnen(Dialog::Individuell, individuell);
    for (const Zapfstellen::Art& a : Zapfstellen::Arten) {
        const QString s = QString::fromLatin1(a.spalte);
        const bool eins = s == "NB1" || s == "WT" || s == "SP";
        EXPECT_EQ(normal.werte.value(s).toDouble(), eins ? 1.0 : 0.0) << a.spalte;
        if (s == "NB1" || s == "BRN")
            EXPECT_EQ(komfort.werte.value(s), z.werte.value(s)) << a.spalte;
        else
            EXPECT_EQ(komfort.werte.value(s).toDouble(), s == "WT" || s == "SP" ? 1.0 : 0.0) << a.spalte;
    }
    EXPECT_EQ(individuell.werte, z.werte);
}

TEST(Zapfstellen, PrüfungDerEingaben)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MeldungsRecorder rec;
    using Zapfstellen::Dialog;
    struct Fall {
        int index;
        const char* text;
        bool abgelehnt;
    };
    const Fall fälle[] = {
        {0, "1,5", false}, {0, "9,5", false}, {0, "0", false}, {0, "3", false},
        {0, "0,5", true},  {0, "10", true},   {0, "2,3", true}, {0, "1.5", true},
        {0, "-1", true},   {0, " 1", true},   {0, "", true},
        {5, "3", false},   {5, "0", false},   {5, "12", true},  {5, "-1", true}, {5, "", true}, {5, "a", true},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.index << " '" << f.text << "'");
        Speicherzeile z;
        rec.leeren();
        EXPECT_EQ(Zapfstellen::Text1_Validate(Dialog::Individuell, f.index, QString::fromLatin1(f.text), z), f.abgelehnt);
        EXPECT_EQ(rec.boxen.size(), f.abgelehnt ? 1 : 0);
        EXPECT_EQ(z.werte.isEmpty(), f.abgelehnt);
        if (f.abgelehnt) {
            EXPECT_EQ(rec.boxen[0].art, Meldungsart::Eingabefehler);
            EXPECT_TRUE(rec.boxen[0].text.contains(f.index == 0 ? QStringLiteral("( 0 / 1 / 1,5 / 2 / 2,5 /  . . .  / 9,5 )")
                                                                : QStringLiteral("( 0 / 1 / 2 / 3 / . . .  / 9 )")));
        }
    }
    // Accepted values are written in the column's number; the comfort dialog never writes WT.
    Speicherzeile z;
    EXPECT_FALSE(Zapfstellen::Text1_Validate(Dialog::Individuell, 0, QStringLiteral("2,5"), z));
    EXPECT_FLOAT_EQ(z.werte.value(QStringLiteral("NB1")).toSingle(), 2.5f);
    EXPECT_FALSE(Zapfstellen::Text1_Validate(Dialog::Komfort, 9, QStringLiteral("4"), z));
    EXPECT_FALSE(z.werte.contains(QStringLiteral("WT")));
    QLocale::setDefault(QLocale::c());
}
