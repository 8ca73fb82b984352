#include "design/solar/forms/Form601.h"

#include "base/Programmzustand.h"
#include "design/solar/GlobDatenSolar.h"

Form601::Form601(QWidget* parent) : Gefäßauswahlseite(QStringLiteral("Form601"), parent) {}

Form601::~Form601() = default;

QString Form601::Art() const
{
    return QStringLiteral("So");
}

GlobDaten* Form601::Datenobjekt(const QString&)
{
    return HalteDatenobjekt(zustand().g_solardat);
}

QString Form601::GetBehältergruppenbezeichnung(int16_t gruppe) const
{
    return logik() ? logik()->GetBehältergruppenbezeichnung(gruppe) : QStringLiteral(" ");
}
