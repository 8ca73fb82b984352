#pragma once
#include <QString>

#include <memory>

class GlobDaten;

// A fresh, unbound data object of a system type ("He", "Kü", "Tr", "Dr", "Sp", "So"); nullptr
// for any other code. The outputs open the current project's row with it.
std::shared_ptr<GlobDaten> NeuesDatenobjekt(const QString& projektart);
