#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <memory>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Platzhalterseite.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form201.h"
#include "design/water_pressure/GlobDatenDruck.h"
#include "design/water_pressure/GlobDatenTrinkw.h"
#include "shell/Datenobjekte.h"
#include "shell/MDIForm1Testzugriff.h"
#include "support/ArtikelFixture.h"
#include "support/Hauptfensterweg.h"
#include "support/MeldungsRecorder.h"
#include "support/Programmordner.h"
#include "support/QStringAusgabe.h"

namespace {

QString T(int id)
{
    return LadeText(id);
}

// The main window on fixture databases with the demo article database; a data object of the
// type with its vessel set directly, and page 202, 302 or 402 on it.
class Sicherheitsseite : public Hauptfensterweg {
protected:
    void TearDown() override
    {
        Hauptfensterweg::TearDown();
        for (const std::shared_ptr<GlobDaten>& d : {Datenobjekt(QStringLiteral("Kü")), Datenobjekt(QStringLiteral("Tr")),
                                                   Datenobjekt(QStringLiteral("Dr"))})
            if (d)
                d->m_TerminateMitUpdate = false;
        zustand().g_kühldat.reset();
        zustand().g_trinkdat.reset();
        zustand().g_druckdat.reset();
    }

    Seitenmanager& Seiten() { return MDIForm1Testzugriff::Seiten(*fenster); }

    // A new project of the type ("Kü", "Tr", "Dr") with one vessel of the article and group.
    GlobDaten& Projekt(const QString& art, const QString& gefäß, int gruppe, int anzahl = 1)
    {
        Programmzustand& z = zustand();
        z.Projektart = art;
        z.aktProjektnummer = QStringLiteral("S-") + art;
        z.aktProjektBezeichnung = QStringLiteral("Bürohaus Lindenstraße");
        std::shared_ptr<GlobDaten> d;
        if (art == QStringLiteral("Kü"))
            d = z.g_kühldat = std::make_shared<GlobDatenKälte>();
        else if (art == QStringLiteral("Tr"))
            d = z.g_trinkdat = std::make_shared<GlobDatenTrinkw>();
        else
            d = z.g_druckdat = std::make_shared<GlobDatenDruck>();
        EXPECT_EQ(d->Init(), 0);
        d->schreibe(QStringLiteral("m_GefaessArtNr"), gefäß);
        d->schreibe(QStringLiteral("m_GefaessGruppe"), VbVariant::integer(static_cast<int16_t>(gruppe)));
        d->schreibe(QStringLiteral("m_GefaessAnzahl"), VbVariant::integer(static_cast<int16_t>(anzahl)));
        return *d;
    }
    GlobDaten& Kälte(const QString& gefäß, int gruppe, bool automat, int nachspeisung = 0, int trenner = 0)
    {
        GlobDaten& d = Projekt(QStringLiteral("Kü"), gefäß, gruppe);
        d.schreibe(QStringLiteral("m_ArtDruckhaltung"), VbVariant::integer(automat ? 1 : 0));
        d.schreibe(QStringLiteral("m_SteuerbehAnzahl"), VbVariant::integer(automat ? 1 : 0));
        d.schreibe(QStringLiteral("m_Zub_Nachspeisung"), VbVariant::integer(static_cast<int16_t>(nachspeisung)));
        d.schreibe(QStringLiteral("m_Zub_Systemtrenner"), VbVariant::integer(static_cast<int16_t>(trenner)));
        // Pressures and content that a make-up automat of the demo database covers.
        d.schreibe(QStringLiteral("m_r_pVordruck"), VbVariant(1.5));
        d.schreibe(QStringLiteral("m_r_pend"), VbVariant(3.0));
        d.schreibe(QStringLiteral("m_VolAnlage"), VbVariant(1000.0));
        return d;
    }
    // The page of the status, created by the page manager and shown.
    Form201* Seite(int status)
    {
        zustand().Status = status;
        auto* s = dynamic_cast<Form201*>(Seiten().ErzeugeSeite(status));
        EXPECT_NE(s, nullptr);
        if (s) {
            s->Show();
            Ereignisse();
        }
        return s;
    }
    // The previous page stands in; the walk goes on from it with Weiter.
    void AufVorseite(int status)
    {
        Seiten().SetzeFabrik(status, [status] {
            return new Platzhalterseite(QString::number(status), Platzhalterseite::Entwurfsseite);
        });
        zustand().Status = status;
        Seiten().Seitenwechsel(1, status);
        Ereignisse();
    }
    QString lese(const QString& name) const
    {
        return Datenobjekt(zustand().Projektart)->lese(name).toString();
    }
    QStringList Meldungen(int art) const
    {
        QStringList l;
        for (const MeldungsBox& b : recorder.boxen)
            if (b.art == art)
                l << b.vorlage + QLatin1Char('|') + b.werte.join(QLatin1Char('|'));
        return l;
    }
    static bool sichtbar(const QWidget* w) { return w->isVisibleTo(w->window()); }
};

}  // namespace

// Each type shows what its designers stored: the cooling valve and the cap valve; the drinking
// water valve as one; pressure boosting only the cap valves (none for group 16).
TEST_F(Sicherheitsseite, JedeArtZeigtDieErgebnisseIhrerAuslegung)
{
    const struct {
        const char* art;
        int status;
        const char* gefäß;
        int gruppe, anzahl;
        const char* titel10;
        const char* titel11;
        bool ventilzeile;
        const char* ventil;
        const char* ventilAnz;
        const char* kappenAnz;
        const char* kappen;
        bool rahmen;
    } fälle[] = {
        {"Kü", 202, "40203", 2, 1, "- Kälteanlage -", "", true, "Sicherheitsventil für Kälteanlagen", "1", "1",
         "Kappenventil R ¾ für Ausdehnungsgefäß", true},
        {"Tr", 302, "41905", 19, 2, "", "- MAG für Trinkwassererwärmungsanlage -", true, nullptr, "1", "2",
         "Kappenventil R ¾ für Ausdehnungsgefäß", false},
        {"Dr", 402, "41601", 16, 1, "- Druckerhöhungsanlage -", "MAG auf der Enddruckseite", false, nullptr, nullptr,
         "", "", false},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.art);
        const QString art = QString::fromUtf8(f.art);
        GlobDaten& d = Projekt(art, QString::fromUtf8(f.gefäß), f.gruppe, f.anzahl);
        if (art == QStringLiteral("Tr"))
            d.schreibe(QStringLiteral("m_VolAnlage"), VbVariant(300.0));
        Form201* s = Seite(f.status);
        ASSERT_NE(s, nullptr);
        EXPECT_FALSE(zustand().FormLoadError);
        EXPECT_TRUE(recorder.boxen.isEmpty());
        EXPECT_EQ(s->Label1[0]->text(), QStringLiteral("Projektnummer:     S-") + art);
        EXPECT_EQ(s->Label1[2]->text(), QStringLiteral("Bürohaus Lindenstraße"));
        EXPECT_EQ(s->Label1[10]->text(), QString::fromUtf8(f.titel10));
        EXPECT_EQ(s->Label1[11]->text(), QString::fromUtf8(f.titel11));
        EXPECT_EQ(s->Label2[1]->text(), T(828));
        EXPECT_EQ(s->Label2[3]->text(), T(829));
        EXPECT_EQ(sichtbar(s->Label2[0]), f.ventilzeile);
        EXPECT_EQ(sichtbar(s->Label5[0]), f.ventilzeile);
        if (f.ventilzeile) {
            EXPECT_EQ(s->Label2[0]->text(), T(826));
            EXPECT_EQ(s->Label2[2]->text(), T(827));
            EXPECT_EQ(s->Label4[0]->text(), QString::fromUtf8(f.ventilAnz));
            const QString ventil = lese(QStringLiteral("m_Zub_SichVentil_ArtNr"));
            EXPECT_FALSE(ventil.trimmed().isEmpty());
            if (f.ventil) {
                EXPECT_EQ(s->Label5[0]->text(), QString::fromUtf8(f.ventil));
            } else {
                EXPECT_FALSE(s->Label5[0]->text().trimmed().isEmpty());
            }
        }
        EXPECT_EQ(s->Label4[1]->text(), QString::fromUtf8(f.kappenAnz));
        EXPECT_EQ(s->Label5[1]->text(), QString::fromUtf8(f.kappen));
        EXPECT_EQ(sichtbar(s->Frame1[2]), f.rahmen);
        EXPECT_FALSE(sichtbar(s->Label6));
        if (!f.rahmen) {
            EXPECT_FALSE(sichtbar(s->Frame1[1]));
            EXPECT_FALSE(sichtbar(s->Label3));
        }
        s->grab().save(QStringLiteral("/tmp/form201_%1.png").arg(f.status));
        Seiten().EntladeSeite(f.status);
        Ereignisse();
        recorder.leeren();
    }
}

// Captions and visibility of the make-up and separator frames by the kind of pressure
// maintenance and the group.
TEST_F(Sicherheitsseite, NachspeiseoptionenNachGefaessOderAutomatUndGruppe)
{
    const struct {
        const char* fall;
        const char* gefäß;
        int gruppe;
        bool automat;
        int modul;
        bool nachspeiserahmen;
        int option1;  // text of option 1 (0: frame hidden)
        int option2;
        bool option4;
        int obenOption0;  // twips
        bool trennerrahmen;
    } fälle[] = {
        {"Gefäße", "40203", 2, false, 1, true, 840, 833, true, 300, false},
        {"Automat 9 mit Modul 0", "40901", 9, true, 0, true, 841, 832, false, 360, false},
        {"Automat 9 mit Modul 1", "40901", 9, true, 1, true, 839, 832, false, 360, false},
        {"Automat 11", "41101", 11, true, 0, true, 839, 832, false, 360, false},
        {"Gruppe 14", "41401", 14, true, 0, false, 0, 0, false, 0, true},
        {"Gruppe 60", "46001", 60, false, 0, false, 0, 0, false, 0, false},
        {"Gruppe 61", "46101", 61, true, 0, false, 0, 0, false, 0, false},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fall);
        GlobDaten& d = Kälte(QString::fromUtf8(f.gefäß), f.gruppe, f.automat, 1, 1);
        d.schreibe(QStringLiteral("m_Zub_Nachspeise_ArtNr"), QStringLiteral("23760"));
        d.schreibe(QStringLiteral("m_Zub_Systemtrenner_ArtNr"), QStringLiteral("17095"));
        d.schreibe(QStringLiteral("m_SteuerModulKomp"), VbVariant::integer(static_cast<int16_t>(f.modul)));
        Form201* s = Seite(202);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(sichtbar(s->Frame1[2]), f.nachspeiserahmen);
        EXPECT_EQ(sichtbar(s->Frame1[1]), f.trennerrahmen);
        EXPECT_EQ(sichtbar(s->Label3), f.trennerrahmen);
        if (f.nachspeiserahmen) {
            EXPECT_EQ(s->Frame1[2]->title(), T(830));
            EXPECT_EQ(s->NachspeiseOpt[0]->text(), T(831));
            EXPECT_EQ(s->NachspeiseOpt[1]->text(), T(f.option1));
            EXPECT_EQ(s->NachspeiseOpt[2]->text(), T(f.option2));
            EXPECT_EQ(s->NachspeiseOpt[3]->text(), T(834));
            EXPECT_EQ(sichtbar(s->NachspeiseOpt[4]), f.option4);
            if (f.option4) {
                EXPECT_EQ(s->NachspeiseOpt[4]->text(), T(602));
            }
            EXPECT_EQ(s->NachspeiseOpt[0]->y(), Twips::zuPixel(f.obenOption0));
            EXPECT_TRUE(s->NachspeiseOpt[1]->isChecked());
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeisung")), QStringLiteral("1"));
        } else {
            // The make-up is cleared for groups 14, 60 and 61.
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeisung")), QStringLiteral("0"));
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_ArtNr")), QStringLiteral(" "));
        }
        if (f.gruppe == 14) {
            // The separator of the module automat, one per control vessel.
            EXPECT_TRUE(s->Systemtrenner[1]->isChecked());
            EXPECT_EQ(s->Frame1[1]->title(), T(835));
            EXPECT_EQ(s->Label3->text(), T(838));
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner_ArtNr")), QStringLiteral("17736"));
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_Anz")), QStringLiteral("1"));
            s->grab().save(QStringLiteral("/tmp/form201_gruppe14.png"));
        } else {
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner")), QStringLiteral("0"));
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner_ArtNr")), QStringLiteral(" "));
        }
        if (f.gruppe == 9 && f.modul == 0)
            s->grab().save(QStringLiteral("/tmp/form201_automat.png"));
        Seiten().EntladeSeite(202);
        Ereignisse();
        zustand().g_kühldat->m_TerminateMitUpdate = false;
        zustand().g_kühldat.reset();
    }
}

// Stored codes outside their range become 0 before the make-up unit is designed: an automat
// with the compact unit's code keeps no compact unit.
TEST_F(Sicherheitsseite, GespeicherteCodesAusserhalbIhresBereichsWerden0)
{
    const struct {
        const char* fall;
        bool automat;
        int gruppe;
        int code, trenner;
        int option;  // checked afterwards
        const char* artikel;
        int trennerOption;
    } fälle[] = {
        {"Gefäße mit 4", false, 2, 4, 0, 4, "23752", 0},
        {"Gefäße mit 5", false, 2, 5, 0, 0, " ", 0},
        {"Gefäße mit -1", false, 2, -1, 0, 0, " ", 0},
        {"Automat mit 4", true, 9, 4, 0, 0, " ", 0},
        {"Automat mit 2", true, 9, 2, 0, 2, "23765", 0},
        {"Gruppe 14 mit Trenner 2", true, 14, 0, 2, -1, " ", 0},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fall);
        GlobDaten& d = Kälte(f.gruppe == 14 ? QStringLiteral("41401") : f.automat ? QStringLiteral("40901")
                                                                                   : QStringLiteral("40203"),
                             f.gruppe, f.automat, f.code, f.trenner);
        d.schreibe(QStringLiteral("m_Zub_Nachspeise_ArtNr"), QStringLiteral("23752"));
        Form201* s = Seite(202);
        ASSERT_NE(s, nullptr);
        if (f.option >= 0) {
            EXPECT_TRUE(s->NachspeiseOpt[static_cast<size_t>(f.option)]->isChecked());
            EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeisung")), QString::number(f.option));
        }
        EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_ArtNr")), QString::fromUtf8(f.artikel));
        EXPECT_TRUE(s->Systemtrenner[static_cast<size_t>(f.trennerOption)]->isChecked());
        EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner")), QString::number(f.trennerOption));
        Seiten().EntladeSeite(202);
        Ereignisse();
        zustand().g_kühldat->m_TerminateMitUpdate = false;
        zustand().g_kühldat.reset();
    }
    EXPECT_TRUE(recorder.boxen.isEmpty());
}

// The user's make-up choices: the automat brings the separator, other options drop it; the
// separator choice picks its article; hints for options 1 and 4.
TEST_F(Sicherheitsseite, NachspeisewahlTrennerUndHinweise)
{
    GlobDaten& d = Kälte(QStringLiteral("40203"), 2, false, 1, 0);
    Form201* s = Seite(202);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(fenster->InfoLabel->text(), T(2147));  // on activation
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_ArtNr")), QStringLiteral("23760"));

    s->NachspeiseOpt[3]->click();
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeisung")), QStringLiteral("3"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_ArtNr")), QStringLiteral("23801"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner")), QStringLiteral("1"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner_ArtNr")), QStringLiteral("17095"));
    EXPECT_TRUE(s->Systemtrenner[1]->isChecked());
    EXPECT_TRUE(sichtbar(s->Frame1[1]));
    EXPECT_TRUE(sichtbar(s->Label3));
    EXPECT_EQ(fenster->InfoLabel->text(), QString());

    s->Systemtrenner[0]->click();
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner")), QStringLiteral("0"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner_ArtNr")), QStringLiteral("17096"));

    s->NachspeiseOpt[4]->click();
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_ArtNr")), QStringLiteral("23752"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner")), QStringLiteral("0"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner_ArtNr")), QStringLiteral(" "));
    EXPECT_FALSE(sichtbar(s->Frame1[1]));
    EXPECT_FALSE(sichtbar(s->Label3));
    EXPECT_EQ(fenster->InfoLabel->text(), T(2149));

    s->NachspeiseOpt[2]->click();
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_ArtNr")), QStringLiteral("23770"));
    EXPECT_EQ(fenster->InfoLabel->text(), QString());
    EXPECT_TRUE(recorder.boxen.isEmpty());
    (void)d;
}

// Option 3 without a fitting make-up automat: the message, then "no make-up unit" as if chosen.
TEST_F(Sicherheitsseite, AutomatOhneTrefferFaelltAufKeineNachspeisungZurueck)
{
    GlobDaten& d = Kälte(QStringLiteral("40203"), 2, false, 1, 0);
    d.schreibe(QStringLiteral("m_r_pend"), VbVariant(9.0));  // above every automat
    Form201* s = Seite(202);
    ASSERT_NE(s, nullptr);
    s->NachspeiseOpt[3]->click();
    EXPECT_EQ(Meldungen(Meldungsart::Auslegungsfehler).size(), 1);
    EXPECT_TRUE(s->NachspeiseOpt[0]->isChecked());
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeisung")), QStringLiteral("0"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_ArtNr")), QStringLiteral(" "));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Nachspeise_Anz")), QStringLiteral("0"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner")), QStringLiteral("0"));
    EXPECT_EQ(lese(QStringLiteral("m_Zub_Systemtrenner_ArtNr")), QStringLiteral(" "));
    EXPECT_FALSE(sichtbar(s->Frame1[1]));
    EXPECT_EQ(fenster->InfoLabel->text(), QString());
}

// A short text missing from the article database: message 2361 once for its line, the line
// stays empty and the page is usable.
TEST_F(Sicherheitsseite, FehlenderKurztextEinmalJeZeile)
{
    ArtikelFixture katalog(ArtikelFixture::Demo{
        QStringLiteral("UPDATE [Grunddaten Gefäße] SET [Art Nr Kappenventil] = '24199' WHERE [Art Nr] = '41906'")});
    GlobDaten& d = Projekt(QStringLiteral("Tr"), QStringLiteral("41906"), 19);
    d.schreibe(QStringLiteral("m_VolAnlage"), VbVariant(300.0));
    Form201* s = Seite(302);
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(zustand().FormLoadError);
    EXPECT_EQ(Meldungen(Meldungsart::Auslegungsfehler), QStringList{T(2361) + T(3020) + QStringLiteral("|24199")});
    EXPECT_EQ(s->Label4[1]->text(), QStringLiteral("1"));
    EXPECT_TRUE(s->Label5[1]->text().trimmed().isEmpty());
    EXPECT_FALSE(s->Label5[0]->text().trimmed().isEmpty());
}

// Without a vessel the page does not come up: one message, back on the vessel page, and the
// project is not marked designed.
TEST_F(Sicherheitsseite, OhneGefaessZurueckZurGefaessseite)
{
    for (const char* art : {"Kü", "Tr"}) {
        SCOPED_TRACE(art);
        const int status = QString::fromUtf8(art) == QStringLiteral("Kü") ? 202 : 302;
        GlobDaten& d = Projekt(QString::fromUtf8(art), QStringLiteral(" "), 0, 0);
        d.m_IstAusgelegt.m_Value = VbVariant(false);
        AufVorseite(status - 1);
        recorder.leeren();
        Weiter();
        EXPECT_EQ(zustand().Status, status - 1);
        ASSERT_NE(Seiten().fenster(status - 1), nullptr);
        EXPECT_EQ(Seiten().fenster(status), nullptr);
        EXPECT_EQ(Meldungen(Meldungsart::Anwendungsfehler), QStringList{T(2302) + QLatin1Char('|')});
        EXPECT_EQ(recorder.boxen.size(), 1);
        EXPECT_FALSE(d.m_IstAusgelegt.m_Value.toBool());
        EXPECT_EQ(lese(QStringLiteral("m_Zub_KappV_Beh_Anz")), QStringLiteral("0"));  // nothing designed
        Seiten().EntladeSeite(status - 1);
        Ereignisse();
    }
}

// Weiter on the last page of drinking water and pressure boosting: the main window lets go, the
// page marks the project designed, and the row holds the mark.
TEST_F(Sicherheitsseite, WeiterSchreibtDasAusgelegteProjektZurueck)
{
    const struct {
        const char* art;
        int status;
        const char* gefäß;
        int gruppe;
        const char* tabelle;
    } fälle[] = {
        {"Tr", 302, "41905", 19, "Trinkwasserparameter"},
        {"Dr", 402, "41502", 15, "Druckerhöhungparameter"},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.art);
        const QString art = QString::fromUtf8(f.art);
        GlobDaten& d = Projekt(art, QString::fromUtf8(f.gefäß), f.gruppe);
        if (art == QStringLiteral("Tr"))
            d.schreibe(QStringLiteral("m_VolAnlage"), VbVariant(300.0));
        AufVorseite(f.status - 1);
        Weiter();
        ASSERT_EQ(zustand().Status, f.status);
        ASSERT_NE(dynamic_cast<Form201*>(Seiten().fenster(f.status)), nullptr);
        const QString kappen = lese(QStringLiteral("m_Zub_KappV_Beh_ArtNr"));
        Weiter();
        EXPECT_EQ(zustand().Status, 3);
        EXPECT_EQ(Datenobjekt(art), nullptr);
        const QString nr = QStringLiteral("S-") + art;
        EXPECT_EQ(db->feld(QString::fromUtf8(f.tabelle), QStringLiteral("IstAusgelegt"), nr).toInt(), -1);
        EXPECT_EQ(db->feld(QString::fromUtf8(f.tabelle), QStringLiteral("KappenventilBehArtNr"), nr).toString(), kappen);
        EXPECT_TRUE(recorder.boxen.isEmpty());
        Seiten().EntladeSeite(3);
        Ereignisse();
    }
}
