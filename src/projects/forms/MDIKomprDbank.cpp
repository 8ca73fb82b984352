#include "projects/forms/MDIKomprDbank.h"

#include <QApplication>
#include <QEvent>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "projects/Datenbankkomprimierung.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Fenstergroesse.h"

MDIKomprDbank::MDIKomprDbank(QWidget* parent, std::unique_ptr<Datenbankkomprimierung> komprimierung)
    : Arbeitsdialog(parent), m_komprimierung(std::move(komprimierung))
{
    setObjectName(QStringLiteral("MDIKomprDbank"));
    if (!m_komprimierung)
        m_komprimierung = std::make_unique<Datenbankkomprimierung>();
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(zustand().Sprachoffset + 1410));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, [this] { done(QDialog::Accepted); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Animation1);
    setFixedSize(Twips::zuPixel(5000), Twips::zuPixel(1200));
    Fenstergroesse::PlatzFürTitel(*this);
    ZentriereÜberHauptfenster(*this);
}

MDIKomprDbank::~MDIKomprDbank() = default;

void MDIKomprDbank::Arbeit()
{
    // The compaction is one blocking call: the wait pointer shows that the program works.
    Animation1->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_komprimiert = m_komprimierung->DatenbankKomprimieren();
    QApplication::restoreOverrideCursor();
    if (!m_komprimiert)
        Animation1->hide();
}

void MDIKomprDbank::ArbeitBeendet()
{
    StarteSchliessTimer();
}

void MDIKomprDbank::changeEvent(QEvent* e)
{
    Arbeitsdialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && Gestartet() && !InArbeit())
        StarteSchliessTimer();
}

void MDIKomprDbank::StarteSchliessTimer()
{
    Timer1->start();
}
