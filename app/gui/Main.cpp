// The program entry: the main window on the real dialogs, opening the
// document named on the command line.

#include "editor/MainWindow.h"
#include "editor/MiscDialogsWindow.h"
#include "platform/AppTitle.h"
#include "platform/QtDialogs.h"
#include "platform/SharedOpenDialog.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(tarvin::kApplicationTitle);

    tarvin::QtDialogs dialogs;
    tarvin::SharedOpenDialog openDialog(dialogs);
    tarvin::MiscDialogsWindow misc(openDialog);
    tarvin::TfrmMain window(dialogs, openDialog, misc, QCoreApplication::applicationDirPath() + "/");
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        window.LoadDocument(arguments.at(1));
        window.SwitchToEditorMode();
    }
    window.show();
    return app.exec();
}
