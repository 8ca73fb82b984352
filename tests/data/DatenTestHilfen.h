#pragma once
#include <QList>

#include "base/AllgFunktionen.h"
#include "support/MeldungsRecorder.h"

// The boxes of one message kind (while the string table lacks a text, LadeText adds boxes of
// its own).
inline QList<MeldungsBox> boxenDerArt(const MeldungsRecorder& r, int art)
{
    QList<MeldungsBox> b;
    for (const MeldungsBox& x : r.boxen)
        if (x.art == art)
            b << x;
    return b;
}

// The text of a database or input message as its template and operation text make it.
inline QString vorlage(int muster, int operation = 0)
{
    return LadeText(muster) + (operation ? LadeText(operation) : QString());
}
