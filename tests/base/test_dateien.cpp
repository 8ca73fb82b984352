#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/DateiDialogSeam.h"
#include "base/Dateischreiber.h"
#include "support/FalscherDialog.h"
#include "base/FileOP.h"
#include "base/HilfsFktCommDlg.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Texttabelle.h"
#include "support/MeldungsRecorder.h"
#include "support/Schreibfehler.h"

namespace {
QByteArray lies(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// A temporary folder as the program's temp folder.
class MitTempOrdner : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        ASSERT_TRUE(ordner.isValid());
        zustand().TempOrdner = ordner.path();
    }
    QStringList dateien() const { return QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden); }
    QString pfad(const QString& name) const { return ordner.filePath(name); }

    QTemporaryDir ordner;
    MeldungsRecorder recorder;
};

class DateischreiberTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    QStringList dateien() const { return QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir ordner;
    const QByteArray neu = QByteArray(200 * 1024, 'n');
};
}  // namespace

TEST(ZerlegePfad, DriveDirectoryFile)
{
    struct Fall { QString pfad, akt, laufwerk, verzeichnis, datei; };
    const Fall faelle[] = {
        {"C:\\", "C:\\Daten", "C:", "\\", ""},
        {"C:\\Daten\\x.sic", "D:\\", "C:", "\\Daten", "x.sic"},
        {"C:\\Daten\\", "D:\\", "C:", "\\Daten", ""},
        {"x.sic", "C:\\Daten", "C:", "\\Daten", "x.sic"},
        {"x.sic", "C:\\", "C:", "\\", "x.sic"},
        {"\\Daten\\x.sic", "D:\\Arbeit", "D:", "\\Daten", "x.sic"},
        {"/home/kelvor/x.sic", "/tmp", "", "/home/kelvor", "x.sic"},
        {"/x.sic", "/tmp", "", "/", "x.sic"},
        {"x.sic", "/home/u", "", "/home/u", "x.sic"},
        {"x.sic", "/", "", "/", "x.sic"},
        {"/home/a:b/x", "/tmp", "", "/home/a:b", "x"},
        {"C:/Daten/x.sic", "/tmp", "C:", "/Daten", "x.sic"},
    };
    for (const Fall& f : faelle) {
        QString lw = "?", verz = "?", datei = "?";
        ZerlegePfad(f.pfad, lw, verz, datei, f.akt);
        EXPECT_EQ(lw, f.laufwerk) << qPrintable(f.pfad) << " in " << qPrintable(f.akt);
        EXPECT_EQ(verz, f.verzeichnis) << qPrintable(f.pfad) << " in " << qPrintable(f.akt);
        EXPECT_EQ(datei, f.datei) << qPrintable(f.pfad) << " in " << qPrintable(f.akt);
    }
    QString lw, verz, datei;
    ZerlegePfad(QStringLiteral("C:\\Daten\\") + QString(200, QLatin1Char('n')), lw, verz, datei);
    EXPECT_EQ(datei, QString(128, QLatin1Char('n')));
    ZerlegePfad(QStringLiteral("ohne.sic"), lw, verz, datei);  // the current folder
    EXPECT_EQ(verz + QLatin1Char('/') + datei, QDir::currentPath() + QStringLiteral("/ohne.sic"));
}

namespace {

class DateiDialoge : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        m_alt = Texttabelle::instanz().ersetze({{1400, QStringLiteral("Dateiauswahl")},
                                                 {1401, QStringLiteral("Alle Dateien")}});
    }
    void TearDown() override { Texttabelle::instanz().ersetze(m_alt); }

    FalscherDialog dialog;
    MeldungsRecorder recorder;

private:
    QHash<int, QString> m_alt;
};
}  // namespace

TEST_F(DateiDialoge, RequestOfEachFilter)
{
    const QStringList sic{"*.sic", "*.sic", "Alle Dateien *.*", "*.*"};
    const QStringList alle{"Alle Dateien *.*", "*.*"};
    struct Fall {
        bool beliebig; QString start, filter, titel; bool speichern;
        QString erwTitel, erwOrdner, erwDatei, erwEndung; QStringList erwFilter;
    };
    const Fall faelle[] = {
        {false, "C:\\", "*.sic", "Projekte Sichern", true, "Projekte Sichern", "C:\\", "", "sic", sic},
        {false, "C:\\", "*.sic", "Projekte Einlesen", false, "Projekte Einlesen", "C:\\", "", "sic", sic},
        {false, "C:\\", "sic", "", false, "Dateiauswahl", "C:\\", "", "*", alle},
        {false, "C:\\", "*.*", "T", false, "T", "C:\\", "", "*", alle},
        {false, "/home/k/alt.d81", "*.d81", "GAEB", true, "GAEB", "/home/k", "alt.d81", "d81",
         {"*.d81", "*.d81", "Alle Dateien *.*", "*.*"}},
        {true, "C:\\", "Artikeld.mdb", "Neu", false, "Neu", "C:\\", "", "",
         {"Artikeld.mdb", "Artikeld.mdb", "Alle Dateien*.*", "*.*"}},
        {true, "C:\\", "*.mdb", "", false, "Dateiauswahl", "C:\\", "", "mdb",
         {"*.mdb", "*.mdb", "Alle Dateien*.*", "*.*"}},
        {true, "C:\\", "*.*", "x", true, "x", "C:\\", "", "*", alle},
    };
    for (const Fall& f : faelle) {
        dialog.anfragen.clear();
        dialog.antwort = QStringLiteral("/tmp/gewaehlt");
        const QString ergebnis = f.beliebig
            ? DateiDialogBeliebigerFilter(f.start, f.filter, f.titel, f.speichern)
            : DateiDialog(f.start, f.filter, f.titel, f.speichern);
        EXPECT_EQ(ergebnis, QStringLiteral("/tmp/gewaehlt"));
        ASSERT_EQ(dialog.anfragen.size(), 1);
        const DateiDialogAnfrage& a = dialog.anfragen[0];
        const std::string fall = (f.filter + QLatin1Char(' ') + f.start).toStdString();
        EXPECT_EQ(a.titel, f.erwTitel) << fall;
        EXPECT_EQ(a.startOrdner, f.erwOrdner) << fall;
        EXPECT_EQ(a.dateiname, f.erwDatei) << fall;
        EXPECT_EQ(a.standardEndung, f.erwEndung) << fall;
        EXPECT_EQ(a.filter, f.erwFilter) << fall;
        EXPECT_EQ(a.speichern, f.speichern) << fall;
    }
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(DateiDialoge, CancelAndErrorsGiveEmptyText)
{
    dialog.antwort.clear();
    EXPECT_EQ(DateiDialog(QStringLiteral("C:\\"), QStringLiteral("*.sic"), QStringLiteral("t"), true), QString());
    EXPECT_EQ(DateiDialogBeliebigerFilter(QStringLiteral("C:\\"), QStringLiteral("Artikeld.mdb"), QStringLiteral("t"), false),
              QString());
    dialog.antwort = QStringLiteral("/tmp/x");
    dialog.werfen = true;
    EXPECT_EQ(DateiDialog(QStringLiteral("C:\\"), QStringLiteral("*.sic"), QStringLiteral("t"), false), QString());
    setzeDateiDialog(nullptr);  // no dialog installed: cancelled
    EXPECT_EQ(DateiDialog(QStringLiteral("C:\\"), QStringLiteral("*.sic"), QStringLiteral("t"), false), QString());
}

TEST_F(MitTempOrdner, GetTempNameMakesNewEmptyFiles)
{
    FileOP op;
    const QString a = op.GetTempName();
    const QString b = op.GetTempName();
    static const QRegularExpression muster(QStringLiteral("^\\$\\$[0-9A-F]{4}\\.tmp$"));
    for (const QString& name : {a, b}) {
        ASSERT_FALSE(name.isEmpty());
        EXPECT_EQ(QFileInfo(name).absolutePath(), QFileInfo(ordner.path()).absoluteFilePath());
        EXPECT_TRUE(muster.match(QFileInfo(name).fileName()).hasMatch()) << qPrintable(name);
        EXPECT_TRUE(QFileInfo::exists(name));
        EXPECT_EQ(QFileInfo(name).size(), 0);
    }
    EXPECT_NE(a, b);

    zustand().TempOrdner = pfad(QStringLiteral("gibt-es-nicht"));
    EXPECT_EQ(op.GetTempName(), QString());
}

TEST_F(MitTempOrdner, GetTempDateiname)
{
    QString name;
    ASSERT_TRUE(GetTempDateiname(QString(), QStringLiteral("~rs"), 0, name));
    EXPECT_TRUE(QFileInfo(name).fileName().startsWith(QLatin1String("~rs")));
    EXPECT_TRUE(QFileInfo::exists(name));

    QTemporaryDir anderer;
    ASSERT_TRUE(GetTempDateiname(anderer.path(), QStringLiteral("abcdef"), 0, name));
    EXPECT_EQ(QFileInfo(name).dir(), QDir(anderer.path()));
    EXPECT_TRUE(QFileInfo(name).fileName().startsWith(QLatin1String("abc")));
    EXPECT_FALSE(QFileInfo(name).fileName().startsWith(QLatin1String("abcd")));

    // A given number makes the name only.
    ASSERT_TRUE(GetTempDateiname(QString(), QStringLiteral("$$"), 0x11A2B, name));
    EXPECT_EQ(name, pfad(QStringLiteral("$$1A2B.tmp")));
    EXPECT_FALSE(QFileInfo::exists(name));

    EXPECT_FALSE(GetTempDateiname(pfad(QStringLiteral("fehlt")), QStringLiteral("~rs"), 0, name));
}

TEST(ModResFiles, SchneideNullZeichen)
{
    struct Fall { QString text, erwartet; };
    const Fall faelle[] = {
        {"ohne", "ohne"},
        {QString(QChar(0)) + "weg", ""},
        {QStringLiteral("C:\\Temp\\~rs1.tmp") + QChar(0) + "   ", "C:\\Temp\\~rs1.tmp"},
        {"", ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(SchneideNullZeichen(f.text), f.erwartet);
}

TEST_F(MitTempOrdner, SaveCopiesAndReplaces)
{
    FileOP op;
    QByteArray gross(300 * 1024, 'x');
    for (qsizetype i = 0; i < gross.size(); i += 7)
        gross[i] = char(i % 251);
    schreibe(pfad("quelle.sic"), gross);
    EXPECT_EQ(op.Save(pfad("quelle.sic"), pfad("neu.sic"), false), 0);
    EXPECT_EQ(lies(pfad("neu.sic")), gross);

    schreibe(pfad("kurz.sic"), "kurz");
    EXPECT_EQ(op.Save(pfad("kurz.sic"), pfad("neu.sic"), true), 0);  // no tail of the longer file
    EXPECT_EQ(lies(pfad("neu.sic")), QByteArray("kurz"));
    EXPECT_EQ(lies(pfad("quelle.sic")), gross);
    EXPECT_EQ(dateien(), (QStringList{"kurz.sic", "neu.sic", "quelle.sic"}));
}

TEST_F(MitTempOrdner, SaveFailuresLeaveTheTargetAlone)
{
    FileOP op;
    schreibe(pfad("ziel.sic"), "alt");
    ASSERT_TRUE(QDir(ordner.path()).mkdir("ordner"));
    EXPECT_NE(op.Save(pfad("fehlt.sic"), pfad("ziel.sic"), false), 0);
    EXPECT_NE(op.Save(pfad("ordner"), pfad("ziel.sic"), false), 0);  // unreadable source
    EXPECT_NE(op.Save(pfad("ziel.sic"), pfad("fehlt/ziel.sic"), false), 0);
    EXPECT_NE(op.Save(pfad("ziel.sic"), pfad("ordner"), false), 0);  // target is a folder
    EXPECT_EQ(lies(pfad("ziel.sic")), QByteArray("alt"));
    EXPECT_EQ(dateien(), QStringList{"ziel.sic"});
}

TEST_F(MitTempOrdner, PicturesOfEveryTypeAndId)
{
    struct Typ { QString name; QList<int> ids; };
    QList<Typ> typen{{"DEUTSCHLAND", {50, 52, 53, 60}},
                     {"INTERNATIONAL", {1110, 1111, 1150, 1152, 1153}},
                     {"FORM", {1010, 1011, 1015, 2010, 3010, 3011, 3015, 3016, 4010}},
                     {"KARTEN", {101, 102, 2102, 4102}}};
    for (int id = 111; id <= 134; ++id)
        typen[0].ids << id;
    for (int block : {1000, 2000, 4000})
        for (int id = 201; id <= 219; ++id)
            typen[1].ids << block + id;
    int anzahl = 0;
    for (const Typ& t : typen)
        for (int id : t.ids) {
            EXPECT_FALSE(LadeBildAusRessource(id, t.name).isNull()) << qPrintable(t.name) << " " << id;
            ++anzahl;
        }
    EXPECT_EQ(anzahl, 28 + 62 + 9 + 4);

    struct Groesse { int id; QString typ; QSize groesse; };
    const Groesse groessen[] = {
        {50, "DEUTSCHLAND", {735, 465}},   {53, "DEUTSCHLAND", {356, 54}},
        {60, "DEUTSCHLAND", {131, 225}},   {111, "DEUTSCHLAND", {735, 505}},
        {134, "DEUTSCHLAND", {735, 505}},  {1152, "INTERNATIONAL", {169, 54}},
        {101, "KARTEN", {250, 330}},       {102, "KARTEN", {240, 327}},
    };
    for (const Groesse& g : groessen)
        EXPECT_EQ(LadeBildAusRessource(g.id, g.typ).size(), g.groesse) << g.id;
    EXPECT_TRUE(dateien().isEmpty());
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

TEST_F(MitTempOrdner, MissingPictureGivesNoneAndNoMessage)
{
    EXPECT_TRUE(LadeBildAusRessource(51, QStringLiteral("DEUTSCHLAND")).isNull());
    EXPECT_TRUE(LadeBildAusRessource(50, QStringLiteral("KARTEN")).isNull());
    EXPECT_TRUE(LadeBildAusRessource(50, QString()).isNull());
    EXPECT_TRUE(recorder.boxen.isEmpty());
    EXPECT_TRUE(dateien().isEmpty());
}

TEST_F(MitTempOrdner, PictureThroughAGivenFile)
{
    const QImage bild = LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"), pfad("bild.tmp"));
    EXPECT_EQ(bild.size(), QSize(169, 54));
    EXPECT_TRUE(dateien().isEmpty());  // deleted after loading
    EXPECT_TRUE(LadeBildAusRessource(1152, QStringLiteral("INTERNATIONAL"), pfad("fehlt/bild.tmp")).isNull());

    // The resource replaces a longer content of the file.
    schreibe(pfad("alt.tmp"), QByteArray(100000, 'z'));
    EXPECT_EQ(SchreibeRessourceInDatei(60, QStringLiteral("DEUTSCHLAND"), pfad("alt.tmp")), 0);
    EXPECT_EQ(lies(pfad("alt.tmp")), lies(QStringLiteral(":/bilder/DEUTSCHLAND/60.gif")));
    EXPECT_EQ(SchreibeRessourceInDatei(61, QStringLiteral("DEUTSCHLAND"), pfad("x.tmp")), 326);
    EXPECT_EQ(SchreibeRessourceInDatei(60, QStringLiteral("DEUTSCHLAND"), pfad("fehlt/x.tmp")), 75);
    EXPECT_EQ(dateien(), QStringList{"alt.tmp"});
}

TEST(ModResFiles, ColumnNames)
{
    SpalteLangtext = QStringLiteral("anders");
    SetzeSpaltennamen(0);
    const QStringList namen{SpalteBeschreibung, SpalteBezeichnung, SpalteUmschreibung, SpalteTyp,
                            SpalteBezeichnungWT, SpalteKurztext1, SpalteKurztext2, SpalteLangtext,
                            SpalteEinfügetext};
    EXPECT_EQ(namen, (QStringList{"Beschreibung", "Bezeichnung", "Umschreibung", "Typ", "Bezeichnung",
                                  "arKurztext1", "arKurztext2", "ltText", "etText"}));
}

TEST_F(DateischreiberTest, ErsetztDasZielGanz)
{
    schreibe(pfad("ziel.d81"), QByteArray(300 * 1024, 'a'));
    ASSERT_TRUE(QFile::setPermissions(pfad("ziel.d81"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QString fehler;
    EXPECT_TRUE(SchreibeDatei(pfad("ziel.d81"), neu, &fehler)) << fehler.toStdString();
    EXPECT_EQ(lies(pfad("ziel.d81")), neu);  // no tail of the longer old file
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(pfad("ziel.d81")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);  // the permissions of the file it replaced
    EXPECT_EQ(dateien(), QStringList{"ziel.d81"});

    // A new file, and writes the system takes in small pieces.
    Dateiaufrufe& a = dateiaufrufe();
    a.schreiben = [system = Dateiaufrufe{}](int fd, const void* d, size_t n) { return system.schreiben(fd, d, n > 7 ? 7 : n); };
    EXPECT_TRUE(SchreibeDatei(pfad("neu.xml"), neu));
    dateiaufrufe() = Dateiaufrufe{};
    EXPECT_EQ(lies(pfad("neu.xml")), neu);
}

// Every step that fails, with each error: the target keeps its old bytes (or, when only the
// folder sync failed, already holds the complete new ones), no temporary file is left, and the
// reason names the step.
TEST_F(DateischreiberTest, JederFehlgeschlageneSchrittLaesstDasZielGanz)
{
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        for (const int nummer : {EIO, ENOSPC}) {
            SCOPED_TRACE(std::string(Schreibfehler::Name(schritt)) + " " + std::to_string(nummer));
            schreibe(pfad("ziel.d81"), "alt");
            QString fehler;
            bool ok = false;
            {
                // A later write fails too, after some data reached the temporary file.
                Schreibfehler f(schritt, nummer, schritt == Schreibfehler::Schritt::Schreiben ? 2 : 0);
                Dateischreiber d(pfad("ziel.d81"));
                ok = d.öffnen();
                for (int i = 0; ok && i < 4; ++i)
                    ok = d.write(neu) == neu.size();
                ok = d.abschließen() && ok;
                fehler = d.fehler();
                EXPECT_EQ(f.fehlgeschlagen, 1);
            }
            EXPECT_FALSE(ok);
            EXPECT_TRUE(fehler.startsWith(QLatin1String(Schreibfehler::Name(schritt)))) << fehler.toStdString();
            EXPECT_TRUE(fehler.contains(QString::fromLocal8Bit(std::strerror(nummer))));
            EXPECT_EQ(lies(pfad("ziel.d81")), schritt == Schreibfehler::Schritt::Ordnersync ? neu.repeated(4) : "alt");
            EXPECT_EQ(dateien(), QStringList{"ziel.d81"});
        }
    }
}

TEST_F(DateischreiberTest, OhneAbschlussBleibtDasZielUndDieTempdateiGeht)
{
    schreibe(pfad("ziel.pdf"), "alt");
    QString temp;
    {
        Dateischreiber d(pfad("ziel.pdf"));
        ASSERT_TRUE(d.öffnen());
        d.write(neu);
        temp = d.tempname();
        // The name says whose and what it is, and the clean-up at start knows it.
        EXPECT_EQ(QFileInfo(temp).absolutePath(), QFileInfo(pfad("ziel.pdf")).absolutePath());
        EXPECT_TRUE(QFileInfo(temp).fileName().startsWith(QLatin1String("ziel.pdf.kelvor-")));
        EXPECT_TRUE(QRegularExpression(Dateischreiber::Tempmuster()).match(QFileInfo(temp).fileName()).hasMatch());
        EXPECT_TRUE(QFile::exists(temp));
    }
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_EQ(lies(pfad("ziel.pdf")), "alt");
}

// What a run killed while writing leaves beside the target goes when the target is next written.
TEST_F(DateischreiberTest, ResteEinesAbgebrochenenLaufsGehenBeimNaechstenSchreiben)
{
    for (const char* name : {"ziel.pdf.kelvor-Ab12Cd.tmp", "ziel.pdf.kelvor-Ab12C.tmp", "andere.pdf.kelvor-Ab12Cd.tmp"})
        schreibe(pfad(QString::fromLatin1(name)), "rest");
    EXPECT_TRUE(SchreibeDatei(pfad("ziel.pdf"), neu));
    EXPECT_EQ(dateien(), (QStringList{"andere.pdf.kelvor-Ab12Cd.tmp", "ziel.pdf", "ziel.pdf.kelvor-Ab12C.tmp"}));
}

// The program killed at each step: the target holds its old or its complete new bytes, and the
// next write of it leaves no temporary file behind.
TEST_F(DateischreiberTest, GetoetetBeiJedemSchrittIstDasZielAltOderNeu)
{
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        SCOPED_TRACE(Schreibfehler::Name(schritt));
        schreibe(pfad("ziel.xml"), "alt");
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            Dateiaufrufe& a = dateiaufrufe();
            const Dateiaufrufe system;
            const auto stirb = [] { ::kill(::getpid(), SIGKILL); };
            switch (schritt) {
            case Schreibfehler::Schritt::Öffnen:
                a.öffnen = [=](const char* p, int f, mode_t m) { const int fd = system.öffnen(p, f, m); stirb(); return fd; };
                break;
            case Schreibfehler::Schritt::Schreiben:
                a.schreiben = [=](int fd, const void* d, size_t n) { system.schreiben(fd, d, n / 2); stirb(); return ssize_t(-1); };
                break;
            case Schreibfehler::Schritt::Datensync:
                a.datensync = [=](int fd) { stirb(); return system.datensync(fd); };
                break;
            case Schreibfehler::Schritt::Umbenennen:
                a.umbenennen = [=](const char* v, const char* n) { const int r = system.umbenennen(v, n); stirb(); return r; };
                break;
            case Schreibfehler::Schritt::Ordnersync:
                a.ordnersync = [=](int fd) { stirb(); return system.ordnersync(fd); };
                break;
            }
            SchreibeDatei(pfad("ziel.xml"), neu);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFSIGNALED(status));
        const QByteArray jetzt = lies(pfad("ziel.xml"));
        EXPECT_TRUE(jetzt == "alt" || jetzt == neu) << jetzt.left(20).constData();
        EXPECT_TRUE(SchreibeDatei(pfad("ziel.xml"), "danach"));
        EXPECT_EQ(dateien(), QStringList{"ziel.xml"});
    }
}

TEST_F(DateischreiberTest, DieKopieMeldetJedenSchrittUndLaesstDasZiel)
{
    schreibe(pfad("quelle.sic"), neu);
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        SCOPED_TRACE(Schreibfehler::Name(schritt));
        schreibe(pfad("ziel.sic"), "alt");
        Schreibfehler f(schritt, EIO);
        EXPECT_NE(FileOP().Save(pfad("quelle.sic"), pfad("ziel.sic"), false), 0);
        EXPECT_EQ(lies(pfad("ziel.sic")), schritt == Schreibfehler::Schritt::Ordnersync ? neu : "alt");
        EXPECT_EQ(dateien(), (QStringList{"quelle.sic", "ziel.sic"}));
    }
}

TEST(DateischreiberVoll, AufEinerVollenPlatteBleibtDasAlteZiel)
{
    KleinesDateisystem platte;
    if (!platte.bereit())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    schreibe(platte.pfad("ziel.d81"), "alt");
    platte.füllen();
    QString fehler;
    EXPECT_FALSE(SchreibeDatei(platte.pfad("ziel.d81"), QByteArray(32 * 1024, 'n'), &fehler));
    EXPECT_TRUE(fehler.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << fehler.toStdString();
    EXPECT_EQ(lies(platte.pfad("ziel.d81")), "alt");
    EXPECT_EQ(QDir(platte.pfad(".")).entryList(QDir::Files | QDir::Hidden), (QStringList{"voll", "ziel.d81"}));
}
