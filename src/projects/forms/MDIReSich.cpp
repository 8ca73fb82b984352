#include "projects/forms/MDIReSich.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"

MDIReSich::MDIReSich(QWidget* parent) : Arbeitsdialog(parent)
{
    setObjectName(QStringLiteral("MDIReSich"));
    const int o = zustand().Sprachoffset;
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(o + 1280));
    LabelInfo = new QLabel(this);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelProjNr = new QLabel(this);
    LabelProjNr->setObjectName(QStringLiteral("LabelProjNr"));
    LabelProjNr->hide();
    CancelButton = new QPushButton(LadeText(o + 1283), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &MDIReSich::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Animation1);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(LabelInfo);
    zeile->addWidget(LabelProjNr, 1);
    layout->addLayout(zeile);
    layout->addWidget(CancelButton, 0, Qt::AlignRight);
    setFixedSize(Twips::zuPixel(6000), Twips::zuPixel(1900));
    ZentriereÜberHauptfenster(*this);
}

void MDIReSich::Arbeit()
{
    m_vorgang.ProjekteEinlesenAusDatei(this);
}

void MDIReSich::SchreibeProjektNr(const QString& text)
{
    LabelProjNr->setText(text);
}

void MDIReSich::LesenBeginnt()
{
    Animation1->show();
    LabelInfo->setText(LadeText(zustand().Sprachoffset + 1281));
    LabelProjNr->setText(QString());
    LabelProjNr->show();
}

void MDIReSich::LesenEndet()
{
    LabelProjNr->hide();
    Animation1->hide();
}

void MDIReSich::reject()
{
    Arbeitsdialog::reject();
    m_vorgang.Abbrechen();
}
