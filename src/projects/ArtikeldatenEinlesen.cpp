#include "projects/ArtikeldatenEinlesen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
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
            Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2981), {QDir::toNativeSeparators(datei), grund});
            return false;
        }
    }
    Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2303));
    return false;
}

const Schemaerwartung& Artikelschema()
{
    static const Schemaerwartung schema = [] {
        Q_INIT_RESOURCE(kelvor_texte);
        QFile ddl(QStringLiteral(":/artikel/10_schema.sql"));
        return ddl.open(QIODevice::ReadOnly) ? SchemaAusDdl(QString::fromUtf8(ddl.readAll())) : Schemaerwartung{};
    }();
    return schema;
}

QString PrüfeArtikeldatenbank(const QString& pfad, bool* vorübergehend)
{
    if (vorübergehend)
        *vorübergehend = false;
    QString grund;
    const std::shared_ptr<DbVerbindung> v =
        DbVerbindung::ÖffnenVonAußen(pfad, Kennwort::Artikeldatenbank, Artikelschema(), &grund, vorübergehend);
    if (!v)
        return grund;
    // The rate is read from the first row only.
    QSqlQuery q(v->db());
    if (!q.exec(QStringLiteral("SELECT [MwStSatz in Prozent] FROM [Waehrung] LIMIT 1"))) {
        if (vorübergehend)
            *vorübergehend = DbVerbindung::Vorübergehend(q.lastError());
        return DbVerbindung::Grund(q.lastError());
    }
    if (q.next() && !q.isNull(0) && !(q.value(0).toDouble() >= 0 && q.value(0).toDouble() <= 100))
        return FormatText(LadeText(zustand().Sprachoffset + 2989),
                          {QStringLiteral("[MwStSatz in Prozent]"), QStringLiteral("[Waehrung]"),
                           Auszug(q.value(0).toString())});
    return {};
}

QString ArtikeldatenbankBeimStart(const Datenpfade& pfade, const QString& name)
{
    const QString gewählt = Artikeldatenbankpfad(pfade, name);
    const QString ausgeliefert = Datenbankdatei(pfade.Installation, name);
    // Without a shipped database of its own the program has nothing else to read.
    if (QFileInfo(gewählt) == QFileInfo(ausgeliefert))
        return gewählt;
    bool vorübergehend = false;
    const QString grund = PrüfeArtikeldatenbank(gewählt, &vorübergehend);
    if (grund.isEmpty())
        return gewählt;
    // Only a copy whose content is refused is put aside; one that is in use or cannot be read
    // now stays for the next start.
    if (vorübergehend) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(zustand().Sprachoffset + 3160),
                {QDir::toNativeSeparators(gewählt), grund});
        return ausgeliefert;
    }
    QString abgelegt = gewählt + QStringLiteral(".abgelegt");
    for (int n = 2; QFileInfo::exists(abgelegt); ++n)
        abgelegt = gewählt + QStringLiteral(".abgelegt-%1").arg(n);
    // A copy that cannot be renamed stays where it is and is checked again at the next start.
    const QString liegt = QFile::rename(gewählt, abgelegt) ? abgelegt : gewählt;
    Meldung(Meldungsart::Anwendungsfehler, LadeText(zustand().Sprachoffset + 2982),
            {QDir::toNativeSeparators(gewählt), grund, QDir::toNativeSeparators(liegt)});
    return ausgeliefert;
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
    if (QString warum; !KopiereDatei(quelle, kopie.fileName(), &warum))
        return fehlschlag(warum);
    if (const QString warum = PrüfeArtikeldatenbank(kopie.fileName()); !warum.isEmpty()) {
        if (grund)
            *grund = warum;
        return Artikelersatz::KeineArtikeldatenbank;
    }
    Dateischreiber ersatz(ziel);
    if (!ersatz.übernehmen(kopie.fileName()))
        return fehlschlag(ersatz.fehler());
    kopie.setAutoRemove(false);
    zustand().Artikel_Data_Source = ziel;
    return Artikelersatz::Ersetzt;
}
