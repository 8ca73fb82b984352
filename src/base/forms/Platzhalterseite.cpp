#include "base/forms/Platzhalterseite.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"

Platzhalterseite::Platzhalterseite(const QString& titel, int art, QWidget* parent)
    : Seitenform(parent), m_layout(new QVBoxLayout(this)), m_projekt(new QLabel(this)),
      m_mitDatenobjekt((art & Entwurfsseite) != 0)
{
    m_automatiklauf = (art & Automatiklauf) != 0;
    auto* kopf = new QLabel(titel, this);
    kopf->setObjectName(QStringLiteral("Titel"));
    QFont f = kopf->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    kopf->setFont(f);
    m_projekt->setObjectName(QStringLiteral("Projekt"));
    m_layout->addWidget(kopf);
    m_layout->addWidget(m_projekt);
    m_layout->addStretch();
}

QPushButton* Platzhalterseite::Knopf(const QString& text, const std::function<void()>& aktion)
{
    auto* k = new QPushButton(text, this);
    connect(k, &QPushButton::clicked, this, aktion);
    m_layout->insertWidget(m_layout->count() - 1, k, 0, Qt::AlignLeft);
    return k;
}

QString Platzhalterseite::Projektzeile() const
{
    return m_projekt->text();
}

void Platzhalterseite::FormLoad()
{
    const Programmzustand& z = zustand();
    m_projekt->setText(LadeText(z.Sprachoffset + 60) + QLatin1Char(' ') + z.aktProjektnummer.trimmed() + QLatin1Char(' ')
                       + z.aktProjektBezeichnung.trimmed());
    if (m_mitDatenobjekt)
        HalteDatenobjekt(mdi().Datenobjekt(z.Projektart));
}

void Platzhalterseite::FormActivate()
{
    if (m_automatiklauf)
        mdi().AutomatischerBilderwechselWennErforderlich();
}

bool Platzhalterseite::eventFilter(QObject* o, QEvent* e)
{
    if (o == parentWidget() && e->type() == QEvent::Resize)
        füllen();
    return Seitenform::eventFilter(o, e);
}

void Platzhalterseite::showEvent(QShowEvent* e)
{
    if (QWidget* eltern = parentWidget()) {
        eltern->removeEventFilter(this);
        eltern->installEventFilter(this);
        füllen();
    }
    Seitenform::showEvent(e);
}

void Platzhalterseite::füllen()
{
    // The stand-in fills the client area it is shown in, unless the automatic run hid it (size 0).
    if (parentWidget() && !size().isEmpty())
        resize(parentWidget()->size());
}
