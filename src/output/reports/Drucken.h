#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "base/VbVariant.h"

class Ausschreibungsschreiber;
class Druckauftrag;
class GlobDaten;
class Zeichenflaeche;
class datenbank;

// The plain-text target of a report: the whole report as one text with CR LF line ends
// (the tender texts that go to the clipboard). It keeps no line or page counters.
class Berichtspuffer {
public:
    // `spalte` blanks, the text and, with neueZeile, CR LF.
    void Text(int spalte, const QString& text, bool neueZeile);
    // `spalte` blanks, `länge` times "¯" (art 1) or "-" (any other art) and, with neueZeile, CR LF.
    void Linie(int länge, int art, int spalte, bool neueZeile);
    void NeueZeile();
    // The page-break separator between blank lines.
    void Seitenwechsel();
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// One entry of the article quantity list.
struct Artikelposten {
    QString artNr;
    int16_t anzahl = 0;
};

// The report object: renders the current project as a page preview, a short-text or long-text
// print, the tender texts on the clipboard or the tender file. One object per output command.
//
// Every report is a page sequence of blocks (page header, cover, article lines, text blocks, VAT
// totals, supplier footer) around three procedures of the project's system type: technical data,
// article list and long texts. Each type keeps its procedures in a file of its own
// (Drucken_Heizung.cpp ...) and names them in the table of Drucken_Seitenfolgen.cpp; a type
// without an entry there has no report.
class Drucken {
public:
    Drucken();
    ~Drucken();
    Drucken(const Drucken&) = delete;
    Drucken& operator=(const Drucken&) = delete;

    // --- Entry ---

    // The printer set-up; the choice holds for the following prints.
    void Druckereinrichtung();
    // The report of the current project in mode 1 (preview), 2 (short text), 3 (long text),
    // 4 (tender texts to the clipboard) or 5 (tender file).
    // (C++ keeps the class's own name for its constructor, hence DruckenModus.)
    void DruckenModus(int Druck);

    // Whether the system type ("He", "Kü", ...) has a report.
    static bool HatBericht(const QString& projektart);

    // --- What the preview calls ---

    int32_t GetCharWidthMon_X() const { return ZeichenbreiteMon; }
    int32_t GetCharWidthMon_Y() const { return ZeilenhöheMon; }
    // Measures the preview font on dc_mon and sets the preview geometry; breite = page width,
    // höhe = page height + 10 (pixels).
    void BlattGrößeSeitenvorschau(Zeichenflaeche& dc_mon, int32_t& breite, int32_t& höhe);
    // Renders the page sequence of the type and mode to target ID: 0 the printer surface dc
    // (page breaks through auftrag), 1 the preview surface dc, 2 the text buffer (dc ignored).
    // Returns the height of the last page's lines; 0 for a mode or type without a sequence.
    int32_t GDIAusgabe(int ID, Zeichenflaeche* dc, Druckauftrag* auftrag = nullptr);

    // --- Seams (the shell sets the dialogs; tests replace everything) ---

    // The price choice: 1 with prices, 2 without, anything else cancels. Unset: cancel.
    std::function<int()> Preisauswahl;
    // The preview of mode 1 (shows the report object's pages); unset: nothing shown.
    std::function<bool(Drucken& bericht, bool mitDruck)> Vorschau;
    // Called while the preview picture grows (its new height in pixels).
    std::function<void(int32_t höhe)> BildhöheGeändert;
    // A field of the current project's row ("Projekt Nr", "Datum", ...); unset: the project page.
    using Projektfeldquelle = std::function<VbVariant(const QString& feld)>;
    static void SetzeProjektfeldquelle(Projektfeldquelle quelle);
    // Creates the (unbound) data object of a Projektart code; an empty function restores the
    // program's own.
    using Erzeuger = std::function<std::shared_ptr<GlobDaten>(const QString& projektart)>;
    static void SetzeErzeuger(Erzeuger erzeuger);

    // After mode 5: no tender writer was available.
    bool OhneAusschreibungsschreiber() const { return m_ohneSchreiber; }
    // The text buffer of the last run to target 2.
    const QString& Text() const { return m_puffer.text(); }
    int16_t Seitenzahl() const { return Seite; }

    // The article quantity list (public for the long-text procedures' helpers and tests).
    void InitArtikelliste();
    void AddArtikelliste(const QString& artNr, int16_t anzahl);
    Artikelposten GetArtikellisteEintrag(int nr) const;
    int16_t ArtikellisteAnzahl() const { return static_cast<int16_t>(m_artikelliste.size() - 1); }

    // Splits a text at CR LF into the line list; a CR LF at the end gives no empty last line.
    void ZerlegeInZeilen(const QString& text);
    QString GetZeile(int i) const;
    int16_t ZeilenAnzahl() const { return m_zeilenAnzahl; }

    // Whole characters of a title between two rules from column spalte to 80 - spalte.
    static int Titelrand(const QString& text, int spalte);

private:
    friend struct DruckenTestzugriff;

    // The three procedures of a system type.
    struct Berichtsteile {
        bool (Drucken::*TechnischeDaten)();
        void (Drucken::*Artikelliste)();
        void (Drucken::*Langtexte)();
    };
    static const Berichtsteile* Teile(const QString& projektart);

    // --- Geometry ---
    void Standardgeometrie();
    void Druckergeometrie(Druckauftrag& auftrag);
    void Ränder();
    // The point size of the report font on a surface: a cell `höhe` of its units high.
    static double Schriftpunkte(Zeichenflaeche& f, double höhe);
    // Selects the report font of the current target.
    void WähleSchrift(bool fett);
    static void MesseSchrift(Zeichenflaeche& f, double höhe, int32_t& breite, int32_t& zeilenhöhe);

    // --- Primitives ---
    void AusgabeText(const QString& text, int fett, int spalte, bool neueZeile);
    void AusgabeNormal(const QString& text, int spalte = 0, bool neueZeile = true) { AusgabeText(text, 0, spalte, neueZeile); }
    void AusgabeFett(const QString& text, int spalte = 0, bool neueZeile = true) { AusgabeText(text, 1, spalte, neueZeile); }
    void AusgabeLinie(int länge, int art, int spalte, bool neueZeile);
    void AusgabeLinieMitte(int länge, int spalte, bool neueZeile) { AusgabeLinie(länge, 0, spalte, neueZeile); }
    void AusgabeLinieOben(int länge, int spalte, bool neueZeile) { AusgabeLinie(länge, 1, spalte, neueZeile); }
    void AusgabeTitelzeile(const QString& text, int spalte, bool neueZeile);
    void NeueZeile();
    void NeueSeite();
    void NeueSeiteWennNötig(int zeilen);
    void GeheZuZeile(int zeile);
    void AusgabeGaeb();
    // A tender writer's result; a failure stops the tender output.
    bool GaebSchritt(bool ok);

    // --- Blocks ---
    void AusgabeSeitenkopf();
    void AusgabeDeckblatt();
    // A blank article number prints nothing; a missing one prints " " and 0.00 (and is reported
    // once per article and report).
    void AusgabeArtikelKurz(int16_t anzahl, const QString& artNr, int16_t erzeuger, bool alternativ);
    void AusgabeArtikelLang(int16_t anzahl, const QString& artNr, bool alternativ);
    void AusgabeTextblock(const QString& text, bool eingerückt);
    // Positions ArtikelDB on the article; a missing one is reported (once per article and report).
    bool FindeArtikel(const QString& artNr);
    // Unit and total price texts of an article line; adds the total to Summe.
    void Preistexte(int16_t anzahl, double einzelpreis, bool alternativ, QString& einzel, QString& gesamt);
    void AusgabeMwStSumme();
    void AusgabeLieferantenanschrift();
    void ZeichneSeitentrenner();

    // --- Page sequences (by the type's procedures) ---
    // Results: page header and article list. Text: cover, data sheet and, when the data sheet is
    // complete, the article list and (mitLangtexten) the long texts. Each ends with the VAT totals.
    int32_t SeitenfolgeErgebnisse(const Berichtsteile& t);
    int32_t SeitenfolgeText(const Berichtsteile& t, bool mitLangtexten);
    // Page 1, line 0 and the preview's page separators; the VAT totals and the height written.
    void BeginneSeitenfolge(int16_t kopfart);
    int32_t BeendeSeitenfolge();

    // --- Helpers of the type procedures ---
    // A field of the current project's row.
    VbVariant Projektfeld(const QString& feld) const;
    // A member of the data object by name (indexed members with i = 1..6).
    VbVariant Wert(const char* name) const;
    VbVariant Wert(const char* name, int i) const;
    double Zahl(const char* name) const { return Wert(name).toDouble(); }
    double Zahl(const char* name, int i) const { return Wert(name, i).toDouble(); }
    // Counts and codes: whole numbers, half to even.
    int16_t Ganz(const char* name) const;
    int16_t Ganz(const char* name, int i) const;
    QString ArtNr(const char* name) const { return Wert(name).toString(); }
    QString ArtNr(const char* name, int i) const { return Wert(name, i).toString(); }
    VbVariant Rufe(const char* name, const QList<VbVariant>& argumente = {}) const;
    // A line template completed with its values.
    static QString Vorlage(int id, const QList<VbVariant>& werte = {});
    // "line n (values)": the template at column 0, ending its line.
    void AusgabeZeile(int id, const QList<VbVariant>& werte = {}) { AusgabeNormal(Vorlage(id, werte)); }
    // "heading n": the text and an overline of its length.
    void Überschrift(int id);
    // A value in a display pattern ("#0", "#0.0", "#0.00").
    static QString Muster(double wert, const char* muster);
    // An article number that is empty or one blank.
    static bool Leer(const QString& artNr) { return artNr.isEmpty() || artNr == QStringLiteral(" "); }
    // Opens the long-text and insertion-text views; false (both released) when one fails.
    bool ÖffneLangtextsichten();
    void SchließeLangtextsichten();
    // Every entry of the quantity list as a long-text position.
    void ArtikellisteAlsPositionen();

    // --- Blocks the type procedures share (Drucken_Bausteine.cpp) ---
    // The data sheet's head: "projected" line, a rule and the centred title.
    void AusgabeDatenblattkopf(int projektiert, int titel);
    // With the member false: two blank lines and the notice (not computed / not designed).
    // Returns the member.
    bool StandErreicht(const char* member, int hinweis);
    // A heading kept together with the next lines.
    void ÜberschriftZusammen(int id);
    // Heading, one article line and two blank lines; zusammen keeps the heading with its lines.
    void AusgabeArtikelabschnitt(int überschrift, int16_t anzahl, const QString& artNr, bool zusammen = true);
    // The vessel's cap valves under their heading; nothing without any.
    void AusgabeKappenventileKurz(int überschrift);
    void AusgabeKappenventileLang();
    // The indexed article/count members 1..n whose article is chosen and count positive.
    std::vector<std::pair<QString, int16_t>> GewählteArtikel(const char* artikel, const char* anzahl, int n) const;
    // Air venting: each family of the n generators; a family with lines ends with a blank line.
    void AusgabeEntlüfterKurz(int n);
    void AusgabeEntlüfterLang(int n);
    // Dirt separators and their insulation at each of n generators.
    void AusgabeSchlammabscheiderKurz(int n);
    void AusgabeSchlammabscheiderLang(int n);
    // The vessels, or the automat with its add-on vessels and accessory articles, in print order;
    // mitDämmung adds the insulation the accessory bits ask for (heating plants).
    std::vector<std::pair<QString, int16_t>> Behälterartikel(bool mitDämmung) const;
    // The commissioning notice of an automat or automatic make-up (long: as an indented block).
    void AusgabeInbetriebnahme(bool lang);
    // Lines of the pipe network with a length; the template takes DN, length and litres.
    void AusgabeRohrnetz(int vorlage);
    // Opens the long-text views and starts the positions at 1; false when a view fails.
    bool BeginneLangtexte();
    // The supplier footer; releases the article table.
    void BeendeArtikelliste();

    // --- Heating (Drucken_Heizung.cpp) ---
    bool AusgabeTechnischeDatenHeizung();
    void AusgabeArtikellisteHeizung();
    void AusgabeLangtexteHeizung();
    int16_t ErzeugerÜberGrenzleistung() const;
    // Low-water protection and pressure limiters: article and count.
    std::vector<std::pair<QString, int16_t>> Begrenzerartikel() const;
    // The cap valve of the pump automat's control module (trimmed; empty for none).
    QString KappenventilSteuermodul() const;
    std::vector<std::pair<QString, int16_t>> NachspeiseArtikel(int gruppe) const;
    // Cooling (Drucken_Kaelte.cpp), drinking water (Drucken_Trinkwasser.cpp), pressure boosting
    // (Drucken_Druckerhoehung.cpp), storage heater (Drucken_Speicher.cpp), solar
    // (Drucken_Solar.cpp); each type defines its three in its own file and adds its line to the
    // table in Drucken_Seitenfolgen.cpp.
    bool AusgabeTechnischeDatenKälte();
    void AusgabeArtikellisteKälte();
    void AusgabeLangtexteKälte();
    bool AusgabeTechnischeDatenTrinkwasser();
    void AusgabeArtikellisteTrinkwasser();
    void AusgabeLangtexteTrinkwasser();
    bool AusgabeTechnischeDatenDruckerhöhung();
    void AusgabeArtikellisteDruckerhöhung();
    void AusgabeLangtexteDruckerhöhung();
    bool AusgabeTechnischeDatenSpeicher();
    void AusgabeArtikellisteSpeicher();
    void AusgabeLangtexteSpeicher();
    bool AusgabeTechnischeDatenSolar();
    void AusgabeArtikellisteSolar();
    void AusgabeLangtexteSolar();

    // --- State ---
    int32_t Modus = 0;
    bool MitPreisen = false;
    bool GaebModus = false;
    QString Projektart;
    std::shared_ptr<GlobDaten> Daten;
    std::array<QString, 4> Nutzerzeilen;
    // The table the article blocks look articles up in (not owned), and the insertion texts.
    datenbank* ArtikelDB = nullptr;
    datenbank* EinfügetextDB = nullptr;
    std::unique_ptr<datenbank> m_langtextDB;
    std::unique_ptr<datenbank> m_einfügetextDB;
    std::unique_ptr<Ausschreibungsschreiber> Gaeb;
    bool m_ohneSchreiber = false;
    bool m_gaebAbbruch = false;

    // Page geometry in twips.
    int32_t Seitenbreite = 12240, Seitenhöhe = 15840;
    int32_t DruckerOffsetX = 360, DruckerOffsetY = 360;
    int32_t DruckbereichHöhe = 15120;
    int32_t ZeichenbreiteDrucker = 121, ZeilenhöheDrucker = 220;
    int32_t RandLinks = 0, RandOben = 0, RandUnten = 0;
    int16_t ZeilenProSeite = 0;
    // Preview geometry in pixels.
    int32_t ZeichenbreiteMon = 0, ZeilenhöheMon = 0;
    int32_t SeitenbreiteMon = 0, SeitenhöheMon = 0, RandLinksMon = 0, RandObenMon = 0;
    int32_t SeitenabstandMon = 0, BildhöheMon = 0;

    // The current target.
    int16_t Ziel = 2;
    Zeichenflaeche* AusgabeDC = nullptr;
    Druckauftrag* m_auftrag = nullptr;
    int32_t Zeichenbreite = 0, Zeilenhöhe = 0, RandLinksAkt = 0, RandObenAkt = 0, Seitenabstand = 0;
    double m_schriftpunkte = 10;
    int32_t Stiftbreite = 1;
    int16_t Seite = 1, Zeile = 0, Spalte = 0;
    int16_t PositionNr = 1;
    int16_t Kopfart = 0;
    double Summe = 0.0;
    Berichtspuffer m_puffer;
    QStringList m_zeilenliste{QString()};
    int16_t m_zeilenAnzahl = 0;
    QList<Artikelposten> m_artikelliste{Artikelposten{}};
    // Article numbers already reported as missing in this report.
    QStringList m_fehlendeArtikel;
};
