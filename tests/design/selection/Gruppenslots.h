#pragma once
#include <QList>

#include <cstdint>

#include <gtest/gtest.h>

#include "design/selection/Gefaessauswahlkern.h"

// The group numbers of the filled slots, in order.
inline QList<int16_t> Gruppennummern(const Gefäßauswahlkern& l)
{
    QList<int16_t> g;
    for (const auto& e : l.gruppen())
        if (e.nummer != 0)
            g << e.nummer;
    return g;
}

// The slot of a listed group (a failure of the test when it is not listed).
inline int Gruppenslot(const Gefäßauswahlkern& l, int16_t gruppe)
{
    int i = -1;
    EXPECT_TRUE(l.SucheGruppenindex(VbVariant::integer(gruppe), i)) << gruppe;
    return i;
}
