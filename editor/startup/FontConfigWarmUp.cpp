#include "editor/startup/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace tarvin {

FontConfigWarmUp::FontConfigWarmUp()
{
    // FcInit loads the configuration once per process, and safely so from
    // any thread; later calls, Qt's among them, find it loaded.
    try {
        loader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
}

void FontConfigWarmUp::Wait()
{
    if (loader_.joinable())
        loader_.join();
}

} // namespace tarvin
