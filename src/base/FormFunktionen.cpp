#include "base/FormFunktionen.h"

FormFunktionen::~FormFunktionen()
{
    if (zustand().AktFormFunktionen == this)
        zustand().AktFormFunktionen = nullptr;
}

void FormFunktionen::Initialisierung(std::shared_ptr<FormFenster> aktuelleForm)
{
    m_zielform = std::move(aktuelleForm);
    zustand().AktFormFunktionen = this;
}

void FormFunktionen::FormUnsichtbar()
{
    if (!m_zielform || m_versteckt)
        return;
    m_gemerkteHöhe = m_zielform->Height();
    m_gemerkteBreite = m_zielform->Width();
    m_gemerkterStil = m_zielform->Fensterstil();
    m_zielform->SetFensterstil(m_zielform->Fensterstil() & ~(FormFenster::WS_CAPTION | FormFenster::WS_THICKFRAME));
    m_zielform->SetHeight(0);
    m_zielform->SetWidth(0);
    m_versteckt = true;
}

void FormFunktionen::FormSichtbar()
{
    if (!m_zielform || !m_versteckt)
        return;
    m_zielform->SetFensterstil(m_zielform->Fensterstil() | m_gemerkterStil);
    m_zielform->SetHeight(m_gemerkteHöhe);
    m_zielform->SetWidth(m_gemerkteBreite);
    m_versteckt = false;
}
