#include "design/water_pressure/GlobDatenDruck.h"

GlobDatenDruck::GlobDatenDruck() : GlobDaten(QStringLiteral("GlobDatenDruck"), QStringLiteral("Druckerhöhungparameter"))
{
    zahl("m_GefaessGruppe", m_GefaessGruppe, "Behältergruppe", 0);
    zahl("m_GefaessAnzahl", m_GefaessAnzahl, "Behälteranzahl", 1);
    wert("m_GefaessArtNr", m_GefaessArtNr, "GefäßArtNr", QStringLiteral(" "));
    wert("m_Zub_KappV_Beh_ArtNr", m_Zub_KappV_Beh_ArtNr, "KappenventilBehArtNr", QStringLiteral(" "));
    wert("m_Zub_KappV_Beh_Anz", m_Zub_KappV_Beh_Anz, "KappenventilBehAnz", VbVariant::integer(0));
}

GlobDatenDruck::~GlobDatenDruck()
{
    Freigeben();
}
