#include "design/cooling/forms/Kaeltedialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "base/Twips.h"
#include "base/forms/Dialogfenster.h"
#include "base/forms/Hauptfenster.h"
#include "design/cooling/GlobDatenKaelte.h"
#include "design/cooling/forms/Form200.h"

Kältedialog::Kältedialog(int titelId, int breiteTwips, int höheTwips, QWidget* parent) : Dialogform(parent)
{
    Programmzustand& z = zustand();
    m_g = z.g_kühldat.get();
    DialogVorbereiten(*this);
    setWindowTitle(LadeText(z.Sprachoffset + titelId));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const int b = Twips::zuPixel(breiteTwips), h = Twips::zuPixel(höheTwips);
    setFixedSize(b, h);
    ZentriereÜberHauptfenster(*this);
    WeiterCommand = new QPushButton(this);
    WeiterCommand->setObjectName(QStringLiteral("WeiterCommand"));
    WeiterCommand->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    WeiterCommand->setIconSize(QSize(24, 24));
    WeiterCommand->setAutoDefault(false);
    WeiterCommand->setToolTip(LadeText(z.Sprachoffset + 72));
    connect(WeiterCommand, &QPushButton::clicked, this, [this] {
        // A box that refused its input keeps the focus: the click does not count.
        if (QWidget* f = focusWidget(); !(f && istEingabe(f)))
            Weiter();
    });
}

Kältedialog::~Kältedialog() = default;

void Kältedialog::richteEin()
{
    MoveFocusEinrichten();
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->installEventFilter(this);
    m_lädt = false;
}

Form200* Kältedialog::seite200()
{
    Hauptfenster* h = hauptfenster();
    return h ? qobject_cast<Form200*>(h->fenster(200)) : nullptr;
}

void Kältedialog::Validate(QWidget* w, bool& Cancel)
{
    if (istEingabe(w))
        prüfe(w, Cancel);
}

bool Kältedialog::eventFilter(QObject* o, QEvent* e)
{
    auto* w = qobject_cast<QWidget*>(o);
    if (w && istEingabe(w)) {
        if (e->type() == QEvent::FocusIn && !m_lädt) {
            if (auto* zeile = qobject_cast<QLineEdit*>(w))
                QMetaObject::invokeMethod(zeile, &QLineEdit::selectAll, Qt::QueuedConnection);
        } else if (e->type() == QEvent::FocusOut && !istEntladen()) {
            // Leaving the dialog without a Validate: the check runs and its Cancel is ignored.
            const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
            const QWidget* neu = QApplication::focusWidget();
            if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason && !(neu && isAncestorOf(neu))) {
                bool Cancel = false;
                prüfe(w, Cancel);
            }
        }
    }
    return QDialog::eventFilter(o, e);
}
