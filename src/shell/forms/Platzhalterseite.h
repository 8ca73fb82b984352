#pragma once
#include <QWidget>

#include <functional>

class QPushButton;
class QVBoxLayout;

// A page that stands in for a page form not built yet: its title and what it will do.
class Platzhalterseite : public QWidget {
    Q_OBJECT
public:
    Platzhalterseite(int status, const QString& titel, const QString& text, QWidget* parent = nullptr);

    int status() const { return m_status; }
    // A button on the page.
    QPushButton* Knopf(const QString& text, const std::function<void()>& aktion);
    // Runs once when the page is first shown, after the current event.
    std::function<void()> beimErstenZeigen;

protected:
    void showEvent(QShowEvent* e) override;

private:
    int m_status;
    bool m_gezeigt = false;
    QVBoxLayout* m_layout;
};
