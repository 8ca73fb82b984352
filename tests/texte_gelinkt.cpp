// Linked against the archives of the ground floor alone, without CMake's usage requirements:
// the string table must come with them.
#include <QCoreApplication>
#include <cstdio>

#include "base/Texttabelle.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString* t = Texttabelle::instanz().suche(2250);
    if (!t || *t != QStringLiteral("Bitte geben Sie eine gültige Zahl ein.")) {
        std::fprintf(stderr, "text 2250 is missing\n");
        return 1;
    }
    return 0;
}
