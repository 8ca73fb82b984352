#pragma once
#include <QDialog>

#include <array>
#include <memory>

#include "base/forms/MoveFocus.h"

class NutzerInfo;
class QLineEdit;
class QToolButton;
class Tastenvorschau;

// The user's four address lines. There is no cancel: every way of closing keeps the edits, and
// the lines are written only when a box was changed.
class NutzerStammdaten : public QDialog {
    Q_OBJECT
public:
    explicit NutzerStammdaten(QWidget* parent = nullptr);
    ~NutzerStammdaten() override;

    // Nutzertext[1] .. Nutzertext[4]; entry 0 is unused.
    std::array<QLineEdit*, 5> Nutzertext{};
    QToolButton* WeiterCommand = nullptr;
    bool Geändert() const { return m_geändert; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Entladen();
    void übernehmen();

    std::unique_ptr<NutzerInfo> m_info;
    MoveFocus m_moveFocus;
    Tastenvorschau* m_tasten = nullptr;
    bool m_ladenLäuft = false;
    bool m_geändert = false;
    bool m_entladen = false;
};
