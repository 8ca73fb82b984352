#include "data/forms/KelvorForm1a.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Hauptfenster.h"

KelvorForm1a::KelvorForm1a(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("KelvorForm1a"));
    const Programmzustand& z = zustand();
    setWindowTitle(LadeText(z.Sprachoffset + 250));
    const QString icon = QDir(z.Installationspfad).filePath(QStringLiteral("Kelvor.ico"));
    if (QFileInfo::exists(icon))
        setWindowIcon(QIcon(icon));
    if (Hauptfenster* haupt = hauptfenster())
        move(haupt->Fensterwidget()->pos());

    Animation1 = new QProgressBar(this);
    Animation1->setObjectName(QStringLiteral("Animation1"));
    Animation1->setRange(0, 0);
    Animation1->setTextVisible(false);
    LabelInfo = new QLabel(this);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelInfo->setWordWrap(true);
    LabelProjNr = new QLabel(this);
    LabelProjNr->setObjectName(QStringLiteral("LabelProjNr"));
    LabelAnzahl = new QLabel(this);
    LabelAnzahl->setObjectName(QStringLiteral("LabelAnzahl"));
    LabelAnzahl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* raster = new QGridLayout(this);
    raster->addWidget(Animation1, 0, 0, 1, 2);
    raster->addWidget(LabelInfo, 1, 0, 1, 2);
    raster->addWidget(LabelProjNr, 2, 0);
    raster->addWidget(LabelAnzahl, 2, 1);
    setFixedSize(Twips::zuPixel(5400), Twips::zuPixel(1800));
}

KelvorForm1a::~KelvorForm1a() = default;

void KelvorForm1a::Zeigen()
{
    show();
    raise();
}

void KelvorForm1a::SchreibeCaption(const QString& text)
{
    setWindowTitle(text);
}

void KelvorForm1a::SchreibeInfo(const QString& text)
{
    LabelInfo->setText(text);
}

void KelvorForm1a::SchreibeProjektNr(const QString& text)
{
    LabelProjNr->setText(text);
}

void KelvorForm1a::Schreibe_Satz_AnzSaetze(long aktSatz, long GesamtSaetze)
{
    LabelAnzahl->setText(QStringLiteral("%1 / %2").arg(aktSatz).arg(GesamtSaetze));
}

// Only the program closes the window (by releasing it); the user's close request is refused.
void KelvorForm1a::closeEvent(QCloseEvent* e)
{
    e->ignore();
}
