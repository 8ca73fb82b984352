#pragma once
#include <QString>

#include <cstdint>

// Insulation of automat vessels ([Wärmedämmung Kelvormat]) by exact nominal content.
class WärmedämmKelvormat {
public:
    // The insulation article; an empty text when there is none (no query above 2000 litres).
    QString GetArtNrWärmedämmung(int16_t inhalt) const;
};
