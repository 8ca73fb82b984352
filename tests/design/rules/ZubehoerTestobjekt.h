#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

#include "design/rules/Zubehoertechnik.h"
#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "support/MeldungsRecorder.h"

// A data object that offers exactly the members the accessory designer names for one system
// type, so that a design run touching any other name fails. Values start Empty; indexed
// members take 1..6; Sum_Waermeleistung adds the six generator outputs.
class ZubehörTestobjekt {
public:
    explicit ZubehörTestobjekt(const QString& projektart) : register_(QStringLiteral("Testobjekt ") + projektart)
    {
        for (const QString& name : Zubehörtechnik::Membernamen(projektart)) {
            if (name == QStringLiteral("Sum_Waermeleistung")) {
                register_.methode(name, 0, 0, [this](const QList<VbVariant>&) {
                    double summe = 0.0;
                    for (const VbVariant& v : listen[QStringLiteral("m_Leist_m_value")])
                        summe += v.toDouble();
                    return VbVariant(summe);
                });
            } else if (name.endsWith(QStringLiteral("_m_value"))) {
                listen.insert(name, {});
                // The outputs read as whole kW (half to even), as the real class gives them;
                // Sum_Waermeleistung adds the unrounded values.
                const bool leistung = name == QStringLiteral("m_Leist_m_value");
                register_.indiziert(
                    name, 1,
                    [this, name, leistung](const QList<VbVariant>& i) {
                        const VbVariant& v = listen[name][stelle(name, i[0])];
                        return leistung ? VbVariant::lng(Zahlen::CLng(v.toDouble())) : v;
                    },
                    [this, name](const QList<VbVariant>& i, const VbVariant& w) { listen[name][stelle(name, i[0])] = w; });
            } else {
                werte.insert(name, VbVariant());
                register_.wert(name, [this, name] { return werte.value(name); },
                               [this, name](const VbVariant& w) { werte[name] = w; });
            }
        }
    }

    MemberRegister& reg() { return register_; }
    VbVariant& operator[](const QString& name)
    {
        EXPECT_TRUE(werte.contains(name)) << name.toStdString();
        return werte[name];
    }
    VbVariant& operator[](const char* name) { return (*this)[QString::fromUtf8(name)]; }
    VbVariant& item(const char* name, int i) { return item(QString::fromUtf8(name), i); }
    QStringList items(const char* name) { return items(QString::fromUtf8(name)); }
    VbVariant& item(const QString& name, int i)
    {
        EXPECT_TRUE(listen.contains(name)) << name.toStdString();
        return listen[name][static_cast<size_t>(stelle(name, VbVariant(i)))];
    }
    void setze(std::initializer_list<std::pair<const char*, VbVariant>> liste)
    {
        for (const auto& [name, wert] : liste)
            (*this)[name] = wert;
    }
    QStringList items(const QString& name)
    {
        QStringList aus;
        for (const VbVariant& v : listen[name])
            aus << v.toString();
        return aus;
    }

    QHash<QString, VbVariant> werte;
    QHash<QString, std::array<VbVariant, 6>> listen;

private:
    static int stelle(const QString& name, const VbVariant& index)
    {
        const int i = index.toInteger();
        if (i < 1 || i > 6)
            throw MemberFehler::index(name, index);
        return i - 1;
    }
    MemberRegister register_;
};

// The designer's messages as "kind:id(values)"; database messages as "5:db". A design message
// (kind 4) must carry the hotline text, else it shows as "?".
inline QStringList Meldungen(const MeldungsRecorder& rec)
{
    const int ids[] = {2300, 2352, 2353, 2355, 2356, 2371, 2375};
    QStringList aus;
    for (const MeldungsBox& b : rec.boxen) {
        QString eintrag = QStringLiteral("?");
        if (b.art == 5)
            eintrag = QStringLiteral("5:db");
        for (const int id : ids) {
            const QString text = LadeText(id);
            const QString erwartet = b.art == 4 ? text + LadeText(3020) : text;
            if (b.vorlage == erwartet)
                eintrag = QStringLiteral("%1:%2(%3)").arg(b.art).arg(id).arg(b.werte.join(QLatin1Char(',')));
        }
        aus << eintrag;
    }
    return aus;
}
