#include "projects/forms/MDISichern.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"
#include "base/forms/Fenstergroesse.h"

MDISichern::MDISichern(Projektseite& seite, QWidget* parent)
    : Projektdialog(m_logik, 1310, 4700, parent), m_logik(seite)
{
    const int o = zustand().Sprachoffset;
    setObjectName(QStringLiteral("MDISichern"));
    // Tab order: grid, sort box, Sichern, Abbruch, mark all.
    SetzeGeometrie(SortierCombo2, 8040, 240, 2800, 315);
    Save = new QPushButton(LadeText(o + 1322), this);
    SetzeGeometrie(Save, 6720, 3880, 1800, 400);
    Cancel = new QPushButton(LadeText(o + 1323), this);
    SetzeGeometrie(Cancel, 8760, 3880, 1800, 400);
    AllesMarkieren = new QPushButton(this);
    SetzeGeometrie(AllesMarkieren, 240, 3880, 2600, 400);
    Label2 = new QLabel(LadeText(o + 1311), this);
    SetzeGeometrie(Label2, 240, 270, 5000, 255);
    Label1 = new QLabel(LadeText(o + 1321), this);
    SetzeGeometrie(Label1, 6100, 270, 1900, 255);
    Label3 = new QLabel(this);
    SetzeGeometrie(Label3, 3000, 3950, 1500, 255);
    Animation1 = new QProgressBar(this);
    Animation1->setObjectName(QStringLiteral("Animation1"));
    Animation1->setRange(0, 0);
    Animation1->setTextVisible(false);
    Animation1->hide();
    SetzeGeometrie(Animation1, 4560, 3950, 1900, 255);

    // The mark-all button fits both its captions; what stands right of it moves along.
    const int breiter = Fenstergroesse::KnopfBreite(*AllesMarkieren, {LadeText(o + 1312), LadeText(o + 1313)})
                        - AllesMarkieren->width();
    if (breiter > 0) {
        AllesMarkieren->resize(AllesMarkieren->width() + breiter, AllesMarkieren->height());
        Label3->move(Label3->x() + breiter, Label3->y());
        // The progress bar gives up the room, so that it keeps clear of Sichern.
        Animation1->setGeometry(Animation1->x() + breiter, Animation1->y(),
                                std::max(Animation1->width() - breiter, Animation1->height()), Animation1->height());
    }
    rechtsVerankert({SortierCombo2, Label1, Save, Cancel});
    connect(&m_logik, &Projektsicherung::LaufGeaendert, Animation1, &QWidget::setVisible);
    connect(DataGrid1, &Projektgitter::Doppelklick, this, [this] { m_logik.SaveMarkeUmschalten(); });
    connect(DataGrid1, &Projektgitter::Leertaste, this, [this] { m_logik.SaveMarkeUmschalten(); });
    connect(Save, &QPushButton::clicked, this, [this] { m_logik.ProjekteSichernInDatei(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { m_logik.Abbrechen(); });
    connect(AllesMarkieren, &QPushButton::clicked, this, [this] { m_logik.AllesMarkieren(); });

    richteEin({
                  {"Projekt Nr", 1314, 1000},
                  {"Projektart", 1315, 2500},
                  {"Projektbezeichnung", 1316, 3850},
                  {"Angebotsnummer", 1317, 2000},
                  {"Datum", 1318, 1000, Qt::AlignRight | Qt::AlignVCenter},
                  {"Save", 1319, 500, Qt::AlignCenter},
              },
              4);
}

MDISichern::~MDISichern()
{
    trenne();
}

void MDISichern::zeige()
{
    Projektdialog::zeige();
    Label3->setText(m_logik.Label3());
    AllesMarkieren->setText(m_logik.AllesMarkierenCaption());
}

void MDISichern::keyDown(int& KeyCode, int Shift)
{
    Projektdialog::keyDown(KeyCode, Shift);
    if (KeyCode == Tastencodes::Rechts && Shift == Tastencodes::UmschaltAlt) {
        KeyCode = 0;
        close();
    }
}
