// The article baskets of the success answer: the articles of the finished heating design, one
// basket per heat generator and one for the system, each line with its texts and price from the
// article database.
#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/GlobDaten.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/rules/TabellePumpenKM.h"
#include "design/rules/WaermedaemmKelvormat.h"
#include "exchange/TYVO_XML_Schnittstelle.h"

namespace {

constexpr int Verteilung = 7;
constexpr int16_t Gefäß = 1;
constexpr int16_t Zubehör = 2;
constexpr int16_t Sicherheitsventil = 3;
constexpr int16_t Entspannungstopf = 5;

// An article number that names nothing.
bool Leer(const QString& artikel)
{
    return artikel.trimmed().isEmpty();
}

// The search of an article: a number of digits as it is (the stored numbers are digit texts),
// anything else as a quoted text, so no number can break the criterion.
QString Artikelkriterium(const QString& artikel)
{
    const QString a = artikel.trimmed();
    bool ziffern = !a.isEmpty();
    for (QChar c : a)
        ziffern = ziffern && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return QStringLiteral("[arArtikelnr] = ") + (ziffern ? a : JetDialekt::Textliteral(a));
}

// Every line end of the text (CR LF, LF or CR) as CR LF.
QString ZeilenendenCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// A count of the record as a 16-bit whole number (half to even); 0 when it is none.
int16_t Anzahl(const VbVariant& v)
{
    if (v.isNull() || v.isEmpty())
        return 0;
    bool ok = false;
    const int16_t n = v.toInteger(&ok);
    return ok ? n : 0;
}

class Datensatz {
public:
    explicit Datensatz(const GlobDaten& h) : m_h(h) {}
    VbVariant wert(const char* name) const { return m_h.lese(QString::fromUtf8(name)); }
    int16_t ganz(const char* name) const { return Anzahl(wert(name)); }
    QString text(const char* name) const { return NullZuText(wert(name)); }
    QString text(const char* name, int i) const
    {
        return NullZuText(m_h.lese(QString::fromUtf8(name), {VbVariant::integer(static_cast<int16_t>(i))}));
    }
    int16_t ganz(const char* name, int i) const
    {
        return Anzahl(m_h.lese(QString::fromUtf8(name), {VbVariant::integer(static_cast<int16_t>(i))}));
    }

private:
    const GlobDaten& m_h;
};

}  // namespace

QString TYVO_XML_Schnittstelle::TitelWärmeerzeuger(int nummer)
{
    if (nummer >= 1 && nummer <= 6)
        return QStringLiteral("WE ") + QString::number(nummer);
    return nummer == Verteilung ? QStringLiteral("Verteilung") : QString();
}

QString TYVO_XML_Schnittstelle::TypBezeichnungText(int art)
{
    switch (art) {
    case Gefäß:
        return QStringLiteral("Ausdehnungsgefaess");
    case Zubehör:
        return QStringLiteral("ZubehoerAllgemein");
    case Sicherheitsventil:
        return QStringLiteral("Sicherheitsventil");
    case Entspannungstopf:
        return QStringLiteral("Entspannungstopf");
    default:
        return QString();
    }
}

bool TYVO_XML_Schnittstelle::ErzeugeWarenkorb(const GlobDaten& heizdaten)
{
    m_korbFehler = false;
    m_körbe = {};
    const Programmzustand& z = zustand();
    datenbank artikelDB;
    datenbank dimensionDB;
    const QString artikelSql = QStringLiteral("Select [arArtikelnr],[") + SpalteKurztext1 + QStringLiteral("],[arPreis],[")
        + SpalteLangtext
        + QStringLiteral("],[TitelGruppe] FROM (ARTIKEL LEFT JOIN Artikel_Zusatz ON ARTIKEL.[arArtikelnr] = "
                         "Artikel_Zusatz.[artikelnr]) LEFT JOIN LANGTEXTE ON ARTIKEL.[ltLangtextnr] = "
                         "LANGTEXTE.[ltLangtextnr]");
    const QString dimensionSql = QStringLiteral("Select [arArtikelnr],[diTextzeile],[") + SpalteEinfügetext
        + QStringLiteral("] FROM DIMENSIONSTEXTE LEFT JOIN EINFUEGETEXTE ON DIMENSIONSTEXTE.[ltLangtextnr] = "
                         "EINFUEGETEXTE.[etEinfuegetextnr]");
    if (artikelDB.OpenTab(z.Artikel_Data_Source, artikelSql, 3, Kennwort::Artikeldatenbank, true) != 0
        || dimensionDB.OpenTab(z.Artikel_Data_Source, dimensionSql, 3, Kennwort::Artikeldatenbank, true) != 0)
        return false;
    m_artikelDB = &artikelDB;
    m_dimensionDB = &dimensionDB;

    try {
        const Datensatz h(heizdaten);
        const int16_t g = h.ganz("m_GefaessGruppe");
        const int16_t s = h.ganz("m_SteuerbehAnzahl");
        const int16_t n = h.ganz("m_GefaessAnzahl");

        // Vessels, or the automat with its add-on vessels.
        if (s < 1) {
            SchreibeWarenkorbzeile(Verteilung, n, h.text("m_GefaessArtNr"), Gefäß);
        } else {
            SchreibeWarenkorbzeile(Verteilung, s, h.text("m_GefaessArtNr"), Gefäß);
            SchreibeWarenkorbzeile(Verteilung, s, h.text("m_KomprPumpeArtNr"), Gefäß);
            const int16_t beistell = static_cast<int16_t>(n - s);
            if (beistell > 0) {
                SchreibeWarenkorbzeile(Verteilung, beistell, h.text("m_BeistellArtNr"), Gefäß);
                if (g == 9)
                    SchreibeWarenkorbzeile(Verteilung, beistell, QStringLiteral("22380"), Gefäß);
            }
        }
        if (g == 9 && !Leer(h.text("m_ZusKomprPumpeArtNr")))
            SchreibeWarenkorbzeile(Verteilung, 1, h.text("m_ZusKomprPumpeArtNr"), Gefäß);

        // Automat accessories by the bits of the control accessories.
        const int32_t bits = Anzahl(h.wert("m_ZubehörSteuerung"));
        const auto bit = [bits](int b) { return (bits & b) != 0; };
        if (bit(1)) {
            const VbVariant modul = h.wert("m_SteuerModulKomp");
            const bool kompressor = g == 9 && modul.isNumeric() && modul.toDouble() == 0.0;
            SchreibeWarenkorbzeile(Verteilung, n, kompressor ? QStringLiteral("17791") : QStringLiteral("22386"),
                                   Zubehör);
        }
        for (auto [b, artikel] : {std::pair{2, "17739"}, std::pair{4, "17790"}, std::pair{8, "17792"},
                                  std::pair{32, "17797"}, std::pair{64, "17795"}, std::pair{128, "17798"}}) {
            if (bit(b))
                SchreibeWarenkorbzeile(Verteilung, s, QString::fromLatin1(artikel), Zubehör);
        }
        if (bit(16)) {
            const QString dämmung = WärmedämmKelvormat().GetArtNrWärmedämmung(h.ganz("m_GefaessInhalt"));
            if (!dämmung.isEmpty())
                SchreibeWarenkorbzeile(Verteilung, n, dämmung, Zubehör);
        }

        // Vessels of the heat generators with individual protection.
        if (h.ganz("m_Sicherung") == 1)
            for (int i = 1; i <= 6; ++i)
                SchreibeWarenkorbzeile(i, 1, h.text("m_Einzel_GefässArtNr_m_value", i), Gefäß);

        // Safety valves, then expansion traps, both with the number of valves.
        for (auto [name, art] : {std::pair{"m_Zub_SichVentil_ArtNr_m_value", Sicherheitsventil},
                                 std::pair{"m_Zub_EntspGefäß_ArtNr_m_value", Entspannungstopf}}) {
            for (int i = 1; i <= 6; ++i) {
                const QString artikel = h.text(name, i);
                const int16_t anzahl = h.ganz("m_Zub_SichVentil_Anz_m_value", i);
                if (!Leer(artikel) && anzahl > 0)
                    SchreibeWarenkorbzeile(i, anzahl, artikel, art);
            }
        }

        // Cap valves of the vessels; the pump automat's control module brings two of its own.
        const int16_t kappen = h.ganz("m_Zub_KappV_Beh_Anz");
        if (kappen > 0) {
            SchreibeWarenkorbzeile(Verteilung, kappen, h.text("m_Zub_KappV_Beh_ArtNr"), Zubehör);
            if (g == 14) {
                const QString modulventil =
                    TabellePumpenKM().GetArtikelNrKappenventilVonSteuermodul(h.text("m_KomprPumpeArtNr"));
                SchreibeWarenkorbzeile(Verteilung, 2, modulventil, Zubehör);
            }
        }
        for (int i = 1; i <= 6; ++i)
            SchreibeWarenkorbzeile(i, 1, h.text("m_Zub_KappV_Erz_ArtNr_m_value", i), Zubehör);

        // Make-up unit and system separator.
        const int16_t nachspeise = h.ganz("m_Zub_Nachspeise_Anz");
        const int16_t nachspeiseart = h.ganz("m_Zub_Nachspeisung");
        if (nachspeise > 0 && nachspeiseart != 0)
            SchreibeWarenkorbzeile(Verteilung, nachspeise, h.text("m_Zub_Nachspeise_ArtNr"), Zubehör);
        const bool trenner = nachspeiseart == 3 ? nachspeise > 0
                                                : h.ganz("m_Zub_Systemtrenner") == 1 && g == 14 && nachspeise > 0;
        if (trenner)
            SchreibeWarenkorbzeile(Verteilung, nachspeise, h.text("m_Zub_Systemtrenner_ArtNr"), Zubehör);

        // Intermediate vessels.
        SchreibeWarenkorbzeile(Verteilung, 1, h.text("m_Zub_Vorlagebeh_ArtNr"), Zubehör);
        for (int i = 1; i <= 6; ++i)
            SchreibeWarenkorbzeile(i, 1, h.text("m_Zub_VorlBehEinz_ArtNr_m_value", i), Zubehör);

        // Dirt separators with their insulation: one central or one per heat generator.
        const int16_t anordnung = h.ganz("m_Zub_Schlamm_Anordnung");
        const bool isolierung = h.ganz("m_Zub_SchlammIso") != 0;
        const auto schlamm = [&](int i, int korb) {
            const QString artikel = h.text("m_Zub_Schlamm_ArtNr_m_value", i);
            SchreibeWarenkorbzeile(korb, 1, artikel, Zubehör);
            if (!Leer(artikel) && isolierung)
                SchreibeWarenkorbzeile(korb, 1, h.text("m_Zub_SchlammIso_ArtNr_m_value", i), Zubehör);
        };
        if (anordnung == 1)
            schlamm(1, Verteilung);
        else if (anordnung == 2)
            for (int i = 1; i <= 6; ++i)
                schlamm(i, i);

        // Venting: the rows of the venting list, all for the system.
        for (auto [artikelname, anzahlname] :
             {std::pair{"m_Zub_AbsAbsch_ArtNr_m_value", "m_Zub_AbsAbsch_Anz_m_value"},
              std::pair{"m_Zub_ZentrAbsch_ArtNr_m_value", "m_Zub_ZentrAbsch_Anz_m_value"},
              std::pair{"m_Zub_Lufttopf_ArtNr_m_value", "m_Zub_Lufttopf_Anz_m_value"}}) {
            for (int i = 1; i <= 6; ++i) {
                const QString artikel = h.text(artikelname, i);
                const int16_t anzahl = h.ganz(anzahlname, i);
                if (!Leer(artikel) && anzahl > 0)
                    SchreibeWarenkorbzeile(Verteilung, anzahl, artikel, Zubehör);
            }
        }
    } catch (const MemberFehler&) {
        m_korbFehler = true;
    }

    m_artikelDB = nullptr;
    m_dimensionDB = nullptr;
    return !m_korbFehler;
}

void TYVO_XML_Schnittstelle::SchreibeWarenkorbzeile(int korb, int16_t anzahl, const QString& artikel, int16_t art)
{
    if (Leer(artikel) || korb < 1 || korb > AnzahlKörbe || !m_artikelDB || !m_dimensionDB)
        return;
    QString kurztext;
    QString langtext;
    QString titelgruppe = QStringLiteral("0");
    int32_t preis = 0;
    const QString kriterium = Artikelkriterium(artikel);
    if (m_artikelDB->Find(kriterium)) {
        kurztext = NullZuText(m_artikelDB->GetFeld(SpalteKurztext1));
        langtext = UmbrechenText(40, ZeilenendenCrLf(NullZuText(m_artikelDB->GetFeld(SpalteLangtext))));
        if (m_dimensionDB->Find(kriterium))
            langtext += QStringLiteral("\r\n")
                + FülleMaske(NullZuText(m_dimensionDB->GetFeld(SpalteEinfügetext)),
                             NullZuText(m_dimensionDB->GetFeld(QStringLiteral("diTextzeile"))));
        const VbVariant p = m_artikelDB->GetFeld(QStringLiteral("arPreis"));
        bool ok = false;
        if (p.isNumeric()) {
            const int32_t cent = Zahlen::CLng(p.toDouble() * 100.0, &ok);
            preis = ok ? cent : 0;
        }
        const VbVariant t = m_artikelDB->GetFeld(QStringLiteral("TitelGruppe"));
        if (t.isNumeric()) {
            const int16_t gruppe = Zahlen::CInt(t.toDouble(), &ok);
            if (ok)
                titelgruppe = QString::number(gruppe);
        }
    }

    XML_Tools& x = *m_xml;
    const pugi::xml_node zeile =
        x.CreateAppendChildElementNode(m_körbe[static_cast<size_t>(korb - 1)].Knoten(), QStringLiteral("Warenkorbzeile"));
    if (!zeile) {
        m_korbFehler = true;
        return;
    }
    bool gut = true;
    const auto element = [&](pugi::xml_node eltern, const char* name, const QString& text) {
        if (!x.CreateAppendChildTextElementNode(eltern, QString::fromUtf8(name), text))
            gut = false;
    };
    element(zeile, "Anzahl", QString::number(anzahl));
    element(zeile, "Mengeneinheit", QStringLiteral("Stueck"));
    element(zeile, "Titelzugehoerigkeit", titelgruppe);
    const pugi::xml_node daten = x.CreateAppendChildElementNode(zeile, QStringLiteral("Artikeldaten"));
    if (!daten) {
        m_korbFehler = true;
        return;
    }
    element(daten, "Herstellerkennung", QStringLiteral("KEL"));
    element(daten, "Artikelnummer", artikel);
    element(daten, "Kurztext", kurztext);
    element(daten, "Langtext", langtext);
    element(daten, "Einheitspreis", QString::number(preis));
    element(daten, "Handelsware", QStringLiteral("1"));
    element(daten, "Typ_Bezeichnung", TypBezeichnungText(art));
    if (!gut)
        m_korbFehler = true;
}
