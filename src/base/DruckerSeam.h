#pragma once
#include "base/Zeichenflaeche.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <memory>

// What a print job is asked for.
struct Druckanfrage {
    QString dokumentname;
    bool querformat = false;
    // Units of the job's surface per inch: 1440 draws in twips, 600 in 1/600 inch.
    double einheitenJeZoll = 1440;
};

// A job that writes into a file and failed: the file and the system's reason. Empty otherwise.
struct Druckdateifehler {
    QString datei;
    QString grund;
    bool gesetzt() const { return !datei.isEmpty(); }
};

// Reports a failed print file (text 2241 with the file and the reason); false when none is set.
bool MeldeDruckdateifehler(const Druckdateifehler& fehler);

// An open print job: a surface on the current page, page breaks and the end of the document.
// The surface's origin is the top left corner of the printable area.
class Druckauftrag {
public:
    virtual ~Druckauftrag() = default;
    virtual Zeichenflaeche& fläche() = 0;
    // Physical page size and the offset of the printable area, in the job's units.
    virtual QSizeF seitengröße() const = 0;
    virtual QSizeF druckerOffset() const = 0;
    // Starts the next page; false when the device failed.
    virtual bool neueSeite() = 0;
    // Ends the document; false when it could not be finished.
    virtual bool beenden() = 0;
    // Gives the job up; what was sent so far is discarded where the device allows.
    virtual void abbrechen() = 0;
    // Why beenden() failed when the job writes into a file.
    virtual Druckdateifehler dateifehler() const { return {}; }
};

// The printer dialogs: the print dialog (choose a printer, get a job) and the printer set-up.
class DruckerSeam {
public:
    virtual ~DruckerSeam() = default;
    // A job on the chosen printer, or nullptr when the user cancelled or no printer is usable.
    virtual std::unique_ptr<Druckauftrag> drucken(const Druckanfrage& anfrage) = 0;
    // The printer set-up; the choice becomes the default for later jobs.
    virtual void einrichten() = 0;
    // Why the last drucken() gave no job when its file could not be opened; empty after a cancel.
    virtual Druckdateifehler dateifehler() const { return {}; }
};

// A job that draws a PDF into datei on the page layout given. It writes through the checked
// writer: datei is replaced only when beenden() succeeds, and keeps its old bytes otherwise.
// nullptr with *fehler set when the file cannot be opened.
std::unique_ptr<Druckauftrag> PdfAuftragInDatei(const QString& datei, const Druckanfrage& anfrage,
                                                const QPageLayout& layout, Druckdateifehler* fehler);

// The printer in use; without one installed every print is cancelled.
DruckerSeam& drucker();
// Installs a printer (not owned); nullptr restores the default.
void setzeDrucker(DruckerSeam* d);

// Prints into a PDF file on A4 without margins and without asking (tests, and a fixed target).
// Every job that ends well replaces the file.
class PdfDrucker : public DruckerSeam {
public:
    explicit PdfDrucker(QString datei) : m_datei(std::move(datei)) {}
    std::unique_ptr<Druckauftrag> drucken(const Druckanfrage& anfrage) override;
    void einrichten() override { ++einrichtungen; }
    Druckdateifehler dateifehler() const override { return m_fehler; }
    int aufträge = 0;
    int einrichtungen = 0;

private:
    QString m_datei;
    Druckdateifehler m_fehler;
};

// The clipboard; tests install one that keeps the text.
class Zwischenablage {
public:
    virtual ~Zwischenablage() = default;
    virtual void leeren() = 0;
    virtual void setzeText(const QString& text) = 0;
};

// The clipboard in use: the system clipboard unless one is installed.
Zwischenablage& zwischenablage();
// Installs a clipboard (not owned); nullptr restores the system clipboard.
void setzeZwischenablage(Zwischenablage* z);
