#include "info/Gebietskarte.h"

#include "base/Zahlen.h"

#include <array>

namespace {

using Ecken = std::array<int, 17>;

// Service map (picture KARTEN 101, 250 x 330 pixels): area number = index.
constexpr std::array<Ecken, 9> EckenService = {{
    {0, 140, 77, 179, 94, 225, 66, 242, 123, 173, 144, 138, 124, 145, 100, 131, 85},
    {1, 134, 40, 184, 19, 205, 31, 230, 63, 223, 68, 188, 89, 176, 93, 133, 74},
    {2, 35, 52, 78, 53, 79, 1, 140, 17, 132, 85, 104, 87, 78, 98, 40, 88},
    {3, 47, 106, 85, 163, 56, 185, 36, 193, 36, 228, 16, 232, 3, 167, 7, 133},
    {4, 40, 88, 87, 95, 131, 84, 143, 98, 141, 138, 95, 180, 52, 110, 22, 103},
    {5, 146, 132, 174, 144, 235, 124, 248, 145, 244, 168, 176, 201, 124, 178, 115, 166},
    {6, 99, 221, 121, 178, 176, 200, 223, 262, 202, 318, 143, 324, 132, 274, 117, 239},
    {7, 11, 240, 33, 228, 37, 193, 85, 165, 96, 178, 115, 162, 123, 175, 70, 269},
    {8, 59, 262, 71, 268, 98, 222, 129, 266, 141, 318, 123, 325, 88, 312, 41, 322},
}};

// Representative map (picture KARTEN 102, 240 x 327 pixels): area number = index + 1.
constexpr std::array<Ecken, 13> EckenVertreter = {{
    {0, 65, 3, 107, 13, 110, 28, 127, 31, 137, 22, 171, 71, 114, 86, 76, 51},
    {1, 41, 56, 75, 50, 114, 85, 95, 101, 82, 99, 76, 110, 51, 111, 23, 106},
    {2, 151, 39, 195, 11, 220, 73, 230, 127, 202, 137, 170, 126, 164, 89, 168, 68},
    {3, 142, 76, 161, 73, 169, 122, 195, 138, 164, 147, 163, 171, 123, 152, 128, 127},
    {4, 79, 106, 134, 80, 137, 124, 122, 127, 119, 164, 91, 178, 73, 156, 94, 138},
    {5, 28, 110, 81, 111, 94, 139, 76, 151, 77, 164, 55, 179, 54, 151, 31, 150},
    {6, 123, 152, 161, 171, 166, 147, 228, 128, 242, 170, 168, 200, 117, 193, 112, 171},
    {7, 4, 132, 28, 129, 32, 149, 53, 152, 56, 178, 43, 185, 29, 196, 5, 187},
    {8, 11, 190, 28, 196, 55, 178, 53, 223, 64, 220, 71, 249, 67, 259, 3, 241},
    {9, 57, 179, 76, 164, 90, 178, 110, 168, 117, 184, 71, 250, 64, 218, 53, 221},
    {10, 110, 194, 164, 201, 191, 244, 161, 266, 149, 259, 119, 256, 92, 228, 99, 202},
    {11, 52, 256, 64, 264, 90, 224, 119, 257, 124, 271, 112, 291, 111, 313, 35, 311},
    {12, 118, 255, 164, 264, 190, 244, 219, 262, 185, 289, 197, 315, 101, 323, 124, 273},
}};

template <std::size_t N>
void setzeTabelle(Gebietskarte& karte, const std::array<Ecken, N>& tabelle)
{
    for (const Ecken& e : tabelle)
        karte.SetzeGebietspunkte(e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8], e[9], e[10], e[11], e[12],
                                 e[13], e[14], e[15], e[16]);
}

// Whether p lies on the segment a-b.
bool aufStrecke(const QPoint& p, const QPoint& a, const QPoint& b)
{
    const long long kreuz = static_cast<long long>(b.x() - a.x()) * (p.y() - a.y())
                            - static_cast<long long>(b.y() - a.y()) * (p.x() - a.x());
    return kreuz == 0 && std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x())
           && std::min(a.y(), b.y()) <= p.y() && p.y() <= std::max(a.y(), b.y());
}

}  // namespace

Gebietskarte::Gebietskarte(Karte karte)
    : m_karte(karte),
      m_gebietsanzahl(karte == Karte::Service ? 9 : 13),
      // The representative table has one slot more than it uses.
      m_gebietspunkte(karte == Karte::Service ? 9 : 14, std::vector<QPoint>(8))
{
}

void Gebietskarte::SetzeGebietspunkte(int index, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                                      int x5, int y5, int x6, int y6, int x7, int y7, int x8, int y8)
{
    m_gebietspunkte.at(index) = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}, {x5, y5}, {x6, y6}, {x7, y7}, {x8, y8}};
}

void Gebietskarte::BildeGebiete()
{
    if (m_karte == Karte::Service)
        setzeTabelle(*this, EckenService);
    else
        setzeTabelle(*this, EckenVertreter);
    m_regionen.clear();
    for (int i = 0; i < m_gebietsanzahl; ++i)
        m_regionen.emplace_back(QList<QPoint>(m_gebietspunkte[i].begin(), m_gebietspunkte[i].end()));
}

std::optional<int> Gebietskarte::FindeGebiet(float x, float y) const
{
    const QPoint p(Zahlen::CLng(x), Zahlen::CLng(y));
    for (int i = 0; i < static_cast<int>(m_regionen.size()); ++i) {
        const QPolygon& r = m_regionen[i];
        bool treffer = r.containsPoint(p, Qt::OddEvenFill);
        for (int k = 0; !treffer && k < r.size(); ++k)
            treffer = aufStrecke(p, r[k], r[(k + 1) % r.size()]);
        if (treffer)
            return m_karte == Karte::Service ? i : i + 1;
    }
    return std::nullopt;
}
