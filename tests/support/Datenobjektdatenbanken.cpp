#include "support/Datenobjektdatenbanken.h"

#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/Spaltentypen.h"
#include "data/Tabellenaufbau.h"
#include "base/Programmzustand.h"

namespace {

// The CREATE TABLE of a table of the program's schema (types only), without the schema engine,
// which lets the event loop run while it builds.
QString Schematabelle(const QString& tabelle)
{
    Feldliste felder;
    Tabellenaufbau::Aufbauen(tabelle, felder);
    QStringList spalten;
    for (const ManipDBField& f : felder) {
        Spaltentyp typ = Spaltentyp::Unbekannt;
        switch (f.fieldtype) {
        case Feldtyp::Boolean: typ = Spaltentyp::Boolean; break;
        case Feldtyp::Byte: typ = Spaltentyp::Byte; break;
        case Feldtyp::Integer: typ = Spaltentyp::Integer; break;
        case Feldtyp::Long: typ = Spaltentyp::Long; break;
        case Feldtyp::Single: typ = Spaltentyp::Single; break;
        case Feldtyp::Date: typ = Spaltentyp::Datum; break;
        case Feldtyp::Text: typ = Spaltentyp::Text; break;
        case Feldtyp::Memo: typ = Spaltentyp::Memo; break;
        }
        spalten << JetDialekt::Name(f.fieldbez) + QLatin1Char(' ') + Spaltentypen::Deklaration(typ, f.fieldsize);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(JetDialekt::Name(tabelle), spalten.join(QStringLiteral(", ")));
}

QString Textliteral(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
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
    QStringList sql{Schematabelle(Tabelle::ProjekteTabelle)};
    for (const QString& t : Parametertabellen())
        sql << Schematabelle(t);
    sql << Schematabelle(Tabelle::SpeicherBedarfsKz);
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
    return m_projekt->wert(QStringLiteral("SELECT COUNT(*) FROM [%1] WHERE [Projekt Nr] = %2").arg(tabelle, Textliteral(projektNr)))
        .toInt();
}

QVariant Datenobjektdatenbanken::feld(const QString& tabelle, const QString& feld, const QString& projektNr) const
{
    return m_projekt->wert(
        QStringLiteral("SELECT [%1] FROM [%2] WHERE [Projekt Nr] = %3").arg(feld, tabelle, Textliteral(projektNr)));
}
