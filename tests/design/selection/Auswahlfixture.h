#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "Gruppenslots.h"
#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/selection/Behaelterauswahl.h"
#include "support/MeldungsRecorder.h"

// A data object that offers exactly the members the vessel page names for its type, so that a
// run touching any other name fails. Indexed members take 1..6; the two heating functions read
// the values "kesselintern" and "sonderfall" of the test.
class Gefäßtestobjekt {
public:
    explicit Gefäßtestobjekt(const QString& projektart) : m_reg(QStringLiteral("Testobjekt ") + projektart)
    {
        for (const QString& name : Behälterauswahl::Membernamen(projektart)) {
            if (name == QStringLiteral("DBTabArtikel")) {
                artikel = std::make_unique<datenbank>();
                artikel->OpenTab(zustand().Artikel_Data_Source,
                                 QStringLiteral("SELECT [arArtikelnr],[arKurztext1] FROM ARTIKEL INNER JOIN Artikel_Zusatz "
                                                "ON ARTIKEL.[arArtikelnr] = Artikel_Zusatz.[artikelnr]"),
                                 3, Kennwort::Artikeldatenbank, true);
                m_reg.objekt<datenbank>(name, [this] { return artikel.get(); });
                continue;
            }
            if (name == QStringLiteral("Sum_KesselinterneMAGs")) {
                m_reg.methode(name, 0, 0, [this](const QList<VbVariant>&) { return VbVariant::integer(kesselintern); });
            } else if (name == QStringLiteral("TyvoSonderfallKeinMAGerlaubt")) {
                m_reg.methode(name, 0, 0, [this](const QList<VbVariant>&) { return VbVariant(sonderfall); });
            } else if (name.endsWith(QStringLiteral("_m_value"))) {
                listen.insert(name, {});
                m_reg.indiziert(
                    name, 1, [this, name](const QList<VbVariant>& i) { return listen[name][stelle(name, i[0])]; },
                    [this, name](const QList<VbVariant>& i, const VbVariant& w) { listen[name][stelle(name, i[0])] = w; });
            } else {
                werte.insert(name, VbVariant());
                m_reg.wert(name, [this, name] { return werte.value(name); },
                           [this, name](const VbVariant& w) { werte[name] = w; });
            }
        }
    }

    MemberRegister& reg() { return m_reg; }
    VbVariant& operator[](const char* name)
    {
        const QString n = QString::fromUtf8(name);
        EXPECT_TRUE(werte.contains(n)) << name;
        return werte[n];
    }
    VbVariant& item(const char* name, int i) { return listen[QString::fromUtf8(name)][static_cast<size_t>(i - 1)]; }
    QString text(const char* name) { return (*this)[name].toString(); }
    double zahl(const char* name) { return (*this)[name].toDouble(); }

    QHash<QString, VbVariant> werte;
    QHash<QString, std::array<VbVariant, 6>> listen;
    int16_t kesselintern = 0;
    bool sonderfall = false;
    std::unique_ptr<datenbank> artikel;  // the article view

private:
    static int stelle(const QString& name, const VbVariant& index)
    {
        const int i = index.toInteger();
        if (i < 1 || i > 6)
            throw MemberFehler::index(name, index);
        return i - 1;
    }
    MemberRegister m_reg;
};

// The page as the logic sees it: records the bottom buttons, the hint and the dialogs.
class Testseite : public Behälterauswahl::Seite {
public:
    void Kommando(int e, int z, int w) override { kommando = {e, z, w}; }
    void SaveKommandoButtons() override { ++gesichert; }
    void LoadKommandoButtons() override { ++geladen; }
    void Hinweis(const QString& t) override { hinweis = t; }
    void ZeigeAutomatenoptionen(int16_t gruppe) override
    {
        dialoge << gruppe;
        if (beiOptionen)
            beiOptionen(gruppe);
    }
    void ZeigeÜbersicht() override { ++übersicht; }
    void Aktualisieren() override { ++aktualisiert; }

    std::array<int, 3> kommando{-1, -1, -1};
    int gesichert = 0;
    int geladen = 0;
    QString hinweis;
    QList<int16_t> dialoge;
    std::function<void(int16_t)> beiOptionen;
    int übersicht = 0;
    int aktualisiert = 0;
};

// A calculated plant on the demo article database: heating (or cooling), 1000 l total volume,
// 3 bar valve, door 1000 mm and room 2000 mm, fixed membrane with gas cushion, one vessel.
class Auswahltest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zustandZuruecksetzen();
        zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
        zustand().Projektart = QStringLiteral("He");
    }
    void TearDown() override { zustandZuruecksetzen(); }

    void anlage(const QString& art = QStringLiteral("He"))
    {
        zustand().Projektart = art;
        d = std::make_unique<Gefäßtestobjekt>(art);
        Gefäßtestobjekt& o = *d;
        o["m_ArtMembran"] = VbVariant::lng(0);
        o["m_ArtDruckhaltung"] = VbVariant::lng(0);
        o["m_EinbringBreite"] = VbVariant(1000.0);
        o["m_EinbringHoehe"] = VbVariant(2000.0);
        o["m_GefaessAnzahl"] = VbVariant(1.0);
        o["m_GefaessGruppe"] = VbVariant(0.0);
        o["m_GefaessArtNr"] = VbVariant(QStringLiteral(" "));
        o["m_GefaessInhalt"] = VbVariant::lng(0);
        o["m_SteuerbehAnzahl"] = VbVariant(0.0);
        o["m_SteuerModulKomp"] = VbVariant::integer(0);
        o["m_ZusKomprPumpe"] = VbVariant(false);
        o["m_Wechselstörschalt"] = VbVariant(false);
        o["m_ZubehörSteuerung"] = VbVariant::integer(0);
        o["m_r_vauf"] = VbVariant(450.0);
        o["m_r_vges"] = VbVariant(1000.0);
        o["m_p_SV"] = VbVariant(3.0);
        o["m_r_pfak"] = VbVariant(0.5);
        o["m_r_pVordruck"] = VbVariant(1.5);
        o["m_p_soll"] = VbVariant(2.0);
        o["m_Leist_ges"] = VbVariant(300.0);
        o["m_IstAusgelegt"] = VbVariant(false);
        if (art == QStringLiteral("He")) {
            o["m_Sicherung"] = VbVariant::lng(0);
            o["m_Temp_V"] = VbVariant(70.0);
            o["m_Temp_R"] = VbVariant(50.0);
        } else {
            o["m_Temp_Vorl"] = VbVariant(6.0);
            o["m_Temp_Rückl"] = VbVariant(12.0);
        }
    }

    // The logic on the plant, loaded.
    Behälterauswahl& laden(Behälterauswahl::Ladeergebnis erwartet = Behälterauswahl::Ladeergebnis::Bereit)
    {
        l = std::make_unique<Behälterauswahl>(d->reg(), zustand().Projektart, seite);
        EXPECT_EQ(l->Laden(), erwartet);
        return *l;
    }

    QList<int16_t> gruppen() const { return Gruppennummern(*l); }
    int index(int16_t gruppe) const { return Gruppenslot(*l, gruppe); }

    // The messages as "kind:id(values)" for the ids the page uses ("?" for another text).
    QStringList meldungen() const
    {
        const int ids[] = {2204, 2207, 2301, 2309, 2357, 2359, 2360, 2361, 2362, 2363, 2374, 2376, 2401, 2402};
        QStringList aus;
        for (const MeldungsBox& b : rec.boxen) {
            QString eintrag = QStringLiteral("?") + b.vorlage.left(30);
            for (const int id : ids) {
                const QString t = LadeText(id);
                if (b.vorlage == t || b.vorlage == t + LadeText(3020) || b.vorlage.startsWith(t))
                    eintrag = QStringLiteral("%1:%2(%3)").arg(b.art).arg(id).arg(b.werte.join(QLatin1Char(',')));
            }
            aus << eintrag;
        }
        return aus;
    }

    MeldungsRecorder rec;
    Testseite seite;
    std::unique_ptr<Gefäßtestobjekt> d;
    std::unique_ptr<Behälterauswahl> l;
};
