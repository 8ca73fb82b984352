#include "base/forms/Seitenform.h"

#include <QKeyEvent>
#include <QTimer>

#include <stdexcept>

#include "base/FormFunktionen.h"
#include "base/Programmzustand.h"
#include "base/forms/Fokusvalidierung.h"
#include "base/forms/Hauptfenster.h"
#include "base/forms/Lesbarkeit.h"
#include "base/forms/Tastenvorschau.h"
#include "base/forms/WidgetFormFenster.h"

Seitenform::Seitenform(QWidget* parent) : QWidget(parent)
{
    // The page's own colours: its labels draw in the window's text colour on the window colour,
    // whatever the area around the page shows.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setAutoFillBackground(true);
    // Readable locked controls and texts that fit, for every page.
    Lesbarkeit::Einrichten();
    m_tasten = new Tastenvorschau(
        this, [this](int& KeyCode, int Shift) { FormKeyDown(KeyCode, Shift); },
        [this](int& KeyAscii) { FormKeyPress(KeyAscii); });
    m_validierung = new Fokusvalidierung(this, [this](QWidget* w, bool& Cancel) { Validate(w, Cancel); });
}

Seitenform::~Seitenform() = default;

Hauptfenster& Seitenform::mdi() const
{
    Hauptfenster* h = hauptfenster();
    if (!h)
        throw std::logic_error("page used without a main window");
    return *h;
}

void Seitenform::Show()
{
    if (m_entladen)
        return;
    if (!m_geladen) {
        m_geladen = true;
        zustand().ErrorCancel = false;
        mdi().PositioniereChildForm(this);
        if (m_automatiklauf) {
            m_formFunktionen = std::make_unique<FormFunktionen>();
            m_formFunktionen->Initialisierung(Formfenster(this));
        }
        m_lädt = true;
        FormLoad();
        m_lädt = false;
        if (m_formFunktionen && mdi().FormUnsichtbarErforderlichUndMöglich())
            m_formFunktionen->FormUnsichtbar();
    }
    show();
    QTimer::singleShot(0, this, &Seitenform::aktivieren);
}

void Seitenform::aktivieren()
{
    if (m_geladen && !m_entladen)
        FormActivate();
}

void Seitenform::Unload()
{
    if (m_entladen)
        return;
    m_entladen = true;
    if (m_geladen)
        FormUnload();
    m_datenobjekt.reset();
    m_formFunktionen.reset();
    // The page may be the sender of the event that led here: it leaves the page area now and is
    // deleted after the current event (or with the window).
    hide();
    if (QWidget* eltern = parentWidget())
        setParent(eltern->window());
    deleteLater();
}

bool Seitenform::EingabeÜbernehmen()
{
    if (!m_geladen || m_entladen || m_lädt)
        return true;
    return m_validierung->FokusÜbernehmen();
}

void Seitenform::FormValidateControlElement(const QString&, const VbVariant&, bool&) {}

void Seitenform::Validate(QWidget*, bool&) {}

void Seitenform::keyPressEvent(QKeyEvent* e)
{
    e->accept();
}

void Seitenform::FormKeyDown(int& KeyCode, int Shift)
{
    if (!m_entladen)
        mdi().MDI_Fuss_Button(KeyCode, Shift);
}

void Seitenform::FormKeyPress(int& KeyAscii)
{
    if (m_mitMoveFocus && !m_entladen)
        m_moveFocus.NextTabStop(KeyAscii);
}

void Seitenform::MoveFocusEinrichten(bool DeleteKeyAscii)
{
    m_moveFocus.Init(this, DeleteKeyAscii);
    m_mitMoveFocus = true;
}

void Seitenform::Ladefehler()
{
    zustand().FormLoadError = true;
}
