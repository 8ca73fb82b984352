#pragma once
#include <QString>

// Makes the folder a shared temporary folder (sticky and writable by everyone, reachable by
// everyone) and, as the user "nobody" in a child process, fills it with links to nowhere named
// like the program's temporary files, "$$0000.tmp" to "$$FFFF.tmp". False when that cannot be
// done here (not root, no such user); the reason in *grund.
bool FremdeLinksImTempOrdner(const QString& ordner, QString* grund);
