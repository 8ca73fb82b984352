#pragma once
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Closes every modal dialog that comes up while it lives, as a user would with the close box,
// so that a test that opens one does not block. Each dialog is noted (object name) and handed
// to the callback when it is shown; a dialog that refuses the close is asked again until it
// goes.
class ModalSchliesser : public QObject {
public:
    explicit ModalSchliesser(std::function<void(QWidget*)> beimÖffnen = {});
    ~ModalSchliesser() override;

    QStringList geöffnet;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void schließen();

    std::function<void(QWidget*)> m_beimÖffnen;
    QTimer m_uhr;
};
