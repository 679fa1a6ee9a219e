// The splash window's countdown, start spot, hosting spot and About box,
// driven by a clock the test ticks.

#include "editor/WebAddresses.h"
#include "editor/startup/HotSpot.h"
#include "editor/startup/SplashWait.h"
#include "editor/startup/SplashWindow.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvin {
namespace {

class FakeTimer : public SplashTimer {
public:
    void OnTick(std::function<void()> handler) override { handler_ = std::move(handler); }
    void SetInterval(int milliseconds) override { interval = milliseconds; }
    void Start() override { running = true; }
    void Stop() override { running = false; }
    bool Running() const override { return running; }

    // One second passes, as far as the window can tell.
    void Tick()
    {
        if (running)
            handler_();
    }

    int interval = 0;
    bool running = false;

private:
    std::function<void()> handler_;
};

const QPoint StartSpot(60, 265);
const QPoint HostSpot(300, 262);

class SplashTest : public ::testing::Test {
protected:
    FakeTimer* timer = new FakeTimer;
    QStringList opened;
    TSplashScreen splash{std::unique_ptr<SplashTimer>(timer), [this](const QString& page) { opened << page; }};

    void SetUp() override { splash.show(); }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            timer->Tick();
    }
    // As the mouse does: the press goes to whatever lies at that point.
    void ClickAt(QPoint point)
    {
        QWidget* target = splash.childAt(point);
        if (!target)
            target = &splash;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&splash, point));
    }
};

TEST_F(SplashTest, CountsDownFromFiveThenShowsTheStartSpot)
{
    EXPECT_EQ(splash.lblTime->text(), "5");
    EXPECT_EQ(timer->interval, 1000);
    EXPECT_TRUE(timer->running);
    QStringList shown;
    for (int tick = 1; tick <= 5; ++tick) {
        timer->Tick();
        shown << splash.lblTime->text();
        EXPECT_FALSE(splash.shpStart->isVisible()) << "tick " << tick;
    }
    EXPECT_EQ(shown, (QStringList{"5", "4", "3", "2", "1"}));
    timer->Tick();
    EXPECT_TRUE(splash.shpStart->isVisible());
    EXPECT_EQ(timer->interval, 10000);
    EXPECT_EQ(splash.lblTime->text(), "1");
}

TEST_F(SplashTest, CannotBeClosedBeforeTheStartSpotIsClicked)
{
    Ticks(3);
    ClickAt(StartSpot);  // where the spot will be: the picture takes no clicks yet
    splash.close();
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.CloseQuery());

    Ticks(3);
    ClickAt(StartSpot);
    EXPECT_FALSE(timer->running);
    EXPECT_TRUE(splash.CloseQuery());
    EXPECT_TRUE(splash.close());
}

TEST_F(SplashTest, HostingSpotOpensThePartnersPageAtAnyTime)
{
    ClickAt(HostSpot);
    EXPECT_EQ(opened, QStringList{web::HostingOffer});
    EXPECT_TRUE(timer->running);
}

TEST_F(SplashTest, WaitReturnsOnceTheStartSpotIsClicked)
{
    Ticks(6);
    QTimer::singleShot(0, [this] { ClickAt(StartSpot); });
    WaitForSplash(splash, false);
    EXPECT_TRUE(splash.CloseQuery());
}

TEST_F(SplashTest, SkippedWaitReleasesTheWindowAtOnce)
{
    WaitForSplash(splash, true);
    EXPECT_TRUE(splash.CloseQuery());
}

TEST_F(SplashTest, AboutBoxKeepsItsFiveAndClosesOnAClickOnThePicture)
{
    splash.MakeAboutBox();
    splash.show();
    Ticks(6);
    EXPECT_EQ(splash.lblTime->text(), "5");
    EXPECT_FALSE(splash.shpStart->isVisible());
    ClickAt(StartSpot);
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(SplashTest, AboutBoxHostingSpotStillOpensThePage)
{
    splash.MakeAboutBox();
    splash.show();
    ClickAt(HostSpot);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(splash.isVisible());
}

// The program shows its splash window before its event loop runs, and the
// picture must be there before the main window is built.
TEST(SplashShowTest, ShowPaintedReturnsWithThePicturePaintedOnce)
{
    TSplashScreen splash(std::make_unique<FakeTimer>(), [](const QString&) {});
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } count;
    splash.installEventFilter(&count);
    splash.ShowPainted();
    EXPECT_EQ(count.paints, 1);
}

} // namespace
} // namespace tarvin
