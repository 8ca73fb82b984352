#include "design/selection/Behaelteruebersicht.h"

#include "base/AllgFunktionen.h"
#include "base/MemberRegister.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"
#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "design/selection/Behaelterauswahl.h"

namespace {

constexpr int kHotline = 3020;

QString Text(int id)
{
    return LadeText(id + zustand().Sprachoffset);
}

QString Zahltext(const VbVariant& v)
{
    return QString::number(Zahlen::CLng(v.toDouble()));
}

}  // namespace

Behälterübersicht::Behälterübersicht(MemberRegister& daten, const QString& projektart, const Behälterauswahl& seite)
    : m_daten(daten), m_projektart(projektart), m_seite(seite)
{
}

QString Behälterübersicht::Kurztext(const QString& artNr) const
{
    QString text;
    if (datenbank* db = m_daten.objekt<datenbank>(QStringLiteral("DBTabArtikel")))
        text = db->GetValFromStrgFeld(artNr, QStringLiteral("arArtikelnr"), SpalteKurztext1).toString();
    if (text.isEmpty())
        text = QStringLiteral(" ");
    if (text == QStringLiteral(" ") && !artNr.trimmed().isEmpty()) {
        const Programmzustand& z = zustand();
        Meldung(Meldungsart::Auslegungsfehler, Text(2361) + LadeText(kHotline + z.Sprachoffset + z.Länderoffset),
                VbVariant(artNr));
    }
    return text;
}

QString Behälterübersicht::Einheitbeschreibung(const QString& artNr)
{
    datenbank db;
    // The article number is quoted as a text literal of its own.
    const QString sql = QStringLiteral("SELECT [Artikelnr],[") + SpalteBeschreibung
        + QStringLiteral("] FROM [PumpenKomprSteuerung] WHERE [Artikelnr] = ") + JetDialekt::Textliteral(artNr);
    if (db.OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) != 0)
        return QStringLiteral(" ");
    const QString text = db.GetFeld(SpalteBeschreibung).toString();
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

void Behälterübersicht::Laden()
{
    auto lese = [this](const char* name) { return m_daten.lese(QString::fromUtf8(name)); };
    m_mitErzeugern = m_projektart == QStringLiteral("He") && lese("m_Sicherung").toLong() == 1;
    m_zeilen = {};
    m_erzeuger = {};

    if (m_seite.automatenauslegung) {
        Zeile& basis = m_zeilen[0];
        basis.sichtbar = true;
        basis.beschriftung = Text(531);
        basis.anzahl = Zahltext(lese("m_SteuerbehAnzahl"));
        basis.artikel = Kurztext(lese("m_GefaessArtNr").toString());

        const int32_t beistell = Zahlen::CLng(lese("m_GefaessAnzahl").toDouble() - lese("m_SteuerbehAnzahl").toDouble());
        Zeile& zusatz = m_zeilen[1];
        zusatz.beschriftung = Text(533);
        if (beistell >= 1) {
            zusatz.sichtbar = true;
            zusatz.anzahl = QString::number(beistell);
            zusatz.artikel = Kurztext(lese("m_BeistellArtNr").toString());
        }

        Zeile& einheit = m_zeilen[2];
        einheit.sichtbar = true;
        const int32_t modul = lese("m_SteuerModulKomp").toLong();
        const bool zusatzeinheit = lese("m_ZusKomprPumpe").toBool();
        QString text;
        switch (m_seite.gruppeNr()) {
        case 14:
            text = Text(534) + (modul == 0 ? QStringLiteral(" M") : modul == 1 ? QStringLiteral(" D") : QString());
            break;
        case 11:
            text = Text(534) + (modul == 0 ? QStringLiteral(" E")
                                : modul == 1 ? QStringLiteral(" F")
                                : modul == 2 ? QStringLiteral(" D")
                                             : QString());
            if (zusatzeinheit)
                text += QStringLiteral(" ") + Text(535);
            break;
        case 9:
            text = Text(536) + (modul == 0 ? QStringLiteral(" KDX") : modul == 1 ? QStringLiteral(" F") : QString());
            // The extra compressor belongs to the compressor automat.
            if (zusatzeinheit)
                text += QStringLiteral(" ") + Text(535);
            break;
        default:
            text = QStringLiteral(" ");
        }
        einheit.beschriftung = text;
        einheit.anzahl = Zahltext(lese("m_SteuerbehAnzahl"));
        einheit.artikel = Einheitbeschreibung(lese("m_KomprPumpeArtNr").toString());
    } else {
        Zeile& basis = m_zeilen[0];
        basis.sichtbar = true;
        basis.beschriftung = Text(532);
        basis.anzahl = Zahltext(lese("m_GefaessAnzahl"));
        basis.artikel = Kurztext(lese("m_GefaessArtNr").toString());
    }

    if (!m_mitErzeugern)
        return;
    for (int i = 1; i <= 6; ++i) {
        Zeile& z = m_erzeuger[static_cast<size_t>(i - 1)];
        z.beschriftung = Text(536 + i);
        const QString artNr =
            m_daten.lese(QStringLiteral("m_Einzel_GefässArtNr_m_value"), {VbVariant::integer(static_cast<int16_t>(i))}).toString();
        if (!artNr.isEmpty() && artNr != QStringLiteral(" ")) {
            z.sichtbar = true;
            z.anzahl = QStringLiteral("1");
            z.artikel = Kurztext(artNr);
        } else {
            z.anzahl = QStringLiteral(" ");
            z.artikel = QStringLiteral(" ");
        }
    }
}
