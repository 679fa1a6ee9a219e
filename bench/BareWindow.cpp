// The yardstick for the start-up benchmark: an empty maximized main window.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.showMaximized();
    return app.exec();
}
