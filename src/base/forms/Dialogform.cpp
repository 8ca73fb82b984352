#include "base/forms/Dialogform.h"

#include <QCloseEvent>

#include "base/Tastencodes.h"
#include "base/forms/Fokusvalidierung.h"
#include "base/forms/Tastenvorschau.h"

Dialogform::Dialogform(QWidget* parent) : QDialog(parent)
{
    m_tasten = new Tastenvorschau(
        this, [this](int& KeyCode, int Shift) { FormKeyDown(KeyCode, Shift); },
        [this](int& KeyAscii) { FormKeyPress(KeyAscii); });
    m_validierung = new Fokusvalidierung(this, [this](QWidget* w, bool& Cancel) {
        if (!m_entladen)
            Validate(w, Cancel);
    });
}

Dialogform::~Dialogform()
{
    // No key and no focus change reaches the handlers of a dialog that is half gone.
    delete m_validierung;
    delete m_tasten;
}

void Dialogform::Validate(QWidget*, bool&) {}

void Dialogform::FormValidateControlElement(const QString&, const VbVariant&, bool&) {}

bool Dialogform::EingabeÜbernehmen()
{
    return m_entladen || m_validierung->FokusÜbernehmen();
}

void Dialogform::Weiter()
{
    if (m_entladen || !EingabeÜbernehmen() || !WeiterErlaubt())
        return;
    done(QDialog::Accepted);
}

void Dialogform::reject()
{
    if (EingabeÜbernehmen())
        QDialog::reject();
}

void Dialogform::done(int r)
{
    entladenEinmal();
    QDialog::done(r);
}

void Dialogform::closeEvent(QCloseEvent* e)
{
    if (!EingabeÜbernehmen()) {
        e->ignore();
        return;
    }
    entladenEinmal();
    QDialog::closeEvent(e);
}

void Dialogform::entladenEinmal()
{
    if (m_entladen)
        return;
    m_entladen = true;
    Entladen();
}

void Dialogform::FormKeyDown(int& KeyCode, int Shift)
{
    if (KeyCode == Tastencodes::Rechts && (Shift & 7) == Tastencodes::UmschaltAlt) {
        KeyCode = 0;
        Weiter();
    }
}

void Dialogform::FormKeyPress(int& KeyAscii)
{
    if (m_mitMoveFocus && !m_entladen)
        m_moveFocus.NextTabStop(KeyAscii);
    if (KeyAscii == 10 || KeyAscii == 13)
        KeyAscii = 0;
}

void Dialogform::MoveFocusEinrichten(bool DeleteKeyAscii)
{
    m_moveFocus.Init(this, DeleteKeyAscii);
    m_mitMoveFocus = true;
}
