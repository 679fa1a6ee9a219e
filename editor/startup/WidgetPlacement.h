#pragma once
// The placement target of a real window whose left pane is the first widget
// of a splitter.

#include "editor/startup/WindowPlacement.h"

class QSplitter;
class QWidget;

namespace tarvin {

class WidgetPlacement : public PlacementTarget {
public:
    WidgetPlacement(QWidget& window, QSplitter& splitter) : window_(window), splitter_(splitter) {}

    WindowShowState State() const override;
    void SetState(WindowShowState state) override;
    QRect Bounds() const override;
    // Bounds that no screen shows any more (a monitor since removed) keep
    // their size but not their position, so the window stays reachable.
    void SetBounds(const QRect& bounds) override;
    int PaneWidth() const override;
    void SetPaneWidth(int width) override;

private:
    QWidget& window_;
    QSplitter& splitter_;
};

} // namespace tarvin
