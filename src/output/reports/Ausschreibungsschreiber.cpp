#include "output/reports/Ausschreibungsschreiber.h"

namespace {
Ausschreibungsfabrik& fabrik()
{
    static Ausschreibungsfabrik f;
    return f;
}
} // namespace

std::unique_ptr<Ausschreibungsschreiber> NeuerAusschreibungsschreiber()
{
    return fabrik() ? fabrik()() : nullptr;
}

void setzeAusschreibungsfabrik(Ausschreibungsfabrik f)
{
    fabrik() = std::move(f);
}
