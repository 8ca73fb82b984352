// One full heating calculation with its helpers: consumer and pipe contents, pressures, volumes
// per heat generator and the filling table of a report.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

#include "design/heating/GlobDatenHeizung.h"
#include "base/Programmzustand.h"
#include "support/MeldungsRecorder.h"
#include "support/TransferProtokoll.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    MeldungsRecorder meldungen;
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Projektverwaltung.db"));
    BaueProjektdatenbank(pfad);
    zustand().Projekt_Data_Source = pfad;
    zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);

    GlobDatenHeizung g;
    g.m_Temp_V.m_Value = 105;
    g.m_FrostZusatz.m_Value = 25;
    g.m_p_stat.m_Value = 1.8;
    g.m_p_dyn.m_Value = 0.3;
    g.m_AnordnungMAG.m_Value = 1;
    g.m_p_SV.m_Value = 4.0;
    g.m_Wasservorlage.m_Value = 7.5;
    g.m_Sicherung.m_Value = 1;
    for (int16_t i = 1; i <= 6; ++i) {
        g.m_Leist_m_value(i, 100 * i);
        g.m_KesselVol_m_value(i, static_cast<int16_t>(150 * i));
    }
    g.m_P_Radiatoren.m_Value = 180;
    g.m_P_PlattenHK.m_Value = 120;
    g.m_P_FBHeiz.m_Value = 90;
    g.m_LaengeDN50.m_Value = 120;
    g.m_LaengeDN100.m_Value = 40;
    g.m_GefaessAnzahl.m_Value = 2;
    g.m_GefaessInhalt.m_Value = VbVariant::integer(800);

    const int runden = 20000;
    double prüfsumme = 0;
    int32_t jeGefäß = 0, grad = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < runden; ++n) {
        g.m_p_SV.m_Value = 4.0;
        g.Berechne_EinzelVol_Verbraucher();
        g.Sum_V_Verbraucher();
        g.Sum_V_Fernleit();
        g.Rechnen_Heizung();
        g.GetFüllvolumen(50, jeGefäß, grad);
        prüfsumme += g.m_r_vges.m_Value + g.GetFülldruck(50) + jeGefäß;
    }
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    std::printf("Rechnen_Heizung with contents, per-generator volumes and filling table: %.3f us per run "
                "(%d runs, vessel %g l, check %g, %lld messages)\n",
                us / runden, runden, g.m_r_vges.m_Value, prüfsumme, static_cast<long long>(meldungen.boxen.size()));
    return 0;
}
