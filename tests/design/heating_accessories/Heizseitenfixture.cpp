#include "Heizseitenfixture.h"

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

std::shared_ptr<GlobDaten> TestHauptfenster::Datenobjekt(const QString& projektart)
{
    if (projektart == QStringLiteral("He"))
        return zustand().g_heizdat;
    return anderes;
}

void Heizseitenfixture::SetUp()
{
    zustandZuruecksetzen();
    dbs = std::make_unique<Datenobjektdatenbanken>();
    Programmzustand& z = zustand();
    z.Artikel_Data_Source = QStringLiteral(KELVOR_ARTIKEL_DB);
    if (!artikelSql.isEmpty())
        artikel = std::make_unique<ArtikelFixture>(ArtikelFixture::Demo{artikelSql});
    z.aktProjektnummer = QStringLiteral("H-1");
    z.aktProjektBezeichnung = QStringLiteral("Schule Nord");
    z.Projektart = QStringLiteral("He");
    d = std::make_shared<GlobDatenHeizung>();
    ASSERT_EQ(d->Init(), 0);
    d->m_Beheiz.m_Value = 0;
    d->m_Anlage.m_Value = 0;
    d->m_Sicherung.m_Value = 0;
    d->m_AusfuehrSV.m_Value = 0;
    d->m_p_SV.m_Value = 3.0;
    d->m_p_stat.m_Value = 1.0;
    d->m_Primärtemp.m_Value = 90.0;
    d->m_Temp_V.m_Value = 70.0;
    d->m_Temp_R.m_Value = 50.0;
    d->m_VolAnlage.m_Value = 1000.0;
    d->m_r_vaus.m_Value = 30.0;
    d->m_r_pVordruck.m_Value = 1.5;
    d->m_r_pend.m_Value = 2.5;
    d->m_r_vges.m_Value = 35.0;
    d->m_ArtDruckhaltung.m_Value = 0;
    d->m_GefaessGruppe.m_Value = 2;
    d->m_GefaessArtNr.m_Value = QStringLiteral("40201");
    d->m_GefaessInhalt.m_Value = 35;
    d->m_GefaessAnzahl.m_Value = 1;
    d->m_SteuerbehAnzahl.m_Value = 0;
    d->m_IstBerechnet.m_Value = true;
    d->m_EinbringBreite.m_Value = 1000.0;
    d->m_EinbringHoehe.m_Value = 2000.0;
    Erzeuger({250});
    z.g_heizdat = d;
    setzeHauptfenster(&haupt);
    setzeTyvoAnbindung(&tyvo);
}

void Heizseitenfixture::TearDown()
{
    entlade();
    setzeTyvoAnbindung(nullptr);
    setzeHauptfenster(nullptr);
    haupt.anderes.reset();
    zustand().g_heizdat.reset();
    if (d)
        d->m_TerminateMitUpdate = false;
    d.reset();
    dbs.reset();
}

void Heizseitenfixture::entlade()
{
    if (m_seite)
        m_seite->Unload();
    Ereignisse();
}

void Heizseitenfixture::Ereignisse()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Heizseitenfixture::Erzeuger(std::initializer_list<int> leistungen)
{
    int16_t i = 1;
    double summe = 0;
    for (int l : leistungen) {
        d->m_Leist_m_value(i++, l);
        summe += l;
    }
    for (; i <= 6; ++i)
        d->m_Leist_m_value(i, 0);
    d->m_Leist_ges.m_Value = summe;
}

QStringList Heizseitenfixture::protokoll() const
{
    const QString hotline = LadeText(3020);
    QStringList aus;
    for (const MeldungsBox& b : meldungen.boxen) {
        QString id = b.vorlage;
        for (int t : {2302, 2350, 2351, 2352, 2353, 2356, 2361, 2367, 2368, 2369, 2370, 2371, 2375}) {
            if (b.vorlage == LadeText(t) || b.vorlage == LadeText(t) + hotline) {
                id = QString::number(t);
                break;
            }
        }
        QString eintrag = QStringLiteral("%1:%2").arg(b.art).arg(id);
        if (!b.werte.isEmpty())
            eintrag += QLatin1Char('(') + b.werte.join(QLatin1Char(',')) + QLatin1Char(')');
        aus << eintrag;
    }
    return aus;
}
