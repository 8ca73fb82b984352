#include "design/storage_heater/GlobDatenSpeicher.h"

GlobDatenSpeicher::GlobDatenSpeicher() : GlobDaten(QStringLiteral("GlobDatenSpeicher"), QStringLiteral("SpeicherWasserwärmerparameter"))
{
}

GlobDatenSpeicher::~GlobDatenSpeicher()
{
    Freigeben();
}
