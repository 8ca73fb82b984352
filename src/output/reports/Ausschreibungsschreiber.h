#pragma once
#include <QDate>
#include <QString>
#include <functional>
#include <memory>

// Writes a bill of quantities as a tender file. The report creates one for its tender output,
// writes the header, the positions and the end, and releases it after `SaveAndClose`.
// Every call returns false when it failed; the writer has then told the user, and the report stops.
class Ausschreibungsschreiber {
public:
    virtual ~Ausschreibungsschreiber() = default;
    virtual bool WriteKopf(const QDate& LvDatum, const QString& LvBezeichnung, const QString& bemerkung) = 0;
    virtual bool WritePosAndKurztext(int posNr, bool bedarfsPos, double menge, const QString& Kurztext1,
                                     const QString& Kurztext2) = 0;
    virtual bool WriteLangtext(const QString& langtTextZeile) = 0;
    virtual bool WriteEinleitungHinweistext() = 0;
    virtual bool WriteEnde() = 0;
    // Asks for the target and copies the file there; false when the user cancelled or it failed.
    virtual bool SaveAndClose() = 0;
};

using Ausschreibungsfabrik = std::function<std::unique_ptr<Ausschreibungsschreiber>()>;

// A new tender writer, or nullptr when none can be created (the factory has said why).
std::unique_ptr<Ausschreibungsschreiber> NeuerAusschreibungsschreiber();
// Installs the factory; an empty one restores the default, the GAEB DA 1990 writer.
void setzeAusschreibungsfabrik(Ausschreibungsfabrik fabrik);
