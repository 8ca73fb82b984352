#include "base/MemberRegister.h"

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"

MemberFehler::MemberFehler(Grund grund, const QString& text)
    : std::runtime_error(text.toStdString()), m_grund(grund)
{
}

MemberFehler MemberFehler::index(const QString& name, const VbVariant& index)
{
    return MemberFehler(Grund::Index,
                        QStringLiteral("%1(%2): subscript out of range").arg(name, index.toString()));
}

MemberRegister::MemberRegister(const QString& klasse) : m_klasse(klasse) {}

void MemberRegister::eintragen(const QString& name, Eintrag e)
{
    const QString schlüssel = name.toLower();
    if (m_einträge.contains(schlüssel))
        throw std::logic_error(fehlertext(name, QStringLiteral("is registered twice")).toStdString());
    e.name = name;
    m_einträge.insert(schlüssel, std::move(e));
    m_reihenfolge.append(name);
}

void MemberRegister::wert(const QString& name, Lesen lesen, Schreiben schreiben)
{
    Eintrag e;
    e.art = Art::Wert;
    e.lesen = std::move(lesen);
    e.schreiben = std::move(schreiben);
    eintragen(name, std::move(e));
}

void MemberRegister::indiziert(const QString& name, int anzahlIndizes, IndexLesen lesen, IndexSchreiben schreiben)
{
    Eintrag e;
    e.art = Art::Indiziert;
    e.minArgumente = e.maxArgumente = anzahlIndizes;
    e.indexLesen = std::move(lesen);
    e.indexSchreiben = std::move(schreiben);
    eintragen(name, std::move(e));
}

void MemberRegister::methode(const QString& name, int minArgumente, int maxArgumente, Aufruf aufruf)
{
    methodeMitReferenzen(name, minArgumente, maxArgumente,
                         [aufruf = std::move(aufruf)](QList<VbVariant>& a) { return aufruf(a); });
}

void MemberRegister::methodeMitReferenzen(const QString& name, int minArgumente, int maxArgumente,
                                          AufrufMitReferenzen aufruf)
{
    Eintrag e;
    e.art = Art::Methode;
    e.minArgumente = minArgumente;
    e.maxArgumente = maxArgumente;
    e.aufruf = std::move(aufruf);
    eintragen(name, std::move(e));
}

void MeldeMemberFehler(const MemberFehler& fehler)
{
    Meldung(Meldungsart::InternerFehler, LadeText(zustand().Sprachoffset + 2917), fehler.text());
}

QString MemberRegister::fehlertext(const QString& name, const QString& was) const
{
    return m_klasse.isEmpty() ? QStringLiteral("member '%1' %2").arg(name, was)
                              : QStringLiteral("%1: member '%2' %3").arg(m_klasse, name, was);
}

const MemberRegister::Eintrag& MemberRegister::finde(const QString& name) const
{
    const auto it = m_einträge.constFind(name.toLower());
    if (it == m_einträge.constEnd())
        throw MemberFehler(MemberFehler::Grund::Unbekannt, fehlertext(name, QStringLiteral("does not exist")));
    return *it;
}

const MemberRegister::Eintrag& MemberRegister::finde(const QString& name, Art art) const
{
    const Eintrag& e = finde(name);
    if (e.art != art) {
        static const char* const arten[] = {"a value", "an indexed member", "a method", "an object"};
        throw MemberFehler(MemberFehler::Grund::FalscheArt,
                           fehlertext(name, QStringLiteral("is %1").arg(QLatin1String(arten[static_cast<int>(e.art)]))));
    }
    return e;
}

void MemberRegister::prüfeAnzahl(const Eintrag& e, qsizetype anzahl) const
{
    if (anzahl < e.minArgumente || anzahl > e.maxArgumente)
        throw MemberFehler(MemberFehler::Grund::Argumente,
                           fehlertext(e.name, QStringLiteral("takes %1 to %2 arguments, not %3")
                                                  .arg(e.minArgumente).arg(e.maxArgumente).arg(anzahl)));
}

bool MemberRegister::hat(const QString& name) const
{
    return m_einträge.contains(name.toLower());
}

MemberRegister::Art MemberRegister::art(const QString& name) const
{
    return finde(name).art;
}

QStringList MemberRegister::namen() const
{
    return m_reihenfolge;
}

VbVariant MemberRegister::lese(const QString& name) const
{
    const Eintrag& e = finde(name);
    if (e.art == Art::Methode)
        return rufe(name);
    return finde(name, Art::Wert).lesen();
}

void MemberRegister::schreibe(const QString& name, const VbVariant& wert)
{
    const Eintrag& e = finde(name, Art::Wert);
    if (!e.schreiben)
        throw MemberFehler(MemberFehler::Grund::FalscheArt, fehlertext(name, QStringLiteral("is read-only")));
    e.schreiben(wert);
}

VbVariant MemberRegister::lese(const QString& name, const QList<VbVariant>& index) const
{
    const Eintrag& e = finde(name);
    if (e.art == Art::Methode)
        return rufe(name, index);
    finde(name, Art::Indiziert);
    prüfeAnzahl(e, index.size());
    return e.indexLesen(index);
}

void MemberRegister::schreibe(const QString& name, const QList<VbVariant>& index, const VbVariant& wert)
{
    const Eintrag& e = finde(name, Art::Indiziert);
    prüfeAnzahl(e, index.size());
    if (!e.indexSchreiben)
        throw MemberFehler(MemberFehler::Grund::FalscheArt, fehlertext(name, QStringLiteral("is read-only")));
    e.indexSchreiben(index, wert);
}

VbVariant MemberRegister::rufe(const QString& name, const QList<VbVariant>& argumente) const
{
    QList<VbVariant> kopie = argumente;
    return rufeMitReferenzen(name, kopie);
}

VbVariant MemberRegister::rufeMitReferenzen(const QString& name, QList<VbVariant>& argumente) const
{
    const Eintrag& e = finde(name, Art::Methode);
    prüfeAnzahl(e, argumente.size());
    return e.aufruf(argumente);
}
