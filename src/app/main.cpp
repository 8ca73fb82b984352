#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Kelvor"));
    fenster.resize(800, 600);
    fenster.show();
    return app.exec();
}
