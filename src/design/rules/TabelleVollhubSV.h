#pragma once
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

// Full-lift safety valves: relieving capacities of 10 nominal sizes by 19 pressure stages, read
// once from [Abblaseleistung VollhubSV] when the object is created; the selection runs in memory.
class TabelleVollhubSV {
public:
    TabelleVollhubSV();

    // One to three valves of the smallest size whose capacity at the set pressure (interpolated
    // between stages) covers the demand; fewer valves win over a smaller size.
    bool ErmittelVollhubSV(double ansprechdruck, int32_t leistung);
    // One valve of the given nominal size (the first row of that size in the table).
    bool SucheVollhubSV(int32_t nennDN);

    int32_t GetNennDN() const { return m_ErgNennDN; }
    QString GetArtNrVollhubSV() const { return m_ErgArtNr; }
    int32_t GetAnzVollhubSV() const { return m_ErgAnzahl; }

    static constexpr int MaxNennDN = 10;
    static constexpr int MaxDruck = 19;
    static constexpr int ArtNrLänge = 15;

private:
    struct Zelle {
        int32_t leistung = 0;
        QString artNr = QString(ArtNrLänge, QLatin1Char(' '));
    };

    template <typename T, std::size_t N, typename Wandeln>
    int32_t SetzeListe(const QList<double>& werte, std::array<T, N>& liste, int& anzahl, Wandeln wandeln);
    int32_t SetzeNennDNListe(const QList<double>& werte);
    int32_t SetzeDruckListe(const QList<double>& werte);
    int32_t LadenAbblaseleistung();
    void ErgebnisZurücksetzen();

    std::array<int16_t, MaxNennDN> m_NennDN{};
    int m_AnzNennDN = 0;
    std::array<float, MaxDruck> m_Druck{};
    int m_AnzDruck = 0;
    std::array<std::array<Zelle, MaxDruck>, MaxNennDN> m_Matrix{};
    bool m_Gültig = true;

    int32_t m_ErgNennDN = 0;
    QString m_ErgArtNr = QStringLiteral(" ");
    int32_t m_ErgLeistung = 0;  // capacity of one valve; kept, not offered
    int32_t m_ErgAnzahl = 0;
};
