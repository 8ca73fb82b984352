#pragma once
#include <gtest/gtest.h>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

#include "Golddateien.h"
#include "base/DruckerSeam.h"
#include "base/VbVariant.h"
#include "data/GlobDaten.h"
#include "output/reports/Ausschreibungsschreiber.h"
#include "support/ArtikelFixture.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

// A value of a test data object (index 1..6 for indexed members).
struct Feldwert {
    const char* name;
    VbVariant wert;
    int index = 0;
};

// A data object that offers exactly the given member names, with the given values (Empty where
// none is given): indexed where the name ends in "_m_value", a method for "Sum_...", else a
// value. It is bound to the given parameter table, so m_IstBerechnet and m_IstAusgelegt come
// from the project's row there; nothing is written back.
class Namensdatenobjekt : public GlobDaten {
public:
    Namensdatenobjekt(const QString& tabelle, const QStringList& namen, const QList<Feldwert>& werte);
    ~Namensdatenobjekt() override;

private:
    QHash<QString, VbVariant> m_werte;
};

// The clipboard of a test.
class Ablagerecorder : public Zwischenablage {
public:
    void leeren() override { ++geleert; }
    void setzeText(const QString& t) override { text = t; ++gesetzt; }
    QString text;
    int geleert = 0;
    int gesetzt = 0;
};

// A printer whose jobs draw on a recorder; each page break adds the line "seite".
class Druckerrecorder : public DruckerSeam {
public:
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage& anfrage) override;
    void einrichten() override {}
    // Page height in twips (the width is 12240, the offsets 360).
    double seitenhöhe = 15840;
    QStringList aufrufe;
    QStringList dokumente;
};

// A tender writer that keeps its calls as lines.
class Ausschreibungsrecorder : public Ausschreibungsschreiber {
public:
    explicit Ausschreibungsrecorder(QStringList& zeilen) : m_zeilen(zeilen) {}
    bool WriteKopf(const QDate&, const QString& bezeichnung, const QString&) override;
    bool WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& k1, const QString&) override;
    bool WriteLangtext(const QString& zeile) override;
    bool WriteEinleitungHinweistext() override;
    bool WriteEnde() override;
    bool SaveAndClose() override;

private:
    QStringList& m_zeilen;
};

// What the type-report fixtures share: a project whose data object offers just the given member
// names, our own articles, the project row's fields, a test clipboard, printer and tender writer.
class Berichtstestbasis : public ::testing::Test {
protected:
    // The project databases (DatenbankInfo with the four user lines, then `tabellen`), the
    // articles of `artikelSql`, the current project and its row's fields, and the seams.
    void Einrichten(const QStringList& nutzerzeilen, const QStringList& tabellen, const char* artikelSql,
                    const QHash<QString, VbVariant>& projektfelder);
    void TearDown() override;
    // The parameter table the data object of a type is bound to.
    virtual QString Parametertabelle(const QString& projektart) const = 0;

    std::unique_ptr<Datenobjektdatenbanken> dbs;
    std::unique_ptr<ArtikelFixture> artikel;
    MeldungsRecorder meldungen;
    Ablagerecorder ablage;
    Druckerrecorder drucker;
    QStringList gaeb;
    QHash<QString, VbVariant> projekt;
    QStringList namen;
    QList<Feldwert> werte;
    // The data object of the running report.
    std::weak_ptr<GlobDaten> datenobjekt;
    int vorschauen = 0;
};
