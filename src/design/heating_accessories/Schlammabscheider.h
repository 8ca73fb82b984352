#pragma once
#include <QString>

#include <cstdint>

class GlobDaten;

// Dirt separators of a heating or cooling project, on its data object by member name:
// m_Zub_Schlamm_Anordnung (0 none, 1 central, 2 one per heat generator), m_Zub_SchlammIso
// (0 none, 1 insulation 80 mm) and the six items of separator and insulation articles.
class Schlammabscheiderauslegung {
public:
    explicit Schlammabscheiderauslegung(GlobDaten& daten);

    int32_t Anordnung() const;
    void SetzeAnordnung(int32_t a);
    int32_t Isolierung() const;
    void SetzeIsolierung(int32_t iso);
    // Output of heat generator i (1..6) in whole kW; the total output rounded half to even.
    int32_t Leistung(int16_t i) const;
    int32_t Gesamtleistung() const;
    // Some heat generator has an output above 0.
    bool ErzeugerVorhanden() const;
    QString Artikel(int16_t i) const;
    void SetzeArtikel(int16_t i, const QString& artNr);
    QString IsoArtikel(int16_t i) const;
    void SetzeIsoArtikel(int16_t i, const QString& artNr);
    // " " in every separator and insulation item.
    void LeereAlle();
    // The insulation article for the stored insulation kind (" " for none).
    QString IsoFürIsolierung(const QString& artNr) const;

    // The separators of the stored arrangement from the table Schlammabscheider: the first row,
    // by pressure rating and output, that reaches the safety-valve pressure, passes the door
    // and room and serves the demand. Returns true when the central demand found no separator
    // and the arrangement was switched to one per heat generator (then nothing is designed
    // yet). nurLeere: one separator per generator only for the generators without one; the
    // others keep theirs (the central design always starts afresh).
    bool AutomatischeAuslegung(bool nurLeere = false);

    // The WHERE and ORDER BY part of the separator queries for the data object's pressure and
    // delivery size.
    QString Filter() const;

private:
    GlobDaten& m_d;
};

// The insulation shell of a dirt separator: for isolierung 1 the column "Iso80 Art Nr" of its
// row, otherwise none; " " when there is none, with message 2367.
QString GetArtikelNrISOSchlamm(const QString& ArtNrSchlamm, int16_t isolierung);
