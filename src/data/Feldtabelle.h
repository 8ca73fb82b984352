#pragma once
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "data/conCheckBoxAdodb.h"
#include "data/conOptButtAdodb.h"
#include "data/conTextBoxAdodb.h"
#include "data/conValueAdodb.h"

// The shape of a data class's binding table: its members with their fields and the defaults of a
// new row. A class's table derives from it and adds the arrays optionen, zahlen, flags, werte and
// listen; GlobDaten::bindeTabelle registers them in that order.
template <class G>
struct Feldtabelle {
    enum class Vorgabe { Integer, Leer };

    // An option group: option 0 in the first field, option 1 in the second.
    struct Option {
        conOptButtAdodb G::*member;
        const char* name;
        const char* feld0;
        const char* feld1;
    };
    // A number; stellen >= 0: rounded to that many decimals on load (the Single fields).
    struct Zahl {
        conTextBoxAdodb G::*member;
        const char* name;
        const char* feld;
        double vorgabe;
        int stellen;
    };
    struct Flag {
        conCheckBoxAdodb G::*member;
        const char* name;
        const char* feld;
    };
    // A value: a 16-bit integer or one blank.
    struct Wert {
        conValueAdodb G::*member;
        const char* name;
        const char* feld;
        Vorgabe vorgabe;
        int16_t zahl;
    };
    // Six items in the fields feld with %1 = 1 .. 6; text items default to one blank, number
    // items to 0 (16-bit).
    struct Liste {
        std::array<conValueAdodb, 6> G::*member;
        const char* name;
        const char* feld;
        bool text;
    };
};
