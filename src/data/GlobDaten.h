#pragma once
#include <QString>
#include <QStringList>

#include <any>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "data/conCheckBoxAdodb.h"
#include "data/conOptButtAdodb.h"
#include "data/conTextBoxAdodb.h"
#include "data/conValueAdodb.h"
#include "base/MemberRegister.h"

class datenbank;

// What the six data classes share: one object per open project of a system type, bound to the
// project's row ("Projekt Nr" = aktProjektnummer) of the type's parameter table.
//
// Life: construction opens the parameter table and the article view; Init binds every
// registered member to its field, finds the project's row and loads it, or adds the row and
// sets the defaults; callers then read and write the members' m_Value; the release (Freigeben,
// called by every derived destructor) writes all members back and saves the row while
// m_TerminateMitUpdate is True, and deletes the row when LoeschenDatensatzBeiTerminate asked
// for it (the row of the project bound by Init, whatever project is current at release).
//
// A derived class declares its bound values as public members and registers each in its
// constructor with one line (zahl, option, flag, wert, items): that line binds it, gives its
// default, loads and stores it, and makes its name known to callers that use the object by
// name (lese, schreibe, rufe). Its destructor calls Freigeben().
class GlobDaten {
public:
    virtual ~GlobDaten();
    GlobDaten(const GlobDaten&) = delete;
    GlobDaten& operator=(const GlobDaten&) = delete;

    // Binds the object to the current project's row; 0, or the code of the failed open of the
    // parameter table (1 file, 2 query), then nothing is bound.
    int32_t Init();
    // The project's row is deleted when the object is released (after the write-back).
    void LoeschenDatensatzBeiTerminate() { m_löschen = true; }

    // Release writes the members back to the row; False: the row keeps what it had.
    bool m_TerminateMitUpdate = true;
    // Article numbers, short texts, prices, long-text numbers and schematic texts (read only);
    // empty when the parameter table could not be opened.
    std::unique_ptr<datenbank> DBTabArtikel;
    // The calculation is done.
    conValueAdodb m_IstBerechnet;
    // The vessel (or tank) has been chosen: the design is finished.
    conValueAdodb m_IstAusgelegt;

    // Access by name (designers, reports, schematic, exchange).
    MemberRegister& Member() { return m_member; }
    const MemberRegister& Member() const { return m_member; }
    VbVariant lese(const QString& name) const { return m_member.lese(name); }
    void schreibe(const QString& name, const VbVariant& wert) { m_member.schreibe(name, wert); }
    VbVariant lese(const QString& name, const QList<VbVariant>& index) const { return m_member.lese(name, index); }
    void schreibe(const QString& name, const QList<VbVariant>& index, const VbVariant& wert)
    {
        m_member.schreibe(name, index, wert);
    }
    VbVariant rufe(const QString& name, const QList<VbVariant>& argumente = {}) const
    {
        return m_member.rufe(name, argumente);
    }

    // The bound value registered under a name, as its own type (a page binds its controls to it);
    // nullptr for another name or type.
    template <class B>
    B* Gebunden(const QString& name) const
    {
        const auto it = m_gebundeneWerte.constFind(name.toLower());
        if (it == m_gebundeneWerte.constEnd())
            return nullptr;
        const auto* p = std::any_cast<B*>(&it.value());
        return p ? *p : nullptr;
    }

    const QString& Parametertabelle() const { return m_tabelle; }
    // 0 when the parameter table was opened at construction.
    int32_t Oeffnungscode() const { return m_öffnungscode; }

protected:
    // klasse: the class name (error texts); tabelle: the type's parameter table.
    GlobDaten(const QString& klasse, const QString& tabelle);

    // The release; every derived destructor calls it first (it runs once).
    void Freigeben();
    // The parameter table (nullptr when it could not be opened or once released).
    datenbank* Parameterdatenbank() const { return m_parameter.get(); }

    // Registration of a bound member, in declaration order.
    // A number; runden >= 0: rounded to that many decimals (half to even) after loading.
    void zahl(const char* name, conTextBoxAdodb& m, const char* feld, double vorgabe, int runden = -1);
    // An option group, option 0 first.
    void option(const char* name, conOptButtAdodb& m, const QStringList& felder, int32_t vorgabe = 0);
    void flag(const char* name, conCheckBoxAdodb& m, const char* feld, bool vorgabe = false);
    // A plain value; the default carries the type the object writes (Integer, Boolean, text).
    void wert(const char* name, conValueAdodb& m, const char* feld, const VbVariant& vorgabe);
    // An item list of six values (fields feldmuster with %1 = 1..6), reached by name(Index):
    // read and write in the default's type (Integer or text); an Index outside 1..6 throws
    // MemberFehler and reads or writes nothing.
    void items(const char* name, std::array<conValueAdodb, 6>& liste, const char* feldmuster, const VbVariant& vorgabe);

    // Registers a binding table (data/Feldtabelle.h) of the object g: options, numbers, flags,
    // values and item lists, each in table order; a table may leave out any of the five arrays.
    template <class Tabelle, class G>
    void bindeTabelle(G& g)
    {
        if constexpr (requires { Tabelle::optionen; })
            for (const auto& o : Tabelle::optionen)
                option(o.name, g.*o.member, {QString::fromUtf8(o.feld0), QString::fromUtf8(o.feld1)});
        if constexpr (requires { Tabelle::zahlen; })
            for (const auto& z : Tabelle::zahlen)
                zahl(z.name, g.*z.member, z.feld, z.vorgabe, z.stellen);
        if constexpr (requires { Tabelle::flags; })
            for (const auto& f : Tabelle::flags)
                flag(f.name, g.*f.member, f.feld);
        if constexpr (requires { Tabelle::werte; })
            for (const auto& w : Tabelle::werte)
                wert(w.name, g.*w.member, w.feld,
                     w.vorgabe == Tabelle::Vorgabe::Integer ? VbVariant::integer(w.zahl)
                                                            : VbVariant(QStringLiteral(" ")));
        if constexpr (requires { Tabelle::listen; })
            for (const auto& l : Tabelle::listen)
                items(l.name, g.*l.member, l.feld, l.text ? VbVariant(QStringLiteral(" ")) : VbVariant::integer(0));
    }

    // Item i (1..6) of an item list in the type of vorgabe: an empty item reads 0 or "".
    static VbVariant itemLesen(const std::array<conValueAdodb, 6>& liste, const QString& name, int Index,
                               VbVariant::Typ typ);
    static void itemSchreiben(std::array<conValueAdodb, 6>& liste, const QString& name, int Index,
                              VbVariant::Typ typ, const VbVariant& wert);

    // Whether the program-wide ProjektNichtSpeichern keeps this type's row out of the table
    // (the host run of heating): a new row and the write-back are cancelled instead of saved.
    virtual bool ProjektNichtSpeichernGilt() const { return false; }

    MemberRegister m_member;

private:
    enum Schritt { Laden, Speichern, Vorgabe };
    struct Bindung {
        std::function<void(const std::shared_ptr<Recordset>&)> binden;
        std::array<std::function<void()>, 3> schritt;  // by Schritt
    };
    // A bound value on its field (a name or a list of names) with its default.
    template <class B, class Feld, class Wert>
    Bindung& binde(B& m, const Feld& feld, const Wert& vorgabe)
    {
        m_bindungen.push_back({[&m, feld](const std::shared_ptr<Recordset>& rs) { m.BindDatenbank(rs, feld); },
                               {[&m] { m.DatenBankInGlobDaten(); }, [&m] { m.GlobDatenInDatenBank(); },
                                [&m, vorgabe] { m.m_Value = vorgabe; }}});
        return m_bindungen.back();
    }
    // Loading, storing or defaults of every bound value (nothing when the table is not open).
    void alle(Schritt s);
    bool nichtSpeichern() const;

    QString m_tabelle;
    // The project Init bound the object to; its row is the one deleted at release.
    QString m_projektNr;
    bool m_gebunden = false;
    int32_t m_öffnungscode = 0;
    bool m_löschen = false;
    bool m_freigegeben = false;
    std::unique_ptr<datenbank> m_parameter;
    std::vector<Bindung> m_bindungen;
    QHash<QString, std::any> m_gebundeneWerte;  // key: name in lower case
};
