#pragma once
// Loading the system's font configuration takes a few milliseconds that the
// first window with text waits for. Begun before the application connects
// to the display, it runs on another processor meanwhile; the fonts then
// come from the configuration already loaded.

#include <thread>

namespace tarvin {

class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp() { Wait(); }
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is loaded (at once when no thread could
    // be started: the first font then loads it, as without this).
    void Wait();

private:
    std::thread loader_;
};

} // namespace tarvin
