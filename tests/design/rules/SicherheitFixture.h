#pragma once
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>

#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/TabellenConst.h"
#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "support/MeldungsRecorder.h"

// A data object that offers exactly the members the safety designer names for one system type:
// plain values and six-item lists of Variants, the sum of the generator outputs and a physical
// tables object. Values are kept as written, so tests see the type the designer wrote.
class Vertragsobjekt {
public:
    explicit Vertragsobjekt(const QString& projektart) : reg(QStringLiteral("Vertrag ") + projektart)
    {
        for (const Sicherheitstechnik::Vertragsmember& m : Sicherheitstechnik::Vertrag(projektart)) {
            const QString name = m.name;
            switch (m.art) {
            case MemberRegister::Art::Wert:
                werte[name] = VbVariant();
                reg.wert(name, [this, name] { return werte.value(name); },
                         [this, name](const VbVariant& v) {
                             if (!festgehalten.contains(name))
                                 werte[name] = v;
                         });
                break;
            case MemberRegister::Art::Indiziert:
                listen[name] = {};
                reg.indiziert(
                    name, 1, [this, name](const QList<VbVariant>& i) { return listen[name][nr(name, i)]; },
                    [this, name](const QList<VbVariant>& i, const VbVariant& v) { listen[name][nr(name, i)] = v; });
                break;
            case MemberRegister::Art::Methode:  // the sum of the generator outputs
                reg.methode(name, 0, 0, [this](const QList<VbVariant>&) {
                    double s = 0;
                    for (int i = 1; i <= 6; ++i)
                        s += listen[QStringLiteral("m_Leist_m_value")][i].toDouble();
                    return VbVariant(s);
                });
                break;
            case MemberRegister::Art::Objekt:
                reg.objekt<TabellenConst>(name, [this] { return &tabellen; });
                break;
            }
        }
    }

    VbVariant& operator[](const QString& name) { return werte[name]; }
    VbVariant& operator()(const QString& name, int i) { return listen[name][i]; }

    // Every value in a fixed order, to see whether anything changed.
    QString abbild() const
    {
        QStringList teile;
        for (auto it = werte.begin(); it != werte.end(); ++it)
            teile << it.key() + QLatin1Char('=') + it.value().toString();
        for (auto it = listen.begin(); it != listen.end(); ++it)
            for (int i = 1; i <= 6; ++i)
                teile << QStringLiteral("%1(%2)=%3").arg(it.key()).arg(i).arg(it.value()[i].toString());
        return teile.join(QLatin1Char(';'));
    }

    MemberRegister reg;
    QSet<QString> festgehalten;  // plain values that ignore writes
    QMap<QString, VbVariant> werte;
    QMap<QString, std::array<VbVariant, 7>> listen;
    TabellenConst tabellen;

private:
    static int nr(const QString& name, const QList<VbVariant>& index)
    {
        const int i = index.at(0).toInteger();
        if (i < 1 || i > 6)
            throw MemberFehler::index(name, index.at(0));
        return i;
    }
};

// The valve and trap tables of a small article database: the full-lift matrix (capacity
// A x (pressure + 1) with A = 60 ... 3600 by size, article 30DDD up to 5 bar and 31DDD above,
// stored by size and pressure), heating diaphragm valves at 2.5 and 3.0 bar, the expansion
// traps, and the solar and drinking-water valves.
inline QString SicherheitArtikelSQL()
{
    return QStringLiteral(
        "CREATE TABLE [Abblaseleistung VollhubSV] ([Nenndurchmesser DN] INTEGER, Druck REAL, "
        "[Abblaseleistung in kW] REAL, [Art Nr] TEXT COLLATE NOCASE);"
        "INSERT INTO [Abblaseleistung VollhubSV] "
        "WITH RECURSIVE stufe(druck) AS (SELECT 1.0 UNION ALL SELECT druck + 0.5 FROM stufe WHERE druck < 10.0), "
        "groesse(dn, a) AS (VALUES (20, 60), (25, 100), (32, 160), (40, 250), (50, 400), (65, 650), "
        "(80, 1000), (100, 1600), (125, 2500), (150, 3600)) "
        "SELECT dn, druck, a * (druck + 1), CASE WHEN druck <= 5.0 THEN '30' ELSE '31' END || printf('%03d', dn) "
        "FROM groesse CROSS JOIN stufe ORDER BY dn, druck;"
        "CREATE TABLE [Leistung MembranSV] (Druck REAL, [Leistung in kW] INTEGER, [Art Nr] TEXT COLLATE NOCASE, "
        "[Nenndurchmesser DN] INTEGER);"
        "INSERT INTO [Leistung MembranSV] VALUES (2.5, 50, '26015', 15), (2.5, 100, '26020', 20), "
        "(2.5, 200, '26025', 25), (2.5, 350, '26032', 32), (2.5, 600, '26040', 40), (3.0, 50, '26115', 15), "
        "(3.0, 100, '26120', 20), (3.0, 200, '26125', 25), (3.0, 350, '26132', 32), (3.0, 600, '26140', 40);"
        "CREATE TABLE [Entspannungsgefäße] ([Art Nr] TEXT COLLATE NOCASE, [DN MSV] INTEGER, "
        "[DN bei <= 5 bar] INTEGER, [DN bei > 5 bar] INTEGER, DN_Eingang INTEGER, DN_Ausgang INTEGER);"
        "INSERT INTO [Entspannungsgefäße] VALUES ('27020', NULL, 20, NULL, 25, 50), "
        "('27025', NULL, 25, 20, 32, 65), ('27032', 32, 32, 25, 40, 80), ('27040', 40, 40, 32, 50, 100), "
        "('27050', NULL, 50, 40, 65, 125), ('27065', NULL, 65, 50, 80, 150), "
        "('27080', NULL, 80, 65, 100, 200), ('27100', NULL, 100, 80, 125, 250), "
        "('27125', NULL, 125, 100, 150, 250), ('27150', NULL, 150, 125, 200, 300);"
        "CREATE TABLE SiVSolaranlagen (Druck REAL, Kollektorfläche INTEGER, [Art Nr] TEXT COLLATE NOCASE, "
        "[Nenndurchmesser DN] INTEGER);"
        "INSERT INTO SiVSolaranlagen VALUES (3, 50, '25031', 15), (3, 100, '25032', 20), (4, 50, '25041', 15), "
        "(6, 50, '25061', 15), (6, 100, '25062', 20), (6, 200, '25063', 25), (8, 50, '25081', 15), "
        "(8, 100, '25082', 20), (10, 50, '25101', 15), (10, 100, '25102', 20), (10, 200, '25103', 25);"
        "CREATE TABLE SiVTrinkwasser (Druck REAL, [Volumen in Liter] INTEGER, [Art Nr] TEXT COLLATE NOCASE, "
        "[Nenndurchmesser DN] INTEGER);"
        "INSERT INTO SiVTrinkwasser VALUES (6, 200, '28061', 15), (6, 1000, '28062', 20), (6, 5000, '28063', 25), "
        "(8, 200, '28081', 15), (8, 1000, '28082', 20), (10, 200, '28101', 15), (10, 1000, '28102', 20), "
        "(10, 5000, '28103', 25);");
}

// The messages shown, each as "kind:text id(parameters)"; ids of the designer's and the
// full-lift table's messages are recognised by their text, any other text is given as it is.
inline QStringList Meldungsprotokoll(const MeldungsRecorder& rec)
{
    const QString hotline = LadeText(3020);
    QStringList aus;
    for (const MeldungsBox& b : rec.boxen) {
        QString id = b.vorlage;
        for (int t : {2200, 2413})
            if (b.vorlage == LadeText(t))
                id = QString::number(t);
        for (int t : {2350, 2351, 2364, 2373})
            if (b.vorlage == LadeText(t) + hotline)
                id = QString::number(t);
        QString eintrag = QStringLiteral("%1:%2").arg(b.art).arg(id);
        if (!b.werte.isEmpty() && b.art != Meldungsart::Datenbankfehler)
            eintrag += QLatin1Char('(') + b.werte.join(QLatin1Char(',')) + QLatin1Char(')');
        aus << eintrag;
    }
    return aus;
}
