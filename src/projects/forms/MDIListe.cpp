#include "projects/forms/MDIListe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/Recordset.h"
#include "projects/Projektseite.h"
#include "projects/forms/Projektgitter.h"
#include "shell/AllgFunktionen.h"
#include "shell/Programmzustand.h"
#include "shell/Tastencodes.h"
#include "shell/forms/Tastenvorschau.h"

MDIListe::MDIListe(Projektseite& seite, QWidget* parent) : QDialog(parent), m_logik(seite)
{
    const int o = zustand().Sprachoffset;
    setObjectName(QStringLiteral("MDIListe"));
    setWindowTitle(LadeText(o + 1260));
    PlatziereProjektdialog(this, 4600);

    // Created in tab order.
    DataGrid1 = new Projektgitter(this);
    SetzeGeometrie(DataGrid1, 240, 785, 11080 - 480, 2870);
    SuchBox = new QLineEdit(this);
    SetzeGeometrie(SuchBox, 1200, 240, 3200, 315);
    SortierCombo2 = new Sortierbox(this);
    SetzeGeometrie(SortierCombo2, 6600, 240, 2800, 315);
    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    SetzeGeometrie(Text1, 240, 3840, 1600, 315);
    Wählen = new QPushButton(LadeText(o + 1269), this);
    SetzeGeometrie(Wählen, 6720, 3800, 1800, 400);
    Cancel = new QPushButton(LadeText(o + 1270), this);
    SetzeGeometrie(Cancel, 8760, 3800, 1800, 400);
    Label2 = new QLabel(LadeText(o + 1267), this);
    SetzeGeometrie(Label2, 240, 270, 900, 255);
    Label1 = new QLabel(LadeText(o + 1268), this);
    SetzeGeometrie(Label1, 4700, 270, 1800, 255);

    DataGrid1->binde(m_logik.recordset(), {
        {"Projekt Nr", 1261, 1000},
        {"Projektart", 1262, 2000},
        {"Projektbezeichnung", 1263, 4500},
        {"Angebotsnummer", 1264, 2000},
        {"Datum", 1265, 1000, Qt::AlignRight | Qt::AlignVCenter},
    });

    m_tabStop.Initialisierung(this, 0);
    m_tasten = new Tastenvorschau(this, [this](int& k, int s) { keyDown(k, s); },
                                  [this](int& a) { keyPress(a); });

    connect(&m_logik, &Projektauswahl::Geaendert, this, &MDIListe::zeige);
    connect(DataGrid1, &Projektgitter::ZeileGewaehlt, this,
            [this](int zeile) { m_logik.recordset()->GeheZu(zeile); });
    connect(DataGrid1, &Projektgitter::ZeigerUeberZeile, this, [this](int zeile) { m_logik.ZeigerÜberZeile(zeile); });
    connect(DataGrid1, &Projektgitter::Doppelklick, this, &QDialog::accept);
    connect(DataGrid1, &Projektgitter::FokusGeaendert, this, [this](bool hat) {
        if (hat)
            m_logik.FokusErhalten();
        else
            m_logik.FokusVerloren();
    });
    connect(SuchBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_logik.Suchen(t); });
    connect(SortierCombo2, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_logik.Neusortieren(t); });
    connect(Wählen, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &MDIListe::abbrechen);

    m_logik.Laden();
    SortierCombo2->fülle(Projektauswahl::Sortiereinträge(), m_logik.Sortiertext());
    zeige();
}

MDIListe::~MDIListe() = default;

void MDIListe::zeige()
{
    DataGrid1->zeige(m_logik);
    Text1->setText(m_logik.AuswahlProjektNr);
}

void MDIListe::keyDown(int& KeyCode, int Shift)
{
    m_tabStop.ShiftTastenStatus(Shift);
    if (KeyCode == Tastencodes::Rechts && Shift == Tastencodes::UmschaltAlt) {
        KeyCode = 0;
        accept();
    }
}

void MDIListe::keyPress(int& KeyAscii)
{
    m_tabStop.keyPress(KeyAscii);
    if (KeyAscii == 13) {
        KeyAscii = 0;
        accept();
    } else if (KeyAscii == 27) {
        KeyAscii = 0;
        abbrechen();
    }
}

void MDIListe::abbrechen()
{
    m_logik.Abbrechen();
    reject();
}

void MDIListe::done(int r)
{
    m_logik.Schliessen();
    QDialog::done(r);
}

void MDIListe::closeEvent(QCloseEvent* e)
{
    m_logik.Schliessen();
    QDialog::closeEvent(e);
}
