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
        {"m_AnordnungMAG", "AnordnungMAG Zulaufseitig Pumpe,AnordnungMAG Druckseitig Pumpe", VbVariant::lng(0),
         VbVariant::lng(1)},
        {"m_Leist_ges", "GesamtwärmeleistungQ", D(3), D(450)},
        {"m_Temp_Vorl", "Vorlauftemperatur", D(0), D(6)},
        {"m_Temp_Rückl", "Rücklauftemperatur", D(0), D(12)},
        {"m_Temp_Umgeb", "Umgebungstemperatur", D(0), D(32)},
        {"m_FrostZusatz", "Frostschutzzusatz", D(0), D(30)},
        {"m_p_stat", "p statisch", D(0.5), D(1.3)},
        {"m_p_dyn", "p dynamisch", D(0), D(0.7)},
        {"m_p_SV", "p Sicherheitsventil", D(2), D(3.5)},
        {"m_p_soll", "p Soll", D(1.2), D(1.9)},
        {"m_Wasservorlage", "Wasservorlage", D(3), D(12)},
        {"m_Leist_1", "Wärmeerzeuger1", D(0), D(101)},
        {"m_Leist_2", "Wärmeerzeuger2", D(0), D(102)},
        {"m_Leist_3", "Wärmeerzeuger3", D(0), D(103)},
        {"m_Leist_4", "Wärmeerzeuger4", D(0), D(104)},
        {"m_Leist_5", "Wärmeerzeuger5", D(0), D(105)},
        {"m_Leist_6", "Wärmeerzeuger6", D(0), D(106)},
        {"m_LaengeDN20", "FernleitungDN20", D(0), D(20)},
        {"m_LaengeDN25", "FernleitungDN25", D(0), D(25)},
        {"m_LaengeDN32", "FernleitungDN32", D(0), D(32)},
        {"m_LaengeDN40", "FernleitungDN40", D(0), D(40)},
        {"m_LaengeDN50", "FernleitungDN50", D(0), D(50)},
        {"m_LaengeDN65", "FernleitungDN65", D(0), D(65)},
        {"m_LaengeDN80", "FernleitungDN80", D(0), D(80)},
        {"m_LaengeDN100", "FernleitungDN100", D(0), D(100)},
        {"m_LaengeDN125", "FernleitungDN125", D(0), D(125)},
        {"m_LaengeDN150", "FernleitungDN150", D(0), D(150)},
        {"m_LaengeDN200", "FernleitungDN200", D(0), D(200)},
        {"m_LaengeDN250", "FernleitungDN250", D(0), D(250)},
        {"m_LaengeDN300", "FernleitungDN300", D(0), D(300)},
        {"m_LaengeDN350", "FernleitungDN350", D(0), D(350)},
        {"m_LaengeDN400", "FernleitungDN400", D(0), D(400)},
        {"m_V_Sonstiges", "SonstigesLiter", D(0), D(77)},
        {"m_r_af", "Ausdehnungsfaktor", D(0), D(1.25)},
        {"m_r_vaus", "Ausdehnungsvolumen", D(0), D(15)},
        {"m_r_vauf", "Aufnahmevolumen MAG", D(0), D(18)},
        {"m_r_pfak", "Druckfaktor", D(0), D(0.32)},
        {"m_r_vges", "Behälter-Gesamtvolumen", D(0), D(57)},
        {"m_IstBerechnet", "IstBerechnet", VbVariant(false), VbVariant(true)},
        {"m_EinbringBreite", "Türbreite", D(1000), D(800)},
        {"m_EinbringHoehe", "Raumhöhe", D(2000), D(2400)},
        {"m_ArtMembran", "FesteMembran,AustauschMembran", VbVariant::lng(0), VbVariant::lng(1)},
        {"m_GefaessInhalt", "Behälterinhalt", I(0), I(300)},
        {"m_BeistellArtNr", "BeistellArtNr", T(" "), T("41330")},
        {"m_KomprPumpeArtNr", "KomprPumpeArtNr", T(" "), T("22380")},
        {"m_ZusKomprPumpeArtNr", "ZusKomprPumpeArtNr", T(" "), T("22381")},
        {"m_ZusKomprPumpe", "ZusKomprPumpe", VbVariant(false), VbVariant(true)},
        {"m_Wechselstörschalt", "Wechselstörschalt", VbVariant(false), VbVariant(true)},
        {"m_ZubehörSteuerung", "ZubehoerSteuerung", I(0), I(5)},
        {"m_IstAusgelegt", "IstAusgelegt", VbVariant(false), VbVariant(true)},
        {"m_Zub_Systemtrenner_ArtNr", "SystemtrennerArtNr", T(" "), T("23760")},
        {"m_Zub_Schlamm_Anordnung", "SchlammAnordnung", I(0), I(2)},
        {"m_Zub_SchlammIso", "SchlammabschIso", I(1), I(0)},
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
        {"m_p_SV", "p Sicherheitsventil", D(10), D(6.3)},
        {"m_GefaessGruppe", "Behältergruppe", D(0), D(17)},
        {"m_GefaessAnzahl", "Behälteranzahl", D(1), D(3)},
        {"m_GefaessArtNr", "GefäßArtNr", T(" "), T("41703")},
        {"m_Zub_SichVentil_ArtNr", "SichventilArtNr", T(" "), T("28062")},
        {"m_Zub_KappV_Beh_ArtNr", "KappenventilBehArtNr", T(" "), T("24120")},
        {"m_Zub_KappV_Beh_Anz", "KappenventilBehAnz", I(0), I(3)},
    };
    return b;
}

const QList<Memberbindung>& Druck()
{
    static const QList<Memberbindung> b = {
        {"m_GefaessGruppe", "Behältergruppe", D(0), D(15)},
        {"m_GefaessAnzahl", "Behälteranzahl", D(1), D(2)},
        {"m_GefaessArtNr", "GefäßArtNr", T(" "), T("41502")},
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
