// Feeds arbitrary text to the JSON import. Whatever it accepts must write a
// stream that reads again, and exporting and importing that stream must
// give the same bytes.

#include "document/ComponentStream.h"
#include "document/JsonForm.h"
#include "look/ThemeStore.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvin;
    static const ClassRegistry registry = StreamFileClasses();
    try {
        auto root = ReadComponentJson(std::string_view(reinterpret_cast<const char*>(data), size), registry);
        const std::string stream = WriteComponentStream(*root);
        std::ostringstream json;
        WriteComponentJson(*ReadComponentStream(stream, registry), json);
        if (WriteComponentStream(*ReadComponentJson(json.str(), registry)) != stream)
            std::abort();
    } catch (const JsonFormError&) {
    }
    return 0;
}
