#pragma once
#include <gtest/gtest.h>

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

#include "base/DruckerSeam.h"
#include "base/VbVariant.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

class Drucken;
class Zeichenflaeche;
class Druckauftrag;

// Reaches the report object's private state and blocks.
struct DruckenTestzugriff {
    static void geometrie(Drucken& d);
    static int32_t ausgabe(Drucken& d, int modus, bool mitPreisen, int ziel, Zeichenflaeche* f,
                           Druckauftrag* auftrag = nullptr);
    static void vorbereiten(Drucken& d, int modus, bool mitPreisen);
    static int16_t zeilenProSeite(const Drucken& d);
    static std::array<int32_t, 3> ränder(const Drucken& d);
    static int32_t zeichenbreite(const Drucken& d);
    static int32_t zeilenhöhe(const Drucken& d);
    static int32_t randLinks(const Drucken& d);
    static int32_t randOben(const Drucken& d);
    static int32_t bildhöhe(const Drucken& d);
    static int32_t seitenabstandMon(const Drucken& d);
    static int16_t seite(const Drucken& d);
    static double summe(const Drucken& d);
    // Text buffer runs of single blocks.
    static QString titelzeile(const QString& text, int spalte);
    static QString linie(int länge, int art);
    static QString textblock(const QString& text, bool eingerückt);
    static QString neueSeite();
    static QStringList zerlege(const QString& text);
};

// A value of the heating data object written by name (index 1..6 for indexed members).
struct Wert {
    const char* name;
    VbVariant wert;
    int index = 0;
};

// The clipboard of a test.
class Testablage : public Zwischenablage {
public:
    void leeren() override { ++geleert; text.clear(); }
    void setzeText(const QString& t) override { text = t; ++gesetzt; }
    QString text;
    int geleert = 0;
    int gesetzt = 0;
};

// A project "H-1" of type heating with a project database, an article database of its own, the
// project row's fields and a test clipboard.
class Berichtsfixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the heating row: the designed compressor automat plant, changed by `werte`.
    void AnlageAutomat(const QList<Wert>& werte = {});
    // The designed plant with two plain vessels, changed by `werte`.
    void AnlageGefäße(const QList<Wert>& werte = {});
    void Anlage(const QList<Wert>& basis, const QList<Wert>& werte);
    // Runs a report; preise: the price choice's answer.
    void Bericht(int modus, int preise);

    static const QList<Wert>& Automat();
    static const QList<Wert>& Gefäße();

    std::unique_ptr<Datenobjektdatenbanken> dbs;
    std::unique_ptr<ArtikelFixture> artikel;
    MeldungsRecorder meldungen;
    Testablage ablage;
    QHash<QString, VbVariant> projekt;
    int preisfragen = 0;
    int vorschauen = 0;
};
