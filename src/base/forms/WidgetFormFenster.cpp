#include "base/forms/WidgetFormFenster.h"

#include <QPointer>
#include <QWidget>

namespace {

constexpr int twipsProPixel = 15;

class WidgetFormFenster : public FormFenster {
public:
    explicit WidgetFormFenster(QWidget* w) : m_w(w)
    {
        if (w->isWindow() && !(w->windowFlags() & Qt::FramelessWindowHint))
            m_stil |= WS_CAPTION;
        if (w->minimumSize() != w->maximumSize())
            m_stil |= WS_THICKFRAME;
    }
    int32_t Height() const override { return m_w ? m_w->height() * twipsProPixel : 0; }
    int32_t Width() const override { return m_w ? m_w->width() * twipsProPixel : 0; }
    void SetHeight(int32_t twips) override
    {
        if (m_w)
            setzeGrösse(m_w->width(), twips / twipsProPixel);
    }
    void SetWidth(int32_t twips) override
    {
        if (m_w)
            setzeGrösse(twips / twipsProPixel, m_w->height());
    }
    int32_t Fensterstil() const override { return m_stil; }
    void SetFensterstil(int32_t stil) override { m_stil = stil; }

private:
    void setzeGrösse(int breite, int höhe)
    {
        m_w->resize(breite, höhe);
        if (breite <= 0 || höhe <= 0) {
            if (!m_w->isHidden()) {
                m_wiederZeigen = true;
                m_w->hide();
            }
        } else if (m_wiederZeigen) {
            m_wiederZeigen = false;
            m_w->show();
        }
    }

    QPointer<QWidget> m_w;
    int32_t m_stil = 0;
    bool m_wiederZeigen = false;
};

}  // namespace

std::shared_ptr<FormFenster> Formfenster(QWidget* seite)
{
    return std::make_shared<WidgetFormFenster>(seite);
}
