// The splash picture for the documentation: run with TARVIN_SCREENSHOTS set
// to the folder that receives splash.png.

#include "editor/startup/SplashWindow.h"

#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(SplashScreenshot, SplashAfterTheCountdown)
{
    const QString target = qEnvironmentVariable("TARVIN_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "TARVIN_SCREENSHOTS not set";
    TSplashScreen splash(std::make_unique<QtSplashTimer>(), [](const QString&) {});
    splash.lblTime->setText("3");
    EXPECT_TRUE(splash.grab().save(target + "/splash.png"));
}

} // namespace
} // namespace tarvin
