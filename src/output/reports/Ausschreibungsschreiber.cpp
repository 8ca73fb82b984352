#include "output/reports/Ausschreibungsschreiber.h"

#include "output/schematic/Gaeb1990.h"

namespace {
Ausschreibungsfabrik& fabrik()
{
    static Ausschreibungsfabrik f;
    return f;
}
} // namespace

std::unique_ptr<Ausschreibungsschreiber> NeuerAusschreibungsschreiber()
{
    return fabrik() ? fabrik()() : NeuerGaeb1990();
}

void setzeAusschreibungsfabrik(Ausschreibungsfabrik f)
{
    fabrik() = std::move(f);
}
