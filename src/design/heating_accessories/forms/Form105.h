#pragma once
#include <QString>

#include <functional>

#include <array>
#include <cstdint>
#include <memory>

#include "base/forms/Ergebnisseite.h"

class GlobDaten;
class QComboBox;
class QLabel;
class QRadioButton;
class QToolButton;
class Schlammabscheiderauslegung;

// Pages 105 (heating) and 203 (cooling): further products. The user chooses the arrangement of
// the dirt separators (m_Zub_Schlamm_Anordnung: none, central, one per heat generator), has
// them designed or chooses them by hand with their insulation, and opens the air-venting choice
// of one product family. The data object is the project type's, reached by member name. Every
// unload marks the project as designed.
class Form105 : public Ergebnisseite {
    Q_OBJECT
public:
    explicit Form105(QWidget* parent = nullptr);
    ~Form105() override;

    // Venting family of the last venting button (0..2), 0 after every load.
    int16_t ArtEntlüfter = 0;
    QString GetArtikelNrISOSchlamm(const QString& ArtNrSchlamm, int16_t isolierung);

    void Option1_Click(int index);
    // Automatic design (Command3).
    void Command3_Click();
    // Manual choice (Command1): the grid for the central separator, the dialog per generator.
    void Command1_Click();
    // Venting family index (Command2).
    void Command2_Click(int index);
    void SchlammIsoCombo_Click();

    // The dialogs of the page; tests replace them. The default shows the dialog modally.
    struct Dialoge {
        virtual ~Dialoge() = default;
        virtual void Schlammabscheiderwahl(int16_t index);  // the grid for one item
        virtual void SchlammabscheiderJeErzeuger();
        virtual void Entlüftung(int16_t familie);
    };
    void SetzeDialoge(std::unique_ptr<Dialoge> d);

    // Controls.
    std::array<QLabel*, 5> Label1{};  // 0, 2, 3, 4
    std::array<QLabel*, 8> Label2{};  // 0..7
    QLabel* Label5 = nullptr;         // Label5(0): the intermediate vessel
    QLabel* Label3 = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    QToolButton* Command3 = nullptr;
    QToolButton* Command1 = nullptr;
    QLabel* SchlammLabel1 = nullptr;  // SchlammLabel(1)
    QComboBox* SchlammIsoCombo = nullptr;
    std::array<QToolButton*, 3> Command2{};
    QLabel* Image1 = nullptr;
    // Insulation list: 0 none (" "), 1 the 80-mm article of the central separator.
    std::array<QString, 3> Isolierungen{QStringLiteral(" "), QString(), QString()};

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

private:
    void Laden();
    void AnordnungZeigen(int32_t v);
    void AuslegenUndZeigen();
    // true when the central design switched to one separator per generator.
    bool AutomatischeAuslegung();
    void AbscheiderZeile();
    void IsolierungZeigen();
    void Dialograhmen(const std::function<void()>& dialog);

    std::shared_ptr<GlobDaten> m_daten;
    std::unique_ptr<Schlammabscheiderauslegung> m_schlamm;
    std::unique_ptr<Dialoge> m_dialoge;
    bool m_lädt = false;
    bool m_erzeuger = false;
};
