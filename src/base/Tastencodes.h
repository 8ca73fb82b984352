#pragma once
#include <Qt>

// Key codes and shift states as the program numbers them (37 Left, 39 Right, 121 F10; shift
// state 1 Shift, 2 Ctrl, 4 Alt).
namespace Tastencodes {

inline constexpr int Links = 37;
inline constexpr int Hoch = 38;
inline constexpr int Rechts = 39;
inline constexpr int Runter = 40;
inline constexpr int F10 = 121;
inline constexpr int UmschaltShift = 1;
inline constexpr int UmschaltStrg = 2;
inline constexpr int UmschaltAlt = 4;

// The program's code of a Qt key; 0 for keys without one.
int Taste(int qtTaste);
// The shift state of Qt modifiers.
int Umschaltung(Qt::KeyboardModifiers m);

}  // namespace Tastencodes
