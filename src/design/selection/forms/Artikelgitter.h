#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Auswahlgitter;
class Recordset;
class RecordsetModell;

// How an article choice dialog shows a field of its list: width in twips (0 hides the field,
// -1 leaves the grid's width), alignment and the number pattern of its values (none: the
// value's text).
struct Artikelspalte {
    QString feld;
    int breite;
    Qt::Alignment ausrichtung;
    QString muster;
};

// A field of a joined query may carry its table's name ("Speicher_Maße.Nenninhalt"): the name
// after the last point counts, in any case.
bool gleicherFeldname(const QString& feld, const QString& name);

// Shows the list in the grid through a new model (a child of the grid): every field but those
// left out, each as its entry of spalten says; fields without one keep the defaults.
RecordsetModell* ZeigeArtikelliste(Auswahlgitter& gitter, const std::shared_ptr<Recordset>& liste,
                                   const QList<Artikelspalte>& spalten, const QStringList& ausgelassen);
