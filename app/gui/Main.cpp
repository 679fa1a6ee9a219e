// The program entry: the splash window while the main window is built on the
// real dialogs, the user's settings and working folder, then the document
// named on the command line. A portable program registers its file types
// with the user's desktop once the window is on screen; an installed one
// leaves that to its package.

#include "TarvinVersion.h"
#include "editor/MainWindow.h"
#include "editor/MiscDialogsWindow.h"
#include "editor/startup/AfterFirstPaint.h"
#include "editor/startup/DesktopIntegration.h"
#include "editor/startup/FontConfigWarmUp.h"
#include "editor/startup/SplashWait.h"
#include "editor/startup/SplashWindow.h"
#include "editor/startup/WindowPlacement.h"
#include "generator/ProgramFolders.h"
#include "platform/AppTitle.h"
#include "platform/QtDialogs.h"
#include "platform/SharedOpenDialog.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QSettings>
#include <cstring>
#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    using namespace tarvin;
    // Before Qt, which would want a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "Ostrel Tarvin " TARVIN_VERSION "\n";
        return 0;
    }
    FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    auto splash = std::make_unique<TSplashScreen>(std::make_unique<QtSplashTimer>(),
                                                  [](const QString& address) { OpenWithShell(address); });
    splash->ShowPainted();
    QApplication::setApplicationName(kApplicationTitle);

    QSettings settings(SettingsOrganisation, SettingsApplication);
    QtDialogs dialogs;
    const ProgramFolders folders =
        LocateProgramFolders(QCoreApplication::applicationDirPath().toStdString() + "/", UserDataHome());
    if (const std::string failure = PrepareWorkingFolder(folders); !failure.empty())
        dialogs.Error(QString::fromStdString(failure));
    SharedOpenDialog openDialog(dialogs);
    MiscDialogsWindow misc(openDialog, QString::fromStdString(folders.resources));
    TfrmMain window(dialogs, openDialog, misc, folders, settings);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        window.LoadDocument(arguments.at(1));
        window.SwitchToEditorMode();
    }

    WaitForSplash(*splash, SplashWaitSkipped());
    splash->close();
    window.show();
    // Hidden already; taking its window down waits for the event loop, off
    // the way to the main window's first picture.
    splash.release()->deleteLater();
    if (!folders.installed)
        AfterFirstPaint(window, [] { RegisterFileTypes(UserDesktop(QCoreApplication::applicationFilePath())); });
    return app.exec();
}
