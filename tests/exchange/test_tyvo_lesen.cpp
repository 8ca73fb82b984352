#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "base/Programmversion.h"
#include "base/Programmzustand.h"
#include "exchange/TYVO_XML_Schnittstelle.h"
#include "exchange/XML_Tools.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "Austauschdatei.h"

namespace {

// Replaces the first occurrence of alt (which must be there) in the file text; a tag name
// without its "<" ("Allg_Daten>") is renamed in its opening and closing tags.
QByteArray Ersetzt(QByteArray text, const QByteArray& alt, const QByteArray& neu)
{
    if (!alt.startsWith('<') && text.contains(alt))
        return text.replace(alt, neu);
    const qsizetype p = text.indexOf(alt);
    EXPECT_GE(p, 0) << alt.constData();
    if (p >= 0)
        text.replace(p, alt.size(), neu);
    return text;
}

class TyvoLesen : public Austauschdateitest {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        zustand().TyvoDatei = dir.filePath(QStringLiteral("austausch.xml"));
    }
    void TearDown() override { zustandZuruecksetzen(); }

    bool Lesen(int modus, QString* fehler = nullptr)
    {
        TYVO_XML_Schnittstelle s;
        QString id;
        QString f;
        const bool ok = s.LesenAlleXMLDatenVonTyvo(modus, id, f);
        EXPECT_EQ(id, zustand().TyvoDaten.ProjektID);
        if (fehler)
            *fehler = f;
        return ok;
    }
};

TEST_F(TyvoLesen, ValidFileFillsTheRecordAndIsLeftAsItWas)
{
    const QByteArray inhalt = Vorlage("gueltig.xml");
    Schreiben(inhalt);
    ASSERT_TRUE(Lesen(2));
    const Programmzustand& z = zustand();
    const TyvoAustauschdaten& d = z.TyvoDaten;
    EXPECT_EQ(d.FehlerCode, 0);
    EXPECT_EQ(d.TyvoVersion, QStringLiteral("7.2"));
    EXPECT_EQ(d.TyvoProjekt, QStringLiteral("Wohnanlage Lindenhof"));
    EXPECT_EQ(d.ProjektID, QStringLiteral("P-2026-014"));
    EXPECT_EQ(d.Name1, QStringLiteral("Wohnbau Süd eG"));
    EXPECT_EQ(d.Name2_bzwNr, QStringLiteral("Haus 3"));
    EXPECT_EQ(d.StrasseUndNr, QStringLiteral("Lindenweg 4"));
    EXPECT_EQ(d.PLZ, QStringLiteral("99998"));
    EXPECT_EQ(d.ORT, QStringLiteral("Musterdorf"));
    EXPECT_EQ(d.Programm, TYVO_XML_Schnittstelle::Anwendungstitel());
    EXPECT_EQ(d.Version, Programmversion::Text());
    EXPECT_EQ(d.Klartext, QStringLiteral("Heizzentrale Keller"));
    EXPECT_EQ(d.Beheizungsart, 0);
    EXPECT_EQ(d.Anlagenabsicherung, 1);
    EXPECT_EQ(d.Anlageninhalt, 1850);
    EXPECT_TRUE(d.Entschlammung_Anlage);
    EXPECT_EQ(d.T_Prim, 0);  // not read for direct heating
    EXPECT_EQ(d.TVL, 70);
    EXPECT_EQ(d.TRL, 50);
    EXPECT_FLOAT_EQ(d.Pst, 2.5f);
    EXPECT_FLOAT_EQ(d.Psv, 3.0f);
    EXPECT_EQ(d.Max_Hoehe, 1900);
    EXPECT_EQ(d.Max_Durchmesser, 750);
    EXPECT_EQ(d.WE_Daten[1].Leistung, 120);
    EXPECT_EQ(d.WE_Daten[1].Wasserinhalt, 45);
    EXPECT_EQ(d.WE_Daten[1].SiV_Art, 1);
    EXPECT_EQ(d.WE_Daten[2].Leistung, 80);
    EXPECT_EQ(d.WE_Daten[2].Inhalt_internes_MAG, 0);
    EXPECT_FALSE(d.WE_Daten[2].EntschlammungsGefaess);
    EXPECT_EQ(d.WE_Daten[3].Leistung, 0);
    EXPECT_EQ(z.TyvoLetzterWE, 2);
    EXPECT_EQ(z.TyvoAnzahlWE, 2);
    EXPECT_EQ(Datei(), inhalt);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(TyvoLesen, ElementRules)
{
    using Pruefung = std::function<void(const TyvoAustauschdaten&)>;
    struct Fall {
        const char* name;
        QByteArray alt, neu;
        Pruefung pruefe;
    };
    const QByteArray vorgaben = "<Beheizungsart>0</Beheizungsart>";
    const Fall fälle[] = {
        {"Pst with a fraction is rounded first", "<Pst>2500</Pst>", "<Pst>2500,5</Pst>",
         [](const TyvoAustauschdaten& d) { EXPECT_FLOAT_EQ(d.Pst, 2.5f); }},
        {"Pst half rounds to even", "<Pst>2500</Pst>", "<Pst>2501.5</Pst>",
         [](const TyvoAustauschdaten& d) { EXPECT_FLOAT_EQ(d.Pst, 2.502f); }},
        {"flag 2 means no", "<Entschlammung_Anlage>1</Entschlammung_Anlage>",
         "<Entschlammung_Anlage>2</Entschlammung_Anlage>",
         [](const TyvoAustauschdaten& d) { EXPECT_FALSE(d.Entschlammung_Anlage); }},
        {"flag missing means no", "<Entschlammung_Anlage>1</Entschlammung_Anlage>", "",
         [](const TyvoAustauschdaten& d) { EXPECT_FALSE(d.Entschlammung_Anlage); }},
        {"T_Prim not numeric with direct heating", "<T_Prim>110</T_Prim>", "<T_Prim>abc</T_Prim>",
         [](const TyvoAustauschdaten& d) { EXPECT_EQ(d.T_Prim, 0); }},
        {"T_Prim read with indirect heating", vorgaben, "<Beheizungsart>1</Beheizungsart>",
         [](const TyvoAustauschdaten& d) {
             EXPECT_EQ(d.T_Prim, 110);
             EXPECT_EQ(d.Anlagenabsicherung, 0);  // forced for indirect heating
         }},
        {"internal vessel forces whole-plant protection", "<Inhalt_internes_MAG>0</Inhalt_internes_MAG>",
         "<Inhalt_internes_MAG>12</Inhalt_internes_MAG>",
         [](const TyvoAustauschdaten& d) {
             EXPECT_EQ(d.WE_Daten[1].Inhalt_internes_MAG, 12);
             EXPECT_EQ(d.Anlagenabsicherung, 0);
         }},
        {"internal vessel not numeric is 0", "<Inhalt_internes_MAG>0</Inhalt_internes_MAG>",
         "<Inhalt_internes_MAG>abc</Inhalt_internes_MAG>",
         [](const TyvoAustauschdaten& d) {
             EXPECT_EQ(d.WE_Daten[1].Inhalt_internes_MAG, 0);
             EXPECT_EQ(d.Anlagenabsicherung, 1);
         }},
        {"SiV_Art out of range is 0", "<SiV_Art>1</SiV_Art>", "<SiV_Art>70000</SiV_Art>",
         [](const TyvoAustauschdaten& d) { EXPECT_EQ(d.WE_Daten[1].SiV_Art, 0); }},
        {"address group missing leaves the address empty", "TyvoProjektAdressdaten>", "Ohne>",
         [](const TyvoAustauschdaten& d) {
             EXPECT_TRUE(d.Name1.isEmpty());
             EXPECT_TRUE(d.ORT.isEmpty());
         }},
        {"project id with quotes is kept as it stands", "<ProjektID>P-2026-014</ProjektID>",
         "<ProjektID>O'Neil \"7\"</ProjektID>",
         [](const TyvoAustauschdaten& d) { EXPECT_EQ(d.ProjektID, QStringLiteral("O'Neil \"7\"")); }},
        {"locale number with thousands group", "<Anlageninhalt>1850</Anlageninhalt>",
         "<Anlageninhalt>1.234.567</Anlageninhalt>",
         [](const TyvoAustauschdaten& d) { EXPECT_EQ(d.Anlageninhalt, 1234567); }},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        QByteArray text = Ersetzt(Vorlage("gueltig.xml"), f.alt, f.neu);
        Schreiben(text);
        ASSERT_TRUE(Lesen(1));
        f.pruefe(zustand().TyvoDaten);
        EXPECT_EQ(Datei(), text);
    }
}

TEST_F(TyvoLesen, FailedReadsAnswerIntoTheFile)
{
    const QString vorgabenPfad = QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/MAG_Vorgaben_Allg_Daten");
    struct Fall {
        const char* name;
        QByteArray alt, neu;
        int modus;
        int fehlerCode, ergebnis;
        QString hinweis;
        QString beschreibung;  // AllgErrorDescription
    };
    const Fall fälle[] = {
        {"root missing", "TYVO_Austauschdaten>", "Andere>", 1, -2, 0, {},
         QStringLiteral("Invalid Location Path\r\n/TYVO_Austauschdaten")},
        {"WE_Daten missing names position 6", "WE_Daten>", "X_Daten>", 1, -2, 0, {},
         QStringLiteral("Invalid Location Path\r\n/TYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/WE_Daten[position()=6]")},
        {"Leistung missing in one group", "<Leistung>80</Leistung>", "", 1, -2, 0, {},
         QStringLiteral("Invalid Location Path\r\nTYVO_Austauschdaten/MAG_Daten/MAG_Vorgaben/WE_Daten[position()=2]/"
                        "Leistung")},
        {"ProjektID missing in host mode 2", "<ProjektID>P-2026-014</ProjektID>", "", 2, -2, 0, {},
         QStringLiteral("Invalid Location Path\r\nTYVO_Austauschdaten/ProjektID")},
        {"PLZ missing in the address group", "<PLZ>99998</PLZ>", "", 1, -2, 0, {},
         QStringLiteral("Invalid Location Path\r\nTYVO_Austauschdaten/TyvoProjektAdressdaten/PLZ")},
        {"Allg_Daten missing", "Allg_Daten>", "Allg>", 1, -2, 0, {},
         QStringLiteral("Invalid Location Path\r\n/TYVO_Austauschdaten/Allg_Daten")},
        {"TVL not numeric", "<TVL>70</TVL>", "<TVL>abc</TVL>", 1, 1, -1,
         vorgabenPfad + QStringLiteral("/TVL\r\nDer Datentyp ist kein Integer."), {}},
        {"TVL out of 16-bit range", "<TVL>70</TVL>", "<TVL>40000</TVL>", 1, 1, -1,
         vorgabenPfad + QStringLiteral("/TVL\r\nDer Datentyp ist kein Integer."), {}},
        {"Anlageninhalt not numeric", "<Anlageninhalt>1850</Anlageninhalt>", "<Anlageninhalt>abc</Anlageninhalt>",
         1, 1, -1, vorgabenPfad + QStringLiteral("/Anlageninhalt\r\nDer Datentyp ist kein Long."), {}},
        {"Pst out of 32-bit range", "<Pst>2500</Pst>", "<Pst>3000000000</Pst>", 2, 1, -1,
         vorgabenPfad + QStringLiteral("/Pst\r\nDer Datentyp ist kein Long."), {}},
        {"T_Prim missing with indirect heating", "<T_Prim>110</T_Prim>", "<Beheizungsart>1</Beheizungsart>", 1,
         -2, 0, {}, QStringLiteral("Invalid Location Path\r\n") + vorgabenPfad + QStringLiteral("/T_Prim")},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        meldungen.leeren();
        QByteArray text = Ersetzt(Vorlage("gueltig.xml"), f.alt, f.neu);
        if (QByteArray(f.name).startsWith("T_Prim missing"))
            text = Ersetzt(text, "<Beheizungsart>0</Beheizungsart>", "");
        Schreiben(text);
        QString fehler;
        EXPECT_FALSE(Lesen(f.modus, &fehler));
        const TyvoAustauschdaten& d = zustand().TyvoDaten;
        EXPECT_EQ(d.FehlerCode, f.fehlerCode);
        EXPECT_EQ(d.Ergebnis, f.ergebnis);
        EXPECT_EQ(d.Hinweis, f.hinweis);
        if (!f.beschreibung.isEmpty()) {
            EXPECT_EQ(fehler, f.beschreibung);
        }
        if (f.fehlerCode == 1) {
            EXPECT_TRUE(fehler.isEmpty());
        }
        if (QByteArray(f.name) == "root missing") {
            // Nothing can be written without the root: the file stays, the message is shown once.
            EXPECT_EQ(Datei(), text);
            ASSERT_EQ(meldungen.boxen.size(), 1);
            EXPECT_EQ(meldungen.boxen.at(0).text, Speicherfehler);
            continue;
        }
        EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/FehlerCode")), QString::number(f.fehlerCode));
        EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Programm")), TYVO_XML_Schnittstelle::Anwendungstitel());
        EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Version")), Programmversion::Text());
        if (QByteArray(f.name) != "Allg_Daten missing") {
            EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), QString::number(f.ergebnis));
            EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Hinweis")), f.hinweis);
        }
        // A missing ProjektID counts as a save failure only in host mode 2.
        const bool meldung = f.modus == 2 && f.alt.startsWith("<ProjektID>");
        EXPECT_EQ(meldungen.boxen.size(), meldung ? 1 : 0);
    }
}

TEST_F(TyvoLesen, UnloadableFilesStayByteForByte)
{
    struct Fall {
        const char* name;
        QByteArray inhalt;  // empty name: no file at all
        int zeile;
    };
    // A valid file with 100000 elements nested in a text the reader reads (line 17).
    const QByteArray tief = QByteArray("<k>").repeated(100000) + QByteArray("</k>").repeated(100000);
    const Fall fälle[] = {
        {"missing", {}, 0},
        {"not well-formed", "<?xml version=\"1.0\"?>\n<TYVO_Austauschdaten>\n  <FehlerCode>0</Fehlercode>\n", 3},
        {"empty", "", 1},
        {"nested too deep", Ersetzt(Vorlage("gueltig.xml"), "Heizzentrale Keller", tief), 17},
        // The parser would stop at a NUL, and an answer would drop everything after it.
        {"NUL after the root element, then an element", Vorlage("gueltig.xml") + QByteArray("\0<Nachsatz/>\n", 13),
         int(Vorlage("gueltig.xml").count('\n')) + 1},
        {"a second element after the root element", Vorlage("gueltig.xml") + "<Nachsatz/>\n",
         int(Vorlage("gueltig.xml").count('\n')) + 1},
        {"text after the root element", Vorlage("gueltig.xml") + "Nachsatz\n", int(Vorlage("gueltig.xml").count('\n'))},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        meldungen.leeren();
        QFile::remove(zustand().TyvoDatei);
        if (QByteArray(f.name) != "missing")
            Schreiben(f.inhalt);
        QString fehler;
        EXPECT_FALSE(Lesen(1, &fehler));
        EXPECT_EQ(zustand().TyvoDaten.FehlerCode, -2);
        EXPECT_TRUE(fehler.contains(QStringLiteral("Parse Error Line: %1\r\n/").arg(f.zeile)))
            << fehler.toStdString();
        if (QByteArray(f.name) == "missing") {
            EXPECT_FALSE(QFile::exists(zustand().TyvoDatei));
            EXPECT_TRUE(fehler.contains(QStringLiteral("):\r\n") + zustand().TyvoDatei + "\r\n")) << fehler.toStdString();
        } else {
            EXPECT_EQ(Datei(), f.inhalt);
        }
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(meldungen.boxen.at(0).text, Speicherfehler);
    }
}

TEST_F(TyvoLesen, FailedReadRemovesOldResultsButKeepsBaskets)
{
    Schreiben(Ersetzt(Vorlage("alte_rueckgabe.xml"), "<TVL>80</TVL>", "<TVL>heiss</TVL>"));
    EXPECT_FALSE(Lesen(2));
    EXPECT_EQ(zustand().TyvoDaten.FehlerCode, 1);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Ergebnisse")), 0);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb")), 1);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb/Warenkorbzeile")), 0);
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Warenkorb/Warenkorb_Bezug")), QStringLiteral("WE 1"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/ProjektID")), QStringLiteral("4711"));
    // The declared encoding and the untouched umlauts stay.
    const QByteArray neu = Datei();
    EXPECT_TRUE(neu.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Klartext")), QStringLiteral("Größe"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(TyvoLesen, SecondReadStartsClearedAndCountersWaitForSuccess)
{
    Schreiben(Vorlage("gueltig.xml"));
    ASSERT_TRUE(Lesen(1));
    ASSERT_EQ(zustand().TyvoLetzterWE, 2);
    // One group only, but the first read's second group must not survive.
    Schreiben(Ersetzt(Ersetzt(Vorlage("gueltig.xml"), "<Leistung>80</Leistung>", "<Leistung>abc</Leistung>"),
                      "<TyvoProjekt>Wohnanlage Lindenhof</TyvoProjekt>", ""));
    EXPECT_FALSE(Lesen(1));
    EXPECT_EQ(zustand().TyvoLetzterWE, 2);
    EXPECT_EQ(zustand().TyvoAnzahlWE, 2);
    EXPECT_TRUE(zustand().TyvoDaten.TyvoProjekt.isEmpty());
    EXPECT_EQ(zustand().TyvoDaten.WE_Daten[1].Leistung, 120);  // read before the failure
    EXPECT_EQ(zustand().TyvoDaten.WE_Daten[2].Leistung, 0);

    QByteArray eine = Vorlage("gueltig.xml");
    const qsizetype a = eine.indexOf("<WE_Daten>", eine.indexOf("</WE_Daten>"));
    eine.remove(a, eine.indexOf("</WE_Daten>", a) + 11 - a);
    Schreiben(eine);
    ASSERT_TRUE(Lesen(1));
    EXPECT_EQ(zustand().TyvoLetzterWE, 1);
    EXPECT_EQ(zustand().TyvoAnzahlWE, 1);
}

TEST_F(TyvoLesen, PositionsCountOnlyHeatGeneratorGroupsSoNoGapArises)
{
    // Six groups with another element between them, plus a seventh that is ignored.
    QByteArray gruppen;
    for (int i = 1; i <= 7; ++i)
        gruppen += "<WE_Daten><Leistung>" + QByteArray::number(i * 10) + "</Leistung><Wasserinhalt>5</Wasserinhalt>"
            + "</WE_Daten><Kommentar>x</Kommentar>";
    QByteArray text = Vorlage("gueltig.xml");
    const qsizetype a = text.indexOf("<WE_Daten>");
    const qsizetype e = text.lastIndexOf("</WE_Daten>") + 11;
    text.replace(a, e - a, gruppen);
    Schreiben(text);
    ASSERT_TRUE(Lesen(1));
    EXPECT_EQ(zustand().TyvoLetzterWE, 6);
    EXPECT_EQ(zustand().TyvoAnzahlWE, 6);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(zustand().TyvoDaten.WE_Daten[static_cast<size_t>(i)].Leistung, i * 10);
}

TEST_F(TyvoLesen, UserAbortAnswerKeepsBasketsAndReplacesTheHint)
{
    Schreiben(Vorlage("alte_rueckgabe.xml"));
    ASSERT_TRUE(Lesen(2));
    TYVO_XML_Schnittstelle s;
    s.RückgabeInXML_AuswahlNutzerabbruch(2);
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/FehlerCode")), QStringLiteral("1"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), QStringLiteral("-1"));
    EXPECT_TRUE(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Hinweis"))
                    .startsWith(QStringLiteral("Abbruch des Kelvor Programms durch den Nutzer.")));
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb/Warenkorbzeile")), 0);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb/Warenkorb_Bezug")), 1);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(TyvoLesen, SeamGivesTheAddressAndTakesTheProjectNumber)
{
    Schreiben(Vorlage("gueltig.xml"));
    ASSERT_TRUE(Lesen(1));
    TYVO_XML_Schnittstelle s;
    const TyvoProjektadresse a = s.Projektadresse();
    EXPECT_EQ(a.Name1, QStringLiteral("Wohnbau Süd eG"));
    EXPECT_EQ(a.PLZ, QStringLiteral("99998"));
    s.SetzeProjektID(QStringLiteral("0815"));
    EXPECT_EQ(zustand().TyvoDaten.ProjektID, QStringLiteral("0815"));
}

TEST_F(TyvoLesen, MutatedFilesGiveCodesNeverACrash)
{
    const QByteArray basis = Vorlage("gueltig.xml");
    std::mt19937 zufall(20261210u);
    auto bis = [&](qsizetype n) { return static_cast<qsizetype>(zufall() % static_cast<uint32_t>(n)); };
    for (int lauf = 0; lauf < 300; ++lauf) {
        QByteArray text = basis;
        const int schritte = 1 + static_cast<int>(zufall() % 4);
        for (int s = 0; s < schritte && !text.isEmpty(); ++s) {
            const qsizetype p = bis(text.size());
            switch (zufall() % 5) {
            case 0: text[p] = static_cast<char>(zufall() % 256); break;
            case 1: text.remove(p, 1 + bis(40)); break;
            case 2: text.insert(p, text.mid(bis(text.size()), 1 + bis(60))); break;
            case 3: text.insert(p, "<"); break;
            default: text.insert(p, QByteArray::number(static_cast<int>(zufall()))); break;
            }
        }
        Schreiben(text);
        meldungen.leeren();
        const int modus = 1 + lauf % 2;
        QString fehler;
        if (Lesen(modus, &fehler)) {
            EXPECT_GE(zustand().TyvoAnzahlWE, 1);
            EXPECT_LE(zustand().TyvoLetzterWE, 6);
        } else {
            const int16_t code = zustand().TyvoDaten.FehlerCode;
            EXPECT_TRUE(code == -2 || code == 1) << lauf;
            EXPECT_LE(meldungen.boxen.size(), 1) << lauf;
        }
    }
}

}  // namespace

// Hostile host files cost bounded work: entities that multiply each other are refused when the
// file is loaded (the answer cannot be written then, which the message says), and a file full of
// baskets is answered in one walk over them.
TEST_F(TyvoLesen, HostileFilesAreAnsweredWithBoundedWork)
{
    const auto kette = [](const QByteArray& blatt) {
        QByteArray dtd = "<!DOCTYPE TYVO_Austauschdaten [<!ENTITY e0 \"" + blatt + "\">";
        for (int i = 1; i <= 7; ++i)
            dtd += "<!ENTITY e" + QByteArray::number(i) + " \"" + ("&e" + QByteArray::number(i - 1) + ';').repeated(10)
                   + "\">";
        return dtd + "]>\n<TYVO_Austauschdaten>";
    };
    QByteArray körbe;
    for (int i = 0; i < 20000; ++i)
        körbe += "<Warenkorb/>";
    körbe += "<Warenkorb><Warenkorb_Bezug>letzter</Warenkorb_Bezug><Warenkorbzeile/><Warenkorbzeile/></Warenkorb>";
    const QByteArray gültig = Vorlage("gueltig.xml");
    struct Fall {
        const char* name;
        QByteArray datei;
        int fehlerCode;
        const char* beschreibung;  // start of AllgErrorDescription; nullptr: empty
    };
    const Fall fälle[] = {
        {"empty leaf chain", Ersetzt(Ersetzt(gültig, "<TYVO_Austauschdaten>", kette("")), "Heizzentrale", "&e7;"), -2,
         "Die Verweise auf Entitäten verlangen mehr als"},
        {"billion laughs", Ersetzt(Ersetzt(gültig, "<TYVO_Austauschdaten>", kette("lol")), "Heizzentrale", "&e7;"), -2,
         "Die Verweise auf Entitäten verlangen mehr als"},
        {"20001 baskets", Ersetzt(Ersetzt(gültig, "</TYVO_Austauschdaten>", körbe + "</TYVO_Austauschdaten>"),
                                  "<TVL>70</TVL>", "<TVL>abc</TVL>"),
         1, nullptr},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        meldungen.leeren();
        Schreiben(f.datei);
        const XmlArbeit vorher = XmlArbeitBisher();
        QString fehler;
        EXPECT_FALSE(Lesen(1, &fehler));
        // Entity values are read at most once per nesting depth (eight), and the baskets in a
        // few selections, not one per basket.
        const XmlArbeit arbeit = XmlArbeitBisher();
        EXPECT_LE(arbeit.wertzeichen - vorher.wertzeichen, 8 * f.datei.size());
        EXPECT_LT(arbeit.auswahlen - vorher.auswahlen, 200);
        EXPECT_EQ(zustand().TyvoDaten.FehlerCode, f.fehlerCode);
        if (f.beschreibung)
            EXPECT_TRUE(fehler.startsWith(QString::fromUtf8(f.beschreibung))) << fehler.toStdString();
        else
            EXPECT_TRUE(fehler.isEmpty()) << fehler.toStdString();
        if (f.fehlerCode == -2) {
            EXPECT_EQ(Datei(), f.datei);
            ASSERT_EQ(meldungen.boxen.size(), 1);
            EXPECT_EQ(meldungen.boxen.at(0).text, Speicherfehler);
            continue;
        }
        EXPECT_TRUE(meldungen.boxen.isEmpty());
        EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/FehlerCode")), QStringLiteral("1"));
        EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb")), 20001);
        EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb/Warenkorbzeile")), 0);
        EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Warenkorb[last()]/Warenkorb_Bezug")), QStringLiteral("letzter"));
    }
}
