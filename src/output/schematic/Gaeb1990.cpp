#include "output/schematic/Gaeb1990.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cmath>

#include "base/AllgFunktionen.h"
#include "base/FileOP.h"
#include "base/HilfsFktCommDlg.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/Sicherungsdatei.h"

namespace {

constexpr int Inhaltsbreite = 72;  // columns 3-74
const QByteArray CrLf("\r\n");

// Puts the current folder back after the file dialog.
struct Ordnerwahrung {
    QString ordner = QDir::currentPath();
    ~Ordnerwahrung() { QDir::setCurrent(ordner); }
};

QByteArray blanks(int n)
{
    return QByteArray(n, ' ');
}

// A text field: cut to breite and padded with blanks on the right.
QByteArray feld(const QByteArray& text, int breite)
{
    QByteArray f = text.left(breite);
    f.append(blanks(breite - static_cast<int>(f.size())));
    return f;
}

QByteArray textfeld(const QString& text, int breite)
{
    return feld(Gaeb1990::UmlauteKonvertieren(text), breite);
}

// The special characters with their code page 850 bytes.
struct Umlaut {
    char16_t zeichen;
    char byte;
};
constexpr Umlaut Umlaute[] = {
    {u'Ä', '\x8E'}, {u'Ö', '\x99'}, {u'Ü', '\x9A'}, {u'ä', '\x84'}, {u'ö', '\x94'}, {u'ü', '\x81'},
    {u'ß', '\xE1'}, {u'°', '\xF8'}, {u'§', '\xF5'}, {u'²', '\xFD'}, {u'³', '\xFC'}};

int sprache()
{
    return zustand().Sprachoffset;
}

}  // namespace

QByteArray Gaeb1990::UmlauteKonvertieren(const QString& text)
{
    QByteArray b;
    b.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;  // one character outside the code page
            b.append('?');
            continue;
        }
        if (c.category() == QChar::Other_Control) {
            b.append(' ');
            continue;
        }
        bool umlaut = false;
        for (const Umlaut& u : Umlaute) {
            if (c.unicode() == u.zeichen) {
                b.append(u.byte);
                umlaut = true;
                break;
            }
        }
        if (!umlaut)
            b.append(Sicherungsdatei::NachCp1252(QString(c)));
    }
    return b;
}

Gaeb1990::Gaeb1990()
{
    m_tempname = FileOP().GetTempName();
    if (!m_tempname.isEmpty()) {
        auto f = std::make_unique<QFile>(m_tempname);
        // Unbuffered: a write error shows at the record that meets it.
        if (f->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            m_datei = std::move(f);
            return;
        }
        entferneTempdatei();
    }
    const QString ordner = zustand().TempOrdner.isEmpty() ? QDir::tempPath() : zustand().TempOrdner;
    m_fehler = true;
    Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2926),
            QDir::toNativeSeparators(m_tempname.isEmpty() ? ordner : m_tempname));
}

Gaeb1990::Gaeb1990(std::unique_ptr<QIODevice> geraet, const QString& pfad)
    : m_datei(std::move(geraet)), m_tempname(pfad)
{
}

Gaeb1990::~Gaeb1990()
{
    entferneTempdatei();
}

void Gaeb1990::entferneTempdatei()
{
    if (m_datei)
        m_datei->close();
    if (!m_tempname.isEmpty() && QFile::exists(m_tempname))
        QFile::remove(m_tempname);
}

bool Gaeb1990::schreibfehler()
{
    m_fehler = true;
    Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2926), QDir::toNativeSeparators(m_tempname));
    return false;
}

bool Gaeb1990::verweigere(const QString& text, const QString& wert)
{
    m_fehler = true;
    if (wert.isEmpty())
        Meldung(Meldungsart::Anwendungsfehler, text);
    else
        Meldung(Meldungsart::Anwendungsfehler, text, wert);
    return false;
}

// One record: type, content (columns 3-74) and the running record number.
bool Gaeb1990::schreibeSatz(const char* art, const QByteArray& inhalt)
{
    if (!Bereit() || m_geschlossen)
        return false;
    if (m_saetze >= MaxSaetze)
        return verweigere(LadeText(sprache() + 2929));
    ++m_saetze;
    QByteArray satz(art);
    satz += feld(inhalt, Inhaltsbreite);
    satz += QByteArray::number(static_cast<qlonglong>(m_saetze)).rightJustified(6, '0');
    satz += CrLf;
    if (m_datei->write(satz) != satz.size())
        return schreibfehler();
    return true;
}

bool Gaeb1990::WriteKopf(const QDate& LvDatum, const QString& LvBezeichnung, const QString& bemerkung)
{
    // 00: exchange phase 81, structure mask of the ordinal numbers, version 90.
    if (!schreibeSatz("00", blanks(8) + "81" + "L" + blanks(49) + "1122PPPPI" + "90"))
        return false;

    const QByteArray datum = LvDatum.isValid() ? LvDatum.toString(QStringLiteral("dd.MM.yy")).toLatin1() : QByteArray();
    if (!schreibeSatz("01", textfeld(LvBezeichnung, 40) + feld(datum, 8)))
        return false;

    // 02: one record per CR LF line, at least one, at most nine; a closing CR LF adds none.
    const QString crlf = QStringLiteral("\r\n");
    qsizetype p = 0;
    for (int i = 1; i <= MaxBemerkungszeilen; ++i) {
        const qsizetype b = bemerkung.indexOf(crlf, p);
        const QString zeile = b < 0 ? bemerkung.mid(p) : bemerkung.mid(p, b - p);
        if (!schreibeSatz("02", textfeld(zeile, 60)))
            return false;
        if (b < 0 || b + 2 >= bemerkung.size())
            break;
        p = b + 2;
    }

    return schreibeSatz("08", feld("EUR", 6) + feld("Euro", 50));
}

bool Gaeb1990::WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& Kurztext1,
                                   const QString& Kurztext2)
{
    if (!Bereit() || m_geschlossen)
        return false;
    if (posNr < 0 || posNr > MaxPosNr)
        return verweigere(LadeText(sprache() + 2927), QString::number(posNr));
    // Three implied decimals in eleven digits.
    const double tausendstel = menge * 1000.0;
    const QString mengentext = std::isfinite(menge) ? Zahlen::CStr(menge) : QStringLiteral("?");
    if (!std::isfinite(tausendstel) || menge < 0 || tausendstel >= MaxMengeTausendstel + 0.5)
        return verweigere(LadeText(sprache() + 2928), mengentext);
    const QByteArray mengenfeld = Zahlen::Format(tausendstel, QStringLiteral("00000000000")).toLatin1();
    if (mengenfeld.size() != 11)
        return verweigere(LadeText(sprache() + 2928), mengentext);
    if (m_positionen >= MaxPositionen)
        return verweigere(LadeText(sprache() + 2929));

    const QByteArray nr = QByteArray::number(posNr).rightJustified(4, '0');
    const QByteArray art = bedarfsPos ? "E" : "N";
    if (!schreibeSatz("21", blanks(4) + nr + " " + "N" + art + "N" + blanks(9) + mengenfeld + "Stck"))
        return false;
    ++m_positionen;
    if (!schreibeSatz("25", textfeld(Kurztext1, 70)))
        return false;
    if (!Kurztext2.isEmpty())
        return schreibeSatz("25", textfeld(Kurztext2, 70));
    return true;
}

bool Gaeb1990::WriteLangtext(const QString& langtTextZeile)
{
    return schreibeSatz("26", blanks(3) + textfeld(langtTextZeile, 55));
}

bool Gaeb1990::WriteEinleitungHinweistext()
{
    return schreibeSatz("20", QByteArray());
}

bool Gaeb1990::WriteEnde()
{
    return schreibeSatz("99", blanks(67) + QByteArray::number(static_cast<qlonglong>(m_positionen)).rightJustified(5, '0'));
}

// Closes the temporary file, asks for the target until the copy succeeds or the user cancels,
// and removes the temporary file.
bool Gaeb1990::SaveAndClose()
{
    if (!Bereit() || m_geschlossen)
        return false;
    m_geschlossen = true;
    m_datei->close();
    if (auto* f = qobject_cast<QFileDevice*>(m_datei.get()); f && f->error() != QFileDevice::NoError) {
        schreibfehler();
        entferneTempdatei();
        return false;
    }

    bool gespeichert = false;
    {
        Ordnerwahrung ordner;
        QString start = QDir::toNativeSeparators(QDir::homePath() + QLatin1Char('/'));
        for (;;) {
            const QString ziel = DateiDialog(start, QStringLiteral("*.d81"), LadeText(sprache() + 1404), true);
            QCoreApplication::processEvents();
            if (ziel.isEmpty())
                break;
            QString grund;
            if (FileOP().Save(m_tempname, ziel, false, &grund) == 0) {
                m_zielname = ziel;
                gespeichert = true;
                break;
            }
            Meldung(Meldungsart::Anwendungsfehler, LadeText(sprache() + 2960), QDir::toNativeSeparators(ziel), grund);
            start = ziel;
        }
    }
    entferneTempdatei();
    return gespeichert;
}

std::unique_ptr<Ausschreibungsschreiber> NeuerGaeb1990()
{
    auto g = std::make_unique<Gaeb1990>();
    if (!g->Bereit())
        return nullptr;
    return g;
}
