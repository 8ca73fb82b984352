// A long heating report (six heat generators, single protection, compressor automat with all
// accessories) on the demo article database: the long-text report to the clipboard text and the
// short and long report as PDF.
#include <QApplication>
#include <QHash>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

#include "base/DruckerSeam.h"
#include "base/Programmzustand.h"
#include "design/heating/GlobDatenHeizung.h"
#include "output/reports/Drucken.h"
#include "support/MeldungsRecorder.h"
#include "support/TransferProtokoll.h"

namespace {

class Ablage : public Zwischenablage {
public:
    void leeren() override { text.clear(); }
    void setzeText(const QString& t) override { text = t; }
    QString text;
};

void Anlage()
{
    GlobDatenHeizung g;
    g.Init();
    auto setze = [&g](const char* n, const VbVariant& w) { g.schreibe(QString::fromUtf8(n), w); };
    auto setzeI = [&g](const char* n, int i, const VbVariant& w) {
        g.schreibe(QString::fromUtf8(n), {VbVariant::integer(static_cast<int16_t>(i))}, w);
    };
    setze("m_Sicherung", 1);
    setze("m_Beheiz", 1);
    setze("m_Anlage", 1);
    setze("m_Temp_V", 110.0);
    setze("m_VolAnlage", 9000.0);
    setze("m_Wasservorlage", 60.0);
    setze("m_V_Summe", 6000.0);
    setze("m_V_Radiatoren", 4000.0);
    setze("m_V_FBHeiz", 2000.0);
    setze("m_V_Fernleit", 800.0);
    setze("m_LaengeDN50", 200.0);
    setze("m_LaengeDN100", 40.0);
    setze("m_ArtDruckhaltung", 1);
    setze("m_IstBerechnet", true);
    setze("m_IstAusgelegt", true);
    setze("m_GefaessGruppe", 9);
    setze("m_GefaessAnzahl", 4);
    setze("m_SteuerbehAnzahl", 1);
    setze("m_GefaessInhalt", 800);
    setze("m_GefaessArtNr", "40101");
    setze("m_KomprPumpeArtNr", "21011");
    setze("m_BeistellArtNr", "40102");
    setze("m_ZubehörSteuerung", 255);
    setze("m_Zub_WMangelSichArt", 3);
    setze("m_Zub_WMangelSich_Anz", 1);
    setze("m_Zub_AltMinDruBegr_Anz", 2);
    setze("m_Zub_MaxDruBegr_Anz", 2);
    setze("m_Zub_Nachspeisung", 3);
    setze("m_Zub_Nachspeise_ArtNr", "23801");
    setze("m_Zub_Nachspeise_Anz", 1);
    setze("m_Zub_Schlamm_Anordnung", 1);
    for (int i = 1; i <= 6; ++i) {
        setzeI("m_Leist_m_value", i, 150 * i);
        setzeI("m_KesselVol_m_value", i, 50 * i);
        setzeI("m_Einzel_GefässArtNr_m_value", i, "40102");
        setzeI("m_Zub_SichVentil_ArtNr_m_value", i, i % 2 ? "30020" : "30025");
        setzeI("m_Zub_SichVentil_Anz_m_value", i, 1);
        setzeI("m_Zub_EntspGefäß_ArtNr_m_value", i, "27020");
        setzeI("m_Zub_KappV_Erz_ArtNr_m_value", i, "24020");
        setzeI("m_Zub_Schlamm_ArtNr_m_value", i, "32001");
    }
}

double Millisekunden(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MeldungsRecorder meldungen;
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Projektverwaltung.db"));
    BaueProjektdatenbank(pfad);
    Programmzustand& z = zustand();
    z.Projekt_Data_Source = pfad;
    z.Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    z.aktProjektnummer = QStringLiteral("B-1");
    z.Projektart = QStringLiteral("He");
    z.Mehrwertsteuersatz = 19;
    z.Währungskürzel = QStringLiteral("EUR");
    Anlage();
    const QHash<QString, VbVariant> projekt{{QStringLiteral("Projekt Nr"), VbVariant(QStringLiteral("B-1"))},
                                            {QStringLiteral("Projektbezeichnung"), VbVariant(QStringLiteral("Benchmark"))}};
    Drucken::SetzeProjektfeldquelle([&projekt](const QString& f) { return projekt.value(f); });
    Ablage ablage;
    setzeZwischenablage(&ablage);
    PdfDrucker pdf(ordner.filePath(QStringLiteral("bericht.pdf")));
    setzeDrucker(&pdf);

    const auto bericht = [](int modus) {
        Drucken d;
        d.Preisauswahl = [] { return 1; };
        d.DruckenModus(modus);
        return d.Seitenzahl();
    };
    const int runden = 20;
    auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < runden; ++n)
        bericht(4);
    const double text = Millisekunden(start) / runden;
    start = std::chrono::steady_clock::now();
    int seitenKurz = 0, seitenLang = 0;
    for (int n = 0; n < runden; ++n) {
        seitenKurz = bericht(2);
        seitenLang = bericht(3);
    }
    const double alsPdf = Millisekunden(start) / runden;
    std::printf("Heating long-text report to text: %.1f ms (%lld characters); short + long report as PDF: %.1f ms "
                "(%d + %d pages, %d runs, %lld messages)\n",
                text, static_cast<long long>(ablage.text.size()), alsPdf, seitenKurz, seitenLang, runden,
                static_cast<long long>(meldungen.boxen.size()));
    setzeDrucker(nullptr);
    setzeZwischenablage(nullptr);
    return 0;
}
