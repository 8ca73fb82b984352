#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class GlobDaten;
class MemberRegister;

// Turns the design of the current project into the order file "DxfOrder.tmp" in the program
// folder, the list of symbols the schematic is drawn from. The data object is read by member
// name only.
class DXFOrderAufbau {
public:
    // The DXF text (column dxfText of the article view) of an article number; empty when none.
    using DxfText = std::function<QString(const QString& artNr)>;
    // Creates the data object of a Projektart code (not yet bound); nullptr for none.
    using Erzeuger = std::function<std::shared_ptr<GlobDaten>(const QString& projektart)>;

    DXFOrderAufbau();

    // True when the order file was written completely. False with message 2205 for a storage
    // heater, 2206 for a project not calculated or designed, a kind-3 message naming the file
    // when it cannot be written (the earlier file stays), and without message for an unknown
    // type or a data object whose Init fails.
    bool AufbauOrderdatei();

    const QString& OrderPfad() const { return m_orderPfad; }
    const QString& DXFPfad() const { return m_dxfPfad; }

    // The lines from key 5 to the last symbol line of a system type ("He", "Kü", "Tr", "Dr",
    // "So"); empty for any other code.
    static QStringList Objekte(const QString& projektart, const MemberRegister& daten, const DxfText& dxfText);

    // Test seam: replaces the creation of the data objects (an empty function restores it).
    static void SetzeErzeuger(Erzeuger erzeuger);

    static bool IstAutomatGruppe(int gruppe);
    static QString GefäßSymbol(int gruppe, int gefäßInhalt);
    static QString AutomatSymbol(int gruppe, int steuerModulKomp);
    static QString BeistellSymbol(int gruppe, bool links);

    // The member names each type builder reads (besides m_IstBerechnet, m_IstAusgelegt and the
    // article view); plain values, indexed values ("name(i)") and methods ("name()").
    static QStringList Membernamen(const QString& projektart);

private:
    bool Schreibe(const QString& projektart, GlobDaten& daten);

    QString m_orderPfad;
    QString m_dxfPfad;
};
