#include "shell/forms/Seitenmanager.h"

#include <QApplication>

#include "data/forms/KelvorForm1.h"
#include "design/cooling/forms/Form200.h"
#include "design/cooling/forms/Form201.h"
#include "design/heating/forms/Form100.h"
#include "design/heating/forms/Form101.h"
#include "design/heating_accessories/forms/Form103.h"
#include "design/heating_accessories/forms/Form104.h"
#include "design/heating_accessories/forms/Form105.h"
#include "design/selection/forms/Form102.h"
#include "design/solar/forms/Form600.h"
#include "design/solar/forms/Form601.h"
#include "design/solar/forms/Form602.h"
#include "design/solar/forms/Form603.h"
#include "design/storage_heater/forms/Form500.h"
#include "design/storage_heater/forms/Form501.h"
#include "design/storage_heater/forms/Form502.h"
#include "design/water_pressure/forms/Form300.h"
#include "design/water_pressure/forms/Form301.h"
#include "design/water_pressure/forms/Form400.h"
#include "projects/forms/KelvorForm3.h"
#include "shell/Datenobjekte.h"
#include "base/Programmzustand.h"
#include "base/forms/Hauptfenster.h"
#include "shell/forms/KelvorForm2.h"
#include "base/forms/Seitenform.h"

namespace {

template <class T>
Seitenmanager::Fabrik fabrik()
{
    return [] { return new T(); };
}

// The hourglass while a data object is opened.
class Sanduhr {
public:
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

}  // namespace

Seitenmanager::Seitenmanager(Hauptfenster& hauptfenster, bool& HeizungAbgeschlossen, bool& TyvoErsterAufruf)
    : m_h(hauptfenster), m_HeizungAbgeschlossen(HeizungAbgeschlossen), m_TyvoErsterAufruf(TyvoErsterAufruf)
{
    m_fabrik = {
        {1, fabrik<KelvorForm1>()},   {2, fabrik<KelvorForm2>()},   {3, fabrik<KelvorForm3>()},
        {100, fabrik<Form100>()},     {101, fabrik<Form101>()},     {102, fabrik<Form102>()},
        {103, fabrik<Form103>()},     {104, fabrik<Form104>()},     {105, fabrik<Form105>()},
        {200, fabrik<Form200>()},     {201, fabrik<Form102>()},     {202, fabrik<Form201>()},
        {203, fabrik<Form105>()},     {300, fabrik<Form300>()},     {301, fabrik<Form301>()},
        {302, fabrik<Form201>()},     {400, fabrik<Form400>()},     {401, fabrik<Form301>()},
        {402, fabrik<Form201>()},     {500, fabrik<Form500>()},     {501, fabrik<Form501>()},
        {502, fabrik<Form502>()},     {600, fabrik<Form600>()},     {601, fabrik<Form601>()},
        {602, fabrik<Form602>()},     {603, fabrik<Form603>()},
    };
}

Seitenmanager::~Seitenmanager() = default;

bool Seitenmanager::Knöpfe(int status, int& exit, int& zurück, int& weiter)
{
    exit = 1;
    zurück = 1;
    weiter = 1;
    switch (status) {
    case 1: zurück = 0; return true;
    case 2: zurück = 0; weiter = 0; return true;
    case 3: return true;
    case 500: weiter = 0; return true;
    default: return SystemtypNachSeite(status) != nullptr;
    }
}

void Seitenmanager::SetzeFabrik(int status, Fabrik f)
{
    m_fabrik[status] = std::move(f);
}

Seitenform* Seitenmanager::fenster(int status) const
{
    return m_fenster.value(status);
}

Seitenform* Seitenmanager::ErzeugeSeite(int status)
{
    if (Seitenform* da = fenster(status))
        return da;
    const auto f = m_fabrik.constFind(status);
    if (f == m_fabrik.constEnd())
        return nullptr;
    Seitenform* seite = (*f)();
    m_h.SeiteAufnehmen(seite);
    m_fenster.insert(status, seite);
    return seite;
}

void Seitenmanager::EntladeSeite(int status)
{
    const QPointer<Seitenform> seite = m_fenster.take(status);
    if (seite)
        seite->Unload();
}

void Seitenmanager::EntladeAlle(int zuerst)
{
    EntladeSeite(zuerst);
    for (const int status : m_fenster.keys())
        EntladeSeite(status);
}

void Seitenmanager::seitenmanager(int Richtung)
{
    Programmzustand& z = zustand();
    if (Richtung == 1)
        z.Meldungsflag = false;
    z.vorStatus = z.Status;
    if (Richtung == 1) {
        const int alt = z.Status;
        z.Status = alt + 1;
        const Systemtyp* typ = SystemtypNachSeite(alt);
        if (alt == 1 || alt == 2) {
            Seitenwechsel(alt, alt + 1);
        } else if (alt == 3) {
            z.NeuAuslegungErforderlich = false;
            VorwärtsAusProjektseite();
        } else if (typ && alt < typ->letzteSeite) {
            Seitenwechsel(alt, alt + 1);
        } else if (alt == 105) {
            m_HeizungAbgeschlossen = true;
            if (z.TyvoModus == 1) {
                // The program ends; its closing step answers the host and releases the data.
                z.BeendenAbfragen = false;
                m_h.Beenden();
            } else {
                z.Status = 3;
                Seitenwechsel(105, 3);
                if (z.TyvoModus == 0)
                    HeizdatenSchließen();
                ÖffneAusgabeMenue();
            }
        } else if (typ) {
            z.Status = 3;
            typ->Schließen();
            Seitenwechsel(alt, 3);
            ÖffneAusgabeMenue();
        }
    } else if (Richtung == 2) {
        int neu = z.Status;
        if (neu >= 100 && neu % 100 == 0)
            neu = 3;
        else if (neu > 0)
            neu = neu - 1;
        z.Status = neu;
        const Systemtyp* typ = SystemtypNachSeite(neu);
        if (neu >= 0 && neu <= 2) {
            Seitenwechsel(neu + 1, neu);
        } else if (neu == 3) {
            const Systemtyp* von = SystemtypNachSeite(z.vorStatus);
            if (von && z.vorStatus == von->ersteSeite) {
                Seitenwechsel(z.vorStatus, 3);
                von->SchließenMitAbfrage();
            }
        } else if (typ && neu < typ->letzteSeite) {
            Seitenwechsel(neu + 1, neu);
        }
    }
}

void Seitenmanager::VorwärtsAusProjektseite()
{
    Programmzustand& z = zustand();
    const Systemtyp* typ = SystemtypNachProjektart(z.Projektart);
    if (!typ) {
        // No current project: only the project page is refreshed.
        z.Status = 3;
        Seitenwechsel(0, 3);
        return;
    }
    z.Status = typ->ersteSeite;
    Sanduhr sanduhr;
    int32_t ergebnis = 0;
    if (typ->ersteSeite == 100) {
        m_HeizungAbgeschlossen = false;
        // Host mode 2 enters the heating pages again with the data object that stayed open.
        if (!(z.TyvoModus == 2 && !m_TyvoErsterAufruf)) {
            ergebnis = typ->Öffnen();
            m_TyvoErsterAufruf = false;
        }
    } else {
        ergebnis = typ->Öffnen();
    }
    if (ergebnis == 0)
        Seitenwechsel(3, typ->ersteSeite);
    else
        z.Status = 3;
}

void Seitenmanager::Seitenwechsel(int vonStatus, int nachStatus)
{
    Programmzustand& z = zustand();
    z.FormLoadError = false;
    int exit = 0, zurück = 0, weiter = 0;
    if (nachStatus == 0) {
        m_h.Kommando(1, 0, 0);
    } else if (nachStatus == 1) {
        if (!fenster(1)) {
            ErzeugeSeite(1)->Show();
            m_h.Kommando(1, 0, 1);
        }
    } else if (nachStatus == 2) {
        ErzeugeSeite(2)->Show();
        m_h.Kommando(1, 0, 0);
    } else if (Knöpfe(nachStatus, exit, zurück, weiter) && !fenster(nachStatus)) {
        Seitenform* seite = ErzeugeSeite(nachStatus);
        m_h.Kommando(exit, zurück, weiter);
        seite->Show();
    }
    if (vonStatus != nachStatus)
        EntladeSeite(vonStatus);
    m_h.SetzeInfoLabel(QString());
    m_h.SetzeStatusPanel(QString::number(z.Status));
    if (!z.istErstprojekt)
        m_h.MenuepunkteNachStatus(z.Status);
    if (z.FormLoadError)
        seitenmanager(2);
    m_h.TyvoButtonStattExit(z.TyvoModus == 2 && m_HeizungAbgeschlossen && z.Status == 3);
}

void Seitenmanager::ÖffneAusgabeMenue()
{
    if (zustand().TyvoModus == 0)
        m_h.ÖffneAusgabeMenue();
}
