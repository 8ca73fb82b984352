#include "projects/Projektsicherung.h"

#include <QBuffer>
#include <QHash>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>

#include "data/ManipDatenbank.h"
#include "data/Recordset.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "projects/Projektseite.h"
#include "base/AllgFunktionen.h"
#include "base/FileOP.h"
#include "base/HilfsFktCommDlg.h"
#include "base/MessagePresenter.h"
#include "base/Programmzustand.h"

namespace {

const QString SpalteSave = QStringLiteral("Save");
const QString Markiert = QStringLiteral("X");
const QString Leer = QStringLiteral(" ");

int sprache()
{
    return zustand().Sprachoffset;
}

// Writes one project frame with its blocks into block; the result of the last writer call.
// *ersetzt (when given): a text had characters the file cannot hold.
long sichereProjekt(ManipDatenbank& schreiber, const QString& nr, QIODevice& block, bool* ersetzt = nullptr)
{
    Sicherungsdatei stream(&block);
    struct Melder {
        Sicherungsdatei& s;
        bool* ziel;
        ~Melder()
        {
            if (ziel)
                *ziel = s.ersetzt();
        }
    } melder{stream, ersetzt};
    stream.SchreibeZeile(Marke::Begin, Marke::Projekt);
    long r = schreiber.Save_Tabelleninhalt(stream, Tabelle::ProjekteTabelle, nr);
    if (r != TransferErgebnis::Fertig)
        return r;
    const QString art = schreiber.Save_LastProjektart();
    if (!art.isEmpty()) {
        const QString tabelle = Tabellenaufbau::Parametertabelle(art);
        r = schreiber.Save_Tabelleninhalt(stream, tabelle.isEmpty() ? Leer : tabelle, nr);
        if (r == TransferErgebnis::Fertig && art == QLatin1String("Sp"))
            r = schreiber.Save_TabelleninhalteZapfstellen(stream, nr);
        if (r != TransferErgebnis::Fertig)
            return r;
    }
    stream.SchreibeZeile(Marke::Ende, Marke::Projekt);
    return stream.schreibfehler() ? TransferErgebnis::Schreibfehler : TransferErgebnis::Fertig;
}

// Deletes the temporary file when the run ends, whatever the outcome.
struct Zwischendatei {
    QString pfad;
    ~Zwischendatei()
    {
        if (!pfad.isEmpty() && QFile::exists(pfad))
            QFile::remove(pfad);
    }
};

// Puts the current folder back after the file dialog.
struct Ordnerwahrung {
    QString ordner = QDir::currentPath();
    ~Ordnerwahrung() { QDir::setCurrent(ordner); }
};

}  // namespace

Projektsicherung::Projektsicherung(Projektseite& seite) : Projektauswahl(seite)
{
    öffneZwischendatei = [](const QString& pfad) -> std::unique_ptr<QIODevice> {
        auto f = std::make_unique<QFile>(pfad);
        if (!f->open(QIODevice::WriteOnly | QIODevice::Truncate))
            return nullptr;
        return f;
    };
}

Projektsicherung::~Projektsicherung() = default;

void Projektsicherung::Laden()
{
    zustand().ErrorCancel = false;
    const auto rs = recordset();
    const int feld = rs->FeldIndex(SpalteSave);
    {
        Unterdrueckung u(m_unterdrückt);
        const int position = rs->Position();
        for (int i = 0; i < rs->Anzahl(); ++i) {
            const VbVariant& v = rs->ZeilenWert(i, feld);
            if (!v.isNull() && !(v.isString() && v.toString() == Leer)) {
                rs->GeheZu(i);
                setzeMarke(Leer);
            }
        }
        rs->GeheZu(position);
    }
    nachNeuBindung(true);
    m_projektNrBeiÖffnung = m_aktProjektNr;
    m_sortiertext = zustand().aktSortierung;
    m_allesMarkiert = false;
    m_sichernLäuft = false;
    emit Geaendert();
}

void Projektsicherung::ZeigerÜberZeile(int zeile)
{
    if (!markiereZeile(zeile))
        return;
    recordset()->GeheZu(zeile);
    emit Geaendert();
    QCoreApplication::processEvents();
}

bool Projektsicherung::setzeMarke(const QString& marke)
{
    // A mark that cannot be written stays as it was; the reason is kept for the Sichern button.
    const auto rs = recordset();
    if (!rs->SetzeWert(SpalteSave, marke) || !rs->Update()) {
        m_markenfehler = rs->LetzterFehler();
        rs->CancelUpdate();
        return false;
    }
    return true;
}

void Projektsicherung::SaveMarkeUmschalten()
{
    const auto rs = recordset();
    VbVariant v;
    if (!rs->Wert(SpalteSave, v))
        return;
    // Only " " becomes a mark; anything else, a Null included, becomes " ".
    setzeMarke(v.isString() && v.toString() == Leer ? Markiert : Leer);
    emit Geaendert();
}

void Projektsicherung::AllesMarkieren()
{
    m_allesMarkiert = !m_allesMarkiert;
    const QString marke = m_allesMarkiert ? Markiert : Leer;
    const auto rs = recordset();
    {
        Unterdrueckung u(m_unterdrückt);
        const int position = rs->Position();
        for (int i = 0; i < rs->Anzahl(); ++i) {
            rs->GeheZu(i);
            if (!setzeMarke(marke)) {
                // Stops at the first mark that cannot be stored and says so now, so the user
                // does not take the rows after it for marked.
                m_allesMarkiert = !m_allesMarkiert;
                Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2925),
                        QDir::toNativeSeparators(zustand().Projekt_Data_Source), m_markenfehler);
                m_markenfehler.clear();
                break;
            }
        }
        rs->GeheZu(position);
    }
    emit Geaendert();
}

QString Projektsicherung::AllesMarkierenCaption() const
{
    return LadeText(sprache() + (m_allesMarkiert ? 1313 : 1312));
}

QStringList Projektsicherung::markierteProjekte() const
{
    const auto rs = recordset();
    const int feld = rs->FeldIndex(SpalteSave);
    QStringList liste;
    for (int i = 0; i < rs->Anzahl(); ++i) {
        const VbVariant& v = rs->ZeilenWert(i, feld);
        if (v.isString() && v.toString() == Markiert)
            liste << ProjektNrDerZeile(i);
    }
    return liste;
}

void Projektsicherung::setzeLabel3(const QString& text)
{
    m_label3 = text;
    emit Geaendert();
}

Projektsicherung::Ergebnis Projektsicherung::ProjekteSichernInDatei()
{
    if (m_sichernLäuft)
        return Ergebnis::Läuft;
    Unterdrueckung sichern(m_sichernLäuft);
    m_beschäftigt = true;
    const QStringList projekte = markierteProjekte();
    if (projekte.isEmpty()) {
        QCoreApplication::processEvents();
        // Nothing is marked because no mark could be stored: that is what the user is told.
        if (!m_markenfehler.isEmpty())
            Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2925),
                    QDir::toNativeSeparators(zustand().Projekt_Data_Source), m_markenfehler);
        else
            Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2305));
        m_beschäftigt = false;
        return Ergebnis::KeineMarkierung;
    }
    m_abbruch = false;
    m_nichtGesichert.clear();
    emit LaufGeaendert(true);
    const Ergebnis e = sichere(projekte);
    m_beschäftigt = false;
    emit LaufGeaendert(false);
    Schliessen();
    return e;
}

bool Projektsicherung::prüfeZeichen(QStringList& projekte)
{
    // The number as the file holds it, compared as the restore compares numbers.
    QHash<QString, QStringList> nachDateinummer;
    for (const QString& nr : projekte) {
        QString imDatei = Sicherungsdatei::AusCp1252(Sicherungsdatei::NachCp1252(nr));
        for (QChar& c : imDatei)
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                c = QChar(c.unicode() + 32);
        nachDateinummer[imDatei] << nr;
    }
    QStringList kollidiert;
    for (const QString& nr : projekte)
        for (const QStringList& gruppe : std::as_const(nachDateinummer))
            if (gruppe.size() > 1 && gruppe.contains(nr))
                kollidiert << nr;
    if (!kollidiert.isEmpty()) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2922), kollidiert.join(QStringLiteral(", ")));
        for (const QString& nr : kollidiert)
            projekte.removeAll(nr);
        m_nichtGesichert << kollidiert;
    }

    QStringList ersetzt;
    {
        ManipDatenbank leser;
        if (leser.Save_OpenDBConnection() != TransferErgebnis::Fertig)
            return true;  // the writing reports it
        for (const QString& nr : std::as_const(projekte)) {
            QBuffer probe;
            probe.open(QIODevice::WriteOnly);
            bool fremd = false;
            sichereProjekt(leser, nr, probe, &fremd);
            if (fremd)
                ersetzt << nr;
        }
        leser.Save_CloseDBConnection();
    }
    if (ersetzt.isEmpty())
        return true;
    const QString frage = ErsetzeZeilenumbruch(FormatText(LadeText(sprache() + 2923), {ersetzt.join(QStringLiteral(", "))}));
    return MsgBox(frage, MsgStil::JaNein | MsgStil::Ausrufezeichen, LadeText(sprache() + 1607)) == MsgAntwort::Ja;
}

Projektsicherung::Ergebnis Projektsicherung::sichere(QStringList projekte)
{
    const qsizetype markiert = projekte.size();
    if (!prüfeZeichen(projekte))
        return Ergebnis::Abgebrochen;
    if (projekte.isEmpty())
        return Ergebnis::Fehlgeschlagen;
    FileOP dateien;
    QString tempgrund;
    Zwischendatei temp{dateien.GetTempName(&tempgrund)};
    if (temp.pfad.isEmpty()) {
        const QString ordner = zustand().TempOrdner.isEmpty() ? QDir::tempPath() : zustand().TempOrdner;
        Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 3125), QDir::toNativeSeparators(ordner), tempgrund);
        return Ergebnis::Fehlgeschlagen;
    }
    std::unique_ptr<QIODevice> datei = öffneZwischendatei(temp.pfad);
    if (!datei) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2914), QDir::toNativeSeparators(temp.pfad));
        return Ergebnis::Fehlgeschlagen;
    }

    bool schreibfehler = false;
    long r = 0;
    {
        ManipDatenbank schreiber;
        m_schreiber = &schreiber;
        r = schreibe(schreiber, *datei, projekte, schreibfehler);
        m_schreiber = nullptr;
    }
    if (auto* f = qobject_cast<QFileDevice*>(datei.get()); f && (!f->flush() || f->error() != QFileDevice::NoError))
        schreibfehler = true;
    datei->close();
    datei.reset();
    setzeLabel3(QString());

    if (r == TransferErgebnis::Benutzerabbruch)
        return Ergebnis::Abgebrochen;
    if (schreibfehler) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2914), QDir::toNativeSeparators(temp.pfad));
        return Ergebnis::Fehlgeschlagen;
    }
    if (r != TransferErgebnis::Fertig && m_nichtGesichert.isEmpty())
        return Ergebnis::Fehlgeschlagen;  // the writer could not open; the table access told why
    if (!m_nichtGesichert.isEmpty()) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2913),
                m_nichtGesichert.join(QStringLiteral(", ")));
        if (m_nichtGesichert.size() == markiert)
            return Ergebnis::Fehlgeschlagen;
    }

    QString ziel;
    {
        Ordnerwahrung ordner;
        ziel = DateiDialog(QStringLiteral("C:\\"), QStringLiteral("*.sic"), LadeText(sprache() + 1402), true);
        QCoreApplication::processEvents();
        QString grund;
        if (!ziel.isEmpty() && dateien.Save(temp.pfad, ziel, false, &grund) != 0) {
            Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2961), QDir::toNativeSeparators(ziel), grund);
            return Ergebnis::Fehlgeschlagen;
        }
    }
    if (ziel.isEmpty())
        return Ergebnis::KeineDatei;
    return m_nichtGesichert.isEmpty() ? Ergebnis::Gesichert : Ergebnis::Unvollständig;
}

// Each project is written into a block of its own and added to the file only when complete, so a
// project that fails leaves nothing behind. Pending events run between projects.
long Projektsicherung::schreibe(ManipDatenbank& schreiber, QIODevice& datei, const QStringList& projekte,
                                bool& schreibfehler)
{
    long r = schreiber.Save_OpenDBConnection();
    if (r != TransferErgebnis::Fertig)
        return r;
    for (const QString& nr : projekte) {
        setzeLabel3(nr);
        QCoreApplication::processEvents();
        if (m_abbruch) {
            r = TransferErgebnis::Benutzerabbruch;
            break;
        }
        QBuffer block;
        block.open(QIODevice::WriteOnly);
        r = sichereProjekt(schreiber, nr, block);
        if (r == TransferErgebnis::Benutzerabbruch)
            break;
        if (r != TransferErgebnis::Fertig) {
            m_nichtGesichert << nr;
            continue;
        }
        if (datei.write(block.data()) != block.size()) {
            schreibfehler = true;
            break;
        }
    }
    schreiber.Save_CloseDBConnection();
    return r;
}

void Projektsicherung::Abbrechen()
{
    if (m_schreiber) {
        m_schreiber->Save_Cancel();
        m_abbruch = true;
    }
    Schliessen();
}

bool Projektsicherung::Schliessen()
{
    if (m_beschäftigt)
        return false;
    schliesseAuf(m_projektNrBeiÖffnung);
    return true;
}
