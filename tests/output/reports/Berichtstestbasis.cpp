#include "Berichtstestbasis.h"

#include "base/Programmzustand.h"
#include "output/reports/Drucken.h"

// --- Data object ---

Namensdatenobjekt::Namensdatenobjekt(const QString& tabelle, const QStringList& namen, const QList<Feldwert>& werte)
    : GlobDaten(QStringLiteral("Namensdatenobjekt"), tabelle)
{
    m_TerminateMitUpdate = false;
    for (const Feldwert& w : werte) {
        const QString name = QString::fromUtf8(w.name);
        m_werte.insert(w.index > 0 ? name + QStringLiteral("#%1").arg(w.index) : name, w.wert);
    }
    for (const QString& n : namen) {
        if (m_member.hat(n))
            continue;  // the base class's own
        if (n.endsWith(QStringLiteral("_m_value")))
            m_member.indiziert(n, 1, [this, n](const QList<VbVariant>& i) {
                return m_werte.value(n + QStringLiteral("#%1").arg(i.at(0).toInteger()));
            });
        else if (n.startsWith(QStringLiteral("Sum_")))
            m_member.methode(n, 0, 0, [this, n](const QList<VbVariant>&) { return m_werte.value(n); });
        else
            m_member.wert(n, [this, n] { return m_werte.value(n); });
    }
}

Namensdatenobjekt::~Namensdatenobjekt()
{
    Freigeben();
}

// --- Seams ---

namespace {

class Recorderauftrag : public Druckauftrag {
public:
    Recorderauftrag(QStringList& ziel, double höhe) : m_ziel(ziel), m_fläche(höhe), m_höhe(höhe) {}
    ~Recorderauftrag() override { m_ziel << m_fläche.aufrufe; }
    Zeichenflaeche& fläche() override { return m_fläche; }
    QSizeF seitengröße() const override { return {12240, m_höhe}; }
    QSizeF druckerOffset() const override { return {360, 360}; }
    bool neueSeite() override
    {
        m_fläche.aufrufe << QStringLiteral("seite");
        return true;
    }
    bool beenden() override { return true; }
    void abbrechen() override {}

private:
    QStringList& m_ziel;
    Zeichenrecorder m_fläche;
    double m_höhe;
};

} // namespace

std::unique_ptr<Druckauftrag> Druckerrecorder::drucken(const Druckanfrage& anfrage)
{
    dokumente << anfrage.dokumentname;
    return std::make_unique<Recorderauftrag>(aufrufe, seitenhöhe);
}

bool Ausschreibungsrecorder::WriteKopf(const QDate&, const QString& bezeichnung, const QString&)
{
    m_zeilen << QStringLiteral("kopf ") + bezeichnung;
    return true;
}

bool Ausschreibungsrecorder::WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& k1,
                                                 const QString&)
{
    m_zeilen << QStringLiteral("pos %1 %2 %3 %4").arg(posNr).arg(bedarfsPos ? 1 : 0).arg(menge).arg(k1);
    return true;
}

bool Ausschreibungsrecorder::WriteLangtext(const QString& zeile)
{
    m_zeilen << QStringLiteral("lang ") + zeile;
    return true;
}

bool Ausschreibungsrecorder::WriteEinleitungHinweistext()
{
    m_zeilen << QStringLiteral("hinweis");
    return true;
}

bool Ausschreibungsrecorder::WriteEnde()
{
    m_zeilen << QStringLiteral("ende");
    return true;
}

bool Ausschreibungsrecorder::SaveAndClose()
{
    m_zeilen << QStringLiteral("gespeichert");
    return true;
}

// --- Fixture ---

void Berichtstestbasis::Einrichten(const QStringList& nutzerzeilen, const QStringList& tabellen, const char* artikelSql,
                                   const QHash<QString, VbVariant>& projektfelder)
{
    zustandZuruecksetzen();
    QStringList sql{QStringLiteral("CREATE TABLE DatenbankInfo (Nutzerinfo_1 TEXT(80), Nutzerinfo_2 TEXT(80), "
                                   "Nutzerinfo_3 TEXT(80), Nutzerinfo_4 TEXT(80))")};
    QStringList zeilen;
    for (const QString& z : nutzerzeilen)
        zeilen << QStringLiteral("'%1'").arg(z);
    sql << QStringLiteral("INSERT INTO DatenbankInfo VALUES (%1)").arg(zeilen.join(QStringLiteral(", ")));
    sql << tabellen;
    dbs = std::make_unique<Datenobjektdatenbanken>(sql);
    artikel = std::make_unique<ArtikelFixture>(QString::fromUtf8(artikelSql));
    ASSERT_TRUE(artikel->ok());
    Programmzustand& z = zustand();
    z.aktProjektnummer = projektfelder.value(QStringLiteral("Projekt Nr")).toString();
    z.Mehrwertsteuersatz = 19;
    z.Währungskürzel = QStringLiteral("EUR");
    projekt = projektfelder;
    Drucken::SetzeProjektfeldquelle([this](const QString& feld) { return projekt.value(feld); });
    Drucken::SetzeErzeuger([this](const QString& art) -> std::shared_ptr<GlobDaten> {
        auto d = std::make_shared<Namensdatenobjekt>(Parametertabelle(art), namen, werte);
        datenobjekt = d;
        return d;
    });
    setzeZwischenablage(&ablage);
    setzeDrucker(&drucker);
    setzeAusschreibungsfabrik([this] { return std::make_unique<Ausschreibungsrecorder>(gaeb); });
}

void Berichtstestbasis::TearDown()
{
    Drucken::SetzeProjektfeldquelle({});
    Drucken::SetzeErzeuger({});
    setzeZwischenablage(nullptr);
    setzeDrucker(nullptr);
    setzeAusschreibungsfabrik({});
    artikel.reset();
    dbs.reset();
}
