#include "projects/forms/Arbeitsdialog.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QTimer>

Arbeitsdialog::Arbeitsdialog(QWidget* parent) : QDialog(parent)
{
    Animation1 = new QProgressBar(this);
    Animation1->setObjectName(QStringLiteral("Animation1"));
    Animation1->setRange(0, 0);
    Animation1->setTextVisible(false);
    Animation1->hide();
}

void Arbeitsdialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!m_gestartet) {
        m_gestartet = true;
        QTimer::singleShot(0, this, &Arbeitsdialog::starten);
    }
}

void Arbeitsdialog::starten()
{
    m_inArbeit = true;
    Arbeit();
    m_inArbeit = false;
    ArbeitBeendet();
}

void Arbeitsdialog::ArbeitBeendet()
{
    done(QDialog::Accepted);
}

void Arbeitsdialog::closeEvent(QCloseEvent* e)
{
    if (m_inArbeit) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void Arbeitsdialog::reject()
{
    if (!m_inArbeit)
        QDialog::reject();
}
