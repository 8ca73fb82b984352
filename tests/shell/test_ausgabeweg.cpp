#include <gtest/gtest.h>

#include <QDialog>
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
#include "shell/Anlagenweg.h"
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

// The article lines of a tender text: in the order list ("Stück") and in the tender items
// ("Stck") the unit and its separator are followed by the article's short text.
const QString Artikelanfang = QStringLiteral("^(?: \\d\\d +-?\\d+ +Stck | +-?\\d+ +Stück  )");
QStringList Artikelzeilen(const QString& text)
{
    return text.split(QStringLiteral("\r\n")).filter(QRegularExpression(Artikelanfang));
}

// The order file of the last schematic command: the article line names an article in every
// entry, every symbol line names a symbol of the library, the dirt separator carries its
// label, venting is drawn when it was chosen (heating and cooling), and no symbol's fixed label
// speaks of another kind of plant.
QStringList SchemaFehler(const QString& ordner, const QString& art, bool entlüftet)
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
        if (entlüftet && symbol == u"Entlueft_NO.dxf")
            fehler << QStringLiteral("venting chosen but not drawn");
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

using Ausgabeweg = Anlagenweg;

}  // namespace

TEST_F(Ausgabeweg, JedeAnlagenartDurchAlleAusgaben)
{
    Ablage ablage;
    Speicherziel ziel;
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    PdfDrucker druck(pdf);
    setzeDrucker(&druck);
    struct Zurück {
        ~Zurück() { setzeDrucker(nullptr); }
    } zurück;

    for (const Typ& t : Typen) {
        const QString art = QString::fromUtf8(t.art);
        SCOPED_TRACE(t.art);
        ASSERT_TRUE(NeuesProjekt(t.knopf, QString::fromLatin1(t.nr)));
        ASSERT_EQ(zustand().Projektart, art);
        entlüftung.gewählt.clear();
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
        // Every article line names its article, the venting article chosen included.
        const QStringList artikel = Artikelzeilen(ablage.text);
        EXPECT_FALSE(artikel.isEmpty());
        const QRegularExpression ohneNamen(Artikelanfang + QStringLiteral("(?!\\S)"));
        for (const QString& z : artikel)
            EXPECT_FALSE(ohneNamen.match(z).hasMatch()) << z.toStdString();
        if (!entlüftung.gewählt.isEmpty()) {
            EXPECT_FALSE(artikel.filter(entlüftung.gewählt[1]).isEmpty()) << entlüftung.gewählt.join(u' ').toStdString();
        }

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
            EXPECT_EQ(SchemaFehler(dir.path(), art, !entlüftung.gewählt.isEmpty()), QStringList());
            QFile::remove(pdf);
            EXPECT_EQ(Befehl(fenster->Mschaltschemadrucken), QStringList{QStringLiteral("DXFMaker")});
            EXPECT_GT(PdfSeiten(pdf), 0);
            // With KELVOR_BILDER set, the printed schematic is kept there to look at.
            if (qEnvironmentVariableIsSet("KELVOR_BILDER"))
                QFile::copy(pdf, QStringLiteral("%1/schema-%2.pdf")
                                     .arg(qEnvironmentVariable("KELVOR_BILDER", QStringLiteral("/tmp")), QString::fromLatin1(t.nr)));
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
