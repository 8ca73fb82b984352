#pragma once
#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class GlobDaten;
class QComboBox;
class QLabel;
class QToolButton;
class Schlammabscheiderauslegung;

// The dialog "Schlammabscheider" for one dirt separator per heat generator: the separator of
// each present generator, chosen by hand in the separator grid, and one insulation for all.
// Absent generators lose their separator. Everything goes straight into the data object.
class Form105c : public QDialog {
    Q_OBJECT
public:
    explicit Form105c(QWidget* parent = nullptr);
    ~Form105c() override;

    // Loads and shows the dialog modally.
    void OpenForm();
    void Laden();
    void Command1_Click(int index);
    void SchlammIsoCombo_Click();
    QString GetArtikelNrISOSchlamm(const QString& ArtNrSchlamm, int16_t isolierung);

    // The separator grid for a heat generator; tests replace it.
    std::function<void(int16_t)> Gitter;

    std::array<QLabel*, 7> Label2{};  // 1..6
    std::array<QToolButton*, 7> Command1{};
    std::array<QLabel*, 7> SchlammLabel{};
    QLabel* Label1 = nullptr;
    QComboBox* SchlammIsoCombo = nullptr;
    QToolButton* WeiterCommand = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void AbscheiderZeile(int16_t i);

    std::shared_ptr<GlobDaten> m_daten;
    std::unique_ptr<Schlammabscheiderauslegung> m_schlamm;
};
