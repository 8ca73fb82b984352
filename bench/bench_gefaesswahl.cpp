// Automatic vessel choice of the drinking-water, pressure-boosting and solar vessel pages: each
// listed group of each type, on the demo article database (list query, search, display).
#include <QCoreApplication>
#include <QHash>

#include <chrono>
#include <cstdio>

#include "base/MemberRegister.h"
#include "base/Programmzustand.h"
#include "design/selection/Gefaessauswahl.h"
#include "support/MeldungsRecorder.h"

namespace {

class Seite : public Gefäßauswahlkern::Seite {
public:
    void Kommando(int, int, int) override {}
    void SaveKommandoButtons() override {}
    void LoadKommandoButtons() override {}
    void Aktualisieren() override {}
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    MeldungsRecorder meldungen;
    zustand().Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);

    const int runden = 200;
    for (const char* art : {"Tr", "Dr", "So"}) {
        const QString projektart = QString::fromUtf8(art);
        zustand().Projektart = projektart;
        QHash<QString, VbVariant> werte;
        MemberRegister reg(QStringLiteral("Bench ") + projektart);
        for (const QString& name : Gefäßauswahl::Membernamen(projektart))
            reg.wert(name, [&werte, name] { return werte.value(name); },
                     [&werte, name](const VbVariant& w) { werte[name] = w; });
        werte[QStringLiteral("m_r_vges")] = VbVariant(600.0);
        werte[QStringLiteral("m_r_vauf")] = VbVariant(300.0);
        werte[QStringLiteral("m_p_SV")] = VbVariant(6.0);
        werte[QStringLiteral("m_r_pVordruck")] = VbVariant(2.0);
        werte[QStringLiteral("m_EinbringBreite")] = VbVariant(1000.0);
        werte[QStringLiteral("m_EinbringHoehe")] = VbVariant(2000.0);
        werte[QStringLiteral("m_GefaessArtNr")] = VbVariant(QStringLiteral(" "));
        Seite seite;
        Gefäßauswahl logik(reg, projektart, seite);
        if (logik.Laden() != 0) {
            std::printf("%s: tables not opened\n", art);
            return 1;
        }
        for (int k = 0; k < 8; ++k) {
            const int16_t gruppe = logik.gruppen()[static_cast<size_t>(k)].nummer;
            if (gruppe == 0)
                continue;
            meldungen.leeren();
            const auto start = std::chrono::steady_clock::now();
            for (int n = 0; n < runden; ++n) {
                werte[QStringLiteral("m_GefaessAnzahl")] = VbVariant(1.0);
                logik.Command1_Click(k);
            }
            const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            std::printf("%s group %2d: %8.1f us per automatic choice (%d runs) -> %s x %g (%lld messages)\n", art, gruppe,
                        us / runden, runden, qPrintable(werte.value(QStringLiteral("m_GefaessArtNr")).toString()),
                        werte.value(QStringLiteral("m_GefaessAnzahl")).toDouble(),
                        static_cast<long long>(meldungen.boxen.size()));
        }
    }
    return 0;
}
