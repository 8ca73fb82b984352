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
        {"m_Absorberflaeche", "Absorberflaeche", D(0), D(42)},
        {"m_p_SV", "p Sicherheitsventil", D(6), D(8.7)},
        {"m_GefaessGruppe", "Behältergruppe", D(0), D(21)},
        {"m_GefaessAnzahl", "Behälteranzahl", D(1), D(2)},
        {"m_GefaessArtNr", "GefäßArtNr", T(" "), T("42103")},
        {"m_Zub_SichVentil_ArtNr", "SichventilArtNr", T(" "), T("25061")},
        {"m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", I(0), I(2)},
        {"m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", T(" "), T("24120")},
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
