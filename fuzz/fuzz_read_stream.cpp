// Feeds arbitrary bytes to the stream reader. Whatever it accepts must write
// back to a stream that reads again to the same bytes.

#include "document/ComponentStream.h"
#include "look/ThemeStore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvin;
    static const ClassRegistry registry = StreamFileClasses();
    try {
        auto root = ReadComponentStream(std::string_view(reinterpret_cast<const char*>(data), size), registry);
        const std::string once = WriteComponentStream(*root);
        if (WriteComponentStream(*ReadComponentStream(once, registry)) != once)
            std::abort();
    } catch (const StreamError&) {
    }
    return 0;
}
