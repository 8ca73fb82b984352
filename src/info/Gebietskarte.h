#pragma once
#include <QPoint>
#include <QPolygon>

#include <optional>
#include <vector>

// The numbered areas of a finder's map: one eight-cornered polygon per area in the pixel
// coordinates of the map picture, tested in index order (neighbouring polygons overlap; the
// first hit wins).
class Gebietskarte {
public:
    enum class Karte { Service, Vertreter };

    explicit Gebietskarte(Karte karte);

    // Stores the eight corners of one area (index within the table's slots).
    void SetzeGebietspunkte(int index, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int x5,
                            int y5, int x6, int y6, int x7, int y7, int x8, int y8);
    // Stores the corner table of the map and builds one region per area in use.
    void BildeGebiete();
    // The area number of a click (service: the index; representatives: index + 1), or none.
    // The coordinates are rounded half to even. Points on a polygon's outline count as inside
    // (even-odd rule on the eight corners, outline included).
    std::optional<int> FindeGebiet(float x, float y) const;

    int Gebietsanzahl() const { return m_gebietsanzahl; }
    // The region of area index i (after BildeGebiete).
    const QPolygon& Gebietsregion(int i) const { return m_regionen.at(i); }

private:
    Karte m_karte;
    int m_gebietsanzahl;
    std::vector<std::vector<QPoint>> m_gebietspunkte;
    std::vector<QPolygon> m_regionen;
};
