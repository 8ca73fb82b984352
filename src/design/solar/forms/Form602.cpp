#include "design/solar/forms/Form602.h"

#include <QLabel>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "design/heating_accessories/Artikelzeile.h"
#include "design/rules/Sicherheitstechnik.h"
#include "design/rules/Zubehoertechnik.h"
#include "design/solar/GlobDatenSolar.h"

namespace {

constexpr int Links = 480, AnzahlLinks = 2040, TextLinks = 2520, TextBreite = 4545;

}  // namespace

Form602::Form602(QWidget* parent) : Ergebnisseite(parent)
{
    // Solar has no automatic run.
    m_automatiklauf = false;
    setObjectName(QStringLiteral("Form602"));
    neueKopflabels(Label1[0], Label1[2]);
    Label1[10] = neuerTitel(10, 3225);

    Label2[0] = neuesLabel("Label2", 0, Links, 1680, 6000);
    Label2[2] = neuesLabel("Label2", 2, Links, 2160, 1560);
    Label4[0] = neuesLabel("Label4", 0, AnzahlLinks, 2160, 420);
    Label5[0] = neuesLabel("Label5", 0, TextLinks, 2160, TextBreite);
    Label2[1] = neuesLabel("Label2", 1, Links, 3120, 6000);
    Label2[3] = neuesLabel("Label2", 3, Links, 3600, 1560);
    Label4[1] = neuesLabel("Label4", 1, AnzahlLinks, 3600, 420);
    Label5[1] = neuesLabel("Label5", 1, TextLinks, 3600, TextBreite);
    Label2[0]->setFont(fett());
    Label2[1]->setFont(fett());
    for (QLabel* l : Label4)
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Image1 = neuesLabel("Image1", 2, 480, 360, 1000, 1000);
    neueLinie(Links, 1560, 10500, 1560);  // Line1
    neueLinie(Links, 2880, 10500, 2880);  // Line2(0)
}

Form602::~Form602() = default;

void Form602::FormLoad()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    Bilder(Image1);
    Kopfzeilen(Label1[0], Label1[2]);
    Label1[10]->setText(LadeText(o + 1200));
    Label2[0]->setText(LadeText(o + 1201));
    Label2[2]->setText(LadeText(o + 1202));
    Label2[1]->setText(LadeText(o + 1203));
    Label2[3]->setText(LadeText(o + 1204));

    m_daten = z.g_solardat;
    HalteDatenobjekt(m_daten);
    if (!m_daten) {
        Ladefehler();
        return;
    }
    m_sicherheitstechnik = std::make_unique<Sicherheitstechnik>();
    m_sicherheitstechnik->Init(m_daten);
    m_zubehörtechnik = std::make_unique<Zubehörtechnik>();
    m_zubehörtechnik->Init(*m_daten);

    // Without a vessel nothing is designed: back to the vessel choice.
    if (m_sicherheitstechnik->AuslegungSicherheitstechnikSolaranlagen() != 0) {
        Meldung(Meldungsart::Anwendungsfehler, LadeText(o + 2302));
        Ladefehler();
        return;
    }
    m_zubehörtechnik->AuslegungZubehörSolaranlage();

    Label4[0]->setText(QStringLiteral("1"));
    Label5[0]->setText(Artikeltext(m_daten->m_Zub_SichVentil_ArtNr.m_Value.toString()));

    // Counts beyond the 16-bit range are shown as the largest 16-bit number.
    const int16_t kappenventile = m_daten->m_Zub_KappV_Beh_Anz.m_Value.toInteger();
    if (kappenventile < 1) {
        Label4[1]->clear();
        Label5[1]->clear();
    } else {
        Label4[1]->setText(QString::number(kappenventile));
        Label5[1]->setText(Artikeltext(m_daten->m_Zub_KappV_Beh_ArtNr.m_Value.toString()));
    }
}

QString Form602::Artikeltext(const QString& artNr)
{
    return Artikelzeile(*m_daten, artNr, true);
}

void Form602::FormUnload()
{
    m_zubehörtechnik.reset();
    m_sicherheitstechnik.reset();
    m_daten.reset();
}
