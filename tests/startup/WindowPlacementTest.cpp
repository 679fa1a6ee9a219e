// Window placement: which stored values restore what, and what a close writes.

#include "editor/startup/WidgetPlacement.h"
#include "editor/startup/WindowPlacement.h"

#include <QHBoxLayout>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace tarvin {
namespace {

struct RecordedWindow : PlacementTarget {
    WindowShowState state = WindowShowState::Normal;
    QRect bounds{27, 29, 622, 509};
    int pane = 250;

    WindowShowState State() const override { return state; }
    void SetState(WindowShowState s) override { state = s; }
    QRect Bounds() const override { return bounds; }
    void SetBounds(const QRect& b) override { bounds = b; }
    int PaneWidth() const override { return pane; }
    void SetPaneWidth(int width) override { pane = width; }
};

class PlacementTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath("Tarvin.ini"), QSettings::IniFormat};

    void Store(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (const auto& [key, value] : values)
            settings.setValue(QString("Position/") + key, value);
    }
    QStringList StoredKeys()
    {
        settings.beginGroup("Position");
        QStringList keys = settings.childKeys();
        settings.endGroup();
        keys.sort();
        return keys;
    }
};

TEST_F(PlacementTest, FirstStartOpensMaximizedWithTheLaidOutPane)
{
    RecordedWindow window;
    LoadWindowPlacement(settings, window);
    EXPECT_EQ(window.state, WindowShowState::Maximized);
    EXPECT_EQ(window.bounds, QRect(27, 29, 622, 509));
    EXPECT_EQ(window.pane, 250);
}

TEST_F(PlacementTest, OnlyNormalSpelledExactlyRestoresTheBounds)
{
    Store({{"WindowState", "normal"}, {"Top", "5"}, {"Left", "6"}, {"Height", "700"}, {"Width", "800"}});
    RecordedWindow lower;
    LoadWindowPlacement(settings, lower);
    EXPECT_EQ(lower.state, WindowShowState::Maximized);
    EXPECT_EQ(lower.bounds, QRect(27, 29, 622, 509));

    Store({{"WindowState", "Normal"}});
    RecordedWindow exact;
    exact.state = WindowShowState::Maximized;
    LoadWindowPlacement(settings, exact);
    EXPECT_EQ(exact.state, WindowShowState::Normal);
    EXPECT_EQ(exact.bounds, QRect(6, 5, 800, 700));
}

TEST_F(PlacementTest, ValuesThatAreNotWholeNumbersFallBack)
{
    Store({{"WindowState", "Normal"}, {"Top", "12"}, {"Left", "abc"}, {"Height", ""}, {"Width", "640.5"},
           {"PaneWidth", "wide"}});
    RecordedWindow window;
    LoadWindowPlacement(settings, window);
    EXPECT_EQ(window.bounds, QRect(27, 12, 622, 509));
    EXPECT_EQ(window.pane, 250);
}

TEST_F(PlacementTest, MaximizedCloseWritesStateAndPaneOnlyAndKeepsStoredBounds)
{
    Store({{"Top", "5"}, {"Left", "6"}, {"Height", "700"}, {"Width", "800"}});
    RecordedWindow window;
    window.state = WindowShowState::Maximized;
    window.pane = 300;
    SaveWindowPlacement(settings, window);
    EXPECT_EQ(settings.value("Position/WindowState").toString(), "Maximized");
    EXPECT_EQ(settings.value("Position/PaneWidth").toString(), "300");
    EXPECT_EQ(settings.value("Position/Top").toString(), "5");
    EXPECT_EQ(settings.value("Position/Width").toString(), "800");
}

TEST_F(PlacementTest, MinimizedCloseWritesThePaneOnly)
{
    RecordedWindow window;
    window.state = WindowShowState::Other;
    SaveWindowPlacement(settings, window);
    EXPECT_EQ(StoredKeys(), QStringList{"PaneWidth"});
}

TEST_F(PlacementTest, NormalCloseIsReadBackAsItWasLeft)
{
    RecordedWindow closing;
    closing.bounds = QRect(40, 30, 700, 560);
    closing.pane = 320;
    SaveWindowPlacement(settings, closing);
    EXPECT_EQ(StoredKeys(), (QStringList{"Height", "Left", "PaneWidth", "Top", "Width", "WindowState"}));
    EXPECT_EQ(settings.value("Position/Left").toString(), "40");

    RecordedWindow next;
    LoadWindowPlacement(settings, next);
    EXPECT_EQ(next.state, WindowShowState::Normal);
    EXPECT_EQ(next.bounds, closing.bounds);
    EXPECT_EQ(next.pane, 320);
}

// The real window: a splitter laid out as the main window lays out its own.
class WidgetPlacementTest : public ::testing::Test {
protected:
    QWidget window;
    QSplitter* splitter = new QSplitter;
    WidgetPlacement placement{window, *splitter};

    void SetUp() override
    {
        auto* pane = new QWidget;
        pane->setMinimumWidth(250);
        pane->setMaximumWidth(500);
        splitter->addWidget(pane);
        splitter->addWidget(new QWidget);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({250, 400});
        (new QHBoxLayout(&window))->addWidget(splitter);
        window.resize(660, 500);
    }
};

TEST_F(WidgetPlacementTest, PaneKeepsItsLaidOutWidthAndTakesAStoredOne)
{
    EXPECT_EQ(placement.PaneWidth(), 250);
    placement.SetPaneWidth(320);
    window.show();
    EXPECT_EQ(splitter->sizes().value(0), 320);
}

TEST_F(WidgetPlacementTest, StatesMapToTheWindowsOwn)
{
    placement.SetState(WindowShowState::Maximized);
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(placement.State(), WindowShowState::Maximized);
    window.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
    EXPECT_EQ(placement.State(), WindowShowState::Other);
    placement.SetState(WindowShowState::Normal);
    EXPECT_EQ(placement.State(), WindowShowState::Normal);
}

TEST_F(WidgetPlacementTest, BoundsOffEveryScreenKeepOnlyTheirSize)
{
    const QPoint before = window.pos();
    placement.SetBounds(QRect(-20000, -20000, 700, 560));
    EXPECT_EQ(window.pos(), before);
    EXPECT_EQ(window.size(), QSize(700, 560));
    placement.SetBounds(QRect(10, 20, 700, 560));
    EXPECT_EQ(window.pos(), QPoint(10, 20));
}

} // namespace
} // namespace tarvin
