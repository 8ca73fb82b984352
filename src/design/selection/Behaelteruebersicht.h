#pragma once
#include <QString>

#include <array>

class Behälterauswahl;
class MemberRegister;

// The vessel summary: what the vessel page has chosen, in up to three rows (vessel, or control
// vessel, add-on vessel and unit of an automat) and, for heating protected per heat generator,
// one row per generator vessel. It reads the data object and the page and writes nothing.
class Behälterübersicht {
public:
    struct Zeile {
        bool sichtbar = false;
        QString anzahl;
        QString beschriftung;
        QString artikel;
    };
    static constexpr int HöheMitErzeugern = 5050;  // twips
    static constexpr int HöheOhneErzeuger = 3210;

    Behälterübersicht(MemberRegister& daten, const QString& projektart, const Behälterauswahl& seite);

    void Laden();

    const std::array<Zeile, 3>& zeilen() const { return m_zeilen; }
    // Generator rows 1..6 at index 0..5.
    const std::array<Zeile, 6>& erzeuger() const { return m_erzeuger; }
    bool erzeugerzeilen() const { return m_mitErzeugern; }
    int höhe() const { return m_mitErzeugern ? HöheMitErzeugern : HöheOhneErzeuger; }

    // The first short text of an article; " " (with message 2361 for a number given) when the
    // article view does not know it.
    QString Kurztext(const QString& artNr) const;
    // The description of a unit or module article from [PumpenKomprSteuerung]; " " for none.
    static QString Einheitbeschreibung(const QString& artNr);

private:
    MemberRegister& m_daten;
    QString m_projektart;
    const Behälterauswahl& m_seite;
    std::array<Zeile, 3> m_zeilen;
    std::array<Zeile, 6> m_erzeuger;
    bool m_mitErzeugern = false;
};
