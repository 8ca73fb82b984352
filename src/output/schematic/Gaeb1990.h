#pragma once
#include <QByteArray>
#include <QDate>
#include <QIODevice>
#include <QString>

#include <memory>

#include "output/reports/Ausschreibungsschreiber.h"

// Writes a bill of quantities as a GAEB DA 1990 tender file (exchange phase 81, "*.d81").
// Every record is 80 bytes plus CR LF: type in columns 1-2, content in 3-74, record number in
// 75-80. The records go into a temporary file; SaveAndClose asks for the target and copies it.
// A value that does not fit its field is refused with a message, never written wider; after a
// refusal or a write error every further call returns false.
class Gaeb1990 : public Ausschreibungsschreiber {
public:
    // Creates a fresh temporary file (FileOP::GetTempName); when that fails the user is told and
    // Bereit() is false.
    Gaeb1990();
    // Writes into geraet (open for writing), which stands for the temporary file pfad.
    Gaeb1990(std::unique_ptr<QIODevice> geraet, const QString& pfad);
    // Removes the temporary file when SaveAndClose has not done so.
    ~Gaeb1990() override;
    Gaeb1990(const Gaeb1990&) = delete;
    Gaeb1990& operator=(const Gaeb1990&) = delete;

    bool Bereit() const { return m_datei != nullptr && !m_fehler; }
    const QString& Tempname() const { return m_tempname; }
    // The path the file was saved to; empty before, on cancel or on failure.
    const QString& Zielname() const { return m_zielname; }

    bool WriteKopf(const QDate& LvDatum, const QString& LvBezeichnung, const QString& bemerkung) override;
    bool WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& Kurztext1,
                             const QString& Kurztext2) override;
    bool WriteLangtext(const QString& langtTextZeile) override;
    bool WriteEinleitungHinweistext() override;
    bool WriteEnde() override;
    bool SaveAndClose() override;

    // The bytes of a text for the file: Ä Ö Ü ä ö ü ß ° § ² ³ as in code page 850, control
    // characters as blanks, everything else in code page 1252 ("?" where it has no byte).
    static QByteArray UmlauteKonvertieren(const QString& text);

    // Field limits.
    static constexpr int MaxPosNr = 9999;
    static constexpr double MaxMengeTausendstel = 99999999999.0;
    static constexpr long MaxSaetze = 999999;
    static constexpr long MaxPositionen = 99999;
    static constexpr int MaxBemerkungszeilen = 9;

private:
    bool schreibeSatz(const char* art, const QByteArray& inhalt);
    bool schreibfehler();
    bool verweigere(const QString& text, const QString& wert = QString());
    void entferneTempdatei();

    std::unique_ptr<QIODevice> m_datei;
    QString m_tempname;
    QString m_zielname;
    long m_saetze = 0;
    long m_positionen = 0;
    bool m_fehler = false;
    bool m_geschlossen = false;
};

// The default tender writer: a new Gaeb1990, or nullptr when its temporary file could not be
// created (the user has been told).
std::unique_ptr<Ausschreibungsschreiber> NeuerGaeb1990();
