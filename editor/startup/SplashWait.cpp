#include "editor/startup/SplashWait.h"

#include "editor/startup/SplashWindow.h"

#include <QEventLoop>

namespace tarvin {

bool SplashWaitSkipped()
{
    return qEnvironmentVariableIntValue("TARVIN_NO_SPLASH_WAIT") == 1;
}

void WaitForSplash(TSplashScreen& splash, bool skipWait)
{
    if (skipWait)
        splash.shpStartMouseDown();
    if (splash.CloseQuery())
        return;
    // Waits in the event loop rather than spinning on pending messages.
    QEventLoop loop;
    QObject::connect(&splash, &TSplashScreen::Released, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace tarvin
