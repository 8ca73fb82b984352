#include "Projektfixture.h"

#include <QSqlError>
#include <QSqlQuery>

#include "data/JetDialekt.h"
#include "data/Tabellenaufbau.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "support/TransferProtokoll.h"

void Projektfixture::SetUp()
{
    zustandZuruecksetzen();
    ASSERT_TRUE(ordner.isValid());
    pfad = ordner.filePath(QStringLiteral("Projektverwaltung.db"));
    BaueProjektdatenbank(pfad);
    Programmzustand& z = zustand();
    z.Projekt_Data_Source = pfad;
    z.sortierungProjektnummer = sortierung(1);
    z.sortierungProjektart = sortierung(2);
    z.sortierungProjBezeichnung = sortierung(3);
    z.sortierungProjAngebotsNr = sortierung(4);
    z.sortierungProjektDatum = sortierung(5);
    z.aktSortierung = sortierung(1);
    z.ProjektartNeuanlage = QStringLiteral("He");
    z.aktProjektnummer = QStringLiteral(" ");
}

void Projektfixture::TearDown()
{
    if (seite)
        seite->Entladen();
    seite.reset();
    if (!m_verbindung.isEmpty()) {
        QSqlDatabase::database(m_verbindung, false).close();
        QSqlDatabase::removeDatabase(m_verbindung);
    }
}

QString Projektfixture::sortierung(int nr)
{
    return LadeText(160 + nr);
}

QSqlDatabase Projektfixture::db()
{
    if (m_verbindung.isEmpty()) {
        static int zähler = 0;
        m_verbindung = QStringLiteral("projektfixture%1").arg(++zähler);
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
        d.setDatabaseName(pfad);
        EXPECT_TRUE(d.open()) << d.lastError().text().toStdString();
    }
    return QSqlDatabase::database(m_verbindung, false);
}

void Projektfixture::sql(const QString& text)
{
    QSqlQuery q(db());
    EXPECT_TRUE(q.exec(text)) << text.toStdString() << ": " << q.lastError().text().toStdString();
}

void Projektfixture::projekt(const QString& nr, const QString& art, const QString& bezeichnung, const QString& datum,
                             const QString& angebot, int artErstellung)
{
    QSqlQuery q(db());
    q.prepare(QStringLiteral("INSERT INTO ProjekteTabelle ([Projekt Nr], Projektart, Projektbezeichnung, Bauherr, "
                             "[Straße], PLZ, Ort, Angebotsnummer, Bemerkungen, Datum, ArtErstellung) "
                             "VALUES (?, ?, ?, ' ', ' ', ' ', ' ', ?, ' ', ?, ?)"));
    for (const QVariant& v : {QVariant(nr), QVariant(art), QVariant(bezeichnung), QVariant(angebot), QVariant(datum),
                              QVariant(artErstellung)})
        q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
}

void Projektfixture::parameterzeile(const QString& art, const QString& nr)
{
    sql(QStringLiteral("INSERT INTO %1 ([Projekt Nr]) VALUES (%2)")
            .arg(JetDialekt::Name(Tabellenaufbau::Parametertabelle(art)), JetDialekt::Textliteral(nr)));
}

void Projektfixture::wohnungen(const QString& nr, int anzahl)
{
    for (int i = 1; i <= anzahl; ++i)
        sql(QStringLiteral("INSERT INTO SpeicherBedarfsKz ([Projekt Nr], WohnungsgruppenNr) VALUES (%1, %2)")
                .arg(JetDialekt::Textliteral(nr))
                .arg(i));
}

int Projektfixture::zeilen(const QString& tabelle, const QString& nr)
{
    QString text = QStringLiteral("SELECT COUNT(*) FROM ") + JetDialekt::Name(tabelle);
    if (!nr.isNull())
        text += QStringLiteral(" WHERE [Projekt Nr] = ") + JetDialekt::Textliteral(nr);
    QSqlQuery q(db());
    EXPECT_TRUE(q.exec(text) && q.next()) << q.lastError().text().toStdString();
    return q.value(0).toInt();
}

QString Projektfixture::feld(const QString& nr, const QString& spalte)
{
    QSqlQuery q(db());
    EXPECT_TRUE(q.exec(QStringLiteral("SELECT %1 FROM ProjekteTabelle WHERE [Projekt Nr] = %2")
                           .arg(JetDialekt::Name(spalte), JetDialekt::Textliteral(nr))));
    return q.next() ? q.value(0).toString() : QStringLiteral("<keine Zeile>");
}

void Projektfixture::zeileIst(const QString& nr, std::initializer_list<std::pair<const char*, const char*>> werte)
{
    for (const auto& [spalte, wert] : werte)
        EXPECT_EQ(feld(nr, QString::fromUtf8(spalte)), QString::fromUtf8(wert)) << spalte;
}

Projektseite& Projektfixture::öffne()
{
    if (seite)
        seite->Entladen();
    seite = std::make_unique<Projektseite>(&umfeld);
    seite->heute = [] { return Heute(); };
    seite->Laden();
    seite->Aktivieren();
    return *seite;
}

QStringList Projektfixture::reihenfolge()
{
    QStringList nummern;
    const auto rs = seite->projektDB.GetADODB_Recordset();
    const int f = rs->FeldIndex(QStringLiteral("Projekt Nr"));
    for (int i = 0; i < rs->Anzahl(); ++i)
        nummern << rs->ZeilenWert(i, f).toString();
    return nummern;
}

QString Projektfixture::aktuell()
{
    if (seite->projektDB.EofTab())
        return QStringLiteral("EOF");
    return seite->projektDB.GetFeld(QStringLiteral("Projekt Nr")).toString();
}
