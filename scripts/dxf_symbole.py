#!/usr/bin/env python3
"""Writes the schematic's symbol library into resources/dxf/: one DXF file per symbol, the frame
"Rahmen2.dxf" and the drawing template "DXF_GND1.dxf".

Symbols are drawn in drawing units relative to their block's origin. Upper-row blocks (boilers,
safety items, main circuit) are 620 wide: the return header lies at y 0 (a stub on layer ZELT that
the renderer stretches to the next block) and the flow line at y 700. Lower-row blocks (vessels,
automats, make-up) are 350 wide: the expansion header lies at y 250 (ZELT stub); vessels hang
below it, add-on vessels join their automat through connection circles on layer ZELT at y -250,
make-up lines end on layer ZELTFL at y 450.

Drinking-water and pressure-boosting plants draw both of their symbols in one upper-row block: the
plant (right half) and its vessel (left half) meet on their own water line at y 250 (the tank's
cold water, the booster's pressure side) and leave no pipe stub, so the drawing run has no run to
close for them; their labels stand right of the plant, where the row is empty.

Run: python3 scripts/dxf_symbole.py            (writes the files; the output is committed)
     python3 scripts/dxf_symbole.py --pruefen   (exit 1 when a committed file differs)
"""
import math
import os
import sys

ZIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "resources", "dxf")

ROT, GELB, GRUEN, CYAN, BLAU, MAGENTA = 1, 2, 3, 4, 5, 6
OBEN_BREITE, UNTEN_BREITE = 620, 350
VORLAUF_Y, RUECKLAUF_Y = 700, 0
SAMMLER_Y, BEISTELL_Y, NACHSPEISE_Y = 250, -350, 450
KALTWASSER_X = 380
DURCHFLUSS_X = 300


def zahl(v):
    v = round(float(v), 4)
    if v == 0:
        return "0.0"
    t = ("%.4f" % v).rstrip("0")
    return t + "0" if t.endswith(".") else t


def code(c):
    return "%3d" % c


def ganz(v):
    return "%6d" % v


class Symbol:
    def __init__(self):
        self.e = []

    def _kopf(self, art, layer, farbe, linientyp=None):
        z = ["  0", art, code(8), layer]
        if linientyp:
            z += [code(6), linientyp]
        if farbe is not None:
            z += [code(62), ganz(farbe)]
        return z

    def linie(self, x1, y1, x2, y2, layer="0", farbe=None, punkt=False):
        self.e += self._kopf("LINE", layer, farbe, "PUNKT" if punkt else None)
        self.e += [code(10), zahl(x1), code(20), zahl(y1), code(30), zahl(0),
                   code(11), zahl(x2), code(21), zahl(y2), code(31), zahl(0)]

    def kreis(self, x, y, r, layer="0", farbe=None, punkt=False):
        self.e += self._kopf("CIRCLE", layer, farbe, "PUNKT" if punkt else None)
        self.e += [code(10), zahl(x), code(20), zahl(y), code(30), zahl(0), code(40), zahl(r)]

    def bogen(self, x, y, r, a1, a2, layer="0", farbe=None):
        self.e += self._kopf("ARC", layer, farbe)
        self.e += [code(10), zahl(x), code(20), zahl(y), code(30), zahl(0), code(40), zahl(r),
                   code(50), zahl(a1), code(51), zahl(a2)]

    def punkt(self, x, y, layer="0", farbe=None):
        self.e += self._kopf("POINT", layer, farbe)
        self.e += [code(10), zahl(x), code(20), zahl(y), code(30), zahl(0)]

    def zug(self, punkte, layer="0", farbe=None, geschlossen=False):
        if geschlossen:
            punkte = list(punkte) + [punkte[0]]
        self.e += self._kopf("POLYLINE", layer, farbe)
        self.e += [code(66), ganz(1), code(10), zahl(0), code(20), zahl(0), code(30), zahl(0), code(70), ganz(0)]
        for i, (x, y) in enumerate(punkte):
            self.e += ["  0", "VERTEX", code(8), layer]
            if farbe is not None and i == 0:
                self.e += [code(62), ganz(farbe)]
            self.e += [code(10), zahl(x), code(20), zahl(y), code(30), zahl(0)]
        self.e += ["  0", "SEQEND"]

    def rechteck(self, x1, y1, x2, y2, layer="0", farbe=None):
        self.zug([(x1, y1), (x2, y1), (x2, y2), (x1, y2)], layer, farbe, geschlossen=True)

    def text(self, x1, x2, y, wert, hoehe=18, layer="0", farbe=None):
        """A label fitted between (x1, y) and (x2, y), groups in the order the renderer counts."""
        self.e += self._kopf("TEXT", layer, farbe)
        self.e += [code(10), zahl(x1), code(20), zahl(y), code(30), zahl(0), code(40), zahl(hoehe),
                   code(1), wert, code(41), zahl(1), code(72), ganz(5),
                   code(11), zahl(x2), code(21), zahl(y), code(31), zahl(0)]

    def zeilen(self):
        return ["  0", "SECTION", code(2), "ENTITIES"] + self.e + ["  0", "ENDSEC", "  0", "EOF"]


def inhalt(zeilen):
    return ("\r\n".join(zeilen) + "\r\n").encode("cp1252")


# --- Parts ------------------------------------------------------------------------------------

def oben_leitungen(s, vorlauf=True):
    """Return header stub and the flow line of an upper-row block."""
    s.linie(0, RUECKLAUF_Y, OBEN_BREITE, RUECKLAUF_Y, layer="ZELT", farbe=BLAU)
    if vorlauf:
        s.linie(0, VORLAUF_Y, OBEN_BREITE, VORLAUF_Y, farbe=ROT)


def unten_sammler(s, stub=True, bis=KALTWASSER_X):
    if stub:
        s.linie(0, SAMMLER_Y, UNTEN_BREITE, SAMMLER_Y, layer="ZELT", farbe=BLAU)
    else:
        # the plant's water line, in from the left
        s.linie(0, SAMMLER_Y, bis, SAMMLER_Y, farbe=BLAU)
        pfeil(s, 0, SAMMLER_Y, 1, 0, BLAU)


def kaltwasser(s, y_bis):
    """Cold water of a one-block plant: in from the left at the vessel's header height, joined at
    x 380 and up to the plant's inlet at y_bis."""
    s.linie(0, SAMMLER_Y, KALTWASSER_X, SAMMLER_Y, farbe=BLAU)
    s.linie(KALTWASSER_X, SAMMLER_Y, KALTWASSER_X, y_bis, farbe=BLAU)
    s.punkt(KALTWASSER_X, SAMMLER_Y, farbe=BLAU)


def ventil(s, x, y, senkrecht=True, farbe=None, groesse=14):
    """A valve: two triangles meeting at (x, y)."""
    g = groesse
    if senkrecht:
        s.zug([(x - g, y + g), (x + g, y + g), (x - g, y - g), (x + g, y - g)], farbe=farbe, geschlossen=True)
    else:
        s.zug([(x - g, y - g), (x - g, y + g), (x + g, y - g), (x + g, y + g)], farbe=farbe, geschlossen=True)


def kappenventil(s, x, y, senkrecht=True):
    ventil(s, x, y, senkrecht, farbe=GRUEN)
    # the cap: a small bar above the valve
    s.zug([(x - 10, y + 22), (x + 10, y + 22)], farbe=GRUEN)
    # the spindle from the valve's top edge (upright) or its centre (lying)
    s.linie(x, y + 14 if senkrecht else y, x, y + 22, farbe=GRUEN)


def pumpe(s, x, y, r=30, farbe=MAGENTA, aufwaerts=False):
    s.kreis(x, y, r, farbe=farbe)
    if aufwaerts:
        s.linie(x - r * 0.8, y - r * 0.6, x, y + r, farbe=farbe)
        s.linie(x + r * 0.8, y - r * 0.6, x, y + r, farbe=farbe)
    else:
        s.linie(x - r * 0.6, y + r * 0.8, x + r, y, farbe=farbe)
        s.linie(x - r * 0.6, y - r * 0.8, x + r, y, farbe=farbe)


def pfeil(s, x, y, dx, dy, farbe):
    """An open pipe end at (x, y): a filled-in arrow in the direction (dx, dy) of the water, its
    base across the end."""
    g = 10
    spitze = (x + 18 * dx, y + 18 * dy)
    s.zug([(x - g * dy, y - g * dx), (x + g * dy, y + g * dx), spitze], farbe=farbe, geschlossen=True)


def sicherheitsventil(s, x, y, links=False, farbe=ROT):
    """A spring-loaded angle safety valve teed off a vertical pipe at (x, y): the inlet from the
    pipe, the spring on top, the blow-off line down into a tundish; "SV" beside the spring."""
    r = -1 if links else 1
    c = x + 50 * r
    s.linie(x, y, x + 30 * r, y, farbe=farbe)
    s.zug([(x + 30 * r, y - 12), (x + 30 * r, y + 12), (c, y)], farbe=farbe, geschlossen=True)
    s.zug([(c - 12, y - 20), (c + 12, y - 20), (c, y)], farbe=farbe, geschlossen=True)
    s.linie(c, y, c, y + 14, farbe=farbe)
    s.zug([(c, y + 14), (c + 9, y + 19), (c - 9, y + 25), (c + 9, y + 31), (c - 9, y + 37), (c, y + 42)], farbe=farbe)
    s.linie(c, y - 20, c, y - 30, farbe=farbe)
    s.zug([(c - 10, y - 30), (c + 10, y - 30), (c, y - 42)], farbe=farbe, geschlossen=True)
    if links:
        s.text(c - 114, c - 14, y + 12, "SV")
    else:
        s.text(c + 14, c + 114, y + 12, "SV")


def verdichter(s, x, y, r=30, farbe=MAGENTA):
    s.kreis(x, y, r, farbe=farbe)
    s.linie(x - r * 0.7, y - r * 0.7, x + r * 0.7, y + r * 0.7, farbe=farbe)
    s.linie(x - r * 0.7, y + r * 0.7, x + r * 0.7, y - r * 0.7, farbe=farbe)


def behaelter(s, x1, x2, y1, y2, farbe=None, membran=True):
    """An upright vessel with dished ends between x1..x2 and y1..y2."""
    r = (x2 - x1) / 2
    xm = (x1 + x2) / 2
    s.linie(x1, y1 + r / 2, x1, y2 - r / 2, farbe=farbe)
    s.linie(x2, y1 + r / 2, x2, y2 - r / 2, farbe=farbe)
    # dished ends: arcs through the side lines' ends
    rb = r * 1.25
    winkel = math.degrees(math.asin(r / rb))
    h = math.sqrt(rb * rb - r * r)
    s.bogen(xm, y2 - r / 2 - h, rb, 90 - winkel, 90 + winkel, farbe=farbe)
    s.bogen(xm, y1 + r / 2 + h, rb, 270 - winkel, 270 + winkel, farbe=farbe)
    if membran:
        s.linie(x1, (y1 + y2) / 2, x2, (y1 + y2) / 2, farbe=CYAN, punkt=True)


def liegender_behaelter(s, x1, x2, y1, y2, farbe=None):
    r = (y2 - y1) / 2
    ym = (y1 + y2) / 2
    s.linie(x1 + r / 2, y1, x2 - r / 2, y1, farbe=farbe)
    s.linie(x1 + r / 2, y2, x2 - r / 2, y2, farbe=farbe)
    rb = r * 1.25
    winkel = math.degrees(math.asin(r / rb))
    h = math.sqrt(rb * rb - r * r)
    s.bogen(x2 - r / 2 - h, ym, rb, -winkel, winkel, farbe=farbe)
    s.bogen(x1 + r / 2 + h, ym, rb, 180 - winkel, 180 + winkel, farbe=farbe)
    s.linie((x1 + x2) / 2, y1, (x1 + x2) / 2, y2, farbe=CYAN, punkt=True)


def anschlusskreis(s, x, y):
    s.kreis(x, y, 5, layer="ZELT", farbe=BLAU)


# --- Upper row --------------------------------------------------------------------------------

def erzeuger(titel, innen):
    s = Symbol()
    oben_leitungen(s)
    s.rechteck(140, 160, 440, 560)
    s.linie(220, 560, 220, VORLAUF_Y, farbe=ROT)
    s.linie(360, 160, 360, RUECKLAUF_Y, farbe=BLAU)
    # the safety valve sits between the generator and its shut-off valve
    sicherheitsventil(s, 220, 610)
    ventil(s, 220, 668, farbe=ROT, groesse=10)
    ventil(s, 360, 80, farbe=BLAU)
    innen(s)
    s.text(150, 430, 505, titel)
    s.text(150, 430, 195, "Leistung1")
    return s


def kessel_innen(s):
    s.zug([(250, 260), (300, 420), (350, 260)], farbe=ROT, geschlossen=True)
    s.linie(262.5, 300, 337.5, 300, farbe=GELB)


def waermetauscher_innen(s):
    s.zug([(220, 420), (260, 460), (300, 420), (340, 460), (380, 420)], farbe=ROT)
    s.zug([(220, 300), (260, 340), (300, 300), (340, 340), (380, 300)], farbe=BLAU)
    s.linie(200, 380, 400, 380, punkt=True)


def kaelte_innen(s):
    for w in (0, 60, 120):
        a = math.radians(w)
        s.linie(300 - 70 * math.cos(a), 350 - 70 * math.sin(a), 300 + 70 * math.cos(a), 350 + 70 * math.sin(a),
                farbe=CYAN)
    s.kreis(300, 350, 20, farbe=CYAN)


def speicher():
    """Drinking-water tank; its block also holds the vessel (left half), joined at the header."""
    s = Symbol()
    behaelter(s, 420, 580, 320, 660, membran=False)
    # heating coil, its flow and return out to the right
    s.zug([(580, 500), (440, 470), (565, 440), (440, 410), (580, 380)], farbe=ROT)
    for y, richtung in ((500, -1), (380, 1)):
        s.linie(580, y, 640, y, farbe=ROT)
        pfeil(s, 640, y, richtung, 0, ROT)
    # hot water out to the right
    s.linie(500, 660, 500, VORLAUF_Y, farbe=ROT)
    s.linie(500, VORLAUF_Y, OBEN_BREITE, VORLAUF_Y, farbe=ROT)
    pfeil(s, OBEN_BREITE, VORLAUF_Y, 1, 0, ROT)
    # cold water from the vessel's outlet at x 300 to the bottom of the tank, with the safety
    # valve on the tank's inlet
    s.linie(DURCHFLUSS_X, SAMMLER_Y, KALTWASSER_X, SAMMLER_Y, farbe=BLAU)
    s.punkt(DURCHFLUSS_X, SAMMLER_Y, farbe=BLAU)
    s.linie(KALTWASSER_X, SAMMLER_Y, KALTWASSER_X, 360, farbe=BLAU)
    s.linie(KALTWASSER_X, 360, 420, 360, farbe=BLAU)
    sicherheitsventil(s, KALTWASSER_X, 310, links=True, farbe=BLAU)
    # the plant is alone in its row: its labels stand right of the tank
    s.text(680, 1080, 580, "Speicher")
    s.text(680, 1080, 510, "Volumen1")
    s.text(680, 1080, 440, "Temperatur2")
    return s


def druckerhoehung():
    """Pressure-boosting plant; its block also holds the vessel (left half), joined at the header."""
    s = Symbol()
    s.rechteck(420, 300, 620, 560, farbe=MAGENTA)
    for x in (480, 560):
        pumpe(s, x, 430, r=26)
        # suction from below, pressure out above
        s.linie(x, 404, x, 360, farbe=BLAU)
        s.linie(x, 456, x, 500, farbe=BLAU)
    # suction header, fed from the right
    s.linie(480, 360, 740, 360, farbe=BLAU)
    s.zug([(760, 345), (740, 360), (760, 375)], farbe=BLAU)
    s.text(640, 1000, 390, "Zulauf")
    # pressure header out to the left: the vessel hangs from the pressure line
    s.linie(480, 500, 560, 500, farbe=BLAU)
    s.linie(480, 500, KALTWASSER_X, 500, farbe=BLAU)
    s.linie(KALTWASSER_X, 500, KALTWASSER_X, SAMMLER_Y, farbe=BLAU)
    s.punkt(KALTWASSER_X, SAMMLER_Y, farbe=BLAU)
    s.zug([(20, 235), (0, SAMMLER_Y), (20, 265)], farbe=BLAU)
    s.text(400, 800, 650, "Druckerhöhung")
    s.text(640, 1000, 470, "Förderstrom1")
    return s


def sicherheit_klein(titel, zeichne):
    s = Symbol()
    oben_leitungen(s)
    zeichne(s)
    return s


def entspannungstopf(s):
    s.rechteck(490, 740, 610, 820, farbe=GRUEN)
    s.linie(550, VORLAUF_Y, 550, 740, farbe=GRUEN)
    s.linie(550, 820, 550, 860, farbe=GRUEN, punkt=True)
    s.text(495, 605, 768, "ET")


def wassermangel(s):
    s.rechteck(450, 380, 620, 460, farbe=GELB)
    s.linie(615, 460, 615, VORLAUF_Y, farbe=GELB)
    s.text(455, 605, 408, "WMS")


def druckbegrenzer(s, x, y, text):
    """A pressure limiter below the flow line, its label to the right."""
    s.kreis(x, y, 18, farbe=GELB)
    s.linie(x - 12, y - 12, x + 12, y + 12, farbe=GELB)
    s.linie(x, y + 18, x, VORLAUF_Y, farbe=GELB)
    s.text(x + 22, 610, y - 10, text)


def einzelabsicherung(s):
    # the generator's own vessel on its return (the generator draws the safety valve)
    s.rechteck(460, 200, 610, 360, farbe=GRUEN)
    s.linie(590, 200, 590, RUECKLAUF_Y, farbe=GRUEN)
    s.text(465, 605, 270, "MAG")
    # the vessels' labels above the trap, across the block
    s.text(10, 610, 960, "Absicherung1")
    s.text(10, 610, 900, "Gefäß2")


def kappenventile(anzahl):
    def zeichne(s):
        for i in range(anzahl):
            # on a branch off the return
            kappenventil(s, 470 + 60 * i, 40)
            s.linie(470 + 60 * i, RUECKLAUF_Y, 470 + 60 * i, 26, farbe=GRUEN)
    return zeichne


def keine_kappe(s):
    """No cap valve: the header passes."""


def entlueftung(s):
    s.linie(200, VORLAUF_Y, 200, 760, farbe=ROT)
    s.rechteck(170, 760, 230, 860, farbe=CYAN)
    s.linie(200, 860, 200, 900, farbe=CYAN)
    pfeil(s, 200, 900, 0, 1, CYAN)
    s.text(240, 330, 795, "LA")


def ohne_entlueftung(s):
    """No air vent: the flow line passes."""


def anbindung(s):
    kappenventil(s, 500, 0, senkrecht=False)
    s.text(390, 610, 50, "Anbindung")


def schlammabscheider(s):
    s.rechteck(240, -60, 320, 60, farbe=BLAU)
    s.linie(240, -60, 320, 60, farbe=BLAU)
    s.linie(240, 60, 320, -60, farbe=BLAU)
    s.linie(280, -60, 280, -105, farbe=BLAU)
    ventil(s, 280, -115, senkrecht=True, farbe=BLAU, groesse=10)
    # the article's text below the device, across the block
    s.text(20, 600, -200, "Abscheider1")


def ohne_schlammabscheider(s):
    """No dirt separator: the return passes."""


# --- Lower row --------------------------------------------------------------------------------

def gefaess(titel, form="stehend", zusatz=None, art=None, eigener_block=False, bis=KALTWASSER_X):
    """A vessel hanging from the header; art names its kind in a second line. A vessel drawn in
    the block of its plant hangs from the plant's water line (up to x bis) instead of a header
    stub."""
    s = Symbol()
    unten_sammler(s, stub=not eigener_block, bis=bis)
    if form in ("stehend", "fuesse"):
        behaelter(s, 110, 240, -320, 120)
        s.linie(175, 120, 175, SAMMLER_Y, farbe=BLAU)
        if form == "fuesse":
            for x in (125, 225):
                s.linie(x, -290, x, -340)
            s.linie(105, -340, 145, -340)
            s.linie(205, -340, 245, -340)
    elif form == "klein":
        behaelter(s, 125, 225, -200, 80)
        s.linie(175, 80, 175, SAMMLER_Y, farbe=BLAU)
    else:
        liegender_behaelter(s, 40, 310, -160, 0)
        s.linie(175, 0, 175, SAMMLER_Y, farbe=BLAU)
    kappenventil(s, 175, 190)
    s.text(5, 345, -400, titel)
    if art:
        s.text(5, 345, -460, art)
    if zusatz:
        zusatz(s)
    return s


def durchstroemt(s):
    # drinking-water vessel in the line: the water enters at the top and leaves at the side,
    # on to the tank's cold-water line at x 300
    s.linie(240, -200, DURCHFLUSS_X, -200, farbe=BLAU)
    s.linie(DURCHFLUSS_X, -200, DURCHFLUSS_X, SAMMLER_Y, farbe=BLAU)


def automat(titel, maschine, zweite=None, modul=None):
    s = Symbol()
    unten_sammler(s)
    behaelter(s, 150, 270, -320, 80)
    s.linie(210, 80, 210, SAMMLER_Y, farbe=BLAU)
    kappenventil(s, 210, 180)
    s.rechteck(20, -320, 130, -100, farbe=MAGENTA)
    maschine(s, 75, -170, r=28)
    if zweite:
        zweite(s, 75, -260, r=28)
    s.linie(130, -150, 150, -150, farbe=MAGENTA)
    # line to the add-on vessels, below the vessel
    s.linie(210, -320, 210, BEISTELL_Y, farbe=BLAU)
    s.linie(210, BEISTELL_Y, 310, BEISTELL_Y, farbe=BLAU)
    anschlusskreis(s, 310, BEISTELL_Y)
    s.text(5, 345, -400, titel)
    if modul:
        s.text(5, 345, -460, modul, layer="Textstat")
    return s


def beistell(titel, links):
    s = Symbol()
    behaelter(s, 120, 240, -320, 80)
    x = 40 if links else 310
    s.linie(180, -320, 180, BEISTELL_Y, farbe=BLAU)
    s.linie(180, BEISTELL_Y, x, BEISTELL_Y, farbe=BLAU)
    anschlusskreis(s, x, BEISTELL_Y)
    s.text(5, 345, -400, titel)
    return s


def zwischengefaess(mit_ena):
    s = Symbol()
    unten_sammler(s)
    behaelter(s, 110, 240, -300, 120, membran=False)
    s.linie(175, 120, 175, SAMMLER_Y, farbe=BLAU)
    kappenventil(s, 175, 190)
    s.text(5, 345, -400, "Vorschaltgefäß")
    if mit_ena:
        s.linie(240, -200, 330, -200, farbe=GRUEN)
        s.linie(330, -200, 330, -260, farbe=GRUEN, punkt=True)
    return s


def nachspeiseautomat(fuer_vb):
    s = Symbol()
    unten_sammler(s)
    s.rechteck(80, -260, 280, 60, farbe=MAGENTA)
    pumpe(s, 180, -120, r=40)
    s.linie(180, 60, 180, SAMMLER_Y, farbe=BLAU)
    kappenventil(s, 180, 170)
    s.text(5, 345, -320, "Nachspeisung")
    # make-up water inlet
    s.linie(40, NACHSPEISE_Y, 300, NACHSPEISE_Y, layer="ZELTFL", farbe=GRUEN)
    s.linie(60, NACHSPEISE_Y, 60, -40, farbe=GRUEN)
    s.linie(60, -40, 80, -40, farbe=GRUEN)
    if fuer_vb:
        s.linie(80, -200, 0, -200, farbe=GRUEN, punkt=True)
    return s


def nachspeisung(titel, zusatz, teile):
    """Make-up set above the header: inlet, devices on the line at y 450, a ZELTFL stub to the
    right; its name in two lines below the line."""
    s = Symbol()
    s.linie(20, NACHSPEISE_Y, 330, NACHSPEISE_Y, layer="ZELTFL", farbe=GRUEN)
    s.linie(20, NACHSPEISE_Y, 20, NACHSPEISE_Y + 60, farbe=GRUEN)
    pfeil(s, 20, NACHSPEISE_Y + 60, 0, -1, GRUEN)
    s.text(0, 280, NACHSPEISE_Y + 80, "Frischwasser")
    x = 70
    for teil in teile:
        teil(s, x)
        x += 60
    # the unit's case around its devices
    s.rechteck(45, NACHSPEISE_Y - 32, x - 35, NACHSPEISE_Y + 32, farbe=GRUEN)
    s.text(5, 345, NACHSPEISE_Y - 75, titel)
    s.text(5, 345, NACHSPEISE_Y - 135, zusatz)
    return s


def n_ventil(s, x):
    ventil(s, x, NACHSPEISE_Y, senkrecht=False, farbe=GRUEN, groesse=14)


def n_trenner(s, x):
    s.rechteck(x - 18, NACHSPEISE_Y - 18, x + 18, NACHSPEISE_Y + 18, farbe=GELB)
    s.linie(x - 18, NACHSPEISE_Y - 18, x + 18, NACHSPEISE_Y + 18, farbe=GELB)


def n_zaehler(s, x):
    s.kreis(x, NACHSPEISE_Y, 16, farbe=GRUEN)
    s.punkt(x, NACHSPEISE_Y, farbe=GRUEN)


def n_magnet(s, x):
    ventil(s, x, NACHSPEISE_Y, senkrecht=False, farbe=GRUEN, groesse=10)
    s.rechteck(x - 8, NACHSPEISE_Y + 12, x + 8, NACHSPEISE_Y + 28, farbe=GRUEN)


def n_pumpe(s, x):
    pumpe(s, x, NACHSPEISE_Y, r=16, farbe=GRUEN)


def systemtrenner():
    s = Symbol()
    # beside the make-up devices of its block: the separator at the end of their line, its
    # name above the fresh-water label
    s.linie(20, NACHSPEISE_Y, 330, NACHSPEISE_Y, layer="ZELTFL", farbe=GRUEN)
    n_trenner(s, 305)
    s.text(5, 345, NACHSPEISE_Y + 145, "Systemtrenner BA")
    return s


def solaranlage():
    s = Symbol()
    # collector field
    s.zug([(0, 900), (300, 900), (360, 1100), (60, 1100)], farbe=BLAU, geschlossen=True)
    for i in range(1, 5):
        s.linie(60 * i, 900, 60 * i + 60, 1100, farbe=BLAU)
    # heat exchanger tank; the coil enters on the left and leaves on the right
    behaelter(s, 150, 320, 0, 420, membran=False)
    s.zug([(150, 230), (300, 205), (170, 180), (300, 155), (170, 130), (320, 110)], farbe=ROT)
    # flow from the collector down into the coil
    s.linie(20, 900, 20, 230, farbe=ROT)
    s.linie(20, 230, 150, 230, farbe=ROT)
    # return from the coil through the pump up to the collector
    s.linie(320, 110, 400, 110, farbe=BLAU)
    s.linie(400, 110, 400, 280, farbe=BLAU)
    pumpe(s, 400, 300, r=20, aufwaerts=True)
    s.linie(400, 320, 400, 1080, farbe=BLAU)
    s.linie(354, 1080, 400, 1080, farbe=BLAU)
    # the safety valve on the return above the pump
    sicherheitsventil(s, 400, 420)
    # the vessel teed off the return before the pump
    s.linie(400, 200, 520, 200, farbe=BLAU)
    s.punkt(400, 200, farbe=BLAU)
    behaelter(s, 480, 560, -200, 120)
    s.linie(520, 120, 520, 200, farbe=BLAU)
    anschlusskreis(s, 520, 200)
    s.text(100, 380, 1130, "Solaranlage")
    s.text(440, 600, -240, "MAG")
    return s


def rahmen():
    s = Symbol()
    s.rechteck(0, 0, 4500, 3150)
    s.rechteck(20, 20, 4480, 3130)
    # title block
    s.rechteck(2600, 20, 4480, 420)
    for y in (120, 220, 320):
        s.linie(2600, y, 4480, y)
    s.linie(2950, 120, 2950, 420)
    s.linie(3530, 20, 3530, 120)
    s.text(2610, 2940, 355, "Projekt-Nr.:", hoehe=20)
    s.text(2960, 4470, 355, "Projektnummer1", hoehe=20)
    s.text(2610, 2940, 255, "Datum:", hoehe=20)
    s.text(2960, 4470, 255, "Datum2", hoehe=20)
    s.text(2610, 2940, 155, "Projekt:", hoehe=20)
    s.text(2960, 4470, 155, "Bezeichnung3", hoehe=20)
    s.text(2610, 3520, 55, "Hydraulisches Schaltschema", hoehe=20)
    s.text(3540, 4470, 55, "$QZV$", hoehe=14)
    # article summary along the bottom
    s.linie(20, 120, 2600, 120)
    s.text(30, 330, 55, "Artikel:", hoehe=20)
    s.text(340, 2590, 55, "Artikelliste4", hoehe=20)
    s.text(3000, 4480, 3080, "Kelvor", hoehe=30, farbe=BLAU)
    return s


def vorlage():
    z = ["  0", "SECTION", code(2), "HEADER",
         code(9), "$ACADVER", code(1), "AC1009",
         code(9), "$DWGCODEPAGE", code(3), "ANSI_1252",
         code(9), "$INSBASE", code(10), zahl(0), code(20), zahl(0), code(30), zahl(0),
         code(9), "$EXTMIN", code(10), zahl(0), code(20), zahl(0), code(30), zahl(0),
         code(9), "$EXTMAX", code(10), zahl(4626), code(20), zahl(3271), code(30), zahl(0),
         code(9), "$LIMMIN", code(10), zahl(0), code(20), zahl(0),
         code(9), "$LIMMAX", code(10), zahl(4626), code(20), zahl(3271),
         "  0", "ENDSEC",
         "  0", "SECTION", code(2), "TABLES",
         "  0", "TABLE", code(2), "LTYPE", code(70), ganz(2),
         "  0", "LTYPE", code(2), "CONTINUOUS", code(70), ganz(0), code(3), "Solid line",
         code(72), ganz(65), code(73), ganz(0), code(40), zahl(0),
         "  0", "LTYPE", code(2), "PUNKT", code(70), ganz(0), code(3), ". . . . . . .",
         code(72), ganz(65), code(73), ganz(2), code(40), zahl(6), code(49), zahl(0), code(49), zahl(-6),
         "  0", "ENDTAB",
         "  0", "TABLE", code(2), "LAYER", code(70), ganz(5)]
    for name, farbe in (("0", 7), ("ZELT", BLAU), ("ZELTR", BLAU), ("ZELTFL", GRUEN), ("Textstat", 7)):
        z += ["  0", "LAYER", code(2), name, code(70), ganz(0), code(62), ganz(farbe), code(6), "CONTINUOUS"]
    z += ["  0", "ENDTAB",
          "  0", "TABLE", code(2), "STYLE", code(70), ganz(1),
          "  0", "STYLE", code(2), "STANDARD", code(70), ganz(0), code(40), zahl(0), code(41), zahl(1),
          code(50), zahl(0), code(71), ganz(0), code(42), zahl(2.5), code(3), "txt", code(4), "",
          "  0", "ENDTAB",
          "  0", "ENDSEC",
          "  0", "SECTION", code(2), "ENTITIES",
          "ENDSEC", "  0", "EOF"]
    return z


def bibliothek():
    b = {
        "Kessel.dxf": erzeuger("Kessel", kessel_innen),
        "Waermeta.dxf": erzeuger("Wärmetauscher", waermetauscher_innen),
        "Kaeltema.dxf": erzeuger("Kältemaschine", kaelte_innen),
        "Speicher.dxf": speicher(),
        "Druckerh.dxf": druckerhoehung(),
        "Entspato.dxf": sicherheit_klein("ET", entspannungstopf),
        "Wasmansi.dxf": sicherheit_klein("WMS", wassermangel),
        "Mindrube.dxf": sicherheit_klein("min", lambda s: druckbegrenzer(s, 470, 570, "min")),
        "Maxdrube.dxf": sicherheit_klein("max", lambda s: druckbegrenzer(s, 500, 645, "max")),
        "Kseinabs.dxf": sicherheit_klein("Absicherung", einzelabsicherung),
        "Kappenv.dxf": sicherheit_klein("KV", kappenventile(1)),
        "Kappenv2.dxf": sicherheit_klein("KV", kappenventile(2)),
        "NoKappv.dxf": sicherheit_klein("", keine_kappe),
        "Entlueft.dxf": sicherheit_klein("LA", entlueftung),
        "Entlueft_NO.dxf": sicherheit_klein("", ohne_entlueftung),
        "AnbindOhneENA.dxf": sicherheit_klein("", anbindung),
        "As.dxf": sicherheit_klein("", schlammabscheider),
        "As_NO.dxf": sicherheit_klein("", ohne_schlammabscheider),
        "Pravon.dxf": gefaess("MAG"),
        "Sirtova.dxf": gefaess("MAG", art="feste Membrane"),
        "Mabrine.dxf": gefaess("MAG", form="fuesse", art="mit Standfüßen"),
        "Bgefaess.dxf": gefaess("MAG", art="Wechselmembrane"),
        "M80.dxf": gefaess("MAG", form="klein", art="kompakt"),
        "Mgefaess.dxf": gefaess("MAG", art="kompakt"),
        "Mlieg.dxf": gefaess("MAG", form="liegend", art="liegend"),
        "Quendod.dxf": gefaess("MAG", art="Enddruckseite", eigener_block=True),
        "Quendoa.dxf": gefaess("TW-MAG", zusatz=durchstroemt, art="durchströmt", eigener_block=True, bis=175),
        "Quendode.dxf": gefaess("TW-MAG", art="Trinkwasser", eigener_block=True, bis=DURCHFLUSS_X),
        "Mk.dxf": automat("Kompressor-", verdichter, modul="automat"),
        "Mp.dxf": automat("Pumpenautomat", pumpe),
        "Mp2.dxf": automat("Pumpenautomat", pumpe, zweite=pumpe, modul="Doppelpumpe"),
        "Kelmat.dxf": automat("Modulautomat", pumpe, modul="eine Pumpe"),
        "Kelmat2.dxf": automat("Modulautomat", pumpe, zweite=pumpe, modul="zwei Pumpen"),
        "Pumbrix.dxf": automat("Nachspeise-", pumpe, modul="automat"),
        "Mkbeil.dxf": beistell("Beistellgefäß", True),
        "Mkbeir.dxf": beistell("Beistellgefäß", False),
        "Mpbeistl.dxf": beistell("Beistellgefäß", True),
        "Mpbeistr.dxf": beistell("Beistellgefäß", False),
        "Kelmatbl.dxf": beistell("Beistellgefäß", True),
        "Kelmatbr.dxf": beistell("Beistellgefäß", False),
        "PumBei1.dxf": beistell("Beistellgefäß", True),
        "PumBei2.dxf": beistell("Beistellgefäß", False),
        "VB_mitENA.dxf": zwischengefaess(True),
        "VB_ohneENA.dxf": zwischengefaess(False),
        "ENA_fuerVB.dxf": nachspeiseautomat(True),
        "ENA_ohneVB.dxf": nachspeiseautomat(False),
        "Stm.dxf": nachspeisung("Nachspeisung", "für MAG", [n_ventil, n_trenner, n_zaehler, n_magnet]),
        "Stamp.dxf": nachspeisung("Nachspeisung", "für Automat", [n_ventil, n_trenner, n_zaehler, n_magnet]),
        "Sta.dxf": nachspeisung("Nachspeisung", "für Automat", [n_ventil, n_trenner, n_magnet]),
        "Pm.dxf": nachspeisung("Nachspeisepumpe", "für MAG", [n_ventil, n_trenner, n_pumpe]),
        "Pa.dxf": nachspeisung("Nachspeisepumpe", "für Automat", [n_ventil, n_trenner, n_pumpe, n_zaehler]),
        "Systemtr.dxf": systemtrenner(),
        "Solaranlage_DE.dxf": solaranlage(),
        "Rahmen2.dxf": rahmen(),
    }
    return b


def main():
    dateien = {name: inhalt(s.zeilen()) for name, s in bibliothek().items()}
    dateien["DXF_GND1.dxf"] = inhalt(vorlage())
    if "--pruefen" in sys.argv[1:]:
        abweichend = []
        for name, daten in sorted(dateien.items()):
            pfad = os.path.join(ZIEL, name)
            if not os.path.exists(pfad) or open(pfad, "rb").read() != daten:
                abweichend.append(name)
        for name in abweichend:
            print("differs from the generator: resources/dxf/" + name)
        return 1 if abweichend else 0
    os.makedirs(ZIEL, exist_ok=True)
    for name, daten in dateien.items():
        with open(os.path.join(ZIEL, name), "wb") as f:
            f.write(daten)
    return 0


if __name__ == "__main__":
    sys.exit(main())
