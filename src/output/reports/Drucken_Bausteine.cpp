// The blocks every report is built from: page header, cover, article lines, text blocks, VAT
// totals, supplier footer and the preview's page separators.
#include "output/reports/Drucken.h"

#include <array>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/Zeichenflaeche.h"
#include "data/JetDialekt.h"
#include "data/datenbank.h"
#include "design/rules/Rohrtabelle.h"
#include "design/rules/WaermedaemmKelvormat.h"
#include "output/reports/Ausschreibungsschreiber.h"
#include "output/reports/Berichtsnamen.h"

namespace {

constexpr int TextNrKopfProjekt = 1611;
constexpr int TextNrKopfBezeichnung = 1612;
constexpr int TextNrKopfLangtext = 1613;
constexpr int TextNrKopfKurztext = 1614;
constexpr int TextNrDeckBezeichnung = 1620;
constexpr int TextNrDeckNummer = 1621;
constexpr int TextNrDeckBauherr = 1622;
constexpr int TextNrDeckStraße = 1623;
constexpr int TextNrDeckOrt = 1624;
constexpr int TextNrDeckBemerkung = 1625;
constexpr int TextNrDeckBemerkungWeiter = 1626;
constexpr int TextNrLieferant = 1630;
constexpr int TextNrMwStKopf = 1640;
constexpr int TextNrMwStZeile = 1641;
constexpr int TextNrEndsumme = 1642;
constexpr int TextNrBrutto = 1643;
constexpr int TextNrArtikelKurz = 1655;
constexpr int TextNrBestellNr = 1656;
constexpr int TextNrBestellNrErzeuger = 1657;
constexpr int TextNrBlockzeile = 1658;
constexpr int TextNrPosition = 1660;
constexpr int TextNrPositionZeile2 = 1661;
constexpr int TextNrPositionWeiter = 1662;
constexpr int TextNrAlternativ = 1663;
constexpr int TextNrArtikelFehlt = 2361;
constexpr int TextNrHilfe = 3020;
constexpr int ErsteLieferantenzeile = 3001;
constexpr int LetzteLieferantenzeile = 3005;
constexpr int Vollbreite = 80;
constexpr int Bemerkungsbreite = 60;
constexpr int Umbruchbreite = 40;
constexpr int MwStBlockzeilen = 8;
constexpr int EndsummeSpalte = 41;
constexpr const char* Geldmuster = "#0.00";
const QString OhnePreis = QStringLiteral(".........");
constexpr int TitelSpalte = 10;
constexpr int TextNrInbetriebnahme = 3030;
constexpr int GruppeKompressor = 9;
constexpr int GruppePumpe11 = 11;
constexpr int GruppePumpe14 = 14;
constexpr int NachspeiseAutomat = 3;

// Accessory bits of an automat.
namespace Bit {
constexpr int Membranbruch = 1, Dämmung = 16;
}
// The further accessory bits with their fixed articles, one per control vessel, in print order.
constexpr std::array<std::pair<int, const char*>, 6> Zubehörartikel{
    {{2, "17739"}, {4, "17790"}, {8, "17792"}, {32, "17797"}, {64, "17795"}, {128, "17798"}}};
// The connection set of each add-on vessel of a compressor automat.
constexpr const char* AnschlussBeistellbehälter = "22380";
constexpr const char* MembranbruchKompressor = "17791";
constexpr const char* Membranbruch = "22386";
// Lines a heading keeps with what follows it.
constexpr int Zusammenhalt = 4;

// The length member of a pipe size.
QByteArray Längenmember(const Rohrgröße& r)
{
    return "m_LaengeDN" + QByteArray::number(r.dn);
}

// Air-venting families in print order: article and count members.
constexpr std::array<std::pair<const char*, const char*>, 3> Entlüfterfamilien{{
    {"m_Zub_AbsAbsch_ArtNr_m_value", "m_Zub_AbsAbsch_Anz_m_value"},
    {"m_Zub_ZentrAbsch_ArtNr_m_value", "m_Zub_ZentrAbsch_Anz_m_value"},
    {"m_Zub_Lufttopf_ArtNr_m_value", "m_Zub_Lufttopf_Anz_m_value"}}};

QString Kriterium(const QString& artNr)
{
    return QStringLiteral("[arArtikelnr] = ") + JetDialekt::Textliteral(artNr);
}

} // namespace

void Drucken::AusgabeSeitenkopf()
{
    AusgabeNormal(Vorlage(TextNrKopfProjekt,
                          {Projektfeld(QStringLiteral("Projekt Nr")), Projektfeld(QStringLiteral("Datum")),
                           VbVariant::integer(Seite)}));
    AusgabeLinieMitte(Vollbreite, 0, true);
    switch (Kopfart) {
    case 1:
        AusgabeNormal(LadeText(TextNrKopfLangtext));
        break;
    case 2:
        AusgabeNormal(LadeText(TextNrKopfKurztext));
        break;
    default:
        AusgabeNormal(Vorlage(TextNrKopfBezeichnung, {Projektfeld(QStringLiteral("Projektbezeichnung"))}));
        break;
    }
    AusgabeLinieMitte(Vollbreite, 0, true);
    NeueZeile();
}

void Drucken::AusgabeDeckblatt()
{
    AusgabeNormal(Vorlage(TextNrKopfProjekt,
                          {Projektfeld(QStringLiteral("Projekt Nr")), Projektfeld(QStringLiteral("Datum")),
                           VbVariant::integer(Seite)}));
    AusgabeLinieMitte(Vollbreite, 0, true);
    for (const QString& z : Nutzerzeilen)
        AusgabeNormal(z);
    AusgabeLinieMitte(Vollbreite, 0, true);
    AusgabeNormal(Vorlage(TextNrDeckBezeichnung, {Projektfeld(QStringLiteral("Projektbezeichnung"))}));
    AusgabeNormal(Vorlage(TextNrDeckNummer, {Projektfeld(QStringLiteral("Projekt Nr"))}));
    AusgabeNormal(Vorlage(TextNrDeckBauherr, {Projektfeld(QStringLiteral("Bauherr"))}));
    AusgabeNormal(Vorlage(TextNrDeckStraße, {Projektfeld(QStringLiteral("Straße"))}));
    AusgabeNormal(Vorlage(TextNrDeckOrt, {Projektfeld(QStringLiteral("PLZ")), Projektfeld(QStringLiteral("Ort"))}));
    ZerlegeInZeilen(NullZuText(Projektfeld(QStringLiteral("Bemerkungen"))));
    const QStringList bemerkung = m_zeilenliste.mid(0, m_zeilenAnzahl);
    AusgabeNormal(Vorlage(TextNrDeckBemerkung, {bemerkung.value(0).left(Bemerkungsbreite)}));
    for (qsizetype i = 1; i < bemerkung.size(); ++i)
        AusgabeNormal(Vorlage(TextNrDeckBemerkungWeiter, {bemerkung.at(i).left(Bemerkungsbreite)}));
    AusgabeLinieMitte(Vollbreite, 0, true);
    NeueZeile();
}

bool Drucken::FindeArtikel(const QString& artNr)
{
    if (ArtikelDB && ArtikelDB->Find(Kriterium(artNr)))
        return true;
    // Reported once per article and report.
    if (!m_fehlendeArtikel.contains(artNr)) {
        m_fehlendeArtikel << artNr;
        Meldung(Meldungsart::Auslegungsfehler, LadeText(TextNrArtikelFehlt) + LadeText(TextNrHilfe), artNr);
    }
    return false;
}

void Drucken::Preistexte(int16_t anzahl, double einzelpreis, bool alternativ, QString& einzel, QString& gesamt)
{
    if (MitPreisen) {
        einzel = Muster(einzelpreis, Geldmuster);
        gesamt.clear();
        if (!alternativ) {
            const double summe = anzahl * einzelpreis;
            Summe += summe;
            gesamt = Muster(summe, Geldmuster);
        }
    } else {
        einzel = OhnePreis;
        gesamt = alternativ ? QString() : OhnePreis;
    }
}

void Drucken::AusgabeArtikelKurz(int16_t anzahl, const QString& artNr, int16_t erzeuger, bool alternativ)
{
    if (artNr.trimmed().isEmpty())
        return;
    NeueSeiteWennNötig(2);
    QString kurztext = QStringLiteral(" ");
    double preis = 0;
    if (FindeArtikel(artNr)) {
        kurztext = NullZuText(ArtikelDB->GetFeld(SpalteKurztext1));
        if (MitPreisen)
            preis = ArtikelDB->GetFeld(QStringLiteral("arPreis")).toDouble();
    }
    QString einzel, gesamt;
    Preistexte(anzahl, preis, alternativ, einzel, gesamt);
    AusgabeNormal(Vorlage(TextNrArtikelKurz, {VbVariant::integer(anzahl), kurztext, einzel, gesamt}));
    const QString marke = alternativ ? LadeText(TextNrAlternativ) : QString();
    if (erzeuger != 0)
        AusgabeNormal(Vorlage(TextNrBestellNrErzeuger, {artNr, VbVariant::integer(erzeuger), marke}));
    else
        AusgabeNormal(Vorlage(TextNrBestellNr, {artNr, marke}));
}

void Drucken::AusgabeArtikelLang(int16_t anzahl, const QString& artNr, bool alternativ)
{
    if (artNr.trimmed().isEmpty() || (GaebModus && m_gaebAbbruch))
        return;
    if (!FindeArtikel(artNr))
        return;
    const QString kurztext = NullZuText(ArtikelDB->GetFeld(SpalteKurztext1));
    const QString langtext = UmbrechenText(Umbruchbreite, NullZuText(ArtikelDB->GetFeld(SpalteLangtext)));
    const double preis = ArtikelDB->GetFeld(QStringLiteral("arPreis")).toDouble();
    QString einfügung;
    const bool mitEinfügung = EinfügetextDB && EinfügetextDB->Find(Kriterium(artNr));
    if (mitEinfügung)
        einfügung = FülleMaske(NullZuText(EinfügetextDB->GetFeld(SpalteEinfügetext)),
                               NullZuText(EinfügetextDB->GetFeld(QStringLiteral("diTextzeile"))));

    if (GaebModus) {
        if (!GaebSchritt(Gaeb->WritePosAndKurztext(PositionNr, alternativ, anzahl, kurztext, QString())))
            return;
        QString text = langtext;
        if (mitEinfügung)
            text += QStringLiteral("\r\n") + einfügung;
        ZerlegeInZeilen(text);
        const QStringList zeilen = m_zeilenliste.mid(0, m_zeilenAnzahl);
        if (zeilen.isEmpty())
            GaebSchritt(Gaeb->WriteLangtext(QStringLiteral(" ")));
        for (const QString& z : zeilen)
            if (!GaebSchritt(Gaeb->WriteLangtext(z)))
                return;
        ++PositionNr;
        return;
    }

    NeueSeiteWennNötig(3);
    QString block = kurztext;
    if (!langtext.isEmpty())
        block += QStringLiteral("\r\n") + langtext;
    if (mitEinfügung)
        block += QStringLiteral("\r\n") + einfügung;
    ZerlegeInZeilen(block);
    const QStringList zeilen = m_zeilenliste.mid(0, m_zeilenAnzahl);
    QString einzel, gesamt;
    Preistexte(anzahl, MitPreisen ? preis : 0.0, alternativ, einzel, gesamt);
    AusgabeNormal(Vorlage(TextNrPosition, {Muster(PositionNr, "00"), VbVariant::integer(anzahl), zeilen.value(0),
                                         einzel, gesamt}));
    if (zeilen.size() > 1)
        AusgabeNormal(Vorlage(TextNrPositionZeile2, {zeilen.at(1), alternativ ? LadeText(TextNrAlternativ) : QString()}));
    for (qsizetype i = 2; i < zeilen.size(); ++i)
        AusgabeNormal(Vorlage(TextNrPositionWeiter, {zeilen.at(i)}));
    ++PositionNr;
    NeueZeile();
    NeueZeile();
}

void Drucken::AusgabeTextblock(const QString& text, bool eingerückt)
{
    ZerlegeInZeilen(ErsetzeZeilenumbruch(text));
    const QStringList zeilen = m_zeilenliste.mid(0, m_zeilenAnzahl);
    if (GaebModus) {
        if (zeilen.isEmpty() || m_gaebAbbruch)
            return;
        if (!GaebSchritt(Gaeb->WriteEinleitungHinweistext()))
            return;
        for (const QString& z : zeilen)
            if (!GaebSchritt(Gaeb->WriteLangtext(z)))
                return;
        return;
    }
    NeueSeiteWennNötig(3);
    const int vorlage = eingerückt ? TextNrPositionWeiter : TextNrBlockzeile;
    if (zeilen.isEmpty())
        AusgabeNormal(Vorlage(vorlage, {QString()}));
    for (const QString& z : zeilen)
        AusgabeNormal(Vorlage(vorlage, {z}));
    if (eingerückt) {
        NeueZeile();
        NeueZeile();
    }
}

void Drucken::AusgabeMwStSumme()
{
    if (!MitPreisen)
        return;
    const double satz = Zahlen::AlsSingle(zustand().Mehrwertsteuersatz);
    // The VAT amount to the cent, half to even.
    const double mwst = Zahlen::RundenGerade(satz * Summe / 100.0, 2);
    const double brutto = mwst + Summe;
    const QString währung = zustand().Währungskürzel;

    NeueSeiteWennNötig(MwStBlockzeilen);
    GeheZuZeile(ZeilenProSeite - MwStBlockzeilen);
    NeueZeile();
    NeueZeile();
    AusgabeNormal(LadeText(TextNrMwStKopf));
    AusgabeLinieMitte(Vollbreite, 0, true);
    AusgabeNormal(Vorlage(TextNrMwStZeile, {Muster(satz, Geldmuster), Muster(Summe, Geldmuster), Muster(mwst, Geldmuster)}),
                  0, false);
    AusgabeFett(Vorlage(TextNrBrutto, {Muster(brutto, Geldmuster)}), 0, true);
    NeueZeile();
    AusgabeNormal(QString(), EndsummeSpalte, false);
    AusgabeFett(Vorlage(TextNrEndsumme, {währung}), 0, false);
    AusgabeNormal(QStringLiteral("     "), 0, false);
    AusgabeFett(Vorlage(TextNrBrutto, {Muster(brutto, Geldmuster)}), 0, true);
    AusgabeLinieMitte(Vollbreite, 0, true);
}

void Drucken::AusgabeLieferantenanschrift()
{
    NeueSeiteWennNötig(5);
    AusgabeNormal(LadeText(TextNrLieferant));
    for (int id = ErsteLieferantenzeile; id <= LetzteLieferantenzeile; ++id)
        AusgabeTextblock(LadeText(id + zustand().Länderoffset), false);
}

void Drucken::ZeichneSeitentrenner()
{
    if (Ziel != 1 || !AusgabeDC)
        return;
    const QColor grau(128, 128, 128);
    AusgabeDC->setzeStrichart(0);
    for (int i = 0; i < Seite; ++i) {
        const double y = i * Seitenabstand + SeitenhöheMon + 5;
        AusgabeDC->linie(QPointF(0, y), QPointF(SeitenbreiteMon, y), grau, 10);
    }
}

// --- Blocks the type procedures share ---

const QStringList& Berichtsnamen::Rohrnetz()
{
    static const QStringList namen = [] {
        QStringList n;
        for (const Rohrgröße& r : Rohrtabelle)
            n << QString::fromLatin1(Längenmember(r));
        return n;
    }();
    return namen;
}

const QStringList& Berichtsnamen::Entlüfter()
{
    static const QStringList namen = [] {
        QStringList n;
        for (const auto& [artikel, anzahl] : Entlüfterfamilien)
            n << QString::fromUtf8(artikel) << QString::fromUtf8(anzahl);
        return n;
    }();
    return namen;
}

void Drucken::AusgabeDatenblattkopf(int projektiert, int titel)
{
    AusgabeNormal(LadeText(projektiert));
    NeueZeile();
    AusgabeLinieMitte(Vollbreite, 0, true);
    NeueZeile();
    AusgabeTitelzeile(LadeText(titel), TitelSpalte, true);
    NeueZeile();
}

bool Drucken::StandErreicht(const char* member, int hinweis)
{
    if (Wert(member).toBool())
        return true;
    NeueZeile();
    NeueZeile();
    AusgabeZeile(hinweis);
    return false;
}

void Drucken::ÜberschriftZusammen(int id)
{
    NeueSeiteWennNötig(Zusammenhalt);
    Überschrift(id);
}

void Drucken::AusgabeArtikelabschnitt(int überschrift, int16_t anzahl, const QString& artNr, bool zusammen)
{
    if (zusammen)
        ÜberschriftZusammen(überschrift);
    else
        Überschrift(überschrift);
    AusgabeArtikelKurz(anzahl, artNr, 0, false);
    NeueZeile();
    NeueZeile();
}

void Drucken::AusgabeKappenventileKurz(int überschrift)
{
    const int16_t kappen = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappen > 0)
        AusgabeArtikelabschnitt(überschrift, kappen, ArtNr("m_Zub_KappV_Beh_ArtNr"));
}

void Drucken::AusgabeKappenventileLang()
{
    const int16_t kappen = Ganz("m_Zub_KappV_Beh_Anz");
    if (kappen > 0)
        AusgabeArtikelLang(kappen, ArtNr("m_Zub_KappV_Beh_ArtNr"), false);
}

std::vector<std::pair<QString, int16_t>> Drucken::GewählteArtikel(const char* artikel, const char* anzahl, int n) const
{
    std::vector<std::pair<QString, int16_t>> a;
    for (int i = 1; i <= n; ++i) {
        const QString artNr = ArtNr(artikel, i);
        const int16_t k = Ganz(anzahl, i);
        if (!Leer(artNr) && k > 0)
            a.emplace_back(artNr, k);
    }
    return a;
}

void Drucken::AusgabeEntlüfterKurz(int n)
{
    for (const auto& [artikel, anzahl] : Entlüfterfamilien) {
        const auto gewählt = GewählteArtikel(artikel, anzahl, n);
        for (const auto& [artNr, k] : gewählt)
            AusgabeArtikelKurz(k, artNr, 0, false);
        if (!gewählt.empty())
            NeueZeile();
    }
}

void Drucken::AusgabeEntlüfterLang(int n)
{
    for (const auto& [artikel, anzahl] : Entlüfterfamilien)
        for (const auto& [artNr, k] : GewählteArtikel(artikel, anzahl, n))
            AusgabeArtikelLang(k, artNr, false);
}

void Drucken::AusgabeSchlammabscheiderKurz(int n)
{
    if (Ganz("m_Zub_Schlamm_Anordnung") != 0) {
        NeueZeile();
        NeueSeiteWennNötig(Zusammenhalt);
        for (int i = 1; i <= n; ++i)
            AusgabeArtikelKurz(1, ArtNr("m_Zub_Schlamm_ArtNr_m_value", i), static_cast<int16_t>(i), false);
    }
    if (Ganz("m_Zub_SchlammIso") != 0) {
        for (int i = 1; i <= n; ++i)
            AusgabeArtikelKurz(1, ArtNr("m_Zub_SchlammIso_ArtNr_m_value", i), static_cast<int16_t>(i), false);
        NeueZeile();
    }
}

void Drucken::AusgabeSchlammabscheiderLang(int n)
{
    // Equal separators (and insulations) of several generators become one position.
    for (const auto& [schalter, artikel] : {std::pair{"m_Zub_Schlamm_Anordnung", "m_Zub_Schlamm_ArtNr_m_value"},
                                            std::pair{"m_Zub_SchlammIso", "m_Zub_SchlammIso_ArtNr_m_value"}}) {
        if (Ganz(schalter) == 0)
            continue;
        InitArtikelliste();
        for (int i = 1; i <= n; ++i)
            AddArtikelliste(ArtNr(artikel, i), 1);
        ArtikellisteAlsPositionen();
    }
}

std::vector<std::pair<QString, int16_t>> Drucken::Behälterartikel(bool mitDämmung) const
{
    std::vector<std::pair<QString, int16_t>> a;
    const int g = Ganz("m_GefaessGruppe");
    const int16_t steuer = Ganz("m_SteuerbehAnzahl");
    const int16_t alle = Ganz("m_GefaessAnzahl");
    if (steuer > 0) {
        a.emplace_back(ArtNr("m_GefaessArtNr"), steuer);
        a.emplace_back(ArtNr("m_KomprPumpeArtNr"), steuer);
        const auto beistell = static_cast<int16_t>(alle - steuer);
        if (beistell > 0) {
            a.emplace_back(ArtNr("m_BeistellArtNr"), beistell);
            if (g == GruppeKompressor)
                a.emplace_back(QString::fromLatin1(AnschlussBeistellbehälter), beistell);
        }
    } else {
        a.emplace_back(ArtNr("m_GefaessArtNr"), alle);
    }
    if (g == GruppeKompressor) {
        const QString zusatz = ArtNr("m_ZusKomprPumpeArtNr");
        if (!Leer(zusatz))
            a.emplace_back(zusatz, 1);
    }
    const int32_t bits = Zahlen::CLng(Zahl("m_ZubehörSteuerung"));
    if (bits & Bit::Membranbruch) {
        const bool kompressor = g == GruppeKompressor && Ganz("m_SteuerModulKomp") == 0;
        a.emplace_back(QString::fromLatin1(kompressor ? MembranbruchKompressor : Membranbruch), alle);
    }
    for (const auto& [bit, artikel] : Zubehörartikel)
        if (bits & bit)
            a.emplace_back(QString::fromLatin1(artikel), steuer);
    if (mitDämmung && (bits & Bit::Dämmung)) {
        const QString dämmung = WärmedämmKelvormat().GetArtNrWärmedämmung(Ganz("m_GefaessInhalt"));
        if (!dämmung.isEmpty())
            a.emplace_back(dämmung, alle);
    }
    return a;
}

void Drucken::AusgabeInbetriebnahme(bool lang)
{
    const int g = Ganz("m_GefaessGruppe");
    const bool automat = g == GruppeKompressor || g == GruppePumpe11 || g == GruppePumpe14;
    if (Ganz("m_Zub_Nachspeisung") != NachspeiseAutomat && !automat)
        return;
    if (!lang)
        NeueZeile();
    AusgabeTextblock(LadeText(TextNrInbetriebnahme + zustand().Länderoffset), lang);
}

void Drucken::AusgabeRohrnetz(int vorlage)
{
    for (const Rohrgröße& r : Rohrtabelle) {
        const double länge = Zahl(Längenmember(r).constData());
        if (länge > 0)
            AusgabeZeile(vorlage, {VbVariant::integer(static_cast<int16_t>(r.dn)), Muster(länge, "#0"),
                                   Muster(länge * r.literJeMeter, "#0")});
    }
}

bool Drucken::BeginneLangtexte()
{
    if (!ÖffneLangtextsichten())
        return false;
    Summe = 0;
    PositionNr = 1;
    return true;
}

void Drucken::BeendeArtikelliste()
{
    AusgabeLieferantenanschrift();
    ArtikelDB = nullptr;
}
