#include "projects/ArtikeldatenEinlesen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "projects/Dateiersatz.h"
#include "base/AllgFunktionen.h"
#include "base/HilfsFktCommDlg.h"
#include "base/Programmzustand.h"

bool ArtikeldatenEinlesen()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    const QString datei = DateiDialogBeliebigerFilter(QStringLiteral("C:\\"), z.ArtikelDatenbankName,
                                                      LadeText(o + 1405), false);
    QCoreApplication::processEvents();
    if (datei.isEmpty())
        return false;
    QString laufwerk, verzeichnis, name;
    ZerlegePfad(datei, laufwerk, verzeichnis, name);
    if (GrossOhneSZ(name) == GrossOhneSZ(z.ArtikelDatenbankName) && ErsetzeArtikeldatenbank(datei))
        return true;
    Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2303));
    return false;
}

bool IstArtikeldatenbank(const QString& pfad)
{
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(pfad, Kennwort::Artikeldatenbank);
    return v && v->IstTabelle(QStringLiteral("Waehrung"));
}

bool ErsetzeArtikeldatenbank(const QString& quelle)
{
    const QString ziel = zustand().Artikel_Data_Source;
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return false;
    QTemporaryFile neu(QFileInfo(ziel).dir().filePath(QStringLiteral("ArtikeldXXXXXX.tmp")));
    if (!neu.open())
        return false;
    char puffer[64 * 1024];
    for (qint64 n; (n = ein.read(puffer, sizeof puffer)) != 0;)
        if (n < 0 || neu.write(puffer, n) != n)
            return false;
    neu.close();
    if (neu.error() != QFileDevice::NoError
        || !neu.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                               | QFileDevice::ReadOther)
        || !Dateiersatz::AufPlatteSchreiben(neu.fileName()) || !IstArtikeldatenbank(neu.fileName())
        || !Dateiersatz::Ersetzen(neu.fileName(), ziel))
        return false;
    neu.setAutoRemove(false);
    return true;
}
