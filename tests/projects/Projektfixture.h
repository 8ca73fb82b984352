#pragma once
#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <utility>
#include <memory>
#include <vector>

#include "projects/Projektseite.h"
#include "support/MeldungsRecorder.h"

// What the project page asked of its surroundings.
struct UmfeldProtokoll : ProjektseitenUmfeld {
    void Kommando(int a1, int a2, int a3) override { kommandos.push_back({a1, a2, a3}); }
    void ResetVisibleKommandoButtons(int a1, int a2, int a3) override { zurückgesetzt.push_back({a1, a2, a3}); }
    void ErstprojektMenuesSperren() override { menüsGesperrt = true; }
    int AktivesSteuerelement() const override { return aktiv; }
    void Fokus(int steuerelement) override { fokus.push_back(steuerelement); }
    void Beenden() override { ++beendet; }
    void AutomatischerBilderwechselWennErforderlich() override { ++bilderwechsel; }

    std::array<int, 3> letztesKommando() const { return kommandos.empty() ? std::array<int, 3>{} : kommandos.back(); }

    std::vector<std::array<int, 3>> kommandos;
    std::vector<std::array<int, 3>> zurückgesetzt;
    std::vector<int> fokus;
    bool menüsGesperrt = false;
    int aktiv = -1;
    int beendet = 0;
    int bilderwechsel = 0;
};

// A project database in a temporary folder, the main window's state as the project page finds
// it, and the page without its window.
class Projektfixture : public ::testing::Test {
protected:
    static QDate Heute() { return QDate(2024, 3, 15); }

    void SetUp() override;
    void TearDown() override;

    // A project row; texts left empty hold one blank as the page writes them.
    void projekt(const QString& nr, const QString& art, const QString& bezeichnung = QStringLiteral(" "),
                 const QString& datum = QStringLiteral("2020-01-01 00:00:00"),
                 const QString& angebot = QStringLiteral(" "), int artErstellung = 0);
    // The parameter row of the type's table, and dwelling rows.
    void parameterzeile(const QString& art, const QString& nr);
    void wohnungen(const QString& nr, int anzahl);
    void sql(const QString& text);
    int zeilen(const QString& tabelle, const QString& nr = QString());
    QString feld(const QString& nr, const QString& spalte);
    // The row of the project holds these column texts.
    void zeileIst(const QString& nr, std::initializer_list<std::pair<const char*, const char*>> werte);

    // A new page, loaded and activated.
    Projektseite& öffne();
    // The project numbers of the page's table in its order.
    QStringList reihenfolge();
    // The number of the page's current row ("EOF" after the last).
    QString aktuell();
    // Sort choice text (161..165).
    static QString sortierung(int nr);

    QTemporaryDir ordner;
    QString pfad;
    MeldungsRecorder meldungen;
    UmfeldProtokoll umfeld;
    std::unique_ptr<Projektseite> seite;

private:
    QSqlDatabase db();
    QString m_verbindung;
};
