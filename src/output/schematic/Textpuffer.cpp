#include "output/schematic/Textpuffer.h"

#include "base/Zahlen.h"
#include "output/schematic/DXFSymbollauf.h"

namespace {

const QString Null = QStringLiteral("  0");
constexpr int Fitdurchläufe = 101;
constexpr double Anfangsgrad = 10;
// Width factor of a text that fits at 10 points, and what each lowering takes off above 1.08.
constexpr Festkomma Breitenfaktor10Punkte = Festkomma::AusZehntausendsteln(11000);
constexpr Festkomma BreitenfaktorSchwelle = Festkomma::AusZehntausendsteln(10800);
constexpr Festkomma BreitenfaktorSchritt = Festkomma::AusZehntausendsteln(800);
// A label that stands for a field is measured as if it had at least this many characters.
const QString Mindesttext = QStringLiteral("00000000");

}  // namespace

bool Textpuffer::Neu(const QString& zeile)
{
    if (m_zeilen.size() >= Größe)
        return false;
    m_zeilen << zeile;
    return true;
}

QString Beschriftung(const QString& v, const QString& layer, const DXFFelder& feld, const QDateTime& jetzt, bool* fest)
{
    *fest = false;
    if (layer == u"Textstat") {
        *fest = true;
        return v;
    }
    if (!v.isEmpty()) {
        const QChar d = v.back();
        if (d >= u'1' && d <= u'9')
            return feld[static_cast<size_t>(d.unicode() - u'0' + 2)];
    }
    if (v == u"$QZV$")
        return QStringLiteral("Printing: ") + Zahlen::DatumText(jetzt);
    *fest = true;
    return v;
}

QString Messtext(const QString& label, bool fest)
{
    return fest || label.size() >= Mindesttext.size() ? label : Mindesttext;
}

Einpassung Einpassen(Zeichenflaeche& flaeche, const QString& messtext, double W, Festkomma breitenfaktor)
{
    Einpassung e;
    e.schriftgrad = Anfangsgrad;
    e.breitenfaktor = breitenfaktor;
    flaeche.setzeSchrift(QString::fromLatin1(Schemazeichner::Schriftname), e.schriftgrad, false);
    for (int durchlauf = 0; durchlauf < Fitdurchläufe; ++durchlauf) {
        if (!(flaeche.textBreite(messtext) > W))
            continue;
        if (e.schriftgrad <= 1)
            break;
        e.schriftgrad -= 1;
        flaeche.setzeSchrift(QString::fromLatin1(Schemazeichner::Schriftname), e.schriftgrad, false);
        if (e.breitenfaktor > BreitenfaktorSchwelle)
            Festkomma::Differenz(e.breitenfaktor, BreitenfaktorSchritt, e.breitenfaktor);
    }
    return e;
}

bool DXFSymbollauf::Text()
{
    Beginne(QStringLiteral("TEXT"));
    Textpuffer puffer;
    Festkomma x1, y1, x2, y2, w;
    Festkomma breitenfaktor;
    QString label;
    bool fest = false;

    // Reads the next line into the buffer; a full buffer ends the symbol.
    const auto neu = [&](QString& zeile) {
        if (!Lies(zeile))
            return false;
        if (!puffer.Neu(zeile))
            return Fehlschlag(Ende::Fehler);
        return true;
    };
    // Reads the value line, moved by the origin, and replaces it by its text.
    const auto koordinate = [&](Festkomma ursprung, Festkomma& ziel) {
        QString wert;
        if (!neu(wert))
            return false;
        Festkomma v;
        if (!DXFZahl::Lese(wert, v) || !Festkomma::Summe(v, ursprung, ziel))
            return Fehlschlag(Ende::Fehler);
        puffer[puffer.Letzte()] = Formatiere(ziel);
        return true;
    };

    for (;;) {
        QString zeile;
        if (!neu(zeile))
            return false;
        bool ok = true;
        if (zeile == u"  8") {
            QString wert;
            ok = neu(wert);
            m_layer = wert.trimmed();
        } else if (zeile == u" 62") {
            QString wert;
            ok = neu(wert);
            m_farbe = Farbnummer(wert);
        } else if (zeile == u" 10") {
            ok = koordinate(m_ox, x1);
            puffer.Stelle10 = puffer.Letzte();
            ++m_anzahl;
        } else if (zeile == u" 20") {
            ok = koordinate(m_oy, y1);
            ++m_anzahl;
        } else if (zeile == u" 30") {
            ok = koordinate(Festkomma(), w);
        } else if (zeile == u" 40" && m_anzahl == 2) {
            ok = koordinate(Festkomma(), w);
            m_anzahl = 3;
        } else if (zeile == u" 41") {
            QString wert;
            ok = neu(wert);
            puffer.Stelle41 = puffer.Letzte();
            breitenfaktor = Breitenfaktor10Punkte;
        } else if (zeile == u" 72") {
            QString wert;
            if (!neu(wert))
                return false;
            Festkomma art;
            if (!DXFZahl::Lese(wert, art) || art != Festkomma(5))
                return Fehlschlag(Ende::Defekt);
            // Centred between the two points.
            puffer[puffer.Letzte()] = QStringLiteral("    1");
            ++m_anzahl;
        } else if (zeile == u" 11") {
            ok = koordinate(m_ox, x2);
            puffer.Stelle11 = puffer.Letzte();
            ++m_anzahl;
        } else if (zeile == u" 21") {
            ok = koordinate(m_oy, y2);
            ++m_anzahl;
        } else if (zeile == u" 31") {
            ok = koordinate(Festkomma(), w);
            ++m_anzahl;
        } else if (zeile == u"  1" && m_anzahl == 3) {
            QString wert;
            if (!neu(wert))
                return false;
            label = Beschriftung(wert, m_layer, m_feld, m_z.Uhr ? m_z.Uhr() : QDateTime::currentDateTime(), &fest);
            puffer[puffer.Letzte()] = label;
            m_anzahl = 4;
        } else if (zeile == Null && m_anzahl >= 8) {
            break;
        }
        if (!ok)
            return false;
    }

    // The alignment point of a centred text is the middle of the two points.
    if (puffer.Stelle10 >= 0 && puffer.Stelle11 >= 0) {
        Festkomma xa, xb, d, mitte;
        if (!DXFZahl::Lese(puffer[puffer.Stelle10], xa) || !DXFZahl::Lese(puffer[puffer.Stelle11], xb) ||
            !Festkomma::Differenz(xb, xa, d) || !Festkomma::Summe(xa, d.Haelfte(), mitte))
            return Fehlschlag(Ende::Fehler);
        puffer[puffer.Stelle11] = Formatiere(mitte);
        puffer[puffer.Stelle10] = Formatiere(xa);
    }

    if (Zeichenflaeche* bild = m_z.PictureDXF) {
        const double a = x1.AlsDouble() * m_mass_stab;
        const double b = x2.AlsDouble() * m_mass_stab;
        const Einpassung e = Einpassen(*bild, Messtext(label, fest), b - a, breitenfaktor);
        breitenfaktor = e.breitenfaktor;
        const double H = bild->höhe();
        const QPointF oben_links(Zahlen::AlsSingle(a + (b - a) / 2 - bild->textBreite(label) / 2),
                                 Zahlen::AlsSingle(H - (y1.AlsDouble() * m_mass_stab + bild->textHöhe(label) / 1.5)));
        if (m_z.ausdruck == u"J" && m_z.Printer) {
            m_z.Printer->setzeSchrift(QString::fromLatin1(Schemazeichner::Schriftname), e.schriftgrad, false);
            m_z.Printer->text(oben_links, label);
        }
        bild->text(oben_links, label);
    }
    // Without group 41 there is no place for the width factor.
    if (puffer.Stelle41 >= 0)
        puffer[puffer.Stelle41] = Formatiere(breitenfaktor);

    for (const QString& z : puffer.Zeilen())
        Schreibe(z);
    m_anzahl = 0;
    return true;
}
