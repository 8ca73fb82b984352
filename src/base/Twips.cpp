#include "base/Twips.h"

#include "base/Zahlen.h"

namespace Twips {

int zuPixel(double twips, double twipsProPixel)
{
    return Zahlen::CLng(twips / twipsProPixel);
}

}  // namespace Twips
