#pragma once
#include <QByteArray>

#include <functional>
#include <optional>

// The limits of a run in a child process: its time, and how far it may grow above this process.
struct Kindgrenzen {
    int fristMs = 5000;
    long mehrKb = 1024 * 1024;
};

// How a run in a child process went.
struct Kindlauf {
    bool beendet = false;   // ended by itself, with status 0
    bool gestoppt = false;  // ended by the test: too long, or (zuGroß) too large
    bool zuGroß = false;
    QByteArray antwort;     // what the work returned, when it ended by itself
    double sekunden = 0;
    long maxRssKb = 0;      // the child's peak
};

// Runs arbeit in a child process, which has this process's state and files, and ends it when it
// runs too long or grows too large. For work that must never block on a pipe, read a device
// without end or grow without bound.
Kindlauf ImKindLauf(const std::function<QByteArray()>& arbeit, Kindgrenzen grenzen = {});

// The same, only the answer: nothing when the child did not end by itself.
std::optional<QByteArray> ImKind(const std::function<QByteArray()>& arbeit, int fristMs = 5000);
