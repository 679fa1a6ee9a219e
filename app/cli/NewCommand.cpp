#include "app/cli/Commands.h"
#include "app/cli/Options.h"

#include "document/DefaultPage.h"
#include "document/DocumentFile.h"

#include <ostream>

namespace tarvin::cli {

namespace {

constexpr const char* NewUsage =
    "Usage: tarvin-cli new FILE\n"
    "Writes a new page document: page details, an image, a link and a paragraph.\n";

int New(CommandContext& context)
{
    const auto options = ParseOptions(context.args, {}, {});
    if (options.positional.size() != 1)
        throw UsageError("expects one FILE");
    TPagelette page;
    BuildDefaultPage(page);
    const auto written = WriteDocument(options.positional[0], page);
    if (!written.Ok()) {
        context.err << options.positional[0] << ": " << written.error << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int RunNew(CommandContext& context) { return RunCommand(context, "new", NewUsage, New); }

} // namespace tarvin::cli
