#include <QApplication>

#include "data/KonfliktDialog.h"
#include "projects/forms/MDIReSichMeld.h"
#include "base/AllgFunktionen.h"
#include "base/Programmzustand.h"
#include "shell/EinzelInstanz.h"
#include "shell/MainProgramm.h"
#include "shell/forms/MDIForm1.h"
#include "base/forms/QtDateiDialog.h"
#include "base/forms/QtDrucker.h"
#include "base/forms/QtMessagePresenter.h"
#include "exchange/TYVO_XML_Schnittstelle.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Names the user's data folder (~/.local/share/Kelvor) and the desktop entry of the window.
    QApplication::setApplicationName(QStringLiteral("Kelvor"));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvor.Kelvor"));
    AuswertenKommandozeile(GetKommandozeile(KommandozeileAusArgumenten(argc, argv), 2));
    // Only one instance: a second start brings the running one to the front and ends. A host
    // start must answer its exchange file, so it runs beside the open program.
    const bool hoststart = zustand().TyvoModus != 0;
    EinzelInstanz instanz(EinzelInstanz::StandardSchluessel());
    if (!instanz.Starten(!hoststart)) {
        if (!hoststart)
            return 0;
        zustand().NebenAndererInstanz = true;
    }

    InstalliereQtUebersetzung(app);
    QtMessagePresenter meldungen;
    setzeMessagePresenter(&meldungen);
    QtDateiDialog dateidialoge;
    setzeDateiDialog(&dateidialoge);
    QtDrucker druckerdialoge;
    setzeDrucker(&druckerdialoge);
    // The conflict question stands over the restore dialog that asks it.
    setzeKonfliktDialogFabrik([] { return std::make_unique<MDIReSichMeld>(QApplication::activeModalWidget()); });

    TYVO_XML_Schnittstelle austausch;
    setzeTyvoAnbindung(&austausch);

    int ergebnis = 0;
    {
        MDIForm1 fenster;
        QObject::connect(&instanz, &EinzelInstanz::AktivierungAngefordert, &fenster, &MDIForm1::NachVorn);
        fenster.show();
        ergebnis = app.exec();
    }

    setzeTyvoAnbindung(nullptr);
    setzeKonfliktDialogFabrik({});
    setzeDrucker(nullptr);
    setzeDateiDialog(nullptr);
    setzeMessagePresenter(nullptr);
    return ergebnis;
}
