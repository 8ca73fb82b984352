#pragma once
#include <cstdint>
#include <memory>

#include "base/Programmzustand.h"

// A page as the page hiding sees it: size in twips and the window style bits.
class FormFenster {
public:
    static constexpr int32_t WS_CAPTION = 0x00C00000;
    static constexpr int32_t WS_THICKFRAME = 0x00040000;

    virtual ~FormFenster() = default;
    virtual int32_t Height() const = 0;
    virtual int32_t Width() const = 0;
    virtual void SetHeight(int32_t twips) = 0;
    virtual void SetWidth(int32_t twips) = 0;
    virtual int32_t Fensterstil() const = 0;
    virtual void SetFensterstil(int32_t stil) = 0;
};

// Hides a page without unloading it (no caption, no sizing border, size 0) and shows it again
// with its size and the style bits it had. Initialisierung makes the object the one the message
// routine shows before a box (zustand().AktFormFunktionen); the object takes itself out of there
// when it ends, and ending does not show the page.
class FormFunktionen : public FormSichtbarkeit {
public:
    FormFunktionen() = default;
    ~FormFunktionen() override;
    FormFunktionen(const FormFunktionen&) = delete;
    FormFunktionen& operator=(const FormFunktionen&) = delete;

    void Initialisierung(std::shared_ptr<FormFenster> aktuelleForm);
    void FormUnsichtbar();
    void FormSichtbar() override;
    bool Versteckt() const { return m_versteckt; }

private:
    std::shared_ptr<FormFenster> m_zielform;
    bool m_versteckt = false;
    int32_t m_gemerkteHöhe = 0;
    int32_t m_gemerkteBreite = 0;
    int32_t m_gemerkterStil = 0;
};
