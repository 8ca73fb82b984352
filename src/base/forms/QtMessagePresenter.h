#pragma once
#include "base/MessagePresenter.h"

class QCoreApplication;
class QTranslator;

// Shows message boxes as modal QMessageBoxes centred on the window they belong to (the dialog
// in front, the active window or the main window): icon and buttons of the
// style value, German button texts, the pressed button as MsgAntwort.
class QtMessagePresenter : public MessagePresenter {
public:
    int zeige(const MeldungsBox& box) override;
};

// Loads Qt's German texts (qtbase_de.qm from Qt's translations folder) into the application;
// the translator belongs to the application. nullptr when the file cannot be loaded.
QTranslator* InstalliereQtUebersetzung(QCoreApplication& app);
