#include "shell/Twips.h"

#include "shell/Zahlen.h"

namespace Twips {

int zuPixel(double twips, double twipsProPixel)
{
    return Zahlen::CLng(twips / twipsProPixel);
}

}  // namespace Twips
