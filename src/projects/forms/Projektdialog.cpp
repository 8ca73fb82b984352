#include "projects/forms/Projektdialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QScreen>

#include <algorithm>

#include "projects/Projektauswahl.h"
#include "data/Recordset.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Tastenvorschau.h"

namespace {

constexpr int Breite = 11200;  // twips

}  // namespace

void SetzeGeometrie(QWidget* w, int links, int oben, int breite, int höhe)
{
    w->setGeometry(Twips::zuPixel(links), Twips::zuPixel(oben), Twips::zuPixel(breite), Twips::zuPixel(höhe));
}

Projektdialog::Projektdialog(Projektauswahl& auswahl, int titelId, int höheTwips, QWidget* parent)
    : QDialog(parent), m_auswahl(auswahl)
{
    setWindowTitle(LadeText(zustand().Sprachoffset + titelId));
    const QString icon = QDir(zustand().Installationspfad).filePath(QStringLiteral("Kelvor.ico"));
    if (QFile::exists(icon))
        setWindowIcon(QIcon(icon));
    // 1400 twips below the main window's top, centred over it.
    setFixedSize(Twips::zuPixel(Breite), Twips::zuPixel(höheTwips));
    if (Hauptfenster* haupt = hauptfenster()) {
        const QRect h = haupt->Fensterwidget()->frameGeometry();
        move(h.left() + (h.width() - Twips::zuPixel(Breite)) / 2, h.top() + Twips::zuPixel(1400));
    }
    DataGrid1 = new Projektgitter(this);
    SetzeGeometrie(DataGrid1, 240, 785, Breite - 480, 2870);
    SortierCombo2 = new Sortierbox(this);
}

Projektdialog::~Projektdialog() = default;

void Projektdialog::richteEin(const std::vector<Projektgitter::Spalte>& spalten, int maxTabindex)
{
    DataGrid1->binde(m_auswahl.recordset(), spalten);
    passeBreiteAn();
    m_tabStop.Initialisierung(this, maxTabindex);
    m_tasten = new Tastenvorschau(this, [this](int& k, int s) { keyDown(k, s); },
                                  [this](int& a) { keyPress(a); });

    connect(&m_auswahl, &Projektauswahl::Geaendert, this, &Projektdialog::zeige);
    connect(&m_auswahl, &Projektauswahl::Geschlossen, this, [this] {
        if (!m_schliesst)
            QDialog::done(QDialog::Accepted);
    });
    connect(DataGrid1, &Projektgitter::ZeileGewaehlt, this,
            [this](int zeile) { m_auswahl.recordset()->GeheZu(zeile); });
    connect(DataGrid1, &Projektgitter::ZeigerUeberZeile, this,
            [this](int zeile) { m_auswahl.ZeigerÜberZeile(zeile); });
    connect(DataGrid1, &Projektgitter::FokusGeaendert, this, [this](bool hat) {
        if (hat)
            m_auswahl.FokusErhalten();
        else
            m_auswahl.FokusVerloren();
    });
    connect(SortierCombo2, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { m_auswahl.Neusortieren(t); });

    m_auswahl.Laden();
    SortierCombo2->fülle(Projektauswahl::Sortiereinträge(), m_auswahl.Sortiertext());
    zeige();
}

void Projektdialog::rechtsVerankert(std::initializer_list<QWidget*> steuerelemente)
{
    m_rechts.insert(m_rechts.end(), steuerelemente);
}

void Projektdialog::passeBreiteAn()
{
    int mehr = DataGrid1->benötigteBreite() - DataGrid1->width();
    if (QScreen* s = screen()) {
        // On a narrow screen the columns first give up what their contents do not need.
        const int platz = std::max(0, s->availableGeometry().width() - width());
        if (mehr > platz) {
            DataGrid1->gibPlatzAb(mehr - platz);
            mehr = std::min(DataGrid1->benötigteBreite() - DataGrid1->width(), platz);
        }
    }
    if (mehr <= 0)
        return;
    setFixedSize(width() + mehr, height());
    DataGrid1->resize(DataGrid1->width() + mehr, DataGrid1->height());
    for (QWidget* w : m_rechts)
        w->move(w->x() + mehr, w->y());
    // Still centred over the main window, and on the screen.
    int links = x() - mehr / 2;
    if (QScreen* s = screen()) {
        const QRect bereich = s->availableGeometry();
        links = std::max(bereich.left(), std::min(links, bereich.left() + bereich.width() - width()));
    }
    move(links, y());
}

void Projektdialog::trenne()
{
    for (QObject* o : children())
        disconnect(o, nullptr, this, nullptr);
    disconnect(&m_auswahl, nullptr, this, nullptr);
}

void Projektdialog::zeige()
{
    DataGrid1->zeige(m_auswahl);
}

void Projektdialog::keyDown(int&, int Shift)
{
    m_tabStop.ShiftTastenStatus(Shift);
}

void Projektdialog::keyPress(int& KeyAscii)
{
    m_tabStop.keyPress(KeyAscii);
}

void Projektdialog::done(int r)
{
    m_schliesst = true;
    const bool zu = m_auswahl.Schliessen();
    m_schliesst = false;
    if (zu)
        QDialog::done(r);
}

void Projektdialog::closeEvent(QCloseEvent* e)
{
    if (!m_auswahl.Schliessen()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}
