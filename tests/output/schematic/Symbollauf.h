#pragma once
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "base/Zeichenflaeche.h"
#include "output/schematic/DXFzeichnen.h"
#include "support/MeldungsRecorder.h"

// One symbol drawn from lines written into a temporary symbol file: a recorder as the picture
// surface (height 1000), the entity stream kept as lines, messages and beeps counted.
struct Symbollauf {
    QTemporaryDir dir;
    Zeichenrecorder bild{1000};
    Schemazeichner z;
    DXFZeilenliste strom;
    MeldungsRecorder meldungen;
    int pieps = 0;
    QString pfad;

    Symbollauf()
    {
        z.PictureDXF = &bild;
        z.Signalton = [this] { ++pieps; };
        z.Uhr = [] { return QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)); };
        pfad = dir.filePath(QStringLiteral("SYMBOL.DXF"));
    }

    // The file's bytes as they stand.
    void schreibeRoh(const QByteArray& inhalt)
    {
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(inhalt);
    }
    // Lines joined by CR LF (code page 1252 for the characters used here).
    void schreibe(const QStringList& zeilen)
    {
        schreibeRoh((zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }

    void zeichne(const QString& block = QStringLiteral("1"), const QStringList& texte = {}, float mass_stab = 1)
    {
        DXFFelder feld;
        feld[1] = block;
        feld[2] = pfad;
        for (int i = 0; i < texte.size(); ++i)
            feld[static_cast<size_t>(3 + i)] = texte.at(i);
        z.DXFzeichnen(feld, mass_stab, 1, strom);
    }

    // Entity lines wrapped into a symbol file's entity section.
    void zeichneEntities(const QStringList& entities, const QString& block = QStringLiteral("1"),
                         const QStringList& texte = {}, float mass_stab = 1)
    {
        schreibe(QStringList{"  0", "SECTION", "  2", "ENTITIES", "  0"} + entities +
                 QStringList{"ENDSEC", "  0", "EOF"});
        zeichne(block, texte, mass_stab);
    }

    QStringList meldungstexte() const { return meldungen.texte(); }
    // Recorder calls of one kind ("linie", "kreis", "text" ...).
    QStringList aufrufe(const QString& art) const
    {
        QStringList r;
        for (const QString& a : bild.aufrufe)
            if (a.startsWith(art + u' '))
                r << a;
        return r;
    }
};

// A LINE entity with its closing "  0".
inline QStringList Linie(const QString& layer, const QString& x1, const QString& y1, const QString& x2,
                         const QString& y2, const QStringList& vorher = {})
{
    return QStringList{"LINE", "  8", layer} + vorher +
           QStringList{" 10", x1, " 20", y1, " 30", "0", " 11", x2, " 21", y2, " 31", "0", "  0"};
}
