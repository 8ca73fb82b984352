#include "base/ModResFiles.h"

#include "base/Programmzustand.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {
constexpr long FehlerKeineRessource = 326;
constexpr long FehlerDateizugriff = 75;

// The resource file of a picture, or the empty text.
QString ressourcenPfad(int id, const QString& typ)
{
    for (const char* endung : {"jpg", "gif"}) {
        const QString pfad = QStringLiteral(":/bilder/%1/%2.%3").arg(typ).arg(id).arg(QLatin1String(endung));
        if (QFile::exists(pfad))
            return pfad;
    }
    return {};
}
}  // namespace

QImage LadeBildAusRessource(int id, const QString& typ, const QString& datei)
{
    if (datei.isEmpty()) {
        const QString pfad = ressourcenPfad(id, typ);
        return pfad.isEmpty() ? QImage() : QImage(pfad);
    }
    if (SchreibeRessourceInDatei(id, typ, datei) != 0)
        return {};
    QImage bild(datei);
    QFile::remove(datei);
    return bild;
}

long SchreibeRessourceInDatei(int id, const QString& typ, const QString& datei)
{
    const QString pfad = ressourcenPfad(id, typ);
    QFile quelle(pfad);
    if (pfad.isEmpty() || !quelle.open(QIODevice::ReadOnly))
        return FehlerKeineRessource;
    const QByteArray inhalt = quelle.readAll();
    QFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Truncate) || ziel.write(inhalt) != inhalt.size()
        || !ziel.flush())
        return FehlerDateizugriff;
    return 0;
}

bool GetTempDateiname(const QString& ordner, const QString& praefix, int eindeutig, QString& name)
{
    QString verzeichnis = ordner;
    if (verzeichnis.isEmpty())
        verzeichnis = zustand().TempOrdner.isEmpty() ? QDir::tempPath() : zustand().TempOrdner;
    if (!QDir(verzeichnis).exists())
        return false;
    const QDir dir(verzeichnis);
    const QString vorne = praefix.left(3);
    const auto dateiname = [&](uint nummer) {
        return dir.filePath(vorne + QString::number(nummer, 16).toUpper().rightJustified(4, QLatin1Char('0'))
                            + QLatin1String(".tmp"));
    };
    if (eindeutig != 0) {
        name = dateiname(static_cast<uint>(eindeutig) & 0xFFFFu);
        return true;
    }
    // Try the numbers from a random start; the file is created only when it did not exist.
    const uint start = QRandomGenerator::global()->bounded(0x10000u);
    for (uint k = 0; k < 0x10000u; ++k) {
        const uint nummer = (start + k) & 0xFFFFu;
        if (nummer == 0)
            continue;
        QFile f(dateiname(nummer));
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            name = f.fileName();
            return true;
        }
        if (f.exists() == false)
            return false;  // the folder refuses new files
    }
    return false;
}

QString SchneideNullZeichen(const QString& text)
{
    const qsizetype null = text.indexOf(QChar(0));
    return null < 0 ? text : text.left(null);
}

void SetzeSpaltennamen(int /*sprache*/)
{
    SpalteBeschreibung = QStringLiteral("Beschreibung");
    SpalteBezeichnung = QStringLiteral("Bezeichnung");
    SpalteUmschreibung = QStringLiteral("Umschreibung");
    SpalteTyp = QStringLiteral("Typ");
    SpalteBezeichnungWT = QStringLiteral("Bezeichnung");
    SpalteKurztext1 = QStringLiteral("arKurztext1");
    SpalteKurztext2 = QStringLiteral("arKurztext2");
    SpalteLangtext = QStringLiteral("ltText");
    SpalteEinfügetext = QStringLiteral("etText");
}
