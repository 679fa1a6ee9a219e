#pragma once
// A part of the main window that is built the first time anything uses it,
// so that starting the program builds only what its first picture shows.
// It reads like the pointer it stands for: window.pnlHeading->txtHeading.

#include <functional>

namespace tarvin {

// Part: the type it reads as. Built: what the window's accessor returns, a
// base of Part (the block panels come back as BlockPanel).
template <class Part, class Built = Part>
class OnDemand {
public:
    // build: the window's accessor that builds the part when it has none.
    explicit OnDemand(std::function<Built*()> build) : build_(std::move(build)) {}

    Part* get() const { return static_cast<Part*>(build_()); }
    Part* operator->() const { return get(); }
    Part& operator*() const { return *get(); }
    operator Part*() const { return get(); }

private:
    std::function<Built*()> build_;
};

} // namespace tarvin
