#include "output/reports/forms/DruckausgabeArt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Dialogfenster.h"

namespace {
constexpr int TextNrTitel = 190;
constexpr int TextNrFrage = 191;
constexpr int TextNrHinweis = 192;
constexpr int TextNrMitPreisen = 193;
constexpr int TextNrOhnePreise = 194;
constexpr int TextNrAbbruch = 195;
}  // namespace

DruckausgabeArt::DruckausgabeArt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DruckausgabeArt"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    DialogVorbereiten(*this);
    const int o = zustand().Sprachoffset;
    setWindowTitle(LadeText(o + TextNrTitel));
    Label1 = new QLabel(LadeText(o + TextNrFrage), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(LadeText(o + TextNrHinweis), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto* knöpfe = new QHBoxLayout;
    // In the window's order: with prices, without prices, cancel.
    for (int index : {1, 2, 0}) {
        const int text = index == 1 ? TextNrMitPreisen : index == 2 ? TextNrOhnePreise : TextNrAbbruch;
        auto* b = new QPushButton(LadeText(o + text), this);
        b->setObjectName(QStringLiteral("Preisanzeige_%1").arg(index));
        connect(b, &QPushButton::clicked, this, [this, index] { Wähle(index); });
        Preisanzeige[static_cast<size_t>(index)] = b;
        knöpfe->addWidget(b);
    }
    Preisanzeige[1]->setDefault(true);

    auto* l = new QVBoxLayout(this);
    l->addWidget(Label1);
    l->addWidget(Label2);
    l->addSpacing(12);
    l->addLayout(knöpfe);
    adjustSize();
}

void DruckausgabeArt::Wähle(int index)
{
    m_auswahl = index;
    if (index == 0)
        reject();
    else
        accept();
}

int DruckausgabeArt::anzeige()
{
    m_auswahl = 0;
    ZentriereÜberHauptfenster(*this);
    exec();
    return m_auswahl;
}
