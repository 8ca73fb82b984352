#pragma once
#include <QString>

// Temporary files and file copies.
class FileOP {
public:
    // Error numbers of Save.
    static constexpr long QuelleFehlt = 2;
    static constexpr long KopieFehlgeschlagen = 29;

    // Full path of a new, empty file "$$XXXXXXXX.tmp" (X hexadecimal) in zustand().TempOrdner or
    // the system's temporary folder; the empty text when none could be made, the reason in *grund.
    QString GetTempName(QString* grund = nullptr);
    // Copies quelle to Ziel, replacing Ziel: 0 on success, else an error number and *grund (when
    // given) the reason. The copy goes through the checked writer (KopiereDatei), so Ziel holds
    // either its old or the complete new bytes. anzeige (a progress window of the shell) has no
    // effect.
    long Save(const QString& quelle, const QString& Ziel, bool anzeige, QString* grund = nullptr);
};
