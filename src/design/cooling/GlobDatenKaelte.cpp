#include "design/cooling/GlobDatenKaelte.h"

GlobDatenKälte::GlobDatenKälte() : GlobDaten(QStringLiteral("GlobDatenKälte"), QStringLiteral("Kälteparameter"))
{
    zahl("m_VolAnlage", m_VolAnlage, "AnlagenvolumenSumme", 0);
    zahl("m_r_pVordruck", m_r_pVordruck, "Anfangsdruck", 0, 1);
    zahl("m_r_pend", m_r_pend, "Enddruck", 0, 1);
    option("m_ArtDruckhaltung", m_ArtDruckhaltung, {QStringLiteral("KonstGaspolster"), QStringLiteral("DruckHalteAutom")});
    zahl("m_GefaessGruppe", m_GefaessGruppe, "Behältergruppe", 0);
    zahl("m_GefaessAnzahl", m_GefaessAnzahl, "Behälteranzahl", 1);
    zahl("m_SteuerbehAnzahl", m_SteuerbehAnzahl, "SteuerbehAnzahl", 1);
    wert("m_GefaessArtNr", m_GefaessArtNr, "GefäßArtNr", QStringLiteral(" "));
    wert("m_SteuerModulKomp", m_SteuerModulKomp, "SteuerModulKomp", VbVariant::integer(0));
    wert("m_Zub_SichVentil_ArtNr", m_Zub_SichVentil_ArtNr, "SichventilArtNr", QStringLiteral(" "));
    wert("m_Zub_SichVentil_Anz", m_Zub_SichVentil_Anz, "SichventAnz", VbVariant::integer(0));
    wert("m_Zub_KappV_Beh_Anz", m_Zub_KappV_Beh_Anz, "KappenventilBehAnz", VbVariant::integer(0));
    wert("m_Zub_KappV_Beh_ArtNr", m_Zub_KappV_Beh_ArtNr, "KappenventilBehArtNr", QStringLiteral(" "));
    wert("m_Zub_Nachspeisung", m_Zub_Nachspeisung, "Nachspeisung", VbVariant::integer(0));
    wert("m_Zub_Nachspeise_Anz", m_Zub_Nachspeise_Anz, "NachspeiseAnz", VbVariant::integer(0));
    wert("m_Zub_Nachspeise_ArtNr", m_Zub_Nachspeise_ArtNr, "NachspeiseArtNr", QStringLiteral(" "));
    wert("m_Zub_Systemtrenner", m_Zub_Systemtrenner, "Systemtrenner", VbVariant::integer(1));
}

GlobDatenKälte::~GlobDatenKälte()
{
    Freigeben();
}
