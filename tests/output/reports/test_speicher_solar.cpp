#include <gtest/gtest.h>

#include <QRegularExpression>

#include "SpeicherSolarFixture.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zeichenflaeche.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "output/reports/Drucken.h"
#include "output/reports/Berichtsnamen.h"
#include "support/QStringAusgabe.h"

// Texts in failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& s)
{
    return os << s.toStdString();
}

namespace {

QList<Memberwert> mit(QList<Memberwert> basis, const QList<Memberwert>& änderungen)
{
    return basis + änderungen;
}

QString nachricht(const QList<MeldungsBox>& boxen)
{
    QStringList t;
    for (const MeldungsBox& b : boxen)
        t << QStringLiteral("[%1] %2").arg(b.art).arg(b.text);
    return t.join(QLatin1Char('\n'));
}

// --- The names the reports read ---

TEST_F(SpeicherSolarFixture, JederGeleseneNameGibtEsAufDenDatenklassen)
{
    using A = MemberRegister::Art;
    auto art = [](const QString& n) {
        if (n == QStringLiteral("DBTabArtikel"))
            return A::Objekt;
        return n.endsWith(QStringLiteral("_m_value")) ? A::Indiziert : A::Wert;
    };
    GlobDatenSpeicher speicher;
    for (const QString& n : Berichtsnamen::Speicher()) {
        ASSERT_TRUE(speicher.Member().hat(n)) << n;
        EXPECT_EQ(speicher.Member().art(n), art(n)) << n;
    }
    GlobDatenSolar solar;
    for (const QString& n : Berichtsnamen::Solar()) {
        ASSERT_TRUE(solar.Member().hat(n)) << n;
        EXPECT_EQ(solar.Member().art(n), art(n)) << n;
    }
    // The output menu offers the reports of both types.
    EXPECT_TRUE(Drucken::HatBericht(QStringLiteral("Sp")));
    EXPECT_TRUE(Drucken::HatBericht(QStringLiteral("So")));
}

// --- Clipboard texts ---

TEST_F(SpeicherSolarFixture, GoldeneTexteInDerZwischenablage)
{
    struct Fall {
        const char* art;
        QList<Memberwert> werte;
        bool berechnet;
        int preise;
        const char* datei;
    };
    const QList<Fall> fälle{
        // N = 12 printed as 12,0; two tanks of one article in one line and one position.
        {"Sp", Speicher(), true, 1, "speicher_preise.txt"},
        // Nothing of the inputs without N.
        {"Sp", Speicher(), false, 2, "speicher_nicht_berechnet.txt"},
        // Collector content 6 l, vapour volume 7,5 l, reserve ,50 l; cap valves, intermediate
        // vessel and two air separators.
        {"So", Solar(), true, 1, "solar_preise.txt"},
        // Suction side; no cap valves, no intermediate vessel, no air separator: the heading
        // "Weiteres Zubehör:" stays.
        {"So",
         mit(Solar(), {{"m_AnordnungMAG", VbVariant::integer(0)},
                       {"m_Zub_KappV_Beh_Anz", VbVariant::integer(0)},
                       {"m_Zub_Vorlagebeh_ArtNr", QStringLiteral(" ")},
                       {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(0), 1},
                       {"m_Zub_Entlüfter_Anz_m_value", VbVariant::integer(0), 3},
                       {"m_Wasservorlage", 3.0},
                       {"m_Absorberflaeche", 7.3},
                       {"m_spezVolKollektoren", 0.7}}),
         true, 2, "solar_ohne_kappen_ohne_vorlage.txt"},
        {"So", Solar(), false, 1, "solar_nicht_berechnet.txt"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.datei);
        ASSERT_NO_FATAL_FAILURE(Anlage(QString::fromUtf8(f.art), f.werte, f.berechnet));
        ablage = {};
        meldungen.leeren();
        Bericht(4, f.preise);
        EXPECT_EQ(ablage.gesetzt, 1);
        EXPECT_TRUE(meldungen.boxen.isEmpty()) << nachricht(meldungen.boxen);
        vergleiche(QString::fromUtf8(f.datei), ablage.text);
    }
}

TEST_F(SpeicherSolarFixture, OhneAusgelegtenBehälterKeineArtikelliste)
{
    // The row says designed (the entry lets the report run); the object no longer does.
    nachPreiswahl = [](GlobDaten& d) { d.m_IstAusgelegt.m_Value = VbVariant(false); };
    const QString hinweis = QStringLiteral("\r\n\r\n\r\n               Es wurde noch kein Behälter ausgelegt !\r\n");
    for (const char* art : {"Sp", "So"}) {
        SCOPED_TRACE(art);
        ASSERT_NO_FATAL_FAILURE(Anlage(QString::fromUtf8(art), art == QByteArray("Sp") ? Speicher() : Solar()));
        Bericht(4, 1);
        const QString& t = ablage.text;
        EXPECT_TRUE(t.contains(hinweis)) << t;
        EXPECT_FALSE(t.contains(QStringLiteral("Stück"))) << t;
        EXPECT_FALSE(t.contains(QStringLiteral("Stck"))) << t;
        // The VAT block still closes the report, with zero totals.
        EXPECT_TRUE(t.contains(QStringLiteral("0,00"))) << t;
    }
    // The tank set's figures are printed also before a tank is chosen.
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("Sp"), Speicher()));
    Bericht(4, 2);
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("Leistungskennzahl:") + QString(52, u' ') + QStringLiteral("      13,8")))
        << ablage.text;
}

TEST_F(SpeicherSolarFixture, OhneTankartikelNurÜberschriftUndLieferant)
{
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("Sp"), mit(Speicher(), {{"m_GefaessArtNr", QStringLiteral(" ")}})));
    Bericht(4, 1);
    const QString& t = ablage.text;
    EXPECT_TRUE(t.contains(QStringLiteral("Ausgelegter Warmwasserspeicher:\r\n") + QString(31, QChar(0x00AF)) +
                           QStringLiteral("\r\n\r\n\r\n")))
        << t;
    EXPECT_FALSE(t.contains(QStringLiteral("Stück"))) << t;
    EXPECT_FALSE(t.contains(QStringLiteral("Stck"))) << t;
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << nachricht(meldungen.boxen);
}

TEST_F(SpeicherSolarFixture, FehlgeschlageneLangtextsichtLässtDieLangtexteLeer)
{
    // The insertion-text view cannot open: the long-text view alone is not enough.
    nachPreiswahl = [this](GlobDaten&) { ASSERT_TRUE(artikel->ausführen(QStringLiteral("DROP TABLE EINFUEGETEXTE"))); };
    for (const char* art : {"Sp", "So"}) {
        SCOPED_TRACE(art);
        ASSERT_NO_FATAL_FAILURE(Anlage(QString::fromUtf8(art), art == QByteArray("Sp") ? Speicher() : Solar()));
        meldungen.leeren();
        Bericht(4, 1);
        EXPECT_TRUE(ablage.text.contains(QStringLiteral("Stück"))) << ablage.text;
        EXPECT_FALSE(ablage.text.contains(QStringLiteral("Stck"))) << ablage.text;
        ASSERT_FALSE(meldungen.boxen.isEmpty());
        EXPECT_EQ(meldungen.boxen.last().art, 5) << nachricht(meldungen.boxen);
        ASSERT_TRUE(artikel->ausführen(
            QStringLiteral("CREATE TABLE EINFUEGETEXTE (etEinfuegetextnr LONG, etText TEXT(255))")));
    }
}

// --- A data object without a name the report reads ---

TEST_F(SpeicherSolarFixture, FehlenderNameMeldetUndLässtKeinenHalbenBericht)
{
    struct Fall {
        const char* art;
        const char* fehlt;
    };
    for (const Fall f : {Fall{"Sp", "m_HeizVolStrom"}, Fall{"Sp", "m_GefaessArtNr"}, Fall{"So", "m_r_vauf"},
                         Fall{"So", "m_Zub_Entlüfter_Anz_m_value"}}) {
        const QString art = QString::fromUtf8(f.art), fehlt = QString::fromUtf8(f.fehlt);
        QStringList n = art == QStringLiteral("Sp") ? Berichtsnamen::Speicher() : Berichtsnamen::Solar();
        n.removeAll(fehlt);
        ASSERT_NO_FATAL_FAILURE(Anlage(art, n, art == QStringLiteral("Sp") ? Speicher() : Solar()));
        for (int modus = 1; modus <= 5; ++modus) {
            SCOPED_TRACE(QStringLiteral("%1 %2 Modus %3").arg(art, fehlt).arg(modus).toStdString());
            meldungen.leeren();
            ablage = {};
            gaeb.clear();
            Bericht(modus, 1);
            ASSERT_EQ(meldungen.boxen.size(), 1) << nachricht(meldungen.boxen);
            EXPECT_EQ(meldungen.boxen[0].art, 6);
            EXPECT_TRUE(meldungen.boxen[0].text.contains(fehlt)) << meldungen.boxen[0].text;
            EXPECT_EQ(ablage.gesetzt, 0);
            EXPECT_FALSE(gaeb.contains(QStringLiteral("gespeichert")));
            EXPECT_TRUE(gaeb.filter(QStringLiteral("pos ")).isEmpty()) << gaeb.join('\n');
        }
    }
}

// --- Tender file ---

TEST_F(SpeicherSolarFixture, AusschreibungsdateiHatDiePositionenOhneÜberschriften)
{
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("Sp"), Speicher()));
    Bericht(5, 1);
    EXPECT_EQ(gaeb, (QStringList{"kopf Wohnanlage Lindenhof", "pos 1 0 2 Speicher-Wasserwärmer 400 l",
                                 "lang Stehender Speicher-Wasserwärmer aus", "lang Stahl, innen emailliert, mit zwei",
                                 "lang Glattrohr-Wärmetauschern.", "lang Durchmesser 650 mm, Höhe 1590 mm", "ende",
                                 "gespeichert"}));

    gaeb.clear();
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("So"), Solar()));
    Bericht(5, 1);
    EXPECT_EQ(gaeb.filter(QRegularExpression(QStringLiteral("^(pos|hinweis)"))),
              (QStringList{"pos 1 0 1 Solar-Ausdehnungsgefäß 25 l", "pos 2 0 1 Solar-Sicherheitsventil 6 bar",
                           "pos 3 0 2 Kappenventil Rp 3/4 solar", "pos 4 0 1 Vorschaltgefäß 12 l",
                           "pos 5 0 1 Luftabscheider solar 22 mm", "pos 6 0 4 Schnellentlüfter solar 3/8"}));
    EXPECT_EQ(gaeb.mid(gaeb.size() - 2), (QStringList{"ende", "gespeichert"}));

    // Without cap valves and intermediate vessel their positions are left out.
    gaeb.clear();
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("So"), mit(Solar(), {{"m_Zub_KappV_Beh_Anz", VbVariant::integer(0)},
                                                                       {"m_Zub_Vorlagebeh_ArtNr", QStringLiteral(" ")}})));
    Bericht(5, 1);
    EXPECT_EQ(gaeb.filter(QStringLiteral("pos ")),
              (QStringList{"pos 1 0 1 Solar-Ausdehnungsgefäß 25 l", "pos 2 0 1 Solar-Sicherheitsventil 6 bar",
                           "pos 3 0 1 Luftabscheider solar 22 mm", "pos 4 0 4 Schnellentlüfter solar 3/8"}));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << nachricht(meldungen.boxen);
}

// --- Drawing surfaces ---

// Texts and rules of a recorder run with their page and line (twips, 220 per line from 207).
struct Eintrag {
    int seite;
    int zeile;
    bool text;
    QString inhalt;  // the text, or the rule's length in columns
};
QList<Eintrag> einträge(const QStringList& aufrufe)
{
    static const QRegularExpression textmuster(QStringLiteral("^text (\\S+) (\\S+) (.*) #000000$"));
    static const QRegularExpression linienmuster(QStringLiteral("^linie (\\S+) (\\S+) (\\S+) \\S+ #000000 "));
    QList<Eintrag> e;
    int seite = 1;
    for (const QString& a : aufrufe) {
        if (a == QStringLiteral("seite")) {
            ++seite;
            continue;
        }
        if (const auto m = textmuster.match(a); m.hasMatch()) {
            e.append({seite, qRound((m.captured(2).toDouble() - 207) / 220), true, m.captured(3)});
        } else if (const auto l = linienmuster.match(a); l.hasMatch()) {
            const double y = l.captured(2).toDouble() - 207;
            // Overlines lie on the top edge of a line, middle rules 110 below it.
            if (std::fmod(y, 220) == 0)
                e.append({seite, qRound(y / 220), false,
                          QString::number(qRound((l.captured(3).toDouble() - l.captured(1).toDouble()) / 110))});
        }
    }
    return e;
}

TEST_F(SpeicherSolarFixture, ÜberschriftenMitÜberstrichBleibenBeiIhrenArtikeln)
{
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("So"), Solar()));
    const QStringList überschriften{"Behälter zur Absicherung der Anlage:", "Weitere sicherheitstechnische Einrichtungen:",
                                    "Kappenventile, Anschlußgruppen für Ausdehnungsgefäß(e):", "Weiteres Zubehör:"};
    int umbrüche = 0;
    // Pages of 20 to 44 lines move the headings through every place on a page.
    for (int zeilen = 20; zeilen <= 44; ++zeilen) {
        SCOPED_TRACE(zeilen);
        drucker.aufrufe.clear();
        drucker.seitenhöhe = 720 + 207 + 1058 + zeilen * 220 + 100;
        Bericht(3, 1);
        const QList<Eintrag> e = einträge(drucker.aufrufe);
        ASSERT_FALSE(e.isEmpty());
        int gefunden = 0;
        for (qsizetype i = 0; i < e.size(); ++i) {
            if (!e[i].text || !überschriften.contains(e[i].inhalt))
                continue;
            ++gefunden;
            // Four lines on the page: the heading, its overline and the first article.
            EXPECT_LE(e[i].zeile, zeilen - 4) << e[i].inhalt;
            ASSERT_LT(i + 1, e.size());
            EXPECT_FALSE(e[i + 1].text);
            EXPECT_EQ(e[i + 1].seite, e[i].seite);
            EXPECT_EQ(e[i + 1].zeile, e[i].zeile + 1);
            EXPECT_EQ(e[i + 1].inhalt.toInt(), e[i].inhalt.size()) << e[i].inhalt;
            if (e[i].zeile == 5 && e[i].inhalt != überschriften.first())
                ++umbrüche;
        }
        EXPECT_EQ(gefunden, 4);
        // The data sheet's collector line carries an 80-column overline.
        for (qsizetype i = 0; i < e.size(); ++i)
            if (e[i].text && e[i].inhalt.startsWith(QStringLiteral("Kollektorfläche"))) {
                // (on the last line of a page the overline opens the next page)
                qsizetype j = i + 1;
                while (j < e.size() && e[j].text)
                    ++j;
                ASSERT_LT(j, e.size());
                EXPECT_EQ(e[j].inhalt, QStringLiteral("80"));
            }
    }
    // Some page sizes did push a heading to the next page.
    EXPECT_GT(umbrüche, 0);
    EXPECT_EQ(drucker.dokumente.value(0), QStringLiteral("Langtext Solaranlage"));

    // The tank list: its heading opens the article page with an overline of its length.
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("Sp"), Speicher()));
    drucker.aufrufe.clear();
    drucker.seitenhöhe = 15840;
    Bericht(2, 1);
    const QList<Eintrag> e = einträge(drucker.aufrufe);
    const auto kopf = std::find_if(e.begin(), e.end(), [](const Eintrag& x) {
        return x.text && x.inhalt == QStringLiteral("Ausgelegter Warmwasserspeicher:");
    });
    ASSERT_NE(kopf, e.end());
    EXPECT_EQ(kopf->seite, 2);
    EXPECT_EQ(kopf->zeile, 5);
    ASSERT_NE(kopf + 1, e.end());
    EXPECT_FALSE((kopf + 1)->text);
    EXPECT_EQ((kopf + 1)->zeile, 6);
    EXPECT_EQ((kopf + 1)->inhalt, QStringLiteral("31"));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << nachricht(meldungen.boxen);
}

TEST_F(SpeicherSolarFixture, ErgebnisvorschauZeigtNurDieArtikelliste)
{
    for (const char* art : {"Sp", "So"}) {
        SCOPED_TRACE(art);
        ASSERT_NO_FATAL_FAILURE(Anlage(QString::fromUtf8(art), art == QByteArray("Sp") ? Speicher() : Solar()));
        vorschau.aufrufe.clear();
        Bericht(1, 1);
        const QString alles = vorschau.aufrufe.join(QLatin1Char('\n'));
        EXPECT_TRUE(alles.contains(QStringLiteral("Menge  ME    Bezeichnung"))) << alles;
        EXPECT_FALSE(alles.contains(QStringLiteral("Technische Daten"))) << alles;
        EXPECT_TRUE(alles.contains(art == QByteArray("Sp") ? QStringLiteral("  2   Stück  Speicher-Wasserwärmer 400 l")
                                                         : QStringLiteral("  4   Stück  Schnellentlüfter solar 3/8")))
            << alles;
        EXPECT_TRUE(alles.contains(QStringLiteral("MwSt-Satz"))) << alles;
    }
    EXPECT_EQ(vorschauen, 2);
    // Short and long print run on the printer with their document names.
    drucker.dokumente.clear();
    Bericht(2, 2);
    ASSERT_NO_FATAL_FAILURE(Anlage(QStringLiteral("Sp"), Speicher()));
    Bericht(3, 2);
    EXPECT_EQ(drucker.dokumente, (QStringList{"Kurztext Solaranlage", "Langtext Speicher-Wasserwärmer"}));
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << nachricht(meldungen.boxen);
}

// --- The program's own data classes ---

TEST_F(SpeicherSolarFixture, DieDatenklassenSelbstGebenIhreBerichte)
{
    Drucken::SetzeErzeuger({});
    {
        zustand().Projektart = QStringLiteral("Sp");
        GlobDatenSpeicher d;
        ASSERT_EQ(d.Init(), 0);
        for (const Memberwert& w : Speicher())
            d.schreibe(QString::fromUtf8(w.name), w.wert);
        d.schreibe(QStringLiteral("m_IstBerechnet"), VbVariant(true));
        d.schreibe(QStringLiteral("m_IstAusgelegt"), VbVariant(true));
    }
    Bericht(4, 2);
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("Bedarfskennzahl:") + QString(54, u' ') + QStringLiteral("      12,0")))
        << ablage.text;
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("  2  Stck Speicher-Wasserwärmer 400 l"))) << ablage.text;
    {
        zustand().Projektart = QStringLiteral("So");
        GlobDatenSolar d;
        ASSERT_EQ(d.Init(), 0);
        for (const Memberwert& w : Solar()) {
            if (w.index > 0)
                d.schreibe(QString::fromUtf8(w.name), {VbVariant::integer(static_cast<int16_t>(w.index))}, w.wert);
            else
                d.schreibe(QString::fromUtf8(w.name), w.wert);
        }
        d.schreibe(QStringLiteral("m_IstBerechnet"), VbVariant(true));
        d.schreibe(QStringLiteral("m_IstAusgelegt"), VbVariant(true));
    }
    Bericht(4, 2);
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("Dampfvolumen (ltr.)") + QString(51, u' ') + QStringLiteral("       7,5")))
        << ablage.text;
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("  4   Stück  Schnellentlüfter solar 3/8"))) << ablage.text;
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("Ausdehnungsgefäß  : Druckseitig der Pumpe installiert")))
        << ablage.text;
    EXPECT_TRUE(ablage.text.contains(QStringLiteral("  2   Stück  Kappenventil Rp 3/4 solar"))) << ablage.text;
    EXPECT_TRUE(meldungen.boxen.isEmpty()) << nachricht(meldungen.boxen);
}

}  // namespace
