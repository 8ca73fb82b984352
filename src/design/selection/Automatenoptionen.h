#pragma once
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

class Behälterauswahl;
class MemberRegister;

// Accessory bits of m_ZubehörSteuerung and the check box of the option dialogs that stands for
// each (box 0 extra unit, box 1 changeover, boxes 2..9 accessories).
namespace ZubehörSteuerungBit {
constexpr int16_t Membranbruchsensor = 1;
constexpr int16_t Impulswasserzähler = 2;
constexpr int16_t Timer = 4;
constexpr int16_t Signalausgabe = 8;
constexpr int16_t Wärmedämmung = 16;
constexpr int16_t Fernanzeige = 32;
constexpr int16_t Buskoppler = 64;
constexpr int16_t Modemkoppler = 128;
// The bit of an accessory box (2..9), 0 for boxes 0 and 1.
int16_t VonKasten(int kasten);
}  // namespace ZubehörSteuerungBit

// What a check box of an option dialog shows.
struct Kontrollkasten {
    bool sichtbar = true;
    bool aktiv = true;
    bool gesetzt = false;
};

// What both automat option dialogs share: the data object by name, the vessel page, the ten
// boxes and the insulation rule. Every change goes straight into the data object.
class Optionsdialoglogik {
public:
    Optionsdialoglogik(MemberRegister& daten, const QString& projektart, Behälterauswahl& seite);
    virtual ~Optionsdialoglogik() = default;

    // Activation: true when the dialog closes at once (host run of the vessel page); the page's
    // flag is put back in any case (heating only).
    bool Aktivieren();

    int16_t gruppe() const { return m_gruppe; }
    const QString& bezeichnung() const { return m_bezeichnung; }
    int32_t gesamtanzahl() const { return m_n; }
    const std::array<Kontrollkasten, 10>& kästen() const { return m_kasten; }
    MemberRegister& daten() const { return m_daten; }

protected:
    bool Bit(int16_t maske) const;
    void SetzeBit(int16_t maske, bool wert);
    double zahl(const char* name) const;
    bool flag(const char* name) const;
    void schreibe(const char* name, double wert);
    void schreibeFlag(const char* name, bool wert);
    int32_t modul() const;
    void setzeModul(int32_t wert);
    // Insulation box 7 on loading (heating): above 2000 litres cleared and disabled.
    void DämmungLaden();
    // Insulation box 7 clicked.
    void DämmungGeklickt(bool gesetzt);

    MemberRegister& m_daten;
    QString m_projektart;
    Behälterauswahl& m_seite;
    int16_t m_gruppe = 0;
    QString m_bezeichnung = QStringLiteral(" ");
    int32_t m_n = 0;
    std::array<Kontrollkasten, 10> m_kasten;
};

// The options of the automats of groups 9 and 11: control component or module, number of
// control vessels, extra compressor, changeover and accessories.
class Automatenoptionen : public Optionsdialoglogik {
public:
    struct Eintrag {
        QString text;
        int32_t wert = 0;
    };
    using Optionsdialoglogik::Optionsdialoglogik;

    void Laden();

    // User actions.
    void ModulGewählt(int listenindex);
    // A typed character in the count box: true when it is a digit inside the bounds.
    bool AnzahlZeichen(QChar zeichen) const;
    // The count box was validated; abgelehnt: the bound value refused its text.
    void AnzahlValidiert(bool abgelehnt);
    void KastenGeklickt(int kasten, bool gesetzt);

    const QList<Eintrag>& module() const { return m_module; }
    int modulIndex() const { return m_modulIndex; }
    bool modulListeAktiv() const { return m_modulListeAktiv; }
    bool anzahlAktiv() const { return m_anzahlAktiv; }
    // The text the count box shows (the stored count, the lower bound after a refusal).
    const QString& anzahlText() const { return m_anzahlText; }
    int32_t untereGrenze() const { return m_unten; }
    int32_t obereGrenze() const { return m_oben; }

    void BegrenzeSteuerbehälteranzahl();
    void ZeigeSteuerungsoptionen();
    void AbgleichZusKomprPumpeWechselstör();

private:
    int32_t steuerbehälter() const;
    void zeigeModul();
    void zeigeAnzahl();

    QList<Eintrag> m_module;
    int m_modulIndex = -1;
    bool m_modulListeAktiv = true;
    bool m_anzahlAktiv = true;
    QString m_anzahlText;
    int32_t m_unten = 0;
    int32_t m_oben = 0;
};

// The options of the pump automat of group 14: single or twin-pump module, the twin pump's
// operating mode and the accessories; refuses what the working point does not allow.
class Pumpenautomatoptionen : public Optionsdialoglogik {
public:
    using Optionsdialoglogik::Optionsdialoglogik;

    void Laden();
    // No operating mode fits: the dialog is hidden and closes on activation.
    bool fehlgeschlagen() const { return m_fehler; }
    bool AktivierenMitFehler();

    // User actions: option 0 single pump, 1 twin pump; the changeover box.
    void OptionGeklickt(int index);
    void WechselGeklickt(bool gesetzt);
    void KastenGeklickt(int kasten, bool gesetzt);

    // The option that is selected (0 or 1).
    int option() const { return m_option; }

private:
    void Ablehnung(int textId, float höhererDruck);
    bool zwilling() const { return m_wechsel || m_last; }

    float m_druck = 0.0f;
    int32_t m_leistung = 0;
    bool m_einzel = false;
    bool m_wechsel = false;
    bool m_last = false;
    bool m_fehler = false;
    int m_option = 0;
};
