#pragma once
#include <QString>

#include <cstdint>
#include <memory>

class Recordset;

// A page that lets the user pick a vessel by hand in the article-choice dialog. The page loads
// and positions its candidate list before the dialog opens; the dialog shows that very recordset
// (moving in the dialog moves the page's list) and hands the choice back by the call-back.
class Artikelauswahlrufer {
public:
    virtual ~Artikelauswahlrufer() = default;

    // Vessel group of the list (8: the second dimension is a length).
    virtual int16_t gruppeNr() const = 0;
    // The candidate list: "Art Nr", the description column, "arKurztext1", "Durchmesser in mm",
    // "Höhe in mm", "arPreis", "Max, Betriebsdruck in bar", "Inhalt in ltr",
    // "Art Gr Berechn Prg", "Vordruck", "diTextzeile", "etText", "ltText".
    virtual std::shared_ptr<Recordset> Artikelliste() const = 0;
    // The chosen article and its content in litres; an article that is not in the list clears
    // the page's choice.
    virtual void ManuelleBehälterauswahl(const QString& ArtNrBehälter, int32_t volumen) = 0;
};

// Opens the article-choice dialog modally; the dialog finds its caller through the main window
// by the project's type. The UI installs it; tests put their own in.
class Artikelauswahldialog {
public:
    virtual ~Artikelauswahldialog() = default;
    virtual void Zeige() = 0;
};

// The installed dialog (nullptr before the UI installs one).
Artikelauswahldialog* artikelauswahlDialog();
void setzeArtikelauswahlDialog(Artikelauswahldialog* dialog);
