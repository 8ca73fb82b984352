#include "support/Dialogwache.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

namespace {
bool offenesModal(const QWidget* w)
{
    return w->isWindow() && w->isVisible() && w->windowModality() != Qt::NonModal;
}
}  // namespace

DialogwacheBasis::DialogwacheBasis(std::function<bool(QWidget*)> passt, std::function<void(QWidget*)> handle,
                                   std::chrono::milliseconds frist)
    : m_passt(std::move(passt)), m_handle(std::move(handle)), m_frist(frist)
{
    m_uhr.start();
    connect(&m_takt, &QTimer::timeout, this, &DialogwacheBasis::prüfe);
    m_takt.start(10);
}

// The active modal widget first, else any shown modal window (the offscreen platform may not
// have activated it yet).
QWidget* DialogwacheBasis::gesuchterDialog() const
{
    if (QWidget* w = QApplication::activeModalWidget(); w && m_passt(w))
        return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (offenesModal(w) && m_passt(w))
            return w;
    return nullptr;
}

void DialogwacheBasis::prüfe()
{
    if (m_versäumt) {
        // Closes what is left; a dialog refusing close() still goes with reject().
        bool offen = false;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!offenesModal(w))
                continue;
            offen = true;
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
        }
        if (!offen)
            m_takt.stop();
        return;
    }
    if (!m_gezeigt) {
        if (QWidget* d = gesuchterDialog()) {
            m_gezeigt = true;
            m_dialog = d;
            QTimer::singleShot(0, d, [handle = m_handle, d] { handle(d); });
            return;
        }
    } else if (!m_dialog || !m_dialog->isVisible()) {
        m_takt.stop();
        return;
    }
    if (m_uhr.elapsed() > m_frist.count()) {
        m_versäumt = true;
        ADD_FAILURE() << (m_gezeigt ? "the dialog is still open after " : "no dialog within ")
                      << m_frist.count() << " ms";
        prüfe();
    }
}
