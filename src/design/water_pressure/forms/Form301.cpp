#include "design/water_pressure/forms/Form301.h"

#include "base/Programmzustand.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"

Form301::Form301(QWidget* parent) : Gefäßauswahlseite(QStringLiteral("Form301"), parent) {}

Form301::~Form301() = default;

QString Form301::Art() const
{
    return zustand().Projektart;
}

GlobDaten* Form301::Datenobjekt(const QString& art)
{
    const Programmzustand& z = zustand();
    if (art == QStringLiteral("Tr"))
        return HalteDatenobjekt(z.g_trinkdat);
    if (art == QStringLiteral("Dr"))
        return HalteDatenobjekt(z.g_druckdat);
    return nullptr;
}
