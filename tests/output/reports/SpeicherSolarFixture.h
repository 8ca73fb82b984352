#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "Berichtstestbasis.h"

// The storage and solar tests name their values so.
using Memberwert = Feldwert;

// A storage-heater ("Sp") or solar ("So") project "S-1" whose data object offers the report's
// member names, with our own articles, the project row's fields and test seams.
class SpeicherSolarFixture : public Berichtstestbasis {
protected:
    void SetUp() override;
    QString Parametertabelle(const QString& projektart) const override;

    // The type, its values and the state of its row; namen: the members offered (default: the
    // report's list of the type).
    void Anlage(const QString& projektart, const QList<Memberwert>& werte, bool berechnet = true,
                bool ausgelegt = true);
    void Anlage(const QString& projektart, const QStringList& namen, const QList<Memberwert>& werte,
                bool berechnet = true, bool ausgelegt = true);
    // Runs a report; preise: the price choice's answer (1 with, 2 without prices).
    void Bericht(int modus, int preise);

    // The values of a designed storage-heater and solar project.
    static const QList<Memberwert>& Speicher();
    static const QList<Memberwert>& Solar();

    // Runs after the price choice, before the output (the data object is open then).
    std::function<void(GlobDaten&)> nachPreiswahl;
    // What the preview of mode 1 draws.
    Zeichenrecorder vorschau{100000, 0.6, 1.0};
};
