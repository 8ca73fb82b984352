// The blocks every report is built from: page header, cover, article lines, text blocks, VAT
// totals, supplier footer and the preview's page separators.
#include "output/reports/Drucken.h"

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "base/Zeichenflaeche.h"
#include "data/JetDialekt.h"
#include "data/datenbank.h"
#include "output/reports/Ausschreibungsschreiber.h"

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
