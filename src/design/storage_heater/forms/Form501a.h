#pragma once
#include <QMap>

#include "base/forms/Dialogform.h"
#include "design/storage_heater/Zapfstellen.h"

class QLineEdit;
class QToolButton;
class Zeilenzugriff;

// The draw-off points of the current dwelling group by equipment kind. The row is read and
// written only through the calling page; there is no cancel: every accepted entry stays, and
// Esc does not close the dialog.
class Zapfstellendialog : public Dialogform {
    Q_OBJECT
public:
    Zapfstellendialog(Zapfstellen::Dialog art, QWidget* parent = nullptr);
    ~Zapfstellendialog() override;

    // Takes the calling page's row, loads and shows the dialog modally.
    void FormStart(Zeilenzugriff& aufrufer);
    // Loading without showing (FormStart does it first).
    void Laden(Zeilenzugriff& aufrufer);
    void FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel) override;
    // The box check: Cancel when the entry is refused (text selected, focus kept).
    void Text1_Validate(int index, bool& Cancel);

    Zapfstellen::Dialog Art() const { return m_art; }
    QMap<int, QLineEdit*> Text1;
    QToolButton* WeiterCommand = nullptr;

protected:
    void Validate(QWidget* steuerelement, bool& Cancel) override;
    void FormKeyPress(int& KeyAscii) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Zapfstellen::Dialog m_art;
    Zeilenzugriff* m_Aufrufer = nullptr;
    bool m_LadenLäuft = false;
};

class Form501a : public Zapfstellendialog {
    Q_OBJECT
public:
    explicit Form501a(QWidget* parent = nullptr) : Zapfstellendialog(Zapfstellen::Dialog::Normal, parent) {}
};

class Form501b : public Zapfstellendialog {
    Q_OBJECT
public:
    explicit Form501b(QWidget* parent = nullptr) : Zapfstellendialog(Zapfstellen::Dialog::Komfort, parent) {}
};

class Form501c : public Zapfstellendialog {
    Q_OBJECT
public:
    explicit Form501c(QWidget* parent = nullptr) : Zapfstellendialog(Zapfstellen::Dialog::Individuell, parent) {}
};
