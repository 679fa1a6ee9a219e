// The program entry: the splash window while the main window is built on the
// real dialogs, the user's settings and desktop, then the document named on
// the command line.

#include "editor/MainWindow.h"
#include "editor/MiscDialogsWindow.h"
#include "editor/startup/DesktopIntegration.h"
#include "editor/startup/SplashWait.h"
#include "editor/startup/SplashWindow.h"
#include "editor/startup/WindowPlacement.h"
#include "platform/AppTitle.h"
#include "platform/QtDialogs.h"
#include "platform/SharedOpenDialog.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QSettings>
#include <memory>

int main(int argc, char** argv)
{
    using namespace tarvin;
    QApplication app(argc, argv);
    auto splash = std::make_unique<TSplashScreen>(std::make_unique<QtSplashTimer>(),
                                                  [](const QString& address) { OpenWithShell(address); });
    splash->show();
    splash->repaint();
    QApplication::setApplicationName(kApplicationTitle);

    QSettings settings(SettingsOrganisation, SettingsApplication);
    QtDialogs dialogs;
    SharedOpenDialog openDialog(dialogs);
    MiscDialogsWindow misc(openDialog);
    TfrmMain window(dialogs, openDialog, misc, QCoreApplication::applicationDirPath() + "/", settings,
                    UserDesktop(QCoreApplication::applicationFilePath()));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        window.LoadDocument(arguments.at(1));
        window.SwitchToEditorMode();
    }

    WaitForSplash(*splash, SplashWaitSkipped());
    splash->close();
    splash.reset();
    window.show();
    return app.exec();
}
