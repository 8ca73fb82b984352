#pragma once
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "base/Programmzustand.h"
#include "exchange/XML_Tools.h"
#include "support/MeldungsRecorder.h"

// The message of an answer that could not be saved.
inline const QString Speicherfehler =
    QStringLiteral("Beim Speichern der Rückgabeinformation in die XML-Datei ist ein Fehler aufgetreten.");

// A file of tests/exchange/daten.
inline QByteArray Vorlage(const QString& name)
{
    QFile f(QStringLiteral(KELVOR_SOURCE_DIR "/tests/exchange/daten/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}
inline QByteArray Vorlage(const char* name)
{
    return Vorlage(QString::fromLatin1(name));
}

// Writes and inspects the exchange file zustand().TyvoDatei (the fixture places it in dir).
class Austauschdateitest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MeldungsRecorder meldungen;

    void Schreiben(const QByteArray& inhalt)
    {
        QFile f(zustand().TyvoDatei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray Datei() const
    {
        QFile f(zustand().TyvoDatei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Text of an element of the file (absolute path), or "<fehlt>".
    QString Wert(const QString& pfad) const
    {
        XML_Tools x;
        if (x.LoadXMLDocument(zustand().TyvoDatei) != 0)
            return QStringLiteral("<fehlt>");
        return x.GetElementText(pfad) == 0 ? x.ElementeText() : QStringLiteral("<fehlt>");
    }
    // Number of nodes of an absolute path; -1 when the file does not load.
    int Anzahl(const QString& pfad) const
    {
        XML_Tools x;
        if (x.LoadXMLDocument(zustand().TyvoDatei) != 0)
            return -1;
        const pugi::xpath_node_set* l = x.GetListNodesByXpath(pfad, false);
        return l ? static_cast<int>(l->size()) : 0;
    }
};
