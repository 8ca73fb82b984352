#include "base/Twips.h"

#include "base/Zahlen.h"

namespace Twips {

int zuPixel(double twips, double twipsProPixel)
{
    return Zahlen::CLng(twips / twipsProPixel);
}

int SichtbareZeile(double zeigerY, double obersteZeileY, double zeilenhöhe)
{
    const auto abstand = static_cast<long long>(Zahlen::RundenGerade(zeigerY - obersteZeileY));
    const auto höhe = static_cast<long long>(Zahlen::RundenGerade(zeilenhöhe));
    if (höhe == 0)
        return -1;
    return static_cast<int>(abstand / höhe);  // C++ division truncates toward zero
}

}  // namespace Twips
