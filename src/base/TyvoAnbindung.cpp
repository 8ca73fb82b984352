#include "base/TyvoAnbindung.h"

namespace {

class OhneAustausch : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int, QString&, QString& fehler) override
    {
        fehler = QStringLiteral("Der Datenaustausch mit dem Programm Tyvo ist in dieser Version noch nicht "
                                "enthalten.");
        return false;
    }
    void RückgabeInXML_AuswahlErfolgreich(int) override {}
    void RückgabeInXML_AuswahlNutzerabbruch(int) override {}
};

OhneAustausch g_ohne;
TyvoAnbindung* g_anbindung = nullptr;

}  // namespace

TyvoAnbindung& tyvoAnbindung()
{
    return g_anbindung ? *g_anbindung : g_ohne;
}

void setzeTyvoAnbindung(TyvoAnbindung* a)
{
    g_anbindung = a;
}
