#pragma once
#include <array>

// The pipe sizes of the pipe-network inputs, DN20 .. DN400, with litres of water per metre.
struct Rohrgröße {
    int dn;
    double literJeMeter;
};
inline constexpr std::array<Rohrgröße, 15> Rohrtabelle{{{20, 0.39},    {25, 0.64},    {32, 1.09},   {40, 1.46},
                                                        {50, 2.33},    {65, 3.88},    {80, 5.35},   {100, 9.01},
                                                        {125, 13.62},  {150, 19.14},  {200, 33.75}, {250, 50.83},
                                                        {300, 71.5},   {350, 97.5},   {400, 118.0}}};
