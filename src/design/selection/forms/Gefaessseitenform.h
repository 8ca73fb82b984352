#pragma once
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

#include "base/forms/Seitenform.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The controls of the single-vessel choice pages (drinking water, pressure boosting, solar):
// results, door width, room height and count, eight group rows with an automatic and a manual
// button, the vessel block and the hint. The page that derives from it brings the logic: it
// answers the user's actions and hands back what to show.
class Gefäßseitenform : public Seitenform {
public:
    // What the page shows apart from the bound boxes.
    struct Anzeige {
        QString aufnahmevolumen;  // solar only
        QString gesamtvolumen;
        QString betriebsdruck;
        std::array<std::pair<int16_t, QString>, 8> gruppen{};  // group number (0: none), designation
        QString inhalt = QStringLiteral("0");
        QString maße = QStringLiteral(" ");
        QString beschreibung = QStringLiteral(" ");
        QString gruppe = QStringLiteral("0");
        QString hinweis;
    };

    Gefäßseitenform(const QString& name, QWidget* parent = nullptr);
    ~Gefäßseitenform() override;

    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;

    // Controls.
    std::array<QLineEdit*, 4> Text1{};  // 0 door width, 1 room height, 3 count (2 unused)
    std::array<QPushButton*, 8> Command1{};
    std::array<QToolButton*, 8> Command2{};
    std::array<QLabel*, 12> Label1{};
    std::array<QLabel*, 14> Label2{};
    std::array<QLabel*, 8> Label3{};
    std::array<QLabel*, 4> Label4{};
    std::array<QLabel*, 4> Label6{};
    QLabel* Label7 = nullptr;
    QLabel* Image1 = nullptr;

protected:
    // Captions, pictures and the rows of the type ("Tr", "Dr" or "So").
    void Beschriften(const QString& art);
    // Writes the labels and the group rows (not the text boxes).
    void Zeige(const Anzeige& a);
    // While set, the page writes its controls itself (their change handlers do nothing).
    void setzeZeigt(bool zeigt) { m_zeigt = zeigt; }
    // The box holds typed text that its value has not taken yet.
    bool getippt(int index) const { return m_getippt[static_cast<size_t>(index)]; }
    void vergissGetippt() { m_getippt = {}; }

    // The user's actions.
    virtual void TextGeändert(int index) = 0;
    virtual void Automatisch(int slot) = 0;
    virtual void Manuell(int slot) = 0;
    // Takes the box's text into its value; true (Cancel) keeps the focus in the box.
    virtual bool TextÜbernehmen(int index) = 0;

    void Validate(QWidget* steuerelement, bool& Cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void baue();
    bool prüfe(int index);
    int textIndex(const QWidget* w) const;

    QImage m_hintergrund;
    std::array<bool, 4> m_getippt{};
    bool m_zeigt = false;
};
