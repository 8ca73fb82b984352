#include "projects/forms/KelvorForm3.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "shell/Programmzustand.h"

KelvorForm3::KelvorForm3() : Platzhalterseite(QStringLiteral("Projektverwaltung"), Automatiklauf), m_nummer(new QLineEdit(this))
{
    m_nummer->setObjectName(QStringLiteral("Projektnummer"));
    m_nummer->setText(zustand().aktProjektnummer.trimmed());
    m_layout->insertWidget(m_layout->count() - 1, m_nummer, 0, Qt::AlignLeft);
    connect(m_nummer, &QLineEdit::textEdited, this, [](const QString& text) {
        Programmzustand& z = zustand();
        z.aktProjektnummer = text.isEmpty() ? QStringLiteral(" ") : text;
        z.Projektart = text.isEmpty() ? QStringLiteral(" ") : z.ProjektartNeuanlage;
    });
}
