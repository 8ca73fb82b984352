#pragma once
#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>

#include "data/GlobDaten.h"
#include "base/Programmzustand.h"
#include "support/Datenobjektdatenbanken.h"
#include "support/MeldungsRecorder.h"

// A member of a data class bound to its column: the value of a new project (in the type the
// object holds) and a value to store and load again. An option group names its columns separated
// by commas, option 0 first; its value is the option index.
struct Memberbindung {
    QString member;
    QString feld;
    VbVariant vorgabe;
    VbVariant wert;
};


namespace Datenobjektbindungen {

// Every bound member of the cooling object; the members of the solar, drinking-water and
// pressure-boosting objects that the safety and accessory designers use.
const QList<Memberbindung>& Kälte();
const QList<Memberbindung>& Solar();
const QList<Memberbindung>& Trinkwasser();
const QList<Memberbindung>& Druck();

// A stored column value compared with the value written (numbers as Single, texts as they are).
void PrüfeGespeichert(const QVariant& gespeichert, const VbVariant& wert, const QString& feld);

// A new project takes the new-project values; the values written reach the columns when the
// object is released and come back on the next Init.
template <class T>
void PrüfeBindungen(const QString& tabelle, const QList<Memberbindung>& bindungen)
{
    MeldungsRecorder rec;
    Datenobjektdatenbanken db;
    zustand().aktProjektnummer = QStringLiteral("B-1");
    {
        T d;
        ASSERT_EQ(d.Init(), 0);
        for (const Memberbindung& b : bindungen) {
            SCOPED_TRACE(b.member.toStdString());
            const VbVariant v = d.lese(b.member);
            EXPECT_EQ(v.typ(), b.vorgabe.typ());
            EXPECT_TRUE(v.gleich(b.vorgabe)) << v.toString().toStdString();
            d.schreibe(b.member, b.wert);
        }
    }
    for (const Memberbindung& b : bindungen) {
        SCOPED_TRACE(b.member.toStdString());
        const QStringList felder = b.feld.split(QLatin1Char(','));
        for (qsizetype i = 0; i < felder.size(); ++i) {
            const QVariant gespeichert = db.feld(tabelle, felder[i], QStringLiteral("B-1"));
            const VbVariant erwartet = felder.size() == 1 ? b.wert : VbVariant(b.wert.toLong() == i);
            PrüfeGespeichert(gespeichert, erwartet, felder[i]);
        }
    }
    {
        T d;
        ASSERT_EQ(d.Init(), 0);
        for (const Memberbindung& b : bindungen) {
            const VbVariant v = d.lese(b.member);
            EXPECT_TRUE(v.gleich(b.wert)) << b.member.toStdString() << ": " << v.toString().toStdString();
        }
    }
    EXPECT_TRUE(rec.boxen.isEmpty());
}

}  // namespace Datenobjektbindungen
