// The heating report: data sheet, article list and long texts of a heating project.
#include "output/reports/Drucken.h"

bool Drucken::AusgabeTechnischeDatenHeizung()
{
    return false;
}

void Drucken::AusgabeArtikellisteHeizung() {}

void Drucken::AusgabeLangtexteHeizung() {}
