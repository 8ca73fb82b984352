// Fuzz target: the host exchange file as the program reads it at start, with the answer a
// failed read writes into the file.
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "base/Programmzustand.h"
#include "exchange/TYVO_XML_Schnittstelle.h"
#include "support/MeldungsRecorder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t größe)
{
    static QTemporaryDir ordner;
    static MeldungsRecorder meldungen;
    zustandZuruecksetzen();
    zustand().TyvoDatei = ordner.filePath(QStringLiteral("austausch.xml"));
    {
        QFile f(zustand().TyvoDatei);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(daten), static_cast<qint64>(größe));
    }
    meldungen.leeren();
    // Both host modes: the second one requires the project id.
    for (int modus : {1, 2}) {
        TYVO_XML_Schnittstelle s;
        QString id;
        QString fehler;
        s.LesenAlleXMLDatenVonTyvo(modus, id, fehler);
    }
    return 0;
}
