#pragma once
#include <QByteArray>
#include <QString>

class QFile;

enum class Fremdlesen { Gelesen, NichtGeöffnet, KeineDatei, ZuGroß, Lesefehler };

// Reads a file that comes from outside the program whole: only a regular file, opened without
// blocking (a pipe or device never holds the program up), and at most höchstens bytes. On
// failure inhalt is empty, the file untouched and *grund (when given) says why.
Fremdlesen LeseFremdeDatei(const QString& pfad, qint64 höchstens, QByteArray& inhalt, QString* grund = nullptr);
// Opens a file from outside for reading as a stream: only a regular file, opened without
// blocking, then read as usual. On failure datei stays closed and *grund (when given) says why.
Fremdlesen ÖffneFremdeDatei(const QString& pfad, QFile& datei, QString* grund = nullptr);
