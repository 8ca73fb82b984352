#pragma once
#include <QString>
#include <QStringList>

// Start-up services that run before the main window exists: the command line of the host mode.

// Sets TyvoModus and TyvoDatei from the quoted parts of the command line, given as
// GetKommandozeile returns them (element 0 the count, then the parts).
void AuswertenKommandozeile(const QStringList& teile);
// The value behind the key in one argument: the key is found anywhere, without regard to case;
// the value is the rest after the first "=" behind it (unchanged), "" without key or "=".
QString GetParameterWert(const QString& argument, const QString& schluessel);
