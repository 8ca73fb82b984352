#pragma once
#include <QSize>

// How small and how large the user can drag the main window.
namespace FormMinMaxSize {

inline constexpr int MinBreitePixel = 160;
inline constexpr int MinHoehePixel = 170;
// The start size of the main window is also its largest size.
inline constexpr int StartBreiteTwips = 11200;
inline constexpr int StartHoeheTwips = 8700;

QSize Minimum();
// The start size in pixels for the given twips per pixel in x and y.
QSize Maximum(double twipsProPixelX = 15.0, double twipsProPixelY = 15.0);

}  // namespace FormMinMaxSize
