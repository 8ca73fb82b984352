#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <any>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <type_traits>

#include "base/VbVariant.h"

// A failed access by name: an unknown member, an access the member does not offer (writing a
// read-only value, indexing a plain one), a wrong number of arguments, an index the member
// refuses or a value that does not convert to the member's type.
class MemberFehler : public std::runtime_error {
public:
    enum class Grund { Unbekannt, FalscheArt, Argumente, Index, Typ };
    MemberFehler(Grund grund, const QString& text);
    Grund grund() const { return m_grund; }
    QString text() const { return QString::fromUtf8(what()); }
    // The error of an indexed member whose index lies outside its range.
    static MemberFehler index(const QString& name, const VbVariant& index);

private:
    Grund m_grund;
};

// Conversions between a member's own type and the Variant of an access by name.
namespace MemberWandlung {
inline VbVariant alsVariant(const VbVariant& v) { return v; }
inline VbVariant alsVariant(bool v) { return VbVariant(v); }
inline VbVariant alsVariant(int16_t v) { return VbVariant::integer(v); }
inline VbVariant alsVariant(int32_t v) { return VbVariant::lng(v); }
inline VbVariant alsVariant(float v) { return VbVariant(v); }
inline VbVariant alsVariant(double v) { return VbVariant(v); }
inline VbVariant alsVariant(const QString& v) { return VbVariant(v); }

// The value in type T; throws MemberFehler (Typ) when it does not convert.
template <class T>
T ausVariant(const VbVariant& v, const QString& name);
}  // namespace MemberWandlung

// Access to an object's members by their names, as designers, reports, schematic and exchange
// use it where they do not know the object's class. The owner registers each member once
// (usually in its constructor); names are found without regard to case. Every failed access
// throws MemberFehler.
//
// Kinds of members:
// - value: read (and write) without arguments: plain variables, bound values (their m_Value),
//   computed properties;
// - indexed: read and write with one or more index arguments (`..._m_value(i)`);
// - method: called with arguments, returns a Variant (Empty for a Sub);
// - object: a sub-object reached by a typed pointer (`DBTabArtikel`, `m_Int_Tab`).
class MemberRegister {
public:
    enum class Art { Wert, Indiziert, Methode, Objekt };
    using Lesen = std::function<VbVariant()>;
    using Schreiben = std::function<void(const VbVariant&)>;
    using IndexLesen = std::function<VbVariant(const QList<VbVariant>& index)>;
    using IndexSchreiben = std::function<void(const QList<VbVariant>& index, const VbVariant& wert)>;
    using Aufruf = std::function<VbVariant(const QList<VbVariant>& argumente)>;
    // A method that writes results back into its arguments (arguments passed by reference).
    using AufrufMitReferenzen = std::function<VbVariant(QList<VbVariant>& argumente)>;

    // klasse names the owner in error texts.
    explicit MemberRegister(const QString& klasse = QString());
    MemberRegister(const MemberRegister&) = delete;
    MemberRegister& operator=(const MemberRegister&) = delete;

    // --- Registration (a name may be registered once) ---

    // A value through its accessors; without schreiben it is read-only.
    void wert(const QString& name, Lesen lesen, Schreiben schreiben = {});
    // A plain variable of the owner (bool, int16_t, int32_t, float, double, QString, VbVariant).
    template <class T>
    void variable(const QString& name, T& v)
    {
        wert(name, [&v] { return MemberWandlung::alsVariant(v); },
             [&v, name](const VbVariant& w) { v = MemberWandlung::ausVariant<T>(w, name); });
    }
    // A bound value: callers read and write its m_Value.
    template <class B>
    void gebunden(const QString& name, B& b)
    {
        variable(name, b.m_Value);
    }
    // An indexed member with anzahlIndizes index arguments; without schreiben it is read-only.
    void indiziert(const QString& name, int anzahlIndizes, IndexLesen lesen, IndexSchreiben schreiben = {});
    // A method taking minArgumente..maxArgumente arguments.
    void methode(const QString& name, int minArgumente, int maxArgumente, Aufruf aufruf);
    void methodeMitReferenzen(const QString& name, int minArgumente, int maxArgumente, AufrufMitReferenzen aufruf);
    // A sub-object; holen may return nullptr (no object at the moment).
    template <class T>
    void objekt(const QString& name, std::function<T*()> holen)
    {
        Eintrag e;
        e.art = Art::Objekt;
        e.objekt = [holen]() -> std::any { return std::any(holen()); };
        eintragen(name, std::move(e));
    }

    // --- Access ---

    bool hat(const QString& name) const;
    Art art(const QString& name) const;
    // The registered names in registration order, as spelled at registration.
    QStringList namen() const;
    QString klasse() const { return m_klasse; }

    VbVariant lese(const QString& name) const;
    void schreibe(const QString& name, const VbVariant& wert);
    VbVariant lese(const QString& name, const QList<VbVariant>& index) const;
    void schreibe(const QString& name, const QList<VbVariant>& index, const VbVariant& wert);
    VbVariant rufe(const QString& name, const QList<VbVariant>& argumente = {}) const;
    // As rufe; a method that writes into its arguments leaves the results in argumente.
    VbVariant rufeMitReferenzen(const QString& name, QList<VbVariant>& argumente) const;
    // The sub-object as T; throws when the member is no object of type T.
    template <class T>
    T* objekt(const QString& name) const
    {
        const Eintrag& e = finde(name, Art::Objekt);
        const std::any a = e.objekt();
        if (const auto* p = std::any_cast<T*>(&a))
            return *p;
        throw MemberFehler(MemberFehler::Grund::Typ, fehlertext(name, QStringLiteral("is no object of the requested type")));
    }

private:
    struct Eintrag {
        Art art = Art::Wert;
        QString name;
        int minArgumente = 0;
        int maxArgumente = 0;
        Lesen lesen;
        Schreiben schreiben;
        IndexLesen indexLesen;
        IndexSchreiben indexSchreiben;
        AufrufMitReferenzen aufruf;
        std::function<std::any()> objekt;
    };
    void eintragen(const QString& name, Eintrag e);
    const Eintrag& finde(const QString& name) const;
    const Eintrag& finde(const QString& name, Art art) const;
    void prüfeAnzahl(const Eintrag& e, qsizetype anzahl) const;
    QString fehlertext(const QString& name, const QString& was) const;

    QString m_klasse;
    QHash<QString, Eintrag> m_einträge;  // key: name in lower case
    QStringList m_reihenfolge;
};

// Shows a failed access by name as message kind 6 with its reason.
void MeldeMemberFehler(const MemberFehler& fehler);

// Runs a step that reaches members by name (a design step, a report block): a failed access
// is shown (MeldeMemberFehler) and the step gives fehlschlag; no MemberFehler leaves it, so
// none reaches a Qt slot.
template <class R, class F>
R MitMemberFehlerMeldung(R fehlschlag, F&& schritt)
{
    try {
        return schritt();
    } catch (const MemberFehler& f) {
        MeldeMemberFehler(f);
        return fehlschlag;
    }
}
// The same for a step without a result; false when the step failed.
template <class F>
bool MitMemberFehlerMeldung(F&& schritt)
{
    return MitMemberFehlerMeldung(false, [&schritt] {
        schritt();
        return true;
    });
}

namespace MemberWandlung {
template <class T>
T ausVariant(const VbVariant& v, const QString& name)
{
    if constexpr (std::is_same_v<T, VbVariant>) {
        return v;
    } else if constexpr (std::is_same_v<T, QString>) {
        return v.toString();
    } else if constexpr (std::is_same_v<T, bool>) {
        if (v.isString()) {
            bool ok = true;
            v.toDouble(&ok);
            const QString t = v.toString().trimmed();
            for (const char* w : {"wahr", "falsch", "true", "false"})
                ok = ok || t.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
            if (!ok)
                throw MemberFehler(MemberFehler::Grund::Typ, QStringLiteral("%1: type mismatch").arg(name));
        }
        return v.toBool();
    } else {
        bool ok = true;
        T r{};
        if constexpr (std::is_same_v<T, int16_t>)
            r = v.toInteger(&ok);
        else if constexpr (std::is_same_v<T, int32_t>)
            r = v.toLong(&ok);
        else if constexpr (std::is_same_v<T, float>)
            r = v.toSingle(&ok);
        else
            r = static_cast<T>(v.toDouble(&ok));
        if (!ok)
            throw MemberFehler(MemberFehler::Grund::Typ,
                               QStringLiteral("%1: type mismatch or overflow").arg(name));
        return r;
    }
}
}  // namespace MemberWandlung
