#include "data/forms/KelvorForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include "data/Projektdatenbankpruefung.h"
#include "data/forms/KelvorForm1a.h"
#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"

namespace {

const QString Bildtyp = QStringLiteral("DEUTSCHLAND");

QLabel* bildLabel(QWidget* eltern, const char* name, const QPoint& ort)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->move(ort);
    return l;
}

void setzeBild(QLabel* l, int id)
{
    l->setPixmap(QPixmap::fromImage(LadeBildAusRessource(id, Bildtyp)));
    l->adjustSize();
}

QLabel* textLabel(QWidget* eltern, int index, const QRect& ort, double schriftfaktor, bool fett)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QStringLiteral("DeckblattLabel%1").arg(index));
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * schriftfaktor);
    f.setBold(fett);
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(ort);
    return l;
}

}  // namespace

KelvorForm1::KelvorForm1(QWidget* parent) : Seitenform(parent)
{
    setObjectName(QStringLiteral("KelvorForm1"));
    // The size of the cover picture.
    setFixedSize(735, 465);
    Image5 = bildLabel(this, "Image5", QPoint(350, 24));
    Image1 = bildLabel(this, "Image1", QPoint(24, 200));
    DeckblattLabel[0] = textLabel(this, 0, QRect(350, 96, 370, 90), 1.6, true);
    DeckblattLabel[1] = textLabel(this, 1, QRect(350, 300, 370, 24), 1.1, true);
    DeckblattLabel[2] = textLabel(this, 2, QRect(350, 326, 370, 130), 1.0, false);

    m_prüfung = std::make_shared<Projektdatenbankprüfung>(
        [] { return std::unique_ptr<Fortschrittsfenster>(new KelvorForm1a(hauptfenster() ? hauptfenster()->Fensterwidget() : nullptr)); });
    m_prüfung->sanduhr = [](bool an) {
        if (an)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
}

KelvorForm1::~KelvorForm1() = default;

bool KelvorForm1::beschäftigt() const
{
    return m_prüfung->beschäftigt();
}

void KelvorForm1::FormLoad()
{
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    const int land = z.Länderoffset;
    m_bild = LadeBildAusRessource(50, Bildtyp);
    setzeBild(Image5, 53);
    setzeBild(Image1, 60);
    DeckblattLabel[0]->setText(LadeText(o + 230));
    DeckblattLabel[1]->setText(LadeText(o + 3001 + land));
    QStringList adresse;
    for (int id : {3002, 3003})
        adresse << LadeText(o + id + land);
    adresse << QString();
    for (int id : {3004, 3005, 3006, 3007})
        adresse << LadeText(o + id + land);
    DeckblattLabel[2]->setText(adresse.join(QStringLiteral("\r\n")));
    // The status panels stay collapsed while the page checks.
    if (Hauptfenster* haupt = hauptfenster())
        haupt->StatusBarAktiv(0);
}

void KelvorForm1::paintEvent(QPaintEvent* e)
{
    if (!m_bild.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_bild);
    }
    Seitenform::paintEvent(e);
}

void KelvorForm1::FormActivate()
{
    if (m_prüfung->läuft())
        return;
    Hauptfenster& h = mdi();
    // Weiter would unload the page in the middle of its check: it comes back at the end.
    h.ResetVisibleKommandoButtons(0, 0, 1);
    const std::shared_ptr<Projektdatenbankprüfung> prüfung = m_prüfung;
    const QPointer<KelvorForm1> selbst(this);
    const Projektdatenbankprüfung::Ende ende = prüfung->Prüfen();
    if (!selbst || istEntladen() || ende == Projektdatenbankprüfung::Ende::LäuftBereits)
        return;
    if (ende == Projektdatenbankprüfung::Ende::Weiter) {
        h.FreigebenMenue();
        h.Kommando(1, 0, 1);
        h.AutomatischerBilderwechselWennErforderlich();
    } else {
        h.Beenden();
    }
}

void KelvorForm1::FormUnload()
{
    if (Hauptfenster* haupt = hauptfenster())
        haupt->SetzeStatusPanelText(1, QString());
}

void KelvorForm1::closeEvent(QCloseEvent* e)
{
    // Neither the page nor the program closes while the database is built, converted or read.
    if (m_prüfung->beschäftigt()) {
        e->ignore();
        return;
    }
    e->accept();
}
