#pragma once
#include <QString>

#include <functional>

#include "base/forms/Seitenform.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

// A page that stands in for a page form not built yet: it shows its title and the current
// project, takes the data object of the project's type while it is shown, and does what the
// page manager needs of the page it stands in for; a page of the automatic run presses Weiter
// itself on activation.
class Platzhalterseite : public Seitenform {
    Q_OBJECT
public:
    enum Art { Einfach = 0, Automatiklauf = 1, Entwurfsseite = 2 };
    // art: Automatiklauf (the page belongs to the automatic run of host mode) and/or
    // Entwurfsseite (a design page: it holds the data object of the project's type while shown).
    explicit Platzhalterseite(const QString& titel, int art = Einfach, QWidget* parent = nullptr);

    // A button on the page.
    QPushButton* Knopf(const QString& text, const std::function<void()>& aktion);
    // The line that shows the current project.
    QString Projektzeile() const;

protected:
    void FormLoad() override;
    void FormActivate() override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    QVBoxLayout* m_layout;

private:
    void füllen();

    QLabel* m_projekt;
    bool m_mitDatenobjekt;
};
