#pragma once
#include <array>

#include "data/GlobDaten.h"

// Data objects of cooling and solar with just the further-product members the pages and
// dialogs use by name (the chiller outputs kept in memory).
class KälteTestobjekt : public GlobDaten {
public:
    KälteTestobjekt() : GlobDaten(QStringLiteral("GlobDatenKälte"), QStringLiteral("Kälteparameter"))
    {
        zahl("m_p_SV", m_p_SV, "p Sicherheitsventil", 2.0);
        zahl("m_Leist_ges", m_Leist_ges, "GesamtwärmeleistungQ", 0);
        zahl("m_EinbringBreite", m_EinbringBreite, "Türbreite", 1000);
        zahl("m_EinbringHoehe", m_EinbringHoehe, "Raumhöhe", 2000);
        wert("m_Zub_Schlamm_Anordnung", m_Zub_Schlamm_Anordnung, "SchlammAnordnung", VbVariant::integer(0));
        wert("m_Zub_SchlammIso", m_Zub_SchlammIso, "SchlammabschIso", VbVariant::integer(1));
        items("m_Zub_Schlamm_ArtNr_m_value", m_art, "SchlammabArtNr%1", VbVariant(QStringLiteral(" ")));
        items("m_Zub_SchlammIso_ArtNr_m_value", m_iso, "SchlammabIsoArtNr%1", VbVariant(QStringLiteral(" ")));
        m_member.indiziert(
            QStringLiteral("m_Leist_m_value"), 1,
            [this](const QList<VbVariant>& i) {
                const int n = i.at(0).toInteger();
                return VbVariant::lng(n >= 1 && n <= 6 ? leistung[static_cast<size_t>(n)] : 0);
            },
            [](const QList<VbVariant>&, const VbVariant&) {});
    }
    ~KälteTestobjekt() override { Freigeben(); }

    conTextBoxAdodb m_p_SV, m_Leist_ges, m_EinbringBreite, m_EinbringHoehe;
    conValueAdodb m_Zub_Schlamm_Anordnung, m_Zub_SchlammIso;
    std::array<int32_t, 7> leistung{};

private:
    std::array<conValueAdodb, 6> m_art, m_iso;
};

class SolarTestobjekt : public GlobDaten {
public:
    SolarTestobjekt() : GlobDaten(QStringLiteral("GlobDatenSolar"), QStringLiteral("Solarparameter"))
    {
        items("m_Zub_Entlüfter_ArtNr_m_value", m_art, "EntlüfterArtNr%1", VbVariant(QStringLiteral(" ")));
        items("m_Zub_Entlüfter_Anz_m_value", m_anz, "EntlüfterAnz%1", VbVariant::integer(0));
    }
    ~SolarTestobjekt() override { Freigeben(); }

private:
    std::array<conValueAdodb, 6> m_art, m_anz;
};
