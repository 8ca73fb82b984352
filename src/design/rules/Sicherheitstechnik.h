#pragma once
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "base/MemberRegister.h"

class GlobDaten;
class TabelleMembranSV;
class TabelleVollhubSV;

// Chooses the safety equipment of a designed system and writes it into the data object by
// member name: heating valves per heat generator (or for the whole plant), expansion traps,
// low-water protections and pressure limiters; the safety valve of cooling, solar and drinking
// water. A page creates one designer, hands it its data object in Init and calls the design
// member of its system type. A design member returns 1 when no vessel has been chosen yet (then
// nothing is written), else 0, also when an article could not be found (then its slot holds " "
// and a design message was shown).
class Sicherheitstechnik {
public:
    // A member the designer uses on a data class, with the kind of access it needs.
    struct Vertragsmember {
        QString name;
        MemberRegister::Art art;
        bool geschrieben;
    };
    // Every member the designer reads or writes on the data class of a system type ("He",
    // "Kü", "So", "Tr", "Dr"); empty for other types.
    static QList<Vertragsmember> Vertrag(const QString& projektart);

    Sicherheitstechnik();
    ~Sicherheitstechnik();
    Sicherheitstechnik(const Sicherheitstechnik&) = delete;
    Sicherheitstechnik& operator=(const Sicherheitstechnik&) = delete;

    // The data object the designer works on, kept until the next Init or the designer's release.
    void Init(const std::shared_ptr<GlobDaten>& objekt);
    // Members of an object that its owner keeps alive while the designer works on them; an
    // owner passed along is kept as above.
    void Init(MemberRegister& objekt, std::shared_ptr<void> halter = {});

    // Heat generators entered one by one (the sum of their outputs is at least 1 kW) or only
    // the plant's total output.
    // A design member that cannot reach a member of the data object by name shows message kind 6
    // and returns this (the void members just stop).
    static constexpr int32_t AuslegungFehlgeschlagen = 2;

    void Ermittel_EinzelkesselOderMehrkessel();
    int32_t AuslegungSicherheitstechnikHeizung(bool erlaubenOhneGefaess);
    // Results of the last heating design for heat generator Index (1..6; 0 for another index).
    int32_t NennDN_SiV_Heizung(int16_t Index) const;
    int32_t EntspannGefaessDN_Eingang(int16_t Index) const;
    int32_t EntspannGefaessDN_Ausgang(int16_t Index) const;
    int32_t AuslegungSicherheitstechnikSolaranlagen();
    int32_t AuslegungSicherheitstechnikKälte();
    int32_t AuslegungSicherheitstechnikTrinkwasser();
    // Counts the low-water protections and the minimum pressure limiters in their place.
    void AuslegungWassermangelsicherung();
    // Every heat generator needs a low-water protection (no minimum pressure limiter allowed).
    bool AlleKesselMangelsicherung_erforderlich() const;

private:
    using DNListe = std::array<int32_t, 7>;  // index 1..6

    QString AuslegungSiVWärmeerzeuger(int16_t nr, int32_t leistung);
    void AuslegungEntspannungsgefäße();
    void AuslegungMaxDruckbegrenzer();
    QString ErmittelSiVTrinkwasser(int32_t wasserinhalt);
    QString ErmittelSiVSolar(int32_t kollektorfläche);

    bool GefäßGewählt() const;
    // The output of generator nr in whole kW, or the plant's total output as stored.
    int32_t Leistung(int nr) const;
    double Gesamtleistung() const;
    // The plant's total output rounded to whole kW (half to even).
    int32_t GesamtleistungGerundet() const;
    int32_t Zahl(const QString& name) const;
    static int32_t Wert(const DNListe& liste, int16_t Index);

    MemberRegister* m_objekt = nullptr;
    std::shared_ptr<void> m_halter;
    QString m_ArtikelDataSource;
    bool m_Einzelkessel = false;
    bool m_Wiederholen = false;
    DNListe m_NennDN{};
    DNListe m_EntspDNEingang{};
    DNListe m_EntspDNAusgang{};

    std::unique_ptr<TabelleVollhubSV> m_Vollhub;
    std::unique_ptr<TabelleMembranSV> m_Membran;
};
