#include "design/solar/GlobDatenSolar.h"

GlobDatenSolar::GlobDatenSolar() : GlobDaten(QStringLiteral("GlobDatenSolar"), QStringLiteral("Solarparameter"))
{
    zahl("m_Absorberflaeche", m_Absorberflaeche, "Absorberflaeche", 0);
    zahl("m_p_SV", m_p_SV, "p Sicherheitsventil", 6, 1);
    zahl("m_GefaessGruppe", m_GefaessGruppe, "Behältergruppe", 0);
    zahl("m_GefaessAnzahl", m_GefaessAnzahl, "Behälteranzahl", 1);
    wert("m_GefaessArtNr", m_GefaessArtNr, "GefäßArtNr", QStringLiteral(" "));
    wert("m_Zub_SichVentil_ArtNr", m_Zub_SichVentil_ArtNr, "SichventilArtNr", QStringLiteral(" "));
    wert("m_Zub_KappV_Beh_Anz", m_Zub_KappV_Beh_Anz, "KappenventilBehAnz", VbVariant::integer(0));
    wert("m_Zub_KappV_Beh_ArtNr", m_Zub_KappV_Beh_ArtNr, "KappenventilBehArtNr", QStringLiteral(" "));
}

GlobDatenSolar::~GlobDatenSolar()
{
    Freigeben();
}
