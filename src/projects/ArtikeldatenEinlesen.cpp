#include "projects/ArtikeldatenEinlesen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "base/Dateischreiber.h"
#include "data/DbVerbindung.h"
#include "data/Kennwort.h"
#include "base/AllgFunktionen.h"
#include "base/Datenpfade.h"
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
    if (GrossOhneSZ(name) == GrossOhneSZ(z.ArtikelDatenbankName)) {
        QString grund;
        switch (ErsetzeArtikeldatenbank(datei, &grund)) {
        case Artikelersatz::Ersetzt:
            return true;
        case Artikelersatz::KopieFehlgeschlagen:
            Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2916),
                    {QDir::toNativeSeparators(datei), grund});
            return false;
        case Artikelersatz::KeineArtikeldatenbank:
            break;
        }
    }
    Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2303));
    return false;
}

bool IstArtikeldatenbank(const QString& pfad)
{
    const std::shared_ptr<DbVerbindung> v = DbVerbindung::Öffnen(pfad, Kennwort::Artikeldatenbank);
    return v && v->IstTabelle(QStringLiteral("Waehrung"));
}

QString Artikelersatzziel()
{
    return Datenbankdatei(zustand().Datenpfad, zustand().ArtikelDatenbankName);
}

QString ArtikelersatzMuster()
{
    return QStringLiteral("ArtikeldXXXXXX.tmp");
}

Artikelersatz ErsetzeArtikeldatenbank(const QString& quelle, QString* grund)
{
    const auto fehlschlag = [grund](const QString& warum) {
        if (grund)
            *grund = warum;
        return Artikelersatz::KopieFehlgeschlagen;
    };
    const QString ziel = Artikelersatzziel();
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return fehlschlag(ein.errorString());
    QTemporaryFile neu(QFileInfo(ziel).dir().filePath(ArtikelersatzMuster()));
    if (!neu.open())
        return fehlschlag(neu.errorString());
    char puffer[64 * 1024];
    for (qint64 n; (n = ein.read(puffer, sizeof puffer)) != 0;) {
        if (n < 0)
            return fehlschlag(ein.errorString());
        if (neu.write(puffer, n) != n)
            return fehlschlag(neu.errorString());
    }
    if (!neu.flush())
        return fehlschlag(neu.errorString());
    neu.close();
    if (neu.error() != QFileDevice::NoError)
        return fehlschlag(neu.errorString());
    if (!neu.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                            | QFileDevice::ReadOther))
        return fehlschlag(neu.errorString());
    if (!IstArtikeldatenbank(neu.fileName()))
        return Artikelersatz::KeineArtikeldatenbank;
    Dateischreiber ersatz(ziel);
    if (!ersatz.übernehmen(neu.fileName()))
        return fehlschlag(ersatz.fehler());
    neu.setAutoRemove(false);
    zustand().Artikel_Data_Source = ziel;
    return Artikelersatz::Ersetzt;
}
