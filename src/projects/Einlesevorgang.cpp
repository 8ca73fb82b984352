#include "projects/Einlesevorgang.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "data/ManipDatenbank.h"
#include "data/Sicherungsdatei.h"
#include "base/AllgFunktionen.h"
#include "base/FileOP.h"
#include "base/HilfsFktCommDlg.h"
#include "base/Programmzustand.h"

namespace {

// The message names at most this many faults.
constexpr int MaxZeilen = 20;

QString projektname(const Lesebefund& b)
{
    return b.projektNr.isEmpty() ? QStringLiteral("Projekt ohne lesbare Projektnummer")
                                 : QStringLiteral("Projekt %1").arg(b.projektNr);
}

// What could not be read of one project, as a line of the message; empty when nothing.
QString mangeltext(const Lesebefund& b)
{
    const QString nicht = QStringLiteral(": %1 Das Projekt wurde nicht eingelesen.");
    switch (b.mangel) {
    case Lesebefund::Aufbau:
        return projektname(b) + nicht.arg(QStringLiteral("Der Aufbau der Projektdaten ist fehlerhaft."));
    case Lesebefund::Unvollständig:
        return projektname(b) + nicht.arg(QStringLiteral("Die Projektdaten brechen ab."));
    case Lesebefund::Werte: {
        QStringList felder;
        for (const auto& [feld, wert] : b.werte)
            felder << QStringLiteral("%1 = \"%2\"").arg(feld, wert);
        return projektname(b) + nicht.arg(QStringLiteral("Ungültige Werte: %1.").arg(felder.join(QStringLiteral(", "))));
    }
    case Lesebefund::Tabellenfehler:
        return projektname(b) + nicht.arg(QStringLiteral("Die Daten konnten nicht gespeichert werden."));
    case Lesebefund::Datei:
        return projektname(b) + nicht.arg(QStringLiteral("Die Datei konnte nicht weiter gelesen werden."));
    default:
        break;
    }
    if (!b.übergangeneProjektart.isEmpty())
        return projektname(b) + QStringLiteral(": Zur Projektart \"%1\" gibt es keine Parametertabelle; "
                                               "nur die Projektdaten wurden eingelesen.")
                                    .arg(b.übergangeneProjektart);
    return {};
}

}  // namespace

void Einlesevorgang::ProjekteEinlesenAusDatei(EinleseAnzeige* anzeige)
{
    m_inArbeit = true;
    m_mängel.clear();
    FileOP dateien;
    const QString kopie = dateien.GetTempName();
    QCoreApplication::processEvents();
    const QString datei = DateiDialog(QStringLiteral("C:\\"), QStringLiteral("*.sic"),
                                      LadeText(zustand().Sprachoffset + 1403), false);
    QCoreApplication::processEvents();
    if (!datei.isEmpty()) {
        if (!kopie.isEmpty() && dateien.Save(datei, kopie, false) == 0)
            lies(kopie, anzeige);
        else
            m_mängel << QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(QDir::toNativeSeparators(datei));
    }
    if (!kopie.isEmpty())
        QFile::remove(kopie);
    meldeMängel();
    m_inArbeit = false;
}

long Einlesevorgang::LiesDatei(const QString& datei, EinleseAnzeige* anzeige)
{
    m_mängel.clear();
    const long r = lies(datei, anzeige);
    meldeMängel();
    return r;
}

long Einlesevorgang::lies(const QString& datei, EinleseAnzeige* anzeige)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        m_mängel << QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(QDir::toNativeSeparators(datei));
        return TransferErgebnis::Lesefehler;
    }
    Sicherungsdatei stream(&f);
    ManipDatenbank leser;
    leser.Load_NurGanzeProjekte(true);
    m_leser = &leser;
    long r = leser.Load_OpenDBConnection(anzeige, &stream);
    QCoreApplication::processEvents();
    if (r == 0) {
        if (anzeige)
            anzeige->LesenBeginnt();
        r = projektschleife(leser);
        if (anzeige)
            anzeige->LesenEndet();
    }
    leser.Load_CloseDBConnection();
    m_leser = nullptr;
    return r;
}

// Project after project until the file ends or a result stops the run. A project that was not
// kept because it is damaged does not stop it.
long Einlesevorgang::projektschleife(ManipDatenbank& leser)
{
    long r = TransferErgebnis::Fertig;
    for (;;) {
        // The reader may end a project on the begin line of the next one.
        if (!leser.IsBeginnProjekt()) {
            do
                r = leser.Load_readStreamLine();
            while (r == 0 && !leser.IsBeginnProjekt());
            if (r != 0)
                break;
        }
        r = leser.Load_Projekt();
        merke(leser.Load_Befund());
        if (r == TransferErgebnis::Übersprungen || r == TransferErgebnis::Verworfen)
            r = TransferErgebnis::Fertig;
        if (r != 0)
            return r;
    }
    if (r == TransferErgebnis::Lesefehler)
        m_mängel << QStringLiteral("Die Datei konnte nicht weiter gelesen werden.");
    return r;
}

void Einlesevorgang::merke(const Lesebefund& befund)
{
    const QString text = mangeltext(befund);
    if (!text.isEmpty())
        m_mängel << text;
}

void Einlesevorgang::meldeMängel()
{
    if (m_mängel.isEmpty())
        return;
    QStringList zeilen = m_mängel.mid(0, MaxZeilen);
    if (m_mängel.size() > MaxZeilen)
        zeilen << QStringLiteral("... und %1 weitere.").arg(m_mängel.size() - MaxZeilen);
    Meldung(Meldungsart::Anwendungsfehler,
            QStringLiteral("Nicht alles aus der Sicherungsdatei konnte eingelesen werden:\\n\\n%s"),
            zeilen.join(QStringLiteral("\r\n")));
}

void Einlesevorgang::Abbrechen()
{
    if (m_leser)
        m_leser->Load_Cancel();
}
