#include "data/forms/KelvorForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>

#include "data/Projektdatenbankpruefung.h"
#include "data/forms/KelvorForm1a.h"
#include "shell/AllgFunktionen.h"
#include "shell/ModResFiles.h"
#include "shell/Programmzustand.h"
#include "shell/Tastencodes.h"
#include "shell/forms/MDIForm1.h"

namespace {

const QString Bildtyp = QStringLiteral("DEUTSCHLAND");

QLabel* bildLabel(QWidget* eltern, const char* name, int id, const QPoint& ort)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setPixmap(QPixmap::fromImage(LadeBildAusRessource(id, Bildtyp)));
    l->setScaledContents(false);
    l->adjustSize();
    l->move(ort);
    return l;
}

QLabel* textLabel(QWidget* eltern, int index, const QString& text, const QRect& ort, double schriftfaktor, bool fett)
{
    auto* l = new QLabel(text, eltern);
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

KelvorForm1::KelvorForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KelvorForm1"));
    Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    const int land = z.Länderoffset;

    m_bild = LadeBildAusRessource(50, Bildtyp);
    setFixedSize(m_bild.isNull() ? QSize(735, 465) : m_bild.size());
    Image5 = bildLabel(this, "Image5", 53, QPoint(350, 24));
    Image1 = bildLabel(this, "Image1", 60, QPoint(24, 200));

    DeckblattLabel[0] = textLabel(this, 0, LadeText(o + 230), QRect(350, 96, 370, 90), 1.6, true);
    DeckblattLabel[1] = textLabel(this, 1, LadeText(o + 3001 + land), QRect(350, 300, 370, 24), 1.1, true);
    QStringList adresse;
    for (int id : {3002, 3003})
        adresse << LadeText(o + id + land);
    adresse << QString();
    for (int id : {3004, 3005, 3006, 3007})
        adresse << LadeText(o + id + land);
    DeckblattLabel[2] = textLabel(this, 2, adresse.join(QStringLiteral("\r\n")), QRect(350, 326, 370, 130), 1.0, false);

    auto fenster = [] { return std::unique_ptr<Fortschrittsfenster>(new KelvorForm1a(MDIForm1::Instanz())); };
    m_prüfung = std::make_shared<Projektdatenbankprüfung>(fenster);
    m_prüfung->sanduhr = [](bool an) {
        if (an)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };

    z.ErrorCancel = false;
    if (MDIForm1* haupt = MDIForm1::Instanz()) {
        haupt->PositioniereChildForm(this);
        haupt->StatusBarAktiv(0);
    }
}

KelvorForm1::~KelvorForm1() = default;

bool KelvorForm1::beschäftigt() const
{
    return m_prüfung->beschäftigt();
}

void KelvorForm1::paintEvent(QPaintEvent* e)
{
    if (!m_bild.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, m_bild);
    }
    QWidget::paintEvent(e);
}

// The check runs after the page is on screen, once per showing (each time the page manager
// brings status 1 back a new page is made).
void KelvorForm1::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        QTimer::singleShot(0, this, &KelvorForm1::Form_Activate);
}

void KelvorForm1::Form_Activate()
{
    if (m_prüfung->läuft())
        return;
    MDIForm1* haupt = MDIForm1::Instanz();
    // Weiter would unload the page in the middle of its check: it comes back at the end.
    if (haupt)
        haupt->ResetVisibleKommandoButtons(0, 0, 1);
    const std::shared_ptr<Projektdatenbankprüfung> prüfung = m_prüfung;
    const QPointer<KelvorForm1> selbst(this);
    const Projektdatenbankprüfung::Ende ende = prüfung->Prüfen();
    if (!selbst || !haupt || ende == Projektdatenbankprüfung::Ende::LäuftBereits)
        return;
    switch (ende) {
    case Projektdatenbankprüfung::Ende::Beenden:
    case Projektdatenbankprüfung::Ende::Abbruch:
        haupt->Entladen();
        break;
    default:
        haupt->FreigebenMenue();
        haupt->Kommando(1, 0, 1);
        // In host mode this may step on and unload the page: after this call, not before.
        QTimer::singleShot(0, haupt, [haupt] { haupt->AutomatischerBilderwechselWennErforderlich(); });
        break;
    }
}

void KelvorForm1::closeEvent(QCloseEvent* e)
{
    // Neither the page nor the program closes while the database is built, converted or read.
    if (m_prüfung->beschäftigt()) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}

void KelvorForm1::Form_Unload()
{
    if (MDIForm1* haupt = MDIForm1::Instanz())
        haupt->SetzeStatusPanelText(1, QString());
}

void KelvorForm1::keyPressEvent(QKeyEvent* e)
{
    if (MDIForm1* haupt = MDIForm1::Instanz())
        haupt->MDI_Fuss_Button(Tastencodes::Taste(e->key()), Tastencodes::Umschaltung(e->modifiers()));
    e->accept();
}
