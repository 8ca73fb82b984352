#include "base/TyvoAnbindung.h"

namespace {

class OhneAustausch : public TyvoAnbindung {
public:
    bool LesenAlleXMLDatenVonTyvo(int, QString&, QString&) override { return false; }
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
