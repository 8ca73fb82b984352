#include "shell/FormMinMaxSize.h"

#include "base/Twips.h"

namespace FormMinMaxSize {

QSize Minimum()
{
    return QSize(MinBreitePixel, MinHoehePixel);
}

QSize Maximum(double twipsProPixelX, double twipsProPixelY)
{
    return QSize(Twips::zuPixel(StartBreiteTwips, twipsProPixelX),
                 Twips::zuPixel(StartHoeheTwips, twipsProPixelY));
}

}  // namespace FormMinMaxSize
