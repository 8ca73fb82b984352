#include "output/schematic/DXFzeichnen.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

#include "base/AllgFunktionen.h"
#include "base/MessagePresenter.h"
#include "base/Zahlen.h"
#include "output/schematic/DXFSymbollauf.h"
#include "output/schematic/Orderdatei.h"

namespace {

constexpr int TextNrSymbolNichtGefunden = 2243;
constexpr int TextNrSymbolDefekt = 2244;
constexpr int TextNrBlockUngueltig = 2245;

// The arc angles are turned into radians with this value, not a more precise pi.
constexpr double Pi = 3.14159265359;

const QString Null = QStringLiteral("  0");

QString Programmtitel()
{
    return QStringLiteral("Kelvor");
}

// A plain box with the program's title.
void Melde(const QString& text)
{
    MsgBox(text, MsgStil::OK, Programmtitel());
}

// Finds a path whose components may differ in case from the file system's names (the order file
// hands the names over in upper case). An exact name wins over one that differs in case only.
QString FindeOhneGroßKlein(const QString& pfad)
{
    if (pfad.isEmpty())
        return QString();
    QString p = pfad;
    p.replace(u'\\', u'/');
    if (QFileInfo(p).isFile())
        return p;
    const bool absolut = p.startsWith(u'/');
    const QStringList teile = p.split(u'/', Qt::SkipEmptyParts);
    QString weg = absolut ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString& teil : teile) {
        QDir ordner(weg);
        QString gefunden;
        if (QFileInfo::exists(ordner.filePath(teil))) {
            gefunden = teil;
        } else {
            QStringList namen = ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Name);
            for (const QString& n : namen)
                if (n.compare(teil, Qt::CaseInsensitive) == 0) {
                    gefunden = n;
                    break;
                }
        }
        if (gefunden.isEmpty())
            return QString();
        weg = ordner.filePath(gefunden);
    }
    return QFileInfo(weg).isFile() ? weg : QString();
}

// The lines of a symbol file (code page 1252; CR LF or LF); false when it cannot be read.
bool LeseZeilen(const QString& pfad, QStringList& zeilen)
{
    QByteArray inhalt;
    if (!Orderdatei::LeseBytes(pfad, inhalt))
        return false;
    for (const QByteArray& z : Orderdatei::Zeilen(inhalt))
        zeilen << Orderdatei::Dekodiere(z);
    return true;
}

// The block number of feld(1): a number alone (blanks around it allowed), rounded half to even.
bool Blocknummer(const QString& text, int& block)
{
    bool nurZahl = false;
    const double w = DXFZahl::LeseDouble(text, &nurZahl);
    if (!nurZahl)
        return false;
    const double n = Zahlen::RundenGerade(w);
    if (!(n >= 0 && n <= Schemazeichner::LetzterBlockMitBreite))
        return false;
    block = static_cast<int>(n);
    return true;
}

}  // namespace

DXFFelder FelderDerSymbolzeile(const std::array<QString, Orderdatei::Leser::AnzahlFelder>& felder)
{
    DXFFelder feld;
    for (size_t k = 0; k < felder.size(); ++k)
        feld[k + 1] = felder[k];
    return feld;
}

void DXFGeraetestrom::WriteLine(const QString& zeile)
{
    if (!m_ok)
        return;
    const QByteArray b = Orderdatei::Kodiere({zeile});
    m_ok = m_geraet.write(b) == b.size();
}

bool Schemazeichner::Blockursprung(int n, Festkomma& x, Festkomma& y)
{
    if (n == 0) {
        x = 50;
        y = 50;
    } else if (n >= 1 && n <= 99) {
        x = 90 + 620 * (n - 1);
        y = 1800;
    } else if (n >= 100 && n <= 199) {
        x = 200 + 350 * (n - 100);
        y = 700;
    } else {
        return false;
    }
    return true;
}

void Schemazeichner::SymboleBehalten(bool behalten)
{
    if (behalten)
        m_symbole.emplace();
    else
        m_symbole.reset();
}

bool Schemazeichner::Blockbreite(int n, Festkomma& breite)
{
    Festkomma x, y, xNächster, yNächster;
    if (!Blockursprung(n, x, y) || !Blockursprung(n + 1, xNächster, yNächster))
        return false;
    return Festkomma::Differenz(xNächster, x, breite);
}

void Schemazeichner::DXFzeichnen(const DXFFelder& feld, float mass_stab, int Ziel, DXFZeilenstrom& DXFtempstream)
{
    (void)Ziel;
    m_letzterFehler.clear();
    const QString& pfad = feld[2];

    int block = 0;
    if (!Blocknummer(feld[1], block)) {
        m_letzterFehler = ErsetzeZeilenumbruch(FormatText(LadeText(TextNrBlockUngueltig), feld[1], pfad));
        Melde(m_letzterFehler);
        return;
    }

    // The lines are shared, so a kept file costs no copy.
    QStringList zeilen = m_symbole ? m_symbole->value(pfad) : QStringList();
    if (zeilen.isEmpty()) {
        const QString gefunden = FindeOhneGroßKlein(pfad);
        if (gefunden.isEmpty() || !LeseZeilen(gefunden, zeilen)) {
            m_letzterFehler = LadeText(TextNrSymbolNichtGefunden) + QStringLiteral("\r\n") + pfad;
            Melde(m_letzterFehler);
            return;
        }
        if (m_symbole)
            m_symbole->insert(pfad, zeilen);
    }

    DXFSymbollauf lauf(*this, feld, mass_stab, DXFtempstream, zeilen, block);
    const DXFSymbollauf::Ende ende = lauf.Lauf();
    if (ende == DXFSymbollauf::Ende::Gut)
        return;
    m_letzterFehler = LadeText(ende == DXFSymbollauf::Ende::Defekt ? TextNrSymbolDefekt : TextNrSymbolNichtGefunden) +
                      QStringLiteral("\r\n") + pfad;
    Melde(m_letzterFehler);
}

// --- One call ----------------------------------------------------------------------------

DXFSymbollauf::DXFSymbollauf(Schemazeichner& zeichner, const DXFFelder& feld, float mass_stab,
                             DXFZeilenstrom& strom, const QStringList& zeilen, int block)
    : m_z(zeichner), m_feld(feld), m_mass_stab(mass_stab), m_strom(strom), m_zeilen(zeilen), m_block(block)
{
    Schemazeichner::Blockursprung(block, m_ox, m_oy);
    Schemazeichner::Blockbreite(block, m_breite);
}

bool DXFSymbollauf::Fehlschlag(Ende e)
{
    if (m_ende == Ende::Gut)
        m_ende = e;
    return false;
}

bool DXFSymbollauf::Lies(QString& zeile)
{
    if (AmEnde())
        return Fehlschlag(Ende::Defekt);
    zeile = m_zeilen.at(m_pos++);
    return true;
}

bool DXFSymbollauf::Kopiere(QString& wert)
{
    if (!Lies(wert))
        return false;
    Schreibe(wert);
    return true;
}

bool DXFSymbollauf::Koordinate(Festkomma ursprung, Festkomma& ziel)
{
    QString wert;
    if (!Lies(wert))
        return false;
    Festkomma w;
    if (!DXFZahl::Lese(wert, w) || !Festkomma::Summe(w, ursprung, ziel))
        return Fehlschlag(Ende::Fehler);
    Schreibe(Formatiere(ziel));
    return true;
}

bool DXFSymbollauf::Linientyp()
{
    QString wert;
    if (!Kopiere(wert))
        return false;
    if (wert.trimmed() == u"PUNKT")
        m_strichart = 2;
    return true;
}

bool DXFSymbollauf::Layer(QString& layerGross)
{
    QString wert;
    if (!Kopiere(wert))
        return false;
    m_layer = wert.trimmed();
    layerGross = m_layer.toUpper();
    return true;
}

bool DXFSymbollauf::Farbe()
{
    QString wert;
    if (!Kopiere(wert))
        return false;
    m_farbe = Farbnummer(wert);
    return true;
}

int32_t DXFSymbollauf::Farbnummer(const QString& wert)
{
    const double n = DXFZahl::LeseDouble(wert);
    const bool ganz = std::isfinite(n) && n == std::floor(n) && std::fabs(n) < 1e9;
    return dxf_farbe(ganz ? QString::number(static_cast<long long>(n)) : QString::number(n));
}

void DXFSymbollauf::Beginne(const QString& art)
{
    Schreibe(art);
    m_strichart = 0;
    if (m_z.PictureDXF)
        m_z.PictureDXF->setzeStrichart(0);
    m_anzahl = 0;
}

bool DXFSymbollauf::Grundgruppe(const QString& zeile, unsigned gruppen, Festkomma& x, Festkomma& y, Festkomma& z,
                                bool& ok)
{
    if (zeile == u"  6" && (gruppen & MitLinientyp)) {
        ok = Linientyp();
    } else if (zeile == u"  8") {
        QString l;
        ok = Layer(l);
        if (gruppen & SetztZelt)
            m_zelt = l == u"ZELT";
        if (gruppen & SetztZeltr)
            m_zeltr = l == u"ZELTR";
        if (gruppen & SetztZeltfl)
            m_zeltfl = l == u"ZELTFL";
    } else if (zeile == u" 62") {
        ok = Farbe();
    } else if (zeile == u" 10") {
        ok = Koordinate(m_ox, x);
        ++m_anzahl;
    } else if (zeile == u" 20") {
        ok = Koordinate(m_oy, y);
        ++m_anzahl;
    } else if (zeile == u" 30") {
        ok = Koordinate(Festkomma(), z);
        ++m_anzahl;
    } else {
        return false;
    }
    return true;
}

QPointF DXFSymbollauf::Abbild(Festkomma x, Festkomma y) const
{
    const double H = m_z.PictureDXF ? m_z.PictureDXF->höhe() : 0;
    return {Zahlen::AlsSingle(x.AlsDouble() * m_mass_stab), Zahlen::AlsSingle(H - y.AlsDouble() * m_mass_stab)};
}

double DXFSymbollauf::Länge(Festkomma r) const
{
    return Zahlen::AlsSingle(r.AlsDouble() * m_mass_stab);
}

void DXFSymbollauf::Zeichne(const std::function<void(Zeichenflaeche&)>& op, bool strichartSetzen)
{
    if (!m_z.PictureDXF)
        return;
    if (strichartSetzen)
        m_z.PictureDXF->setzeStrichart(m_strichart);
    op(*m_z.PictureDXF);
    if (m_z.ausdruck == u"J" && m_z.Printer) {
        if (strichartSetzen)
            m_z.Printer->setzeStrichart(m_strichart);
        op(*m_z.Printer);
        if (strichartSetzen)
            m_z.Printer->setzeStrichart(0);
    }
    if (strichartSetzen) {
        m_strichart = 0;
        m_z.PictureDXF->setzeStrichart(0);
    }
}

DXFSymbollauf::Ende DXFSymbollauf::Lauf()
{
    // Before the entities: nothing is drawn or written.
    bool entities = false;
    while (!AmEnde()) {
        if (m_zeilen.at(m_pos++).trimmed() == u"ENTITIES") {
            entities = true;
            break;
        }
    }
    if (!entities)
        return Ende::Gut;

    QString zeile;
    if (!Lies(zeile))
        return m_ende;
    zeile = zeile.trimmed();
    for (;;) {
        if (zeile == u"ENDSEC" || zeile == u"EOF") {
            if (AmEnde())
                return Ende::Gut;
            Lies(zeile);
            zeile = zeile.trimmed();
            continue;
        }
        bool weiter = true;
        if (zeile == u"LINE")
            weiter = Linie();
        else if (zeile == u"CIRCLE")
            weiter = Kreis();
        else if (zeile == u"ARC")
            weiter = Bogen();
        else if (zeile == u"POINT")
            weiter = Punkt();
        else if (zeile == u"TEXT")
            weiter = Text();
        else if (zeile == u"POLYLINE")
            weiter = Polylinie();
        if (!weiter)
            return m_ende;
        // The next line as it stands.
        if (!Lies(zeile))
            return m_ende;
    }
}

bool DXFSymbollauf::Linie()
{
    Beginne(QStringLiteral("LINE"));
    Festkomma x1, y1, x2, y2, z;
    const bool obereReihe = m_block >= 1 && m_block <= 99;
    for (;;) {
        QString zeile;
        if (!Kopiere(zeile))
            return false;
        bool ok = true;
        if (zeile == u" 10") {
            // The first point starts the count anew.
            ok = Koordinate(m_ox, x1);
            m_anzahl = 1;
        } else if (zeile == u" 31") {
            ok = Koordinate(Festkomma(), z);
            ++m_anzahl;
        } else if (Grundgruppe(zeile, MitLinientyp | SetztZelt | SetztZeltr | SetztZeltfl, x1, y1, z, ok)) {
        } else if (zeile == u" 11") {
            QString wert;
            if (!Lies(wert))
                return false;
            Festkomma w;
            if (!DXFZahl::Lese(wert, w) || !Festkomma::Summe(w, m_ox, x2))
                return Fehlschlag(Ende::Fehler);
            // A pipe stub reaches the next block; a back stub reaches back over the block's width.
            if (m_zelt && !Festkomma::Summe(x1, m_breite, x2))
                return Fehlschlag(Ende::Fehler);
            if (m_zeltr) {
                if (x1 <= x2 ? !Festkomma::Differenz(x2, m_breite, x1) : !Festkomma::Differenz(x1, m_breite, x2))
                    return Fehlschlag(Ende::Fehler);
            }
            Schreibe(Formatiere(x2));
            ++m_anzahl;
        } else if (zeile == u" 21") {
            ok = Koordinate(m_oy, y2);
            ++m_anzahl;
            if (ok && m_zelt && (m_z.Last_Y_1 == Festkomma() || m_z.Last_Y_1 >= y2)) {
                (obereReihe ? m_z.Last_X_1 : m_z.Last_X_2) = x2;
                (obereReihe ? m_z.Last_Y_1 : m_z.Last_Y_2) = y2;
            }
            if (ok && m_zeltfl && (m_z.Last_Y_1FL == Festkomma() || m_z.Last_Y_1FL >= y2)) {
                (obereReihe ? m_z.Last_X_1FL : m_z.Last_X_2FL) = x2;
                (obereReihe ? m_z.Last_Y_1FL : m_z.Last_Y_2FL) = y2;
            }
        } else if (zeile == Null) {
            if (m_anzahl == 6) {
                const QPointF von = Abbild(x1, y1), bis = Abbild(x2, y2);
                const QColor farbe = Bildschirmfarbe(m_farbe);
                Zeichne([&](Zeichenflaeche& f) { f.linie(von, bis, farbe); }, true);
                m_anzahl = 0;
                return true;
            }
            if (m_z.Signalton)
                m_z.Signalton();
            if (m_anzahl > 6)
                return true;
        }
        if (!ok)
            return false;
    }
}

bool DXFSymbollauf::Kreis()
{
    Beginne(QStringLiteral("CIRCLE"));
    Festkomma x, y, z, r;
    for (;;) {
        QString zeile;
        if (!Kopiere(zeile))
            return false;
        bool ok = true;
        if (Grundgruppe(zeile, MitLinientyp | SetztZelt, x, y, z, ok)) {
            // The centre of a connection circle is the block's connection point.
            if (ok && m_zelt && zeile == u" 10")
                m_z.Anschluss[m_block][0] = x;
            if (ok && m_zelt && zeile == u" 20")
                m_z.Anschluss[m_block][1] = y;
        } else if (zeile == u" 40" && m_anzahl == 3) {
            QString wert;
            if (!Lies(wert))
                return false;
            if (!DXFZahl::Lese(wert, r))
                return Fehlschlag(Ende::Fehler);
            // A connection circle has no size.
            if (m_zelt)
                r = Festkomma();
            Schreibe(Formatiere(r));
            m_anzahl = 4;
        } else if (zeile == Null && m_anzahl == 4) {
            const QPointF mitte = Abbild(x, y);
            const double radius = Länge(r);
            const QColor farbe = Bildschirmfarbe(m_farbe);
            Zeichne([&](Zeichenflaeche& f) { f.kreis(mitte, radius, farbe); }, true);
            return true;
        }
        if (!ok)
            return false;
    }
}

bool DXFSymbollauf::Bogen()
{
    Beginne(QStringLiteral("ARC"));
    Festkomma x, y, z, r;
    double start = 0, ende = 0;
    for (;;) {
        QString zeile;
        if (!Kopiere(zeile))
            return false;
        bool ok = true;
        if (Grundgruppe(zeile, MitLinientyp | SetztZeltr, x, y, z, ok)) {
        } else if (zeile == u" 40" && m_anzahl == 3) {
            QString wert;
            ok = Kopiere(wert) && DXFZahl::Lese(wert, r);
            if (!ok && m_ende == Ende::Gut)
                Fehlschlag(Ende::Fehler);
            m_anzahl = 4;
        } else if (zeile == u" 50" || zeile == u" 51") {
            QString wert;
            ok = Kopiere(wert);
            const double winkel = DXFZahl::LeseDouble(wert) / 180 * Pi;
            if (ok && !std::isfinite(winkel))
                return Fehlschlag(Ende::Fehler);
            (zeile == u" 50" ? start : ende) = winkel;
            ++m_anzahl;
        } else if (zeile == Null && m_anzahl == 6) {
            const QPointF mitte = Abbild(x, y);
            const double radius = Länge(r);
            const QColor farbe = Bildschirmfarbe(m_farbe);
            Zeichne([&](Zeichenflaeche& f) { f.bogen(mitte, radius, farbe, start, ende); }, true);
            return true;
        }
        if (!ok)
            return false;
    }
}

bool DXFSymbollauf::Punkt()
{
    Beginne(QStringLiteral("POINT"));
    Festkomma x, y, z;
    for (;;) {
        QString zeile;
        if (!Kopiere(zeile))
            return false;
        bool ok = true;
        // A point has no line type: a group 6 is copied as it stands.
        if (Grundgruppe(zeile, KeineGruppen, x, y, z, ok)) {
        } else if (zeile == Null && m_anzahl == 3) {
            const QPointF p = Abbild(x, y);
            const QColor farbe = Bildschirmfarbe(m_farbe);
            Zeichne([&](Zeichenflaeche& f) { f.punkt(p, farbe); }, false);
            return true;
        }
        if (!ok)
            return false;
    }
}

bool DXFSymbollauf::Polylinie()
{
    Beginne(QStringLiteral("POLYLINE"));
    Festkomma xa, ya, xe, ye, z;
    for (;;) {
        QString zeile;
        if (!Kopiere(zeile))
            return false;
        if (zeile == u"SEQEND") {
            // The "  0" after SEQEND in the file is passed over by the scan.
            Schreibe(Null);
            return true;
        }
        bool ok = true;
        const bool ersterPunkt = m_anzahl < 5;
        if (zeile == u"VERTEX") {
            m_anzahl = ersterPunkt ? 1 : m_anzahl + 1;
        } else if (m_anzahl == 0) {
            // The polyline's own groups are copied as they stand.
        } else if (Grundgruppe(zeile, KeineGruppen, ersterPunkt ? xa : xe, ersterPunkt ? ya : ye, z, ok)) {
            // A vertex has no line type: a group 6 is copied as it stands.
        } else if (zeile == Null && ersterPunkt && m_anzahl == 4) {
            m_anzahl = 5;
        } else if (zeile == Null && m_anzahl == 9) {
            const QPointF von = Abbild(xa, ya), bis = Abbild(xe, ye);
            const QColor farbe = Bildschirmfarbe(m_farbe);
            Zeichne([&](Zeichenflaeche& f) { f.linie(von, bis, farbe); }, false);
            xa = xe;
            ya = ye;
            m_anzahl = 5;
        }
        if (!ok)
            return false;
    }
}
