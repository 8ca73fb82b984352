#include "support/TransferProtokoll.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include "data/Kennwort.h"
#include "data/ManipDatenbank.h"
#include "data/Sicherungsdatei.h"
#include "data/Tabellenaufbau.h"
#include "data/datenbank.h"
#include "base/Programmzustand.h"

void BaueProjektdatenbank(const QString& pfad)
{
    ManipDatenbank m;
    m.Init();
    m.SetPasswort(Kennwort::Projektdatenbank);
    m.CreateDBank(pfad);
    for (const QString& t : Tabellenaufbau::Tabellen()) {
        m.Define_Tabellenaufbau(t);
        m.CreateDBTabelle();
        m.InitNeueSpalten();
        m.ResetTabaufbau();
    }
}

void FuegeZeileEin(const QString& tabelle, const Feldwerte& werte)
{
    datenbank tab;
    ASSERT_EQ(tab.OpenTab(zustand().Projekt_Data_Source, QStringLiteral("Select * From ") + tabelle, 2,
                          Kennwort::Projektdatenbank, true), 0);
    tab.AddNew();
    for (const auto& [feld, wert] : werte)
        tab.SetFeld(feld, wert);
    EXPECT_TRUE(tab.UpdateTab()) << tab.LetzterFehler().toStdString();
}

void LegeProjektAn(const QString& nr, const QString& art, const Feldwerte& projektfelder, const Feldwerte& parameter)
{
    FuegeZeileEin(Tabelle::ProjekteTabelle, Feldwerte{{Tabelle::ProjektNr, nr}, {QStringLiteral("Projektart"), art}}
                                                 + projektfelder);
    const QString t = Tabellenaufbau::Parametertabelle(art);
    if (t.isEmpty())
        return;
    Feldwerte w{{Tabelle::ProjektNr, nr}};
    Feldliste liste;
    Tabellenaufbau::Aufbauen(t, liste);
    for (const ManipDBField& f : liste)
        if (f.fieldbez != Tabelle::ProjektNr)
            w.append({f.fieldbez, f.fieldDefaultValue});
    FuegeZeileEin(t, w + parameter);
}

namespace TransferProtokoll {

void Sichere(QIODevice& ziel, const QStringList& projektNummern, long* ergebnis)
{
    long erstes = 0;
    auto merke = [&erstes](long r) {
        if (erstes == 0)
            erstes = r;
    };
    Sicherungsdatei datei(&ziel);
    ManipDatenbank m;
    const long offen = m.Save_OpenDBConnection();
    merke(offen);
    if (offen == 0) {
        for (const QString& nr : projektNummern) {
            datei.SchreibeZeile(Marke::Begin, Marke::Projekt);
            merke(m.Save_Tabelleninhalt(datei, Tabelle::ProjekteTabelle, nr));
            const QString art = m.Save_LastProjektart();
            if (!art.isEmpty()) {
                const QString tabelle = Tabellenaufbau::Parametertabelle(art);
                merke(m.Save_Tabelleninhalt(datei, tabelle.isEmpty() ? QStringLiteral(" ") : tabelle, nr));
                if (art == QLatin1String("Sp"))
                    merke(m.Save_TabelleninhalteZapfstellen(datei, nr));
            }
            datei.SchreibeZeile(Marke::Ende, Marke::Projekt);
        }
        m.Save_CloseDBConnection();
    }
    if (ergebnis)
        *ergebnis = erstes;
}

QByteArray Sichere(const QStringList& projektNummern, long* ergebnis)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Sichere(puffer, projektNummern, ergebnis);
    return puffer.data();
}

long Lies(QIODevice& quelle)
{
    Sicherungsdatei datei(&quelle);
    ManipDatenbank m;
    if (m.Load_OpenDBConnection(nullptr, &datei) != 0)
        return -1;
    long r = 0;
    for (;;) {
        r = m.Load_readStreamLine();
        while (r == 0 && !m.IsBeginnProjekt())
            r = m.Load_readStreamLine();
        if (r != 0)
            break;
        r = m.Load_Projekt();
        if (r != 0 && r != TransferErgebnis::Übersprungen)
            break;
    }
    m.Load_CloseDBConnection();
    return r;
}

long Lies(const QByteArray& daten)
{
    QBuffer puffer;
    puffer.setData(daten);
    puffer.open(QIODevice::ReadOnly);
    return Lies(puffer);
}

}  // namespace TransferProtokoll

namespace {

class SkriptDialog : public KonfliktDialog {
public:
    explicit SkriptDialog(KonfliktSkript& s) : m_skript(s) {}
    int ShowFormular(const QString& projNr) override
    {
        m_skript.gefragt << projNr;
        if (m_skript.antworten.empty())
            return KonfliktAntwort::Abbrechen;
        const int a = m_skript.antworten.front();
        m_skript.antworten.pop_front();
        return a;
    }

private:
    KonfliktSkript& m_skript;
};

}  // namespace

KonfliktSkript::KonfliktSkript()
{
    setzeKonfliktDialogFabrik([this] { return std::make_unique<SkriptDialog>(*this); });
}

KonfliktSkript::~KonfliktSkript()
{
    setzeKonfliktDialogFabrik({});
}
