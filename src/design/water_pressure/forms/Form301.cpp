#include "design/water_pressure/forms/Form301.h"

#include "base/Programmzustand.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"

Form301::Form301(QWidget* parent) : Gefäßseite(QStringLiteral("Form301"), parent) {}

GlobDaten* Form301::HoleDatenobjekt()
{
    const Programmzustand& z = zustand();
    if (z.Projektart == QStringLiteral("Tr"))
        return HalteDatenobjekt(z.g_trinkdat);
    if (z.Projektart == QStringLiteral("Dr"))
        return HalteDatenobjekt(z.g_druckdat);
    return nullptr;
}
