#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

// While it lives, runs a handler on the modal dialog the code under test shows, then watches until
// that dialog has closed. When none shows, or it is still open at the deadline, the test fails and
// every modal window is closed (again and again until none is left), so that a test waiting for a
// modal dialog fails instead of hanging. The handler runs from the event loop, not from the watch,
// so a dialog the handler itself opens is watched as well.
class DialogwacheBasis : public QObject {
public:
    bool gezeigt() const { return m_gezeigt; }

protected:
    DialogwacheBasis(std::function<bool(QWidget*)> passt, std::function<void(QWidget*)> handle,
                     std::chrono::milliseconds frist);

private:
    void prüfe();
    QWidget* gesuchterDialog() const;

    std::function<bool(QWidget*)> m_passt;
    std::function<void(QWidget*)> m_handle;
    std::chrono::milliseconds m_frist;
    QElapsedTimer m_uhr;
    QTimer m_takt;
    QPointer<QWidget> m_dialog;
    bool m_gezeigt = false;
    bool m_versäumt = false;
};

// Dialogwache<QFileDialog> w([](QFileDialog* d) { ... }); the handler gets the first shown modal
// dialog of type T.
template <typename T>
class Dialogwache : public DialogwacheBasis {
public:
    explicit Dialogwache(std::function<void(T*)> handle,
                         std::chrono::milliseconds frist = std::chrono::seconds(20))
        : DialogwacheBasis([](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                           [handle = std::move(handle)](QWidget* w) { handle(static_cast<T*>(w)); }, frist)
    {
    }
};
