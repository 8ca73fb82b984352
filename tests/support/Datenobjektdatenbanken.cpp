#include "support/Datenobjektdatenbanken.h"

#include <QFile>
#include <gtest/gtest.h>

#include "data/Kennwort.h"
#include "shell/Programmzustand.h"
#include "support/ParametertabellenDatenbank.h"

namespace {

QString Textliteral(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// The parameter tables are built once and the file is copied for each database.
QString Vorlage()
{
    static const TestDatenbank vorlage({}, Kennwort::Projektdatenbank, QStringLiteral("Vorlage.db"));
    static const bool gebaut = BaueParametertabellen(vorlage.pfad(), Datenobjektdatenbanken::Parametertabellen());
    EXPECT_TRUE(gebaut);
    return vorlage.pfad();
}

}  // namespace

const QStringList& Datenobjektdatenbanken::Parametertabellen()
{
    static const QStringList t = {
        QStringLiteral("Heizungsparameter"),    QStringLiteral("Kälteparameter"),
        QStringLiteral("Trinkwasserparameter"), QStringLiteral("Druckerhöhungparameter"),
        QStringLiteral("SpeicherWasserwärmerparameter"), QStringLiteral("Solarparameter"),
    };
    return t;
}

Datenobjektdatenbanken::Datenobjektdatenbanken(const QStringList& weitereSql)
{
    m_projekt = std::make_unique<TestDatenbank>(QStringList{}, Kennwort::Projektdatenbank,
                                                QStringLiteral("Projektverwaltung.db"));
    EXPECT_TRUE(QFile::remove(m_projekt->pfad()) && QFile::copy(Vorlage(), m_projekt->pfad()));
    m_projekt->ausfuehren(weitereSql);
    m_artikel = std::make_unique<TestDatenbank>(
        QStringList{
            QStringLiteral("CREATE TABLE ARTIKEL (arArtikelnr TEXT(15), arKurztext1 TEXT(50), "
                           "arKurztext2 TEXT(50), arPreis DOUBLE, ltLangtextnr LONG)"),
            QStringLiteral("CREATE TABLE Artikel_Zusatz (artikelnr TEXT(15), dxfText TEXT(50))"),
            QStringLiteral("INSERT INTO ARTIKEL VALUES ('4711', 'Gefäß', '25 l', 49.5, 12)"),
            QStringLiteral("INSERT INTO Artikel_Zusatz VALUES ('4711', 'MAG 25')"),
        },
        Kennwort::Artikeldatenbank, QStringLiteral("Artikeld.db"));
    zustand().Projekt_Data_Source = m_projekt->pfad();
    zustand().Artikel_Data_Source = m_artikel->pfad();
}

int Datenobjektdatenbanken::zeilen(const QString& tabelle, const QString& projektNr) const
{
    return m_projekt->wert(QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [Projekt Nr] = %2").arg(tabelle, Textliteral(projektNr)))
        .toInt();
}

QVariant Datenobjektdatenbanken::feld(const QString& tabelle, const QString& feld, const QString& projektNr) const
{
    return m_projekt->wert(
        QStringLiteral("SELECT [%1] FROM [%2] WHERE [Projekt Nr] = %3").arg(feld, tabelle, Textliteral(projektNr)));
}
