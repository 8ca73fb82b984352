#include "support/ModalSchliesser.h"

#include <QApplication>
#include <QEvent>

ModalSchliesser::ModalSchliesser(std::function<void(QWidget*)> beimÖffnen) : m_beimÖffnen(std::move(beimÖffnen))
{
    qApp->installEventFilter(this);
    connect(&m_uhr, &QTimer::timeout, this, &ModalSchliesser::schließen);
    m_uhr.start(5);
}

ModalSchliesser::~ModalSchliesser()
{
    qApp->removeEventFilter(this);
}

bool ModalSchliesser::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Show && o->isWidgetType()) {
        auto* w = static_cast<QWidget*>(o);
        if (w->isWindow() && w->windowModality() != Qt::NonModal) {
            geöffnet << w->objectName();
            if (m_beimÖffnen)
                m_beimÖffnen(w);
        }
    }
    return false;
}

void ModalSchliesser::schließen()
{
    if (QWidget* dialog = QApplication::activeModalWidget())
        dialog->close();
}
