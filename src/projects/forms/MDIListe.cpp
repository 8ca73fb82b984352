#include "projects/forms/MDIListe.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Tastencodes.h"

MDIListe::MDIListe(Projektseite& seite, QWidget* parent)
    : Projektdialog(m_logik, 1260, 4600, parent), m_logik(seite)
{
    const int o = zustand().Sprachoffset;
    setObjectName(QStringLiteral("MDIListe"));
    SetzeGeometrie(SortierCombo2, 6600, 240, 2800, 315);
    SuchBox = new QLineEdit(this);
    SetzeGeometrie(SuchBox, 1200, 240, 3200, 315);
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

    rechtsVerankert({Wählen, Cancel});
    SuchBox->installEventFilter(this);
    connect(DataGrid1, &Projektgitter::Doppelklick, this, &QDialog::accept);
    connect(SuchBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_logik.Suchen(t); });
    connect(Wählen, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &MDIListe::abbrechen);

    richteEin({
                  {"Projekt Nr", 1261, 1000},
                  {"Projektart", 1262, 2000},
                  {"Projektbezeichnung", 1263, 4500},
                  {"Angebotsnummer", 1264, 2000},
                  {"Datum", 1265, 1000, Qt::AlignRight | Qt::AlignVCenter},
              },
              0);
}

MDIListe::~MDIListe()
{
    SuchBox->removeEventFilter(this);
    trenne();
}

void MDIListe::zeige()
{
    Projektdialog::zeige();
    Text1->setText(m_logik.AuswahlProjektNr);
}

void MDIListe::keyDown(int& KeyCode, int Shift)
{
    Projektdialog::keyDown(KeyCode, Shift);
    if (KeyCode == Tastencodes::Rechts && Shift == Tastencodes::UmschaltAlt) {
        KeyCode = 0;
        accept();
    }
}

void MDIListe::keyPress(int& KeyAscii)
{
    Projektdialog::keyPress(KeyAscii);
    if (KeyAscii == 13) {
        KeyAscii = 0;
        accept();
    } else if (KeyAscii == 27) {
        KeyAscii = 0;
        abbrechen();
    }
}

// The search box selects its whole text when it gets the focus; losing it clears the highlight.
bool MDIListe::eventFilter(QObject* o, QEvent* e)
{
    if (o == SuchBox && e->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(SuchBox, &QLineEdit::selectAll, Qt::QueuedConnection);
    else if (o == SuchBox && e->type() == QEvent::FocusOut)
        m_logik.FokusVerloren();
    return Projektdialog::eventFilter(o, e);
}

void MDIListe::abbrechen()
{
    m_logik.Abbrechen();
    reject();
}
