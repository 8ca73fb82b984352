#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <functional>
#include <memory>

#include "base/Programmversion.h"
#include "base/Programmzustand.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/heating/GlobDatenHeizung.h"
#include "exchange/TYVO_XML_Schnittstelle.h"
#include "exchange/XML_Tools.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "Austauschdatei.h"
#include "base/AllgFunktionen.h"
#include "support/Schreibfehler.h"

namespace {

// The answers of one host run against a heating record bound to a project of its own.
class TyvoRueckgabe : public Austauschdateitest {
protected:
    std::unique_ptr<Datenobjektdatenbanken> datenbanken;
    std::unique_ptr<GlobDatenHeizung> heiz;

    void SetUp() override
    {
        zustandZuruecksetzen();
        datenbanken = std::make_unique<Datenobjektdatenbanken>();
        Programmzustand& z = zustand();
        z.aktProjektnummer = QStringLiteral("P-2026-014");
        z.TyvoDatei = dir.filePath(QStringLiteral("austausch.xml"));
        heiz = std::make_unique<GlobDatenHeizung>();
        ASSERT_EQ(heiz->Init(), 0);
        // The baskets read the demo article database.
        z.Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    }
    void TearDown() override
    {
        heiz.reset();
        datenbanken.reset();
        zustandZuruecksetzen();
    }

    // Reads the host file as the start does; the record then takes the host's values unchanged
    // and holds no article.
    void Lesen(int modus, const QByteArray& inhalt = Vorlage(QStringLiteral("gueltig.xml")))
    {
        Schreiben(inhalt);
        TYVO_XML_Schnittstelle s;
        ASSERT_TRUE(s.LesenAlleXMLDatenVonTyvo(modus));
        zustand().TyvoModus = modus;
        const TyvoAustauschdaten& d = zustand().TyvoDaten;
        GlobDatenHeizung& h = *heiz;
        h.m_Beheiz.m_Value = d.Beheizungsart;
        h.m_Sicherung.m_Value = d.Anlagenabsicherung;
        h.m_VolAnlage.m_Value = d.Anlageninhalt;
        h.m_Primärtemp.m_Value = d.T_Prim;
        h.m_Temp_V.m_Value = d.TVL;
        h.m_Temp_R.m_Value = d.TRL;
        h.m_p_stat.m_Value = d.Pst;
        h.m_p_SV.m_Value = d.Psv;
        h.m_EinbringBreite.m_Value = d.Max_Durchmesser;
        h.m_EinbringHoehe.m_Value = d.Max_Hoehe;
        for (int16_t i = 1; i <= 6; ++i) {
            const TyvoWEDaten& we = d.WE_Daten[static_cast<size_t>(i)];
            h.m_Leist_m_value(i, we.Leistung);
            h.m_KesselVol_m_value(i, we.Wasserinhalt);
            h.m_Einzel_BehGesVol_m_value(i, we.Inhalt_internes_MAG);
        }
        h.m_AusfuehrSV.m_Value = d.WE_Daten[1].SiV_Art == 1 || d.WE_Daten[2].SiV_Art == 1 ? 1 : 0;
        OhneArtikel();
    }
    void OhneArtikel()
    {
        GlobDatenHeizung& h = *heiz;
        const VbVariant leer(QStringLiteral(" "));
        h.m_GefaessGruppe.m_Value = 1;
        h.m_GefaessAnzahl.m_Value = 0;
        h.m_SteuerbehAnzahl.m_Value = 0;
        h.m_GefaessInhalt.m_Value = VbVariant::integer(0);
        for (conValueAdodb* v : {&h.m_GefaessArtNr, &h.m_BeistellArtNr, &h.m_KomprPumpeArtNr, &h.m_ZusKomprPumpeArtNr,
                                 &h.m_Zub_KappV_Beh_ArtNr, &h.m_Zub_Nachspeise_ArtNr, &h.m_Zub_Systemtrenner_ArtNr,
                                 &h.m_Zub_Vorlagebeh_ArtNr})
            v->m_Value = leer;
        for (conValueAdodb* v : {&h.m_SteuerModulKomp, &h.m_ZubehörSteuerung, &h.m_Zub_KappV_Beh_Anz,
                                 &h.m_Zub_Nachspeisung, &h.m_Zub_Nachspeise_Anz, &h.m_Zub_Systemtrenner,
                                 &h.m_Zub_Schlamm_Anordnung, &h.m_Zub_SchlammIso})
            v->m_Value = VbVariant::integer(0);
        for (int16_t i = 1; i <= 6; ++i) {
            for (const char* name :
                 {"m_Einzel_GefässArtNr_m_value", "m_Zub_SichVentil_ArtNr_m_value", "m_Zub_EntspGefäß_ArtNr_m_value",
                  "m_Zub_KappV_Erz_ArtNr_m_value", "m_Zub_VorlBehEinz_ArtNr_m_value", "m_Zub_Schlamm_ArtNr_m_value",
                  "m_Zub_SchlammIso_ArtNr_m_value", "m_Zub_AbsAbsch_ArtNr_m_value", "m_Zub_ZentrAbsch_ArtNr_m_value",
                  "m_Zub_Lufttopf_ArtNr_m_value"})
                heiz->schreibe(QString::fromUtf8(name), {VbVariant::integer(i)}, leer);
            for (const char* name : {"m_Zub_SichVentil_Anz_m_value", "m_Zub_AbsAbsch_Anz_m_value",
                                     "m_Zub_ZentrAbsch_Anz_m_value", "m_Zub_Lufttopf_Anz_m_value"})
                heiz->schreibe(QString::fromUtf8(name), {VbVariant::integer(i)}, VbVariant::integer(0));
        }
    }
    void Setze(const char* name, int index, const VbVariant& wert)
    {
        heiz->schreibe(QString::fromUtf8(name), {VbVariant::integer(static_cast<int16_t>(index))}, wert);
    }
    void Erfolg()
    {
        TYVO_XML_Schnittstelle s;
        s.RückgabeInXML_AuswahlErfolgreich(zustand().TyvoModus, *heiz);
    }
    // Every basket line as "title: count x article kind T title group P price".
    QStringList Körbe() const
    {
        XML_Tools x;
        QStringList zeilen;
        if (x.LoadXMLDocument(zustand().TyvoDatei) != 0)
            return {QStringLiteral("<nicht ladbar>")};
        for (pugi::xml_node korb : x.Kontextknoten().child("TYVO_Austauschdaten").children("Warenkorb")) {
            const QString titel = QString::fromUtf8(korb.child_value("Warenkorb_Bezug"));
            for (pugi::xml_node z : korb.children("Warenkorbzeile")) {
                const pugi::xml_node a = z.child("Artikeldaten");
                zeilen << QStringLiteral("%1: %2 x %3 %4 T%5 P%6")
                              .arg(titel, QString::fromUtf8(z.child_value("Anzahl")),
                                   QString::fromUtf8(a.child_value("Artikelnummer")),
                                   QString::fromUtf8(a.child_value("Typ_Bezeichnung")),
                                   QString::fromUtf8(z.child_value("Titelzugehoerigkeit")),
                                   QString::fromUtf8(a.child_value("Einheitspreis")));
            }
        }
        return zeilen;
    }
    // The answered file against a golden file: line ends as LF, the version as "@VERSION@".
    void Golden(const QString& name) const
    {
        QByteArray ist = Datei();
        ist.replace("\r\n", "\n");
        ist.replace("<Version>" + Programmversion::Text().toUtf8() + "</Version>", "<Version>@VERSION@</Version>");
        EXPECT_EQ(ist.toStdString(), Vorlage(name).toStdString());
        Schemagerecht();
    }
    // The answered file follows the exchange file's schema.
    void Schemagerecht() const
    {
        QProcess p;
        p.start(QStringLiteral(KELVOR_XMLLINT),
                {QStringLiteral("--noout"), QStringLiteral("--nonet"), QStringLiteral("--schema"),
                 QStringLiteral(KELVOR_SOURCE_DIR "/resources/exchange/TyvoAustauschdaten.xsd"), zustand().TyvoDatei});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
};

// --- The three answers ---

TEST_F(TyvoRueckgabe, SuccessWritesChangedInputsResultsAndBaskets)
{
    Lesen(2);
    GlobDatenHeizung& h = *heiz;
    // The program protected the whole system, lowered the flow temperature, raised the valve.
    h.m_Sicherung.m_Value = 0;
    h.m_Temp_V.m_Value = 67.5;
    h.m_p_SV.m_Value = 3.0625;  // x 1000 = 3062.5, to the even 3062
    h.m_p_stat.m_Value = 2.9;   // never written back
    TyvoWEErgebnis& e = zustand().TyvoDaten.WE_Daten_geaendert[1];
    e.SiV_Anzahl = 2;
    e.SiV_Art = 1;
    e.SiV_Nennweite = 25;
    e.EntspannGef_DN_Eingang = 40;
    e.EntspannGef_DN_Ausgang = 50;
    zustand().TyvoDaten.WE_Daten_geaendert[2].EntspannGef_DN_Eingang = 32;
    zustand().TyvoDaten.WE_Daten_geaendert[2].EntspannGef_DN_Ausgang = 40;
    h.m_GefaessAnzahl.m_Value = 2;
    h.m_GefaessArtNr.m_Value = QStringLiteral("40903");
    Setze("m_Zub_SichVentil_ArtNr_m_value", 1, QStringLiteral("30025"));
    Setze("m_Zub_SichVentil_Anz_m_value", 1, VbVariant::integer(2));
    Setze("m_Zub_EntspGefäß_ArtNr_m_value", 1, QStringLiteral("27032"));
    Erfolg();
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    Golden(QStringLiteral("antwort_erfolg.xml"));
}

TEST_F(TyvoRueckgabe, SuccessWithoutResultsWritesNoResultGroupAndRemovesEveryOldOne)
{
    // Four old result groups and eleven old baskets of an earlier answer.
    QByteArray text = Vorlage(QStringLiteral("gueltig.xml"));
    const QByteArray alt = "<MAG_Ergebnisse><MAG_Vorgaben_geaendert><TVL>75</TVL></MAG_Vorgaben_geaendert></MAG_Ergebnisse>";
    text.replace("</MAG_Daten>", alt + alt + alt + alt + "</MAG_Daten>");
    QByteArray körbe;
    for (int i = 0; i < 11; ++i)
        körbe += "<Warenkorb><Warenkorb_Bezug>alt</Warenkorb_Bezug></Warenkorb>";
    text.replace("</TYVO_Austauschdaten>", körbe + "</TYVO_Austauschdaten>");
    Lesen(1, text);
    Erfolg();
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Ergebnisse")), 0);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb")), 0);
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), QStringLiteral("1"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());

    // With one change the single new group stands last in MAG_Daten.
    heiz->m_Temp_R.m_Value = 45;
    Schreiben(text);
    Erfolg();
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/MAG_Daten/MAG_Ergebnisse")), 1);
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/MAG_Daten/*[last()]/MAG_Vorgaben_geaendert")),
              QStringLiteral("45"));
    Schemagerecht();
}

TEST_F(TyvoRueckgabe, NotPossibleWritesTheReasonOrMinusTwo)
{
    Lesen(2, Vorlage(QStringLiteral("alte_rueckgabe.xml")));
    TYVO_XML_Schnittstelle s;
    s.RückgabeInXML_AuswahlDerKomponenteNichtMöglich(2, QStringLiteral("Der Druckfaktor übersteigt 0,5.\r\nEine Auslegung ist nicht möglich!"));
    Golden(QStringLiteral("antwort_nicht_moeglich.xml"));

    Lesen(2, Vorlage(QStringLiteral("alte_rueckgabe.xml")));
    s.RückgabeInXML_AuswahlDerKomponenteNichtMöglich(2, QString());
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Ergebnis")), QStringLiteral("-2"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Hinweis")), QString());
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(TyvoRueckgabe, UserAbortEmptiesEveryBasketAndKeepsTheirTitles)
{
    // A file answered with success, with a seventh and an eighth basket of the host.
    Lesen(1);
    heiz->m_GefaessAnzahl.m_Value = 1;
    heiz->m_GefaessArtNr.m_Value = QStringLiteral("40903");
    for (int i = 1; i <= 6; ++i)
        Setze("m_Zub_KappV_Erz_ArtNr_m_value", i, QStringLiteral("24020"));
    Erfolg();
    ASSERT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb")), 7);
    QByteArray text = Datei();
    text.replace("</TYVO_Austauschdaten>", "<Warenkorb><Warenkorb_Bezug>Extra</Warenkorb_Bezug><Warenkorbzeile><Anzahl>1</Anzahl><Mengeneinheit>Stueck</Mengeneinheit><Titelzugehoerigkeit>0</Titelzugehoerigkeit><Artikeldaten><Herstellerkennung>KEL</Herstellerkennung><Artikelnummer>1</Artikelnummer><Kurztext/><Langtext/><Einheitspreis>0</Einheitspreis><Handelsware>1</Handelsware><Typ_Bezeichnung/></Artikeldaten></Warenkorbzeile></Warenkorb></TYVO_Austauschdaten>");
    Schreiben(text);

    TYVO_XML_Schnittstelle s;
    s.RückgabeInXML_AuswahlNutzerabbruch(1);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb")), 8);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb/Warenkorb_Bezug")), 8);
    EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb/Warenkorbzeile")), 0);
    EXPECT_TRUE(meldungen.boxen.isEmpty());

    // The golden abort answer of a file with an earlier answer.
    Lesen(1, Vorlage(QStringLiteral("alte_rueckgabe.xml")));
    s.RückgabeInXML_AuswahlNutzerabbruch(1);
    Golden(QStringLiteral("antwort_abbruch.xml"));
}

// --- Deleting the project made for the run ---

TEST_F(TyvoRueckgabe, NotPossibleDeletesOnlyTheProjectThisRunMade)
{
    struct Fall {
        const char* name;
        int modus;
        bool angelegt;
        bool gelöscht;
    };
    const Fall fälle[] = {
        {"mode 1", 1, true, true},
        {"mode 1, before the project page made one", 1, false, false},
        {"mode 2, stored before", 2, false, false},
        {"mode 2, made by the project page", 2, true, true},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        // A number with an apostrophe must not break the deletion.
        const QString nummer = QStringLiteral("O'Brien 7");
        datenbanken->projekt().ausfuehren({QStringLiteral("INSERT INTO ProjekteTabelle (\"Projekt Nr\", Projektart) "
                                                           "VALUES ('O''Brien 7', 'He'), ('O', 'He')")});
        heiz.reset();
        zustand().aktProjektnummer = nummer;
        heiz = std::make_unique<GlobDatenHeizung>();
        ASSERT_EQ(heiz->Init(), 0);
        ASSERT_NO_FATAL_FAILURE(Lesen(f.modus));
        zustand().aktProjektnummer = nummer;
        zustand().g_heizdat = std::shared_ptr<GlobDatenHeizung>(heiz.release());
        zustand().TyvoProjektAngelegt = f.angelegt;

        TYVO_XML_Schnittstelle s;
        s.RückgabeInXML_AuswahlDerKomponenteNichtMöglich(f.modus, QStringLiteral("Grund"));
        zustand().g_heizdat.reset();
        EXPECT_EQ(datenbanken->zeilen(QStringLiteral("ProjekteTabelle"), nummer), f.gelöscht ? 0 : 1);
        EXPECT_EQ(datenbanken->zeilen(QStringLiteral("Heizungsparameter"), nummer), f.gelöscht ? 0 : 1);
        EXPECT_EQ(datenbanken->zeilen(QStringLiteral("ProjekteTabelle"), QStringLiteral("O")), 1);
        EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Allg_Daten/Hinweis")), QStringLiteral("Grund"));
        EXPECT_TRUE(meldungen.boxen.isEmpty());

        datenbanken->projekt().ausfuehren(
            {QStringLiteral("DELETE FROM ProjekteTabelle"), QStringLiteral("DELETE FROM Heizungsparameter")});
        zustand().aktProjektnummer = QStringLiteral("P-2026-014");
        heiz = std::make_unique<GlobDatenHeizung>();
        ASSERT_EQ(heiz->Init(), 0);
        zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    }
}

// --- Files the answer cannot complete ---

TEST_F(TyvoRueckgabe, MissingElementsAndUnsaveableFilesGiveTheMessageOnce)
{
    struct Fall {
        const char* name;
        int modus;
        std::function<QByteArray(QByteArray)> datei;
        bool meldung;
        bool gespeichert;
    };
    const Fall fälle[] = {
        {"no ProjektID, mode 1", 1, [](QByteArray t) { return t.replace("<ProjektID>P-2026-014</ProjektID>", ""); },
         false, true},
        {"no ProjektID, mode 2", 2, [](QByteArray t) { return t.replace("<ProjektID>P-2026-014</ProjektID>", ""); },
         true, true},
        {"no Allg_Daten", 1,
         [](QByteArray t) {
             const qsizetype a = t.indexOf("<Allg_Daten>");
             return t.remove(a, t.indexOf("</Allg_Daten>") + 13 - a);
         },
         false, true},
        {"no Version", 1, [](QByteArray t) { return t.replace("<Version></Version>", ""); }, true, true},
        {"no MAG_Daten", 1,
         [](QByteArray t) {
             const qsizetype a = t.indexOf("<MAG_Daten>");
             return t.remove(a, t.indexOf("</MAG_Daten>") + 12 - a);
         },
         true, true},
        {"not XML", 1, [](QByteArray) { return QByteArray("<TYVO_Austauschdaten>"); }, true, false},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Lesen(f.modus);
        heiz->m_Temp_V.m_Value = 65;
        heiz->m_GefaessAnzahl.m_Value = 1;
        heiz->m_GefaessArtNr.m_Value = QStringLiteral("40903");
        const QByteArray inhalt = f.datei(Vorlage(QStringLiteral("gueltig.xml")));
        Schreiben(inhalt);
        meldungen.leeren();
        Erfolg();
        ASSERT_EQ(meldungen.boxen.size(), f.meldung ? 1 : 0);
        if (f.meldung) {
            EXPECT_EQ(meldungen.boxen.at(0).text, Speicherfehler);
        }
        if (f.gespeichert) {
            EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/FehlerCode")), QStringLiteral("1"));
            EXPECT_EQ(Anzahl(QStringLiteral("TYVO_Austauschdaten/Warenkorb")), 1);  // still written
        } else {
            EXPECT_EQ(Datei(), inhalt);
        }
        // The other answers say it once as well.
        Schreiben(inhalt);
        meldungen.leeren();
        TYVO_XML_Schnittstelle().RückgabeInXML_AuswahlNutzerabbruch(f.modus);
        EXPECT_EQ(meldungen.boxen.size(), f.meldung ? 1 : 0);
    }

    // A file that cannot be replaced stays as it is, with one message (where the file system
    // lets a test lock a file).
    Lesen(1);
    const QByteArray inhalt = Datei();
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), zustand().TyvoDatei}) == 0) {
        meldungen.leeren();
        Erfolg();
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), zustand().TyvoDatei});
        EXPECT_EQ(meldungen.boxen.size(), 1);
        EXPECT_EQ(Datei(), inhalt);
    }
}

// Every failing step of the write keeps the host's file as it was and names it once.
TEST_F(TyvoRueckgabe, FailedWritesKeepTheFileAndNameIt)
{
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        if (schritt == Schreibfehler::Schritt::Ordnersync)
            continue;  // the file is already complete then
        for (const int nummer : {EIO, ENOSPC}) {
            SCOPED_TRACE(std::string(Schreibfehler::Name(schritt)) + " " + std::to_string(nummer));
            Lesen(1);
            heiz->m_GefaessAnzahl.m_Value = 1;
            heiz->m_GefaessArtNr.m_Value = QStringLiteral("40903");
            const QByteArray inhalt = Datei();
            meldungen.leeren();
            {
                Schreibfehler fehler(schritt, nummer);
                Erfolg();
            }
            ASSERT_EQ(meldungen.boxen.size(), 1);
            EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2241});
            EXPECT_TRUE(meldungen.boxen[0].text.contains(QDir::toNativeSeparators(zustand().TyvoDatei)));
            EXPECT_TRUE(meldungen.boxen[0].text.contains(QString::fromLocal8Bit(std::strerror(nummer))));
            EXPECT_EQ(Datei(), inhalt);
            EXPECT_TRUE(QDir(QFileInfo(zustand().TyvoDatei).absolutePath())
                            .entryList({QStringLiteral("*.kelvor-*")}, QDir::Files)
                            .isEmpty());
        }
    }
}

// An exchange file the host made read-only is not rewritten: it stays as it was and the message
// says why.
TEST_F(TyvoRueckgabe, SchreibgeschuetzteDateiBleibtUnberuehrt)
{
    Lesen(1);
    heiz->m_GefaessAnzahl.m_Value = 1;
    heiz->m_GefaessArtNr.m_Value = QStringLiteral("40903");
    const QByteArray inhalt = Datei();
    SchreibgeschuetzteDatei(zustand().TyvoDatei, inhalt);
    meldungen.leeren();
    Erfolg();
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2241});
    EXPECT_EQ(meldungen.boxen[0].werte, (QStringList{QDir::toNativeSeparators(zustand().TyvoDatei), LadeText(2963)}));
    EXPECT_EQ(Datei(), inhalt);
    EXPECT_TRUE(QDir(QFileInfo(zustand().TyvoDatei).absolutePath()).entryList({QStringLiteral("*.kelvor-*")}, QDir::Files).isEmpty());
}

// --- Changed host inputs of a stored project ---

TEST_F(TyvoRueckgabe, ChangedInputsAreFoundInTheirOrder)
{
    struct Fall {
        const char* name;
        std::function<void(GlobDatenHeizung&)> ändern;
        bool geändert;
    };
    const Fall fälle[] = {
        {"nothing", [](GlobDatenHeizung&) {}, false},
        {"heating kind", [](GlobDatenHeizung& h) { h.m_Beheiz.m_Value = 1; }, true},
        {"content", [](GlobDatenHeizung& h) { h.m_VolAnlage.m_Value = 1851; }, true},
        {"primary temperature with direct heating", [](GlobDatenHeizung& h) { h.m_Primärtemp.m_Value = 95; }, false},
        {"static pressure 2.44 against 2.5", [](GlobDatenHeizung& h) { h.m_p_stat.m_Value = 2.46; }, false},
        {"static pressure 2.44 against 2.4", [](GlobDatenHeizung& h) { h.m_p_stat.m_Value = 2.44; }, true},
        {"valve pressure", [](GlobDatenHeizung& h) { h.m_p_SV.m_Value = 3.1; }, true},
        {"height", [](GlobDatenHeizung& h) { h.m_EinbringHoehe.m_Value = 1800; }, true},
        {"output of WE 2", [](GlobDatenHeizung& h) { h.m_Leist_m_value(2, 81); }, true},
        {"internal vessel with protection per generator", [](GlobDatenHeizung& h) { h.m_Einzel_BehGesVol_m_value(1, 40); },
         false},
        {"valve kind", [](GlobDatenHeizung& h) { h.m_AusfuehrSV.m_Value = 0; }, true},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Lesen(2);
        f.ändern(*heiz);
        bool geändert = !f.geändert;
        TYVO_XML_Schnittstelle().MAGVorgabedatenVonTyvoGeändert(*heiz, geändert);
        EXPECT_EQ(geändert, f.geändert);
    }

    // Pst 2440 against 2.4 bar: both 2.4 to one decimal; 2460 is 2.5.
    for (auto [pst, geändert] : {std::pair{"2440", false}, std::pair{"2460", true}}) {
        Lesen(2, Vorlage(QStringLiteral("gueltig.xml")).replace("<Pst>2500</Pst>", QByteArray("<Pst>") + pst + "</Pst>"));
        heiz->m_p_stat.m_Value = 2.4;
        bool g = !geändert;
        TYVO_XML_Schnittstelle().MAGVorgabedatenVonTyvoGeändert(*heiz, g);
        EXPECT_EQ(g, geändert) << pst;
    }

    // With the protection of the whole system the internal vessels count.
    Lesen(2, Vorlage(QStringLiteral("gueltig.xml")).replace("<Anlagenabsicherung>1", "<Anlagenabsicherung>0"));
    heiz->m_Einzel_BehGesVol_m_value(1, 40);
    bool g = false;
    TYVO_XML_Schnittstelle().MAGVorgabedatenVonTyvoGeändert(*heiz, g);
    EXPECT_TRUE(g);
}

// --- Article baskets ---

TEST_F(TyvoRueckgabe, BasketBranches)
{
    struct Fall {
        const char* name;
        std::function<void()> setzen;
        QStringList zeilen;
    };
    GlobDatenHeizung& h = *heiz;
    const auto automat = [&h](int gruppe, int steuer, int gesamt) {
        h.m_GefaessGruppe.m_Value = gruppe;
        h.m_SteuerbehAnzahl.m_Value = steuer;
        h.m_GefaessAnzahl.m_Value = gesamt;
    };
    const Fall fälle[] = {
        {"plain vessels",
         [&] {
             h.m_GefaessAnzahl.m_Value = 2;
             h.m_GefaessArtNr.m_Value = QStringLiteral("40903");
         },
         {"Verteilung: 2 x 40903 Ausdehnungsgefaess T1 P85500"}},
        {"compressor automat with add-on vessels, additional compressor and bits",
         [&] {
             automat(9, 1, 3);
             h.m_GefaessArtNr.m_Value = QStringLiteral("40901");
             h.m_KomprPumpeArtNr.m_Value = QStringLiteral("21011");
             h.m_BeistellArtNr.m_Value = QStringLiteral("40902");
             h.m_ZusKomprPumpeArtNr.m_Value = QStringLiteral("21021");
             h.m_GefaessInhalt.m_Value = VbVariant::integer(400);
             h.m_ZubehörSteuerung.m_Value = VbVariant::integer(1 | 2 | 4 | 8 | 16 | 32 | 64 | 128);
         },
         {"Verteilung: 1 x 40901 Ausdehnungsgefaess T1 P45900", "Verteilung: 1 x 21011 Ausdehnungsgefaess T1 P245000",
          "Verteilung: 2 x 40902 Ausdehnungsgefaess T1 P65700", "Verteilung: 2 x 22380 Ausdehnungsgefaess T1 P6490",
          "Verteilung: 1 x 21021 Ausdehnungsgefaess T1 P309000", "Verteilung: 3 x 17791 ZubehoerAllgemein T1 P21000",
          "Verteilung: 1 x 17739 ZubehoerAllgemein T4 P15600", "Verteilung: 1 x 17790 ZubehoerAllgemein T1 P9850",
          "Verteilung: 1 x 17792 ZubehoerAllgemein T1 P17500", "Verteilung: 1 x 17797 ZubehoerAllgemein T1 P36500",
          "Verteilung: 1 x 17795 ZubehoerAllgemein T1 P42000", "Verteilung: 1 x 17798 ZubehoerAllgemein T1 P48000",
          "Verteilung: 3 x 22504 ZubehoerAllgemein T5 P19400"}},
        {"membrane-break sensor of another module",
         [&] {
             automat(9, 1, 1);
             h.m_SteuerModulKomp.m_Value = VbVariant::integer(1);
             h.m_ZubehörSteuerung.m_Value = VbVariant::integer(1 | 16);
             h.m_GefaessInhalt.m_Value = VbVariant::integer(1500);  // no insulation article
         },
         {"Verteilung: 1 x 22386 ZubehoerAllgemein T1 P19500"}},
        {"pump automat with cap valves at the vessels",
         [&] {
             automat(14, 1, 1);
             h.m_KomprPumpeArtNr.m_Value = QStringLiteral("21310");
             h.m_Zub_KappV_Beh_Anz.m_Value = VbVariant::integer(2);
             h.m_Zub_KappV_Beh_ArtNr.m_Value = QStringLiteral("24120");
             Setze("m_Zub_KappV_Erz_ArtNr_m_value", 2, QStringLiteral("24020"));
         },
         {"WE 2: 1 x 24020 ZubehoerAllgemein T3 P2480", "Verteilung: 1 x 21310 Ausdehnungsgefaess T1 P168590",
          "Verteilung: 2 x 24120 ZubehoerAllgemein T0 P1215", "Verteilung: 2 x 24125 ZubehoerAllgemein T0 P2140"}},
        {"pump automat without cap valves at the vessels",
         [&] {
             automat(14, 1, 1);
             h.m_KomprPumpeArtNr.m_Value = QStringLiteral("21310");
             h.m_Zub_KappV_Beh_ArtNr.m_Value = QStringLiteral("24120");
         },
         {"Verteilung: 1 x 21310 Ausdehnungsgefaess T1 P168590"}},
        {"make-up automat with its separator",
         [&] {
             h.m_Zub_Nachspeisung.m_Value = VbVariant::integer(3);
             h.m_Zub_Nachspeise_Anz.m_Value = VbVariant::integer(1);
             h.m_Zub_Nachspeise_ArtNr.m_Value = QStringLiteral("23801");
             h.m_Zub_Systemtrenner_ArtNr.m_Value = QStringLiteral("17095");
         },
         {"Verteilung: 1 x 23801 ZubehoerAllgemein T4 P268000", "Verteilung: 1 x 17095 ZubehoerAllgemein T4 P24500"}},
        {"make-up unit with separator flag outside group 14",
         [&] {
             h.m_Zub_Nachspeisung.m_Value = VbVariant::integer(1);
             h.m_Zub_Nachspeise_Anz.m_Value = VbVariant::integer(1);
             h.m_Zub_Nachspeise_ArtNr.m_Value = QStringLiteral("23760");
             h.m_Zub_Systemtrenner.m_Value = VbVariant::integer(1);
             h.m_Zub_Systemtrenner_ArtNr.m_Value = QStringLiteral("17736");
         },
         {"Verteilung: 1 x 23760 ZubehoerAllgemein T4 P64000"}},
        {"central dirt separator with insulation, intermediate vessels",
         [&] {
             h.m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(1);
             h.m_Zub_SchlammIso.m_Value = VbVariant::integer(1);
             Setze("m_Zub_Schlamm_ArtNr_m_value", 1, QStringLiteral("32003"));
             Setze("m_Zub_SchlammIso_ArtNr_m_value", 1, QStringLiteral("34003"));
             h.m_Zub_Vorlagebeh_ArtNr.m_Value = QStringLiteral("40903");
             Setze("m_Zub_VorlBehEinz_ArtNr_m_value", 3, QStringLiteral("40901"));
         },
         {"WE 3: 1 x 40901 ZubehoerAllgemein T1 P45900", "Verteilung: 1 x 40903 ZubehoerAllgemein T1 P85500",
          "Verteilung: 1 x 32003 ZubehoerAllgemein T5 P32000", "Verteilung: 1 x 34003 ZubehoerAllgemein T5 P7040"}},
        {"insulation without separator, separators per generator",
         [&] {
             h.m_Zub_Schlamm_Anordnung.m_Value = VbVariant::integer(2);
             h.m_Zub_SchlammIso.m_Value = VbVariant::integer(1);
             Setze("m_Zub_SchlammIso_ArtNr_m_value", 1, QStringLiteral("34003"));
             Setze("m_Zub_Schlamm_ArtNr_m_value", 2, QStringLiteral("32003"));
         },
         {"WE 2: 1 x 32003 ZubehoerAllgemein T5 P32000"}},
        {"individual protection, valves, traps and venting rows",
         [&] {
             h.m_Sicherung.m_Value = 1;
             Setze("m_Einzel_GefässArtNr_m_value", 1, QStringLiteral("40901"));
             Setze("m_Zub_SichVentil_ArtNr_m_value", 1, QStringLiteral("26020"));
             Setze("m_Zub_SichVentil_Anz_m_value", 1, VbVariant::integer(2));
             Setze("m_Zub_EntspGefäß_ArtNr_m_value", 1, QStringLiteral("27020"));
             Setze("m_Zub_SichVentil_ArtNr_m_value", 2, QStringLiteral("26025"));  // no valve count
             Setze("m_Zub_AbsAbsch_ArtNr_m_value", 2, QStringLiteral("33001"));
             Setze("m_Zub_AbsAbsch_Anz_m_value", 2, VbVariant::integer(3));
             Setze("m_Zub_Lufttopf_ArtNr_m_value", 1, QStringLiteral("33201"));
             Setze("m_Zub_Lufttopf_Anz_m_value", 1, VbVariant::integer(1));
             Setze("m_Zub_ZentrAbsch_ArtNr_m_value", 1, QStringLiteral("33101"));
         },
         {"WE 1: 1 x 40901 Ausdehnungsgefaess T1 P45900", "WE 1: 2 x 26020 Sicherheitsventil T2 P5400",
          "WE 1: 2 x 27020 Entspannungstopf T2 P26500", "Verteilung: 3 x 33001 ZubehoerAllgemein T5 P%1",
          "Verteilung: 1 x 33201 ZubehoerAllgemein T5 P%2"}},
        {"unknown articles still get their line",
         [&] {
             Setze("m_Zub_SichVentil_ArtNr_m_value", 4, QStringLiteral("49999"));
             Setze("m_Zub_SichVentil_Anz_m_value", 4, VbVariant::integer(1));
             Setze("m_Zub_EntspGefäß_ArtNr_m_value", 4, QStringLiteral("SV-1'5 x"));
         },
         {"WE 4: 1 x 49999 Sicherheitsventil T0 P0", "WE 4: 1 x SV-1'5 x Entspannungstopf T0 P0"}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Lesen(1);
        f.setzen();
        Erfolg();
        QStringList erwartet = f.zeilen;
        for (QString& z : erwartet) {
            // Prices of the venting articles as the demo data have them.
            if (z.contains(QLatin1String("%1")) || z.contains(QLatin1String("%2"))) {
                datenbank db;
                const auto preis = [&db](const char* nr) {
                    db.OpenTab(QStringLiteral(KELVOR_ARTIKEL_DB),
                               QStringLiteral("Select * From ARTIKEL WHERE arArtikelnr = '%1'").arg(QString::fromLatin1(nr)),
                               3, Kennwort::Artikeldatenbank, true);
                    return QString::number(qRound64(db.GetFeld(QStringLiteral("arPreis")).toDouble() * 100));
                };
                z = z.contains(QLatin1String("%1")) ? z.arg(preis("33001")) : z.arg(preis("33201"));
            }
        }
        EXPECT_EQ(Körbe(), erwartet);
        EXPECT_TRUE(meldungen.boxen.isEmpty());
        Schemagerecht();
    }
}

// The texts of a basket line from a small article database.
TEST_F(TyvoRueckgabe, BasketLineTextsAndPrices)
{
    const QString langtext100 = QString(100, QLatin1Char('x'));
    ArtikelFixture artikel(QStringLiteral(
        "CREATE TABLE ARTIKEL (arArtikelnr TEXT COLLATE NOCASE, arKurztext1 TEXT, arKurztext2 TEXT, arPreis REAL, "
        "ltLangtextnr INTEGER);"
        "CREATE TABLE Artikel_Zusatz (artikelnr TEXT COLLATE NOCASE, TitelGruppe INTEGER);"
        "CREATE TABLE LANGTEXTE (ltLangtextnr INTEGER, ltText TEXT);"
        "CREATE TABLE DIMENSIONSTEXTE (arArtikelnr TEXT COLLATE NOCASE, ltLangtextnr INTEGER, diTextzeile TEXT);"
        "CREATE TABLE EINFUEGETEXTE (etEinfuegetextnr INTEGER, etText TEXT);"
        "INSERT INTO ARTIKEL VALUES ('10001', 'Lang', '', 0.125, 1), ('10002', 'Zeilen', '', 0.375, 2),"
        " ('10003', NULL, '', NULL, NULL), ('AB''1', 'Text', '', 1.005, NULL);"
        "INSERT INTO Artikel_Zusatz VALUES ('10001', 5), ('10002', NULL), ('10003', 2), ('AB''1', 3);"
        "INSERT INTO LANGTEXTE VALUES (1, '%1'), (2, 'Erste Zeile' || char(10) || 'zweite' || char(13) || 'dritte'"
        " || char(13, 10) || 'vierte');"
        "INSERT INTO DIMENSIONSTEXTE VALUES ('10001', 1, '740$1070$');"
        "INSERT INTO EINFUEGETEXTE VALUES (1, 'Durchmesser $$$$ mm, Höhe $$$$ mm')")
                                .arg(langtext100));
    ASSERT_TRUE(artikel.ok());
    Lesen(1);
    heiz->m_Zub_Vorlagebeh_ArtNr.m_Value = QStringLiteral("10001");
    Setze("m_Zub_KappV_Erz_ArtNr_m_value", 1, QStringLiteral("10002"));
    Setze("m_Zub_KappV_Erz_ArtNr_m_value", 2, QStringLiteral("10003"));
    Setze("m_Zub_KappV_Erz_ArtNr_m_value", 3, QStringLiteral("AB'1"));
    Erfolg();
    EXPECT_EQ(Körbe(), (QStringList{"WE 1: 1 x 10002 ZubehoerAllgemein T0 P38", "WE 2: 1 x 10003 ZubehoerAllgemein T2 P0",
                                    "WE 3: 1 x AB'1 ZubehoerAllgemein T3 P100",
                                    "Verteilung: 1 x 10001 ZubehoerAllgemein T5 P12"}));
    const QString x40(40, QLatin1Char('x'));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Warenkorb[4]/Warenkorbzeile/Artikeldaten/Langtext")),
              x40 + "\r\n" + x40 + "\r\n" + QString(20, QLatin1Char('x')) + "\r\nDurchmesser  740 mm, Höhe 1070 mm");
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Warenkorb[1]/Warenkorbzeile/Artikeldaten/Langtext")),
              QStringLiteral("Erste Zeile\r\nzweite\r\ndritte\r\nvierte"));
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Warenkorb[2]/Warenkorbzeile/Artikeldaten/Kurztext")), QString());
    EXPECT_EQ(Wert(QStringLiteral("TYVO_Austauschdaten/Warenkorb[1]/Warenkorbzeile/Artikeldaten/Kurztext")),
              QStringLiteral("Zeilen"));
    EXPECT_TRUE(meldungen.boxen.isEmpty());
    Schemagerecht();
}

}  // namespace
