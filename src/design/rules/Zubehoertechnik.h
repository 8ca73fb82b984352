#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

#include "base/VbVariant.h"

class GlobDaten;
class MemberRegister;

// Chooses the accessories of a designed system from the article database and writes them into
// the current data object by member name: the cap valves at the vessels and heat generators,
// the expansion collecting line, the make-up unit or automat with its system separator and the
// intermediate vessels. A look-up that finds nothing leaves one blank in its slot, shows a
// design message and the design goes on.
class Zubehörtechnik {
public:
    // The data object the design members work on (not owned; it outlives the designer).
    void Init(MemberRegister& objekt);
    void Init(GlobDaten& objekt);

    // Sets the per-generator flag: the six generator outputs add up to 1 kW or more.
    void Ermittel_EinzelkesselOderMehrkessel();
    void AuslegungZubehörHeizung();
    void AuslegungZubehörSolaranlage();
    void AuslegungZubehörKälte();
    void AuslegungZubehörTrinkwasser();
    void AuslegungZubehörDruckerhöhung();
    // The make-up unit of the option (Nachspeiseart 0..4) into m_Zub_Nachspeise_Anz and
    // m_Zub_Nachspeise_ArtNr; False only when option 3 finds no automat (the option and the
    // separator flag then fall back to 0).
    bool ErmittelNachspeiseeinrichtung(int16_t nachspeiseart);
    // The system separator article, " " for none.
    QString ErmittlungSystemtrenner();

    // Add-on vessel group of an automat group (9 -> 30, 11 -> 31, 14 -> 32, else 0).
    static int16_t GetBeistellGruppe(int16_t gruppe);
    // Every member the designer reads or writes on the data object of a system type ("He",
    // "Kü", "So", "Tr", "Dr"); empty for any other type.
    static QStringList Membernamen(const QString& projektart);

private:
    int16_t ErmittelAnzahlKappenventileBehälter(const QString& projektart);
    QString GetArtNrKappenventilBehälter(int16_t erzeuger, const QString& gefäßArtNr);
    QString GetArtNrKappenventilErzeuger(int16_t erzeuger, int32_t leistung);
    void ErmittelSammelleitungDN(int32_t leistung);
    int16_t ErmittelENAAutomat(QString& artikel);
    QString ErmittelVorlagebehälter(int32_t ausdehnungsvolumen);

    // Cap valves at the vessels: count and article (group 14 keeps its stored article when
    // mitGruppe14 is set).
    void KappenventileBehälter(const QString& projektart, bool mitGruppe14);

    VbVariant lese(const QString& name) const;
    VbVariant lese(const QString& name, int16_t i) const;
    void schreibe(const QString& name, const VbVariant& wert);
    void schreibe(const QString& name, int16_t i, const VbVariant& wert);
    int16_t leseInteger(const QString& name) const;
    int32_t leseLong(const QString& name) const;

    MemberRegister* m_objekt = nullptr;
    bool m_EinzelkesselOderMehrkessel = false;
};
