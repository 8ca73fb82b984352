#include "design/solar/forms/Form600c.h"

#include <QHeaderView>
#include <QStyle>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

#include "data/Adodc.h"
#include "data/Kennwort.h"
#include "data/RecordsetModell.h"
#include "data/datenbank.h"
#include "design/solar/GlobDatenSolar.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form600a.h"
#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/BoundWidgets.h"

namespace {

constexpr int Breite = 7500;                          // twips
constexpr int HöheKlein = 3950, HöheGroß = 5490;     // without and with the list
constexpr int WeiterObenKlein = 2760, WeiterObenGroß = 4320;
constexpr int GitterLinks = 240, GitterOben = 2760, GitterHöhe = 1200;

int px(int twips)
{
    return Twips::zuPixel(twips);
}

}  // namespace

Form600c::Form600c(QWidget* parent) : Inhaltsdialog(1150, parent)
{
    setObjectName(QStringLiteral("Form600c"));
    const int o = zustand().Sprachoffset;
    m_daten = zustand().g_solardat;

    for (int i = 0; i < 4; ++i) {
        const int y = 300 + i * 480;
        Beschriftung(QStringLiteral("Label1"), i, LadeText(o + 1151 + i), 240, y + 15, 3200);
        Text0[i] = Eingabe(QStringLiteral("Text0"), i, 3500, y, 500);
        Beschriftung(QStringLiteral("Label0"), i, LadeText(o + 87), 4050, y + 15, 600);
        Text1[i] = Eingabe(QStringLiteral("Text1"), i, 4750, y, 700);
        Beschriftung(QStringLiteral("Label2"), i, LadeText(o + 81), 5500, y + 15, 600);
        Text0[i]->setMaxLength(4);
        Text1[i]->setMaxLength(4);
    }
    const int ySumme = 300 + 4 * 480 + 60;
    Beschriftung(QStringLiteral("Label3"), -1, LadeText(o + 1155), 240, ySumme + 15, 4400);
    SummeWärmetauscher = new QLineEdit(this);
    SummeWärmetauscher->setObjectName(QStringLiteral("SummeWärmetauscher"));
    SummeWärmetauscher->setGeometry(px(4750), px(ySumme), px(700), px(315));
    SummeWärmetauscher->setAlignment(Qt::AlignRight);
    SummeWärmetauscher->setMaxLength(6);
    SummeWärmetauscher->setEnabled(false);
    SummeWärmetauscher->setFocusPolicy(Qt::NoFocus);
    Beschriftung(QStringLiteral("Label2"), 4, LadeText(o + 81), 5500, ySumme + 15, 600);

    InfoSolarspeicherButton = Bildknopf(QStringLiteral("InfoSolarspeicherButton"), 240, WeiterObenKlein);
    InfoSolarspeicherButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    InfoSolarspeicherButton->setToolTip(LadeText(o + 1156));
    WeiterCommand = Bildknopf(QStringLiteral("WeiterCommand"), Breite - 800, WeiterObenKlein);
    WeiterCommand->setToolTip(LadeText(o + 72));
    connect(WeiterCommand, &QToolButton::clicked, this, &Inhaltsdialog::Weiter);
    connect(InfoSolarspeicherButton, &QToolButton::clicked, this, &Form600c::InfoSolarspeicherButton_Click);

    DataGrid1 = new QTableView(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->verticalHeader()->hide();
    DataGrid1->verticalHeader()->setDefaultSectionSize(px(250));
    DataGrid1->setShowGrid(false);
    DataGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DataGrid1->hide();
    m_modell = new RecordsetModell(this);
    DataGrid1->setModel(m_modell);
    AdodcSolarWT = new Adodc(this);
    connect(AdodcSolarWT, &Adodc::RecordsetGesetzt, this, [this] { m_modell->setzeRecordset(AdodcSolarWT->recordset()); });

    for (int i = 0; i < 4; ++i) {
        setTabOrder(Text0[i], Text1[i]);
        setTabOrder(Text1[i], i < 3 ? static_cast<QWidget*>(Text0[i + 1]) : InfoSolarspeicherButton);
    }
    setTabOrder(InfoSolarspeicherButton, WeiterCommand);

    if (m_daten) {
        GlobDatenSolar& d = *m_daten;
        m_anzahl = {&d.m_AnzSolarWT_1, &d.m_AnzSolarWT_2, &d.m_AnzSolarWT_3, &d.m_AnzSolarWT_4};
        m_inhalt = {&d.m_VolSolarWT_1, &d.m_VolSolarWT_2, &d.m_VolSolarWT_3, &d.m_VolSolarWT_4};
        for (int i = 0; i < 4; ++i) {
            m_anzahl[i]->BindTextBox(Steuerelement(Text0[i]), QStringLiteral("#0"), 0, 10);
            m_inhalt[i]->BindTextBox(Steuerelement(Text1[i]), QStringLiteral("#0.0"), 0, 99.9);
        }
        // The stored total as it is, not recomputed.
        SummeWärmetauscher->setText(d.m_VolSolarWTGes.Text());
        for (int i = 0; i < 4; ++i) {
            m_anzahl[i]->GlobDatenInTextBox();
            m_inhalt[i]->GlobDatenInTextBox();
        }
    }
    Einrichten(Breite, HöheKlein);
    m_infoAngezeigt = false;
    ZeigeInfoSolarspeicher(false);
    Text0[0]->setFocus();
}

Form600c::~Form600c()
{
    entladenEinmal();
}

bool Form600c::Prüfen(QLineEdit* box)
{
    for (int i = 0; i < 4; ++i) {
        if (box == Text0[i])
            return Text0_Validate(i);
        if (box == Text1[i])
            return Text1_Validate(i);
    }
    return false;
}

bool Form600c::Text0_Validate(int Index)
{
    if (!m_daten || Index < 0 || Index > 3)
        return false;
    // A kind without units has no content.
    bool ok = false;
    const double anzahl = Zahlen::TextZuZahl(Text0[Index]->text(), &ok);
    if (ok && Zahlen::CLng(anzahl) == 0) {
        Text1[Index]->setText(QStringLiteral("0"));
        Text1_Validate(Index);
    }
    const bool Cancel = m_anzahl[Index]->TextBoxInGlobDaten();
    zeigeSumme();
    return Cancel;
}

bool Form600c::Text1_Validate(int Index)
{
    if (!m_daten || Index < 0 || Index > 3)
        return false;
    const bool Cancel = m_inhalt[Index]->TextBoxInGlobDaten();
    zeigeSumme();
    return Cancel;
}

void Form600c::zeigeSumme()
{
    m_daten->m_VolSolarWTGes.m_Value = m_daten->Sum_Vol_Wärmetauscher();
    m_daten->m_VolSolarWTGes.GlobDatenInTextBox();
    SummeWärmetauscher->setText(m_daten->m_VolSolarWTGes.Text());
}

void Form600c::InfoSolarspeicherButton_Click()
{
    m_infoAngezeigt = !m_infoAngezeigt;
    ZeigeInfoSolarspeicher(m_infoAngezeigt);
}

void Form600c::ZeigeInfoSolarspeicher(bool anzeigen)
{
    if (anzeigen) {
        infoFreigeben();
        m_infoDB = std::make_unique<datenbank>();
        const QString sql = QStringLiteral("SELECT [") + SpalteBezeichnungWT
            + QStringLiteral("],[Nenninhalt] FROM [Solarwärmetauscher] ORDER BY [Sortierung]");
        if (m_infoDB->OpenTab(zustand().Artikel_Data_Source, sql, 3, Kennwort::Artikeldatenbank, true) == 0) {
            DataGrid1->setGeometry(px(GitterLinks), px(GitterOben), width() - 2 * px(GitterLinks), px(GitterHöhe));
            const int o = zustand().Sprachoffset;
            RecordsetModell::Spalte bezeichnung, inhalt;
            bezeichnung.feld = SpalteBezeichnungWT;
            bezeichnung.titel = LadeText(o + 1156);
            inhalt.feld = QStringLiteral("Nenninhalt");
            inhalt.titel = LadeText(o + 1157);
            m_modell->setzeSpalten({bezeichnung, inhalt});
            m_infoDB->BindAdodc(AdodcSolarWT);
            SpalteEinstellen(SpalteBezeichnungWT, 5000);
            SpalteEinstellen(QStringLiteral("Nenninhalt"), 1570);
            // The last column takes the rest of the grid, so that its heading is not cut.
            DataGrid1->horizontalHeader()->setStretchLastSection(true);
            DataGrid1->show();
        }
        WeiterCommand->move(WeiterCommand->x(), px(WeiterObenGroß));
        InfoSolarspeicherButton->move(InfoSolarspeicherButton->x(), px(WeiterObenGroß));
        setFixedSize(width(), px(HöheGroß));
    } else {
        DataGrid1->hide();
        infoFreigeben();
        WeiterCommand->move(WeiterCommand->x(), px(WeiterObenKlein));
        InfoSolarspeicherButton->move(InfoSolarspeicherButton->x(), px(WeiterObenKlein));
        setFixedSize(width(), px(HöheKlein));
    }
}

void Form600c::SpalteEinstellen(const QString& feld, int breite)
{
    const QList<RecordsetModell::Spalte>& s = m_modell->spalten();
    for (int i = 0; i < s.size(); ++i)
        if (s[i].feld == feld)
            DataGrid1->setColumnWidth(i, px(breite));
}

void Form600c::infoFreigeben()
{
    if (!m_infoDB)
        return;
    m_infoDB->UnbindAdodc();
    m_modell->setzeRecordset(nullptr);
    m_infoDB.reset();
}

void Form600c::Entladen()
{
    if (!m_daten)
        return;
    if (Form600* seite = Form600::fenster600())
        if (auto* inhalt = qobject_cast<Form600a*>(seite->modaleForm.data()))
            inhalt->InhaltSolarwärmetauscher->setEnabled(!(m_daten->Sum_Vol_Wärmetauscher() > 0));
    for (int i = 0; i < 4; ++i) {
        m_anzahl[i]->UnBindTextBox();
        m_inhalt[i]->UnBindTextBox();
    }
    infoFreigeben();
    m_daten.reset();
}
