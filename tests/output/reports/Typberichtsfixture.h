#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "Berichtstestbasis.h"

// A project "T-1" of one of the types cooling, drinking water or pressure boosting, with a
// data object that offers the report's member names, our own articles, the project row's fields,
// a test clipboard, printer and tender writer.
class Typberichtsfixture : public Berichtstestbasis {
protected:
    void SetUp() override;
    QString Parametertabelle(const QString&) const override { return QStringLiteral("Testparameter"); }

    // The type and the values of the next reports; namen: the members the data object offers.
    void Anlage(const QString& projektart, const QStringList& namen, const QList<Feldwert>& werte);
    // The state of the project row.
    void Stand(bool berechnet, bool ausgelegt);
    // Runs a report; preise: the price choice's answer (1 with, 2 without prices).
    void Bericht(int modus, int preise);
    // Mode 1 with the preview drawing on a recorder: its calls.
    QStringList Vorschau(int preise);
};
