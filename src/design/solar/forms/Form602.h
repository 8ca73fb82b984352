#pragma once
#include <array>
#include <memory>

#include "design/solar/forms/Solarergebnisseite.h"

class GlobDatenSolar;
class QLabel;
class Sicherheitstechnik;
class Zubehörtechnik;

// Page 602: the solar safety equipment. The load runs the safety designer and the accessory
// designer on the solar data object and shows the safety valve and the cap valves of the
// vessels with their counts. Without a vessel the page refuses to open (back to the vessel
// choice). The page takes no input.
class Form602 : public Solarergebnisseite {
    Q_OBJECT
public:
    explicit Form602(QWidget* parent = nullptr);
    ~Form602() override;

    // Controls (arrays by their index).
    std::array<QLabel*, 11> Label1{};  // 0, 2, 10
    std::array<QLabel*, 4> Label2{};   // headings
    std::array<QLabel*, 2> Label4{};   // counts: 0 safety valves, 1 cap valves
    std::array<QLabel*, 2> Label5{};   // article texts
    QLabel* Image1 = nullptr;          // Image1(2)

protected:
    void FormLoad() override;
    void FormUnload() override;

private:
    // The first short text of the article; message 2361 when a number that is not blank is missing.
    QString Artikeltext(const QString& artNr);

    std::shared_ptr<GlobDatenSolar> m_daten;
    std::unique_ptr<Sicherheitstechnik> m_sicherheitstechnik;
    std::unique_ptr<Zubehörtechnik> m_zubehörtechnik;
};
