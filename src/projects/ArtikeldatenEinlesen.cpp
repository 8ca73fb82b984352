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
    // The copy lies beside the target under a name of its own until it has been checked; a copy
    // of a read-only file stays writable for a later replacement.
    QTemporaryFile kopie(QFileInfo(ziel).dir().filePath(ArtikelersatzMuster()));
    if (!kopie.open())
        return fehlschlag(kopie.errorString());
    kopie.close();
    if (!kopie.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                              | QFileDevice::ReadOther))
        return fehlschlag(kopie.errorString());
    QString warum;
    if (!KopiereDatei(quelle, kopie.fileName(), &warum))
        return fehlschlag(warum);
    if (!IstArtikeldatenbank(kopie.fileName()))
        return Artikelersatz::KeineArtikeldatenbank;
    Dateischreiber ersatz(ziel);
    if (!ersatz.übernehmen(kopie.fileName()))
        return fehlschlag(ersatz.fehler());
    kopie.setAutoRemove(false);
    zustand().Artikel_Data_Source = ziel;
    return Artikelersatz::Ersetzt;
}
