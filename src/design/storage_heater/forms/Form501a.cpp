#include "design/storage_heater/forms/Form501a.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Steuerelemente.h"
#include "base/forms/Tastenvorschau.h"
#include "design/storage_heater/Wohnungsgruppen.h"

using Zapfstellen::Arten;

Zapfstellendialog::Zapfstellendialog(Zapfstellen::Dialog art, QWidget* parent) : Dialogform(parent), m_art(art)
{
    setObjectName(art == Zapfstellen::Dialog::Normal    ? QStringLiteral("Form501a")
                  : art == Zapfstellen::Dialog::Komfort ? QStringLiteral("Form501b")
                                                        : QStringLiteral("Form501c"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const int o = zustand().Sprachoffset;
    auto* raster = new QGridLayout;
    int zeile = 0;
    for (int i : Zapfstellen::Felder(art)) {
        if (art == Zapfstellen::Dialog::Individuell && i == 4) {
            auto* kopf = new QLabel(LadeText(o + 1009), this);
            kopf->setObjectName(QStringLiteral("Label3"));
            QFont f = kopf->font();
            f.setBold(true);
            kopf->setFont(f);
            raster->addWidget(kopf, zeile++, 0, 1, 3);
        }
        auto* kurz = new QLabel(LadeText(o + Arten.at(i).kurztext), this);
        auto* box = new QLineEdit(QStringLiteral("1"), this);
        box->setObjectName(QStringLiteral("Text1"));
        Steuerelemente::setzeIndex(box, i);
        box->setMaxLength(Arten.at(i).wanne ? 3 : 2);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00,0")) + 16);
        box->setAlignment(Qt::AlignRight);
        box->setEnabled(!Zapfstellen::Gesperrt(art, i));
        box->installEventFilter(this);
        auto* lang = new QLabel(LadeText(o + Zapfstellen::Langtext(art, i)), this);
        raster->addWidget(kurz, zeile, 0);
        raster->addWidget(box, zeile, 1);
        raster->addWidget(lang, zeile, 2);
        Text1.insert(i, box);
        ++zeile;
    }
    raster->setColumnStretch(2, 1);
    WeiterCommand = new QToolButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    WeiterCommand->setFixedSize(Twips::zuPixel(570), Twips::zuPixel(570));
    WeiterCommand->setToolTip(LadeText(o + 72));
    WeiterCommand->setFocusPolicy(Qt::TabFocus);
    connect(WeiterCommand, &QToolButton::clicked, this, &Zapfstellendialog::Weiter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(raster);
    layout->addWidget(WeiterCommand, 0, Qt::AlignRight);
}

Zapfstellendialog::~Zapfstellendialog() = default;

void Zapfstellendialog::Laden(Zeilenzugriff& aufrufer)
{
    m_Aufrufer = &aufrufer;
    m_LadenLäuft = true;
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(zustand().Sprachoffset + Zapfstellen::Titeltext(m_art)));
    Zapfstellen::BeimÖffnen(m_art, aufrufer);
    for (auto it = Text1.begin(); it != Text1.end(); ++it)
        it.value()->setText(Zapfstellen::Anzeige(m_art, it.key(), aufrufer));
    adjustSize();
    setFixedSize(sizeHint());
    ZentriereÜberHauptfenster(*this);
    if (m_art != Zapfstellen::Dialog::Normal)
        MoveFocusEinrichten();
    m_LadenLäuft = false;
}

void Zapfstellendialog::FormStart(Zeilenzugriff& aufrufer)
{
    Laden(aufrufer);
    exec();
    m_Aufrufer = nullptr;
}

void Zapfstellendialog::FormValidateControlElement(const QString& name, const VbVariant& Index, bool& Cancel)
{
    if (name == QLatin1String("Text1"))
        Text1_Validate(Index.toInteger(), Cancel);
}

void Zapfstellendialog::Text1_Validate(int index, bool& Cancel)
{
    Cancel = true;
    QLineEdit* box = Text1.value(index);
    if (!box || !m_Aufrufer || m_art == Zapfstellen::Dialog::Normal) {
        Cancel = false;
        return;
    }
    Cancel = Zapfstellen::Text1_Validate(m_art, index, box->text(), *m_Aufrufer);
    if (Cancel) {
        box->setFocus();
        box->selectAll();
    }
}

void Zapfstellendialog::Validate(QWidget* w, bool& Cancel)
{
    if (w->objectName() == QLatin1String("Text1"))
        Text1_Validate(Steuerelemente::index(w).toInteger(), Cancel);
}

void Zapfstellendialog::FormKeyPress(int& KeyAscii)
{
    // Esc ends at the form: there is no cancel.
    if (KeyAscii == 27)
        KeyAscii = 0;
    else
        Dialogform::FormKeyPress(KeyAscii);
}

bool Zapfstellendialog::eventFilter(QObject* o, QEvent* e)
{
    auto* box = qobject_cast<QLineEdit*>(o);
    if (box && box->objectName() == QLatin1String("Text1")) {
        const int index = Steuerelemente::index(box).toInteger();
        if (e->type() == QEvent::FocusIn && !m_LadenLäuft) {
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        } else if (e->type() == QEvent::KeyPress && !Arten.at(index).wanne) {
            // A count box takes one digit that replaces its text; other characters are dropped.
            const int ascii = Tastenvorschau::KeyAscii(static_cast<QKeyEvent*>(e));
            if (ascii != 0) {
                if (!IstZulässigeTaste(ascii, false))
                    return true;
                if (ascii != 13 && ascii != 9)
                    box->selectAll();
            }
        }
    }
    return QDialog::eventFilter(o, e);
}
