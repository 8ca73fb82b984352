#pragma once
#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "base/DruckerSeam.h"
#include "output/schematic/DXFzeichnen.h"

// One pipe segment in drawing units. A segment whose four values add up to 0 is empty and is not
// drawn.
struct Rohrsegment {
    Festkomma x1, y1, x2, y2;
    bool Leer() const;
    friend bool operator==(const Rohrsegment&, const Rohrsegment&) = default;
};

// The pipes of the closing step: the main run and the second run (segments 1 to 4 each) and the
// link between the first and the last remembered block point.
struct Rohrwege {
    std::array<Rohrsegment, 4> haupt{};
    bool zweiterLauf = false;
    std::array<Rohrsegment, 4> zweiter{};
    std::optional<Rohrsegment> verbindung;
};

// A surface that hands everything on to another one, with every length multiplied by a factor
// (the printer's scale for paper sizes other than A4) and font sizes by another. A dotted line
// of the thinnest pen gets the width of a screen pixel (punkt, in the surface's units; 0: left
// thin), so that its dots and gaps keep the size they have on the screen's sheet.
class SkalierteZeichenflaeche : public Zeichenflaeche {
public:
    SkalierteZeichenflaeche(Zeichenflaeche& ziel, double faktor, double schriftfaktor = 1, double punkt = 0)
        : m_ziel(ziel), m_f(faktor), m_s(schriftfaktor), m_punkt(punkt)
    {
    }
    void setzeStrichart(int art) override
    {
        m_strichart = art;
        m_ziel.setzeStrichart(art);
    }
    void linie(QPointF von, QPointF bis, QColor farbe, double breite = 0) override
    {
        if (breite <= 0 && m_strichart == Gepunktet)
            breite = m_punkt;
        m_ziel.linie(von * m_f, bis * m_f, farbe, breite * m_f);
    }
    void kreis(QPointF mitte, double radius, QColor farbe) override { m_ziel.kreis(mitte * m_f, radius * m_f, farbe); }
    void bogen(QPointF mitte, double radius, QColor farbe, double startRad, double endRad) override
    {
        m_ziel.bogen(mitte * m_f, radius * m_f, farbe, startRad, endRad);
    }
    void punkt(QPointF p, QColor farbe) override { m_ziel.punkt(p * m_f, farbe); }
    void setzeSchrift(const QString& name, double punkte, bool fett) override
    {
        m_ziel.setzeSchrift(name, punkte * m_s, fett);
    }
    double textBreite(const QString& text) override { return m_ziel.textBreite(text) / m_f; }
    double textHöhe(const QString& text) override { return m_ziel.textHöhe(text) / m_f; }
    void text(QPointF oben_links, const QString& text, QColor farbe = Qt::black) override
    {
        m_ziel.text(oben_links * m_f, text, farbe);
    }
    double höhe() const override { return m_ziel.höhe() / m_f; }
    double Faktor() const { return m_f; }
    double Schriftfaktor() const { return m_s; }

private:
    static constexpr int Gepunktet = 2;
    Zeichenflaeche& m_ziel;
    double m_f, m_s, m_punkt;
    int m_strichart = 0;
};

// The picture surface of the schematic window: the picture's 6800 units across a sheet of
// pixelbreite pixels, and fonts that grow and shrink with the sheet, so that a label keeps its
// size beside the symbols at every window size and fits its place as it does on a sheet of
// Bezugsbreite pixels.
class Blattflaeche : public PainterZeichenflaeche {
public:
    static constexpr double Bezugsbreite = 1840;
    Blattflaeche(QPainter& painter, double pixelbreite);
    void setzeSchrift(const QString& name, double punkte, bool fett) override
    {
        PainterZeichenflaeche::setzeSchrift(name, punkte * m_schrift, fett);
    }
    // Inches of one picture unit as the labels see it (for the printer's fonts).
    static double ZollJeEinheit(double dpi);

private:
    double m_schrift;
};

// The drawing run of the schematic window without the window: it reads the order file, has every
// symbol drawn by the symbol renderer (on the picture surface, on the printer while printing, and
// into the entity temp file), joins the connection points with pipes, draws the frame with the
// project texts and, for the file target, assembles the DXF drawing from the template and offers
// to save a copy. The state it shares with the renderer (ausdruck, Last_..., Anschluss) is the
// renderer's.
class Schaltschemalauf : public Schemazeichner {
public:
    // Output targets.
    static constexpr int ZielAnzeigen = 1;
    static constexpr int ZielDrucken = 2;
    static constexpr int ZielDatei = 3;

    // The picture surface: 6800 units wide, the height in the proportion of the sheet (the divisor
    // is not the square root of 2); drawing units are multiplied by mass_stab.
    static constexpr double Seitenverhältnis = 1.4143595;
    static constexpr double Bildbreite = 6800;
    static constexpr double Bildhöhe = Bildbreite / Seitenverhältnis;
    static constexpr float mass_stab = 1.47f;
    // Distance of the second pipe run from the main run, and the shift of a high upper point.
    static constexpr int Versatz = 40;
    static constexpr int VersatzAbY = 2090;

    // Files in the program folder and the symbol folder.
    static constexpr char Tempdatei[] = "DXFtemp0.tmp";
    static constexpr char Vorlagedatei[] = "DXF_GND1.dxf";
    static constexpr char Rahmendatei[] = "Rahmen2.dxf";

    // Paths of one window: the order file, the entity temp file and the DXF file of the file
    // target in the data path, the template from DXF/ of the shipped files.
    QString orderdateiname;
    QString Vorlagedateiname;
    QString Tempdateiname;
    QString Ausgabedateiname;
    void SetzePfade(const QString& datenpfad, const QString& installationspfad, const QString& DXFOutDatei);

    // Inches on the screen of one picture unit (0: unknown). Labels are fitted on the picture, so
    // the printer scales their fonts by the ratio of the sizes and the sheet reads as on the screen.
    double BildZollJeEinheit = 0;
    // Picture units of one pixel of the screen's sheet (0: unknown): the printer's dotted lines
    // are that wide.
    double BildEinheitenJePixel = 0;

    // What the window offers the run: the progress label, clearing the picture, letting the user
    // interface process its events. Empty: nothing.
    std::function<void(const QString&)> AnzeigeSetzen;
    std::function<void()> BildLeeren;
    std::function<void()> Ereignisse;

    // The drawing run of target Ausgabeziel: for target 2 the print dialog first (a confirmed
    // dialog sets ausdruck "J"), then DXF_ausgabe, the end of the print job, and for target 3 the
    // offer to save a copy. False when the run ended with a message.
    bool Zeichnen(int Ausgabeziel);

    // Reads the order file and draws it; for target 3 assembles Indateiname. Every failure ends
    // the run with a message naming the file, before files it would damage are touched.
    bool DXF_ausgabe(const QString& orderdatei, float massstab, int Ziel, const QString& Indateiname);

    // One pipe as a LINE entity on layer ZELT in blue (18 lines).
    static void erzeugeDXF_Rohr(Festkomma Rohr_x1, Festkomma Rohr_y1, Festkomma Rohr_x2, Festkomma Rohr_y2,
                                DXFZeilenstrom& DXFtempstream);

    // The closing step's routes from the remembered points. Shifts Last_X_1 by Versatz when
    // Last_Y_1 lies above VersatzAbY (the shift stays).
    Rohrwege BerechneRohrwege();

    // The DXF drawing: the template's lines up to and including "ENTITIES", "  0", the entity
    // lines, the rest of the template; every line ended by CR LF. nachZeile runs after each line.
    static QByteArray Zusammensetzen(const QByteArray& vorlage, const QByteArray& entities,
                                     const std::function<void()>& nachZeile = {});

    // Printer units per picture unit for the paper of a job (page size in 1/600 inch): A3 larger
    // by the sheet proportion, A5 smaller by 1.47, any other paper 1.
    static double Druckfaktor(QSizeF seite600);

    // The save dialog for the assembled file and the copy; a copy that fails is reported and the
    // dialog offered again.
    void KopieAnbieten(const QString& projektnummer);

    // The values of the order file's key lines of the last run (keys 0 to 20).
    const QString& Orderwert(int k) const { return m_orderwerte.at(static_cast<size_t>(k)); }

private:
    void Abschluss(const std::array<QString, Orderdatei::Leser::AnzahlFelder>& felder, float massstab, int Ziel,
                   DXFZeilenstrom& strom);
    void Rohr(const Rohrsegment& s, float massstab, DXFZeilenstrom& strom);

    std::array<QString, Orderdatei::Leser::AnzahlSchlüssel> m_orderwerte;
    std::unique_ptr<Druckauftrag> m_druck;
    std::unique_ptr<SkalierteZeichenflaeche> m_druckfläche;
};
