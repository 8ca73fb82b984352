#include "design/water_pressure/GlobDatenTrinkw.h"

GlobDatenTrinkw::GlobDatenTrinkw() : GlobDaten(QStringLiteral("GlobDatenTrinkw"), QStringLiteral("Trinkwasserparameter"))
{
    zahl("m_VolAnlage", m_VolAnlage, "AnlagenvolumenSumme", 50);
    zahl("m_p_SV", m_p_SV, "p Sicherheitsventil", 10, 1);
    zahl("m_GefaessGruppe", m_GefaessGruppe, "Behältergruppe", 0);
    zahl("m_GefaessAnzahl", m_GefaessAnzahl, "Behälteranzahl", 1);
    wert("m_GefaessArtNr", m_GefaessArtNr, "GefäßArtNr", QStringLiteral(" "));
    wert("m_Zub_SichVentil_ArtNr", m_Zub_SichVentil_ArtNr, "SichventilArtNr", QStringLiteral(" "));
    wert("m_Zub_KappV_Beh_ArtNr", m_Zub_KappV_Beh_ArtNr, "KappenventilBehArtNr", QStringLiteral(" "));
    wert("m_Zub_KappV_Beh_Anz", m_Zub_KappV_Beh_Anz, "KappenventilBehAnz", VbVariant::integer(0));
}

GlobDatenTrinkw::~GlobDatenTrinkw()
{
    Freigeben();
}
