// The page sequences of the reports and the table of the system types that have one.
#include "output/reports/Drucken.h"

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"

namespace {

struct Eintrag {
    const char* projektart;
    bool (Drucken::*technischeDaten)();
    void (Drucken::*artikelliste)();
    void (Drucken::*langtexte)();
};

} // namespace

const Drucken::Berichtsteile* Drucken::Teile(const QString& projektart)
{
    // One line per system type with a report.
    static const Eintrag typen[] = {
        {"He", &Drucken::AusgabeTechnischeDatenHeizung, &Drucken::AusgabeArtikellisteHeizung,
         &Drucken::AusgabeLangtexteHeizung},
        {"Kü", &Drucken::AusgabeTechnischeDatenKälte, &Drucken::AusgabeArtikellisteKälte,
         &Drucken::AusgabeLangtexteKälte},
        {"Tr", &Drucken::AusgabeTechnischeDatenTrinkwasser, &Drucken::AusgabeArtikellisteTrinkwasser,
         &Drucken::AusgabeLangtexteTrinkwasser},
        {"Dr", &Drucken::AusgabeTechnischeDatenDruckerhöhung, &Drucken::AusgabeArtikellisteDruckerhöhung,
         &Drucken::AusgabeLangtexteDruckerhöhung},
        {"Sp", &Drucken::AusgabeTechnischeDatenSpeicher, &Drucken::AusgabeArtikellisteSpeicher,
         &Drucken::AusgabeLangtexteSpeicher},
        {"So", &Drucken::AusgabeTechnischeDatenSolar, &Drucken::AusgabeArtikellisteSolar,
         &Drucken::AusgabeLangtexteSolar},
    };
    static const QList<Berichtsteile> teile = [] {
        QList<Berichtsteile> t;
        for (const Eintrag& e : typen)
            t.append({e.technischeDaten, e.artikelliste, e.langtexte});
        return t;
    }();
    for (qsizetype i = 0; i < teile.size(); ++i)
        if (projektart == QString::fromUtf8(typen[i].projektart))
            return &teile[i];
    return nullptr;
}

bool Drucken::HatBericht(const QString& projektart)
{
    return Teile(projektart) != nullptr;
}

void Drucken::BeginneSeitenfolge(int16_t kopfart)
{
    Seite = 1;
    Zeile = 0;
    Spalte = 0;
    Kopfart = kopfart;
    ZeichneSeitentrenner();
}

int32_t Drucken::BeendeSeitenfolge()
{
    AusgabeMwStSumme();
    return Zeilenhöhe * Zeile;
}

int32_t Drucken::SeitenfolgeErgebnisse(const Berichtsteile& t)
{
    BeginneSeitenfolge(2);
    AusgabeSeitenkopf();
    (this->*t.Artikelliste)();
    return BeendeSeitenfolge();
}

int32_t Drucken::SeitenfolgeText(const Berichtsteile& t, bool mitLangtexten)
{
    BeginneSeitenfolge(0);
    AusgabeDeckblatt();
    if ((this->*t.TechnischeDaten)()) {
        Kopfart = 2;
        NeueSeite();
        (this->*t.Artikelliste)();
        if (mitLangtexten) {
            AusgabeMwStSumme();
            Kopfart = 1;
            NeueSeite();
            (this->*t.Langtexte)();
        }
    }
    return BeendeSeitenfolge();
}

bool Drucken::ÖffneLangtextsichten()
{
    const QString langtext = QStringLiteral("Select [arArtikelnr],[%1],[arPreis],[%2] FROM ARTIKEL LEFT JOIN LANGTEXTE ON "
                                            "ARTIKEL.[ltLangtextnr] = LANGTEXTE.[ltLangtextnr]")
                                 .arg(SpalteKurztext1, SpalteLangtext);
    const QString einfügetext = QStringLiteral("Select [arArtikelnr],[diTextzeile],[%1] FROM DIMENSIONSTEXTE LEFT JOIN "
                                               "EINFUEGETEXTE ON DIMENSIONSTEXTE.[ltLangtextnr] = "
                                               "EINFUEGETEXTE.[etEinfuegetextnr]")
                                    .arg(SpalteEinfügetext);
    m_langtextDB = std::make_unique<datenbank>();
    m_einfügetextDB = std::make_unique<datenbank>();
    const QString& quelle = zustand().Artikel_Data_Source;
    const bool ok = m_langtextDB->OpenTab(quelle, langtext, 3, Kennwort::Artikeldatenbank, true) == 0 &&
                    m_einfügetextDB->OpenTab(quelle, einfügetext, 3, Kennwort::Artikeldatenbank, true) == 0;
    if (!ok) {
        SchließeLangtextsichten();
        return false;
    }
    ArtikelDB = m_langtextDB.get();
    EinfügetextDB = m_einfügetextDB.get();
    return true;
}

void Drucken::SchließeLangtextsichten()
{
    ArtikelDB = nullptr;
    EinfügetextDB = nullptr;
    m_einfügetextDB.reset();
    m_langtextDB.reset();
}

void Drucken::ArtikellisteAlsPositionen()
{
    for (int i = 1; i <= ArtikellisteAnzahl(); ++i) {
        const Artikelposten p = GetArtikellisteEintrag(i);
        AusgabeArtikelLang(p.anzahl, p.artNr, false);
    }
}
