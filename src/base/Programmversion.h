#pragma once
#include <QString>

// The program's own build version (the project version of the build).
namespace Programmversion {
inline constexpr int Haupt = KELVOR_VERSION_HAUPT;
inline constexpr int Neben = KELVOR_VERSION_NEBEN;
inline constexpr int Revis = KELVOR_VERSION_REVIS;

// major.minor.revision in decimal.
inline QString Text()
{
    return QStringLiteral("%1.%2.%3").arg(Haupt).arg(Neben).arg(Revis);
}
}  // namespace Programmversion
