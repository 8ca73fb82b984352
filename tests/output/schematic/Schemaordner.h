#pragma once
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "base/Zeichenflaeche.h"
#include "output/schematic/Orderdatei.h"
#include "output/schematic/Schaltschemalauf.h"
#include "support/MeldungsRecorder.h"

// A program folder for drawing runs: the symbol library in DXF/, an order file written from
// symbol lines, a run with a recorder as the picture box.
struct Schemaordner {
    QTemporaryDir dir;
    MeldungsRecorder meldungen;
    Zeichenrecorder bild{Schaltschemalauf::Bildhöhe};
    Schaltschemalauf lauf;
    QString bezeichnung = QStringLiteral("Musterhaus Süd");

    explicit Schemaordner(const QString& ausgabe = QStringLiteral("DXFneu.dxf"))
    {
        QDir().mkpath(dir.filePath(QStringLiteral("DXF")));
        const QDir quelle(QStringLiteral(KELVOR_SOURCE_DIR "/resources/dxf"));
        for (const QString& n : quelle.entryList({QStringLiteral("*.dxf")}, QDir::Files))
            QFile::copy(quelle.filePath(n), dir.filePath(QStringLiteral("DXF/") + n));
        lauf.SetzePfade(dir.path(), dir.path(), ausgabe);
        lauf.PictureDXF = &bild;
    }
    QString pfad(const QString& name) const { return dir.filePath(name); }

    // "[ORDER]", keys 1 to 5, "[OBJEKT]", the lines ("|" for TAB), "[ENDE]" unless ende is false.
    void order(const QStringList& symbolzeilen, bool ende = true, const QStringList& nachEnde = {})
    {
        QStringList z{QStringLiteral("[ORDER]"), QStringLiteral("1=4711"), QStringLiteral("2=") + bezeichnung,
                      QStringLiteral("3=14.03.2026"), QStringLiteral("4=") + dir.path() + QStringLiteral("/DXF/"),
                      QStringLiteral("5=2 Stck Gefäß 50 l"), QStringLiteral("[OBJEKT]")};
        for (QString s : symbolzeilen)
            z << s.replace(u'|', u'\t');
        if (ende)
            z << QStringLiteral("[ENDE]");
        z << nachEnde;
        Orderdatei::Schreibe(lauf.orderdateiname, z);
    }
    QByteArray lese(const QString& name) const
    {
        QFile f(pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void schreibe(const QString& name, const QByteArray& inhalt) const
    {
        QFile f(pfad(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
    }
    QStringList meldungstexte() const { return meldungen.texte(); }
};

// Symbol lines of designed plants of each type ("|" for TAB), as the order file builder writes
// them.
inline const QList<QPair<const char*, QStringList>>& Anlagen()
{
    static const QList<QPair<const char*, QStringList>> a{
        {"Heizung zwei Kessel",
         {"1|Kessel.dxf|150 kW|", "2|Kessel.dxf|400 kW|", "1|Mindrube.dxf|", "2|Wasmansi.dxf|", "2|Maxdrube.dxf|",
          "1|Kappenv.dxf|", "2|Kappenv.dxf|", "3|Entlueft_NO.dxf|", "3|AnbindOhneENA.dxf|", "3|As_NO.dxf|",
          "100|Pravon.dxf|", "101|Pravon.dxf|"}},
        {"Heizung Kompressorautomat",
         {"1|Kessel.dxf|100 kW|", "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|",
          "100|Mkbeil.dxf|", "101|Mk.dxf|", "102|Mkbeir.dxf|", "103|Mkbeil.dxf|", "104|Mk.dxf|", "101|Sta.dxf|"}},
        {"Heizung indirekt mit Einzelabsicherung",
         {"1|Waermeta.dxf|200 kW|", "2|Waermeta.dxf|350 kW|", "2|Entspato.dxf|", "1|Wasmansi.dxf|", "2|Wasmansi.dxf|",
          "1|Kseinabs.dxf|Einzelvorlage|Einzelgefäß|", "2|Kseinabs.dxf|Einzelgefäß||", "1|Kappenv.dxf|",
          "2|Kappenv.dxf|", "3|Entlueft.dxf|", "3|AnbindOhneENA.dxf|", "3|As.dxf|Abscheider zentral|",
          "100|Sirtova.dxf|", "101|VB_ohneENA.dxf|"}},
        {"Kälte",
         {"1|Kaeltema.dxf|100 kW|", "2|Kaeltema.dxf|50 kW|", "1|Kappenv.dxf|", "2|Kappenv.dxf|", "3|Entlueft.dxf|",
          "3|AnbindOhneENA.dxf|", "3|As.dxf|Abscheider zentral|", "100|Mpbeistl.dxf|", "101|Mp2.dxf|",
          "101|Pa.dxf|"}},
        {"Trinkwasser", {"1|Speicher.dxf|200 Liter, |60 °C|", "1|Quendoa.dxf|"}},
        {"Trinkwasser Großbehälter", {"1|Speicher.dxf|1500 Liter, |60 °C|", "1|Quendode.dxf|"}},
        {"Druckerhöhung", {"1|Druckerh.dxf|2,2 m³/h|", "1|Quendod.dxf|"}},
        {"Solar", {"100|Solaranlage_DE.dxf|"}},
        {"Heizung Modulautomat",
         {"1|Kessel.dxf|300 kW|", "1|NoKappv.dxf|", "2|Entlueft.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|",
          "100|Kelmatbl.dxf|", "101|Kelmat2.dxf|", "101|Systemtr.dxf|", "102|Kelmatbr.dxf|", "101|Sta.dxf|"}},
        {"Heizung Modulautomat eine Pumpe",
         {"1|Kessel.dxf|120 kW|", "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|",
          "100|Kelmat.dxf|", "101|Kelmatbr.dxf|"}},
        {"Heizung Nachspeiseautomat",
         {"1|Waermeta.dxf|80 kW|", "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|",
          "100|Pumbrix.dxf|", "101|PumBei1.dxf|", "102|PumBei2.dxf|"}},
        {"Heizung mit Vorschaltgefäß und ENA",
         {"1|Kessel.dxf|500 kW|", "2|Kessel.dxf|500 kW|", "1|Kappenv2.dxf|", "2|Kappenv2.dxf|", "3|Entlueft.dxf|",
          "3|As.dxf|SA 65|", "100|Mabrine.dxf|", "101|Mabrine.dxf|", "102|VB_mitENA.dxf|", "103|ENA_fuerVB.dxf|"}},
        {"Heizung Gefäße",
         {"1|Kessel.dxf|60 kW|", "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|",
          "100|Bgefaess.dxf|", "101|M80.dxf|", "102|Mgefaess.dxf|", "103|Mlieg.dxf|", "100|Stm.dxf|"}},
        {"Heizung Nachspeisepumpe",
         {"1|Kessel.dxf|90 kW|", "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|",
          "100|Sirtova.dxf|", "100|Pm.dxf|"}},
        {"Kälte Pumpenautomat",
         {"1|Kaeltema.dxf|200 kW|", "1|NoKappv.dxf|", "2|Entlueft_NO.dxf|", "2|AnbindOhneENA.dxf|", "2|As_NO.dxf|",
          "100|Mp.dxf|", "101|Mpbeistr.dxf|", "101|Stamp.dxf|"}},
        {"Kälte mit ENA",
         {"1|Kaeltema.dxf|120 kW|", "1|Kappenv2.dxf|", "2|Entlueft_NO.dxf|", "2|As_NO.dxf|", "100|Pravon.dxf|",
          "101|ENA_ohneVB.dxf|"}},
    };
    return a;
}
