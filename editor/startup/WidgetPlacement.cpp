#include "editor/startup/WidgetPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

#include <algorithm>
#include <numeric>

namespace tarvin {

namespace {

bool OnSomeScreen(const QRect& bounds)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->availableGeometry().intersects(bounds); });
}

} // namespace

WindowShowState WidgetPlacement::State() const
{
    const Qt::WindowStates state = window_.windowState();
    if (state & (Qt::WindowMinimized | Qt::WindowFullScreen))
        return WindowShowState::Other;
    return (state & Qt::WindowMaximized) ? WindowShowState::Maximized : WindowShowState::Normal;
}

void WidgetPlacement::SetState(WindowShowState state)
{
    window_.setWindowState(state == WindowShowState::Maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

QRect WidgetPlacement::Bounds() const
{
    return {window_.pos(), window_.size()};
}

void WidgetPlacement::SetBounds(const QRect& bounds)
{
    if (OnSomeScreen(bounds))
        window_.move(bounds.topLeft());
    window_.resize(bounds.size());
}

int WidgetPlacement::PaneWidth() const
{
    return splitter_.sizes().value(0);
}

void WidgetPlacement::SetPaneWidth(int width)
{
    QList<int> sizes = splitter_.sizes();
    if (sizes.size() < 2)
        return;
    // The other panes share what the left pane gives up or takes.
    const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
    sizes[0] = width;
    sizes[1] = std::max(1, total - width - std::accumulate(sizes.begin() + 2, sizes.end(), 0));
    splitter_.setSizes(sizes);
}

} // namespace tarvin
