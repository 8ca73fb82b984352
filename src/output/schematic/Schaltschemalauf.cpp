#include "output/schematic/Schaltschemalauf.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

#include "base/AllgFunktionen.h"
#include "base/DateiDialogSeam.h"
#include "base/MessagePresenter.h"
#include "base/Zahlen.h"
#include "output/schematic/Orderdatei.h"

namespace {

constexpr int TextCaption = 210;
constexpr int TextAlleDateien = 1401;
constexpr int TextDXFSpeichernUnter = 1406;
constexpr int TextAchtung = 1607;
constexpr int TextKeineDXFDatei = 2187;
constexpr int TextNichtGeschrieben = 2241;
constexpr int TextNichtGelesen = 2246;
constexpr int TextNichtGedruckt = 2247;
constexpr int TextNichtKopiert = 2248;

// The pipes are drawn in pure blue.
const QColor Rohrfarbe(0, 0, 255);

// Sum and difference of drawing units; a result outside the fixed-point range keeps the first
// value (coordinates of the symbol files lie far inside it).
Festkomma Plus(Festkomma a, Festkomma b)
{
    Festkomma r = a;
    Festkomma::Summe(a, b, r);
    return r;
}
Festkomma Minus(Festkomma a, Festkomma b)
{
    Festkomma r = a;
    Festkomma::Differenz(a, b, r);
    return r;
}

// A remembered block point counts when its x or its y, each rounded to a whole number, is not 0.
bool Gesetzt(const std::array<Festkomma, 2>& p)
{
    return Zahlen::RundenGerade(p[0].AlsDouble()) != 0 || Zahlen::RundenGerade(p[1].AlsDouble()) != 0;
}

void Fehler(int textId, const QString& datei, const QString& grund)
{
    Meldung(Meldungsart::Anwendungsfehler, LadeText(textId), datei, grund);
}

// Reads a file the run needs; a file that cannot be read is reported.
bool LeseOderMelde(const QString& pfad, QByteArray& inhalt)
{
    QString fehler;
    if (Orderdatei::LeseBytes(pfad, inhalt, &fehler))
        return true;
    Fehler(TextNichtGelesen, pfad, fehler);
    return false;
}

}  // namespace

Blattflaeche::Blattflaeche(QPainter& painter, double pixelbreite)
    : PainterZeichenflaeche(painter,
                            QTransform::fromScale(pixelbreite / Schaltschemalauf::Bildbreite,
                                                  pixelbreite / Schaltschemalauf::Bildbreite),
                            Schaltschemalauf::Bildhöhe),
      m_schrift(pixelbreite / Bezugsbreite)
{
}

double Blattflaeche::ZollJeEinheit(double dpi)
{
    return Bezugsbreite / Schaltschemalauf::Bildbreite / dpi;
}

bool Rohrsegment::Leer() const
{
    // The four values are added as the drawing keeps them; an overflow is no sum of 0.
    Festkomma s;
    if (!Festkomma::Summe(x1, y1, s) || !Festkomma::Summe(s, x2, s) || !Festkomma::Summe(s, y2, s))
        return false;
    return s == Festkomma();
}

void Schaltschemalauf::SetzePfade(const QString& datenpfad, const QString& installationspfad,
                                  const QString& DXFOutDatei)
{
    orderdateiname = datenpfad + u'/' + QString::fromLatin1(Orderdatei::Dateiname);
    Vorlagedateiname = installationspfad + QStringLiteral("/DXF/") + QString::fromLatin1(Vorlagedatei);
    Tempdateiname = datenpfad + u'/' + QString::fromLatin1(Tempdatei);
    Ausgabedateiname = datenpfad + u'/' + DXFOutDatei;
}

double Schaltschemalauf::Druckfaktor(QSizeF seite600)
{
    // The short side of the sheet in 1/600 inch: A3 297 mm, A5 148 mm.
    const double kurz = std::min(seite600.width(), seite600.height()) / 600.0 * 25.4;
    if (std::abs(kurz - 297) < 3)
        return Seitenverhältnis;
    if (std::abs(kurz - 148) < 3)
        return 1 / 1.47;
    return 1;
}

bool Schaltschemalauf::Zeichnen(int Ausgabeziel)
{
    ausdruck = QStringLiteral("N");
    Printer = nullptr;
    m_druckfläche.reset();
    m_druck.reset();
    if (Ausgabeziel == ZielDrucken) {
        Druckanfrage anfrage;
        anfrage.dokumentname = LadeText(TextCaption);
        anfrage.querformat = true;
        anfrage.einheitenJeZoll = 600;
        m_druck = drucker().drucken(anfrage);
        if (m_druck) {
            // The picture's units become 1/600 inch on A4; A3 and A5 stretch or shrink them.
            const double faktor = Druckfaktor(m_druck->seitengröße());
            const double schrift = BildZollJeEinheit > 0 ? faktor / 600.0 / BildZollJeEinheit : 1;
            m_druckfläche = std::make_unique<SkalierteZeichenflaeche>(m_druck->fläche(), faktor, schrift, BildEinheitenJePixel);
            Printer = m_druckfläche.get();
            ausdruck = QStringLiteral("J");
        }
    }
    if (!m_druck && Ausgabeziel == ZielDrucken && MeldeDruckdateifehler(drucker().dateifehler()))
        return false;

    const bool ok = DXF_ausgabe(orderdateiname, mass_stab, Ausgabeziel, Ausgabedateiname);

    if (m_druck) {
        // A run that failed gives the job up; a document that cannot be ended is reported.
        if (!ok) {
            m_druck->abbrechen();
        } else if (!m_druck->beenden()) {
            m_druck->abbrechen();
            if (!MeldeDruckdateifehler(m_druck->dateifehler()))
                Meldung(Meldungsart::Anwendungsfehler, LadeText(TextNichtGedruckt));
        }
        Printer = nullptr;
        m_druckfläche.reset();
        m_druck.reset();
    }
    if (ok && Ausgabeziel == ZielDatei)
        KopieAnbieten(Orderwert(1));
    return ok;
}

bool Schaltschemalauf::DXF_ausgabe(const QString& orderdatei, float massstab, int Ziel, const QString& Indateiname)
{
    Last_Y_1 = Festkomma();
    Last_Y_2 = Festkomma();
    for (size_t k = 1; k < Anschluss.size(); ++k)
        Anschluss[k] = {};
    if (BildLeeren)
        BildLeeren();

    // Symbols that recur in the order are read once per run.
    struct Symbolvorrat {
        Schemazeichner& z;
        explicit Symbolvorrat(Schemazeichner& zeichner) : z(zeichner) { z.SymboleBehalten(true); }
        ~Symbolvorrat() { z.SymboleBehalten(false); }
    } vorrat(*this);

    // Everything the run reads is read before a file is written.
    QByteArray order, vorlage;
    if (!LeseOderMelde(orderdatei, order))
        return false;
    if (Ziel == ZielDatei && !LeseOderMelde(Vorlagedateiname, vorlage))
        return false;

    QFile temp(Tempdateiname);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Fehler(TextNichtGeschrieben, Tempdateiname, temp.errorString());
        return false;
    }
    DXFGeraetestrom strom(temp);

    Orderdatei::Leser leser;
    leser.zeichne = [&](const std::array<QString, Orderdatei::Leser::AnzahlFelder>& felder) {
        const QString bloß = felder[1].mid(leser.Schlüssel(4).size());
        if (AnzeigeSetzen)
            AnzeigeSetzen(QStringLiteral("Lade: ") + bloß + QStringLiteral(" zu Block ") + felder[0]);
        DXFzeichnen(FelderDerSymbolzeile(felder), massstab, Ziel, strom);
        if (AnzeigeSetzen)
            AnzeigeSetzen(QString());
    };
    const auto merkeOrderwerte = [&] {
        for (int k = 0; k < Orderdatei::Leser::AnzahlSchlüssel; ++k)
            m_orderwerte[static_cast<size_t>(k)] = leser.Schlüssel(k);
    };
    leser.abschluss = [&] {
        merkeOrderwerte();
        Abschluss(leser.Felder(), massstab, Ziel, strom);
    };
    leser.nachZeile = Ereignisse;
    leser.Lese(order);
    merkeOrderwerte();

    const bool geschrieben = strom.Fehlerfrei() && temp.flush();
    const QString tempFehler = strom.Fehlerfrei() ? temp.errorString() : strom.Fehler();
    temp.close();
    if (!geschrieben || temp.error() != QFileDevice::NoError) {
        Fehler(TextNichtGeschrieben, Tempdateiname, tempFehler);
        return false;
    }

    if (Ziel != ZielDatei)
        return true;
    QByteArray entities;
    if (!LeseOderMelde(Tempdateiname, entities))
        return false;
    QString fehler;
    if (!Orderdatei::SchreibeBytes(Indateiname, Zusammensetzen(vorlage, entities, Ereignisse), &fehler)) {
        Fehler(TextNichtGeschrieben, Indateiname, fehler);
        return false;
    }
    return true;
}

void Schaltschemalauf::erzeugeDXF_Rohr(Festkomma Rohr_x1, Festkomma Rohr_y1, Festkomma Rohr_x2, Festkomma Rohr_y2,
                                       DXFZeilenstrom& DXFtempstream)
{
    const QString null = QStringLiteral("0.0");
    for (const QString& z : {QStringLiteral("LINE"), QStringLiteral("  8"), QStringLiteral("ZELT"),
                             QStringLiteral(" 62"), QStringLiteral("     5"), QStringLiteral(" 10"), Formatiere(Rohr_x1),
                             QStringLiteral(" 20"), Formatiere(Rohr_y1), QStringLiteral(" 30"), null,
                             QStringLiteral(" 11"), Formatiere(Rohr_x2), QStringLiteral(" 21"), Formatiere(Rohr_y2),
                             QStringLiteral(" 31"), null, QStringLiteral("  0")})
        DXFtempstream.WriteLine(z);
}

Rohrwege Schaltschemalauf::BerechneRohrwege()
{
    const Festkomma v(Versatz);
    if (Last_Y_1 > Festkomma(VersatzAbY))
        Last_X_1 = Plus(Last_X_1, v);

    Rohrwege w;
    auto& s = w.haupt;
    const bool ersteForm = Last_X_1 <= Last_X_2;
    Festkomma ym;
    if (ersteForm) {
        // A third of the way up from the lower point, rounded to four decimals.
        Festkomma drittel;
        Festkomma::AusDouble(Minus(Last_Y_1, Last_Y_2).AlsDouble() / 3, drittel);
        ym = Plus(Last_Y_2, drittel);
        s[0] = {Last_X_1, ym, Last_X_1, Last_Y_1};
        s[1] = {Last_X_1, ym, Last_X_2, ym};
        s[2] = {Last_X_2, ym, Last_X_2, Last_Y_2};
    } else {
        s[1] = {Last_X_1, Last_Y_1, Last_X_1, Last_Y_2};
        s[3] = {Last_X_2, Last_Y_2, Last_X_1, Last_Y_2};
    }

    if (Last_Y_2FL != Festkomma()) {
        w.zweiterLauf = true;
        auto& z = w.zweiter;
        z = s;
        const Festkomma d = Minus(Last_Y_2FL, Last_Y_2);
        if (!ersteForm) {
            z[1] = {Minus(s[1].x1, v), s[1].y1, Minus(s[1].x2, v), Plus(s[1].y2, d)};
            z[3] = {Last_X_2FL, Last_Y_2FL, Minus(Last_X_1, v), Last_Y_2FL};
        } else {
            z[0] = {Minus(s[0].x1, v), Minus(s[0].y1, v), Minus(s[0].x2, v), s[0].y2};
            z[1] = {Minus(s[1].x1, v), Minus(s[1].y1, v), Minus(s[1].x2, v), Minus(s[1].y2, v)};
            z[2] = {Minus(s[2].x1, v), Minus(s[2].y1, v), Minus(s[2].x2, v), Plus(s[2].y2, d)};
            z[3] = {z[2].x2, z[2].y2, Last_X_2FL, Last_Y_2FL};
        }
    }

    // The first and the last remembered block point are joined.
    int i = -1;
    for (int k = 0; k <= 199 && i < 0; ++k)
        if (Gesetzt(Anschluss[static_cast<size_t>(k)]))
            i = k;
    if (i >= 0) {
        int j = i;
        for (int k = 200; k > i; --k)
            if (Gesetzt(Anschluss[static_cast<size_t>(k)])) {
                j = k;
                break;
            }
        if (j != i) {
            const auto& a = Anschluss[static_cast<size_t>(i)];
            const auto& b = Anschluss[static_cast<size_t>(j)];
            w.verbindung = Rohrsegment{a[0], a[1], b[0], b[1]};
        }
    }
    return w;
}

void Schaltschemalauf::Rohr(const Rohrsegment& s, float massstab, DXFZeilenstrom& strom)
{
    const double H = PictureDXF ? PictureDXF->höhe() : 0;
    const auto abbild = [&](Festkomma x, Festkomma y) {
        return QPointF(Zahlen::AlsSingle(x.AlsDouble() * massstab), Zahlen::AlsSingle(H - y.AlsDouble() * massstab));
    };
    const QPointF von = abbild(s.x1, s.y1), bis = abbild(s.x2, s.y2);
    if (PictureDXF)
        PictureDXF->linie(von, bis, Rohrfarbe);
    erzeugeDXF_Rohr(s.x1, s.y1, s.x2, s.y2, strom);
    if (ausdruck == u"J" && Printer)
        Printer->linie(von, bis, Rohrfarbe);
}

void Schaltschemalauf::Abschluss(const std::array<QString, Orderdatei::Leser::AnzahlFelder>& felder, float massstab,
                                 int Ziel, DXFZeilenstrom& strom)
{
    const Rohrwege w = BerechneRohrwege();
    if (PictureDXF)
        PictureDXF->setzeStrichart(0);
    for (const Rohrsegment& s : w.haupt)
        if (!s.Leer())
            Rohr(s, massstab, strom);
    if (w.zweiterLauf) {
        if (PictureDXF)
            PictureDXF->setzeStrichart(0);
        for (const Rohrsegment& s : w.zweiter)
            if (!s.Leer())
                Rohr(s, massstab, strom);
    }
    if (w.verbindung)
        Rohr(*w.verbindung, massstab, strom);

    // The frame at block 0 with the project texts; the higher fields keep their values.
    DXFFelder feld = FelderDerSymbolzeile(felder);
    feld[1] = QStringLiteral("0");
    feld[2] = Orderwert(4) + QString::fromLatin1(Rahmendatei);
    feld[3] = Orderwert(1);
    feld[4] = Orderwert(3);
    feld[5] = Orderwert(2);
    feld[6] = Orderwert(5);
    DXFzeichnen(feld, massstab, Ziel, strom);
    if (AnzeigeSetzen)
        AnzeigeSetzen(QString());
}

QByteArray Schaltschemalauf::Zusammensetzen(const QByteArray& vorlage, const QByteArray& entities,
                                            const std::function<void()>& nachZeile)
{
    QByteArray aus;
    aus.reserve(vorlage.size() + entities.size() + 8);
    const auto schreibe = [&](const QByteArray& z) {
        aus += z;
        aus += "\r\n";
        if (nachZeile)
            nachZeile();
    };
    const QList<QByteArray> v = Orderdatei::Zeilen(vorlage);
    qsizetype k = 0;
    while (k < v.size()) {
        schreibe(v[k]);
        if (v[k++] == "ENTITIES")
            break;
    }
    schreibe("  0");
    for (const QByteArray& z : Orderdatei::Zeilen(entities))
        schreibe(z);
    for (; k < v.size(); ++k)
        schreibe(v[k]);
    return aus;
}

void Schaltschemalauf::KopieAnbieten(const QString& projektnummer)
{
    DateiDialogAnfrage a;
    a.titel = LadeText(TextDXFSpeichernUnter);
    a.startOrdner = QFileInfo(Ausgabedateiname).absolutePath();
    a.dateiname = QStringLiteral("Projekt") + projektnummer;
    a.standardEndung = QStringLiteral("dxf");
    a.filter = QStringList{QStringLiteral("AutoCAD DXF_File"), QStringLiteral("*.dxf"), LadeText(TextAlleDateien),
                           QStringLiteral("*.*")};
    a.speichern = true;
    for (;;) {
        const QString ziel = dateiDialog().zeige(a);
        if (ziel.isEmpty())
            return;
        int antwort = MsgAntwort::Ja;
        if (QFileInfo(ziel).suffix().compare(QLatin1String("dxf"), Qt::CaseInsensitive) != 0)
            antwort = MsgBox(ErsetzeZeilenumbruch(FormatText(LadeText(TextKeineDXFDatei), ziel)),
                             MsgStil::JaNeinAbbrechen | MsgStil::Ausrufezeichen, LadeText(TextAchtung));
        if (antwort != MsgAntwort::Ja)
            return;
        QByteArray inhalt;
        QString fehler;
        if (QFileInfo(ziel).absoluteFilePath() == QFileInfo(Ausgabedateiname).absoluteFilePath())
            return;  // the file is already there
        if (Orderdatei::LeseBytes(Ausgabedateiname, inhalt, &fehler) && Orderdatei::SchreibeBytes(ziel, inhalt, &fehler))
            return;
        Meldung(Meldungsart::Anwendungsfehler, LadeText(TextNichtKopiert), Ausgabedateiname, ziel, fehler);
        // The dialog comes again, at the place that failed.
        a.startOrdner = QFileInfo(ziel).absolutePath();
        a.dateiname = QFileInfo(ziel).fileName();
    }
}
