#include "design/selection/forms/Form102c.h"

#include <algorithm>

#include <QLabel>
#include <QToolButton>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "design/selection/Behaelterauswahl.h"

namespace {

int px(int twips)
{
    return Twips::zuPixel(twips);
}

constexpr int Breite = 8200;

}  // namespace

Form102c::Form102c(Behälterauswahl& seite, QWidget* parent)
    : Auswahldialog(parent), m_logik(seite.daten(), seite.projektart(), seite)
{
    setObjectName(QStringLiteral("Form102c"));
    const int o = zustand().Sprachoffset;
    setWindowTitle(LadeText(530 + o));
    auto label = [this](const char* name, int index, int x, int y, int breite) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromUtf8(name));
        l->setProperty("Index", index);
        l->setGeometry(px(x), px(y), px(breite), px(285));
        return l;
    };
    const QString stück = LadeText(87 + o);
    for (int i = 0; i < 3; ++i) {
        const int y = 240 + 360 * i;
        Label3[static_cast<size_t>(i)] = label("Label3", i, 240, y, 450);
        Label7[static_cast<size_t>(i)] = label("Label7", i, 720, y, 700);
        Label1[static_cast<size_t>(i)] = label("Label1", i, 1440, y, 2700);
        Label4[static_cast<size_t>(i)] = label("Label4", i, 4200, y, 3900);
        Label3[static_cast<size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label7[static_cast<size_t>(i)]->setText(stück);
    }
    for (int i = 1; i <= 6; ++i) {
        const int y = 1440 + 360 * (i - 1);
        Label5[static_cast<size_t>(i)] = label("Label5", i, 240, y, 450);
        Label8[static_cast<size_t>(i)] = label("Label8", i, 720, y, 700);
        Label2[static_cast<size_t>(i)] = label("Label2", i, 1440, y, 2700);
        Label6[static_cast<size_t>(i)] = label("Label6", i, 4200, y, 3900);
        Label5[static_cast<size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label8[static_cast<size_t>(i)]->setText(stück);
        Label2[static_cast<size_t>(i)]->setText(LadeText(536 + i + o));
    }

    m_logik.Laden();
    const int höhe = m_logik.höhe();
    for (size_t i = 0; i < 3; ++i) {
        const Behälterübersicht::Zeile& z = m_logik.zeilen()[i];
        for (QLabel* l : {Label3[i], Label7[i], Label1[i], Label4[i]})
            l->setVisible(z.sichtbar);
        Label3[i]->setText(z.anzahl);
        Label1[i]->setText(z.beschriftung);
        Label4[i]->setText(z.artikel);
    }
    for (size_t i = 1; i <= 6; ++i) {
        const Behälterübersicht::Zeile& z = m_logik.erzeuger()[i - 1];
        for (QLabel* l : {Label5[i], Label8[i], Label2[i], Label6[i]})
            l->setVisible(z.sichtbar);
        Label5[i]->setText(z.anzahl);
        Label6[i]->setText(z.artikel);
    }
    // The captions and the article texts keep to one line each: their columns widen to the
    // longest text, the dialog with them.
    const auto spalte = [](std::initializer_list<QLabel*> labels, int mindestens) {
        int breite = mindestens;
        for (QLabel* l : labels)
            breite = std::max(breite, l->fontMetrics().horizontalAdvance(l->text()) + 8);
        return breite;
    };
    const int beschriftung = spalte({Label1[0], Label1[1], Label1[2], Label2[1], Label2[2], Label2[3], Label2[4],
                                     Label2[5], Label2[6]},
                                    px(2700));
    const int artikelLinks = px(1440) + beschriftung + px(60);
    const int artikel = spalte({Label4[0], Label4[1], Label4[2], Label6[1], Label6[2], Label6[3], Label6[4],
                                Label6[5], Label6[6]},
                               px(3900));
    for (QLabel* l : {Label1[0], Label1[1], Label1[2], Label2[1], Label2[2], Label2[3], Label2[4], Label2[5], Label2[6]})
        l->resize(beschriftung, l->height());
    for (QLabel* l : {Label4[0], Label4[1], Label4[2], Label6[1], Label6[2], Label6[3], Label6[4], Label6[5], Label6[6]})
        l->setGeometry(artikelLinks, l->y(), artikel, l->height());
    const int breite = std::max(Breite, Twips::ausPixel(artikelLinks + artikel + px(100)));
    Platzieren(breite, höhe);
    WeiterCommand->move(px(breite - 1000), px(höhe - 1250));
}

Form102c::~Form102c() = default;
