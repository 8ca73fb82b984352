#include <QApplication>
#include <QMainWindow>

#include "shell/forms/QtDateiDialog.h"
#include "shell/forms/QtMessagePresenter.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstalliereQtUebersetzung(app);
    QtMessagePresenter meldungen;
    setzeMessagePresenter(&meldungen);
    QtDateiDialog dateidialoge;
    setzeDateiDialog(&dateidialoge);

    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Kelvor"));
    fenster.resize(800, 600);
    fenster.show();
    const int ergebnis = app.exec();

    setzeDateiDialog(nullptr);
    setzeMessagePresenter(nullptr);
    return ergebnis;
}
