#pragma once

// Window and report geometry is given in twips; the screen has 15 twips per pixel (96 dpi).
namespace Twips {

inline constexpr double ProPixel = 15.0;

// Twips to whole pixels, halves to even.
int zuPixel(double twips, double twipsProPixel = ProPixel);
// Pixels to twips.
inline int ausPixel(int pixel, double twipsProPixel = ProPixel)
{
    return static_cast<int>(pixel * twipsProPixel);
}

// The visible line of a grid under the pointer: (pointer Y - top of the first visible line) and
// the row height each rounded half to even, the quotient cut toward zero (all in twips); -1 for
// a row height of 0.
int SichtbareZeile(double zeigerY, double obersteZeileY, double zeilenhöhe);

}  // namespace Twips
