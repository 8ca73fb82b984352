#include "info/Gebietssuche.h"

#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"

const Finderart& FinderartService()
{
    static const Finderart art{Gebietskarte::Karte::Service, 1360, 1361, 1362, 1363, QStringLiteral("GebieteService"),
                               QStringLiteral("GebietsaufteilungService"), QStringLiteral("Firma"), 101, true, false};
    return art;
}

const Finderart& FinderartVertreter()
{
    static const Finderart art{Gebietskarte::Karte::Vertreter, 1380, 1381, 1382, 1383, QStringLiteral("GebieteVertreter"),
                               QStringLiteral("GebietsaufteilungVertreter"), QStringLiteral("Name"), 102, false,
                               true};
    return art;
}

Gebietssuche::Gebietssuche(const Finderart& art)
    : m_art(art), GebieteDB(std::make_unique<datenbank>()), m_karte(art.karte)
{
    // Client-side cursor (3); the result is not examined.
    GebieteDB->OpenTab(zustand().Artikel_Data_Source, QStringLiteral("SELECT * FROM [%1]").arg(m_art.gebieteTabelle),
                       3, Kennwort::Artikeldatenbank, true);
    m_karte.BildeGebiete();
}

Gebietssuche::~Gebietssuche() = default;

Gebietssuche::Ergebnis Gebietssuche::SucheNachPostleitzahl(const QString& text)
{
    if (text.trimmed().size() != PLZLänge)
        return {QString(), true};
    const QString g = m_art.gebieteTabelle;
    const QString a = m_art.aufteilungTabelle;
    const QString t = JetDialekt::Textliteral(text);
    const QString sql = QStringLiteral("SELECT * FROM [%1] INNER JOIN [%2] ON [%1].[GebietsNr] = [%2].[GebietsNr] "
                                       "WHERE [vonPLZ] <= %3 AND [bisPLZ] >= %3")
                            .arg(a, g, t);
    if (GebieteDB->NewSQL(sql, false) != 0 || GebieteDB->EmptyTab())
        return {QString(), true};
    return {ZeigeAdresse(), false};
}

Gebietssuche::Ergebnis Gebietssuche::SucheNachKlick(float x, float y)
{
    const std::optional<int> gebiet = m_karte.FindeGebiet(x, y);
    if (!gebiet)
        return {QString(), false};
    const QString sql = QStringLiteral("SELECT * FROM [%1] WHERE [GebietsNr] = %2")
                            .arg(m_art.gebieteTabelle, Zahlen::Str(*gebiet));
    if (GebieteDB->NewSQL(sql, false) != 0)
        return {QString(), true};
    return {ZeigeAdresse(), true};
}

QString Gebietssuche::ZeigeAdresse()
{
    auto feld = [this](const QString& name) { return GebieteDB->GetFeld(name).toString(); };
    const QStringList zeilen = {feld(m_art.ersteZeile),
                                feld(QStringLiteral("Straße")),
                                feld(QStringLiteral("PlzOrt")),
                                QString(),
                                QStringLiteral("Tel:      ") + feld(QStringLiteral("Telefon")),
                                QStringLiteral("Fax:     ") + feld(QStringLiteral("Fax"))};
    return zeilen.join(QLatin1Char('\r'));
}
