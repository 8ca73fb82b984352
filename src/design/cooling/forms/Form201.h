#pragma once
#include <array>
#include <initializer_list>
#include <memory>

#include <QString>

#include "base/VbVariant.h"
#include "base/forms/Ergebnisseite.h"

class GlobDaten;
class QGroupBox;
class QLabel;
class QRadioButton;
class Sicherheitstechnik;
class Zubehörtechnik;

// Pages 202, 302 and 402: safety equipment and accessories of a cooling, drinking-water or
// pressure-boosting project (one instance per status). The load takes the data object of the
// project's type, runs the safety and accessory designers on it by member name and shows the
// safety valve and the cap valves; cooling also offers the make-up unit (m_Zub_Nachspeisung,
// index of the option) and the system separator. Without a vessel the page refuses to open.
class Form201 : public Ergebnisseite {
    Q_OBJECT
public:
    explicit Form201(QWidget* parent = nullptr);
    ~Form201() override;

    // Make-up unit chosen by the user: index 0..4.
    void NachspeiseOpt_Click(int index);
    // System separator chosen by the user: 0 without, 1 with.
    void Systemtrenner_Click(int index);

    // Controls (arrays by their index).
    std::array<QLabel*, 12> Label1{};  // 0 number, 2 designation, 10 and 11 titles of the type
    std::array<QLabel*, 4> Label2{};   // 0 safety heading, 1 accessories heading, 2 and 3 line captions
    std::array<QLabel*, 2> Label4{};   // counts: 0 safety valve, 1 cap valve
    std::array<QLabel*, 2> Label5{};   // short texts
    QLabel* Label3 = nullptr;          // why a system separator
    QLabel* Label6 = nullptr;          // always hidden
    std::array<QGroupBox*, 3> Frame1{};  // 1 separator, 2 make-up
    std::array<QRadioButton*, 5> NachspeiseOpt{};
    std::array<QRadioButton*, 2> Systemtrenner{};
    QLabel* Image1 = nullptr;  // Image1(2)

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

private:
    void Laden();
    void AufbauNachspeiseOptionen();
    void ZeigeNachspeiseHinweis();
    void TrennerZeigen(bool sichtbar);
    void Sicherheitsventilzeile();
    void Kappenventilzeile();
    bool Gruppe(std::initializer_list<int> gruppen) const;
    bool Kälte() const { return m_art == QStringLiteral("Kü"); }
    VbVariant lese(const QString& name) const;
    int32_t leseZahl(const QString& name) const;
    void schreibe(const QString& name, const VbVariant& wert);

    std::shared_ptr<GlobDaten> m_daten;
    QString m_art;
    std::unique_ptr<Sicherheitstechnik> m_sicherheit;
    std::unique_ptr<Zubehörtechnik> m_zubehör;
    bool m_lädt = false;
    // The page came up (no refusal): leaving it marks drinking water and pressure boosting designed.
    bool m_geladen = false;
};
