#include "projects/forms/MDISichern.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "data/Recordset.h"
#include "projects/forms/Projektgitter.h"
#include "shell/AllgFunktionen.h"
#include "shell/Programmzustand.h"
#include "shell/Tastencodes.h"
#include "shell/forms/Tastenvorschau.h"

MDISichern::MDISichern(Projektseite& seite, QWidget* parent) : QDialog(parent), m_logik(seite)
{
    const int o = zustand().Sprachoffset;
    setObjectName(QStringLiteral("MDISichern"));
    setWindowTitle(LadeText(o + 1310));
    PlatziereProjektdialog(this, 4700);

    // Created in tab order: grid, sort box, Sichern, Abbruch, mark all.
    DataGrid1 = new Projektgitter(this);
    SetzeGeometrie(DataGrid1, 240, 785, 11090 - 480, 2870);
    SortierCombo2 = new Sortierbox(this);
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

    DataGrid1->binde(m_logik.recordset(), {
        {"Projekt Nr", 1314, 1000},
        {"Projektart", 1315, 2500},
        {"Projektbezeichnung", 1316, 3850},
        {"Angebotsnummer", 1317, 2000},
        {"Datum", 1318, 1000, Qt::AlignRight | Qt::AlignVCenter},
        {"Save", 1319, 500, Qt::AlignCenter},
    });

    m_tabStop.Initialisierung(this, 4);
    m_tasten = new Tastenvorschau(this, [this](int& k, int s) { keyDown(k, s); },
                                  [this](int& a) { m_tabStop.keyPress(a); });

    connect(&m_logik, &Projektauswahl::Geaendert, this, &MDISichern::zeige);
    connect(&m_logik, &Projektsicherung::LaufGeaendert, this, [this](bool läuft) {
        Animation1->setVisible(läuft);
    });
    connect(&m_logik, &Projektsicherung::Geschlossen, this, [this] { QDialog::done(QDialog::Accepted); });
    connect(DataGrid1, &Projektgitter::ZeileGewaehlt, this,
            [this](int zeile) { m_logik.recordset()->GeheZu(zeile); });
    connect(DataGrid1, &Projektgitter::ZeigerUeberZeile, this, [this](int zeile) { m_logik.ZeigerÜberZeile(zeile); });
    connect(DataGrid1, &Projektgitter::Doppelklick, this, [this] { m_logik.SaveMarkeUmschalten(); });
    connect(DataGrid1, &Projektgitter::Leertaste, this, [this] { m_logik.SaveMarkeUmschalten(); });
    connect(DataGrid1, &Projektgitter::FokusGeaendert, this, [this](bool hat) {
        if (hat)
            m_logik.FokusErhalten();
        else
            m_logik.FokusVerloren();
    });
    connect(SortierCombo2, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_logik.Neusortieren(t); });
    connect(Save, &QPushButton::clicked, this, [this] { m_logik.ProjekteSichernInDatei(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { m_logik.Abbrechen(); });
    connect(AllesMarkieren, &QPushButton::clicked, this, [this] { m_logik.AllesMarkieren(); });

    m_logik.Laden();
    SortierCombo2->fülle(Projektauswahl::Sortiereinträge(), m_logik.Sortiertext());
    zeige();
}

MDISichern::~MDISichern() = default;

void MDISichern::zeige()
{
    DataGrid1->zeige(m_logik);
    Label3->setText(m_logik.Label3());
    AllesMarkieren->setText(m_logik.AllesMarkierenCaption());
}

void MDISichern::keyDown(int& KeyCode, int Shift)
{
    m_tabStop.ShiftTastenStatus(Shift);
    if (KeyCode == Tastencodes::Rechts && Shift == Tastencodes::UmschaltAlt) {
        KeyCode = 0;
        close();
    }
}

void MDISichern::done(int r)
{
    if (m_logik.geschlossen())
        QDialog::done(r);
    else
        m_logik.Schliessen();
}

void MDISichern::closeEvent(QCloseEvent* e)
{
    if (m_logik.geschlossen() || m_logik.Schliessen())
        e->accept();
    else
        e->ignore();
}
