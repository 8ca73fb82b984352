#pragma once
#include <QDialog>

#include <QImage>

#include <array>
#include <functional>

class QLabel;
class QToolButton;
class Tastenvorschau;

// The company presentation: 24 pictures, one at a time, with previous, next and end.
// (No Q_OBJECT: the meta-object compiler does not take the class name's umlaut.)
class ÜberUnsSchau : public QDialog {
public:
    explicit ÜberUnsSchau(QWidget* parent = nullptr);

    // Height of the picture area for a client height (pixels).
    static int BerechneBildhöhe(int clienthöhe);

    void Vorheriges_Click();
    void Nächstes_Click();
    void Abbrechen_Click();

    int AktuellesBild = 0;
    int Bildhöhe = 0;
    static constexpr int Untergrenze = 0;
    static constexpr int Obergrenze = 23;
    // The picture resources (type DEUTSCHLAND) in order.
    std::array<int, 24> Bilder{};
    // Id of the picture shown; 0 when the area is empty.
    int GezeigtesBild() const { return m_gezeigt; }

    QLabel* Image1 = nullptr;
    QToolButton* Vorheriges = nullptr;
    QToolButton* Abbrechen = nullptr;
    QToolButton* Nächstes = nullptr;

    // Picture loading; tests replace it to make a picture fail.
    std::function<QImage(int id)> BildLaden;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void ZeigeBild(int i);
    void Form_Resize();

    Tastenvorschau* m_tasten = nullptr;
    int m_gezeigt = 0;
};
