#include "design/solar/forms/Form601.h"

#include "base/Programmzustand.h"
#include "design/solar/GlobDatenSolar.h"

Form601::Form601(QWidget* parent) : Gefäßseite(QStringLiteral("Form601"), parent) {}

GlobDaten* Form601::HoleDatenobjekt()
{
    return HalteDatenobjekt(zustand().g_solardat);
}
