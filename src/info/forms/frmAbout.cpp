#include "info/forms/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "base/AllgFunktionen.h"
#include "base/ModResFiles.h"
#include "base/Programmversion.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Dialogfenster.h"

namespace {
constexpr int BreiteTwips = 5730;
constexpr int HöheTwips = 3075;
// The credit lines of the string table.
constexpr int TextHersteller = 3061;
constexpr int TextHerstellerWeb = 3062;
}  // namespace

QString frmAbout::Versionszeile(int haupt, int neben, int revis)
{
    return LadeText(zustand().Sprachoffset + 1241) + QLatin1Char(' ')
           + QStringLiteral("%1.%2.%3").arg(haupt).arg(neben).arg(revis);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    DialogVorbereiten(*this);
    const Programmzustand& z = zustand();
    const int o = z.Sprachoffset;
    setWindowTitle(LadeText(o + 1240) + QLatin1Char(' ') + LadeText(o + 101));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QPixmap::fromImage(LadeBildAusRessource(1240, QStringLiteral("FORM"))));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QStringList adresse;
    for (int id : {3001, 3002, 3003})
        adresse << LadeText(id + o + z.Länderoffset);
    lblTitle->setText(adresse.join(QStringLiteral("\r\n")));
    QFont f = lblTitle->font();
    f.setBold(true);
    lblTitle->setFont(f);

    lblVersion = new QLabel(Versionszeile(Programmversion::Haupt, Programmversion::Neben, Programmversion::Revis),
                            this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDescription = new QLabel(LadeText(o + TextHersteller) + QStringLiteral("\r\n") + LadeText(o + TextHerstellerWeb),
                                this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblTitle->setWordWrap(true);

    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->setMinimumWidth(Twips::zuPixel(1260));
    // Enter presses the default button; Esc (reject) closes as well: OK is also the cancel button.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* g = new QGridLayout(this);
    g->setHorizontalSpacing(Twips::zuPixel(240));
    g->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    g->addWidget(lblTitle, 0, 1);
    g->addWidget(lblVersion, 1, 1);
    g->addWidget(lblDescription, 2, 1);
    g->setRowStretch(3, 1);
    g->addWidget(linie, 4, 0, 1, 2);
    g->addWidget(cmdOK, 5, 1, Qt::AlignRight);
    g->setColumnStretch(1, 1);

    setFixedSize(Twips::zuPixel(BreiteTwips), Twips::zuPixel(HöheTwips));
    ZentriereÜberHauptfenster(*this);
    cmdOK->setFocus();
}
