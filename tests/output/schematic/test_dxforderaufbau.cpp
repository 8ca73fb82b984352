#include <gtest/gtest.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <array>

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/heating/GlobDatenHeizung.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/storage_heater/GlobDatenSpeicher.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "output/schematic/DXFOrderAufbau.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"
#include "support/QStringAusgabe.h"
#include "support/Schreibfehler.h"

namespace {

// A value, an indexed value (1..6) or a method result, set by name.
struct Wert {
    const char* name;
    VbVariant wert;
    int index = 0;
};

// A data object of any type made of the names its builder reads (the other types' classes are
// filled the same way through their registries where they have the names).
class Testanlage {
public:
    explicit Testanlage(const QString& art) : m_member(QStringLiteral("Testanlage"))
    {
        for (QString name : DXFOrderAufbau::Membernamen(art)) {
            if (name.endsWith(QLatin1String("(i)"))) {
                name.chop(3);
                auto& liste = m_listen[name];
                liste.fill(VbVariant(0));
                m_member.indiziert(name, 1, [&liste](const QList<VbVariant>& i) { return liste.at(static_cast<size_t>(i[0].toLong())); },
                                   [&liste](const QList<VbVariant>& i, const VbVariant& w) { liste[static_cast<size_t>(i[0].toLong())] = w; });
            } else if (name.endsWith(QLatin1String("()"))) {
                name.chop(2);
                VbVariant& w = m_werte[name];
                w = VbVariant(0);
                m_member.methode(name, 0, 0, [&w](const QList<VbVariant>&) { return w; });
            } else {
                VbVariant& w = m_werte[name];
                w = name.contains(QLatin1String("ArtNr")) ? VbVariant(QStringLiteral(" ")) : VbVariant(0);
                m_member.variable(name, w);
            }
        }
    }
    void setze(const Wert& w)
    {
        const QString n = QString::fromUtf8(w.name);
        if (w.index > 0)
            m_listen[n][static_cast<size_t>(w.index)] = w.wert;
        else
            m_werte[n] = w.wert;
    }
    const MemberRegister& member() const { return m_member; }

private:
    MemberRegister m_member;
    std::map<QString, VbVariant> m_werte;
    std::map<QString, std::array<VbVariant, 7>> m_listen;
};

QString dxfText(const QString& artNr)
{
    static const QHash<QString, QString> texte{
        {"V-50", "Gefäß 50 l"}, {"V-80", "Gefäß 80 l, 10 bar"}, {"ST-9", "Steuergerät K"}, {"K-9", "Kompressor"},
        {"KZ-9", "Zusatzkompressor"}, {"B-9", "Beistellgefäß"}, {"N-1", "Nachspeisung"}, {"ENA-1", "Nachspeiseautomat"},
        {"VB-1", "Vorlagebehälter"}, {"VE-1", "Einzelgefäß"}, {"VBE-1", "Einzelvorlage"}, {"AS-1", "Abscheider\tzentral"},
        {"CR-1", "Gefäß\r\n[ENDE]"}};
    return texte.value(artNr);
}

// Lines written as "block|symbol|text|" with | for TAB.
QStringList zeilen(const QStringList& mitStrich)
{
    QStringList r;
    for (QString z : mitStrich)
        r << z.replace(u'|', u'\t');
    return r;
}

struct Fall {
    const char* name;
    QList<Wert> werte;
    QStringList erwartet;  // from key 5 on
};

// Two boilers of 150 and 400 kW entered one by one, direct heating, minimum pressure limiter
// choice, two plain vessels of group 1.
const QList<Wert> zweiKessel{{"m_Leist_m_value", 150, 1}, {"m_Leist_m_value", 400, 2}, {"m_Zub_WMangelSichArt", 3},
                             {"m_GefaessGruppe", 1}, {"m_GefaessAnzahl", 2}, {"m_GefaessArtNr", "V-50"}};
// One boiler entered as a total of 100 kW, nothing else.
const QList<Wert> einKessel{{"m_Leist_ges", 100.0}};
const QStringList einKesselZeilen{"1|Kessel.dxf|100 kW|", "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|",
                                  "2|As_NO.dxf|"};

QList<Wert> mit(QList<Wert> basis, const QList<Wert>& dazu) { return basis << dazu; }
QStringList nach(const QStringList& kopf, const QStringList& basis, const QStringList& rest) { return kopf + basis + rest; }

const QList<Fall>& Heizungsfälle()
{
    static const QStringList zweiKesselZeilen{"1|Kessel.dxf|150 kW|", "2|Kessel.dxf|400 kW|", "1|Mindrube.dxf|",
                                              "2|Wasmansi.dxf|", "2|Maxdrube.dxf|", "1|Kappenv.dxf|", "2|Kappenv.dxf|",
                                              "3|Entlueft_NO.dxf|", "3|AnbindOhneENA.dxf|", "3|As_NO.dxf|",
                                              "100|Pravon.dxf|", "101|Pravon.dxf|"};
    static const QList<Fall> fälle{
        {"zwei Kessel einzeln", zweiKessel, QStringList{"5=2 Stck Gefäß 50 l", "[OBJEKT]"} + zweiKesselZeilen},
        {"Lücke zwischen den Erzeugern",
         {{"m_Leist_m_value", 150, 1}, {"m_Leist_m_value", 400, 3}, {"m_Zub_WMangelSichArt", 3}, {"m_GefaessGruppe", 1},
          {"m_GefaessAnzahl", 2}, {"m_GefaessArtNr", "V-50"}},
         QStringList{"5=2 Stck Gefäß 50 l", "[OBJEKT]"} + zweiKesselZeilen},
        {"Gesamtleistung",
         {{"m_Leist_ges", 550.5}, {"m_Zub_WMangelSichArt", 3}, {"m_GefaessGruppe", 1}, {"m_GefaessAnzahl", 2},
          {"m_GefaessArtNr", "V-50"}},
         {"5=2 Stck Gefäß 50 l", "[OBJEKT]", "1|Kessel.dxf|550,5 kW|", "1|Wasmansi.dxf|", "1|Maxdrube.dxf|",
          "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|", "100|Pravon.dxf|",
          "101|Pravon.dxf|"}},
        {"Kompressorautomat Gruppe 9",
         mit(einKessel, {{"m_ArtDruckhaltung", 1}, {"m_GefaessGruppe", 9}, {"m_SteuerbehAnzahl", 2}, {"m_GefaessAnzahl", 5},
                         {"m_GefaessArtNr", "ST-9"}, {"m_KomprPumpeArtNr", "K-9"}, {"m_ZusKomprPumpeArtNr", "KZ-9"},
                         {"m_BeistellArtNr", "B-9"}, {"m_Zub_Nachspeisung", 1}, {"m_Zub_Nachspeise_Anz", 1},
                         {"m_Zub_Nachspeise_ArtNr", "N-1"}}),
         nach({"5=1 Stck Nachspeisung, 2 Stck Steuergerät K, 2 Stck Kompressor, 1 Stck Zusatzkompressor, "
               "3 Stck Beistellgefäß",
               "[OBJEKT]"},
              einKesselZeilen,
              {"100|Mkbeil.dxf|", "101|Mk.dxf|", "102|Mkbeir.dxf|", "103|Mkbeil.dxf|", "104|Mk.dxf|", "101|Sta.dxf|"})},
        {"Pumpenautomat Gruppe 11 ohne Systemtrenner-Symbol",
         mit(einKessel, {{"m_ArtDruckhaltung", 1}, {"m_GefaessGruppe", 11}, {"m_SteuerModulKomp", 2},
                         {"m_SteuerbehAnzahl", 1}, {"m_GefaessAnzahl", 2}, {"m_Zub_Systemtrenner", 1},
                         {"m_Zub_Nachspeisung", 1}}),
         nach({"5=", "[OBJEKT]"}, einKesselZeilen, {"100|Mpbeistl.dxf|", "101|Mp2.dxf|", "101|Stamp.dxf|"})},
        {"Pumpenautomat Gruppe 14 mit Systemtrenner",
         {{"m_Leist_ges", 100.0}, {"m_ArtDruckhaltung", 1}, {"m_GefaessGruppe", 14}, {"m_SteuerbehAnzahl", 1},
          {"m_GefaessAnzahl", 1}, {"m_Zub_Systemtrenner", 1}, {"m_Zub_Nachspeisung", 2}},
         {"5=", "[OBJEKT]", "1|Kessel.dxf|100 kW|", "1|Kappenv2.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|",
          "2|As_NO.dxf|", "100|Kelmat.dxf|", "100|Systemtr.dxf|", "100|Pa.dxf|"}},
        {"Automat Gruppe 60 mit zwei Beistellgefäßen",
         {{"m_Leist_ges", 100.0}, {"m_ArtDruckhaltung", 1}, {"m_GefaessGruppe", 60}, {"m_SteuerbehAnzahl", 1},
          {"m_GefaessAnzahl", 3}, {"m_Zub_Nachspeisung", 2}},
         {"5=", "[OBJEKT]", "1|Kessel.dxf|100 kW|", "1|Kappenv2.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|",
          "2|As_NO.dxf|", "100|Pumbrix.dxf|", "101|PumBei1.dxf|", "102|PumBei2.dxf|", "101|Pa.dxf|"}},
        {"Nachspeisung Pumpenausführung am Gefäß",
         mit(einKessel, {{"m_GefaessGruppe", 7}, {"m_GefaessInhalt", 80}, {"m_GefaessAnzahl", 1},
                         {"m_Zub_Nachspeisung", 2}, {"m_Zub_Nachspeise_Anz", 1}, {"m_Zub_Nachspeise_ArtNr", "N-1"}}),
         nach({"5=1 Stck Nachspeisung", "[OBJEKT]"}, einKesselZeilen, {"100|M80.dxf|", "100|Pm.dxf|"})},
        {"Nachspeiseautomat",
         mit(einKessel, {{"m_GefaessGruppe", 1}, {"m_GefaessAnzahl", 1}, {"m_GefaessArtNr", "V-50"},
                         {"m_Zub_Nachspeisung", 3}, {"m_Zub_Nachspeise_Anz", 1}, {"m_Zub_Nachspeise_ArtNr", "ENA-1"}}),
         {"5=1 Stck Gefäß 50 l, 1 Stck Nachspeiseautomat", "[OBJEKT]", "1|Kessel.dxf|100 kW|", "1|Kappenv2.dxf|",
          "2|Entlueft_NO.dxf|", "2|As_NO.dxf|", "100|Pravon.dxf|", "101|ENA_ohneVB.dxf|"}},
        {"Gruppe ohne Symbol",
         mit(einKessel, {{"m_GefaessGruppe", 6}, {"m_GefaessAnzahl", 2}}),
         nach({"5=", "[OBJEKT]"}, einKesselZeilen, {"100||", "101||"})},
        {"indirekt, Einzelabsicherung, Vorlage, Entlüftung, zentraler Abscheider",
         {{"m_Beheiz", 1}, {"m_Anlage", 1}, {"m_Sicherung", 1}, {"m_Leist_m_value", 200, 1}, {"m_Leist_m_value", 350, 2},
          {"m_Zub_WMangelSichArt", 1}, {"m_Zub_EntspGefäß_ArtNr_m_value", "E-1", 2},
          {"m_Einzel_GefässArtNr_m_value", "VE-1", 1}, {"m_Zub_VorlBehEinz_ArtNr_m_value", "VBE-1", 1},
          {"m_Einzel_GefässArtNr_m_value", "VE-1", 2}, {"m_Zub_Vorlagebeh_ArtNr", "VB-1"},
          {"m_Zub_Lufttopf_Anz_m_value", 1, 4}, {"m_Zub_Schlamm_Anordnung", 1}, {"m_Zub_Schlamm_ArtNr_m_value", "AS-1", 1},
          {"m_GefaessGruppe", 2}, {"m_GefaessAnzahl", 1}},
         {"5=1 Stck Vorlagebehälter", "[OBJEKT]", "1|Waermeta.dxf|200 kW|", "2|Waermeta.dxf|350 kW|", "2|Entspato.dxf|",
          "1|Wasmansi.dxf|", "2|Wasmansi.dxf|", "1|Kseinabs.dxf|Einzelvorlage|Einzelgefäß|",
          "2|Kseinabs.dxf|Einzelgefäß||", "1|Kappenv.dxf|", "2|Kappenv.dxf|", "3|Entlueft.dxf|",
          "3|AnbindOhneENA.dxf|", "3|As.dxf|Abscheider zentral|", "100|Sirtova.dxf|", "101|VB_ohneENA.dxf|"}},
        {"Vorlage mit Nachspeiseautomat, Abscheider je Erzeuger",
         mit(einKessel, {{"m_GefaessGruppe", 1}, {"m_GefaessAnzahl", 1}, {"m_Zub_Vorlagebeh_ArtNr", "VB-1"},
                         {"m_Zub_Nachspeisung", 3}, {"m_Zub_Schlamm_Anordnung", 2}, {"m_Zub_Schlamm_ArtNr_m_value", "AS-1", 1}}),
         {"5=1 Stck Vorlagebehälter", "[OBJEKT]", "1|Kessel.dxf|100 kW|", "1|Kappenv2.dxf|", "2|Entlueft_NO.dxf|",
          "2|As.dxf||", "100|Pravon.dxf|", "101|VB_mitENA.dxf|", "102|ENA_fuerVB.dxf|"}},
    };
    return fälle;
}

class Schaltschema : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        db = std::make_unique<Datenobjektdatenbanken>();
        zustand().aktProjektnummer = QStringLiteral("S-1");
        zustand().Datenpfad = ordner.path();
        zustand().Installationspfad = installation.path();
    }
    void TearDown() override
    {
        DXFOrderAufbau::SetzeErzeuger({});
        zustandZuruecksetzen();
    }
    QString orderdatei() const { return ordner.filePath(QStringLiteral("DxfOrder.tmp")); }
    QByteArray inhalt() const
    {
        QFile f(orderdatei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A designed heating project stored in the project's row.
    void speichereHeizung(const QList<Wert>& werte, bool ausgelegt = true)
    {
        GlobDatenHeizung h;
        ASSERT_EQ(h.Init(), 0);
        for (const Wert& w : werte)
            schreibe(h, w);
        h.schreibe(QStringLiteral("m_IstBerechnet"), true);
        h.schreibe(QStringLiteral("m_IstAusgelegt"), ausgelegt);
    }
    static void schreibe(GlobDaten& d, const Wert& w)
    {
        const QString n = QString::fromUtf8(w.name);
        if (w.index > 0)
            d.schreibe(n, {VbVariant(w.index)}, w.wert);
        else
            d.schreibe(n, w.wert);
    }

    MeldungsRecorder meldungen;
    QTemporaryDir ordner;
    QTemporaryDir installation;  // the shipped symbol library lies apart from the user's files
    std::unique_ptr<Datenobjektdatenbanken> db;
};

}  // namespace

TEST_F(Schaltschema, HeizungMitDerEchtenDatenklasse)
{
    for (const Fall& f : Heizungsfälle()) {
        SCOPED_TRACE(f.name);
        GlobDatenHeizung h;
        for (const Wert& w : f.werte)
            schreibe(h, w);
        EXPECT_EQ(DXFOrderAufbau::Objekte(QStringLiteral("He"), h.Member(), dxfText), zeilen(f.erwartet));
        h.m_TerminateMitUpdate = false;
    }
}

TEST_F(Schaltschema, HostSonderfallZeichnetGruppe25)
{
    zustand().AktProjektArtErstellung = 1;
    GlobDatenHeizung h;
    for (const Wert& w : QList<Wert>{{"m_Leist_ges", 100.0}, {"m_Leist_m_value", 100, 1},
                                     {"m_Einzel_BehGesVol_m_value", 20, 1}, {"m_r_vges", 10}, {"m_GefaessGruppe", 8}})
        schreibe(h, w);
    const QStringList z = DXFOrderAufbau::Objekte(QStringLiteral("He"), h.Member(), dxfText);
    EXPECT_EQ(z.mid(z.size() - 1), zeilen({"100|Pravon.dxf|"}));
    h.schreibe(QStringLiteral("m_r_vges"), 30);  // more than the boilers hold: no vessel line
    EXPECT_EQ(DXFOrderAufbau::Objekte(QStringLiteral("He"), h.Member(), dxfText).last(), QStringLiteral("2\tAs_NO.dxf\t"));
    h.m_TerminateMitUpdate = false;
}

TEST_F(Schaltschema, AndereAnlagentypen)
{
    const QList<std::tuple<const char*, QString, QList<Wert>, QStringList>> fälle{
        {"Kälte einzeln mit Pumpenautomat", QStringLiteral("Kü"),
         {{"Sum_Waermeleistung", 150.0}, {"m_Leist_m_value", 100, 1}, {"m_Leist_m_value", 50, 3}, {"m_ArtDruckhaltung", 1},
          {"m_GefaessGruppe", 11}, {"m_SteuerModulKomp", 2}, {"m_SteuerbehAnzahl", 1}, {"m_GefaessAnzahl", 2},
          {"m_Zub_Nachspeisung", 2}, {"m_Zub_Schlamm_Anordnung", 1}, {"m_Zub_Schlamm_ArtNr_m_value", "AS-1", 1},
          {"m_Zub_ZentrAbsch_Anz_m_value", 1, 1}},
         {"5=", "[OBJEKT]", "1|Kaeltema.dxf|100 kW|", "2|Kaeltema.dxf|50 kW|", "1|Kappenv.dxf|", "2|Kappenv.dxf|",
          "3|Entlueft.dxf|", "3|AnbindOhneENA.dxf|", "3|As.dxf|Abscheider zentral|", "100|Mpbeistl.dxf|", "101|Mp2.dxf|",
          "101|Pa.dxf|"}},
        {"Kälte gesamt mit Nachspeiseautomat", QStringLiteral("Kü"),
         {{"m_Leist_ges", 80.0}, {"m_GefaessGruppe", 1}, {"m_GefaessAnzahl", 0}, {"m_Zub_Nachspeisung", 3},
          {"m_Zub_Nachspeise_Anz", 1}, {"m_Zub_Nachspeise_ArtNr", "ENA-1"}},
         {"5=1 Stck Nachspeiseautomat", "[OBJEKT]", "1|Kaeltema.dxf|80 kW|", "1|Kappenv2.dxf|", "2|Entlueft_NO.dxf|",
          "2|As_NO.dxf|", "100|ENA_ohneVB.dxf|"}},
        {"Trinkwasser", QStringLiteral("Tr"),
         {{"m_VolAnlage", 200}, {"m_Temp_Betr", 60}, {"m_GefaessGruppe", 17}, {"m_GefaessAnzahl", 2},
          {"m_GefaessArtNr", "V-80"}},
         {"5=2 Stck Gefäß 80 l, 10 bar", "[OBJEKT]", "1|Speicher.dxf|200 Liter, |60 °C|", "1|Quendoa.dxf|"}},
        {"Trinkwasser Gruppe ohne Symbol", QStringLiteral("Tr"),
         {{"m_VolAnlage", 312.5}, {"m_Temp_Betr", 55}, {"m_GefaessGruppe", 6}, {"m_GefaessAnzahl", 1}},
         {"5=", "[OBJEKT]", "1|Speicher.dxf|312,5 Liter, |55 °C|", "1||"}},
        {"Druckerhöhung halb auf gerade", QStringLiteral("Dr"),
         {{"m_MaxVolStrom", 2.25}, {"m_GefaessGruppe", 18}, {"m_GefaessAnzahl", 1}, {"m_GefaessArtNr", "V-50"}},
         {"5=1 Stck Gefäß 50 l", "[OBJEKT]", "1|Druckerh.dxf|2,2 m³/h|", "1|Quendode.dxf|"}},
        {"Zeilenwechsel im Artikeltext", QStringLiteral("Dr"),
         {{"m_MaxVolStrom", 1.0}, {"m_GefaessGruppe", 15}, {"m_GefaessAnzahl", 1}, {"m_GefaessArtNr", "CR-1"}},
         {"5=1 Stck Gefäß  [ENDE]", "[OBJEKT]", "1|Druckerh.dxf|1 m³/h|", "1|Quendod.dxf|"}},
        {"Druckerhöhung ganze Zahl", QStringLiteral("Dr"), {{"m_MaxVolStrom", 3.0}, {"m_GefaessGruppe", 15}},
         {"5=", "[OBJEKT]", "1|Druckerh.dxf|3 m³/h|", "1|Quendod.dxf|"}},
        {"Solar", QStringLiteral("So"),
         {{"m_GefaessArtNr", "V-50"}, {"m_GefaessAnzahl", 3}, {"m_Zub_MitVorlagebehälter", 1}},
         {"5=3 Stck Gefäß 50 l, 1 Stck ", "[OBJEKT]", "100|Solaranlage_DE.dxf|"}},
    };
    for (const auto& [name, art, werte, erwartet] : fälle) {
        SCOPED_TRACE(name);
        Testanlage t(art);
        for (const Wert& w : werte)
            t.setze(w);
        EXPECT_EQ(DXFOrderAufbau::Objekte(art, t.member(), dxfText), zeilen(erwartet));
    }
    EXPECT_TRUE(DXFOrderAufbau::Objekte(QStringLiteral("Sp"), Testanlage(QStringLiteral("He")).member(), dxfText).isEmpty());
}

TEST_F(Schaltschema, JederGeleseneNameGibtEsAufDerKlasseSeinerArt)
{
    const auto prüfe = [](GlobDaten& d, const char* art) {
        d.m_TerminateMitUpdate = false;
        for (QString n : DXFOrderAufbau::Membernamen(QString::fromUtf8(art))
                             + QStringList{"m_IstBerechnet", "m_IstAusgelegt"}) {
            n.remove(QStringLiteral("(i)")).remove(QStringLiteral("()"));
            EXPECT_TRUE(d.Member().hat(n)) << art << ": " << n.toStdString();
        }
    };
    GlobDatenHeizung he;
    prüfe(he, "He");
    GlobDatenKälte kü;
    prüfe(kü, "Kü");
    GlobDatenTrinkw tr;
    prüfe(tr, "Tr");
    GlobDatenDruck dr;
    prüfe(dr, "Dr");
    GlobDatenSolar so;
    prüfe(so, "So");
}

TEST_F(Schaltschema, SymbolTabellen)
{
    EXPECT_EQ(DXFOrderAufbau::GefäßSymbol(7, 80), QStringLiteral("M80.dxf"));
    EXPECT_EQ(DXFOrderAufbau::GefäßSymbol(7, 50), QStringLiteral("Mgefaess.dxf"));
    for (int g : {1, 3, 25, 27, 70, 72, 74, 75, 76})
        EXPECT_EQ(DXFOrderAufbau::GefäßSymbol(g, 0), QStringLiteral("Pravon.dxf")) << g;
    for (int g : {0, 6, 9, 71, 77})
        EXPECT_TRUE(DXFOrderAufbau::GefäßSymbol(g, 0).isEmpty()) << g;
    EXPECT_EQ(DXFOrderAufbau::AutomatSymbol(14, 1), QStringLiteral("Kelmat2.dxf"));
    EXPECT_EQ(DXFOrderAufbau::AutomatSymbol(61, 0), QStringLiteral("Pumbrix.dxf"));
    EXPECT_EQ(DXFOrderAufbau::BeistellSymbol(14, false), QStringLiteral("Kelmatbr.dxf"));
    EXPECT_TRUE(DXFOrderAufbau::BeistellSymbol(1, true).isEmpty());
}

TEST_F(Schaltschema, OrderdateiEinesAusgelegtenHeizungsprojekts)
{
    zustand().Projektart = QStringLiteral("He");
    speichereHeizung(zweiKessel);
    ASSERT_TRUE(DXFOrderAufbau().AufbauOrderdatei());
    const QByteArray erwartet = QByteArray("[ORDER]\r\n1=\r\n2=\r\n3=\r\n4=") + QDir(installation.path()).filePath("DXF/").toLocal8Bit()
                                + "\r\n5=2 Stck \r\n[OBJEKT]\r\n1\tKessel.dxf\t150 kW\t\r\n2\tKessel.dxf\t400 kW\t\r\n"
                                  "1\tMindrube.dxf\t\r\n2\tWasmansi.dxf\t\r\n2\tMaxdrube.dxf\t\r\n1\tKappenv.dxf\t\r\n"
                                  "2\tKappenv.dxf\t\r\n3\tEntlueft_NO.dxf\t\r\n3\tAnbindOhneENA.dxf\t\r\n3\tAs_NO.dxf\t\r\n"
                                  "100\tPravon.dxf\t\r\n101\tPravon.dxf\t\r\n[ENDE]\r\n";
    EXPECT_EQ(inhalt(), erwartet);
    EXPECT_TRUE(meldungen.boxen.isEmpty());
}

TEST_F(Schaltschema, AbbruecheLassenDieFruehereDateiStehen)
{
    QFile f(orderdatei());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("alt");
    f.close();
    struct Fall {
        const char* art;
        bool ausgelegt;
        int meldung;  // 0: none
    };
    for (const Fall& fall : {Fall{"Sp", true, 2205}, Fall{"He", false, 2206}, Fall{"Xx", true, 0}}) {
        SCOPED_TRACE(fall.art);
        meldungen.leeren();
        zustand().Projektart = QString::fromUtf8(fall.art);
        speichereHeizung(zweiKessel, fall.ausgelegt);
        EXPECT_FALSE(DXFOrderAufbau().AufbauOrderdatei());
        ASSERT_EQ(meldungen.boxen.size(), fall.meldung ? 1 : 0);
        if (fall.meldung) {
            EXPECT_EQ(meldungen.boxen[0].art, 1);
            EXPECT_EQ(meldungen.boxen[0].vorlage, LadeText(fall.meldung));
        }
        EXPECT_EQ(inhalt(), QByteArray("alt"));
    }
}

TEST_F(Schaltschema, FehlgeschlagenesInitOhneMeldung)
{
    zustand().Projektart = QStringLiteral("He");
    DXFOrderAufbau::SetzeErzeuger([](const QString&) {
        zustand().Projekt_Data_Source = QStringLiteral("/fehlt/Projekte.db");
        return std::make_shared<GlobDatenHeizung>();
    });
    EXPECT_FALSE(DXFOrderAufbau().AufbauOrderdatei());
    EXPECT_TRUE(meldungen.boxen.isEmpty() || meldungen.boxen[0].art != 1);
    EXPECT_FALSE(QFile::exists(orderdatei()));
}

TEST_F(Schaltschema, NichtSchreibbareDateiWirdGemeldet)
{
    zustand().Projektart = QStringLiteral("He");
    speichereHeizung(zweiKessel);
    zustand().Datenpfad = ordner.filePath(QStringLiteral("fehlt"));
    DXFOrderAufbau aufbau;
    EXPECT_FALSE(aufbau.AufbauOrderdatei());
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].art, 3);
    EXPECT_TRUE(meldungen.boxen[0].text.contains(aufbau.OrderPfad()));
}

TEST_F(Schaltschema, SchreibfehlerLassenDieFruehereOrderdateiUndNennenSie)
{
    zustand().Projektart = QStringLiteral("He");
    speichereHeizung(zweiKessel);
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        if (schritt == Schreibfehler::Schritt::Ordnersync)
            continue;  // the file is already complete then
        SCOPED_TRACE(Schreibfehler::Name(schritt));
        meldungen.leeren();
        QFile f(orderdatei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("alt");
        f.close();
        Schreibfehler fehler(schritt, EIO);
        DXFOrderAufbau aufbau;
        EXPECT_FALSE(aufbau.AufbauOrderdatei());
        ASSERT_EQ(meldungen.boxen.size(), 1);
        EXPECT_TRUE(meldungen.boxen[0].text.contains(aufbau.OrderPfad()));
        EXPECT_EQ(inhalt(), QByteArray("alt"));
        EXPECT_TRUE(QDir(QFileInfo(orderdatei()).absolutePath())
                        .entryList({QStringLiteral("*.kelvor-*")}, QDir::Files)
                        .isEmpty());
    }
}

// An order file made read-only is not replaced: it stays as it was and the message says why.
TEST_F(Schaltschema, SchreibgeschuetzteOrderdateiBleibtUnberuehrt)
{
    zustand().Projektart = QStringLiteral("He");
    speichereHeizung(zweiKessel);
    SchreibgeschuetzteDatei(orderdatei(), "alt");
    DXFOrderAufbau aufbau;
    EXPECT_FALSE(aufbau.AufbauOrderdatei());
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].textIds, QList<int>{2241});
    EXPECT_EQ(meldungen.boxen[0].werte, (QStringList{aufbau.OrderPfad(), LadeText(2963)}));
    EXPECT_EQ(inhalt(), QByteArray("alt"));
    EXPECT_TRUE(QDir(QFileInfo(orderdatei()).absolutePath()).entryList({QStringLiteral("*.kelvor-*")}, QDir::Files).isEmpty());
}

TEST_F(Schaltschema, HostModusNimmtDasHeizungsobjektDesHauptfenstersOhneInit)
{
    zustand().Projektart = QStringLiteral("He");
    zustand().TyvoModus = 1;
    speichereHeizung({{"m_Leist_ges", 100.0}}, false);  // the row is not designed; the held object is
    auto h = std::make_shared<GlobDatenHeizung>();
    h->m_TerminateMitUpdate = false;
    for (const Wert& w : QList<Wert>{{"m_Leist_ges", 70.0}, {"m_IstBerechnet", true}, {"m_IstAusgelegt", true}})
        schreibe(*h, w);
    zustand().g_heizdat = h;
    ASSERT_TRUE(DXFOrderAufbau().AufbauOrderdatei());
    EXPECT_TRUE(inhalt().contains("1\tKessel.dxf\t70 kW\t"));
}

TEST_F(Schaltschema, FehlenderMemberGibtMeldungUndKeineDatei)
{
    // A data class that lacks a name the builder reads (here: the flow of a booster).
    zustand().Projektart = QStringLiteral("Dr");
    DXFOrderAufbau::SetzeErzeuger([](const QString&) {
        auto d = std::make_shared<GlobDatenSpeicher>();
        d->m_TerminateMitUpdate = false;
        return d;
    });
    {
        GlobDatenSpeicher s;
        ASSERT_EQ(s.Init(), 0);
        s.schreibe(QStringLiteral("m_IstBerechnet"), true);
        s.schreibe(QStringLiteral("m_IstAusgelegt"), true);
    }
    EXPECT_FALSE(DXFOrderAufbau().AufbauOrderdatei());
    ASSERT_EQ(meldungen.boxen.size(), 1);
    EXPECT_EQ(meldungen.boxen[0].art, 3);
    EXPECT_TRUE(meldungen.boxen[0].text.contains(QStringLiteral("m_MaxVolStrom"), Qt::CaseInsensitive));
    EXPECT_FALSE(QFile::exists(orderdatei()));
}
