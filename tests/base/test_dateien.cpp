#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/AllgFunktionen.h"
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
#include "support/ImKind.h"

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
    MeldungsRecorder recorder;
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
    static const QRegularExpression muster(QStringLiteral("^\\$\\$[0-9A-F]{8}\\.tmp$"));
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

// Every step that fails, with each error: the target keeps its old bytes, no temporary file is
// left, and the reason names the step. When only the folder sync failed, the target holds the
// complete new bytes: the write succeeds and the user is told once that it is not confirmed.
TEST_F(DateischreiberTest, JederFehlgeschlageneSchrittLaesstDasZielGanz)
{
    for (const Schreibfehler::Schritt schritt : AlleSchritte) {
        for (const int nummer : {EIO, ENOSPC}) {
            SCOPED_TRACE(std::string(Schreibfehler::Name(schritt)) + " " + std::to_string(nummer));
            recorder.leeren();
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
            const QString grund = QString::fromLocal8Bit(std::strerror(nummer));
            EXPECT_EQ(dateien(), QStringList{"ziel.d81"});
            if (schritt == Schreibfehler::Schritt::Ordnersync) {
                EXPECT_TRUE(ok);
                EXPECT_EQ(fehler, QString());
                EXPECT_EQ(lies(pfad("ziel.d81")), neu.repeated(4));
                ASSERT_EQ(recorder.boxen.size(), 1);
                EXPECT_EQ(recorder.boxen[0].textIds, QList<int>{2962});
                EXPECT_EQ(recorder.boxen[0].werte, (QStringList{pfad("ziel.d81"), grund}));
                continue;
            }
            EXPECT_FALSE(ok);
            EXPECT_TRUE(fehler.startsWith(QLatin1String(Schreibfehler::Name(schritt)))) << fehler.toStdString();
            EXPECT_TRUE(fehler.contains(grund));
            EXPECT_EQ(lies(pfad("ziel.d81")), "alt");
            EXPECT_TRUE(recorder.boxen.isEmpty());
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
        QString grund;
        const long r = FileOP().Save(pfad("quelle.sic"), pfad("ziel.sic"), false, &grund);
        EXPECT_EQ(dateien(), (QStringList{"quelle.sic", "ziel.sic"}));
        if (schritt == Schreibfehler::Schritt::Ordnersync) {
            EXPECT_EQ(r, 0);  // written, not confirmed
            EXPECT_EQ(lies(pfad("ziel.sic")), neu);
            continue;
        }
        EXPECT_NE(r, 0);
        EXPECT_TRUE(grund.startsWith(QLatin1String(Schreibfehler::Name(schritt)))) << grund.toStdString();
        EXPECT_EQ(lies(pfad("ziel.sic")), "alt");
    }
}

// A copy's source is a regular file: a pipe never holds the copy up and a device is never read
// without end; the target stays as it was and the reason says what the source is.
TEST_F(DateischreiberTest, DieKopieLiestNurGewoehnlicheDateien)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad("rohr.sic")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), pfad("null.sic")));
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("ordner.sic")));
    schreibe(pfad("ziel.sic"), "alt");
    const QStringList vorher = dateien();
    for (const char* quelle : {"rohr.sic", "null.sic", "ordner.sic"}) {
        SCOPED_TRACE(quelle);
        const std::optional<QByteArray> antwort = ImKind([&] {
            QString grund;
            const long r = FileOP().Save(pfad(quelle), pfad("ziel.sic"), false, &grund);
            return QByteArray::number(qlonglong(r)) + ' ' + grund.toUtf8();
        });
        ASSERT_TRUE(antwort) << "the copy did not end";
        EXPECT_FALSE(antwort->startsWith("0 ")) << antwort->constData();
        EXPECT_TRUE(antwort->contains("keine gewöhnliche Datei")) << antwort->constData();
        EXPECT_EQ(lies(pfad("ziel.sic")), "alt");
        EXPECT_EQ(dateien(), vorher);  // no temporary file left
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

namespace {

QByteArray linkZiel(const QString& pfad)
{
    char ziel[4096];
    const ssize_t n = ::readlink(QFile::encodeName(pfad).constData(), ziel, sizeof ziel);
    return n < 0 ? QByteArray("<kein Link>") : QByteArray(ziel, n);
}

void verlinke(const QByteArray& ziel, const QString& link)
{
    ASSERT_EQ(::symlink(ziel.constData(), QFile::encodeName(link).constData()), 0) << link.toStdString();
}

mode_t modus(const QString& pfad)
{
    struct stat st {};
    return ::stat(QFile::encodeName(pfad).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Hands a file, folder or link over to the user "nobody"; false when that is not possible here.
bool gehörtNobody(const QString& pfad)
{
    uid_t uid = 0;
    gid_t gid = 0;
    return ::geteuid() == 0 && AlsAndererNutzer::Ids(uid, gid)
           && ::lchown(QFile::encodeName(pfad).constData(), uid, gid) == 0;
}

// Temporary files of the writer left anywhere below a folder.
QStringList tempReste(const QString& ordner)
{
    QStringList reste;
    const QRegularExpression muster(Dateischreiber::Tempmuster());
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (muster.match(QFileInfo(it.next()).fileName()).hasMatch())
            reste << it.filePath();
    return reste;
}

}  // namespace

// What the target stands for on the system: a link is written through to the file it names and
// stays a link, a file this user may not write is refused untouched, the old mode is kept. Each
// case: the result, the reason, the real file, the link, the mode and the message.
TEST_F(DateischreiberTest, DasZielBleibtWasEsWar)
{
    struct Fall {
        const char* name;
        // Builds the case in its folder a (with a second folder b); false: not possible here.
        std::function<bool(const QString& a, const QString& b)> aufbau;
        QString ziel;            // the name written, in a
        QString echt;            // the file that must hold the result, in a or b ("b/...")
        QByteArray linkNachher;  // what the link ziel names afterwards; empty: no link
        int grund = 0;           // text id of the reason; 0: written
        mode_t modusNachher = 0; // 0: not checked
        bool ordnersyncScheitert = false;
        bool alsAndererNutzer = false;
    };
    const auto datei = [](const QString& pfad, mode_t m) {
        schreibe(pfad, "alt");
        return ::chmod(QFile::encodeName(pfad).constData(), m) == 0;
    };
    KleinesDateisystem anderePlatte;  // small: the data fit
    const QByteArray neu(8 * 1024, 'n');
    const Fall fälle[] = {
        {"Link im selben Ordner",
         [&](const QString& a, const QString&) { verlinke("echt.d81", a + "/link.d81"); return datei(a + "/echt.d81", 0640); },
         "link.d81", "echt.d81", "echt.d81", 0, 0640},
        {"Link in einen Unterordner, über einen zweiten Link",
         [&](const QString& a, const QString&) {
             QDir(a).mkdir("unter");
             verlinke("unter/echt.d81", a + "/mitte.d81");
             verlinke("mitte.d81", a + "/link.d81");
             return datei(a + "/unter/echt.d81", 0644);
         },
         "link.d81", "unter/echt.d81", "mitte.d81", 0, 0644},
        {"Link in einen anderen Ordner",
         [&](const QString& a, const QString& b) { verlinke(QFile::encodeName(b + "/echt.d81"), a + "/link.d81"); return datei(b + "/echt.d81", 0644); },
         "link.d81", "b/echt.d81", "b/echt.d81", 0, 0644},
        {"Link auf ein anderes Dateisystem",
         [&](const QString& a, const QString&) {
             if (!anderePlatte.bereit())
                 return false;
             verlinke(QFile::encodeName(anderePlatte.pfad("echt.d81")), a + "/link.d81");
             return datei(anderePlatte.pfad("echt.d81"), 0600);
         },
         "link.d81", anderePlatte.pfad("echt.d81"), anderePlatte.pfad("echt.d81").toUtf8(), 0, 0600},
        {"Link ins Leere legt die genannte Datei an",
         [&](const QString& a, const QString&) { verlinke("neu.d81", a + "/link.d81"); return true; },
         "link.d81", "neu.d81", "neu.d81"},
        {"Link auf eine schreibgeschützte Datei",
         [&](const QString& a, const QString& b) { verlinke(QFile::encodeName(b + "/echt.d81"), a + "/link.d81"); return datei(b + "/echt.d81", 0444); },
         "link.d81", "b/echt.d81", "b/echt.d81", 2963, 0444},
        {"schreibgeschützte Datei", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0444); },
         "ziel.d81", "ziel.d81", {}, 2963, 0444},
        {"Datei ohne jedes Schreibrecht", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0555); },
         "ziel.d81", "ziel.d81", {}, 2963, 0555},
        {"ein Ordner am Ziel", [&](const QString& a, const QString&) { return QDir(a).mkdir("ziel.d81"); },
         "ziel.d81", "ziel.d81", {}, 2965},
        {"Modus 0600", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0600); }, "ziel.d81", "ziel.d81", {}, 0, 0600},
        {"Modus 0640", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0640); }, "ziel.d81", "ziel.d81", {}, 0, 0640},
        {"Modus 0644", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0644); }, "ziel.d81", "ziel.d81", {}, 0, 0644},
        {"Modus 0666", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0666); }, "ziel.d81", "ziel.d81", {}, 0, 0666},
        {"Modus 0755", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0755); }, "ziel.d81", "ziel.d81", {}, 0, 0755},
        {"Ordner nicht synchronisiert: geschrieben, durch den Link",
         [&](const QString& a, const QString&) { verlinke("echt.d81", a + "/link.d81"); return datei(a + "/echt.d81", 0644); },
         "link.d81", "echt.d81", "echt.d81", 0, 0644, true},
        {"Datei eines anderen Nutzers (0644): ein Nutzer ohne Recht darf sie nicht ersetzen",
         [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0644); },
         "ziel.d81", "ziel.d81", {}, 2963, 0644, false, true},
        {"Datei eines anderen Nutzers (0666): jeder darf sie schreiben",
         [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 0666); },
         "ziel.d81", "ziel.d81", {}, 0, 0666, false, true},
        {"Umlaut im Namen", [&](const QString& a, const QString&) { return datei(a + QStringLiteral("/Größe.d81"), 0644); },
         QStringLiteral("Größe.d81"), QStringLiteral("Größe.d81"), {}, 0, 0644},
        // Only the permission bits pass to the new content.
        {"Modus 04755", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 04755); }, "ziel.d81", "ziel.d81", {}, 0, 0755},
        {"Modus 02775", [&](const QString& a, const QString&) { return datei(a + "/ziel.d81", 02775); }, "ziel.d81", "ziel.d81", {}, 0, 0775},
        // Links in a sticky folder everyone may write, as the system's protected-symlinks rule has
        // it: followed when they belong to the user or to the folder's owner.
        {"Link eines anderen Nutzers im Ordner mit Sticky-Bit",
         [&](const QString& a, const QString& b) {
             verlinke(QFile::encodeName(b + "/echt.d81"), a + "/link.d81");
             return ::chmod(QFile::encodeName(a).constData(), 01777) == 0 && gehörtNobody(a + "/link.d81")
                    && datei(b + "/echt.d81", 0644);
         },
         "link.d81", "b/echt.d81", "b/echt.d81", 2990, 0644},
        {"eigener Link im Ordner mit Sticky-Bit",
         [&](const QString& a, const QString& b) {
             verlinke(QFile::encodeName(b + "/echt.d81"), a + "/link.d81");
             return ::chmod(QFile::encodeName(a).constData(), 01777) == 0 && datei(b + "/echt.d81", 0644);
         },
         "link.d81", "b/echt.d81", "b/echt.d81", 0, 0644},
        {"Link des Ordnerbesitzers im Ordner mit Sticky-Bit",
         [&](const QString& a, const QString& b) {
             verlinke(QFile::encodeName(b + "/echt.d81"), a + "/link.d81");
             return gehörtNobody(a) && ::chmod(QFile::encodeName(a).constData(), 01777) == 0
                    && gehörtNobody(a + "/link.d81") && datei(b + "/echt.d81", 0644);
         },
         "link.d81", "b/echt.d81", "b/echt.d81", 0, 0644},
        {"Link eines anderen Nutzers im Ordner ohne Sticky-Bit",
         [&](const QString& a, const QString& b) {
             verlinke(QFile::encodeName(b + "/echt.d81"), a + "/link.d81");
             return gehörtNobody(a + "/link.d81") && datei(b + "/echt.d81", 0644);
         },
         "link.d81", "b/echt.d81", "b/echt.d81", 0, 0644},
        // A folder the user may not write (a host program's shared folder): a file the user may
        // write is written in place.
        {"Ordner ohne Schreibrecht, Datei beschreibbar",
         [&](const QString& a, const QString&) {
             return datei(a + "/ziel.xml", 0666) && ::chmod(QFile::encodeName(a).constData(), 0755) == 0;
         },
         "ziel.xml", "ziel.xml", {}, 0, 0666, false, true},
        {"Ordner ohne Schreibrecht, Datei beschreibbar, über einen Link",
         [&](const QString& a, const QString&) {
             verlinke("echt.xml", a + "/link.xml");
             return datei(a + "/echt.xml", 0666) && ::chmod(QFile::encodeName(a).constData(), 0755) == 0;
         },
         "link.xml", "echt.xml", "echt.xml", 0, 0666, false, true},
        {"Ordner ohne Schreibrecht, Datei schreibgeschützt",
         [&](const QString& a, const QString&) {
             return datei(a + "/ziel.xml", 0644) && ::chmod(QFile::encodeName(a).constData(), 0755) == 0;
         },
         "ziel.xml", "ziel.xml", {}, 2963, 0644, false, true},
    };
    // The folders must be open to the other user.
    ASSERT_EQ(::chmod(QFile::encodeName(ordner.path()).constData(), 0755), 0);
    int nr = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        recorder.leeren();
        const QString a = pfad(QString::number(++nr)), b = pfad(QString::number(nr) + "b");
        ASSERT_TRUE(QDir().mkpath(a) && QDir().mkpath(b));
        ::chmod(QFile::encodeName(a).constData(), 0777);
        if (!f.aufbau(a, b))
            continue;
        const QString echt = QFileInfo(f.echt).isAbsolute() ? f.echt
                             : f.echt.startsWith("b/") ? b + f.echt.mid(1) : a + "/" + f.echt;
        const QByteArray linkVorher = f.linkNachher.startsWith("b/") ? QFile::encodeName(b + f.linkNachher.mid(1))
                                                                       : f.linkNachher;
        const QByteArray vorher = QFileInfo(echt).isFile() ? lies(echt) : QByteArray("<fehlt>");
        bool ok = false;
        QString fehler;
        {
            std::unique_ptr<AlsAndererNutzer> nutzer;
            if (f.alsAndererNutzer) {
                nutzer = std::make_unique<AlsAndererNutzer>();
                if (!nutzer->bereit())
                    continue;  // only root can be another user
            }
            std::unique_ptr<Schreibfehler> sync;
            if (f.ordnersyncScheitert)
                sync = std::make_unique<Schreibfehler>(Schreibfehler::Schritt::Ordnersync, EIO);
            ok = SchreibeDatei(a + "/" + f.ziel, neu, &fehler);
        }
        EXPECT_EQ(ok, f.grund == 0) << fehler.toStdString();
        EXPECT_EQ(fehler, f.grund ? LadeText(f.grund) : QString());
        if (!linkVorher.isEmpty()) {
            EXPECT_EQ(linkZiel(a + "/" + f.ziel), linkVorher);
        }
        if (f.grund == 2965) {
            EXPECT_TRUE(QFileInfo(echt).isDir());
        } else {
            EXPECT_EQ(lies(echt), f.grund ? vorher : neu);
        }
        if (f.modusNachher) {
            EXPECT_EQ(modus(echt), f.modusNachher);
        }
        EXPECT_EQ(tempReste(a) + tempReste(b) + tempReste(QFileInfo(echt).absolutePath()), QStringList());
        if (f.ordnersyncScheitert) {
            ASSERT_EQ(recorder.boxen.size(), 1);
            EXPECT_EQ(recorder.boxen[0].textIds, QList<int>{2962});
            EXPECT_EQ(recorder.boxen[0].werte.value(0), a + "/" + f.ziel);  // the name the user chose
        } else {
            EXPECT_TRUE(recorder.boxen.isEmpty()) << recorder.texte().join("|").toStdString();
        }
    }
}

// A name whose bytes are no UTF-8 (a Latin-1 "ä") reads with the replacement character; written
// as it reads, it would make another file beside the old one.
TEST_F(DateischreiberTest, EinNameAusFremdenBytesWirdAbgewiesen)
{
    const QByteArray roh = QFile::encodeName(ordner.path()) + "/t\xE4.txt";
    const int fd = ::open(roh.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "alt", 3), 3);
    ::close(fd);
    const QString name = QFile::decodeName(roh);
    ASSERT_TRUE(name.contains(QChar::ReplacementCharacter));
    QString fehler;
    EXPECT_FALSE(SchreibeDatei(name, neu, &fehler));
    EXPECT_EQ(fehler, LadeText(2964));
    struct stat st {};
    ASSERT_EQ(::stat(roh.constData(), &st), 0);
    EXPECT_EQ(st.st_size, 3);
    EXPECT_TRUE(dateien().isEmpty()) << dateien().join(' ').toStdString();  // no file under the decoded name
    ::unlink(roh.constData());  // the folder's clean-up cannot name it
}

// Written in place (the folder refuses a new file): the same file takes the new content, and on
// any failure its old content goes back; when even that fails, the reason says so.
TEST_F(DateischreiberTest, AmPlatzGeschriebenKommtBeiJedemFehlerDerAlteInhaltZurueck)
{
    struct Fall {
        const char* name;
        std::function<std::unique_ptr<Schreibfehler>()> fehler;  // none: the write succeeds
        const char* schritt;
        bool zurückGescheitert = false;
    };
    const QByteArray alt = QByteArray(3000, 'a');
    const Fall fälle[] = {
        {"geschrieben", [] { return nullptr; }, ""},
        {"write", [] { return std::make_unique<Schreibfehler>(Schreibfehler::Schritt::Schreiben, EIO); }, "write"},
        {"fdatasync", [] { return std::make_unique<Schreibfehler>(Schreibfehler::Schritt::Datensync, EIO); }, "fdatasync"},
        // A first piece reaches the file, then every write fails: the old content cannot go back.
        {"write nach einem Stück, Zurückschreiben scheitert",
         [] {
             auto f = std::make_unique<Schreibfehler>(Schreibfehler::Schritt::Schreiben, EIO, 1);
             const auto schreiben = dateiaufrufe().schreiben;
             dateiaufrufe().schreiben = [schreiben](int fd, const void* d, size_t n) { return schreiben(fd, d, n > 7 ? 7 : n); };
             return f;
         },
         "write", true},
    };
    const QString geteilt = pfad("geteilt");
    ASSERT_TRUE(QDir().mkpath(geteilt));
    ASSERT_EQ(::chmod(QFile::encodeName(ordner.path()).constData(), 0755), 0);
    const QString ziel = geteilt + "/host.xml";
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        ::chmod(QFile::encodeName(geteilt).constData(), 0755);
        schreibe(ziel, alt);
        ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), 0666), 0);
        struct stat vorher {};
        ASSERT_EQ(::stat(QFile::encodeName(ziel).constData(), &vorher), 0);
        bool ok = false;
        QString fehler;
        {
            AlsAndererNutzer nutzer;
            if (!nutzer.bereit())
                GTEST_SKIP() << "only root can be another user";
            const std::unique_ptr<Schreibfehler> fehlerprobe = f.fehler();
            ok = SchreibeDatei(ziel, neu, &fehler);
        }
        struct stat nachher {};
        ASSERT_EQ(::stat(QFile::encodeName(ziel).constData(), &nachher), 0);
        EXPECT_EQ(nachher.st_ino, vorher.st_ino);
        EXPECT_EQ(nachher.st_mode & 07777, 0666u);
        EXPECT_EQ(QDir(geteilt).entryList(QDir::Files | QDir::Hidden), QStringList{"host.xml"});
        EXPECT_TRUE(recorder.boxen.isEmpty());
        if (*f.schritt == 0) {
            EXPECT_TRUE(ok) << fehler.toStdString();
            EXPECT_EQ(lies(ziel), neu);
            continue;
        }
        EXPECT_FALSE(ok);
        EXPECT_TRUE(fehler.startsWith(QLatin1String(f.schritt))) << fehler.toStdString();
        EXPECT_EQ(fehler.contains(LadeText(2991)), f.zurückGescheitert) << fehler.toStdString();
        if (!f.zurückGescheitert) {
            EXPECT_EQ(lies(ziel), alt);
        }
    }
}

// On a disk that is really full, a file written in place keeps its old content.
TEST(DateischreiberVoll, AmPlatzAufEinerVollenPlatteBleibtDerAlteInhalt)
{
    KleinesDateisystem platte;
    if (!platte.bereit())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString geteilt = platte.pfad("geteilt");
    ASSERT_TRUE(QDir().mkpath(geteilt));
    ASSERT_EQ(::chmod(QFile::encodeName(geteilt).constData(), 0755), 0);
    const QString ziel = geteilt + "/host.xml";
    const QByteArray alt(4096, 'a');
    schreibe(ziel, alt);
    ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), 0666), 0);
    platte.füllen();
    QString fehler;
    {
        AlsAndererNutzer nutzer;
        if (!nutzer.bereit())
            GTEST_SKIP() << "only root can be another user";
        EXPECT_FALSE(SchreibeDatei(ziel, QByteArray(32 * 1024, 'n'), &fehler));
    }
    EXPECT_TRUE(fehler.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << fehler.toStdString();
    EXPECT_EQ(lies(ziel), alt);
}
