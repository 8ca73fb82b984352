#include <gtest/gtest.h>

#include <QDialog>
#include <QRadioButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "base/DateiDialogSeam.h"
#include "base/DruckerSeam.h"
#include "base/Programmzustand.h"
#include "design/cooling/forms/Form200.h"
#include "design/heating_accessories/forms/Form105.h"
#include "design/heating/forms/Heizungsformen.h"
#include "design/selection/forms/Form102.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form601.h"
#include "design/storage_heater/forms/Form500.h"
#include "design/storage_heater/forms/Form501.h"
#include "design/storage_heater/forms/Form502.h"
#include "design/water_pressure/forms/Form300.h"
#include "design/water_pressure/forms/Form301.h"
#include "design/water_pressure/forms/Form400.h"
#include "output/reports/forms/DruckausgabeArt.h"
#include "output/reports/forms/Seitenvorschau.h"
#include "output/schematic/forms/DXFMaker.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/forms/MDIForm1.h"
#include "support/Hauptfensterweg.h"
#include "support/ModalSchliesser.h"
#include "support/QStringAusgabe.h"

// A project of every system type designed through the real pages on the demo article database,
// then every output command of the menu as a user runs it, each through its seam.
namespace {

class Ablage : public Zwischenablage {
public:
    Ablage() { setzeZwischenablage(this); }
    ~Ablage() override { setzeZwischenablage(nullptr); }
    void leeren() override { text.clear(); }
    void setzeText(const QString& t) override { text = t; }
    QString text;
};

class Speicherziel : public DateiDialogSeam {
public:
    Speicherziel() { setzeDateiDialog(this); }
    ~Speicherziel() override { setzeDateiDialog(nullptr); }
    QString zeige(const DateiDialogAnfrage& a) override
    {
        anfragen << a.titel;
        return ziel;
    }
    QString ziel;
    QStringList anfragen;
};

// Pages of a PDF file (0 when it is missing).
int PdfSeiten(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QString inhalt = QString::fromLatin1(f.readAll());
    return static_cast<int>(inhalt.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class Ausgabeweg : public Hauptfensterweg {
protected:
    // The program folder has its symbol library, as installed.
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(Hauptfensterweg::SetUp());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("DXF")));
        const QDir quelle(QStringLiteral(KELVOR_SOURCE_DIR "/resources/dxf"));
        for (const QString& n : quelle.entryList({QStringLiteral("*.dxf")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(quelle.filePath(n), dir.filePath(QStringLiteral("DXF/") + n)));
    }
    void TearDown() override
    {
        Heizungsformen::modalZeigen() = [](QDialog& d) { d.exec(); };
        Form600::SetzeDialogÖffner({});
        Hauptfensterweg::TearDown();
        Programmzustand& z = zustand();
        z.g_heizdat.reset();
        z.g_kühldat.reset();
        z.g_trinkdat.reset();
        z.g_druckdat.reset();
        z.g_speichdat.reset();
        z.g_solardat.reset();
    }
    // No message box came up since the last step.
    void KeineMeldung(const char* schritt)
    {
        EXPECT_TRUE(recorder.boxen.isEmpty()) << schritt << ": " << Meldungen().toStdString();
        recorder.leeren();
    }
    QString Meldungen() const
    {
        QStringList l;
        for (const MeldungsBox& b : recorder.boxen)
            l << b.text;
        return l.join(QStringLiteral(" | "));
    }
    // Weiter to the dirt-separator page and the central separator chosen there.
    void ZentralerAbscheider()
    {
        for (int i = 0; i < 5 && !dynamic_cast<Form105*>(Aktuell()); ++i)
            Weiter();
        auto* s = dynamic_cast<Form105*>(Aktuell());
        ASSERT_NE(s, nullptr);
        s->Option1[1]->click();
        Ereignisse();
        ASSERT_TRUE(s->Option1[1]->isChecked());
    }
    // Weiter until the project page (at most a few pages).
    void BisZurProjektseite()
    {
        for (int i = 0; i < 6 && zustand().Status != 3; ++i)
            Weiter();
        ASSERT_EQ(zustand().Status, 3);
        ASSERT_TRUE(fenster->MAusgabe->menuAction()->isEnabled());
    }

public:
    // The design of each type, from its first page.
    void Heizung()
    {
        ASSERT_NO_FATAL_FAILURE(HeizungBerechnen());
        Weiter();
        ASSERT_NO_FATAL_FAILURE(Gruppe(dynamic_cast<Form102*>(Aktuell()), QStringLiteral("2")));
        ASSERT_NO_FATAL_FAILURE(ZentralerAbscheider());
    }
    void Kälte()
    {
        auto* s = dynamic_cast<Form200*>(Aktuell());
        ASSERT_NE(s, nullptr);
        for (const auto& [box, text] : {std::pair{0, "6"}, {1, "12"}, {2, "20"}, {3, "30"}})
            Eingeben(s->Text1[static_cast<size_t>(box)], QString::fromUtf8(text));
        Eingeben(s->Analagevolumen, QStringLiteral("1000"));
        s->Command3->click();
        Ereignisse();
        Weiter();
        ASSERT_NO_FATAL_FAILURE(Gruppe(dynamic_cast<Form102*>(Aktuell()), QStringLiteral("2")));
        ASSERT_NO_FATAL_FAILURE(ZentralerAbscheider());
    }
    void Trinkwasser()
    {
        auto* s = dynamic_cast<Form300*>(Aktuell());
        ASSERT_NE(s, nullptr);
        s->Command3->click();
        Ereignisse();
        Weiter();
        ASSERT_NO_FATAL_FAILURE(Gruppe(dynamic_cast<Form301*>(Aktuell()), QStringLiteral("17")));
    }
    void Druckerhöhung()
    {
        auto* s = dynamic_cast<Form400*>(Aktuell());
        ASSERT_NE(s, nullptr);
        s->Command3->click();
        Ereignisse();
        Weiter();
        ASSERT_NO_FATAL_FAILURE(Gruppe(dynamic_cast<Form301*>(Aktuell()), QStringLiteral("15")));
    }
    void Speicher()
    {
        auto* s500 = dynamic_cast<Form500*>(Aktuell());
        ASSERT_NE(s500, nullptr);
        s500->WohnbautenButton->click();
        Ereignisse();
        auto* s501 = dynamic_cast<Form501*>(Aktuell());
        ASSERT_NE(s501, nullptr);
        s501->Command3->click();
        Ereignisse();
        Weiter();
        auto* s502 = dynamic_cast<Form502*>(Aktuell());
        ASSERT_NE(s502, nullptr);
        s502->Command1[0]->click();
        Ereignisse();
    }
    void Solar()
    {
        auto* s = dynamic_cast<Form600*>(Aktuell());
        ASSERT_NE(s, nullptr);
        Eingeben(s->Absorberfläche, QStringLiteral("10"));
        SolarinhaltFüllen();
        s->Command2->click();
        Ereignisse();
        s->Command3->click();
        Ereignisse();
        Weiter();
        ASSERT_NO_FATAL_FAILURE(Gruppe(dynamic_cast<Form601*>(Aktuell()), QStringLiteral("21")));
    }

protected:
    // Runs a menu command; modal dialogs that come up are answered by antwort and noted.
    QStringList Befehl(QAction* punkt, const std::function<void(QWidget*)>& antwort = {})
    {
        ModalSchliesser schliesser(antwort);
        punkt->trigger();
        Ereignisse();
        return schliesser.geöffnet;
    }
    static void Preise(QWidget* w)
    {
        if (auto* d = dynamic_cast<DruckausgabeArt*>(w))
            QTimer::singleShot(0, d, [d] { d->Preisanzeige[1]->click(); });
    }
};

// The order file of the last schematic command: the article line names an article in every
// entry, every symbol line names a symbol of the library, the dirt separator carries its
// label, and no symbol's fixed label speaks of another kind of plant.
QStringList SchemaFehler(const QString& ordner, const QString& art)
{
    QStringList fehler;
    QFile f(QDir(ordner).filePath(QStringLiteral("DxfOrder.tmp")));
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("no order file")};
    const QStringList zeilen = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QRegularExpression eintrag(QStringLiteral("^[1-9][0-9]* Stck \\S.*$"));
    bool artikelzeile = false;
    for (const QString& z : zeilen) {
        if (z.startsWith(QStringLiteral("5="))) {
            artikelzeile = true;
            const QString liste = z.mid(2);
            if (liste.isEmpty())
                fehler << QStringLiteral("empty article line");
            for (const QString& e : liste.split(QStringLiteral(", ")))
                if (!eintrag.match(e).hasMatch())
                    fehler << QStringLiteral("article entry '%1'").arg(e);
            continue;
        }
        const QStringList felder = z.split(u'\t');
        if (felder.size() < 3)
            continue;
        const QString symbol = felder[1];
        QFile datei(QDir(ordner).filePath(QStringLiteral("DXF/") + symbol));
        if (symbol.isEmpty() || !datei.open(QIODevice::ReadOnly)) {
            fehler << QStringLiteral("symbol '%1' of block %2").arg(symbol, felder[0]);
            continue;
        }
        if (symbol == u"As.dxf" && felder[2].trimmed().isEmpty())
            fehler << QStringLiteral("dirt separator without label");
        const QString inhalt = QString::fromLatin1(datei.readAll());
        const bool fremd = (art != u"So" && inhalt.contains(QStringLiteral("Solar"))) ||
                           (art != u"Tr" && inhalt.contains(QStringLiteral("TW-MAG")));
        if (fremd)
            fehler << QStringLiteral("symbol %1 labelled for another plant").arg(symbol);
    }
    if (!artikelzeile)
        fehler << QStringLiteral("no article line");
    return fehler;
}

struct Typ {
    const char* art;
    int knopf;  // choice button on the start page
    const char* nr;
    void (Ausgabeweg::*auslegen)();
    bool schema;  // has a schematic
};

}  // namespace

TEST_F(Ausgabeweg, JedeAnlagenartDurchAlleAusgaben)
{
    const Typ typen[] = {
        {"He", 0, "A1", &Ausgabeweg::Heizung, true},
        {"Kü", 1, "A2", &Ausgabeweg::Kälte, true},
        {"Tr", 3, "A3", &Ausgabeweg::Trinkwasser, true},
        {"Dr", 2, "A4", &Ausgabeweg::Druckerhöhung, true},
        {"Sp", 4, "A5", &Ausgabeweg::Speicher, false},
        {"So", 5, "A6", &Ausgabeweg::Solar, true},
    };
    Ablage ablage;
    Speicherziel ziel;
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    PdfDrucker druck(pdf);
    setzeDrucker(&druck);
    struct Zurück {
        ~Zurück() { setzeDrucker(nullptr); }
    } zurück;

    for (const Typ& t : typen) {
        const QString art = QString::fromUtf8(t.art);
        SCOPED_TRACE(t.art);
        ASSERT_TRUE(NeuesProjekt(t.knopf, QString::fromLatin1(t.nr)));
        ASSERT_EQ(zustand().Projektart, art);
        ASSERT_NO_FATAL_FAILURE((this->*t.auslegen)());
        ASSERT_NO_FATAL_FAILURE(BisZurProjektseite());
        ASSERT_TRUE(recorder.boxen.isEmpty()) << Meldungen().toStdString();

        // Results: the price question, then the preview with pages drawn.
        int bildhöhe = 0;
        EXPECT_EQ(Befehl(fenster->Mergebnissezeigen,
                         [&bildhöhe](QWidget* w) {
                             Preise(w);
                             if (auto* v = dynamic_cast<Seitenvorschau*>(w))
                                 bildhöhe = v->Picture2->height();
                         }),
                  (QStringList{QStringLiteral("DruckausgabeArt"), QStringLiteral("Seitenvorschau")}));
        EXPECT_GT(bildhöhe, 500);
        KeineMeldung("Ergebnisse zeigen");

        // Tender texts to the clipboard.
        ablage.text.clear();
        EXPECT_EQ(Befehl(fenster->MausschreibungstexteinZwischenablage, Preise),
                  QStringList{QStringLiteral("DruckausgabeArt")});
        EXPECT_FALSE(ablage.text.trimmed().isEmpty());
        EXPECT_TRUE(ablage.text.startsWith(QStringLiteral("Projektnummer:      ") + QString::fromLatin1(t.nr)))
            << ablage.text.left(200).toStdString();
        KeineMeldung("Ausschreibungstexte");

        // Long text into the PDF printer.
        QFile::remove(pdf);
        Befehl(fenster->Mlangtextdrucken, Preise);
        EXPECT_GT(PdfSeiten(pdf), 0);
        KeineMeldung("Langtext drucken");

        // GAEB 1990: a file of 80-character records.
        ziel.ziel = dir.filePath(QStringLiteral("aus-%1.d81").arg(QString::fromLatin1(t.nr)));
        EXPECT_TRUE(Befehl(fenster->MAusgabeGEAEB1990).isEmpty());
        QFile gaeb(ziel.ziel);
        ASSERT_TRUE(gaeb.open(QIODevice::ReadOnly)) << ziel.ziel.toStdString();
        const QList<QByteArray> sätze = gaeb.readAll().split('\n');
        ASSERT_GT(sätze.size(), 3);
        for (qsizetype i = 0; i + 1 < sätze.size(); ++i)
            EXPECT_EQ(QByteArray(sätze[i]).replace("\r", "").size(), 80) << i;
        KeineMeldung("GAEB");

        if (t.schema) {
            EXPECT_EQ(Befehl(fenster->Mschaltschemazeigen), QStringList{QStringLiteral("DXFMaker")});
            KeineMeldung("Schaltschema zeigen");
            EXPECT_EQ(SchemaFehler(dir.path(), art), QStringList());
            QFile::remove(pdf);
            EXPECT_EQ(Befehl(fenster->Mschaltschemadrucken), QStringList{QStringLiteral("DXFMaker")});
            EXPECT_GT(PdfSeiten(pdf), 0);
            KeineMeldung("Schaltschema drucken");
            ziel.ziel = dir.filePath(QStringLiteral("schema-%1.dxf").arg(QString::fromLatin1(t.nr)));
            EXPECT_EQ(Befehl(fenster->MinDXF), QStringList{QStringLiteral("DXFMaker")});
            QFile dxf(ziel.ziel);
            ASSERT_TRUE(dxf.open(QIODevice::ReadOnly)) << ziel.ziel.toStdString();
            EXPECT_TRUE(dxf.readAll().contains("ENTITIES"));
            KeineMeldung("Schaltschema in DXF");
        }
    }
}
