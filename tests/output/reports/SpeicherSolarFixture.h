#pragma once
#include <gtest/gtest.h>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "base/DruckerSeam.h"
#include "base/VbVariant.h"
#include "data/GlobDaten.h"
#include "output/reports/Ausschreibungsschreiber.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

class Drucken;

// A member value of a test data object (index 1..6 for the indexed members).
struct Memberwert {
    const char* name;
    VbVariant wert;
    int index = 0;
};

// A data object that offers just the given member names with the given values (Empty where none
// is given): indexed for names ending in "_m_value", else read-only values. It is bound to the
// type's own parameter table, so m_IstBerechnet and m_IstAusgelegt come from the project's row;
// nothing is written back.
class Namenobjekt : public GlobDaten {
public:
    Namenobjekt(const QString& tabelle, const QStringList& namen, const QList<Memberwert>& werte);
    ~Namenobjekt() override;

private:
    QHash<QString, VbVariant> m_werte;
};

// The clipboard of a test.
class Textablage : public Zwischenablage {
public:
    void leeren() override { ++geleert; }
    void setzeText(const QString& t) override { text = t; ++gesetzt; }
    QString text;
    int geleert = 0;
    int gesetzt = 0;
};

// A printer whose jobs draw on recorders of the given page height (twips; width 12240, offsets
// 360); a page break adds the call "seite".
class Seitenrecorder : public DruckerSeam {
public:
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage& anfrage) override;
    void einrichten() override {}
    double seitenhöhe = 15840;
    QStringList aufrufe;
    QStringList dokumente;
};

// A tender writer that keeps its calls as lines.
class Positionsrecorder : public Ausschreibungsschreiber {
public:
    explicit Positionsrecorder(QStringList& zeilen) : m_zeilen(zeilen) {}
    bool WriteKopf(const QDate&, const QString& bezeichnung, const QString&) override;
    bool WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& k1, const QString&) override;
    bool WriteLangtext(const QString& zeile) override;
    bool WriteEinleitungHinweistext() override;
    bool WriteEnde() override;
    bool SaveAndClose() override;

private:
    QStringList& m_zeilen;
};

// A storage-heater ("Sp") or solar ("So") project "S-1" whose data object offers the report's
// member names, with our own articles, the project row's fields and test seams.
class SpeicherSolarFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The type, its values and the state of its row; namen: the members offered (default: the
    // report's list of the type).
    void Anlage(const QString& projektart, const QList<Memberwert>& werte, bool berechnet = true,
                bool ausgelegt = true);
    void Anlage(const QString& projektart, const QStringList& namen, const QList<Memberwert>& werte,
                bool berechnet = true, bool ausgelegt = true);
    // Runs a report; preise: the price choice's answer (1 with, 2 without prices).
    void Bericht(int modus, int preise);

    static QString golden(const QString& name);
    // Byte-for-byte comparison; KELVOR_GOLDEN_SCHREIBEN=1 writes the file instead.
    static void vergleiche(const QString& name, const QString& text);

    // The values of a designed storage-heater and solar project.
    static const QList<Memberwert>& Speicher();
    static const QList<Memberwert>& Solar();

    std::unique_ptr<Datenobjektdatenbanken> dbs;
    std::unique_ptr<ArtikelFixture> artikel;
    MeldungsRecorder meldungen;
    Textablage ablage;
    Seitenrecorder drucker;
    QStringList gaeb;
    QHash<QString, VbVariant> projekt;
    QStringList namen;
    QList<Memberwert> werte;
    // Runs after the price choice, before the output (the data object is open then).
    std::function<void(GlobDaten&)> nachPreiswahl;
    std::weak_ptr<GlobDaten> datenobjekt;
    int vorschauen = 0;
    // What the preview of mode 1 draws.
    Zeichenrecorder vorschau{100000, 0.6, 1.0};
};
