#pragma once
#include <QByteArray>

#include <functional>
#include <optional>

// Runs arbeit in a child process and returns what it answered; nothing when the child did not
// end within fristMs milliseconds (it is killed then). For reads that must never block on a pipe
// or read a device without end.
std::optional<QByteArray> ImKind(const std::function<QByteArray()>& arbeit, int fristMs = 5000);
