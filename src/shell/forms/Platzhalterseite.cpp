#include "shell/forms/Platzhalterseite.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

Platzhalterseite::Platzhalterseite(int status, const QString& titel, const QString& text, QWidget* parent)
    : QWidget(parent), m_status(status), m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("Seite%1").arg(status));
    auto* kopf = new QLabel(titel, this);
    QFont f = kopf->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    kopf->setFont(f);
    auto* inhalt = new QLabel(text, this);
    inhalt->setWordWrap(true);
    m_layout->addWidget(kopf);
    m_layout->addWidget(inhalt);
    m_layout->addStretch();
}

QPushButton* Platzhalterseite::Knopf(const QString& text, const std::function<void()>& aktion)
{
    auto* k = new QPushButton(text, this);
    connect(k, &QPushButton::clicked, this, aktion);
    m_layout->insertWidget(m_layout->count() - 1, k, 0, Qt::AlignLeft);
    return k;
}

void Platzhalterseite::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_gezeigt || !beimErstenZeigen)
        return;
    m_gezeigt = true;
    QTimer::singleShot(0, this, [this] { beimErstenZeigen(); });
}
