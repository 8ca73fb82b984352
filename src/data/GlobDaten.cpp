#include "data/GlobDaten.h"

#include <QDebug>

#include "data/JetDialekt.h"
#include "data/Kennwort.h"
#include "data/datenbank.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Zahlen.h"

namespace {

const QString ProjektNr = QStringLiteral("Projekt Nr");

QString Artikelsicht()
{
    return QStringLiteral("SELECT [arArtikelnr],[") + SpalteKurztext1 + QStringLiteral("],[") + SpalteKurztext2
        + QStringLiteral("],[arPreis],[ltLangtextnr],[dxfText] FROM ARTIKEL INNER JOIN Artikel_Zusatz "
                         "ON ARTIKEL.[arArtikelnr] = Artikel_Zusatz.[artikelnr]");
}

}  // namespace

GlobDaten::GlobDaten(const QString& klasse, const QString& tabelle) : m_member(klasse), m_tabelle(tabelle)
{
    const Programmzustand& z = zustand();
    DBTabArtikel = std::make_unique<datenbank>();
    DBTabArtikel->OpenTab(z.Artikel_Data_Source, Artikelsicht(), 3, Kennwort::Artikeldatenbank, true);
    m_parameter = std::make_unique<datenbank>();
    m_öffnungscode = m_parameter->OpenTab(z.Projekt_Data_Source, QStringLiteral("Select * From ") + tabelle, 2,
                                          Kennwort::Projektdatenbank, true);
    if (m_öffnungscode != 0) {
        m_parameter.reset();
        DBTabArtikel.reset();
    }
    m_member.variable(QStringLiteral("m_TerminateMitUpdate"), m_TerminateMitUpdate);
    m_member.objekt<datenbank>(QStringLiteral("DBTabArtikel"), [this] { return DBTabArtikel.get(); });
    m_member.methode(QStringLiteral("Init"), 0, 0, [this](const QList<VbVariant>&) { return VbVariant::lng(Init()); });
    m_member.methode(QStringLiteral("LoeschenDatensatzBeiTerminate"), 0, 0, [this](const QList<VbVariant>&) {
        LoeschenDatensatzBeiTerminate();
        return VbVariant();
    });
    wert("m_IstBerechnet", m_IstBerechnet, "IstBerechnet", VbVariant(false));
    wert("m_IstAusgelegt", m_IstAusgelegt, "IstAusgelegt", VbVariant(false));
}

GlobDaten::~GlobDaten()
{
    if (!m_freigegeben)
        qWarning("%s released without Freigeben: nothing written back", qPrintable(m_member.klasse()));
}

void GlobDaten::zahl(const char* name, conTextBoxAdodb& m, const char* feld, double vorgabe, int runden)
{
    Bindung& b = binde(m, QString::fromUtf8(feld), vorgabe);
    if (runden >= 0)
        b.schritt[Laden] = [&m, runden] {
            m.DatenBankInGlobDaten();
            m.m_Value = Zahlen::RundenGerade(m.m_Value, runden);
        };
    m_member.gebunden(QString::fromUtf8(name), m);
    m_gebundeneWerte.insert(QString::fromUtf8(name).toLower(), std::any(&m));
}

void GlobDaten::option(const char* name, conOptButtAdodb& m, const QStringList& felder, int32_t vorgabe)
{
    binde(m, felder, vorgabe);
    m_member.gebunden(QString::fromUtf8(name), m);
    m_gebundeneWerte.insert(QString::fromUtf8(name).toLower(), std::any(&m));
}

void GlobDaten::flag(const char* name, conCheckBoxAdodb& m, const char* feld, bool vorgabe)
{
    binde(m, QString::fromUtf8(feld), vorgabe);
    m_member.gebunden(QString::fromUtf8(name), m);
    m_gebundeneWerte.insert(QString::fromUtf8(name).toLower(), std::any(&m));
}

void GlobDaten::wert(const char* name, conValueAdodb& m, const char* feld, const VbVariant& vorgabe)
{
    binde(m, QString::fromUtf8(feld), vorgabe);
    m_member.gebunden(QString::fromUtf8(name), m);
    m_gebundeneWerte.insert(QString::fromUtf8(name).toLower(), std::any(&m));
}

void GlobDaten::items(const char* name, std::array<conValueAdodb, 6>& liste, const char* feldmuster,
                      const VbVariant& vorgabe)
{
    const QString muster = QString::fromUtf8(feldmuster);
    for (int i = 0; i < 6; ++i)
        binde(liste[i], muster.arg(i + 1), vorgabe);
    const QString n = QString::fromUtf8(name);
    const VbVariant::Typ typ = vorgabe.typ();
    m_member.indiziert(
        n, 1, [&liste, n, typ](const QList<VbVariant>& i) { return itemLesen(liste, n, i.at(0).toInteger(), typ); },
        [&liste, n, typ](const QList<VbVariant>& i, const VbVariant& w) {
            itemSchreiben(liste, n, i.at(0).toInteger(), typ, w);
        });
}

VbVariant GlobDaten::itemLesen(const std::array<conValueAdodb, 6>& liste, const QString& name, int Index,
                               VbVariant::Typ typ)
{
    if (Index < 1 || Index > 6)
        throw MemberFehler::index(name, VbVariant(Index));
    const VbVariant& v = liste[Index - 1].m_Value;
    if (typ == VbVariant::Typ::String)
        return VbVariant(v.toString());
    return VbVariant::integer(MemberWandlung::ausVariant<int16_t>(v, name));
}

void GlobDaten::itemSchreiben(std::array<conValueAdodb, 6>& liste, const QString& name, int Index, VbVariant::Typ typ,
                              const VbVariant& wert)
{
    if (Index < 1 || Index > 6)
        throw MemberFehler::index(name, VbVariant(Index));
    liste[Index - 1].m_Value = typ == VbVariant::Typ::String
        ? VbVariant(wert.toString())
        : VbVariant::integer(MemberWandlung::ausVariant<int16_t>(wert, name));
}

bool GlobDaten::nichtSpeichern() const
{
    return ProjektNichtSpeichernGilt() && zustand().ProjektNichtSpeichern;
}

int32_t GlobDaten::Init()
{
    if (m_öffnungscode != 0)
        return m_öffnungscode;
    const std::shared_ptr<Recordset> rs = m_parameter->GetADODB_Recordset();
    for (const Bindung& b : m_bindungen)
        b.binden(rs);
    const QString nummer = zustand().aktProjektnummer;
    m_projektNr = nummer;
    m_gebunden = true;
    if (!m_parameter->EmptyTab())
        m_parameter->Find(JetDialekt::Name(ProjektNr) + QStringLiteral(" = ") + JetDialekt::Textliteral(nummer));
    if (m_parameter->EofTab()) {
        m_parameter->AddNew();
        m_parameter->SetFeld(ProjektNr, VbVariant(nummer));
        if (nichtSpeichern())
            m_parameter->CancelUpdateTab();
        else
            m_parameter->UpdateTab();
        alle(Vorgabe);
    } else {
        alle(Laden);
    }
    return 0;
}

void GlobDaten::alle(Schritt s)
{
    if (m_öffnungscode != 0)
        return;
    for (const Bindung& b : m_bindungen)
        b.schritt[s]();
}

void GlobDaten::Freigeben()
{
    if (m_freigegeben)
        return;
    m_freigegeben = true;
    if (m_öffnungscode == 0) {
        if (m_TerminateMitUpdate) {
            if (nichtSpeichern()) {
                m_parameter->CancelUpdateTab();
            } else {
                // A failed write-back is reported once, naming the project.
                alle(Speichern);
                m_parameter->UpdateTab(ProjektNr + QStringLiteral(" = ") + JetDialekt::Textliteral(m_projektNr));
            }
        }
        if (m_löschen && m_gebunden)
            m_parameter->DeleteSatzMitFeld(ProjektNr, m_projektNr);
    }
    m_bindungen.clear();
    m_parameter.reset();
    DBTabArtikel.reset();
}
