#include "projects/forms/LadenArtDat.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "projects/ArtikeldatenEinlesen.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"

LadenArtDat::LadenArtDat(QWidget* parent) : Arbeitsdialog(parent)
{
    setObjectName(QStringLiteral("LadenArtDat"));
    const int o = zustand().Sprachoffset;
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(o + 1250));
    OKButton = new QPushButton(LadeText(o + 1252), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(LadeText(o + 1251), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(CancelButton, &QPushButton::clicked, this, &LadenArtDat::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch();
    knöpfe->addWidget(OKButton);
    knöpfe->addWidget(CancelButton);
    layout->addLayout(knöpfe);
    setFixedSize(Twips::zuPixel(4800), Twips::zuPixel(1500));
    if (Hauptfenster* haupt = hauptfenster())
        move(haupt->Fensterwidget()->pos() + QPoint(Twips::zuPixel(1500), Twips::zuPixel(1500)));
}

void LadenArtDat::Arbeit()
{
    ArtikeldatenEinlesen();
}
