#pragma once
// A block panel of the main window that is built the first time anything
// uses it, so that starting the program builds only the panel on show.
// It reads like the panel pointer it stands for: window.pnlHeading->txtHeading.

#include <functional>

namespace tarvin {

class BlockPanel;

template <class Panel>
class PanelOnDemand {
public:
    // panel: the window's accessor that builds the panel when it has none.
    explicit PanelOnDemand(std::function<BlockPanel*()> panel) : panel_(std::move(panel)) {}

    Panel* get() const { return static_cast<Panel*>(panel_()); }
    Panel* operator->() const { return get(); }
    Panel& operator*() const { return *get(); }
    operator Panel*() const { return get(); }

private:
    std::function<BlockPanel*()> panel_;
};

} // namespace tarvin
