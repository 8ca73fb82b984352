#include "projects/Einlesevorgang.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "data/ManipDatenbank.h"
#include "data/Projektnummer.h"
#include "data/Projektdateien.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "base/AllgFunktionen.h"
#include "base/Dateileser.h"
#include "base/FileOP.h"
#include "base/HilfsFktCommDlg.h"
#include "base/Programmzustand.h"

namespace {

// Texts of the restore's messages.
constexpr int TextNrMaengel = 2901;
constexpr int TextNrProjekt = 2902;
constexpr int TextNrOhneNummer = 2903;
constexpr int TextNrNichtEingelesen = 2904;
constexpr int TextNrAufbau = 2905;
constexpr int TextNrAbbruch = 2906;
constexpr int TextNrNichtGespeichert = 2907;
constexpr int TextNrDateiende = 2908;
constexpr int TextNrWerte = 2910;
constexpr int TextNrWeitere = 2911;
constexpr int TextNrNichtLesbar = 2912;
constexpr int TextNrSpeicherfehler = 2918;
constexpr int TextNrEingelesen = 2919;
constexpr int TextNrNurLesen = 2920;
constexpr int TextNrNummerZuLang = 2931;
constexpr int TextNrKeineSicherung = 2945;
constexpr int TextNrKeinProjekt = 2946;
constexpr int TextNrSteuerzeichen = 2947;
constexpr int TextNrProjektart = 2970;
constexpr int TextNrDoppelt = 2971;
constexpr int TextNrGekürzt = 3140;
constexpr int TextNrParameterblock = 3141;
constexpr int TextNrParameterblockOhneArt = 3142;

// Bytes looked at to tell a transfer file (text) from another file.
constexpr qint64 Prüflänge = 65536;

// The message names at most this many faults.
constexpr int MaxZeilen = 20;

QString text(int id)
{
    return LadeText(zustand().Sprachoffset + id);
}

QString projektname(const Lesebefund& b)
{
    return b.projektNr.isEmpty() ? text(TextNrOhneNummer) : FormatText(text(TextNrProjekt), {Auszug(b.projektNr)});
}

// What could not be read of one project, as a line of the message; empty when nothing.
QString mangeltext(const Lesebefund& b)
{
    int grund = 0;
    switch (b.mangel) {
    case Lesebefund::Aufbau: grund = TextNrAufbau; break;
    case Lesebefund::Unvollständig: grund = TextNrAbbruch; break;
    case Lesebefund::Tabellenfehler: grund = TextNrNichtGespeichert; break;
    case Lesebefund::Datei: grund = TextNrDateiende; break;
    case Lesebefund::Projektnummer: grund = TextNrNummerZuLang; break;
    case Lesebefund::Steuerzeichen: grund = TextNrSteuerzeichen; break;
    default: break;
    }
    QStringList zeilen;
    if (b.doppelt)
        zeilen << FormatText(text(TextNrDoppelt), {projektname(b)});
    QString ursache;
    if (b.mangel == Lesebefund::Projektart)
        ursache = FormatText(text(TextNrProjektart), {Auszug(b.übergangeneProjektart)});
    else if (b.mangel == Lesebefund::Parameterblock)
        ursache = b.übergangeneProjektart.isEmpty()
                      ? text(TextNrParameterblockOhneArt)
                      : FormatText(text(TextNrParameterblock), {Auszug(b.übergangeneProjektart)});
    else if (grund != 0)
        ursache = text(grund);
    if (!ursache.isEmpty()) {
        zeilen << FormatText(text(TextNrNichtEingelesen), {projektname(b), ursache});
        return zeilen.join(QStringLiteral("\r\n"));
    }
    if (!b.gekürzt.isEmpty()) {
        QStringList felder;
        for (const Lesebefund::Kürzung& k : b.gekürzt)
            felder << QStringLiteral("%1 = \"%2\" \u2192 \"%3\"").arg(k.feld, Auszug(k.text), k.gespeichert);
        zeilen << FormatText(text(TextNrGekürzt), {projektname(b), felder.join(QStringLiteral(", "))});
    }
    if (!b.werte.isEmpty()) {
        QStringList felder;
        for (const auto& [feld, wert] : b.werte)
            felder << QStringLiteral("%1 = \"%2\"").arg(Auszug(feld), Auszug(wert));
        zeilen << FormatText(text(TextNrWerte), {projektname(b), felder.join(QStringLiteral(", "))});
    }
    return zeilen.join(QStringLiteral("\r\n"));
}

QString nichtLesbar(const QString& datei, int textNr = TextNrNichtLesbar)
{
    return FormatText(text(textNr), {QDir::toNativeSeparators(datei)});
}

}  // namespace

void Einlesevorgang::ProjekteEinlesenAusDatei(EinleseAnzeige* anzeige)
{
    m_inArbeit = true;
    m_mängel.clear();
    m_speicherfehler = {};
    FileOP dateien;
    const QString kopie = dateien.GetTempName();
    QCoreApplication::processEvents();
    const QString datei = DateiDialog(QStringLiteral("C:\\"), QStringLiteral("*.sic"),
                                      LadeText(zustand().Sprachoffset + 1403), false);
    QCoreApplication::processEvents();
    if (!datei.isEmpty()) {
        if (!kopie.isEmpty() && dateien.Save(datei, kopie, false) == 0)
            lies(kopie, anzeige, datei);
        else
            m_mängel << nichtLesbar(datei);
    }
    if (!kopie.isEmpty())
        QFile::remove(kopie);
    meldeMängel();
    m_inArbeit = false;
}

long Einlesevorgang::LiesDatei(const QString& datei, EinleseAnzeige* anzeige)
{
    m_mängel.clear();
    m_speicherfehler = {};
    const long r = lies(datei, anzeige, datei);
    meldeMängel();
    return r;
}

long Einlesevorgang::lies(const QString& datei, EinleseAnzeige* anzeige, const QString& name)
{
    QFile f;
    if (const Fremdlesen art = ÖffneFremdeDatei(datei, f); art != Fremdlesen::Gelesen) {
        m_mängel << nichtLesbar(name, art == Fremdlesen::KeineDatei ? TextNrKeineSicherung : TextNrNichtLesbar);
        return TransferErgebnis::Lesefehler;
    }
    // A transfer file is text: a zero byte marks another kind of file (UTF-16, packed, a
    // database), which is refused before anything is read.
    if (f.peek(Prüflänge).contains('\0')) {
        m_mängel << nichtLesbar(name, TextNrKeineSicherung);
        return TransferErgebnis::Lesefehler;
    }
    // A database that cannot take changes is named once, before anything is read.
    if (QString grund; !Projektdateien::Schreibbar(zustand().Projekt_Data_Source, &grund)) {
        m_speicherfehler = {TextNrNurLesen, {QDir::toNativeSeparators(zustand().Projekt_Data_Source), grund}};
        return TransferErgebnis::Speicherfehler;
    }
    Sicherungsdatei stream(&f);
    ManipDatenbank leser;
    leser.Load_NurGanzeProjekte(true);
    m_leser = &leser;
    m_eingelesen = 0;
    long r = leser.Load_OpenDBConnection(anzeige, &stream);
    QCoreApplication::processEvents();
    if (r == 0) {
        if (anzeige)
            anzeige->LesenBeginnt();
        r = projektschleife(leser);
        if (anzeige)
            anzeige->LesenEndet();
        if (r != TransferErgebnis::Speicherfehler && m_projekte == 0) {
            m_mängel.clear();
            m_mängel << nichtLesbar(name, TextNrKeinProjekt);
        }
    }
    // A row or the commit that cannot be stored: nothing of the run stays.
    if (r == TransferErgebnis::Speicherfehler) {
        leser.Load_Verwerfen();
    } else if (!leser.Load_CloseDBConnection()) {
        r = TransferErgebnis::Speicherfehler;
    }
    if (r == TransferErgebnis::Speicherfehler) {
        m_eingelesen = 0;
        m_speicherfehler = {TextNrSpeicherfehler, {leser.Load_Speicherfehler()}};
    }
    m_leser = nullptr;
    return r;
}

// Project after project until the file ends or a result stops the run. A project that was not
// kept because it is damaged does not stop it. Lines between projects are left over from a
// damaged or cut project (its begin line, say): they are named as a project that was not read,
// and so is every other project number passed over while the rest of a project is skipped.
long Einlesevorgang::projektschleife(ManipDatenbank& leser)
{
    long r = TransferErgebnis::Fertig;
    m_projekte = 0;
    bool imProjekt = false;  // the rest of a project the reader gave up is passed over
    QString aufgegeben;      // that project's number
    // The file ends right after a project's begin line.
    const auto endetImProjekt = [&] {
        if (r != TransferErgebnis::Dateiende || !leser.IsBeginnProjekt())
            return false;
        ++m_projekte;
        Lesebefund b;
        b.mangel = Lesebefund::Unvollständig;
        merke(b);
        return true;
    };
    QStringList übergangen;  // numbers of other projects passed over
    // Notes the number of the current line when it is one of another project than the one given up.
    const auto merkeNummer = [&] {
        const QString& nr = leser.aktWert();
        if (leser.aktSchlüssel() == Tabelle::ProjektNr && !nr.trimmed().isEmpty()
            && !(imProjekt && Projektnummer::Schlüssel(nr) == Projektnummer::Schlüssel(aufgegeben))
            && !übergangen.contains(nr))
            übergangen << nr;
    };
    for (;;) {
        // The reader may end a project on the begin line of the next one.
        if (!leser.IsBeginnProjekt()) {
            bool mitRest = false;
            for (;;) {
                r = leser.Load_readStreamLine();
                if (leser.IsBeginnProjekt())
                    break;
                const bool gelesen = r == TransferErgebnis::Fertig || r == TransferErgebnis::Dateiende;
                const QString& nr = leser.aktWert();
                if (gelesen)
                    merkeNummer();
                const bool leer = leser.aktSchlüssel().trimmed().isEmpty() && nr.trimmed().isEmpty();
                if (imProjekt)
                    imProjekt = !(leser.aktSchlüssel() == Marke::Ende && nr == Marke::Projekt);
                else if (!leer && gelesen)
                    mitRest = true;
                if (r != 0)
                    break;
            }
            Lesebefund rest;
            rest.mangel = r == 0 ? Lesebefund::Aufbau : Lesebefund::Unvollständig;
            if (mitRest && übergangen.isEmpty())
                merke(rest);
            for (const QString& nr : std::as_const(übergangen)) {
                rest.projektNr = nr;
                merke(rest);
            }
            übergangen.clear();
            if (endetImProjekt() || r != 0)
                break;
        }
        ++m_projekte;
        r = leser.Load_Projekt();
        imProjekt = !(leser.aktSchlüssel() == Marke::Ende && leser.aktWert() == Marke::Projekt)
                    && !leser.IsBeginnProjekt();
        aufgegeben = leser.Load_Befund().projektNr;
        // The line on which the reader gave up may be the number of the next project.
        if (imProjekt)
            merkeNummer();
        merke(leser.Load_Befund());
        if ((r == TransferErgebnis::Fertig || r == TransferErgebnis::Dateiende) && !leser.Load_Befund().verworfen)
            ++m_eingelesen;
        if (r == TransferErgebnis::Übersprungen || r == TransferErgebnis::Verworfen)
            r = TransferErgebnis::Fertig;
        if (r != 0) {
            endetImProjekt();
            return r;
        }
    }
    if (r == TransferErgebnis::Lesefehler)
        m_mängel << text(TextNrDateiende);
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
    if (m_speicherfehler.textNr != 0) {
        Meldung(Meldungsart::Anwendungsfehler, text(m_speicherfehler.textNr), m_speicherfehler.werte);
        m_speicherfehler = {};
        return;
    }
    if (m_mängel.isEmpty())
        return;
    m_mängel << FormatText(text(TextNrEingelesen), {m_eingelesen});
    QStringList zeilen = m_mängel.mid(0, MaxZeilen);
    if (m_mängel.size() > MaxZeilen)
        zeilen << FormatText(text(TextNrWeitere), {static_cast<int>(m_mängel.size() - MaxZeilen)});
    Meldung(Meldungsart::Anwendungsfehler, text(TextNrMaengel), zeilen.join(QStringLiteral("\r\n")));
}

void Einlesevorgang::Abbrechen()
{
    if (m_leser)
        m_leser->Load_Cancel();
}
