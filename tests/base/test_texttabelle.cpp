#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "base/AllgFunktionen.h"
#include "base/Texttabelle.h"

namespace {

QByteArray leseDatei(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray tabellenDatei()
{
    return leseDatei(QStringLiteral(KELVOR_SOURCE_DIR "/resources/texte.tsv"));
}

// Text ids the program code uses. The pattern code follows, so that this scan sees every id:
//  - the id is an integer literal added inside the LadeText call:
//        LadeText(zustand().Sprachoffset + 2250)      LadeText(o + 564 + i)      LadeText(1400)
//        LadeText(o + (berechnet ? 351 : 350))
//    every literal that follows "(", "+", "?" or ":" in the argument counts ("- 1" and "* 2" do not);
//  - or a named constant whose name begins with "TextNr":
//        constexpr int TextNrHotline = 3020;
// Ids computed otherwise (tables of ids, arithmetic beyond "+") need their own check.
QSet<int> idsImCode()
{
    static const QRegularExpression literal(QStringLiteral(R"((?:^|[(+?:])\s*(\d+)\b(?!\s*[*/]))"));
    static const QRegularExpression konstante(
        QStringLiteral(R"(\b(?:constexpr|const)\s+(?:int|long|qint32)\s+TextNr\w*\s*=\s*(\d+)\s*;)"));
    QSet<int> ids;
    QDirIterator it(QStringLiteral(KELVOR_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString code = QString::fromUtf8(leseDatei(it.next()));
        for (qsizetype pos = code.indexOf(QLatin1String("LadeText(")); pos >= 0;
             pos = code.indexOf(QLatin1String("LadeText("), pos + 1)) {
            // Argument up to the matching parenthesis.
            const qsizetype anfang = pos + 8;
            qsizetype ende = anfang, tiefe = 0;
            for (; ende < code.size(); ++ende) {
                if (code[ende] == u'(')
                    ++tiefe;
                else if (code[ende] == u')' && --tiefe == 0)
                    break;
            }
            const QString argument = code.mid(anfang, ende - anfang + 1);
            for (auto m = literal.globalMatch(argument); m.hasNext();)
                ids.insert(m.next().captured(1).toInt());
        }
        for (auto m = konstante.globalMatch(code); m.hasNext();)
            ids.insert(m.next().captured(1).toInt());
    }
    return ids;
}

} // namespace

TEST(Texttabelle, FileParsesWithUniqueGermanIds)
{
    const QByteArray inhalt = tabellenDatei();
    ASSERT_FALSE(inhalt.isEmpty());
    QHash<int, QString> texte;
    QString fehler;
    ASSERT_TRUE(Texttabelle::lese(inhalt, texte, &fehler)) << fehler.toStdString();

    // Every non-comment line became one entry (a doubled id would have stopped the parse).
    int zeilen = 0;
    for (const QByteArray& z : inhalt.split('\n'))
        if (!z.isEmpty() && !z.startsWith('#'))
            ++zeilen;
    EXPECT_EQ(texte.size(), zeilen);
    EXPECT_GT(texte.size(), 900);

    for (auto it = texte.cbegin(); it != texte.cend(); ++it) {
        EXPECT_GE(it.key(), 0);
        EXPECT_LT(it.key(), 5000) << "only German base ids belong in the table";
        EXPECT_FALSE(it.value().isEmpty()) << it.key();
        EXPECT_FALSE(it.value().contains(u'\t')) << it.key();
    }
    // The compiled-in resource is the same file.
    EXPECT_EQ(Texttabelle::instanz().alle().size(), texte.size());
}

TEST(Texttabelle, WellKnownTextsStandAsTheProgramShowsThem)
{
    struct Fall { int id; const char* text; };
    const Fall faelle[] = {
        {1, "Der Text Nummer %s existiert nicht!"},
        {1400, "Dateiauswahl"},
        {1401, "Alle Dateien"},
        {1600, "Information"},
        {1604, "Datenbankfehler"},
        {1607, "Achtung!"},
        {2183, "Sollen die aktuellen Daten in der Datenbank gespeichert werden ?"},
        {2206, "Anlage wurde noch nicht berechnet bzw. ausgelegt !"},
        {2250, "Bitte geben Sie eine gültige Zahl ein."},
        {2255, "Eingabe nur im Bereich [%s .. %s] erlaubt !"},
        // Backslash-n stays as two characters; trailing blanks are part of the text.
        {2400, "%s \\n\\nQuelle:  %s\\nFehler:  %s  -  "},
        // A stored CR LF ("\r\n" in the file) becomes a real line break.
        {2303, "Die Artikeldatenbank konnte nicht aktualisiert werden !\r\n"
               "Es wurde keine gültige Artikeldatenbank ausgewählt."},
        {2305, "ACHTUNG !\r\nKeine zu sichernde Projekte ausgewählt.\r\n\\n"
               "Markieren Sie die zu sichernden Projekte mit Maus oder Leertaste."},
        {2418, "Fehler 22, beim Hinzufügen/Erweitern der Tabelle \"\"%s\"\" zur Datenbank !\\n%s"},
        {1611, "Projektnummer:      %15s           %10v              Seite: %3v"},
        {1641, "    %5v                  %10v                  %10v     "},
        {1650, "               Behälter wurde noch nicht berechnet !"},
    };
    for (const Fall& f : faelle) {
        const QString* t = Texttabelle::instanz().suche(f.id);
        ASSERT_NE(t, nullptr) << f.id;
        EXPECT_EQ(*t, QString::fromUtf8(f.text)) << f.id;
    }
    EXPECT_EQ(LadeText(1604), QStringLiteral("Datenbankfehler"));
    EXPECT_EQ(LadeText(5000 + 1400), QStringLiteral("Dateiauswahl"));
}

TEST(Texttabelle, EveryIdTheCodeUsesExists)
{
    const QSet<int> ids = idsImCode();
    // The message titles are looked up by the shell itself, so the scan cannot come back empty.
    ASSERT_TRUE(ids.contains(1600));
    ASSERT_TRUE(ids.contains(1606));
    for (int id : ids)
        EXPECT_NE(Texttabelle::instanz().suche(id), nullptr) << "text " << id << " is missing in texte.tsv";
}

TEST(Texttabelle, RejectsBrokenLines)
{
    struct Fall { const char* inhalt; const char* fehler; };
    const Fall faelle[] = {
        {"1\ta\n1\tb\n", "Zeile 2: Textnummer 1 doppelt"},
        {"1\ta\nzwei\tb\n", "Zeile 2: keine Textnummer"},
        {"ohne Tabulator\n", "Zeile 1: keine Textnummer"},
    };
    for (const Fall& f : faelle) {
        QHash<int, QString> texte;
        QString fehler;
        EXPECT_FALSE(Texttabelle::lese(f.inhalt, texte, &fehler)) << f.inhalt;
        EXPECT_EQ(fehler, QString::fromUtf8(f.fehler));
    }
}
