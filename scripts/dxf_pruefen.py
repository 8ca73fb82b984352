#!/usr/bin/python3
"""Checks a schematic drawing with an independent DXF reader.

    dxf_pruefen.py ZEICHNUNG.dxf ENTITIES.tmp

The drawing must load, its audit must report no errors, and its model space must hold the
entities of the entity stream ENTITIES.tmp in the same order: the same kinds, layers, points and
vertex counts. Exit code 0 when all holds; otherwise the faults are printed and the code is 1.
"""
import sys

import ezdxf

ARTEN = {"LINE", "CIRCLE", "ARC", "POINT", "TEXT", "POLYLINE"}


def paare(pfad):
    """The entity stream as (code, value) pairs; its first "  0" is written by the assembly."""
    with open(pfad, encoding="cp1252", newline="") as f:
        zeilen = f.read().split("\r\n")
    if zeilen and zeilen[-1] == "":
        zeilen.pop()
    zeilen = ["  0"] + zeilen
    return [(zeilen[i].strip(), zeilen[i + 1]) for i in range(0, len(zeilen) - 1, 2)]


def strom_entities(pfad):
    """Entities of the stream: kind, layer, first point, second point, vertex count."""
    ergebnis = []
    aktuell = None
    for code, wert in paare(pfad):
        if code == "0":
            if wert in ARTEN:
                aktuell = {"art": wert, "layer": "0", "p": {}, "ecken": 0}
                ergebnis.append(aktuell)
            elif wert == "VERTEX" and aktuell is not None and aktuell["art"] == "POLYLINE":
                aktuell["ecken"] += 1
            elif wert != "VERTEX":
                aktuell = None if wert != "SEQEND" else aktuell
            continue
        if aktuell is None:
            continue
        if code == "8" and aktuell["ecken"] == 0:
            aktuell["layer"] = wert.strip()
        if code in ("10", "20", "11", "21") and aktuell["ecken"] == 0 and code not in aktuell["p"]:
            aktuell["p"][code] = float(wert)
    return ergebnis


def nah(a, b):
    return abs(a - b) < 1e-6


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    zeichnung, stromdatei = sys.argv[1], sys.argv[2]
    fehler = []
    try:
        doc = ezdxf.readfile(zeichnung)
    except Exception as e:  # noqa: BLE001 - any failure to read is the answer
        print(f"{zeichnung}: nicht lesbar: {e}")
        return 1
    pruefer = doc.audit()
    for f in pruefer.errors:
        fehler.append(f"Audit: {f.message}")

    erwartet = strom_entities(stromdatei)
    gelesen = [e for e in doc.modelspace() if e.dxftype() in ARTEN]
    if len(gelesen) != len(erwartet):
        fehler.append(f"{len(gelesen)} Entities gelesen, {len(erwartet)} im Strom")
    for n, (e, s) in enumerate(zip(gelesen, erwartet)):
        art = e.dxftype()
        if art != s["art"]:
            fehler.append(f"Entity {n}: {art} statt {s['art']}")
            continue
        if e.dxf.layer != s["layer"]:
            fehler.append(f"Entity {n} ({art}): Layer {e.dxf.layer!r} statt {s['layer']!r}")
        p = s["p"]
        if art == "LINE":
            ist = (e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y)
            soll = (p.get("10", 0), p.get("20", 0), p.get("11", 0), p.get("21", 0))
        elif art in ("CIRCLE", "ARC"):
            ist = (e.dxf.center.x, e.dxf.center.y)
            soll = (p.get("10", 0), p.get("20", 0))
        elif art == "POINT":
            ist = (e.dxf.location.x, e.dxf.location.y)
            soll = (p.get("10", 0), p.get("20", 0))
        elif art == "TEXT":
            ist = (e.dxf.insert.x, e.dxf.insert.y)
            soll = (p.get("10", 0), p.get("20", 0))
        else:
            ist = (len(e.vertices),)
            soll = (s["ecken"],)
        if not all(nah(a, b) for a, b in zip(ist, soll)):
            fehler.append(f"Entity {n} ({art}): {ist} statt {soll}")
    for f in fehler[:40]:
        print(f)
    if not fehler:
        print(f"{zeichnung}: {len(gelesen)} Entities, Audit ohne Fehler")
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
