#include "support/Datenobjektdatenbanken.h"

#include "data/Kennwort.h"
#include "shell/Programmzustand.h"

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
    QStringList sql;
    for (const QString& t : Parametertabellen())
        sql << QStringLiteral("CREATE TABLE [%1] ([Projekt Nr] TEXT(50), [IstBerechnet] BOOLEAN, "
                              "[IstAusgelegt] BOOLEAN)").arg(t);
    m_projekt = std::make_unique<TestDatenbank>(sql + weitereSql, Kennwort::Projektdatenbank,
                                                QStringLiteral("Projektverwaltung.db"));
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
    QString nr = projektNr;
    nr.replace(QLatin1Char('\''), QStringLiteral("''"));
    return m_projekt->wert(QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [Projekt Nr] = '%2'").arg(tabelle, nr)).toInt();
}
