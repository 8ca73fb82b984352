#include "support/Datenobjektbindungen.h"

namespace Datenobjektbindungen {

namespace {

VbVariant I(int16_t v)
{
    return VbVariant::integer(v);
}
VbVariant D(double v)
{
    return VbVariant(v);
}
VbVariant T(const char* v)
{
    return VbVariant(QString::fromUtf8(v));
}

}  // namespace

const QList<Memberbindung>& Kälte()
{
    static const QList<Memberbindung> b = {
        {"m_VolAnlage", "AnlagenvolumenSumme", D(0), D(1234)},
        {"m_r_pVordruck", "Anfangsdruck", D(0), D(1.3)},
        {"m_r_pend", "Enddruck", D(0), D(2.7)},
        {"m_ArtDruckhaltung", "KonstGaspolster,DruckHalteAutom", VbVariant::lng(0), VbVariant::lng(1)},
        {"m_GefaessGruppe", "Behältergruppe", D(0), D(9)},
        {"m_GefaessAnzahl", "Behälteranzahl", D(1), D(2)},
        {"m_SteuerbehAnzahl", "SteuerbehAnzahl", D(1), D(3)},
        {"m_GefaessArtNr", "GefäßArtNr", T(" "), T("40905")},
        {"m_SteuerModulKomp", "SteuerModulKomp", I(0), I(2)},
        {"m_Zub_SichVentil_ArtNr", "SichventilArtNr", T(" "), T("29495")},
        {"m_Zub_SichVentil_Anz", "SichventAnz", I(0), I(1)},
        {"m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", I(0), I(2)},
        {"m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", T(" "), T("24125")},
        {"m_Zub_Nachspeisung", "Nachspeisung", I(0), I(3)},
        {"m_Zub_Nachspeise_Anz", "NachspeiseAnz", I(0), I(1)},
        {"m_Zub_Nachspeise_ArtNr", "NachspeiseArtNr", T(" "), T("23750")},
        {"m_Zub_Systemtrenner", "Systemtrenner", I(1), I(0)},
    };
    return b;
}

const QList<Memberbindung>& Solar()
{
    static const QList<Memberbindung> b = {
        {"m_AnordnungMAG", "AnordnungMAG Zulaufseitig Pumpe,AnordnungMAG Druckseitig Pumpe", VbVariant::lng(0),
         VbVariant::lng(1)},
        {"m_Absorberflaeche", "Absorberflaeche", D(0), D(42)},
        {"m_VolAnlage", "AnlagenvolumenSumme", D(0), D(118)},
        {"m_FrostZusatz", "Frostschutzzusatz", D(40), D(35)},
        {"m_p_stat", "p statisch", D(1.5), D(2.3)},
        {"m_p_dyn", "p dynamisch", D(0), D(0.4)},
        {"m_p_SV", "p Sicherheitsventil", D(6), D(8.7)},
        {"m_Wasservorlage", "Wasservorlage", D(3), D(4.5)},
        {"m_spezVolKollektoren", "Kollektorvolumen", D(0.6), D(0.75)},
        {"m_VolRohre", "VolRohreGesamt", D(0), D(37)},
        {"m_VolRohreUeberKol", "VolRohreUeberWTGesamt", D(1.5), D(2.5)},
        {"m_VolSolarWTGes", "VolWTSolarGesamt", D(0), D(21)},
        {"m_LaengeGes_12x1", "LngRGes12x1", D(0), D(11)},
        {"m_LaengeGes_15x1", "LngRGes15x1", D(0), D(12)},
        {"m_LaengeGes_18x1", "LngRGes18x1", D(0), D(13)},
        {"m_LaengeGes_22x1", "LngRGes22x1", D(0), D(14)},
        {"m_LaengeGes_28x1", "LngRGes28x1", D(0), D(15)},
        {"m_LaengeGes_32x1", "LngRGes32x1", D(0), D(16)},
        {"m_LaengeGes_42x1", "LngRGes42x1", D(0), D(17)},
        {"m_LaengeUebKol_12x1", "LngRUeberK12x1", D(0), D(1)},
        {"m_LaengeUebKol_15x1", "LngRUeberK15x1", D(0), D(2)},
        {"m_LaengeUebKol_18x1", "LngRUeberK18x1", D(0), D(3)},
        {"m_LaengeUebKol_22x1", "LngRUeberK22x1", D(0), D(4)},
        {"m_LaengeUebKol_28x1", "LngRUeberK28x1", D(0), D(5)},
        {"m_LaengeUebKol_32x1", "LngRUeberK32x1", D(0), D(6)},
        {"m_LaengeUebKol_42x1", "LngRUeberK42x1", D(0), D(7)},
        {"m_AnzSolarWT_1", "AnzWTSolar1", D(0), D(1)},
        {"m_AnzSolarWT_2", "AnzWTSolar2", D(0), D(2)},
        {"m_AnzSolarWT_3", "AnzWTSolar3", D(0), D(3)},
        {"m_AnzSolarWT_4", "AnzWTSolar4", D(0), D(4)},
        {"m_VolSolarWT_1", "VolWTSolar1", D(0), D(10.5)},
        {"m_VolSolarWT_2", "VolWTSolar2", D(0), D(8.5)},
        {"m_VolSolarWT_3", "VolWTSolar3", D(0), D(2.5)},
        {"m_VolSolarWT_4", "VolWTSolar4", D(0), D(1.25)},
        {"m_r_af", "Ausdehnungsfaktor", D(0), D(12.5)},
        {"m_r_pVordruck", "Vordruck", D(0), D(1.7)},
        {"m_r_panf", "Anfangsdruck", D(0), D(2)},
        {"m_r_pend", "Enddruck", D(0), D(5.4)},
        {"m_r_vaus", "Ausdehnungsvolumen", D(0), D(12)},
        {"m_r_vauf", "Aufnahmevolumen MAG", D(0), D(23)},
        {"m_r_pfak", "Druckfaktor", D(0), D(0.57)},
        {"m_r_vges", "Behälter-Gesamtvolumen", D(0), D(41)},
        {"m_IstBerechnet", "IstBerechnet", VbVariant(false), VbVariant(true)},
        {"m_EinbringBreite", "Türbreite", D(1000), D(800)},
        {"m_EinbringHoehe", "Raumhöhe", D(2000), D(2400)},
        {"m_GefaessGruppe", "Behältergruppe", D(0), D(21)},
        {"m_GefaessInhalt", "Behälterinhalt", I(0), I(50)},
        {"m_GefaessAnzahl", "Behälteranzahl", D(1), D(2)},
        {"m_GefaessArtNr", "GefäßArtNr", T(" "), T("42103")},
        {"m_IstAusgelegt", "IstAusgelegt", VbVariant(false), VbVariant(true)},
        {"m_Zub_SichVentil_ArtNr", "SichventilArtNr", T(" "), T("25061")},
        {"m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", I(0), I(2)},
        {"m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", T(" "), T("24120")},
        {"m_Zub_MitVorlagebehälter", "MitVorlagebehälter", I(0), I(1)},
        {"m_Zub_Vorlagebeh_ArtNr", "VorlagebehArtNr", T(" "), T("27180")},
    };
    return b;
}

const QList<Memberbindung>& Trinkwasser()
{
    static const QList<Memberbindung> b = {
        {"m_VolAnlage", "AnlagenvolumenSumme", D(50), D(750)},
        {"m_Temp_Betr", "Betriebstemperatur", D(60), D(75)},
        {"m_p_anf", "Anfangsdruck", D(4), D(3.5)},
        {"m_p_SV", "p Sicherheitsventil", D(10), D(6.3)},
        {"m_r_af", "Ausdehnungsfaktor", D(0), D(2.24)},
        {"m_r_p_vor", "Vordruck", D(0), D(3.3)},
        {"m_r_pend", "Enddruck", D(0), D(5.1)},
        {"m_r_vaus", "Ausdehnungsvolumen", D(0), D(17)},
        {"m_r_pfak", "Druckfaktor", D(0), D(0.27)},
        {"m_r_vges", "Behälter-Gesamtvolumen", D(0), D(63)},
        {"m_IstBerechnet", "IstBerechnet", VbVariant(false), VbVariant(true)},
        {"m_EinbringBreite", "Türbreite", D(1000), D(800)},
        {"m_EinbringHoehe", "Raumhöhe", D(2000), D(2400)},
        {"m_GefaessGruppe", "Behältergruppe", D(0), D(17)},
        {"m_GefaessInhalt", "Behälterinhalt", I(0), VbVariant::lng(80)},
        {"m_GefaessAnzahl", "Behälteranzahl", D(1), D(3)},
        {"m_GefaessArtNr", "GefäßArtNr", T(" "), T("41703")},
        {"m_IstAusgelegt", "IstAusgelegt", VbVariant(false), VbVariant(true)},
        {"m_Zub_SichVentil_ArtNr", "SichventilArtNr", T(" "), T("28062")},
        {"m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", T(" "), T("24120")},
        {"m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", I(0), I(3)},
    };
    return b;
}

const QList<Memberbindung>& Druck()
{
    static const QList<Memberbindung> b = {
        {"m_MaxVolStrom", "MaxVolumenstrom", D(0.1), D(2.5)},
        {"m_Schalthäufigkeit", "Schalthäufigkeit", D(10), D(15)},
        {"m_p_Einschalt", "Einschaltdruck", D(1), D(3.8)},
        {"m_p_SV", "Ausschaltdruck", D(1.5), D(4.3)},
        {"m_r_VolNutz", "Nutzvolumen", D(0), D(41)},
        {"m_r_pfak", "Druckfaktor", D(0), D(0.11)},
        {"m_r_vges", "Behälter-Gesamtvolumen", D(0), D(370)},
        {"m_r_p_vor", "Vordruck", D(0), D(3.4)},
        {"m_IstBerechnet", "IstBerechnet", VbVariant(false), VbVariant(true)},
        {"m_EinbringBreite", "Türbreite", D(1000), D(900)},
        {"m_EinbringHoehe", "Raumhöhe", D(2000), D(2200)},
        {"m_GefaessGruppe", "Behältergruppe", D(0), D(15)},
        {"m_GefaessInhalt", "Behälterinhalt", I(0), VbVariant::lng(300)},
        {"m_GefaessAnzahl", "Behälteranzahl", D(1), D(2)},
        {"m_GefaessArtNr", "GefäßArtNr", T(" "), T("41502")},
        {"m_IstAusgelegt", "IstAusgelegt", VbVariant(false), VbVariant(true)},
        {"m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", T(" "), T("24125")},
        {"m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", I(0), I(2)},
    };
    return b;
}

void PrüfeGespeichert(const QVariant& gespeichert, const VbVariant& wert, const QString& feld)
{
    if (wert.isString())
        EXPECT_EQ(gespeichert.toString().toStdString(), wert.toString().toStdString()) << feld.toStdString();
    else
        EXPECT_FLOAT_EQ(gespeichert.toFloat(), wert.toSingle()) << feld.toStdString();
}

}  // namespace Datenobjektbindungen
