#include "output/schematic/Orderdatei.h"

#include <cmath>

#include "base/Dateileser.h"
#include "base/Dateischreiber.h"
#include "base/Zahlen.h"
#include "data/Sicherungsdatei.h"

QString Symbolzeile::Zeile() const
{
    const QChar tab(u'\t');
    QString z = QString::number(Block) + tab + Orderdatei::Einzeilig(Symbol) + tab;
    for (const QString& t : Texte)
        z += Orderdatei::Einzeilig(t) + tab;
    return z;
}

namespace Orderdatei {
namespace {

// Upper case character by character: a letter without a one-character capital ("ß") stays.
QString Grossbuchstaben(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

}  // namespace

QString Einzeilig(const QString& wert)
{
    QString r = wert;
    for (QChar& c : r)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return r;
}

QByteArray Kodiere(const QStringList& zeilen)
{
    QByteArray r;
    for (const QString& z : zeilen) {
        r += Sicherungsdatei::NachCp1252(z);
        r += "\r\n";
    }
    return r;
}

QString Dekodiere(const QByteArray& zeile)
{
    return Sicherungsdatei::AusCp1252(zeile);
}

bool SchreibeBytes(const QString& pfad, const QByteArray& inhalt, QString* fehler)
{
    return SchreibeDatei(pfad, inhalt, fehler);
}

bool Schreibe(const QString& pfad, const QStringList& zeilen, QString* fehler)
{
    return SchreibeBytes(pfad, Kodiere(zeilen), fehler);
}

bool LeseBytes(const QString& pfad, QByteArray& inhalt, QString* fehler)
{
    return LeseFremdeDatei(pfad, MaxDateigroesse, inhalt, fehler) == Fremdlesen::Gelesen;
}

void Leser::Zeile(const QString& roh)
{
    const QString zeile = Grossbuchstaben(roh);
    if (zeile == QLatin1String(MarkeOrder))
        m_abschnitt = 2;
    else if (zeile == QLatin1String(MarkeObjekt))
        m_abschnitt = 3;
    else if (zeile == QLatin1String(MarkeEnde))
        m_abschnitt = 4;

    switch (m_abschnitt) {
    case 2:
        Schlüsselzeile(zeile);
        break;
    case 3:
        Symbolzeile(zeile);
        break;
    case 4:
        if (abschluss)
            abschluss();
        break;
    default:
        break;
    }
}

void Leser::Schlüsselzeile(const QString& zeile)
{
    const qsizetype gleich = zeile.indexOf(u'=');
    if (gleich < 0)
        return;
    const double zahl = Zahlen::RundenGerade(Zahlen::Val(zeile.left(gleich).trimmed()));
    if (!(zahl >= 0 && zahl < AnzahlSchlüssel))
        return;
    QString wert = zeile.mid(gleich + 1);
    qsizetype i = 0;
    while (i < wert.size() && wert.at(i) == u' ')
        ++i;
    m_schlüssel[static_cast<size_t>(zahl)] = wert.mid(i);
}

void Leser::Symbolzeile(const QString& zeile)
{
    const qsizetype tab = zeile.indexOf(u'\t');
    if (tab < 0)
        return;
    const double block = Zahlen::Val(zeile.left(tab).trimmed());
    if (block == 0 || !(block < ErsterNichtGezeichneterBlock))
        return;
    // A field ends at its TAB; the first empty (or unterminated) field ends the taking.
    qsizetype anfang = 0;
    for (int k = 0; k < AnzahlFelder; ++k) {
        const qsizetype ende = zeile.indexOf(u'\t', anfang);
        const QString feld = ende < 0 ? QString() : zeile.mid(anfang, ende - anfang);
        m_felder[static_cast<size_t>(k)] = feld;
        if (feld.isEmpty())
            break;
        anfang = ende + 1;
    }
    m_felder[1] = m_schlüssel[4] + m_felder[1];
    if (zeichne)
        zeichne(m_felder);
}

QList<QByteArray> Zeilen(const QByteArray& inhalt)
{
    QList<QByteArray> zeilen;
    qsizetype anfang = 0;
    while (anfang < inhalt.size()) {
        qsizetype ende = inhalt.indexOf('\n', anfang);
        if (ende < 0)
            ende = inhalt.size();
        QByteArray z = inhalt.mid(anfang, ende - anfang);
        if (z.endsWith('\r'))
            z.chop(1);
        zeilen << z;
        anfang = ende + 1;
    }
    return zeilen;
}

void Leser::Lese(const QByteArray& inhalt)
{
    for (const QByteArray& z : Zeilen(inhalt)) {
        Zeile(Dekodiere(z));
        if (nachZeile)
            nachZeile();
    }
}

bool Leser::LeseDatei(const QString& pfad)
{
    QByteArray inhalt;
    if (!LeseBytes(pfad, inhalt))
        return false;
    Lese(inhalt);
    return true;
}

}  // namespace Orderdatei
