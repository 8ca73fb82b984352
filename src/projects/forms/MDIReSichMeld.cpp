#include "projects/forms/MDIReSichMeld.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "projects/forms/Arbeitsdialog.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Fenstergroesse.h"

MDIReSichMeld::MDIReSichMeld(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MDIReSichMeld"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto knopf = [this](const char* name, int antwort) {
        auto* k = new QPushButton(this);
        k->setObjectName(QString::fromUtf8(name));
        connect(k, &QPushButton::clicked, this, [this, antwort] { Antworten(antwort); });
        return k;
    };
    // From left to right.
    WeiterButton = knopf("WeiterButton", KonfliktAntwort::Weiter);
    ÜberschreibenButton = knopf("UeberschreibenButton", KonfliktAntwort::Überschreiben);
    AlleÜberschreibenButton = knopf("AlleUeberschreibenButton", KonfliktAntwort::AlleÜberschreiben);
    CancelButton = knopf("CancelButton", KonfliktAntwort::Abbrechen);
    WeiterButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    auto* knöpfe = new QHBoxLayout;
    for (QPushButton* k : {WeiterButton, ÜberschreibenButton, AlleÜberschreibenButton, CancelButton})
        knöpfe->addWidget(k);
    layout->addLayout(knöpfe);
    Laden(m_projNr);
}

void MDIReSichMeld::Laden(const QString& projNr)
{
    m_projNr = projNr;
    const int o = zustand().Sprachoffset;
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(o + 1290));
    Label1->setText(FormatText(LadeText(o + 1291), projNr));
    WeiterButton->setText(LadeText(o + 1293));
    ÜberschreibenButton->setText(LadeText(o + 1294));
    AlleÜberschreibenButton->setText(LadeText(o + 1295));
    CancelButton->setText(LadeText(o + 1296));
    for (QPushButton* k : {WeiterButton, ÜberschreibenButton, AlleÜberschreibenButton, CancelButton})
        k->setMinimumWidth(Fenstergroesse::KnopfBreite(*k));
    adjustSize();
    Fenstergroesse::PlatzFürTitel(*this);
    ZentriereÜberHauptfenster(*this);
}

int MDIReSichMeld::ShowFormular(const QString& projNr)
{
    m_antwort = KonfliktAntwort::Abbrechen;
    Laden(projNr);
    exec();
    return m_antwort;
}

// Esc and the close box end the dialog with the preset answer (Abbrechen).
void MDIReSichMeld::Antworten(int antwort)
{
    m_antwort = antwort;
    accept();
}
