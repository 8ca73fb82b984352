#pragma once
#include <QString>

#include <memory>

#include "info/Gebietskarte.h"

class datenbank;

// What tells the service-partner finder and the sales-representative finder apart.
struct Finderart {
    Gebietskarte::Karte karte;
    int titelText;            // caption
    int überschriftText;      // heading above the map
    int eingabeText;          // prompt of the postal-code box
    int adresseText;          // caption above the address
    QString gebieteTabelle;   // addresses per area
    QString aufteilungTabelle;  // postal-code ranges per area
    QString ersteZeile;       // first line of the address block
    int kartenBild;           // KARTEN picture of the map
    bool mitKundendienst;     // customer-service box (text 3025)
    bool kartenHintergrundWieRahmen;
};
const Finderart& FinderartService();
const Finderart& FinderartVertreter();

// The finder's lookups on the article database, without a window: an address block for a postal
// code or a click on the map.
class Gebietssuche {
public:
    // Opens the area table (the result is not examined: a failed open shows its database
    // message and every later lookup finds nothing).
    explicit Gebietssuche(const Finderart& art);
    ~Gebietssuche();
    Gebietssuche(const Gebietssuche&) = delete;
    Gebietssuche& operator=(const Gebietssuche&) = delete;

    // Postal-code box length and its empty content.
    static constexpr int PLZLänge = 5;
    static QString LeerePostleitzahl() { return QString(PLZLänge, QLatin1Char(' ')); }

    struct Ergebnis {
        QString adresse;        // the address display
        bool boxZurücksetzen;   // the postal-code box goes back to five blanks
    };
    // Lookup by the untrimmed box text: a code of five characters after trimming is compared as
    // text against the ranges (bounds inclusive); anything else or no hit resets the box.
    Ergebnis SucheNachPostleitzahl(const QString& text);
    // Lookup by a click on the map (pixels of the map picture). No area: display emptied, box
    // kept. An area: its address (empty fields when the area has no row), box reset.
    Ergebnis SucheNachKlick(float x, float y);

    const Finderart& Art() const { return m_art; }
    const Gebietskarte& Karte() const { return m_karte; }

private:
    QString ZeigeAdresse();

    const Finderart& m_art;
    std::unique_ptr<datenbank> GebieteDB;
    Gebietskarte m_karte;
};
